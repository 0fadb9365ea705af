#include "input_mode.h"
#include "status.h"

#include "console.h"
#include "game_support.h"
#include "noun.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int FLAGS_AT = 2 + 256 + 256; // offset of the flag bytes in the block
constexpr int FSEQ_AT = 2 + 256;        // offset of the sequence states

using gametest::status_block;

class Status : public ::testing::Test {
protected:
    void SetUp() override {
        status_init("/tmp/");
        status_reset();
    }
};

TEST_F(Status, InitSetsHiraganaInput) {
    set_input_mode(0);
    status_init("/tmp/");
    EXPECT_EQ(get_input_mode(), 1);
}

TEST_F(Status, FlagBitsAndOperations) {
    flag_set(8);
    flag_set(7);
    std::string b = status_block();
    EXPECT_EQ(static_cast<unsigned char>(b[FLAGS_AT + 1]), 0x01);
    EXPECT_EQ(static_cast<unsigned char>(b[FLAGS_AT]), 0x80);
    EXPECT_EQ(flag_test(8), 1);
    EXPECT_EQ(flag_test_not(8), 0);
    EXPECT_EQ(flag_test(9), 0);

    flag_clear(9); // clear stays clear
    EXPECT_EQ(flag_test(9), 0);
    flag_clear(8);
    EXPECT_EQ(flag_test(8), 0);
    flag_toggle(255);
    EXPECT_EQ(flag_test(255), 1);
    flag_toggle(255);
    EXPECT_EQ(flag_test(255), 0);

    // Numbers outside 0..255 touch nothing and read as clear.
    std::string before = status_block();
    for (int n : {-1, -8, 256, 1000}) {
        flag_set(n);
        flag_toggle(n);
        flag_clear(n);
        EXPECT_EQ(flag_test(n), 0);
        EXPECT_EQ(flag_test_not(n), 1);
    }
    EXPECT_EQ(status_block(), before);
}

TEST_F(Status, SetOnceAndClearOncePrintTheRightText) {
    flag_set_once(20, "扉を開けた。", "扉はもう開いている。");
    EXPECT_EQ(flag_test(20), 1);
    EXPECT_STREQ(console_line(0), "扉を開けた。");
    flag_set_once(20, "扉を開けた。", "扉はもう開いている。");
    EXPECT_EQ(flag_test(20), 1);
    EXPECT_STREQ(console_line(0), "扉はもう開いている。");

    flag_clear_once(20, "扉を閉めた。", "扉はもう閉まっている。");
    EXPECT_EQ(flag_test(20), 0);
    EXPECT_STREQ(console_line(0), "扉を閉めた。");
    flag_clear_once(20, "扉を閉めた。", "扉はもう閉まっている。");
    EXPECT_EQ(flag_test(20), 0);
    EXPECT_STREQ(console_line(0), "扉はもう閉まっている。");

    // A missing first text still sets the flag and prints nothing.
    flag_set_once(21, nullptr, "もう見つけた。");
    EXPECT_EQ(flag_test(21), 1);
    EXPECT_STREQ(console_line(0), "扉はもう閉まっている。");
}

TEST_F(Status, InventoryKeepsOrderAndHoldsEachItemOnce) {
    add_item(ni_leaflet);
    add_item(ni_medal);
    add_item(ni_brass_key);
    add_item(ni_medal);      // already carried
    add_item(ni_door);       // not an item
    add_item(ni_invalid);
    add_item(300);
    ASSERT_EQ(item_count_get(), 3);
    EXPECT_EQ(item_at(0), ni_leaflet);
    EXPECT_EQ(item_at(1), ni_medal);
    EXPECT_EQ(item_at(2), ni_brass_key);
    EXPECT_EQ(item_at(3), ni_invalid);
    EXPECT_EQ(item_at(-1), ni_invalid);

    remove_item(ni_medal);
    ASSERT_EQ(item_count_get(), 2);
    EXPECT_EQ(item_at(1), ni_brass_key);
    EXPECT_EQ(has_item(ni_medal), 0);
    remove_item(ni_medal); // absent: nothing
    EXPECT_EQ(item_count_get(), 2);

    // Every item noun fits; the count stops there.
    for (int nid = ni_newspaper; nid < ni_item_end; ++nid) add_item(nid);
    EXPECT_EQ(item_count_get(), ni_item_end - ni_newspaper);
    for (int nid = ni_newspaper; nid < ni_item_end; ++nid) EXPECT_EQ(has_item(nid), 1) << nid;
}

