// The professor's study: a desk with a locked drawer, the colonel's postcard,
// shelves of physics books, and a suit of armour seated behind the desk. The
// armour wakes at any meddling with the desk while it is whole, and cuts
// the player down unless he leaves at once. The door at the back left leads
// into the library. The blackout on the landing lands the player here.
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

bool is_key(int nid) { return nid >= ni_brass_key && nid <= ni_silver_key; }

bool armour_seated() { return flag_test_not(F_LIBRARY_ARMOUR_GONE) && flag_test_not(F_STUDY_ARMOUR_ATTACKING); }

bool screwdriver_in_drawer() {
    return flag_test(F_DESK_DRAWER_OPEN) && flag_test_not(F_SCREWDRIVER_TAKEN) && !has_item(ni_screwdriver);
}

// Meddling with the desk wakes the armour, without a word: it is the turn
// hook that shows it rising.
int wake_armour() {
    flag_set_once(F_STUDY_ARMOUR_AWAKE, nullptr, nullptr);
    return 1;
}

void describe_drawer_contents() {
    if (screwdriver_in_drawer())
        message("抽斗の中に%nlと%nlがある。", ni_notebook, ni_screwdriver);
    else
        message("抽斗の中に%nlがある。", ni_notebook);
}

void look_room() {
    area_print_description(ai_study);
    if (flag_test(F_STUDY_LIBRARY_DOOR_CLOSED))
        message("左奥には扉%nwがあり、閉まっている。", ni_left_door);
    else
        message("左奥には扉%nwがあり、開け放たれている。", ni_left_door);
    if (area_is_visited(ai_library)) message("左奥の扉の向こうは図書室だ。");
    message("正面には%nlがあり、その前に大きな%nlと回転%nlが置かれている。", ni_window, ni_desk, ni_chair);
    if (armour_seated())
        message("机の向こうには、%nlを膝に置いた%nlが座っている。", ni_samurai_sword, ni_samurai_armor);
    if (flag_test(F_STUDY_ARMOUR_ATTACKING)) {
        msg_armor_stands();
        msg_armor_threatens();
    }
    message("机の上には%nlが置いてある。", ni_postcard);
    if (flag_test(F_DESK_DRAWER_OPEN)) {
        message("机の%nlが開いている。", ni_drawer);
        describe_drawer_contents();
    }
    message("右手の壁際には、本がぎっしりと詰まった%nlがある。", ni_bookshelf);
    if (flag_test(F_DOOR_CORRIDOR_2F_CR_STUDY))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_back_door);
}

// Leaving calms the armour; and the toy that snatched the golden key in the
// library is seen flying off once the player steps into the corridor.
void calm_armour() {
    if (flag_test(F_STUDY_ARMOUR_AWAKE) || flag_test(F_STUDY_ARMOUR_ATTACKING)) {
        message("部屋を出ようとすると、鎧は満足したかのように元の場所に戻っていった。");
        flag_clear(F_STUDY_ARMOUR_AWAKE);
        flag_clear(F_STUDY_ARMOUR_ATTACKING);
    }
}

int no_noun(int vid) {
    switch (vid) {
    case vi_backward:
        calm_armour();
        door_move(ai_corridor_2f_cr, F_DOOR_CORRIDOR_2F_CR_STUDY);
        key_thief_flies_off();
        return 1;
    case vi_left:
        if (flag_test(F_STUDY_LIBRARY_DOOR_CLOSED)) {
            msg_door_closed();
            return 1;
        }
        calm_armour();
        area_request_move(ai_library);
        return 1;
    case vi_look:
        look_room();
        return 1;
    default:
        return 0;
    }
}

