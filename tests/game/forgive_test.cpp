// Forgiving play: English typed without leaving a kana mode, the English
// filler words a player adds, the repeat word and the backup of the save.
#include "area.h"
#include "command.h"
#include "console.h"
#include "dic.h"
#include "flags.h"
#include "game_support.h"
#include "input_mode.h"
#include "main.h"
#include "noun.h"
#include "noun_table.h"
#include "status.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using gametest::enter;
using gametest::joined;
using gametest::keys;
using gametest::play;
using gametest::said;

// The console lines of one command, its echo left out.
std::string reply(const std::string &line) {
    auto out = play({line});
    if (!out.empty()) out.erase(out.begin());
    return joined(out);
}

class Forgive : public gametest::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        play({"start"}); // in hiragana mode, the mode the game starts in
    }
};

// ---- English in a kana mode ----

TEST_F(Forgive, EnglishTypedInHiraganaModeDoesTheEnglishThing) {
    ASSERT_EQ(get_input_mode(), INPUT_HIRAGANA);
    EXPECT_EQ(area_next(), -1);
    EXPECT_EQ(get_cur_area(), ai_mailbox); // "start" was read as typed

    auto out = play({"save"});
    EXPECT_EQ(out.front(), ">save"); // echoed as typed, not as "さう゛ぇ"
    EXPECT_TRUE(said(out, "ゲームをセーブしました。"));

    out = play({"look"});
    EXPECT_EQ(out.front(), ">look");
    EXPECT_TRUE(said(out, "あなたは屋敷の敷地に踏み込んだところだ。"));

    enter(ai_bathroom);
    add_item(ni_screwdriver);
    out = play({"use screwdriver on mirror"});
    EXPECT_EQ(out.front(), ">use screwdriver on mirror");
    EXPECT_TRUE(said(out, "ねじ回しでねじを外した。"));
    EXPECT_TRUE(has_item(ni_mirror));

    enter(ai_laundry);
    add_item(ni_hat);
    out = play({"give hat to dog"});
    EXPECT_EQ(out.front(), ">give hat to dog");
    EXPECT_TRUE(said(out, "匂いを嗅ぐと"));
    EXPECT_TRUE(flag_test(F_DOG_GONE));

    // A line that means nothing either way keeps its kana and its reply.
    out = play({"mumble"});
    EXPECT_EQ(out.front(), ">むmble");
    EXPECT_TRUE(said(out, "むmbleという動詞は使えない。"));
    // Neither is a command, but only the letters have a verb: their reply
    // names the word that was not understood.
    out = play({"examine the gizmo"});
    EXPECT_EQ(out.front(), ">examine the gizmo");
    EXPECT_TRUE(said(out, "the gizmoという名詞は使えない。"));
}

// Romaji of a hiragana word: a double consonant for っ, nn for ん.
std::string romaji_of(const std::string &kana) {
    static const char *const pairs[][2] = {
        {"きゃ", "kya"}, {"きゅ", "kyu"}, {"きょ", "kyo"}, {"しゃ", "sha"}, {"しゅ", "shu"}, {"しょ", "sho"},
        {"ちゃ", "cha"}, {"ちゅ", "chu"}, {"ちょ", "cho"}, {"にゅ", "nyu"}, {"りょ", "ryo"}, {"じゃ", "ja"},
        {"じゅ", "ju"},  {"じょ", "jo"},  {"ぎょ", "gyo"}, {"ひゃ", "hya"}, {"みゃ", "mya"}, {"びゃ", "bya"},
    };
    static const char *const kana_rows[][2] = {
        {"あいうえお", ""},   {"かきくけこ", "k"}, {"がぎぐげご", "g"}, {"さしすせそ", "s"}, {"ざじずぜぞ", "z"},
        {"たちつてと", "t"},  {"だぢづでど", "d"}, {"なにぬねの", "n"}, {"はひふへほ", "h"}, {"ばびぶべぼ", "b"},
        {"ぱぴぷぺぽ", "p"},  {"まみむめも", "m"}, {"らりるれろ", "r"}, {"ぁぃぅぇぉ", "l"},
    };
    std::vector<std::string> syllables;
    for (size_t i = 0; i + 1 < kana.size(); i += 2) {
        std::string two = kana.substr(i, 4), one = kana.substr(i, 2);
        bool paired = false;
        for (auto &p : pairs) {
            if (two == p[0]) {
                syllables.push_back(p[1]);
                i += 2;
                paired = true;
                break;
            }
        }
        if (paired) continue;
        if (one == "っ" || one == "ん" || one == "ー") {
            syllables.push_back(one);
            continue;
        }
        if (one == "や") syllables.push_back("ya");
        if (one == "ゆ") syllables.push_back("yu");
        if (one == "よ") syllables.push_back("yo");
        if (one == "わ") syllables.push_back("wa");
        if (one == "を") syllables.push_back("wo");
        for (auto &row : kana_rows) {
            std::string r = row[0];
            for (size_t k = 0; k < 5; ++k)
                if (r.substr(k * 2, 2) == one) syllables.push_back(std::string(row[1]) + "aiueo"[k]);
        }
    }
    std::string out;
    for (size_t i = 0; i < syllables.size(); ++i) {
        const std::string &s = syllables[i];
        if (s == "っ")
            out += i + 1 < syllables.size() ? syllables[i + 1].substr(0, 1) : "ltu";
        else if (s == "ん")
            out += "nn";
        else if (s == "ー")
            out += "-";
        else
            out += s;
    }
    return out;
}

