// The shared message catalogue: pauses and line breaks of the documents,
// the input-mode dependent texts, and the incantation with its two damaged
// copies.
#include "input_mode.h"
#include "sjis.h"
#include "command.h"
#include "console.h"
#include "game_support.h"
#include "kana_spelling.h"
#include "noun.h"
#include "spell.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <set>
#include <string>
#include <vector>

namespace {


// ---- The incantation ----

// The characters of a Shift-JIS text (one or two bytes each).
std::vector<std::string> chars_of(const std::string &text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t w = vx_sjis_lead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        out.push_back(text.substr(i, w));
        i += w;
    }
    return out;
}

// A fragment split at its blanks into groups of characters.
std::vector<std::vector<std::string>> groups_of(const char *fragment) {
    std::vector<std::vector<std::string>> groups(1);
    for (const std::string &c : chars_of(fragment)) {
        if (c == " ")
            groups.emplace_back();
        else
            groups.back().push_back(c);
    }
    return groups;
}

struct Typed {
    std::string kana;            // the converted line, blanks kept
    std::string rest;            // letters left unconverted at the end
    std::vector<int> char_of;    // for each letter (blanks skipped): the kana character it made
};

// Types the letters as the command line does in hiragana mode: one
// conversion attempt per key on the run after the last blank.
Typed type_in_hiragana(const std::string &keys) {
    kana_use_hiragana();
    Typed t;
    std::string line;
    std::size_t head = 0;
    std::deque<int> pending; // letter numbers of the run
    int letter = 0, made = 0;
    for (char key : keys) {
        line += key;
        if (key == ' ') {
            head = line.size();
            pending.clear();
            continue;
        }
        pending.push_back(letter++);
        t.char_of.push_back(-1);
        int n = static_cast<int>(line.size() - head), k = 0;
        const char *kana = roman_to_kana(line.data() + head, &n, &k);
        if (!kana) continue;
        std::size_t used = line.size() - head - static_cast<std::size_t>(n);
        for (std::size_t i = 0; i < used; ++i) {
            t.char_of[pending.front()] = made;
            pending.pop_front();
        }
        made += k / 2;
        line.replace(head, used, kana, static_cast<std::size_t>(k));
        head += static_cast<std::size_t>(k);
    }
    t.rest = line.substr(head);
    t.kana = line.substr(0, head);
    return t;
}

