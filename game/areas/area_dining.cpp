// The dining room: a long table laid for a family that never finished its
// Christmas dinner. Setting out each one's keepsake on a chair and an
// offering on the table, then praying, calls the ghosts to their meal.
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

// The hall's door is locked only from the hall's side.
constexpr area_exit exits[] = {
    {.vid = vi_backward, .area = ai_entrance_hall, .door = F_DOOR_HALL_DINING, .handle_unlocks = F_UNLOCKED_HALL_DINING},
    {vi_left, ai_living, F_DOOR_LIVING_DINING},
    {vi_right, ai_kitchen, F_DOOR_DINING_KITCHEN},
};

// The four chairs and who they belong to, in the order of their flags.
struct keepsake {
    int nid;
    int flag;
    const char *sob; // heard while only this one is missing
};
constexpr keepsake keepsakes[] = {
    {ni_glasses, F_GLASSES_ON_CHAIR, "かすかに、男性のすすり泣くような声が聞こえる。"},
    {ni_necklace, F_NECKLACE_ON_CHAIR, "かすかに、女性のすすり泣くような声が聞こえる。"},
    {ni_plush_cat, F_PLUSH_CAT_ON_CHAIR, "かすかに、少女のすすり泣くような声が聞こえる。"},
    {ni_large_robot, F_LARGE_ROBOT_ON_CHAIR, "かすかに、少年のすすり泣くような声が聞こえる。"},
};

const keepsake *keepsake_of(int nid) {
    for (const keepsake &k : keepsakes)
        if (k.nid == nid) return &k;
    return nullptr;
}

// After Return: the family leaves, and the father shows the way on.
void dinner_ends() {
    message("やがて食事を終えた家族は、一人また一人と席を立ち、音もなく食堂を出ていった。");
    message("最後に残った教授らしき男性は、振り返ってあなたを見つめると、食卓の蝋燭を指さし、そのまま闇に溶けるように消えた。");
    for (const keepsake &k : keepsakes) flag_set(k.flag);
    flag_clear(F_OFFERING_PLACED);
    flag_clear(F_DINNER);
}

void hold_dinner() {
    for (const keepsake &k : keepsakes) flag_clear(k.flag);
    flag_set(F_CANDLE_LIT);
    flag_set(F_DINNER);
    message("音もなく、幾人かの人影が食堂に入ってきた。");
    message("居間の写真に写っていた一家、眼鏡の教授とその妻、そして少女と少年だ。");
    message("彼らが食卓につくと蝋燭が灯り、食事が始まった。楽しげに会話を交わしているようだが、明らかにこの世の者ではない彼らの声は、あなたには聞こえない。");
    set_wait_return_callback(dinner_ends);
}

void pray() {
    int missing = 0;
    const keepsake *last_missing = nullptr;
    for (const keepsake &k : keepsakes) {
        if (flag_test_not(k.flag)) {
            ++missing;
            last_missing = &k;
        }
    }
    if (missing == 1)
        message(last_missing->sob);
    else if (missing == 0 && flag_test_not(F_OFFERING_PLACED))
        message("誰かが無念そうな溜息を漏らした気がした。");
    else if (missing == 0 && flag_test_not(F_CANDLE_TAKEN))
        hold_dinner();
    else if (missing == 0)
        message("誰かが無念そうな溜息を漏らした気がした。");
    else
        message("かすかに、すすり泣くような声が聞こえる。");
}

void look_around() {
    area_print_description(ai_dining);
    message("部屋の中央には長い%nlが据えられ、両側に%nlが並んでいる。", ni_table, ni_chair);
    if (flag_test_not(F_CANDLE_TAKEN)) {
        if (flag_test(F_CANDLE_LIT))
            message("食卓の燭台では、%nlが静かに燃えている。", ni_candle);
        else
            message("食卓の燭台には、%nlが立てられている。", ni_candle);
    } else {
        message("食卓の燭台は空になっている。");
    }
    if (flag_test(F_OFFERING_PLACED)) message("食卓の中央には%nlが供えてある。", ni_roast_chicken);
    if (flag_test(F_CANDLE_LIT) && flag_test_not(F_BONE_TAKEN))
        message("食べ終えた皿の上に%nlが残っている。", ni_chicken_bone);
    for (const keepsake &k : keepsakes)
        if (flag_test(k.flag)) message("椅子の上には%nlが置いてある。", k.nid);
    if (flag_test_not(F_SWORDMAN_TAKEN)) message("左奥の椅子の上に%nlが転がっている。", ni_swordman);
    message("左右の壁には、それぞれ扉がある。");
    if (flag_test(F_DOOR_LIVING_DINING)) message("%nlは居間に通じている。", ni_left_door);
    if (flag_test(F_DOOR_DINING_KITCHEN)) message("%nlは台所に通じている。", ni_right_door);
    if (flag_test(F_DOOR_HALL_DINING)) message("%nlは玄関ホールに通じている。", ni_back_door);
}

