// The lady's room and the black shadow, the wardrobe, the bedroom and the
// secret room, played through the game flag for flag.
#include "area.h"
#include "console.h"
#include "flags.h"
#include "game_support.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::enter;
using gametest::picture_hash;
using gametest::play;
using gametest::play_through;
using gametest::said;

class Shadow : public gametest::NewGame {
protected:
    // The drawer unlocked and opened, the necklace in reach.
    void open_drawer() {
        flag_set(94);
        flag_set(95);
    }
};

// ---- Lady's room ----

TEST_F(Shadow, DressingTableDrawerOpensOnlyWithTheGoldenKey) {
    enter(ai_ladys_room);
    // The room and the dressing table show the drawer's word before it is opened.
    EXPECT_TRUE(said(play({"look"}), "化粧台には、鍵穴のついた小さな抽斗[drawer]がある。"));
    EXPECT_TRUE(said(play({"look dressing table"}), "化粧台には小さな抽斗[drawer]がひとつあり"));
    EXPECT_TRUE(said(play({"get necklace"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"open drawer"}), "鍵が掛かっている。"));
    EXPECT_FALSE(flag_test(95));

    add_item(ni_silver_key);
    EXPECT_TRUE(said(play({"use silver key"}), "この鍵は鍵穴に合わない。"));
    EXPECT_TRUE(has_item(ni_silver_key));

    add_item(ni_golden_key);
    EXPECT_TRUE(said(play({"use golden key"}), "鍵が開いた。"));
    EXPECT_TRUE(flag_test(94));
    EXPECT_FALSE(has_item(ni_golden_key));

    EXPECT_TRUE(said(play({"open drawer"}), "化粧台の抽斗を開けた。"));
    EXPECT_TRUE(flag_test(95));
    EXPECT_TRUE(said(play({"open dressing table"}), "化粧台の抽斗はもう開いている。"));
    EXPECT_TRUE(said(play({"look"}), "化粧台の抽斗[drawer]が開いていて、中に首飾り[necklace]が見える。"));
    EXPECT_TRUE(said(play({"look necklace"}), "宝石のついた首飾りだ。"));
    EXPECT_FALSE(flag_test(F_DANGER));
}

TEST_F(Shadow, TakingTheNecklaceStartsTheHuntAndIdlingIsDeath) {
    enter(ai_ladys_room);
    open_drawer();
    auto out = play({"get necklace"});
    EXPECT_TRUE(said(out, "首飾りを手に入れた。"));
    EXPECT_TRUE(said(out, "遠くの方で金切り声のような叫びが上がり、何者かが廊下を近づいてくる音がする！"));
    EXPECT_TRUE(has_item(ni_necklace) && flag_test(97));
    EXPECT_TRUE(flag_test(F_DANGER));
    EXPECT_TRUE(flag_test(99) && !flag_test(98));
    EXPECT_TRUE(said(play({"save"}), "そんな余裕はない！"));

    // Looking is not counted: the shadow does not come nearer.
    play({"look"});
    EXPECT_TRUE(flag_test(99));

    EXPECT_TRUE(said(play({"wait"}), "部屋のすぐ外に、何者かが立っている気配がする。気のせいか、肌寒い感じがする。"));
    EXPECT_TRUE(flag_test(100) && !flag_test(99));
    EXPECT_TRUE(said(play({"wait"}), "扉が開き、異様に歪んだ人の姿のような黒い影が入ってきた。"));
    EXPECT_TRUE(flag_test(101) && !flag_test(100));
    out = play({"wait"});
    EXPECT_TRUE(said(out, "黒い影はあっという間に目の前に迫り、あなたに覆い被さった。"));
    EXPECT_TRUE(said(out, "視界が闇に閉ざされ、切り裂くような寒さに身が包まれる。"));
    EXPECT_TRUE(console_waiting_return());
    play({""});
    play({""});
    EXPECT_EQ(get_cur_area(), ai_game_over);
}

