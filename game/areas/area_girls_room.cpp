// The girl's room: an antique bed, a bookcase of children's books with the
// piano score among them and a doll on top, and a desk pushed against the
// door to the music room, which can only be climbed over.
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
    {vi_backward, ai_corridor_2f_l, F_DOOR_CORRIDOR_2F_L_GIRLS_ROOM},
};

bool score_here() { return flag_test(F_SCORE_FOUND) && flag_test_not(F_SCORE_TAKEN) && !has_item(ni_score); }
bool doll_here() { return flag_test_not(F_DOLL_TAKEN) && !has_item(ni_doll); }

void look_room() {
    area_print_description(ai_girls_room);
    message("女の子の部屋らしく、淡い色のカーテンが掛かっている。");
    message("正面の%nlの脇に、頭板と足板に波形の飾りのついたアンティークの%nlがある。", ni_window, ni_bed);
    message("右手には%nlがあり、児童書がぎっしりと並んでいる。", ni_bookshelf);
    if (doll_here()) message("本棚の上には%nlが飾られている。", ni_doll);
    message("左手の壁の扉%nwの前には、ふさぐように%nlと%nlが置かれている。", ni_left_door, ni_desk, ni_chair);
    if (flag_test(F_DOOR_GIRLS_ROOM_MUSIC_ROOM)) message("机の向こうの扉は音楽室に通じている。");
    if (flag_test(F_DOOR_CORRIDOR_2F_L_GIRLS_ROOM))
        message("背後の扉は廊下に通じている。");
    else
        message("背後には扉%nwがある。", ni_back_door);
}

int no_noun(int vid) {
    switch (vid) {
    case vi_left:
        // The desk stands against the door: over it, then through.
        message("あなたは机を乗り越えた。");
        door_move(ai_music_room, F_DOOR_GIRLS_ROOM_MUSIC_ROOM);
        return 1;
    default:
        return exit_or_look(exits, vid, look_room);
    }
}

void examine_books() {
    if (flag_test_not(F_SCORE_FOUND)) {
        message("児童書ばかりだと思ったが、よく見ると%nlがある。", ni_score);
        flag_set(F_SCORE_FOUND);
    } else if (score_here()) {
        message("児童書の間に%nlが挟まっている。", ni_score);
    } else {
        message("童話や絵本ばかりで、ほかに変わったものはない。");
    }
}

int bookshelf(int vid) {
    switch (vid) {
    case vi_look:
        message("白く塗られた本棚だ。童話や絵本などの児童書がぎっしりと並んでいる。");
        if (score_here()) message("児童書の間に%nlが挟まっている。", ni_score);
        if (doll_here()) message("本棚の上には%nlが飾られている。", ni_doll);
        return 1;
    case vi_examine:
        examine_books();
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
        message("本がぎっしり詰まっていて、重くて動かせない。");
        return 1;
    case vi_up:
        msg_cannot_climb();
        return 1;
    case vi_get:
        msg_too_big();
        return 1;
    default:
        return 0;
    }
}

