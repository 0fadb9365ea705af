// The ground-floor rooms played through the game: bathroom, kitchen,
// storage room, playroom and guest room, flag for flag.
#include "area.h"
#include "console.h"
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
using gametest::said;

class Rooms : public gametest::NewGame {};

// ---- Bathroom ----

TEST_F(Rooms, BathroomDrainingTheTubRevealsDuckAndGlasses) {
    enter(ai_bathroom);
    auto out = play({"get glasses"});
    EXPECT_TRUE(said(out, "ここには見あたらない。"));
    out = play({"examine water"});
    EXPECT_TRUE(said(out, "異様な色の水面を見つめていると、水面がわずかに動いているような気がしてくる。"));

    out = play({"pull chain"});
    EXPECT_TRUE(said(out, "鎖を引くと、ぽんと浴槽の栓が外れた。"));
    EXPECT_TRUE(said(out, "ごぼごぼと嫌な音をたてて、おぞましい色の水が排水口に吸い込まれていく。"));
    EXPECT_TRUE(said(out, "さいごにうめき声のような音を残して、浴槽は空になった。"));
    EXPECT_TRUE(flag_test(36));
    EXPECT_TRUE(said(play({"pull chain"}), "もう引っ張っても意味がない。"));

    // Now the water is gone, reaching in is safe.
    EXPECT_TRUE(said(play({"look"}), "浴槽の底に"));
    out = play({"get duck", "get glasses"});
    EXPECT_TRUE(said(out, "ゴムのアヒルを手に入れた。"));
    EXPECT_TRUE(said(out, "眼鏡を手に入れた。"));
    EXPECT_TRUE(has_item(ni_duck) && has_item(ni_glasses));
    EXPECT_TRUE(flag_test(39) && flag_test(40));
    EXPECT_FALSE(said(play({"look"}), "浴槽の底に"));
    EXPECT_TRUE(said(play({"get glasses"}), "眼鏡はもう持っている。"));
    EXPECT_TRUE(said(play({"score"}), "現在の得点:10/21"));
    EXPECT_EQ(get_cur_area(), ai_bathroom);
}

TEST_F(Rooms, BathroomReachingIntoTheFullTubIsDeath) {
    const char *deadly[] = {"get duck", "touch water", "get water", "touch duck"};
    for (const char *cmd : deadly) {
        play({"start"});
        enter(ai_bathroom);
        auto out = play({cmd});
        EXPECT_TRUE(said(out, "水面に手を伸ばすと、澱んだ水が動いたように見えた。")) << cmd;
        EXPECT_TRUE(console_waiting_return()) << cmd;
        EXPECT_EQ(get_cur_area(), ai_bathroom) << cmd;
        EXPECT_FALSE(has_item(ni_duck)) << cmd;
        play({""});
        play({""});
        EXPECT_EQ(get_cur_area(), ai_game_over) << cmd;
    }
}

TEST_F(Rooms, BathroomMirrorWritingToiletAndDoor) {
    enter(ai_bathroom);
    EXPECT_TRUE(said(play({"get mirror"}), "しっかり止められている。外すには道具が必要だ。"));
    EXPECT_FALSE(said(play({"read wall"}), "機関の燃料は"));
    EXPECT_TRUE(said(play({"use screwdriver"}), "ここには見あたらない。"));

    add_item(ni_screwdriver);
    auto out = play({"use screwdriver"});
    EXPECT_TRUE(said(out, "ねじ回しでねじを外した。"));
    EXPECT_TRUE(said(out, "鏡を手に入れた。"));
    EXPECT_TRUE(flag_test(38) && has_item(ni_mirror));
    EXPECT_TRUE(said(play({"use screwdriver"}), "もう外すものはない"));

    EXPECT_FALSE(flag_test(37));
    out = play({"read wall"});
    while (console_waiting_return()) {
        auto more = play({""});
        out.insert(out.end(), more.begin(), more.end());
    }
    EXPECT_TRUE(said(out, "メッセージはここで途切れている。"));
    EXPECT_TRUE(flag_test(37));

    EXPECT_TRUE(said(play({"use toilet"}), "用を足した。"));
    EXPECT_TRUE(flag_test(41));
    EXPECT_TRUE(said(play({"use toilet"}), "また用を足した。"));
    EXPECT_TRUE(said(play({"score"}), "マニア評価:1/4"));

    EXPECT_FALSE(said(play({"look"}), "廊下に通じている"));
    play({"open door"});
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_fr);
    EXPECT_TRUE(flag_test(171));
    enter(ai_bathroom);
    EXPECT_TRUE(said(play({"look"}), "背後の扉は廊下に通じている。"));
    EXPECT_TRUE(said(play({"left"}), "そちらには進めない。"));
    EXPECT_TRUE(said(play({"look oven"}), "ここには見あたらない。"));
}

