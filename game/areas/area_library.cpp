// The library: bookshelves on three walls, the study beyond the door at the
// back, the golden key on the floor that a flying toy snatches away, and
// the armour of the study, which comes for anyone busy here while the door
// stands open. A fossil on the floor trips it; the magic circle inside it
// is wiped out with a wet sponge. Behind the books on the right shelf a
// handle releases the shelf, which swings open on the passage to the
// secret room. A ladder against the left shelf reaches its top.
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

bool key_on_floor() { return !fseq_is_running(SEQ_GOLDEN_KEY) && !has_item(ni_golden_key); }
bool fossil_on_floor() { return flag_test(F_FOSSIL_ON_FLOOR) && !has_item(ni_fossil); }
bool armour_lying() { return flag_test(F_LIBRARY_ARMOUR_DOWN); }

void look_room() {
    area_print_description(ai_library);
    message("左右と正面の三方の壁は、天井まで届く%nlになっている。", ni_bookshelf);
    // One shelf a line, so that a wrapped line never splits a shelf's word.
    message("正面の本棚%nwには、経済学や医学の本が並んでいる。", ni_front_bookshelf);
    message("左の本棚%nwには、文学全集がずらりと揃っている。", ni_left_bookshelf);
    message("右の本棚%nwには、%nlなどのオカルトの本が集められている。", ni_right_bookshelf, ni_necromancy);
    if (flag_test(F_STUDY_LIBRARY_DOOR_CLOSED))
        message("正面の本棚の間には扉%nwがあり、閉まっている。", ni_front_door);
    else
        message("正面の本棚の間には扉%nwがあり、開いた扉の向こうに書斎が見える。", ni_front_door);
    if (flag_test(F_PASSAGE_OPEN))
        message("右の本棚は扉のように開いていて、その奥に隠された%nlが口を開けている。", ni_passage);
    else if (flag_test(F_SHELF_HANDLE_FOUND))
        message("右の本棚の本をどけたところに、小さな%nlが見える。", ni_handle);
    if (flag_test(F_LIBRARY_LADDER_PLACED)) message("左の本棚には%nlが立てかけてある。", ni_ladder);
    if (key_on_floor()) message("床の上に%nlが落ちている。", ni_golden_key);
    if (fossil_on_floor()) message("本棚の影には%nlが置いてある。", ni_fossil);
    if (flag_test(F_LIBRARY_ARMOUR_HERE)) {
        msg_armor_stands();
        msg_armor_threatens();
    } else if (armour_lying()) {
        message("床の上には%nlが倒れている。", ni_samurai_armor);
    } else if (flag_test(F_LIBRARY_ARMOUR_GONE)) {
        message("床の上には、ばらばらになった%nlが転がっている。", ni_samurai_armor);
    }
    message("右手には、もう一つ扉%nwがある。", ni_right_door);
    if (flag_test(F_DOOR_CORRIDOR_2F_R_LIBRARY)) message("右の扉は廊下に通じている。");
}

// Leaving sends the armour back to its seat in the study (unless it has
// been destroyed), and lets the toy that took the golden key be seen on
// its way downstairs once the player is in the corridor.
void leave() {
    if (flag_test_not(F_LIBRARY_ARMOUR_GONE)) {
        flag_clear(F_LIBRARY_ARMOUR_COMING);
        flag_clear(F_LIBRARY_ARMOUR_HERE);
        flag_clear(F_SHELF_HANDLE_FOUND);
        flag_clear(F_LIBRARY_ARMOUR_DOWN);
        flag_clear(F_LIBRARY_ARMOUR_RISING);
    }
}

void leave_to_corridor() {
    leave();
    door_move(ai_corridor_2f_r, F_DOOR_CORRIDOR_2F_R_LIBRARY);
    key_thief_flies_off();
}

void enter_passage() {
    if (!has_light() && flag_test_not(F_CANDLE_ON_ALTAR)) {
        msg_too_dark();
        return;
    }
    leave();
    area_request_move(ai_secret_room);
}

