// The game-over screen, after a death: the game's end and the way back to
// the title or a saved game.
#include "areas.h"

#include "screen_kit.h"

int area_game_over_handler(int vid, int nid, int *) { return end_screen_handler(vid, nid, false); }

// ---- Picture ----

namespace {

constexpr Lettering game_style = {128, 34, 50, 0, 9, 7, 5, 4, false};
constexpr Letter game_text[] = {{G_G, 0, 0}, {G_A, -3, 0}, {G_M, 2, 0}, {G_E, -2, 0}};
constexpr Lettering over_style = {136, 180, 50, 0, 9, 7, 5, 4, false};
constexpr Letter over_text[] = {{G_O, 2, 0}, {G_V, -2, 0}, {G_E, 1, 0}, {G_R, -1, 0}};

}  // namespace

void area_game_over_draw() {
    draw_lettering(game_style, game_text);
    draw_lettering(over_style, over_text);
}
