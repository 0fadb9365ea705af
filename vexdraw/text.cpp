/*
 * Text output: Shift-JIS strings drawn with the Shinonome bitmap fonts.
 *
 * Each size has three PCF files: the JIS X 0208 set for double-byte
 * characters, an ISO 8859-1 set for ASCII and a JIS X 0201 set for
 * half-width katakana.  FreeType reads them, but only once per glyph: the
 * rendered glyph goes into a fixed table indexed by the byte (single-byte)
 * or by the JIS row and cell (double-byte), so redrawing a console line is
 * nothing but bitmap copies.
 */
#include "vx_internal.h"

#include <climits>
#include <cstdlib>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H
#include <zlib.h>

#ifndef VX_FONT_DIR
#define VX_FONT_DIR "/usr/share/fonts/X11/misc"
#endif

namespace {

enum { FONT_KANJI = 0, FONT_ASCII = 1, FONT_KANA = 2, FONT_COUNT = 3 };
enum { SLOT_UNKNOWN = 0, SLOT_GLYPH = 1, SLOT_MISSING = 2 };
enum { JIS_ROWS = 94, JIS_CELLS = 94, CELL_MAX_H = 16 };

/* One glyph on its cell: bit 15 of each row is the cell's left column. */
struct Glyph {
    uint16_t rows[CELL_MAX_H];
};

struct FontFiles {
    int height; /* cell height */
    int narrow; /* advance of a single-byte character */
    int wide;   /* advance of a double-byte character */
    const char *file[FONT_COUNT];
};

constexpr FontFiles font_files[] = {
    {16, 8, 16, {"shnmk16min.pcf.gz", "shnm8x16a.pcf.gz", "shnm8x16r.pcf.gz"}},
    {14, 7, 14, {"shnmk14min.pcf.gz", "shnm7x14a.pcf.gz", "shnm7x14r.pcf.gz"}},
};
constexpr int SET_COUNT = sizeof font_files / sizeof font_files[0];

struct FontSet {
    FT_Face face[FONT_COUNT];
    unsigned char *data[FONT_COUNT]; /* the file, unpacked, while its face lives */
    bool tried[FONT_COUNT]; /* opened once, successful or not */
    unsigned char single_state[256];
    Glyph single[256];
    unsigned char wide_state[JIS_ROWS * JIS_CELLS];
    Glyph wide[JIS_ROWS * JIS_CELLS];
    Glyph box_narrow;
    Glyph box_wide;
    bool boxes_made;
};

FT_Library library;
bool library_tried;
FontSet sets[SET_COUNT];
long font_loads;
int font_size = 16;

int set_for_size(int size) { return size < 15 ? 1 : 0; }

std::string font_dir(void) {
    const char *env = std::getenv("VEXDRAW_FONT_DIR");
    return env && *env ? env : VX_FONT_DIR;
}

/* The whole font file, unpacked when it is gzipped: FreeType would unpack
 * a large packed file again from its start for every glyph that lies
 * before the one read last.  nullptr when unreadable or larger than
 * FONT_FILE_MAX. */
constexpr long FONT_FILE_MAX = 16L << 20;
unsigned char *read_unpacked(const std::string &path, long *size) {
    gzFile f = gzopen(path.c_str(), "rb");
    if (!f) return nullptr;
    long cap = 1L << 20, n = 0;
    unsigned char *buf = static_cast<unsigned char *>(std::malloc((size_t)cap));
    for (int got = 1; buf && got > 0;) {
        if (n == cap) {
            void *bigger = cap < FONT_FILE_MAX ? std::realloc(buf, (size_t)cap * 2) : nullptr;
            if (!bigger) {
                std::free(buf);
                buf = nullptr;
                break;
            }
            buf = static_cast<unsigned char *>(bigger);
            cap *= 2;
        }
        got = gzread(f, buf + n, (unsigned)(cap - n));
        if (got < 0) {
            std::free(buf);
            buf = nullptr;
        } else {
            n += got;
        }
    }
    gzclose(f);
    *size = n;
    return buf;
}

FT_Face open_face(int set, int which) {
    FontSet &fs = sets[set];
    if (fs.tried[which]) return fs.face[which];
    fs.tried[which] = true;
    if (!library_tried) {
        library_tried = true;
        if (FT_Init_FreeType(&library) != 0) {
            library = nullptr;
            vx_warning("FreeType を初期化できません。");
        }
    }
    if (!library) return nullptr;
    std::string path = font_dir() + "/" + font_files[set].file[which];
    ++font_loads;
    FT_Face face = nullptr;
    long size = 0;
    unsigned char *data = read_unpacked(path, &size);
    if (!data || FT_New_Memory_Face(library, data, size, 0, &face) != 0) {
        std::free(data);
        vx_warning("フォントファイル %s を開けません。", path.c_str());
        return nullptr;
    }
    fs.data[which] = data;
    /* The JIS fonts have one charmap without a known encoding, which
     * FreeType does not select by itself; it takes the raw code values. */
    if (face->num_charmaps > 0) FT_Set_Charmap(face, face->charmaps[0]);
    if (face->num_fixed_sizes > 0) FT_Select_Size(face, 0);
    fs.face[which] = face;
    return face;
}

/* Renders one code into a cell-relative glyph.  Returns false when the font
 * is missing or lacks the code. */
bool render_glyph(int set, int which, unsigned long code, int cell_w, Glyph *g) {
    FT_Face face = open_face(set, which);
    if (!face) return false;
    FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0) return false;
    ++font_loads;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap &b = slot->bitmap;
    const int cell_h = font_files[set].height;
    int ascent = (int)(face->size->metrics.ascender >> 6);
    if (ascent <= 0 || ascent > cell_h) ascent = cell_h - 2;
    *g = Glyph{};
    for (int r = 0; r < (int)b.rows; ++r) {
        int cy = ascent - slot->bitmap_top + r;
        if (cy < 0 || cy >= cell_h) continue;
        const unsigned char *row = b.pitch >= 0 ? b.buffer + (size_t)r * b.pitch
                                                : b.buffer + (size_t)(b.rows - 1 - r) * -b.pitch;
        for (int c = 0; c < (int)b.width; ++c) {
            int cx = slot->bitmap_left + c;
            if (cx < 0 || cx >= cell_w) continue;
            bool on = b.pixel_mode == FT_PIXEL_MODE_MONO ? (row[c >> 3] >> (7 - (c & 7))) & 1
                                                         : row[c] >= 128;
            if (on) g->rows[cy] |= (uint16_t)(0x8000u >> cx);
        }
    }
    return true;
}