int no_noun(int vid) {
    switch (vid) {
    case vi_forward:
        if (flag_test(F_STUDY_LIBRARY_DOOR_CLOSED)) {
            msg_door_closed();
            return 1;
        }
        leave();
        area_request_move(ai_study);
        return 1;
    case vi_right:
    case vi_exit:
        leave_to_corridor();
        return 1;
    case vi_up:
        if (flag_test_not(F_LIBRARY_LADDER_PLACED)) {
            msg_cannot_climb();
            return 1;
        }
        // Up on the shelf the player is out of the room as far as the armour is concerned.
        message("梯子を登った。");
        leave();
        area_request_move(ai_bookshelf);
        return 1;
    case vi_enter:
        if (flag_test_not(F_PASSAGE_OPEN)) return 0;
        enter_passage();
        return 1;
    case vi_look:
        look_room();
        return 1;
    default:
        return 0;
    }
}

int golden_key(int vid, int *noun_here) {
    if (has_item(ni_golden_key)) {
        *noun_here = 0;
        return 0;
    }
    if (!key_on_floor()) {
        if (vid == vi_get || vid == vi_look) {
            message("もう何も落ちていない。");
            return 1;
        }
        *noun_here = 0;
        return 0;
    }
    if (vid == vi_look) {
        describe(ni_golden_key);
        return 1;
    }
    if (vid == vi_get) {
        message("手を伸ばすと、背後からなにか飛び込んできて%nnをさらった。その小さな鳥のようなものは、そのまま部屋の外へと飛び去った。",
                ni_golden_key);
        fseq_start(SEQ_GOLDEN_KEY);
        return 1;
    }
    return 0;
}

int fossil(int vid, int *noun_here) {
    if (has_item(ni_fossil)) {
        if (vid == vi_put) {
            put_item(ni_fossil, F_FOSSIL_ON_FLOOR, "%nnを本棚の影に置いた。");
            return 1;
        }
        *noun_here = 0;
        return 0;
    }
    if (!fossil_on_floor()) {
        *noun_here = 0;
        return 0;
    }
    if (vid == vi_look) {
        message("本棚の影に置いた%nnだ。暗がりでは足元に気づきにくい。", ni_fossil);
        return 1;
    }
    if (vid == vi_get) {
        take_item(ni_fossil, -1);
        flag_clear(F_FOSSIL_ON_FLOOR);
        return 1;
    }
    return 0;
}

int ladder(int vid, int *noun_here) {
    if (has_item(ni_ladder)) {
        if (vid == vi_put || vid == vi_use) {
            remove_item(ni_ladder);
            flag_set_once(F_LIBRARY_LADDER_PLACED, "あなたは本棚に梯子を掛けた。", "梯子はもう立てかけてある。");
            return 1;
        }
        *noun_here = 0;
        return 0;
    }
    if (flag_test_not(F_LIBRARY_LADDER_PLACED)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        message("左の本棚に立てかけた梯子だ。本棚の上まで届いている。");
        return 1;
    case vi_get:
        message("梯子を手に入れた。");
        add_item(ni_ladder);
        flag_clear(F_LIBRARY_LADDER_PLACED);
        return 1;
    case vi_put:
        message("梯子はもう立てかけてある。");
        return 1;
    case vi_up:
    case vi_use:
    case vi_enter:
        return redispatch(vi_up, noun_here);
    default:
        return 0;
    }
}

// Erasing the circle inside the fallen armour is done with the sponge.
int erase_circle() {
    if (flag_test(F_LIBRARY_ARMOUR_GONE)) {
        msg_no_circle_left();
    } else if (!has_item(ni_sponge)) {
        message("手でこすったぐらいでは消えそうにない。");
    } else if (flag_test_not(F_SPONGE_WET)) {
        message("乾いたスポンジで鎧の内側をこすってみたが、魔法陣は消えない。水で濡らさないと無理だろう。");
    } else {
        message("濡れたスポンジで鎧の内側をこすると、魔法陣は消えた。");
        message("もがいていた鎧の四肢が力を失い、がしゃっと床の上に崩れ落ちた。");
        flag_clear(F_LIBRARY_ARMOUR_COMING);
        flag_clear(F_LIBRARY_ARMOUR_DOWN);
        flag_clear(F_LIBRARY_ARMOUR_RISING);
        flag_set(F_LIBRARY_ARMOUR_GONE);
        remove_item(ni_fishing_rod);
        remove_item(ni_sponge);
    }
    return 1;
}

