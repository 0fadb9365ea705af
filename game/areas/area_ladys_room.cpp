// The lady's room: a wardrobe big enough to hide in, a window broken by a
// branch, and the dressing table whose locked drawer keeps the necklace.
// Taking the necklace calls the black shadow up the corridor; the turn hook
// counts its approach, and only the shut wardrobe hides the player from it.
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
    {vi_backward, ai_corridor_2f_cr, F_DOOR_CORRIDOR_2F_CR_LADYS_ROOM},
};

bool branch_lying() { return flag_test_not(F_BRANCH_TAKEN) && !has_item(ni_branch); }
bool necklace_lying() {
    return flag_test(F_DRESSER_DRAWER_OPEN) && flag_test_not(F_NECKLACE_TAKEN) && !has_item(ni_necklace);
}
// Something still lies on the wardrobe floor (seen from the room only as a shape).
bool wardrobe_holds_toys() {
    return (flag_test_not(F_LION_TAKEN) && !has_item(ni_lion)) || (flag_test_not(F_WITCH_TAKEN) && !has_item(ni_witch));
}

void look_room() {
    area_print_description(ai_ladys_room);
    if (flag_test_not(F_WARDROBE_OPEN))
        message("左手には大人でも入れそうなほど大きな%nlがあり、扉は閉まっている。", ni_wardrobe);
    else
        message("左手には大人でも入れそうなほど大きな%nlがあり、扉が開いている。", ni_wardrobe);
    message("正面の%nlはガラスが割れ、冷たい風が吹き込んでいる。", ni_window);
    message("右手には%nlがあるが、鏡は無残に割れ、床に破片が散らばっている。", ni_dressing_table);
    if (flag_test_not(F_DRESSER_DRAWER_OPEN))
        message("化粧台には、鍵穴のついた小さな%nlがある。", ni_drawer);
    else if (necklace_lying())
        message("化粧台の%nlが開いていて、中に%nlが見える。", ni_drawer, ni_necklace);
    else
        message("化粧台の%nlは開いたままだ。", ni_drawer);
    if (branch_lying()) message("窓の下には、ガラスを突き破って飛び込んできたらしい%nlが落ちている。", ni_branch);
    if (flag_test(F_DOOR_CORRIDOR_2F_CR_LADYS_ROOM))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

void enter_wardrobe() {
    if (flag_test_not(F_WARDROBE_OPEN)) {
        msg_door_closed();
        return;
    }
    message("洋服箪笥の中に入った。");
    area_request_move(ai_wardrobe);
}

int wardrobe(int vid) {
    switch (vid) {
    case vi_look:
    case vi_examine:
        if (flag_test_not(F_WARDROBE_OPEN)) {
            message("彫刻の施された大きな洋服箪笥だ。大人が一人隠れられるほどの奥行きがある。扉は閉まっている。");
        } else {
            message("中には婦人物のドレスやコートが何着も掛かっている。大人が一人隠れられるほどの奥行きがある。");
            if (wardrobe_holds_toys()) message("奥の床の暗がりに、なにか小さなものが転がっているようだ。");
        }
        return 1;
    case vi_open:
        flag_set_once(F_WARDROBE_OPEN, "洋服箪笥の扉を開けた。", "洋服箪笥の扉はもう開いている。");
        return 1;
    case vi_close:
        flag_clear_once(F_WARDROBE_OPEN, "洋服箪笥の扉を閉めた。", "洋服箪笥の扉はもう閉まっている。");
        return 1;
    case vi_enter:
        enter_wardrobe();
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

void open_drawer() {
    if (flag_test_not(F_DRESSER_DRAWER_UNLOCKED)) {
        message("鍵が掛かっている。");
        return;
    }
    flag_set_once(F_DRESSER_DRAWER_OPEN, "化粧台の抽斗を開けた。", "化粧台の抽斗はもう開いている。");
}

// The drawer and the dressing table answer alike.
int drawer(int vid, int nid) {
    switch (vid) {
    case vi_look:
        if (nid == ni_dressing_table)
            message("優美な曲線の化粧台だ。鏡は蜘蛛の巣のようにひび割れ、半分ほどが床に落ちている。");
        if (flag_test_not(F_DRESSER_DRAWER_OPEN))
            message("化粧台には小さな抽斗%nwがひとつあり、金色の縁取りのある鍵穴がついている。", ni_drawer);
        else if (necklace_lying())
            message("開いた抽斗の中に%nlが入っている。", ni_necklace);
        else
            message("開いた抽斗の中は空っぽだ。");
        return 1;
    case vi_examine:
        if (flag_test_not(F_DRESSER_DRAWER_OPEN)) {
            if (flag_test_not(F_DRESSER_DRAWER_UNLOCKED))
                message("抽斗には鍵が掛かっている。金色の縁取りのある鍵穴だ。");
            else
                message("抽斗の鍵は開いている。");
        } else if (necklace_lying()) {
            message("開いた抽斗の中に%nlが入っている。", ni_necklace);
        } else {
            message("抽斗の隅まで探ってみたが、もう何も入っていない。");
        }
        return 1;
    case vi_open:
    case vi_pull:
        open_drawer();
        return 1;
    case vi_close:
    case vi_push:
        flag_clear_once(F_DRESSER_DRAWER_OPEN, "化粧台の抽斗を閉じた。", "化粧台の抽斗はもう閉まっている。");
        return 1;
    case vi_break:
    case vi_hit:
    case vi_kick:
        message("華奢な化粧台だが、抽斗は思いのほか頑丈だ。壊すのは無理そうだ。");
        return 1;
    case vi_get:
    case vi_move:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

void take_necklace() {
    take_item(ni_necklace, F_NECKLACE_TAKEN);
    // The hunt starts: saving is refused until the shadow is gone.
    flag_set(F_SHADOW_SCREAM);
    flag_set(F_DANGER);
}

bool is_key(int nid) {
    return nid == ni_brass_key || nid == ni_wooden_key || nid == ni_bronze_key || nid == ni_steel_key ||
           nid == ni_silver_key;
}

}  // namespace

int area_ladys_room_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        if (vid == vi_enter) {
            enter_wardrobe();
            return 1;
        }
        return exit_or_look(exits, vid, look_room);

    case ni_wardrobe:
        return wardrobe(vid);

    case ni_clothes:
        if (flag_test_not(F_WARDROBE_OPEN)) break;
        if (vid == vi_look) {
            message("洋服箪笥の中に、婦人物の服が何着も掛かっている。どれも上等な仕立てだ。");
            return 1;
        }
        if (vid == vi_get) {
            message("着替えは必要ないだろう。");
            return 1;
        }
        return 0;

    case ni_dressing_table:
    case ni_drawer:
        return drawer(vid, nid);

    case ni_golden_key:
        if (!has_item(ni_golden_key)) break;
        if (vid == vi_use) {
            // The key stays in its lock once turned.
            message("鍵が開いた。");
            flag_set(F_DRESSER_DRAWER_UNLOCKED);
            remove_item(ni_golden_key);
            return 1;
        }
        return 0;

    case ni_necklace:
        if (!necklace_lying()) break;
        if (vid == vi_look) {
            describe(ni_necklace);
            return 1;
        }
        if (vid == vi_get) {
            take_necklace();
            return 1;
        }
        return 0;

    case ni_branch:
        return lying_item(vid, nid, branch_lying(), F_BRANCH_TAKEN, noun_here);

    case ni_mirror:
        // The bathroom mirror, when carried, is the common handlers' business.
        if (has_item(ni_mirror)) break;
        if (vid == vi_look || vid == vi_examine) {
            message("化粧台の鏡は粉々に割れている。残った破片に映る自分の顔も、ひび割れて歪んで見える。");
            return 1;
        }
        if (vid == vi_get || vid == vi_touch) {
            message("鋭い破片で手を切るのが落ちだ。");
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look || vid == vi_examine) {
            message("窓ガラスが大きく割れている。外の木の枝が嵐で折れて、ここに飛び込んできたらしい。");
            return 1;
        }
        if (vid == vi_open || vid == vi_exit) {
            message("割れたガラスが枠に残っていて危ない。それに、ここは二階だ。");
            return 1;
        }
        return 0;

    case ni_floor:
        if (vid == vi_look || vid == vi_examine) {
            message("床には鏡とガラスの破片が散らばっている。");
            if (branch_lying()) message("窓の下に%nlが落ちている。", ni_branch);
            return 1;
        }
        return 0;

    default:
        if (is_key(nid) && has_item(nid) && vid == vi_use) {
            msg_key_does_not_fit();
            return 1;
        }
        break;
    }
    return one_door_room_noun(vid, nid, noun_here);
}

// The shadow's approach, one stage a counted command.
void area_ladys_room_turn_hook(int counted) {
    if (counted != 1) return;
    if (flag_test(F_SHADOW_HERE)) {
        die_by_shadow();
    } else if (flag_test(F_SHADOW_ENTERS)) {
        event_shadow_enters();
        flag_clear(F_SHADOW_ENTERS);
        flag_set(F_SHADOW_HERE);
    } else if (flag_test(F_SHADOW_OUTSIDE)) {
        event_shadow_outside();
        flag_clear(F_SHADOW_OUTSIDE);
        flag_set(F_SHADOW_ENTERS);
    } else if (flag_test(F_SHADOW_SCREAM)) {
        event_shadow_scream();
        flag_clear(F_SHADOW_SCREAM);
        flag_set(F_SHADOW_OUTSIDE);
    }
}

// ---- Picture ----

namespace {

// Back wall; the eye is level with its middle (320, 130).
constexpr int WALL_L = 200, WALL_T = 50, WALL_R = 450, WALL_B = 210;

// The wardrobe stands at left front, its doors facing the viewer, its
// right side running back toward the wall.
constexpr VxPoint wardrobe_side[] = {{176, 36}, {210, 58}, {210, 260}, {176, 300}};
constexpr VxPoint cornice_side[] = {{186, 18}, {218, 44}, {218, 58}, {186, 36}};
constexpr VxPoint wardrobe_open_leaf[] = {{176, 40}, {252, 18}, {252, 318}, {176, 296}};
constexpr VxPoint dress_1[] = {{106, 66}, {124, 62}, {136, 100}, {132, 200}, {100, 206}, {102, 100}};
constexpr VxPoint dress_2[] = {{132, 66}, {150, 62}, {162, 96}, {170, 230}, {128, 234}, {136, 96}};

// The dressing table against the back wall, right of the window.
constexpr VxPoint table_top[] = {{292, 176}, {380, 176}, {390, 186}, {282, 186}};
constexpr VxPoint glass_gone[] = {{318, 120}, {330, 112}, {346, 124}, {356, 118}, {360, 132},
                                  {352, 142}, {322, 144}};
constexpr VxPoint drawer_hollow[] = {{316, 189}, {356, 189}, {362, 200}, {310, 200}};
constexpr VxPoint drawer_front[] = {{310, 200}, {362, 200}, {362, 212}, {310, 212}};

constexpr VxPoint shard_1[] = {{300, 262}, {312, 256}, {316, 266}};
constexpr VxPoint shard_2[] = {{384, 250}, {396, 246}, {392, 256}};
constexpr VxPoint shard_3[] = {{350, 290}, {366, 284}, {360, 298}, {348, 296}};
constexpr VxPoint shard_4[] = {{410, 274}, {422, 270}, {426, 280}};
constexpr VxPoint shard_5[] = {{272, 282}, {282, 278}, {280, 290}};

constexpr VxPoint branch[] = {{222, 276}, {262, 262}, {300, 242}, {306, 246}, {268, 268}, {226, 284}};

// An armchair at the right front.
constexpr VxPoint chair_back[] = {{500, 176}, {520, 164}, {570, 164}, {590, 176}, {594, 250}, {496, 250}};
constexpr VxPoint chair_seat[] = {{490, 244}, {600, 244}, {612, 266}, {478, 266}};
constexpr VxPoint chair_arm_l[] = {{470, 226}, {494, 222}, {496, 276}, {476, 280}};
constexpr VxPoint chair_arm_r[] = {{596, 222}, {620, 226}, {614, 280}, {594, 276}};

void draw_room() {
    draw_room_box(WALL_L, WALL_T, WALL_R, WALL_B);
    // Wainscot on the back wall and the side walls.
    vx_draw_line(WALL_L, WALL_B - 30, WALL_R, WALL_B - 30);
    vx_draw_line(WALL_L, WALL_B - 30, 19, 290);
    vx_draw_line(WALL_R, WALL_B - 30, 621, 290);
    for (int x = WALL_L + 18; x < WALL_R; x += 18) vx_draw_line(x, WALL_B - 26, x, WALL_B - 4);
    // Wallpaper sprigs above it.
    for (int y = 66; y < 170; y += 24)
        for (int x = WALL_L + 10 + (y / 24 % 2) * 12; x < WALL_R; x += 24) vx_draw_line(x, y, x + 2, y + 4);
    // A rug in the middle of the floor.
    vx_draw_arc(330, 268, 124, 24, 0, 360);
    vx_draw_arc(330, 268, 108, 18, 0, 360);
}

// The window left of the table: one pane smashed in, cracks round the hole.
void draw_window() {
    occlude_rect(216, 66, 286, 164);
    draw_panes(222, 72, 280, 158, 2, 3);
    black();
    constexpr VxPoint hole[] = {{246, 92}, {258, 86}, {266, 98}, {276, 96}, {274, 112}, {262, 118}, {250, 110}};
    vx_fill_polygon(7, hole);
    white();
    outline(hole);
    constexpr int ray[][4] = {{246, 92, 240, 76},   {266, 98, 278, 80},  {274, 112, 279, 124},
                              {262, 118, 266, 140}, {250, 110, 226, 122}, {258, 86, 256, 74}};
    for (const auto &r : ray) vx_draw_line(r[0], r[1], r[2], r[3]);
    // Curtains gathered at both sides.
    vx_draw_line(206, 60, 296, 60);
    for (int i = 0; i < 3; ++i) {
        vx_draw_line(208 + i * 4, 60, 212 + i * 3, 172);
        vx_draw_line(294 - i * 4, 60, 290 - i * 3, 172);
    }
}

void draw_dressing_table() {
    // The oval mirror, cracked all over, its lower part fallen out.
    occlude_ellipse(336, 116, 32, 44);
    vx_draw_arc(336, 116, 25, 36, 0, 360);
    occlude(glass_gone);
    constexpr int crack[][2] = {{320, 88}, {336, 82}, {354, 92}, {360, 110}, {314, 110}, {316, 128}};
    for (const auto &c : crack) vx_draw_line(338, 106, c[0], c[1]);
    vx_draw_arc(338, 106, 8, 7, 0, 360);
    vx_draw_line(336, 160, 336, 176);
    occlude(table_top);
    occlude_rect(282, 186, 390, 214);
    // Slender legs, splayed a little, down to the floor.
    constexpr int leg[][4] = {{288, 214, 283, 250}, {384, 214, 389, 250}, {298, 214, 296, 240}, {374, 214, 376, 240}};
    for (const auto &l : leg) vx_draw_line(l[0], l[1], l[2], l[3]);
    // Scent bottles and a powder box on the top.
    occlude_rect(298, 166, 306, 180);
    occlude_circle(302, 162, 3);
    occlude_rect(366, 168, 374, 180);
    occlude_ellipse(382, 178, 5, 3);
    if (flag_test_not(F_DRESSER_DRAWER_OPEN)) {
        vx_draw_rect(316, 190, 356, 206);
        vx_draw_circle(336, 198, 2);
        return;
    }
    // The drawer pulled out toward the viewer, its hollow showing.
    occlude(drawer_hollow);
    vx_draw_line(318, 192, 354, 192);
    occlude(drawer_front);
    vx_draw_circle(336, 206, 2);
}

// The stool in front of the table, and the mirror's glass on the floor.
void draw_stool_and_fragments() {
    vx_draw_line(318, 240, 314, 262);
    vx_draw_line(354, 240, 358, 262);
    vx_draw_line(326, 242, 326, 258);
    vx_draw_line(346, 242, 346, 258);
    occlude_ellipse(336, 238, 22, 6);
    for (const VxPoint *s : {shard_1, shard_2, shard_4, shard_5}) occlude(s, 3);
    occlude(shard_3);
    constexpr int chip[][2] = {{320, 276}, {372, 266}, {402, 294}, {292, 298}, {440, 262}, {340, 312}};
    for (const auto &c : chip) vx_draw_line(c[0], c[1], c[0] + 4, c[1] - 2);
}

void draw_armchair() {
    occlude(chair_back);
    vx_draw_arc(545, 196, 30, 18, 0, 360);
    occlude(chair_seat);
    occlude_rect(480, 266, 610, 290);
    for (int x : {486, 604}) vx_draw_line(x, 290, x, 312);
    occlude(chair_arm_l);
    occlude(chair_arm_r);
    occlude_ellipse(482, 224, 13, 5);
    occlude_ellipse(608, 224, 13, 5);
}

void draw_wardrobe() {
    occlude(wardrobe_side);
    occlude_rect(30, 36, 176, 312);
    occlude(cornice_side);
    occlude_rect(26, 18, 186, 36);
    // Plinth and carving on the cornice.
    vx_draw_line(30, 296, 176, 296);
    for (int x = 46; x < 176; x += 24) vx_draw_arc(x + 6, 29, 6, 4, 180, 360);
    if (flag_test_not(F_WARDROBE_OPEN)) {
        vx_draw_line(103, 44, 103, 290);
        for (int x : {40, 111}) {
            vx_draw_rect(x, 56, x + 55, 150);
            vx_draw_rect(x, 170, x + 55, 280);
            vx_draw_arc(x + 27, 78, 16, 10, 0, 180);
        }
        vx_draw_circle(97, 160, 3);
        vx_draw_circle(109, 160, 3);
        return;
    }
    // Left door shut; the right one swung out toward the viewer, the
    // dresses hanging inside.
    vx_draw_rect(40, 56, 95, 150);
    vx_draw_rect(40, 170, 95, 280);
    vx_draw_arc(67, 78, 16, 10, 0, 180);
    vx_draw_circle(97, 160, 3);
    occlude_rect(104, 44, 170, 290);
    vx_draw_line(104, 56, 170, 56);
    occlude(dress_1);
    occlude(dress_2);
    vx_draw_line(118, 62, 118, 56);
    vx_draw_line(144, 62, 144, 56);
    vx_draw_line(120, 120, 118, 200);
    vx_draw_line(148, 120, 150, 226);
    occlude(wardrobe_open_leaf);
    vx_draw_line(188, 60, 240, 44);
    vx_draw_line(188, 282, 240, 294);
    vx_draw_line(188, 60, 188, 282);
    vx_draw_line(240, 44, 240, 294);
    vx_draw_circle(236, 166, 3);
}

}  // namespace

void area_ladys_room_draw() {
    draw_room();
    draw_window();
    draw_dressing_table();
    draw_stool_and_fragments();
    // The branch that came in through the window, until it is picked up.
    if (flag_test_not(F_BRANCH_TAKEN)) {
        occlude(branch);
        vx_draw_line(262, 262, 272, 246);
        vx_draw_line(272, 246, 270, 236);
        vx_draw_line(240, 272, 234, 258);
        vx_draw_line(290, 250, 302, 254);
    }
    draw_armchair();
    draw_wardrobe();
}