// ---- Kitchen ----

TEST_F(Rooms, KitchenOvenAndRoastChicken) {
    enter(ai_kitchen);
    EXPECT_TRUE(said(play({"get roast chicken"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"close oven"}), "オーブンは閉まっている。"));
    auto out = play({"open oven"});
    EXPECT_TRUE(said(out, "オーブンを開けた。"));
    EXPECT_TRUE(flag_test(48));
    EXPECT_TRUE(said(play({"open oven"}), "オーブンはもう開いている。"));
    EXPECT_TRUE(said(play({"look"}), "鶏の丸焼き"));
    EXPECT_TRUE(said(play({"get roast chicken"}), "鶏の丸焼きを手に入れた。"));
    EXPECT_TRUE(flag_test(49) && has_item(ni_roast_chicken));
    EXPECT_FALSE(said(play({"look"}), "鶏の丸焼き"));
    EXPECT_TRUE(said(play({"close oven"}), "オーブンを閉じた。"));
    EXPECT_FALSE(flag_test(48));
    // Reopened, the oven stays empty.
    play({"open oven"});
    EXPECT_TRUE(said(play({"look oven"}), "空っぽ"));
    EXPECT_TRUE(said(play({"look icebox"}), "冷蔵庫"));
    EXPECT_TRUE(said(play({"get lantern"}), "ここには見あたらない。"));
}

TEST_F(Rooms, KitchenDoors) {
    enter(ai_kitchen);
    EXPECT_TRUE(said(play({"open door"}), "扉は複数ある。"));
    EXPECT_EQ(get_cur_area(), ai_kitchen);
    play({"open left door"});
    EXPECT_EQ(get_cur_area(), ai_dining);
    EXPECT_TRUE(flag_test(173));
    enter(ai_kitchen);
    play({"right"});
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_br);
    EXPECT_TRUE(flag_test(174));
    enter(ai_kitchen);
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "左側の扉は食堂に通じている。"));
    EXPECT_TRUE(said(out, "右側の扉は廊下に通じている。"));
}

// ---- Storage room ----