int use_key(int nid) {
    if (flag_test_not(F_LIBRARY_ARMOUR_GONE)) return wake_armour();
    if (nid != ni_steel_key) {
        msg_key_does_not_fit();
    } else if (flag_test(F_DESK_DRAWER_UNLOCKED)) {
        message("もう鍵は掛かっていない。");
    } else {
        message("鍵が開いた。");
        flag_set(F_DESK_DRAWER_UNLOCKED);
        remove_item(ni_steel_key);
    }
    return 1;
}

int drawer(int vid) {
    if (vid == vi_look) {
        message("机の正面の抽斗だ。小さな鍵穴がついている。");
        if (flag_test(F_DESK_DRAWER_OPEN)) describe_drawer_contents();
        return 1;
    }
    if (flag_test_not(F_LIBRARY_ARMOUR_GONE)) return wake_armour();
    switch (vid) {
    case vi_open:
    case vi_pull:
        if (flag_test_not(F_DESK_DRAWER_UNLOCKED)) {
            message("鍵が掛かっている。");
            return 1;
        }
        if (flag_test(F_DESK_DRAWER_OPEN)) {
            message("机の抽斗はもう開いている。");
            return 1;
        }
        message("机の抽斗を開けた。");
        flag_set(F_DESK_DRAWER_OPEN);
        describe_drawer_contents();
        return 1;
    case vi_close:
    case vi_push:
        flag_clear_once(F_DESK_DRAWER_OPEN, "机の抽斗を閉めた。", "机の抽斗は閉まっている。");
        return 1;
    case vi_examine:
        if (flag_test(F_DESK_DRAWER_OPEN))
            describe_drawer_contents();
        else if (flag_test_not(F_DESK_DRAWER_UNLOCKED))
            message("鍵が掛かっている。");
        else
            message("鍵は開いているが、抽斗は閉まっている。");
        return 1;
    default:
        return 0;
    }
}

