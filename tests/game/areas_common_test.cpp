// What the rooms with one door and the corridors answer alike: their door
// nouns, "room" and "corridor", and nouns that are not there.
#include "area.h"
#include "flags.h"
#include "game_support.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::enter;
using gametest::joined;
using gametest::play;
using gametest::said;

class Common : public gametest::StartedGame {};

// What a command answers, without its echoed line.
std::string reply(const char *command) { return joined(play({command}), 1); }

struct one_door_room {
    int area, corridor, door;
};
constexpr one_door_room rooms[] = {
    {ai_bathroom, ai_corridor_1f_fr, F_DOOR_CORRIDOR_1F_FR_BATHROOM},
    {ai_guestroom_1f, ai_corridor_1f_fl, F_DOOR_CORRIDOR_1F_FL_GUESTROOM_1F},
    {ai_storage, ai_corridor_1f_mr, F_DOOR_CORRIDOR_1F_MR_STORAGE},
    {ai_playroom, ai_corridor_1f_bl, F_DOOR_CORRIDOR_1F_BL_PLAYROOM},
    {ai_boys_room, ai_corridor_2f_c, F_DOOR_CORRIDOR_2F_C_BOYS_ROOM},
    {ai_ladys_room, ai_corridor_2f_cr, F_DOOR_CORRIDOR_2F_CR_LADYS_ROOM},
    {ai_bedroom, ai_corridor_2f_r, F_DOOR_CORRIDOR_2F_R_BEDROOM},
    {ai_bathroom_2f, ai_music_room, F_DOOR_MUSIC_ROOM_BATHROOM_2F},
};

constexpr int corridors[] = {ai_corridor_1f_fl, ai_corridor_1f_bl, ai_corridor_1f_fr, ai_corridor_1f_br,
                             ai_corridor_2f_c,  ai_corridor_2f_cr, ai_corridor_2f_l,  ai_corridor_2f_r};

}  // namespace

TEST_F(Common, OneDoorRoomsLeaveByEitherDoorWordAndKnowTheirWalls) {
    for (const one_door_room &r : rooms) {
        for (const char *opening : {"open door", "push back door"}) {
            enter(r.area);
            flag_clear(r.door);
            EXPECT_TRUE(said(play({opening}), "扉を開けて移動した。")) << r.area << opening;
            EXPECT_EQ(get_cur_area(), r.corridor) << r.area << opening;
            EXPECT_TRUE(flag_test(r.door)) << r.area;
        }
        enter(r.area);
        EXPECT_EQ(reply("look room"), reply("look")) << r.area;
        EXPECT_TRUE(said(play({"look piano"}), "ここには見あたらない。")) << r.area;
        for (const char *surface : {"kick wall", "kick floor", "kick ceiling"})
            EXPECT_FALSE(said(play({surface}), "ここには見あたらない。")) << r.area << surface;
        EXPECT_EQ(get_cur_area(), r.area);
    }
}

TEST_F(Common, CorridorsHaveSeveralDoorsAndAreRooms) {
    for (int c : corridors) {
        enter(c);
        EXPECT_TRUE(said(play({"open door"}), "扉は複数ある。")) << c;
        EXPECT_EQ(reply("look corridor"), reply("look")) << c;
        EXPECT_EQ(reply("look room"), reply("look")) << c;
        EXPECT_TRUE(said(play({"get piano"}), "ここには見あたらない。")) << c;
        EXPECT_FALSE(said(play({"kick ceiling"}), "ここには見あたらない。")) << c;
        EXPECT_EQ(get_cur_area(), c);
    }
}