std::string without_blanks(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

// Group boundaries (cell offsets where a group starts, plus the total).
std::vector<int> boundaries(const std::vector<std::vector<std::string>> &groups) {
    std::vector<int> b{0};
    for (const auto &g : groups) b.push_back(b.back() + static_cast<int>(g.size()));
    return b;
}

struct Coverage {
    std::vector<bool> legible; // per cell of the phrase
    int wall_offset = -1;      // where the wall fragment starts
    int wall_length = 0;
};

// Checks one script's pair of fragments against its phrase cells and
// returns which cells each makes legible.
Coverage check_fragments(const std::vector<std::string> &phrase, const char *book, const char *wall,
                         const std::string &lost) {
    Coverage cov;
    cov.legible.assign(phrase.size(), false);
    const auto book_groups = groups_of(book);
    EXPECT_EQ(book_groups.size(), 7u) << book;
    if (book_groups.size() != 7 || book_groups[0].empty()) return cov;
    const std::vector<int> bounds = boundaries(book_groups);
    EXPECT_EQ(bounds.back(), static_cast<int>(phrase.size())) << book;
    if (bounds.back() != static_cast<int>(phrase.size())) return cov;

    int pos = 0, shown = 0;
    for (std::size_t g = 0; g < book_groups.size(); ++g) {
        EXPECT_FALSE(book_groups[g].empty()) << book << ": a doubled blank";
        for (const std::string &c : book_groups[g]) {
            if (c != lost) {
                EXPECT_EQ(c, phrase[pos]) << book << " at " << pos;
                cov.legible[pos] = true;
                ++shown;
            }
            ++pos;
        }
    }
    // The beginning and the last two groups survive; most of it is lost.
    EXPECT_NE(book_groups[0][0], lost);
    for (std::size_t g = 5; g < 7; ++g)
        for (const std::string &c : book_groups[g]) EXPECT_NE(c, lost) << book;
    EXPECT_LT(shown * 2, static_cast<int>(phrase.size())) << book;

    // The wall shows a stretch of six groups whose two ends are cut off;
    // its inner blanks are the phrase's own.
    const auto wall_groups = groups_of(wall);
    EXPECT_EQ(wall_groups.size(), 6u) << wall;
    std::vector<std::string> stretch;
    for (const auto &g : wall_groups)
        for (const std::string &c : g) {
            EXPECT_NE(c, lost) << wall;
            stretch.push_back(c);
        }
    auto at = std::search(phrase.begin(), phrase.end(), stretch.begin(), stretch.end());
    EXPECT_NE(at, phrase.end()) << wall;
    if (at == phrase.end()) return cov;
    cov.wall_offset = static_cast<int>(at - phrase.begin());
    cov.wall_length = static_cast<int>(stretch.size());
    const std::set<int> starts(bounds.begin(), bounds.end());
    int edge = cov.wall_offset;
    for (std::size_t g = 0; g < wall_groups.size(); ++g) {
        if (g > 0) {
            EXPECT_TRUE(starts.count(edge)) << wall << ": group " << g << " starts mid-word";
        }
        edge += static_cast<int>(wall_groups[g].size());
    }
    EXPECT_FALSE(starts.count(cov.wall_offset)) << wall << ": the first group is whole";
    EXPECT_FALSE(starts.count(edge)) << wall << ": the last group is whole";
    for (int i = 0; i < cov.wall_length; ++i) cov.legible[cov.wall_offset + i] = true;

    for (std::size_t i = 0; i < phrase.size(); ++i)
        EXPECT_TRUE(cov.legible[i]) << "position " << i << " is legible in neither fragment";
    return cov;
}

class Spell : public ::testing::Test {
protected:
    void SetUp() override {
        kana_init();
        script = kana_script();
    }
    void TearDown() override {
        if (script == 0)
            kana_use_hiragana();
        else
            kana_use_katakana();
    }
    int script = 0;
};

TEST_F(Spell, PhraseHasThirtyHiraganaAndFortyOneLetters) {
    const std::string hira = SPELL_HIRAGANA, roman = SPELL_ROMAJI;
    ASSERT_EQ(hira.size(), 60u);
    const auto chars = chars_of(hira);
    ASSERT_EQ(static_cast<int>(chars.size()), SPELL_CHARS);
    for (const std::string &c : chars) {
        ASSERT_EQ(c.size(), 2u);
        // Shift-JIS hiragana: 0x829F (ぁ) .. 0x82F1 (ん).
        EXPECT_EQ(static_cast<unsigned char>(c[0]), 0x82u);
        EXPECT_GE(static_cast<unsigned char>(c[1]), 0x9Fu);
        EXPECT_LE(static_cast<unsigned char>(c[1]), 0xF1u);
    }
    ASSERT_EQ(static_cast<int>(roman.size()), SPELL_LETTERS);
    for (char c : roman) EXPECT_TRUE(c >= 'a' && c <= 'z') << c;
}

TEST_F(Spell, RomajiTypedInHiraganaModeGivesThePhrase) {
    // Without blanks, and group by group as the player reads it off the
    // book (the line handler removes the blanks).
    Typed plain = type_in_hiragana(SPELL_ROMAJI);
    EXPECT_EQ(plain.rest, "");
    EXPECT_EQ(plain.kana, SPELL_HIRAGANA);

    std::string spaced;
    const std::string roman = SPELL_ROMAJI;
    int pos = 0;
    for (const auto &g : groups_of(SPELL_FRAGMENT_BOOK_ROMAJI)) {
        if (pos > 0) spaced += ' ';
        spaced += roman.substr(static_cast<std::size_t>(pos), g.size());
        pos += static_cast<int>(g.size());
    }
    ASSERT_EQ(pos, SPELL_LETTERS);
    Typed grouped = type_in_hiragana(spaced);
    EXPECT_EQ(grouped.rest, "");
    EXPECT_EQ(without_blanks(grouped.kana), SPELL_HIRAGANA);
    // Each romaji group makes exactly the kana group the hiragana copy shows.
    const auto kana_groups = groups_of(grouped.kana.c_str());
    const auto book_groups = groups_of(SPELL_FRAGMENT_BOOK_HIRAGANA);
    ASSERT_EQ(kana_groups.size(), book_groups.size());
    for (std::size_t g = 0; g < kana_groups.size(); ++g) EXPECT_EQ(kana_groups[g].size(), book_groups[g].size());
}

TEST_F(Spell, FragmentsAgreeWithThePhraseAndTogetherCoverIt) {
    const auto hira = chars_of(SPELL_HIRAGANA);
    const auto roman = chars_of(SPELL_ROMAJI);
    Coverage h = check_fragments(hira, SPELL_FRAGMENT_BOOK_HIRAGANA, SPELL_FRAGMENT_WALL_HIRAGANA, "○");
    Coverage r = check_fragments(roman, SPELL_FRAGMENT_BOOK_ROMAJI, SPELL_FRAGMENT_WALL_ROMAJI, "_");
    ASSERT_GE(h.wall_offset, 0);
    ASSERT_GE(r.wall_offset, 0);

    // Both scripts tell the same: a letter survives exactly when the kana
    // it spells does, and the wall's stretch spans the same syllables.
    Typed typed = type_in_hiragana(SPELL_ROMAJI);
    ASSERT_EQ(static_cast<int>(typed.char_of.size()), SPELL_LETTERS);
    std::vector<bool> book_h(hira.size()), book_r(roman.size());
    {
        int i = 0;
        for (const std::string &c : chars_of(without_blanks(SPELL_FRAGMENT_BOOK_HIRAGANA))) book_h[i++] = c != "○";
        i = 0;
        for (const std::string &c : chars_of(without_blanks(SPELL_FRAGMENT_BOOK_ROMAJI))) book_r[i++] = c != "_";
    }
    for (int l = 0; l < SPELL_LETTERS; ++l) {
        int c = typed.char_of[l];
        ASSERT_GE(c, 0);
        EXPECT_EQ(book_r[l], book_h[c]) << "letter " << l;
        bool in_wall_r = l >= r.wall_offset && l < r.wall_offset + r.wall_length;
        bool in_wall_h = c >= h.wall_offset && c < h.wall_offset + h.wall_length;
        EXPECT_EQ(in_wall_r, in_wall_h) << "letter " << l;
    }
}

// ---- Printed texts ----

using gametest::finish_waits;
using gametest::mark;
using gametest::since_mark;

// Runs a text and collects its parts: what shows at once, then what each
// Return brings.
std::vector<std::vector<std::string>> parts_of(void (*text)()) {
    std::vector<std::vector<std::string>> parts;
    mark();
    text();
    parts.push_back(since_mark());
    for (int i = 0; console_waiting_return() && i < 20; ++i) {
        mark();
        wait_return_key_handler(13);
        parts.push_back(since_mark());
    }
    return parts;
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        vxtest::open_headless();
        console_init();
        init_nouns();
        init_verbs();
        mode = get_input_mode();
        finish_waits();
    }
    void TearDown() override {
        finish_waits();
        set_input_mode(mode);
    }
    int mode = 1;
};

