#include "input_mode.h"
#include "noun.h"

#include "console.h"
#include "dic.h"
#include "game_support.h"
#include "noun_table.h"
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

using gametest::to_katakana;
using vxtest::utf8; // the layer's trace copies the diagnostic console to stderr in UTF-8

// True when some line of the diagnostic console ring contains text.
bool console_has(const char *text) {
    for (int i = 0; i < 25; ++i)
        if (std::strstr(vxi_console_line(i), text)) return true;
    return false;
}

class Vocabulary : public ::testing::Test {
protected:
    void SetUp() override {
        init_nouns();
        init_verbs();
        set_input_mode(0);
    }
    void TearDown() override { set_input_mode(0); }
};

TEST_F(Vocabulary, KatakanaWordsAreTheHiraganaWordsInKatakana) {
    EXPECT_EQ(to_katakana("しんちゅうのかぎ"), "シンチュウノカギ");
    EXPECT_EQ(to_katakana("びりやーどぼーる"), "ビリヤードボール");
    EXPECT_EQ(to_katakana("みむ"), "ミム"); // either side of the gap at 0x837F
    for (int slot = 1; slot <= NOUN_TABLE_SIZE; ++slot)
        EXPECT_EQ(noun_table[slot].word[2], to_katakana(noun_table[slot].word[1]))
            << "nid " << noun_table[slot].nid;
    for (const kana_alias &a : noun_kana_alias) EXPECT_EQ(a.katakana, to_katakana(a.hiragana));
    for (int slot = 1; slot <= VERB_TABLE_SIZE; ++slot)
        EXPECT_EQ(verb_table[slot].word[2], to_katakana(verb_table[slot].word[1]))
            << "vid " << verb_table[slot].vid;
    for (const kana_alias &a : verb_kana_alias) EXPECT_EQ(a.katakana, to_katakana(a.hiragana));
    EXPECT_STREQ(noun_table[0].word[0], nullptr);
}

TEST_F(Vocabulary, EveryNounWordGivesItsNidInEveryInputMode) {
    for (int mode = 0; mode < 3; ++mode) {
        set_input_mode(mode);
        for (int slot = 1; slot <= NOUN_TABLE_SIZE; ++slot)
            for (const char *word : noun_table[slot].word)
                ASSERT_EQ(word2nid(word), noun_table[slot].nid) << "mode " << mode;
        EXPECT_EQ(word2nid("brass key"), ni_brass_key);
        EXPECT_EQ(word2nid("しんちゅうのかぎ"), ni_brass_key);
        EXPECT_EQ(word2nid("シンチュウノカギ"), ni_brass_key);
    }
}

TEST_F(Vocabulary, NounAliases) {
    for (const char *word : {"door", "とびら", "トビラ", "どあ", "ドア", "と", "ト"})
        EXPECT_EQ(word2nid(word), ni_door) << word;
    EXPECT_EQ(word2nid("トラック"), ni_car);
    EXPECT_EQ(word2nid("じどうしゃ"), ni_car);
    EXPECT_EQ(word2nid("y"), ni_yes);
    EXPECT_EQ(word2nid("n"), ni_no);
    EXPECT_EQ(word2nid("fridge"), ni_icebox);
    EXPECT_EQ(word2nid("refrigerator"), ni_icebox);
    EXPECT_EQ(word2nid("photograph"), ni_photo);
    EXPECT_EQ(word2nid("マド"), ni_window);
    EXPECT_EQ(word2nid("くびわ"), ni_belt);
    EXPECT_EQ(word2nid("ちいさいと"), ni_small_door);
    // What a lower-case English command line can type for the dog and the TV.
    EXPECT_EQ(word2nid("orion"), ni_orion);
    EXPECT_EQ(word2nid("tv"), ni_tv);
    EXPECT_EQ(word2nid("television"), ni_tv);
    for (const word_alias &a : noun_alias) EXPECT_EQ(word2nid(a.word), a.id) << a.word;
    for (const kana_alias &a : noun_kana_alias) {
        EXPECT_EQ(word2nid(a.hiragana), a.id);
        EXPECT_EQ(word2nid(a.katakana), a.id);
    }
}

