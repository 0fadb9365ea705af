// The secret room behind the library: the former owner's refuge, where his
// skeleton still sits in the magic circle. His notebook, the spell book and
// a letter lie here; the candle on the altar and the incense burnt in its
// flame charge the circle that the incantation needs.
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

#include <cmath>
#include <initializer_list>

namespace {

constexpr area_exit exits[] = {
    {vi_backward, ai_library},
    {vi_exit, ai_library},
};

void look_room() {
    area_print_description(ai_secret_room);
    message("床一面に大きな%nlが描かれ、その奥の壁際に%nlが座り込んでいる。", ni_magic_circle, ni_skeleton);
    if (flag_test(F_CIRCLE_CHARGED)) message("魔法陣全体が、かすかに光を帯びているように見える。");
    if (flag_test(F_CANDLE_ON_ALTAR))
        message("左手には石造りの%nlがあり、燭台では%nnが燃えている。", ni_altar, ni_candle);
    else
        message("左手には石造りの%nlがあり、燭台が据えられている。", ni_altar);
    message("右手の低い%nlの上には、%nlと%nlが置かれている。", ni_table, ni_book, ni_letter);
    if (flag_test(F_NOTEBOOK_FELL)) msg_lying_beside();
    message("背後の通路は図書室に通じている。");
}

int skeleton(int vid) {
    switch (vid) {
    case vi_look:
        message("ぼろぼろの背広をまとった白骨死体だ。魔法陣の中で、壁にもたれるようにして座り込んでいる。");
        if (flag_test(F_NOTEBOOK_FELL)) msg_lying_beside();
        return 1;
    case vi_examine:
        if (flag_test_not(F_NOTEBOOK_FELL)) {
            message("死体を調べていると、懐から何かが落ちた。");
            flag_set(F_NOTEBOOK_FELL);
            msg_lying_beside();
        } else {
            message("ほかには何も持っていないようだ。");
        }
        return 1;
    case vi_touch:
        message("乾ききった骨の感触が指に伝わってきた。");
        return 1;
    case vi_get:
    case vi_move:
    case vi_pull:
    case vi_push:
        message("死者をそっとしておいてやろう。");
        return 1;
    case vi_break:
    case vi_hit:
    case vi_kick:
        message("死者を冒涜するような真似はやめておこう。");
        return 1;
    case vi_pray:
        message("あなたは骸骨に向かって手を合わせた。");
        return 1;
    default:
        return 0;
    }
}

// The notebook stays by its owner: it is read here and recalled later.
int notebook(int vid) {
    switch (vid) {
    case vi_look:
        describe(ni_pocket_notebook);
        return 1;
    case vi_read:
    case vi_examine:
        doc_owner_confession_full();
        flag_set(F_NOTEBOOK_READ);
        return 1;
    case vi_get:
        message("手帳は持ち主のもとに置いておこう。中身を読めば十分だ。");
        return 1;
    default:
        return 0;
    }
}

int book(int vid) {
    switch (vid) {
    case vi_look:
        message("古びた革装の本だ。表紙には%nnと記されている。", ni_another_world);
        return 1;
    case vi_read:
    case vi_examine:
        doc_spell_book_full();
        flag_set(F_SECRET_BOOK_READ);
        return 1;
    case vi_get:
        message("分厚く重い本だ。必要なところを読めば十分だろう。");
        return 1;
    default:
        return 0;
    }
}

int letter(int vid) {
    switch (vid) {
    case vi_look:
        message("封の切られた古い封書だ。");
        return 1;
    case vi_read:
    case vi_examine:
        read_item(ni_letter);
        flag_set(F_SECRET_LETTER_READ);
        return 1;
    case vi_get:
        msg_no_need_to_carry();
        return 1;
    default:
        return 0;
    }
}

void place_candle() {
    message("蝋燭を燭台に置いた。");
    flag_set(F_CANDLE_ON_ALTAR);
    remove_item(ni_candle);
}

void take_candle() {
    take_item(ni_candle, -1);
    flag_clear(F_CANDLE_ON_ALTAR);
    if (flag_test(F_CIRCLE_CHARGED)) {
        message("魔法陣から力を感じなくなった。");
        flag_clear(F_CIRCLE_CHARGED);
    }
}

int candle(int vid, int *noun_here) {
    if (has_item(ni_candle)) {
        if (vid == vi_put || vid == vi_use) {
            place_candle();
            return 1;
        }
        *noun_here = 0;
        return 0;
    }
    if (flag_test_not(F_CANDLE_ON_ALTAR)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        message("祭壇の燭台で、%nnが静かに燃えている。", ni_candle);
        return 1;
    case vi_get:
        take_candle();
        return 1;
    case vi_put:
    case vi_use:
        message("蝋燭はもう置かれている。");
        return 1;
    default:
        return 0;
    }
}

void burn_incense() {
    if (flag_test_not(F_CANDLE_ON_ALTAR)) {
        message("祭壇に火が必要だ。");
        return;
    }
    if (flag_test(F_CIRCLE_CHARGED)) {
        message("これ以上、香を焚く必要もないだろう。");
        return;
    }
    message("小瓶の中の粉をひとつまみ蝋燭の火にくべると、あたりに奇妙な香りが広がった。");
    event_circle_power();
    flag_set(F_CIRCLE_CHARGED);
}

}  // namespace

