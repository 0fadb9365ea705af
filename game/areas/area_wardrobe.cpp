// Inside the wardrobe of the lady's room. With its door shut it is pitch
// dark, and it is the one hiding place from the black shadow: the turn hook
// lets the shadow search the room and leave while the door stays shut.
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

#include <initializer_list>

namespace {

constexpr area_exit exits[] = {
    {vi_forward, ai_ladys_room},
    {vi_exit, ai_ladys_room},
};

bool lion_lying() { return flag_test_not(F_LION_TAKEN) && !has_item(ni_lion); }
bool witch_lying() { return flag_test_not(F_WITCH_TAKEN) && !has_item(ni_witch); }

void look_inside() {
    area_print_description(ai_wardrobe);
    message("頭の上の横木には婦人物の%nlが何着も掛かっていて、ナフタリンの匂いがする。", ni_clothes);
    message("床の上には、\\");
    if (lion_lying() && witch_lying())
        message("%nlと%nlが落ちている。", ni_lion, ni_witch);
    else if (lion_lying())
        message("%nlが落ちている。", ni_lion);
    else if (witch_lying())
        message("%nlが落ちている。", ni_witch);
    else
        msg_nothing_left();
    message("開いた扉の向こうには婦人部屋が見える。");
}

// The door of the wardrobe, from inside.
int door(int vid, int *noun_here) {
    switch (vid) {
    case vi_open:
        flag_set_once(F_WARDROBE_OPEN, "洋服箪笥の扉を押し開けた。", "洋服箪笥の扉はもう開いている。");
        return 1;
    case vi_close:
        flag_clear_once(F_WARDROBE_OPEN, "内側から洋服箪笥の扉を閉めた。あたりは真っ暗になった。",
                        "扉はすでに閉まっている。");
        return 1;
    case vi_push:
    case vi_pull:
        return redispatch(vi_forward, noun_here);
    case vi_look:
        message("内側には取っ手がない。扉の縁に指を掛ければ、閉めることはできそうだ。");
        return 1;
    default:
        return 0;
    }
}

// In the dark only these work: leaving (to find the door shut), waiting,
// opening the door, and the commands about the game itself.
bool works_in_dark(int vid, int nid) {
    if (vid >= vi_help && vid <= vi_title) return true;
    if (vid == vi_recall) return true;
    if (nid == ni_invalid) return vid == vi_forward || vid == vi_exit || vid == vi_wait;
    bool door_noun = nid == ni_door || nid == ni_front_door || nid == ni_wardrobe;
    return door_noun && vid == vi_open;
}

}  // namespace

int area_wardrobe_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    if (flag_test_not(F_WARDROBE_OPEN)) {
        if (!works_in_dark(vid, nid)) {
            message("暗くて何も見えない。");
            return 1;
        }
        if (vid == vi_forward || vid == vi_exit) {
            msg_door_closed();
            return 1;
        }
    }

    switch (nid) {
    case ni_invalid:
        switch (vid) {
        case vi_backward:
            message("洋服箪笥を通って別の世界に行くには、あなたは年をとり過ぎている。");
            return 1;
        default:
            return exit_or_look(exits, vid, look_inside);
        }

    case ni_room:
        return room_noun(vid, noun_here);

    case ni_door:
    case ni_front_door:
    case ni_wardrobe:
        return door(vid, noun_here);

    case ni_clothes:
        if (vid == vi_look) {
            message("婦人物のドレスやコートだ。どれも上等な仕立てだが、すっかり流行遅れになっている。");
            return 1;
        }
        if (vid == vi_examine) {
            message("ポケットを探ってみたが、何も入っていない。");
            return 1;
        }
        if (vid == vi_get) {
            message("着替えは必要ないだろう。");
            return 1;
        }
        return 0;

    case ni_lion:
        return lying_item(vid, nid, lion_lying(), F_LION_TAKEN, noun_here);

    case ni_witch:
        return lying_item(vid, nid, witch_lying(), F_WITCH_TAKEN, noun_here);

    default:
        break;
    }
    return unknown_noun(nid, noun_here);
}

// The shadow searches the lady's room while the player hides in here.
void area_wardrobe_turn_hook(int counted) {
    if (counted != 1) return;
    if (flag_test(F_SHADOW_HERE)) {
        if (flag_test(F_WARDROBE_OPEN)) {
            die_by_shadow();
            return;
        }
        event_footsteps_leave();
        flag_clear(F_SHADOW_HERE);
        flag_clear(F_DANGER);
    } else if (flag_test(F_SHADOW_ENTERS)) {
        if (flag_test(F_WARDROBE_OPEN))
            event_shadow_enters();
        else
            event_hiding_footsteps();
        flag_clear(F_SHADOW_ENTERS);
        flag_set(F_SHADOW_HERE);
    }
}

// ---- Picture ----