int no_noun(int vid) {
    switch (vid) {
    case vi_pray:
        pray();
        return 1;
    default:
        return exit_or_look(exits, vid, look_around);
    }
}

// A keepsake or the offering: set down while carried, left alone once set.
int placed_thing(int vid, int nid, int flag, const char *put_text, int *noun_here) {
    if (has_item(nid)) {
        if (vid != vi_put) {
            *noun_here = 0;
            return 0;
        }
        put_item(nid, flag, put_text);
        return 1;
    }
    if (flag_test_not(flag)) {
        *noun_here = 0;
        return 0;
    }
    if (vid == vi_look) {
        describe(nid);
        return 1;
    }
    if (vid == vi_get) {
        message("供えたものは、そのままにしておこう。");
        return 1;
    }
    return 0;
}

}  // namespace

int area_dining_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    if (nid == ni_invalid) return no_noun(vid);

    if (const keepsake *k = keepsake_of(nid))
        return placed_thing(vid, nid, k->flag, "%nnを椅子の上に置いた。", noun_here);

    switch (nid) {
    case ni_roast_chicken:
        return placed_thing(vid, nid, F_OFFERING_PLACED, "%nnを食卓の中央に供えた。", noun_here);

    case ni_candle:
        if (has_item(ni_candle)) {
            if (vid != vi_put) {
                *noun_here = 0;
                return 0;
            }
            put_item(ni_candle, -1, "蝋燭を戻した。");
            flag_clear(F_CANDLE_TAKEN);
            return 1;
        }
        if (flag_test(F_CANDLE_TAKEN)) {
            *noun_here = 0;
            return 0;
        }
        if (vid == vi_look) {
            if (flag_test(F_CANDLE_LIT))
                message("燭台の上で、%nnが青白い炎を揺らしている。", ni_candle);
            else
                message("燭台に立てられた%nnだ。", ni_candle);
            return 1;
        }
        if (vid == vi_get) {
            take_item(ni_candle, F_CANDLE_TAKEN);
            return 1;
        }
        return 0;

    case ni_swordman:
        return lying_item(vid, nid, flag_test_not(F_SWORDMAN_TAKEN), F_SWORDMAN_TAKEN, noun_here);

    case ni_chicken_bone:
        return lying_item(vid, nid, flag_test(F_CANDLE_LIT) && flag_test_not(F_BONE_TAKEN), F_BONE_TAKEN, noun_here);

    case ni_table:
        if (vid == vi_look || vid == vi_examine) {
            message("白いクロスの掛かった長い食卓だ。埃をかぶった皿と銀の燭台が並んでいる。");
            if (flag_test(F_OFFERING_PLACED)) message("中央には%nlが供えてある。", ni_roast_chicken);
            if (flag_test(F_CANDLE_LIT) && flag_test_not(F_BONE_TAKEN))
                message("食べ終えた皿の上に%nlが残っている。", ni_chicken_bone);
            return 1;
        }
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            msg_too_heavy();
            return 1;
        }
        return 0;

    case ni_chair:
        if (vid == vi_look || vid == vi_examine) {
            message("食卓の両側に三脚ずつ、背もたれの高い椅子が並んでいる。");
            for (const keepsake &k : keepsakes)
                if (flag_test(k.flag)) message("椅子の一つには%nlが置いてある。", k.nid);
            if (flag_test_not(F_SWORDMAN_TAKEN)) message("左奥の椅子の上に%nlが転がっている。", ni_swordman);
            return 1;
        }
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            message("椅子を引いてみたが、座る気にはなれない。");
            return 1;
        }
        return 0;

    case ni_door:
        msg_several_doors({ni_left_door, ni_right_door, ni_back_door});
        return 1;
    case ni_left_door:
        return door_noun(vid, vi_left, nullptr, noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, nullptr, noun_here);
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

