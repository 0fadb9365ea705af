// The playroom: a billiard table whose corner pocket is jammed with a wad of
// paper, and a dartboard with the colonel's last letter pinned to it. A ball
// rolled across the table drops into the jammed pocket and pushes the paper
// out into the tray below; the coin-operated table keeps the ball.
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
    {vi_backward, ai_corridor_1f_bl, F_DOOR_CORRIDOR_1F_BL_PLAYROOM},
};

bool paper_stuck() { return flag_test_not(F_WASTEPAPER_OUT); }
bool paper_in_tray() {
    return flag_test(F_WASTEPAPER_OUT) && flag_test_not(F_WASTEPAPER_TAKEN) && !has_item(ni_wastepaper);
}

void look_room() {
    area_print_description(ai_playroom);
    message("部屋の中央には立派な%nlが据えられ、台の上には球がいくつか散らばっている。", ni_billiard_table);
    if (paper_stuck()) message("隅のポケットの一つに、丸めた%nlが詰まっている。", ni_wastepaper);
    if (paper_in_tray()) message("台の下の受け皿に%nlが落ちている。", ni_wastepaper);
    message("左手の壁には%nlが掛かっていて、正面には%nlがある。", ni_target, ni_window);
    message("的の真ん中には、折りたたんだ便箋%nwが矢で留められている。", ni_letter);
    if (flag_test(F_DOOR_CORRIDOR_1F_BL_PLAYROOM))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

void roll_ball() {
    message("あなたは%nnの上に%nnを転がした。", ni_billiard_table, ni_billiard_ball);
    remove_item(ni_billiard_ball);
    flag_set(F_BALL_IN_POCKET);
    if (paper_stuck()) {
        message("球はまっすぐ転がって隅のポケットに落ち、詰まっていた紙屑を奥へと押し込んだ。");
        message("ことりと音がして、台の下の受け皿に%nlが転がり出てきた。", ni_wastepaper);
        flag_set(F_WASTEPAPER_OUT);
    } else {
        message("球は隅のポケットに吸い込まれていった。");
    }
    message("硬貨を入れないと球は戻ってこない仕掛けらしい。%nnは台の中に消えてしまった。", ni_billiard_ball);
}

void show_letter() {
    message("的に留められた便箋を広げて読んでみた。");
    doc_farewell_letter();
}

}  // namespace

