// The area table, moves, and the title, achievements and end screens.
#include "area.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gametest::play;
using gametest::said;
using Lines = std::vector<std::string>;

class Areas : public gametest::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        set_input_mode(0);
    }
};

TEST_F(Areas, ABrokenTableStopsStartUp) {
    area_info broken[3] = {{0, 194, "a", "", nullptr, nullptr, nullptr},
                           {1, 195, "b", "", nullptr, nullptr, nullptr},
                           {3, 196, "庭", "", nullptr, nullptr, nullptr}};
    area_check_ids_in(broken, 2); // a sound prefix passes
    EXPECT_EXIT(area_check_ids_in(broken, 3), ::testing::ExitedWithCode(1), "");
}

TEST_F(Areas, OnlyTheLastRequestedMoveIsPerformed) {
    area_request_move(ai_garden);
    area_request_move(ai_backdoor);
    area_perform_move();
    EXPECT_EQ(get_cur_area(), ai_backdoor);
    EXPECT_TRUE(area_is_visited(ai_backdoor));
    EXPECT_FALSE(area_is_visited(ai_garden));
    EXPECT_EQ(area_next(), -1);
    // Moving to the current area prints its description again.
    gametest::new_lines();
    area_request_move(ai_backdoor);
    area_perform_move();
    EXPECT_EQ(gametest::new_lines(), Lines{"あなたは裏口の前にいる。"});
}

TEST_F(Areas, TheTitleAnswersStartLookAndEverythingElseWithItsPrompt) {
    EXPECT_EQ(play({"look"}), (Lines{">look", "いつまでもタイトル画面を見ていてもしかたがない。",
                                     "「動詞」もしくは「動詞 名詞」の形式で入力してください。"}));
    Lines l = play({"kick door"});
    EXPECT_EQ(l.back(), "「start」(最初から)または「load」(前回の続き)と入力してください。");
    l = play({"start"});
    EXPECT_TRUE(said(l, "手元には新聞の切り抜き[newspaper]がある。"));
    EXPECT_EQ(l.back(), "あなたは屋敷の敷地に踏み込んだところだ。");
    EXPECT_EQ(get_cur_area(), ai_mailbox);
    EXPECT_TRUE(has_item(ni_newspaper));
}

TEST_F(Areas, TheHiddenVerbOpensTheAchievementsRoom) {
    play({"show"});
    EXPECT_EQ(get_cur_area(), ai_achievements);
    Lines l = play({"look"});
    EXPECT_EQ(l, (Lines{">look", "ゲームの達成度", "この部屋は未実装です。",
                        "「backward」と入力して、タイトル画面に戻ってください。"}));
    EXPECT_EQ(play({"look wall"}).back(), "普通の壁だ。");
    EXPECT_EQ(play({"look door"}).back(), "ここには見あたらない。");
    play({"b"});
    EXPECT_EQ(get_cur_area(), ai_title);
    // With a noun the hidden verb starts a game.
    play({"show door"});
    EXPECT_EQ(get_cur_area(), ai_mailbox);
}

TEST_F(Areas, DeathWaitsForReturnThenShowsTheGameOverScreen) {
    play({"start"});
    gametest::new_lines();
    die();
    EXPECT_EQ(gametest::new_lines(), Lines{"あなたの意識はそのまま途切れた…。"});
    gametest::keys("{Return}");
    Lines l = gametest::new_lines();
    ASSERT_EQ(l.size(), 4u); // the prompt takes two console lines
    EXPECT_EQ(l[0], "      + + + + + + +  ゲームオーバー  + + + + + + + +");
    EXPECT_EQ(l[1], "あなたは死にました。");
    EXPECT_EQ(l[2] + l[3], "タイトルに戻るなら「title」、データをロードするなら「load」と入力してください。");
    EXPECT_EQ(get_cur_area(), ai_game_over);
    EXPECT_EQ(play({"help"}).back(), "もう誰もあなたを助けられない。");
    EXPECT_EQ(play({"i"}).back(), "生前の持ち物はここにはない。");
    EXPECT_EQ(play({"save"}).back(), "いまさらセーブしても手遅れだ。");
    EXPECT_EQ(play({"look"}).back(), "ここは死後の世界だ。");
    EXPECT_EQ(play({"examine floor"}).back(), "いくら調べても、現世に戻る手段はない。");
    EXPECT_EQ(play({"pray"}).back(), "死んでから祈ってもしかたがない。");
    EXPECT_EQ(play({"score"}).back(), "マニア評価:0/4");
    play({"title"});
    EXPECT_EQ(get_cur_area(), ai_title);
}

TEST_F(Areas, TheEndingHintsAtTheHiddenVerbAndTheCliffIsRelieved) {
    game_clear();
    EXPECT_EQ(get_cur_area(), ai_clear);
    EXPECT_EQ(play({"look"}).back(), "ここはエンディングだ。");
    Lines l = play({"examine"});
    EXPECT_EQ(l.back(), "「タイトル画面で『show』と入力すると…」");
    play({"start"});
    set_cur_area(ai_cliff);
    EXPECT_EQ(play({"forward"}).back(), "助かった...");
}

TEST_F(Areas, LoadOnTheTitleEntersTheSavedArea) {
    play({"start", "f", "save"});
    EXPECT_EQ(play({"title"}).back(), "ここではできない。"); // only on the end screens
    go_to_title();
    EXPECT_EQ(get_cur_area(), ai_title);
    EXPECT_EQ(play({"look"}).size(), 3u); // still the title
    Lines l = play({"load"});
    EXPECT_TRUE(said(l, "ゲームをロードしました。"));
    EXPECT_EQ(l.back(), "あなたは玄関の前にいる。");
    EXPECT_EQ(get_cur_area(), ai_entrance);
}

}  // namespace