// Three chairs a side, far to near; the right ones mirror the left.
struct chair {
    VxPoint back[4];
    VxPoint seat[4];
    VxPoint front[4];
    int leg_front_x, leg_front_y, leg_back_x, leg_back_y, leg_far_x, leg_far_y, floor_near, floor_far;
};
constexpr chair chairs[] = {
    {{{235, 134}, {242, 134}, {242, 186}, {235, 191}},
     {{235, 191}, {255, 191}, {260, 186}, {242, 186}},
     {{255, 191}, {255, 195}, {260, 190}, {260, 186}},
     255, 195, 235, 191, 260, 190, 217, 210},
    {{{215, 135}, {225, 135}, {225, 198}, {215, 206}},
     {{215, 206}, {239, 206}, {247, 198}, {225, 198}},
     {{239, 206}, {239, 211}, {247, 203}, {247, 198}},
     239, 211, 215, 206, 247, 203, 238, 227},
    {{{181, 137}, {198, 136}, {198, 218}, {181, 230}},
     {{181, 230}, {213, 230}, {226, 218}, {198, 218}},
     {{213, 230}, {213, 237}, {226, 224}, {226, 218}},
     213, 237, 181, 230, 226, 224, 272, 254},
};

VxPoint mirrored(VxPoint p) { return {640 - p.x, p.y}; }

void draw_chair(const chair &c, bool right) {
    VxPoint back[4], seat[4], front[4];
    for (int i = 0; i < 4; ++i) {
        back[i] = right ? mirrored(c.back[i]) : c.back[i];
        seat[i] = right ? mirrored(c.seat[i]) : c.seat[i];
        front[i] = right ? mirrored(c.front[i]) : c.front[i];
    }
    auto x = [right](int v) { return right ? 640 - v : v; };
    // Legs first: the seat hides their tops.
    vx_draw_line(x(c.leg_front_x), c.leg_front_y, x(c.leg_front_x), c.floor_near);
    vx_draw_line(x(c.leg_back_x), c.leg_back_y, x(c.leg_back_x), c.floor_near);
    vx_draw_line(x(c.leg_far_x), c.leg_far_y, x(c.leg_far_x), c.floor_far);
    occlude(seat);
    occlude(front);
    occlude(back);
    // Slats of the high back.
    int w = back[1].x - back[0].x;
    for (int i = 1; i < 3; ++i) {
        int sx = back[0].x + w * i / 3;
        vx_draw_line(sx, back[0].y + 6, sx, back[3].y - 10);
    }
}

// Centre of each chair's seat: left rear, left middle, left front.
constexpr VxPoint seat_centre[] = {{248, 188}, {232, 202}, {205, 223}};

void draw_glasses(int x, int y) {
    occlude_ellipse(x - 6, y - 12, 5, 4);
    occlude_ellipse(x + 6, y - 12, 5, 4);
    vx_draw_line(x - 1, y - 13, x + 1, y - 13);
    vx_draw_line(x - 11, y - 12, x - 14, y - 6);
    vx_draw_line(x + 11, y - 12, x + 14, y - 6);
}

void draw_necklace(int x, int y) {
    vx_draw_arc(x, y - 14, 10, 9, 180, 360);
    vx_draw_arc(x, y - 14, 10, 3, 0, 180);
    constexpr VxPoint pendant[] = {{0, 0}, {4, 5}, {0, 10}, {-4, 5}};
    occlude_at(pendant, x, y - 6);
}

void draw_plush_cat(int x, int y) {
    constexpr VxPoint cat[] = {{-8, 0}, {-9, -12}, {-6, -16}, {-8, -26}, {-3, -22}, {3, -22},
                               {8, -26}, {6, -16}, {9, -12}, {8, 0}};
    occlude_at(cat, x, y);
    vx_draw_line(x - 3, y - 18, x - 2, y - 18);
    vx_draw_line(x + 2, y - 18, x + 3, y - 18);
    vx_draw_line(x - 9, y - 12, x + 9, y - 12);
    vx_draw_arc(x + 10, y - 4, 4, 6, 270, 90);
}

void draw_large_robot(int x, int y) {
    constexpr VxPoint robot[] = {{-9, 0},   {-9, -8},  {-12, -8}, {-12, -22}, {-5, -22}, {-5, -28},
                                 {5, -28},  {5, -22},  {12, -22}, {12, -8},   {9, -8},   {9, 0}};
    occlude_at(robot, x, y);
    vx_draw_rect(x - 3, y - 26, x + 3, y - 24);
    vx_draw_line(x - 5, y - 16, x + 5, y - 16);
    vx_draw_line(x, y - 8, x, y);
    vx_draw_line(x + 12, y - 22, x + 16, y - 32); // the raised sword
}

