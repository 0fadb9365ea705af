// The achievements room, reached by the hidden verb on the title screen.
#include "areas.h"

#include "area.h"
#include "area_kit.h"
#include "console.h"
#include "message.h"
#include "noun.h"

#include "vexdraw.h"

int area_achievements_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    if (nid == ni_invalid) {
        if (vid == vi_backward || vid == vi_exit) {
            go_to_title();
            return 1;
        }
        if (vid == vi_look) {
            area_print_description(ai_achievements);
            message("この部屋は未実装です。");
            message("「%v」と入力して、タイトル画面に戻ってください。", vi_backward);
            return 1;
        }
        return 0;
    }
    if (nid != ni_wall && nid != ni_floor && nid != ni_ceiling) *noun_here = 0;
    return 0;
}



// ---- Picture: a room crowded with keepsakes ----

namespace {

// The back wall: the frame scaled by 0.45 around the vanishing point (320, 125).
constexpr int VX = 320, VY = 125;
constexpr int BL = 185, BT = 72, BR = 455, BB = 217;

// The circular ornament on the left wall: a rosette in a ring, foreshortened.
constexpr VxPoint rosette[] = {{11, 0}, {8, -16}, {0, -22}, {-8, -16}, {-11, 0}, {-8, 16}, {0, 22}, {8, 16}};

// The chest of drawers, standing at left and turned to us.
constexpr VxPoint chest_top[] = {{30, 190}, {54, 182}, {148, 182}, {124, 190}};
constexpr VxPoint chest_side[] = {{124, 190}, {148, 182}, {148, 272}, {124, 290}};

constexpr VxPoint chair_back[] = {{466, 246}, {464, 184}, {472, 168}, {511, 161}, {550, 168}, {558, 184}, {556, 246}};
constexpr VxPoint chair_seat[] = {{468, 244}, {554, 244}, {562, 262}, {460, 262}};
constexpr VxPoint chair_arm_l[] = {{444, 224}, {462, 214}, {476, 220}, {476, 292}, {452, 300}, {444, 294}};
constexpr VxPoint chair_arm_r[] = {{578, 224}, {560, 214}, {546, 220}, {546, 292}, {570, 300}, {578, 294}};
constexpr VxPoint book_on_seat[] = {{490, 250}, {516, 247}, {528, 253}, {528, 256}, {502, 260}, {490, 253}};

// On the table: a vase with a spray of dry stems, a cup on its saucer.
constexpr VxPoint vase[] = {{276, 228}, {272, 218}, {276, 208}, {280, 204}, {286, 204}, {290, 208}, {294, 218}, {290, 228}};
constexpr VxPoint stems[][2] = {
    {{283, 204}, {276, 186}}, {{283, 204}, {284, 182}}, {{283, 204}, {294, 188}},
    {{279, 194}, {270, 190}}, {{288, 192}, {298, 184}}, {{284, 190}, {280, 180}},
};
constexpr VxPoint cup[] = {{314, 224}, {312, 214}, {328, 214}, {326, 224}};

// Keepsakes on the wall shelf.
constexpr VxPoint urn[] = {{372, 130}, {368, 122}, {372, 114}, {370, 110}, {380, 110}, {378, 114}, {382, 122}, {378, 130}};
constexpr VxPoint trophy[] = {{410, 130}, {414, 126}, {416, 120}, {410, 114}, {410, 104}, {428, 104},
                              {428, 114}, {422, 120}, {424, 126}, {428, 130}};

// The figures lying on the floor.
constexpr VxPoint doll_dress[] = {{310, 297}, {326, 294}, {352, 284}, {360, 318}, {330, 313}, {310, 309}};
constexpr VxPoint soldier[] = {{418, 312}, {456, 298}, {460, 308}, {422, 322}};
constexpr VxPoint shako[] = {{398, 322}, {401, 307}, {413, 305}, {417, 318}};

void draw_room() {
    // The corner lines run in from the frame, so the box is drawn here
    // rather than with draw_room_box (the lines rasterise differently).
    vx_draw_rect(BL, BT, BR, BB);
    vx_draw_line(19, 7, BL, BT);
    vx_draw_line(621, 7, BR, BT);
    vx_draw_line(19, 329, BL, BB);
    vx_draw_line(621, 329, BR, BB);
    // A dado rail round the walls.
    draw_rail(BL, BR, 180, 247);
    // Floorboards running towards the back wall.
    for (int x = BL + 27; x < BR; x += 27) vx_draw_line(x, BB, VX + (x - VX) * (328 - VY) / (BB - VY), 328);
    // The chandelier hanging from the ceiling.
    vx_draw_line(320, 8, 320, 34);
    vx_draw_arc(320, 38, 30, 6, 180, 360);
    vx_draw_line(290, 38, 350, 38);
    for (int i = 0; i < 5; ++i) {
        int x = 290 + i * 15;
        vx_draw_line(x, 38, x, 30);
        vx_draw_line(x - 3, 30, x + 3, 30);
        vx_draw_line(x, 30, x, 26);
    }
    vx_draw_line(320, 44, 320, 52);
    vx_draw_circle(320, 54, 2);
}

void draw_rug() {
    occlude_ellipse(300, 282, 118, 20);
    vx_draw_arc(300, 282, 108, 15, 0, 360);
    // Fringes at both ends.
    for (int i = 0; i < 5; ++i) {
        vx_draw_line(182, 276 + i * 3, 176, 276 + i * 3);
        vx_draw_line(418, 276 + i * 3, 424, 276 + i * 3);
    }
}

void draw_ornament() {
    // Hung from a nail on a cord.
    vx_draw_line(92, 62, 84, 84);
    vx_draw_line(92, 62, 100, 84);
    occlude_ellipse(92, 118, 18, 34);
    vx_draw_arc(92, 118, 13, 26, 0, 360);
    for (const VxPoint &p : rosette) vx_draw_line(92, 118, 92 + p.x, 118 + p.y);
    occlude_ellipse(92, 118, 4, 7);
}

void draw_portrait() {
    occlude_rect(200, 88, 266, 172);
    vx_draw_rect(206, 94, 260, 166);
    // The sitter: head, hair parted in the middle, shoulders and collar.
    vx_draw_arc(233, 120, 10, 13, 0, 360);
    vx_draw_arc(233, 116, 11, 12, 0, 180);
    vx_draw_line(233, 104, 233, 110);
    vx_draw_arc(233, 166, 22, 26, 0, 180);
    vx_draw_line(226, 140, 233, 148);
    vx_draw_line(240, 140, 233, 148);
    vx_draw_line(233, 148, 233, 166);
    vx_draw_line(229, 118, 231, 118);
    vx_draw_line(235, 118, 237, 118);
    vx_draw_line(231, 126, 235, 126);
    // A little plate on the frame.
    vx_draw_rect(224, 168, 242, 171);
}

void draw_mirror() {
    occlude_ellipse(318, 114, 16, 22);
    vx_draw_arc(318, 114, 12, 18, 0, 360);
    vx_draw_line(310, 110, 318, 100);
    vx_draw_line(312, 116, 322, 104);
    vx_draw_line(318, 92, 318, 84);
    vx_draw_circle(318, 82, 2);
}

void draw_shelf() {
    vx_draw_line(360, 130, 450, 130);
    vx_draw_line(360, 134, 450, 134);
    vx_draw_line(370, 134, 374, 140);
    vx_draw_line(440, 134, 436, 140);
    occlude(urn);
    vx_draw_line(369, 120, 381, 120);
    // A stack of books.
    occlude_rect(386, 124, 404, 129);
    occlude_rect(388, 118, 402, 123);
    occlude_rect(387, 112, 403, 117);
    occlude(trophy);
    vx_draw_arc(410, 110, 4, 4, 90, 270);
    vx_draw_arc(428, 110, 4, 4, 270, 90);
    vx_draw_line(412, 126, 426, 126);
    // A clock under a glass dome.
    vx_draw_arc(442, 130, 6, 16, 0, 180);
    vx_draw_circle(442, 122, 4);
    vx_draw_line(442, 122, 442, 119);
    vx_draw_line(442, 122, 444, 123);
}

void draw_chest() {
    occlude(chest_top);
    occlude(chest_side);
    occlude_rect(30, 190, 124, 290);
    for (int i = 0; i < 4; ++i) {
        int y = 196 + i * 23;
        vx_draw_rect(36, y, 118, y + 19);
        vx_draw_circle(58, y + 9, 2);
        vx_draw_circle(96, y + 9, 2);
        vx_draw_line(72, y + 9, 82, y + 9);
    }
    // Feet.
    vx_draw_rect(32, 291, 38, 296);
    vx_draw_rect(116, 291, 122, 296);
    // On top: a candlestick, a casket, a small cup.
    vx_draw_arc(52, 186, 8, 2, 0, 360);
    vx_draw_line(50, 184, 50, 166);
    vx_draw_line(54, 184, 54, 166);
    vx_draw_line(50, 166, 54, 166);
    vx_draw_line(52, 166, 52, 163);
    vx_draw_arc(52, 158, 2, 5, 0, 360);
    occlude_rect(76, 174, 100, 186);
    vx_draw_line(76, 178, 100, 178);
    vx_draw_rect(86, 180, 90, 183);
    vx_draw_arc(122, 178, 6, 5, 180, 360);
    vx_draw_line(116, 178, 128, 178);
    vx_draw_line(122, 183, 122, 186);
    vx_draw_line(118, 186, 126, 186);
}

void draw_table() {
    // Pedestal and feet first, then the round top over them.
    black();
    vx_fill_rect(296, 236, 304, 286);
    white();
    vx_draw_line(296, 236, 296, 284);
    vx_draw_line(304, 236, 304, 284);
    vx_draw_arc(300, 258, 7, 4, 0, 360);
    vx_draw_line(298, 284, 264, 296);
    vx_draw_line(302, 284, 336, 296);
    vx_draw_line(300, 286, 300, 292);
    black();
    vx_fill_arc(300, 234, 58, 13, 0, 360);
    vx_fill_rect(242, 228, 358, 234);
    vx_fill_arc(300, 228, 58, 13, 0, 360);
    white();
    vx_draw_arc(300, 234, 58, 13, 180, 360);
    vx_draw_line(242, 228, 242, 234);
    vx_draw_line(358, 228, 358, 234);
    vx_draw_arc(300, 228, 58, 13, 0, 360);
    occlude(vase);
    for (const auto &s : stems) vx_draw_line(s[0].x, s[0].y, s[1].x, s[1].y);
    vx_draw_arc(320, 226, 14, 3, 0, 360);
    occlude(cup);
    vx_draw_arc(330, 219, 4, 4, 270, 90);
    // A book lying open.
    vx_draw_line(334, 232, 350, 228);
    vx_draw_line(350, 228, 364, 232);
    vx_draw_line(334, 232, 348, 236);
    vx_draw_line(348, 236, 364, 232);
    vx_draw_line(348, 236, 350, 228);
}

void draw_armchair() {
    occlude(chair_back);
    // Buttoned upholstery.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4 - row % 2; ++col)
            vx_draw_circle(484 + col * 18 + (row % 2) * 9, 186 + row * 18, 1);
    occlude(chair_seat);
    occlude_rect(458, 262, 564, 290);
    vx_draw_line(458, 268, 564, 268);
    occlude(book_on_seat);
    vx_draw_line(490, 250, 502, 257);
    vx_draw_line(502, 257, 528, 253);
    vx_draw_line(502, 257, 502, 260);
    occlude(chair_arm_l);
    occlude(chair_arm_r);
    vx_draw_circle(452, 228, 6);
    vx_draw_circle(570, 228, 6);
    for (int x = 447; x <= 571; x += 124) {
        vx_draw_line(x, 300, x + 1, 310);
        vx_draw_line(x + 5, 300, x + 4, 310);
        vx_draw_line(x + 1, 310, x + 4, 310);
    }
}

void draw_figures() {
    // A teddy bear on its back: legs, arms, body, head with ears.
    occlude_ellipse(240, 292, 11, 7);
    occlude_ellipse(240, 316, 11, 7);
    occlude_ellipse(200, 288, 9, 6);
    occlude_ellipse(200, 320, 9, 6);
    occlude_ellipse(212, 304, 27, 16);
    vx_draw_arc(216, 304, 12, 9, 0, 360);
    occlude_ellipse(162, 291, 6, 6);
    occlude_ellipse(162, 317, 6, 6);
    occlude_ellipse(172, 304, 15, 14);
    vx_draw_arc(164, 304, 6, 5, 0, 360);
    vx_draw_line(160, 303, 161, 305);
    vx_draw_line(175, 298, 176, 298);
    vx_draw_line(175, 310, 176, 310);
    vx_draw_arc(244, 292, 5, 4, 0, 360);
    vx_draw_arc(244, 316, 5, 4, 0, 360);

    // A doll in a frock, arms flung out.
    vx_draw_line(322, 296, 334, 280);
    vx_draw_line(322, 310, 334, 324);
    occlude(doll_dress);
    // Sash with a bow, and lace along the hem.
    vx_draw_line(326, 294, 330, 313);
    vx_draw_line(332, 301, 340, 297);
    vx_draw_line(332, 301, 340, 306);
    vx_draw_line(340, 297, 340, 306);
    for (int i = 0; i < 4; ++i) vx_draw_arc(352 + i * 2, 287 + i * 8, 3, 4, 90, 270);
    vx_draw_line(354, 294, 374, 292);
    vx_draw_line(357, 310, 376, 313);
    vx_draw_rect(374, 289, 379, 295);
    vx_draw_rect(376, 310, 381, 316);
    occlude_ellipse(300, 303, 11, 11);
    for (int i = 0; i < 5; ++i) vx_draw_line(290, 296 + i * 4, 283, 293 + i * 5);
    vx_draw_line(303, 299, 303, 300);
    vx_draw_line(303, 306, 303, 307);
    vx_draw_line(307, 302, 307, 304);

    // A toy soldier, fallen face up.
    occlude(soldier);
    vx_draw_line(436, 306, 441, 318);
    vx_draw_line(444, 303, 448, 314);
    vx_draw_line(456, 299, 472, 296);
    vx_draw_line(459, 307, 474, 310);
    occlude_ellipse(414, 316, 6, 7);
    occlude(shako);
    vx_draw_line(400, 312, 414, 310);
}

}  // namespace

void area_achievements_draw() {
    draw_room();
    draw_ornament();
    draw_portrait();
    draw_mirror();
    draw_shelf();
    draw_rug();
    draw_table();
    draw_chest();
    draw_armchair();
    draw_figures();
}
