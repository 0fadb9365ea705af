// The front of the ground floor's right wing: the bathroom door on the
// left, a sash window on the right that looks like a way out, and a warning
// scrawled across the end wall.
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

// The hall's door is locked only from the hall's side.
constexpr area_exit exits[] = {
    {vi_forward, ai_corridor_1f_mr},
    {.vid = vi_backward,
     .area = ai_entrance_hall,
     .door = F_DOOR_HALL_CORRIDOR_1F_FR,
     .handle_unlocks = F_UNLOCKED_HALL_CORRIDOR_1F_FR},
    {vi_left, ai_bathroom, F_DOOR_CORRIDOR_1F_FR_BATHROOM},
};

void look() {
    area_print_description(ai_corridor_1f_fr);
    message("廊下は奥へと続いている。左の壁には扉%nwがあり、右の壁には%nlがある。", ni_left_door, ni_window);
    message("突き当たりの%nlには、なにか大きく殴り書きされている。", ni_wall);
    message("背後にも扉%nwがある。", ni_back_door);
    if (flag_test(F_DOOR_CORRIDOR_1F_FR_BATHROOM)) message("左の扉の向こうは浴室になっている。");
    if (flag_test(F_DOOR_HALL_CORRIDOR_1F_FR)) message("背後の扉の向こうは玄関ホールだ。");
}

int move(int vid) {
    if (vid == vi_exit) {
        // Only a hint: the common reply follows.
        message("窓から外に出られそうだが・・・。");
        return 0;
    }
    return exit_or_look(exits, vid, look);
}

void read_warning() {
    message("赤黒い塗料で、英語が殴り書きされている。「DON'T LEAVE」――出ていくな、ということだろうか。");
}

}  // namespace

int area_corridor_1f_fr_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_left_door:
        return door_noun(vid, vi_left, "白いペンキの剥げかけた扉だ。", noun_here);
    case ni_back_door:
        return door_noun(vid, vi_backward, "古びた木の扉だ。", noun_here);
    case ni_window:
        switch (vid) {
        case vi_exit:
            die_by_window();
            return 1;
        case vi_look:
        case vi_examine:
            message("上げ下げ式の窓だ。下の窓枠が半分ほど引き上げられたままになっていて、そこから外に出られそうだ。");
            return 1;
        case vi_open:
            message("窓はすでに半分ほど開いている。");
            return 1;
        case vi_close:
            message("窓枠は途中で引っかかっていて、動かない。");
            return 1;
        case vi_break:
        case vi_hit:
        case vi_kick:
            msg_cannot_break();
            return 1;
        default:
            return 0;
        }
    case ni_wall:
        if (vid == vi_look || vid == vi_read || vid == vi_examine) {
            read_warning();
            return 1;
        }
        if (vid == vi_erase || vid == vi_touch) {
            message("塗料はすっかり乾いていて、こすっても落ちない。");
            return 1;
        }
        return 0;
    default:
        return corridor_noun(vid, nid, noun_here, {ni_left_door, ni_back_door});
    }
}

// ---- Picture ----

