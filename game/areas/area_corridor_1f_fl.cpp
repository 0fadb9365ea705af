// The front of the ground floor's left wing: a corridor from the hall with
// a tall window on the left and the door of the guest room on the right.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "game_assert.h"
#include "noun.h"
#include "status.h"

#include "vexdraw.h"

namespace {

constexpr int FLAG_DOOR_HALL = 169;
constexpr int FLAG_DOOR_GUESTROOM = 177;

int redispatch(int vid, int *noun_here) {
    return area_call_handler(get_cur_area(), vid, ni_invalid, noun_here);
}

bool opens_door(int vid) { return vid == vi_open || vid == vi_push || vid == vi_pull; }

void look() {
    area_print_description(ai_corridor_1f_fl);
    message("廊下はまっすぐ奥へと続いている。左の壁には縦長の%nlがあり、右の壁には扉%nwがある。",
            ni_window, ni_right_door);
    message("背後にも扉%nwがある。", ni_back_door);
    if (flag_test(FLAG_DOOR_GUESTROOM)) message("右の扉の向こうは客室になっている。");
    if (flag_test(FLAG_DOOR_HALL)) message("背後の扉の向こうは玄関ホールだ。");
}

int move(int vid) {
    switch (vid) {
    case vi_forward:
        area_request_move(ai_corridor_1f_bl);
        return 1;
    case vi_backward:
        door_move(ai_entrance_hall, FLAG_DOOR_HALL);
        return 1;
    case vi_right:
        door_move(ai_guestroom_1f, FLAG_DOOR_GUESTROOM);
        return 1;
    case vi_look:
        look();
        return 1;
    default:
        return 0;
    }
}

int door(int vid, int direction, const char *description, int *noun_here) {
    if (opens_door(vid)) return redispatch(direction, noun_here);
    if (vid == vi_look) {
        message(description);
        return 1;
    }
    return 0;
}

}  // namespace

int area_corridor_1f_fl_handler(int vid, int nid, int *noun_here) {
    GAME_ASSERT("area_corridor_1f_fl", vid != vi_invalid);
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_room:
    case ni_corridor:
        if (vid == vi_look || vid == vi_exit) return redispatch(vid, noun_here);
        return 0;
    case ni_door:
        msg_several_doors();
        return 1;
    case ni_right_door:
        return door(vid, vi_right, "飾り気のない木の扉だ。", noun_here);
    case ni_back_door:
        return door(vid, vi_backward, "古びた木の扉だ。", noun_here);
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
        if (vid == vi_look) {
            message("色あせた壁紙の壁だ。腰の高さから下は板張りになっている。");
            return 1;
        }
        return 0;
    case ni_floor:
    case ni_ceiling:
        return 0;
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

void white() { vx_set_color(-1, -1, -1); }
void black() { vx_set_color(0, 0, 0); }

void outline(const VxPoint *p, int n) {
    for (int i = 0; i < n; ++i) {
        const VxPoint &a = p[i];
        const VxPoint &b = p[(i + 1) % n];
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
}

void occlude(const VxPoint *p, int n) {
    black();
    vx_fill_polygon(n, p);
    white();
    outline(p, n);
}

// The far end of the corridor: the frame scaled by 0.25 around the
// vanishing point (320, 168).
constexpr int BL = 245, BT = 128, BR = 395, BB = 208;

// A point on the left wall at screen x, h per mille of the wall's height
// above the floor; rw is the same on the right wall (the box is symmetric).
constexpr VxPoint lw(int x, int h) {
    int top = 7 + (x - 19) * (BT - 7) / (BL - 19);
    int bot = 329 - (x - 19) * (329 - BB) / (BL - 19);
    return {x, bot - (bot - top) * h / 1000};
}
constexpr VxPoint rw(int x, int h) { return {x, lw(640 - x, h).y}; }

constexpr VxPoint window_frame[] = {lw(64, 120), lw(64, 900), lw(156, 900), lw(156, 120)};
constexpr VxPoint window_glass[] = {lw(72, 160), lw(72, 860), lw(148, 860), lw(148, 160)};
constexpr VxPoint sill[] = {lw(58, 120), lw(162, 120), lw(162, 100), {58, lw(58, 100).y + 6}};

constexpr VxPoint door_frame[] = {rw(452, 0), rw(452, 760), rw(548, 760), rw(548, 0)};
constexpr VxPoint door_leaf[] = {rw(458, 0), rw(458, 730), rw(542, 730), rw(542, 0)};

void draw_box() {
    vx_draw_rect(BL, BT, BR, BB);
    vx_draw_line(BL, BT, 19, 7);
    vx_draw_line(BR, BT, 621, 7);
    vx_draw_line(BL, BB, 19, 329);
    vx_draw_line(BR, BB, 621, 329);
    // Floorboards running down the corridor.
    for (int x = BL + 15; x < BR; x += 15) vx_draw_line(x, BB, 320 + (x - 320) * 4, 329);
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
    static constexpr int y[] = {8, 72};
    static constexpr int drop[] = {22, 10};
    static constexpr int rx[] = {22, 10};
    static constexpr int ry[] = {6, 3};
    for (int i = 0; i < 2; ++i) {
        vx_draw_line(320, y[i], 320, y[i] + drop[i]);
        black();
        vx_fill_arc(320, y[i] + drop[i] + ry[i], rx[i], ry[i] * 2, 0, 180);
        white();
        vx_draw_arc(320, y[i] + drop[i] + ry[i], rx[i], ry[i] * 2, 0, 180);
        vx_draw_line(320 - rx[i], y[i] + drop[i] + ry[i], 320 + rx[i], y[i] + drop[i] + ry[i]);
    }
}

void draw_window() {
    occlude(window_frame, 4);
    outline(window_glass, 4);
    // Two columns of four panes each.
    VxPoint top = lw(110, 860), bottom = lw(110, 160);
    vx_draw_line(110, top.y, 110, bottom.y);
    for (int h = 335; h < 860; h += 175) {
        VxPoint a = lw(72, h), b = lw(148, h);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    occlude(sill, 4);
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
    outline(e, 4);
    vx_draw_line(a.x + 6, (a.y + d.y) / 2 + 2, b.x - 6, (b.y + c.y) / 2 - 2);
}

void draw_door() {
    occlude(door_frame, 4);
    outline(door_leaf, 4);
    // Two panels and the knob on the side nearest the corridor's end.
    for (int h = 80; h < 700; h += 330) {
        VxPoint p[] = {rw(470, h), rw(470, h + 270), rw(530, h + 270), rw(530, h)};
        outline(p, 4);
    }
    VxPoint knob = rw(464, 380);
    vx_draw_arc(knob.x, knob.y, 2, 4, 0, 360);
}

}  // namespace

void area_corridor_1f_fl_draw() {
    draw_box();
    draw_far_end();
    draw_lamps();
    draw_picture_frame();
    draw_window();
    draw_door();
}
