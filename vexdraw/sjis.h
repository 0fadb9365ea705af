/*
 * Shift-JIS (code page 932) byte classes, shared by the layer and its
 * programs: code that walks text steps over double-byte characters whole.
 */
#ifndef VX_SJIS_H
#define VX_SJIS_H

/* 1 when c starts a double-byte character (0x81-0x9F, 0xE0-0xFC). */
constexpr bool vx_sjis_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
/* 1 when c can follow a lead byte (0x40-0x7E, 0x80-0xFC). */
constexpr bool vx_sjis_trail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

#endif /* VX_SJIS_H */
