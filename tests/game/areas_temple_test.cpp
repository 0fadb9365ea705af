// The endgame played through the game: the temple and the incantation, the
// collapse and the fire, the cave and the ending on the shore.
#include "area.h"
#include "command.h"
#include "console.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::picture_hash;
using gametest::play;
using gametest::said;

constexpr const char *SPELL_SPACED = "oguruu aenganu aruei zuuggu ioruau engufu uruua";
constexpr const char *CIRCLE_SHINES = "天井の魔法陣が強く光り輝き";

class Temple : public gametest::NewGame {
protected:
    void SetUp() override {
        NewGame::SetUp();
        set_cur_area(ai_temple);
        add_item(ni_lantern);
    }
    // The circle charged, the machine running and the stone in hand.
    void ready() {
        flag_set(128);
        flag_set(157);
        add_item(ni_stone);
    }
    // Speaks the incantation through to the drained hall.
    void banish() {
        ready();
        play({"cast", SPELL_SPACED, "", "", ""});
        ASSERT_TRUE(flag_test(162));
    }
};

TEST_F(Temple, FloodedHallLooksAndExits) {
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "あなたは神殿にいる。"));
    EXPECT_TRUE(said(out, "向こう側の壁には、通路[passage]の入り口らしきものが見えている。"));
    EXPECT_TRUE(said(out, "背後には、地下室へと続く通路がある。"));
    EXPECT_TRUE(said(out, "床は完全に水没しており、中央には巨大ななにか[it]が浮かんでいる。"));

    EXPECT_TRUE(said(play({"forward"}), "床は水没しており、そこまでたどり着けない。"));
    EXPECT_TRUE(said(play({"enter passage"}), "床は水没しており、そこまでたどり着けない。"));
    EXPECT_TRUE(said(play({"look floor"}), "床は完全に水没している。"));
    EXPECT_TRUE(said(play({"look ceiling"}), "ドーム状の天井になっている。"));
    // The floor and the ceiling answer whatever is done to them.
    EXPECT_TRUE(said(play({"touch floor"}), "床は完全に水没している。"));
    EXPECT_TRUE(said(play({"touch ceiling"}), "ドーム状の天井になっている。"));
    EXPECT_TRUE(said(play({"look it"}), "ゆっくりと脈打っている"));
    EXPECT_TRUE(said(play({"look car"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"look stairs"}), "ここには見あたらない。"));
    EXPECT_EQ(get_cur_area(), ai_temple);

    // Before the gasoline is spilled the lantern is kept.
    EXPECT_TRUE(said(play({"throw lantern"}), "投げ捨てるわけにはいかない。"));
    EXPECT_TRUE(has_item(ni_lantern));
    EXPECT_FALSE(flag_test(164));

    flag_set(128);
    flag_set(157);
    EXPECT_TRUE(said(play({"look ceiling"}), "空洞の天井部の岩肌には、魔法陣が浮かび上がっている。"));

    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_corridor_0f);
}

TEST_F(Temple, WrongIncantationEndsTheQuestion) {
    ready();
    auto out = play({"cast"});
    EXPECT_TRUE(said(out, "何と唱える?"));
    EXPECT_TRUE(line_handler_active());
    out = play({"abracadabra"});
    EXPECT_TRUE(said(out, "なにも起こらなかった。"));
    EXPECT_FALSE(said(out, "たじろいだ"));
    EXPECT_FALSE(line_handler_active());
    // The next line is a command again.
    EXPECT_TRUE(said(play({"look"}), "あなたは神殿にいる。"));

    // Almost right is wrong too: one letter short.
    play({"cast spell"});
    EXPECT_TRUE(said(play({"oguruuaenganuarueizuugguioruauengufuuruu"}), "なにも起こらなかった。"));
    EXPECT_FALSE(line_handler_active());
    EXPECT_FALSE(flag_test(161));
}

