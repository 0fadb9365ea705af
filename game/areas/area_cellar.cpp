// The cellar under the laundry: the stairs up to the hatch, the boiler
// room's door in the back wall, and the broken wall at right that opens on
// the passage down to the temple. The colonel's ruined shotgun lies here.
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
    {vi_forward, ai_boiler_room, F_DOOR_CELLAR_BOILER_ROOM},
    {vi_right, ai_corridor_0f},
};

void look() {
    area_print_description(ai_cellar);
    message("左側には、洗濯室へ上がる%nlがある。正面には小さな%nlがある。", ni_stairs, ni_door);
    message("右側の壁は大きく崩れ、穴が空いている。");
    message("床の上には%nlが落ちている。", ni_shotgun);
    if (flag_test(F_DOOR_CELLAR_BOILER_ROOM)) message("正面の扉はボイラー室に通じている。");
}

// Back up into the house, where saving is allowed again.
void go_up() {
    flag_clear(F_DANGER);
    door_move(ai_laundry, F_DOOR_LAUNDRY_CELLAR);
}

int move(int vid) {
    switch (vid) {
    case vi_left:
    case vi_up:
    case vi_exit:
        go_up();
        return 1;
    default:
        return exit_or_look(exits, vid, look);
    }
}

int shotgun(int vid) {
    switch (vid) {
    case vi_look:
    case vi_examine:
        message("いったい何にやられたのか、銃身がぐにゃりと曲がっている。");
        return 1;
    case vi_get:
        message("持って行っても役に立ちそうにない。");
        return 1;
    case vi_use:
    case vi_shoot:
        message("とても撃てる状態ではない。");
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_cellar_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_room:
        return room_noun(vid, noun_here);
    // The back wall's door is the only door down here; the hatch is above the stairs.
    case ni_door:
    case ni_front_door:
        return door_noun(vid, vi_forward, "古びた鉄の扉だ。表面は赤く錆びついている。", noun_here);
    case ni_stairs:
        if (vid == vi_up || vid == vi_enter) return redispatch(vi_left, noun_here);
        return look_reply(vid, "洗濯室のハッチへと上がる、急な木の階段だ。踏み板が所々たわんでいる。");
    case ni_hatch:
        if (vid == vi_open || vid == vi_enter || vid == vi_up) return redispatch(vi_left, noun_here);
        if (vid == vi_close) {
            message("閉めてしまう理由はない。");
            return 1;
        }
        return look_reply(vid, "階段の上の天井に、洗濯室へ抜けるハッチが口を開けている。");
    case ni_wall:
        if (vid == vi_enter) return redispatch(vi_right, noun_here);
        if (vid == vi_look || vid == vi_examine) {
            message("右側の壁は大きく崩れ、穴が空いている。");
            message("穴の向こうには、下へと続く%nlが見える。", ni_passage);
            return 1;
        }
        if (vid == vi_break || vid == vi_hit || vid == vi_kick) {
            message("もう十分すぎるほど壊れている。");
            return 1;
        }
        return 0;
    case ni_passage:
        if (vid == vi_enter || vid == vi_forward) return redispatch(vi_right, noun_here);
        return look_reply(vid, "崩れた壁の穴の向こうに、地下へと下っていく通路が続いている。");
    case ni_floor:
        if (vid != vi_look) return 0;
        message("床の上には%nlが落ちている。", ni_shotgun);
        return 1;
    case ni_ceiling:
        return look_reply(vid, "低い天井を太い梁が何本も横切っている。左手の隅には、洗濯室へ抜けるハッチがある。");
    case ni_shotgun:
        return shotgun(vid);
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

// One-point perspective: X across and Y down in frame units at the front
// (z 100, the frame's corners at X +-301, Y -143 and 179), the back wall at
// z 274, the vanishing point at (320, 150).
constexpr int CEIL = -143, FLOOR = 179, SIDE = 301;
constexpr VxPoint at(int x, int y, int z) { return {320 + x * 100 / z, 150 + y * 100 / z}; }
constexpr int BL = 210, BT = 98, BR = 430, BB = 215; // the back wall

// The stairs: STEPS blocks against the left wall, from under the hatch
// (far) down to the floor (near), each RISE lower and DEPTH nearer.
constexpr int STEPS = 9, RISE = 32, DEPTH = 10;
constexpr int SX1 = -296, SX2 = -190; // the stairs' left and right edges
constexpr int STAIR_Z = 200;          // the back of the top step

struct Step {
    VxPoint side[4];  // the right end facing the room
    VxPoint tread[4]; // the top, seen from above below eye level
    VxPoint front[4]; // the riser, down to the floor
    bool tread_seen;
};
struct Stairs {
    Step s[STEPS];
};

constexpr Stairs make_stairs() {
    Stairs st{};
    for (int k = 0; k < STEPS; ++k) {
        int y = CEIL + RISE * (k + 1), zb = STAIR_Z - DEPTH * k, zf = zb - DEPTH;
        Step &s = st.s[k];
        s.side[0] = at(SX2, y, zb);
        s.side[1] = at(SX2, y, zf);
        s.side[2] = at(SX2, FLOOR, zf);
        s.side[3] = at(SX2, FLOOR, zb);
        s.tread[0] = at(SX1, y, zb);
        s.tread[1] = at(SX2, y, zb);
        s.tread[2] = at(SX2, y, zf);
        s.tread[3] = at(SX1, y, zf);
        s.front[0] = at(SX1, y, zf);
        s.front[1] = at(SX2, y, zf);
        s.front[2] = at(SX2, FLOOR, zf);
        s.front[3] = at(SX1, FLOOR, zf);
        s.tread_seen = y > 0;
    }
    return st;
}
constexpr Stairs stairs = make_stairs();

// The hatch in the ceiling above the top of the stairs, its rim, and the
// laundry's ceiling seen through it.
constexpr VxPoint hatch[] = {at(SX1, CEIL, 240), at(SX2 + 14, CEIL, 240), at(SX2 + 14, CEIL, 140),
                             at(SX1, CEIL, 140)};
constexpr VxPoint hatch_rim[] = {at(SX1 + 14, CEIL, 230), at(SX2, CEIL, 230), at(SX2, CEIL, 150),
                                 at(SX1 + 14, CEIL, 150)};

// The ragged hole in the right wall, down to the floor.
constexpr VxPoint hole[] = {{458, 236}, {455, 206}, {462, 178}, {457, 150}, {468, 126}, {486, 114},
                            {498, 104}, {514, 100}, {526, 92},  {538, 106}, {535, 128}, {546, 156},
                            {540, 186}, {550, 214}, {543, 246}, {549, 276}, {536, 286}};
// Rubble below the hole, far pieces first.
constexpr VxPoint rubble[][5] = {
    {{468, 240}, {486, 230}, {500, 236}, {496, 248}, {472, 250}},
    {{500, 250}, {520, 238}, {540, 246}, {536, 262}, {506, 264}},
    {{446, 262}, {470, 252}, {492, 260}, {486, 276}, {452, 278}},
    {{520, 270}, {552, 262}, {566, 276}, {556, 294}, {524, 292}},
    {{478, 284}, {506, 276}, {530, 290}, {520, 308}, {484, 306}},
    {{548, 298}, {584, 288}, {604, 306}, {596, 324}, {554, 322}},
    {{430, 298}, {452, 290}, {470, 302}, {462, 318}, {434, 316}},
};

// The door in the back wall.
constexpr VxPoint door[] = {{292, 136}, {348, 136}, {348, BB}, {292, BB}};

// The bent shotgun on the floor: the stock, the receiver and the barrel
// that something twisted.
constexpr VxPoint gun_stock[] = {{236, 300}, {282, 288}, {292, 286}, {296, 296}, {250, 310}, {238, 310}};
constexpr VxPoint gun_barrel[] = {{294, 285}, {344, 276}, {352, 277}, {378, 296}, {374, 301},
                                  {348, 284}, {297, 294}};

void draw_room() {
    draw_room_box(BL, BT, BR, BB);
    // Stone courses on the back wall, joints staggered row by row.
    for (int i = 1; i < 10; ++i) {
        int y = BT + i * 12;
        if (y < BB) vx_draw_line(BL, y, BR, y);
        for (int x = BL + (i % 2 ? 14 : 28); x < BR; x += 28) vx_draw_line(x, y - 12, x, y);
    }
    // Courses along both side walls, from the back wall out to the frame.
    for (int y = CEIL + 36; y < FLOOR; y += 36) {
        VxPoint b = at(SIDE, y, 274), f = at(SIDE, y, 100);
        vx_draw_line(b.x, b.y, f.x, f.y);
        vx_draw_line(640 - b.x, b.y, 640 - f.x, f.y);
    }
    // Beams across the ceiling.
    for (int z = 130; z < 274; z += 40) {
        VxPoint l = at(-SIDE, CEIL, z), r = at(SIDE, CEIL, z), l2 = at(-SIDE, CEIL + 10, z), r2 = at(SIDE, CEIL + 10, z);
        black();
        vx_fill_rect(l.x, l.y, r.x, l2.y);
        white();
        vx_draw_line(l.x, l.y, r.x, r.y);
        vx_draw_line(l2.x, l2.y, r2.x, r2.y);
    }
    // Flagstones on the floor.
    for (int x = -240; x <= 240; x += 80) {
        VxPoint b = at(x, FLOOR, 274), f = at(x, FLOOR, 100);
        vx_draw_line(b.x, b.y, f.x, f.y);
    }
    for (int z = 120; z < 274; z += z / 3) {
        VxPoint l = at(-SIDE, FLOOR, z), r = at(SIDE, FLOOR, z);
        vx_draw_line(l.x, l.y, r.x, r.y);
    }
}

void draw_door() {
    occlude(door);
    for (int x = 302; x < 348; x += 10) vx_draw_line(x, 136, x, BB);
    vx_draw_rect(292, 146, 348, 152);
    vx_draw_rect(292, 196, 348, 202);
    for (int x = 296; x < 348; x += 12) {
        vx_draw_circle(x, 149, 1);
        vx_draw_circle(x, 199, 1);
    }
    vx_draw_circle(340, 176, 4);
    vx_draw_line(340, 180, 340, 186);
}

void draw_broken_wall() {
    black();
    vx_fill_polygon(sizeof hole / sizeof hole[0], hole);
    white();
    outline(hole);
    // Broken edges of the stones round the hole.
    for (int i = 0; i + 1 < static_cast<int>(sizeof hole / sizeof hole[0]); i += 2)
        vx_draw_line(hole[i].x, hole[i].y, hole[i].x + (hole[i].x < 500 ? -9 : 9), hole[i].y + 4);
    // Beyond the hole the passage slopes away into the dark.
    vx_draw_line(472, 150, 520, 178);
    vx_draw_line(470, 236, 516, 214);
    vx_draw_line(520, 178, 520, 214);
    vx_draw_line(486, 224, 498, 218);
    vx_draw_line(496, 230, 506, 224);
    for (const auto &r : rubble) occlude(r);
}

void draw_stairs() {
    occlude(hatch);
    outline(hatch_rim);
    for (int i = 0; i < 4; ++i) vx_draw_line(hatch[i].x, hatch[i].y, hatch_rim[i].x, hatch_rim[i].y);
    // Through the hatch, the laundry's bare bulb on its cord.
    int bx = (hatch_rim[0].x + hatch_rim[2].x) / 2;
    vx_draw_line(bx, hatch_rim[3].y + 2, bx, hatch_rim[0].y - 10);
    vx_draw_arc(bx, hatch_rim[0].y - 6, 4, 5, 0, 360);
    for (const Step &s : stairs.s) {
        occlude(s.side);
        if (s.tread_seen) occlude(s.tread);
        occlude(s.front);
    }
    // A handrail on posts along the open side.
    for (int k = 1; k < STEPS; k += 2) {
        int y = CEIL + RISE * (k + 1), z = STAIR_Z - DEPTH * k - DEPTH / 2;
        VxPoint foot = at(SX2, y, z), top = at(SX2, y - 64, z);
        vx_draw_line(foot.x, foot.y, top.x, top.y);
    }
    VxPoint rail_top = at(SX2, CEIL + RISE * 2 - 64, STAIR_Z - DEPTH - DEPTH / 2);
    VxPoint rail_end = at(SX2, CEIL + RISE * 9 - 64, STAIR_Z - DEPTH * 8 - DEPTH / 2);
    vx_draw_line(rail_top.x, rail_top.y, rail_end.x, rail_end.y);
    vx_draw_line(rail_top.x, rail_top.y + 3, rail_end.x, rail_end.y + 3);
}

void draw_shotgun() {
    occlude(gun_stock);
    vx_draw_line(248, 304, 284, 292);
    occlude(gun_barrel);
    vx_draw_line(300, 289, 346, 280);
    vx_draw_arc(300, 300, 6, 5, 180, 360);
    vx_draw_line(294, 296, 296, 302);
}

}  // namespace

void area_cellar_draw() {
    draw_room();
    draw_door();
    draw_broken_wall();
    draw_stairs();
    draw_shotgun();
}