TEST_F(Status, LightNeedsTheLitCandleOrLantern) {
    EXPECT_EQ(has_light(), 0);
    flag_set(57);
    EXPECT_EQ(has_light(), 0); // lit, but not carried
    add_item(ni_candle);
    EXPECT_EQ(has_light(), 1);
    flag_clear(57);
    EXPECT_EQ(has_light(), 0);
    add_item(ni_lantern);
    EXPECT_EQ(has_light(), 0);
    flag_set(47);
    EXPECT_EQ(has_light(), 1);
    remove_item(ni_lantern);
    EXPECT_EQ(has_light(), 0);
}

TEST_F(Status, SequenceMovesTheToken) {
    EXPECT_EQ(fseq_is_running(0), 0);
    fseq_start(0);
    EXPECT_EQ(fseq_is_running(0), 1);
    EXPECT_EQ(flag_test(131), 1);
    fseq_proceed(0);
    EXPECT_EQ(flag_test(131), 0);
    EXPECT_EQ(flag_test(132), 1);
    fseq_proceed(0);
    EXPECT_EQ(flag_test(132), 0);
    EXPECT_EQ(flag_test(133), 1);
    EXPECT_EQ(status_block()[FSEQ_AT], 2);

    // Starting again puts the token back on the first flag.
    fseq_start(0);
    EXPECT_EQ(flag_test(131) + flag_test(132) + flag_test(133), 1);
    EXPECT_EQ(flag_test(131), 1);

    fseq_end(0);
    EXPECT_EQ(fseq_is_running(0), 0);
    EXPECT_EQ(flag_test(131) + flag_test(132) + flag_test(133), 0);

    // Sequences that do not exist are ignored.
    std::string before = status_block();
    fseq_start(1);
    fseq_proceed(-1);
    fseq_end(FLAG_SEQUENCE_MAXNUM);
    EXPECT_EQ(fseq_is_running(1), 0);
    EXPECT_EQ(status_block(), before);
}

TEST_F(Status, ProceedOntoTheTerminatorStopsTheProgram) {
    fseq_start(0);
    fseq_proceed(0);
    fseq_proceed(0);
    EXPECT_EXIT(fseq_proceed(0), ::testing::ExitedWithCode(1), "stat->phase < fseq->num.*status");
}

TEST_F(Status, ResetAfterARunningSequence) {
    set_cur_area(20);
    add_item(ni_glasses);
    flag_set(0);
    fseq_start(0);
    fseq_proceed(0);
    status_reset();
    EXPECT_EQ(get_cur_area(), 0);
    EXPECT_EQ(item_count_get(), 0);
    EXPECT_EQ(fseq_is_running(0), 0);
    EXPECT_EQ(flag_test(131) + flag_test(132) + flag_test(133), 0);
    EXPECT_EQ(status_block(), std::string(STATUS_BLOCK_SIZE, '\0'));

    set_cur_area(54); // no such area
    set_cur_area(-1);
    EXPECT_EQ(get_cur_area(), 0);
}

TEST_F(Status, ScoreAndManiaFollowTheFlags) {
    print_score();
    EXPECT_STREQ(console_line(0), "現在の得点:0/21");
    print_mania();
    EXPECT_STREQ(console_line(0), "マニア評価:0/4");

    flag_set(4);
    print_score();
    EXPECT_STREQ(console_line(0), "現在の得点:1/21");

    for (int f : {4, 11, 36, 38, 39, 5, 3, 41, 15}) flag_set(f);
    print_score();
    EXPECT_STREQ(console_line(0), "現在の得点:21/21");
    print_mania();
    EXPECT_STREQ(console_line(0), "マニア評価:4/4");

    const rating_item cleared[] = {{7, 0, 2}, {8, 1, 3}};
    print_rating("評価", cleared, 2);
    EXPECT_STREQ(console_line(0), "評価:2/5");
    print_rating("評価", nullptr, 0);
    EXPECT_STREQ(console_line(0), "評価:0/0");
}

} // namespace
