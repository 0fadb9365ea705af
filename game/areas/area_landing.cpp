// The landing at the top of the hall's stairs: the locked double door to the
// upper floor, opened with the bronze key. The first time through it the
// player blacks out and wakes in the study.
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
    {vi_backward, ai_entrance_hall},
    {vi_left, ai_entrance_hall},
    {vi_right, ai_entrance_hall},
    {vi_down, ai_entrance_hall},
};

bool is_key(int nid) {
    return nid == ni_brass_key || nid == ni_wooden_key || nid == ni_bronze_key || nid == ni_steel_key ||
           nid == ni_golden_key || nid == ni_silver_key;
}

void look() {
    area_print_description(ai_landing);
    message("正面の壁に、重厚な両開きの扉%nwがある。", ni_front_door);
    if (flag_test(F_DOOR_LANDING_CORRIDOR_2F_C)) message("正面の扉の向こうは二階の廊下になっている。");
    message("%nlを下りれば玄関ホールに戻る。", ni_stairs);
}

// The Return after the blackout: the player comes to in the study.
void wake_up_in_study() {
    event_wake_up();
    flag_set(F_FIRST_ASCENT);
    area_request_move(ai_study);
    area_perform_move();
}

void go_upstairs() {
    if (flag_test_not(F_UNLOCKED_LANDING_CORRIDOR_2F_C)) {
        msg_door_locked();
    } else if (flag_test_not(F_FIRST_ASCENT)) {
        event_dark_stairs();
        set_wait_return_callback(wake_up_in_study);
    } else {
        door_move(ai_corridor_2f_c, F_DOOR_LANDING_CORRIDOR_2F_C);
    }
}

int move(int vid) {
    switch (vid) {
    case vi_forward:
        go_upstairs();
        return 1;
    default:
        return exit_or_look(exits, vid, look);
    }
}

int use_key(int nid) {
    if (nid != ni_bronze_key) {
        msg_key_does_not_fit();
    } else if (flag_test(F_UNLOCKED_LANDING_CORRIDOR_2F_C)) {
        msg_door_already_unlocked();
    } else {
        msg_door_unlocked();
        flag_set(F_UNLOCKED_LANDING_CORRIDOR_2F_C);
        remove_item(ni_bronze_key);
    }
    return 1;
}

}  // namespace

int area_landing_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    if (is_key(nid)) {
        // Keys lie nowhere here: only a carried key can be tried in the lock.
        *noun_here = 0;
        if (vid == vi_use && has_item(nid)) return use_key(nid);
        return 0;
    }
    switch (nid) {
    case ni_invalid:
        return move(vid);
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_door:
    case ni_front_door:
        if (opens_door(vid)) return redispatch(vi_forward, noun_here);
        if (vid == vi_look || vid == vi_examine) {
            message("黒檀の両開きの扉だ。真ん中に、青銅の縁取りのある鍵穴がある。");
            return 1;
        }
        if (vid == vi_hit || vid == vi_kick || vid == vi_break) {
            message("扉を叩いてみたが、重い音が響くばかりだ。");
            return 1;
        }
        return 0;
    case ni_stairs:
        if (vid == vi_down) return redispatch(vi_down, noun_here);
        return look_reply(vid, "玄関ホールへ下りる階段だ。手すり越しに、薄暗い広間が見下ろせる。");
    case ni_wall:
        return look_reply(vid, "腰板の張られた壁だ。扉の両脇に、燭台が取り付けられている。");
    default:
        return unknown_noun(nid, noun_here);
    }
}

// ---- Picture ----

namespace {

// The wall with the door fills most of the view: the frame scaled by 0.7
// around (320, 168).
constexpr int BL = 109, BT = 55, BR = 531, BB = 281;

// The handrail of the stairs coming up at the lower left, and its newel.
constexpr VxPoint rail[] = {{19, 262}, {96, 236}, {100, 244}, {19, 272}};
constexpr VxPoint newel[] = {{88, 228}, {106, 228}, {106, 329}, {88, 329}};

constexpr VxPoint keyplate[] = {{314, 196}, {326, 196}, {328, 206}, {326, 226}, {314, 226}, {312, 206}};

void draw_room() {
    draw_room_box(BL, BT, BR, BB);
    draw_floor_boards(BL + 42, BR, 42, BB, 161, 113);
}

// Wainscot panels along the lower wall; the door covers those behind it.
void draw_wainscot() {
    vx_draw_line(BL, 216, BR, 216);
    for (int x = BL + 8; x + 40 < BR; x += 50) vx_draw_rect(x, 226, x + 40, 272);
}

void draw_sconces() {
    for (int x = 190; x <= 450; x += 260) {
        occlude_rect(x - 5, 140, x + 5, 160);
        vx_draw_line(x, 150, x - 12, 132);
        vx_draw_line(x, 150, x + 12, 132);
        for (int dx = -12; dx <= 12; dx += 12) {
            vx_draw_line(dx == 0 ? x : x + dx, dx == 0 ? 140 : 132, dx == 0 ? x : x + dx, dx == 0 ? 122 : 116);
            vx_draw_arc(x + dx, dx == 0 ? 118 : 112, 2, 4, 0, 360);
        }
        vx_draw_line(x - 15, 132, x + 15, 132);
    }
}

void draw_double_door() {
    // The arched surround first, the leaves in front of it.
    black();
    vx_fill_arc(320, 120, 80, 40, 0, 180);
    vx_fill_rect(240, 120, 400, BB);
    white();
    vx_draw_arc(320, 120, 80, 40, 0, 180);
    vx_draw_arc(320, 120, 72, 34, 0, 180);
    vx_draw_line(240, 120, 240, BB);
    vx_draw_line(400, 120, 400, BB);
    vx_draw_line(248, 120, 248, BB);
    vx_draw_line(392, 120, 392, BB);
    vx_draw_line(240, 120, 400, 120);
    // Rays in the fanlight.
    for (int x = 262; x <= 378; x += 29) vx_draw_line(320, 120, x, x == 262 || x == 378 ? 104 : 92);
    vx_draw_rect(252, 124, 318, BB);
    vx_draw_rect(322, 124, 388, BB);
    for (int x = 260; x < 388; x += 70) {
        vx_draw_rect(x, 134, x + 50, 190);
        vx_draw_rect(x + 5, 139, x + 45, 185);
        vx_draw_rect(x, 212, x + 50, 272);
        vx_draw_rect(x + 5, 217, x + 45, 267);
    }
    occlude(keyplate);
    vx_draw_circle(320, 206, 2);
    vx_draw_line(320, 208, 320, 216);
    vx_draw_circle(308, 204, 3);
    vx_draw_circle(332, 204, 3);
}

void draw_stair_rail() {
    occlude(rail);
    for (int x = 30; x < 88; x += 14) {
        int y = 262 - (x - 19) * 26 / 77 + 10;
        vx_draw_line(x, y, x, 329);
    }
    occlude(newel);
    occlude_circle(97, 221, 8);
    vx_draw_line(88, 240, 106, 240);
}

}  // namespace

void area_landing_draw() {
    draw_room();
    draw_wainscot();
    draw_sconces();
    draw_double_door();
    draw_stair_rail();
}