TEST_F(Rooms, StorageClearingTheWayAndFishingTheWashtub) {
    enter(ai_storage);
    add_item(ni_fishing_rod);
    add_item(ni_sponge);
    EXPECT_TRUE(said(play({"use fishing rod"}), "並んだ家具が邪魔で近づけない。"));
    EXPECT_TRUE(said(play({"examine window"}), "並んだ家具が邪魔で近づけない。"));

    EXPECT_TRUE(said(play({"close drawer"}), "引き出しを閉じた。"));
    EXPECT_TRUE(flag_test(43));
    EXPECT_TRUE(said(play({"close chest"}), "引き出しはもう閉まっている。"));
    EXPECT_TRUE(said(play({"use fishing rod"}), "並んだ家具が邪魔で近づけない。"));

    EXPECT_TRUE(said(play({"move table"}), "テーブルを奥に移動した。"));
    EXPECT_TRUE(flag_test(42));
    EXPECT_TRUE(said(play({"push table"}), "テーブルを元の位置に戻した。"));
    EXPECT_FALSE(flag_test(42));
    play({"move table"});
    EXPECT_TRUE(said(play({"move chair"}), "動かす場所がない。"));
    EXPECT_TRUE(said(play({"move cabinet"}), "動かす場所がない。"));

    // Without the sponge on the hook nothing comes of it.
    auto out = play({"use fishing rod"});
    EXPECT_TRUE(said(out, "あなたは窓の穴から釣り竿を突き出し、洗い桶に釣り糸を垂れた。"));
    EXPECT_TRUE(said(out, "何も釣れない。魚はいないようだ。"));
    EXPECT_FALSE(flag_test(44));

    play({"combine fishing rod", "sponge"});
    ASSERT_TRUE(flag_test(45));
    out = play({"use fishing rod"});
    EXPECT_TRUE(said(out, "あなたは窓の穴から釣り竿を突き出し、釣り糸の先のスポンジを洗い桶に降ろした。"));
    EXPECT_TRUE(said(out, "しばらくして引き上げると、スポンジはたっぷりと水を吸っていた。"));
    EXPECT_TRUE(flag_test(44));
    EXPECT_TRUE(said(play({"use fishing rod"}), "スポンジはすでに水浸しだ。"));

    // Pulling the drawer out again blocks the window once more.
    EXPECT_TRUE(said(play({"open drawer"}), "引き出しを開けた。"));
    EXPECT_TRUE(said(play({"use fishing rod"}), "並んだ家具が邪魔で近づけない。"));
}

TEST_F(Rooms, StorageLanternAndDoor) {
    enter(ai_storage);
    EXPECT_TRUE(said(play({"look"}), "ランタン"));
    EXPECT_TRUE(said(play({"get lantern"}), "ランタンを手に入れた。"));
    EXPECT_TRUE(flag_test(46) && has_item(ni_lantern));
    EXPECT_FALSE(said(play({"look"}), "ランタン"));
    EXPECT_TRUE(said(play({"get lantern"}), "ランタンはもう持っている。"));
    // Absent things here: the fishing rod is not lying in this room.
    EXPECT_TRUE(said(play({"use fishing rod"}), "ここには見あたらない。"));
    play({"open back door"});
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_mr);
    EXPECT_TRUE(flag_test(178));
}

// ---- Playroom ----

TEST_F(Rooms, PlayroomBallPushesOutTheWastepaper) {
    enter(ai_playroom);
    EXPECT_TRUE(said(play({"get wastepaper"}), "ポケットの奥に入り込んでいて、指が届かない。"));
    EXPECT_TRUE(said(play({"use billiard ball"}), "ここには見あたらない。"));

    add_item(ni_billiard_ball);
    auto out = play({"use billiard ball"});
    EXPECT_TRUE(said(out, "あなたはビリヤード台の上にビリヤードボールを転がした。"));
    EXPECT_TRUE(flag_test(30) && flag_test(31));
    EXPECT_FALSE(has_item(ni_billiard_ball));
    EXPECT_TRUE(said(play({"look"}), "受け皿に紙屑"));

    EXPECT_TRUE(said(play({"get wastepaper"}), "紙屑を手に入れた。"));
    EXPECT_TRUE(flag_test(32) && has_item(ni_wastepaper));
    EXPECT_FALSE(said(play({"look"}), "受け皿に紙屑"));
    play({"examine wastepaper"});
    EXPECT_TRUE(has_item(ni_essay));
    EXPECT_TRUE(said(play({"get wastepaper"}), "ここには見あたらない。"));

    out = play({"read letter"});
    EXPECT_TRUE(said(out, "ガソリン"));
    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_bl);
    EXPECT_TRUE(flag_test(179));
}

// ---- Guest room ----