TEST_F(Temple, IncantationNeedsTheCircleAndTheMachine) {
    add_item(ni_stone);
    const int powers[][2] = {{0, 0}, {1, 0}, {0, 1}};
    for (const auto &p : powers) {
        if (p[0]) flag_set(128); else flag_clear(128);
        if (p[1]) flag_set(157); else flag_clear(157);
        auto out = play({"cast", SPELL_SPACED});
        EXPECT_TRUE(said(out, "あなたが呪文を唱え始めると、眼前のそれは、わずかにたじろいだかに見えた。"));
        EXPECT_TRUE(said(out, "しかし、なにも起こらなかった。"));
        EXPECT_FALSE(said(out, CIRCLE_SHINES));
        EXPECT_FALSE(line_handler_active());
        EXPECT_FALSE(console_waiting_return());
    }
    EXPECT_FALSE(flag_test(161));
}

TEST_F(Temple, WithoutTheStoneThePowerFades) {
    flag_set(128);
    flag_set(157);
    auto out = play({"cast", SPELL_SPACED});
    EXPECT_TRUE(said(out, CIRCLE_SHINES));
    EXPECT_TRUE(console_waiting_return());
    EXPECT_TRUE(line_handler_active());
    out = play({""});
    EXPECT_TRUE(said(out, "しかし、呪文を唱え終えると同時に光は消え失せ、周りを満たしていた力もそのまま去っていった。"));
    EXPECT_FALSE(line_handler_active());
    EXPECT_FALSE(console_waiting_return());
    EXPECT_FALSE(flag_test(161));
    // Still a flooded hall, and the way back is open.
    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_corridor_0f);
}

// The phrase is accepted in every form a player can type it.
TEST_F(Temple, IncantationInEveryScript) {
    flag_set(128);
    flag_set(157);
    struct typed {
        int mode;
        const char *verb;
        const char *spell;
    };
    const typed forms[] = {
        {0, "cast", "oguruuaenganuarueizuugguioruauengufuuruua"},
        {0, "cast", SPELL_SPACED},
        {0, "cast", "  OGURUU aenganu   aruei zuuggu ioruau engufu uruua "},
        {1, "tonaeru", SPELL_SPACED}, // converted to hiragana as typed
        {2, "tonaeru", SPELL_SPACED}, // converted to katakana as typed
    };
    for (const typed &f : forms) {
        set_input_mode(f.mode);
        play({f.verb});
        ASSERT_TRUE(line_handler_active()) << f.mode << " " << f.spell;
        auto out = play({f.spell});
        EXPECT_TRUE(said(out, CIRCLE_SHINES)) << f.mode << " " << f.spell;
        play({""}); // no stone: the light fades and the question ends
        EXPECT_FALSE(line_handler_active());
    }
}

