// The middle of the ground floor's right wing: a long corridor with the
// storage room's door on the right, running on to the doors at its far end.
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
    {vi_forward, ai_corridor_1f_br},
    {vi_backward, ai_corridor_1f_fr},
    {vi_right, ai_storage, F_DOOR_CORRIDOR_1F_MR_STORAGE},
};

void look() {
    area_print_description(ai_corridor_1f_mr);
    message("薄暗い廊下が奥へと長く延びている。右の壁に扉%nwがあり、廊下の奥にも左右に扉が見える。",
            ni_right_door);
    if (flag_test(F_DOOR_CORRIDOR_1F_MR_STORAGE)) message("右の扉の向こうは物置部屋になっている。");
}

}  // namespace

int area_corridor_1f_mr_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_room:
    case ni_corridor:
        return room_noun(vid, noun_here);
    // The only door within reach is the storage room's.
    case ni_door:
    case ni_right_door:
        return door_noun(vid, vi_right, "厚い板を打ち付けただけの、簡素な扉だ。", noun_here);
    case ni_wall:
        return look_reply(vid, "しみだらけの壁だ。等間隔に並んだ柱が、廊下の奥まで続いている。");
    default:
        return unknown_noun(nid, noun_here);
    }
}

// ---- Picture ----

namespace {

// The far end, small: the frame scaled by 0.12 around (320, 168).
constexpr int BL = 284, BT = 149, BR = 356, BB = 187;

constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

// Pilasters along both walls at these screen x, growing closer together
// with the distance; the near storage door stands between two of them.
constexpr int pilaster_x[] = {70, 150, 205, 240, 259, 272};

constexpr VxPoint store_frame[] = {rw(484, 0), rw(484, 740), rw(546, 740), rw(546, 0)};
constexpr VxPoint store_leaf[] = {rw(489, 0), rw(489, 715), rw(541, 715), rw(541, 0)};

void draw_box() {
    draw_room_box(BL, BT, BR, BB);
}

// A worn runner down the middle of the floor.
void draw_runner() {
    static constexpr VxPoint runner[] = {{314, BB}, {326, BB}, {371, 329}, {269, 329}};
    occlude(runner);
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
        draw_hanging_lamp(320, top.y, y - r / 2, y, r, r / 2 + 1);
    }
}

// The far end: a small door in the end wall and one in each side wall just
// before it.
void draw_far_doors() {
    vx_draw_rect(312, 163, 328, BB);
    vx_draw_circle(325, 176, 1);
    VxPoint l[] = {lw(276, 0), lw(276, 700), lw(281, 700), lw(281, 0)};
    outline(l);
    VxPoint r[] = {rw(364, 0), rw(364, 700), rw(359, 700), rw(359, 0)};
    outline(r);
}

void draw_storage_door() {
    occlude(store_frame);
    outline(store_leaf);
    // Planks of the door and two iron straps across them.
    for (int x = 502; x < 541; x += 13) {
        VxPoint a = rw(x, 0), b = rw(x, 715);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    for (int h = 160; h < 700; h += 420) {
        VxPoint a = rw(489, h), b = rw(541, h), c = rw(541, h + 40), d = rw(489, h + 40);
        VxPoint strap[] = {a, b, c, d};
        occlude(strap);
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
