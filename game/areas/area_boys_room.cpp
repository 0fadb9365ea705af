// The boy's room: a bunk bed whose ladder leads to the upper bunk, and a
// locked toy treasure chest with a billiard ball inside and the broken
// slingshot hidden under the spot where it stands.
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
    {vi_backward, ai_corridor_2f_c, F_DOOR_CORRIDOR_2F_C_BOYS_ROOM},
};

bool ladder_in_place() { return flag_test_not(F_BUNK_LADDER_TAKEN) && !has_item(ni_ladder); }
bool ball_here() {
    return flag_test(F_CHEST_OPEN) && flag_test_not(F_BILLIARD_BALL_TAKEN) && !has_item(ni_billiard_ball);
}
bool slingshot_here() {
    return flag_test(F_CHEST_MOVED) && flag_test_not(F_SLINGSHOT_TAKEN) && !has_item(ni_slingshot);
}

void look_room() {
    area_print_description(ai_boys_room);
    message("男の子の部屋らしく、床のあちこちに玩具が転がっている。");
    if (ladder_in_place())
        message("右手には%nlがあり、上の段へ%nlが掛かっている。", ni_bed, ni_ladder);
    else
        message("右手には%nlがある。梯子が外されていて、上の段には登れない。", ni_bed);
    message("正面には%nlがある。", ni_window);
    if (flag_test_not(F_CHEST_MOVED))
        message("床の左手には玩具の%nlが置いてある。", ni_treasure_chest);
    else
        message("床の中ほどに、動かした%nlがある。", ni_treasure_chest);
    if (flag_test(F_CHEST_OPEN)) {
        message("宝箱の蓋は開いていて、傍に%nlが転がっている。", ni_box);
        if (ball_here()) message("宝箱の中には%nlが入っている。", ni_billiard_ball);
    }
    if (slingshot_here()) message("宝箱のあった場所に%nlが落ちている。", ni_slingshot);
    if (flag_test(F_DOOR_CORRIDOR_2F_C_BOYS_ROOM))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

int no_noun(int vid) {
    if (vid == vi_up) {
        if (!ladder_in_place()) {
            message("梯子がなくては、上の段には登れそうにない。");
            return 1;
        }
        message("梯子を登った。");
        area_request_move(ai_bed);
        return 1;
    }
    return exit_or_look(exits, vid, look_room);
}

void unlock_with_key() {
    if (flag_test(F_CHEST_UNLOCKED)) {
        message("宝箱の鍵はもう開いている。");
        return;
    }
    message("鍵が開いた。");
    flag_set(F_CHEST_UNLOCKED);
    remove_item(ni_wooden_key);
}

void open_chest() {
    if (flag_test_not(F_CHEST_UNLOCKED)) {
        message("鍵が掛かっている。");
        return;
    }
    if (flag_test(F_CHEST_OPEN)) {
        message("宝箱の蓋はもう開いている。");
        return;
    }
    message("宝箱の中から%nlと%nlが出てきた。", ni_box, ni_billiard_ball);
    flag_set(F_CHEST_OPEN);
}

int treasure_chest(int vid) {
    switch (vid) {
    case vi_look:
        message("海賊の宝箱を真似た、玩具の箱だ。蓋の正面に小さな鍵穴がある。");
        if (flag_test_not(F_CHEST_UNLOCKED))
            message("鍵が掛かっている。");
        else if (flag_test_not(F_CHEST_OPEN))
            message("鍵は開いているが、蓋は閉じたままだ。");
        else if (ball_here())
            message("開いた蓋の中に%nlが入っている。", ni_billiard_ball);
        else
            message("蓋は開いていて、中はもう空っぽだ。");
        return 1;
    case vi_examine:
        if (flag_test_not(F_CHEST_UNLOCKED))
            message("錠前はおもちゃ同然の作りだ。木の鍵で開けるようになっているらしい。");
        else if (flag_test_not(F_CHEST_MOVED))
            message("宝箱の下の床に、何かが挟まっているような跡がある。");
        else
            msg_nothing_special();
        return 1;
    case vi_open:
        open_chest();
        return 1;
    case vi_close:
        if (flag_test(F_CHEST_OPEN))
            message("蓋を閉める必要はないだろう。");
        else
            message("蓋はもう閉まっている。");
        return 1;
    case vi_break:
    case vi_hit:
    case vi_kick:
        flag_set_once(F_CHEST_UNLOCKED, "鍵を叩き壊した。", "もう鍵は壊れている。");
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
        flag_set_once(F_CHEST_MOVED, "宝箱を動かした。", "宝箱はもう動かしてある。");
        return 1;
    case vi_get:
        msg_too_big();
        return 1;
    default:
        return 0;
    }
}

int bunk_bed(int vid, int *noun_here) {
    switch (vid) {
    case vi_look:
        message("木製の二段ベッドだ。下の段には毛布が乱れたままになっている。");
        if (ladder_in_place())
            message("上の段へは%nlで登るようになっている。", ni_ladder);
        else
            message("梯子が外されていて、上の段には登れない。");
        return 1;
    case vi_examine:
        message("下の段を調べてみたが、くしゃくしゃの毛布のほかには何もない。");
        return 1;
    case vi_up:
    case vi_enter:
        return area_call_handler(get_cur_area(), vi_up, ni_invalid, noun_here);
    case vi_get:
    case vi_move:
        msg_too_big();
        return 1;
    default:
        return 0;
    }
}

int ladder(int vid, int *noun_here) {
    if (has_item(ni_ladder)) {
        if (vid == vi_put || vid == vi_use) {
            put_item(ni_ladder, -1, "%nnを元に戻した。");
            flag_clear(F_BUNK_LADDER_TAKEN);
            return 1;
        }
        *noun_here = 0;
        return 0;
    }
    if (flag_test(F_BUNK_LADDER_TAKEN)) {
        *noun_here = 0;
        return 0;
    }
    if (vid == vi_look) {
        message("二段ベッドの上の段に掛けられた木製の梯子だ。引っ掛けてあるだけで、簡単に外せそうだ。");
        return 1;
    }
    if (vid == vi_get || vid == vi_remove) {
        take_item(ni_ladder, F_BUNK_LADDER_TAKEN);
        return 1;
    }
    if (vid == vi_up) return area_call_handler(get_cur_area(), vi_up, ni_invalid, noun_here);
    return 0;
}

}  // namespace

