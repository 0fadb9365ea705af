// The title screen: the game's name over the mansion on its cliff by
// night, where a new game starts or a saved one is loaded.
#include "areas.h"

#include "area.h"
#include "area_kit.h"
#include "command.h"
#include "console.h"
#include "screen_kit.h"
#include "message.h"
#include "noun.h"

#include "vexdraw.h"

int area_title_handler(int vid, int nid, int *) {
    switch (vid) {
    case vi_start:
        start_new_game();
        return 1;
    case HIDDEN_VERB:
        if (nid == ni_invalid)
            go_to_achievements();
        else
            start_new_game();
        return 1;
    case vi_look:
        if (nid != ni_invalid) break;
        message("いつまでもタイトル画面を見ていてもしかたがない。");
        return 1;
    case vi_help:
    case vi_load:
    case vi_quit:
    case vi_config:
        return 0;
    default:
        break;
    }
    msg_title_prompt();
    return 1;
}

// ---- Picture ----

namespace {

template <typename T, int N>
constexpr int count(const T (&)[N]) {
    return N;
}

struct Star {
    int x, y, r; // r 0: a single point
};
constexpr Star stars[] = {
    {30, 16, 1},  {78, 12, 0},  {142, 18, 0}, {198, 11, 1}, {251, 17, 0}, {304, 13, 0},
    {356, 20, 1}, {402, 12, 0}, {446, 24, 1}, {488, 14, 0}, {530, 12, 1}, {612, 102, 0},
    {418, 46, 0}, {470, 40, 0}, {526, 52, 0}, {30, 98, 0}, {28, 142, 1}, {60, 126, 0},
    {112, 140, 0}, {150, 182, 1}, {234, 142, 0}, {262, 184, 0}, {318, 136, 1}, {360, 180, 0},
    {392, 98, 1}, {414, 92, 0}, {40, 176, 0}, {146, 158, 0}, {440, 94, 0}, {612, 128, 0},
};

constexpr VxPoint moon_cloud[] = {
    {520, 78}, {532, 72}, {546, 73}, {558, 68}, {572, 70}, {586, 65}, {600, 68}, {612, 70},
    {618, 76}, {608, 80}, {590, 78}, {570, 81}, {548, 80},
};
constexpr VxPoint high_cloud[] = {
    {410, 68}, {422, 61}, {438, 62}, {450, 56}, {468, 58}, {482, 54}, {496, 60}, {500, 66},
    {486, 70}, {462, 69}, {440, 72}, {420, 72},
};
constexpr VxPoint low_cloud[] = {
    {170, 168}, {186, 160}, {206, 162}, {224, 154}, {250, 157}, {272, 150}, {296, 155}, {314, 152},
    {334, 158}, {348, 166}, {330, 171}, {304, 169}, {280, 173}, {252, 171}, {226, 174}, {196, 172},
};

// A lighthouse on a far islet.
constexpr VxPoint islet[] = {{50, 196}, {60, 189}, {74, 186}, {86, 189}, {100, 186}, {116, 190}, {130, 196}};
constexpr VxPoint lighthouse[] = {{82, 188}, {85, 166}, {93, 166}, {96, 188}};
constexpr VxPoint lantern_roof[] = {{83, 160}, {89, 153}, {95, 160}};

// The rock under the house: the plateau, the broken face down to the sea.
constexpr VxPoint cliff[] = {
    {620, 211}, {410, 213}, {404, 218}, {398, 228}, {391, 232}, {386, 246}, {378, 252},
    {374, 266}, {366, 272}, {362, 288}, {352, 296}, {348, 310}, {338, 318}, {332, 328}, {620, 328},
};
constexpr VxPoint rock_left[] = {{300, 328}, {304, 316}, {314, 309}, {324, 312}, {332, 321}, {334, 328}};
constexpr VxPoint rock_small[] = {{276, 322}, {281, 315}, {290, 314}, {294, 320}, {292, 324}, {278, 325}};

// The rock face: clefts running down from the top, facets between them.
constexpr VxPoint clefts[][6] = {
    {{420, 214}, {414, 232}, {420, 250}, {410, 272}, {416, 296}, {406, 320}},
    {{462, 214}, {468, 236}, {460, 258}, {470, 282}, {462, 306}, {468, 326}},
    {{512, 214}, {506, 240}, {514, 262}, {504, 288}, {512, 312}, {508, 326}},
    {{560, 214}, {566, 238}, {558, 262}, {568, 290}, {560, 318}, {564, 326}},
    {{604, 214}, {598, 236}, {606, 260}, {596, 286}, {604, 310}, {600, 326}},
};
constexpr VxPoint facets[][2] = {
    {{414, 232}, {440, 240}}, {{468, 236}, {490, 230}}, {{420, 250}, {444, 258}},
    {{506, 240}, {530, 246}}, {{460, 258}, {486, 266}}, {{566, 238}, {584, 244}},
    {{514, 262}, {540, 258}}, {{410, 272}, {436, 280}}, {{558, 262}, {580, 270}},
    {{470, 282}, {492, 276}}, {{568, 290}, {592, 298}}, {{416, 296}, {440, 302}},
    {{504, 288}, {530, 296}}, {{462, 306}, {486, 312}}, {{560, 318}, {584, 312}},
    {{598, 236}, {618, 242}}, {{440, 240}, {446, 250}}, {{530, 246}, {536, 256}},
    {{394, 250}, {402, 262}}, {{378, 280}, {388, 290}},
};

// The mansion: roofs and walls, far parts first.
constexpr VxPoint main_roof[] = {{434, 140}, {454, 108}, {586, 108}, {606, 140}};
constexpr VxPoint east_roof[] = {{558, 158}, {570, 138}, {602, 138}, {614, 158}};
constexpr VxPoint gable[] = {{404, 154}, {436, 112}, {468, 154}};
constexpr VxPoint spire[] = {{527, 88}, {548, 20}, {569, 88}};
constexpr VxPoint spire_eaves[] = {{524, 92}, {527, 86}, {569, 86}, {572, 92}};

// The dead tree leaning out over the drop.
constexpr VxPoint trunk[] = {
    {396, 213}, {394, 198}, {388, 184}, {380, 170}, {371, 158}, {375, 155}, {385, 165},
    {391, 160}, {397, 149}, {401, 151}, {396, 165}, {394, 176}, {400, 192}, {408, 213},
};
constexpr VxPoint branches[][3] = {
    {{373, 157}, {362, 146}, {350, 144}}, {{362, 146}, {358, 134}, {352, 128}},
    {{350, 144}, {342, 147}, {336, 146}}, {{399, 150}, {404, 138}, {414, 130}},
    {{404, 138}, {398, 128}, {400, 120}}, {{414, 130}, {422, 128}, {428, 122}},
    {{390, 182}, {374, 182}, {364, 176}}, {{374, 182}, {366, 190}, {360, 191}},
    {{358, 134}, {364, 126}, {362, 120}}, {{385, 165}, {382, 150}, {386, 140}},
};

constexpr VxPoint bat[] = {
    {-9, -4}, {-5, -2}, {-2, -3}, {-1, -5}, {0, -3}, {1, -5}, {2, -3}, {5, -2}, {9, -4},
    {8, 0}, {6, 1}, {4, 0}, {2, 2}, {0, 3}, {-2, 2}, {-4, 0}, {-6, 1}, {-8, 0},
};
struct Bat {
    int x, y, size;
};
constexpr Bat bats[] = {{590, 46, 2}, {520, 40, 1}, {452, 86, 1}, {448, 32, 1}};

// KELDARY, then "of the House" on the row below.
constexpr Lettering title_style = {34, 22, 27, 3, 6, 5, 4, 3, true};
constexpr Letter title_text[] = {
    {G_K, 0, 0}, {G_E, 3, -1}, {G_L, 1, 1}, {G_D, 4, 0}, {G_A, 0, -1}, {G_R, 3, 1}, {G_Y, 1, -1},
};
constexpr Lettering subtitle_style = {150, 92, 16, 2, 3, 3, 0, 2, true};
constexpr Letter subtitle_text[] = {
    {G_SO, 0, 0}, {G_SF, 1, 0},  {G_SPACE, 0, 0}, {G_ST, 0, 0}, {G_SH, 1, 0}, {G_SE, 0, 0},
    {G_SPACE, 0, 0}, {G_H, 0, 0}, {G_SO, 1, 0}, {G_SU, 0, 0}, {G_SS, 1, 0}, {G_SE, 0, 0},
};

void draw_sky() {
    for (const Star &s : stars) {
        vx_draw_line(s.x - s.r, s.y, s.x + s.r, s.y);
        vx_draw_line(s.x, s.y - s.r, s.x, s.y + s.r);
    }
    // The full moon, with its seas drawn dark on it.
    vx_fill_circle(584, 50, 28);
    black();
    vx_draw_circle(572, 40, 6);
    vx_draw_circle(596, 60, 4);
    vx_draw_arc(576, 62, 7, 4, 0, 360);
    vx_draw_circle(598, 34, 3);
    white();
    occlude(high_cloud);
    vx_draw_line(430, 66, 470, 64);
    occlude(moon_cloud);
    vx_draw_line(560, 75, 604, 74);
    occlude(low_cloud);
    vx_draw_line(204, 166, 254, 164);
    vx_draw_line(274, 162, 320, 161);
}

void draw_sea() {
    vx_draw_line(20, 196, 420, 196);
    // The lighthouse, its beam sweeping out both ways.
    vx_draw_line(80, 162, 24, 150);
    vx_draw_line(80, 165, 24, 172);
    vx_draw_line(98, 162, 160, 154);
    vx_draw_line(98, 165, 160, 170);
    occlude(islet);
    occlude(lighthouse);
    vx_draw_line(84, 176, 94, 176);
    vx_fill_rect(85, 160, 93, 166);
    occlude(lantern_roof);
    // Waves: short strokes far out, rolling crests nearer the shore.
    for (int row = 0; row < 14; ++row) {
        int y = 201 + row * (row + 5) / 2;
        int len = 4 + row * 2;
        int step = 26 + row * 7;
        for (int x = 22 + (row * 37 + row * row * 11) % step; x + len < 400; x += step) {
            if (row < 6) {
                vx_draw_line(x, y, x + len, y);
            } else {
                int r = len / 4;
                vx_draw_arc(x + r, y, r, 3, 0, 180);
                vx_draw_arc(x + 3 * r, y, r, 3, 180, 360);
            }
        }
    }
}

void draw_cliff() {
    black();
    vx_fill_polygon(count(cliff), cliff);
    white();
    polyline(cliff, count(cliff) - 1);
    for (const auto &c : clefts) polyline(c, 6);
    for (const auto &f : facets) polyline(f, 2);
    occlude(rock_left);
    occlude(rock_small);
    // Foam where the sea breaks on the rocks.
    vx_draw_arc(292, 318, 10, 3, 200, 340);
    vx_draw_arc(340, 326, 14, 3, 160, 360);
    vx_draw_arc(358, 304, 10, 3, 180, 340);
    vx_draw_arc(372, 280, 9, 3, 180, 330);
}

// A window with a cross of glazing bars; a lit one is filled white.
void house_window(int x, int y, int w, int h, bool lit) {
    if (lit) {
        vx_fill_rect(x, y, x + w, y + h);
        black();
        vx_draw_line(x + w / 2, y + 1, x + w / 2, y + h - 1);
        vx_draw_line(x + 1, y + h / 2, x + w - 1, y + h / 2);
        white();
    } else {
        vx_draw_rect(x, y, x + w, y + h);
        vx_draw_line(x + w / 2, y, x + w / 2, y + h);
        vx_draw_line(x, y + h / 2, x + w, y + h / 2);
    }
    vx_draw_line(x - 2, y + h + 2, x + w + 2, y + h + 2); // sill
}

void arched_window(int x, int y, int w, int h) {
    int r = w / 2;
    vx_draw_arc(x + r, y + r, r, r, 0, 180);
    vx_draw_line(x, y + r, x, y + h);
    vx_draw_line(x + w, y + r, x + w, y + h);
    vx_draw_line(x, y + h, x + w, y + h);
    vx_draw_line(x + r, y, x + r, y + h);
}

void draw_mansion() {
    // The chimneys stand behind the main roof.
    occlude_rect(470, 92, 480, 114);
    occlude_rect(506, 94, 516, 114);
    occlude_rect(588, 100, 596, 118);
    vx_draw_line(468, 92, 482, 92);
    vx_draw_line(504, 94, 518, 94);
    occlude(main_roof);
    for (int i = 1; i < 4; ++i) {
        int y = 108 + i * 8;
        int inset = 20 - i * 5;
        vx_draw_line(434 + inset, y, 606 - inset, y);
    }
    occlude_rect(440, 140, 600, 211);
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 2; ++row)
            house_window(470 + col * 21, 148 + row * 32, 11, 20, col == 1 && row == 1);
    vx_draw_line(440, 174, 600, 174); // string course between the floors

