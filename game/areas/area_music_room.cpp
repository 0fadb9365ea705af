// The music room: the late lady's grand piano. Played from the score found
// in the girl's room, one note stays dumb: the steel key is tied to its
// hammer. Doors lead to the balcony, the upper bathroom, the girl's room and
// the corridor, whose door is locked from the outside but opens from here.
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

// The corridor's door is locked from the corridor's side; from in here the
// handle turns it open.
constexpr area_exit exits[] = {
    {.vid = vi_backward,
     .area = ai_corridor_2f_l,
     .door = F_DOOR_CORRIDOR_2F_L_MUSIC_ROOM,
     .handle_unlocks = F_UNLOCKED_CORRIDOR_2F_L_MUSIC_ROOM},
    {.vid = vi_exit,
     .area = ai_corridor_2f_l,
     .door = F_DOOR_CORRIDOR_2F_L_MUSIC_ROOM,
     .handle_unlocks = F_UNLOCKED_CORRIDOR_2F_L_MUSIC_ROOM},
    {vi_forward, ai_balcony, F_DOOR_MUSIC_ROOM_BALCONY},
    {vi_left, ai_bathroom_2f, F_DOOR_MUSIC_ROOM_BATHROOM_2F},
    {vi_right, ai_girls_room, F_DOOR_GIRLS_ROOM_MUSIC_ROOM},
};

bool key_here() { return flag_test(F_STEEL_KEY_SEEN) && flag_test_not(F_STEEL_KEY_TAKEN) && !has_item(ni_steel_key); }

void look_room() {
    area_print_description(ai_music_room);
    message("部屋の右手には、屋根を大きく開いた%nlが置かれ、その前に丸い%nlがある。", ni_piano, ni_chair);
    if (flag_test(F_SCORE_ON_STAND_CEILING_SIGN)) message("ピアノの譜面台には%nlが置いてある。", ni_score);
    if (key_here()) message("ピアノのハンマーの一つに%nlが結わえられている。", ni_steel_key);
    message("正面には両開きのガラス扉%nwがあり、その両脇に背の高い%nlが並んでいる。", ni_front_door, ni_window);
    message("左手%nwと右手%nwにも扉がある。", ni_left_door, ni_right_door);
    if (flag_test(F_DOOR_MUSIC_ROOM_BALCONY)) message("正面の扉はバルコニーに通じている。");
    if (flag_test(F_DOOR_MUSIC_ROOM_BATHROOM_2F)) message("左側の扉は浴室に通じている。");
    if (flag_test(F_DOOR_GIRLS_ROOM_MUSIC_ROOM)) message("右側の扉は子供部屋に通じている。");
    if (flag_test(F_DOOR_CORRIDOR_2F_L_MUSIC_ROOM)) message("背後の扉は廊下に通じている。");
}

void play_piano() {
    if (flag_test_not(F_SCORE_ON_STAND_CEILING_SIGN)) {
        message("あなたは「ねこふんじゃった」を弾いた。");
        return;
    }
    message("あなたは楽譜を見ながらなんとか「エリーゼのために」を弾いた。");
    message("おや、Dの音が鳴っていない。");
    flag_set(F_PIANO_PLAYED);
}

// Looking in under the raised lid: once the dead note is noticed, the key
// tied to its hammer is found.
void look_inside() {
    if (flag_test_not(F_PIANO_PLAYED)) {
        message("屋根の中を覗くと、張りつめた弦とハンマーが整然と並んでいる。特に変わったところはない。");
        return;
    }
    if (flag_test(F_STEEL_KEY_TAKEN) || has_item(ni_steel_key)) {
        message("屋根の中を覗くと、張りつめた弦とハンマーが整然と並んでいる。");
        return;
    }
    message("Dの音のハンマーに%nlが結わえられている。", ni_steel_key);
    flag_set(F_STEEL_KEY_SEEN);
}

