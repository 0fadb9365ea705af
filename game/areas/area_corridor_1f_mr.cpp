// The middle of the ground floor's right wing: a long corridor with the
// storage room's door on the right, running on to the doors at its far end.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "game_assert.h"
#include "noun.h"
#include "status.h"

#include "vexdraw.h"

namespace {

constexpr int FLAG_DOOR_STORAGE = 178;

int redispatch(int vid, int *noun_here) {
    return area_call_handler(get_cur_area(), vid, ni_invalid, noun_here);
}

bool opens_door(int vid) { return vid == vi_open || vid == vi_push || vid == vi_pull; }

void look() {
    area_print_description(ai_corridor_1f_mr);
    message("薄暗い廊下が奥へと長く延びている。右の壁に扉%nwがあり、廊下の奥にも左右に扉が見える。",
            ni_right_door);
    if (flag_test(FLAG_DOOR_STORAGE)) message("右の扉の向こうは物置部屋になっている。");
}

int move(int vid) {
    switch (vid) {
    case vi_forward:
        area_request_move(ai_corridor_1f_br);
        return 1;
    case vi_backward:
        area_request_move(ai_corridor_1f_fr);
        return 1;
    case vi_right:
        door_move(ai_storage, FLAG_DOOR_STORAGE);
        return 1;
    case vi_look:
        look();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_corridor_1f_mr_handler(int vid, int nid, int *noun_here) {
    GAME_ASSERT("area_corridor_1f_mr", vid != vi_invalid);
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_room:
    case ni_corridor:
        if (vid == vi_look || vid == vi_exit) return redispatch(vid, noun_here);
        return 0;
    // The only door within reach is the storage room's.
    case ni_door:
    case ni_right_door:
        if (opens_door(vid)) return redispatch(vi_right, noun_here);
        if (vid == vi_look) {
            message("厚い板を打ち付けただけの、簡素な扉だ。");
            return 1;
        }
        return 0;
    case ni_wall:
        if (vid == vi_look) {
            message("しみだらけの壁だ。等間隔に並んだ柱が、廊下の奥まで続いている。");
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

// The far end, small: the frame scaled by 0.12 around (320, 168).
constexpr int BL = 284, BT = 149, BR = 356, BB = 187;

constexpr VxPoint lw(int x, int h) {
    int top = 7 + (x - 19) * (BT - 7) / (BL - 19);
    int bot = 329 - (x - 19) * (329 - BB) / (BL - 19);
    return {x, bot - (bot - top) * h / 1000};
}
constexpr VxPoint rw(int x, int h) { return {x, lw(640 - x, h).y}; }

// Pilasters along both walls at these screen x, growing closer together
// with the distance; the near storage door stands between two of them.
constexpr int pilaster_x[] = {70, 150, 205, 240, 259, 272};

constexpr VxPoint store_frame[] = {rw(484, 0), rw(484, 740), rw(546, 740), rw(546, 0)};
constexpr VxPoint store_leaf[] = {rw(489, 0), rw(489, 715), rw(541, 715), rw(541, 0)};

void draw_box() {
    vx_draw_rect(BL, BT, BR, BB);
    vx_draw_line(BL, BT, 19, 7);
    vx_draw_line(BR, BT, 621, 7);
    vx_draw_line(BL, BB, 19, 329);
    vx_draw_line(BR, BB, 621, 329);
}

// A worn runner down the middle of the floor.
void draw_runner() {
    static constexpr VxPoint runner[] = {{314, BB}, {326, BB}, {371, 329}, {269, 329}};
    occlude(runner, 4);
    for (int y = BB + 4, gap = 2; y < 329; gap += 2, y += gap) {
        int half = 6 + (y - BB) * 45 / 142;
        vx_draw_line(320 - half + 3, y, 320 + half - 3, y);
    }
}

// Pilasters and the ceiling beams that join them, from near to far.
void draw_pilasters() {
    for (int x : pilaster_x) {
        VxPoint lt = lw(x, 1000), lb = lw(x, 0);
        vx_draw_line(lt.x, lt.y, lb.x, lb.y);
        vx_draw_line(640 - lt.x, lt.y, 640 - lb.x, lb.y);
        vx_draw_line(lt.x, lt.y, 640 - lt.x, lt.y);
        int w = (x - 19) < 100 ? 6 : 3;
        vx_draw_line(lt.x + w, lt.y + w / 2, lb.x + w, lb.y - w / 2);
        vx_draw_line(640 - lt.x - w, lt.y + w / 2, 640 - lb.x - w, lb.y - w / 2);
        vx_draw_line(lt.x + w, lt.y + w / 2, 640 - lt.x - w, lt.y + w / 2);
    }
}

// Hanging lamps under the beams, smaller further off.
void draw_lamps() {
    for (int i = 0; i < 4; ++i) {
        VxPoint top = lw(pilaster_x[i], 1000);
        int r = 14 - i * 3;
        int y = top.y + r + 4;
        vx_draw_line(320, top.y, 320, y - r / 2);
        black();
        vx_fill_arc(320, y, r, r / 2 + 1, 0, 180);
        white();
        vx_draw_arc(320, y, r, r / 2 + 1, 0, 180);
        vx_draw_line(320 - r, y, 320 + r, y);
    }
}

// The far end: a small door in the end wall and one in each side wall just
// before it.
void draw_far_doors() {
    vx_draw_rect(312, 163, 328, BB);
    vx_draw_circle(325, 176, 1);
    VxPoint l[] = {lw(276, 0), lw(276, 700), lw(281, 700), lw(281, 0)};
    outline(l, 4);
    VxPoint r[] = {rw(364, 0), rw(364, 700), rw(359, 700), rw(359, 0)};
    outline(r, 4);
}

void draw_storage_door() {
    occlude(store_frame, 4);
    outline(store_leaf, 4);
    // Planks of the door and two iron straps across them.
    for (int x = 502; x < 541; x += 13) {
        VxPoint a = rw(x, 0), b = rw(x, 715);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    for (int h = 160; h < 700; h += 420) {
        VxPoint a = rw(489, h), b = rw(541, h), c = rw(541, h + 40), d = rw(489, h + 40);
        VxPoint strap[] = {a, b, c, d};
        occlude(strap, 4);
    }
    VxPoint ring = rw(494, 400);
    vx_draw_arc(ring.x, ring.y + 4, 3, 5, 0, 360);
}

}  // namespace

void area_corridor_1f_mr_draw() {
    draw_box();
    draw_runner();
    draw_far_doors();
    draw_pilasters();
    draw_lamps();
    draw_storage_door();
}
