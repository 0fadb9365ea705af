// The shore below the cliff, where the story ends: the house on the cliff
// top burns while the player, saved, looks on.
#include "areas.h"

#include "area_kit.h"
#include "flags.h"
#include "message.h"
#include "status.h"

#include "vexdraw.h"

// On the shore below the cliff the game is over: every command is answered
// with relief.
int area_cliff_handler(int, int, int *) {
    message("助かった...");
    return 1;
}

// ---- Picture ----

namespace {

// The shore: the cliff across the back, the beach, the water's edge.
constexpr VxPoint cliff[] = {{20, 134}, {60, 128}, {90, 134}, {230, 130}, {300, 138}, {360, 134}, {420, 142},
                             {460, 138}, {500, 150}, {520, 170}, {540, 200}, {556, 226}, {560, 246}, {20, 246}};
constexpr VxPoint cave_mouth[] = {{330, 246}, {334, 214}, {346, 192}, {366, 182}, {386, 190},
                                  {398, 212}, {402, 246}};
constexpr VxPoint beach[] = {{20, 246}, {560, 246}, {620, 240}, {620, 328}, {20, 328}};
// The water's edge, coming in from the right across the foot of the beach.
constexpr VxPoint shore[] = {{620, 256}, {580, 262}, {540, 276}, {500, 284}, {440, 296},
                             {380, 304}, {320, 310}, {240, 316}, {160, 320}, {80, 322}, {20, 324}};
constexpr VxPoint foam[] = {{600, 268}, {560, 280}, {512, 292}, {458, 304}, {400, 312}, {330, 318}, {256, 322}};
constexpr VxPoint stars[] = {{250, 20}, {300, 44}, {352, 18}, {396, 64}, {420, 28}, {540, 40}, {590, 72},
                             {236, 76}, {330, 92}, {566, 112}, {602, 24}, {276, 110}, {470, 90}, {384, 112}};

// The mansion on the cliff top, its gable shaped like a shogi piece.
constexpr VxPoint house_wall[] = {{60, 130}, {60, 92}, {200, 92}, {200, 130}};
constexpr VxPoint gable[] = {{52, 94}, {52, 74}, {90, 54}, {128, 74}, {128, 94}};
constexpr VxPoint roof[] = {{90, 54}, {178, 54}, {212, 80}, {212, 94}, {128, 94}, {128, 74}};
// Burning: the roof broken, flames rising behind it and out of the windows.
constexpr VxPoint roof_broken[] = {{90, 54},  {112, 62}, {122, 52}, {140, 66}, {152, 56},
                                   {178, 64}, {212, 80}, {212, 94}, {128, 94}, {128, 74}};
constexpr VxPoint house_flames[] = {{56, 94},  {54, 70},  {62, 52},  {58, 34},  {70, 42},  {76, 20},
                                    {86, 36},  {94, 12},  {104, 32}, {114, 16}, {122, 36}, {134, 10},
                                    {142, 30}, {154, 14}, {160, 36}, {172, 18}, {178, 40}, {192, 24},
                                    {194, 46}, {206, 38}, {210, 60}, {216, 80}, {212, 94}};
constexpr int smoke[][3] = {{226, 40, 14}, {250, 28, 12}, {276, 22, 11}, {300, 18, 9}, {322, 16, 7}};

// The pillar of fire standing over the cliff top at right.
constexpr VxPoint fire_pillar[] = {{446, 140}, {452, 110}, {440, 84}, {452, 60}, {436, 40}, {446, 22}, {430, 8},
                                   {530, 8},   {514, 24},  {522, 44}, {506, 62}, {516, 86}, {502, 112}, {508, 142}};
constexpr VxPoint fire_core[] = {{462, 138}, {466, 104}, {458, 78}, {470, 52}, {464, 30}, {480, 14},
                                 {494, 30},  {488, 54},  {496, 80}, {488, 108}, {490, 138}};

// THE END in outline capitals: one glyph per letter on a 40 x 60 grid,
// drawn a fifth larger.
constexpr VxPoint glyph_t[] = {{0, 0}, {40, 0}, {40, 10}, {25, 10}, {25, 60}, {15, 60}, {15, 10}, {0, 10}};
constexpr VxPoint glyph_h[] = {{0, 0},   {10, 0},  {10, 25}, {30, 25}, {30, 0},  {40, 0},
                               {40, 60}, {30, 60}, {30, 35}, {10, 35}, {10, 60}, {0, 60}};
constexpr VxPoint glyph_e[] = {{0, 0},   {40, 0},  {40, 10}, {10, 10}, {10, 25}, {32, 25},
                               {32, 35}, {10, 35}, {10, 50}, {40, 50}, {40, 60}, {0, 60}};
constexpr VxPoint glyph_n[] = {{0, 0},   {10, 0},  {30, 40}, {30, 0},  {40, 0},
                               {40, 60}, {30, 60}, {10, 20}, {10, 60}, {0, 60}};
constexpr VxPoint glyph_d[] = {{0, 0},   {24, 0},  {34, 4},  {40, 14}, {40, 46},
                               {34, 56}, {24, 60}, {0, 60}};
constexpr VxPoint glyph_d_hole[] = {{10, 10}, {22, 10}, {28, 16}, {28, 44}, {22, 50}, {10, 50}};

struct placed_glyph {
    const VxPoint *p;
    int n;
    int x;
};
constexpr placed_glyph the_end[] = {
    {glyph_t, 8, 136}, {glyph_h, 12, 194}, {glyph_e, 12, 252},
    {glyph_e, 12, 340}, {glyph_n, 10, 398}, {glyph_d, 8, 456},
};
constexpr int END_Y = 146;
// The letters as drawn (the grid a fifth larger), and the black margin left
// round the words so that no line of the cliff runs between their strokes.
constexpr int END_LETTER_W = 40 * 6 / 5, END_LETTER_H = 60 * 6 / 5;
constexpr int END_MARGIN = 3;

// Where the water's edge crosses the height y (its points run down-left).
int shore_x(int y) {
    constexpr int n = sizeof shore / sizeof shore[0];
    for (int i = 0; i + 1 < n; ++i) {
        const VxPoint &a = shore[i], &b = shore[i + 1];
        if (y >= a.y && y <= b.y) return a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
    }
    return y < shore[0].y ? 620 : 20;
}

void draw_house(bool burning) {
    if (!burning) {
        occlude(house_wall);
        occlude(roof);
        for (int x = 136; x < 210; x += 12) vx_draw_line(x, 60 + (x - 136) * 3 / 10, x + 4, 92);
        occlude(gable);
        // Windows of the front and along the side.
        vx_draw_rect(82, 76, 98, 88);
        vx_draw_line(90, 76, 90, 88);
        for (int x = 70; x < 126; x += 18) vx_draw_rect(x, 102, x + 10, 120);
        for (int x = 140; x < 196; x += 18) vx_draw_rect(x, 102, x + 10, 120);
        // The chimney.
        occlude_rect(168, 42, 178, 60);
        return;
    }
    // Smoke drifting off to the right, the flames behind the broken roof.
    for (const auto &c : smoke) occlude_circle(c[0], c[1], c[2]);
    occlude(house_flames);
    for (int x = 70; x < 210; x += 24) vx_draw_line(x, 60, x + 6, 30 + (x % 3) * 6);
    occlude(house_wall);
    occlude(roof_broken);
    occlude(gable);
    // Fire glowing in every window and licking out of it.
    vx_fill_rect(82, 76, 98, 88);
    for (int x = 70; x < 196; x += 18) {
        if (x >= 126 && x < 140) continue;
        vx_fill_rect(x, 102, x + 10, 120);
        vx_draw_line(x + 2, 102, x, 94);
        vx_draw_line(x + 8, 102, x + 10, 96);
    }
}

}  // namespace