int area_secret_room_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    switch (nid) {
    case ni_invalid:
        return exit_or_look(exits, vid, look_room);

    case ni_room:
        return room_noun(vid, noun_here);

    case ni_passage:
    case ni_door:
    case ni_back_door:
        if (vid == vi_enter) return redispatch(vi_backward, noun_here);
        return door_noun(vid, vi_backward, "図書室の本棚の裏へと戻る、狭い通路だ。", noun_here);

    case ni_skeleton:
        return skeleton(vid);

    case ni_pocket_notebook:
    case ni_secret_room_note:
        if (flag_test_not(F_NOTEBOOK_FELL)) break;
        return notebook(vid);

    case ni_book:
    case ni_another_world:
    case ni_secret_room_book:
        return book(vid);

    case ni_letter:
    case ni_secret_room_letter:
        return letter(vid);

    case ni_table:
        if (vid == vi_look) {
            message("脚の短い低いテーブルだ。上には%nlと%nlが置かれている。", ni_book, ni_letter);
            return 1;
        }
        if (vid == vi_get || vid == vi_move) {
            msg_no_need_to_carry();
            return 1;
        }
        return 0;

    case ni_altar:
        if (vid == vi_look || vid == vi_examine) {
            message("四角い石を積んだ祭壇だ。上に燭台が据えられている。");
            if (flag_test(F_CANDLE_ON_ALTAR))
                message("燭台では%nnが燃えている。", ni_candle);
            else
                message("燭台には、溶けた古い蝋がこびりついているだけだ。");
            return 1;
        }
        if (vid == vi_get || vid == vi_move) {
            msg_too_heavy();
            return 1;
        }
        return 0;

    case ni_candle:
        return candle(vid, noun_here);

    case ni_bottle:
        if (!has_item(ni_bottle)) break;
        if (vid == vi_use) {
            burn_incense();
            return 1;
        }
        return 0;

    case ni_magic_circle:
        switch (vid) {
        case vi_look:
            if (flag_test(F_CIRCLE_CHARGED))
                message("床一面に描かれた大きな魔法陣だ。内側の円と印が、かすかに光を帯びている。");
            else
                message("床一面に描かれた大きな魔法陣だ。内側の線はかすれて、ほとんど見分けられない。");
            return 1;
        case vi_examine:
            message("円の縁に沿って、見たこともない文字がびっしりと書き込まれている。");
            return 1;
        case vi_erase:
            message("この部屋を守ってきた魔法陣だ。消すのはやめておいた方がいい。");
            return 1;
        case vi_enter:
            msg_nothing_happened();
            return 1;
        default:
            return 0;
        }

    default:
        break;
    }
    return unknown_noun(nid, noun_here);
}

