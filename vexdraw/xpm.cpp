// The XPM reader: one or two characters per pixel, colours "#RRGGBB" or
// "None". Every image keeps its two bitmaps until the window is destroyed.
#include "vx_internal.h"

#include <climits>
#include <cstdlib>
#include <cstring>

static constexpr int XPM_BITMAP_MAX = 512;      /* two per image */
static constexpr int XPM_SIDE_MAX = 4096;       /* refuses absurd sizes before allocating */
static constexpr int XPM_KEY_RANGE = 128;       /* key characters are 7-bit ASCII */
static constexpr uint32_t XPM_TRANSPARENT = 0xFFFFFFFFu;
static constexpr uint32_t XPM_UNDEFINED = 0xFF000000u;
static constexpr uint32_t XPM_MASK_OPAQUE = 0x000000;
static constexpr uint32_t XPM_MASK_CLEAR = 0xFFFFFF;

static VxBitmap *bitmaps[XPM_BITMAP_MAX];
static int bitmap_num;
static uint32_t colour_table[XPM_KEY_RANGE * XPM_KEY_RANGE];

void vxi_free_images(void) {
    for (int i = 0; i < bitmap_num; ++i) {
        vxi_bitmap_free(bitmaps[i]);
        bitmaps[i] = nullptr;
    }
    bitmap_num = 0;
}

static VxImage failed(void) {
    VxImage img{};
    return img;
}

// Reads the four leading decimal integers of the values line as "%d %d %d
// %d" would, but holds each within the range of int.
static int read_values(const char *line, int v[4]) {
    const char *p = line;
    for (int i = 0; i < 4; ++i) {
        char *end;
        long n = std::strtol(p, &end, 10);
        if (end == p) return i;
        if (n > INT_MAX) n = INT_MAX;
        if (n < INT_MIN) n = INT_MIN;
        v[i] = (int)n;
        p = end;
    }
    return 4;
}

static int is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

static int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One colour line. Returns 0 when stored, 1 for a colour name (an error,
// but reading goes on), -1 for a malformed line.
static int read_colour_line(const char *line, int cpp, int i) {
    if (!line || !line[0] || !line[1]) return -1;
    unsigned char k1 = (unsigned char)line[0], k2 = (unsigned char)line[1];
    if (k1 >= XPM_KEY_RANGE || k2 >= XPM_KEY_RANGE) return -1;
    if (cpp == 1 && k2 != ' ') return -1;
    // " c %s": optional white space, the letter c, white space, one word.
    const char *p = line + 2;
    while (is_blank(*p)) ++p;
    if (*p != 'c' || !is_blank(p[1])) return -1;
    ++p;
    while (is_blank(*p)) ++p;
    const char *word = p;
    while (*p && !is_blank(*p)) ++p;
    size_t len = (size_t)(p - word);
    if (len == 0) return -1;

    uint32_t *slot = &colour_table[k1 * XPM_KEY_RANGE + k2];
    if (word[0] == '#') {
        // Plain hexadecimal, at most six digits (0xRRGGBB).
        if (len < 2 || len > 7) return -1;
        uint32_t value = 0;
        for (size_t j = 1; j < len; ++j) {
            int d = hex_digit(word[j]);
            if (d < 0) return -1;
            value = value * 16 + (uint32_t)d;
        }
        *slot = value;
        return 0;
    }
    if ((len == 4 && std::strncmp(word, "none", 4) == 0) ||
        (len == 4 && std::strncmp(word, "None", 4) == 0)) {
        *slot = XPM_TRANSPARENT;
        return 0;
    }
    vx_error("現バージョンではxpmデータの色情報に色名(%d行目)は使えません。", i);
    return 1;
}

// Fills one pixel row; -1 when the row is missing, short, or uses a key
// that is not 7-bit ASCII or has no colour.
static int read_row(const char *row, int y, int width, int cpp, VxBitmap *image, VxBitmap *mask) {
    if (!row || strnlen(row, (size_t)width * cpp) < (size_t)width * cpp) return -1;
    uint32_t *ipx = image->px + (size_t)y * image->w;
    uint32_t *mpx = mask->px + (size_t)y * mask->w;
    for (int x = 0; x < width; ++x) {
        unsigned char k1 = (unsigned char)row[x * cpp];
        unsigned char k2 = cpp == 2 ? (unsigned char)row[x * 2 + 1] : ' ';
        if (k1 >= XPM_KEY_RANGE || k2 >= XPM_KEY_RANGE) return -1;
        uint32_t c = colour_table[k1 * XPM_KEY_RANGE + k2];
        if (c == XPM_UNDEFINED) return -1;
        if (c == XPM_TRANSPARENT) {
            ipx[x] = 0x000000;
            mpx[x] = XPM_MASK_CLEAR;
        } else {
            ipx[x] = c & 0xFFFFFF;
            mpx[x] = XPM_MASK_OPAQUE;
        }
    }
    return 0;
}

VxImage vx_read_xpm(const char *const xpm[]) {
    int v[4];
    if (!xpm || !xpm[0] || read_values(xpm[0], v) < 4) {
        vx_error("xpmデータの1行目に誤りがあります。");
        return failed();
    }
    int width = v[0], height = v[1], colours = v[2], cpp = v[3];
    // Sizes that cannot be a real image are a fault in the values line:
    // refuse them before allocating anything.
    if (width <= 0 || height <= 0 || width > XPM_SIDE_MAX || height > XPM_SIDE_MAX ||
        colours < 0 || colours > XPM_KEY_RANGE * XPM_KEY_RANGE || (cpp != 1 && cpp != 2)) {
        vx_error("xpmデータの1行目に誤りがあります。");
        return failed();
    }
    if (bitmap_num > XPM_BITMAP_MAX - 2) {
        vx_error("xpmデータ数が上限を超えました。");
        return failed();
    }

    for (uint32_t &c : colour_table) c = XPM_UNDEFINED;
    int colour_failed = 0;
    for (int i = 1; i <= colours; ++i) {
        // A null line ends the array early; nothing after it may be read.
        int r = read_colour_line(xpm[i], cpp, i);
        if (r < 0) {
            vx_error("xpmデータの色情報(%d行目)に誤りがあります。", i);
            return failed();
        }
        if (r > 0) colour_failed = 1;
    }
    if (colour_failed) return failed();

    // Every row must be there, and long enough, before the bitmaps are
    // made: a values line that claims a large image costs nothing.
    for (int y = 0; y < height; ++y) {
        const char *row = xpm[1 + colours + y];
        if (!row || strnlen(row, (size_t)width * cpp) < (size_t)width * cpp) {
            vx_error("xpmデータの画素(%d行目)に誤りがあります。", 1 + colours + y);
            return failed();
        }
    }

    VxBitmap *image = vxi_bitmap_new(width, height);
    VxBitmap *mask = vxi_bitmap_new(width, height);
    if (!image || !mask || !image->px || !mask->px) {
        vxi_bitmap_free(image);
        vxi_bitmap_free(mask);
        vx_error("xpmデータの画像を作れません。");
        return failed();
    }
    for (int y = 0; y < height; ++y) {
        int line = 1 + colours + y;
        if (read_row(xpm[line], y, width, cpp, image, mask) < 0) {
            vxi_bitmap_free(image);
            vxi_bitmap_free(mask);
            vx_error("xpmデータの画素(%d行目)に誤りがあります。", line);
            return failed();
        }
    }

    bitmaps[bitmap_num++] = image;
    bitmaps[bitmap_num++] = mask;
    VxImage img{width, height, image, mask};
    return img;
}
