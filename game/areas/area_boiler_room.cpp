// The boiler room: the former owner's cyclotron engine, which powers the
// projection circle in the garden. The colonel left his notes on the wall;
// the machine starts only with its cables insulated, the catalyst in and
// both ports shut.
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
    {vi_backward, ai_cellar, F_DOOR_CELLAR_BOILER_ROOM},
};

void look() {
    area_print_description(ai_boiler_room);
    message("目の前には、見たこともない%nlが据え付けられている。", ni_machine);
    if (flag_test(F_MACHINE_RUNNING)) message("機械は低い唸りをあげて動いている。");
    message("機械の脇の%nlには、何か書いてある。", ni_wall);
    message("背後には、地下室へと続く%nlがある。", ni_door);
}

void stop_machine() {
    message("機械の動作音が止まった。");
    flag_clear(F_MACHINE_RUNNING);
}

// Opening a port: lamp is the warning lamp that stops a running machine.
void open_port(int flag, const char *opened, const char *already, const char *lamp) {
    flag_set_once(flag, opened, already);
    if (flag_test(F_MACHINE_RUNNING)) {
        message(lamp);
        stop_machine();
    }
}

void press_green() {
    if (flag_test(F_MACHINE_RUNNING) || flag_test_not(F_CABLES_INSULATED)) {
        msg_nothing_happened();
        return;
    }
    message("低い唸り音と共に、機械が動き出した。\\");
    if (!(flag_test(F_CATALYST_IN) && flag_test_not(F_SMALL_DOOR_OPEN))) {
        message("しかし、「触媒」と書かれたランプが点灯し、すぐに停止してしまった。");
    } else if (flag_test(F_ROUND_DOOR_OPEN)) {
        message("しかし、「燃料」と書かれたランプが点灯し、すぐに停止してしまった。");
    } else {
        message("");
        flag_set(F_MACHINE_RUNNING);
    }
}

int machine(int vid) {
    switch (vid) {
    case vi_look:
        describe(ni_machine);
        return 1;
    case vi_examine:
        message(flag_test(F_MACHINE_RUNNING) ? "機械は低い唸りをあげて動いている。" : "機械は沈黙している。");
        message("機械の前面パネル%nwは、一部が開くようになっている。右側には%nlがあり、その上にも%nlがある。",
                ni_panel, ni_round_door, ni_small_door);
        message("右上には赤色と緑色の大きなボタン%nw%nwがある。", ni_red_button, ni_green_button);
        return 1;
    case vi_break:
    case vi_hit:
    case vi_kick:
        message("よくわからないものを壊すのはやめておこう。");
        return 1;
    default:
        return 0;
    }
}

int panel(int vid) {
    switch (vid) {
    case vi_look:
        message(flag_test(F_PANEL_OPEN) ? "パネルを開いた部分から、機械の中身が見える。" : "金属の前面パネルだ。");
        return 1;
    case vi_open:
    case vi_pull:
        flag_set_once(F_PANEL_OPEN, "パネルを開けた。", "パネルはもう開いている。");
        return 1;
    case vi_close:
    case vi_push:
        flag_clear_once(F_PANEL_OPEN, "パネルを閉じた。", "パネルはもう閉じている。");
        return 1;
    case vi_examine:
        message("一部が開くようになっている。");
        if (flag_test(F_PANEL_OPEN)) message("機械の中は、多数の%nlが張り巡らされている。", ni_cable);
        return 1;
    default:
        return 0;
    }
}

int cable(int vid, int *noun_here) {
    if (flag_test_not(F_PANEL_OPEN)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        if (flag_test(F_CABLES_INSULATED))
            message("ケーブルの間に%nlが挟んである。", ni_duck);
        else
            message("ケーブルの一本が垂れ下がり、下の方を走るケーブルと接触している。");
        return 1;
    case vi_examine:
        if (flag_test(F_CABLES_INSULATED))
            message("ショートしていたケーブルを%nlで絶縁してある。", ni_duck);
        else
            message("接触しているケーブルの被膜が剥がしてある。このまま通電すればショートするだろう。");
        return 1;
    default:
        return 0;
    }
}

