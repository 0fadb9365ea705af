// The laundry: the colonel's dog keeps watch on the hatch to the cellar;
// the washing machine still holds the family's clothes.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "message.h"
#include "noun.h"
#include "status.h"
#include "vexdraw.h"
#include "area_kit.h"

namespace {

constexpr area_exit exits[] = {
    {vi_backward, ai_corridor_1f_br, F_DOOR_CORRIDOR_1F_BR_LAUNDRY},
};

bool dog_here() { return flag_test_not(F_DOG_GONE); }
bool dog_on_hatch() { return flag_test_not(F_DOG_UP) && dog_here(); }

void dog_glares() { message("%nnの上に座り込んでいる犬が、こちらを睨んでいる。", ni_hatch); }

// The answer to "何を話す?": the dog listens for one word only.
int answer_dog(char *line) {
    char *word = nullptr;
    trim_spaces(line, &word);
    int nid = word2nid(word);
    if (nid == ni_orion) {
        if (flag_test(F_DOG_UP)) {
            message("心なしか嬉しげに、ゆっくりと尾を振っている。");
        } else {
            message("名前を呼ぶと、それまでこちらに無関心だった犬が立ち上がった。");
            flag_set(F_DOG_UP);
        }
    } else if (flag_test(F_DOG_UP)) {
        message("じっとこちらを見つめている。");
    } else {
        message("そっぽを向いたまま、何の反応も示さない。");
    }
    return 0;
}

void go_down() {
    if (dog_on_hatch()) {
        dog_glares();
        return;
    }
    if (!has_light()) {
        msg_too_dark();
        return;
    }
    flag_set(F_DANGER); // danger below: no saving until the player is back up
    door_move(ai_cellar, F_DOOR_LAUNDRY_CELLAR);
}

void look_around() {
    area_print_description(ai_laundry);
    message("奥には%nlがあり、その上に%nlが載っている。壁際には古い板が何枚も立てかけてある。", ni_washer, ni_dryer);
    // The glaring dog as the room shows it: the same words, named.
    if (dog_on_hatch())
        message("%nlの上に座り込んでいる%nlが、こちらを睨んでいる。", ni_hatch, ni_dog);
    else if (dog_here())
        message("立ち上がった%nlが、こちらを見つめている。床のマットの脇には%nlがある。", ni_dog, ni_hatch);
    else
        message("床のマットの脇には%nlがある。", ni_hatch);
    if (flag_test(F_DOG_GONE) && flag_test_not(F_BELT_TAKEN) && !has_item(ni_belt))
        message("床に%nlが落ちている。", ni_belt);
    bool rod = flag_test_not(F_ROD_TAKEN) && !has_item(ni_fishing_rod);
    bool poker = flag_test_not(F_POKER_TAKEN) && !has_item(ni_poker);
    if (rod) message("洗濯機の脇に%nlが立てかけてある。", ni_fishing_rod);
    if (poker) message(rod ? "その陰には%nlも見える。" : "洗濯機の脇に%nlが立てかけてある。", ni_poker);
    if (flag_test(F_DOOR_CORRIDOR_1F_BR_LAUNDRY)) message("%nlは廊下に通じている。", ni_back_door);
    if (flag_test(F_DOOR_LAUNDRY_CELLAR)) message("%nlは地下室に通じている。", ni_hatch);
}

int no_noun(int vid) {
    switch (vid) {
    case vi_forward:
        message("この扉は開けられそうにない。");
        return 1;
    case vi_down:
        go_down();
        return 1;
    default:
        return exit_or_look(exits, vid, look_around);
    }
}

int dog(int vid, int *noun_here) {
    if (!dog_here()) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        if (flag_test_not(F_DOG_UP))
            dog_glares();
        else
            message("大きな犬だ。立ち上がって、こちらをじっと見つめている。");
        message("首には革の首輪をつけている。");
        return 1;
    case vi_talk:
        message("何を話す?");
        set_line_handler(answer_dog, "?");
        return 1;
    case vi_touch:
        if (flag_test(F_DOG_UP))
            message("犬は大人しく撫でられている。");
        else
            message("手を伸ばすと、犬は低いうなり声を上げた。");
        return 1;
    case vi_hit:
    case vi_kick:
        message("そんなことをしたら、噛みつかれるのが落ちだ。");
        return 1;
    case vi_get:
    case vi_move:
    case vi_push:
    case vi_pull:
        if (flag_test_not(F_DOG_UP))
            message("犬は頑として動こうとしない。");
        else
            msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

int hat(int vid, int *noun_here) {
    if (!has_item(ni_hat) || !dog_here()) {
        *noun_here = 0;
        return 0;
    }
    if (vid != vi_put && vid != vi_use && vid != vi_throw && vid != vi_give && vid != vi_show) return 0;
    message("犬は%nnの匂いを嗅ぐと、悲しげにくうんと鼻を鳴らした。", ni_hat);
    message("犬は%nnをくわえて身震いした。緩んでいた首輪が外れて床に落ちたが、犬は振り返りもせず部屋を出ていった。", ni_hat);
    remove_item(ni_hat);
    flag_set(F_DOG_GONE);
    return 1;
}

int hatch(int vid) {
    switch (vid) {
    case vi_look:
        if (dog_on_hatch())
            dog_glares();
        else
            message("床に設けられた鉄のハッチだ。地下へ降りられるようになっている。");
        return 1;
    case vi_open:
    case vi_enter:
        go_down();
        return 1;
    default:
        return 0;
    }
}

int washer(int vid) {
    switch (vid) {
    case vi_look:
        message("前面に丸い蓋のついた、ドラム式の洗濯機だ。");
        if (flag_test(F_WASHER_OPEN))
            message("蓋は開いていて、中には%nlが入ったままになっている。", ni_clothes);
        else
            message("蓋は閉まっている。");
        return 1;
    case vi_open:
        if (flag_test(F_WASHER_OPEN)) {
            message("洗濯機の蓋はもう開いている。");
        } else {
            flag_set(F_WASHER_OPEN);
            message("洗濯機の蓋を開けた。中には%nlが入ったままになっている。", ni_clothes);
        }
        return 1;
    case vi_close:
        flag_clear_once(F_WASHER_OPEN, "洗濯機の蓋を閉めた。", "洗濯機の蓋は閉まっている。");
        return 1;
    case vi_use:
        message("電気が来ていないのか、動かない。");
        return 1;
    default:
        return 0;
    }
}

int dryer(int vid) {
    switch (vid) {
    case vi_look:
        message("洗濯機の上に据え付けられた乾燥機だ。");
        message(flag_test(F_DRYER_OPEN) ? "蓋が開いている。中は空っぽだ。" : "蓋は閉まっている。");
        return 1;
    case vi_open:
        flag_set_once(F_DRYER_OPEN, "乾燥機の蓋を開けた。中は空っぽだ。", "乾燥機の蓋はもう開いている。");
        return 1;
    case vi_close:
        flag_clear_once(F_DRYER_OPEN, "乾燥機の蓋を閉めた。", "乾燥機の蓋は閉まっている。");
        return 1;
    case vi_use:
        message("電気が来ていないのか、動かない。");
        return 1;
    default:
        return 0;
    }
}

// The clothes stay in the washer; only the jacket's pocket matters.
int clothes(int vid, int *noun_here) {
    if (flag_test_not(F_WASHER_OPEN)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        message("洗濯機に入ったままの、大人と子供の衣類だ。男物の上着も混じっている。");
        return 1;
    case vi_examine:
        if (flag_test_not(F_BRONZE_KEY_FOUND)) {
            message("上着のポケットに%nlがあった。", ni_bronze_key);
            flag_set(F_BRONZE_KEY_FOUND);
        } else if (flag_test_not(F_BRONZE_KEY_TAKEN) && !has_item(ni_bronze_key)) {
            message("上着のポケットに%nlが入っている。", ni_bronze_key);
        } else {
            msg_nothing_left();
        }
        return 1;
    case vi_get:
        message("着替えは必要ないだろう。");
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_laundry_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    if (nid == ni_invalid) return no_noun(vid);

    switch (nid) {
    case ni_dog:
        return dog(vid, noun_here);
    case ni_orion:
        // Calling the dog by its name directly.
        if (!dog_here()) {
            *noun_here = 0;
            return 0;
        }
        if (vid == vi_talk) {
            char name[] = "orion";
            answer_dog(name);
            return 1;
        }
        return area_call_handler(get_cur_area(), vid, ni_dog, noun_here);
    case ni_hat:
        return hat(vid, noun_here);
    case ni_hatch:
        return hatch(vid);
    case ni_washer:
        return washer(vid);
    case ni_dryer:
        return dryer(vid);
    case ni_clothes:
        return clothes(vid, noun_here);
    case ni_bronze_key:
        return lying_item(vid, nid, flag_test(F_BRONZE_KEY_FOUND) && flag_test_not(F_BRONZE_KEY_TAKEN),
                          F_BRONZE_KEY_TAKEN, noun_here);
    case ni_belt:
        return lying_item(vid, nid, flag_test(F_DOG_GONE) && flag_test_not(F_BELT_TAKEN), F_BELT_TAKEN,
                          noun_here);
    case ni_fishing_rod:
        return lying_item(vid, nid, flag_test_not(F_ROD_TAKEN), F_ROD_TAKEN, noun_here);
    case ni_poker:
        return lying_item(vid, nid, flag_test_not(F_POKER_TAKEN), F_POKER_TAKEN, noun_here);

    case ni_door:
        msg_several_doors({ni_front_door, ni_back_door});
        return 1;
    case ni_front_door:
        return door_noun(vid, vi_forward, nullptr, noun_here);
    case ni_back_door:
        return door_noun(vid, vi_backward, nullptr, noun_here);

    case ni_room:
        return room_noun(vid, noun_here);
    default:
        return unknown_noun(nid, noun_here);
    }
}

// ---- Picture ----

namespace {

// Boards leaning on the back wall, left to right.
constexpr VxPoint boards[][4] = {
    {{382, 235}, {396, 235}, {408, 112}, {396, 110}},
    {{398, 235}, {414, 235}, {420, 104}, {406, 104}},
    {{418, 235}, {430, 235}, {448, 120}, {436, 118}},
    {{432, 235}, {450, 235}, {462, 130}, {446, 128}},
};
constexpr VxPoint back_door[] = {{286, 120}, {346, 120}, {346, 235}, {286, 235}};
constexpr VxPoint machine_side[] = {{246, 118}, {262, 124}, {262, 262}, {246, 300}};
constexpr VxPoint machine_top[] = {{150, 118}, {246, 118}, {262, 124}, {166, 124}};
constexpr VxPoint washer_lid[] = {{124, 228}, {146, 220}, {152, 250}, {146, 282}, {124, 278}, {118, 252}};
constexpr VxPoint dryer_lid[] = {{128, 146}, {146, 140}, {150, 162}, {146, 186}, {128, 182}, {124, 164}};
constexpr VxPoint mat[] = {{300, 262}, {520, 262}, {556, 318}, {274, 318}};
constexpr VxPoint mat_border[] = {{310, 268}, {512, 268}, {544, 312}, {286, 312}};
constexpr VxPoint wet_clothes[] = {{182, 262}, {190, 250}, {204, 256}, {214, 246}};
constexpr VxPoint dog_lying[] = {{-78, -2}, {-86, -10}, {-84, -20}, {-74, -30}, {-66, -34}, {-62, -46},
                                 {-54, -34}, {-46, -26}, {-40, -20}, {-10, -26}, {20, -28}, {44, -24},
                                 {58, -14}, {66, -6},   {82, -10},  {88, -6},   {70, 4},   {40, 6},
                                 {-20, 6},  {-50, 4},   {-70, 4}};
constexpr VxPoint dog_standing[] = {{-88, -62}, {-80, -72}, {-70, -76}, {-64, -88}, {-58, -74}, {-50, -62},
                                    {-36, -56}, {30, -58},  {48, -56},  {60, -72},  {66, -70},  {56, -50},
                                    {52, -32},  {50, 0},    {42, 0},    {38, -28},  {20, -30},  {-28, -30},
                                    {-32, 0},   {-40, 0},   {-44, -32}, {-54, -44}, {-68, -54}, {-86, -56}};

}  // namespace

void area_laundry_draw() {
    // The room.
    draw_room_box(170, 74, 470, 235);
    // Tiles on the floor, a pipe along the back wall and a bare bulb.
    for (int i = 1; i < 8; ++i) vx_draw_line(170 + i * 300 / 8, 235, 19 + i * 602 / 8, 329);
    vx_draw_line(138, 255, 502, 255);
    vx_draw_line(90, 285, 550, 285);
    vx_draw_line(170, 92, 470, 92);
    vx_draw_line(170, 96, 470, 96);
    vx_draw_line(320, 8, 320, 40);
    vx_draw_arc(320, 46, 6, 7, 0, 360);

    // The door in the back wall that will not open.
    occlude(back_door);
    vx_draw_rect(292, 126, 340, 176);
    vx_draw_rect(292, 184, 340, 228);
    vx_draw_circle(338, 180, 3);

    // Old boards leaning on the back wall.
    for (const auto &b : boards) {
        occlude(b);
        vx_draw_line((b[0].x + b[1].x) / 2, 228, (b[2].x + b[3].x) / 2, 122);
    }

    // The washing machine with the dryer stacked on it, at the left.
    occlude(machine_side);
    occlude(machine_top);
    occlude_rect(150, 124, 246, 300);
    vx_draw_line(150, 200, 246, 200);
    for (int y = 124; y < 260; y += 76) {
        vx_draw_line(150, y + 14, 246, y + 14);
        for (int x = 160; x < 200; x += 12) vx_draw_circle(x, y + 7, 3);
        vx_draw_rect(214, y + 4, 238, y + 10);
    }
    vx_draw_line(162, 296, 162, 300);
    vx_draw_line(234, 296, 234, 300);
    // The dryer's round door, or the open hole and the lid swung out.
    if (flag_test_not(F_DRYER_OPEN)) {
        vx_draw_circle(198, 170, 24);
        vx_draw_circle(198, 170, 17);
        vx_draw_arc(192, 164, 8, 6, 110, 160);
        vx_draw_rect(222, 166, 226, 176);
    } else {
        occlude_ellipse(198, 170, 20, 20);
        vx_draw_arc(198, 178, 12, 4, 0, 180);
        occlude(dryer_lid);
        vx_draw_arc(136, 164, 6, 14, 0, 360);
    }
    // The washer's door below it, and the clothes behind it once open.
    if (flag_test_not(F_WASHER_OPEN)) {
        vx_draw_circle(198, 252, 32);
        vx_draw_circle(198, 252, 24);
        vx_draw_arc(190, 244, 12, 9, 110, 160);
        vx_draw_rect(228, 246, 233, 260);
    } else {
        occlude_ellipse(198, 252, 28, 28);
        vx_draw_arc(198, 262, 20, 8, 0, 180);
        polyline(wet_clothes);
        vx_draw_arc(200, 268, 14, 6, 180, 360);
        occlude(washer_lid);
        vx_draw_arc(134, 252, 8, 20, 0, 360);
    }

    // The fishing rod and the poker leaning beside the machine.
    if (flag_test_not(F_ROD_TAKEN)) {
        vx_draw_line(128, 316, 140, 30);
        vx_draw_line(129, 316, 141, 30);
        vx_draw_circle(122, 280, 6);
        vx_draw_line(127, 280, 128, 286);
        for (int y = 240; y > 40; y -= 50) vx_draw_line(131 + (316 - y) / 24, y, 136 + (316 - y) / 24, y - 3);
        vx_draw_line(141, 30, 146, 60);
    }
    if (flag_test_not(F_POKER_TAKEN)) {
        vx_draw_line(104, 318, 134, 110);
        vx_draw_line(106, 318, 136, 110);
        vx_draw_line(135, 110, 142, 100);
        vx_draw_line(135, 110, 146, 114);
        vx_draw_arc(104, 322, 4, 3, 0, 360);
    }

    // The mat, and on it the dog: lying while it ignores the player,
    // standing once called by its name, gone with its master's hat.
    occlude(mat);
    outline(mat_border);
    if (flag_test_not(F_DOG_UP) && flag_test_not(F_DOG_GONE)) {
        occlude_at(dog_lying, 412, 296);
        vx_draw_line(-40 + 412, 300, -88 + 412, 302);
        vx_draw_line(-40 + 412, 303, -84 + 412, 306);
        vx_draw_circle(-72 + 412, 272, 1);
        vx_draw_line(-60 + 412, 278, -56 + 412, 270);
        vx_draw_line(30 + 412, 292, 38 + 412, 276);
    } else if (flag_test_not(F_DOG_GONE)) {
        occlude_at(dog_standing, 420, 300);
        vx_draw_circle(-74 + 420, 232, 1);
        vx_draw_line(-58 + 420, 248, -52 + 420, 256);
        vx_draw_line(40 + 420, 270, 34 + 420, 298);
    } else if (flag_test_not(F_BELT_TAKEN)) {
        // The collar the dog shook off, with its little pouch.
        vx_draw_arc(404, 292, 22, 7, 0, 360);
        vx_draw_arc(404, 292, 19, 5, 0, 360);
        occlude_rect(398, 294, 410, 306);
        vx_draw_line(398, 298, 410, 298);
    }
}
