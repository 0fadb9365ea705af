// The porch before the front door: the locked door, the flowerpot that
// hides the wooden key and, once broken, the brass key that opens the door.
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
    {vi_backward, ai_mailbox},
    {vi_left, ai_garden},
    {vi_right, ai_opened_window},
};

// The keys lie here until taken; a key taken and later used up (it leaves
// the inventory) must not turn up again, so the taken flag decides as well.
bool brass_key_lying() {
    return flag_test(F_POT_BROKEN) && flag_test_not(F_BRASS_KEY_TAKEN) && !has_item(ni_brass_key);
}

bool wooden_key_lying() {
    return (flag_test(F_POT_MOVED) || flag_test(F_POT_BROKEN)) && flag_test_not(F_WOODEN_KEY_TAKEN) &&
           !has_item(ni_wooden_key);
}

int look_around() {
    area_print_description(ai_entrance);
    message("入り口は重々しい木製の扉%nwで閉ざされている。", ni_door);
    if (flag_test(F_POT_BROKEN))
        message("扉の脇には%nlの残骸がある。", ni_flowerpot);
    else
        message("扉の脇には%nlがある。", ni_flowerpot);
    return 1;
}

// The front door: the only door here, so "door" and "front door" are one.
int door_command(int vid) {
    switch (vid) {
    case vi_look:
        message("分厚い扉だ。壊すのは無理だろう。");
        return 1;
    case vi_examine:
        msg_nothing_special();
        return 1;
    case vi_push:
    case vi_pull:
    case vi_open:
        if (flag_test_not(F_UNLOCKED_FRONT_DOOR)) {
            message("鍵が掛かっていてびくともしない。");
            return 1;
        }
        message("重い扉を開いて屋敷内に踏み込んだ。");
        message("バタン。数歩踏み出すと、背後で扉が大きな音を立てて閉まった。");
        flag_set(F_ENTERED_HOUSE);
        area_request_move(ai_entrance_hall);
        return 1;
    case vi_close:
        message("最初から閉まっている。");
        return 1;
    case vi_hit:
        message("扉を叩いてみたが、誰も答えない。");
        return 1;
    case vi_break:
    case vi_kick:
        msg_cannot_break();
        return 1;
    default:
        return 0;
    }
}

