// The storage room: old furniture crowded in front of a window with a hole
// in one pane. With the chest's drawer shut and the table pushed back the
// window can be reached, and the washtub below it fished with the rod.
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
    {vi_backward, ai_corridor_1f_mr, F_DOOR_CORRIDOR_1F_MR_STORAGE},
};

bool window_reachable() { return flag_test(F_STORAGE_TABLE_BACK) && flag_test(F_STORAGE_DRAWER_SHUT); }

bool lantern_here() { return flag_test_not(F_LANTERN_TAKEN) && !has_item(ni_lantern); }

void look_room() {
    area_print_description(ai_storage);
    message("古い家具が所狭しと詰め込まれている。");
    message("左手には%nlと肘掛け%nlがあり、右手には背の高い%nlが並んでいる。", ni_chest, ni_chair, ni_cabinet);
    if (flag_test_not(F_STORAGE_DRAWER_SHUT)) message("箪笥の引き出し%nwが開いたままになっている。", ni_drawer);
    if (flag_test_not(F_STORAGE_TABLE_BACK))
        message("戸棚の前には%nlが置かれ、通り道をふさいでいる。", ni_table);
    else
        message("%nlは部屋の奥に寄せてある。", ni_table);
    if (window_reachable())
        message("正面の%nlまで、どうにか近づけるようになった。", ni_window);
    else
        message("正面に%nlが見えるが、並んだ家具が邪魔をしている。", ni_window);
    message("片隅には古い木箱%nwが置かれている。", ni_box);
    if (lantern_here()) message("部屋の隅に%nlが置いてある。", ni_lantern);
    if (flag_test(F_DOOR_CORRIDOR_1F_MR_STORAGE))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

void fish() {
    if (!window_reachable()) {
        msg_furniture_in_way();
        return;
    }
    // The sponge only counts while it is both on the hook and in hand.
    if (flag_test_not(F_SPONGE_HOOKED) || !has_item(ni_sponge)) {
        message("あなたは窓の穴から%nnを突き出し、%nnに釣り糸を垂れた。", ni_fishing_rod, ni_washtub);
        message("･･･何も釣れない。魚はいないようだ。");
        return;
    }
    if (flag_test(F_SPONGE_WET)) {
        message("%nnはすでに水浸しだ。", ni_sponge);
        return;
    }
    message("あなたは窓の穴から%nnを突き出し、釣り糸の先の%nnを%nnに降ろした。", ni_fishing_rod, ni_sponge,
            ni_washtub);
    message("しばらくして引き上げると、%nnはたっぷりと水を吸っていた。", ni_sponge);
    flag_set(F_SPONGE_WET);
}

}  // namespace

