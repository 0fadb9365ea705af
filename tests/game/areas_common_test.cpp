// What the rooms with one door and the corridors answer alike: their door
// nouns, "room" and "corridor", and nouns that are not there.
#include "area.h"
#include "flags.h"
#include "game_support.h"
#include "input_mode.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::play;

// The replies, without the echoed command lines.
std::string joined(const std::vector<std::string> &lines) {
    std::string all;
    for (const std::string &l : lines)
        if (l.rfind(">", 0) != 0) all += l;
    return all;
}

bool said(const std::vector<std::string> &lines, const std::string &text) {
    return joined(lines).find(text) != std::string::npos;
}

class Common : public gametest::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        set_input_mode(0);
        play({"start"});
    }
};

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
            set_cur_area(r.area);
            flag_clear(r.door);
            EXPECT_TRUE(said(play({opening}), "扉を開けて移動した。")) << r.area << opening;
            EXPECT_EQ(get_cur_area(), r.corridor) << r.area << opening;
            EXPECT_TRUE(flag_test(r.door)) << r.area;
        }
        set_cur_area(r.area);
        EXPECT_EQ(joined(play({"look room"})), joined(play({"look"}))) << r.area;
        EXPECT_TRUE(said(play({"look piano"}), "ここには見あたらない。")) << r.area;
        for (const char *surface : {"kick wall", "kick floor", "kick ceiling"})
            EXPECT_FALSE(said(play({surface}), "ここには見あたらない。")) << r.area << surface;
        EXPECT_EQ(get_cur_area(), r.area);
    }
}

TEST_F(Common, CorridorsHaveSeveralDoorsAndAreRooms) {
    for (int c : corridors) {
        set_cur_area(c);
        EXPECT_TRUE(said(play({"open door"}), "扉は複数ある。")) << c;
        EXPECT_EQ(joined(play({"look corridor"})), joined(play({"look"}))) << c;
        EXPECT_EQ(joined(play({"look room"})), joined(play({"look"}))) << c;
        EXPECT_TRUE(said(play({"get piano"}), "ここには見あたらない。")) << c;
        EXPECT_FALSE(said(play({"kick ceiling"}), "ここには見あたらない。")) << c;
        EXPECT_EQ(get_cur_area(), c);
    }
}
