// The ground-floor bathroom: a bathtub of foul water that drowns whoever
// reaches into it, the plug chain that drains it, the mirror screwed to the
// wall with the professor's message behind it, and the toilet.
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
    {vi_backward, ai_corridor_1f_fr, F_DOOR_CORRIDOR_1F_FR_BATHROOM},
};

void look_room() {
    area_print_description(ai_bathroom);
    if (flag_test_not(F_BATH_DRAINED)) {
        message("左手の壁際には猫足の%nlがあり、濁った%nlがなみなみと張られている。水面には%nlが浮かんでいる。",
                ni_bathtub, ni_water, ni_duck);
        message("浴槽の縁からは%nlが垂れ下がっている。", ni_chain);
    } else {
        message("左手の壁際には%nlがある。水はすっかり抜けている。", ni_bathtub);
        if (flag_test_not(F_DUCK_TAKEN)) message("浴槽の底に%nlが転がっている。", ni_duck);
        if (flag_test_not(F_GLASSES_TAKEN)) message("浴槽の底に%nlが落ちている。", ni_glasses);
    }
    message("右手には%nlと%nlがある。", ni_toilet, ni_washstand);
    if (flag_test_not(F_MIRROR_TAKEN))
        message("洗面台の上の壁には、小さな%nlがねじで留められている。", ni_mirror);
    else
        message("洗面台の上の壁%nwには、鏡の外れた跡になにか書き殴られている。", ni_wall);
    if (flag_test(F_DOOR_CORRIDOR_1F_FR_BATHROOM))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

// Reaching into the foul water is fatal while the tub is full.
int touch_water(int vid) {
    if (flag_test_not(F_BATH_DRAINED) && (vid == vi_get || vid == vi_touch)) {
        die_by_water();
        return 1;
    }
    return 0;
}

void take_off_mirror() {
    if (flag_test(F_MIRROR_TAKEN)) {
        message("もう外すものはない");
        return;
    }
    message("ねじ回しでねじを外した。");
    take_item(ni_mirror, F_MIRROR_TAKEN);
}

}  // namespace