struct Entry {
    const char *name;
    void (*print)();
    int stops;
};

#define ENTRY(f, stops) {#f, f, stops}

const Entry catalogue[] = {
    ENTRY(msg_cannot_do_here, 0), ENTRY(msg_cannot_break, 0), ENTRY(msg_cannot_read, 0),
    ENTRY(msg_does_not_budge, 0), ENTRY(msg_cannot_climb, 0), ENTRY(msg_nothing_happened, 0),
    ENTRY(msg_nothing_special, 0), ENTRY(msg_not_here, 0), ENTRY(msg_nothing_left, 0),
    ENTRY(msg_pick_up_first, 0), ENTRY(msg_no_need_to_carry, 0), ENTRY(msg_several_doors, 0),
    ENTRY(msg_several_bookshelves, 0), ENTRY(msg_door_locked, 0), ENTRY(msg_door_unlocked, 0),
    ENTRY(msg_door_already_unlocked, 0), ENTRY(msg_door_closed, 0), ENTRY(msg_door_already_closed, 0),
    ENTRY(msg_handle_unlocks, 0), ENTRY(msg_key_does_not_fit, 0), ENTRY(msg_too_big, 0),
    ENTRY(msg_too_heavy, 0), ENTRY(msg_too_far, 0), ENTRY(msg_cannot_combine, 0), ENTRY(msg_tall_tale, 0),
    ENTRY(msg_no_higher, 0), ENTRY(msg_armor_stands, 0), ENTRY(msg_armor_threatens, 0),
    ENTRY(msg_no_circle_left, 0), ENTRY(msg_furniture_in_way, 0), ENTRY(msg_no_room_to_move, 0),
    ENTRY(msg_lying_beside, 0), ENTRY(msg_too_dark, 0), ENTRY(msg_time_prompt, 0),
    ENTRY(msg_title_prompt, 0), ENTRY(msg_end_prompt, 0),
    ENTRY(doc_intro, 0), ENTRY(doc_newspaper_article, 0), ENTRY(doc_newspaper_clipping, 0),
    ENTRY(doc_essay, 0), ENTRY(doc_diary_last_pages, 0), ENTRY(doc_diary_torn, 0), ENTRY(doc_diary_page, 0),
    ENTRY(doc_logbook, 0), ENTRY(doc_postcard, 0), ENTRY(doc_farewell_letter, 0), ENTRY(doc_seance_book, 0),
    ENTRY(doc_seance_rules, 0), ENTRY(doc_study_note_full, 4), ENTRY(doc_study_note, 4),
    ENTRY(doc_mirror_message, 0), ENTRY(doc_mirror_back, 0), ENTRY(doc_owner_confession_full, 5),
    ENTRY(doc_owner_confession, 5), ENTRY(doc_leaflet, 0), ENTRY(doc_ritual_letter, 0),
    ENTRY(doc_spell_book_full, 1), ENTRY(doc_spell_book, 0), ENTRY(doc_spell_fragment, 0),
    ENTRY(doc_colonel_notes_full, 5), ENTRY(doc_colonel_notes, 5), ENTRY(doc_glasses_remark, 0),
    ENTRY(doc_score_title, 0),
    ENTRY(event_water_death, 0), ENTRY(event_shadow_scream, 0), ENTRY(event_shadow_outside, 0),
    ENTRY(event_shadow_enters, 0), ENTRY(event_shadow_death, 0), ENTRY(event_hiding_footsteps, 0),
    ENTRY(event_footsteps_leave, 0), ENTRY(event_phone_starts, 0), ENTRY(event_phone_rings, 0),
    ENTRY(event_phone_stops, 0), ENTRY(event_phone_voice, 0), ENTRY(event_cuckoo_opens, 0),
    ENTRY(event_cuckoo_closes, 0), ENTRY(event_dark_stairs, 0), ENTRY(event_wake_up, 0),
    ENTRY(event_armor_sound, 0), ENTRY(event_armor_arrives, 0), ENTRY(event_armor_death, 0),
    ENTRY(event_window_death, 0), ENTRY(event_circle_power, 0),
};