TEST_F(Shadow, HidingInTheShutWardrobeOutlastsTheShadow) {
    enter(ai_ladys_room);
    open_drawer();
    EXPECT_TRUE(said(play({"enter wardrobe"}), "扉が閉まっている。"));
    EXPECT_EQ(get_cur_area(), ai_ladys_room);
    EXPECT_TRUE(said(play({"open wardrobe"}), "洋服箪笥の扉を開けた。"));
    EXPECT_TRUE(flag_test(93));
    play({"get necklace"});
    ASSERT_TRUE(flag_test(99));

    auto out = play({"enter"});
    EXPECT_TRUE(said(out, "洋服箪笥の中に入った。"));
    EXPECT_EQ(get_cur_area(), ai_wardrobe);
    EXPECT_TRUE(flag_test(100));

    out = play({"close door"});
    EXPECT_FALSE(flag_test(93));
    EXPECT_TRUE(said(out, "扉が開く音がして、何者かが部屋に入ってきたようだ。"));
    EXPECT_TRUE(flag_test(101));
    out = play({"wait"});
    EXPECT_TRUE(said(out, "息を潜めていると、やがて足音は部屋を出て、廊下を遠ざかっていった。"));
    EXPECT_FALSE(flag_test(101));
    EXPECT_FALSE(flag_test(F_DANGER));
    EXPECT_FALSE(console_waiting_return());

    // The hunt is over: out again, the room is safe.
    play({"open door", "forward", "wait", "wait", "wait"});
    EXPECT_EQ(get_cur_area(), ai_ladys_room);
    EXPECT_FALSE(console_waiting_return());
    EXPECT_TRUE(said(play({"save"}), "ゲームをセーブしました。"));
}

TEST_F(Shadow, HidingWithTheWardrobeDoorOpenIsFound) {
    enter(ai_ladys_room);
    open_drawer();
    play({"open wardrobe", "get necklace", "enter"});
    ASSERT_EQ(get_cur_area(), ai_wardrobe);
    ASSERT_TRUE(flag_test(100));
    EXPECT_TRUE(said(play({"wait"}), "扉が開き、異様に歪んだ人の姿のような黒い影が入ってきた。"));
    EXPECT_TRUE(said(play({"wait"}), "黒い影はあっという間に目の前に迫り"));
    EXPECT_TRUE(console_waiting_return());
    play({""});
    EXPECT_EQ(get_cur_area(), ai_game_over);
}

TEST_F(Shadow, ClosingTheDoorInTheLastMomentStillSaves) {
    // In the wardrobe with the shadow already in the room: shutting the door
    // on that very command hides the player.
    enter(ai_wardrobe);
    flag_set(93);
    flag_set(101);
    flag_set(F_DANGER);
    EXPECT_TRUE(said(play({"close wardrobe"}), "足音は部屋を出て"));
    EXPECT_FALSE(flag_test(F_DANGER));
}

TEST_F(Shadow, LeavingForTheCorridorLetsTheShadowCloseIn) {
    enter(ai_ladys_room);
    open_drawer();
    play({"get necklace"});
    auto out = play({"backward"});
    EXPECT_TRUE(said(out, "扉を開けて移動した。"));
    EXPECT_TRUE(said(out, "部屋のすぐ外に、何者かが立っている気配がする。"));
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_cr);
    EXPECT_TRUE(flag_test(183) && flag_test(100) && flag_test(F_DANGER));
}

TEST_F(Shadow, LadysRoomBranchWindowAndDoor) {
    enter(ai_ladys_room);
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "あなたは婦人部屋にいる。"));
    EXPECT_TRUE(said(out, "小枝"));
    EXPECT_TRUE(said(out, "背後には扉"));
    EXPECT_TRUE(said(play({"look branch"}), "二股に分かれた小枝だ。"));
    EXPECT_TRUE(said(play({"get branch"}), "小枝を手に入れた。"));
    EXPECT_TRUE(flag_test(96) && has_item(ni_branch));
    EXPECT_FALSE(said(play({"look"}), "小枝"));
    EXPECT_TRUE(said(play({"look window"}), "窓ガラスが大きく割れている。"));
    EXPECT_TRUE(said(play({"get mirror"}), "鋭い破片で手を切る"));
    EXPECT_TRUE(said(play({"look piano"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"left"}), "そちらには進めない。"));
    EXPECT_TRUE(said(play({"look wardrobe"}), "扉は閉まっている。"));
    play({"open wardrobe"});
    EXPECT_TRUE(said(play({"look wardrobe"}), "なにか小さなもの"));
    EXPECT_TRUE(said(play({"close wardrobe"}), "洋服箪笥の扉を閉めた。"));
    EXPECT_FALSE(flag_test(93));

    play({"open door"});
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_cr);
    EXPECT_TRUE(flag_test(183));
    enter(ai_ladys_room);
    EXPECT_TRUE(said(play({"look"}), "背後の扉は廊下に通じている。"));
}

// ---- Wardrobe ----

