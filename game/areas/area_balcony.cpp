// The balcony off the music room: the sea and the cliffs ahead, the roof's
// eaves overhead, and below the railing the garden, which can be looked
// down on.
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
    {vi_backward, ai_music_room, F_DOOR_MUSIC_ROOM_BALCONY},
    {vi_exit, ai_music_room, F_DOOR_MUSIC_ROOM_BALCONY},
};

void look() {
    area_print_description(ai_balcony);
    message("目の前には暗い海が広がり、左右には切り立った崖が続いている。崖に打ち寄せる波の音が聞こえる。");
    message("バルコニーの下には%nlが見える。", ni_garden);
    message("背後には扉%nwがある。", ni_back_door);
    if (flag_test(F_DOOR_MUSIC_ROOM_BALCONY)) message("背後の扉の向こうは音楽室だ。");
}

}  // namespace

int area_balcony_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look);
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_door:
    case ni_back_door:
        return door_noun(vid, vi_backward, "音楽室に戻る両開きの扉だ。", noun_here);
    case ni_garden:
        if (vid == vi_look || vid == vi_examine) {
            message("手すりから身を乗り出して、%nlを見下ろした。", ni_garden);
            area_request_move(ai_balcony_down);
            return 1;
        }
        if (vid == vi_enter || vid == vi_down) {
            message("ここから庭に降りるのは無理だ。");
            return 1;
        }
        return 0;
    case ni_house:
        return look_reply(vid, "見上げると、屋根の軒が頭の上まで張り出している。");
    case ni_wall:
        return look_reply(vid, "屋敷の石造りの外壁だ。潮風にさらされて黒ずんでいる。");
    case ni_floor:
        return look_reply(vid, "石張りの床だ。隅に枯れ葉が吹き寄せられている。");
    case ni_ceiling:
        return look_reply(vid, "頭上には屋根の軒が張り出していて、瓦の縁が並んでいる。");
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

constexpr int HORIZON = 150;

// Stars over the sea.
constexpr VxPoint stars[] = {{60, 52}, {104, 90}, {176, 46}, {214, 104}, {300, 70}, {352, 48},
                             {396, 98}, {446, 60}, {500, 112}, {556, 50}, {590, 96}, {150, 124}};

// The headlands on both sides, dark against the sea.
constexpr VxPoint cliff_left[] = {{20, 104}, {44, 108}, {70, 118}, {86, 132}, {104, 138}, {122, 152},
                                  {136, 170}, {150, 186}, {156, 206}, {20, 206}};
constexpr VxPoint cliff_right[] = {{620, 126}, {596, 128}, {572, 134}, {552, 140}, {536, 148},
                                   {522, 160}, {510, 178}, {504, 206}, {620, 206}};

// One baluster around its top centre, 68 high.
constexpr VxPoint baluster[] = {{-4, 0}, {4, 0}, {3, 6}, {7, 18}, {8, 28}, {5, 40}, {3, 52}, {5, 60},
                                {6, 68}, {-6, 68}, {-5, 60}, {-3, 52}, {-5, 40}, {-8, 28}, {-7, 18}, {-3, 6}};

// The square posts that carry the rails.
constexpr int post_x[] = {40, 320, 600};

void draw_sky() {
    vx_draw_circle(250, 64, 16);
    vx_draw_arc(244, 60, 4, 3, 0, 360);
    vx_draw_arc(256, 70, 3, 2, 0, 360);
    for (const VxPoint &s : stars) {
        vx_draw_line(s.x - 2, s.y, s.x + 2, s.y);
        vx_draw_line(s.x, s.y - 2, s.x, s.y + 2);
    }
}

void draw_sea() {
    vx_draw_line(19, HORIZON, 621, HORIZON);
    // Swell: rows of crests, wider and further apart towards the viewer.
    for (int row = 0, y = HORIZON + 6; y < 206; ++row, y += 4 + row * 2) {
        int w = 4 + row * 3, gap = 18 + row * 8;
        for (int x = 20 + (row % 2) * gap / 2; x + 2 * w < 620; x += gap + 2 * w)
            vx_draw_arc(x + w, y, w, 2 + row / 2, 0, 180);
    }
    // The moon's path on the water.
    for (int i = 0; i < 6; ++i) {
        int y = HORIZON + 4 + i * 8, half = 3 + i * 3;
        vx_draw_line(250 - half, y, 250 + half, y);
    }
}

void draw_cliffs() {
    occlude(cliff_left);
    occlude(cliff_right);
    // Strata and cracks on the rock faces.
    vx_draw_line(40, 130, 90, 150);
    vx_draw_line(30, 160, 120, 176);
    vx_draw_line(70, 190, 140, 196);
    vx_draw_line(86, 132, 80, 160);
    vx_draw_line(600, 150, 540, 164);
    vx_draw_line(610, 180, 526, 188);
    vx_draw_line(552, 140, 560, 170);
    // Spray where the waves break at their feet.
    for (int x = 150; x < 176; x += 6) vx_draw_arc(x, 204, 3, 3, 0, 180);
    for (int x = 486; x < 506; x += 6) vx_draw_arc(x, 204, 3, 3, 0, 180);
}

// The garden's trees, their tops showing below the rail.
void draw_treetops() {
    for (int x = 20; x + 34 <= 620; x += 34) {
        int y = 236 + (x / 34 % 3) * 6;
        vx_draw_arc(x + 17, y, 17, 10, 0, 180);
        vx_draw_arc(x + 9, y + 8, 6, 4, 0, 180);
    }
}

void draw_eaves() {
    // Roof tiles' rounded ends above the fascia board, brackets below it.
    for (int x = 20; x + 20 <= 620; x += 20) vx_draw_arc(x + 10, 16, 10, 8, 180, 360);
    occlude_rect(20, 8, 620, 16);
    occlude_rect(20, 24, 620, 34);
    for (int x = 40; x < 620; x += 60) {
        vx_draw_line(x, 34, x + 6, 44);
        vx_draw_line(x + 6, 44, x + 12, 34);
    }
    // The gutter's lip along the tiles.
    vx_draw_line(20, 20, 620, 20);
}

void draw_railing() {
    for (int x = 50; x < 600; x += 22) {
        bool at_post = false;
        for (int p : post_x) at_post = at_post || (x > p - 24 && x < p + 24);
        if (!at_post) occlude_at(baluster, x, 220);
    }
    occlude_rect(20, 206, 620, 220);
    vx_draw_line(20, 210, 620, 210);
    occlude_rect(20, 288, 620, 298);
    for (int x : post_x) {
        occlude_rect(x - 14, 198, x + 14, 298);
        vx_draw_rect(x - 9, 226, x + 9, 284);
        occlude_rect(x - 18, 192, x + 18, 200);
        occlude_circle(x, 184, 8);
    }
}

void draw_floor() {
    vx_draw_line(20, 306, 620, 306);
    vx_draw_line(20, 317, 620, 317);
    for (int x = 80; x <= 560; x += 48) vx_draw_line(x, 298, 320 + (x - 320) * 179 / 148, 329);
}

}  // namespace

void area_balcony_draw() {
    draw_sky();
    draw_sea();
    draw_cliffs();
    draw_treetops();
    draw_eaves();
    draw_railing();
    draw_floor();
}
