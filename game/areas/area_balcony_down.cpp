// The garden seen from over the balcony's rail: stones set here and there
// in the lawn, an old truck standing in the middle, and once the altar's
// incense has been burnt, the magic circle that the stones mark out.
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
    {vi_backward, ai_balcony},
    {vi_up, ai_balcony},
    {vi_exit, ai_balcony},
};

void look() {
    area_print_description(ai_balcony_down);
    message("庭のあちこちに石のようなものが埋め込まれている。");
    if (flag_test(F_CIRCLE_CHARGED)) message("石を結ぶようにして、巨大な魔法陣が浮かび上がっている。");
    message("庭の真ん中には%nlが一台停まっていて、荷台には%nlが積まれている。", ni_car, ni_drum);
}

// A thing in the garden: look answers with text, handling it is too far.
int far_thing(int vid, const char *text) {
    if (vid == vi_look) {
        message(text);
        return 1;
    }
    // Putting, removing and turning are out of reach too, down in the garden.
    if (is_handling(vid, true)) {
        msg_too_far();
        return 1;
    }
    return 0;
}

}  // namespace

int area_balcony_down_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_garden:
        if (vid == vi_look || vid == vi_examine) return redispatch(vi_look, noun_here);
        if (vid == vi_enter || vid == vi_down) {
            message("ここから庭に降りるのは無理だ。");
            return 1;
        }
        return 0;
    case ni_stone:
        // The carved stone the player may carry is not one of these.
        if (has_item(ni_stone)) {
            *noun_here = 0;
            return 0;
        }
        return far_thing(vid, "芝生に半ば埋もれた平たい石だ。何か印が刻まれているようだが、ここからではよく見えない。");
    case ni_magic_circle:
        if (flag_test_not(F_CIRCLE_CHARGED)) {
            *noun_here = 0;
            return 0;
        }
        return far_thing(vid, "石と石を結ぶ線が、芝生の上に巨大な魔法陣を描き出している。ぼんやりと光を放っているようだ。");
    case ni_car:
        return far_thing(vid, "古い小型のトラックだ。荷台にドラム缶が積まれている。");
    case ni_drum:
        return far_thing(vid, "トラックの荷台に積まれたドラム缶だ。");
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

// The ring the stones lie on, and where they lie.
constexpr int CX = 320, CY = 172, RX = 210, RY = 98;
constexpr VxPoint stones[] = {{530, 172}, {468, 241}, {320, 270}, {172, 241},
                              {110, 172}, {172, 103}, {320, 74},  {468, 103}};

// Grass tufts strewn over the lawn.
constexpr VxPoint tufts[] = {{140, 64}, {226, 58}, {402, 60}, {560, 120}, {96, 120}, {250, 120},
                             {398, 126}, {214, 182}, {430, 200}, {84, 226}, {262, 224}, {376, 236},
                             {520, 212}, {588, 190}, {150, 286}, {236, 280}, {420, 284}, {500, 276},
                             {60, 174}, {600, 250}, {290, 148}, {356, 104}, {184, 146}, {470, 150}};

// Shrubs in the corners of the lawn.
struct shrub {
    int x, y, r;
};
constexpr shrub shrubs[] = {{160, 50, 14}, {488, 52, 12}, {66, 252, 18}, {578, 266, 16}, {540, 74, 10}};

// The truck from above: wheels, body, cab roof and windscreen; two drums in its bed.
constexpr VxPoint truck_body[] = {{268, 156}, {366, 156}, {376, 162}, {376, 186},
                                  {366, 192}, {268, 192}, {262, 186}, {262, 162}};
constexpr VxPoint windscreen[] = {{338, 160}, {350, 158}, {350, 190}, {338, 188}};

// The road beyond the garden wall, the wall and its gate.
void draw_boundary() {
    vx_draw_line(19, 12, 621, 12);
    vx_draw_line(19, 24, 621, 24);
    for (int x = 30; x < 620; x += 40) vx_draw_line(x, 18, x + 16, 18);
    occlude_rect(20, 30, 298, 38);
    occlude_rect(342, 30, 620, 38);
    vx_draw_rect(292, 26, 298, 42);
    vx_draw_rect(342, 26, 348, 42);
    // The hedges down both sides, in scallops.
    for (int y = 42; y < 300; y += 16) {
        int xl = 96 - (y - 42) * 76 / 258, xr = 544 + (y - 42) * 76 / 258;
        vx_draw_arc(xl, y + 8, 8, 8, 270, 90);
        vx_draw_arc(xr, y + 8, 8, 8, 90, 270);
    }
}