int area_storage_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_chest:
    case ni_drawer:
        if (vid == vi_look || vid == vi_examine) {
            if (flag_test_not(F_STORAGE_DRAWER_SHUT))
                message("古い箪笥だ。大きな引き出しが開いたままになっていて、窓への通り道をふさいでいる。中は空っぽだ。");
            else
                message("古い箪笥だ。引き出しはきちんと閉じてある。");
            return 1;
        }
        if (vid == vi_close || vid == vi_push) {
            flag_set_once(F_STORAGE_DRAWER_SHUT, "引き出しを閉じた。", "引き出しはもう閉まっている。");
            return 1;
        }
        if (vid == vi_open || vid == vi_pull) {
            flag_clear_once(F_STORAGE_DRAWER_SHUT, "引き出しを開けた。", "引き出しはもう開いている。");
            return 1;
        }
        if (vid == vi_move) {
            msg_no_room_to_move();
            return 1;
        }
        if (vid == vi_get) {
            msg_too_big();
            return 1;
        }
        return 0;

    case ni_table:
        if (vid == vi_look || vid == vi_examine) {
            if (flag_test_not(F_STORAGE_TABLE_BACK))
                message("箱のように四角い、がっしりしたテーブルだ。戸棚の前に置かれて、窓への通り道をふさいでいる。");
            else
                message("箱のように四角い、がっしりしたテーブルだ。部屋の奥に寄せてある。");
            return 1;
        }
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            if (flag_test_not(F_STORAGE_TABLE_BACK)) {
                message("テーブルを奥に移動した。");
                flag_set(F_STORAGE_TABLE_BACK);
            } else {
                message("テーブルを元の位置に戻した。");
                flag_clear(F_STORAGE_TABLE_BACK);
            }
            return 1;
        }
        if (vid == vi_get) {
            msg_too_big();
            return 1;
        }
        return 0;

    case ni_chair:
    case ni_cabinet:
    case ni_box:
        if (vid == vi_look) {
            if (nid == ni_chair)
                message("布の擦り切れた肘掛け椅子だ。");
            else if (nid == ni_cabinet)
                message("天井まで届きそうな背の高い戸棚だ。");
            else
                message("釘で打ちつけられた古い木箱だ。");
            return 1;
        }
        if (vid == vi_examine || vid == vi_open) {
            if (nid == ni_chair)
                msg_nothing_special();
            else if (nid == ni_cabinet)
                message("戸棚の中には古い書類の束や壊れた道具が押し込まれている。役に立ちそうなものはない。");
            else
                message("蓋は釘でしっかりと打ちつけられていて開かない。");
            return 1;
        }
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            msg_no_room_to_move();
            return 1;
        }
        if (vid == vi_get) {
            msg_too_big();
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look) {
            if (window_reachable())
                message("窓ガラスの一枚に、拳ほどの穴が開いている。");
            else
                message("窓ガラスの一枚が割れているようだが、並んだ家具に遮られてよく見えない。");
            return 1;
        }
        if (!window_reachable() &&
            (vid == vi_examine || vid == vi_open || vid == vi_touch || vid == vi_break || vid == vi_hit ||
             vid == vi_forward || vid == vi_exit)) {
            msg_furniture_in_way();
            return 1;
        }
        if (vid == vi_examine) {
            message("ガラスの穴から外を覗くと、すぐ下に%nlがある。水が溜まっているようだ。", ni_washtub);
            return 1;
        }
        if (vid == vi_open || vid == vi_exit) {
            message("窓枠は錆びついていて、びくともしない。");
            return 1;
        }
        if (vid == vi_break || vid == vi_hit) {
            message("これ以上ガラスを割っても、手を怪我するだけだ。");
            return 1;
        }
        return 0;

    case ni_washtub:
        if (!window_reachable()) {
            msg_furniture_in_way();
            return 1;
        }
        if (vid == vi_look || vid == vi_examine) {
            message("窓の外、すぐ下に置かれた洗い桶だ。雨水がたっぷり溜まっている。");
            return 1;
        }
        if (vid == vi_get || vid == vi_touch) {
            msg_too_far();
            return 1;
        }
        return 0;

    case ni_water:
        if (!window_reachable()) break;
        if (vid == vi_look || vid == vi_examine || vid == vi_get || vid == vi_touch || vid == vi_drink) {
            message("窓の外の洗い桶に溜まった水だ。ここからでは手が届かない。");
            return 1;
        }
        return 0;

    case ni_fishing_rod:
        if (!has_item(ni_fishing_rod)) break;
        if (vid == vi_use) {
            fish();
            return 1;
        }
        return 0;

    case ni_lantern:
        return lying_item(vid, nid, lantern_here(), F_LANTERN_TAKEN, noun_here);

    default:
        break;
    }
    return one_door_room_noun(vid, nid, noun_here);
}

// ---- Picture ----

