// The side of the house with the washtub full of rainwater under a high
// window (the storage room's, whose pane has a hole in it).
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
    {vi_left, ai_opened_window},
    {vi_right, ai_backdoor},
};

void narrow_rim() { message("%nnの細い縁に立つのは至難の業だ。", ni_washtub); }

void no_bath() { message("服のまま水に浸かる気にはなれない。"); }

int washtub_command(int vid) {
    switch (vid) {
    case vi_look:
        message("木の板を箍で締めた大きな洗い桶だ。雨水がなみなみと溜まっている。");
        return 1;
    case vi_get:
        message("水がなみなみと入っていて、とても持ち上がらない。");
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
        msg_does_not_budge();
        return 1;
    case vi_up:
        narrow_rim();
        return 1;
    case vi_enter:
        no_bath();
        return 1;
    case vi_hit:
    case vi_kick:
        message("桶を叩くと、水面に小さな波紋が広がった。");
        return 1;
    case vi_break:
        msg_cannot_break();
        return 1;
    default:
        return 0;
    }
}

int water_command(int vid) {
    switch (vid) {
    case vi_look:
        message("桶に溜まった雨水だ。枯れ葉が浮いているが、嫌な臭いはしない。");
        return 1;
    case vi_examine:
        message("覗き込むと、水面に自分の顔が映った。ほかには何もない。");
        return 1;
    case vi_get:
        message("手ですくってみたが、指の間からこぼれてしまう。");
        return 1;
    case vi_drink:
        message("雨水を飲む気にはなれない。");
        return 1;
    case vi_touch:
        message("ひんやりと冷たい。");
        return 1;
    case vi_enter:
        no_bath();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_washtub_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        if (take_exit(exits, vid)) return 1;
        switch (vid) {
        case vi_up:
            narrow_rim();
            return 1;
        case vi_look:
            area_print_description(ai_washtub);
            message("壁際に大きな%nlが置かれていて、%nlがなみなみと溜まっている。", ni_washtub, ni_water);
            message("その真上、見上げるほど高いところに%nlがある。", ni_window);
            return 1;
        default:
            return 0;
        }
    case ni_washtub:
        return washtub_command(vid);
    case ni_water:
        return water_command(vid);
    case ni_window:
        switch (vid) {
        case vi_look:
            message("見上げるほど高いところに窓がある。ガラスの一枚が割れて、小さな穴が開いている。");
            return 1;
        case vi_open:
        case vi_close:
        case vi_enter:
        case vi_touch:
        case vi_break:
        case vi_examine:
            msg_too_far();
            return 1;
        case vi_up:
            narrow_rim();
            return 1;
        default:
            return 0;
        }
    case ni_wall:
    case ni_house:
        return look_reply(vid, "切り石を積んだ屋敷の壁だ。窓のほかには何もない。");
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

constexpr int WALL_FOOT_Y = 236;

constexpr VxPoint window_frame[] = {{244, 26}, {396, 26}, {396, 126}, {244, 126}};
constexpr VxPoint window_sill[] = {{234, 126}, {406, 126}, {410, 136}, {230, 136}};
// The hole in the broken pane, with cracks running from it.
constexpr VxPoint hole[] = {{352, 86}, {358, 80}, {366, 84}, {370, 92}, {362, 98}, {354, 96}};
constexpr VxPoint cracks[] = {{352, 86}, {342, 78}, {358, 80}, {362, 70}, {370, 92}, {378, 100},
                              {362, 98}, {360, 110}, {354, 96}, {344, 102}};
// The tub: its sides down to the bottom's rim, in front of the wall foot.
constexpr VxPoint tub_sides[] = {{226, 232}, {414, 232}, {398, 302}, {242, 302}};
constexpr VxPoint ground[] = {{20, 238}, {120, 236}, {220, 240}, {420, 237}, {520, 240}, {620, 236}};
constexpr VxPoint stones[] = {{64, 272}, {128, 300}, {476, 268}, {552, 304}, {170, 316}, {590, 262}};
constexpr VxPoint leaves[] = {{276, 234}, {338, 238}, {372, 230}};

void draw_wall() {
    for (int row = 0; row < 16; ++row) { // brick courses down to the wall's foot
        int y = 8 + row * 14;
        vx_draw_line(20, y, 620, y);
        for (int x = 20 + (row % 2) * 20 + 20; x < 620; x += 40) vx_draw_line(x, y, x, y + 14);
    }
    vx_draw_line(20, WALL_FOOT_Y, 620, WALL_FOOT_Y);
}

void draw_window() {
    occlude(window_frame);
    vx_draw_rect(252, 34, 388, 118);
    // Three by two panes.
    for (int x = 252 + 45; x < 388; x += 46) vx_draw_line(x, 34, x, 118);
    vx_draw_line(252, 76, 388, 76);
    occlude(hole);
    for (int i = 0; i < 10; i += 2) vx_draw_line(cracks[i].x, cracks[i].y, cracks[i + 1].x, cracks[i + 1].y);
    occlude(window_sill);
    // A stone lintel over it.
    occlude_rect(236, 14, 404, 26);
    for (int x = 264; x < 404; x += 28) vx_draw_line(x, 14, x, 26);
}

void draw_tub() {
    // The bottom's curve, then the sides over it.
    occlude_ellipse(320, 302, 78, 12);
    occlude(tub_sides);
    // Its staves, narrowing with the sides.
    for (int i = 1; i < 12; ++i) {
        int top = 226 + i * 188 / 12;
        int bottom = 242 + i * 156 / 12;
        vx_draw_line(top, 240, bottom, 308);
    }
    // Two iron hoops round it: their front halves.
    vx_draw_arc(320, 244, 92, 16, 180, 360);
    vx_draw_arc(320, 247, 92, 16, 180, 360);
    vx_draw_arc(320, 284, 84, 14, 180, 360);
    vx_draw_arc(320, 287, 84, 14, 180, 360);
    // The rim and, inside it, the surface of the water.
    occlude_ellipse(320, 232, 94, 18);
    vx_draw_arc(320, 234, 86, 14, 0, 360);
    for (const VxPoint &l : leaves) { // leaves afloat
        vx_draw_arc(l.x, l.y, 6, 2, 0, 360);
        vx_draw_line(l.x - 6, l.y, l.x + 6, l.y);
    }
    vx_draw_arc(300, 236, 30, 5, 200, 340); // a ripple
    // A pair of handles, one lug each side.
    vx_draw_rect(216, 234, 226, 242);
    vx_draw_rect(414, 234, 424, 242);
}

}  // namespace

void area_washtub_draw() {
    draw_wall();
    draw_window();
    // The ground below the wall: the path of trodden earth, some stones.
    draw_ground(ground, 237);
    for (const VxPoint &s : stones) vx_draw_arc(s.x, s.y, 9, 4, 0, 360);
    for (int x = 40; x < 620; x += 70) { // grass at the foot of the wall
        vx_draw_line(x, 250, x - 4, 242);
        vx_draw_line(x, 250, x + 1, 240);
        vx_draw_line(x, 250, x + 6, 243);
    }
    draw_tub();
}
