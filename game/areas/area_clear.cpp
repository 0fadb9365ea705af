// The ending screen, once the player has fled the burning house: the
// hint to the title's hidden verb, and the way back to the title.
#include "areas.h"

#include "screen_kit.h"

int area_clear_handler(int vid, int nid, int *) { return end_screen_handler(vid, nid, true); }

// ---- Picture ----

namespace {

constexpr Lettering end_style = {258, 22, 12, 0, 0, 0, 0, 3, false};
constexpr Letter end_text[] = {
    {G_T, 0, 0}, {G_H, 0, 0}, {G_E, 0, 0}, {G_SPACE, 0, 0}, {G_E, 0, 0}, {G_N, 0, 0}, {G_D, 0, 0},
};

}  // namespace

void area_clear_draw() {
    draw_lettering(end_style, end_text);
}