void draw_swordman(int x, int y) {
    vx_draw_circle(x, y - 17, 3);
    vx_draw_line(x, y - 14, x, y - 6);
    vx_draw_line(x, y - 6, x - 3, y);
    vx_draw_line(x, y - 6, x + 3, y);
    vx_draw_line(x - 4, y - 12, x + 4, y - 12);
    vx_draw_line(x + 4, y - 12, x + 9, y - 20);
}

// The ghosts: outlines only, the room shows through them.
void draw_ghost(int x, int y, int h) {
    int r = h / 7;
    int top = y - h;
    vx_draw_circle(x, top + r, r);
    // Shoulders, then the sides falling to a ragged hem.
    vx_draw_arc(x, top + 3 * r, 2 * r, r, 0, 180);
    vx_draw_line(x - 2 * r, top + 3 * r, x - 2 * r - 3, y - 6);
    vx_draw_line(x + 2 * r, top + 3 * r, x + 2 * r + 3, y - 6);
    int w = (4 * r + 6) / 4;
    for (int i = 0; i < 4; ++i) vx_draw_arc(x - 2 * r - 3 + i * w + w / 2, y - 6, w / 2, 4, 180, 360);
    // Eyes: two dark slits.
    vx_draw_line(x - r / 2, top + r, x - r / 2, top + r + 2);
    vx_draw_line(x + r / 2, top + r, x + r / 2, top + r + 2);
}

constexpr VxPoint table_top[] = {{218, 208}, {422, 208}, {370, 168}, {270, 168}};
constexpr VxPoint table_front[] = {{218, 208}, {422, 208}, {422, 222}, {218, 222}};
constexpr VxPoint left_door[] = {{119, 123}, {170, 124}, {170, 230}, {119, 263}};
constexpr VxPoint chicken[] = {{300, 188}, {302, 180}, {310, 175}, {322, 174}, {333, 177},
                               {340, 183}, {340, 188}};

}  // namespace