int piano(int vid) {
    switch (vid) {
    case vi_look:
        message("黒塗りのグランドピアノだ。大きな屋根が突き上げ棒で開けられ、鍵盤の奥には譜面台がある。");
        if (flag_test(F_SCORE_ON_STAND_CEILING_SIGN)) message("譜面台には%nlが置いてある。", ni_score);
        if (flag_test(F_PIANO_PLAYED)) look_inside();
        return 1;
    case vi_examine:
    case vi_open:
        look_inside();
        return 1;
    case vi_use:
        play_piano();
        return 1;
    case vi_touch:
        message("鍵盤に触れると、ぽーんと澄んだ音が部屋に響いた。");
        return 1;
    case vi_close:
        message("屋根を閉める必要はないだろう。");
        return 1;
    case vi_break:
    case vi_hit:
    case vi_kick:
        message("乱暴に叩いても、不協和音が響くだけだ。");
        return 1;
    case vi_get:
    case vi_move:
    case vi_push:
    case vi_pull:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

// The score: carried, it can be set on the stand; on the stand it stays
// here until taken back.
int score(int vid, int *noun_here) {
    if (flag_test(F_SCORE_ON_STAND_CEILING_SIGN)) {
        switch (vid) {
        case vi_look:
            message("ピアノの譜面台に置かれた%nnだ。", ni_score);
            return 1;
        case vi_read:
            doc_score_title();
            return 1;
        case vi_put:
        case vi_use:
            flag_set_once(F_SCORE_ON_STAND_CEILING_SIGN, "あなたは譜面台に楽譜を置いた。", "楽譜はもう置いてある。");
            return 1;
        case vi_get:
            take_item(ni_score, -1);
            flag_clear(F_SCORE_ON_STAND_CEILING_SIGN);
            return 1;
        default:
            return 0;
        }
    }
    if (has_item(ni_score) && (vid == vi_put || vid == vi_use)) {
        put_item(ni_score, F_SCORE_ON_STAND_CEILING_SIGN, "あなたは譜面台に楽譜を置いた。");
        return 1;
    }
    *noun_here = 0;
    return 0;
}

}  // namespace

int area_music_room_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_room:
        return room_noun(vid, noun_here);

    case ni_door:
        if (vid == vi_look || opens_door(vid)) {
            msg_several_doors({ni_front_door, ni_left_door, ni_right_door, ni_back_door});
            return 1;
        }
        return 0;

    case ni_front_door:
        return door_noun(vid, vi_forward, "ガラスのはまった両開きの扉だ。その向こうはバルコニーになっているらしい。",
                         noun_here);
    case ni_back_door:
        return door_noun(vid, vi_backward, nullptr, noun_here);
    case ni_left_door:
        return door_noun(vid, vi_left, nullptr, noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, nullptr, noun_here);

    case ni_piano:
        return piano(vid);

    case ni_score:
        return score(vid, noun_here);

    case ni_steel_key:
        return lying_item(vid, nid, flag_test(F_STEEL_KEY_SEEN) && flag_test_not(F_STEEL_KEY_TAKEN), F_STEEL_KEY_TAKEN,
                          noun_here);

    case ni_chair:
        if (vid == vi_look) {
            message("ピアノ用の丸い椅子だ。ねじで高さを変えられるようになっている。");
            return 1;
        }
        if (vid == vi_turn) {
            message("椅子を回して高さを変えてみたが、なにも起こらなかった。");
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look) {
            message("背の高い窓が二つ並んでいる。外には灰色の海が広がっている。");
            return 1;
        }
        if (vid == vi_open) {
            message("窓ははめ殺しになっていて開かない。");
            return 1;
        }
        return 0;

    default:
        break;
    }
    return unknown_noun(nid, noun_here);
}

// ---- Picture ----

