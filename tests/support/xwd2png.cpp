// A small tool for the window tests: converts an X window dump (xwd, ZPixmap,
// 24 or 32 bits per pixel) to PNG, and compares or reads PNG pixels.
//
//   xwd2png IN.xwd OUT.png
//   xwd2png --pixel IMG.png X Y                     prints RRGGBB
//   xwd2png --compare A.png AX AY B.png BX BY W H [Z]   prints the number of
//       differing pixels of the W x H rectangles at (AX, AY) and (BX, BY);
//       with Z, A holds B's rectangle scaled by Z (every pixel of B a Z x Z
//       block of A) and the pixels of A's Z W x Z H rectangle are counted
//   xwd2png --crop IN.png X Y W H OUT.png            cuts a rectangle out
//
// Exit status: 0 success (equal rectangles), 1 rectangles differ, 2 error.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Image {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> rgb;  // 3 bytes per pixel, rows top to bottom
};

int fail(const std::string &what) {
    std::fprintf(stderr, "xwd2png: %s\n", what.c_str());
    return 2;
}

uint32_t be32(const std::vector<uint8_t> &d, size_t at) {
    return (uint32_t)d[at] << 24 | (uint32_t)d[at + 1] << 16 | (uint32_t)d[at + 2] << 8 | d[at + 3];
}

// The value of a colour mask's channel, scaled to 8 bits.
uint8_t channel(uint32_t pixel, uint32_t mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    uint32_t max = mask >> shift;
    return (uint8_t)(((pixel & mask) >> shift) * 255 / max);
}

bool read_xwd(const char *path, Image *img, std::string *err) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (d.size() < 100) return *err = "short or missing xwd file", false;
    // The header is 25 big-endian 32-bit fields.
    uint32_t f[25];
    for (int i = 0; i < 25; ++i) f[i] = be32(d, (size_t)i * 4);
    const uint32_t header_size = f[0], version = f[1], format = f[2];
    const uint32_t width = f[4], height = f[5], byte_order = f[7];
    const uint32_t bpp = f[11], bytes_per_line = f[12];
    const uint32_t rmask = f[14], gmask = f[15], bmask = f[16], ncolors = f[19];
    if (version != 7 || format != 2) return *err = "not an xwd ZPixmap", false;
    if (bpp != 24 && bpp != 32) return *err = "unsupported bits per pixel", false;
    if (width == 0 || height == 0 || width > 16384 || height > 16384 ||
        bytes_per_line < width * (bpp / 8))
        return *err = "bad image size", false;
    const uint64_t data_at = (uint64_t)header_size + (uint64_t)ncolors * 12;
    if (data_at + (uint64_t)bytes_per_line * height > d.size()) return *err = "truncated xwd", false;
    img->w = (int)width;
    img->h = (int)height;
    img->rgb.assign((size_t)width * height * 3, 0);
    const int bytes = (int)bpp / 8;
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t *row = d.data() + data_at + (uint64_t)y * bytes_per_line;
        for (uint32_t x = 0; x < width; ++x) {
            const uint8_t *p = row + (size_t)x * bytes;
            uint32_t v = 0;
            for (int b = 0; b < bytes; ++b)
                v |= (uint32_t)p[byte_order == 0 ? b : bytes - 1 - b] << (8 * b);  // 0: LSB first
            uint8_t *o = img->rgb.data() + ((size_t)y * width + x) * 3;
            o[0] = channel(v, rmask);
            o[1] = channel(v, gmask);
            o[2] = channel(v, bmask);
        }
    }
    return true;
}

bool read_png(const char *path, Image *img, std::string *err) {
    png_image pi;
    std::memset(&pi, 0, sizeof pi);
    pi.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&pi, path)) return *err = pi.message, false;
    pi.format = PNG_FORMAT_RGB;
    img->w = (int)pi.width;
    img->h = (int)pi.height;
    img->rgb.assign(PNG_IMAGE_SIZE(pi), 0);
    if (!png_image_finish_read(&pi, nullptr, img->rgb.data(), 0, nullptr)) {
        png_image_free(&pi);
        return *err = pi.message, false;
    }
    return true;
}