TEST_F(Rooms, GuestroomShootingDownTheFlyingToy) {
    enter(ai_guestroom_1f);
    EXPECT_TRUE(said(play({"look dragon"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"shoot dragon"}), "撃つための道具がない。"));

    fseq_start(0);
    fseq_proceed(0);
    ASSERT_TRUE(flag_test(132));
    EXPECT_TRUE(said(play({"look"}), "天井近くに、玩具のドラゴン[dragon]が浮いている。"));
    EXPECT_TRUE(said(play({"get golden key"}), "ぱたぱたと翼を動かし、手の届かない高さに浮いている。"));

    add_item(ni_slingshot);
    EXPECT_TRUE(said(play({"shoot dragon"}), "パチンコは壊れている。"));
    flag_set(89);
    EXPECT_TRUE(said(play({"use slingshot"}), "弾にするものがない。"));
    add_item(ni_marble);
    auto out = play({"shoot dragon"});
    EXPECT_TRUE(said(out, "ぱちんこでビー玉を撃つと見事に玩具のドラゴンに命中した。"));
    EXPECT_TRUE(flag_test(133));
    EXPECT_FALSE(flag_test(132));
    EXPECT_FALSE(has_item(ni_marble) || has_item(ni_slingshot));

    out = play({"look"});
    EXPECT_TRUE(said(out, "床の上に玩具のドラゴン"));
    EXPECT_TRUE(said(out, "床の上に金色の鍵"));
    EXPECT_TRUE(said(play({"get golden key"}), "金色の鍵を手に入れた。"));
    EXPECT_TRUE(said(play({"get dragon"}), "玩具のドラゴンを手に入れた。"));
    EXPECT_TRUE(flag_test(33) && flag_test(34));
    EXPECT_FALSE(said(play({"look"}), "床の上に"));

    add_item(ni_slingshot);
    EXPECT_TRUE(said(play({"shoot"}), "もう撃ち落とすものはない。"));
}

TEST_F(Rooms, GuestroomWardrobeAndDoor) {
    enter(ai_guestroom_1f);
    EXPECT_TRUE(said(play({"close wardrobe"}), "洋服箪笥の扉はもう閉まっている。"));
    EXPECT_TRUE(said(play({"open wardrobe"}), "洋服箪笥の扉を開けた。"));
    EXPECT_TRUE(flag_test(35));
    EXPECT_TRUE(said(play({"open wardrobe"}), "洋服箪笥の扉はもう開いている。"));
    EXPECT_TRUE(said(play({"close wardrobe"}), "洋服箪笥の扉を閉めた。"));
    EXPECT_FALSE(flag_test(35));
    play({"look room"});
    EXPECT_EQ(get_cur_area(), ai_guestroom_1f);
    play({"pull door"});
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_fl);
    EXPECT_TRUE(flag_test(177));
}

// ---- Pictures ----

// Each flag the pictures follow must change what is drawn, given the
// flags that make its element visible.
TEST_F(Rooms, PicturesFollowTheirFlags) {
    struct Case {
        int area;
        std::vector<int> base;
        int flag;
    };
    const Case cases[] = {
        {ai_bathroom, {}, 36},         {ai_bathroom, {36}, 40},       {ai_bathroom, {36}, 39},
        {ai_bathroom, {}, 38},         {ai_kitchen, {}, 48},          {ai_kitchen, {48}, 49},
        {ai_storage, {}, 42},          {ai_storage, {}, 43},          {ai_storage, {}, 46},
        {ai_guestroom_1f, {}, 35},     {ai_guestroom_1f, {}, 132},    {ai_guestroom_1f, {133}, 34},
        {ai_guestroom_1f, {132}, 133},
    };
    for (const Case &c : cases) {
        status_reset();
        for (int f : c.base) flag_set(f);
        size_t before = picture_hash(c.area);
        flag_set(c.flag);
        EXPECT_NE(before, picture_hash(c.area)) << "area " << c.area << " flag " << c.flag;
    }
    // Hidden things stay hidden: the glasses under the water, the chicken
    // in the closed oven.
    status_reset();
    size_t full = picture_hash(ai_bathroom);
    flag_set(39);
    EXPECT_EQ(full, picture_hash(ai_bathroom));
    status_reset();
    size_t closed = picture_hash(ai_kitchen);
    flag_set(49);
    EXPECT_EQ(closed, picture_hash(ai_kitchen));
}

}  // namespace
