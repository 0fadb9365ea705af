// The far end of the upper corridor's right wing: the bedroom on the left,
// the library's double door on the right, and a tall arched window at the
// end.
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
    {vi_backward, ai_corridor_2f_cr},
    {vi_left, ai_bedroom, F_DOOR_CORRIDOR_2F_R_BEDROOM},
    {vi_right, ai_library, F_DOOR_CORRIDOR_2F_R_LIBRARY},
};

void look() {
    area_print_description(ai_corridor_2f_r);
    message("廊下はここで行き止まりだ。左右の壁にはそれぞれ扉%nw%nwがあり、突き当たりには%nlがある。",
            ni_left_door, ni_right_door, ni_window);
    if (flag_test(F_DOOR_CORRIDOR_2F_R_BEDROOM)) message("左の扉の向こうは寝室になっている。");
    if (flag_test(F_DOOR_CORRIDOR_2F_R_LIBRARY)) message("右の扉の向こうは図書室になっている。");
}

int window(int vid) {
    switch (vid) {
    case vi_look:
        message("厚いカーテンが両脇に寄せられた、アーチ形の縦長の窓だ。外には暗い海が広がっている。");
        return 1;
    case vi_examine:
        message("窓枠はすっかり錆びついている。ガラス越しに、崖に打ち寄せる波が白く見える。");
        return 1;
    case vi_open:
        message("窓枠が錆びついていて、びくともしない。");
        return 1;
    case vi_exit:
        message("窓の外は切り立った崖だ。ここから出るのは自殺行為だろう。");
        return 1;
    case vi_break:
    case vi_hit:
    case vi_kick:
        msg_cannot_break();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_corridor_2f_r_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_left_door:
        return door_noun(vid, vi_left, "焦げ茶色の落ち着いた扉だ。", noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, "両開きの大きな扉だ。上半分には小さなガラスが何枚もはめ込まれている。",
                         noun_here);
    case ni_window:
        return window(vid);
    case ni_wall:
        return look_reply(vid, "腰板の張られた壁だ。窓の両脇に、厚いカーテンが重たげに垂れている。");
    case ni_floor:
        return look_reply(vid, "寄せ木細工の床だ。小さな板が、籠の目のように互い違いに組まれている。");
    case ni_ceiling:
        return look_reply(vid, "天井から、鉄の枠にガラスをはめたランタンが吊り下がっている。");
    default:
        return corridor_noun(vid, nid, noun_here, {ni_left_door, ni_right_door});
    }
}

// ---- Picture ----

