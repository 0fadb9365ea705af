// The middle of the upper corridor, where the way up from the landing meets
// the corridor running left and right: the boy's room door straight ahead.
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
    {vi_forward, ai_boys_room, F_DOOR_CORRIDOR_2F_C_BOYS_ROOM},
    {vi_backward, ai_landing, F_DOOR_LANDING_CORRIDOR_2F_C},
    {vi_left, ai_corridor_2f_l},
    {vi_right, ai_corridor_2f_cr},
};

void look() {
    area_print_description(ai_corridor_2f_c);
    message("正面の壁に扉%nwがあり、廊下は左右に延びている。", ni_front_door);
    message("背後には踊り場へ戻る扉%nwがある。", ni_back_door);
    if (flag_test(F_DOOR_CORRIDOR_2F_C_BOYS_ROOM)) message("正面の扉の向こうは子供部屋になっている。");
    if (flag_test(F_DOOR_LANDING_CORRIDOR_2F_C)) message("背後の扉の向こうは階段の踊り場だ。");
}

}  // namespace

int area_corridor_2f_c_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_front_door:
        return door_noun(vid, vi_forward,
                         "青いペンキの塗られた扉だ。星形の飾りのついた名札が下がっているが、字はかすれて読めない。",
                         noun_here);
    case ni_back_door:
        return door_noun(vid, vi_backward, "踊り場に通じる黒檀の両開きの扉だ。", noun_here);
    case ni_wall:
        return look_reply(vid, "腰板の張られた壁だ。扉の両脇に燭台が取り付けられ、額に入った古い絵が掛かっている。");
    case ni_floor:
        return look_reply(vid, "左右に延びる廊下に、細長い絨毯が敷かれている。縁の模様はすっかり色褪せている。");
    case ni_ceiling:
        return look_reply(vid, "太い梁が何本も渡された天井だ。梁の間には蜘蛛の巣が張っている。");
    default:
        return corridor_noun(vid, nid, noun_here, {ni_front_door, ni_back_door});
    }
}

// ---- Picture ----

