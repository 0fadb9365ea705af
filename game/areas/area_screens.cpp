// The title, game-over and ending screens: what the player can type there.
#include "areas.h"

#include "area.h"
#include "area_kit.h"
#include "command.h"
#include "console.h"
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

namespace {

// Game over and the ending answer alike, apart from a few remarks.
int end_screen_handler(int vid, int nid, bool ending) {
    switch (vid) {
    case vi_help: message("もう誰もあなたを助けられない。"); return 1;
    case vi_inventory: message("生前の持ち物はここにはない。"); return 1;
    case vi_save: message("いまさらセーブしても手遅れだ。"); return 1;
    case vi_load:
    case vi_quit:
    case vi_config:
    case vi_score: return 0;
    case vi_start: start_new_game(); return 1;
    case vi_title: go_to_title(); return 1;
    case vi_pray: message("死んでから祈ってもしかたがない。"); return 1;
    case vi_look:
        if (nid == ni_invalid) {
            message(ending ? "ここはエンディングだ。" : "ここは死後の世界だ。");
            return 1;
        }
        [[fallthrough]];
    case vi_examine:
        if (ending) {
            message("なにか書いてある。");
            message("「タイトル画面で『%v』と入力すると…」", HIDDEN_VERB);
        } else {
            message("いくら調べても、現世に戻る手段はない。");
        }
        return 1;
    default: msg_end_prompt(); return 1;
    }
}

}  // namespace

int area_game_over_handler(int vid, int nid, int *) { return end_screen_handler(vid, nid, false); }

int area_clear_handler(int vid, int nid, int *) { return end_screen_handler(vid, nid, true); }

// ---- Pictures ----

