// The front of the ground floor's left wing: a corridor from the hall with
// a tall window on the left and the door of the guest room on the right.
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
    {vi_forward, ai_corridor_1f_bl},
    {vi_backward, ai_entrance_hall, F_DOOR_HALL_CORRIDOR_1F_FL},
    {vi_right, ai_guestroom_1f, F_DOOR_CORRIDOR_1F_FL_GUESTROOM_1F},
};

void look() {
    area_print_description(ai_corridor_1f_fl);
    message("廊下はまっすぐ奥へと続いている。左の壁には縦長の%nlがあり、右の壁には扉%nwがある。",
            ni_window, ni_right_door);
    message("背後にも扉%nwがある。", ni_back_door);
    if (flag_test(F_DOOR_CORRIDOR_1F_FL_GUESTROOM_1F)) message("右の扉の向こうは客室になっている。");
    if (flag_test(F_DOOR_HALL_CORRIDOR_1F_FL)) message("背後の扉の向こうは玄関ホールだ。");
}

}  // namespace

int area_corridor_1f_fl_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_right_door:
        return door_noun(vid, vi_right, "飾り気のない木の扉だ。", noun_here);
    case ni_back_door:
        return door_noun(vid, vi_backward, "古びた木の扉だ。", noun_here);
    case ni_window:
        switch (vid) {
        case vi_look:
            message("天井近くまである縦長の窓だ。ガラス越しに、荒れ放題の庭と灰色の空が見える。");
            return 1;
        case vi_open:
        case vi_exit:
            message("窓枠は塗り込められていて、開きそうにない。");
            return 1;
        case vi_break:
        case vi_hit:
        case vi_kick:
            msg_cannot_break();
            return 1;
        default:
            return 0;
        }
    case ni_wall:
        return look_reply(vid, "色あせた壁紙の壁だ。腰の高さから下は板張りになっている。");
    default:
        return corridor_noun(vid, nid, noun_here, {ni_right_door, ni_back_door});
    }
}

// ---- Picture ----

namespace {

// The far end of the corridor: the frame scaled by 0.25 around the
// vanishing point (320, 168).
constexpr int BL = 245, BT = 128, BR = 395, BB = 208;

// A point on the left wall at screen x, h per mille of the wall's height
// above the floor; rw is the same on the right wall (the box is symmetric).
constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

constexpr VxPoint window_frame[] = {lw(64, 120), lw(64, 900), lw(156, 900), lw(156, 120)};
constexpr VxPoint window_glass[] = {lw(72, 160), lw(72, 860), lw(148, 860), lw(148, 160)};
constexpr VxPoint sill[] = {lw(58, 120), lw(162, 120), lw(162, 100), {58, lw(58, 100).y + 6}};

// The guest room's door: two panels and the knob on the side nearest the
// corridor's end.
constexpr side_door guestroom_door = {452, 548, 760, 458, 542, 730, 470, 530, 80, 270, 330, 2, 464, 380};

void draw_box() {
    draw_room_box(BL, BT, BR, BB);
    // Floorboards running down the corridor.
    draw_floor_boards(BL + 15, BR, 15, BB, 4, 1);
    // The dado rail along both walls and across the far end.
    vx_draw_line(lw(19, 350).x, lw(19, 350).y, BL, lw(BL, 350).y);
    vx_draw_line(rw(621, 350).x, rw(621, 350).y, BR, rw(BR, 350).y);
    vx_draw_line(BL, lw(BL, 350).y, BR, lw(BL, 350).y);
}

// Through the far end the corridor goes on to a double door.
void draw_far_end() {
    vx_draw_rect(290, 150, 350, BB);
    vx_draw_rect(302, 170, 338, BB);
    vx_draw_line(320, 170, 320, BB);
    vx_draw_line(290, 150, 302, 170);
    vx_draw_line(350, 150, 338, 170);
    vx_draw_circle(316, 190, 1);
    vx_draw_circle(324, 190, 1);
}

void draw_lamps() {
    draw_hanging_lamp(320, 8, 30, 36, 22, 12);
    draw_hanging_lamp(320, 72, 82, 85, 10, 6);
}

void draw_window() {
    occlude(window_frame);
    outline(window_glass);
    // Two columns of four panes each.
    VxPoint top = lw(110, 860), bottom = lw(110, 160);
    vx_draw_line(110, top.y, 110, bottom.y);
    for (int h = 335; h < 860; h += 175) {
        VxPoint a = lw(72, h), b = lw(148, h);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    occlude(sill);
    // Curtain cords hanging at both sides of the frame.
    for (int x = 60; x <= 160; x += 100) {
        VxPoint a = lw(x, 900), b = lw(x, 520);
        vx_draw_line(a.x, a.y, b.x, b.y);
        vx_draw_circle(b.x, b.y, 2);
    }
}

// A small framed picture further along the left wall.
void draw_picture_frame() {
    VxPoint a = lw(190, 720), b = lw(226, 720), c = lw(226, 500), d = lw(190, 500);
    VxPoint e[] = {a, b, c, d};
    outline(e);
    vx_draw_line(a.x + 6, (a.y + d.y) / 2 + 2, b.x - 6, (b.y + c.y) / 2 - 2);
}

}  // namespace

void area_corridor_1f_fl_draw() {
    draw_box();
    draw_far_end();
    draw_lamps();
    draw_picture_frame();
    draw_window();
    draw_side_door(rw, guestroom_door);
}
