// The upper bathroom: the mirror over the wash basin was smashed by the
// professor. A mirror set in its place shows the lady's ghost, who points at
// the wall where a fragment of the spell is written under the wallpaper.
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

#include <algorithm>

namespace {

constexpr area_exit exits[] = {
    {vi_backward, ai_music_room, F_DOOR_MUSIC_ROOM_BATHROOM_2F},
};

void look_room() {
    area_print_description(ai_bathroom_2f);
    message("正面の%nlの下に、猫足の%nlが据えられている。", ni_window, ni_bathtub);
    message("左手には%nlがあり、その上の鏡%nwは粉々に割れている。", ni_washstand, ni_mirror);
    if (flag_test(F_MIRROR_PLACED)) message("割れた鏡のあったあたりに、1階浴室の%nlが置いてある。", ni_mirror);
    message("右手の壁には縦長の窓がある。床には鏡の破片が散らばっている。");
    if (flag_test(F_WALL_WRITING_FOUND)) message("壁紙のはがれた%nlに、文字が書かれている。", ni_wall);
    if (flag_test(F_DOOR_MUSIC_ROOM_BATHROOM_2F))
        message("背後の扉は音楽室に通じている。");
    else
        message("背後には扉%nwがある。", ni_door);
}

void ghost_fades() {
    message("やがて女性の姿は、すうっと消えていった。");
    flag_clear(F_GHOST_SHOWING);
    flag_set(F_GHOST_GONE);
}

void look_into_mirror() {
    if (flag_test(F_GHOST_GONE)) {
        message("もう鏡には、部屋の光景しか映っていない。");
        return;
    }
    message("置いた鏡をのぞき込むと、あなたの背後にうっすらと女性の姿が映っている。彼女は壁の一点を指し、もの言いたげな視線をこちらに向けている。");
    flag_set(F_GHOST_SHOWING);
    set_wait_return_callback(ghost_fades);
}

int mirror(int vid, int *noun_here) {
    if (flag_test(F_MIRROR_PLACED)) {
        switch (vid) {
        case vi_look:
        case vi_examine:
            look_into_mirror();
            return 1;
        case vi_get:
        case vi_remove:
            message("鏡を再び取った。");
            add_item(ni_mirror);
            flag_clear(F_MIRROR_PLACED);
            return 1;
        case vi_put:
        case vi_use:
            message("鏡はもう置いてある。");
            return 1;
        case vi_read:
            msg_pick_up_first();
            return 1;
        default:
            return 0;
        }
    }
    if (has_item(ni_mirror)) {
        if (vid == vi_put || vid == vi_use) {
            put_item(ni_mirror, F_MIRROR_PLACED, "割れた鏡のあったあたりに、1階浴室の鏡を置いてみた。");
            return 1;
        }
        *noun_here = 0;
        return 0;
    }
    // The smashed mirror on the wall.
    switch (vid) {
    case vi_look:
        message("洗面台の上の鏡は粉々に割れている。枠に小さな破片がわずかに残っているだけだ。");
        return 1;
    case vi_examine:
        message("何か固いもので、力任せに叩き割ったようだ。これでは何も映らない。");
        return 1;
    case vi_get:
    case vi_remove:
        message("割れた鏡など持っていっても仕方がない。");
        return 1;
    default:
        return 0;
    }
}

int wall(int vid) {
    switch (vid) {
    case vi_look:
        if (flag_test(F_WALL_WRITING_FOUND))
            message("壁紙のはがれたところに、何か文字が書かれている。");
        else if (flag_test(F_GHOST_GONE))
            message("古びた壁紙が貼られている。鏡の女性が指さしていたのは、このあたりだ。");
        else
            message("古びた壁紙が貼られている。ところどころ黴で染みになっている。");
        return 1;
    case vi_examine:
    case vi_remove:
    case vi_touch:
        if (flag_test_not(F_GHOST_GONE)) {
            msg_nothing_special();
            return 1;
        }
        flag_set_once(F_WALL_WRITING_FOUND,
                      "女性が指さしていたあたりの壁紙が浮いている。はがしてみると、その下に文字が書かれていた。",
                      "はがれた壁紙の下に、文字が書かれている。");
        return 1;
    case vi_read:
        if (flag_test_not(F_WALL_WRITING_FOUND)) {
            message("壁には何も書かれていない。");
            return 1;
        }
        doc_spell_fragment();
        flag_set(F_WALL_WRITING_READ);
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_bathroom_2f_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_mirror:
        return mirror(vid, noun_here);

    case ni_wall:
        return wall(vid);

    case ni_washstand:
        if (vid == vi_look) {
            message("陶器の洗面台だ。上の壁に掛かっていた鏡は粉々に割れている。");
            if (flag_test(F_MIRROR_PLACED)) message("割れた鏡のあったあたりに%nlが置いてある。", ni_mirror);
            return 1;
        }
        if (vid == vi_use) {
            message("蛇口をひねってみたが、赤茶けた水が数滴垂れただけだった。");
            return 1;
        }
        if (vid == vi_examine) {
            message("洗面台の中にも、鏡の破片が落ちている。");
            return 1;
        }
        return 0;

    case ni_bathtub:
        if (vid == vi_look) {
            message("猫足のついた古い浴槽だ。中は乾ききっていて、埃が積もっている。");
            return 1;
        }
        if (vid == vi_examine) {
            message("浴槽の底にまで、鏡の破片が飛び散っている。");
            return 1;
        }
        if (vid == vi_enter) {
            message("乾いた浴槽に入ってみたが、なにも起こらなかった。");
            return 1;
        }
        if (vid == vi_get || vid == vi_move) {
            msg_too_big();
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look) {
            message("浴槽の上と右手の壁に窓がある。曇りガラスで、外の様子はわからない。");
            return 1;
        }
        if (vid == vi_open || vid == vi_exit) {
            message("窓枠が歪んでいて開かない。");
            return 1;
        }
        return 0;

    case ni_floor:
        if (vid == vi_look || vid == vi_examine) {
            message("割れた鏡の破片があちこちに散らばっている。気をつけて歩かないと怪我をしそうだ。");
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

constexpr int BACK_L = 210, BACK_T = 64, BACK_R = 430, BACK_B = 214;

constexpr VxPoint wall_l(int x, int h) { return left_wall_point(BACK_L, BACK_T, BACK_B, x, h); }
constexpr VxPoint wall_r(int x, int h) { return right_wall_point(BACK_L, BACK_T, BACK_B, x, h); }

// The tall window on the right wall.
constexpr VxPoint tall_window[] = {wall_r(500, 180), wall_r(500, 900), wall_r(570, 900), wall_r(570, 180)};
constexpr VxPoint tall_glass[] = {wall_r(506, 210), wall_r(506, 870), wall_r(564, 870), wall_r(564, 210)};

// The broken mirror's frame on the left wall above the basin.
constexpr VxPoint mirror_frame[] = {wall_l(74, 560), wall_l(74, 860), wall_l(140, 860), wall_l(140, 560)};
constexpr VxPoint shard_left[] = {wall_l(78, 830), wall_l(96, 830), wall_l(80, 700)};
constexpr VxPoint shard_right[] = {wall_l(136, 600), wall_l(136, 760), wall_l(120, 590)};
// The mirror brought from downstairs, propped on the basin's back edge.
constexpr VxPoint placed_mirror[] = {{86, 168}, {128, 164}, {128, 206}, {86, 212}};
constexpr VxPoint placed_glass[] = {{90, 172}, {124, 169}, {124, 202}, {90, 207}};
constexpr VxPoint ghost[] = {{98, 202}, {102, 186}, {106, 180}, {112, 180}, {116, 186}, {118, 200}};

constexpr VxPoint basin_bowl[] = {{40, 222}, {48, 240}, {72, 252}, {128, 252}, {152, 240}, {160, 222}};
constexpr VxPoint pedestal[] = {{86, 252}, {114, 252}, {110, 300}, {124, 318}, {76, 318}, {90, 300}};

constexpr VxPoint tub_body[] = {{270, 196}, {276, 222}, {292, 240}, {330, 250}, {400, 250},
                                {440, 240}, {456, 222}, {462, 196}};
constexpr VxPoint tub_foot[] = {{0, 0}, {10, 0}, {12, 14}, {18, 20}, {-6, 20}, {0, 14}};

constexpr VxPoint shard[] = {{0, 0}, {9, -4}, {6, 5}};
constexpr VxPoint shard_long[] = {{0, 0}, {14, -2}, {3, 4}};

void draw_room() {
    draw_room_box(BACK_L, BACK_T, BACK_R, BACK_B);
    // Tiles up to shoulder height on the back wall, a rail round the room.
    draw_rail(BACK_L, BACK_R, 150, 170);
    for (int x = BACK_L + 22; x < BACK_R; x += 22) vx_draw_line(x, 150, x, BACK_B);
    for (int y = 171; y < BACK_B; y += 21) vx_draw_line(BACK_L, y, BACK_R, y);
    // Floor tiles: lines running away from the viewer and rows across.
    draw_floor_boards(232, 420, 44, BACK_B, 301, 110);
    constexpr int rows[] = {228, 248, 276, 316};
    for (int y : rows) {
        int half = 110 + (y - BACK_B) * 191 / 115;
        vx_draw_line(std::max(20, 320 - half), y, std::min(620, 320 + half), y);
    }
}

void draw_tall_window() {
    occlude(tall_window);
    outline(tall_glass);
    constexpr VxPoint top = wall_r(535, 870), bottom = wall_r(535, 210);
    vx_draw_line(top.x, top.y, bottom.x, bottom.y);
    for (int h = 430; h < 870; h += 220) {
        constexpr int x1 = 506, x2 = 564;
        VxPoint p = wall_r(x1, h), q = wall_r(x2, h);
        vx_draw_line(p.x, p.y, q.x, q.y);
    }
}

void draw_back_wall() {
    // The glazed cabinet on the back wall.
    if (flag_test_not(F_MIRROR_TAKEN)) {
        vx_draw_rect(224, 84, 266, 140);
        draw_panes(228, 88, 262, 136, 2, 3);
        vx_draw_line(220, 142, 270, 142);
    }
    // The window above the tub, frosted.
    draw_paned_window(310, 80, 420, 140, 4, 3, 2);
    for (int i = 0; i < 5; ++i) vx_draw_line(318 + i * 20, 100, 326 + i * 20, 92);
    vx_draw_line(306, 142, 424, 142);
}

void draw_tub() {
    occlude(tub_body);
    occlude_ellipse(366, 196, 96, 16);
    vx_draw_arc(366, 197, 86, 11, 0, 360);
    for (int i = 0; i < 2; ++i) occlude_at(tub_foot, i == 0 ? 296 : 426, 238);
    // Taps at the far end.
    vx_draw_line(452, 192, 452, 176);
    vx_draw_line(452, 176, 440, 178);
    vx_draw_line(440, 178, 440, 182);
    vx_draw_circle(456, 182, 2);
}

void draw_basin() {
    occlude(mirror_frame);
    // The smashed glass: cracks running from the point of the blow.
    constexpr VxPoint hit = wall_l(104, 720);
    constexpr VxPoint ends[] = {wall_l(76, 600), wall_l(76, 800), wall_l(100, 858), wall_l(126, 858),
                                wall_l(138, 700), wall_l(120, 562), wall_l(90, 562)};
    for (const VxPoint &e : ends) vx_draw_line(hit.x, hit.y, e.x, e.y);
    occlude(shard_left);
    occlude(shard_right);
    if (flag_test(F_MIRROR_PLACED)) {
        occlude(placed_mirror);
        outline(placed_glass);
        if (flag_test(F_GHOST_SHOWING)) {
            // The lady's faint figure in the glass.
            polyline(ghost);
            vx_draw_arc(109, 186, 5, 6, 0, 360);
            vx_draw_line(112, 192, 122, 180);
        }
    }
    occlude(pedestal);
    occlude(basin_bowl);
    occlude_ellipse(100, 222, 60, 10);
    vx_draw_arc(100, 224, 46, 6, 180, 360);
    vx_draw_line(100, 212, 100, 204);
    vx_draw_line(100, 204, 110, 206);
}

void draw_debris() {
    constexpr VxPoint spots[] = {{180, 262}, {214, 280}, {250, 268}, {160, 300}, {300, 296}, {344, 276},
                                 {392, 310}, {466, 288}, {236, 314}, {512, 306}, {130, 326 - 8}};
    for (int i = 0; i < 11; ++i) {
        if (i % 2)
            occlude_at(shard, spots[i].x, spots[i].y);
        else
            occlude_at(shard_long, spots[i].x, spots[i].y);
    }
}

}  // namespace

void area_bathroom_2f_draw() {
    draw_room();
    draw_back_wall();
    draw_tall_window();
    draw_tub();
    draw_basin();
    draw_debris();
}
