// Build-time tool: bakes the Shinonome bitmap fonts into a glyph atlas that
// the layer compiles in (vexdraw/atlas.h), so that the program itself needs
// neither FreeType nor the font files.
//
//   glyph_atlas FONT_DIR OUT.cpp
//
// Each size has three PCF files: the JIS X 0208 set for double-byte
// characters, an ISO 8859-1 set for ASCII (0x20-0x7E) and a JIS X 0201 set
// for half-width katakana (0xA1-0xDF).  Every glyph is placed on its cell
// as FreeType renders it: the baseline at the font's ascent, the bitmap at
// its left and top bearings, pixels outside the cell dropped.  A glyph is
// stored as one 16-bit word per cell row, bit 15 the cell's left column.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

enum { FONT_KANJI = 0, FONT_ASCII = 1, FONT_KANA = 2, FONT_COUNT = 3 };
enum { JIS_ROWS = 94, JIS_CELLS = 94 };

struct FontFiles {
    int height; // cell height
    int narrow; // advance of a single-byte character
    int wide;   // advance of a double-byte character
    const char *file[FONT_COUNT];
};

// The same order as the layer's sets: 16 dots, then 14.
constexpr FontFiles font_files[] = {
    {16, 8, 16, {"shnmk16min.pcf.gz", "shnm8x16a.pcf.gz", "shnm8x16r.pcf.gz"}},
    {14, 7, 14, {"shnmk14min.pcf.gz", "shnm7x14a.pcf.gz", "shnm7x14r.pcf.gz"}},
};

FT_Library library;

FT_Face open_face(const std::string &dir, const char *file) {
    std::string path = dir + "/" + file;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "glyph_atlas: cannot read the font %s\n", path.c_str());
        return nullptr;
    }
    // The JIS fonts have one charmap without a known encoding, which
    // FreeType does not select by itself; it takes the raw code values.
    if (face->num_charmaps > 0) FT_Set_Charmap(face, face->charmaps[0]);
    if (face->num_fixed_sizes > 0) FT_Select_Size(face, 0);
    return face;
}

// Renders one code onto its cell; false when the font lacks the code.
bool render_glyph(FT_Face face, unsigned long code, int cell_w, int cell_h, uint16_t *rows) {
    FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0) return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap &b = slot->bitmap;
    int ascent = (int)(face->size->metrics.ascender >> 6);
    if (ascent <= 0 || ascent > cell_h) ascent = cell_h - 2;
    for (int r = 0; r < cell_h; ++r) rows[r] = 0;
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
            if (on) rows[cy] |= (uint16_t)(0x8000u >> cx);
        }
    }
    return true;
}

// One size: which slots have a glyph (index + 1, 0 for none) and the rows.
struct Baked {
    std::vector<uint16_t> single_index = std::vector<uint16_t>(256);
    std::vector<uint16_t> wide_index = std::vector<uint16_t>(JIS_ROWS * JIS_CELLS);
    std::vector<uint16_t> rows;
    int glyphs = 0;
};

bool bake(const std::string &dir, const FontFiles &ff, Baked &out) {
    FT_Face face[FONT_COUNT];
    for (int i = 0; i < FONT_COUNT; ++i)
        if (!(face[i] = open_face(dir, ff.file[i]))) return false;
    uint16_t rows[16];
    auto add = [&](uint16_t &slot, FT_Face f, unsigned long code, int cell_w) {
        if (!render_glyph(f, code, cell_w, ff.height, rows)) return;
        out.rows.insert(out.rows.end(), rows, rows + ff.height);
        slot = (uint16_t)++out.glyphs;
    };
    // 0x20-0x7E come from the ASCII font, so 0x5C is a backslash and 0x7E
    // a tilde, as code page 932 maps them to Unicode.
    for (int c = 0x20; c <= 0x7E; ++c) add(out.single_index[c], face[FONT_ASCII], c, ff.narrow);
    for (int c = 0xA1; c <= 0xDF; ++c) add(out.single_index[c], face[FONT_KANA], c, ff.narrow);
    for (int row = 1; row <= JIS_ROWS; ++row)
        for (int cell = 1; cell <= JIS_CELLS; ++cell)
            add(out.wide_index[(row - 1) * JIS_CELLS + (cell - 1)], face[FONT_KANJI],
                (unsigned long)((row + 0x20) << 8 | (cell + 0x20)), ff.wide);
    for (FT_Face f : face) FT_Done_Face(f);
    return out.glyphs < 0xFFFF;
}

void write_array(std::FILE *f, const char *name, const std::vector<uint16_t> &v) {
    std::fprintf(f, "const uint16_t %s[%zu] = {", name, v.size());
    for (size_t i = 0; i < v.size(); ++i)
        std::fprintf(f, "%s0x%x,", i % 16 ? "" : "\n", v[i]);
    std::fprintf(f, "\n};\n");
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glyph_atlas FONT_DIR OUT.cpp\n");
        return 2;
    }
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "glyph_atlas: FreeType does not start\n");
        return 1;
    }
    constexpr int SETS = sizeof font_files / sizeof font_files[0];
    Baked baked[SETS];
    for (int s = 0; s < SETS; ++s)
        if (!bake(argv[1], font_files[s], baked[s])) return 1;

    std::string tmp = std::string(argv[2]) + ".tmp";
    std::FILE *f = std::fopen(tmp.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "glyph_atlas: cannot write %s\n", tmp.c_str());
        return 1;
    }
    std::fprintf(f, "// Generated by tools/glyph_atlas from the Shinonome fonts: do not edit.\n"
                    "#include \"atlas.h\"\n\nnamespace {\n");
    for (int s = 0; s < SETS; ++s) {
        std::string p = "set" + std::to_string(s) + "_";
        write_array(f, (p + "single").c_str(), baked[s].single_index);
        write_array(f, (p + "wide").c_str(), baked[s].wide_index);
        write_array(f, (p + "rows").c_str(), baked[s].rows);
    }
    std::fprintf(f, "}  // namespace\n\nconst VxAtlasSet vx_atlas_sets[VX_ATLAS_SETS] = {\n");
    for (int s = 0; s < SETS; ++s)
        std::fprintf(f, "    {%d, %d, %d, set%d_single, set%d_wide, set%d_rows},\n", font_files[s].height,
                     font_files[s].narrow, font_files[s].wide, s, s, s);
    std::fprintf(f, "};\n");
    bool ok = std::fclose(f) == 0;
    if (!ok || std::rename(tmp.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "glyph_atlas: cannot write %s\n", argv[2]);
        std::remove(tmp.c_str());
        return 1;
    }
    FT_Done_FreeType(library);
    return 0;
}
