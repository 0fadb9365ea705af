// What the rooms with one door and the corridors answer alike: their door
// nouns, "room" and "corridor", and nouns that are not there.
#include "area.h"
#include "flags.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::command_output;
using gametest::enter;
using gametest::finish_waits;
using gametest::has;
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
        // The shared word names the corridor's own doors.
        std::string doors = reply("open door");
        EXPECT_EQ(doors.rfind("扉は複数ある。", 0), 0u) << c;
        EXPECT_TRUE(has(doors, "扉[") && has(doors, "]がある。")) << c << doors;
        EXPECT_EQ(reply("look corridor"), reply("look")) << c;
        EXPECT_EQ(reply("look room"), reply("look")) << c;
        EXPECT_TRUE(said(play({"get piano"}), "ここには見あたらない。")) << c;
        EXPECT_FALSE(said(play({"kick ceiling"}), "ここには見あたらない。")) << c;
        EXPECT_EQ(get_cur_area(), c);
    }
}

namespace {

// What "look" with a word answers in an area, waits read through.
std::string look_in(int area, const std::string &word) {
    enter(area);
    std::string out = joined(command_output("look " + word));
    finish_waits();
    return out;
}

bool is_door(int nid) {
    return (nid >= ni_front_door && nid <= ni_right_door) || nid == ni_round_door || nid == ni_small_door;
}

}  // namespace

// Wherever a word is shared by several things ("…は複数ある。"), the reply
// names each of them with its word, in every input language, and each word
// it shows works in that place. A door the place has is never left out: a
// door word the reply does not show is not here.
TEST_F(Common, SharedWordsNameWhatTheyMeanAndEachNameWorksThere) {
    int shared = 0;
    for (int area = ai_mailbox; area < ai_working; ++area) {
        for (int nid = ni_newspaper; nid <= ni_samurai_sword; ++nid) {
            if (nid2noun(nid) == nullptr || !has(look_in(area, nid2noun(nid)), "は複数ある。")) continue;
            ++shared;
            for (int mode : {0, 1, 2}) {
                set_input_mode(mode);
                std::string several = look_in(area, nid2noun(nid));
                int named = 0;
                for (int thing = ni_newspaper; thing <= ni_samurai_sword; ++thing) {
                    if (nid2noun(thing) == nullptr) continue;
                    bool shown = has(several, "[" + std::string(nid2noun(thing)) + "]");
                    if (!shown && !(nid == ni_door && is_door(thing))) continue;
                    named += shown;
                    std::string out = look_in(area, nid2noun(thing));
                    EXPECT_EQ(shown, !has(out, "ここには見あたらない。") && !has(out, "は複数ある。"))
                        << "area " << area << " noun " << nid << " mode " << mode << " names " << thing << ": " << out;
                }
                EXPECT_GE(named, 2) << "area " << area << " noun " << nid << " mode " << mode << ": " << several;
            }
            set_input_mode(0);
        }
    }
    // The doors of eight corridors and ten rooms, and the library's shelves.
    EXPECT_EQ(shared, 19);
}