int armour(int vid, int *noun_here) {
    if (flag_test(F_LIBRARY_ARMOUR_HERE)) {
        if (vid == vi_look || vid == vi_examine) {
            msg_armor_stands();
            msg_armor_threatens();
            return 1;
        }
        if (vid == vi_hit || vid == vi_kick || vid == vi_break || vid == vi_get || vid == vi_touch) {
            message("刀を構えた鎧に素手で立ち向かうのは無謀だ。逃げた方がいい。");
            return 1;
        }
        return 0;
    }
    if (armour_lying()) {
        switch (vid) {
        case vi_look:
            if (flag_test(F_LIBRARY_ARMOUR_RISING))
                message("床に倒れた鎧が、手足をばたつかせて起き上がろうとしている。");
            else
                message("化石に蹴躓いた鎧が、床の上にあおむけに倒れている。");
            return 1;
        case vi_examine:
            message("鎧の中は空っぽだ。胴鎧の内側に%nlのようなものが描いてある。", ni_magic_circle);
            return 1;
        case vi_get:
            msg_too_heavy();
            return 1;
        default:
            return 0;
        }
    }
    if (flag_test(F_LIBRARY_ARMOUR_GONE)) {
        switch (vid) {
        case vi_look:
            message("ばらばらになった鎧が床に転がっている。もう動き出す気配はない。");
            return 1;
        case vi_examine:
            message("鎧の中は空っぽだ。胴鎧の内側の魔法陣は、きれいに消えている。");
            return 1;
        case vi_get:
            msg_too_heavy();
            return 1;
        default:
            return 0;
        }
    }
    // Otherwise it sits in the study, seen through the open door.
    if (flag_test_not(F_STUDY_LIBRARY_DOOR_CLOSED)) {
        if (vid == vi_look) {
            message("開いた扉の向こうの書斎に、鎧が座っているのが見える。");
            return 1;
        }
        msg_too_far();
        return 1;
    }
    *noun_here = 0;
    return 0;
}

int magic_circle(int vid, int *noun_here) {
    if (!armour_lying() && flag_test_not(F_LIBRARY_ARMOUR_GONE)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
    case vi_examine:
        if (flag_test(F_LIBRARY_ARMOUR_GONE))
            msg_no_circle_left();
        else
            message("胴鎧の内側に描かれた奇妙な図形だ。見ていると、図形がかすかに脈打っているような気がする。");
        return 1;
    case vi_erase:
    case vi_touch:
        if (vid == vi_touch && flag_test_not(F_LIBRARY_ARMOUR_GONE)) {
            message("手でこすったぐらいでは消えそうにない。");
            return 1;
        }
        return erase_circle();
    default:
        return 0;
    }
}

int right_bookshelf(int vid) {
    switch (vid) {
    case vi_look:
    case vi_examine:
        message("オカルトや心霊術の本ばかりが並んだ本棚だ。");
        message("中に%nlという本がある。", ni_necromancy);
        if (flag_test(F_PASSAGE_OPEN))
            message("本棚は扉のように開いていて、奥に%nlが続いている。", ni_passage);
        else if (flag_test(F_SHELF_HANDLE_FOUND))
            message("本をどけたところに小さな%nlがある。", ni_handle);
        return 1;
    case vi_move:
    case vi_push:
    case vi_pull:
        if (flag_test(F_PASSAGE_OPEN))
            message("本棚はもう動かしてある。");
        else if (flag_test(F_SHELF_HANDLE_DOWN)) {
            message("本棚を動かすと隠された%nlが現れた。", ni_passage);
            flag_set(F_PASSAGE_OPEN);
        } else {
            msg_does_not_budge();
        }
        return 1;
    case vi_up:
        msg_cannot_climb();
        return 1;
    default:
        return 0;
    }
}