TEST_F(Vocabulary, NounMatchingIsExact) {
    EXPECT_EQ(word2nid("Brass key"), ni_unknown);
    EXPECT_EQ(word2nid("brass"), ni_unknown);
    EXPECT_EQ(word2nid("brass key "), ni_unknown);
    EXPECT_EQ(word2nid("brass  key"), ni_unknown);
    EXPECT_EQ(word2nid("DOOR"), ni_unknown);
    EXPECT_EQ(word2nid(""), ni_unknown);
}

TEST_F(Vocabulary, NounHistory) {
    vxi_console_reset();
    EXPECT_EQ(word2nid(nullptr), ni_invalid); // touches nothing
    EXPECT_FALSE(console_has("register_hist"));
    EXPECT_EQ(noun_hist_word(), nullptr);

    EXPECT_EQ(word2nid("xyzzy"), ni_unknown); // handed over, records nothing
    EXPECT_TRUE(console_has("register_hist dic_ix:-1"));
    noun_hist_prev();
    EXPECT_EQ(noun_hist_word(), nullptr);

    word2nid("door");
    word2nid("ドア"); // same noun, another entry: recalled as typed
    word2nid("door"); // moves to the newest
    noun_hist_prev();
    EXPECT_STREQ(noun_hist_word(), "door");
    noun_hist_prev();
    EXPECT_STREQ(noun_hist_word(), "ドア");
    noun_hist_prev();
    EXPECT_EQ(noun_hist_word(), nullptr);
    noun_hist_next();
    EXPECT_STREQ(noun_hist_word(), "ドア");

    init_nouns(); // the game starts with an empty history
    noun_hist_prev();
    EXPECT_EQ(noun_hist_word(), nullptr);
}

TEST_F(Vocabulary, NounWordsNamesAndDescriptions) {
    const char *brass[] = {"brass key", "しんちゅうのかぎ", "シンチュウノカギ"};
    for (int mode = 0; mode < 3; ++mode) {
        set_input_mode(mode);
        EXPECT_STREQ(nid2noun(ni_brass_key), brass[mode]);
    }
    set_input_mode(2);
    EXPECT_STREQ(nid2noun(ni_window), "マド");
    for (int nid : {-1, 0, 1, 60, 61, 70, NID_COUNT, INT_MIN, INT_MAX})
        EXPECT_EQ(nid2noun(nid), nullptr) << nid;

    EXPECT_STREQ(nid2name(ni_brass_key), "真鍮の鍵");
    EXPECT_STREQ(noun_description(ni_brass_key), "真鍮製の鍵だ。");
    EXPECT_STREQ(noun_description(ni_lantern), "持ち歩き用のランタンだ。");
    EXPECT_STREQ(noun_description(ni_floor), "普通の床だ。ほこりが積もっている。");
    EXPECT_STREQ(nid2name(ni_necromancy), "『5分でできる交霊術』");
    for (int nid = ni_1f_bathroom; nid <= ni_boiler_room; ++nid) EXPECT_STREQ(noun_description(nid), "");
    for (int nid = ni_noun; nid <= ni_no; ++nid) EXPECT_EQ(noun_description(nid), nullptr);
    // Every other noun has a sentence of its own.
    for (int slot = 1; slot <= NOUN_TABLE_SIZE; ++slot) {
        int nid = noun_table[slot].nid;
        if (nid >= ni_1f_bathroom) continue;
        std::string desc = noun_description(nid);
        ASSERT_GE(desc.size(), 4u) << nid;
        EXPECT_EQ(desc.substr(desc.size() - 2), "。") << nid;
    }
}

TEST_F(Vocabulary, NameOrDescriptionOfANounWithoutRecordIsAnInternalError) {
    const char *want = "Assertion failed: nid2noun_ix\\[nid\\] > 0, module noun, line [0-9]+";
    EXPECT_EXIT(nid2name(ni_item_end), ::testing::ExitedWithCode(1), want);
    EXPECT_EXIT(nid2name(INT_MAX), ::testing::ExitedWithCode(1), want);
    EXPECT_EXIT(noun_description(1), ::testing::ExitedWithCode(1), want);
    EXPECT_EXIT(noun_description(INT_MIN), ::testing::ExitedWithCode(1), want);
    EXPECT_EXIT(noun_description(-1), ::testing::ExitedWithCode(1), want);
}