namespace {

template <typename T, int N>
constexpr int count(const T (&)[N]) {
    return N;
}

// ---- Outline letters ----
//
// Each glyph lies on a grid 20 units high: capitals fill it, small letters
// rise from 6 and their ascenders from 0. A glyph is one outer contour and
// at most one hole; the block letters get their sides from these contours.

struct Glyph {
    const VxPoint *outer;
    int outer_n;
    const VxPoint *hole;
    int hole_n;
    int width;
};

template <int N>
constexpr Glyph glyph(const VxPoint (&o)[N], int width) {
    return {o, N, nullptr, 0, width};
}
template <int N, int M>
constexpr Glyph glyph(const VxPoint (&o)[N], const VxPoint (&h)[M], int width) {
    return {o, N, h, M, width};
}

constexpr VxPoint cap_k[] = {{0, 0}, {4, 0}, {4, 8}, {11, 0}, {16, 0}, {8, 9},
                             {16, 20}, {11, 20}, {5, 12}, {4, 13}, {4, 20}, {0, 20}};
constexpr VxPoint cap_e[] = {{0, 0}, {13, 0}, {13, 4}, {4, 4}, {4, 8}, {11, 8},
                             {11, 12}, {4, 12}, {4, 16}, {13, 16}, {13, 20}, {0, 20}};
constexpr VxPoint cap_l[] = {{0, 0}, {4, 0}, {4, 16}, {12, 16}, {12, 20}, {0, 20}};
constexpr VxPoint cap_d[] = {{0, 0}, {9, 0}, {15, 6}, {15, 14}, {9, 20}, {0, 20}};
constexpr VxPoint cap_d_hole[] = {{4, 4}, {8, 4}, {11, 7}, {11, 13}, {8, 16}, {4, 16}};
constexpr VxPoint cap_a[] = {{6, 0}, {10, 0}, {16, 20}, {12, 20}, {11, 15}, {5, 15}, {4, 20}, {0, 20}};
constexpr VxPoint cap_a_hole[] = {{8, 5}, {10, 11}, {6, 11}};
constexpr VxPoint cap_r[] = {{0, 0}, {10, 0}, {14, 4}, {14, 8}, {11, 11}, {15, 20},
                             {10, 20}, {7, 12}, {4, 12}, {4, 20}, {0, 20}};
constexpr VxPoint cap_r_hole[] = {{4, 4}, {9, 4}, {10, 5}, {10, 7}, {9, 8}, {4, 8}};
constexpr VxPoint cap_y[] = {{0, 0}, {4, 0}, {8, 8}, {12, 0}, {16, 0}, {10, 12}, {10, 20}, {6, 20}, {6, 12}};
constexpr VxPoint cap_g[] = {{4, 0}, {11, 0}, {15, 4}, {15, 6}, {11, 6}, {10, 4}, {5, 4},
                             {4, 5}, {4, 15}, {5, 16}, {10, 16}, {11, 15}, {11, 13}, {8, 13},
                             {8, 9}, {15, 9}, {15, 16}, {11, 20}, {4, 20}, {0, 16}, {0, 4}};
constexpr VxPoint cap_m[] = {{0, 0}, {4, 0}, {9, 8}, {14, 0}, {18, 0}, {18, 20},
                             {14, 20}, {14, 8}, {9, 15}, {4, 8}, {4, 20}, {0, 20}};
constexpr VxPoint cap_o[] = {{4, 0}, {11, 0}, {15, 4}, {15, 16}, {11, 20}, {4, 20}, {0, 16}, {0, 4}};
constexpr VxPoint cap_o_hole[] = {{5, 4}, {10, 4}, {11, 5}, {11, 15}, {10, 16}, {5, 16}, {4, 15}, {4, 5}};
constexpr VxPoint cap_v[] = {{0, 0}, {4, 0}, {8, 13}, {12, 0}, {16, 0}, {10, 20}, {6, 20}};
constexpr VxPoint cap_t[] = {{0, 0}, {14, 0}, {14, 4}, {9, 4}, {9, 20}, {5, 20}, {5, 4}, {0, 4}};
constexpr VxPoint cap_h[] = {{0, 0}, {4, 0}, {4, 8}, {11, 8}, {11, 0}, {15, 0},
                             {15, 20}, {11, 20}, {11, 12}, {4, 12}, {4, 20}, {0, 20}};
constexpr VxPoint cap_n[] = {{0, 0}, {4, 0}, {11, 12}, {11, 0}, {15, 0},
                             {15, 20}, {11, 20}, {4, 8}, {4, 20}, {0, 20}};
constexpr VxPoint small_o[] = {{3, 6}, {9, 6}, {12, 9}, {12, 17}, {9, 20}, {3, 20}, {0, 17}, {0, 9}};
constexpr VxPoint small_o_hole[] = {{4, 9}, {8, 9}, {9, 10}, {9, 16}, {8, 17}, {4, 17}, {3, 16}, {3, 10}};
constexpr VxPoint small_f[] = {{3, 3}, {6, 0}, {10, 0}, {10, 3}, {7, 3}, {6, 4}, {6, 6}, {9, 6},
                               {9, 9}, {6, 9}, {6, 20}, {3, 20}, {3, 9}, {0, 9}, {0, 6}, {3, 6}};
constexpr VxPoint small_t[] = {{3, 2}, {6, 2}, {6, 6}, {9, 6}, {9, 9}, {6, 9}, {6, 16}, {7, 17},
                               {9, 17}, {9, 20}, {6, 20}, {3, 17}, {3, 9}, {0, 9}, {0, 6}, {3, 6}};
constexpr VxPoint small_h[] = {{0, 0}, {3, 0}, {3, 8}, {5, 6}, {9, 6}, {12, 9}, {12, 20},
                               {9, 20}, {9, 10}, {8, 9}, {4, 9}, {3, 10}, {3, 20}, {0, 20}};
constexpr VxPoint small_e[] = {{3, 6}, {9, 6}, {12, 9}, {12, 14}, {3, 14}, {3, 16},
                               {4, 17}, {12, 17}, {12, 20}, {3, 20}, {0, 17}, {0, 9}};
constexpr VxPoint small_e_hole[] = {{4, 9}, {8, 9}, {9, 10}, {9, 11}, {3, 11}, {3, 10}};
constexpr VxPoint small_u[] = {{0, 6}, {3, 6}, {3, 16}, {4, 17}, {8, 17}, {9, 16}, {9, 6},
                               {12, 6}, {12, 20}, {9, 20}, {9, 19}, {8, 20}, {3, 20}, {0, 17}};
constexpr VxPoint small_s[] = {{3, 6}, {11, 6}, {11, 9}, {3, 9}, {3, 11}, {8, 11}, {11, 14}, {11, 17},
                               {8, 20}, {0, 20}, {0, 17}, {8, 17}, {8, 14}, {3, 14}, {0, 11}, {0, 9}};

enum GlyphId {
    G_K, G_E, G_L, G_D, G_A, G_R, G_Y, G_G, G_M, G_O, G_V, G_T, G_H, G_N,
    G_SO, G_SF, G_ST, G_SH, G_SE, G_SU, G_SS,
    G_SPACE
};

constexpr Glyph glyphs[] = {
    glyph(cap_k, 16), glyph(cap_e, 13), glyph(cap_l, 12), glyph(cap_d, cap_d_hole, 15),
    glyph(cap_a, cap_a_hole, 16), glyph(cap_r, cap_r_hole, 15), glyph(cap_y, 16), glyph(cap_g, 15),
    glyph(cap_m, 18), glyph(cap_o, cap_o_hole, 15), glyph(cap_v, 16), glyph(cap_t, 14),
    glyph(cap_h, 15), glyph(cap_n, 15),
    glyph(small_o, small_o_hole, 12), glyph(small_f, 10), glyph(small_t, 9), glyph(small_h, 12),
    glyph(small_e, small_e_hole, 12), glyph(small_u, 12), glyph(small_s, 11),
};
static_assert(sizeof glyphs / sizeof glyphs[0] == G_SPACE, "one glyph per id");

constexpr int SPACE_WIDTH = 6;
constexpr int GLYPH_POINTS_MAX = 40;

constexpr bool glyphs_fit() {
    for (const Glyph &g : glyphs)
        if (g.outer_n + g.hole_n + 2 > GLYPH_POINTS_MAX) return false;
    return true;
}
static_assert(glyphs_fit(), "a glyph has more points than the letter buffers hold");

// How a row of letters is set.
struct Lettering {
    int x, y;   // top left of the first letter's grid
    int scale;  // pixels per ten grid units
    int slant;  // lean to the right: tenths of a unit per unit of height
    int dx, dy; // depth of the block letters; 0, 0 for flat outline letters
    int hatch;  // spacing of the shading strokes on the undersides; 0 for none
    int gap;    // units between letters
    bool wobble; // hand-drawn: corners a pixel off here and there
};

// One letter of a row: a hand sets each letter a little higher or lower and
// a little askew.
struct Letter {
    int glyph;
    int lift; // pixels down
    int tilt; // pixels down per ten units to the right
};

int wobble(int letter, int point, int axis) {
    return (letter * 5 + point * 7 + axis * 4) % 3 - 1;
}

struct Side {
    VxPoint a, b;
    int depth_key; // how far the side lies along the letter's depth
    bool underside;
};

// Draws one block letter: the sides that face the viewer, farthest first,
// each an occluder, then the face (the outer contour less the hole, joined
// by a seam the even-odd fill cancels) with its outline.
void draw_letter(const Lettering &st, const VxPoint *p, int outer_n, int hole_n) {
    if (st.dx != 0 || st.dy != 0) {
        Side sides[GLYPH_POINTS_MAX];
        int sides_n = 0;
        for (int c = 0; c < 2; ++c) {
            const VxPoint *q = c == 0 ? p : p + outer_n;
            int n = c == 0 ? outer_n : hole_n;
            long area = 0;
            for (int i = 0; i < n; ++i) {
                const VxPoint &a = q[i];
                const VxPoint &b = q[(i + 1) % n];
                area += static_cast<long>(a.x) * b.y - static_cast<long>(b.x) * a.y;
            }
            // Outward from the letter's body: for a hole that is into the hole.
            int sign = (area > 0 ? 1 : -1) * (c == 0 ? 1 : -1);
            for (int i = 0; i < n && sides_n < GLYPH_POINTS_MAX; ++i) {
                const VxPoint &a = q[i];
                const VxPoint &b = q[(i + 1) % n];
                int nx = sign * (b.y - a.y), ny = sign * (a.x - b.x);
                if (nx * st.dx + ny * st.dy <= 0) continue; // hidden behind the face
                int key = (a.x + b.x) * st.dx + (a.y + b.y) * st.dy;
                sides[sides_n++] = {a, b, key, ny > 0 && ny >= (nx < 0 ? -nx : nx)};
            }
        }
        for (int i = 1; i < sides_n; ++i)
            for (int j = i; j > 0 && sides[j - 1].depth_key > sides[j].depth_key; --j) {
                Side t = sides[j];
                sides[j] = sides[j - 1];
                sides[j - 1] = t;
            }
        for (int i = 0; i < sides_n; ++i) {
            const Side &s = sides[i];
            const VxPoint quad[] = {s.a, s.b, {s.b.x + st.dx, s.b.y + st.dy}, {s.a.x + st.dx, s.a.y + st.dy}};
            occlude(quad, 4);
            if (st.hatch > 0 && s.underside) {
                int len = s.b.x - s.a.x;
                if (len < 0) len = -len;
                int steps = len / st.hatch;
                for (int k = 1; k < steps; ++k) {
                    int x = s.a.x + (s.b.x - s.a.x) * k / steps;
                    int y = s.a.y + (s.b.y - s.a.y) * k / steps;
                    vx_draw_line(x, y, x + st.dx, y + st.dy);
                }
            }
        }
    }
    VxPoint face[GLYPH_POINTS_MAX];
    int n = 0;
    for (int i = 0; i < outer_n; ++i) face[n++] = p[i];
    if (hole_n > 0) {
        face[n++] = p[0];
        for (int i = 0; i < hole_n; ++i) face[n++] = p[outer_n + i];
        face[n++] = p[outer_n];
    }
    black();
    vx_fill_polygon(n, face);
    white();
    outline(p, outer_n);
    if (hole_n > 0) outline(p + outer_n, hole_n);
}

void draw_lettering(const Lettering &st, const Letter *text, int count) {
    int pen = 0;
    for (int k = 0; k < count; ++k) {
        const Letter &l = text[k];
        if (l.glyph == G_SPACE) {
            pen += SPACE_WIDTH;
            continue;
        }
        const Glyph &g = glyphs[l.glyph];
        VxPoint p[GLYPH_POINTS_MAX];
        for (int i = 0; i < g.outer_n + g.hole_n; ++i) {
            const VxPoint &u = i < g.outer_n ? g.outer[i] : g.hole[i - g.outer_n];
            int x = st.x + ((pen + u.x) * 10 + (20 - u.y) * st.slant) * st.scale / 100;
            int y = st.y + u.y * st.scale / 10 + l.lift + u.x * l.tilt / 10;
            if (st.wobble) {
                x += wobble(k, i, 0);
                y += wobble(k, i, 1);
            }
            p[i] = {x, y};
        }
        draw_letter(st, p, g.outer_n, g.hole_n);
        pen += g.width + st.gap;
    }
}

}  // namespace