namespace {

// The end wall carrying the warning: the frame scaled by 0.5 around (320, 168).
constexpr int BL = 170, BT = 88, BR = 470, BB = 248;

constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

// The bathroom's door: two panels and the knob.
constexpr side_door bathroom_door = {56, 136, 780, 62, 130, 750, 74, 118, 90, 260, 320, 2, 124, 380};

// The sash window: the frame, the upper sash and the raised lower sash.
constexpr VxPoint window_frame[] = {rw(500, 280), rw(500, 880), rw(590, 880), rw(590, 280)};
constexpr VxPoint upper_sash[] = {rw(506, 560), rw(506, 860), rw(584, 860), rw(584, 560)};
constexpr VxPoint lower_sash[] = {rw(504, 470), rw(504, 700), rw(586, 700), rw(586, 470)};

// The letters of the warning, outlined on a grid 8 wide and 10 high; an
// outline ends where the next one starts (a hole, or the next letter).
struct Outline {
    int first, count;
};
constexpr VxPoint glyph_points[] = {
    // D: outside, hole
    {0, 0}, {6, 0}, {8, 2}, {8, 8}, {6, 10}, {0, 10},
    {2, 2}, {5, 2}, {6, 3}, {6, 7}, {5, 8}, {2, 8},
    // O: outside, hole
    {2, 0}, {6, 0}, {8, 2}, {8, 8}, {6, 10}, {2, 10}, {0, 8}, {0, 2},
    {3, 2}, {5, 2}, {6, 3}, {6, 7}, {5, 8}, {3, 8}, {2, 7}, {2, 3},
    // N
    {0, 0}, {2, 0}, {6, 6}, {6, 0}, {8, 0}, {8, 10}, {6, 10}, {2, 4}, {2, 10}, {0, 10},
    // apostrophe
    {1, 0}, {3, 0}, {3, 2}, {1, 4},
    // T
    {0, 0}, {8, 0}, {8, 2}, {5, 2}, {5, 10}, {3, 10}, {3, 2}, {0, 2},
    // L
    {0, 0}, {2, 0}, {2, 8}, {8, 8}, {8, 10}, {0, 10},
    // E
    {0, 0}, {8, 0}, {8, 2}, {2, 2}, {2, 4}, {6, 4}, {6, 6}, {2, 6}, {2, 8}, {8, 8}, {8, 10}, {0, 10},
    // A: outside, hole
    {3, 0}, {5, 0}, {8, 10}, {6, 10}, {5, 7}, {3, 7}, {2, 10}, {0, 10},
    {4, 2}, {5, 5}, {3, 5},
    // V
    {0, 0}, {2, 0}, {4, 7}, {6, 0}, {8, 0}, {5, 10}, {3, 10},
};
constexpr Outline outlines[] = {
    {0, 6}, {6, 6},     // D
    {12, 8}, {20, 8},   // O
    {28, 10},           // N
    {38, 4},            // '
    {42, 8},            // T
    {50, 6},            // L
    {56, 12},           // E
    {68, 8}, {76, 3},   // A
    {79, 7},            // V
};

enum { G_D, G_O, G_N, G_APOS, G_T, G_L, G_E, G_A, G_V };
struct Glyph {
    int first, count, width;
};
constexpr Glyph glyphs[] = {
    {0, 2, 8}, {2, 2, 8}, {4, 1, 8}, {5, 1, 4}, {6, 1, 8}, {7, 1, 8}, {8, 1, 8}, {9, 2, 8}, {11, 1, 8},
};

// One scrawled letter: each grid unit is 5 pixels; the hand leans right and
// wanders up and down.
constexpr int UNIT = 5;

void draw_glyph(int g, int ox, int oy) {
    const Glyph &gl = glyphs[g];
    for (int o = gl.first; o < gl.first + gl.count; ++o) {
        const VxPoint *p = &glyph_points[outlines[o].first];
        int n = outlines[o].count;
        for (int i = 0; i < n; ++i) {
            const VxPoint &a = p[i];
            const VxPoint &b = p[(i + 1) % n];
            vx_draw_line(ox + a.x * UNIT + (10 - a.y), oy + a.y * UNIT,
                         ox + b.x * UNIT + (10 - b.y), oy + b.y * UNIT);
        }
    }
}

void draw_row(const int *text, const int *lift, int count, int x, int y) {
    for (int i = 0; i < count; ++i) {
        draw_glyph(text[i], x, y + lift[i]);
        x += glyphs[text[i]].width * UNIT + 7;
    }
}

void draw_warning() {
    static constexpr int dont[] = {G_D, G_O, G_N, G_APOS, G_T};
    static constexpr int dont_lift[] = {0, 3, -2, -4, 2};
    static constexpr int leave[] = {G_L, G_E, G_A, G_V, G_E};
    static constexpr int leave_lift[] = {-2, 2, 0, 4, -1};
    draw_row(dont, dont_lift, 5, 216, 100);
    draw_row(leave, leave_lift, 5, 200, 170);
    // Paint that ran down from the letters.
    static constexpr int drip_x[] = {226, 262, 318, 372, 214, 284, 356, 430};
    static constexpr int drip_y[] = {153, 154, 149, 153, 219, 222, 225, 220};
    static constexpr int drip_len[] = {8, 14, 5, 10, 12, 6, 16, 9};
    for (int i = 0; i < 8; ++i) {
        vx_draw_line(drip_x[i], drip_y[i], drip_x[i], drip_y[i] + drip_len[i]);
        vx_draw_circle(drip_x[i], drip_y[i] + drip_len[i] + 1, 1);
    }
}

void draw_box() {
    draw_room_box(BL, BT, BR, BB);
    // Floor tiles set diagonally would be too fine here: plain boards.
    draw_floor_boards(BL + 25, BR, 25, BB, 161, 80);
    // Skirting boards.
    VxPoint a = lw(19, 40), b = lw(BL, 40);
    vx_draw_line(a.x, a.y, b.x, b.y);
    vx_draw_line(640 - a.x, a.y, 640 - b.x, b.y);
    vx_draw_line(BL, b.y, BR, b.y);
}

void draw_window() {
    occlude(window_frame);
    // Outside: a low horizon and a few tufts of grass under the raised sash.
    VxPoint h1 = rw(500, 380), h2 = rw(590, 380);
    vx_draw_line(h1.x, h1.y, h2.x, h2.y);
    for (int x = 512; x < 590; x += 14) {
        VxPoint g = rw(x, 300);
        vx_draw_line(g.x, g.y, g.x - 3, g.y - 10);
        vx_draw_line(g.x, g.y, g.x + 3, g.y - 9);
    }
    outline(upper_sash);
    VxPoint m1 = rw(545, 560), m2 = rw(545, 860);
    vx_draw_line(m1.x, m1.y, m2.x, m2.y);
    // The raised lower sash hangs in front of the upper one.
    occlude(lower_sash);
    VxPoint n1 = rw(545, 470), n2 = rw(545, 700);
    vx_draw_line(n1.x, n1.y, n2.x, n2.y);
    VxPoint s1 = rw(496, 280), s2 = rw(594, 280);
    vx_draw_line(s1.x, s1.y + 4, s2.x, s2.y + 6);
    vx_draw_line(s1.x, s1.y, s1.x, s1.y + 4);
    vx_draw_line(s2.x, s2.y, s2.x, s2.y + 6);
}

}  // namespace

void area_corridor_1f_fr_draw() {
    draw_box();
    draw_warning();
    draw_side_door(lw, bathroom_door);
    draw_window();
}