TEST_F(Temple, BanishingDrainsTheHallAndClosesTheWayBack) {
    ready();
    auto out = play({"cast", SPELL_SPACED});
    EXPECT_TRUE(said(out, "あなたの言葉と共に、天井の魔法陣が強く光り輝き、神殿内が強い力で満たされていくのを感じる。"));
    out = play({""});
    EXPECT_TRUE(said(out, "黒い影を絡め取った"));
    EXPECT_FALSE(flag_test(161));
    EXPECT_TRUE(line_handler_active());
    out = play({""});
    EXPECT_TRUE(said(out, "影は魔法陣の中へと吸い込まれ"));
    EXPECT_TRUE(flag_test(161));
    EXPECT_FALSE(flag_test(162));
    out = play({""});
    EXPECT_TRUE(said(out, "崩れ落ちた柱と瓦礫が、あなたの背後の通路を埋め尽くしてしまった。"));
    EXPECT_TRUE(said(out, "気が付くと、どこかに亀裂が入ったのか溜まっていた水が流れ出し、神殿の床が姿を現していた。"));
    EXPECT_TRUE(flag_test(162));
    EXPECT_FALSE(line_handler_active());
    EXPECT_FALSE(console_waiting_return());
    EXPECT_TRUE(has_item(ni_stone));

    // Looking counts for nothing: the roof still holds.
    out = play({"look", "look floor"});
    EXPECT_TRUE(said(out, "背後は崩れてしまい、地下室へ戻る道は閉ざされている。"));
    EXPECT_TRUE(said(out, "床の中央には、名状し難い存在[it]が根を下ろしている。"));
    EXPECT_TRUE(said(out, "水が引いた後には、石の床が見えている。"));
    EXPECT_FALSE(said(out, "ガソリンが広がっている"));
    EXPECT_TRUE(said(play({"look tentacle"}), "暴れ回っている"));
    EXPECT_FALSE(flag_test(163));

    // Saying it again does not replay the banishing.
    out = play({"cast"});
    EXPECT_TRUE(said(out, "呪文はすでに唱え終えた。"));
    EXPECT_FALSE(line_handler_active());
    EXPECT_TRUE(flag_test(163)); // that was a counted command

    flag_clear(163);
    out = play({"backward"});
    EXPECT_TRUE(said(out, "壁が崩れて、来た道を塞いでしまっている。"));
    EXPECT_EQ(get_cur_area(), ai_temple);
}

TEST_F(Temple, CollapseOnTheNextCountedCommandThenFire) {
    banish();
    auto out = play({"forward"});
    EXPECT_TRUE(said(out, "触手が行く手を塞いでいる。"));
    EXPECT_TRUE(said(out, "暴れ狂う触手に幾度も打ちのめされ、ついに天井が崩れ落ちた。"));
    EXPECT_TRUE(said(out, "積まれていたドラム缶のいくつかが潰れ、床の上に広がっていく。"));
    EXPECT_TRUE(flag_test(163));
    EXPECT_EQ(get_cur_area(), ai_temple);
    // Only once.
    EXPECT_FALSE(said(play({"wait"}), "天井が崩れ落ちた"));

    out = play({"look floor", "look car", "look drum"});
    EXPECT_TRUE(said(out, "支配者の周りには、ドラム缶から流れ出したガソリンが広がっている。"));
    EXPECT_TRUE(said(out, "ひしゃげた車体"));
    EXPECT_TRUE(said(out, "ガソリンが床に流れ出している。"));
    EXPECT_TRUE(said(play({"get drum"}), "重すぎる。"));

    out = play({"throw lantern"});
    EXPECT_TRUE(said(out, "ランタンを思い切り遠くへ投げると、たちまちガソリンに引火し、燃え広がった。"));
    EXPECT_TRUE(said(out, "肉塊は炎から逃れようと触手を持ち上げ、激しく悶え狂っている。"));
    EXPECT_TRUE(flag_test(164));
    EXPECT_FALSE(has_item(ni_lantern));
    EXPECT_TRUE(said(play({"throw lantern"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"look it"}), "苦しげに身悶えしている。"));

    // Down the slope is the way forward once the water has gone.
    out = play({"down"});
    EXPECT_TRUE(said(out, "荒れ狂う炎と触手を掻い潜るようにして神殿を走り抜け、通路へと飛び込んだ！"));
    EXPECT_TRUE(said(out, "あなたは洞窟にいる。"));
    EXPECT_EQ(get_cur_area(), ai_cave);
}

