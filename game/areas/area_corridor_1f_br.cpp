// The end of the ground floor's right wing: a short dead end with the
// kitchen's door on the left and the laundry's on the right.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "game_assert.h"
#include "noun.h"
#include "status.h"

#include "vexdraw.h"

namespace {

constexpr int FLAG_DOOR_KITCHEN = 174;
constexpr int FLAG_DOOR_LAUNDRY = 175;

int redispatch(int vid, int *noun_here) {
    return area_call_handler(get_cur_area(), vid, ni_invalid, noun_here);
}

bool opens_door(int vid) { return vid == vi_open || vid == vi_push || vid == vi_pull; }

void look() {
    area_print_description(ai_corridor_1f_br);
    message("廊下はここで行き止まりだ。左右の壁にそれぞれ扉%nw%nwがある。", ni_left_door, ni_right_door);
    message("突き当たりの壁には小さな窓と、古い戸棚がある。");
    if (flag_test(FLAG_DOOR_KITCHEN)) message("左の扉の向こうは台所になっている。");
    if (flag_test(FLAG_DOOR_LAUNDRY)) message("右の扉の向こうは洗濯室になっている。");
}

int move(int vid) {
    switch (vid) {
    case vi_backward:
        area_request_move(ai_corridor_1f_mr);
        return 1;
    case vi_left:
        door_move(ai_kitchen, FLAG_DOOR_KITCHEN);
        return 1;
    case vi_right:
        door_move(ai_laundry, FLAG_DOOR_LAUNDRY);
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

int area_corridor_1f_br_handler(int vid, int nid, int *noun_here) {
    GAME_ASSERT("area_corridor_1f_br", vid != vi_invalid);
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
    case ni_left_door:
        return door(vid, vi_left, "上半分に曇りガラスのはまった扉だ。かすかに油の匂いがする。", noun_here);
    case ni_right_door:
        return door(vid, vi_right, "下のほうに、大きな獣が引っかいたような傷がある扉だ。", noun_here);
    case ni_window:
        switch (vid) {
        case vi_look:
            message("高いところにある小さな窓だ。鉄格子がはまっている。");
            return 1;
        case vi_open:
        case vi_exit:
        case vi_break:
            message("鉄格子がはまっていて、どうにもならない。");
            return 1;
        default:
            return 0;
        }
    case ni_cupboard:
        switch (vid) {
        case vi_look:
            message("古い戸棚だ。上には埃をかぶった空き瓶が並んでいる。");
            return 1;
        case vi_open:
        case vi_examine:
            message("戸棚の中は空っぽだ。");
            return 1;
        case vi_get:
            msg_too_big();
            return 1;
        case vi_move:
        case vi_push:
        case vi_pull:
            msg_does_not_budge();
            return 1;
        default:
            return 0;
        }
    case ni_wall:
        if (vid == vi_look) {
            message("突き当たりの壁だ。高いところに小さな窓があり、その下に戸棚が置かれている。");
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

// The dead end, near: the frame scaled by 0.55 around (320, 168).
constexpr int BL = 155, BT = 80, BR = 485, BB = 256;

constexpr VxPoint lw(int x, int h) {
    int top = 7 + (x - 19) * (BT - 7) / (BL - 19);
    int bot = 329 - (x - 19) * (329 - BB) / (BL - 19);
    return {x, bot - (bot - top) * h / 1000};
}
constexpr VxPoint rw(int x, int h) { return {x, lw(640 - x, h).y}; }

constexpr VxPoint kitchen_frame[] = {lw(44, 0), lw(44, 800), lw(124, 800), lw(124, 0)};
constexpr VxPoint kitchen_leaf[] = {lw(50, 0), lw(50, 770), lw(118, 770), lw(118, 0)};
constexpr VxPoint laundry_frame[] = {rw(516, 0), rw(516, 800), rw(596, 800), rw(596, 0)};
constexpr VxPoint laundry_leaf[] = {rw(522, 0), rw(522, 770), rw(590, 770), rw(590, 0)};

// The cupboard against the end wall: its front and its top seen from above.
constexpr VxPoint cupboard_top[] = {{262, 190}, {378, 190}, {386, 198}, {254, 198}};

void draw_box() {
    vx_draw_rect(BL, BT, BR, BB);
    vx_draw_line(BL, BT, 19, 7);
    vx_draw_line(BR, BT, 621, 7);
    vx_draw_line(BL, BB, 19, 329);
    vx_draw_line(BR, BB, 621, 329);
    // Square floor tiles.
    for (int x = BL + 33; x < BR; x += 33) vx_draw_line(x, BB, 320 + (x - 320) * 161 / 88, 329);
    for (int y = BB + 10, gap = 10; y < 329; gap += 5, y += gap) {
        int half = 165 + (y - BB) * 136 / 73;
        vx_draw_line(320 - half, y, 320 + half, y);
    }
}

// A small barred window high on the end wall.
void draw_window() {
    vx_draw_rect(296, 98, 344, 132);
    vx_draw_rect(300, 102, 340, 128);
    for (int x = 308; x < 340; x += 8) vx_draw_line(x, 102, x, 128);
    vx_draw_line(300, 115, 340, 115);
}

void draw_cupboard() {
    black();
    vx_fill_rect(258, 198, 382, BB);
    white();
    vx_draw_rect(258, 198, 382, BB);
    occlude(cupboard_top, 4);
    vx_draw_rect(264, 204, 318, 250);
    vx_draw_rect(322, 204, 376, 250);
    vx_draw_circle(314, 226, 2);
    vx_draw_circle(326, 226, 2);
    // Dusty bottles on top, from tall to squat.
    static constexpr int bx[] = {272, 292, 312, 350, 366};
    static constexpr int bh[] = {26, 18, 22, 14, 20};
    for (int i = 0; i < 5; ++i) {
        black();
        vx_fill_rect(bx[i] - 5, 194 - bh[i], bx[i] + 5, 194);
        white();
        vx_draw_rect(bx[i] - 5, 194 - bh[i], bx[i] + 5, 194);
        vx_draw_rect(bx[i] - 2, 194 - bh[i] - 6, bx[i] + 2, 194 - bh[i]);
    }
}

void draw_kitchen_door() {
    occlude(kitchen_frame, 4);
    outline(kitchen_leaf, 4);
    // Frosted glass in the upper half, a panel below.
    VxPoint g[] = {lw(60, 430), lw(60, 720), lw(108, 720), lw(108, 430)};
    outline(g, 4);
    for (int x = 68; x < 108; x += 10) {
        VxPoint a = lw(x, 450), b = lw(x + 6, 700);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    VxPoint p[] = {lw(60, 60), lw(60, 360), lw(108, 360), lw(108, 60)};
    outline(p, 4);
    VxPoint knob = lw(113, 390);
    vx_draw_arc(knob.x, knob.y, 2, 4, 0, 360);
}

void draw_laundry_door() {
    occlude(laundry_frame, 4);
    outline(laundry_leaf, 4);
    for (int h = 90; h < 700; h += 330) {
        VxPoint p[] = {rw(532, h), rw(532, h + 270), rw(580, h + 270), rw(580, h)};
        outline(p, 4);
    }
    // Claw marks low on the door.
    for (int x = 548; x < 568; x += 6) {
        VxPoint a = rw(x, 160), b = rw(x + 4, 60);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    VxPoint knob = rw(527, 390);
    vx_draw_arc(knob.x, knob.y, 2, 4, 0, 360);
}

void draw_bulb() {
    vx_draw_line(320, 8, 320, 40);
    vx_draw_circle(320, 46, 6);
    vx_draw_line(317, 44, 323, 48);
}

}  // namespace

void area_corridor_1f_br_draw() {
    draw_box();
    draw_window();
    draw_cupboard();
    draw_kitchen_door();
    draw_laundry_door();
    draw_bulb();
}