int area_playroom_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_billiard_table:
        if (vid == vi_look) {
            message("緑のラシャを張った立派なビリヤード台だ。台の上には球がいくつか散らばっている。");
            if (paper_stuck()) message("隅のポケットの一つに、丸めた紙が詰まっている。");
            if (paper_in_tray()) message("台の下の受け皿に%nlが落ちている。", ni_wastepaper);
            return 1;
        }
        if (vid == vi_examine) {
            if (paper_stuck())
                message("隅のポケットの奥に紙屑が詰まっている。指を入れてみたが、奥に入り込んでいて届かない。");
            else
                message("ポケットに落ちた球は、台の中に取り込まれる仕掛けになっているようだ。");
            return 1;
        }
        if (vid == vi_use && has_item(ni_billiard_ball)) {
            roll_ball();
            return 1;
        }
        if (vid == vi_use || vid == vi_push || vid == vi_hit || vid == vi_touch) {
            message("台の上の球を突いてみたが、どれも台に貼りついたように動かない。誰かの悪戯だろうか。");
            return 1;
        }
        if (vid == vi_get || vid == vi_move) {
            msg_too_heavy();
            return 1;
        }
        return 0;

    case ni_billiard_ball:
        if (!has_item(ni_billiard_ball)) {
            // The balls on the table are part of it; the carried one is gone for good.
            if (vid == vi_look) {
                message("台の上に散らばった球だ。どれも台に貼りついたように動かない。");
                return 1;
            }
            if (vid == vi_get) {
                message("台の上の球は、どれも台に貼りついていて取れない。");
                return 1;
            }
            break;
        }
        if (vid == vi_use || vid == vi_put || vid == vi_throw || vid == vi_move) {
            roll_ball();
            return 1;
        }
        return 0;

    case ni_wastepaper:
        if (paper_stuck()) {
            if (vid == vi_look || vid == vi_examine) {
                message("ビリヤード台のポケットの奥に、丸めた紙が詰まっている。");
                return 1;
            }
            if (vid == vi_get || vid == vi_pull || vid == vi_push || vid == vi_remove) {
                message("ポケットの奥に入り込んでいて、指が届かない。");
                return 1;
            }
            return 0;
        }
        return lying_item(vid, nid, paper_in_tray(), F_WASTEPAPER_TAKEN, noun_here);

    case ni_target:
    case ni_letter:
        if (vid == vi_look) {
            message("壁に掛かったダーツの的だ。真ん中に一本だけ矢が刺さっていて、折りたたんだ便箋%nwを留めている。",
                    ni_letter);
            return 1;
        }
        if (vid == vi_read || vid == vi_examine || vid == vi_get || vid == vi_remove) {
            show_letter();
            return 1;
        }
        if (vid == vi_throw || vid == vi_use) {
            message("矢は一本しかなく、それも便箋を留めるのに使われている。");
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look) {
            message("窓の外には、手入れされずに荒れた庭が見える。");
            return 1;
        }
        if (vid == vi_open || vid == vi_exit) {
            message("窓は固く閉ざされていて開かない。");
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

constexpr VxPoint lamp_shade[] = {{290, 96}, {350, 96}, {372, 118}, {268, 118}};
constexpr VxPoint table_top[] = {{206, 196}, {434, 196}, {506, 262}, {134, 262}};
constexpr VxPoint table_cloth[] = {{218, 203}, {422, 203}, {484, 256}, {156, 256}};
constexpr VxPoint table_front[] = {{134, 262}, {506, 262}, {506, 284}, {134, 284}};
constexpr VxPoint letter[] = {{108, 126}, {118, 128}, {118, 148}, {108, 145}};
constexpr VxPoint cue_rack[] = {{540, 96}, {572, 88}, {572, 108}, {540, 114}};

// Balls lying on the cloth, in the triangle and scattered.
constexpr VxPoint balls[] = {{300, 216}, {308, 216}, {316, 216}, {304, 222}, {312, 222}, {308, 228},
                             {380, 236}, {240, 240}, {420, 222}};

void draw_room() {
    draw_room_box(190, 60, 450, 200);
    // A skirting board round the walls.
    draw_rail(190, 450, 192, 316);
}

void draw_window() {
    draw_paned_window(282, 74, 358, 150, 4, 2, 3);
    // Curtains gathered on both sides.
    for (int i = 0; i < 3; ++i) {
        vx_draw_line(270 + i * 4, 70, 274 + i * 3, 160);
        vx_draw_line(370 - i * 4, 70, 366 - i * 3, 160);
    }
    vx_draw_line(262, 70, 378, 70);
}

void draw_dartboard() {
    // On the left wall, foreshortened into tall ellipses.
    occlude_ellipse(112, 120, 16, 34);
    vx_draw_arc(112, 120, 12, 26, 0, 360);
    vx_draw_arc(112, 120, 7, 15, 0, 360);
    vx_draw_arc(112, 120, 2, 4, 0, 360);
    vx_draw_line(112, 86, 112, 154);
    vx_draw_line(97, 120, 127, 120);
    vx_draw_line(101, 98, 123, 142);
    vx_draw_line(123, 98, 101, 142);
    // The letter pinned under the dart.
    occlude(letter);
    vx_draw_line(110, 133, 116, 134);
    vx_draw_line(110, 138, 116, 139);
    vx_draw_line(113, 124, 126, 118);
    vx_draw_line(126, 118, 132, 113);
    vx_draw_line(126, 118, 133, 121);
}

void draw_cue_rack() {
    occlude(cue_rack);
    for (int i = 0; i < 4; ++i) vx_draw_line(546 + i * 7, 84 - i * 2, 548 + i * 7, 240 - i * 4);
}

void draw_lamp() {
    vx_draw_line(320, 7, 320, 96);
    occlude(lamp_shade);
    vx_draw_arc(320, 118, 52, 4, 180, 360);
}

void draw_table() {
    // Legs first, the body hides their tops.
    occlude_rect(150, 276, 170, 322);
    occlude_rect(470, 276, 490, 322);
    occlude_rect(212, 270, 226, 300);
    occlude_rect(414, 270, 428, 300);
    occlude(table_front);
    vx_draw_line(134, 270, 506, 270);
    occlude(table_top);
    outline(table_cloth);
    // Six pockets: four corners and the middle of the long sides.
    const VxPoint pockets[] = {{214, 200}, {426, 200}, {172, 229}, {468, 229}, {146, 258}, {494, 258}};
    for (const VxPoint &p : pockets) occlude_ellipse(p.x, p.y, 6, 3);
    for (const VxPoint &b : balls) occlude_ellipse(b.x, b.y, 4, 3);
    // A cue lying across the far end of the cloth.
    vx_draw_line(250, 210, 360, 232);
    vx_draw_line(250, 211, 360, 233);
    // The ball tray under the near end.
    vx_draw_rect(300, 284, 340, 292);
}

}  // namespace

void area_playroom_draw() {
    draw_room();
    draw_window();
    draw_dartboard();
    draw_cue_rack();
    draw_lamp();
    draw_table();
}
