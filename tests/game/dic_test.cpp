#include "dic.h"

#include "noun.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

Dictionary dic; // large: kept out of the stack

// The held indices, oldest first, as the ring stores them.
std::vector<int> held(const History &h) {
    std::vector<int> out;
    for (int s = (h.tail + 1) % HIST_SLOTS; s != h.tail; s = (s + 1) % HIST_SLOTS)
        if (h.slots[s] >= 0) out.push_back(h.slots[s]);
    return out;
}

// The indices that cur stands on over a number of Up (or Down) steps.
std::vector<int> walk(History &h, int steps, bool up) {
    std::vector<int> out;
    for (int i = 0; i < steps; ++i) {
        up ? hist_prev(&h) : hist_next(&h);
        out.push_back(h.slots[h.cur]);
    }
    return out;
}

TEST(Dictionary, AddAndLookUp) {
    dic_init(&dic);
    EXPECT_EQ(dic_add(&dic, "door", 62), 62);
    dic_add(&dic, "ドア", 62);
    dic_add(&dic, "open", 31);
    dic_add(&dic, "door", 99); // a duplicate is never found
    EXPECT_EQ(dic.num, 4);
    EXPECT_EQ(dic_lookup("door", &dic), 0);
    EXPECT_EQ(dic_lookup("ドア", &dic), 1);
    EXPECT_EQ(dic_lookup("Door", &dic), -1);
    EXPECT_EQ(dic_lookup("doo", &dic), -1);
    EXPECT_EQ(dic_lookup("", &dic), -1);
    EXPECT_EQ(dic_lookup(nullptr, &dic), -1);
    EXPECT_EQ(dic_id(2, &dic), 31);
    EXPECT_STREQ(dic_word(1, &dic), "ドア");
    dic_init(&dic);
    EXPECT_EQ(dic_lookup("door", &dic), -1);
}

TEST(DictionaryDeathTest, BrokenInvariantsEndTheProgram) {
    dic_init(&dic);
    for (int i = 0; i < WORD_MAX_NUM; ++i) dic_add(&dic, "w", i);
    EXPECT_EXIT(dic_add(&dic, "w", 0), ::testing::ExitedWithCode(1),
                "Assertion failed: dic->num < WORD_MAX_NUM, module dic, line [0-9]+");
    EXPECT_EXIT(dic_id(-1, &dic), ::testing::ExitedWithCode(1),
                "Assertion failed: ix >= 0, module dic, line [0-9]+");
    EXPECT_EXIT(dic_word(-1, &dic), ::testing::ExitedWithCode(1), "ix >= 0, module dic");
    dic_init(&dic);
    dic_add(&dic, "w", 1);
    EXPECT_EXIT(dic_word(1, &dic), ::testing::ExitedWithCode(1), "ix < dic->num, module dic");
    EXPECT_EXIT(dic_id(WORD_MAX_NUM, &dic), ::testing::ExitedWithCode(1), "ix < dic->num");
}

TEST(History, RegistrationKeepsTheNewestEightDistinct) {
    History h;
    hist_init(&h);
    register_hist(-1, &h); // word not found: nothing recorded
    EXPECT_TRUE(held(h).empty());
    register_hist(0, &h); // index 0 is an ordinary entry
    EXPECT_EQ(held(h), std::vector<int>{0});

    for (int i = 1; i < 10; ++i) register_hist(i, &h);
    EXPECT_EQ(held(h), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    register_hist(4, &h);
    EXPECT_EQ(held(h), (std::vector<int>{2, 3, 5, 6, 7, 8, 9, 4}));
    register_hist(4, &h); // already the newest
    EXPECT_EQ(held(h), (std::vector<int>{2, 3, 5, 6, 7, 8, 9, 4}));
    register_hist(2, &h); // the oldest
    EXPECT_EQ(held(h), (std::vector<int>{3, 5, 6, 7, 8, 9, 4, 2}));
    EXPECT_EQ(h.cur, h.tail);
    EXPECT_EQ(h.slots[h.tail], -1);
}

TEST(History, UpAndDownWalks) {
    History h;
    hist_init(&h);
    EXPECT_EQ(walk(h, 2, true), (std::vector<int>{-1, -1})); // empty: stays
    EXPECT_EQ(walk(h, 2, false), (std::vector<int>{-1, -1}));

    for (int ix : {10, 11, 12}) register_hist(ix, &h);
    EXPECT_EQ(walk(h, 6, true), (std::vector<int>{12, 11, 10, -1, 12, 11}));
    register_hist(11, &h); // 10, 12, 11
    EXPECT_EQ(walk(h, 5, false), (std::vector<int>{10, 12, 11, -1, 10}));
    EXPECT_EQ(walk(h, 2, true), (std::vector<int>{-1, 11})); // back over the empty step

    register_hist(-1, &h); // leaves the walk where it stood
    EXPECT_EQ(h.slots[h.cur], 11);
}

TEST(History, MatchesAModelOfTheEightMostRecent) {
    std::mt19937 rng(20240611);
    History h;
    hist_init(&h);
    std::vector<int> model; // oldest first
    for (int step = 0; step < 5000; ++step) {
        int ix = static_cast<int>(rng() % 14) - 1;
        register_hist(ix, &h);
        if (ix >= 0) {
            model.erase(std::remove(model.begin(), model.end(), ix), model.end());
            model.push_back(ix);
            if (model.size() > 8) model.erase(model.begin());
            ASSERT_EQ(h.cur, h.tail);
        }
        ASSERT_EQ(held(h), model) << "step " << step;
        ASSERT_EQ(h.slots[h.tail], -1);
        if (ix >= 0 && step % 7 == 0) {
            // A full Up walk recalls newest to oldest, then one empty step.
            std::vector<int> want(model.rbegin(), model.rend());
            want.push_back(-1);
            want.push_back(model.back());
            ASSERT_EQ(walk(h, static_cast<int>(want.size()), true), want) << "step " << step;
        }
    }
}

TEST(History, Diagnostics) {
    History h;
    hist_init(&h);
    register_hist(5, &h);
    vxi_console_reset();
    register_hist(3, &h);
    hist_prev(&h);
    const char *want[] = {
        "register_hist dic_ix:3",
        "0:5 1:-1 2:-1 3:-1 4:-1 5:-1 6:-1 7:-1 8:-1  tail:1",
        "tail:1",
        "0:5 1:3 2:-1 3:-1 4:-1 5:-1 6:-1 7:-1 8:-1 ",
        "hist ix 2 -1",
        "hist prev 2->1",
    };
    const int first = 24 - static_cast<int>(std::size(want));
    for (int i = 0; i < static_cast<int>(std::size(want)); ++i)
        EXPECT_STREQ(vxi_console_line(first + i), want[i]);
}

// Runs against the vocabulary's own noun and verb histories.
TEST(History, KindSelectsNounOrVerbHistory) {
    init_nouns();
    init_verbs();
    word2nid("door");
    word2vid("みる", ni_door);

    set_hist_kind(0);
    EXPECT_EQ(input_hist_word(), nullptr);
    input_hist_prev();
    EXPECT_STREQ(input_hist_word(), "みる"); // the word as it was typed
    set_hist_kind(1);
    input_hist_next();
    EXPECT_STREQ(input_hist_word(), "door");
    input_hist_next();
    EXPECT_EQ(input_hist_word(), nullptr);
    set_hist_kind(0);
    EXPECT_STREQ(input_hist_word(), "みる"); // the verb walk is untouched
}

} // namespace
