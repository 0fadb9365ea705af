#include "kana_spelling.h"

#include "game_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// An independent listing of the syllables: prefix, then the kana of
// prefix + a, i, u, e, o ("" where the sequence has no syllable).
struct Row {
    const char *prefix;
    const char *kana[5];
};

const Row rows[] = {
    {"", {"あ", "い", "う", "え", "お"}},        {"k", {"か", "き", "く", "け", "こ"}},
    {"s", {"さ", "し", "す", "せ", "そ"}},       {"t", {"た", "ち", "つ", "て", "と"}},
    {"n", {"な", "に", "ぬ", "ね", "の"}},       {"h", {"は", "ひ", "ふ", "へ", "ほ"}},
    {"m", {"ま", "み", "む", "め", "も"}},       {"y", {"や", "", "ゆ", "", "よ"}},
    {"r", {"ら", "り", "る", "れ", "ろ"}},       {"w", {"わ", "", "", "", "を"}},
    {"g", {"が", "ぎ", "ぐ", "げ", "ご"}},       {"z", {"ざ", "じ", "ず", "ぜ", "ぞ"}},
    {"d", {"だ", "ぢ", "づ", "で", "ど"}},       {"b", {"ば", "び", "ぶ", "べ", "ぼ"}},
    {"p", {"ぱ", "ぴ", "ぷ", "ぺ", "ぽ"}},       {"f", {"ふぁ", "ふぃ", "ふ", "ふぇ", "ふぉ"}},
    {"j", {"じゃ", "じ", "じゅ", "じぇ", "じょ"}}, {"l", {"ぁ", "ぃ", "ぅ", "ぇ", "ぉ"}},
    {"v", {"う゛ぁ", "う゛ぃ", "う゛", "う゛ぇ", "う゛ぉ"}},
    {"q", {"くぁ", "くぃ", "く", "くぇ", "くぉ"}},
    {"by", {"びゃ", "びぃ", "びゅ", "びぇ", "びょ"}}, {"ch", {"ちゃ", "ち", "ちゅ", "ちぇ", "ちょ"}},
    {"hy", {"ひゃ", "ひぃ", "ひゅ", "ひぇ", "ひょ"}}, {"sh", {"しゃ", "し", "しゅ", "しぇ", "しょ"}},
    {"sy", {"しゃ", "しぃ", "しゅ", "しぇ", "しょ"}}, {"ky", {"きゃ", "きぃ", "きゅ", "きぇ", "きょ"}},
    {"gy", {"ぎゃ", "ぎぃ", "ぎゅ", "ぎぇ", "ぎょ"}}, {"my", {"みゃ", "みぃ", "みゅ", "みぇ", "みょ"}},
    {"ny", {"にゃ", "にぃ", "にゅ", "にぇ", "にょ"}}, {"ry", {"りゃ", "りぃ", "りゅ", "りぇ", "りょ"}},
    {"qw", {"くぁ", "くぃ", "くぅ", "くぇ", "くぉ"}}, {"ly", {"ゃ", "", "ゅ", "", "ょ"}},
};

const struct {
    const char *romaji;
    const char *kana;
} extras[] = {{"nn", "ん"}, {"-", "ー"}, {"tsu", "つ"}, {"ltu", "っ"}, {"ltsu", "っ"}};

using gametest::to_katakana;

struct Result {
    bool converted;
    std::string kana;
    int left; // n after the call
    int k;
};

// The run is copied into a buffer of exactly its size, without a NUL, so that
// a sanitizer build catches any read past it.
Result convert(const std::string &run) {
    int n = static_cast<int>(run.size()), k = -1;
    std::unique_ptr<char[]> exact(new char[run.size()]);
    std::memcpy(exact.get(), run.data(), run.size());
    const char *kana = roman_to_kana(exact.get(), &n, &k);
    if (!kana) return {false, "", n, k};
    return {true, std::string(kana), n, k};
}

class KanaSpelling : public ::testing::Test {
protected:
    void SetUp() override {
        kana_init();
        kana_use_hiragana();
    }
    void TearDown() override { kana_use_hiragana(); }
};

