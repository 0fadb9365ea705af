// The near half of the upper corridor's right wing: the lady's room on the
// left, the study on the right, and the corridor running on under its
// vaulted ceiling. Once the shadow is loose it roams here.
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
    {vi_forward, ai_corridor_2f_r},
    {vi_backward, ai_corridor_2f_c},
    {vi_left, ai_ladys_room, F_DOOR_CORRIDOR_2F_CR_LADYS_ROOM},
    {vi_right, ai_study, F_DOOR_CORRIDOR_2F_CR_STUDY},
};

// The shadow's approach after the necklace is taken: its first stage is
// only the scream; from the second on it is out in the corridor.
bool shadow_in_corridor() {
    return flag_test(F_SHADOW_OUTSIDE) || flag_test(F_SHADOW_ENTERS) || flag_test(F_SHADOW_HERE);
}

bool is_movement(int vid) { return vid >= vi_forward && vid <= vi_exit; }

void look() {
    area_print_description(ai_corridor_2f_cr);
    message("廊下はさらに奥へと続いている。左右の壁にはそれぞれ扉%nw%nwがある。", ni_left_door, ni_right_door);
    message("奥の左右の壁にも扉が見え、突き当たりには%nlがある。", ni_window);
    if (flag_test(F_DOOR_CORRIDOR_2F_CR_LADYS_ROOM)) message("左の扉の向こうは婦人部屋になっている。");
    if (flag_test(F_DOOR_CORRIDOR_2F_CR_STUDY)) message("右の扉の向こうは書斎になっている。");
    if (shadow_in_corridor()) message("廊下の空気が異様に冷たい。何者かがすぐそばにいる気配がする。");
}

int move(int vid) {
    // With the shadow here there is no getting past it: the turn's end
    // brings it down on the player before any step is taken.
    if (is_movement(vid) && shadow_in_corridor()) return 1;
    return exit_or_look(exits, vid, look);
}

}  // namespace

int area_corridor_2f_cr_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_left_door:
        return door_noun(vid, vi_left, "優美な彫刻の施された扉だ。楕円形の鏡板に薔薇の模様が浮き彫りになっている。",
                         noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, "黒ずんだ樫材の、がっしりとした扉だ。", noun_here);
    case ni_window:
        if (vid == vi_look) {
            message("廊下の突き当たりに、アーチ形の縦長の窓がある。ここからでは遠い。");
            return 1;
        }
        if (vid == vi_open || vid == vi_close || vid == vi_touch || vid == vi_break) {
            msg_too_far();
            return 1;
        }
        return 0;
    case ni_wall:
        return look_reply(vid, "腰板の張られた壁だ。扉と扉の間に、額に入った絵と燭台が掛かっている。");
    case ni_floor:
        return look_reply(vid, "長い廊下の奥まで、細長い絨毯がまっすぐに敷かれている。");
    case ni_ceiling:
        return look_reply(vid, "天井は丸いアーチ形になっていて、奥に向かっていくつもの梁が弧を描いている。");
    default:
        return corridor_noun(vid, nid, noun_here, {ni_left_door, ni_right_door});
    }
}

void area_corridor_2f_cr_turn_hook(int counted) {
    if (!counted) return;
    if (shadow_in_corridor()) die_by_shadow();
}

// ---- Picture ----

