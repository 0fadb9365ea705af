// The bedroom where the former owner's wife spent her last days: a double
// bed with the marble lost under it, an empty chest of drawers, a window.
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
    {vi_backward, ai_corridor_2f_r, F_DOOR_CORRIDOR_2F_R_BEDROOM},
};

bool marble_lying() { return flag_test(F_MARBLE_FOUND) && flag_test_not(F_MARBLE_TAKEN) && !has_item(ni_marble); }

void look_room() {
    area_print_description(ai_bedroom);
    message("部屋の中央には天蓋のない大きな%nlが据えられ、白いシーツが掛けられたままになっている。", ni_bed);
    message("右手の壁際には%nlがあり、左手の壁には背の高い%nlがある。", ni_chest, ni_window);
    if (flag_test(F_BEDROOM_DRAWER_OPEN)) message("箪笥の引き出しは開いたままだ。");
    if (marble_lying()) message("ベッドの下に%nlが転がっている。", ni_marble);
    if (flag_test(F_DOOR_CORRIDOR_2F_R_BEDROOM))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

// Looking under the bed finds the marble once.
void search_bed() {
    if (flag_test_not(F_MARBLE_FOUND)) {
        message("ベッドの下から%nlが出てきた。", ni_marble);
        flag_set(F_MARBLE_FOUND);
    } else if (marble_lying()) {
        message("ベッドの下に%nlが転がっている。", ni_marble);
    } else {
        message("ベッドの下には、もう埃しか残っていない。");
    }
}

int chest(int vid) {
    switch (vid) {
    case vi_look:
        if (flag_test(F_BEDROOM_DRAWER_OPEN))
            message("胡桃材の重厚な箪笥だ。引き出しはすべて開いているが、中は空っぽだ。");
        else
            message("胡桃材の重厚な箪笥だ。真鍮の取っ手のついた引き出しが三段ある。");
        return 1;
    case vi_open:
    case vi_pull:
        flag_set_once(F_BEDROOM_DRAWER_OPEN, "引き出しを開けた。", "引き出しはもう開いている。");
        return 1;
    case vi_close:
    case vi_push:
        flag_clear_once(F_BEDROOM_DRAWER_OPEN, "引き出しを閉じた。", "引き出しはもう閉まっている。");
        return 1;
    case vi_examine:
        if (flag_test(F_BEDROOM_DRAWER_OPEN))
            message("引き出しの奥まで探ってみたが、何も入っていない。持ち主の衣類はすべて片づけられてしまったようだ。");
        else
            message("引き出しは閉まっている。");
        return 1;
    case vi_get:
    case vi_move:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

int bed(int vid) {
    switch (vid) {
    case vi_look:
        message("二人で寝ても余るほど大きなベッドだ。シーツには、長く誰かが臥せっていたような窪みが残っている。");
        return 1;
    case vi_examine:
        search_bed();
        return 1;
    case vi_enter:
        message("横になっている場合ではない。");
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
    case vi_get:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_bedroom_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_chest:
    case ni_drawer:
        return chest(vid);

    case ni_bed:
    case ni_mattress:
        return bed(vid);

    case ni_floor:
        if (vid == vi_examine) {
            search_bed();
            return 1;
        }
        return 0;

    case ni_marble:
        return lying_item(vid, nid, marble_lying(), F_MARBLE_TAKEN, noun_here);

    case ni_window:
        if (vid == vi_look) {
            message("厚いカーテンの掛かった縦長の窓だ。カーテンの隙間から、灰色の海が見える。");
            return 1;
        }
        if (vid == vi_open || vid == vi_exit) {
            message("窓は錆びついていて、びくともしない。");
            return 1;
        }
        return 0;

    default:
        break;
    }
    return one_door_room_noun(vid, nid, noun_here);
}

// ---- Picture ----

namespace {

// The back wall; the eye is level with its middle (320, 135).
constexpr int WALL_L = 150, WALL_T = 55, WALL_R = 490, WALL_B = 215;

VxPoint left_wall(int x, int h) { return left_wall_point(WALL_L, WALL_T, WALL_B, x, h); }

// Moves a point of the chest toward the viewer, as a drawer pulled out.
VxPoint pulled(VxPoint p) { return {320 + (p.x - 320) * 6 / 5, 135 + (p.y - 135) * 6 / 5}; }

constexpr VxPoint headboard[] = {{226, 215}, {226, 150}, {250, 128}, {290, 120},
                                 {330, 128}, {354, 150}, {354, 215}};
constexpr VxPoint mattress_top[] = {{232, 190}, {348, 190}, {376, 248}, {134, 248}};
constexpr VxPoint mattress_front[] = {{134, 248}, {376, 248}, {376, 292}, {134, 292}};
constexpr VxPoint blanket_fold[] = {{216, 214}, {364, 214}, {376, 248}, {134, 248}};
constexpr VxPoint footboard[] = {{122, 262}, {150, 252}, {255, 246}, {360, 252},
                                 {388, 262}, {388, 306}, {122, 306}};
constexpr VxPoint curtain_left[] = {{38, 62},  {62, 72},  {58, 130}, {66, 200},
                                    {60, 262}, {40, 280}, {44, 200}, {36, 130}};
constexpr VxPoint curtain_right[] = {{96, 88},  {118, 94},  {112, 140}, {120, 196},
                                     {116, 236}, {98, 244}, {104, 190}, {94, 140}};

void draw_room() {
    draw_room_box(WALL_L, WALL_T, WALL_R, WALL_B);
    // A picture rail and skirting round the room.
    draw_rail(WALL_L, WALL_R, 80, 40);
    draw_floor_boards(200, 441, 30, WALL_B, 97, 40);
    // A framed seascape above the bed.
    vx_draw_rect(252, 86, 328, 118);
    vx_draw_rect(256, 90, 324, 114);
    vx_draw_line(256, 104, 280, 100);
    vx_draw_line(280, 100, 300, 105);
    vx_draw_line(300, 105, 324, 101);
}

// A tall window in the left wall with heavy curtains drawn aside.
void draw_window() {
    const VxPoint frame[] = {left_wall(56, 280), left_wall(56, 860), left_wall(104, 860), left_wall(104, 280)};
    outline(frame);
    for (int i = 1; i < 3; ++i) {
        VxPoint a = left_wall(56 + i * 16, 280), b = left_wall(56 + i * 16, 860);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    for (int h = 425; h < 860; h += 145) {
        VxPoint a = left_wall(56, h), b = left_wall(104, h);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    occlude(curtain_left);
    occlude(curtain_right);
    for (int i = 0; i < 3; ++i) {
        vx_draw_line(44 + i * 6, 80, 46 + i * 5, 250);
        vx_draw_line(102 + i * 5, 104, 104 + i * 4, 232);
    }
    VxPoint rod_a = left_wall(40, 920), rod_b = left_wall(122, 920);
    vx_draw_line(rod_a.x, rod_a.y, rod_b.x, rod_b.y);
}

// The bedside table at the bed's left, with a lamp on it.
void draw_bedside_table() {
    occlude_rect(168, 170, 212, 220);
    vx_draw_rect(172, 178, 208, 194);
    vx_draw_circle(190, 186, 2);
    vx_draw_line(172, 220, 172, 232);
    vx_draw_line(208, 220, 208, 232);
    constexpr VxPoint shade[] = {{178, 138}, {202, 138}, {208, 156}, {172, 156}};
    vx_draw_line(190, 156, 190, 170);
    vx_draw_line(182, 170, 198, 170);
    occlude(shade);
}

// The chest of drawers against the back wall at the right; its three
// drawers are shut or pulled out toward the viewer.
void draw_chest() {
    occlude_rect(398, 112, 478, 215);
    vx_draw_rect(394, 106, 482, 112);
    vx_draw_line(404, 215, 404, 222);
    vx_draw_line(472, 215, 472, 222);
    if (flag_test_not(F_BEDROOM_DRAWER_OPEN)) {
        for (int y = 118; y < 208; y += 30) {
            vx_draw_rect(404, y, 472, y + 24);
            vx_draw_line(424, y + 12, 432, y + 12);
            vx_draw_line(444, y + 12, 452, y + 12);
        }
        return;
    }
    // Bottom drawer first: each pulled drawer hides the opening below it.
    for (int y = 178; y >= 118; y -= 30) {
        const VxPoint front_a = pulled({404, y}), front_b = pulled({472, y + 24});
        // The hollow of the drawer seen from above, and its left side.
        const VxPoint hollow[] = {{404, y}, {472, y}, {front_b.x, front_a.y}, front_a};
        const VxPoint side[] = {{404, y}, front_a, {front_a.x, front_b.y}, {404, y + 24}};
        occlude(hollow);
        occlude(side);
        occlude_rect(front_a.x, front_a.y, front_b.x, front_b.y);
        int mid = (front_a.y + front_b.y) / 2;
        vx_draw_line(front_a.x + 22, mid, front_a.x + 31, mid);
        vx_draw_line(front_b.x - 31, mid, front_b.x - 22, mid);
    }
}

void draw_bed() {
    occlude(headboard);
    vx_draw_arc(290, 172, 36, 24, 0, 180);
    vx_draw_line(254, 172, 326, 172);
    occlude(mattress_top);
    occlude(mattress_front);
    // Two pillows and the turned-down sheet.
    occlude_ellipse(264, 198, 26, 8);
    occlude_ellipse(318, 198, 26, 8);
    occlude(blanket_fold);
    for (int i = 1; i < 6; ++i) vx_draw_line(150 + i * 40, 248, 160 + i * 30, 292);
    vx_draw_line(134, 270, 376, 270);
    // The hollow where someone lay a long time.
    vx_draw_arc(256, 232, 46, 6, 180, 360);
    // The space under the bed, where the marble is found.
    black();
    vx_fill_rect(140, 292, 370, 318);
    white();
    vx_draw_line(140, 318, 370, 318);
    occlude(footboard);
    vx_draw_rect(132, 266, 378, 298);
    for (int x = 170; x < 378; x += 52) vx_draw_line(x, 266, x, 298);
    occlude_rect(116, 240, 130, 322);
    occlude_rect(380, 240, 394, 322);
    occlude_circle(123, 236, 7);
    occlude_circle(387, 236, 7);
}

void draw_marble() {
    occlude_circle(270, 310, 5);
    vx_draw_line(268, 308, 270, 307);
}

}  // namespace

void area_bedroom_draw() {
    draw_room();
    draw_window();
    draw_bedside_table();
    draw_chest();
    draw_bed();
    if (flag_test(F_MARBLE_FOUND) && flag_test_not(F_MARBLE_TAKEN)) draw_marble();
}