TEST_F(Shadow, WardrobeIsDarkUntilItsDoorOpens) {
    enter(ai_wardrobe);
    const char *dark[] = {"look", "get lion", "backward", "look clothes", "close door"};
    for (const char *cmd : dark) EXPECT_TRUE(said(play({cmd}), "暗くて何も見えない。")) << cmd;
    EXPECT_TRUE(said(play({"forward"}), "扉が閉まっている。"));
    EXPECT_TRUE(said(play({"exit"}), "扉が閉まっている。"));
    EXPECT_TRUE(said(play({"wait"}), "あなたは少し時間を潰した。"));
    EXPECT_TRUE(said(play({"inventory"}), "新聞"));
    EXPECT_EQ(get_cur_area(), ai_wardrobe);

    EXPECT_TRUE(said(play({"open door"}), "洋服箪笥の扉を押し開けた。"));
    EXPECT_TRUE(flag_test(93));
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "床の上には、玩具のライオン[lion]と魔女の人形[witch]が落ちている。"));
    EXPECT_TRUE(said(play({"get lion"}), "玩具のライオンを手に入れた。"));
    EXPECT_TRUE(flag_test(134) && has_item(ni_lion));
    EXPECT_TRUE(said(play({"look"}), "床の上には、魔女の人形[witch]が落ちている。"));
    EXPECT_TRUE(said(play({"get witch"}), "魔女の人形を手に入れた。"));
    EXPECT_TRUE(flag_test(135) && has_item(ni_witch));
    EXPECT_TRUE(said(play({"look"}), "床の上には、もう何もない。"));
    EXPECT_TRUE(said(play({"get clothes"}), "着替えは必要ないだろう。"));

    EXPECT_TRUE(said(play({"backward"}), "洋服箪笥を通って別の世界に行くには、あなたは年をとり過ぎている。"));
    EXPECT_EQ(get_cur_area(), ai_wardrobe);
    play({"exit"});
    EXPECT_EQ(get_cur_area(), ai_ladys_room);
    play({"enter wardrobe"});
    EXPECT_EQ(get_cur_area(), ai_wardrobe);
    play({"forward"});
    EXPECT_EQ(get_cur_area(), ai_ladys_room);
}

// ---- Bedroom ----

TEST_F(Shadow, BedroomDrawersAndTheMarbleUnderTheBed) {
    enter(ai_bedroom);
    EXPECT_TRUE(said(play({"get marble"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"open drawer"}), "引き出しを開けた。"));
    EXPECT_TRUE(flag_test(102));
    EXPECT_TRUE(said(play({"open chest"}), "引き出しはもう開いている。"));
    EXPECT_TRUE(said(play({"look chest"}), "中は空っぽだ。"));
    EXPECT_TRUE(said(play({"close drawer"}), "引き出しを閉じた。"));
    EXPECT_FALSE(flag_test(102));

    EXPECT_TRUE(said(play({"examine bed"}), "ベッドの下からビー玉[marble]が出てきた。"));
    EXPECT_TRUE(flag_test(103));
    EXPECT_TRUE(said(play({"look"}), "ベッドの下にビー玉"));
    EXPECT_TRUE(said(play({"get marble"}), "ビー玉を手に入れた。"));
    EXPECT_TRUE(flag_test(104) && has_item(ni_marble));
    EXPECT_TRUE(said(play({"examine bed"}), "もう埃しか残っていない"));
    // Used up as a shot later, the marble does not come back.
    remove_item(ni_marble);
    EXPECT_TRUE(said(play({"get marble"}), "ここには見あたらない。"));

    EXPECT_TRUE(said(play({"look window"}), "窓"));
    EXPECT_TRUE(said(play({"look oven"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"look"}), "背後には扉"));
    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_r);
    EXPECT_TRUE(flag_test(187));
    enter(ai_bedroom);
    EXPECT_TRUE(said(play({"look"}), "背後の扉は廊下に通じている。"));
}

// ---- Secret room ----

