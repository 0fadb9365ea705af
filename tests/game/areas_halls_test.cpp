// The hall, the ground-floor corridors, the landing and the test room,
// played through the game: every exit, the doors that unlock from the far
// side, the window, the bronze key and the blackout on the way upstairs.
#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "game_support.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::expect_move;
using gametest::expect_refused;
using gametest::has;
using gametest::place;
using gametest::play;
using gametest::say;

class Halls : public gametest::EmptyHandedGame {};

TEST_F(Halls, HallLeadsLeftAndUpWhileItsOtherDoorsStayShut) {
    place(ai_entrance_hall);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "あなたは玄関ホールにいる。"));
    EXPECT_TRUE(has(look, "[front door]"));
    EXPECT_FALSE(has(look, "向こう"));

    expect_refused("forward", "扉には鍵が掛かっている。");
    expect_refused("open front door", "扉には鍵が掛かっている。");
    expect_refused("right", "扉には鍵が掛かっている。");
    expect_refused("push right door", "扉には鍵が掛かっている。");
    expect_refused("backward", "玄関の扉は固く閉ざされている。");
    expect_refused("open back door", "玄関の扉は固く閉ざされている。");
    expect_refused("open door", "扉は複数ある。");
    expect_refused("look window", "ここには見あたらない。");
    EXPECT_TRUE(has(say({"look stairs"}), "手すり"));
    EXPECT_FALSE(flag_test(168) || flag_test(170) || flag_test(148) || flag_test(149));

    expect_move("left", ai_corridor_1f_fl, true);
    EXPECT_TRUE(flag_test(169));
    expect_move("backward", ai_entrance_hall, true);
    EXPECT_TRUE(has(say({"look"}), "左の扉の向こうには廊下が続いている。"));
    expect_move("pull left door", ai_corridor_1f_fl, true);
    expect_move("open back door", ai_entrance_hall, true);

    expect_move("up", ai_landing, false);
    expect_move("down", ai_entrance_hall, false);
    expect_move("climb stairs", ai_landing, false);
    expect_move("backward", ai_entrance_hall, false);
}

TEST_F(Halls, LockedHallDoorsOpenFromTheFarSide) {
    // The right wing: walking back through turns the handle once.
    place(ai_corridor_1f_fr);
    EXPECT_FALSE(has(say({"look"}), "玄関ホールだ。"));
    std::string out = say({"backward"});
    EXPECT_TRUE(has(out, "扉の取っ手を回すと、ガチャリと鍵が外れた。"));
    EXPECT_EQ(get_cur_area(), ai_entrance_hall);
    EXPECT_TRUE(flag_test(149));
    EXPECT_TRUE(flag_test(170));
    expect_move("right", ai_corridor_1f_fr, true);
    EXPECT_TRUE(has(say({"look"}), "背後の扉の向こうは玄関ホールだ。"));
    out = say({"backward"});
    EXPECT_FALSE(has(out, "取っ手"));
    EXPECT_EQ(get_cur_area(), ai_entrance_hall);
    EXPECT_TRUE(has(say({"look"}), "右の扉の向こうにも廊下が続いている。"));

    // The dining room's side turns its own handle (flag 148).
    flag_set(148);
    expect_move("open front door", ai_dining, true);
    EXPECT_TRUE(flag_test(168));
    place(ai_entrance_hall);
    EXPECT_TRUE(has(say({"look"}), "正面の扉の向こうは食堂になっている。"));
}

