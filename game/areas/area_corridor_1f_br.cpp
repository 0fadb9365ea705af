// The end of the ground floor's right wing: a short dead end with the
// kitchen's door on the left and the laundry's on the right.
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
    {vi_backward, ai_corridor_1f_mr},
    {vi_left, ai_kitchen, F_DOOR_CORRIDOR_1F_BR_KITCHEN},
    {vi_right, ai_laundry, F_DOOR_CORRIDOR_1F_BR_LAUNDRY},
};

void look() {
    area_print_description(ai_corridor_1f_br);
    message("廊下はここで行き止まりだ。左右の壁にそれぞれ扉%nw%nwがある。", ni_left_door, ni_right_door);
    message("突き当たりの壁には小さな窓と、古い戸棚がある。");
    if (flag_test(F_DOOR_CORRIDOR_1F_BR_KITCHEN)) message("左の扉の向こうは台所になっている。");
    if (flag_test(F_DOOR_CORRIDOR_1F_BR_LAUNDRY)) message("右の扉の向こうは洗濯室になっている。");
}

}  // namespace

int area_corridor_1f_br_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_left_door:
        return door_noun(vid, vi_left, "上半分に曇りガラスのはまった扉だ。かすかに油の匂いがする。", noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, "下のほうに、大きな獣が引っかいたような傷がある扉だ。", noun_here);
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
        return look_reply(vid, "突き当たりの壁だ。高いところに小さな窓があり、その下に戸棚が置かれている。");
    default:
        return corridor_noun(vid, nid, noun_here, {ni_left_door, ni_right_door});
    }
}

// ---- Picture ----

namespace {

// The dead end, near: the frame scaled by 0.55 around (320, 168).
constexpr int BL = 155, BT = 80, BR = 485, BB = 256;

constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

// The kitchen's door has one low panel under its frosted glass; the
// laundry's has two panels.
constexpr side_door kitchen_door = {44, 124, 800, 50, 118, 770, 60, 108, 60, 300, 0, 1, 113, 390};
constexpr side_door laundry_door = {516, 596, 800, 522, 590, 770, 532, 580, 90, 270, 330, 2, 527, 390};

// The cupboard against the end wall: its front and its top seen from above.
constexpr VxPoint cupboard_top[] = {{262, 190}, {378, 190}, {386, 198}, {254, 198}};

void draw_box() {
    draw_room_box(BL, BT, BR, BB);
    // Square floor tiles.
    draw_floor_boards(BL + 33, BR, 33, BB, 161, 88);
    for (int y = BB + 10, gap = 10; y < 329; gap += 5, y += gap) {
        int half = 165 + (y - BB) * 136 / 73;
        vx_draw_line(320 - half, y, 320 + half, y);
    }
}

void draw_cupboard() {
    occlude_rect(258, 198, 382, BB);
    occlude(cupboard_top);
    vx_draw_rect(264, 204, 318, 250);
    vx_draw_rect(322, 204, 376, 250);
    vx_draw_circle(314, 226, 2);
    vx_draw_circle(326, 226, 2);
    // Dusty bottles on top, from tall to squat.
    static constexpr int bx[] = {272, 292, 312, 350, 366};
    static constexpr int bh[] = {26, 18, 22, 14, 20};
    for (int i = 0; i < 5; ++i) {
        occlude_rect(bx[i] - 5, 194 - bh[i], bx[i] + 5, 194);
        vx_draw_rect(bx[i] - 2, 194 - bh[i] - 6, bx[i] + 2, 194 - bh[i]);
    }
}

void draw_kitchen_door() {
    draw_side_door(lw, kitchen_door);
    // Frosted glass in the upper half.
    VxPoint g[] = {lw(60, 430), lw(60, 720), lw(108, 720), lw(108, 430)};
    outline(g);
    for (int x = 68; x < 108; x += 10) {
        VxPoint a = lw(x, 450), b = lw(x + 6, 700);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
}

void draw_laundry_door() {
    draw_side_door(rw, laundry_door);
    // Claw marks low on the door.
    for (int x = 548; x < 568; x += 6) {
        VxPoint a = rw(x, 160), b = rw(x + 4, 60);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
}

void draw_bulb() {
    vx_draw_line(320, 8, 320, 40);
    vx_draw_circle(320, 46, 6);
    vx_draw_line(317, 44, 323, 48);
}

}  // namespace

void area_corridor_1f_br_draw() {
    draw_box();
    // A small barred window high on the end wall.
    draw_paned_window(296, 98, 344, 132, 4, 5, 2);
    draw_cupboard();
    draw_kitchen_door();
    draw_laundry_door();
    draw_bulb();
}