int desk(int vid, int *noun_here) {
    switch (vid) {
    case vi_look:
        message("小さな勉強机だ。左手の扉の前をふさぐように置かれている。");
        return 1;
    case vi_examine:
    case vi_open:
        message("机の抽斗には、色鉛筆や便箋が入っているだけだ。");
        return 1;
    case vi_up:
    case vi_enter:
        // Climbing over the desk is the way through the door behind it.
        return area_call_handler(get_cur_area(), vi_left, ni_invalid, noun_here);
    case vi_move:
    case vi_push:
    case vi_pull:
        message("机は床に固定されているかのように動かない。乗り越えるしかなさそうだ。");
        return 1;
    case vi_get:
        msg_too_big();
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_girls_room_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return no_noun(vid);

    case ni_room:
        return room_noun(vid, noun_here);

    case ni_door:
        if (vid == vi_look || opens_door(vid)) {
            msg_several_doors({ni_left_door, ni_back_door});
            return 1;
        }
        return 0;

    case ni_back_door:
        return door_noun(vid, vi_backward, nullptr, noun_here);

    case ni_left_door:
        return door_noun(vid, vi_left, "机の向こうにある扉だ。机が邪魔で、乗り越えないと通れない。", noun_here);

    case ni_bookshelf:
        return bookshelf(vid);

    case ni_book:
        if (vid == vi_look || vid == vi_examine) {
            examine_books();
            return 1;
        }
        if (vid == vi_read) {
            message("童話を一冊手に取ってぱらぱらとめくってみたが、特に役立ちそうなことは書いていない。");
            return 1;
        }
        if (vid == vi_get) {
            msg_no_need_to_carry();
            return 1;
        }
        return 0;

    case ni_score:
        return lying_item(vid, nid, flag_test(F_SCORE_FOUND) && flag_test_not(F_SCORE_TAKEN), F_SCORE_TAKEN, noun_here);

    case ni_doll:
        return lying_item(vid, nid, flag_test_not(F_DOLL_TAKEN), F_DOLL_TAKEN, noun_here);

    case ni_desk:
        return desk(vid, noun_here);

    case ni_chair:
        if (vid == vi_look) {
            message("机とお揃いの、小さな木の椅子だ。");
            return 1;
        }
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            message("椅子をどけても、机が扉をふさいでいることに変わりはない。");
            return 1;
        }
        return 0;

    case ni_bed:
        if (vid == vi_look) {
            message("アンティークのベッドだ。頭板と足板の縁が、波のような曲線に彫られている。");
            return 1;
        }
        if (vid == vi_examine) {
            message("ふんわりとしたベッドカバーが掛けられている。下を覗いても何もない。");
            return 1;
        }
        if (vid == vi_enter) {
            message("寝転んでみたが、こんなところで休んでいる場合ではない。");
            return 1;
        }
        if (vid == vi_get || vid == vi_move) {
            msg_too_big();
            return 1;
        }
        return 0;

    case ni_mattress:
        if (vid == vi_look || vid == vi_examine || vid == vi_remove) {
            message("マットレスの下にも何もないようだ。");
            return 1;
        }
        return 0;

    case ni_window:
        if (vid == vi_look) {
            message("フリルのついたカーテンが掛かった窓だ。外には荒れた庭が見えるばかりだ。");
            return 1;
        }
        if (vid == vi_open || vid == vi_exit) {
            message("窓は錆びついていて開かない。");
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

constexpr int BACK_L = 180, BACK_T = 55, BACK_R = 460, BACK_B = 200;

constexpr VxPoint wall_l(int x, int h) { return left_wall_point(BACK_L, BACK_T, BACK_B, x, h); }
VxPoint wall_l_fn(int x, int h) { return wall_l(x, h); }

// The door in the left wall, half hidden behind the desk.
constexpr side_door music_door = {92, 164, 720, 98, 158, 700, 106, 150, 120, 220, 280, 2, 148, 420};

// The desk against that door, and its chair.
constexpr VxPoint desk_top[] = {{78, 184}, {168, 150}, {212, 150}, {148, 184}};
constexpr VxPoint desk_side[] = {{148, 184}, {212, 150}, {212, 208}, {148, 282}};
constexpr VxPoint desk_end[] = {{78, 184}, {148, 184}, {148, 282}, {78, 282}};
constexpr VxPoint chair_back[] = {{214, 150}, {258, 150}, {256, 206}, {216, 206}};
constexpr VxPoint chair_seat[] = {{204, 206}, {262, 206}, {270, 222}, {196, 222}};

// The antique bed: scalloped head and foot boards.
constexpr VxPoint bed_side[] = {{300, 170}, {281, 242}, {281, 300}, {300, 200}};
constexpr VxPoint mattress[] = {{300, 170}, {390, 170}, {455, 242}, {281, 242}};
constexpr VxPoint cover[] = {{292, 196}, {418, 196}, {455, 242}, {457, 262}, {281, 262}, {276, 244}};
constexpr VxPoint pillow[] = {{306, 172}, {316, 162}, {378, 162}, {386, 172}, {376, 182}, {314, 182}};

constexpr VxPoint curtain_left[] = {{196, 80}, {200, 120}, {210, 140}, {198, 170}};
constexpr VxPoint curtain_right[] = {{276, 80}, {272, 120}, {262, 140}, {274, 170}};
constexpr VxPoint bookcase_side[] = {{470, 68}, {478, 60}, {478, 306}, {470, 296}};
constexpr VxPoint doll_dress[] = {{0, 0}, {-14, 0}, {-8, -20}, {-4, -26}, {4, -26}, {8, -20}, {14, 0}};

void draw_room() {
    draw_room_box(BACK_L, BACK_T, BACK_R, BACK_B);
    // A frieze of little flowers along the top of the walls.
    vx_draw_line(BACK_L, 68, BACK_R, 68);
    for (int x = BACK_L + 12; x < BACK_R; x += 24) {
        vx_draw_circle(x, 62, 2);
        vx_draw_line(x - 4, 62, x + 4, 62);
    }
    // Floorboards and an oval rug.
    draw_floor_boards(208, 450, 36, BACK_B, 301, 140);
    black();
    vx_fill_arc(330, 300, 130, 22, 0, 360);
    white();
    vx_draw_arc(330, 300, 130, 22, 0, 360);
    vx_draw_arc(330, 300, 116, 16, 0, 360);
}

void draw_window() {
    draw_paned_window(204, 82, 268, 160, 4, 2, 3);
    // A frilled valance and curtains tied back.
    for (int x = 196; x < 276; x += 10) vx_draw_arc(x + 5, 80, 5, 5, 180, 360);
    vx_draw_line(196, 80, 276, 80);
    polyline(curtain_left);
    polyline(curtain_right);
}

void draw_desk() {
    draw_side_door(wall_l_fn, music_door);
    occlude(desk_end);
    occlude(desk_side);
    occlude(desk_top);
    // Drawers on the side facing the room, a lamp and a book on top.
    for (int i = 0; i < 3; ++i) {
        const VxPoint d[] = {{152, 196 + i * 26}, {176, 183 + i * 20}, {176, 199 + i * 20}, {152, 216 + i * 26}};
        outline(d);
    }
    vx_draw_line(88, 196, 138, 196);
    vx_draw_line(130, 150, 130, 172);
    vx_draw_line(130, 150, 148, 140);
    black();
    vx_fill_arc(150, 146, 12, 8, 180, 360);
    white();
    vx_draw_arc(150, 146, 12, 8, 180, 360);
    vx_draw_line(138, 146, 162, 146);
    occlude_ellipse(130, 174, 10, 3);
    // The chair beside the desk.
    occlude(chair_back);
    vx_draw_rect(222, 158, 250, 196);
    occlude(chair_seat);
    vx_draw_line(200, 222, 200, 262);
    vx_draw_line(266, 222, 266, 262);
    vx_draw_line(214, 222, 214, 252);
    vx_draw_line(252, 222, 252, 252);
}

// A board with a wavy top edge of scallops each `step` wide.
void scalloped_board(int x1, int x2, int top, int bottom, int step) {
    black();
    vx_fill_rect(x1, top, x2, bottom);
    for (int x = x1; x < x2; x += step) vx_fill_arc(x + step / 2, top, step / 2, step / 3, 0, 180);
    white();
    vx_draw_line(x1, top, x1, bottom);
    vx_draw_line(x2, top, x2, bottom);
    vx_draw_line(x1, bottom, x2, bottom);
    for (int x = x1; x < x2; x += step) vx_draw_arc(x + step / 2, top, step / 2, step / 3, 0, 180);
}

void draw_bed() {
    scalloped_board(294, 396, 126, 200, 17);
    vx_draw_rect(304, 140, 386, 168);
    occlude_rect(290, 116, 298, 200);
    occlude_rect(392, 116, 400, 200);
    occlude(bed_side);
    occlude(mattress);
    occlude(pillow);
    occlude(cover);
    for (int i = 1; i < 4; ++i) vx_draw_line(292 + i * 32, 196, 281 + i * 44, 262);
    scalloped_board(276, 460, 228, 306, 23);
    vx_draw_rect(290, 246, 446, 296);
    vx_draw_arc(368, 271, 30, 14, 0, 360);
    occlude_rect(268, 214, 280, 314);
    occlude_rect(456, 214, 468, 314);
    vx_draw_circle(274, 208, 6);
    vx_draw_circle(462, 208, 6);
}

void draw_bookcase() {
    occlude(bookcase_side);
    occlude_rect(478, 60, 604, 306);
    // Four shelves of children's books, spines of varying heights.
    for (int s = 0; s < 4; ++s) {
        int base = 118 + s * 54;
        vx_draw_line(482, base, 600, base);
        for (int x = 486; x < 596; x += 9) {
            int h = 36 + (x * 7 + s * 13) % 14;
            vx_draw_rect(x, base - h, x + 7, base);
            if ((x / 9 + s) % 3 == 0) vx_draw_line(x + 2, base - h + 6, x + 5, base - h + 6);
        }
    }
    vx_draw_line(478, 66, 604, 66);
}

void draw_doll() {
    constexpr int x = 540, y = 60;
    occlude_at(doll_dress, x, y);
    vx_draw_arc(x, y, 14, 4, 180, 360);
    occlude_circle(x, y - 32, 7);
    // Long hair, a bow and the eyes.
    vx_draw_line(x - 7, y - 34, x - 10, y - 20);
    vx_draw_line(x + 7, y - 34, x + 10, y - 20);
    vx_draw_line(x - 6, y - 41, x + 6, y - 37);
    vx_draw_line(x - 6, y - 37, x + 6, y - 41);
    vx_fill_circle(x - 3, y - 32, 1);
    vx_fill_circle(x + 3, y - 32, 1);
    vx_draw_line(x - 8, y - 20, x - 14, y - 12);
    vx_draw_line(x + 8, y - 20, x + 14, y - 12);
}

}  // namespace

void area_girls_room_draw() {
    draw_room();
    draw_window();
    draw_bed();
    draw_desk();
    draw_bookcase();
    if (flag_test_not(F_DOLL_TAKEN)) draw_doll();
    // A frilled lamp shade hanging from the ceiling.
    draw_hanging_lamp(330, 8, 24, 38, 22, 12);
    for (int x = 310; x < 352; x += 7) vx_draw_arc(x + 3, 38, 3, 3, 180, 360);
}
