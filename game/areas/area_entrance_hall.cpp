// The entrance hall: twin staircases up to the landing, a gallery along the
// back wall, the double door to the dining room and the doors under the
// stairs to the two wings. The front door has shut for good behind the player.
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

// The doors to the dining room and to the right wing are locked from this
// side; their handles on the far side open them.
constexpr area_exit exits[] = {
    {.vid = vi_forward, .area = ai_dining, .door = F_DOOR_HALL_DINING, .locked_until = F_UNLOCKED_HALL_DINING},
    {vi_left, ai_corridor_1f_fl, F_DOOR_HALL_CORRIDOR_1F_FL},
    {.vid = vi_right,
     .area = ai_corridor_1f_fr,
     .door = F_DOOR_HALL_CORRIDOR_1F_FR,
     .locked_until = F_UNLOCKED_HALL_CORRIDOR_1F_FR},
    {vi_up, ai_landing},
};

void look() {
    area_print_description(ai_entrance_hall);
    message("吹き抜けの広間の左右から%nlが弧を描いて上り、二階の回廊へと続いている。", ni_stairs);
    message("正面の壁には両開きの扉%nwがあり、左右の階段の下にもそれぞれ扉%nw%nwがある。",
            ni_front_door, ni_left_door, ni_right_door);
    message("背後の玄関の扉%nwは固く閉ざされている。", ni_back_door);
    if (flag_test(F_DOOR_HALL_DINING)) message("正面の扉の向こうは食堂になっている。");
    if (flag_test(F_DOOR_HALL_CORRIDOR_1F_FL)) message("左の扉の向こうには廊下が続いている。");
    if (flag_test(F_DOOR_HALL_CORRIDOR_1F_FR)) message("右の扉の向こうにも廊下が続いている。");
}

int move(int vid) {
    switch (vid) {
    case vi_backward:
        message("玄関の扉は固く閉ざされている。");
        return 1;
    default:
        return exit_or_look(exits, vid, look);
    }
}

// A door noun: open, push and pull walk through it; look describes it.
}  // namespace

int area_entrance_hall_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_door:
        msg_several_doors({ni_front_door, ni_left_door, ni_right_door, ni_back_door});
        return 1;
    case ni_front_door:
        return door_noun(vid, vi_forward, "彫刻の施された両開きの扉だ。真鍮の取っ手が鈍く光っている。", noun_here);
    case ni_back_door:
        return door_noun(vid, vi_backward, "入ってきた玄関の扉だ。押しても引いてもびくともしない。", noun_here);
    case ni_left_door:
        return door_noun(vid, vi_left, "左の階段の下にある扉だ。", noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, "右の階段の下にある扉だ。", noun_here);
    case ni_stairs:
        if (vid == vi_up) return redispatch(vi_up, noun_here);
        return look_reply(vid, "左右対称に弧を描いて上る階段だ。二階の回廊には手すりがめぐらされ、そこから広間を見下ろせるようになっている。");
    case ni_wall:
        return look_reply(vid, "回廊の上の壁には、煤けた肖像画が二枚と丸窓がある。肖像画の顔はどちらも黒ずんで見分けられない。");
    case ni_ceiling:
        return look_reply(vid, "高い天井から、蝋燭を立てる古いシャンデリアが吊り下がっている。灯りはついていない。");
    case ni_floor:
        return look_reply(vid, "市松模様の石の床だ。正面の扉まで、色あせた絨毯が敷かれている。");
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

// The back wall; the room's corner lines run from it to the frame's corners
// (it is the frame scaled by 0.4 around the vanishing point 320, 168).
constexpr int BL = 200, BT = 104, BR = 440, BB = 232;
constexpr int GALLERY_Y = 160; // floor of the gallery on the back wall

// A staircase climbs from the front corner of the floor to the gallery.
// Its step profile has STEPS steps of DX across and DY down.
constexpr int STEPS = 12, DX = 11, DY = 14;
constexpr int STAIR_TOP = 232; // outer edge at the gallery (left stair)

struct Stair {
    VxPoint side[2 * STEPS + 2]; // the stair's side face with its step profile
    VxPoint treads[4];           // the band of treads along the wall
};

constexpr int mirror(int x, bool right) { return right ? 640 - x : x; }

constexpr Stair make_stair(bool right) {
    Stair s{};
    int n = 0;
    s.side[n++] = {mirror(STAIR_TOP, right), GALLERY_Y};
    for (int k = 0; k < STEPS; ++k) {
        int x = STAIR_TOP - DX * (k + 1);
        s.side[n++] = {mirror(x, right), GALLERY_Y + DY * k};
        s.side[n++] = {mirror(x, right), GALLERY_Y + DY * (k + 1)};
    }
    s.side[n++] = {mirror(STAIR_TOP, right), BB};
    s.treads[0] = {mirror(BL, right), GALLERY_Y};
    s.treads[1] = {mirror(STAIR_TOP, right), GALLERY_Y};
    s.treads[2] = {mirror(STAIR_TOP - DX * STEPS, right), GALLERY_Y + DY * STEPS};
    s.treads[3] = {mirror(19, right), 329};
    return s;
}

constexpr Stair left_stair = make_stair(false);
constexpr Stair right_stair = make_stair(true);

// The newel post at the stair's foot.
constexpr VxPoint newel_left[] = {{93, 284}, {107, 284}, {109, 290}, {109, 329}, {91, 329}, {91, 290}};
constexpr VxPoint newel_right[] = {{533, 284}, {547, 284}, {549, 290}, {549, 329}, {531, 329}, {531, 290}};

