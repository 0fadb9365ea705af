// The living room: a telephone that rings for the visitor, a stopped cuckoo
// clock, the family photograph and a fireplace with something in its ash.
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

#include <cstring>

namespace {

constexpr area_exit exits[] = {
    {vi_backward, ai_corridor_1f_bl, F_DOOR_CORRIDOR_1F_BL_LIVING},
    {vi_right, ai_dining, F_DOOR_LIVING_DINING},
};

struct person {
    int nid;
    int flag;
    const char *text;
};
constexpr person people[] = {
    {ni_man, F_PHOTO_MAN_SEEN, "丸い眼鏡をかけた、学者風の男性だ。穏やかに微笑んでいる。"},
    {ni_woman, F_PHOTO_WOMAN_SEEN, "上品な女性だ。胸元に首飾りが光っている。"},
    {ni_girl, F_PHOTO_GIRL_SEEN, "猫のぬいぐるみを大事そうに抱えた少女だ。"},
    {ni_boy, F_PHOTO_BOY_SEEN, "大きなロボットの玩具を得意げに掲げた少年だ。"},
};

bool bird_out() { return flag_test(F_CUCKOO_OUT) && flag_test_not(F_TOY_BIRD_TAKEN) && !has_item(ni_bird); }

// The answer to "何時何分に合わせる?": four digits HHMM, or Return to give up.
int answer_clock_time(char *line) {
    remove_spaces(line);
    if (line[0] == '\0') {
        message("時計を合わせるのをやめた。");
        return 0;
    }
    bool digits = std::strlen(line) == 4;
    for (int i = 0; digits && i < 4; ++i) digits = line[i] >= '0' && line[i] <= '9';
    int hh = digits ? (line[0] - '0') * 10 + (line[1] - '0') : 0;
    int mm = digits ? (line[2] - '0') * 10 + (line[3] - '0') : 0;
    if (!digits || hh >= 24 || mm >= 60) {
        msg_time_prompt();
        return 1;
    }
    message("時計を%d時%d分に合わせた。", hh, mm);
    if (mm == 0) {
        flag_set(F_CLOCK_ON_HOUR);
        if (flag_test(F_CLOCK_RUNNING)) flag_set(F_CUCKOO_DUE);
    }
    return 0;
}

void look_around() {
    area_print_description(ai_living);
    message("正面には煉瓦造りの%nlがあり、その上の壁に%nlが掛かっている。", ni_fireplace, ni_clock);
    if (bird_out()) message("時計の小窓から%nlが顔を出している。", ni_bird);
    if (flag_test_not(F_FOSSIL_TAKEN)) message("マントルピースの上には%nlが置いてある。", ni_fossil);
    if (flag_test(F_ASH_STIRRED) && flag_test_not(F_SILVER_KEY_TAKEN) && !has_item(ni_silver_key))
        message("暖炉の燃え殻の中で%nlが光っている。", ni_silver_key);
    message("左手には台に載った%nlが、右手の隅には%nlがある。", ni_tv, ni_telephone);
    message("壁には一家の%nlが飾られ、床には%nlが落ちている。", ni_photo, ni_videotape);
    if (flag_test(F_DOOR_CORRIDOR_1F_BL_LIVING))
        message("%nlは廊下に通じている。", ni_back_door);
    else
        message("背後には扉%nwがある。", ni_back_door);
    if (flag_test(F_DOOR_LIVING_DINING))
        message("右の壁にも扉%nwがあり、右側の扉は食堂に通じている。", ni_right_door);
    else
        message("右の壁にも扉%nwがある。", ni_right_door);
}

int no_noun(int vid) {
    if (vid == vi_look) {
        look_around();
        return 1;
    }
    if (!take_exit(exits, vid)) return 0;
    // Walking out on a ringing telephone silences it for good.
    if (flag_test(F_PHONE_RINGING) && flag_test_not(F_PHONE_DEAD)) flag_set(F_PHONE_STOPS);
    return 1;
}

int clock(int vid) {
    switch (vid) {
    case vi_look:
    case vi_examine:
        if (flag_test(F_CLOCK_RUNNING))
            message("文字盤の上に小窓のついた鳩時計だ。振り子がコチコチと揺れ、針%nwが時を刻んでいる。", ni_clock_hands);
        else
            message("文字盤の上に小窓のついた鳩時計だ。止まっているらしく、針%nwは動かない。錘の鎖%nwが下に垂れている。",
                    ni_clock_hands, ni_chain);
        if (bird_out()) message("開いた小窓から%nlが顔を出している。", ni_bird);
        return 1;
    case vi_adjust:
    case vi_turn:
        message("何時何分に合わせる?");
        msg_time_prompt();
        set_line_handler(answer_clock_time, "?");
        return 1;
    case vi_get:
    case vi_move:
        msg_too_big();
        return 1;
    default:
        return 0;
    }
}

int fireplace(int vid) {
    switch (vid) {
    case vi_look:
        message("煉瓦造りの暖炉だ。");
        if (flag_test_not(F_ASH_STIRRED))
            message("中には%nlが積もっている。", ni_ash);
        else if (flag_test_not(F_SILVER_KEY_TAKEN) && !has_item(ni_silver_key))
            message("かき回した%nlの中に%nlが見える。", ni_ash, ni_silver_key);
        if (flag_test_not(F_FOSSIL_TAKEN)) message("マントルピースの上には%nlが置いてある。", ni_fossil);
        return 1;
    case vi_examine:
        if (flag_test_not(F_ASH_STIRRED)) {
            message("何か、かき回す道具を見つけてきた方がいい。");
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

int ash(int vid) {
    switch (vid) {
    case vi_look:
        message("暖炉の底に積もった灰と燃え殻だ。");
        if (flag_test(F_ASH_STIRRED) && flag_test_not(F_SILVER_KEY_TAKEN) && !has_item(ni_silver_key))
            message("中に%nlが見える。", ni_silver_key);
        return 1;
    case vi_examine:
    case vi_touch:
    case vi_get:
        if (flag_test_not(F_ASH_STIRRED))
            message("何か、かき回す道具を見つけてきた方がいい。");
        else if (flag_test_not(F_SILVER_KEY_TAKEN) && !has_item(ni_silver_key))
            message("燃え殻の中に%nlが見える。", ni_silver_key);
        else
            msg_nothing_left();
        return 1;
    default:
        return 0;
    }
}

int poker(int vid, int *noun_here) {
    if (!has_item(ni_poker)) {
        *noun_here = 0;
        return 0;
    }
    if (vid != vi_use) return 0;
    // The poker is only ever carried before the ash has been stirred.
    message("%nnをかき回すと%nlが出てきた。", ni_ash, ni_silver_key);
    flag_set(F_ASH_STIRRED);
    remove_item(ni_poker);
    return 1;
}

int telephone(int vid) {
    switch (vid) {
    case vi_look:
        message("黒いダイヤル式の電話機だ。");
        if (flag_test(F_PHONE_RINGING) && flag_test_not(F_PHONE_DEAD)) message("けたたましく鳴り続けている。");
        return 1;
    case vi_use:
        if (flag_test(F_PHONE_DEAD)) {
            message("電話は沈黙している。");
            return 1;
        }
        event_phone_voice();
        flag_set(F_PHONE_ANSWERED);
        flag_set(F_PHONE_DEAD);
        return 1;
    default:
        return 0;
    }
}

int photo(int vid) {
    if (vid != vi_look && vid != vi_examine) return 0;
    message("一家を写した写真だ。%nl、%nl、%nl、%nlの四人が、この居間で笑っている。", ni_man, ni_woman, ni_girl,
            ni_boy);
    flag_set(F_PHOTO_SEEN);
    return 1;
}

}  // namespace

int area_living_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    if (nid == ni_invalid) return no_noun(vid);

    for (const person &p : people) {
        if (p.nid != nid) continue;
        if (vid != vi_look && vid != vi_examine) return 0;
        message(p.text);
        flag_set(p.flag);
        return 1;
    }

    switch (nid) {
    case ni_clock:
        return clock(vid);
    case ni_clock_hands:
        if (vid == vi_adjust || vid == vi_turn || vid == vi_move)
            return area_call_handler(get_cur_area(), vi_adjust, ni_clock, noun_here);
        if (vid == vi_look) {
            message(flag_test(F_CLOCK_RUNNING) ? "時計の針は静かに進んでいる。" : "時計の針は止まったまま動かない。");
            return 1;
        }
        return 0;
    case ni_chain:
        if (vid == vi_pull || vid == vi_move) {
            if (flag_test(F_CLOCK_RUNNING)) {
                message("時計はまだ動いている。しばらくは鎖を引く必要はないだろう。");
                return 1;
            }
            message("鎖を引いて錘を巻き上げると、時計は動きだした。");
            flag_set(F_CLOCK_RUNNING);
            if (flag_test(F_CLOCK_ON_HOUR)) flag_set(F_CUCKOO_DUE);
            return 1;
        }
        return look_reply(vid, "鳩時計の錘を吊るした鎖だ。");
    case ni_bird:
        return lying_item(vid, nid, bird_out(), F_TOY_BIRD_TAKEN, noun_here);
    case ni_cuckoo:
        // What looks out of the little window is the children's toy bird.
        if (bird_out()) return area_call_handler(get_cur_area(), vid, ni_bird, noun_here);
        if (vid == vi_look) {
            message("鳩時計の小窓は閉じている。");
            return 1;
        }
        *noun_here = 0;
        return 0;
    case ni_fossil:
        return lying_item(vid, nid, flag_test_not(F_FOSSIL_TAKEN), F_FOSSIL_TAKEN, noun_here);
    case ni_silver_key:
        return lying_item(vid, nid, flag_test(F_ASH_STIRRED) && flag_test_not(F_SILVER_KEY_TAKEN),
                          F_SILVER_KEY_TAKEN, noun_here);
    case ni_fireplace:
        return fireplace(vid);
    case ni_ash:
        return ash(vid);
    case ni_poker:
        return poker(vid, noun_here);
    case ni_telephone:
        return telephone(vid);
    case ni_photo:
        return photo(vid);
    case ni_tv:
        if (vid == vi_use) {
            message("スイッチを入れてみたが、画面は暗いままだ。");
            return 1;
        }
        return look_reply(vid, "木製のキャビネットに収まった古いテレビだ。");
    case ni_videotape:
        if (vid == vi_use) {
            message("再生できそうな機械が見あたらない。");
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        return 0;
    case ni_window:
        return look_reply(vid, "窓の外には、荒れ果てた庭が見える。");

    case ni_door:
        msg_several_doors({ni_back_door, ni_right_door});
        return 1;
    case ni_back_door:
        return door_noun(vid, vi_backward, nullptr, noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, nullptr, noun_here);

    case ni_room:
        return room_noun(vid, noun_here);
    default:
        return unknown_noun(nid, noun_here);
    }
}

// The telephone keeps ringing whatever the player does here; the cuckoo
// clock keeps time only by counted commands.
void area_living_turn_hook(int counted) {
    if (flag_test_not(F_PHONE_DEAD)) {
        if (flag_test(F_PHONE_STOPS)) {
            event_phone_stops();
            flag_set(F_PHONE_DEAD);
            flag_clear(F_PHONE_STOPS);
        } else if (flag_test(F_PHONE_RINGING)) {
            event_phone_rings();
        }
    }
    if (counted != 1) return;
    if (flag_test(F_CUCKOO_DUE)) {
        event_cuckoo_opens();
        flag_set(F_CUCKOO_OUT);
        flag_clear(F_CUCKOO_DUE);
        flag_clear(F_CLOCK_ON_HOUR);
    } else if (flag_test(F_CUCKOO_OUT)) {
        event_cuckoo_closes();
        flag_clear(F_CUCKOO_OUT);
    }
}

// ---- Picture ----

namespace {

void draw_window(int x) {
    occlude_rect(x, 92, x + 54, 176);
    vx_draw_rect(x + 4, 96, x + 50, 172);
    vx_draw_line(x + 27, 96, x + 27, 172);
    for (int y = 121; y < 172; y += 25) vx_draw_line(x + 4, y, x + 50, y);
    // Curtains gathered at both sides.
    vx_draw_line(x - 6, 86, x + 60, 86);
    vx_draw_arc(x - 2, 132, 6, 46, 270, 90);
    vx_draw_arc(x + 56, 132, 6, 46, 90, 270);
}

constexpr VxPoint mantel[] = {{244, 148}, {396, 148}, {396, 156}, {244, 156}};
constexpr VxPoint surround[] = {{254, 156}, {386, 156}, {386, 237}, {254, 237}};
constexpr VxPoint opening[] = {{280, 237}, {280, 196}, {290, 186}, {350, 186}, {360, 196}, {360, 237}};
constexpr VxPoint clock_case[] = {{302, 96}, {320, 80}, {338, 96}, {336, 134}, {304, 134}};
constexpr VxPoint clock_door_open[] = {{326, 95}, {334, 93}, {334, 105}, {326, 104}};
constexpr VxPoint right_door[] = {{484, 96}, {530, 82}, {530, 273}, {484, 245}};
constexpr VxPoint right_door_panels[][4] = {
    {{490, 104}, {524, 94}, {524, 170}, {490, 172}},
    {{490, 184}, {524, 186}, {524, 258}, {490, 238}},
};
constexpr VxPoint tv_stand[] = {{56, 238}, {150, 238}, {164, 228}, {164, 296}, {150, 308}, {56, 308}};
constexpr VxPoint tv_body[] = {{66, 166}, {146, 166}, {156, 160}, {156, 226}, {146, 236}, {66, 236}};
constexpr VxPoint phone_table[] = {{500, 246}, {584, 246}, {596, 238}, {596, 246}, {584, 256}, {500, 256}};
constexpr VxPoint phone_base[] = {{522, 246}, {526, 226}, {558, 226}, {562, 246}};
constexpr VxPoint handset[] = {{518, 222}, {522, 214}, {562, 214}, {566, 222}, {558, 224}, {554, 219},
                               {530, 219}, {526, 224}};
constexpr VxPoint tape[] = {{300, 296}, {340, 296}, {348, 290}, {348, 298}, {340, 304}, {300, 304}};
constexpr VxPoint rug[] = {{196, 262}, {444, 262}, {500, 316}, {140, 316}};
constexpr VxPoint rug_border[] = {{204, 268}, {436, 268}, {484, 310}, {156, 310}};
constexpr VxPoint ash_heap[] = {{286, 237}, {294, 226}, {304, 220}, {318, 216}, {332, 219},
                                {344, 225}, {354, 237}};

}  // namespace

void area_living_draw() {
    // The room.
    draw_room_box(170, 76, 470, 237);
    // Picture rail along the walls.
    draw_rail(170, 470, 86, 20);
    // A rug before the hearth with a fringe.
    occlude(rug);
    outline(rug_border);
    for (int x = 146; x <= 494; x += 12) vx_draw_line(x, 316, x, 321);

    draw_window(182);
    draw_window(404);

    // The hearth: surround, bricks, mantelpiece and the opening.
    occlude(surround);
    for (int y = 166; y < 237; y += 10) {
        vx_draw_line(254, y, 280, y);
        vx_draw_line(360, y, 386, y);
        int off = (y / 10) % 2 ? 0 : 6;
        for (int x = 260 + off; x < 280; x += 12) vx_draw_line(x, y - 10, x, y);
        for (int x = 366 + off; x < 386; x += 12) vx_draw_line(x, y - 10, x, y);
    }
    vx_draw_line(254, 166, 386, 166);
    vx_draw_line(254, 176, 386, 176);
    occlude(opening);
    occlude(mantel);
    vx_draw_line(240, 160, 400, 160);
    // Andirons.
    vx_draw_line(292, 237, 292, 228);
    vx_draw_line(348, 237, 348, 228);
    // In the fire: the ash heap, then the silver key uncovered in it.
    if (flag_test_not(F_ASH_STIRRED)) {
        occlude(ash_heap);
        for (int i = 0; i < 5; ++i) vx_draw_line(298 + i * 10, 232 - (i % 2) * 4, 304 + i * 10, 228 + (i % 2) * 3);
    } else if (flag_test_not(F_SILVER_KEY_TAKEN)) {
        vx_draw_arc(320, 236, 36, 3, 0, 180);
        vx_draw_circle(308, 228, 5);
        vx_draw_line(313, 228, 334, 228);
        vx_draw_line(328, 228, 328, 232);
        vx_draw_line(332, 228, 332, 233);
        vx_draw_line(300, 220, 302, 222);
        vx_draw_line(316, 220, 314, 222);
    }
    // On the mantelpiece: the family photograph and, while it is there,
    // the fossil.
    occlude_rect(262, 130, 280, 147);
    vx_draw_rect(265, 133, 277, 144);
    vx_draw_circle(269, 139, 2);
    vx_draw_circle(274, 139, 2);
    if (flag_test_not(F_FOSSIL_TAKEN)) {
        occlude_circle(368, 139, 9);
        vx_draw_arc(369, 139, 6, 6, 0, 360);
        vx_draw_arc(370, 139, 3, 3, 0, 360);
        for (int i = 0; i < 6; ++i) vx_draw_line(368, 139, 360 + i * 3, 131 + (i % 2) * 2);
    }

    // The cuckoo clock: weights on their chains, then the case over them.
    vx_draw_line(312, 134, 312, 141);
    vx_draw_line(328, 134, 328, 138);
    vx_draw_arc(312, 144, 2, 4, 0, 360);
    vx_draw_arc(328, 141, 2, 4, 0, 360);
    vx_draw_line(320, 134, 320, 144);
    vx_draw_circle(320, 145, 2);
    occlude(clock_case);
    vx_draw_line(298, 99, 320, 78);
    vx_draw_line(320, 78, 342, 99);
    vx_draw_circle(320, 116, 11);
    for (int i = 0; i < 12; ++i) {
        constexpr int tick_x[] = {0, 5, 8, 9, 8, 5, 0, -5, -8, -9, -8, -5};
        constexpr int tick_y[] = {-9, -8, -5, 0, 5, 8, 9, 8, 5, 0, -5, -8};
        vx_draw_line(320 + tick_x[i], 116 + tick_y[i], 320 + tick_x[i], 116 + tick_y[i]);
    }
    vx_draw_line(320, 116, 320, 109);
    vx_draw_line(320, 116, 325, 118);
    if (flag_test_not(F_CUCKOO_OUT)) {
        vx_draw_rect(315, 94, 325, 104);
        vx_draw_line(320, 94, 320, 104);
    } else {
        occlude_rect(315, 94, 325, 104);
        occlude(clock_door_open);
    }

    // The door to the dining room in the right wall.
    occlude(right_door);
    for (const auto &panel : right_door_panels) outline(panel);
    vx_draw_arc(527, 180, 2, 3, 0, 360);

    // The television on its stand, at the left.
    occlude(tv_stand);
    vx_draw_line(150, 238, 150, 308);
    vx_draw_line(60, 272, 146, 272);
    vx_draw_circle(100, 255, 2);
    vx_draw_circle(100, 290, 2);
    vx_draw_line(84, 166, 70, 132);
    vx_draw_line(96, 166, 118, 128);
    occlude(tv_body);
    vx_draw_line(146, 166, 146, 236);
    vx_draw_arc(102, 200, 32, 28, 0, 360);
    vx_draw_arc(92, 190, 14, 10, 100, 170);
    for (int y = 180; y < 226; y += 14) vx_draw_circle(138, y, 3);

    // The telephone on its little table, at the right.
    vx_draw_line(506, 256, 506, 316);
    vx_draw_line(578, 256, 578, 316);
    vx_draw_line(592, 248, 592, 300);
    occlude(phone_table);
    occlude(phone_base);
    vx_draw_circle(542, 236, 7);
    vx_draw_circle(542, 236, 2);
    occlude(handset);
    vx_draw_arc(542, 252, 30, 8, 200, 260);

    // A videotape lying on the floor.
    occlude(tape);
    vx_draw_line(340, 296, 340, 304);
    vx_draw_rect(308, 298, 330, 302);
}
