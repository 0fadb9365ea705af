// Along the wall right of the entrance, under a window that stands open far
// out of reach.
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
    {vi_right, ai_washtub},
};

void no_hold() { message("手をかけられるようなところはない。"); }

}  // namespace

int area_opened_window_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        if (take_exit(exits, vid)) return 1;
        switch (vid) {
        case vi_up:
            no_hold();
            return 1;
        case vi_look:
            area_print_description(ai_opened_window);
            message("見上げると、はるか頭上で%nlがひとつ開け放たれている。", ni_window);
            message("%nlの壁は滑らかで、足がかりになりそうなものは見あたらない。", ni_house);
            return 1;
        default:
            return 0;
        }
    case ni_window:
        switch (vid) {
        case vi_look:
            message("はるか頭上で窓が開いたままになっている。とても手の届く高さではない。");
            return 1;
        case vi_up:
        case vi_enter:
            no_hold();
            return 1;
        case vi_open:
        case vi_close:
        case vi_touch:
        case vi_examine:
            msg_too_far();
            return 1;
        default:
            return 0;
        }
    case ni_wall:
    case ni_house:
        switch (vid) {
        case vi_look:
            message("切り石を隙間なく積んだ屋敷の壁だ。よじ登れるような凹凸はない。");
            return 1;
        case vi_up:
            no_hold();
            return 1;
        default:
            return 0;
        }
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----
// The wall seen from its foot: its upright lines lean in towards a point
// far above the picture, and the courses close up with height.

namespace {

constexpr int VANISH_X = 320;
constexpr int VANISH_Y = -420;
constexpr int CORNER_X = 40; // where the wall's corner stands on the ground
constexpr int GROUND_Y = 296;

// The x at height y of an upright line that stands on the ground at x0.
constexpr int lean(int x0, int y) { return VANISH_X + (x0 - VANISH_X) * (y - VANISH_Y) / (GROUND_Y - VANISH_Y); }

constexpr int course_y[] = {296, 272, 250, 230, 212, 195, 180, 166, 153, 141, 130, 120, 111, 102, 94, 86, 79, 72,
                            65,  59,  53,  47,  42,  37,  32,  27,  23,  19,  15,  11};

constexpr VxPoint drainpipe[] = {{lean(96, 22), 22}, {lean(108, 22), 22}, {lean(108, 292), 292},
                                 {lean(114, 300), 300}, {lean(86, 302), 302}, {lean(96, 292), 292}};
constexpr VxPoint eaves[] = {{lean(CORNER_X, 22) - 26, 8}, {620, 8}, {620, 22}, {lean(CORNER_X, 22), 22}};

// The window's frame and the two casements swung out towards the viewer.
constexpr VxPoint frame[] = {{262, 40}, {378, 40}, {384, 128}, {256, 128}};
constexpr VxPoint sill[] = {{244, 128}, {396, 128}, {402, 142}, {238, 142}};
constexpr VxPoint left_casement[] = {{270, 48}, {264, 124}, {206, 144}, {220, 54}};
constexpr VxPoint right_casement[] = {{370, 48}, {376, 124}, {438, 146}, {422, 56}};
constexpr VxPoint lintel[] = {{254, 26}, {386, 26}, {388, 40}, {252, 40}};
constexpr VxPoint ground[] = {{20, 300}, {90, 296}, {170, 301}, {250, 297}, {330, 302},
                              {410, 296}, {490, 300}, {560, 297}, {620, 301}};
constexpr VxPoint tufts[] = {{40, 318}, {118, 308}, {196, 322}, {288, 312}, {352, 324},
                             {436, 310}, {512, 320}, {590, 312}};

// A casement's frame with its four panes, between its hinge edge (a, b)
// and its free edge (d, c).
void casement(const VxPoint (&p)[4]) {
    occlude(p);
    const VxPoint a = p[0], b = p[1], c = p[2], d = p[3];
    int mx1 = (a.x + d.x) / 2, my1 = (a.y + d.y) / 2, mx2 = (b.x + c.x) / 2, my2 = (b.y + c.y) / 2;
    vx_draw_line(mx1, my1, mx2, my2);
    int lx1 = (a.x + b.x) / 2, ly1 = (a.y + b.y) / 2, lx2 = (d.x + c.x) / 2, ly2 = (d.y + c.y) / 2;
    vx_draw_line(lx1, ly1, lx2, ly2);
}

}  // namespace

void area_opened_window_draw() {
    // The stone courses up to the corner of the house at left, and the
    // staggered joints between them; beyond the corner only sky.
    for (int i = 0; i + 1 < static_cast<int>(sizeof course_y / sizeof course_y[0]); ++i) {
        int lo = course_y[i], hi = course_y[i + 1];
        vx_draw_line(lean(CORNER_X, hi), hi, 620, hi);
        for (int x0 = CORNER_X + 48 + (i % 2) * 40; x0 < 760; x0 += 80) {
            int x1 = lean(x0, lo), x2 = lean(x0, hi);
            if (x1 > 620 || x2 > 620) continue;
            vx_draw_line(x1, lo, x2, hi);
        }
    }
    vx_draw_line(lean(CORNER_X, GROUND_Y), GROUND_Y, lean(CORNER_X, 8), 8);
    // The eaves across the top, their rafter ends seen from below.
    occlude(eaves);
    for (int x = 160; x < 620; x += 22) vx_draw_rect(x, 13, x + 8, 19);

    // A drainpipe up the wall at left, with its brackets.
    occlude(drainpipe);
    for (int i = 2; i < 28; i += 5) vx_draw_line(lean(92, course_y[i]), course_y[i], lean(112, course_y[i]), course_y[i]);

    // The open window high above: dark inside, a curtain blowing out.
    occlude(lintel);
    occlude(frame);
    vx_draw_line(268, 46, 372, 46);
    vx_draw_line(268, 46, 263, 122);
    vx_draw_line(372, 46, 377, 122);
    for (int i = 0; i < 3; ++i) { // the curtain's folds, hanging still
        int x = 276 + i * 9;
        vx_draw_line(x, 48, x - 3, 70);
        vx_draw_line(x - 3, 70, x + 2, 96);
        vx_draw_line(x + 2, 96, x - 1, 122);
    }
    vx_draw_line(268, 48, 372, 48); // the curtain rail
    casement(left_casement);
    casement(right_casement);
    occlude(sill);
    for (int x = 250; x < 392; x += 12) vx_draw_line(x, 138, x + 1, 142); // the sill's underside

    // The ground along the wall's foot, with grass.
    draw_ground(ground, 301);
    for (const VxPoint &t : tufts) {
        vx_draw_line(t.x, t.y, t.x - 6, t.y - 9);
        vx_draw_line(t.x, t.y, t.x - 1, t.y - 12);
        vx_draw_line(t.x, t.y, t.x + 5, t.y - 10);
        vx_draw_line(t.x + 4, t.y, t.x + 11, t.y - 7);
    }
}
