// The top of the library's left bookshelf, seen from the ladder: a dusty
// board with the paper plane the boy lost up here.
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
    {vi_backward, ai_library},
    {vi_down, ai_library},
    {vi_exit, ai_library},
};

bool plane_here() { return flag_test_not(F_PLANE_TAKEN) && !has_item(ni_origami_plane); }

void look_top() {
    area_print_description(ai_bookshelf);
    if (plane_here())
        message("%nnの上には%nlが乗っている。", ni_bookshelf, ni_origami_plane);
    else
        message("%nnの上にはもう何もない。", ni_bookshelf);
}

int no_noun(int vid) {
    switch (vid) {
    case vi_up:
        msg_no_higher();
        return 1;
    default:
        return exit_or_look(exits, vid, look_top);
    }
}

}  // namespace

int area_bookshelf_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        return no_noun(vid);
    case ni_origami_plane:
        return lying_item(vid, nid, plane_here(), F_PLANE_TAKEN, noun_here);
    case ni_bookshelf:
    case ni_left_bookshelf:
        if (vid == vi_look) {
            look_top();
            return 1;
        }
        if (vid == vi_examine) {
            message("厚い埃が積もっている。誰かが物を投げ上げたらしく、埃の一部が乱れている。");
            return 1;
        }
        if (vid == vi_up || vid == vi_enter) {
            message("本棚の上に乗ったら、床まで真っ逆さまだ。");
            return 1;
        }
        return 0;
    case ni_ladder:
        if (has_item(ni_ladder)) break;
        if (vid == vi_down) return no_noun(vi_down);
        if (vid == vi_get) {
            message("梯子の上に乗ったままでは、梯子は取れない。");
            return 1;
        }
        return look_reply(vid, "今あなたが乗っている梯子だ。少しぐらつく。");
    case ni_book:
        return look_reply(vid, "本棚の最上段に並んだ本の背が、埃をかぶっている。");
    case ni_ceiling:
        return look_reply(vid, "天井が目の前に迫っている。蜘蛛の巣が張っている。");
    case ni_floor:
        return look_reply(vid, "ずいぶん高いところまで登ってきた。図書室の床がはるか下に見える。");
    case ni_room:
        return room_noun(vid, noun_here);
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

// The paper plane lying on the board, its nose to the right.
constexpr VxPoint plane_far_wing[] = {{250, 200}, {400, 214}, {300, 190}};
constexpr VxPoint plane_near_wing[] = {{236, 236}, {400, 214}, {296, 222}};
constexpr VxPoint plane_body[] = {{256, 214}, {400, 214}, {290, 228}};

}  // namespace

void area_bookshelf_draw() {
    // The shelf's top board: its far edge, the front edge and the edge of
    // the top shelf below it.
    vx_draw_line(20, 150, 620, 150);
    vx_draw_line(20, 264, 620, 264);
    vx_draw_line(20, 286, 620, 286);
    // Dust on the board, and the books' tops below the front edge.
    for (int x = 40; x < 600; x += 37) vx_draw_line(x, 160 + x % 7 * 12, x + 3, 160 + x % 7 * 12);
    for (int x = 26; x < 614; x += 11) vx_draw_line(x, 286, x, 286 + 12 + x % 3 * 10);
    if (flag_test_not(F_PLANE_TAKEN)) {
        occlude(plane_far_wing);
        occlude(plane_body);
        occlude(plane_near_wing);
        vx_draw_line(256, 214, 400, 214);
    }
}