TEST_F(Halls, LeftWingCorridors) {
    place(ai_corridor_1f_fl);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "窓[window]"));
    EXPECT_FALSE(has(look, "客室"));
    EXPECT_TRUE(has(say({"look window"}), "縦長の窓"));
    expect_refused("open door", "扉は複数ある。");
    expect_refused("left", "そちらには進めない。");
    expect_refused("look telephone", "ここには見あたらない。");

    expect_move("right", ai_guestroom_1f, true);
    EXPECT_TRUE(flag_test(177));
    place(ai_corridor_1f_fl);
    EXPECT_TRUE(has(say({"look"}), "右の扉の向こうは客室になっている。"));
    expect_move("forward", ai_corridor_1f_bl, false);
    expect_move("backward", ai_corridor_1f_fl, false);
    expect_move("forward", ai_corridor_1f_bl, false);

    expect_refused("right", "そちらには進めない。");
    expect_move("open left door", ai_playroom, true);
    EXPECT_TRUE(flag_test(179));
    place(ai_corridor_1f_bl);
    EXPECT_TRUE(has(say({"look"}), "左の扉の向こうは遊戯室になっている。"));
}

TEST_F(Halls, TheLivingRoomPhoneStartsRingingOnTheFirstEntryOnly) {
    place(ai_corridor_1f_bl);
    std::string out = say({"forward"});
    EXPECT_EQ(get_cur_area(), ai_living);
    EXPECT_TRUE(has(out, "入ったとたん、部屋の隅の電話が鳴り始めた。"));
    EXPECT_TRUE(flag_test(12));
    EXPECT_TRUE(flag_test(176));

    place(ai_corridor_1f_bl);
    EXPECT_TRUE(has(say({"look"}), "正面の扉の向こうは居間になっている。"));
    out = say({"open front door"});
    EXPECT_EQ(get_cur_area(), ai_living);
    EXPECT_FALSE(has(out, "鳴り始めた"));

    // A phone already answered never rings again either.
    flag_clear(12);
    flag_set(14);
    place(ai_corridor_1f_bl);
    EXPECT_FALSE(has(say({"forward"}), "鳴り始めた"));
}

TEST_F(Halls, RightWingCorridors) {
    place(ai_corridor_1f_fr);
    EXPECT_TRUE(has(say({"look wall"}), "DON'T LEAVE"));
    EXPECT_TRUE(has(say({"read wall"}), "DON'T LEAVE"));
    expect_move("left", ai_bathroom, true);
    EXPECT_TRUE(flag_test(171));
    place(ai_corridor_1f_fr);
    EXPECT_TRUE(has(say({"look"}), "左の扉の向こうは浴室になっている。"));
    expect_move("forward", ai_corridor_1f_mr, false);
    expect_move("backward", ai_corridor_1f_fr, false);
    expect_move("forward", ai_corridor_1f_mr, false);

    // The middle has a single door, so "door" means it.
    expect_refused("left", "そちらには進めない。");
    expect_move("open door", ai_storage, true);
    EXPECT_TRUE(flag_test(178));
    place(ai_corridor_1f_mr);
    EXPECT_TRUE(has(say({"look"}), "右の扉の向こうは物置部屋になっている。"));
    expect_move("forward", ai_corridor_1f_br, false);

    expect_refused("forward", "そちらには進めない。");
    expect_refused("open door", "扉は複数ある。");
    EXPECT_TRUE(has(say({"look cupboard"}), "古い戸棚"));
    expect_move("left", ai_kitchen, true);
    EXPECT_TRUE(flag_test(174));
    place(ai_corridor_1f_br);
    expect_move("push right door", ai_laundry, true);
    EXPECT_TRUE(flag_test(175));
    place(ai_corridor_1f_br);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "左の扉の向こうは台所になっている。"));
    EXPECT_TRUE(has(look, "右の扉の向こうは洗濯室になっている。"));
    expect_move("backward", ai_corridor_1f_mr, false);
}

TEST_F(Halls, LeavingThroughTheWindowIsFatal) {
    place(ai_corridor_1f_fr);
    // "exit" alone only hints, and the common reply follows.
    std::string out = say({"exit"});
    EXPECT_TRUE(has(out, "窓から外に出られそうだが・・・。"));
    EXPECT_TRUE(has(out, "ここではできない。"));
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_fr);

    out = say({"exit window"});
    EXPECT_TRUE(has(out, "窓枠が、あなたの身体を真っ二つにした。"));
    EXPECT_TRUE(console_waiting_return());
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_fr);
    play({""});
    EXPECT_EQ(get_cur_area(), ai_game_over);
}