namespace {

constexpr int BACK_L = 170, BACK_T = 40, BACK_R = 470, BACK_B = 206;

constexpr VxPoint wall_l(int x, int h) { return left_wall_point(BACK_L, BACK_T, BACK_B, x, h); }
VxPoint wall_l_fn(int x, int h) { return wall_l(x, h); }

constexpr side_door bathroom_door = {64, 140, 720, 70, 134, 700, 78, 126, 100, 240, 300, 2, 124, 430};

// The grand piano at the right, its lid propped up along the straight side.
constexpr VxPoint piano_lid[] = {{334, 210}, {352, 112}, {420, 64}, {520, 50}, {560, 64}, {548, 166}};
constexpr VxPoint piano_rim[] = {{330, 214}, {546, 166}, {578, 168}, {598, 180}, {604, 196}, {594, 212},
                                 {566, 222}, {530, 226}, {500, 234}, {478, 246}, {462, 254}};
constexpr VxPoint piano_side[] = {{330, 214}, {462, 254}, {478, 246}, {500, 234}, {530, 226}, {566, 222},
                                  {594, 212}, {604, 196}, {604, 222}, {594, 238}, {566, 248}, {530, 252},
                                  {500, 260}, {478, 272}, {462, 280}, {330, 240}};
constexpr VxPoint keyboard[] = {{330, 240}, {462, 280}, {456, 292}, {318, 250}};
constexpr VxPoint key_cheek[] = {{318, 250}, {456, 292}, {456, 300}, {318, 258}};
constexpr VxPoint music_stand[] = {{352, 214}, {420, 234}, {424, 204}, {358, 186}};
constexpr VxPoint score_pages[] = {{360, 212}, {414, 228}, {418, 206}, {364, 190}};
constexpr VxPoint leg_front_left[] = {{334, 256}, {344, 259}, {342, 312}, {336, 312}};
constexpr VxPoint leg_front_right[] = {{446, 292}, {456, 294}, {454, 326}, {448, 326}};
constexpr VxPoint leg_tail[] = {{584, 236}, {594, 234}, {592, 290}, {586, 290}};

void draw_room() {
    draw_room_box(BACK_L, BACK_T, BACK_R, BACK_B);
    // Wainscot along the walls and a parquet floor.
    draw_rail(BACK_L, BACK_R, 170, 220);
    for (int x = BACK_L + 20; x < BACK_R; x += 40)
        if (x < 262 || x > 378) vx_draw_rect(x - 12, 178, x + 12, 200);
    draw_floor_boards(200, 460, 30, BACK_B, 301, 150);
    // Rows of the parquet across the floor, closer together far away.
    constexpr int rows[] = {222, 244, 274, 314};
    for (int y : rows) {
        int half = 150 + (y - BACK_B) * 151 / 123;
        vx_draw_line(320 - half, y, 320 + half, y);
    }
}

void draw_back_wall() {
    // The balcony's glazed double door under a fanlight.
    vx_draw_arc(320, 92, 44, 30, 0, 180);
    vx_draw_arc(320, 92, 38, 24, 0, 180);
    for (int a = 0; a < 5; ++a) {
        constexpr int dx[] = {-34, -22, 0, 22, 34};
        constexpr int dy[] = {-10, -20, -24, -20, -10};
        vx_draw_line(320, 92, 320 + dx[a], 92 + dy[a]);
    }
    vx_draw_rect(276, 92, 364, BACK_B);
    draw_panes(282, 98, 318, 190, 2, 4);
    draw_panes(322, 98, 358, 190, 2, 4);
    vx_draw_circle(314, 150, 2);
    vx_draw_circle(326, 150, 2);
    // Two tall windows with draped curtains.
    for (int i = 0; i < 2; ++i) {
        int x = i == 0 ? 192 : 392;
        draw_paned_window(x, 62, x + 56, 160, 4, 2, 4);
        vx_draw_line(x - 8, 56, x + 64, 56);
        vx_draw_arc(x + 2, 110, 8, 50, 90, 270);
        vx_draw_arc(x + 54, 110, 8, 50, 270, 450);
        vx_draw_line(x - 8, 164, x + 64, 164);
    }
}

void draw_chandelier() {
    vx_draw_line(320, 8, 320, 18);
    vx_draw_arc(320, 26, 40, 8, 180, 360);
    vx_draw_line(280, 26, 360, 26);
    for (int i = 0; i < 5; ++i) {
        int x = 284 + i * 18;
        vx_draw_line(x, 20, x, 28);
        vx_draw_arc(x, 18, 2, 3, 0, 360);
        vx_draw_line(320, 18, x, 26);
    }
}

void draw_piano() {
    occlude(piano_lid);
    vx_draw_line(350, 200, 370, 110);
    vx_draw_line(540, 160, 552, 70);
    occlude(piano_rim);
    // The strings and the iron frame inside the open case.
    for (int i = 0; i < 9; ++i) vx_draw_line(378 + i * 20, 208 - i * 4, 420 + i * 18, 236 - i * 3);
    vx_draw_arc(560, 196, 26, 14, 270, 90);
    // The prop stick from the rim to the lid.
    vx_draw_line(540, 216, 512, 60);
    vx_draw_line(543, 216, 515, 60);
    occlude(music_stand);
    vx_draw_line(360, 204, 418, 222);
    if (flag_test(F_SCORE_ON_STAND_CEILING_SIGN)) {
        // The score open on the stand: two pages of staves.
        occlude(score_pages);
        vx_draw_line(389, 200, 387, 220);
        for (int s = 0; s < 3; ++s)
            for (int i = 0; i < 2; ++i) {
                int x = i == 0 ? 364 : 392;
                int y = 196 + s * 7 + i * 8;
                vx_draw_line(x + 2, y, x + 22, y + 5);
            }
        vx_draw_circle(372, 200, 1);
        vx_draw_circle(398, 212, 1);
    }
    occlude(piano_side);
    occlude(leg_front_left);
    occlude(leg_front_right);
    occlude(leg_tail);
    occlude(keyboard);
    occlude(key_cheek);
    // White keys and the raised black ones.
    for (int i = 1; i < 22; ++i) {
        int x = 330 + i * 6, y = 240 + i * 40 / 22;
        vx_draw_line(x, y, x - 10, y + 10);
    }
    black();
    for (int i = 1; i < 22; ++i) {
        if (i % 7 == 3 || i % 7 == 0) continue;
        int x = 330 + i * 6, y = 240 + i * 40 / 22;
        vx_fill_rect(x - 2, y + 1, x + 1, y + 4);
    }
    white();
}

void draw_stool() {
    constexpr int x = 376, y = 292;
    for (int i = -1; i <= 1; i += 2) {
        black();
        vx_fill_rect(x + i * 16 - 2, y, x + i * 16 + 2, 326);
        white();
        vx_draw_rect(x + i * 16 - 2, y, x + i * 16 + 2, 326);
    }
    occlude_rect(x - 22, y - 4, x + 22, y + 8);
    occlude_ellipse(x, y - 4, 22, 7);
    vx_draw_line(x - 16, 318, x + 16, 318);
}

}  // namespace

void area_music_room_draw() {
    draw_room();
    draw_back_wall();
    draw_side_door(wall_l_fn, bathroom_door);
    draw_chandelier();
    draw_piano();
    draw_stool();
}