int books(int vid) {
    switch (vid) {
    case vi_look:
        message("経済学、医学、文学、そしてオカルト。ありとあらゆる本が並んでいる。");
        return 1;
    case vi_read:
    case vi_examine:
        message("右の本棚のオカルトの本の中に、%nlという本が目にとまった。", ni_necromancy);
        return 1;
    case vi_remove:
    case vi_move:
        if (flag_test(F_SHELF_HANDLE_FOUND) || flag_test(F_PASSAGE_OPEN)) {
            message("本はもうどけてある。");
            return 1;
        }
        message("本棚の本をどけると、小さな%nlが現れた。", ni_handle);
        flag_set(F_SHELF_HANDLE_FOUND);
        return 1;
    case vi_get:
        msg_no_need_to_carry();
        return 1;
    default:
        return 0;
    }
}

int handle(int vid, int *noun_here) {
    if (flag_test_not(F_SHELF_HANDLE_FOUND)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        message(flag_test(F_SHELF_HANDLE_DOWN) ? "押し下げられた小さな取っ手だ。" : "本棚の奥の板から突き出た、小さな取っ手だ。");
        return 1;
    case vi_push:
    case vi_pull:
    case vi_move:
    case vi_turn:
    case vi_use:
        if (flag_test(F_SHELF_HANDLE_DOWN)) {
            message("%nnはもう押し下げてある。", ni_handle);
            return 1;
        }
        message("力を込めて%nnを押し下げると、がたんと本棚の裏で何かが外れるような音がした。", ni_handle);
        flag_set(F_SHELF_HANDLE_DOWN);
        return 1;
    default:
        return 0;
    }
}

int necromancy(int vid, int *noun_here) {
    if (has_item(ni_necromancy)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        message("右の本棚に並んだ、いかにも怪しげな装丁の本だ。");
        return 1;
    case vi_read:
        doc_seance_book();
        flag_set(F_SEANCE_READ);
        return 1;
    case vi_get:
        msg_no_need_to_carry();
        return 1;
    default:
        return 0;
    }
}

// The door to the study, shut or open as the player leaves it from either side.
constexpr kept_door to_study = {
    .shut_flag = F_STUDY_LIBRARY_DOOR_CLOSED,
    .direction = vi_forward,
    .opened = "書斎への扉を開けた。",
    .already_open = "書斎への扉はもう開いている。",
    .shut = "書斎への扉を閉めた。",
    .already_shut = "書斎への扉はもう閉まっている。",
    .looks_open = "書斎に通じる扉だ。開け放たれている。",
    .looks_shut = "書斎に通じる扉だ。閉まっている。",
};

int handler(int vid, int nid, int *noun_here) {
    switch (nid) {
    case ni_invalid:
        return no_noun(vid);
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_door:
        msg_several_doors({ni_front_door, ni_right_door});
        return 1;
    case ni_front_door:
        return kept_door_noun(vid, to_study, noun_here);
    case ni_right_door:
        return door_noun(vid, vi_right, "廊下に出る扉だ。", noun_here);

    case ni_golden_key:
        return golden_key(vid, noun_here);
    case ni_fossil:
        return fossil(vid, noun_here);
    case ni_ladder:
        return ladder(vid, noun_here);
    case ni_sponge:
        if (vid == vi_use && has_item(ni_sponge) && (armour_lying() || flag_test(F_LIBRARY_ARMOUR_GONE)))
            return erase_circle();
        *noun_here = 0;
        return 0;
    case ni_samurai_armor:
    case ni_samurai_sword:
        return armour(vid, noun_here);
    case ni_magic_circle:
        return magic_circle(vid, noun_here);

    case ni_bookshelf:
        msg_several_bookshelves();
        return 1;
    case ni_front_bookshelf:
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            msg_does_not_budge();
            return 1;
        }
        if (vid == vi_up) {
            msg_cannot_climb();
            return 1;
        }
        return look_reply(vid, "経済学や医学の本が並んだ本棚だ。扉を挟んで左右に分かれている。");
    case ni_left_bookshelf:
        if (vid == vi_move || vid == vi_push || vid == vi_pull) {
            msg_does_not_budge();
            return 1;
        }
        if (vid == vi_up) return redispatch(vi_up, noun_here);
        if (vid == vi_look) {
            message("文学全集がずらりと並んだ本棚だ。天井近くまであり、上の方には手が届かない。");
            if (flag_test_not(F_PLANE_TAKEN)) message("本棚の上に、何か白いものが乗っているのが見える。");
            return 1;
        }
        return 0;
    case ni_right_bookshelf:
        return right_bookshelf(vid);
    case ni_book:
        return books(vid);
    case ni_necromancy:
        return necromancy(vid, noun_here);
    case ni_handle:
        return handle(vid, noun_here);
    case ni_passage:
        if (flag_test_not(F_PASSAGE_OPEN)) break;
        if (vid == vi_enter || vid == vi_forward) {
            enter_passage();
            return 1;
        }
        return look_reply(vid, "本棚の裏に隠されていた通路だ。奥は真っ暗で、何も見えない。");
    case ni_origami_plane:
        if (flag_test(F_PLANE_TAKEN) || has_item(ni_origami_plane)) break;
        if (vid == vi_get) {
            message("本棚の上には手が届かない。");
            return 1;
        }
        return look_reply(vid, "左の本棚の上に、白い紙のようなものが乗っている。ここからではよく見えない。");

    default:
        break;
    }
    return unknown_noun(nid, noun_here);
}

}  // namespace