namespace {

// The end wall: the frame scaled by 0.52 around (320, 160).
constexpr int BL = 164, BT = 80, BR = 476, BB = 248;

constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

constexpr side_door bedroom_door = {46, 128, 800, 52, 122, 770, 62, 112, 80, 260, 330, 2, 116, 390};

// The parquet: rows from the foot of the end wall to the frame, eight
// strips across; each square is laid the other way from its neighbours.
constexpr int floor_y[] = {BB, 256, 266, 278, 293, 310, 329};
constexpr int FLOOR_COLS = 8;

// x on the floor at row height y for strip boundary u (in eighths, 0..8).
int floor_x(int u, int y) {
    int half = (BR - 320) + (y - BB) * (301 - (BR - 320)) / (329 - BB);
    return 320 - half + 2 * half * u / FLOOR_COLS;
}

void draw_parquet() {
    int rows = static_cast<int>(sizeof floor_y / sizeof floor_y[0]);
    for (int i = 1; i + 1 < rows; ++i) vx_draw_line(floor_x(0, floor_y[i]), floor_y[i], floor_x(8, floor_y[i]), floor_y[i]);
    for (int u = 1; u < FLOOR_COLS; ++u) vx_draw_line(floor_x(u, BB), BB, floor_x(u, 329), 329);
    for (int i = 0; i + 1 < rows; ++i) {
        int y1 = floor_y[i], y2 = floor_y[i + 1];
        for (int u = 0; u < FLOOR_COLS; ++u) {
            if ((i + u) % 2 == 0) {
                // Strips running away from the viewer: thirds of the square.
                for (int k = 1; k < 3; ++k) {
                    int a = floor_x(u, y1) + (floor_x(u + 1, y1) - floor_x(u, y1)) * k / 3;
                    int b = floor_x(u, y2) + (floor_x(u + 1, y2) - floor_x(u, y2)) * k / 3;
                    vx_draw_line(a, y1, b, y2);
                }
            } else {
                // Strips running across.
                for (int k = 1; k < 3; ++k) {
                    int y = y1 + (y2 - y1) * k / 3;
                    vx_draw_line(floor_x(u, y), y, floor_x(u + 1, y), y);
                }
            }
        }
    }
}

void draw_walls() {
    draw_room_box(BL, BT, BR, BB);
    // Cornice, dado rail and skirting on all three walls.
    static constexpr int rail_h[] = {960, 380, 50};
    for (int h : rail_h) {
        wall_line(lw, 19, h, BL, h);
        wall_line(rw, 621, h, BR, h);
        int y = lw(BL, h).y;
        vx_draw_line(BL, y, BR, y);
    }
    // Panels under the dado on the end wall.
    int dado = lw(BL, 380).y;
    for (int x = 172; x + 40 < BR; x += 50) vx_draw_rect(x, dado + 8, x + 40, BB - 14);
}

// The arched window: the sea and the moon outside, then the glazing bars.
void draw_window() {
    occlude_rect(282, 130, 358, 222);
    black();
    vx_fill_arc(320, 130, 38, 28, 0, 180);
    white();
    // Outside: the moon over the horizon and the swell.
    vx_draw_circle(342, 118, 7);
    vx_draw_line(283, 176, 357, 176);
    for (int y = 184; y < 220; y += 9)
        for (int x = 288 + (y % 2) * 6; x + 10 < 356; x += 16) vx_draw_arc(x + 5, y, 5, 2, 0, 180);
    // The frame and the bars.
    vx_draw_arc(320, 130, 38, 28, 0, 180);
    vx_draw_line(282, 130, 282, 222);
    vx_draw_line(358, 130, 358, 222);
    for (int x = 301; x < 358; x += 19) vx_draw_line(x, 130, x, 222);
    for (int y = 153; y < 222; y += 23) vx_draw_line(282, y, 358, y);
    vx_draw_line(282, 130, 358, 130);
    vx_draw_line(320, 103, 320, 130);
    vx_draw_line(320, 130, 296, 110);
    vx_draw_line(320, 130, 344, 110);
    occlude_rect(274, 222, 366, 229);
}

// The heavy curtains gathered at each side, with their folds.
constexpr VxPoint curtain[] = {{246, 96}, {288, 96}, {284, 130}, {276, 168}, {286, 204},
                               {280, 246}, {248, 246}, {256, 200}, {252, 150}};

void draw_curtains() {
    vx_draw_line(240, 93, 400, 93);
    vx_draw_circle(238, 93, 4);
    vx_draw_circle(402, 93, 4);
    VxPoint right[9];
    for (int i = 0; i < 9; ++i) right[i] = {640 - curtain[i].x, curtain[i].y};
    occlude(curtain);
    occlude(right);
    for (int x = 258; x < 282; x += 8) {
        vx_draw_line(x, 98, x - 2, 166);
        vx_draw_line(640 - x, 98, 642 - x, 166);
    }
    // Tie-backs.
    vx_draw_arc(268, 170, 16, 4, 0, 360);
    vx_draw_arc(372, 170, 16, 4, 0, 360);
    for (int x = 256; x < 280; x += 7) {
        vx_draw_line(x, 176, x - 3, 244);
        vx_draw_line(640 - x, 176, 643 - x, 244);
    }
}

// The library's double door: two leaves, each glazed above a panel.
void draw_library_door() {
    const VxPoint frame[] = {rw(604, 0), rw(604, 830), rw(500, 830), rw(500, 0)};
    occlude(frame);
    for (int leaf = 0; leaf < 2; ++leaf) {
        int x1 = leaf == 0 ? 598 : 552, x2 = leaf == 0 ? 554 : 506;
        const VxPoint l[] = {rw(x1, 0), rw(x1, 800), rw(x2, 800), rw(x2, 0)};
        outline(l);
        const VxPoint panel[] = {rw(x1 - 6, 80), rw(x1 - 6, 330), rw(x2 + 6, 330), rw(x2 + 6, 80)};
        outline(panel);
        // Glazing: two panes across, three up.
        const VxPoint glass[] = {rw(x1 - 6, 440), rw(x1 - 6, 760), rw(x2 + 6, 760), rw(x2 + 6, 440)};
        outline(glass);
        int mid = (x1 + x2) / 2;
        wall_line(rw, mid, 440, mid, 760);
        for (int h = 547; h < 760; h += 107) wall_line(rw, x1 - 6, h, x2 + 6, h);
    }
    VxPoint k1 = rw(558, 390), k2 = rw(548, 390);
    vx_draw_arc(k1.x, k1.y, 2, 4, 0, 360);
    vx_draw_arc(k2.x, k2.y, 2, 4, 0, 360);
}

// The iron lantern hanging from the ceiling.
constexpr VxPoint lantern_cap[] = {{312, 36}, {328, 36}, {338, 46}, {302, 46}};
constexpr VxPoint lantern_foot[] = {{304, 76}, {336, 76}, {320, 88}};

void draw_lantern() {
    vx_draw_line(320, 8, 320, 30);
    vx_draw_circle(320, 33, 3);
    occlude_rect(304, 46, 336, 76);
    occlude(lantern_cap);
    occlude(lantern_foot);
    for (int x = 312; x < 336; x += 8) vx_draw_line(x, 46, x, 76);
    vx_draw_line(304, 52, 336, 52);
    vx_draw_line(304, 70, 336, 70);
}

}  // namespace

void area_corridor_2f_r_draw() {
    draw_walls();
    draw_parquet();
    draw_window();
    draw_curtains();
    draw_side_door(lw, bedroom_door);
    draw_library_door();
    draw_lantern();
}
