// What the title, game-over and ending screens share: the replies of the
// two end screens, and the outline letters of the screens' pictures.
#pragma once

// Game over and the ending answer alike, apart from a few remarks.
int end_screen_handler(int vid, int nid, bool ending);

// ---- Outline letters ----
// Block capitals and a few small letters on a grid 20 units high, set in a
// row as a Lettering says.

enum GlyphId {
    G_K, G_E, G_L, G_D, G_A, G_R, G_Y, G_G, G_M, G_O, G_V, G_T, G_H, G_N,
    G_SO, G_SF, G_ST, G_SH, G_SE, G_SU, G_SS,
    G_SPACE
};

// How a row of letters is set.
struct Lettering {
    int x, y;   // top left of the first letter's grid
    int scale;  // pixels per ten grid units
    int slant;  // lean to the right: tenths of a unit per unit of height
    int dx, dy; // depth of the block letters; 0, 0 for flat outline letters
    int hatch;  // spacing of the shading strokes on the undersides; 0 for none
    int gap;    // units between letters
    bool wobble; // hand-drawn: corners a pixel off here and there
};

// One letter of a row: a hand sets each letter a little higher or lower and
// a little askew.
struct Letter {
    int glyph;
    int lift; // pixels down
    int tilt; // pixels down per ten units to the right
};

void draw_lettering(const Lettering &st, const Letter *text, int count);
template <int N> void draw_lettering(const Lettering &st, const Letter (&text)[N]) { draw_lettering(st, text, N); }
