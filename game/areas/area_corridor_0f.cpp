// The underground passage behind the cellar's broken wall: a tunnel cut in
// the rock, sloping gently down to the temple. The colonel's hat lies here.
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
    {vi_forward, ai_temple},
    {vi_down, ai_temple},
    {vi_backward, ai_cellar},
    {vi_up, ai_cellar},
    {vi_exit, ai_cellar},
};

bool hat_lying() { return flag_test_not(F_HAT_TAKEN) && !has_item(ni_hat); }

void look() {
    area_print_description(ai_corridor_0f);
    message("緩やかな下り坂になっている。");
    message("背後には、崩れた壁の穴を抜けて地下室へ戻る道がある。");
    if (hat_lying()) message("足元に%nlが落ちている。", ni_hat);
}

}  // namespace

int area_corridor_0f_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_room:
    case ni_corridor:
        return room_noun(vid, noun_here);
    case ni_passage:
        if (vid == vi_enter || vid == vi_forward || vid == vi_down) return redispatch(vi_forward, noun_here);
        return look_reply(vid, "岩盤を掘り抜いた通路が、緩やかに下りながら奥の暗がりへと続いている。");
    case ni_wall:
        return look_reply(vid, "岩肌がむき出しの壁だ。所々に、古い鑿の跡が残っている。");
    case ni_ceiling:
        return look_reply(vid, "低い岩の天井から、ときおり冷たい水滴が落ちてくる。");
    case ni_floor:
        if (vid != vi_look) return 0;
        if (hat_lying())
            message("足元に%nlが落ちている。", ni_hat);
        else
            message("湿った岩の床が、奥へ向かって下っている。");
        return 1;
    case ni_hat:
        return lying_item(vid, nid, flag_test_not(F_HAT_TAKEN), F_HAT_TAKEN, noun_here);
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

// A cross-section of the tunnel around its centre, at full size, from the
// foot of the left wall over the roof to the foot of the right wall.
constexpr VxPoint ring[] = {{-300, 160}, {-296, 80},  {-288, 12},  {-270, -58}, {-238, -110}, {-190, -144},
                            {-122, -158}, {-40, -162}, {48, -157},  {128, -150}, {196, -134},  {248, -100},
                            {280, -42},  {294, 28},   {300, 96},   {298, 160}};
constexpr int RING_POINTS = sizeof ring / sizeof ring[0];
// The rings from near to far: their size per mille; the tunnel drops away
// as it recedes, so the far rings sit ever lower.
constexpr int RINGS = 7;
constexpr int ring_size[RINGS] = {940, 700, 520, 390, 290, 210, 150};
constexpr int ring_x(int i) { return 320 + (1000 - ring_size[i]) / 30; }
constexpr int ring_y(int i) { return 168 + (1000 - ring_size[i]) * (1000 - ring_size[i]) / 17000; }
constexpr VxPoint ring_point(int i, int k) {
    return {ring_x(i) + ring[k].x * ring_size[i] / 1000, ring_y(i) + ring[k].y * ring_size[i] / 1000};
}
// The ribs along the tunnel join these points of neighbouring rings.
constexpr int ribs[] = {1, 4, 7, 10, 14};

// Cracks in the rock, drawn near the frame.
constexpr VxPoint crack_left[] = {{40, 60}, {56, 92}, {48, 130}, {66, 166}, {58, 200}};
constexpr VxPoint crack_right[] = {{596, 120}, {578, 150}, {590, 186}, {574, 230}};
constexpr VxPoint crack_top[] = {{250, 14}, {270, 26}, {262, 40}, {290, 52}};
// Loose stones and puddles on the sloping floor.
constexpr VxPoint stone_1[] = {{420, 300}, {436, 292}, {452, 298}, {446, 308}, {426, 308}};
constexpr VxPoint stone_2[] = {{360, 262}, {370, 257}, {380, 261}, {374, 267}};

// The colonel's hat lying on the floor: its crown above the brim.
constexpr VxPoint hat_crown[] = {{-34, -4}, {-33, -28}, {-28, -40}, {-16, -47}, {0, -49},
                                 {16, -47}, {28, -40},  {33, -28},  {34, -4}};

void draw_tunnel() {
    // The floor's edges run from the frame's lower corners down to the far end.
    VxPoint far_l = ring_point(RINGS - 1, 0), far_r = ring_point(RINGS - 1, RING_POINTS - 1);
    vx_draw_line(19, 329, far_l.x, far_l.y);
    vx_draw_line(621, 329, far_r.x, far_r.y);
    for (int i = 0; i < RINGS; ++i) {
        VxPoint p[RING_POINTS];
        for (int k = 0; k < RING_POINTS; ++k) p[k] = ring_point(i, k);
        polyline(p);
        if (i + 1 < RINGS)
            for (int k : ribs) {
                VxPoint a = ring_point(i, k), b = ring_point(i + 1, k);
                vx_draw_line(a.x, a.y, b.x, b.y);
            }
    }
    // The nearest ring out to the frame's upper corners.
    VxPoint tl = ring_point(0, 5), tr = ring_point(0, 11);
    vx_draw_line(tl.x, tl.y, 19, 7);
    vx_draw_line(tr.x, tr.y, 621, 7);
    polyline(crack_left);
    polyline(crack_right);
    polyline(crack_top);
    // The slope: worn ruts down the middle of the floor, and wet patches.
    for (int d = -60; d <= 60; d += 120) vx_draw_line(320 + d * 3, 329, ring_x(RINGS - 1) + d / 6, far_l.y);
    vx_draw_arc(404, 276, 34, 5, 0, 360);
    vx_draw_arc(340, 246, 18, 3, 0, 360);
    occlude(stone_1);
    occlude(stone_2);
    // At the far end, a faint glimpse of the temple's pillars.
    for (int x = far_l.x + 10; x < far_r.x - 4; x += 16) vx_draw_line(x, far_l.y - 2, x, far_l.y - 20);
}

void draw_hat() {
    constexpr int X = 222, Y = 292;
    occlude_ellipse(X, Y, 62, 14);
    occlude_at(hat_crown, X, Y);
    vx_draw_line(X - 33, Y - 10, X + 33, Y - 10);
    vx_draw_line(X - 33, Y - 17, X + 33, Y - 17);
    vx_draw_line(X, Y - 48, X + 3, Y - 30);
    // The brown stain spreading over the crown.
    vx_draw_arc(X + 12, Y - 30, 8, 5, 0, 360);
    vx_draw_circle(X + 24, Y - 36, 1);
    vx_draw_circle(X + 4, Y - 24, 1);
}

}  // namespace

void area_corridor_0f_draw() {
    draw_tunnel();
    if (flag_test_not(F_HAT_TAKEN)) draw_hat();
}
