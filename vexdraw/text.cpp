/*
 * Text output: Shift-JIS strings drawn with the Shinonome bitmap fonts,
 * baked into a glyph atlas at build time (atlas.h): single-byte characters
 * by their byte, double-byte ones by their JIS row and cell, so drawing a
 * line is nothing but bitmap copies and start-up reads no font.
 */
#include "atlas.h"
#include "vx_internal.h"

#include <climits>

namespace {

enum { JIS_ROWS = 94, JIS_CELLS = 94, CELL_MAX_H = 16 };

int font_size = 16;

int set_for_size(int size) { return size < 15 ? 1 : 0; }

/* The outline shown for a code that cannot be drawn: one pixel in from the
 * cell's sides, from two rows below the top down to the baseline. */
struct Box {
    uint16_t rows[CELL_MAX_H];
};

constexpr Box make_box(int w, int h) {
    Box g{};
    const int x1 = 1, x2 = w - 2, y1 = 2, y2 = h - 3;
    for (int y = y1; y <= y2; ++y) {
        uint16_t bits = 0;
        for (int x = x1; x <= x2; ++x)
            if (y == y1 || y == y2 || x == x1 || x == x2) bits |= (uint16_t)(0x8000u >> x);
        g.rows[y] = bits;
    }
    return g;
}

/* Narrow and wide boxes of each set, cell sizes as the atlas has them. */
constexpr Box boxes[VX_ATLAS_SETS][2] = {
    {make_box(8, 16), make_box(16, 16)},
    {make_box(7, 14), make_box(14, 14)},
};

const uint16_t *glyph_rows(int set, uint16_t slot, bool wide) {
    const VxAtlasSet &a = vx_atlas_sets[set];
    if (slot == 0) return boxes[set][wide ? 1 : 0].rows;
    return a.rows + (size_t)(slot - 1) * a.height;
}

const uint16_t *single_glyph(int set, unsigned char c) {
    return glyph_rows(set, vx_atlas_sets[set].single_slot[c], false);
}

/* Shift-JIS pair to JIS X 0208 row and cell (1-based); row may exceed 94
 * for the vendor and user areas of code page 932. */
void sjis_to_jis(unsigned char lead, unsigned char trail, int *row, int *cell) {
    int r = lead <= 0x9F ? (lead - 0x81) * 2 + 1 : (lead - 0xC1) * 2 + 1;
    if (trail >= 0x9F) {
        *row = r + 1;
        *cell = trail - 0x9E;
    } else {
        *row = r;
        *cell = trail <= 0x7E ? trail - 0x3F : trail - 0x40;
    }
}

const uint16_t *wide_glyph(int set, int row, int cell) {
    if (row < 1 || row > JIS_ROWS || cell < 1 || cell > JIS_CELLS) return glyph_rows(set, 0, true);
    return glyph_rows(set, vx_atlas_sets[set].wide_slot[(row - 1) * JIS_CELLS + (cell - 1)], true);
}

int vx_sjis_trail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

/* Copies the glyph's set pixels, clipped to the bitmap. */
void blit(VxBitmap *bm, int x, int top, int w, int h, const uint16_t *rows, uint32_t color) {
    int r0 = top < 0 ? -top : 0;
    int r1 = bm->h - top < h ? bm->h - top : h;
    uint16_t colmask = (uint16_t)(0xFFFF0000u >> w);
    if (x < 0) colmask &= (uint16_t)(0xFFFFu >> -x);
    if (x + w > bm->w) colmask &= (uint16_t)(0xFFFF0000u >> (bm->w - x));
    for (int r = r0; r < r1; ++r) {
        unsigned bits = rows[r] & colmask;
        uint32_t *line = bm->px + (size_t)(top + r) * bm->w;
        while (bits) {
            int c = __builtin_clz(bits) - 16;
            line[x + c] = color;
            bits &= ~(0x8000u >> c);
        }
    }
}

/* Walks the text one character at a time: fn(advance, set index, lead,
 * trail) with trail 0 for a single byte.  Never reads past the NUL. */
template <typename Fn>
long walk(const char *text, int set, Fn fn) {
    long width = 0;
    const VxAtlasSet &ff = vx_atlas_sets[set];
    const unsigned char *p = (const unsigned char *)text;
    while (*p) {
        if (vx_sjis_lead(*p) && vx_sjis_trail(p[1])) {
            fn(width, ff.wide, p[0], p[1]);
            width += ff.wide;
            p += 2;
        } else {
            /* A lone lead byte (before a bad byte or the NUL) is one
             * single-byte slot; the next byte is read on its own. */
            fn(width, ff.narrow, p[0], 0);
            width += ff.narrow;
            p += 1;
        }
        if (width > INT_MAX / 2) break;
    }
    return width;
}

}  // namespace

int vxi_font_size(void) { return font_size; }

void vxi_reset_font(void) { font_size = 16; }

int vxi_text_width(const char *text, int size) {
    if (!text) return 0;
    return (int)walk(text, set_for_size(size), [](long, int, unsigned char, unsigned char) {});
}

int vxi_draw_text_on(VxBitmap *bm, int x, int top, const char *text, int size, uint32_t color) {
    if (!text) return 0;
    const int set = set_for_size(size);
    const int h = vx_atlas_sets[set].height;
    const bool rows_visible = bm && bm->px && top < bm->h && top + h > 0;
    long width = walk(text, set, [&](long at, int w, unsigned char lead, unsigned char trail) {
        long cx = x + at;
        if (!rows_visible || cx >= bm->w || cx + w <= 0) return; /* off the target */
        const uint16_t *rows;
        if (trail) {
            int row, cell;
            sjis_to_jis(lead, trail, &row, &cell);
            rows = wide_glyph(set, row, cell);
        } else {
            rows = single_glyph(set, lead);
        }
        blit(bm, (int)cx, top, w, h, rows, color);
    });
    return (int)width;
}

int vx_set_font(const char *) {
    /* The pattern names the game's preferred faces; the layer always uses
     * its own fixed-pitch Japanese fonts and only honours the size. */
    return 0;
}

int vx_set_font_size(int size) {
    font_size = size;
    return 0;
}

/* y names the row just below the text: the cell's top is y - size. */
static int cell_top(int y) {
    long top = (long)y - font_size;
    return top < INT_MIN / 2 ? INT_MIN / 2 : top > INT_MAX / 2 ? INT_MAX / 2 : (int)top;
}

int vx_draw_string(int x, int y, const char *text) {
    VxBitmap *bm = vxi_shown_page();
    if (!bm || !text || !*text) return 0;
    vxi_draw_text_on(bm, x, cell_top(y), text, font_size, vxi_current_color());
    vxi_window_changed();
    return 0;
}

int vx_draw_string_back(int x, int y, const char *text) {
    VxBitmap *bm = vxi_back_page();
    if (!bm || !text || !*text) return 0;
    vxi_draw_text_on(bm, x, cell_top(y), text, font_size, vxi_current_color());
    return 0;
}