    // The east wing.
    occlude(east_roof);
    occlude_rect(564, 158, 608, 211);
    house_window(574, 168, 9, 14, false);
    house_window(591, 168, 9, 14, false);
    house_window(574, 190, 9, 14, false);
    house_window(591, 190, 9, 14, true);

    // The west wing with its gable towards us.
    occlude(gable);
    vx_draw_line(412, 150, 436, 119);
    vx_draw_line(436, 119, 460, 150);
    vx_draw_circle(436, 136, 6);
    vx_draw_line(430, 136, 442, 136);
    vx_draw_line(436, 130, 436, 142);
    occlude_rect(410, 154, 462, 211);
    arched_window(418, 166, 12, 30);
    arched_window(442, 166, 12, 30);

    // The tower, its spire against the moon.
    occlude_rect(530, 90, 566, 211);
    occlude(spire);
    for (int i = 1; i < 4; ++i) {
        int y = 20 + i * 17;
        int half = 21 * (y - 20) / 68;
        vx_draw_line(548 - half, y, 548 + half, y);
    }
    occlude(spire_eaves);
    vx_draw_line(548, 20, 548, 10);
    vx_draw_line(544, 14, 552, 14);
    arched_window(542, 100, 12, 20);
    arched_window(542, 138, 12, 20);
    // The front door.
    vx_draw_arc(548, 188, 9, 9, 0, 180);
    vx_draw_line(539, 188, 539, 211);
    vx_draw_line(557, 188, 557, 211);
    vx_draw_line(548, 179, 548, 211);
    vx_draw_circle(545, 200, 1);
    vx_draw_circle(551, 200, 1);
}

