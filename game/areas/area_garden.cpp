// The overgrown garden beside the house; far off, a pickup truck stands on
// the road.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "message.h"
#include "noun.h"
#include "status.h"
#include "vexdraw.h"
#include "area_kit.h"

namespace {

constexpr area_exit exits[] = {
    {vi_left, ai_entrance},
    {vi_right, ai_under_tree},
};

}  // namespace

int area_garden_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        if (take_exit(exits, vid)) return 1;
        switch (vid) {
        case vi_look:
            area_print_description(ai_garden);
            message("手入れされなくなって久しい%nlには、棘のある灌木と雑草がはびこっている。", ni_garden);
            message("庭のずっと奥には%nlが一台停まっている。", ni_car);
            return 1;
        default:
            return 0;
        }
    case ni_garden:
        if (vid == vi_look) {
            message("かつては見事な庭園だったのだろう。今は棘だらけの灌木と伸び放題の草に覆われている。");
            return 1;
        }
        if (vid == vi_examine) {
            message("草むらをかき分けてみたが、棘で手を引っかいただけだった。");
            return 1;
        }
        return 0;
    case ni_car:
        if (vid == vi_look) {
            message("庭の奥に小型のトラックが停まっている。荷台に何か積んであるようだ。");
            return 1;
        }
        if (!is_handling(vid)) return 0;
        msg_too_far();
        return 1;
    case ni_drum:
        if (vid == vi_look) {
            message("トラックの荷台にドラム缶がいくつか載っているようだ。");
            return 1;
        }
        if (!is_handling(vid)) return 0;
        msg_too_far();
        return 1;
    case ni_house:
        return look_reply(vid, "庭の奥に、灰色の屋敷が黙ってそびえている。");
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

constexpr VxPoint horizon[] = {{20, 142}, {90, 139}, {160, 144}, {240, 140}, {330, 145},
                               {410, 141}, {500, 146}, {560, 140}, {620, 143}};
// The far road, running across just below the horizon.
constexpr VxPoint road_far[] = {{20, 150}, {620, 154}};
constexpr VxPoint road_near[] = {{20, 160}, {620, 165}};
// The pickup truck, facing left: its bed, its cab with the bonnet.
constexpr VxPoint truck_bed[] = {{246, 136}, {310, 138}, {310, 156}, {246, 156}};
constexpr VxPoint truck_cab[] = {{202, 157}, {202, 143}, {220, 140}, {228, 126}, {248, 126}, {250, 157}};
// Two kinds of spiky shrub, around the middle of their foot.
constexpr VxPoint shrub_a[] = {{-40, 0},  {-44, -14}, {-52, -18}, {-38, -24}, {-42, -40}, {-26, -32},
                               {-22, -52}, {-10, -36}, {0, -60},  {8, -38},  {22, -54},  {24, -32},
                               {40, -42}, {36, -22}, {52, -20}, {42, -10}, {44, 0}};
constexpr VxPoint shrub_b[] = {{-28, 0}, {-34, -10}, {-26, -16}, {-32, -30}, {-16, -24}, {-12, -42},
                               {0, -28}, {10, -44}, {14, -24}, {30, -30}, {24, -14}, {32, -6}, {28, 0}};
struct placed {
    int x, y, big;
};
// Far shrubs first, near ones last, so the near ones hide the far.
constexpr placed shrubs[] = {{90, 190, 0},  {340, 204, 0}, {430, 186, 0}, {570, 192, 0},
                             {160, 236, 1}, {470, 244, 1}, {100, 318, 1}, {320, 308, 1}, {536, 318, 1}};
constexpr VxPoint tufts[] = {{40, 176},  {140, 174}, {210, 200}, {300, 176}, {330, 214}, {420, 178},
                             {520, 210}, {600, 182}, {110, 250}, {250, 262}, {400, 258}, {560, 250},
                             {200, 312}, {450, 318}, {40, 322},  {620 - 30, 226}};

// A shrub from its table, at (x, y), twice as large when near.
template <int N> void shrub(const VxPoint (&p)[N], int x, int y, int scale) {
    occlude_at(p, x, y, scale, 2);
    // A few stems showing through the spines.
    vx_draw_line(x, y, x - 6 * scale, y - 14 * scale);
    vx_draw_line(x, y, x + 5 * scale, y - 16 * scale);
    vx_draw_line(x, y, x, y - 20 * scale);
}

void tuft(int x, int y) {
    vx_draw_line(x, y, x - 6, y - 8);
    vx_draw_line(x, y, x - 2, y - 12);
    vx_draw_line(x, y, x + 3, y - 11);
    vx_draw_line(x, y, x + 7, y - 7);
}

void draw_truck() {
    // The load first: drums standing in the bed, their tops showing.
    for (int x = 256; x < 306; x += 16) {
        black();
        vx_fill_rect(x, 124, x + 12, 140);
        white();
        vx_draw_line(x, 124, x, 140);
        vx_draw_line(x + 12, 124, x + 12, 140);
        vx_draw_arc(x + 6, 124, 6, 2, 0, 360);
        vx_draw_line(x, 131, x + 12, 131);
    }
    occlude(truck_bed);
    vx_draw_line(250, 142, 306, 143);
    occlude(truck_cab);
    vx_draw_line(232, 130, 246, 130); // the side window
    vx_draw_line(232, 130, 226, 142);
    vx_draw_line(226, 142, 246, 142);
    vx_draw_line(246, 142, 246, 130);
    vx_draw_line(240, 146, 244, 146); // the door handle
    vx_draw_line(204, 150, 208, 150); // a headlamp
    // Wheels.
    black();
    vx_fill_circle(218, 157, 7);
    vx_fill_circle(292, 157, 7);
    white();
    vx_draw_circle(218, 157, 7);
    vx_draw_circle(292, 157, 7);
    vx_draw_circle(218, 157, 2);
    vx_draw_circle(292, 157, 2);
}

}  // namespace

void area_garden_draw() {
    // The horizon with a line of far trees, then the road below it.
    polyline(horizon);
    for (int x = 36; x < 180; x += 24) vx_draw_arc(x, 136, 12, 6, 0, 180);
    for (int x = 330; x < 370; x += 24) vx_draw_arc(x, 138, 12, 6, 0, 180);
    vx_draw_line(road_far[0].x, road_far[0].y, road_far[1].x, road_far[1].y);
    vx_draw_line(road_near[0].x, road_near[0].y, road_near[1].x, road_near[1].y);
    draw_truck();
    // Grass over the whole garden, then the shrubs from far to near.
    for (const VxPoint &t : tufts) tuft(t.x, t.y);
    for (const placed &s : shrubs) {
        if (s.big)
            shrub(shrub_a, s.x, s.y, 3);
        else
            shrub(shrub_b, s.x, s.y, 2);
    }
    // Small tufts at the foot of the near shrubs.
    for (const placed &s : shrubs)
        if (s.big) {
            tuft(s.x - 60, s.y + 6);
            tuft(s.x + 64, s.y + 4);
        }
}
