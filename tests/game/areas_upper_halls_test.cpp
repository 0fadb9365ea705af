// The upper corridors and the balcony, played through the game: every exit
// with its door flag, the music room's locked door, the shadow in the
// corridor, the balcony's view down into the garden and the pictures.
#include "area.h"
#include "console.h"
#include "game_support.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using gametest::expect_refused;
using gametest::finish_waits;
using gametest::has;
using gametest::picture_hash;
using gametest::place;
using gametest::play;
using gametest::say;

class UpperHalls : public gametest::EmptyHandedGame {
protected:
    // Walks from area `from` with command and checks the arrival, whether a
    // door was opened and which door flag it set.
    static void expect_move(int from, const std::string &command, int to, int door_flag) {
        place(from);
        gametest::expect_move(command, to, door_flag >= 0);
        if (door_flag >= 0) {
            EXPECT_TRUE(flag_test(door_flag)) << command << " from area " << from;
        }
    }
};

TEST_F(UpperHalls, CentreLeadsEverywhereAndNamesItsDoorsOnceKnown) {
    place(ai_corridor_2f_c);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "あなたは二階の廊下にいる。"));
    EXPECT_TRUE(has(look, "[front door]") && has(look, "[back door]"));
    EXPECT_FALSE(has(look, "向こう"));
    expect_refused("open door", "扉は複数ある。");
    expect_refused("look window", "ここには見あたらない。");
    EXPECT_TRUE(has(say({"look ceiling"}), "梁"));

    expect_move(ai_corridor_2f_c, "forward", ai_boys_room, 181);
    expect_move(ai_corridor_2f_c, "open back door", ai_landing, 180);
    expect_move(ai_corridor_2f_c, "left", ai_corridor_2f_l, -1);
    expect_move(ai_corridor_2f_c, "right", ai_corridor_2f_cr, -1);
    expect_move(ai_corridor_2f_c, "push front door", ai_boys_room, 181);
    place(ai_corridor_2f_c);
    look = say({"look"});
    EXPECT_TRUE(has(look, "正面の扉の向こうは子供部屋になっている。"));
    EXPECT_TRUE(has(look, "背後の扉の向こうは階段の踊り場だ。"));
    // The landing's door leads back here.
    flag_set(150);
    flag_set(82);
    expect_move(ai_landing, "forward", ai_corridor_2f_c, 180);
}

TEST_F(UpperHalls, MusicRoomDoorStaysLockedUntilOpenedFromInside) {
    place(ai_corridor_2f_l);
    expect_refused("forward", "扉には鍵が掛かっている。");
    expect_refused("open front door", "扉には鍵が掛かっている。");
    EXPECT_TRUE(has(say({"look front door"}), "鍵穴"));
    // No key of the house fits from this side, and none is used up.
    add_item(ni_steel_key);
    add_item(ni_golden_key);
    expect_refused("use steel key", "この鍵は鍵穴に合わない。");
    expect_refused("use golden key", "この鍵は鍵穴に合わない。");
    EXPECT_TRUE(has_item(ni_steel_key) && has_item(ni_golden_key));
    EXPECT_FALSE(flag_test(151));
    expect_refused("use silver key", "ここには見あたらない。");
    expect_refused("open door", "扉は複数ある。");

    flag_set(151);
    expect_refused("use steel key", "扉の鍵はすでに開いている。");
    EXPECT_FALSE(has(say({"look front door"}), "鍵穴"));
    expect_move(ai_corridor_2f_l, "forward", ai_music_room, 188);
    expect_move(ai_corridor_2f_l, "left", ai_guestroom_2f, 184);
    expect_move(ai_corridor_2f_l, "pull right door", ai_girls_room, 182);
    expect_move(ai_corridor_2f_l, "backward", ai_corridor_2f_c, -1);
    place(ai_corridor_2f_l);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "正面の扉の向こうは音楽室になっている。"));
    EXPECT_TRUE(has(look, "左の扉の向こうは客室になっている。"));
    EXPECT_TRUE(has(look, "右の扉の向こうは子供部屋になっている。"));
}

TEST_F(UpperHalls, RightWingExits) {
    expect_move(ai_corridor_2f_cr, "forward", ai_corridor_2f_r, -1);
    expect_move(ai_corridor_2f_cr, "backward", ai_corridor_2f_c, -1);
    expect_move(ai_corridor_2f_cr, "left", ai_ladys_room, 183);
    expect_move(ai_corridor_2f_cr, "open right door", ai_study, 185);
    place(ai_corridor_2f_cr);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "左の扉の向こうは婦人部屋になっている。"));
    EXPECT_TRUE(has(look, "右の扉の向こうは書斎になっている。"));
    expect_refused("open window", "ここからでは遠すぎる。");

    expect_move(ai_corridor_2f_r, "backward", ai_corridor_2f_cr, -1);
    expect_move(ai_corridor_2f_r, "left", ai_bedroom, 187);
    expect_move(ai_corridor_2f_r, "open right door", ai_library, 186);
    place(ai_corridor_2f_r);
    expect_refused("forward", "そちらには進めない。");
    expect_refused("open window", "錆びついて");
    expect_refused("exit window", "崖");
    look = say({"look"});
    EXPECT_TRUE(has(look, "左の扉の向こうは寝室になっている。"));
    EXPECT_TRUE(has(look, "右の扉の向こうは図書室になっている。"));
    expect_refused("look car", "ここには見あたらない。");
}