// A word that occurs twice is only ever found the first time.
std::vector<std::string> repeated_words(const Dictionary *dic) {
    std::vector<std::string> out;
    for (int i = 0; i < dic->num; ++i)
        if (dic_lookup(dic_word(i, dic), dic) != i) out.push_back(dic_word(i, dic));
    return out;
}

TEST_F(Vocabulary, DictionarySizesAndNoHiddenWords) {
    EXPECT_EQ(noun_dictionary()->num, 642);
    EXPECT_EQ(verb_dictionary()->num, 260);
    EXPECT_EQ(repeated_words(noun_dictionary()), std::vector<std::string>{});
    EXPECT_EQ(repeated_words(verb_dictionary()), std::vector<std::string>{});
    // The order of the noun dictionary: records, English aliases, kana pairs.
    EXPECT_STREQ(dic_word(0, noun_dictionary()), "newspaper");
    EXPECT_STREQ(dic_word(504, noun_dictionary()), "y");
    EXPECT_STREQ(dic_word(572, noun_dictionary()), "どあ");
    EXPECT_STREQ(dic_word(641, noun_dictionary()), "クビワ");
    EXPECT_STREQ(dic_word(3, verb_dictionary()), "f");
    EXPECT_STREQ(dic_word(259, verb_dictionary()), "エンソウ");
}

TEST_F(Vocabulary, EveryVerbWordGivesItsVid) {
    for (int mode = 0; mode < 3; ++mode) {
        set_input_mode(mode);
        for (int slot = 1; slot <= VERB_TABLE_SIZE; ++slot) {
            const verb_def *v = verb_at(slot);
            ASSERT_NE(v, nullptr);
            for (const char *word : v->word) EXPECT_EQ(word2vid(word, ni_invalid), v->vid) << word;
            if (v->short_form) {
                EXPECT_EQ(word2vid(v->short_form, ni_invalid), v->vid);
            }
        }
        for (const char *word : {"f", "forward", "すすむ", "ススム", "まえ", "マエ", "ちかづく"})
            EXPECT_EQ(word2vid(word, ni_invalid), vi_forward) << word;
    }
    for (const word_alias &a : verb_alias) EXPECT_EQ(word2vid(a.word, ni_invalid), a.id) << a.word;
    for (const kana_alias &a : verb_kana_alias) {
        EXPECT_EQ(word2vid(a.hiragana, ni_invalid), a.id);
        EXPECT_EQ(word2vid(a.katakana, ni_invalid), a.id);
    }
    EXPECT_EQ(word2vid("ナデル", ni_invalid), vi_touch);
    EXPECT_EQ(word2vid("Look", ni_invalid), vi_unknown);
    EXPECT_EQ(word2vid("", ni_invalid), vi_unknown);
    EXPECT_EQ(word2vid("xyzzy", ni_door), vi_unknown);
}

