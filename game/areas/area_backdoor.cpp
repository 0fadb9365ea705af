// The back door at the top of a few steps; it is barred from inside.
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
    {vi_left, ai_washtub},
    {vi_right, ai_under_tree},
};

int door_command(int vid, int *noun_here) {
    switch (vid) {
    case vi_open:
    case vi_push:
    case vi_pull:
        return redispatch(vi_forward, noun_here);
    case vi_look:
        message("勝手口の簡素な木の扉だ。内側から閂が掛けられているらしい。");
        return 1;
    case vi_hit:
        message("扉を叩いてみたが、返事はない。");
        return 1;
    case vi_break:
    case vi_kick:
        msg_cannot_break();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_backdoor_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        if (take_exit(exits, vid)) return 1;
        switch (vid) {
        case vi_forward:
            message("扉はびくともしない。");
            return 1;
        case vi_look:
            area_print_description(ai_backdoor);
            message("短い%nlの上に、裏口の%nlがある。", ni_stairs, ni_door);
            return 1;
        default:
            return 0;
        }
    case ni_door:
    case ni_front_door: // the back door is the one ahead
        return door_command(vid, noun_here);
    case ni_brass_key:
    case ni_wooden_key:
        // Carried keys tried on this door; any other use is common.
        if (!has_item(nid) || vid != vi_use) break;
        msg_key_does_not_fit();
        return 1;
    case ni_stairs:
        return look_reply(vid, "裏口へ上る四段の石段だ。脇に鉄の手すりが付いている。");
    case ni_house:
    case ni_wall:
        return look_reply(vid, "屋敷の裏手の壁だ。積まれた石の表面はすっかり苔むしている。");
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

constexpr int LANDING_Y = 208; // the top step, before the door

constexpr VxPoint canopy[] = {{242, 44}, {398, 44}, {412, 62}, {228, 62}};
constexpr VxPoint door_frame[] = {{272, 66}, {368, 66}, {368, LANDING_Y}, {272, LANDING_Y}};
constexpr VxPoint lamp[] = {{414, 100}, {426, 100}, {430, 112}, {426, 128}, {414, 128}, {410, 112}};
constexpr VxPoint side_window[] = {{122, 76}, {194, 76}, {194, 168}, {122, 168}};
constexpr VxPoint ground[] = {{20, 290}, {110, 288}, {190, 292}, {450, 289}, {540, 293}, {620, 288}};

void draw_wall() {
    // Weatherboards, and the uprights of the framing every few boards.
    for (int y = 16; y < 290; y += 12) vx_draw_line(20, y, 620, y);
    for (int x = 60; x < 620; x += 190) vx_draw_line(x, 16, x, 290);
    // A window left of the door, four panes, with a sill.
    occlude(side_window);
    draw_panes(128, 82, 188, 162, 2, 2);
    occlude_rect(116, 168, 200, 176);
    // The drainpipe at the right.
    occlude_rect(556, 8, 566, 284);
    for (int y = 40; y < 284; y += 60) vx_draw_rect(552, y, 570, y + 4);
}

void draw_door() {
    occlude(door_frame);
    vx_draw_rect(280, 74, 360, LANDING_Y);
    // Planks, with a ledge and brace behind them.
    for (int x = 296; x < 360; x += 16) vx_draw_line(x, 74, x, LANDING_Y);
    vx_draw_line(282, 96, 358, 96);
    vx_draw_line(282, 182, 358, 182);
    vx_draw_line(282, 182, 358, 96);
    // A small grilled peep-hole, the latch and the knob.
    occlude_rect(308, 104, 332, 122);
    for (int x = 314; x < 332; x += 6) vx_draw_line(x, 104, x, 122);
    vx_draw_rect(344, 136, 352, 154);
    vx_draw_circle(348, 142, 3);
    vx_draw_line(348, 148, 348, 151);
    // The canopy over the door on two brackets.
    occlude(canopy);
    vx_draw_line(236, 56, 404, 56);
    vx_draw_line(246, 62, 262, 84);
    vx_draw_line(262, 62, 262, 84);
    vx_draw_line(394, 62, 378, 84);
    vx_draw_line(378, 62, 378, 84);
    // An old lamp beside it.
    vx_draw_line(408, 96, 420, 90);
    vx_draw_line(420, 90, 420, 100);
    occlude(lamp);
    vx_draw_line(410, 112, 430, 112);
    vx_draw_line(420, 100, 420, 128);
}

void draw_steps() {
    // Four steps, each wider and lower than the one above it.
    for (int i = 0; i < 4; ++i) {
        int top = LANDING_Y + i * 20, half = 70 + i * 14;
        occlude_rect(320 - half, top, 320 + half, top + 20);
        vx_draw_line(320 - half, top + 4, 320 + half, top + 4); // the tread's nosing
    }
    // An iron handrail down the right side, one post on each tread.
    for (int i = 0; i < 4; ++i) {
        int x = 382 + i * 14, y = LANDING_Y + i * 20 + 4;
        vx_draw_line(x, y, x, y - 34);
    }
    vx_draw_line(382, LANDING_Y - 36, 424, LANDING_Y + 24);
    vx_draw_line(382, LANDING_Y - 32, 424, LANDING_Y + 28);
    vx_draw_line(424, LANDING_Y + 24, 430, LANDING_Y + 40); // its end scrolls down
    vx_draw_circle(380, LANDING_Y - 36, 3);
}

}  // namespace

void area_backdoor_draw() {
    draw_wall();
    draw_door();
    // The ground in front of the house.
    draw_ground(ground, 291);
    for (int x = 40; x < 620; x += 46) { // weeds at the wall's foot
        if (x > 220 && x < 420) continue;
        vx_draw_line(x, 300, x - 5, 290);
        vx_draw_line(x, 300, x, 287);
        vx_draw_line(x, 300, x + 5, 291);
    }
    draw_steps();
}