TEST_F(UpperHalls, ShadowInTheCorridorKillsOnTheNextCountedCommand) {
    // The scream alone (98) is still in the lady's room's future.
    flag_set(98);
    place(ai_corridor_2f_cr);
    std::string out = say({"wait"});
    EXPECT_FALSE(has(out, "黒い影"));
    EXPECT_FALSE(console_waiting_return());

    for (int stage : {99, 100, 101}) {
        flag_clear(98);
        flag_clear(99);
        flag_clear(100);
        flag_clear(101);
        flag_set(stage);
        place(ai_corridor_2f_cr);
        // Looking around costs no time, but tells of the cold.
        out = say({"look"});
        EXPECT_TRUE(has(out, "何者かがすぐそばにいる気配がする。")) << stage;
        EXPECT_FALSE(console_waiting_return()) << stage;
        // A step away is no escape: the shadow is on the player first.
        out = say({"right"});
        EXPECT_TRUE(has(out, "黒い影はあっという間に目の前に迫り")) << stage;
        EXPECT_FALSE(has(out, "扉を開けて移動した。")) << stage;
        EXPECT_EQ(get_cur_area(), ai_corridor_2f_cr) << stage;
        EXPECT_FALSE(flag_test(185)) << stage;
        ASSERT_TRUE(console_waiting_return()) << stage;
        wait_return_key_handler(13);
        EXPECT_EQ(get_cur_area(), ai_game_over) << stage;
        finish_waits();
    }
}

TEST_F(UpperHalls, BalconyLooksDownIntoTheGarden) {
    place(ai_balcony);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "海"));
    EXPECT_TRUE(has(look, "バルコニーの下には庭園[garden]が見える。"));
    expect_refused("look car", "ここには見あたらない。");
    expect_refused("look magic circle", "ここには見あたらない。");

    std::string out = say({"look garden"});
    EXPECT_EQ(get_cur_area(), ai_balcony_down);
    EXPECT_TRUE(has(out, "あなたはバルコニーから庭園を見下ろしている。"));
    look = say({"look"});
    EXPECT_TRUE(has(look, "庭のあちこちに石のようなものが埋め込まれている。"));
    EXPECT_FALSE(has(look, "魔法陣"));
    EXPECT_TRUE(has(look, "[car]") && has(look, "[drum]"));
    for (const char *cmd : {"get car", "touch drum", "enter car", "get stone"})
        expect_refused(cmd, "ここからでは遠すぎる。");
    EXPECT_TRUE(has(say({"look stone"}), "ここからではよく見えない。"));
    expect_refused("look magic circle", "ここには見あたらない。");
    // The carved stone in the pocket is the player's own.
    add_item(ni_stone);
    EXPECT_FALSE(has(say({"look stone"}), "ここからでは"));

    flag_set(128);
    look = say({"look garden"});
    EXPECT_TRUE(has(look, "石を結ぶようにして、巨大な魔法陣が浮かび上がっている。"));
    EXPECT_TRUE(has(say({"look magic circle"}), "魔法陣を描き出している。"));
    expect_refused("erase magic circle", "ここからでは遠すぎる。");

    for (const char *cmd : {"up", "backward", "exit"}) {
        place(ai_balcony_down);
        say({cmd});
        EXPECT_EQ(get_cur_area(), ai_balcony) << cmd;
    }
    place(ai_balcony);
    say({"examine garden"});
    EXPECT_EQ(get_cur_area(), ai_balcony_down);
    expect_move(ai_balcony, "backward", ai_music_room, 191);
    expect_move(ai_balcony, "exit", ai_music_room, 191);
    place(ai_balcony);
    EXPECT_TRUE(has(say({"look"}), "背後の扉の向こうは音楽室だ。"));
}

// ---- Pictures ----

TEST_F(UpperHalls, PicturesDifferAndTheCircleNeedsBothFlags) {
    const int pairs[][2] = {{ai_balcony, ai_balcony_down},         {ai_corridor_2f_r, ai_corridor_1f_br},
                            {ai_corridor_2f_cr, ai_corridor_1f_mr}, {ai_corridor_2f_l, ai_corridor_1f_bl},
                            {ai_corridor_2f_c, ai_corridor_2f_l},   {ai_corridor_2f_cr, ai_corridor_2f_r}};
    for (const auto &p : pairs) EXPECT_NE(picture_hash(p[0]), picture_hash(p[1])) << p[0] << " and " << p[1];

    size_t plain = picture_hash(ai_balcony_down);
    flag_set(128);
    EXPECT_EQ(plain, picture_hash(ai_balcony_down));
    flag_clear(128);
    flag_set(157);
    EXPECT_EQ(plain, picture_hash(ai_balcony_down));
    flag_set(128);
    EXPECT_NE(plain, picture_hash(ai_balcony_down));
}

}  // namespace