int area_boys_room_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return no_noun(vid);

    case ni_chest: // "chest" here can only mean the toy chest
    case ni_treasure_chest:
        return treasure_chest(vid);

    case ni_wooden_key:
        if (!has_item(ni_wooden_key)) break;
        if (vid == vi_use) {
            unlock_with_key();
            return 1;
        }
        *noun_here = 0;
        return 0;

    case ni_box:
        if (flag_test_not(F_CHEST_OPEN)) break;
        if (vid == vi_look || vid == vi_examine || vid == vi_open) {
            message("宝箱から出てきた、小さな空き箱だ。中には何も入っていない。");
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        return 0;

    case ni_billiard_ball:
        return lying_item(vid, nid, flag_test(F_CHEST_OPEN) && flag_test_not(F_BILLIARD_BALL_TAKEN),
                          F_BILLIARD_BALL_TAKEN, noun_here);

    case ni_slingshot:
        return lying_item(vid, nid, flag_test(F_CHEST_MOVED) && flag_test_not(F_SLINGSHOT_TAKEN), F_SLINGSHOT_TAKEN,
                          noun_here);

    case ni_bed:
        return bunk_bed(vid, noun_here);

    case ni_ladder:
        return ladder(vid, noun_here);

    case ni_mattress:
        if (vid == vi_look || vid == vi_examine) {
            message("下の段のマットレスには、何も隠されていないようだ。");
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look) {
            message("格子の入った窓だ。外はどんよりと曇っている。");
            return 1;
        }
        if (vid == vi_open || vid == vi_exit) {
            message("窓は固く閉ざされていて開かない。");
            return 1;
        }
        return 0;

    case ni_floor:
        if (vid == vi_look || vid == vi_examine) {
            message("積み木やボールが散らかったままになっている。");
            if (slingshot_here()) message("宝箱のあった場所に%nlが落ちている。", ni_slingshot);
            return 1;
        }
        return 0;

    case ni_wall:
        if (vid == vi_look) {
            message("壁には、ロケットのポスターが貼ってある。");
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

// The bunk bed stands along the right half, its long side towards the viewer.
constexpr VxPoint upper_mattress[] = {{352, 102}, {326, 84}, {566, 84}, {592, 102}};
constexpr VxPoint upper_board[] = {{350, 102}, {594, 102}, {594, 124}, {350, 124}};
constexpr VxPoint blanket_upper[] = {{430, 102}, {420, 92}, {560, 90}, {592, 102}, {594, 132}, {580, 138},
                                     {540, 130}, {500, 136}, {460, 130}, {432, 134}};
constexpr VxPoint lower_mattress[] = {{352, 236}, {326, 218}, {566, 218}, {592, 236}};
constexpr VxPoint lower_board[] = {{350, 236}, {594, 236}, {594, 258}, {350, 258}};
constexpr VxPoint blanket_lower[] = {{392, 236}, {386, 224}, {470, 218}, {520, 228}, {560, 222}, {592, 236},
                                     {594, 262}, {560, 270}, {520, 262}, {470, 272}, {420, 262}, {394, 266}};
constexpr VxPoint rail_left[] = {{370, 74}, {377, 74}, {370, 314}, {363, 314}};
constexpr VxPoint rail_right[] = {{408, 74}, {415, 74}, {408, 314}, {401, 314}};
constexpr VxPoint rung[] = {{0, 0}, {44, 0}, {44, 5}, {0, 5}};

// The toy chest, drawn around its lower left front corner.
constexpr VxPoint chest_front[] = {{0, 0}, {0, -38}, {84, -38}, {84, 0}};
constexpr VxPoint chest_side[] = {{84, 0}, {84, -38}, {100, -50}, {100, -12}};
constexpr VxPoint lid_closed[] = {{0, -38},  {4, -52},  {16, -62}, {42, -66}, {68, -62}, {80, -52},
                                  {84, -38}, {100, -50}, {96, -62}, {84, -72}, {58, -77}, {32, -76}};
constexpr VxPoint chest_inside[] = {{0, -38}, {16, -50}, {100, -50}, {84, -38}};
constexpr VxPoint lid_open[] = {{16, -50}, {14, -70}, {20, -82}, {44, -88}, {74, -88}, {94, -82},
                                {100, -70}, {100, -50}};
constexpr VxPoint small_box_top[] = {{0, 0}, {30, 0}, {38, -7}, {8, -7}};
constexpr VxPoint small_box_front[] = {{0, 0}, {30, 0}, {30, 20}, {0, 20}};
constexpr VxPoint small_box_side[] = {{30, 0}, {38, -7}, {38, 13}, {30, 20}};

constexpr VxPoint slingshot_fork[] = {{0, 0}, {-14, -22}, {-10, -24}, {1, -6}, {10, -24}, {14, -22},
                                      {4, 2}, {4, 8}, {-2, 10}};
constexpr VxPoint rug[] = {{120, 292}, {180, 270}, {310, 270}, {340, 292}, {300, 318}, {150, 318}};
constexpr VxPoint toy_car[] = {{0, 0}, {2, -8}, {10, -9}, {15, -16}, {30, -16}, {36, -9}, {44, -8}, {46, 0}};

constexpr int CHEST_Y = 306;
constexpr int CHEST_LEFT_X = 46;
constexpr int CHEST_RIGHT_X = 200;

void draw_room() {
    draw_room_box(160, 48, 480, 212);
    draw_rail(160, 480, 170, 204);
    draw_floor_boards(192, 470, 32, 212, 301, 160);
    // Wallpaper stripes on the back wall above the rail.
    for (int x = 176; x < 480; x += 16) vx_draw_line(x, 52, x, 66);
}

void draw_window() {
    draw_paned_window(186, 74, 280, 150, 5, 2, 3);
    // Curtains gathered on both sides and a pelmet.
    vx_draw_rect(178, 68, 288, 74);
    for (int i = 0; i < 3; ++i) {
        vx_draw_arc(184 + i * 3, 110, 6, 36, 90, 270);
        vx_draw_arc(282 - i * 3, 110, 6, 36, 270, 450);
    }
    vx_draw_line(176, 152, 290, 152);
}

void draw_poster() {
    // A rocket poster on the left wall.
    constexpr VxPoint a = left_wall_point(160, 48, 212, 60, 520);
    constexpr VxPoint b = left_wall_point(160, 48, 212, 60, 860);
    constexpr VxPoint c = left_wall_point(160, 48, 212, 118, 860);
    constexpr VxPoint d = left_wall_point(160, 48, 212, 118, 520);
    constexpr VxPoint poster[] = {a, b, c, d};
    outline(poster);
    constexpr VxPoint nose = left_wall_point(160, 48, 212, 89, 810);
    constexpr VxPoint base_l = left_wall_point(160, 48, 212, 80, 600);
    constexpr VxPoint base_r = left_wall_point(160, 48, 212, 98, 600);
    vx_draw_line(nose.x, nose.y, base_l.x, base_l.y);
    vx_draw_line(nose.x, nose.y, base_r.x, base_r.y);
    vx_draw_line(base_l.x, base_l.y, base_r.x, base_r.y);
    vx_draw_line(base_l.x, base_l.y, base_l.x - 6, base_l.y + 10);
    vx_draw_line(base_r.x, base_r.y, base_r.x + 6, base_r.y + 8);
    for (int i = 0; i < 4; ++i) vx_draw_circle(70 + i * 13, 120 - i * 5 + (i % 2) * 8, 1);
}

void draw_bunk_bed() {
    // Back posts first, then the two bunks, then the front posts.
    occlude_rect(320, 22, 330, 292);
    occlude_rect(560, 22, 570, 292);
    occlude(upper_mattress);
    occlude_ellipse(540, 90, 18, 7);
    occlude(lower_mattress);
    occlude_ellipse(540, 224, 20, 7);
    occlude(blanket_lower);
    vx_draw_line(440, 230, 452, 262);
    vx_draw_line(500, 232, 510, 262);
    occlude(lower_board);
    occlude(upper_board);
    occlude(blanket_upper);
    vx_draw_line(470, 104, 478, 130);
    vx_draw_line(520, 104, 526, 130);
    // The guard rail of the upper bunk with its slats.
    vx_draw_line(426, 62, 590, 62);
    vx_draw_line(426, 66, 590, 66);
    for (int x = 446; x < 590; x += 24) vx_draw_line(x, 66, x, 90);
    vx_draw_line(426, 62, 426, 102);
    // Drawers under the lower bunk.
    for (int x = 356; x < 590; x += 80) {
        vx_draw_rect(x, 266, x + 74, 292);
        vx_draw_line(x + 30, 279, x + 44, 279);
    }
    occlude_rect(340, 30, 352, 300);
    occlude_rect(592, 30, 604, 300);
    vx_draw_circle(346, 26, 6);
    vx_draw_circle(598, 26, 6);
}

void draw_ladder() {
    // Drawn after the bed: it hangs on the upper board and stands on the floor.
    occlude(rail_left);
    occlude(rail_right);
    for (int y = 100; y < 300; y += 30) occlude_at(rung, 375 - (y - 74) * 7 / 240, y, 1, 1);
    vx_draw_arc(373, 74, 4, 4, 0, 180);
    vx_draw_arc(411, 74, 4, 4, 0, 180);
}

void draw_toys() {
    occlude(rug);
    vx_draw_arc(230, 294, 80, 14, 0, 360);
    // Building blocks, a ball and a toy car.
    occlude_rect(250, 280, 264, 294);
    occlude_rect(266, 284, 278, 296);
    occlude_rect(256, 268, 270, 280);
    vx_draw_line(256, 268, 270, 280);
    occlude_circle(318, 300, 9);
    vx_draw_arc(318, 300, 9, 3, 0, 360);
    occlude_at(toy_car, 500, 318, 1, 1);
    vx_draw_circle(511, 318, 4);
    vx_draw_circle(535, 318, 4);
    vx_draw_line(515, 307, 530, 307);
}

void draw_chest() {
    int x = flag_test_not(F_CHEST_MOVED) ? CHEST_LEFT_X : CHEST_RIGHT_X;
    if (flag_test(F_CHEST_OPEN)) {
        // The lid thrown back, the inside showing and the little box beside it.
        occlude_at(lid_open, x, CHEST_Y);
        vx_draw_line(x + 32, CHEST_Y - 86, x + 32, CHEST_Y - 54);
        vx_draw_line(x + 80, CHEST_Y - 86, x + 80, CHEST_Y - 54);
        occlude_at(chest_inside, x, CHEST_Y);
        if (flag_test_not(F_BILLIARD_BALL_TAKEN)) {
            occlude_circle(x + 50, CHEST_Y - 46, 8);
            vx_draw_circle(x + 50, CHEST_Y - 46, 3);
        }
    }
    occlude_at(chest_front, x, CHEST_Y);
    occlude_at(chest_side, x, CHEST_Y);
    // Iron bands and studs.
    for (int i = 0; i < 2; ++i) {
        int bx = x + 16 + i * 46;
        vx_draw_line(bx, CHEST_Y, bx, CHEST_Y - 38);
        vx_draw_line(bx + 6, CHEST_Y, bx + 6, CHEST_Y - 38);
        for (int y = CHEST_Y - 32; y < CHEST_Y; y += 10) vx_draw_circle(bx + 3, y, 1);
    }
    if (flag_test_not(F_CHEST_OPEN)) {
        occlude_at(lid_closed, x, CHEST_Y);
        vx_draw_arc(x + 42, CHEST_Y - 38, 42, 26, 0, 180);
        vx_draw_line(x + 19, CHEST_Y - 60, x + 22, CHEST_Y - 38);
        vx_draw_line(x + 65, CHEST_Y - 60, x + 68, CHEST_Y - 38);
    }
    // The lock plate with its keyhole; smashed once broken open.
    occlude_rect(x + 36, CHEST_Y - 42, x + 48, CHEST_Y - 28);
    if (flag_test_not(F_CHEST_UNLOCKED)) {
        vx_fill_circle(x + 42, CHEST_Y - 37, 2);
        vx_draw_line(x + 42, CHEST_Y - 37, x + 42, CHEST_Y - 32);
    } else {
        vx_draw_line(x + 37, CHEST_Y - 41, x + 47, CHEST_Y - 29);
    }
    if (flag_test(F_CHEST_OPEN)) {
        // Beside the chest, on whichever side has room.
        int bx = x == CHEST_LEFT_X ? x + 112 : x - 46;
        occlude_at(small_box_side, bx, CHEST_Y - 18);
        occlude_at(small_box_top, bx, CHEST_Y - 18);
        occlude_at(small_box_front, bx, CHEST_Y - 18);
        vx_draw_line(bx + 15, CHEST_Y - 18, bx + 15, CHEST_Y + 2);
    }
}

void draw_slingshot() {
    // Where the chest stood: a forked stick whose handle has snapped off.
    constexpr int x = CHEST_LEFT_X + 44;
    constexpr int y = CHEST_Y - 4;
    occlude_at(slingshot_fork, x, y);
    vx_draw_line(x - 12, y - 23, x - 2, y - 14);
    vx_draw_line(x + 12, y - 23, x + 2, y - 14);
    vx_draw_arc(x, y - 16, 12, 6, 0, 180);
    vx_draw_line(x + 16, y + 4, x + 28, y + 1);
    vx_draw_line(x + 28, y + 1, x + 26, y + 6);
}

}  // namespace

void area_boys_room_draw() {
    draw_room();
    draw_window();
    draw_poster();
    draw_toys();
    draw_bunk_bed();
    if (flag_test_not(F_BUNK_LADDER_TAKEN)) draw_ladder();
    if (flag_test(F_CHEST_MOVED) && flag_test_not(F_SLINGSHOT_TAKEN)) draw_slingshot();
    draw_chest();
}