int area_library_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    // "erase" the circle is the same as using the sponge on it.
    if (vid == vi_erase && nid == ni_magic_circle) return magic_circle(vid, noun_here);
    return handler(vid, nid, noun_here);
}

// While the door to the study stands open, anything done here calls the
// armour out of the study; it falls over the fossil if one lies in its way
// and then struggles up again two commands later.
void area_library_turn_hook(int counted) {
    if (!counted) return;
    if (flag_test_not(F_STUDY_LIBRARY_DOOR_CLOSED) && flag_test_not(F_LIBRARY_ARMOUR_GONE) && area_next() < 0)
        flag_set(F_LIBRARY_ARMOUR_COMING);
    if (flag_test(F_LIBRARY_ARMOUR_RISING)) {
        message("床に倒れていた鎧は立ち上がった！");
        flag_clear(F_LIBRARY_ARMOUR_DOWN);
        flag_clear(F_LIBRARY_ARMOUR_RISING);
        flag_set(F_LIBRARY_ARMOUR_HERE);
    } else if (flag_test(F_LIBRARY_ARMOUR_DOWN)) {
        message("床に倒れている鎧の手足が動きだし、立ち上がろうともがき始めた。");
        flag_set(F_LIBRARY_ARMOUR_RISING);
    } else if (flag_test(F_LIBRARY_ARMOUR_HERE)) {
        die_by_armour();
    } else if (flag_test(F_LIBRARY_ARMOUR_COMING)) {
        message("書斎に座っていた鎧が動き出し、こちらにやってきた！");
        if (fossil_on_floor()) {
            message("しかし床上の化石に蹴躓き、がしゃんと大きな音を立てて転んだ。");
            flag_set(F_LIBRARY_ARMOUR_DOWN);
        } else {
            flag_set(F_LIBRARY_ARMOUR_HERE);
        }
    }
}

// ---- Picture ----

