/*
 * Shift-JIS helpers: lead-byte test and conversions to and from UTF-8 for
 * the hosts that speak UTF-8 (window titles, question boxes, the terminal
 * transcript).  glibc's iconv knows code page 932 as "CP932".
 */
#include "vx_internal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>



/* Bytes of the UTF-8 sequence that starts at s (at least 1, never past the
 * NUL), so that a bad character is skipped whole and only once. */
static size_t utf8_char_len(const char *s, size_t left) {
    unsigned char c = (unsigned char)s[0];
    size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    size_t i = 1;
    while (i < n && i < left && ((unsigned char)s[i] & 0xC0) == 0x80) ++i;
    return i;
}

static size_t sjis_char_len(const char *s, size_t left) {
    if (left >= 2 && vx_sjis_lead((unsigned char)s[0]) && vx_sjis_trail((unsigned char)s[1]))
        return 2;
    return 1;
}

/* Without iconv: ASCII passes, everything else becomes "?". */
static std::string ascii_only(const char *s, size_t (*char_len)(const char *, size_t)) {
    std::string out;
    size_t left = strlen(s);
    while (left > 0) {
        size_t n = char_len(s, left);
        out += (unsigned char)s[0] < 0x80 ? s[0] : '?';
        s += n;
        left -= n;
    }
    return out;
}

/* Converts text with one of the two cached descriptors.  Every byte the
 * converter refuses is replaced by "?" and skipped, so the loop always
 * makes progress. */
static std::string convert(iconv_t cd, const char *text,
                           size_t (*char_len)(const char *, size_t)) {
    if (!text) return "";
    if (cd == (iconv_t)-1) return ascii_only(text, char_len);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char *in = const_cast<char *>(text);
    size_t left = strlen(text);
    char buf[256];
    while (left > 0) {
        char *o = buf;
        size_t room = sizeof buf;
        size_t r = iconv(cd, &in, &left, &o, &room);
        out.append(buf, (size_t)(o - buf));
        if (r != (size_t)-1) break;
        if (errno == E2BIG) continue;
        /* EILSEQ or EINVAL (a sequence cut off by the end): one "?" for it. */
        out += '?';
        size_t n = char_len(in, left);
        in += n;
        left -= n;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    /* Flush any shift state (none for these encodings, but harmless). */
    char *o = buf;
    size_t room = sizeof buf;
    iconv(cd, nullptr, nullptr, &o, &room);
    out.append(buf, (size_t)(o - buf));
    return out;
}

static iconv_t to_utf8_cd(void) {
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    return cd;
}

static iconv_t to_sjis_cd(void) {
    static iconv_t cd = iconv_open("CP932", "UTF-8");
    return cd;
}

std::string vxi_sjis_to_utf8(const char *sjis) {
    return convert(to_utf8_cd(), sjis, sjis_char_len);
}

std::string vxi_utf8_to_sjis(const char *utf8) {
    return convert(to_sjis_cd(), utf8, utf8_char_len);
}

int vxi_utf8_decode(const char *s, size_t left, uint32_t *cp) {
    if (left == 0) return -1;
    unsigned char c = (unsigned char)s[0];
    if (c < 0x80) {
        *cp = c;
        return 1;
    }
    int n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
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
        } else if (cp >= 0x80 && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF)) {
            char utf8[5] = {0};
            if (cp < 0x800) {
                utf8[0] = (char)(0xC0 | (cp >> 6));
                utf8[1] = (char)(0x80 | (cp & 0x3F));
            } else if (cp < 0x10000) {
                utf8[0] = (char)(0xE0 | (cp >> 12));
                utf8[1] = (char)(0x80 | ((cp >> 6) & 0x3F));
                utf8[2] = (char)(0x80 | (cp & 0x3F));
            } else {
                utf8[0] = (char)(0xF0 | (cp >> 18));
                utf8[1] = (char)(0x80 | ((cp >> 12) & 0x3F));
                utf8[2] = (char)(0x80 | ((cp >> 6) & 0x3F));
                utf8[3] = (char)(0x80 | (cp & 0x3F));
            }
            iconv_t cd = to_sjis_cd();
            if (cd == (iconv_t)-1) return 0;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            char out[8];
            char *in = utf8, *o = out;
            size_t left = strlen(utf8), room = sizeof out;
            if (iconv(cd, &in, &left, &o, &room) == (size_t)-1) return 0;
            text.assign(out, (size_t)(o - out));
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
