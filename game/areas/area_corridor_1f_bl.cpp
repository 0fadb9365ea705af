// The end of the ground floor's left wing: the double door of the living
// room ahead and the playroom's door on the left.
#include "areas.h"

#include "area.h"
#include "area_kit.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "message.h"
#include "noun.h"
#include "status.h"

#include "vexdraw.h"

namespace {

constexpr area_exit exits[] = {
    {vi_backward, ai_corridor_1f_fl},
    {vi_left, ai_playroom, F_DOOR_CORRIDOR_1F_BL_PLAYROOM},
};

void look() {
    area_print_description(ai_corridor_1f_bl);
    message("廊下はここで突き当たりになっていて、正面に両開きの扉%nwがある。左の壁にも扉%nwがある。",
            ni_front_door, ni_left_door);
    if (flag_test(F_DOOR_CORRIDOR_1F_BL_LIVING)) message("正面の扉の向こうは居間になっている。");
    if (flag_test(F_DOOR_CORRIDOR_1F_BL_PLAYROOM)) message("左の扉の向こうは遊戯室になっている。");
}

// The telephone in the living room starts ringing the moment the player
// first walks in; once it has rung (or been answered) it stays quiet.
void enter_living() {
    door_move(ai_living, F_DOOR_CORRIDOR_1F_BL_LIVING);
    if (flag_test_not(F_PHONE_RINGING) && flag_test_not(F_PHONE_DEAD)) event_phone_starts();
    flag_set(F_PHONE_RINGING);
}

int move(int vid) {
    if (vid == vi_forward) {
        enter_living();
        return 1;
    }
    return exit_or_look(exits, vid, look);
}

}  // namespace

int area_corridor_1f_bl_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_front_door:
        return door_noun(vid, vi_forward, "上部に飾り彫りのある、立派な両開きの扉だ。", noun_here);
    case ni_left_door:
        return door_noun(vid, vi_left, "子供の背丈ほどのところに、落書きのような傷がついた扉だ。", noun_here);
    case ni_wall:
        return look_reply(vid, "右の壁には燭台と、海を描いた小さな風景画が掛かっている。");
    default:
        return corridor_noun(vid, nid, noun_here, {ni_front_door, ni_left_door});
    }
}

// ---- Picture ----

namespace {

// The end wall, near: the frame scaled by 0.45 around (320, 168).
constexpr int BL = 185, BT = 96, BR = 455, BB = 240;

constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

constexpr int DADO = 330; // height of the dado rail, per mille

constexpr VxPoint pediment[] = {{256, 128}, {320, 104}, {384, 128}, {384, 134}, {256, 134}};

// The playroom's door: two panels and the knob.
constexpr side_door playroom_door = {62, 148, 780, 68, 142, 750, 80, 130, 90, 260, 320, 2, 136, 380};

// A wall sconce and a small seascape on the right wall.
constexpr VxPoint sconce[] = {rw(560, 560), rw(566, 560), rw(566, 620), rw(560, 620)};

void draw_box() {
    draw_room_box(BL, BT, BR, BB);
    // Floorboards, and a runner carpet leading to the double door.
    draw_floor_boards(BL + 30, BR, 30, BB, 161, 72);
    VxPoint a = lw(19, DADO), b = lw(BL, DADO);
    vx_draw_line(a.x, a.y, b.x, b.y);
    vx_draw_line(640 - a.x, a.y, 640 - b.x, b.y);
    vx_draw_line(BL, b.y, 266, b.y);
    vx_draw_line(374, b.y, BR, b.y);
}

void draw_runner() {
    static constexpr VxPoint runner[] = {{290, BB}, {350, BB}, {387, 329}, {253, 329}};
    occlude(runner);
    // A fringe at the runner's near end and a diamond pattern along it.
    for (int x = 258; x < 384; x += 6) vx_draw_line(x, 320, x, 329);
    vx_draw_line(256, 320, 384, 320);
    for (int y = 252; y < 312; y += 20) {
        int half = 30 + (y - BB) * 67 / 89 - 12;
        vx_draw_line(320, y - 6, 320 + half / 2, y);
        vx_draw_line(320 + half / 2, y, 320, y + 6);
        vx_draw_line(320, y + 6, 320 - half / 2, y);
        vx_draw_line(320 - half / 2, y, 320, y - 6);
    }
}

void draw_double_door() {
    occlude_rect(262, 134, 378, BB);
    occlude(pediment);
    vx_draw_circle(320, 120, 5);
    vx_draw_rect(266, 138, 318, BB);
    vx_draw_rect(322, 138, 374, BB);
    // Three panels on each leaf.
    for (int x = 272; x < 374; x += 56) {
        vx_draw_rect(x, 146, x + 40, 166);
        vx_draw_rect(x, 172, x + 40, 202);
        vx_draw_rect(x, 208, x + 40, 232);
    }
    vx_draw_line(318, 186, 312, 186);
    vx_draw_line(322, 186, 328, 186);
    vx_draw_circle(312, 186, 2);
    vx_draw_circle(328, 186, 2);
}

void draw_right_wall() {
    VxPoint p[] = {rw(470, 520), rw(470, 760), rw(530, 760), rw(530, 520)};
    outline(p);
    // Waves in the seascape.
    for (int i = 1; i <= 3; ++i) {
        VxPoint a = rw(476, 520 + i * 50), b = rw(524, 520 + i * 50);
        vx_draw_line(a.x, a.y, (a.x + b.x) / 2, (a.y + b.y) / 2 - 3);
        vx_draw_line((a.x + b.x) / 2, (a.y + b.y) / 2 - 3, b.x, b.y);
    }
    occlude(sconce);
    VxPoint cup = rw(563, 640);
    vx_draw_line(cup.x, sconce[2].y, cup.x + 8, cup.y);
    vx_draw_line(cup.x + 4, cup.y, cup.x + 12, cup.y);
    vx_draw_line(cup.x + 8, cup.y, cup.x + 8, cup.y - 14);
    vx_draw_arc(cup.x + 8, cup.y - 18, 2, 4, 0, 360);
}

}  // namespace

void area_corridor_1f_bl_draw() {
    draw_box();
    draw_runner();
    draw_double_door();
    draw_side_door(lw, playroom_door);
    draw_right_wall();
    draw_hanging_lamp(320, 8, 46, 58, 20, 12);
}
