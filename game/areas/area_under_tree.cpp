// Behind the house, under a big tree whose branches spread in front of the
// upper windows, all of them out of reach.
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
    {vi_left, ai_backdoor},
    {vi_right, ai_garden},
};

void no_branch() {
    message("手に届くところに枝がない。木登り名人を連れてくるか、梯子でも用意しないと無理だろう。");
}

int tree_command(int vid) {
    switch (vid) {
    case vi_look:
        message("屋敷に寄り添うように立つ大きな木だ。太い枝が二階の窓の前まで伸びているが、一番低い枝でも手の届く高さにはない。");
        return 1;
    case vi_up:
        no_branch();
        return 1;
    case vi_hit:
    case vi_kick:
    case vi_push:
    case vi_pull:
        message("幹を揺すってみたが、枯れ葉が数枚舞い落ちてきただけだ。");
        return 1;
    case vi_break:
        msg_cannot_break();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_under_tree_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        if (take_exit(exits, vid)) return 1;
        switch (vid) {
        case vi_up:
            no_branch();
            return 1;
        case vi_look:
            area_print_description(ai_under_tree);
            message("大きな%nlが枝を広げていて、その向こうに屋敷の%nlが並んでいる。", ni_tree, ni_window);
            return 1;
        default:
            return 0;
        }
    case ni_tree:
        return tree_command(vid);
    case ni_window:
        switch (vid) {
        case vi_look:
            message("枝越しに屋敷の窓が見える。どの窓も固く閉ざされ、中は暗くて見えない。");
            return 1;
        case vi_open:
        case vi_close:
        case vi_enter:
        case vi_touch:
        case vi_break:
        case vi_examine:
            msg_too_far();
            return 1;
        default:
            return 0;
        }
    case ni_house:
    case ni_wall:
        return look_reply(vid, "屋敷の裏手の壁だ。蔦が窓の下まで這い上がっている。");
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

// The trunk and its three big limbs as one silhouette.
constexpr VxPoint tree[] = {
    {58, 328},  {84, 304},  {96, 252},  {98, 196},  {74, 150},  {36, 110},  {42, 104},  {84, 140},
    {104, 166}, {112, 112}, {102, 40},  {114, 40},  {126, 108}, {126, 150}, {172, 110}, {262, 72},
    {382, 42},  {386, 50},  {268, 84},  {182, 126}, {136, 172}, {204, 162}, {330, 150}, {452, 130},
    {456, 138}, {336, 162}, {206, 176}, {134, 200}, {138, 262}, {152, 306}, {178, 328}};
// Twigs off the limbs: pairs of end points.
constexpr VxPoint twigs[] = {
    {40, 106},  {30, 96},   {40, 106},  {36, 124},  {60, 128},  {40, 140},  {108, 42},  {96, 16},
    {108, 42},  {124, 14},  {110, 80},  {86, 60},   {110, 76},  {132, 56},  {384, 46},  {420, 30},
    {384, 46},  {416, 60},  {320, 60},  {340, 30},  {300, 64},  {296, 36},  {240, 86},  {236, 58},
    {218, 96},  {200, 76},  {454, 134}, {500, 120}, {454, 134}, {492, 150}, {420, 134}, {440, 110},
    {390, 142}, {402, 170}, {300, 156}, {312, 186}, {250, 158}, {236, 186}, {340, 30},  {356, 20},
    {340, 30},  {330, 14},  {500, 120}, {522, 104}, {500, 120}, {528, 126}, {236, 58},  {246, 40},
    {402, 170}, {420, 182}, {440, 110}, {452, 96}};
// Clumps of leaves at some twig ends.
constexpr VxPoint leaves[] = {{34, 92},   {96, 16},  {124, 16},  {420, 28}, {418, 62}, {356, 18},
                              {330, 16},  {246, 38}, {522, 102}, {530, 128}, {452, 94}, {420, 184},
                              {312, 188}, {236, 188}, {38, 126}};
constexpr VxPoint ground[] = {{20, 300}, {60, 298}, {180, 302}, {300, 297}, {420, 301}, {540, 298}, {620, 302}};

// A tall sash window: frame, sill, and two sashes of six panes each.
void sash_window(int x, int y) {
    occlude_rect(x, y, x + 70, y + 104);
    draw_panes(x + 5, y + 5, x + 65, y + 99, 3, 1);
    vx_draw_line(x + 5, y + 52, x + 65, y + 52);
    vx_draw_line(x + 5, y + 54, x + 65, y + 54);
    vx_draw_line(x + 5, y + 28, x + 65, y + 28);
    vx_draw_line(x + 5, y + 77, x + 65, y + 77);
    vx_draw_rect(x - 6, y + 104, x + 76, y + 110);
    vx_draw_line(x - 4, y - 6, x + 74, y - 6); // the head moulding
    vx_draw_line(x - 4, y - 6, x, y);
    vx_draw_line(x + 74, y - 6, x + 70, y);
}

void draw_house() {
    for (int y = 20; y < 296; y += 12) vx_draw_line(20, y, 620, y); // weatherboards
    // The upper row of windows behind the branches, and the lower row.
    for (int x = 160; x < 600; x += 150) sash_window(x, 30);
    for (int x = 160; x < 600; x += 150) sash_window(x, 178);
    // A band between the floors.
    occlude_rect(20, 148, 620, 160);
    // Ivy climbing the wall from the ground: wavering stems, a leaf at
    // every bend.
    for (int i = 0; i < 4; ++i) {
        int x = 552 + i * 18, y = 298;
        for (int k = 0; k < 6 - i % 2; ++k) {
            int nx = x + ((k % 2) ? 5 : -5), ny = y - 12;
            vx_draw_line(x, y, nx, ny);
            int side = (k % 2) ? 1 : -1;
            vx_draw_line(nx, ny, nx + side * 7, ny - 3);
            vx_draw_line(nx + side * 7, ny - 3, nx + side * 3, ny + 4);
            vx_draw_line(nx + side * 3, ny + 4, nx, ny);
            x = nx;
            y = ny;
        }
    }
}

}  // namespace

void area_under_tree_draw() {
    draw_house();
    // The ground along the house.
    draw_ground(ground, 299);
    for (int x = 210; x < 620; x += 38) { // fallen leaves
        vx_draw_arc(x, 312 + (x % 3) * 4, 5, 2, 0, 360);
    }
    // The tree in front of it all: trunk and limbs, bark, twigs and leaves.
    occlude(tree);
    vx_draw_line(100, 320, 108, 270);
    vx_draw_line(112, 290, 116, 230);
    vx_draw_line(124, 310, 122, 250);
    vx_draw_arc(112, 228, 5, 8, 0, 360); // a knot-hole
    vx_draw_line(52, 328, 66, 316);     // roots
    vx_draw_line(184, 328, 166, 314);
    for (int i = 0; i + 1 < static_cast<int>(sizeof twigs / sizeof twigs[0]); i += 2)
        vx_draw_line(twigs[i].x, twigs[i].y, twigs[i + 1].x, twigs[i + 1].y);
    for (const VxPoint &l : leaves) { // three small ellipses make a clump
        static constexpr VxPoint clump[] = {{-6, 0}, {5, -3}, {2, 5}};
        for (const VxPoint &c : clump) occlude_ellipse(l.x + c.x, l.y + c.y, 6, 4);
    }
}
