// The ground-floor guest room: wardrobe, small table and armchair, window
// and bed. The toy dragon that snatched the golden key in the library flies
// here (flag sequence 0 on 132) and can be shot down with the slingshot.
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
    {vi_backward, ai_corridor_1f_fl, F_DOOR_CORRIDOR_1F_FL_GUESTROOM_1F},
};

bool dragon_flying() { return flag_test(F_KEY_FLOWN_DOWN) && flag_test_not(F_KEY_SHOT_DOWN); }

// On the floor after the shot, until picked up.
bool on_floor(int nid, int taken_flag) {
    return flag_test(F_KEY_SHOT_DOWN) && flag_test_not(taken_flag) && !has_item(nid);
}

void look_room() {
    area_print_description(ai_guestroom_1f);
    if (flag_test_not(F_GUESTROOM_1F_WARDROBE_OPEN))
        message("左手には大きな%nlがあり、扉は閉まっている。", ni_wardrobe);
    else
        message("左手には大きな%nlがあり、扉が開いている。", ni_wardrobe);
    message("正面の%nlの前には、小さな丸い%nlと肘掛け%nlがある。右手には%nlが置かれている。", ni_window, ni_table,
            ni_chair, ni_bed);
    if (dragon_flying()) message("天井近くに、%nlが浮いている。", ni_dragon);
    if (on_floor(ni_dragon, F_DRAGON_TAKEN)) message("床の上に%nlが落ちている。", ni_dragon);
    if (on_floor(ni_golden_key, F_GOLDEN_KEY_TAKEN)) message("床の上に%nlが落ちている。", ni_golden_key);
    if (flag_test(F_DOOR_CORRIDOR_1F_FL_GUESTROOM_1F))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

void shoot() {
    if (flag_test(F_KEY_SHOT_DOWN)) {
        message("もう撃ち落とすものはない。");
        return;
    }
    message("%nnで%nnを撃つと見事に%nnに命中した。", ni_slingshot, ni_marble, ni_dragon);
    message("%nnはくるくると回りながら床に落ち、くわえていた%nnがその傍に転がった。", ni_dragon, ni_golden_key);
    fseq_proceed(SEQ_GOLDEN_KEY);
    remove_item(ni_marble);
    remove_item(ni_slingshot);
}

// The dragon and the golden key share their replies: up in the air while the
// toy flies, on the floor once shot down.
int flying_thing(int vid, int nid, int taken_flag, int *noun_here) {
    if (dragon_flying()) {
        if (vid == vi_look) {
            message("天井近くに、%nlが浮いている。金色の鍵%nwをしっかりとくわえている。", ni_dragon, ni_golden_key);
            return 1;
        }
        if (vid == vi_get || vid == vi_touch) {
            message("ぱたぱたと翼を動かし、手の届かない高さに浮いている。");
            return 1;
        }
        return 0;
    }
    return lying_item(vid, nid, on_floor(nid, taken_flag), taken_flag, noun_here);
}

}  // namespace