TEST_F(Catalogue, EveryTextStopsWhereItShouldAndExpandsFully) {
    for (int m = 0; m < 3; ++m) {
        set_input_mode(m);
        for (const Entry &e : catalogue) {
            auto parts = parts_of(e.print);
            EXPECT_EQ(static_cast<int>(parts.size()) - 1, e.stops) << e.name << " mode " << m;
            EXPECT_FALSE(console_waiting_return()) << e.name;
            bool printed = false;
            for (const auto &part : parts)
                for (const std::string &line : part) {
                    printed = printed || !line.empty();
                    // A leftover "%" is a pause or placeholder that was not
                    // taken; "[]" a noun word that was missing.
                    EXPECT_EQ(line.find('%'), std::string::npos) << e.name << ": " << line;
                    EXPECT_EQ(line.find("[]"), std::string::npos) << e.name << ": " << line;
                }
            EXPECT_TRUE(printed) << e.name;
            finish_waits();
        }
    }
}

TEST_F(Catalogue, StudyNoteStopsFourTimesEachPartOnItsOwnLines) {
    for (void (*note)() : {doc_study_note, doc_study_note_full}) {
        const bool full = note == doc_study_note_full;
        auto parts = parts_of(note);
        ASSERT_EQ(parts.size(), 5u);
        ASSERT_FALSE(parts[0].empty());
        if (full) {
            EXPECT_EQ(parts[0][0].rfind("ほとんどのページには数式や図が", 0), 0u) << parts[0][0];
            ASSERT_EQ(parts[4].back(), "　手記はここで終わっている。");
            parts[4].pop_back();
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            auto &p = parts[i];
            // Each part ends a sentence: nothing is split across a stop.
            ASSERT_FALSE(p.empty()) << "part " << i;
            const std::string &last = p.back();
            ASSERT_GE(last.size(), 2u) << "part " << i;
            EXPECT_EQ(last.substr(last.size() - 2), "。") << "part " << i << ": " << last;
        }
        if (!full) {
            EXPECT_NE(parts[4].back(), "　手記はここで終わっている。");
        }
    }
}