void draw_lawn() {
    for (const VxPoint &t : tufts) {
        vx_draw_line(t.x, t.y, t.x - 3, t.y - 5);
        vx_draw_line(t.x, t.y, t.x, t.y - 6);
        vx_draw_line(t.x, t.y, t.x + 3, t.y - 5);
    }
    // The gravel path from the gate, round the middle and on to the house.
    static constexpr VxPoint path_l[] = {{300, 38}, {298, 60}, {286, 84}, {282, 110}};
    static constexpr VxPoint path_r[] = {{340, 38}, {342, 60}, {354, 84}, {358, 110}};
    polyline(path_l);
    polyline(path_r);
    vx_draw_line(282, 234, 276, 300);
    vx_draw_line(358, 234, 364, 300);
    vx_draw_arc(CX, CY, 76, 62, 0, 360);
    for (const shrub &s : shrubs) {
        occlude_circle(s.x, s.y, s.r);
        vx_draw_arc(s.x - s.r / 3, s.y - s.r / 4, s.r / 2, s.r / 3, 0, 180);
        vx_draw_arc(s.x + s.r / 3, s.y + s.r / 5, s.r / 2, s.r / 3, 180, 360);
    }
}

// The stones: small flat ovals, each with its carved mark.
void draw_stones() {
    for (const VxPoint &s : stones) {
        occlude_ellipse(s.x, s.y, 7, 4);
        vx_draw_line(s.x - 3, s.y, s.x + 3, s.y);
        vx_draw_line(s.x, s.y - 2, s.x, s.y + 2);
    }
}

// A sign between the circle's rings: one of four shapes by position.
void draw_sign(int x, int y, int kind) {
    switch (kind) {
    case 0:
        vx_draw_line(x - 4, y + 3, x, y - 4);
        vx_draw_line(x, y - 4, x + 4, y + 3);
        vx_draw_line(x + 4, y + 3, x - 4, y + 3);
        break;
    case 1:
        vx_draw_circle(x, y, 3);
        vx_draw_line(x, y - 6, x, y + 6);
        break;
    case 2:
        vx_draw_line(x - 4, y - 3, x - 1, y + 3);
        vx_draw_line(x - 1, y + 3, x + 1, y - 3);
        vx_draw_line(x + 1, y - 3, x + 4, y + 3);
        break;
    default:
        vx_draw_line(x - 4, y - 4, x + 4, y + 4);
        vx_draw_line(x + 4, y - 4, x - 4, y + 4);
        vx_draw_line(x - 4, y, x + 4, y);
        break;
    }
}

// The points of the signs' ring, at 22.5-degree steps round an ellipse of
// 195 x 91: cosines and sines in thousandths.
constexpr int ring_cos[] = {1000, 924, 707, 383, 0, -383, -707, -924, -1000, -924, -707, -383, 0, 383, 707, 924};
constexpr int ring_sin[] = {0, 383, 707, 924, 1000, 924, 707, 383, 0, -383, -707, -924, -1000, -924, -707, -383};

void draw_circle() {
    vx_draw_arc(CX, CY, RX, RY, 0, 360);
    vx_draw_arc(CX, CY, RX - 30, RY - 14, 0, 360);
    // The eight-pointed star through the stones.
    for (int i = 0; i < 8; ++i) {
        const VxPoint &a = stones[i], &b = stones[(i + 3) % 8];
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    for (int i = 0; i < 16; ++i) {
        int x = CX + 195 * ring_cos[i] / 1000, y = CY + 91 * ring_sin[i] / 1000;
        // Between the stones only: the even points sit on them.
        if (i % 2) draw_sign(x, y, i / 2 % 4);
    }
    vx_draw_arc(CX, CY, 96, 45, 0, 360);
    for (int i = 0; i < 16; ++i) vx_draw_circle(CX + 96 * ring_cos[i] / 1000, CY + 45 * ring_sin[i] / 1000, 2);
}

void draw_truck() {
    // Wheels first: the body hides their inner halves.
    static constexpr int wheel_x[] = {282, 350};
    for (int x : wheel_x) {
        occlude_rect(x - 8, 150, x + 8, 158);
        occlude_rect(x - 8, 190, x + 8, 198);
    }
    occlude(truck_body);
    outline(windscreen);
    // The cab's roof and the bed behind it.
    vx_draw_rect(318, 162, 338, 186);
    vx_draw_rect(270, 162, 312, 186);
    // Two drums standing in the bed, seen from above.
    occlude_circle(283, 174, 8);
    occlude_circle(300, 174, 8);
    vx_draw_circle(283, 174, 4);
    vx_draw_circle(300, 174, 4);
}

// The balcony's rail across the foot of the view, its top seen from above.
void draw_rail() {
    occlude_rect(20, 300, 620, 328);
    vx_draw_line(20, 306, 620, 306);
    for (int x = 60; x <= 560; x += 90) {
        vx_draw_arc(x, 316, 18, 3, 0, 180);
        vx_draw_line(x + 24, 312, x + 56, 312);
    }
}

}  // namespace

void area_balcony_down_draw() {
    draw_boundary();
    draw_lawn();
    // The circle, and the car in its middle, appear once the circle is
    // charged and the machine runs.
    bool circle = flag_test(F_CIRCLE_CHARGED) && flag_test(F_MACHINE_RUNNING);
    if (circle) draw_circle();
    draw_stones();
    if (circle) draw_truck();
    draw_rail();
}