int area_guestroom_1f_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    // Shooting at anything here means using the slingshot.
    if (vid == vi_shoot) {
        if (!has_item(ni_slingshot)) {
            message("撃つための道具がない。");
            return 1;
        }
        // What the slingshot lacks is told by its common "use" reply.
        if (!area_call_handler(get_cur_area(), vi_use, ni_slingshot, noun_here)) use_item(ni_slingshot);
        return 1;
    }

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_slingshot:
        if (!has_item(ni_slingshot)) break;
        // Without a target, a working slingshot or a marble the common
        // replies say what is missing.
        if (vid == vi_use) {
            if (flag_test(F_KEY_SHOT_DOWN)) {
                shoot();
                return 1;
            }
            if (flag_test(F_KEY_FLOWN_DOWN) && flag_test(F_SLINGSHOT_REPAIRED) && has_item(ni_marble)) {
                shoot();
                return 1;
            }
        }
        return 0;

    case ni_marble:
        if (!has_item(ni_marble)) break;
        if (vid == vi_throw && dragon_flying()) {
            message("手で投げても、あの高さまでは届きそうにない。");
            return 1;
        }
        return 0;

    case ni_dragon:
        if (has_item(ni_dragon)) break;
        return flying_thing(vid, ni_dragon, F_DRAGON_TAKEN, noun_here);

    case ni_golden_key:
        if (has_item(ni_golden_key)) break;
        return flying_thing(vid, ni_golden_key, F_GOLDEN_KEY_TAKEN, noun_here);

    case ni_wardrobe:
        if (vid == vi_look) {
            if (flag_test_not(F_GUESTROOM_1F_WARDROBE_OPEN))
                message("彫刻の施された大きな洋服箪笥だ。扉は閉まっている。");
            else
                message("彫刻の施された大きな洋服箪笥だ。中には客用の古い寝間着が何着か掛かっているだけだ。");
            return 1;
        }
        if (vid == vi_open) {
            flag_set_once(F_GUESTROOM_1F_WARDROBE_OPEN, "洋服箪笥の扉を開けた。", "洋服箪笥の扉はもう開いている。");
            return 1;
        }
        if (vid == vi_close) {
            flag_clear_once(F_GUESTROOM_1F_WARDROBE_OPEN, "洋服箪笥の扉を閉めた。", "洋服箪笥の扉はもう閉まっている。");
            return 1;
        }
        if (vid == vi_examine) {
            if (flag_test_not(F_GUESTROOM_1F_WARDROBE_OPEN))
                message("扉が閉まっている。");
            else
                message("寝間着のポケットまで探ってみたが、何も入っていない。");
            return 1;
        }
        if (vid == vi_enter) {
            message("この洋服箪笥は浅くて、人が入れるほどの奥行きはない。");
            return 1;
        }
        if (vid == vi_get || vid == vi_move) {
            msg_too_heavy();
            return 1;
        }
        return 0;

    case ni_table:
        if (vid == vi_look) {
            message("小さな丸いテーブルだ。レースの敷物にうっすらと埃が積もっている。");
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        return 0;

    case ni_chair:
        if (vid == vi_look) {
            message("座り心地のよさそうな肘掛け椅子だ。");
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        return 0;

    case ni_bed:
        if (vid == vi_look) {
            message("客用のベッドだ。シーツはきちんと整えられている。");
            return 1;
        }
        if (vid == vi_examine) {
            message("シーツの下や枕元を探ってみたが、何も見つからない。");
            return 1;
        }
        if (vid == vi_enter) {
            message("横になっている場合ではない。");
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look) {
            message("窓の外には、荒れた庭の木々が見える。");
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

// The wardrobe stands against the left wall, its doors facing the room.
constexpr VxPoint wardrobe_top[] = {{158, 70}, {185, 70}, {105, 32}, {76, 32}};
constexpr VxPoint wardrobe_doors[] = {{185, 70}, {185, 232}, {105, 290}, {105, 32}};
constexpr VxPoint wardrobe_inside[] = {{185, 72}, {185, 230}, {145, 259}, {145, 53}};

constexpr VxPoint headboard[] = {{384, 120}, {400, 108}, {430, 104}, {446, 114}, {446, 206}, {384, 206}};
constexpr VxPoint mattress[] = {{382, 168}, {448, 168}, {540, 252}, {356, 252}};
constexpr VxPoint bed_side[] = {{356, 252}, {540, 252}, {540, 272}, {356, 272}};
constexpr VxPoint footboard[] = {{350, 236}, {372, 222}, {524, 222}, {546, 236}, {546, 300}, {350, 300}};
constexpr VxPoint chair_back[] = {{322, 178}, {328, 166}, {352, 164}, {358, 176}, {358, 224}, {322, 226}};
constexpr VxPoint chair_seat[] = {{316, 222}, {364, 220}, {370, 236}, {310, 238}};

constexpr VxPoint dragon_body[] = {{300, 44}, {318, 36}, {342, 38}, {356, 46}, {340, 54}, {316, 54}};
constexpr VxPoint dragon_wing_left[] = {{312, 42}, {286, 18}, {292, 30}, {276, 26}, {288, 40}, {274, 42}, {306, 50}};
constexpr VxPoint dragon_wing_right[] = {{336, 40}, {362, 14}, {358, 28}, {376, 22}, {364, 38}, {380, 40}, {344, 50}};
constexpr VxPoint dragon_head[] = {{356, 46}, {364, 38}, {376, 40}, {380, 46}, {370, 50}};
constexpr VxPoint fallen_dragon[] = {{232, 292}, {246, 282}, {266, 280}, {282, 286}, {292, 280}, {300, 284},
                                     {294, 294}, {270, 300}, {240, 300}};
constexpr VxPoint fallen_wing[] = {{250, 284}, {240, 268}, {256, 274}, {262, 264}, {268, 282}};

void draw_room() {
    draw_room_box(190, 60, 450, 210);
    // A picture rail along the walls.
    draw_rail(190, 450, 74, 25);
}

void draw_window() {
    draw_paned_window(232, 84, 312, 164, 4, 2, 3);
    vx_draw_line(228, 168, 316, 168);
    vx_draw_line(228, 168, 232, 164);
    vx_draw_line(316, 168, 312, 164);
}

void draw_wardrobe() {
    occlude(wardrobe_top);
    occlude_rect(76, 32, 105, 290);
    occlude(wardrobe_doors);
    vx_draw_line(185, 78, 105, 40);
    vx_draw_line(185, 224, 105, 282);
    for (int i = 0; i < 2; ++i) vx_draw_line(80 + i * 20, 36, 80 + i * 20, 286);
    if (flag_test_not(F_GUESTROOM_1F_WARDROBE_OPEN)) {
        vx_draw_line(145, 53, 145, 259);
        vx_draw_arc(140, 152, 2, 4, 0, 360);
        vx_draw_arc(150, 151, 2, 4, 0, 360);
        return;
    }
    // The far door swung open into the room: the rail and the night clothes.
    vx_draw_line(145, 53, 145, 259);
    vx_draw_arc(140, 152, 2, 4, 0, 360);
    occlude(wardrobe_inside);
    vx_draw_line(185, 86, 145, 67);
    for (int i = 0; i < 3; ++i) {
        int x = 176 - i * 12;
        int y = 84 - i * 6;
        vx_draw_line(x, y, x, y + 6);
        const VxPoint gown[] = {{x - 5, y + 6}, {x + 5, y + 6}, {x + 8, y + 100 + i * 10}, {x - 8, y + 102 + i * 10}};
        occlude(gown);
    }
    occlude_rect(185, 66, 224, 234);
    vx_draw_rect(191, 76, 218, 224);
    vx_draw_arc(219, 150, 2, 4, 0, 360);
}

void draw_bed() {
    occlude(headboard);
    vx_draw_line(392, 124, 438, 118);
    occlude(mattress);
    occlude(bed_side);
    occlude_ellipse(414, 180, 24, 8);
    vx_draw_line(376, 200, 466, 200);
    vx_draw_line(376, 200, 364, 240);
    vx_draw_line(466, 200, 532, 244);
    occlude(footboard);
    vx_draw_rect(366, 244, 530, 290);
    for (int x = 388; x < 530; x += 22) vx_draw_line(x, 244, x, 290);
    vx_draw_circle(350, 232, 5);
    vx_draw_circle(546, 232, 5);
}

void draw_table_and_chair() {
    occlude(chair_back);
    vx_draw_line(330, 174, 350, 172);
    occlude(chair_seat);
    vx_draw_line(312, 238, 312, 262);
    vx_draw_line(368, 236, 368, 260);
    occlude_rect(268, 236, 274, 272);
    occlude_ellipse(271, 274, 16, 4);
    occlude_ellipse(271, 232, 30, 8);
    // A vase with a dried flower.
    vx_draw_arc(271, 222, 5, 8, 0, 360);
    vx_draw_line(271, 214, 274, 200);
    vx_draw_arc(276, 198, 3, 3, 0, 360);
}

void draw_flying_dragon() {
    occlude(dragon_wing_left);
    occlude(dragon_wing_right);
    occlude(dragon_body);
    occlude(dragon_head);
    vx_fill_circle(370, 43, 1);
    vx_draw_line(300, 44, 288, 52);
    vx_draw_line(288, 52, 282, 48);
    // The golden key in its jaws.
    vx_draw_circle(384, 52, 3);
    vx_draw_line(384, 55, 384, 66);
    vx_draw_line(384, 62, 388, 62);
    vx_draw_line(384, 66, 388, 66);
}

void draw_fallen_things() {
    if (flag_test_not(F_DRAGON_TAKEN)) {
        occlude(fallen_dragon);
        occlude(fallen_wing);
        vx_fill_circle(290, 285, 1);
        vx_draw_line(232, 292, 220, 298);
    }
    if (flag_test_not(F_GOLDEN_KEY_TAKEN)) {
        vx_draw_circle(318, 304, 4);
        vx_draw_line(322, 304, 340, 304);
        vx_draw_line(334, 304, 334, 309);
        vx_draw_line(339, 304, 339, 309);
    }
}

}  // namespace

void area_guestroom_1f_draw() {
    draw_room();
    draw_window();
    draw_wardrobe();
    draw_bed();
    draw_table_and_chair();
    if (flag_test(F_KEY_SHOT_DOWN)) draw_fallen_things();
    if (flag_test(F_KEY_FLOWN_DOWN) && flag_test_not(F_KEY_SHOT_DOWN)) draw_flying_dragon();
}