constexpr VxPoint carpet[] = {{296, BB}, {344, BB}, {380, 329}, {260, 329}};

// The chandelier's crown.
constexpr VxPoint crown[] = {{300, 30}, {340, 30}, {334, 40}, {306, 40}};

void draw_room() {
    draw_room_box(BL, BT, BR, BB);
}

// A chequered stone floor: lines towards the vanishing point, and rows
// that grow further apart towards the viewer.
void draw_floor() {
    draw_floor_boards(BL + 24, BR, 24, BB, 161, 64);
    int y = BB, gap = 6;
    while (y + gap < 329) {
        y += gap;
        gap += gap / 2;
        int half = 120 + (y - BB) * 181 / 97;
        vx_draw_line(320 - half, y, 320 + half, y);
    }
}

// The upper back wall: two dark portraits either side of a round window.
void draw_upper_wall() {
    for (int x = 236; x <= 376; x += 140) {
        vx_draw_rect(x, 114, x + 28, 140);
        vx_draw_rect(x + 3, 117, x + 25, 137);
        vx_draw_arc(x + 14, 124, 5, 6, 0, 360);
        vx_draw_arc(x + 14, 138, 10, 8, 0, 180);
    }
    vx_draw_circle(320, 126, 15);
    vx_draw_circle(320, 126, 12);
    for (int a = 0; a < 4; ++a) {
        static constexpr int dx[] = {12, 8, 0, -8};
        static constexpr int dy[] = {0, -8, -12, -8};
        vx_draw_line(320 - dx[a], 126 - dy[a], 320 + dx[a], 126 + dy[a]);
    }
}

// The gallery along the back wall with its balustrade.
void draw_gallery() {
    occlude_rect(BL, GALLERY_Y, BR, GALLERY_Y + 6);
    vx_draw_line(STAIR_TOP, GALLERY_Y - 14, 640 - STAIR_TOP, GALLERY_Y - 14);
    vx_draw_line(STAIR_TOP, GALLERY_Y - 12, 640 - STAIR_TOP, GALLERY_Y - 12);
    for (int x = STAIR_TOP + 4; x < 640 - STAIR_TOP; x += 8) vx_draw_line(x, GALLERY_Y - 12, x, GALLERY_Y);
}

// The double door to the dining room under the gallery.
void draw_double_door() {
    black();
    vx_fill_rect(286, 180, 354, BB);
    white();
    vx_draw_arc(320, 180, 34, 10, 0, 180);
    vx_draw_rect(286, 180, 354, BB);
    vx_draw_rect(290, 184, 319, BB);
    vx_draw_rect(321, 184, 350, BB);
    for (int x = 294; x < 350; x += 31) {
        vx_draw_rect(x, 190, x + 21, 206);
        vx_draw_rect(x, 212, x + 21, 228);
    }
    vx_draw_circle(316, 209, 2);
    vx_draw_circle(324, 209, 2);
}

void draw_carpet() {
    occlude(carpet);
    vx_draw_line(300, BB, 270, 329);
    vx_draw_line(340, BB, 370, 329);
}

void draw_stair(const Stair &s, bool right) {
    occlude(s.treads);
    // The nosings of the treads, from the wall to the step profile.
    for (int k = 1; k < STEPS; ++k) {
        int y = GALLERY_Y + DY * k;
        int wall = BL - (BL - 19) * (y - GALLERY_Y) / (329 - GALLERY_Y);
        vx_draw_line(mirror(wall, right), y, mirror(STAIR_TOP - DX * k, right), y);
    }
    occlude(s.side);
    // A moulded panel on the stair's side.
    vx_draw_line(mirror(STAIR_TOP - 6, right), GALLERY_Y + 28, mirror(STAIR_TOP - 6, right), BB - 6);
    vx_draw_line(mirror(STAIR_TOP - 6, right), BB - 6, mirror(128, right), 306);
    vx_draw_line(mirror(128, right), 306, mirror(STAIR_TOP - 6, right), GALLERY_Y + 28);
    // The balustrade: a handrail over the profile and a baluster on each step.
    int rail_top = GALLERY_Y - 14, rail_foot = 286;
    int x_top = STAIR_TOP + 2, x_foot = 102;
    vx_draw_line(mirror(x_top, right), rail_top, mirror(x_foot, right), rail_foot);
    for (int k = 0; k < STEPS; ++k) {
        int x = STAIR_TOP - DX * k - 6;
        int rail = rail_top + (x_top - x) * (rail_foot - rail_top) / (x_top - x_foot);
        vx_draw_line(mirror(x, right), GALLERY_Y + DY * k, mirror(x, right), rail);
    }
    occlude(right ? newel_right : newel_left);
    occlude_circle(mirror(100, right), 278, 6);
    vx_draw_line(mirror(91, right), 296, mirror(109, right), 296);
}

void draw_chandelier() {
    vx_draw_line(320, 8, 320, 30);
    occlude(crown);
    occlude_ellipse(320, 48, 40, 8);
    for (int x = 288; x <= 352; x += 16) {
        vx_draw_line(x, 44, x, 34);
        vx_draw_arc(x, 31, 2, 3, 0, 360);
        vx_draw_line(x, 56, x, 62);
        vx_draw_circle(x, 64, 2);
    }
    vx_draw_line(306, 40, 290, 44);
    vx_draw_line(334, 40, 350, 44);
}

}  // namespace

void area_entrance_hall_draw() {
    draw_room();
    draw_floor();
    draw_upper_wall();
    draw_gallery();
    draw_double_door();
    draw_carpet();
    draw_stair(left_stair, false);
    draw_stair(right_stair, true);
    draw_chandelier();
}