namespace {

constexpr VxPoint window_hole[] = {{338, 104}, {344, 98}, {351, 103}, {348, 110}, {352, 116}, {342, 117}, {336, 111}};
constexpr VxPoint chest_side[] = {{180, 118}, {196, 126}, {196, 228}, {180, 220}};
constexpr VxPoint drawer_out_side[] = {{196, 136}, {214, 150}, {214, 170}, {196, 156}};
constexpr VxPoint drawer_out_front[] = {{214, 150}, {282, 150}, {282, 170}, {214, 170}};
constexpr VxPoint drawer_out_top[] = {{196, 136}, {264, 136}, {282, 150}, {214, 150}};
constexpr VxPoint chair_back[] = {{40, 190}, {52, 168}, {110, 164}, {124, 186}, {122, 240}, {42, 244}};
constexpr VxPoint chair_seat[] = {{36, 240}, {128, 236}, {140, 262}, {26, 268}};
constexpr VxPoint chair_front[] = {{26, 268}, {140, 262}, {140, 290}, {26, 296}};
constexpr VxPoint chair_arm_left[] = {{20, 226}, {44, 222}, {46, 236}, {36, 300}, {20, 302}};
constexpr VxPoint chair_arm_right[] = {{122, 218}, {146, 222}, {150, 296}, {136, 298}, {128, 234}};
constexpr VxPoint crate_top[] = {{468, 236}, {556, 236}, {578, 252}, {490, 252}};
constexpr VxPoint crate_side[] = {{468, 236}, {490, 252}, {490, 314}, {468, 296}};
constexpr VxPoint lantern_glass[] = {{586, 276}, {604, 276}, {606, 304}, {584, 304}};

void draw_room() {
    draw_room_box(180, 60, 460, 220);
    // Floorboards running towards the viewer.
    draw_floor_boards(200, 441, 30, 220, 189, 80);
}

void draw_window() {
    draw_paned_window(262, 80, 378, 170, 4, 3, 2);
    occlude(window_hole);
    vx_draw_line(344, 98, 348, 90);
    vx_draw_line(352, 116, 360, 120);
    vx_draw_line(336, 111, 330, 114);
    vx_draw_line(258, 172, 382, 172);
}

void draw_cabinets() {
    for (int i = 0; i < 2; ++i) {
        int x = 384 + i * 38;
        occlude_rect(x, 40 + i * 0, x + 36, 220);
        vx_draw_rect(x + 4, 46, x + 32, 130);
        vx_draw_rect(x + 4, 136, x + 32, 214);
        vx_draw_line(x + 18, 46, x + 18, 214);
        vx_draw_circle(x + 14, 134, 1);
        vx_draw_circle(x + 22, 134, 1);
    }
}

void draw_chest() {
    occlude(chest_side);
    occlude_rect(196, 126, 264, 228);
    for (int y = 136; y < 220; y += 22) {
        vx_draw_rect(200, y, 260, y + 18);
        vx_draw_line(224, y + 9, 236, y + 9);
    }
    if (flag_test(F_STORAGE_DRAWER_SHUT)) return;
    // The top drawer pulled out into the way.
    occlude(drawer_out_top);
    occlude(drawer_out_side);
    occlude(drawer_out_front);
    vx_draw_line(242, 160, 254, 160);
}

void draw_box_table() {
    // Stands in front of the window until pushed over to the cabinets.
    int x = flag_test_not(F_STORAGE_TABLE_BACK) ? 292 : 392;
    const VxPoint top[] = {{x, 196}, {x + 64, 196}, {x + 74, 206}, {x + 10, 206}};
    const VxPoint side[] = {{x, 196}, {x + 10, 206}, {x + 10, 250}, {x, 240}};
    occlude(top);
    occlude(side);
    occlude_rect(x + 10, 206, x + 74, 250);
    vx_draw_rect(x + 16, 212, x + 68, 244);
    vx_draw_line(x + 16, 228, x + 68, 228);
}

void draw_round_table() {
    black();
    vx_fill_rect(168, 262, 176, 300);
    white();
    vx_draw_line(168, 262, 168, 300);
    vx_draw_line(176, 262, 176, 300);
    occlude_ellipse(172, 302, 18, 5);
    occlude_ellipse(172, 258, 34, 9);
    vx_draw_arc(172, 256, 10, 3, 0, 360);
}

void draw_armchair() {
    occlude(chair_back);
    vx_draw_line(60, 176, 104, 173);
    occlude(chair_seat);
    occlude(chair_front);
    occlude(chair_arm_left);
    occlude(chair_arm_right);
    vx_draw_line(30, 296, 30, 318);
    vx_draw_line(136, 298, 136, 316);
}

void draw_crate() {
    occlude(crate_top);
    occlude(crate_side);
    occlude_rect(490, 252, 578, 314);
    for (int y = 266; y < 314; y += 16) vx_draw_line(490, y, 578, y);
    vx_draw_line(490, 252, 578, 314);
    for (int x = 486; x < 560; x += 22) vx_draw_line(x, 240, x + 20, 240);
}

void draw_lantern() {
    occlude_rect(582, 304, 608, 312);
    occlude(lantern_glass);
    vx_draw_line(590, 276, 590, 304);
    vx_draw_line(600, 276, 600, 304);
    vx_draw_arc(595, 298, 3, 5, 0, 360);
    vx_draw_rect(584, 270, 606, 276);
    vx_draw_arc(595, 270, 9, 10, 0, 180);
}

}  // namespace

void area_storage_draw() {
    draw_room();
    draw_window();
    draw_cabinets();
    draw_chest();
    draw_box_table();
    draw_round_table();
    draw_armchair();
    draw_crate();
    if (flag_test_not(F_LANTERN_TAKEN)) draw_lantern();
}