int flowerpot_command(int vid) {
    switch (vid) {
    case vi_look:
        if (flag_test(F_POT_BROKEN)) {
            message("砕けた植木鉢の残骸だ。");
            if (brass_key_lying()) message("残骸の中に%nlがある。", ni_brass_key);
        } else {
            message("素焼きの植木鉢だ。植えられていた植物は枯れてしまっている。かつては右側にも一つあったらしく、"
                    "破片が散らばっている。");
        }
        if (wooden_key_lying()) message("植木鉢のあったところに%nlが落ちている。", ni_wooden_key);
        return 1;
    case vi_get:
        if (flag_test(F_POT_BROKEN))
            message("すでに粉々になっている。");
        else
            message("持って行くには重すぎる。");
        return 1;
    case vi_break:
    case vi_hit:
    case vi_kick:
        flag_set_once(F_POT_BROKEN, "ガシャン。植木鉢を叩き壊した。", "植木鉢はすでに壊れている。");
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
        if (flag_test(F_POT_MOVED)) {
            message("植木鉢はもう動かしてある。");
        } else if (flag_test_not(F_POT_BROKEN)) {
            message("植木鉢の下から%nlが出てきた。", ni_wooden_key);
            flag_set(F_POT_MOVED);
        } else {
            message("もう粉々だ。");
        }
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_entrance_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        if (take_exit(exits, vid)) return 1;
        switch (vid) {
        case vi_forward:
            msg_door_closed();
            return 1;
        case vi_look:
            return look_around();
        default:
            return 0;
        }
    case ni_door:
    case ni_front_door:
        return door_command(vid);
    case ni_brass_key:
        if (has_item(ni_brass_key)) {
            if (vid != vi_use) break;
            flag_set_once(F_UNLOCKED_FRONT_DOOR, "ガチャリと音を立てて扉の鍵が開いた。", "扉の鍵はすでに開いている。");
            remove_item(ni_brass_key);
            return 1;
        }
        return lying_item(vid, nid, brass_key_lying(), F_BRASS_KEY_TAKEN, noun_here);
    case ni_wooden_key:
        if (has_item(ni_wooden_key)) {
            if (vid != vi_use) break;
            msg_key_does_not_fit();
            return 1;
        }
        return lying_item(vid, nid, wooden_key_lying(), F_WOODEN_KEY_TAKEN, noun_here);
    case ni_flowerpot:
        return flowerpot_command(vid);
    case ni_house:
        return look_reply(vid, "蔦の絡まる石造りの古い屋敷だ。窓という窓が固く閉ざされている。");
    case ni_stairs:
        return look_reply(vid, "玄関ポーチへ上る三段の石段だ。角がすり減っている。");
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

constexpr VxPoint pediment[] = {{138, 72}, {320, 14}, {502, 72}};
constexpr VxPoint door_frame[] = {{262, 80}, {378, 80}, {378, 254}, {262, 254}};
constexpr VxPoint doormat[] = {{282, 259}, {358, 259}, {368, 271}, {272, 271}};
// The flowerpot around the middle of its foot.
constexpr VxPoint pot_body[] = {{-17, 0}, {17, 0}, {24, -38}, {-24, -38}};
constexpr VxPoint pot_rim[] = {{-29, -38}, {29, -38}, {29, -47}, {-29, -47}};
// What is left of it once smashed: the foot and some sherds around it.
constexpr VxPoint pot_stub[] = {{-17, 0}, {17, 0}, {19, -12}, {10, -7}, {4, -15}, {-5, -8}, {-12, -14}, {-19, -10}};
constexpr VxPoint sherd_a[] = {{-44, 2}, {-30, -4}, {-26, 3}};
constexpr VxPoint sherd_b[] = {{26, -2}, {40, -7}, {46, 1}, {32, 4}};
constexpr VxPoint sherd_c[] = {{-38, -10}, {-28, -14}, {-30, -6}};
constexpr VxPoint sherd_d[] = {{44, -10}, {52, -14}, {56, -6}, {48, -5}};
// Old sherds of a pot that stood right of the door long ago.
constexpr VxPoint old_sherd_a[] = {{472, 270}, {484, 265}, {488, 271}};
constexpr VxPoint old_sherd_b[] = {{514, 268}, {522, 262}, {530, 267}, {524, 271}};

constexpr int POT_LEFT_X = 140;
constexpr int POT_RIGHT_X = 500;
constexpr int POT_FOOT_Y = 270;

void draw_wall() {
    // Ashlar courses, every other one with its joints shifted half a stone.
    for (int row = 0; row < 15; ++row) {
        int y = 22 + row * 16;
        vx_draw_line(20, y, 620, y);
        for (int x = 20 + (row % 2) * 24 + 48; x < 620; x += 48) vx_draw_line(x, y, x, y + 16 > 254 ? 254 : y + 16);
    }
    vx_draw_line(20, 254, 620, 254); // the foot of the wall
}

void draw_pillar(int x) {
    occlude_rect(x, 96, x + 32, 262);       // the shaft
    for (int f = x + 6; f < x + 32; f += 6) // its fluting
        vx_draw_line(f, 100, f, 258);
    occlude_rect(x - 6, 86, x + 38, 96);   // capital
    vx_draw_line(x - 2, 92, x + 34, 92);
    occlude_rect(x - 6, 262, x + 38, 272); // base
    vx_draw_line(x - 3, 266, x + 35, 266);
}

void draw_door() {
    occlude(door_frame);
    // The fanlight over the door, with its spokes.
    vx_draw_arc(320, 130, 46, 42, 0, 180);
    vx_draw_line(274, 130, 366, 130);
    for (int a = 0; a < 5; ++a) {
        static constexpr VxPoint spoke[] = {{296, 102}, {308, 93}, {320, 90}, {332, 93}, {344, 102}};
        vx_draw_line(320, 128, spoke[a].x, spoke[a].y);
    }
    vx_draw_arc(320, 130, 10, 8, 0, 180);
    // The leaf with two columns of three raised panels.
    vx_draw_rect(274, 134, 366, 254);
    for (int row = 0; row < 3; ++row) {
        int y = 142 + row * 37;
        for (int col = 0; col < 2; ++col) {
            int x = 282 + col * 42;
            vx_draw_rect(x, y, x + 34, y + 29);
            vx_draw_rect(x + 4, y + 4, x + 30, y + 25);
        }
    }
    occlude_rect(350, 192, 362, 218); // the escutcheon,
    vx_draw_circle(356, 200, 4);      // the knob
    vx_draw_line(356, 208, 356, 213); // and the keyhole below it
}

void draw_porch_and_steps() {
    // The pediment over the porch, on its entablature.
    occlude(pediment);
    vx_draw_line(168, 64, 320, 24);
    vx_draw_line(320, 24, 472, 64);
    vx_draw_line(168, 64, 472, 64);
    vx_draw_circle(320, 48, 9); // a round window in the tympanum
    occlude_rect(132, 72, 508, 86);
    for (int x = 140; x < 504; x += 12) vx_draw_rect(x, 78, x + 6, 84); // dentils
    // The porch floor and three steps down to the ground.
    vx_draw_line(60, 276, 580, 276);
    vx_draw_line(60, 254, 60, 276);
    vx_draw_line(580, 254, 580, 276);
    static constexpr int step_x[] = {48, 36, 24};
    for (int i = 0; i < 3; ++i) {
        int top = 276 + i * 17;
        vx_draw_line(step_x[i], top + 4, 640 - step_x[i], top + 4);
        vx_draw_line(step_x[i], top + 4, step_x[i], top + 17);
        vx_draw_line(640 - step_x[i], top + 4, 640 - step_x[i], top + 17);
        vx_draw_line(step_x[i], top + 17, 640 - step_x[i], top + 17);
    }
    // The doormat with its fringe.
    occlude(doormat);
    for (int x = 278; x < 366; x += 6) vx_draw_line(x, 272, x - 1, 275);
    for (int x = 290; x < 352; x += 10) vx_draw_line(x, 262, x - 2, 268);
}

void draw_pot(int x) {
    occlude_at(pot_body, x, POT_FOOT_Y);
    occlude_at(pot_rim, x, POT_FOOT_Y);
    // The dead plant: bare stalks drooping over the rim.
    int y = POT_FOOT_Y - 47;
    vx_draw_line(x, y, x - 4, y - 34);
    vx_draw_line(x - 4, y - 34, x - 18, y - 40);
    vx_draw_line(x - 18, y - 40, x - 26, y - 30);
    vx_draw_line(x + 2, y, x + 8, y - 28);
    vx_draw_line(x + 8, y - 28, x + 22, y - 30);
    vx_draw_line(x + 22, y - 30, x + 30, y - 18);
    vx_draw_line(x - 2, y, x - 12, y - 16);
    vx_draw_line(x - 4, y - 20, x + 6, y - 46);
    vx_draw_line(x - 16, y - 4, x + 14, y - 4); // dry earth
}

void draw_shards(int x) {
    occlude_at(pot_stub, x, POT_FOOT_Y);
    occlude_at(sherd_a, x, POT_FOOT_Y);
    occlude_at(sherd_b, x, POT_FOOT_Y);
    occlude_at(sherd_c, x, POT_FOOT_Y);
    occlude_at(sherd_d, x, POT_FOOT_Y);
    vx_draw_line(x - 6, POT_FOOT_Y - 10, x - 20, POT_FOOT_Y - 30); // the plant, fallen over
    vx_draw_line(x - 20, POT_FOOT_Y - 30, x - 34, POT_FOOT_Y - 26);
    vx_draw_line(x - 14, POT_FOOT_Y - 22, x - 10, POT_FOOT_Y - 36);
}

// A small key lying flat: its bow, its shaft and its bit.
void draw_key(int x, int y, bool fancy) {
    vx_draw_circle(x, y, 4);
    if (fancy) vx_draw_circle(x, y, 2);
    vx_draw_line(x + 4, y, x + 20, y);
    vx_draw_line(x + 14, y, x + 14, y + 4);
    vx_draw_line(x + 18, y, x + 18, y + 5);
    vx_draw_line(x + 20, y, x + 20, y + 3);
}

}  // namespace

void area_entrance_draw() {
    draw_wall();
    draw_door();
    draw_porch_and_steps();
    draw_pillar(196);
    draw_pillar(412);
    occlude(old_sherd_a);
    occlude(old_sherd_b);

    bool moved = flag_test(F_POT_MOVED);
    bool broken = flag_test(F_POT_BROKEN);
    int pot_x = moved ? POT_RIGHT_X : POT_LEFT_X;
    if (!moved && !broken) {
        // The wooden key lies under the pot, which hides it.
        if (flag_test_not(F_WOODEN_KEY_TAKEN)) draw_key(POT_LEFT_X - 12, POT_FOOT_Y - 4, false);
        draw_pot(POT_LEFT_X);
        return;
    }
    if (broken) {
        draw_shards(pot_x);
        if (flag_test_not(F_BRASS_KEY_TAKEN)) draw_key(pot_x + 18, POT_FOOT_Y - 14, true);
    } else {
        draw_pot(POT_RIGHT_X);
    }
    // Where the pot stood at first.
    if (flag_test_not(F_WOODEN_KEY_TAKEN)) draw_key(POT_LEFT_X - 12, POT_FOOT_Y - 4, false);
}