TEST_F(Temple, CaveAndTheEndingOnTheShore) {
    set_cur_area(ai_cave);
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "ここは自然にできた洞窟のようだ。奥の方に光が見える。どうやら外に出られそうだ。"));
    EXPECT_TRUE(said(play({"backward"}), "神殿の中はすっかり火が回っていて、とても引き返せない。"));
    EXPECT_EQ(get_cur_area(), ai_cave);
    EXPECT_TRUE(said(play({"look car"}), "ここには見あたらない。"));

    out = play({"forward"});
    EXPECT_TRUE(said(out, "残ったドラム缶が爆発する音が聞こえてくる。あなたは炎に追われるようにして、洞窟の出口へと走った。"));
    EXPECT_TRUE(said(out, "洞窟を出ると、そこは海岸だった。"));
    EXPECT_EQ(get_cur_area(), ai_cliff);
    EXPECT_TRUE(console_waiting_return());
    EXPECT_FALSE(flag_test(165));

    out = play({""});
    EXPECT_TRUE(said(out, "やがて大音響と共に、崖上に炎の柱が立ち上った。"));
    EXPECT_TRUE(flag_test(165));
    EXPECT_FALSE(flag_test(166));
    out = play({""});
    EXPECT_TRUE(said(out, "すべてを浄化する炎の中に焼け落ちていった。"));
    EXPECT_TRUE(flag_test(166));
    EXPECT_FALSE(flag_test(167));
    out = play({""});
    EXPECT_TRUE(flag_test(167));
    EXPECT_EQ(get_cur_area(), ai_cliff);
    EXPECT_TRUE(console_waiting_return());
    out = play({""});
    EXPECT_TRUE(said(out, "ゲームクリア"));
    EXPECT_TRUE(said(out, "おめでとう、あなたは無事に屋敷を脱出した。"));
    EXPECT_EQ(get_cur_area(), ai_clear);
    EXPECT_FALSE(console_waiting_return());
}

TEST_F(Temple, ExitLeavesTheCaveAndTheShoreOnlyRejoices) {
    set_cur_area(ai_cave);
    play({"exit"});
    EXPECT_EQ(get_cur_area(), ai_cliff);
    play({"", "", "", ""});
    EXPECT_EQ(get_cur_area(), ai_clear);

    set_cur_area(ai_cliff);
    auto out = play({"look", "backward", "get stone"});
    int relief = 0;
    for (const std::string &l : out) relief += l.find("助かった...") != std::string::npos;
    EXPECT_EQ(relief, 3);
}

TEST_F(Temple, CeilingAndCaveEntranceHandlers) {
    set_cur_area(ai_temple_ceiling);
    auto out = play({"look", "backward"});
    EXPECT_TRUE(said(out, "あなたは神殿の天井を見上げている。"));
    EXPECT_FALSE(said(out, "そちらには進めない。"));
    EXPECT_EQ(get_cur_area(), ai_temple_ceiling);

    set_cur_area(ai_cave_entrance);
    EXPECT_TRUE(said(play({"look"}), "あなたは洞窟の入口に立って神殿を覗き込んでいる。"));
    play({"forward"});
    EXPECT_EQ(get_cur_area(), ai_temple);
    set_cur_area(ai_cave_entrance);
    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_cave);
}

// Every flag the pictures are said to follow changes them.
TEST_F(Temple, PicturesFollowTheirFlags) {
    struct step {
        int area;
        int flag;
    };
    const step steps[] = {{ai_temple, 162},       {ai_temple, 163}, {ai_temple, 164},
                          {ai_temple_ceiling, 139}, {ai_cave_entrance, 162},
                          {ai_cliff, 165},        {ai_cliff, 166},  {ai_cliff, 167}};
    for (const step &s : steps) {
        flag_clear(s.flag);
        size_t before = picture_hash(s.area);
        flag_set(s.flag);
        EXPECT_NE(picture_hash(s.area), before) << s.area << " flag " << s.flag;
    }
    // The bare ceiling draws nothing at all.
    flag_clear(139);
    picture_hash(ai_temple_ceiling);
    VxBitmap *page = vxi_shown_page();
    int lit = 0;
    for (int y = 8; y <= 328; ++y)
        for (int x = 20; x <= 620; ++x) lit += page->px[y * page->w + x] != 0;
    EXPECT_EQ(lit, 0);
}

}  // namespace
