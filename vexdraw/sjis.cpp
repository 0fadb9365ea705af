/*
 * Shift-JIS helpers: conversions to and from UTF-8 for the hosts that speak
 * UTF-8 (window titles, question boxes, the terminal, the browser, the
 * transcript).  The tables are code page 932 as glibc's iconv converts it,
 * taken at build time (cp932_table.h), so no host needs an iconv of its own.
 */
#include "cp932_table.h"
#include "vx_internal.h"

#include <cstdio>
#include <cstring>

namespace {

/* Bytes of the UTF-8 sequence that starts at s (at least 1, never past the
 * end), so that a bad character is skipped whole and only once. */
size_t utf8_char_len(const char *s, size_t left) {
    unsigned char c = (unsigned char)s[0];
    size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    size_t i = 1;
    while (i < n && i < left && ((unsigned char)s[i] & 0xC0) == 0x80) ++i;
    return i;
}

void append_utf8(std::string &out, uint32_t cp) {
    if (cp < 0x80) {
        out += (char)cp;
    } else if (cp < 0x800) {
        out += (char)(0xC0 | (cp >> 6));
        out += (char)(0x80 | (cp & 0x3F));
    } else {
        out += (char)(0xE0 | (cp >> 12));
        out += (char)(0x80 | ((cp >> 6) & 0x3F));
        out += (char)(0x80 | (cp & 0x3F));
    }
}

/* The character of a lead and trail byte, 0 when the pair is none. */
uint32_t pair_unicode(unsigned char lead, unsigned char trail) {
    int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    return vx_cp932_double[row * 189 + (trail - 0x40)];
}

}  // namespace

int vxi_utf8_decode(const char *s, size_t left, uint32_t *cp) {
    if (!s || left == 0) return -1;
    unsigned char c = (unsigned char)s[0];
    if (c < 0x80) {
        *cp = c;
        return 1;
    }
    int n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (n == 0 || (size_t)n > left) return -1;
    uint32_t v = c & (0x7F >> n);
    for (int i = 1; i < n; ++i) {
        unsigned char t = (unsigned char)s[i];
        if ((t & 0xC0) != 0x80) return -1;
        v = (v << 6) | (t & 0x3F);
    }
    /* Overlong forms, surrogates and values past U+10FFFF are not UTF-8. */
    static const uint32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (v < least[n] || (v >= 0xD800 && v <= 0xDFFF) || v > 0x10FFFF) return -1;
    *cp = v;
    return n;
}

int vxi_unicode_to_sjis(uint32_t cp, char out[2]) {
    if (cp < 0x80) {
        out[0] = (char)cp;
        return 1;
    }
    int lo = 0, hi = vx_cp932_encode_count - 1;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        if (vx_cp932_encode_unicode[mid] < cp) {
            lo = mid + 1;
        } else if (vx_cp932_encode_unicode[mid] > cp) {
            hi = mid - 1;
        } else {
            unsigned code = vx_cp932_encode_sjis[mid];
            if (code < 0x100) {
                out[0] = (char)code;
                return 1;
            }
            out[0] = (char)(code >> 8);
            out[1] = (char)(code & 0xFF);
            return 2;
        }
    }
    return 0;
}

std::string vxi_sjis_to_utf8(const char *sjis) {
    std::string out;
    if (!sjis) return out;
    const unsigned char *p = (const unsigned char *)sjis;
    while (*p) {
        uint32_t cp;
        if (vx_sjis_lead(p[0]) && vx_sjis_trail(p[1])) {
            cp = pair_unicode(p[0], p[1]);
            p += 2;
        } else {
            cp = p[0] < 0x80 ? p[0] : vx_cp932_single[p[0]];
            p += 1;
        }
        /* A code without a character: one "?" for it. */
        if (cp == 0)
            out += '?';
        else
            append_utf8(out, cp);
    }
    return out;
}

std::string vxi_utf8_to_sjis(const char *utf8) {
    std::string out;
    if (!utf8) return out;
    size_t left = std::strlen(utf8);
    while (left > 0) {
        uint32_t cp = 0;
        char code[2];
        int n = vxi_utf8_decode(utf8, left, &cp);
        int len = n > 0 ? vxi_unicode_to_sjis(cp, code) : 0;
        if (len > 0)
            out.append(code, (size_t)len);
        else
            out += '?';
        size_t used = n > 0 ? (size_t)n : utf8_char_len(utf8, left);
        utf8 += used;
        left -= used;
    }
    return out;
}

int vx_keysym_to_text(unsigned keysym, char *buf, int size) {
    if (!buf || size <= 0) return 0;
    buf[0] = '\0';
    std::string text;
    if (keysym >= 0x20 && keysym < 0x7F) {
        text = std::string(1, (char)keysym);
    } else if ((keysym & 0xFF000000u) == VX_KEY_UNICODE) {
        uint32_t cp = keysym & 0xFFFFFF;
        if (cp == 0x3094) {
            text = "\x82\xA4\x81\x4A"; /* hiragana vu has no code: u and the voicing mark */
        } else if (cp >= 0x80 && cp <= 0xFFFF) {
            char out[2];
            int n = vxi_unicode_to_sjis(cp, out);
            if (n == 0) return 0;
            text.assign(out, (size_t)n);
        }
    }
    if (text.empty() || (int)text.size() + 1 > size) return 0;
    memcpy(buf, text.c_str(), text.size() + 1);
    return (int)text.size();
}

namespace {
int plain_paragraphs = 0;
std::string paragraph; /* wrapped lines waiting for the end of their paragraph */
}

void vxi_set_plain_transcript(int on) {
    plain_paragraphs = on ? 1 : 0;
    paragraph.clear();
}

int vx_transcript(const char *text) {
    if (vx_is_headless() != 1) return 0;
    std::string line = paragraph + vxi_sjis_to_utf8(text ? text : "");
    paragraph.clear();
    line += '\n';
    // Standard output is line-buffered on a terminal; into a pipe or file
    // the lines are flushed in blocks (terminal play flushes at each prompt).
    fwrite(line.data(), 1, line.size(), stdout);
    return 0;
}

int vx_transcript_wrapped(const char *text, int dropped_spaces) {
    if (!plain_paragraphs) return vx_transcript(text);
    if (vx_is_headless() != 1) return 0;
    paragraph += vxi_sjis_to_utf8(text ? text : "");
    if (dropped_spaces > 0) paragraph.append((size_t)(dropped_spaces > 80 ? 80 : dropped_spaces), ' ');
    return 0;
}