namespace {

// The wall across the view: its top meets the ceiling at WT, its foot the
// floor at WB. The eye looks at (VX, VY), so the ceiling beams and the floor
// joints run out from there.
constexpr int WT = 64, WB = 262;
constexpr int VX = 320, VY = 170;

// Where the ray from the eye's point through (x, y) leaves the frame.
VxPoint frame_end(int x, int y) {
    int dx = x - VX, dy = y - VY;
    // The ray's parameter, in 1/1024ths, to each frame edge it runs towards.
    int t = 1 << 30;
    if (dx < 0) t = (19 - x) * 1024 / dx;
    if (dx > 0) t = (621 - x) * 1024 / dx;
    if (dy < 0 && (7 - y) * 1024 / dy < t) t = (7 - y) * 1024 / dy;
    if (dy > 0 && (329 - y) * 1024 / dy < t) t = (329 - y) * 1024 / dy;
    return {x + dx * t / 1024, y + dy * t / 1024};
}

// The floor from the foot of the wall out to the viewer: boards parallel to
// the wall with staggered joints.
constexpr int board_y[] = {WB, WB + 5, WB + 11, WB + 18, WB + 26, WB + 35, WB + 45, WB + 56, 329};

// The runner coming from the landing, under the viewer's feet.
constexpr VxPoint stub_runner[] = {{268, 290}, {372, 290}, {390, 329}, {250, 329}};

void draw_ceiling() {
    // The cornice with its row of dentils.
    vx_draw_line(19, WT, 621, WT);
    vx_draw_line(19, WT + 7, 621, WT + 7);
    for (int x = 22; x < 616; x += 12) vx_draw_rect(x, WT + 7, x + 6, WT + 12);
    // Beams across the corridor, each a pair of edges running out to the frame.
    for (int x = 88; x < 560; x += 112) {
        for (int e = 0; e < 2; ++e) {
            VxPoint a = frame_end(x + e * 16, WT);
            vx_draw_line(x + e * 16, WT, a.x, a.y);
        }
        vx_draw_line(x, WT - 1, x + 16, WT - 1);
    }
}

void draw_floor() {
    for (int i = 1; i + 1 < static_cast<int>(sizeof board_y / sizeof board_y[0]); ++i)
        vx_draw_line(19, board_y[i], 621, board_y[i]);
    // Joints between the ends of the boards, shifted from row to row.
    for (int i = 0; i + 1 < static_cast<int>(sizeof board_y / sizeof board_y[0]); ++i) {
        int y1 = board_y[i], y2 = board_y[i + 1];
        for (int x = 40 + (i % 3) * 43; x < 620; x += 130) {
            int x2 = VX + (x - VX) * (y2 - VY) / (y1 - VY);
            if (x2 < 19 || x2 > 621) continue;
            vx_draw_line(x, y1, x2, y2);
        }
    }
}

void draw_runners() {
    occlude(stub_runner);
    for (int y = 296; y < 329; y += 8) {
        int half = 52 + (y - 290) * 18 / 39;
        vx_draw_line(VX - half + 8, y, VX + half - 8, y);
    }
    // The corridor's own runner along the wall, with a zigzag border.
    occlude_rect(20, 270, 620, 292);
    vx_draw_line(20, 274, 620, 274);
    vx_draw_line(20, 288, 620, 288);
    for (int x = 20; x + 8 <= 620; x += 16) {
        vx_draw_line(x, 286, x + 8, 276);
        vx_draw_line(x + 8, 276, x + 16 > 620 ? 620 : x + 16, 286);
    }
}

void draw_wall() {
    // Wallpaper: small diamonds in staggered rows.
    for (int row = 0; row < 4; ++row) {
        int y = 94 + row * 28;
        for (int x = 30 + (row % 2) * 20; x < 616; x += 40) {
            vx_draw_line(x, y - 3, x + 3, y);
            vx_draw_line(x + 3, y, x, y + 3);
            vx_draw_line(x, y + 3, x - 3, y);
            vx_draw_line(x - 3, y, x, y - 3);
        }
    }
    // Dado rail, wainscot panels and skirting board.
    vx_draw_line(19, 204, 621, 204);
    vx_draw_line(19, 208, 621, 208);
    for (int x = 26; x + 56 < 621; x += 70) vx_draw_rect(x, 216, x + 56, 250);
    vx_draw_line(19, 255, 621, 255);
    vx_draw_line(19, WB, 621, WB);
}

// A framed picture: the moulding, then the canvas cleared for its scene.
void draw_frame(int x1, int y1, int x2, int y2) {
    occlude_rect(x1, y1, x2, y2);
    vx_draw_rect(x1 + 5, y1 + 5, x2 - 5, y2 - 5);
    vx_draw_line(x1, y1, x1 + 5, y1 + 5);
    vx_draw_line(x2, y1, x2 - 5, y1 + 5);
    vx_draw_line(x1, y2, x1 + 5, y2 - 5);
    vx_draw_line(x2, y2, x2 - 5, y2 - 5);
    // The cord it hangs from.
    int mid = (x1 + x2) / 2;
    vx_draw_line(x1 + 14, y1, mid, y1 - 14);
    vx_draw_line(mid, y1 - 14, x2 - 14, y1);
}

// Mountains over a lake, on the left.
constexpr VxPoint mountains[] = {{69, 140}, {88, 116}, {100, 128}, {118, 104}, {137, 132}, {147, 122}, {151, 140}};

void draw_paintings() {
    draw_frame(60, 92, 160, 166);
    polyline(mountains);
    vx_draw_line(69, 140, 151, 140);
    for (int y = 146; y < 160; y += 5) vx_draw_line(80 + (y - 146), y, 138 - (y - 146), y);
    vx_draw_circle(132, 108, 4);
    // A sailing ship on a swell, on the right.
    draw_frame(480, 92, 580, 166);
    vx_draw_line(512, 138, 550, 138);
    vx_draw_line(512, 138, 518, 146);
    vx_draw_line(518, 146, 544, 146);
    vx_draw_line(544, 146, 550, 138);
    vx_draw_line(530, 138, 530, 104);
    vx_draw_line(530, 106, 546, 134);
    vx_draw_line(546, 134, 530, 134);
    vx_draw_line(528, 110, 514, 134);
    vx_draw_line(514, 134, 528, 134);
    for (int x = 490; x < 566; x += 16) vx_draw_arc(x + 8, 152, 8, 3, 0, 180);
}

// A two-candle sconce on the wall.
void draw_sconce(int x) {
    vx_draw_arc(x, 150, 6, 10, 0, 360);
    vx_draw_line(x, 152, x, 164);
    vx_draw_arc(x, 150, 20, 14, 180, 360);
    for (int side = -1; side <= 1; side += 2) {
        int cx = x + side * 20;
        vx_draw_line(cx - 5, 150, cx + 5, 150);
        vx_draw_rect(cx - 2, 132, cx + 2, 150);
        vx_draw_line(cx, 132, cx, 128);
    }
}

// The boy's room door with its lintel and its star-shaped name plate.
constexpr VxPoint star[] = {{320, 121}, {324, 134}, {313, 126}, {327, 126}, {316, 134}};

void draw_door() {
    occlude_rect(258, 90, 382, 98);
    occlude_rect(266, 98, 374, WB);
    vx_draw_rect(272, 104, 368, WB);
    occlude_rect(278, 110, 362, WB);
    // Four panels and the knob.
    vx_draw_rect(288, 146, 315, 190);
    vx_draw_rect(325, 146, 352, 190);
    vx_draw_rect(288, 202, 315, 250);
    vx_draw_rect(325, 202, 352, 250);
    vx_draw_circle(354, 196, 3);
    // The name plate hangs from a nail on a string.
    vx_draw_line(320, 112, 306, 118);
    vx_draw_line(320, 112, 334, 118);
    vx_draw_rect(302, 118, 338, 138);
    outline(star);
}

}  // namespace

void area_corridor_2f_c_draw() {
    draw_ceiling();
    draw_floor();
    draw_wall();
    draw_paintings();
    draw_sconce(210);
    draw_sconce(430);
    draw_door();
    draw_runners();
}