/* The outline shown for a code that cannot be drawn: one pixel in from the
 * cell's sides, from two rows below the top down to the baseline. */
void make_box(Glyph *g, int w, int h) {
    *g = Glyph{};
    const int x1 = 1, x2 = w - 2, y1 = 2, y2 = h - 3;
    for (int y = y1; y <= y2; ++y) {
        uint16_t bits = 0;
        for (int x = x1; x <= x2; ++x)
            if (y == y1 || y == y2 || x == x1 || x == x2) bits |= (uint16_t)(0x8000u >> x);
        g->rows[y] = bits;
    }
}

const Glyph &box(int set, bool wide) {
    FontSet &fs = sets[set];
    if (!fs.boxes_made) {
        make_box(&fs.box_narrow, font_files[set].narrow, font_files[set].height);
        make_box(&fs.box_wide, font_files[set].wide, font_files[set].height);
        fs.boxes_made = true;
    }
    return wide ? fs.box_wide : fs.box_narrow;
}

const Glyph &single_glyph(int set, unsigned char c) {
    FontSet &fs = sets[set];
    if (fs.single_state[c] == SLOT_UNKNOWN) {
        bool ok = false;
        /* 0x20-0x7E come from the ASCII font, so 0x5C is a backslash and
         * 0x7E a tilde, as code page 932 maps them to Unicode: the screen
         * then agrees with the UTF-8 transcript and the terminal. */
        if (c >= 0x20 && c <= 0x7E)
            ok = render_glyph(set, FONT_ASCII, c, font_files[set].narrow, &fs.single[c]);
        else if (c >= 0xA1 && c <= 0xDF)
            ok = render_glyph(set, FONT_KANA, c, font_files[set].narrow, &fs.single[c]);
        fs.single_state[c] = ok ? SLOT_GLYPH : SLOT_MISSING;
    }
    return fs.single_state[c] == SLOT_GLYPH ? fs.single[c] : box(set, false);
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

const Glyph &wide_glyph(int set, int row, int cell) {
    if (row < 1 || row > JIS_ROWS || cell < 1 || cell > JIS_CELLS) return box(set, true);
    FontSet &fs = sets[set];
    const int slot = (row - 1) * JIS_CELLS + (cell - 1);
    if (fs.wide_state[slot] == SLOT_UNKNOWN) {
        unsigned long code = (unsigned long)((row + 0x20) << 8 | (cell + 0x20));
        bool ok = render_glyph(set, FONT_KANJI, code, font_files[set].wide, &fs.wide[slot]);
        fs.wide_state[slot] = ok ? SLOT_GLYPH : SLOT_MISSING;
    }
    return fs.wide_state[slot] == SLOT_GLYPH ? fs.wide[slot] : box(set, true);
}

int vx_sjis_trail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

/* Copies the glyph's set pixels, clipped to the bitmap. */
void blit(VxBitmap *bm, int x, int top, int w, int h, const Glyph &g, uint32_t color) {
    int r0 = top < 0 ? -top : 0;
    int r1 = bm->h - top < h ? bm->h - top : h;
    uint16_t colmask = (uint16_t)(0xFFFF0000u >> w);
    if (x < 0) colmask &= (uint16_t)(0xFFFFu >> -x);
    if (x + w > bm->w) colmask &= (uint16_t)(0xFFFF0000u >> (bm->w - x));
    for (int r = r0; r < r1; ++r) {
        unsigned bits = g.rows[r] & colmask;
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
    const FontFiles &ff = font_files[set];
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

long vxi_font_loads(void) { return font_loads; }

int vxi_text_width(const char *text, int size) {
    if (!text) return 0;
    return (int)walk(text, set_for_size(size), [](long, int, unsigned char, unsigned char) {});
}

int vxi_draw_text_on(VxBitmap *bm, int x, int top, const char *text, int size, uint32_t color) {
    if (!text) return 0;
    const int set = set_for_size(size);
    const int h = font_files[set].height;
    const bool rows_visible = bm && bm->px && top < bm->h && top + h > 0;
    long width = walk(text, set, [&](long at, int w, unsigned char lead, unsigned char trail) {
        long cx = x + at;
        if (!rows_visible || cx >= bm->w || cx + w <= 0) return; /* off the target */
        const Glyph *g;
        if (trail) {
            int row, cell;
            sjis_to_jis(lead, trail, &row, &cell);
            g = &wide_glyph(set, row, cell);
        } else {
            g = &single_glyph(set, lead);
        }
        blit(bm, (int)cx, top, w, h, *g, color);
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
