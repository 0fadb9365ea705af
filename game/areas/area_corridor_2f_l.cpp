// The left wing of the upper corridor: the guest room on the left, the
// girl's room on the right, and at the end the music room, whose door is
// locked from inside.
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
    {.vid = vi_forward,
     .area = ai_music_room,
     .door = F_DOOR_CORRIDOR_2F_L_MUSIC_ROOM,
     .locked_until = F_UNLOCKED_CORRIDOR_2F_L_MUSIC_ROOM},
    {vi_backward, ai_corridor_2f_c},
    {vi_left, ai_guestroom_2f, F_DOOR_CORRIDOR_2F_L_GUESTROOM_2F},
    {vi_right, ai_girls_room, F_DOOR_CORRIDOR_2F_L_GIRLS_ROOM},
};

bool is_key(int nid) {
    return nid == ni_brass_key || nid == ni_wooden_key || nid == ni_bronze_key || nid == ni_steel_key ||
           nid == ni_golden_key || nid == ni_silver_key;
}

void look() {
    area_print_description(ai_corridor_2f_l);
    message("廊下の突き当たりに扉%nwがあり、左右の壁にもそれぞれ扉%nw%nwがある。", ni_front_door, ni_left_door,
            ni_right_door);
    if (flag_test(F_DOOR_CORRIDOR_2F_L_MUSIC_ROOM)) message("正面の扉の向こうは音楽室になっている。");
    if (flag_test(F_DOOR_CORRIDOR_2F_L_GUESTROOM_2F)) message("左の扉の向こうは客室になっている。");
    if (flag_test(F_DOOR_CORRIDOR_2F_L_GIRLS_ROOM)) message("右の扉の向こうは子供部屋になっている。");
    message("背後へ戻れば、廊下の中央に出る。");
}

// The music room's door: no key of the house fits it from this side.
int music_door(int vid, int *noun_here) {
    if (opens_door(vid)) return redispatch(vi_forward, noun_here);
    switch (vid) {
    case vi_look:
    case vi_examine:
        message("ほかの扉よりひときわ立派な扉だ。上の壁には竪琴の浮き彫りが飾られている。");
        if (flag_test_not(F_UNLOCKED_CORRIDOR_2F_L_MUSIC_ROOM)) message("取っ手の下に小さな鍵穴がある。");
        return 1;
    case vi_hit:
    case vi_kick:
        message("扉を叩いてみたが、向こうからは何の返事もない。");
        return 1;
    case vi_break:
        msg_cannot_break();
        return 1;
    default:
        return 0;
    }
}

int use_key() {
    if (flag_test(F_UNLOCKED_CORRIDOR_2F_L_MUSIC_ROOM))
        msg_door_already_unlocked();
    else
        msg_key_does_not_fit();
    return 1;
}

}  // namespace

int area_corridor_2f_l_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    if (is_key(nid)) {
        // Keys lie nowhere here: only a carried key can be tried in the lock.
        *noun_here = 0;
        if (vid == vi_use && has_item(nid)) return use_key();
        return 0;
    }
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_front_door:
        return music_door(vid, noun_here);
    case ni_left_door:
        return door_noun(vid, vi_left, "飾り気のない白い扉だ。真鍮の取っ手がくすんでいる。", noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, "淡い桃色に塗られた扉だ。上の鏡板に、小さな花の絵が描かれている。",
                         noun_here);
    case ni_wall:
        return look_reply(vid, "腰板の張られた壁だ。扉と扉の間に、小さな燭台が取り付けられている。");
    case ni_floor:
        return look_reply(vid, "突き当たりの扉まで、細長い絨毯が敷かれている。");
    case ni_ceiling:
        return look_reply(vid, "天井から小さなシャンデリアが下がっている。蝋燭はとうに燃え尽きている。");
    default:
        return corridor_noun(vid, nid, noun_here, {ni_front_door, ni_left_door, ni_right_door});
    }
}

