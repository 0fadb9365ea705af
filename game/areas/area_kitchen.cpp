// The kitchen: cupboard, stove with its oven, sink counter and icebox. Only
// the oven matters: a roast chicken that has not spoiled waits inside.
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
    {vi_left, ai_dining, F_DOOR_DINING_KITCHEN},
    {vi_right, ai_corridor_1f_br, F_DOOR_CORRIDOR_1F_BR_KITCHEN},
};

bool chicken_in_oven() {
    return flag_test(F_OVEN_OPEN) && flag_test_not(F_CHICKEN_TAKEN) && !has_item(ni_roast_chicken);
}

void look_room() {
    area_print_description(ai_kitchen);
    message("奥の壁際には%nlがあり、その隣に%nlと%nlが並んでいる。", ni_cupboard, ni_range, ni_oven);
    message("右手には%nlのついた%nlと、大きな%nlがある。", ni_sink, ni_counter, ni_icebox);
    if (chicken_in_oven()) message("開いたオーブンの中に%nlが入っている。", ni_roast_chicken);
    if (flag_test(F_DOOR_DINING_KITCHEN))
        message("左側の扉は食堂に通じている。");
    else
        message("左側に扉%nwがある。", ni_left_door);
    if (flag_test(F_DOOR_CORRIDOR_1F_BR_KITCHEN))
        message("右側の扉は廊下に通じている。");
    else
        message("右側に扉%nwがある。", ni_right_door);
}

}  // namespace

int area_kitchen_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_room:
        return room_noun(vid, noun_here);

    case ni_door:
        msg_several_doors({ni_left_door, ni_right_door});
        return 1;

    case ni_left_door:
        return door_noun(vid, vi_left, nullptr, noun_here);

    case ni_right_door:
        return door_noun(vid, vi_right, nullptr, noun_here);

    case ni_oven:
        if (vid == vi_open) {
            flag_set_once(F_OVEN_OPEN, "オーブンを開けた。", "オーブンはもう開いている。");
            if (chicken_in_oven()) message("中に%nlが入っている。", ni_roast_chicken);
            return 1;
        }
        if (vid == vi_close) {
            flag_clear_once(F_OVEN_OPEN, "オーブンを閉じた。", "オーブンは閉まっている。");
            return 1;
        }
        if (vid == vi_look || vid == vi_examine) {
            if (flag_test_not(F_OVEN_OPEN))
                message("ガスコンロの下に作りつけられた大きなオーブンだ。扉は閉まっている。");
            else if (chicken_in_oven())
                message("扉の開いたオーブンの中に、%nlが入っている。", ni_roast_chicken);
            else
                message("扉の開いたオーブンの中は空っぽだ。");
            return 1;
        }
        if (vid == vi_use) {
            message("ガスが止まっているのか、火がつかない。");
            return 1;
        }
        if (vid == vi_enter) {
            message("オーブンに入るのはお菓子の家の魔女くらいのものだ。");
            return 1;
        }
        return 0;

    case ni_roast_chicken:
        if (vid == vi_eat && chicken_in_oven()) {
            message("食べられそうに見えるが、なんだか気が引ける。");
            return 1;
        }
        return lying_item(vid, nid, chicken_in_oven(), F_CHICKEN_TAKEN, noun_here);

    case ni_range:
        if (vid == vi_look) {
            message("古いガスコンロだ。五徳には焦げついた鍋が載ったままになっている。");
            return 1;
        }
        if (vid == vi_use || vid == vi_turn) {
            message("つまみを回してみたが、ガスが止まっているのか火がつかない。");
            return 1;
        }
        return 0;

    case ni_sink:
    case ni_counter:
        if (vid == vi_look) {
            message("流し台のついた調理台だ。洗われないままの皿が積み重なっている。");
            return 1;
        }
        if (vid == vi_use || vid == vi_turn) {
            message("蛇口をひねってみたが、水は出てこない。");
            return 1;
        }
        if (vid == vi_examine) {
            message("汚れた皿のほかには、とくに変わったものはない。");
            return 1;
        }
        return 0;

    case ni_icebox:
        if (vid == vi_look) {
            message("白い琺瑯の古い冷蔵庫だ。");
            return 1;
        }
        if (vid == vi_open || vid == vi_examine) {
            message("冷蔵庫を開けてみると、ひどい臭いが漂ってきた。中のものはすっかり腐っている。あわてて扉を閉めた。");
            return 1;
        }
        if (vid == vi_close) {
            message("冷蔵庫は閉まっている。");
            return 1;
        }
        return 0;

    case ni_cupboard:
        if (vid == vi_look) {
            message("ガラス戸の食器棚だ。上等な食器が整然と並んでいる。");
            return 1;
        }
        if (vid == vi_open || vid == vi_examine) {
            message("食器棚の中を調べてみたが、皿やグラスが並んでいるだけだ。");
            return 1;
        }
        if (vid == vi_break || vid == vi_hit || vid == vi_kick) {
            message("食器を割っても何にもならない。");
            return 1;
        }
        return 0;

    default:
        break;
    }
    return unknown_noun(nid, noun_here);
}

// ---- Picture ----