int desk(int vid, int *noun_here) {
    if (vid == vi_look) {
        message("どっしりとした樫の机だ。上には%nlが置いてあり、正面には鍵穴のついた%nlがある。", ni_postcard, ni_drawer);
        return 1;
    }
    if (flag_test_not(F_LIBRARY_ARMOUR_GONE)) return wake_armour();
    switch (vid) {
    case vi_examine:
        message("机の上には%nlがある。正面の%nlには鍵穴がついている。", ni_postcard, ni_drawer);
        return 1;
    case vi_open:
    case vi_close:
        return area_call_handler(get_cur_area(), vid, ni_drawer, noun_here);
    case vi_get:
    case vi_move:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

int armour(int vid, int *noun_here) {
    if (flag_test(F_LIBRARY_ARMOUR_GONE)) {
        *noun_here = 0;
        return 0;
    }
    if (flag_test(F_STUDY_ARMOUR_AWAKE) || flag_test(F_STUDY_ARMOUR_ATTACKING)) {
        if (vid == vi_look || vid == vi_examine) {
            msg_armor_stands();
            msg_armor_threatens();
            return 1;
        }
        if (vid == vi_hit || vid == vi_kick || vid == vi_break || vid == vi_get || vid == vi_touch) {
            message("刀を構えた鎧に素手で立ち向かうのは無謀だ。逃げた方がいい。");
            return 1;
        }
        return 0;
    }
    switch (vid) {
    case vi_look:
        message("黒漆塗りの古い鎧だ。%nlを膝に置き、机の向こうに座っている。", ni_samurai_sword);
        message("面頬の奥の暗がりから、こちらをうかがっているような気がする。");
        return 1;
    case vi_examine:
    case vi_get:
    case vi_touch:
        return wake_armour();
    default:
        return 0;
    }
}

// The door to the library, shut or open as the player leaves it from either side.
constexpr kept_door to_library = {
    .shut_flag = F_STUDY_LIBRARY_DOOR_CLOSED,
    .direction = vi_left,
    .opened = "左奥の扉を開けた。",
    .already_open = "左奥の扉はもう開いている。",
    .shut = "左奥の扉を閉めた。",
    .already_shut = "左奥の扉はもう閉まっている。",
    .looks_open = "左奥の壁の扉だ。開け放たれている。",
    .looks_shut = "左奥の壁の扉だ。閉まっている。",
};

}  // namespace

int area_study_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    if (is_key(nid)) {
        // Keys lie nowhere here; a carried one can only be tried in the drawer.
        *noun_here = 0;
        if (vid == vi_use && has_item(nid)) return use_key(nid);
        return 0;
    }

    switch (nid) {
    case ni_invalid:
        return no_noun(vid);
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_door:
        msg_several_doors({ni_left_door, ni_back_door});
        return 1;
    case ni_back_door:
        return door_noun(vid, vi_backward, "廊下に出る扉だ。", noun_here);
    case ni_left_door:
        return kept_door_noun(vid, to_library, noun_here);

    case ni_desk:
        return desk(vid, noun_here);
    case ni_drawer:
        return drawer(vid);
    case ni_samurai_armor:
    case ni_samurai_sword:
        return armour(vid, noun_here);

    case ni_postcard:
        if (has_item(ni_postcard)) break;
        switch (vid) {
        case vi_look:
            message("異国の遺跡の写真が刷られた絵葉書だ。裏には几帳面な字でびっしりと文面が書かれている。");
            return 1;
        case vi_read:
            doc_postcard();
            flag_set(F_POSTCARD_READ);
            return 1;
        case vi_get:
            message("文面は覚えておけるだろう。%nnは机の上に残しておくことにした。", ni_postcard);
            return 1;
        default:
            return 0;
        }
    case ni_notebook:
        if (flag_test_not(F_DESK_DRAWER_OPEN) || has_item(ni_notebook)) break;
        switch (vid) {
        case vi_look:
            message("研究の記録をつけたノートだ。表紙は手垢で黒ずんでいる。");
            return 1;
        case vi_read:
            doc_study_note_full();
            flag_set(F_STUDY_NOTES_READ);
            return 1;
        case vi_get:
            msg_no_need_to_carry();
            return 1;
        default:
            return 0;
        }
    case ni_screwdriver:
        return lying_item(vid, nid, screwdriver_in_drawer(), F_SCREWDRIVER_TAKEN, noun_here);

    case ni_bookshelf:
    case ni_book:
        if (vid == vi_read || vid == vi_examine) {
            message("どれも難解な物理学の専門書ばかりで、読んでもさっぱりわからない。");
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            msg_does_not_budge();
            return 1;
        }
        return look_reply(vid, "天井まで届く本棚に、物理学の専門書がぎっしりと並んでいる。");
    case ni_chair:
        if (vid == vi_turn) {
            message("椅子をくるりと回してみた。きしんだ音が部屋に響いた。");
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        return look_reply(vid, "革張りの回転椅子だ。座面がすっかりへたっている。");
    case ni_window:
        if (vid == vi_open || vid == vi_exit) {
            message("窓ははめ殺しになっていて開かない。");
            return 1;
        }
        return look_reply(vid, "窓の外には、崖の下に打ち寄せる波が見える。");
    case ni_wall:
        return look_reply(vid, "壁には額に入った賞状が掛かっている。学会から教授に贈られたものらしい。");
    case ni_floor:
        return look_reply(vid, "よく磨かれた板張りの床だ。");
    default:
        break;
    }
    return unknown_noun(nid, noun_here);
}

// A disturbed armour rises on the next counted command and strikes on the
// one after.
void area_study_turn_hook(int counted) {
    if (!counted) return;
    if (flag_test(F_STUDY_ARMOUR_ATTACKING)) {
        die_by_armour();
    } else if (flag_test(F_STUDY_ARMOUR_AWAKE)) {
        message("座っていた鎧が動き出し、あなたに向かってきた!");
        flag_set(F_STUDY_ARMOUR_ATTACKING);
    }
}

// ---- Picture ----

namespace {

constexpr int BL = 170, BT = 50, BR = 470, BB = 200;

constexpr VxPoint left_wall(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }

constexpr side_door library_door = {104, 156, 820, 108, 152, 800, 114, 146, 90, 300, 360, 2, 146, 420};
constexpr VxPoint door_frame[] = {left_wall(104, 0), left_wall(104, 820), left_wall(156, 820), left_wall(156, 0)};
constexpr VxPoint door_opening[] = {left_wall(108, 0), left_wall(108, 800), left_wall(152, 800), left_wall(152, 0)};
constexpr VxPoint door_leaf_open[] = {left_wall(152, 800), {196, 62}, {196, 240}, left_wall(152, 0)};

constexpr VxPoint desk_top[] = {{226, 212}, {414, 212}, {436, 232}, {204, 232}};
constexpr VxPoint drawer_out[] = {{282, 240}, {358, 240}, {366, 262}, {274, 262}};
constexpr VxPoint lamp_shade[] = {{386, 176}, {414, 176}, {420, 188}, {380, 188}};
constexpr VxPoint postcard[] = {{342, 216}, {368, 214}, {372, 222}, {344, 225}};
constexpr VxPoint screwdriver[] = {{290, 250}, {318, 247}, {319, 251}, {291, 254}};

constexpr VxPoint chair_back[] = {{-26, -92}, {-18, -102}, {18, -102}, {26, -92}, {26, -44}, {-26, -44}};
constexpr VxPoint chair_seat[] = {{-30, -46}, {30, -46}, {34, -36}, {-34, -36}};

void draw_room() {
    draw_floor_boards(BL + 20, BR, 30, BB, 2, 1);
    draw_room_box(BL, BT, BR, BB);
    draw_rail(BL, BR, 62, 17);
    draw_hanging_lamp(320, 7, 24, 32, 18, 9);
}

void draw_door() {
    if (flag_test(F_STUDY_LIBRARY_DOOR_CLOSED)) {
        draw_side_door(left_wall, library_door);
        return;
    }
    occlude(door_frame);
    occlude(door_opening);
    // The library beyond: the edges of its shelves.
    for (int h = 120; h < 800; h += 110) {
        VxPoint a = left_wall(112, h), b = left_wall(150, h);
        vx_draw_line(a.x, a.y, b.x, b.y);
    }
    occlude(door_leaf_open);
    vx_draw_line(158, 74, 190, 68);
    vx_draw_line(158, 220, 190, 232);
    vx_draw_line(190, 68, 190, 232);
    vx_draw_arc(186, 156, 2, 4, 0, 360);
}

void draw_window() {
    occlude_rect(206, 72, 284, 150);
    // A crescent moon over the sea.
    vx_draw_arc(262, 90, 8, 8, 300, 420);
    vx_draw_arc(258, 88, 6, 6, 300, 420);
    vx_draw_line(208, 126, 282, 126);
    draw_panes(210, 76, 280, 146, 2, 2);
    occlude_rect(200, 150, 290, 156);
}

void draw_certificate() {
    occlude_rect(296, 86, 324, 108);
    vx_draw_rect(299, 89, 321, 105);
    for (int y = 93; y < 102; y += 4) vx_draw_line(303, y, 317, y);
}

void draw_bookcase() {
    occlude_rect(336, 60, 462, 204);
    vx_draw_rect(340, 64, 458, 200);
    // Five shelves of books of varied widths and heights.
    for (int s = 0; s < 5; ++s) {
        int base = 90 + s * 27;
        vx_draw_line(340, base, 458, base);
        int x = 343;
        for (int i = 0; x < 452; ++i) {
            int w = 4 + (i * 7 + s * 3) % 5;
            int h = 16 + (i * 5 + s) % 7;
            if ((i + s) % 9 == 4) {
                // A book leaning on its neighbour.
                vx_draw_line(x, base, x + 8, base - h + 2);
                vx_draw_line(x + 5, base, x + 13, base - h + 2);
                x += 14;
                continue;
            }
            vx_draw_rect(x, base - h, x + w, base);
            if (w > 6) vx_draw_line(x + 2, base - h + 4, x + w - 2, base - h + 4);
            x += w + 1;
        }
    }
}

void draw_desk() {
    occlude(desk_top);
    occlude_rect(204, 232, 436, 296);
    // Two pedestals of drawers and the middle drawer with its keyhole.
    for (int i = 0; i < 3; ++i) {
        vx_draw_rect(212, 240 + i * 18, 268, 254 + i * 18);
        vx_draw_rect(372, 240 + i * 18, 428, 254 + i * 18);
        vx_draw_line(236, 247 + i * 18, 244, 247 + i * 18);
        vx_draw_line(396, 247 + i * 18, 404, 247 + i * 18);
    }
    vx_draw_rect(278, 240, 362, 256);
    vx_draw_circle(320, 246, 2);
    vx_draw_line(320, 248, 320, 252);
    vx_draw_line(274, 262, 274, 296);
    vx_draw_line(366, 262, 366, 296);
    // On the desk: an inkstand, a pile of papers, the lamp and the postcard.
    occlude_rect(232, 206, 250, 214);
    vx_draw_line(246, 206, 256, 190);
    vx_draw_rect(262, 214, 298, 220);
    vx_draw_line(264, 216, 296, 216);
    vx_draw_line(400, 188, 400, 212);
    occlude_ellipse(400, 214, 12, 3);
    occlude(lamp_shade);
    occlude(postcard);
    vx_draw_line(348, 219, 364, 217);
}

void draw_open_drawer() {
    occlude(drawer_out);
    vx_draw_line(282, 240, 282, 244);
    vx_draw_line(358, 240, 358, 244);
    vx_draw_rect(274, 262, 366, 276);
    vx_draw_circle(320, 269, 2);
    // The notebook always lies inside; the screwdriver until it is taken.
    vx_draw_rect(326, 244, 352, 258);
    vx_draw_line(330, 246, 330, 256);
    if (flag_test_not(F_SCREWDRIVER_TAKEN)) {
        occlude(screwdriver);
        occlude_rect(280, 248, 290, 255);
    }
}

void draw_swivel_chair(int x, int y) {
    Place p = {x, y, 1, 1};
    p.line(0, -36, 0, -12);
    for (int i = 0; i < 5; ++i) {
        static constexpr int dx[] = {-30, -16, 0, 16, 30};
        static constexpr int dy[] = {-4, 2, 0, 2, -4};
        p.line(0, -12, dx[i], dy[i]);
        vx_draw_circle(p.px(dx[i]), p.py(dy[i]) + 2, 2);
    }
    p.shape(chair_seat);
    p.shape(chair_back);
    for (int u = -14; u <= 14; u += 14) p.line(u, -96, u, -50);
}

}  // namespace

void area_study_draw() {
    draw_room();
    draw_door();
    draw_window();
    draw_certificate();
    draw_bookcase();
    if (flag_test_not(F_STUDY_ARMOUR_ATTACKING) && flag_test_not(F_LIBRARY_ARMOUR_GONE))
        draw_seated_armour({300, 206, 2, 3});
    draw_desk();
    // The chair stands at the middle drawer until the drawer is opened; then
    // it is pushed aside and the open drawer shows where it stood.
    if (flag_test_not(F_DESK_DRAWER_OPEN)) draw_swivel_chair(320, 322);
    if (flag_test(F_DESK_DRAWER_OPEN)) {
        draw_open_drawer();
        draw_swivel_chair(520, 316);
    }
    // It has risen from behind the desk, the sword raised on the left.
    if (flag_test(F_STUDY_ARMOUR_ATTACKING)) draw_standing_armour({320, 326, 1, 1}, -1, false);
}