void area_dining_draw() {
    // The room: back wall and the corners.
    draw_room_box(218, 88, 422, 198);
    // Floor boards running to the back wall.
    for (int i = 1; i < 14; ++i) vx_draw_line(218 + i * 204 / 14, 198, 19 + i * 43, 329);
    // Wainscot around the walls.
    draw_rail(218, 422, 162, 225);
    // A still life in a heavy frame on the back wall.
    // Two still lifes in heavy frames on the back wall.
    for (int x = 240; x <= 352; x += 112) {
        vx_draw_rect(x, 102, x + 48, 140);
        vx_draw_rect(x + 4, 106, x + 44, 136);
        vx_draw_arc(x + 16, 126, 7, 5, 0, 360);
        vx_draw_arc(x + 28, 122, 6, 8, 0, 360);
        vx_draw_line(x + 8, 132, x + 40, 132);
    }
    // The chandelier from the ceiling.
    vx_draw_line(320, 68, 320, 84);
    vx_draw_arc(320, 88, 22, 5, 180, 360);
    vx_draw_arc(320, 88, 22, 5, 0, 180);
    for (int i = 0; i < 5; ++i) {
        int cx = 300 + i * 10;
        vx_draw_line(cx, 88, cx, 80);
        vx_draw_line(cx - 1, 78, cx + 1, 78);
    }
    vx_draw_line(298, 88, 310, 96);
    vx_draw_line(342, 88, 330, 96);
    vx_draw_line(310, 96, 330, 96);

    // Doors in both side walls.
    for (int side = 0; side < 2; ++side) {
        VxPoint d[4];
        for (int i = 0; i < 4; ++i) d[i] = side ? mirrored(left_door[i]) : left_door[i];
        occlude(d);
        int s = side ? -1 : 1;
        int x0 = side ? 640 - 126 : 126;
        int x1 = side ? 640 - 163 : 163;
        const VxPoint upper_panel[] = {{x0, 135}, {x1, 134}, {x1, 175}, {x0, 180}};
        const VxPoint lower_panel[] = {{x0, 192}, {x1, 187}, {x1, 222}, {x0, 245}};
        outline(upper_panel);
        outline(lower_panel);
        vx_draw_arc(side ? 640 - 165 + 3 * s : 165 - 3, 183, 2, 3, 0, 360);
    }

    // Chairs far to near, then the table in front of them.
    for (const chair &c : chairs) {
        draw_chair(c, false);
        draw_chair(c, true);
    }
    vx_draw_line(274, 169, 274, 208);
    vx_draw_line(366, 169, 366, 208);
    vx_draw_rect(228, 222, 236, 283);
    vx_draw_rect(404, 222, 412, 283);
    occlude(table_top);
    occlude(table_front);
    // Folds of the cloth hanging over the edge.
    for (int i = 1; i < 8; ++i) vx_draw_line(218 + i * 25, 212, 218 + i * 25, 222);

    // Plates at each place, far to near, with the knives beside them.
    constexpr int plate_y[] = {172, 181, 199};
    constexpr int plate_x[] = {287, 279, 265};
    constexpr int plate_rx[] = {9, 11, 15};
    constexpr int plate_ry[] = {2, 3, 4};
    for (int i = 0; i < 3; ++i) {
        vx_draw_arc(plate_x[i], plate_y[i], plate_rx[i], plate_ry[i], 0, 360);
        vx_draw_arc(640 - plate_x[i], plate_y[i], plate_rx[i], plate_ry[i], 0, 360);
        vx_draw_line(plate_x[i] + plate_rx[i] + 3, plate_y[i] - 1, plate_x[i] + plate_rx[i] + 6, plate_y[i] + 1);
        vx_draw_line(640 - plate_x[i] - plate_rx[i] - 3, plate_y[i] - 1, 640 - plate_x[i] - plate_rx[i] - 6,
                     plate_y[i] + 1);
    }

    // The candlestick, its candle while it stands there, and the flame
    // once the dinner has been held.
    occlude_ellipse(320, 173, 9, 2);
    vx_draw_line(319, 171, 319, 146);
    vx_draw_line(321, 171, 321, 146);
    vx_draw_arc(320, 160, 4, 1, 0, 360);
    vx_draw_arc(320, 145, 7, 2, 0, 360);
    if (flag_test_not(F_CANDLE_TAKEN)) {
        occlude_rect(317, 128, 323, 143);
        vx_draw_line(320, 128, 320, 124);
        if (flag_test(F_CANDLE_LIT)) {
            occlude_ellipse(320, 118, 3, 6);
            vx_draw_line(320, 108, 320, 111);
            vx_draw_line(312, 114, 314, 115);
            vx_draw_line(328, 114, 326, 115);
        }
    }

    // The offering in the middle of the table.
    if (flag_test(F_OFFERING_PLACED)) {
        occlude_ellipse(320, 189, 29, 5);
        occlude(chicken);
        vx_draw_arc(320, 182, 10, 4, 200, 340);
        occlude_ellipse(298, 183, 5, 3);
        occlude_ellipse(342, 183, 5, 3);
        vx_draw_line(294, 181, 290, 178);
        vx_draw_line(346, 181, 350, 178);
    }

    // Keepsakes on their chairs: the father's glasses and the girl's cat on
    // the left, the mother's necklace and the boy's robot on the right.
    if (flag_test(F_GLASSES_ON_CHAIR)) draw_glasses(seat_centre[2].x, seat_centre[2].y);
    if (flag_test(F_PLUSH_CAT_ON_CHAIR)) draw_plush_cat(seat_centre[1].x, seat_centre[1].y);
    if (flag_test(F_NECKLACE_ON_CHAIR)) draw_necklace(640 - seat_centre[2].x, seat_centre[2].y);
    if (flag_test(F_LARGE_ROBOT_ON_CHAIR)) draw_large_robot(640 - seat_centre[1].x, seat_centre[1].y);
    if (flag_test_not(F_SWORDMAN_TAKEN)) draw_swordman(seat_centre[0].x, seat_centre[0].y);

    // The family at dinner, translucent, over the table and the chairs.
    if (flag_test(F_DINNER)) {
        draw_ghost(seat_centre[2].x + 6, seat_centre[2].y - 4, 86);
        draw_ghost(seat_centre[1].x + 8, seat_centre[1].y - 4, 56);
        draw_ghost(640 - seat_centre[2].x - 6, seat_centre[2].y - 4, 80);
        draw_ghost(640 - seat_centre[1].x - 8, seat_centre[1].y - 4, 60);
    }
}