std::string captured;
void capture(char *line) { captured = line; }

TEST_F(Forgive, EveryKanaVerbTypedInRomajiKeepsItsKanaMeaning) {
    // The lines go to a stand-in for the interpreter; the English reading
    // is asked as in the game.
    console_set_hooks({capture, nullptr, nullptr, prefer_typed_line, nullptr});
    const Dictionary *verbs = verb_dictionary();
    int tried = 0;
    for (int i = 0; i < verbs->num; ++i) {
        std::string word = dic_word(i, verbs);
        if (static_cast<unsigned char>(word[0]) != 0x82) continue; // hiragana words only
        std::string typed = romaji_of(word);
        captured.clear();
        keys(typed + "\n");
        EXPECT_EQ(captured, word) << typed;
        ++tried;
    }
    game_wire_modules();
    EXPECT_GE(tried, 80);
}

TEST_F(Forgive, AnswersTypedInEnglishInAKanaMode) {
    add_item(ni_branch);
    add_item(ni_rubber_strip);
    play({"combine branch"});
    ASSERT_TRUE(line_handler_active());
    auto out = play({"the rubber strip"});
    EXPECT_EQ(out.front(), "?the rubber strip");
    EXPECT_TRUE(has_item(ni_slingshot));

    // An answer that names a noun in kana stays kana: "orion" is おりおん.
    enter(ai_laundry);
    play({"talk dog"});
    out = play({"orion"});
    EXPECT_EQ(out.front(), "?おりおん");
    EXPECT_TRUE(flag_test(F_DOG_UP));

    // The incantation is no noun: its kana stay as they were typed.
    enter(ai_temple);
    play({"cast"});
    out = play({"oguruuaenganuarueizuugguioruauengufuuruua"});
    EXPECT_EQ(out.front(), "?おぐるうあえんがぬあるえいずうっぐいおるあうえんぐふうるうあ");
}

TEST_F(Forgive, TypedLettersStayBesideTheKana) {
    struct step {
        const char *keys;
        const char *line;  // as shown
        const char *typed; // the letters kept beside it
    };
    const step steps[] = {
        {"lookk", ">ぉおっk_", "lookk"},
        {"{BackSpace}", ">ぉおっ_", "look"},
        {"{BackSpace}", ">ぉお_", "loo"},
        {" va", ">ぉお う゛ぁ_", "loo va"},
        // Half of a kana group stands for none of its letters.
        {"{BackSpace}", ">ぉお う゛_", "loo "},
        {"{BackSpace}{BackSpace}{BackSpace}", ">ぉお_", "loo"},
        {"{C-c}", ">_", ""},
        // A lone n that becomes ん at a blank stands for its letter.
        {"on ", ">おん _", "on "},
        {"{BackSpace}{BackSpace}", ">お_", "o"},
        {"{C-c}", ">_", ""},
    };
    for (const step &s : steps) {
        keys(std::string(s.keys) + "{nr}");
        EXPECT_STREQ(input_line_text(), s.line) << s.keys;
        EXPECT_STREQ(line_typed_text(), s.typed) << s.keys;
    }
    // Letters that outgrow their kana give the reading up, never the line.
    for (int i = 0; i < 40; ++i) keys("xxxa{nr}");
    EXPECT_EQ(line_typed_text(), nullptr);
    keys("{C-c}{nr}");
    EXPECT_STREQ(line_typed_text(), "");
}

// ---- The English reading ----

TEST_F(Forgive, FillerWordsAreDroppedAndTheHeadKeepsItsMeaning) {
    set_input_mode(INPUT_ENGLISH);
    enter(ai_living);
    EXPECT_EQ(reply("look at the clock"), reply("look clock"));
    EXPECT_EQ(reply("look at the photo"), reply("look photo"));
    enter(ai_music_room);
    EXPECT_EQ(reply("look in piano"), reply("look piano"));

    // The tail never adds to the head: the same reply and the same world.
    enter(ai_boiler_room);
    add_item(ni_duck);
    play({"open panel"});
    undo_reset(UNDO_LIMIT_START); // only the next command can be taken back
    std::string with_tail = reply("put duck into machine");
    EXPECT_FALSE(has_item(ni_duck));
    play({"undo"});
    EXPECT_TRUE(has_item(ni_duck));
    EXPECT_EQ(with_tail, reply("put duck"));

    // What is not understood keeps the reply it always had.
    EXPECT_EQ(reply("look at xyzzy"), "at xyzzyという名詞は使えない。");
    EXPECT_EQ(reply("pick"), "pickという動詞は使えない。");
}