TEST_F(Vocabulary, VerbsThatDependOnTheNoun) {
    EXPECT_EQ(word2vid("play", ni_invalid), vi_only_with_noun);
    EXPECT_EQ(word2vid("play", ni_door), vi_only_with_noun);
    EXPECT_EQ(word2vid("play", ni_unknown), vi_only_with_noun);
    EXPECT_EQ(word2vid("play", ni_piano), vi_use);
    EXPECT_EQ(word2vid("ひく", ni_piano), vi_use);
    EXPECT_EQ(word2vid("ひく", ni_chain), vi_pull);
    EXPECT_EQ(word2vid("set", ni_clock), vi_adjust);
    EXPECT_EQ(word2vid("set", ni_candle), vi_put);
    EXPECT_EQ(word2vid("put", ni_clock), vi_put); // overrides belong to one word
    EXPECT_EQ(word2vid("take", ni_telephone), vi_get);
    EXPECT_EQ(word2vid("shoot", ni_slingshot), vi_use);
    EXPECT_EQ(word2vid("shoot", ni_dog), vi_shoot);
    // The katakana twins share the overrides of their hiragana forms.
    EXPECT_EQ(word2vid("つける", ni_lantern), vi_use);
    EXPECT_EQ(word2vid("ツケル", ni_lantern), vi_use);
    EXPECT_EQ(word2vid("ツケル", ni_candle), vi_only_with_noun);
    EXPECT_EQ(word2vid("はずす", ni_portrait), vi_remove);
    EXPECT_EQ(word2vid("ハズス", ni_portrait), vi_remove);
    EXPECT_EQ(word2vid("ハズス", ni_belt), vi_dismantle);
    EXPECT_EQ(word2vid("トル", ni_telephone), vi_use);
    EXPECT_EQ(word2vid("ヒラク", ni_origami_plane), vi_dismantle);
    EXPECT_EQ(word2vid("ヒラク", ni_door), vi_open);
    // Every row, and a katakana twin for every kana row.
    for (const verb_trans_def &r : verb_trans_english) EXPECT_EQ(word2vid(r.word, r.nid), r.vid) << r.word;
    for (const verb_trans_def &r : verb_trans_kana) {
        EXPECT_EQ(word2vid(r.word, r.nid), r.vid) << r.word;
        std::string twin = to_katakana(r.word);
        EXPECT_EQ(word2vid(twin.c_str(), r.nid), r.vid) << r.word;
    }
    // A noun outside the columns consults no override.
    for (int nid : {NID_COUNT, INT_MAX, INT_MIN, -2})
        EXPECT_EQ(word2vid("play", nid), vi_only_with_noun) << nid;
}

TEST_F(Vocabulary, ScoreIsAVerbFirstAndANounAfterIt) {
    EXPECT_EQ(word2vid("score", ni_invalid), vi_score);
    int nid = word2nid("score");
    EXPECT_EQ(nid, ni_score);
    EXPECT_EQ(word2vid("read", nid), vi_read);
    EXPECT_EQ(word2vid("すこあ", ni_invalid), vi_score);
}

TEST_F(Vocabulary, VerbWordsAndTableOrder) {
    const char *help[] = {"help", "へるぷ", "ヘルプ"};
    for (int mode = 0; mode < 3; ++mode) {
        set_input_mode(mode);
        EXPECT_STREQ(vid2verb(vi_help), help[mode]);
    }
    for (int vid : {0, -1, -2, VID_COUNT, INT_MIN, INT_MAX})
        EXPECT_EQ(vid2verb(vid), nullptr) << vid;
    EXPECT_EQ(verb_at(0), nullptr);
    EXPECT_EQ(verb_at(VERB_TABLE_SIZE + 1), nullptr);
    EXPECT_EQ(verb_at(INT_MIN), nullptr);
    EXPECT_EQ(verb_at(1)->vid, vi_forward);
    EXPECT_STREQ(verb_at(1)->short_form, "f");
    EXPECT_EQ(verb_at(9)->vid, vi_inventory);
    EXPECT_EQ(verb_at(VERB_TABLE_SIZE)->vid, vi_title);
    EXPECT_EQ(verb_at(10)->short_form, nullptr);
}

TEST_F(Vocabulary, VerbHistory) {
    word2vid("look", ni_invalid);
    word2vid("みる", ni_invalid);
    word2vid("nonsense", ni_invalid); // not recorded
    verb_hist_prev();
    EXPECT_STREQ(verb_hist_word(), "みる");
    verb_hist_prev();
    EXPECT_STREQ(verb_hist_word(), "look");
    init_verbs();
    EXPECT_EQ(verb_hist_word(), nullptr);
}

// ---- Start-up checks on broken tables ----

std::vector<noun_def> noun_copy() { return {noun_table, noun_table + NOUN_TABLE_SIZE + 1}; }
std::vector<verb_def> verb_copy() { return {verb_table, verb_table + VERB_TABLE_SIZE + 1}; }

TEST(VocabularyCheck, TheGameTablesPass) {
    int nid2ix[NID_COUNT];
    index_noun_table(noun_table, NOUN_TABLE_SIZE, nid2ix);
    EXPECT_EQ(nid2ix[ni_newspaper], 1);
    EXPECT_EQ(nid2ix[ni_no], NOUN_TABLE_SIZE);
    for (int nid : {0, 1, 60, 61, 70}) EXPECT_EQ(nid2ix[nid], 0);
    int vid2ix[VID_COUNT];
    index_verb_table(verb_table, VERB_TABLE_SIZE, vid2ix);
    EXPECT_EQ(vid2ix[vi_forward], 1);
    EXPECT_EQ(vid2ix[vi_help], 42);
    EXPECT_EQ(vid2ix[0], 0);
}