TEST_F(Shadow, SecretRoomSkeletonNotebookBookAndLetter) {
    enter(ai_secret_room);
    EXPECT_TRUE(said(play({"read pocket notebook"}), "ここには見あたらない。"));
    auto out = play({"examine skeleton"});
    EXPECT_TRUE(said(out, "死体を調べていると、懐から何かが落ちた。"));
    EXPECT_TRUE(said(out, "骸骨の傍には手帳[pocket notebook]が落ちている。"));
    EXPECT_TRUE(flag_test(125));
    EXPECT_TRUE(said(play({"look"}), "骸骨の傍には手帳"));

    out = play_through("read pocket notebook");
    EXPECT_TRUE(said(out, "手記はここで終わっている。"));
    EXPECT_TRUE(flag_test(126));
    EXPECT_FALSE(has_item(ni_pocket_notebook));

    out = play_through("read book");
    EXPECT_TRUE(said(out, "オカルトじみた冒涜的な内容の本をぱらぱらめくっていくと、印のついたページが見つかった。"));
    EXPECT_TRUE(said(out, "呪文の下には、歪んだ星のような文様が描かれている。"));
    EXPECT_TRUE(flag_test(130));

    out = play_through("read letter");
    EXPECT_TRUE(said(out, "魔法陣を科学の力で増幅すれば"));
    EXPECT_TRUE(flag_test(129));

    // What was read here can be recalled elsewhere.
    EXPECT_TRUE(said(play_through("recall secret room letter"), "魔法陣を科学の力で増幅すれば"));
}

TEST_F(Shadow, SecretRoomCandleAndIncenseChargeTheCircle) {
    enter(ai_secret_room);
    add_item(ni_bottle);
    EXPECT_TRUE(said(play({"use bottle"}), "祭壇に火が必要だ。"));
    EXPECT_TRUE(said(play({"get candle"}), "ここには見あたらない。"));

    add_item(ni_candle);
    flag_set(57);
    EXPECT_TRUE(said(play({"put candle"}), "蝋燭を燭台に置いた。"));
    EXPECT_TRUE(flag_test(127));
    EXPECT_FALSE(has_item(ni_candle));
    EXPECT_TRUE(said(play({"put candle"}), "蝋燭はもう置かれている。"));

    auto out = play({"use bottle"});
    EXPECT_TRUE(said(out, "小瓶の中の粉をひとつまみ蝋燭の火にくべると、あたりに奇妙な香りが広がった。"));
    EXPECT_TRUE(said(out, "気のせいか、魔法陣全体から不思議な力を感じる。"));
    EXPECT_TRUE(flag_test(128));
    EXPECT_TRUE(has_item(ni_bottle));
    EXPECT_TRUE(said(play({"use bottle"}), "これ以上、香を焚く必要もないだろう。"));

    out = play({"get candle"});
    EXPECT_TRUE(said(out, "蝋燭を手に入れた。"));
    EXPECT_TRUE(said(out, "魔法陣から力を感じなくなった。"));
    EXPECT_TRUE(has_item(ni_candle));
    EXPECT_FALSE(flag_test(127) || flag_test(128));
    EXPECT_TRUE(said(play({"use bottle"}), "祭壇に火が必要だ。"));
}

TEST_F(Shadow, SecretRoomLeadsBackToTheLibrary) {
    enter(ai_secret_room);
    EXPECT_TRUE(said(play({"look"}), "背後の通路は図書室に通じている。"));
    EXPECT_TRUE(said(play({"forward"}), "そちらには進めない。"));
    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_library);
    enter(ai_secret_room);
    play({"exit"});
    EXPECT_EQ(get_cur_area(), ai_library);
    enter(ai_secret_room);
    play({"exit room"});
    EXPECT_EQ(get_cur_area(), ai_library);
}

// ---- Pictures ----

// Each flag the picture follows changes it; flags it does not follow do not.
TEST_F(Shadow, PicturesFollowTheirFlags) {
    struct row {
        int area;
        std::vector<int> base; // set before comparing
        int flag;
        bool changes;
    };
    const row rows[] = {
        {ai_bedroom, {}, 102, true},      {ai_bedroom, {}, 103, true},       {ai_bedroom, {103}, 104, true},
        {ai_bedroom, {}, 104, false},     {ai_ladys_room, {}, 93, true},     {ai_ladys_room, {}, 96, true},
        {ai_ladys_room, {}, 95, true},    {ai_ladys_room, {}, 97, false},    {ai_wardrobe, {}, 93, true},
        {ai_wardrobe, {}, 134, false},    {ai_wardrobe, {93}, 134, true},    {ai_wardrobe, {93}, 135, true},
        {ai_secret_room, {}, 125, true},  {ai_secret_room, {}, 127, true},   {ai_secret_room, {}, 128, true},
        {ai_secret_room, {}, 126, false},
    };
    for (const row &r : rows) {
        status_reset();
        for (int f : r.base) flag_set(f);
        size_t before = picture_hash(r.area);
        flag_set(r.flag);
        EXPECT_EQ(picture_hash(r.area) != before, r.changes) << "area " << r.area << " flag " << r.flag;
    }
}

}  // namespace