namespace {

constexpr VxPoint left_door[] = {{120, 106}, {120, 253}, {60, 298}, {60, 104}};
constexpr VxPoint right_door[] = {{520, 106}, {580, 104}, {580, 298}, {520, 253}};
constexpr VxPoint hood[] = {{270, 70}, {322, 70}, {338, 108}, {254, 108}};
constexpr VxPoint stove_top[] = {{258, 140}, {334, 140}, {340, 150}, {252, 150}};
constexpr VxPoint counter_top[] = {{342, 158}, {404, 158}, {408, 168}, {338, 168}};
constexpr VxPoint oven_door_open[] = {{266, 209}, {326, 209}, {340, 238}, {252, 238}};
constexpr VxPoint chicken[] = {{280, 196}, {286, 186}, {298, 182}, {310, 185}, {316, 193},
                               {312, 200}, {288, 201}};

void draw_room() {
    draw_room_box(170, 60, 470, 215);
    // Chequered floor: boards towards the viewer and across.
    draw_floor_boards(200, 441, 40, 215, 191, 77);
    vx_draw_line(144, 235, 496, 235);
    vx_draw_line(104, 265, 536, 265);
    vx_draw_line(50, 306, 590, 306);
    // A row of tiles behind the stove and the sink.
    vx_draw_line(252, 120, 404, 120);
    for (int x = 262; x < 404; x += 14) vx_draw_line(x, 120, x, 140);
}

void draw_doors() {
    occlude(left_door);
    vx_draw_line(112, 118, 68, 117);
    vx_draw_line(68, 117, 68, 280);
    vx_draw_line(112, 118, 112, 244);
    vx_draw_arc(108, 182, 3, 5, 0, 360);
    occlude(right_door);
    vx_draw_line(528, 118, 572, 117);
    vx_draw_line(572, 117, 572, 280);
    vx_draw_line(528, 118, 528, 244);
    vx_draw_arc(532, 182, 3, 5, 0, 360);
}

void draw_cupboard() {
    occlude_rect(180, 74, 248, 215);
    // Glazed upper half with plates standing on the shelves.
    vx_draw_rect(186, 80, 213, 140);
    vx_draw_rect(215, 80, 242, 140);
    for (int y = 100; y <= 120; y += 20) vx_draw_line(186, y, 242, y);
    for (int i = 0; i < 3; ++i) {
        vx_draw_circle(192 + i * 8, 93, 5);
        vx_draw_circle(222 + i * 8, 93, 5);
        vx_draw_rect(190 + i * 8, 110, 194 + i * 8, 119);
        vx_draw_rect(220 + i * 8, 110, 224 + i * 8, 119);
        vx_draw_arc(200 + i * 12, 136, 5, 3, 0, 360);
    }
    vx_draw_rect(186, 146, 213, 208);
    vx_draw_rect(215, 146, 242, 208);
    vx_draw_line(208, 170, 208, 180);
    vx_draw_line(220, 170, 220, 180);
    vx_draw_line(180, 143, 248, 143);
}

void draw_stove() {
    occlude(hood);
    vx_draw_line(284, 70, 284, 60);
    vx_draw_line(308, 70, 308, 60);
    occlude_rect(256, 150, 336, 215);
    occlude(stove_top);
    for (int i = 0; i < 2; ++i) {
        vx_draw_arc(276 + i * 40, 145, 12, 3, 0, 360);
        vx_draw_arc(276 + i * 40, 145, 5, 1, 0, 360);
    }
    // Knobs along the front of the range.
    for (int x = 266; x <= 326; x += 15) vx_draw_circle(x, 158, 3);
    vx_draw_line(256, 166, 336, 166);
    if (flag_test_not(F_OVEN_OPEN)) {
        vx_draw_rect(266, 172, 326, 209);
        vx_draw_rect(276, 182, 316, 200);
        vx_draw_line(272, 176, 320, 176);
        return;
    }
    // The open oven: a dark mouth with racks, the door folded down.
    vx_draw_rect(266, 172, 326, 209);
    vx_draw_line(270, 186, 322, 186);
    vx_draw_line(270, 201, 322, 201);
    if (flag_test_not(F_CHICKEN_TAKEN)) {
        occlude(chicken);
        vx_draw_line(310, 187, 320, 181);
        vx_draw_line(314, 192, 323, 189);
        vx_draw_circle(321, 180, 2);
        vx_draw_circle(324, 188, 2);
        vx_draw_arc(296, 192, 7, 3, 200, 340);
    }
    occlude(oven_door_open);
    vx_draw_line(262, 216, 330, 216);
    vx_draw_rect(274, 221, 318, 232);
}

void draw_sink_counter() {
    occlude_rect(340, 168, 406, 215);
    occlude(counter_top);
    vx_draw_arc(372, 163, 20, 3, 0, 360);
    vx_draw_line(372, 160, 372, 146);
    vx_draw_arc(378, 146, 6, 4, 0, 180);
    vx_draw_line(384, 146, 384, 152);
    vx_draw_rect(346, 176, 371, 208);
    vx_draw_rect(375, 176, 400, 208);
    vx_draw_line(366, 190, 366, 196);
    vx_draw_line(380, 190, 380, 196);
    // A stack of unwashed plates on the counter.
    for (int i = 0; i < 3; ++i) vx_draw_arc(394, 158 - i * 3, 8, 2, 0, 360);
}

void draw_icebox() {
    occlude_rect(410, 88, 462, 215);
    vx_draw_line(410, 130, 462, 130);
    vx_draw_rect(418, 108, 421, 124);
    vx_draw_rect(418, 138, 421, 170);
    vx_draw_arc(436, 96, 10, 3, 0, 360);
    vx_draw_line(412, 212, 460, 212);
}

}  // namespace

void area_kitchen_draw() {
    draw_room();
    draw_doors();
    draw_cupboard();
    draw_stove();
    draw_sink_counter();
    draw_icebox();
}