int area_bathroom_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_bathtub:
        if (vid == vi_look) {
            if (flag_test_not(F_BATH_DRAINED))
                message("古風な猫足の浴槽だ。おぞましい色の水が縁まで張られていて、底は見えない。");
            else
                message("古風な猫足の浴槽だ。水が抜けて、底に溜まった汚れがこびりついている。");
            return 1;
        }
        if (vid == vi_examine) {
            if (flag_test_not(F_BATH_DRAINED))
                message("浴槽の栓には%nlがつながっていて、縁から外に垂れている。", ni_chain);
            else
                msg_nothing_special();
            return 1;
        }
        if (vid == vi_enter) {
            if (flag_test_not(F_BATH_DRAINED))
                message("この水に浸かる気には到底なれない。");
            else
                message("空の浴槽に入ってみたが、なにも起こらなかった。");
            return 1;
        }
        if (vid == vi_get) {
            msg_too_big();
            return 1;
        }
        return 0;

    case ni_water:
        if (flag_test(F_BATH_DRAINED)) {
            if (vid == vi_look || vid == vi_examine || vid == vi_get || vid == vi_touch || vid == vi_drink) {
                message("水はすっかり抜けてしまっている。");
                return 1;
            }
            return 0;
        }
        if (touch_water(vid)) return 1;
        if (vid == vi_look) {
            message("異様な色をした水だ。ところどころに油のような膜が浮いている。");
            return 1;
        }
        if (vid == vi_examine) {
            message("異様な色の水面を見つめていると、水面がわずかに動いているような気がしてくる。");
            return 1;
        }
        if (vid == vi_drink) {
            message("こんな水を口にする気にはなれない。");
            return 1;
        }
        return 0;

    case ni_duck:
        if (has_item(ni_duck) || flag_test(F_DUCK_TAKEN)) break;
        if (touch_water(vid)) return 1;
        if (vid == vi_look) {
            if (flag_test_not(F_BATH_DRAINED))
                message("ゴム製のアヒルの玩具が、濁った水面にぽっかりと浮かんでいる。");
            else
                describe(ni_duck);
            return 1;
        }
        if (vid == vi_get) {
            take_item(ni_duck, F_DUCK_TAKEN);
            return 1;
        }
        return 0;

    case ni_glasses:
        // Under the foul water until the tub is drained.
        return lying_item(vid, nid, flag_test(F_BATH_DRAINED) && flag_test_not(F_GLASSES_TAKEN), F_GLASSES_TAKEN,
                          noun_here);

    case ni_chain:
        if (vid == vi_look) {
            if (flag_test_not(F_BATH_DRAINED))
                message("浴槽の栓につながった鎖が、縁から外に垂れ下がっている。");
            else
                message("栓につながった鎖が、空の浴槽の縁に掛かっている。");
            return 1;
        }
        if (vid == vi_pull || vid == vi_move) {
            if (flag_test(F_BATH_DRAINED)) {
                message("もう引っ張っても意味がない。");
                return 1;
            }
            message("鎖を引くと、ぽんと浴槽の栓が外れた。");
            message("ごぼごぼと嫌な音をたてて、おぞましい色の水が排水口に吸い込まれていく。");
            message("さいごにうめき声のような音を残して、浴槽は空になった。");
            flag_set(F_BATH_DRAINED);
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        return 0;

    case ni_screwdriver:
        if (!has_item(ni_screwdriver)) break;
        if (vid == vi_use) {
            take_off_mirror();
            return 1;
        }
        return 0;

    case ni_mirror:
        if (has_item(ni_mirror) || flag_test(F_MIRROR_TAKEN)) break;
        if (vid == vi_look) {
            message("洗面台の上の壁に、四隅をねじで留められた小さな鏡が掛かっている。覗き込んでも、疲れた自分の顔が映るばかりだ。");
            return 1;
        }
        if (vid == vi_get || vid == vi_remove || vid == vi_dismantle || vid == vi_pull) {
            if (has_item(ni_screwdriver))
                take_off_mirror();
            else
                message("しっかり止められている。外すには道具が必要だ。");
            return 1;
        }
        if (vid == vi_break || vid == vi_hit || vid == vi_kick) {
            message("鏡を割っても、ろくなことにはならないだろう。");
            return 1;
        }
        return 0;

    case ni_screw:
        if (flag_test(F_MIRROR_TAKEN)) break;
        if (vid == vi_look || vid == vi_examine) {
            message("鏡の四隅を留めている小さなねじだ。");
            return 1;
        }
        if (vid == vi_turn || vid == vi_remove || vid == vi_get) {
            if (has_item(ni_screwdriver))
                take_off_mirror();
            else
                message("しっかり止められている。外すには道具が必要だ。");
            return 1;
        }
        return 0;

    case ni_wall:
        if (flag_test_not(F_MIRROR_TAKEN)) return 0;
        if (vid == vi_look) {
            message("鏡が掛かっていた跡に、細かい文字がびっしりと書き殴られている。");
            return 1;
        }
        if (vid == vi_read || vid == vi_examine) {
            doc_mirror_message();
            flag_set(F_MIRROR_MESSAGE_READ);
            return 1;
        }
        return 0;

    case ni_washstand:
    case ni_cabinet:
        if (vid == vi_look) {
            message("陶器の洗面台だ。下は小さな戸棚になっている。");
            return 1;
        }
        if (vid == vi_use) {
            message("蛇口をひねってみたが、水は一滴も出てこない。");
            return 1;
        }
        if (vid == vi_open || vid == vi_examine) {
            message("洗面台の下の戸棚を覗いてみたが、乾ききった石鹸のかけらがあるだけだ。");
            return 1;
        }
        return 0;

    case ni_toilet:
        if (vid == vi_look) {
            message("陶器の便器だ。意外なことに、それほど汚れてはいない。");
            return 1;
        }
        if (vid == vi_use) {
            if (flag_test_not(F_TOILET_USED)) {
                message("用を足した。");
                flag_set(F_TOILET_USED);
            } else {
                message("また用を足した。");
            }
            return 1;
        }
        return 0;

    default:
        break;
    }
    return one_door_room_noun(vid, nid, noun_here);
}