// ---- Picture ----

namespace {

// The corridor box: the frame scaled by 0.4 around (320, 160).
constexpr int BL = 200, BT = 99, BR = 440, BB = 228;
constexpr int VY = 160;

constexpr VxPoint lw(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint rw(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }

// The guest room's plain door and the girl's room's door with two panels.
constexpr side_door guest_door = {66, 148, 800, 72, 142, 770, 82, 132, 90, 250, 330, 2, 136, 390};
constexpr side_door girls_door = {492, 574, 800, 498, 568, 770, 508, 558, 90, 250, 330, 2, 504, 390};

// The runner from the music room's door to the viewer.
constexpr VxPoint runner[] = {{294, BB}, {346, BB}, {385, 329}, {255, 329}};
constexpr int runner_y[] = {233, 239, 247, 257, 270, 287, 308};

// Half the runner's width at y, inset by in pixels at the far end.
int runner_half(int y, int in) { return (26 - in) * (y - VY) / (BB - VY); }

void draw_box() {
    draw_room_box(BL, BT, BR, BB);
    // Floor boards under the runner.
    draw_floor_boards(BL + 20, BR, 20, BB, 169, 68);
    // The cornice along the ceiling.
    wall_line(lw, 19, 960, BL, 960);
    wall_line(rw, 621, 960, BR, 960);
    int cy = lw(BL, 960).y;
    vx_draw_line(BL, cy, BR, cy);
}

void draw_wainscot() {
    wall_line(lw, 19, 380, BL, 380);
    wall_line(rw, 621, 380, BR, 380);
    int dy = lw(BL, 380).y;
    vx_draw_line(BL, dy, BR, dy);
    // Panels between the doors, on both side walls.
    static constexpr int panel_x[] = {26, 156};
    for (int x : panel_x) {
        VxPoint p[] = {lw(x, 60), lw(x, 320), lw(x + 36, 320), lw(x + 36, 60)};
        outline(p);
        VxPoint q[] = {rw(640 - x, 60), rw(640 - x, 320), rw(604 - x, 320), rw(604 - x, 60)};
        outline(q);
    }
    for (int x = 206; x < 272; x += 34) vx_draw_rect(x, dy + 8, x + 26, BB - 8);
    for (int x = 374; x < 436; x += 34) vx_draw_rect(x, dy + 8, x + 26, BB - 8);
}

// The lyre carved over the music room's door: a bowl, two horns curling
// outwards, the yoke and the strings.
constexpr VxPoint lyre_horn[] = {{308, 108}, {306, 101}, {305, 96}, {303, 91}, {299, 88}, {296, 89}};

void draw_lyre() {
    vx_draw_arc(320, 108, 12, 9, 180, 360);
    polyline(lyre_horn);
    VxPoint right[6];
    for (int i = 0; i < 6; ++i) right[i] = {640 - lyre_horn[i].x, lyre_horn[i].y};
    polyline(right);
    vx_draw_line(303, 94, 337, 94);
    for (int x = 314; x <= 326; x += 4) vx_draw_line(x, 94, x, 116);
    vx_draw_line(314, 118, 326, 118);
    // Laurel sprigs either side.
    for (int i = 0; i < 3; ++i) {
        vx_draw_arc(288 - i * 6, 112 - i * 3, 3, 2, 0, 360);
        vx_draw_arc(352 + i * 6, 112 - i * 3, 3, 2, 0, 360);
    }
}

void draw_music_door() {
    occlude_rect(276, 122, 364, BB);
    occlude_rect(283, 129, 357, BB);
    vx_draw_rect(291, 138, 316, 178);
    vx_draw_rect(324, 138, 349, 178);
    vx_draw_rect(291, 188, 316, 222);
    vx_draw_rect(324, 188, 349, 222);
    // Knob and keyhole.
    vx_draw_circle(353, 183, 2);
    vx_draw_line(353, 187, 353, 190);
}

void draw_girls_door() {
    draw_side_door(rw, girls_door);
    // A flower painted on the upper panel.
    VxPoint c = rw(533, 540);
    vx_draw_circle(c.x, c.y, 3);
    for (int i = 0; i < 5; ++i) {
        static constexpr int px[] = {0, 6, 4, -4, -6};
        static constexpr int py[] = {-7, -2, 6, 6, -2};
        vx_draw_circle(c.x + px[i], c.y + py[i], 3);
    }
    VxPoint s = rw(533, 430);
    vx_draw_line(c.x, c.y + 10, s.x, s.y);
    vx_draw_line(s.x, s.y - 8, s.x + 5, s.y - 13);
}

// A candle bracket on a side wall.
void draw_sconce(wall_point_fn wall, int x) {
    VxPoint b = wall(x, 600);
    vx_draw_arc(b.x, b.y, 3, 6, 0, 360);
    vx_draw_line(b.x, b.y + 6, b.x, b.y + 10);
    vx_draw_line(b.x - 5, b.y + 10, b.x + 5, b.y + 10);
    vx_draw_rect(b.x - 2, b.y - 4, b.x + 2, b.y + 10);
    vx_draw_line(b.x, b.y - 4, b.x, b.y - 8);
}

void draw_runner() {
    occlude(runner);
    // The border, inset a little.
    VxPoint a = {320 - runner_half(BB, 4), BB}, b = {320 + runner_half(BB, 4), BB};
    vx_draw_line(a.x, a.y + 2, 320 - runner_half(329, 4), 329);
    vx_draw_line(b.x, b.y + 2, 320 + runner_half(329, 4), 329);
    // Bands across it with a diamond in each.
    int n = static_cast<int>(sizeof runner_y / sizeof runner_y[0]);
    for (int i = 0; i < n; ++i) {
        int y = runner_y[i], h = runner_half(y, 4);
        vx_draw_line(320 - h, y, 320 + h, y);
        int next = i + 1 < n ? runner_y[i + 1] : 329;
        int mid = (y + next) / 2, w = runner_half(mid, 14), d = (next - y) / 3;
        vx_draw_line(320 - w, mid, 320, mid - d);
        vx_draw_line(320, mid - d, 320 + w, mid);
        vx_draw_line(320 + w, mid, 320, mid + d);
        vx_draw_line(320, mid + d, 320 - w, mid);
    }
}

// The small chandelier under the ceiling.
constexpr int candle_x[] = {284, 302, 320, 338, 356};
constexpr int candle_y[] = {50, 53, 54, 53, 50};

void draw_chandelier() {
    vx_draw_line(320, 8, 320, 34);
    vx_draw_circle(320, 37, 3);
    for (int i = 0; i < 5; ++i) vx_draw_line(320, 40, candle_x[i], candle_y[i]);
    vx_draw_arc(320, 50, 38, 6, 180, 360);
    for (int i = 0; i < 5; ++i) {
        occlude_rect(candle_x[i] - 2, candle_y[i] - 12, candle_x[i] + 2, candle_y[i]);
        vx_draw_line(candle_x[i] - 4, candle_y[i], candle_x[i] + 4, candle_y[i]);
    }
    // Crystal drops under the ring.
    for (int x = 290; x <= 350; x += 10) {
        vx_draw_line(x, 56, x, 62);
        vx_draw_circle(x, 64, 2);
    }
    vx_draw_arc(320, 62, 8, 6, 180, 360);
    vx_draw_line(320, 68, 320, 72);
}

}  // namespace

void area_corridor_2f_l_draw() {
    draw_box();
    draw_wainscot();
    draw_lyre();
    draw_music_door();
    draw_side_door(lw, guest_door);
    draw_girls_door();
    draw_sconce(lw, 174);
    draw_sconce(rw, 466);
    draw_runner();
    draw_chandelier();
}