// The duck is within reach while carried or wedged between the cables,
// and only with the panel open.
int duck(int vid, int *noun_here) {
    bool inserted = flag_test(F_CABLES_INSULATED);
    if (flag_test_not(F_PANEL_OPEN) || !(inserted || has_item(ni_duck))) {
        *noun_here = 0;
        return 0;
    }
    if (!inserted) {
        if (vid != vi_put && vid != vi_use) return 0;
        message("%nnを挟んで、ショートしているケーブルを絶縁した。", ni_duck);
        flag_set(F_CABLES_INSULATED);
        remove_item(ni_duck);
        return 1;
    }
    switch (vid) {
    case vi_look:
        message("ケーブルの間に挟んである。");
        return 1;
    case vi_examine:
        message("ショートしていたケーブルを絶縁している。");
        return 1;
    case vi_get:
    case vi_remove:
    case vi_pull:
        // Taking it back would only short the cables again.
        message("外せば、またケーブルがショートしてしまう。");
        return 1;
    default:
        return 0;
    }
}

// The catalyst goes in through the small door, while it is open.
int chicken_bone(int vid, int *noun_here) {
    if (!has_item(ni_chicken_bone) || flag_test_not(F_SMALL_DOOR_OPEN)) {
        *noun_here = 0;
        return 0;
    }
    if (vid != vi_put && vid != vi_use) return 0;
    message("機械に%nnを入れた。", ni_chicken_bone);
    flag_set(F_CATALYST_IN);
    remove_item(ni_chicken_bone);
    return 1;
}

int round_door(int vid) {
    switch (vid) {
    case vi_look:
        describe(ni_round_door);
        return 1;
    case vi_examine:
        if (flag_test(F_ROUND_DOOR_OPEN))
            message("中には金属棒の束のようなものが入っている。");
        else
            message("取っ手を回せば開きそうだ。");
        return 1;
    case vi_open:
    case vi_pull:
        open_port(F_ROUND_DOOR_OPEN, "丸扉を開けた。", "丸扉はもう開いている。", "「燃料」と書かれたランプが点灯し、\\");
        return 1;
    case vi_close:
    case vi_push:
        flag_clear_once(F_ROUND_DOOR_OPEN, "丸扉を閉じた。", "丸扉はもう閉じている。");
        return 1;
    default:
        return 0;
    }
}

int small_door(int vid) {
    switch (vid) {
    case vi_look:
        describe(ni_small_door);
        return 1;
    case vi_examine:
        if (flag_test_not(F_SMALL_DOOR_OPEN))
            message("取っ手を回せば開きそうだ。");
        else if (flag_test(F_CATALYST_IN))
            message("奥の小さな空洞に、%nlが収まっている。", ni_chicken_bone);
        else
            message("奥は何かを入れるための、小さな空洞になっている。");
        return 1;
    case vi_open:
    case vi_pull:
        open_port(F_SMALL_DOOR_OPEN, "小さな扉を開けた。", "小さな扉はもう開いている。",
                  "「触媒」と書かれたランプが点灯し、\\");
        return 1;
    case vi_close:
    case vi_push:
        flag_clear_once(F_SMALL_DOOR_OPEN, "小さな扉を閉じた。", "小さな扉はもう閉じている。");
        return 1;
    default:
        return 0;
    }
}

// The bundle of rods behind the open fuel port.
int rod(int vid, int *noun_here) {
    if (flag_test_not(F_ROUND_DOOR_OPEN)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
    case vi_examine:
        message("丸扉の奥に、金属棒が束になって詰め込まれている。これが燃料なのだろうか。");
        return 1;
    case vi_get:
    case vi_touch:
    case vi_pull:
        message("得体の知れないものには、手を触れないほうがいい。");
        return 1;
    default:
        return 0;
    }
}

