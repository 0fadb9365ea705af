// The upper bunk of the boy's room, seen from the top of the ladder: the
// sister's plush cat on the mattress, and her diary hidden between the bed
// and the mattress.
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
    {vi_backward, ai_boys_room},
    {vi_down, ai_boys_room},
    {vi_exit, ai_boys_room},
};

bool cat_here() { return flag_test_not(F_PLUSH_CAT_TAKEN) && !has_item(ni_plush_cat); }
bool diary_here() { return flag_test(F_DIARY_FOUND) && flag_test_not(F_DIARY_TAKEN) && !has_item(ni_diary); }

void look_bunk() {
    area_print_description(ai_bed);
    message("ベッドには%nlが敷いてある。", ni_mattress);
    if (cat_here()) message("マットレスの上には%nlがちょこんと置かれている。", ni_plush_cat);
    if (diary_here()) message("めくれたマットレスとベッドの間に%nlが挟まっている。", ni_diary);
    message("天井がすぐ目の前に迫っている。梯子を降りれば下の部屋に戻れる。");
}

// Turning up the mattress finds the diary hidden under it.
void turn_up_mattress() {
    if (flag_test(F_DIARY_FOUND)) {
        message("マットレスはもうめくってある。");
        if (diary_here()) message("ベッドとの間に%nlが挟まっている。", ni_diary);
        return;
    }
    message("マットレスの端をめくると、ベッドとの間に%nlが挟まっていた。", ni_diary);
    flag_set(F_DIARY_FOUND);
}