void area_cliff_draw() {
    // Stars over the sea.
    for (const VxPoint &p : stars) {
        vx_draw_line(p.x - 2, p.y, p.x + 2, p.y);
        vx_draw_line(p.x, p.y - 2, p.x, p.y + 2);
    }
    // The sea's horizon beyond the cliff's end.
    vx_draw_line(546, 196, 620, 196);
    for (int y = 204; y < 240; y += 10) vx_draw_line(566 + (y % 20), y, 590 + (y % 20), y);
    // The cliff face: layers and cracks, the cave's mouth at its foot.
    occlude(cliff);
    for (int y = 156; y < 246; y += 18) vx_draw_line(20, y, 470 + (y - 156) * 4 / 5, y + 4 - (y / 18 % 2) * 8);
    for (int x = 50; x < 500; x += 44) vx_draw_line(x, 138 + (x % 3) * 4, x + 10, 170 + (x % 5) * 12);
    for (int x = 72; x < 500; x += 88) vx_draw_line(x + 6, 196, x - 4, 240);
    occlude(cave_mouth);
    // The beach with its pebbles, the water's edge, foam and waves.
    occlude(beach);
    for (int x = 40; x < 520; x += 60) vx_draw_line(x, 262 + (x % 7), x + 6, 262 + (x % 7));
    polyline(shore);
    for (const VxPoint &f : foam) vx_draw_arc(f.x, f.y, 14, 3, 180, 360);
    for (int y = 266; y < 328; y += 12)
        for (int x = shore_x(y) + 16; x < 600; x += 44) vx_draw_line(x, y, x + 12, y);

    // The house on the cliff top, quiet or burning.
    draw_house(flag_test(F_HOUSE_BURNS));
    if (flag_test(F_FIRE_PILLAR)) {
        occlude(fire_pillar);
        outline(fire_core);
        for (int y = 24; y < 120; y += 16) vx_draw_line(472, y + 6, 482, y);
        // Sparks flying off it.
        for (int i = 0; i < 6; ++i) vx_draw_line(420 - i * 4, 30 + i * 18, 426 - i * 4, 26 + i * 18);
        for (int i = 0; i < 6; ++i) vx_draw_line(540 + i * 4, 30 + i * 18, 546 + i * 4, 34 + i * 18);
    }
    if (flag_test_not(F_THE_END)) return;
    // The words stand on a black ground of their own, then each letter is an
    // occluder with its white outline.
    constexpr int n = sizeof the_end / sizeof the_end[0];
    black();
    vx_fill_rect(the_end[0].x - END_MARGIN, END_Y - END_MARGIN, the_end[n - 1].x + END_LETTER_W + END_MARGIN,
                 END_Y + END_LETTER_H + END_MARGIN);
    white();
    for (const placed_glyph &g : the_end) {
        occlude_at(g.p, g.n, g.x, END_Y, 6, 5);
        if (g.p == glyph_d) {
            VxPoint hole[6];
            for (int i = 0; i < 6; ++i) hole[i] = {g.x + glyph_d_hole[i].x * 6 / 5, END_Y + glyph_d_hole[i].y * 6 / 5};
            outline(hole);
        }
    }
}
