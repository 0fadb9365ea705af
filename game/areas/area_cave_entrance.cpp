// The mouth of the sea cave, looking back into the temple. No way of play
// leads here; it joins the temple ahead and the cave behind.
#include "areas.h"

#include "area.h"
#include "console.h"
#include "flags.h"
#include "message.h"
#include "noun.h"
#include "status.h"
#include "vexdraw.h"
#include "area_kit.h"

namespace {

constexpr area_exit exits[] = {
    {vi_forward, ai_temple},
    {vi_backward, ai_cave},
};

}  // namespace

int area_cave_entrance_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    if (nid != ni_invalid) {
        *noun_here = 0;
        return 0;
    }
    if (take_exit(exits, vid)) return 1;
    switch (vid) {
    case vi_look:
        area_print_description(ai_cave_entrance);
        message("岩の裂け目の向こうに、柱の立ち並ぶ神殿と、その中央にうずくまる巨大な影が見える。");
        return 1;
    default:
        return 0;
    }
}

// ---- Picture ----

namespace {

// The mouth of the cave, ragged with rock.
constexpr VxPoint mouth[] = {{148, 300}, {140, 270}, {146, 236}, {140, 210}, {154, 176}, {162, 148}, {184, 118},
                             {196, 96},  {222, 76},  {246, 60},  {270, 54},  {296, 42},  {326, 46},  {352, 40},
                             {382, 52},  {406, 62},  {428, 82},  {446, 100}, {462, 126}, {478, 150}, {482, 178},
                             {494, 206}, {488, 240}, {494, 270}, {486, 300}};
constexpr int MOUTH_N = sizeof mouth / sizeof mouth[0];
// Icicles of rock hanging into the mouth: where they hang and how long.
constexpr int stalactites[][3] = {{210, 86, 18}, {258, 58, 26}, {312, 44, 14}, {340, 43, 22}, {394, 57, 30},
                                  {436, 92, 16}};

// The temple inside, seen from its far side: the pillars lean as wrongly
// as they do from the other end.
constexpr VxPoint pillars[][4] = {
    {{170, 60}, {204, 66}, {206, 300}, {168, 300}},
    {{246, 90}, {268, 84}, {262, 210}, {242, 214}},
    {{384, 84}, {404, 92}, {400, 214}, {380, 208}},
    {{438, 70}, {468, 60}, {474, 300}, {440, 300}},
};
constexpr VxPoint body_flooded[] = {{270, 214}, {266, 186}, {274, 158}, {292, 138}, {320, 130},
                                    {348, 138}, {366, 158}, {374, 186}, {370, 214}};
constexpr VxPoint body_rooted[] = {{256, 240}, {268, 228}, {266, 186}, {274, 158}, {292, 138}, {320, 130},
                                   {348, 138}, {366, 158}, {374, 186}, {372, 228}, {384, 240}, {352, 236},
                                   {320, 244}, {288, 236}};
constexpr int eyes[][3] = {{296, 160, 4}, {344, 160, 4}, {320, 148, 3}, {284, 190, 3},
                           {356, 192, 3}, {320, 200, 5}, {304, 178, 2}, {338, 180, 2}};
constexpr VxPoint tentacle_left[] = {{272, 190}, {242, 196}, {214, 184}, {196, 160}, {202, 156},
                                     {218, 176}, {244, 186}, {272, 180}};
constexpr VxPoint tentacle_right[] = {{368, 200}, {400, 222}, {432, 238}, {460, 236}, {458, 244},
                                      {430, 248}, {398, 232}, {366, 210}};

int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// A stroke of the rock; strokes that would run past the frame end on it.
void stroke(int x1, int y1, int x2, int y2) {
    vx_draw_line(clamp(x1, 20, 620), clamp(y1, 8, 299), clamp(x2, 20, 620), clamp(y2, 8, 299));
}

void draw_temple_inside() {
    // The dome above and the far wall's foot.
    vx_draw_arc(320, 212, 160, 150, 0, 180);
    vx_draw_arc(320, 212, 100, 150, 0, 180);
    vx_draw_arc(320, 212, 160, 90, 0, 180);
    vx_draw_line(160, 212, 480, 212);
    for (const auto &p : pillars) {
        occlude(p);
        vx_draw_line((p[0].x + p[1].x) / 2, p[0].y + 6, (p[2].x + p[3].x) / 2 + 3, p[2].y - 4);
    }
    bool drained = flag_test(F_TEMPLE_DRAINED);
    if (!drained) {
        for (int y = 214, row = 0; y < 300; y += 8 + row * 2, ++row)
            for (int x = 156 + (row % 2) * 16; x < 480; x += 40) vx_draw_line(x, y, x + 12 + row, y);
        occlude(body_flooded);
        vx_draw_arc(320, 214, 60, 5, 180, 360);
    } else {
        for (int x = 170; x <= 470; x += 50) vx_draw_line(320 + (x - 320) / 2, 212, x, 300);
        occlude(body_rooted);
    }
    for (int x = 304; x < 336; x += 8) {
        vx_draw_line(x, 176, x + 4, 182);
        vx_draw_line(x + 4, 182, x + 8, 176);
    }
    for (const auto &e : eyes) {
        vx_draw_arc(e[0], e[1], e[2] + 1, e[2], 0, 360);
        vx_fill_circle(e[0], e[1], e[2] / 2);
    }
    // Seen from this side the small box stands at left, and the striped
    // column takes its place once the water is gone.
    if (!drained) {
        occlude_rect(214, 204, 228, 214);
        vx_draw_line(206, 216, 236, 216);
    } else {
        occlude_rect(216, 200, 228, 250);
        for (int y = 206; y < 250; y += 8) vx_draw_line(216, y + 4, 228, y);
        occlude(tentacle_left);
        occlude(tentacle_right);
    }
}

}  // namespace

