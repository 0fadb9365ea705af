/*
 * The glyph atlas: the Shinonome bitmap fonts baked at build time by
 * tools/glyph_atlas (atlas.cpp in the build tree), one set per size.
 */
#ifndef VX_ATLAS_H
#define VX_ATLAS_H

#include <cstdint>

struct VxAtlasSet {
    int height; /* cell height */
    int narrow; /* advance of a single-byte character */
    int wide;   /* advance of a double-byte character */
    /* Glyph number + 1 of each single byte and of each JIS X 0208 row and
     * cell ((row - 1) * 94 + cell - 1); 0 when the font has none. */
    const uint16_t *single_slot;
    const uint16_t *wide_slot;
    /* height words per glyph, one per cell row, bit 15 the left column. */
    const uint16_t *rows;
};

/* Set 0 is 16 dots high, set 1 14. */
#define VX_ATLAS_SETS 2
extern const VxAtlasSet vx_atlas_sets[VX_ATLAS_SETS];

#endif
