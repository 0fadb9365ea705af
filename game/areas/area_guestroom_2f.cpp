// The upper guest room: a portrait whose eyes follow the visitor, a cabinet
// walled in by a table and an armchair, a pile of books with the nurse's
// logbook, and a canopy bed. Shifting the furniture under the portrait's
// gaze calls the armour, which arrives two commands later and strikes on
// the third unless the player leaves.
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

// The portrait sees what is done while its eyes are on the room (parity
// clear); the armour it serves is gone once destroyed in the library.
void alert_check() {
    if (flag_test_not(F_PORTRAIT_OFF) && flag_test_not(F_GUESTROOM_2F_PARITY) && flag_test_not(F_LIBRARY_ARMOUR_GONE) &&
        flag_test_not(F_GUEST_ARMOUR_ALERTED))
        flag_set(F_GUEST_ARMOUR_ALERTED);
}

bool in_cabinet(int nid, int taken_flag) {
    return flag_test(F_CABINET_OPEN) && flag_test_not(taken_flag) && !has_item(nid);
}

bool logbook_on_pile() { return flag_test(F_LOGBOOK_SEEN) && flag_test_not(F_LOGBOOK_TAKEN) && !has_item(ni_logbook); }

void describe_cabinet_contents() {
    bool bottle = in_cabinet(ni_bottle, F_BOTTLE_TAKEN);
    bool sponge = in_cabinet(ni_sponge, F_SPONGE_TAKEN);
    if (bottle && sponge)
        message("中には%nlと%nlが入っている。", ni_bottle, ni_sponge);
    else if (bottle || sponge)
        message("中には%nlが入っている。", bottle ? ni_bottle : ni_sponge);
    else
        message("中は空っぽだ。");
}