namespace {

// Looking out from inside: the door opening is the far rectangle, the
// wardrobe's own walls run from it out to the frame.
constexpr int OPEN_L = 170, OPEN_T = 40, OPEN_R = 470, OPEN_B = 290;

constexpr VxPoint coat_left[] = {{19, 60},   {60, 52},  {92, 76},  {104, 150}, {112, 250},
                                 {96, 300},  {70, 329}, {19, 329}};
constexpr VxPoint dress_left[] = {{96, 70},  {128, 64}, {150, 84}, {154, 160}, {176, 270},
                                  {150, 292}, {112, 290}};
constexpr VxPoint coat_right[] = {{621, 58}, {584, 50}, {552, 72}, {540, 150}, {530, 250},
                                  {548, 300}, {578, 329}, {621, 329}};
constexpr VxPoint dress_right[] = {{546, 66}, {514, 62}, {494, 84}, {490, 170}, {470, 262},
                                   {500, 284}, {536, 280}};
constexpr VxPoint lion_body[] = {{200, 300}, {208, 288}, {248, 286}, {258, 294}, {258, 312},
                                 {250, 312}, {248, 302}, {214, 302}, {212, 312}, {202, 312}};
constexpr VxPoint lion_mane[] = {{186, 274}, {194, 266}, {206, 268}, {212, 278}, {208, 292},
                                 {196, 296}, {186, 290}, {182, 282}};
constexpr VxPoint witch_cloak[] = {{404, 180}, {414, 180}, {426, 226}, {392, 226}};
constexpr VxPoint witch_hat[] = {{400, 166}, {418, 166}, {404, 146}};
constexpr VxPoint broom[] = {{384, 214}, {440, 200}, {442, 204}, {386, 218}};
constexpr VxPoint broom_bristles[] = {{440, 198}, {456, 190}, {460, 210}, {442, 206}};

// The lady's room seen through the opening, small and far.
void draw_room_beyond() {
    vx_draw_rect(250, 90, 390, 200);
    vx_draw_line(250, 90, OPEN_L, OPEN_T);
    vx_draw_line(390, 90, OPEN_R, OPEN_T);
    vx_draw_line(250, 200, OPEN_L, 250);
    vx_draw_line(390, 200, OPEN_R, 250);
    // The broken window and the dressing table's cracked mirror.
    vx_draw_rect(266, 108, 318, 158);
    draw_panes(270, 112, 314, 154, 2, 3);
    vx_draw_line(294, 126, 308, 118);
    vx_draw_line(294, 126, 302, 140);
    vx_draw_arc(361, 136, 12, 16, 0, 360);
    vx_draw_line(354, 128, 368, 146);
    occlude_rect(342, 156, 380, 164);
    vx_draw_line(346, 164, 346, 196);
    vx_draw_line(376, 164, 376, 196);
}

void draw_inside() {
    draw_room_beyond();
    // The wardrobe's walls, floor and roof around the opening.
    draw_room_box(OPEN_L, OPEN_T, OPEN_R, OPEN_B);
    // Its floorboards.
    for (int x = OPEN_L + 50; x < OPEN_R; x += 50) vx_draw_line(x, OPEN_B, 320 + (x - 320) * 2, 329);
    // The rail under the roof with its hangers.
    vx_draw_line(19, 30, 621, 30);
    vx_draw_line(19, 36, 621, 36);
    occlude(coat_left);
    occlude(dress_left);
    occlude(coat_right);
    occlude(dress_right);
    for (int x : {56, 112, 530, 580}) {
        vx_draw_line(x, 36, x, 48);
        vx_draw_arc(x, 58, 16, 8, 180, 360);
    }
    // Folds of the cloth.
    for (int i = 0; i < 3; ++i) {
        vx_draw_line(40 + i * 18, 110, 34 + i * 20, 320);
        vx_draw_line(600 - i * 18, 110, 606 - i * 20, 320);
        vx_draw_line(120 + i * 12, 120, 128 + i * 14, 280);
        vx_draw_line(520 - i * 12, 120, 512 - i * 14, 270);
    }
    // Buttons on the coats.
    for (int y = 100; y < 260; y += 36) {
        vx_draw_circle(84, y, 3);
        vx_draw_circle(556, y, 3);
    }
}

void draw_lion() {
    occlude(lion_body);
    occlude(lion_mane);
    occlude_circle(197, 282, 8);
    vx_draw_circle(194, 280, 1);
    vx_draw_line(258, 292, 270, 284);
    vx_draw_line(270, 284, 272, 278);
    for (int i = 0; i < 8; ++i) vx_draw_line(197, 282, 197 + (i % 4 - 2) * 8, 270 + (i / 4) * 24);
}

// The witch doll hangs on a thread from the rail, caught by her broom.
void draw_witch() {
    vx_draw_line(409, 36, 409, 146);
    occlude(broom);
    occlude(broom_bristles);
    for (int i = 0; i < 3; ++i) vx_draw_line(444, 200 + i * 3, 458, 194 + i * 7);
    occlude(witch_cloak);
    occlude_circle(409, 174, 7);
    occlude(witch_hat);
    vx_draw_line(394, 166, 424, 166);
    vx_draw_line(398, 226, 398, 236);
    vx_draw_line(420, 226, 420, 236);
}

}  // namespace

void area_wardrobe_draw() {
    if (flag_test_not(F_WARDROBE_OPEN)) {
        // Shut in the dark: light shows only along the door's edges.
        vx_draw_line(320, 30, 320, 300);
        vx_draw_line(316, 40, 316, 290);
        for (int y = 40; y < 300; y += 40) vx_draw_line(324, y, 324, y + 14);
        vx_draw_line(60, 312, 300, 312);
        vx_draw_line(340, 312, 580, 312);
        return;
    }
    draw_inside();
    if (flag_test_not(F_LION_TAKEN)) draw_lion();
    if (flag_test_not(F_WITCH_TAKEN)) draw_witch();
}