// ---- The title: the name of the game, the mansion on its cliff by night ----

namespace {

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
    draw_lettering(title_style, title_text, count(title_text));
    draw_lettering(subtitle_style, subtitle_text, count(subtitle_text));
}

// ---- Game over ----

namespace {

constexpr Lettering game_style = {128, 34, 50, 0, 9, 7, 5, 4, false};
constexpr Letter game_text[] = {{G_G, 0, 0}, {G_A, -3, 0}, {G_M, 2, 0}, {G_E, -2, 0}};
constexpr Lettering over_style = {136, 180, 50, 0, 9, 7, 5, 4, false};
constexpr Letter over_text[] = {{G_O, 2, 0}, {G_V, -2, 0}, {G_E, 1, 0}, {G_R, -1, 0}};

}  // namespace

void area_game_over_draw() {
    draw_lettering(game_style, game_text, count(game_text));
    draw_lettering(over_style, over_text, count(over_text));
}

// ---- The ending ----

namespace {

constexpr Lettering end_style = {258, 22, 12, 0, 0, 0, 0, 3, false};
constexpr Letter end_text[] = {
    {G_T, 0, 0}, {G_H, 0, 0}, {G_E, 0, 0}, {G_SPACE, 0, 0}, {G_E, 0, 0}, {G_N, 0, 0}, {G_D, 0, 0},
};

}  // namespace

void area_clear_draw() {
    draw_lettering(end_style, end_text, count(end_text));
}