namespace {

// A deep room: the back wall is small and the side walls long.
constexpr int BL = 210, BT = 44, BR = 430, BB = 184;

constexpr VxPoint left_wall(int x, int h) { return left_wall_point(BL, BT, BB, x, h); }
constexpr VxPoint right_wall(int x, int h) { return right_wall_point(BL, BT, BB, x, h); }
// The right wall seen in a mirror: x counted from the left frame edge, so
// the two side shelves share one drawing.
constexpr VxPoint right_wall_mirrored(int x, int h) { return {640 - x, left_wall(x, h).y}; }

// The side shelves run from FRONT_X to BACK_X along their walls, up to
// SHELF_TOP per mille of the wall's height, with SHELVES shelves.
constexpr int FRONT_X = 44, BACK_X = 200, SHELF_TOP = 880, SHELVES = 6;

constexpr VxPoint door_opening[] = {{298, 96}, {342, 96}, {342, 184}, {298, 184}};
constexpr VxPoint door_leaf_open[] = {{298, 96}, {284, 90}, {284, 192}, {298, 184}};

// The right shelf swung out on its back edge, and the passage behind it.
constexpr VxPoint passage[] = {right_wall(480, 0), right_wall(480, 760), right_wall(600, 760), right_wall(600, 0)};
constexpr VxPoint swung_shelf[] = {{440, 30}, {540, 14}, {540, 300}, {440, 196}};
constexpr VxPoint swung_side[] = {{540, 14}, {556, 20}, {556, 296}, {540, 300}};

constexpr VxPoint plane[] = {{96, 42}, {126, 34}, {112, 44}, {104, 48}};
constexpr VxPoint golden_key_bow[] = {{352, 270}, {360, 266}, {366, 272}, {358, 276}};

// The armour seated in the study, seen small through the doorway.
constexpr VxPoint seated_body[] = {{-8, -34}, {8, -34}, {10, -14}, {-10, -14}};
constexpr VxPoint seated_skirt[] = {{-12, -16}, {12, -16}, {16, 0}, {-16, 0}};
constexpr VxPoint seated_helmet[] = {{-7, -34}, {-9, -40}, {-4, -46}, {4, -46}, {9, -40}, {7, -34}};

// A side wall's bookshelf: its shelves in perspective and a spine for every
// book, the spines closer together towards the back.
void draw_side_shelf(wall_point_fn wall) {
    const VxPoint face[] = {wall(FRONT_X, 0), wall(FRONT_X, SHELF_TOP), wall(BACK_X, SHELF_TOP), wall(BACK_X, 0)};
    occlude(face);
    for (int s = 1; s < SHELVES; ++s) wall_line(wall, FRONT_X, s * SHELF_TOP / SHELVES, BACK_X, s * SHELF_TOP / SHELVES);
    for (int s = 0; s < SHELVES; ++s) {
        int floor_h = s * SHELF_TOP / SHELVES;
        int step = 9;
        for (int x = FRONT_X + 4, i = 0; x < BACK_X - 2; x += step, ++i) {
            int h = floor_h + SHELF_TOP / SHELVES * (70 + (i * 13 + s * 7) % 25) / 100;
            wall_line(wall, x, floor_h, x, h);
            if (i % 4 == 1) wall_line(wall, x, h, x - step + 1, h);
            step = x < 120 ? 9 : 5;
        }
    }
}

void draw_back_shelves() {
    for (int side = 0; side < 2; ++side) {
        int x1 = side ? 352 : 214, x2 = side ? 426 : 288;
        occlude_rect(x1, 52, x2, 184);
        for (int y = 74; y < 184; y += 22) {
            vx_draw_line(x1, y, x2, y);
            for (int x = x1 + 3, i = 0; x < x2 - 3; x += 5 + i % 3, ++i) vx_draw_line(x, y - 14 - (i * 7 + y) % 6, x, y);
        }
    }
    vx_draw_line(292, 52, 348, 52);
    vx_draw_rect(294, 90, 346, 184);
}

void draw_study_door() {
    if (flag_test(F_STUDY_LIBRARY_DOOR_CLOSED)) {
        occlude_rect(298, 96, 342, 184);
        vx_draw_rect(303, 102, 337, 136);
        vx_draw_rect(303, 142, 337, 178);
        vx_draw_circle(336, 140, 2);
        return;
    }
    occlude(door_opening);
    // The study beyond: its floor, the window and the desk.
    vx_draw_line(298, 170, 342, 170);
    vx_draw_rect(326, 110, 338, 126);
    vx_draw_rect(304, 156, 330, 170);
    if (flag_test_not(F_LIBRARY_ARMOUR_GONE) && flag_test_not(F_LIBRARY_ARMOUR_HERE) &&
        flag_test_not(F_LIBRARY_ARMOUR_DOWN)) {
        Place p = {316, 156, 1, 1};
        p.shape(seated_skirt);
        p.shape(seated_body);
        p.shape(seated_helmet);
        p.line(-4, -46, -8, -54);
        p.line(4, -46, 8, -54);
        p.line(-18, -10, 18, -12);
    }
    occlude(door_leaf_open);
    vx_draw_line(288, 100, 288, 184);
}

void draw_right_shelf() {
    if (flag_test_not(F_PASSAGE_OPEN)) {
        draw_side_shelf(right_wall_mirrored);
        if (flag_test(F_SHELF_HANDLE_FOUND)) {
            // Books taken out of the middle shelf; the handle in the gap.
            const VxPoint gap[] = {right_wall(520, 300), right_wall(520, 430), right_wall(560, 430), right_wall(560, 300)};
            occlude(gap);
            VxPoint pivot = right_wall(540, 365);
            int tip = flag_test(F_SHELF_HANDLE_DOWN) ? 14 : -14;
            vx_draw_line(pivot.x, pivot.y, pivot.x + 4, pivot.y + tip);
            vx_fill_circle(pivot.x + 4, pivot.y + tip, 3);
            vx_draw_circle(pivot.x, pivot.y, 2);
        }
        return;
    }
    // The passage in the wall, dark, with steps going down.
    occlude(passage);
    for (int i = 0; i < 4; ++i) wall_line(right_wall, 500 + i * 8, 40 + i * 50, 590 - i * 6, 40 + i * 50);
    // The shelf itself, swung out like a door, books facing the room.
    occlude(swung_side);
    occlude(swung_shelf);
    for (int s = 1; s < SHELVES; ++s) {
        int y1 = 196 - (196 - 30) * s / SHELVES, y2 = 300 - (300 - 14) * s / SHELVES;
        vx_draw_line(440, y1, 540, y2);
        for (int x = 446; x < 536; x += 7) {
            int yb = y1 + (y2 - y1) * (x - 440) / 100;
            vx_draw_line(x, yb, x, yb - 14 - x % 5);
        }
    }
    if (flag_test(F_SHELF_HANDLE_FOUND)) {
        vx_draw_circle(500, 180, 2);
        vx_draw_line(500, 180, 504, flag_test(F_SHELF_HANDLE_DOWN) ? 194 : 166);
    }
}

void draw_ladder() {
    vx_draw_line(148, 326, 176, 30);
    vx_draw_line(176, 326, 198, 40);
    for (int i = 1; i < 12; ++i) {
        int y = 326 - i * 25;
        vx_draw_line(148 + 28 * i * 25 / 296, y, 176 + 22 * i * 25 / 286, y);
    }
}

}  // namespace