int mattress(int vid) {
    switch (vid) {
    case vi_look:
        if (flag_test_not(F_DIARY_FOUND)) {
            message("古びたマットレスだ。端の方が、何かを挟んだように少し盛り上がっている。");
            turn_up_mattress();
            return 1;
        }
        message("古びたマットレスだ。端がめくれ上がっている。");
        if (diary_here()) message("ベッドとの間に%nlが挟まっている。", ni_diary);
        return 1;
    case vi_examine:
    case vi_remove:
    case vi_move:
    case vi_pull:
    case vi_turn:
        turn_up_mattress();
        return 1;
    case vi_get:
        msg_too_big();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_bed_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        switch (vid) {
        case vi_up:
            msg_no_higher();
            return 1;
        default:
            return exit_or_look(exits, vid, look_bunk);
        }

    case ni_room:
        return room_noun(vid, noun_here);

    case ni_mattress:
        return mattress(vid);

    case ni_bed:
        if (vid == vi_look || vid == vi_examine) {
            message("二段ベッドの上の段だ。四隅の柱の先には丸い飾りがついている。");
            if (vid == vi_examine && flag_test_not(F_DIARY_FOUND))
                message("%nlの端が、何かを挟んだように少し盛り上がっている。", ni_mattress);
            return 1;
        }
        if (vid == vi_enter) {
            message("寝転んでみたが、こんなところで休んでいる場合ではない。");
            return 1;
        }
        return 0;

    case ni_ladder:
        if (has_item(ni_ladder)) break;
        if (vid == vi_look) {
            message("下の部屋へ降りる梯子だ。");
            return 1;
        }
        if (vid == vi_down) return area_call_handler(get_cur_area(), vi_down, ni_invalid, noun_here);
        if (vid == vi_get || vid == vi_remove) {
            message("梯子の上にいるのに、梯子を外すわけにはいかない。");
            return 1;
        }
        return 0;

    case ni_plush_cat:
        return lying_item(vid, nid, flag_test_not(F_PLUSH_CAT_TAKEN), F_PLUSH_CAT_TAKEN, noun_here);

    case ni_diary:
        return lying_item(vid, nid, flag_test(F_DIARY_FOUND) && flag_test_not(F_DIARY_TAKEN), F_DIARY_TAKEN, noun_here);

    case ni_ceiling:
        if (vid == vi_look) {
            message("手を伸ばせば届きそうなほど、天井が近い。");
            return 1;
        }
        return 0;

    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

// Close up: the mattress runs away from the viewer between the two end posts.
constexpr VxPoint mattress_top[] = {{110, 200}, {190, 112}, {450, 112}, {530, 200}};
constexpr VxPoint mattress_front[] = {{110, 200}, {530, 200}, {530, 232}, {110, 232}};
// Turned up: the right end folded over along a line across the mattress,
// standing on its edge and showing the slats where it lay.
constexpr VxPoint mattress_folded_top[] = {{110, 200}, {190, 112}, {420, 112}, {390, 200}};
constexpr VxPoint mattress_folded_front[] = {{110, 200}, {390, 200}, {390, 232}, {110, 232}};
constexpr VxPoint mattress_flap[] = {{390, 200}, {420, 112}, {372, 40}, {338, 130}};
constexpr VxPoint mattress_flap_edge[] = {{390, 200}, {338, 130}, {324, 138}, {376, 210}};
constexpr VxPoint slats[] = {{390, 200}, {420, 112}, {450, 112}, {530, 200}, {530, 232}, {390, 232}};
constexpr VxPoint board_front[] = {{80, 232}, {560, 232}, {560, 262}, {80, 262}};
constexpr VxPoint post_left[] = {{40, 40}, {76, 40}, {76, 328}, {40, 328}};
constexpr VxPoint post_right[] = {{562, 40}, {598, 40}, {598, 328}, {562, 328}};
constexpr VxPoint post_far_left[] = {{176, 70}, {190, 70}, {190, 118}, {176, 118}};
constexpr VxPoint post_far_right[] = {{450, 70}, {464, 70}, {464, 118}, {450, 118}};
constexpr VxPoint pillow[] = {{220, 132}, {236, 118}, {330, 116}, {350, 126}, {340, 142}, {230, 146}};
constexpr VxPoint cat_body[] = {{0, 0}, {-26, -4}, {-34, -20}, {-28, -36}, {-8, -42}, {14, -38},
                                {24, -24}, {22, -6}};
constexpr VxPoint cat_head[] = {{-14, -40}, {-20, -62}, {-12, -56}, {0, -58}, {12, -56}, {20, -62},
                                {14, -40}, {0, -34}};
constexpr VxPoint cat_tail[] = {{20, -10}, {36, -14}, {44, -26}, {48, -22}, {40, -8}, {22, -2}};
constexpr VxPoint diary_cover[] = {{0, 0}, {34, -6}, {44, 8}, {10, 14}};

void draw_ceiling_and_wall() {
    // The ceiling slopes close overhead; the wall behind the bunk.
    vx_draw_line(20, 40, 620, 40);
    vx_draw_line(120, 8, 150, 40);
    vx_draw_line(500, 8, 480, 40);
    for (int x = 190; x < 460; x += 40) vx_draw_line(x, 40, x, 70);
    vx_draw_line(150, 70, 490, 70);
    // The wall behind the mattress: wallpaper dots.
    for (int y = 82; y < 110; y += 12)
        for (int x = 204 + (y / 12 % 2) * 12; x < 440; x += 24) vx_draw_circle(x, y, 1);
}

void draw_cat(int x, int y) {
    occlude_at(cat_tail, x, y);
    occlude_at(cat_body, x, y);
    occlude_at(cat_head, x, y);
    vx_fill_circle(x - 6, y - 48, 2);
    vx_fill_circle(x + 6, y - 48, 2);
    vx_draw_line(x - 2, y - 42, x + 2, y - 42);
    vx_draw_line(x - 10, y - 43, x - 20, y - 45);
    vx_draw_line(x + 10, y - 43, x + 20, y - 45);
    vx_draw_line(x - 14, y - 4, x - 12, y - 18);
    vx_draw_line(x + 8, y - 4, x + 10, y - 18);
    // The knotted tail the boy tied.
    vx_draw_circle(x + 42, y - 18, 3);
}

void draw_diary() {
    // Between the slats and the mattress at the right post: the flat mattress
    // hides it, the turned-up one shows it.
    occlude_at(diary_cover, 425, 168);
    vx_draw_line(429, 169, 461, 164);
    vx_draw_line(433, 175, 465, 170);
    vx_draw_line(445, 176, 451, 184);
}

void draw_mattress_and_pillow() {
    bool folded = flag_test(F_DIARY_FOUND);
    if (folded) {
        // The bed's bare slats where the mattress lay.
        occlude(slats);
        for (int i = 1; i < 5; ++i) vx_draw_line(420 - i * 6, 112 + i * 18, 450 + i * 16, 112 + i * 18);
    }
    if (flag_test_not(F_DIARY_TAKEN)) draw_diary();
    if (!folded) {
        occlude(mattress_top);
        occlude(mattress_front);
        for (int x = 150; x < 520; x += 46) vx_draw_circle(x, 216, 2);
        vx_draw_line(200, 170, 440, 170);
        occlude(pillow);
        vx_draw_line(250, 128, 320, 126);
        return;
    }
    occlude(mattress_folded_top);
    occlude(mattress_folded_front);
    for (int x = 150; x < 390; x += 46) vx_draw_circle(x, 216, 2);
    occlude(pillow);
    vx_draw_line(250, 128, 320, 126);
    occlude(mattress_flap_edge);
    occlude(mattress_flap);
    for (int i = 1; i < 4; ++i) vx_draw_line(390 - i * 13, 200 - i * 18, 420 - i * 12, 112 - i * 18);
}

}  // namespace

void area_bed_draw() {
    draw_ceiling_and_wall();
    occlude(post_far_left);
    occlude(post_far_right);
    occlude_ellipse(183, 66, 9, 6);
    occlude_ellipse(457, 66, 9, 6);
    draw_mattress_and_pillow();
    if (flag_test_not(F_PLUSH_CAT_TAKEN)) {
        if (flag_test_not(F_DIARY_FOUND))
            draw_cat(430, 190);
        else
            draw_cat(200, 176);
    }
    occlude(board_front);
    vx_draw_line(80, 246, 560, 246);
    occlude(post_left);
    occlude(post_right);
    occlude_ellipse(58, 34, 22, 14);
    occlude_ellipse(580, 34, 22, 14);
    vx_draw_line(40, 90, 76, 90);
    vx_draw_line(562, 90, 598, 90);
}