int button(int vid, bool green) {
    switch (vid) {
    case vi_look:
        message(green ? "緑色の大きなボタンだ。" : "赤色の大きなボタンだ。");
        return 1;
    case vi_push:
    case vi_hit:
        if (green)
            press_green();
        else if (flag_test(F_MACHINE_RUNNING))
            stop_machine();
        else
            msg_nothing_happened();
        return 1;
    default:
        return 0;
    }
}

int wall(int vid) {
    switch (vid) {
    case vi_look:
    case vi_examine:
        message("何か書いてある。");
        return 1;
    case vi_read:
        doc_colonel_notes_full();
        flag_set(F_BOILER_NOTES_READ);
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_boiler_room_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_back_door:
        return door_noun(vid, vi_backward, nullptr, noun_here);
    case ni_door:
        msg_several_doors({ni_back_door, ni_round_door, ni_small_door});
        return 1;
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_floor:
        return 0;
    case ni_ceiling:
        return look_reply(vid, "機械から延びたパイプが、天井へと繋がっている。");
    case ni_wall:
        return wall(vid);
    case ni_machine:
        return machine(vid);
    case ni_panel:
        return panel(vid);
    case ni_cable:
        return cable(vid, noun_here);
    case ni_duck:
        return duck(vid, noun_here);
    case ni_chicken_bone:
        return chicken_bone(vid, noun_here);
    case ni_round_door:
        return round_door(vid);
    case ni_small_door:
        return small_door(vid);
    case ni_rod:
        return rod(vid, noun_here);
    case ni_green_button:
        return button(vid, true);
    case ni_red_button:
        return button(vid, false);
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

constexpr int BL = 170, BT = 60, BR = 470, BB = 240; // the back wall
constexpr int MX1 = 60, MY1 = 92, MX2 = 432, MY2 = 300; // the machine's front

// Directions round a circle, 30 degrees apart, radius 50 (scaled on use).
constexpr VxPoint round12[] = {{50, 0},  {43, 25},  {25, 43},  {0, 50},  {-25, 43}, {-43, 25},
                               {-50, 0}, {-43, -25}, {-25, -43}, {0, -50}, {25, -43}, {43, -25}};

// The front panel: its place on the machine, and the leaf swung out to the
// left on its hinge.
constexpr int PX1 = 90, PY1 = 172, PX2 = 250, PY2 = 286;
constexpr VxPoint panel_leaf[] = {{PX1, PY1}, {PX1, PY2}, {40, PY2 + 12}, {40, PY1 - 10}};
// Inside: cables strung across, the one that hangs down onto the cable
// below it, and a box of terminals.
constexpr VxPoint cables_top[][4] = {
    {{PX1 + 4, 184}, {140, 190}, {200, 188}, {PX2 - 4, 182}},
    {{PX1 + 4, 190}, {140, 197}, {200, 195}, {PX2 - 4, 189}},
    {{PX1 + 4, 198}, {130, 206}, {196, 204}, {PX2 - 4, 198}},
};
constexpr VxPoint cable_hanging[] = {{PX1 + 4, 212}, {124, 218}, {150, 230}, {166, 246}, {174, 262}};
constexpr VxPoint cable_low[] = {{PX1 + 4, 266}, {140, 262}, {190, 266}, {PX2 - 4, 260}};
constexpr VxPoint cable_low_2[] = {{PX1 + 4, 274}, {150, 272}, {200, 276}, {PX2 - 4, 270}};
// The duck wedged between them.
constexpr VxPoint duck_body[] = {{156, 256}, {162, 248}, {178, 248}, {190, 242}, {198, 246},
                                 {194, 258}, {170, 264}};
constexpr VxPoint duck_beak[] = {{150, 238}, {141, 241}, {150, 244}};

// The catalyst port (the small door), and its leaf swung out to the right.
constexpr int SX1 = 330, SY1 = 132, SX2 = 378, SY2 = 172;
constexpr VxPoint small_leaf[] = {{SX2, SY1}, {SX2 + 22, SY1 - 6}, {SX2 + 22, SY2 + 6}, {SX2, SY2}};
// The chicken bone put in, seen in the open port.
constexpr VxPoint bone[] = {{340, 158}, {344, 152}, {350, 156}, {362, 150}, {368, 146},
                            {372, 152}, {366, 156}, {352, 162}, {346, 164}};

// The fuel port (the round door).
constexpr int RX = 356, RY = 238, RR = 40;

// A valve wheel on a pipe: hub, rim and spokes.
void valve(int x, int y, int r) {
    occlude_circle(x, y, r);
    vx_draw_circle(x, y, r - 3);
    for (int i = 0; i < 12; i += 3) {
        const VxPoint &d = round12[i + 1];
        vx_draw_line(x - d.x * (r - 3) / 50, y - d.y * (r - 3) / 50, x + d.x * (r - 3) / 50, y + d.y * (r - 3) / 50);
    }
    vx_fill_circle(x, y, 2);
}

// A round gauge: face, ticks and a needle pointing to tick `at`.
void gauge(int x, int y, int r, int at) {
    occlude_circle(x, y, r);
    vx_draw_circle(x, y, r - 3);
    for (int i = 6; i < 12; ++i) {
        const VxPoint &d = round12[i];
        vx_draw_line(x + d.x * (r - 4) / 50, y + d.y * (r - 4) / 50, x + d.x * (r - 8) / 50, y + d.y * (r - 8) / 50);
    }
    vx_draw_line(x + round12[0].x * (r - 4) / 50, y, x + round12[0].x * (r - 8) / 50, y);
    const VxPoint &n = round12[at % 12];
    vx_draw_line(x, y, x + n.x * (r - 6) / 50, y + n.y * (r - 6) / 50);
    vx_fill_circle(x, y, 2);
}

void draw_room() {
    draw_room_box(BL, BT, BR, BB);
    // Bricks on the walls that show round the machine.
    for (int y = BT + 10; y < BB; y += 10) vx_draw_line(MX2, y, BR, y);
    for (int y = BT + 10; y < MY1; y += 10) vx_draw_line(BL, y, BR, y);
    for (int i = 1; i < 7; ++i) {
        int y = 7 + i * 46;
        vx_draw_line(BR, BT + (BB - BT) * i / 7, 621, y);
    }
    // A grating on the floor before the machine.
    for (int x = 68; x < 600; x += 28) vx_draw_line(x, 318, x + (x - 320) / 12, 329);
    vx_draw_line(20, 318, 620, 318);
}

void draw_pipes() {
    // Pipes from the machine's top up into the ceiling, with flanges.
    for (int x = 110; x < 420; x += 78) {
        vx_draw_line(x, 8, x, MY1);
        vx_draw_line(x + 14, 8, x + 14, MY1);
        for (int y = 24; y < MY1; y += 40) occlude_rect(x - 4, y, x + 18, y + 6);
    }
    // One runs out along the right wall and down into the floor.
    black();
    vx_fill_rect(MX2, 110, 520, 124);
    vx_fill_arc(520, 138, 28, 28, 0, 90);
    vx_fill_rect(520, 138, 548, 328);
    white();
    vx_draw_line(MX2, 110, 520, 110);
    vx_draw_line(MX2, 124, 506, 124);
    vx_draw_arc(520, 138, 28, 28, 0, 90);
    vx_draw_arc(506, 138, 14, 14, 0, 90);
    vx_draw_line(548, 138, 548, 329);
    vx_draw_line(520, 138, 520, 329);
    occlude_rect(516, 200, 552, 208);
    valve(534, 250, 16);
    valve(195, 48, 13);
    valve(351, 60, 11);
}

void draw_machine() {
    occlude_rect(MX1 - 10, MY2, MX2 + 10, MY2 + 12);
    occlude_rect(MX1, MY1, MX2, MY2);
    vx_draw_rect(MX1 + 4, MY1 + 4, MX2 - 4, MY2 - 4);
    for (int x = MX1 + 12; x < MX2 - 4; x += 20) {
        vx_draw_circle(x, MY1 + 8, 1);
        vx_draw_circle(x, MY2 - 8, 1);
    }
    for (int x = MX1 - 4; x < MX2 + 10; x += 24) vx_draw_circle(x, MY2 + 6, 2);
    // Dials and gauges along the top left, with lamps under them.
    for (int i = 0; i < 4; ++i) gauge(100 + i * 52, 126, 20, 7 + i);
    for (int i = 0; i < 8; ++i) {
        vx_draw_circle(84 + i * 24, 156, 4);
        vx_draw_rect(78 + i * 24, 162, 90 + i * 24, 166);
    }
    // A small meter and switches between the panel and the ports.
    occlude_rect(266, 182, 312, 214);
    vx_draw_arc(289, 210, 18, 18, 0, 180);
    vx_draw_line(289, 210, 300, 196);
    for (int y = 230; y < 290; y += 16) {
        vx_draw_rect(270, y, 282, y + 8);
        vx_draw_line(276, y + 4, 276 + (y % 32 ? 4 : -4), y);
    }
    // The red and the green button at the top right.
    for (int i = 0; i < 2; ++i) {
        int x = 362 + i * 42;
        occlude_rect(x - 16, 98, x + 16, 124);
        occlude_circle(x, 111, 10);
        if (i == 0)
            vx_draw_circle(x, 111, 6);
        else
            vx_fill_circle(x, 111, 3);
    }
}

void draw_panel() {
    if (flag_test_not(F_PANEL_OPEN)) {
        occlude_rect(PX1, PY1, PX2, PY2);
        for (int y = PY1 + 16; y < PY2 - 10; y += 10) vx_draw_line(PX1 + 30, y, PX2 - 30, y);
        for (int x = PX1 + 6; x < PX2; x += 148) {
            for (int y = PY1 + 6; y < PY2; y += 24) vx_draw_circle(x, y, 1);
        }
        vx_draw_rect(PX2 - 20, 210, PX2 - 12, 248);
        return;
    }
    // Open: the machine's insides show, and the leaf hangs out to the left.
    occlude_rect(PX1, PY1, PX2, PY2);
    vx_draw_rect(PX1 + 4, PY1 + 4, PX2 - 4, PY2 - 4);
    for (const auto &c : cables_top) polyline(c);
    occlude_rect(204, 212, 240, 244);
    for (int y = 218; y < 242; y += 8) {
        vx_draw_circle(212, y, 2);
        vx_draw_circle(232, y, 2);
    }
    polyline(cable_low);
    polyline(cable_low_2);
    polyline(cable_hanging);
    vx_draw_line(PX1 + 4, 216, 122, 222);
    vx_draw_line(122, 222, 146, 234);
    if (flag_test_not(F_CABLES_INSULATED)) {
        // The bared ends touch: sparks fly.
        for (int i = 0; i < 12; i += 2) {
            const VxPoint &d = round12[i];
            vx_draw_line(174 + d.x / 8, 263 + d.y / 8, 174 + d.x / 3, 263 + d.y / 3);
        }
    } else {
        occlude(duck_body);
        occlude_circle(154, 240, 8);
        occlude(duck_beak);
        vx_fill_circle(153, 237, 1);
        vx_draw_line(172, 252, 186, 250);
    }
    occlude(panel_leaf);
    for (int y = PY1 + 14; y < PY2 - 6; y += 12) vx_draw_line(46, y, 86, y + 2);
}

void draw_small_door() {
    if (flag_test_not(F_SMALL_DOOR_OPEN)) {
        occlude_rect(SX1, SY1, SX2, SY2);
        vx_draw_rect(SX1 + 4, SY1 + 4, SX2 - 4, SY2 - 4);
        vx_draw_circle(SX2 - 10, (SY1 + SY2) / 2, 4);
        vx_draw_line(SX2 - 10, (SY1 + SY2) / 2, SX2 - 10, SY2 - 8);
    } else {
        occlude_rect(SX1, SY1, SX2, SY2);
        vx_draw_rect(SX1 + 8, SY1 + 8, SX2 - 8, SY2 - 8);
        vx_draw_line(SX1, SY1, SX1 + 8, SY1 + 8);
        vx_draw_line(SX1, SY2, SX1 + 8, SY2 - 8);
        vx_draw_line(SX2, SY2, SX2 - 8, SY2 - 8);
        if (flag_test(F_CATALYST_IN)) occlude(bone);
        occlude(small_leaf);
        vx_draw_circle(SX2 + 16, (SY1 + SY2) / 2, 3);
    }
    // The catalyst gauge beside the port fills once the catalyst is in.
    occlude_rect(314, 132, 322, 172);
    if (flag_test(F_CATALYST_IN)) {
        vx_fill_rect(316, 146, 320, 170);
        for (int y = 140; y < 172; y += 8) vx_draw_line(322, y, 326, y);
    }
}

void draw_round_door() {
    if (flag_test_not(F_ROUND_DOOR_OPEN)) {
        occlude_circle(RX, RY, RR);
        vx_draw_circle(RX, RY, RR - 6);
        for (const VxPoint &d : round12) vx_draw_circle(RX + d.x * (RR - 3) / 50, RY + d.y * (RR - 3) / 50, 1);
        occlude_rect(RX - 24, RY - 4, RX + 24, RY + 4);
        occlude_circle(RX, RY, 7);
        return;
    }
    // Open: the mouth of the port with the bundle of rods inside, and the
    // round leaf swung out to the right.
    occlude_circle(RX, RY, RR);
    vx_draw_circle(RX, RY, RR - 8);
    vx_draw_circle(RX, RY, 6);
    for (const VxPoint &d : round12) vx_draw_circle(RX + d.x * 14 / 50, RY + d.y * 14 / 50, 6);
    for (int i = 0; i < 12; i += 2) {
        const VxPoint &d = round12[i];
        vx_draw_circle(RX + d.x * 25 / 50, RY + d.y * 25 / 50, 5);
    }
    occlude_ellipse(RX + RR + 12, RY, 12, RR);
    vx_draw_arc(RX + RR + 12, RY, 7, RR - 6, 0, 360);
    vx_draw_line(RX + RR + 10, RY - 18, RX + RR + 10, RY + 18);
}

// Scorched patches on the right wall.
constexpr VxPoint scorch_1[] = {{476, 150}, {490, 140}, {500, 152}, {506, 176}, {498, 204},
                                {486, 214}, {478, 198}, {482, 176}, {476, 150}};
constexpr VxPoint scorch_2[] = {{566, 296}, {574, 282}, {590, 276}, {604, 282}, {612, 296}};

void draw_heat_marks() {
    // Soot and heat stains on the right wall: wavering streaks rising from
    // the floor and blotches where the wall has scorched.
    for (int i = 0; i < 4; ++i) {
        int x = 566 + i * 14;
        for (int y = 300 - i * 10; y > 120 + i * 8; y -= 24) {
            vx_draw_arc(x, y, 4, 6, 90, 270);
            vx_draw_arc(x, y - 12, 4, 6, 270, 450);
        }
    }
    polyline(scorch_1);
    polyline(scorch_2);
}

}  // namespace

void area_boiler_room_draw() {
    draw_room();
    draw_heat_marks();
    draw_pipes();
    draw_machine();
    draw_panel();
    draw_small_door();
    draw_round_door();
}