TEST(VocabularyCheckDeathTest, DuplicateNounId) {
    auto table = noun_copy();
    table[5].nid = ni_brass_key; // the wooden key takes the brass key's id
    int nid2ix[NID_COUNT];
    EXPECT_EXIT(
        {
            vxi_set_trace(1);
            index_noun_table(table.data(), NOUN_TABLE_SIZE, nid2ix);
        },
        ::testing::ExitedWithCode(1),
        utf8(u8"システムエラー: 名詞「木の鍵」のID\\(5\\)が名詞「真鍮の鍵」のIDと重複しています"));
}

TEST(VocabularyCheckDeathTest, MissingNounRecord) {
    auto table = noun_copy();
    int nid2ix[NID_COUNT];
    EXPECT_EXIT(
        {
            vxi_set_trace(1);
            index_noun_table(table.data(), NOUN_TABLE_SIZE - 1, nid2ix);
        },
        ::testing::ExitedWithCode(1), utf8(u8"システムエラー: nid:172のデータがありません"));
    std::erase_if(table, [](const noun_def &n) { return n.nid == ni_dryer; });
    EXPECT_EXIT(
        {
            vxi_set_trace(1);
            index_noun_table(table.data(), NOUN_TABLE_SIZE - 1, nid2ix);
        },
        ::testing::ExitedWithCode(1), utf8(u8"システムエラー: nid:100のデータがありません"));
}

TEST(VocabularyCheckDeathTest, NounIdThatCannotBeStored) {
    int nid2ix[NID_COUNT];
    for (int bad : {60, NID_COUNT, -1, INT_MAX}) {
        auto table = noun_copy();
        table[3].nid = bad;
        EXPECT_EXIT(
            {
                vxi_set_trace(1);
                index_noun_table(table.data(), NOUN_TABLE_SIZE, nid2ix);
            },
            ::testing::ExitedWithCode(1), utf8(u8"名詞「メダル」のID\\(") + std::to_string(bad));
    }
}

TEST(VocabularyCheckDeathTest, DuplicateOrUnusableVerbId) {
    auto table = verb_copy();
    table[2].vid = vi_forward;
    int vid2ix[VID_COUNT];
    EXPECT_EXIT(
        {
            vxi_set_trace(1);
            index_verb_table(table.data(), VERB_TABLE_SIZE, vid2ix);
        },
        ::testing::ExitedWithCode(1),
        utf8(u8"システムエラー: 動詞「backward」のID\\(10\\)が動詞「forward」のIDと重複しています"));
    table[2].vid = VID_COUNT;
    EXPECT_EXIT(
        {
            vxi_set_trace(1);
            index_verb_table(table.data(), VERB_TABLE_SIZE, vid2ix);
        },
        ::testing::ExitedWithCode(1), utf8(u8"動詞「backward」のID\\(50\\)"));
}

TEST(VocabularyCheckDeathTest, OverrideForAnUnknownWord) {
    static Dictionary dic;
    static TransRow trans[WORD_MAX_NUM];
    dic_init(&dic);
    dic_add(&dic, "play", vi_only_with_noun);
    const verb_trans_def good[] = {{"play", ni_piano, vi_use}};
    set_verb_trans(good, 1, &dic, trans);
    EXPECT_EQ(trans[0][ni_piano], vi_use);
    const verb_trans_def bad[] = {{"play", ni_piano, vi_use}, {"plya", ni_piano, vi_use}};
    EXPECT_EXIT(
        {
            vxi_set_trace(1);
            set_verb_trans(bad, 2, &dic, trans);
        },
        ::testing::ExitedWithCode(1), "Error: trans for Unknown verb 'plya'\\.");
    const verb_trans_def off_table[] = {{"play", NID_COUNT, vi_use}};
    EXPECT_EXIT(
        {
            vxi_set_trace(1);
            set_verb_trans(off_table, 1, &dic, trans);
        },
        ::testing::ExitedWithCode(1), "Error: trans for 'play' with invalid noun 173");
}

} // namespace
