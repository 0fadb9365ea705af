// PNG output of bitmaps: screenshots for tests and scripted play.
#include "vx_internal.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The encoded file, grown in memory and then handed whole to
// vx_replace_file, so that a failure never touches the file at the path.
struct PngBuffer {
    unsigned char *data;
    size_t size;
    size_t capacity;
};

void append(png_structp png, png_bytep bytes, png_size_t n) {
    PngBuffer *b = static_cast<PngBuffer *>(png_get_io_ptr(png));
    if (n > b->capacity - b->size) {
        size_t cap = b->capacity ? b->capacity : 65536;
        while (n > cap - b->size) cap *= 2;
        unsigned char *grown = static_cast<unsigned char *>(std::realloc(b->data, cap));
        if (!grown) png_error(png, "out of memory");
        b->data = grown;
        b->capacity = cap;
    }
    std::memcpy(b->data + b->size, bytes, n);
    b->size += n;
}

void flush(png_structp) {}

// Encodes the top-left w x h of bm as 8-bit RGB into out (freed by the
// caller, also on failure). libpng reports its errors by longjmp, so nothing
// with a destructor lives in this function.
int encode_png_area(const VxBitmap *bm, int w, int h, PngBuffer *out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    png_bytep row = (png_bytep)std::malloc((size_t)w * 3);
    if (!png || !info || !row) {
        png_destroy_write_struct(&png, &info);
        std::free(row);
        return -1;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::free(row);
        return -1;
    }
    png_set_write_fn(png, out, append, flush);
    png_set_IHDR(png, info, (png_uint_32)w, (png_uint_32)h, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) {
        const uint32_t *src = bm->px + (size_t)y * bm->w;
        for (int x = 0; x < w; ++x) {
            row[x * 3] = (png_byte)(src[x] >> 16);
            row[x * 3 + 1] = (png_byte)(src[x] >> 8);
            row[x * 3 + 2] = (png_byte)src[x];
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::free(row);
    return 0;
}

int write_png_area(const char *path, const VxBitmap *bm, int w, int h) {
    PngBuffer buffer{nullptr, 0, 0};
    int result = encode_png_area(bm, w, h, &buffer);
    if (result == 0) result = vx_replace_file(path, buffer.data, buffer.size);
    std::free(buffer.data);
    return result;
}

}  // namespace

int vxi_write_png(const char *path, const VxBitmap *bm) {
    if (!path || !bm || !bm->px || bm->w <= 0 || bm->h <= 0) return -1;
    return write_png_area(path, bm, bm->w, bm->h);
}

int vx_save_screenshot(const char *path) {
    VxBitmap *page = vxi_shown_page();
    if (!path || !page || !page->px) return -1;
    // The page has the client size; never read outside it if they differ.
    int w = vxi_client_width(), h = vxi_client_height();
    if (w <= 0 || w > page->w) w = page->w;
    if (h <= 0 || h > page->h) h = page->h;
    if (w <= 0 || h <= 0) return -1;
    return write_png_area(path, page, w, h);
}