void area_library_draw() {
    draw_room_box(BL, BT, BR, BB);
    // A runner on the floor from the door to the front.
    vx_draw_line(292, 190, 250, 329);
    vx_draw_line(348, 190, 390, 329);
    vx_draw_line(292, 190, 348, 190);
    draw_back_shelves();
    draw_study_door();
    draw_side_shelf(left_wall);
    if (flag_test_not(F_PLANE_TAKEN)) {
        occlude(plane);
        vx_draw_line(126, 34, 104, 48);
    }
    draw_right_shelf();
    if (flag_test(F_LIBRARY_LADDER_PLACED)) draw_ladder();
    if (flag_test(F_FOSSIL_ON_FLOOR)) {
        // The ammonite in the shadow of the left shelf.
        occlude_circle(236, 238, 12);
        vx_draw_circle(238, 238, 7);
        vx_draw_circle(240, 237, 3);
        for (int a = 0; a < 6; ++a) vx_draw_line(236 + (a % 3) * 4 - 4, 226 + a / 3 * 22, 236 + (a % 3) * 3 - 3, 230 + a / 3 * 14);
    }
    if (!fseq_is_running(SEQ_GOLDEN_KEY)) {
        occlude(golden_key_bow);
        vx_draw_line(366, 272, 386, 276);
        vx_draw_line(380, 275, 379, 281);
        vx_draw_line(385, 276, 384, 281);
    }
    if (flag_test(F_LIBRARY_ARMOUR_HERE)) draw_standing_armour({320, 326, 1, 1}, 1, false);
}