TEST_F(Halls, TheBronzeKeyOpensTheLandingDoor) {
    place(ai_landing);
    expect_refused("forward", "扉には鍵が掛かっている。");
    expect_refused("open door", "扉には鍵が掛かっている。");
    expect_refused("use bronze key", "ここには見あたらない。");
    add_item(ni_brass_key);
    expect_refused("use brass key", "この鍵は鍵穴に合わない。");
    EXPECT_TRUE(has_item(ni_brass_key));
    EXPECT_FALSE(flag_test(150));

    add_item(ni_bronze_key);
    expect_refused("use bronze key", "ガチャリと音を立てて扉の鍵が開いた。");
    EXPECT_TRUE(flag_test(150));
    EXPECT_FALSE(has_item(ni_bronze_key));
    add_item(ni_bronze_key); // as if found twice: the lock stays open
    expect_refused("use bronze key", "扉の鍵はすでに開いている。");
    EXPECT_TRUE(has_item(ni_bronze_key));

    for (const char *way : {"backward", "left", "right", "down"}) {
        place(ai_landing);
        expect_move(way, ai_entrance_hall, false);
    }
}

TEST_F(Halls, TheFirstAscentBlacksOutAndWakesInTheStudy) {
    flag_set(150);
    place(ai_landing);
    std::string out = say({"forward"});
    EXPECT_TRUE(has(out, "二階に足を踏み入れたとたん、視界が真っ暗になった。"));
    EXPECT_TRUE(has(out, "あなたの意識はそのまま途切れた…。"));
    EXPECT_FALSE(has(out, "気がつくと"));
    EXPECT_TRUE(console_waiting_return());
    EXPECT_EQ(get_cur_area(), ai_landing);
    EXPECT_FALSE(flag_test(82));

    out = say({""});
    EXPECT_TRUE(has(out, "気がつくと、見知らぬ部屋にいた。どうやら助かったようだ。"));
    EXPECT_EQ(get_cur_area(), ai_study);
    EXPECT_TRUE(flag_test(82));
    EXPECT_TRUE(flag_test(F_VISITED_BASE + ai_study));
    EXPECT_FALSE(console_waiting_return());
    EXPECT_FALSE(flag_test(180));

    // Later the door simply leads to the upper corridor.
    place(ai_landing);
    expect_move("open front door", ai_corridor_2f_c, true);
    EXPECT_TRUE(flag_test(180));
    place(ai_landing);
    EXPECT_TRUE(has(say({"look"}), "正面の扉の向こうは二階の廊下になっている。"));
}

TEST_F(Halls, TestRoomMovesAndHandsOutItsToys) {
    const int toys[] = {ni_swordman, ni_lion, ni_bird, ni_dragon, ni_plush_cat, ni_screwdriver, ni_origami_plane};
    place(ai_working);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "背後には、玄関ホールがある。"));
    for (int nid : toys)
        EXPECT_TRUE(has(look, std::string(nid2name(nid)) + "[" + nid2noun(nid) + "]が転がっている。")) << nid;

    std::string out = say({"get lion"});
    EXPECT_TRUE(has(out, std::string(nid2name(ni_lion)) + "を手に入れた。"));
    EXPECT_TRUE(has_item(ni_lion));
    EXPECT_FALSE(has(say({"look"}), std::string(nid2name(ni_lion)) + "["));
    out = say({"get lion"});
    EXPECT_TRUE(has(out, "はもう持っている。"));
    EXPECT_EQ(item_count_get(), 1);
    for (int nid : toys) EXPECT_EQ(has_item(nid), nid == ni_lion) << nid;
    expect_refused("get hat", "ここには見あたらない。");

    expect_move("forward", ai_bathroom, false);
    place(ai_working);
    expect_move("backward", ai_entrance_hall, false);
    place(ai_working);
    expect_move("left", ai_boys_room, false);
    place(ai_working);
    expect_move("right", ai_girls_room, false);
}

}  // namespace