bool write_png(const char *path, const Image &img, std::string *err) {
    png_image pi;
    std::memset(&pi, 0, sizeof pi);
    pi.version = PNG_IMAGE_VERSION;
    pi.width = (png_uint_32)img.w;
    pi.height = (png_uint_32)img.h;
    pi.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&pi, path, 0, img.rgb.data(), 0, nullptr))
        return *err = pi.message, false;
    return true;
}

bool number(const char *s, int *v) {
    char *end = nullptr;
    long n = std::strtol(s, &end, 10);
    if (end == s || *end || n < 0 || n > 100000) return false;
    *v = (int)n;
    return true;
}

bool inside(const Image &img, int x, int y, int w, int h) {
    return x + w <= img.w && y + h <= img.h;
}

const uint8_t *at(const Image &img, int x, int y) {
    return img.rgb.data() + ((size_t)y * img.w + x) * 3;
}

}  // namespace

int main(int argc, char **argv) {
    std::string err;
    if (argc == 5 && std::strcmp(argv[1], "--pixel") == 0) {
        Image img;
        int x, y;
        if (!number(argv[3], &x) || !number(argv[4], &y)) return fail("bad coordinates");
        if (!read_png(argv[2], &img, &err)) return fail(err);
        if (!inside(img, x, y, 1, 1)) return fail("pixel outside the image");
        const uint8_t *p = at(img, x, y);
        std::printf("%02x%02x%02x\n", p[0], p[1], p[2]);
        return 0;
    }
    if ((argc == 10 || argc == 11) && std::strcmp(argv[1], "--compare") == 0) {
        Image a, b;
        int ax, ay, bx, by, w, h, z = 1;
        if (!number(argv[3], &ax) || !number(argv[4], &ay) || !number(argv[6], &bx) ||
            !number(argv[7], &by) || !number(argv[8], &w) || !number(argv[9], &h))
            return fail("bad rectangle");
        if (argc == 11 && (!number(argv[10], &z) || z < 1 || z > 16)) return fail("bad zoom");
        if (!read_png(argv[2], &a, &err) || !read_png(argv[5], &b, &err)) return fail(err);
        if (!inside(a, ax, ay, w * z, h * z) || !inside(b, bx, by, w, h))
            return fail("rectangle outside an image");
        long differ = 0;
        for (int y = 0; y < h * z; ++y)
            for (int x = 0; x < w * z; ++x)
                if (std::memcmp(at(a, ax + x, ay + y), at(b, bx + x / z, by + y / z), 3) != 0) ++differ;
        std::printf("%ld\n", differ);
        return differ ? 1 : 0;
    }
    if (argc == 8 && std::strcmp(argv[1], "--crop") == 0) {
        Image in, out;
        int x0, y0, w, h;
        if (!number(argv[3], &x0) || !number(argv[4], &y0) || !number(argv[5], &w) || !number(argv[6], &h) ||
            w < 1 || h < 1)
            return fail("bad rectangle");
        if (!read_png(argv[2], &in, &err)) return fail(err);
        if (!inside(in, x0, y0, w, h)) return fail("rectangle outside the image");
        out.w = w;
        out.h = h;
        out.rgb.resize((size_t)w * h * 3);
        for (int y = 0; y < h; ++y)
            std::memcpy(out.rgb.data() + (size_t)y * w * 3, at(in, x0, y0 + y), (size_t)w * 3);
        if (!write_png(argv[7], out, &err)) return fail(err);
        return 0;
    }
    if (argc == 3 && argv[1][0] != '-') {
        Image img;
        if (!read_xwd(argv[1], &img, &err) || !write_png(argv[2], img, &err)) return fail(err);
        return 0;
    }
    std::fprintf(stderr,
                 "usage: xwd2png IN.xwd OUT.png\n"
                 "       xwd2png --pixel IMG.png X Y\n"
                 "       xwd2png --compare A.png AX AY B.png BX BY W H [Z]\n"
                 "       xwd2png --crop IN.png X Y W H OUT.png\n");
    return 2;
}
