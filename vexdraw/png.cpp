// PNG output of bitmaps: screenshots for tests and scripted play.
#include "vx_internal.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// Writes the top-left w x h of bm as 8-bit RGB. libpng reports its errors
// by longjmp, so nothing with a destructor lives in this function.
static int write_png_area(const char *path, const VxBitmap *bm, int w, int h) {
    std::FILE *f = std::fopen(path, "wb");
    if (!f) return -1;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    png_bytep row = (png_bytep)std::malloc((size_t)w * 3);
    if (!png || !info || !row) {
        png_destroy_write_struct(&png, &info);
        std::free(row);
        std::fclose(f);
        std::remove(path);
        return -1;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::free(row);
        std::fclose(f);
        std::remove(path);
        return -1;
    }
    png_init_io(png, f);
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
    if (std::fclose(f) != 0) {
        std::remove(path);
        return -1;
    }
    return 0;
}

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