void look_room() {
    area_print_description(ai_guestroom_2f);
    if (flag_test_not(F_CABINET_OPEN)) {
        message("左手の壁際には古い%nlがあり、扉は閉まっている。", ni_cabinet);
    } else {
        message("左手の壁際の%nlは扉が開いている。", ni_cabinet);
        describe_cabinet_contents();
    }
    if (flag_test_not(F_PORTRAIT_OFF))
        message("正面の壁には、陰気な顔をした紳士の%nlが掛かっている。", ni_portrait);
    else
        message("正面の壁の%nlは外され、裏返しにして壁に立てかけてある。", ni_portrait);
    message("その右には%nlがあり、右手には天蓋のついた%nlが置かれている。", ni_window, ni_bed);
    if (flag_test_not(F_GUEST_TABLE_MOVED))
        message("キャビネットの前には小さな%nlが置かれている。", ni_table);
    else
        message("小さな%nlは部屋の中ほどに動かしてある。", ni_table);
    if (flag_test_not(F_GUEST_CHAIR_MOVED))
        message("テーブルの脇には肘掛け%nlがある。", ni_chair);
    else
        message("肘掛け%nlは窓の下に寄せてある。", ni_chair);
    if (flag_test_not(F_GUEST_BOOKS_MOVED))
        message("テーブルの上には%nlが積み上げられている。", ni_book);
    else
        message("キャビネットの上には%nlが積み上げてある。", ni_book);
    if (logbook_on_pile()) message("本の山の一番上には%nlが載っている。", ni_logbook);
    if (flag_test(F_GUEST_ARMOUR_IN_FRONT)) {
        msg_armor_stands();
        msg_armor_threatens();
    }
    if (flag_test(F_DOOR_CORRIDOR_2F_L_GUESTROOM_2F))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

// Leaving while the armour is on its way puts the room back as it was: the
// furniture in place, the cabinet shut and the armour gone.
void leave() {
    if (flag_test(F_GUEST_ARMOUR_APPROACHING) || flag_test(F_GUEST_ARMOUR_IN_FRONT)) {
        for (int f = F_GUEST_ARMOUR_ALERTED; f <= F_GUEST_BOOKS_MOVED; ++f) flag_clear(f);
        for (int f = F_GUEST_CHAIR_MOVED; f <= F_CABINET_OPEN; ++f) flag_clear(f);
    }
    door_move(ai_corridor_2f_l, F_DOOR_CORRIDOR_2F_L_GUESTROOM_2F);
}

int no_noun(int vid) {
    switch (vid) {
    case vi_backward:
        leave();
        return 1;
    case vi_look:
        look_room();
        return 1;
    default:
        return 0;
    }
}

int portrait(int vid) {
    switch (vid) {
    case vi_look:
        if (flag_test(F_PORTRAIT_OFF)) {
            message("裏返しにして壁に立てかけた肖像画だ。もう誰にも見られていない。");
            return 1;
        }
        message("陰気な顔をした紳士の肖像画だ。");
        message("気のせいか、じっと見つめられているように感じる。");
        return 1;
    case vi_examine:
        if (flag_test(F_PORTRAIT_OFF)) {
            message("額の裏には何も書かれていない。");
            return 1;
        }
        message("目の部分が妙に生々しい。見るたびに、視線の向きが変わっているような気がする。");
        return 1;
    case vi_remove:
    case vi_turn:
        flag_set_once(F_PORTRAIT_OFF, "肖像画を壁から外して裏返しに置いた。", "肖像画はもう外してある。");
        return 1;
    case vi_put:
        flag_clear_once(F_PORTRAIT_OFF, "肖像画をまた壁に掛けた。", "肖像画は壁に掛かっている。");
        return 1;
    case vi_get:
        msg_too_big();
        return 1;
    default:
        return 0;
    }
}

int chair(int vid) {
    switch (vid) {
    case vi_look:
        message("擦り切れたビロード張りの肘掛け椅子だ。");
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
        if (flag_test_not(F_GUEST_CHAIR_MOVED)) {
            message("%nnを部屋の奥に動かした。", ni_chair);
            flag_set(F_GUEST_CHAIR_MOVED);
        } else {
            message("%nnを元の場所に戻した。", ni_chair);
            flag_clear(F_GUEST_CHAIR_MOVED);
        }
        alert_check();
        return 1;
    case vi_get:
        msg_no_need_to_carry();
        return 1;
    default:
        return 0;
    }
}

int table(int vid) {
    switch (vid) {
    case vi_look:
        message("猫脚の小さなテーブルだ。");
        if (flag_test_not(F_GUEST_BOOKS_MOVED)) message("上には%nlが積み上げられている。", ni_book);
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
        if (flag_test(F_GUEST_TABLE_MOVED)) {
            message("%nnはもう動かしてある。", ni_table);
        } else if (flag_test_not(F_GUEST_BOOKS_MOVED)) {
            message("上に乗っている%nnが邪魔だ。", ni_book);
        } else if (flag_test_not(F_GUEST_CHAIR_MOVED)) {
            message("%nnが邪魔だ。", ni_chair);
        } else {
            message("%nnを部屋の中ほどに動かした。", ni_table);
            flag_set(F_GUEST_TABLE_MOVED);
            alert_check();
        }
        return 1;
    case vi_get:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

int books(int vid) {
    switch (vid) {
    case vi_look:
        message("古い旅行記や紀行文が無造作に積み上げられている。");
        if (logbook_on_pile()) message("一番上には%nlが載っている。", ni_logbook);
        return 1;
    case vi_examine:
        if (flag_test_not(F_LOGBOOK_SEEN)) {
            message("積まれた本を調べると、印刷された本に混じって、手書きの%nlが一冊あった。", ni_logbook);
            message("%nlを山の一番上に載せておいた。", ni_logbook);
            flag_set(F_LOGBOOK_SEEN);
        } else if (logbook_on_pile()) {
            message("本の山の一番上に%nlが載っている。ほかに変わった本はない。", ni_logbook);
        } else {
            message("ほかに変わった本はない。");
        }
        return 1;
    case vi_read:
        message("どれも古い旅行記ばかりで、いま読むようなものではない。");
        return 1;
    case vi_move:
    case vi_remove:
        if (flag_test(F_GUEST_BOOKS_MOVED)) {
            message("%nnはもう%nnの上にどけてある。", ni_book, ni_cabinet);
            return 1;
        }
        message("%nnを%nnの上にどけた。", ni_book, ni_cabinet);
        flag_set(F_GUEST_BOOKS_MOVED);
        alert_check();
        return 1;
    case vi_get:
        msg_no_need_to_carry();
        return 1;
    default:
        return 0;
    }
}

int cabinet(int vid) {
    switch (vid) {
    case vi_look:
    case vi_examine:
        if (flag_test_not(F_CABINET_OPEN)) {
            message("彫り模様の入った古いキャビネットだ。扉は閉まっている。");
            if (flag_test_not(F_GUEST_TABLE_MOVED)) message("前に%nlが置かれていて、扉を開けられそうにない。", ni_table);
        } else {
            message("彫り模様の入った古いキャビネットだ。扉が開いている。");
            describe_cabinet_contents();
        }
        if (flag_test(F_GUEST_BOOKS_MOVED)) message("上には%nlが積み上げてある。", ni_book);
        return 1;
    case vi_open:
        if (flag_test(F_CABINET_OPEN)) {
            message("%nnはもう開いている。", ni_cabinet);
        } else if (flag_test_not(F_GUEST_TABLE_MOVED)) {
            message("%nnが邪魔だ。", ni_table);
        } else {
            message("%nnを開けた。", ni_cabinet);
            flag_set(F_CABINET_OPEN);
            describe_cabinet_contents();
            alert_check();
        }
        return 1;
    case vi_close:
        if (flag_test_not(F_CABINET_OPEN)) {
            message("%nnは閉まっている。", ni_cabinet);
            return 1;
        }
        message("%nnを閉めた。", ni_cabinet);
        flag_clear(F_CABINET_OPEN);
        alert_check();
        return 1;
    case vi_get:
    case vi_move:
    case vi_push:
    case vi_pull:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

// The bottle, the sponge and the logbook: taking one is heard as well.
int item_here(int vid, int nid, bool present, int taken_flag, int *noun_here) {
    if (present && !has_item(nid) && vid == vi_get) {
        take_item(nid, taken_flag);
        alert_check();
        return 1;
    }
    return lying_item(vid, nid, present, taken_flag, noun_here);
}

int armour(int vid, int *noun_here) {
    if (flag_test_not(F_GUEST_ARMOUR_IN_FRONT)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
    case vi_examine:
        msg_armor_stands();
        msg_armor_threatens();
        return 1;
    case vi_hit:
    case vi_kick:
    case vi_break:
    case vi_get:
    case vi_touch:
        message("刀を構えた鎧に素手で立ち向かうのは無謀だ。逃げた方がいい。");
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_guestroom_2f_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return no_noun(vid);
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_door:
    case ni_back_door:
        return door_noun(vid, vi_backward, "廊下に出る扉だ。", noun_here);

    case ni_portrait:
        return portrait(vid);
    case ni_chair:
        return chair(vid);
    case ni_table:
        return table(vid);
    case ni_book:
        return books(vid);
    case ni_cabinet:
        return cabinet(vid);
    case ni_logbook:
        return item_here(vid, nid, logbook_on_pile(), F_LOGBOOK_TAKEN, noun_here);
    case ni_bottle:
        return item_here(vid, nid, in_cabinet(nid, F_BOTTLE_TAKEN), F_BOTTLE_TAKEN, noun_here);
    case ni_sponge:
        return item_here(vid, nid, in_cabinet(nid, F_SPONGE_TAKEN), F_SPONGE_TAKEN, noun_here);
    case ni_samurai_armor:
    case ni_samurai_sword:
        return armour(vid, noun_here);

    case ni_bed:
        if (vid == vi_examine) {
            message("天蓋の裏やベッドの下まで覗いてみたが、何もない。");
            return 1;
        }
        if (vid == vi_enter) {
            message("横になっている場合ではない。");
            return 1;
        }
        return look_reply(vid, "天蓋のついた大きなベッドだ。長いこと誰も使っていないらしく、埃の匂いがする。");
    case ni_window:
        if (vid == vi_open || vid == vi_exit) {
            message("窓は錆びついていて開かない。");
            return 1;
        }
        return look_reply(vid, "窓の外には、灰色の海が広がっている。");
    case ni_wall:
        return look_reply(vid, "縦縞の壁紙が貼られている。ところどころ色あせて剥がれかけている。");
    case ni_floor:
        return look_reply(vid, "床には色あせた絨毯が敷かれている。");
    case ni_ceiling:
        return look_reply(vid, "天井からは小さなシャンデリアが下がっている。");

    default:
        *noun_here = 0;
        return 0;
    }
}

// The portrait's eyes turn on every counted command; an alerted armour
// comes one step nearer each time.
void area_guestroom_2f_turn_hook(int counted) {
    if (!counted) return;
    flag_toggle(F_GUESTROOM_2F_PARITY);
    if (flag_test(F_GUEST_ARMOUR_IN_FRONT)) {
        die_by_armour();
    } else if (flag_test(F_GUEST_ARMOUR_APPROACHING)) {
        event_armor_arrives();
        flag_set(F_GUEST_ARMOUR_IN_FRONT);
    } else if (flag_test(F_GUEST_ARMOUR_ALERTED)) {
        event_armor_sound();
        flag_set(F_GUEST_ARMOUR_APPROACHING);
    }
}

// ---- Picture ----

namespace {

// The back wall; the room is wider and lower than the ground-floor guest room.
constexpr int BL = 130, BT = 36, BR = 510, BB = 196;

constexpr VxPoint cabinet_crown[] = {{136, 84}, {242, 84}, {238, 92}, {140, 92}};
constexpr VxPoint cabinet_side[] = {{236, 92}, {246, 95}, {246, 201}, {236, 206}};
constexpr VxPoint cabinet_door_left[] = {{142, 96}, {112, 104}, {112, 214}, {142, 202}};
constexpr VxPoint cabinet_door_right[] = {{236, 96}, {262, 104}, {262, 214}, {236, 202}};
constexpr VxPoint bottle_shape[] = {{160, 131}, {160, 118}, {163, 114}, {163, 108}, {169, 108},
                                    {169, 114}, {172, 118}, {172, 131}};

constexpr VxPoint drape_left[] = {{338, 52}, {356, 52}, {352, 96}, {358, 140}, {342, 146}, {346, 100}};
constexpr VxPoint drape_right[] = {{418, 52}, {436, 52}, {430, 100}, {434, 146}, {418, 140}, {424, 96}};

constexpr VxPoint portrait_leaning[] = {{252, 208}, {320, 208}, {314, 124}, {258, 124}};
constexpr VxPoint gentleman_shoulders[] = {{256, 132}, {262, 114}, {274, 106}, {282, 110},
                                           {290, 106}, {302, 114}, {308, 132}};

constexpr VxPoint canopy[] = {{436, 58}, {504, 58}, {612, 16}, {456, 16}};
constexpr VxPoint headboard[] = {{438, 196}, {438, 132}, {452, 120}, {470, 116}, {488, 120}, {502, 132}, {502, 196}};
constexpr VxPoint mattress[] = {{440, 166}, {500, 166}, {606, 246}, {458, 246}};
constexpr VxPoint bed_side[] = {{440, 166}, {458, 246}, {458, 262}, {440, 180}};
constexpr VxPoint footboard[] = {{452, 244}, {470, 232}, {594, 232}, {612, 244}, {612, 312}, {452, 312}};

// The rug lies in the middle of the floor.
constexpr VxPoint rug[] = {{186, 214}, {454, 214}, {528, 300}, {112, 300}};
constexpr VxPoint rug_border[] = {{194, 219}, {446, 219}, {514, 295}, {126, 295}};

// The table around its front-left foot; it moves as a whole.
constexpr VxPoint table_top[] = {{10, -74}, {118, -74}, {128, -60}, {0, -60}};
// The armchair around the middle of its front edge, on the floor.
constexpr VxPoint chair_back[] = {{-24, -114}, {-16, -124}, {16, -124}, {24, -114}, {24, -58}, {-24, -58}};
constexpr VxPoint chair_seat[] = {{-30, -60}, {30, -60}, {36, -40}, {-36, -40}};
constexpr VxPoint chair_arm_left[] = {{-38, -84}, {-28, -86}, {-28, -40}, {-38, -40}};
constexpr VxPoint chair_arm_right[] = {{28, -86}, {38, -84}, {38, -40}, {28, -40}};

void draw_room() {
    // Striped wallpaper above the dado rail.
    for (int x = BL + 10; x < BR; x += 14) vx_draw_line(x, BT, x, 150);
    draw_room_box(BL, BT, BR, BB);
    draw_rail(BL, BR, 150, 236);
    vx_draw_line(BL, 40, BR, 40);
    // A small chandelier.
    vx_draw_line(320, 7, 320, 18);
    vx_draw_arc(320, 22, 18, 5, 180, 360);
    vx_draw_line(302, 22, 338, 22);
    for (int x = 306; x <= 334; x += 7) {
        vx_draw_line(x, 22, x, 14);
        vx_draw_line(x - 1, 12, x + 1, 10);
    }
    outline(rug);
    outline(rug_border);
}

void draw_window() {
    vx_draw_line(332, 50, 442, 50);
    occlude_rect(356, 58, 418, 138);
    // The sea beyond the glass, and a gull.
    vx_draw_line(358, 106, 416, 106);
    for (int x = 362; x < 414; x += 12) vx_draw_arc(x + 3, 116, 3, 1, 0, 180);
    vx_draw_arc(378, 80, 4, 3, 20, 160);
    vx_draw_arc(386, 80, 4, 3, 20, 160);
    draw_panes(360, 62, 414, 134, 2, 3);
    occlude_rect(350, 138, 424, 144);
    occlude(drape_left);
    occlude(drape_right);
    vx_draw_line(347, 60, 349, 138);
    vx_draw_line(427, 60, 425, 138);
}

void draw_portrait() {
    if (flag_test(F_PORTRAIT_OFF)) {
        // Only the nail and a less faded patch of wallpaper.
        black();
        vx_fill_rect(250, 54, 314, 136);
        white();
        vx_draw_rect(250, 54, 314, 136);
        vx_fill_circle(282, 46, 2);
        return;
    }
    vx_draw_line(282, 44, 252, 54);
    vx_draw_line(282, 44, 312, 54);
    vx_fill_circle(282, 44, 2);
    occlude_rect(248, 52, 316, 138);
    vx_draw_rect(254, 58, 310, 132);
    occlude(gentleman_shoulders);
    vx_draw_line(282, 110, 282, 132);
    vx_draw_line(276, 106, 282, 118);
    vx_draw_line(288, 106, 282, 118);
    occlude_ellipse(282, 86, 12, 16);
    vx_draw_arc(282, 76, 12, 8, 0, 180);
    // The eyes: on the room while the parity is clear, aside while it is set.
    vx_draw_arc(277, 84, 3, 2, 0, 360);
    vx_draw_arc(287, 84, 3, 2, 0, 360);
    int look = flag_test(F_GUESTROOM_2F_PARITY) ? 2 : 0;
    vx_fill_circle(277 + look, 84, 1);
    vx_fill_circle(287 + look, 84, 1);
    vx_draw_line(282, 86, 281, 92);
    vx_draw_line(276, 95, 282, 94);
    vx_draw_line(282, 94, 288, 95);
    vx_draw_line(278, 98, 286, 98);
}

void draw_leaning_portrait() {
    if (flag_test_not(F_PORTRAIT_OFF)) return;
    occlude(portrait_leaning);
    vx_draw_line(258, 200, 311, 132);
    vx_draw_line(314, 200, 261, 132);
    vx_draw_line(256, 166, 316, 166);
}

void draw_bed() {
    occlude(canopy);
    vx_draw_line(446, 50, 544, 28);
    occlude_rect(436, 58, 440, 196);
    occlude_rect(500, 58, 504, 196);
    occlude(headboard);
    vx_draw_line(446, 140, 494, 140);
    occlude(bed_side);
    occlude(mattress);
    occlude_ellipse(456, 174, 12, 5);
    occlude_ellipse(484, 174, 12, 5);
    // The turned-back coverlet.
    vx_draw_line(446, 190, 520, 190);
    vx_draw_line(520, 190, 598, 242);
    occlude(footboard);
    vx_draw_rect(466, 246, 598, 302);
    for (int x = 488; x < 598; x += 22) vx_draw_arc(x, 274, 8, 20, 0, 360);
    occlude_rect(452, 16, 458, 316);
    occlude_rect(606, 16, 612, 316);
    // The valance along the canopy's front edge.
    for (int x = 464; x < 604; x += 20) vx_draw_arc(x + 10, 16, 10, 8, 180, 360);
}

void draw_books(int x, int y) {
    occlude_rect(x, y - 8, x + 56, y);
    occlude_rect(x + 4, y - 16, x + 50, y - 8);
    occlude_rect(x - 2, y - 24, x + 54, y - 16);
    occlude_rect(x + 6, y - 31, x + 48, y - 24);
    for (int i = 0; i < 4; ++i) vx_draw_line(x + 52 - i * 2, y - 2 - i * 8, x + 52 - i * 2, y - 6 - i * 8);
    // The logbook on top, a cloth-bound ledger with a label.
    if (flag_test_not(F_LOGBOOK_TAKEN)) {
        occlude_rect(x + 10, y - 38, x + 44, y - 31);
        vx_draw_rect(x + 20, y - 37, x + 32, y - 33);
    }
}

void draw_cabinet() {
    occlude(cabinet_side);
    occlude_rect(142, 92, 236, 206);
    occlude(cabinet_crown);
    vx_draw_line(148, 214, 148, 206);
    vx_draw_line(230, 214, 230, 206);
    if (flag_test_not(F_CABINET_OPEN)) {
        for (int i = 0; i < 2; ++i) {
            int x = 148 + i * 42;
            vx_draw_rect(x, 98, x + 40, 200);
            vx_draw_rect(x + 5, 104, x + 35, 146);
            vx_draw_rect(x + 5, 152, x + 35, 194);
            vx_draw_arc(x + 20, 125, 8, 12, 0, 360);
        }
        vx_draw_circle(186, 150, 2);
        vx_draw_circle(192, 150, 2);
    } else {
        vx_draw_rect(148, 98, 230, 200);
        vx_draw_line(148, 134, 230, 134);
        vx_draw_line(148, 168, 230, 168);
        // Folded linen on the upper shelf.
        vx_draw_rect(190, 122, 224, 134);
        vx_draw_line(190, 128, 224, 128);
        if (flag_test_not(F_BOTTLE_TAKEN)) {
            occlude(bottle_shape);
            vx_draw_line(160, 124, 172, 124);
        }
        if (flag_test_not(F_SPONGE_TAKEN)) {
            occlude_ellipse(176, 160, 16, 8);
            vx_fill_circle(170, 158, 1);
            vx_fill_circle(178, 162, 1);
            vx_fill_circle(184, 157, 1);
        }
        occlude(cabinet_door_left);
        occlude(cabinet_door_right);
        vx_draw_line(120, 112, 120, 206);
        vx_draw_line(254, 112, 254, 206);
    }
    if (flag_test(F_GUEST_BOOKS_MOVED)) draw_books(160, 84);
}

void draw_table(int x, int y) {
    occlude_at(table_top, x, y);
    occlude_rect(x, y - 60, x + 128, y - 52);
    for (int i = 0; i < 3; ++i) vx_draw_arc(x + 32 + i * 32, y - 56, 10, 3, 0, 360);
    // Tapered legs.
    for (int i = 0; i < 2; ++i) {
        int lx = x + 6 + i * 112;
        const VxPoint leg[] = {{lx, y - 52}, {lx + 6, y - 52}, {lx + 5, y}, {lx + 1, y}};
        occlude(leg);
    }
    if (flag_test_not(F_GUEST_BOOKS_MOVED)) draw_books(x + 36, y - 68);
}

void draw_armchair(const Place &p) {
    p.shape(chair_back);
    p.line(-16, -112, 16, -112);
    p.line(-16, -112, -16, -64);
    p.line(16, -112, 16, -64);
    p.shape(chair_seat);
    p.shape(chair_arm_left);
    p.shape(chair_arm_right);
    p.line(-34, -40, -34, 0);
    p.line(34, -40, 34, 0);
    p.line(-22, -40, -22, -10);
    p.line(22, -40, 22, -10);
}

}  // namespace

void area_guestroom_2f_draw() {
    draw_room();
    draw_window();
    draw_portrait();
    draw_leaning_portrait();
    draw_cabinet();
    draw_bed();
    // The armchair by the table, or pushed back under the window.
    if (flag_test(F_GUEST_CHAIR_MOVED)) draw_armchair({388, 212, 2, 3});
    if (flag_test_not(F_GUEST_CHAIR_MOVED)) draw_armchair({294, 292, 1, 1});
    // The table in front of the cabinet, or moved to the middle.
    if (flag_test_not(F_GUEST_TABLE_MOVED)) draw_table(124, 300);
    if (flag_test(F_GUEST_TABLE_MOVED)) draw_table(300, 318);
    if (flag_test(F_GUEST_ARMOUR_IN_FRONT)) draw_standing_armour({320, 322, 1, 1}, 1, true);
}
