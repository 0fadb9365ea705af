// Taking commands back: out of every death, many steps in a row, across
// questions and pages, and never across a load or a new game.
#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::enter;
using gametest::keys;
using gametest::play;
using gametest::play_through;
using gametest::said;
using gametest::status_block;

class Undo : public gametest::StartedGame {
protected:
    // A new game from a fresh program: after an undo the player is alive.
    void restart() { SetUp(); }

    // Runs the fatal command, checks the game is over, takes it back with
    // how (a typed line or keys) and checks the world is as before it.
    void expect_undone_death(int room, const std::string &fatal, const std::string &how) {
        enter(room);
        std::string before = status_block();
        play_through(fatal);
        ASSERT_EQ(get_cur_area(), ai_game_over) << fatal;
        gametest::new_lines();
        keys(how);
        auto out = gametest::new_lines();
        EXPECT_TRUE(said(out, "「" + fatal + "」を取り消した。")) << fatal;
        EXPECT_EQ(get_cur_area(), room) << fatal;
        EXPECT_TRUE(status_block() == before) << fatal;
        EXPECT_FALSE(console_waiting_return()) << fatal;
        EXPECT_FALSE(line_handler_active()) << fatal;
    }
};

TEST_F(Undo, EachDeathIsTakenBackToTheFatalRoom) {
    expect_undone_death(ai_bathroom, "get duck", "undo\n");
    restart();
    expect_undone_death(ai_corridor_1f_fr, "exit window", "{C-z}{nr}");

    // The armour's countdown: the third counted command is fatal.
    restart();
    enter(ai_guestroom_2f);
    play({"move chair", "wait"});
    expect_undone_death(ai_guestroom_2f, "wait", "undo\n");
    EXPECT_TRUE(flag_test(F_GUEST_ARMOUR_IN_FRONT)); // the armour still stands there, sword raised

    // The shadow's countdown after the necklace is taken.
    restart();
    enter(ai_ladys_room);
    flag_set(F_DRESSER_DRAWER_UNLOCKED);
    flag_set(F_DRESSER_DRAWER_OPEN);
    play({"get necklace", "wait", "wait"});
    expect_undone_death(ai_ladys_room, "wait", "{C-z}{nr}");
    EXPECT_TRUE(flag_test(F_SHADOW_HERE) && flag_test(F_DANGER));
    // One more counted command and it is over again.
    play_through("wait");
    EXPECT_EQ(get_cur_area(), ai_game_over);

    // The shadow waiting in the upper corridor; typed in hiragana mode.
    restart();
    flag_set(F_SHADOW_HERE);
    set_input_mode(1);
    expect_undone_death(ai_corridor_2f_cr, "right", "undo\n");
}

TEST_F(Undo, PagesOfTheFatalCommandAreDroppedWithIt) {
    enter(ai_bathroom);
    std::string before = status_block();
    play({"get duck"});
    ASSERT_TRUE(console_waiting_return());
    keys("{C-z}{nr}");
    EXPECT_FALSE(console_waiting_return());
    EXPECT_TRUE(status_block() == before);
    // The line works again, and nothing of the death follows a Return.
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "浴槽"));
    EXPECT_EQ(get_cur_area(), ai_bathroom);
    EXPECT_FALSE(said(play({""}), "ゲームオーバー"));
}

TEST_F(Undo, FiftyStepsInARowThenTheStartOfTheGame) {
    std::string start = status_block();
    for (int i = 0; i < 25; ++i) play({"f", "b"});
    for (int i = 0; i < 50; ++i) {
        auto out = play({"undo"});
        ASSERT_TRUE(said(out, i % 2 == 0 ? "「b」を取り消した。" : "「f」を取り消した。")) << i;
        ASSERT_EQ(get_cur_area(), i % 2 == 0 ? ai_entrance : ai_mailbox) << i;
    }
    EXPECT_TRUE(status_block() == start);
    EXPECT_TRUE(said(play({"undo"}), "新しいゲームより前には戻れない。"));
}

TEST_F(Undo, HistoryIsBoundedAndSaysWhenItRunsOut) {
    for (int i = 0; i < 50; ++i) play({"f", "b"});
    int undone = 0;
    for (int i = 0; i < 120; ++i) {
        auto out = play({"undo"});
        if (said(out, "これ以上は取り消せない。")) break;
        ASSERT_TRUE(said(out, "を取り消した。"));
        ++undone;
    }
    EXPECT_GE(undone, 50);
    EXPECT_LT(undone, 100);
}

TEST_F(Undo, NothingToTakeBackAtTheStartOrAcrossALoad) {
    // A fresh program on the title screen.
    GameTest::SetUp();
    set_input_mode(0);
    EXPECT_TRUE(said(play({"undo"}), "これ以上は取り消せない。"));

    play({"start", "f", "save", "b"});
    std::string save = dir + "/.keldary/keldary.sav";
    std::string saved = vxtest::read_file(save);
    ASSERT_EQ(saved.size(), 556u);
    play({"f", "load"});
    std::string loaded = status_block();
    EXPECT_TRUE(said(play({"undo"}), "ロードより前には戻れない。"));
    EXPECT_TRUE(status_block() == loaded);

    // Undo writes no file: the slot is as the save left it.
    play({"b", "undo", "undo"});
    EXPECT_EQ(vxtest::read_file(save), saved);
}

TEST_F(Undo, CommandsThatChangeNothingAreNoSteps) {
    play({"f"});
    play({"look", "inventory", "help", "xyzzy", "wait"});
    auto out = play({"undo"});
    EXPECT_TRUE(said(out, "「f」を取り消した。"));
    EXPECT_EQ(get_cur_area(), ai_mailbox);
}

TEST_F(Undo, AQuestionIsTakenBackWithTheCommandThatAskedIt) {
    enter(ai_living);
    std::string before = status_block();
    play({"adjust clock"});
    ASSERT_TRUE(line_handler_active());
    keys("{C-z}{nr}");
    EXPECT_FALSE(line_handler_active());
    EXPECT_STREQ(input_line_text(), ">_");
    EXPECT_TRUE(status_block() == before);

    // Answered, the question belongs to the same step.
    add_item(ni_branch);
    add_item(ni_rubber_strip);
    before = status_block();
    play({"combine branch", "rubber strip"});
    ASSERT_TRUE(has_item(ni_slingshot));
    EXPECT_TRUE(said(play({"undo"}), "「combine branch」を取り消した。"));
    EXPECT_TRUE(status_block() == before);
}

TEST_F(Undo, RunningSequencesAndCountersComeBack) {
    enter(ai_library);
    flag_set(F_STUDY_LIBRARY_DOOR_CLOSED);
    std::string before = status_block();
    play({"get golden key"});
    ASSERT_TRUE(fseq_is_running(0));
    play({"exit"});
    ASSERT_TRUE(flag_test(F_KEY_FLOWN_DOWN));
    play({"undo", "undo"});
    EXPECT_FALSE(fseq_is_running(0));
    EXPECT_TRUE(status_block() == before);
}

}  // namespace