TEST_F(KanaSpelling, EveryRecordInBothScripts) {
    ASSERT_EQ(to_katakana("かぢう゛ぁむをんー"), "カヂヴァムヲンー");
    std::vector<std::pair<std::string, std::string>> records;
    const char *vowels = "aiueo";
    for (const Row &row : rows)
        for (int v = 0; v < 5; ++v)
            if (*row.kana[v]) records.push_back({std::string(row.prefix) + vowels[v], row.kana[v]});
    for (const auto &e : extras) records.push_back({e.romaji, e.kana});
    ASSERT_EQ(records.size(), 158u);

    for (int script = 0; script < 2; ++script) {
        if (script) kana_use_katakana();
        for (const auto &[romaji, hira] : records) {
            std::string want = script ? to_katakana(hira) : hira;
            Result r = convert(romaji);
            EXPECT_TRUE(r.converted) << romaji;
            EXPECT_EQ(r.kana, want) << romaji;
            EXPECT_EQ(r.k, static_cast<int>(want.size())) << romaji;
            EXPECT_EQ(r.left, 0) << romaji;
            // A following letter is not consumed with the syllable.
            Result more = convert(romaji + "a");
            EXPECT_EQ(more.kana, want) << romaji;
            EXPECT_EQ(more.left, 1) << romaji;
        }
    }
}

TEST_F(KanaSpelling, ScriptSelection) {
    EXPECT_EQ(kana_script(), 0);
    EXPECT_EQ(convert("ka").kana, "か");
    kana_use_katakana();
    EXPECT_EQ(kana_script(), -1);
    Result r = convert("ka");
    EXPECT_EQ(r.kana, "カ");
    EXPECT_EQ(r.k, 2);
    EXPECT_EQ(convert("va").k, 4);
    EXPECT_EQ(convert("di").kana, "ヂ");
    kana_use_hiragana();
    EXPECT_EQ(convert("va").k, 6);
    EXPECT_EQ(convert("va").kana, "う゛ぁ");
}

TEST_F(KanaSpelling, SyllabicNAndDoubledConsonant) {
    Result r = convert("kk");
    EXPECT_EQ(r.kana, "っ");
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(convert("tta").kana, "っ");
    EXPECT_EQ(convert("tta").left, 2);

    r = convert("nk");
    EXPECT_EQ(r.kana, "ん");
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(convert("n-").kana, "ん");
    EXPECT_EQ(convert("n-").left, 1);
    r = convert("nn");
    EXPECT_EQ(r.kana, "ん");
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(convert("na").kana, "な");
    EXPECT_EQ(convert("nya").kana, "にゃ");
    EXPECT_FALSE(convert("ny").converted); // y keeps the n waiting
    r = convert("n");
    EXPECT_FALSE(r.converted);
    EXPECT_EQ(r.left, 1);

    kana_use_katakana();
    EXPECT_EQ(convert("pp").kana, "ッ");
    EXPECT_EQ(convert("nt").kana, "ン");
}

TEST_F(KanaSpelling, FirstSyllableWinsAndGaps) {
    Result r = convert("qua");
    EXPECT_EQ(r.kana, "く");
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(convert("qwu").kana, "くぅ");
    for (const char *none : {"wi", "ye", "ca", "pya", "dya", "tya", "wu", "lyi", "c", "ch"})
        EXPECT_FALSE(convert(none).converted) << none;
}

TEST_F(KanaSpelling, LettersOfValueZero) {
    Result r = convert("xa");
    EXPECT_EQ(r.kana, "あ");
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(convert("1a").kana, "あ");
    EXPECT_EQ(convert("x7ka").kana, "か");
    EXPECT_FALSE(convert("x").converted);
    EXPECT_FALSE(convert("42").converted);
    EXPECT_EQ(convert(" a").kana, "あ");
    EXPECT_EQ(convert("\x82\xa0u").kana, "う"); // high bytes index safely
    // A leading letter of value 0 goes with the n or consonant of a special
    // rule, so that letter is not converted twice.
    r = convert("xnk");
    EXPECT_EQ(r.kana, "ん");
    EXPECT_EQ(r.left, 1);
    r = convert("xkk");
    EXPECT_EQ(r.kana, "っ");
    EXPECT_EQ(r.left, 1);
}

TEST_F(KanaSpelling, RunsThatNeverConvertAndBounds) {
    EXPECT_FALSE(convert("cacacaca").converted);
    EXPECT_FALSE(convert("bcdfghjka").converted); // stops once past the largest code

    // Only the first n bytes are looked at; nothing else is touched on failure.
    const char run[2] = {'k', 'a'}; // not terminated
    int n = 1, k = 99;
    EXPECT_EQ(roman_to_kana(run, &n, &k), nullptr);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(k, 99);
    n = 0;
    EXPECT_EQ(roman_to_kana(run, &n, &k), nullptr);
    n = -3;
    EXPECT_EQ(roman_to_kana(run, &n, &k), nullptr);
    n = 2;
    EXPECT_EQ(roman_to_kana(nullptr, &n, &k), nullptr);
    EXPECT_NE(roman_to_kana(run, &n, &k), nullptr);
    EXPECT_EQ(n, 0);
}

} // namespace