// ---- Picture ----

namespace {

// A low stone chamber: the back wall, and the circle filling the floor.
constexpr int WALL_L = 150, WALL_T = 40, WALL_R = 490, WALL_B = 190;
constexpr int CIRCLE_X = 320, CIRCLE_Y = 262;

// A point on an ellipse round (x, y) at deg degrees (y downwards).
VxPoint on_ellipse(int x, int y, int rx, int ry, int deg) {
    double a = deg * 3.14159265358979 / 180.0;
    return {x + static_cast<int>(std::lround(rx * std::cos(a))), y + static_cast<int>(std::lround(ry * std::sin(a)))};
}

constexpr VxPoint altar_top[] = {{40, 196}, {130, 196}, {150, 212}, {60, 212}};
constexpr VxPoint altar_front[] = {{60, 212}, {150, 212}, {150, 292}, {60, 292}};
constexpr VxPoint altar_side[] = {{40, 196}, {60, 212}, {60, 292}, {40, 276}};
constexpr VxPoint flame[] = {{105, 110}, {110, 124}, {112, 134}, {105, 140}, {98, 134}, {100, 124}};

constexpr VxPoint table_top[] = {{500, 226}, {600, 226}, {616, 246}, {488, 246}};
constexpr VxPoint book_cover[] = {{506, 216}, {546, 212}, {558, 226}, {514, 232}};
constexpr VxPoint book_side[] = {{514, 232}, {558, 226}, {558, 232}, {514, 238}};
constexpr VxPoint letter_sheet[] = {{566, 224}, {594, 220}, {602, 232}, {572, 236}};

// The skeleton sits against the back wall at the circle's far edge.
constexpr VxPoint ribs[] = {{302, 160}, {338, 160}, {344, 196}, {332, 214}, {308, 214}, {296, 196}};
constexpr VxPoint pelvis[] = {{302, 214}, {338, 214}, {344, 226}, {320, 232}, {296, 226}};
constexpr VxPoint leg_left[] = {{300, 222}, {262, 206}, {246, 240}, {254, 242}, {266, 216}, {306, 230}};
constexpr VxPoint leg_right[] = {{340, 222}, {378, 206}, {394, 240}, {386, 242}, {374, 216}, {334, 230}};
constexpr VxPoint notebook_shape[] = {{364, 246}, {382, 240}, {392, 250}, {374, 256}};

void draw_room() {
    draw_room_box(WALL_L, WALL_T, WALL_R, WALL_B);
    // Rough stone courses on the back wall, every other row offset.
    for (int row = 0; row < 6; ++row) {
        int y = WALL_T + 25 * row;
        if (row > 0) vx_draw_line(WALL_L, y, WALL_R, y);
        for (int x = WALL_L + (row % 2 ? 20 : 40); x < WALL_R; x += 40) vx_draw_line(x, y, x, y + 25);
    }
    // The low vaulted ceiling.
    vx_draw_arc(320, WALL_T, 170, 24, 180, 360);
    for (int x = 60; x < 600; x += 90) vx_draw_line(x, 8 + (x < 320 ? (320 - x) / 30 : (x - 320) / 30), 320 + (x - 320) / 2, WALL_T);
}

void draw_circle() {
    vx_draw_arc(CIRCLE_X, CIRCLE_Y, 230, 56, 0, 360);
    vx_draw_arc(CIRCLE_X, CIRCLE_Y, 218, 52, 0, 360);
    // Runes between the outer rings.
    for (int i = 0; i < 24; ++i) {
        int a = i * 15;
        VxPoint p = on_ellipse(CIRCLE_X, CIRCLE_Y, 224, 54, a);
        vx_draw_line(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
        vx_draw_line(p.x + 2, p.y - 2, p.x - 2, p.y + 2);
    }
}

// Charged, the circle shows its inner ring and the star within it.
void draw_circle_power() {
    vx_draw_arc(CIRCLE_X, CIRCLE_Y, 150, 36, 0, 360);
    VxPoint star[5];
    for (int i = 0; i < 5; ++i) star[i] = on_ellipse(CIRCLE_X, CIRCLE_Y, 150, 36, 270 + i * 72);
    for (int i = 0; i < 5; ++i) vx_draw_line(star[i].x, star[i].y, star[(i + 2) % 5].x, star[(i + 2) % 5].y);
    // Signs between the rings, each a small eye.
    for (int i = 0; i < 8; ++i) {
        VxPoint p = on_ellipse(CIRCLE_X, CIRCLE_Y, 186, 45, 22 + i * 45);
        vx_draw_arc(p.x, p.y, 6, 3, 0, 360);
        vx_fill_circle(p.x, p.y, 1);
    }
    // Rays of faint light rising from the rings.
    for (int x = 110; x <= 530; x += 60) vx_draw_line(x, 236, x, 224);
}

void draw_skeleton() {
    occlude(leg_left);
    occlude(leg_right);
    occlude(ribs);
    for (int y = 170; y < 210; y += 9) vx_draw_arc(320, y, 20, 4, 0, 180);
    vx_draw_line(320, 162, 320, 212);
    occlude(pelvis);
    // Arms hanging down beside the body, hands on the floor.
    vx_draw_line(300, 164, 284, 200);
    vx_draw_line(284, 200, 286, 230);
    vx_draw_line(340, 164, 356, 200);
    vx_draw_line(356, 200, 354, 230);
    for (int i = 0; i < 3; ++i) {
        vx_draw_line(286, 230, 280 + i * 4, 238);
        vx_draw_line(354, 230, 352 + i * 4, 238);
    }
    // The skull, tipped to one side.
    occlude_ellipse(324, 142, 14, 17);
    occlude_ellipse(318, 140, 4, 4);
    occlude_ellipse(330, 140, 4, 4);
    vx_draw_line(324, 146, 322, 150);
    for (int x = 316; x <= 332; x += 4) vx_draw_line(x, 152, x, 156);
}

void draw_altar() {
    occlude(altar_side);
    occlude(altar_top);
    occlude(altar_front);
    for (int y = 232; y < 292; y += 20) vx_draw_line(60, y, 150, y);
    for (int y = 212, i = 0; y < 292; y += 20, ++i) vx_draw_line(i % 2 ? 90 : 120, y, i % 2 ? 90 : 120, y + 20);
    // The candlestick with a stub of old wax.
    occlude_ellipse(105, 202, 16, 4);
    occlude_rect(101, 166, 109, 202);
    occlude_ellipse(105, 166, 10, 3);
    occlude_rect(100, 156, 110, 165);
}

void draw_flame() {
    occlude_rect(99, 126, 111, 165);
    vx_draw_line(105, 126, 105, 120);
    occlude(flame);
    vx_draw_line(105, 128, 105, 136);
    for (int a = 0; a < 360; a += 45) {
        VxPoint p = on_ellipse(105, 128, 16, 16, a), q = on_ellipse(105, 128, 22, 22, a);
        vx_draw_line(p.x, p.y, q.x, q.y);
    }
}

void draw_table() {
    occlude(table_top);
    occlude_rect(488, 246, 616, 254);
    for (int x : {494, 606}) occlude_rect(x - 4, 254, x + 4, 300);
    occlude(book_side);
    occlude(book_cover);
    vx_draw_line(520, 222, 540, 219);
    occlude(letter_sheet);
    vx_draw_line(566, 224, 584, 230);
    vx_draw_line(584, 230, 594, 220);
}

}  // namespace

void area_secret_room_draw() {
    draw_room();
    draw_circle();
    if (flag_test(F_CIRCLE_CHARGED)) draw_circle_power();
    draw_skeleton();
    if (flag_test(F_NOTEBOOK_FELL)) {
        occlude(notebook_shape);
        vx_draw_line(370, 244, 380, 252);
    }
    draw_altar();
    if (flag_test(F_CANDLE_ON_ALTAR)) draw_flame();
    draw_table();
}