// Every paged document is laid out alike: its first page starts at once,
// and each page after a wait opens with one blank line, then its paragraph.
TEST_F(Catalogue, PagedDocumentsOpenEachPageAfterAWaitWithOneBlankLine) {
    for (const Entry &e : catalogue) {
        if (e.stops == 0) continue;
        auto parts = parts_of(e.print);
        ASSERT_EQ(static_cast<int>(parts.size()) - 1, e.stops) << e.name;
        ASSERT_FALSE(parts[0].empty()) << e.name;
        EXPECT_NE(parts[0][0], "") << e.name;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            ASSERT_GE(parts[i].size(), 2u) << e.name << " page " << i;
            EXPECT_EQ(parts[i][0], "") << e.name << " page " << i;
            EXPECT_NE(parts[i][1], "") << e.name << " page " << i;
        }
    }
}

TEST_F(Catalogue, SpellDocumentsShowRomajiInEnglishAndHiraganaInKanaModes) {
    const std::string book_romaji = std::string("≪") + SPELL_FRAGMENT_BOOK_ROMAJI + "≫";
    const std::string book_kana = std::string("≪") + SPELL_FRAGMENT_BOOK_HIRAGANA + "≫";
    const std::string wall_romaji = std::string("≪") + SPELL_FRAGMENT_WALL_ROMAJI + "≫";
    const std::string wall_kana = std::string("「") + SPELL_FRAGMENT_WALL_HIRAGANA + "」";
    for (int m = 0; m < 3; ++m) {
        set_input_mode(m);
        auto book = parts_of(doc_spell_book);
        ASSERT_EQ(book.size(), 1u);
        ASSERT_FALSE(book[0].empty());
        EXPECT_EQ(book[0].back(), m == 0 ? book_romaji : book_kana) << "mode " << m;

        auto wall = parts_of(doc_spell_fragment);
        ASSERT_EQ(wall.size(), 1u);
        ASSERT_EQ(wall[0].size(), 2u);
        EXPECT_EQ(wall[0][0], "両端は不鮮明だが、判読できる部分は以下のように読める。");
        EXPECT_EQ(wall[0][1], m == 0 ? wall_romaji : wall_kana) << "mode " << m;

        // The full page: the heading, a stop, then the book's text with
        // the fragment on a line of its own, then the two remarks.
        auto full = parts_of(doc_spell_book_full);
        ASSERT_EQ(full.size(), 2u);
        const auto &rest = full[1];
        ASSERT_GE(rest.size(), 3u);
        EXPECT_EQ(rest[rest.size() - 3], m == 0 ? book_romaji : book_kana);
        EXPECT_EQ(rest[rest.size() - 2], "肝心の呪文の部分が、虫に食われていて一部しか読み取れない。");
        EXPECT_EQ(rest.back(), "呪文の下には、歪んだ星のような文様が描かれている。");
    }
}

TEST_F(Catalogue, ArmourThreatNamesTheSwordInTheInputLanguage) {
    set_input_mode(0);
    auto english = parts_of(msg_armor_threatens);
    ASSERT_EQ(english.size(), 1u);
    ASSERT_EQ(english[0].size(), 1u);
    EXPECT_EQ(english[0][0], "日本刀[samurai sword]を構え、今にもあなたに斬りかかろうとしている！");

    set_input_mode(1);
    auto hiragana = parts_of(msg_armor_threatens);
    ASSERT_EQ(hiragana.size(), 1u);
    ASSERT_EQ(hiragana[0].size(), 1u);
    EXPECT_EQ(hiragana[0][0], "日本刀[かたな]を構え、今にもあなたに斬りかかろうとしている！");
}

}  // namespace