TEST_F(Forgive, PlayersWordsAndVerbPhrases) {
    EXPECT_EQ(find_nid("phone"), ni_telephone);
    EXPECT_EQ(find_nid("collar"), ni_belt);
    EXPECT_EQ(find_vid("answer", ni_telephone), vi_use);
    EXPECT_EQ(find_vid("answer", ni_invalid), vi_only_with_noun);
    EXPECT_EQ(find_vid("light", ni_lantern), vi_use);

    reading r;
    auto read = [&](const char *verb, const char *noun) {
        read_forgivingly(verb, noun, &r);
        return r.kind == READ_COMMAND ? std::string(r.verb) + "|" + r.noun : std::string("-");
    };
    EXPECT_EQ(read("pick", "up the duck"), "get|duck");
    EXPECT_EQ(read("turn", "on lantern"), "use|lantern");
    EXPECT_EQ(read("go", "up"), "up|");
    EXPECT_EQ(read("go", "back"), "backward|");
    EXPECT_EQ(read("hide", "in the wardrobe"), "enter|wardrobe");
    EXPECT_EQ(read("look", "around"), "look|");
    EXPECT_EQ(read("give", "the hat to the dog"), "give|hat");
    EXPECT_EQ(read("look", "at suit of armor"), "look|suit of armor");
    EXPECT_EQ(read("go", "north"), "-");
    EXPECT_EQ(read("use", "the"), "use|");

    // The words of undo, repeat and backup belong to no verb or noun.
    for (const char *w : {"undo", "とりけす", "トリケス", "again", "g", "もういちど", "モウイチド", "backup",
                          "ばっくあっぷ", "バックアップ"}) {
        EXPECT_EQ(find_vid(w, ni_invalid), vi_unknown) << w;
        EXPECT_EQ(find_nid(w), ni_unknown) << w;
    }
}

TEST_F(Forgive, AgainRepeatsTheLastCommand) {
    GameTest::SetUp();
    set_input_mode(INPUT_ENGLISH);
    EXPECT_EQ(reply("again"), "繰り返すコマンドがない。");
    play({"start"});
    std::string backward = reply("b");
    EXPECT_EQ(reply("again"), backward);
    EXPECT_EQ(reply("g"), backward);

    // The last command is the last one run, even when taken back; run again
    // it is a step of its own, named after it.
    play({"f", "b", "undo"});
    EXPECT_EQ(get_cur_area(), ai_entrance);
    play({"again"});
    EXPECT_EQ(get_cur_area(), ai_mailbox);
    EXPECT_EQ(reply("undo"), "「b」を取り消した。");
    EXPECT_EQ(get_cur_area(), ai_entrance);
}

// ---- The backup of the save slot ----

std::string file(const std::string &path) { return vxtest::read_file(path); }

TEST_F(Forgive, EachSaveKeepsTheOneItReplaces) {
    set_input_mode(INPUT_ENGLISH);
    std::string save = dir + "/.keldary/keldary.sav";
    std::string bak = save + ".bak";
    EXPECT_TRUE(said(play({"load backup"}), "バックアップのロードに失敗しました。"));

    play({"save"});
    std::string first = file(save);
    ASSERT_EQ(first.size(), 556u);
    EXPECT_FALSE(std::ifstream(bak).good()); // nothing was replaced
    play({"f", "save"});
    EXPECT_EQ(file(bak), first);
    std::string second = file(save);
    EXPECT_NE(second, first);

    EXPECT_TRUE(said(play({"load backup"}), "バックアップからゲームをロードしました。"));
    EXPECT_EQ(get_cur_area(), ai_mailbox);
    EXPECT_EQ(file(save), second); // the slot itself is untouched
    EXPECT_TRUE(said(play({"undo"}), "ロードより前には戻れない。"));
    play({"load"});
    EXPECT_EQ(get_cur_area(), ai_entrance);

    // The kana form, typed in hiragana mode.
    set_input_mode(INPUT_HIRAGANA);
    EXPECT_TRUE(said(play({"ro-do bakkuappu"}), "バックアップからゲームをロードしました。"));
    EXPECT_EQ(get_cur_area(), ai_mailbox);

    // A slot that is no save is not kept over a good backup.
    std::ofstream(save, std::ios::binary | std::ios::trunc) << "broken";
    set_input_mode(INPUT_ENGLISH);
    play({"save"});
    EXPECT_EQ(file(bak), first);
    EXPECT_EQ(file(save).size(), 556u);
    // A backup that a killed instance was writing is cleared away.
    std::string left = dir + "/.keldary/.keldary.sav.bak.tmp.Ab12Cd";
    std::ofstream(left, std::ios::binary) << "stale";
    std::remove(save.c_str());
    play({"save"});
    EXPECT_EQ(file(bak), first);
    EXPECT_FALSE(std::ifstream(left).good());
}

}  // namespace