void draw_fence() {
    vx_draw_line(408, 200, 532, 200);
    vx_draw_line(408, 207, 532, 207);
    vx_draw_line(564, 200, 616, 200);
    vx_draw_line(564, 207, 616, 207);
    for (int x = 408; x <= 616; x += 7) {
        if (x > 532 && x < 564) continue; // the gate stands open
        vx_draw_line(x, 196, x, 211);
        vx_draw_line(x - 1, 197, x, 194);
        vx_draw_line(x + 1, 197, x, 194);
    }
    occlude_rect(532, 192, 536, 211);
    occlude_rect(560, 192, 564, 211);
    vx_draw_circle(534, 189, 3);
    vx_draw_circle(562, 189, 3);
}

void draw_tree() {
    occlude(trunk);
    for (const auto &b : branches) polyline(b, 3);
}

void draw_bats() {
    for (const Bat &b : bats) {
        VxPoint p[count(bat)];
        for (int i = 0; i < count(bat); ++i) p[i] = {b.x + bat[i].x * b.size, b.y + bat[i].y * b.size};
        occlude(p, count(bat));
    }
}

}  // namespace

void area_title_draw() {
    draw_sky();
    draw_sea();
    draw_cliff();
    draw_mansion();
    draw_fence();
    draw_tree();
    draw_bats();
    // A rule either side of the second row.
    vx_draw_line(40, 110, 136, 110);
    vx_draw_line(40, 113, 130, 113);
    draw_lettering(title_style, title_text);
    draw_lettering(subtitle_style, subtitle_text);
}

