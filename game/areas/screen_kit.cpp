// What the title, game-over and ending screens share: the end screens'
// replies and the outline letters.
#include "screen_kit.h"

#include "area.h"
#include "area_kit.h"
#include "command.h"
#include "message.h"
#include "noun.h"

#include "vexdraw.h"

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

// ---- Outline letters ----

namespace {

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

}  // namespace

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
