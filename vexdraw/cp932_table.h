/*
 * Code page 932 (Shift-JIS) as glibc's iconv converts it, generated at build
 * time by tools/cp932.py (cp932_table.cpp in the build tree).
 */
#ifndef VX_CP932_TABLE_H
#define VX_CP932_TABLE_H

#include <cstdint>

/* Unicode of a single byte, 0 when it is no character. */
extern const uint16_t vx_cp932_single[256];
/* Unicode of a pair, 0 when it is no character: index
 * (lead - 0x81 or lead - 0xE0 + 31) * 189 + trail - 0x40. */
extern const uint16_t vx_cp932_double[60 * 189];
/* The characters beyond ASCII that have a code, in ascending order, and
 * their codes (single bytes below 0x100, pairs lead << 8 | trail). */
extern const int vx_cp932_encode_count;
extern const uint16_t vx_cp932_encode_unicode[];
extern const uint16_t vx_cp932_encode_sjis[];

#endif