// ---- Picture ----

namespace {

constexpr VxPoint mirror_frame[] = {{466, 98}, {509, 94}, {509, 168}, {466, 161}};
constexpr VxPoint mirror_glass[] = {{470, 103}, {505, 100}, {505, 162}, {470, 156}};

constexpr VxPoint cabinet_side[] = {{421, 185}, {460, 202}, {460, 262}, {421, 229}};
constexpr VxPoint cabinet_top[] = {{421, 185}, {462, 185}, {514, 202}, {460, 202}};

constexpr VxPoint toilet_tank[] = {{545, 205}, {598, 200}, {598, 246}, {545, 249}};
constexpr VxPoint toilet_lid[] = {{540, 197}, {603, 191}, {603, 201}, {540, 207}};
constexpr VxPoint toilet_foot[] = {{537, 280}, {580, 280}, {586, 318}, {531, 318}};
constexpr VxPoint toilet_bowl[] = {{513, 266}, {518, 283}, {540, 295}, {572, 294}, {593, 283}, {598, 266}};

constexpr VxPoint tub_foot_left[] = {{58, 290}, {72, 290}, {74, 308}, {82, 318}, {54, 318}, {60, 307}};
constexpr VxPoint tub_foot_right[] = {{232, 290}, {218, 290}, {216, 308}, {208, 318}, {236, 318}, {230, 307}};
constexpr VxPoint tub_body[] = {{25, 232},  {31, 262},  {49, 285},  {80, 298}, {145, 303},
                                {210, 298}, {241, 285}, {259, 262}, {265, 232}};

constexpr VxPoint duck_body[] = {{110, 226}, {116, 218}, {128, 217}, {136, 222}, {146, 218},
                                 {142, 228}, {134, 233}, {117, 233}};
constexpr VxPoint duck_beak[] = {{108, 208}, {100, 211}, {108, 213}};
constexpr VxPoint scum_1[] = {{60, 236}, {72, 232}, {84, 236}, {76, 240}, {64, 240}};
constexpr VxPoint scum_2[] = {{190, 222}, {204, 219}, {214, 224}, {200, 228}};

void draw_room() {
    draw_room_box(200, 70, 440, 215);
    // Tiles on the lower half of the walls.
    vx_draw_line(200, 130, 19, 140);
    vx_draw_line(440, 130, 621, 140);
    for (int y = 130; y < 215; y += 17) vx_draw_line(200, y, 440, y);
    for (int x = 224; x < 440; x += 24) vx_draw_line(x, 130, x, 215);
    // Floor tiles running away from the viewer, and across.
    draw_floor_boards(240, 401, 40, 215, 187, 73);
    vx_draw_line(168, 235, 472, 235);
    vx_draw_line(125, 262, 515, 262);
    vx_draw_line(65, 300, 575, 300);
    // A towel rail on the back wall.
    vx_draw_line(250, 112, 310, 112);
    vx_draw_line(250, 110, 250, 114);
    vx_draw_line(310, 110, 310, 114);
    for (int x = 262; x <= 292; x += 6) vx_draw_line(x, 112, x + 2, 150);
    vx_draw_line(262, 112, 262, 150);
    vx_draw_line(298, 112, 298, 150);
    vx_draw_line(262, 150, 298, 150);
}

void draw_mirror_or_marks() {
    if (flag_test_not(F_MIRROR_TAKEN)) {
        occlude(mirror_frame);
        outline(mirror_glass);
        vx_draw_line(476, 125, 488, 110);
        vx_draw_line(478, 134, 496, 112);
        for (const VxPoint &p : mirror_frame) vx_draw_circle(p.x + (p.x < 480 ? 2 : -2), p.y + (p.y < 130 ? 3 : -3), 1);
        return;
    }
    // Scrawled writing where the mirror hung, rows following the wall.
    constexpr int jitter[] = {3, -4, 2, -1, 4, -3, 1, -4, 3, 0, -2, 4, -3, 2};
    for (int row = 0; row < 6; ++row) {
        int y = 106 + row * 10;
        for (int i = 0; i < 6; ++i) {
            int x = 468 + i * 6;
            int a = jitter[(row * 3 + i) % 14], b = jitter[(row * 5 + i + 1) % 14];
            vx_draw_line(x, y - i / 2 + a, x + 5, y - i / 2 + b);
        }
    }
    vx_draw_line(472, 168, 470, 176);
    vx_draw_line(490, 170, 489, 180);
}

void draw_washstand() {
    occlude(cabinet_side);
    occlude(cabinet_top);
    occlude_rect(460, 202, 514, 262);
    vx_draw_rect(466, 210, 508, 256);
    vx_draw_line(487, 210, 487, 256);
    vx_fill_circle(483, 233, 2);
    vx_fill_circle(491, 233, 2);
    vx_draw_arc(467, 193, 26, 5, 0, 360);
    vx_draw_line(488, 186, 488, 178);
    vx_draw_line(488, 178, 478, 180);
}

void draw_toilet() {
    occlude(toilet_tank);
    occlude(toilet_lid);
    vx_draw_line(552, 216, 566, 215);
    vx_draw_line(566, 249, 566, 258);
    vx_draw_line(574, 248, 574, 257);
    occlude(toilet_foot);
    occlude(toilet_bowl);
    occlude_ellipse(555, 266, 43, 14);
    vx_draw_arc(555, 267, 33, 9, 0, 360);
}

void draw_chain_and_plug() {
    // From the drain over the rim and down the outside of the tub.
    for (int i = 0; i < 6; ++i) vx_draw_circle(80 - i * 5, 242 - i * 5, 2);
    for (int i = 0; i < 10; ++i) vx_draw_circle(48 - i, 216 + i * 6, 2);
    occlude_rect(33, 275, 45, 283);
    vx_draw_arc(84, 244, 6, 2, 0, 360);
}

void draw_tub() {
    occlude(tub_foot_left);
    occlude(tub_foot_right);
    occlude(tub_body);
    occlude_ellipse(145, 232, 120, 26);
    vx_draw_arc(145, 233, 108, 19, 0, 360);
    if (flag_test_not(F_BATH_DRAINED)) {
        // The foul water up to the rim, with things floating on it.
        for (int i = 0; i < 4; ++i) vx_draw_arc(70 + i * 42, 238 - (i % 2) * 8, 14, 3, 180, 360);
        vx_draw_arc(160, 243, 10, 2, 180, 360);
        occlude(scum_1);
        occlude(scum_2);
        vx_draw_circle(176, 236, 2);
        vx_draw_circle(182, 231, 1);
        vx_draw_circle(94, 226, 2);
        occlude(duck_body);
        occlude_ellipse(112, 210, 7, 7);
        occlude(duck_beak);
        vx_fill_circle(111, 208, 1);
        vx_draw_line(122, 224, 132, 223);
        return;
    }
    // Drained: the bottom and the pulled plug.
    vx_draw_arc(145, 242, 92, 11, 180, 360);
    vx_draw_line(53, 240, 40, 231);
    vx_draw_line(237, 240, 250, 231);
    draw_chain_and_plug();
    if (flag_test_not(F_DUCK_TAKEN)) {
        occlude_ellipse(185, 240, 11, 5);
        occlude_ellipse(175, 233, 5, 5);
        vx_draw_line(170, 233, 166, 234);
    }
    if (flag_test_not(F_GLASSES_TAKEN)) {
        vx_draw_circle(112, 246, 5);
        vx_draw_circle(126, 246, 5);
        vx_draw_line(117, 245, 121, 245);
        vx_draw_line(107, 245, 101, 242);
        vx_draw_line(131, 245, 137, 242);
    }
}

}  // namespace

void area_bathroom_draw() {
    draw_room();
    draw_mirror_or_marks();
    draw_washstand();
    draw_toilet();
    draw_tub();
}
