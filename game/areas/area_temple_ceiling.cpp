// The temple's dome seen from below. No way of play leads here; the place
// only looks up and stays put.
#include "areas.h"

#include "area.h"
#include "flags.h"
#include "noun.h"
#include "status.h"
#include "vexdraw.h"
#include "area_kit.h"

int area_temple_ceiling_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    if (nid != ni_invalid) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
        area_print_description(ai_temple_ceiling);
        return 1;
    case vi_backward:
        // There is nowhere behind to go; the command is simply taken.
        return 1;
    default:
        return 0;
    }
}

// ---- Picture ----

namespace {

constexpr int CX = 320, CY = 168;

constexpr VxPoint octagon[] = {{CX - 40, CY - 96}, {CX + 40, CY - 96}, {CX + 96, CY - 40}, {CX + 96, CY + 40},
                               {CX + 40, CY + 96}, {CX - 40, CY + 96}, {CX - 96, CY + 40}, {CX - 96, CY - 40}};
constexpr VxPoint trapezoid[] = {{CX - 34, CY - 62}, {CX + 34, CY - 62}, {CX + 70, CY + 52}, {CX - 70, CY + 52}};
constexpr VxPoint diamond[] = {{CX, CY - 44}, {CX + 30, CY}, {CX, CY + 44}, {CX - 30, CY}};

}  // namespace

void area_temple_ceiling_draw() {
    // Nothing shows on the bare rock until the sign has appeared.
    if (flag_test_not(F_SCORE_ON_STAND_CEILING_SIGN)) return;
    vx_draw_arc(CX, CY, 270, 150, 0, 360);
    vx_draw_arc(CX, CY, 240, 134, 0, 360);
    // Runes between the two rings.
    for (int i = 0; i < 16; ++i) {
        constexpr int dx[] = {0, 97, 180, 236, 255, 236, 180, 97, 0, -97, -180, -236, -255, -236, -180, -97};
        constexpr int dy[] = {-142, -131, -100, -54, 0, 54, 100, 131, 142, 131, 100, 54, 0, -54, -100, -131};
        int x = CX + dx[i], y = CY + dy[i];
        vx_draw_line(x - 4, y - 4, x + 4, y + 4);
        vx_draw_line(x - 4, y + 4, x, y - 6);
    }
    outline(octagon);
    outline(trapezoid);
    outline(diamond);
    // The eye in the middle of the sign.
    vx_draw_arc(CX, CY, 12, 6, 0, 360);
    vx_fill_circle(CX, CY, 3);
}