namespace {

// The far end: the frame scaled by 0.18 around (320, 160).
constexpr int BL = 266, BT = 132, BR = 374, BB = 190;
constexpr int VY = 160;

constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

// The doors near by (the lady's room left, the study right) and the far
// left one (the bedroom's).
constexpr side_door ladys_door = {34, 112, 800, 40, 106, 770, 52, 94, 80, 220, 0, 1, 100, 390};
constexpr side_door study_door = {528, 606, 800, 534, 600, 770, 544, 590, 90, 250, 330, 2, 540, 390};
constexpr side_door bedroom_door = {194, 226, 800, 197, 223, 770, 201, 219, 100, 240, 330, 2, 221, 400};

// The runner along the whole corridor and its bands, closer together far away.
constexpr VxPoint runner[] = {{308, BB}, {332, BB}, {388, 329}, {252, 329}};
constexpr int runner_y[] = {194, 199, 205, 213, 223, 236, 253, 276, 306};

int runner_half(int y, int in) { return (12 - in) * (y - VY) / (BB - VY); }

// The vault's ribs: each an arch over the corridor at scale per mille.
constexpr int rib_scale[] = {780, 560, 410, 300, 230};

void draw_box() {
    draw_room_box(BL, BT, BR, BB);
    draw_floor_boards(BL + 12, BR, 12, BB, 169, 30);
    for (int s : rib_scale) {
        int top = VY - 153 * s / 1000, half = 301 * s / 1000;
        vx_draw_arc(320, top, half, 28 * s / 1000, 0, 180);
    }
    vx_draw_arc(320, BT, 54, 5, 0, 180);
    // The crown of the vault.
    vx_draw_line(320, BT - 5, 320, 7);
}

void draw_wainscot() {
    wall_line(lw, 19, 380, BL, 380);
    wall_line(rw, 621, 380, BR, 380);
    wall_line(lw, 19, 60, BL, 60);
    wall_line(rw, 621, 60, BR, 60);
    int y = lw(BL, 380).y;
    vx_draw_line(BL, y, BR, y);
}

// The arched window at the far end with its curtains drawn aside.
constexpr VxPoint curtain_l[] = {{296, 138}, {305, 138}, {304, 160}, {306, 186}, {298, 186}, {300, 160}};
constexpr VxPoint curtain_r[] = {{344, 138}, {335, 138}, {336, 160}, {334, 186}, {342, 186}, {340, 160}};

void draw_end_window() {
    vx_draw_line(306, 150, 306, 182);
    vx_draw_line(334, 150, 334, 182);
    vx_draw_arc(320, 150, 14, 10, 0, 180);
    vx_draw_line(306, 182, 334, 182);
    vx_draw_line(320, 141, 320, 182);
    vx_draw_line(306, 160, 334, 160);
    vx_draw_line(306, 171, 334, 171);
    occlude(curtain_l);
    occlude(curtain_r);
    vx_draw_line(295, 137, 345, 137);
}

// A framed painting hung on a side wall: a tree on a hill.
void draw_painting(wall_point_fn wall, int x1, int x2) {
    const VxPoint frame[] = {wall(x1, 460), wall(x1, 720), wall(x2, 720), wall(x2, 460)};
    occlude(frame);
    int in = x1 < x2 ? 4 : -4;
    const VxPoint canvas[] = {wall(x1 + in, 480), wall(x1 + in, 700), wall(x2 - in, 700), wall(x2 - in, 480)};
    outline(canvas);
    VxPoint hill_a = wall(x1 + in, 540), hill_top = wall((x1 + x2) / 2, 575), hill_b = wall(x2 - in, 550);
    vx_draw_line(hill_a.x, hill_a.y, hill_top.x, hill_top.y);
    vx_draw_line(hill_top.x, hill_top.y, hill_b.x, hill_b.y);
    int tree_x = x1 + (x2 - x1) / 3;
    VxPoint root = wall(tree_x, 560), crown = wall(tree_x, 640);
    vx_draw_line(root.x, root.y, crown.x, crown.y);
    vx_draw_circle(crown.x, crown.y - 3, 7);
    VxPoint sun = wall(x2 - 3 * in, 660);
    vx_draw_circle(sun.x, sun.y, 3);
}

// A candle bracket on a side wall.
void draw_sconce(wall_point_fn wall, int x) {
    VxPoint b = wall(x, 600);
    vx_draw_arc(b.x, b.y, 3, 6, 0, 360);
    vx_draw_line(b.x - 5, b.y + 10, b.x + 5, b.y + 10);
    vx_draw_rect(b.x - 2, b.y - 4, b.x + 2, b.y + 10);
    vx_draw_line(b.x, b.y - 4, b.x, b.y - 8);
}

void draw_ladys_door() {
    draw_side_door(lw, ladys_door);
    // The oval panel with its carved rose.
    VxPoint c = lw(73, 560);
    vx_draw_arc(c.x, c.y, 12, 26, 0, 360);
    vx_draw_circle(c.x, c.y, 5);
    vx_draw_arc(c.x, c.y, 8, 9, 0, 360);
    vx_draw_line(c.x, c.y + 9, c.x, c.y + 20);
    vx_draw_arc(c.x - 4, c.y + 14, 4, 2, 0, 360);
}

// The library's double door, far on the right.
void draw_library_door() {
    const VxPoint frame[] = {rw(446, 0), rw(446, 820), rw(412, 820), rw(412, 0)};
    const VxPoint leaf[] = {rw(443, 0), rw(443, 790), rw(415, 790), rw(415, 0)};
    occlude(frame);
    outline(leaf);
    wall_line(rw, 429, 0, 429, 790);
    VxPoint k1 = rw(431, 400), k2 = rw(427, 400);
    vx_draw_circle(k1.x, k1.y, 1);
    vx_draw_circle(k2.x, k2.y, 1);
}

void draw_runner() {
    occlude(runner);
    vx_draw_line(320 - runner_half(BB, 3), BB + 1, 320 - runner_half(329, 3), 329);
    vx_draw_line(320 + runner_half(BB, 3), BB + 1, 320 + runner_half(329, 3), 329);
    for (int y : runner_y) {
        int h = runner_half(y, 3);
        vx_draw_line(320 - h, y, 320 + h, y);
    }
}

}  // namespace

void area_corridor_2f_cr_draw() {
    draw_box();
    draw_wainscot();
    draw_end_window();
    draw_side_door(lw, bedroom_door);
    draw_library_door();
    draw_painting(lw, 138, 178);
    draw_painting(rw, 502, 462);
    draw_sconce(lw, 124);
    draw_sconce(rw, 516);
    draw_ladys_door();
    draw_side_door(rw, study_door);
    draw_runner();
}