void area_cave_entrance_draw() {
    draw_temple_inside();
    // The rock around the mouth hides whatever lies outside it: the frame
    // with the mouth cut out (the way in and back out is a seam along the
    // cave floor, so the even-odd fill leaves the mouth open).
    VxPoint rock[MOUTH_N + 7] = {{20, 8}, {620, 8}, {620, 328}, {20, 328}, {20, 300}};
    for (int i = 0; i < MOUTH_N; ++i) rock[5 + i] = mouth[i];
    rock[MOUTH_N + 5] = mouth[0];
    rock[MOUTH_N + 6] = {20, 300};
    black();
    vx_fill_polygon(MOUTH_N + 7, rock);
    white();
    outline(mouth);
    for (const auto &t : stalactites) {
        // Joined to the rock above: only its two sides are edges.
        const VxPoint icicle[] = {{t[0] - 7, t[1]}, {t[0] + 1, t[1] + t[2]}, {t[0] + 7, t[1]}};
        black();
        vx_fill_polygon(3, icicle);
        white();
        polyline(icicle);
    }
    // The cave floor running in at the foot of the mouth.
    vx_draw_line(20, 300, 620, 300);
    // Rock strokes radiating from the mouth.
    for (const VxPoint &p : mouth) {
        int dx = p.x - 316, dy = p.y - 190;
        stroke(p.x + dx / 12, p.y + dy / 12, p.x + dx / 3, p.y + dy / 4);
    }
    for (int i = 2; i < MOUTH_N - 2; i += 2) {
        const VxPoint &p = mouth[i];
        int dx = p.x - 316, dy = p.y - 190;
        stroke(p.x + dx / 2, p.y + dy / 3, p.x + dx * 2 / 3, p.y + dy * 5 / 12);
    }
    // Pebbles on the floor.
    for (int x = 40; x < 620; x += 52) vx_draw_arc(x, 312 + (x / 52 % 3) * 5, 8, 3, 0, 360);
}
