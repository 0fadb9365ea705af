// PNG output: round trips through libpng and the failures that must not crash.
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A decoded PNG as 0x00RRGGBB words; width 0 when it could not be read.
struct Picture {
    int w = 0, h = 0;
    int bit_depth = 0, colour_type = -1;
    std::vector<uint32_t> px;
};

Picture read_png(const std::string &path) {
    Picture pic;
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) return pic;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        pic.w = 0;
        return pic;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    int w = (int)png_get_image_width(png, info), h = (int)png_get_image_height(png, info);
    pic.bit_depth = png_get_bit_depth(png, info);
    pic.colour_type = png_get_color_type(png, info);
    std::vector<png_byte> row(png_get_rowbytes(png, info));
    pic.px.resize((size_t)w * h);
    for (int y = 0; y < h; ++y) {
        png_read_row(png, row.data(), nullptr);
        for (int x = 0; x < w && pic.colour_type == PNG_COLOR_TYPE_RGB; ++x)
            pic.px[y * w + x] = (uint32_t)row[x * 3] << 16 | (uint32_t)row[x * 3 + 1] << 8 | row[x * 3 + 2];
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    pic.w = w;
    pic.h = h;
    return pic;
}

TEST(Png, BitmapRoundTripAndFailures) {
    std::string dir = vxtest::temp_dir("png");
    VxBitmap *bm = vxi_bitmap_new(7, 5);
    for (int i = 0; i < 35; ++i) bm->px[i] = (uint32_t)(i * 0x010203 + 0x405060) & 0xFFFFFF;
    ASSERT_EQ(vxi_write_png((dir + "/a.png").c_str(), bm), 0);
    Picture pic = read_png(dir + "/a.png");
    ASSERT_EQ(pic.w, 7);
    EXPECT_EQ(pic.h, 5);
    EXPECT_EQ(pic.bit_depth, 8);
    EXPECT_EQ(pic.colour_type, PNG_COLOR_TYPE_RGB);
    for (int i = 0; i < 35; ++i) EXPECT_EQ(pic.px[i], bm->px[i]) << i;

    EXPECT_EQ(vxi_write_png((dir + "/no/such/dir.png").c_str(), bm), -1);
    EXPECT_EQ(vxi_write_png(dir.c_str(), bm), -1);
    VxBitmap empty{0, 0, nullptr};
    EXPECT_EQ(vxi_write_png((dir + "/b.png").c_str(), &empty), -1);
    EXPECT_FALSE(std::filesystem::exists(dir + "/b.png"));
    vxi_bitmap_free(bm);
}

TEST(Png, ScreenshotHasTheClientSize) {
    std::string dir = vxtest::temp_dir("png");
    vxtest::open_headless(640, 480, dir);
    VxBitmap *page = vxi_shown_page();
    ASSERT_NE(page, nullptr);
    page->px[0] = 0xFF0000;
    page->px[479 * page->w + 639] = 0x00FF00;
    ASSERT_EQ(vx_save_screenshot((dir + "/shot.png").c_str()), 0);
    Picture pic = read_png(dir + "/shot.png");
    ASSERT_EQ(pic.w, 640);
    ASSERT_EQ(pic.h, 480);
    EXPECT_EQ(pic.px[0], 0xFF0000u);
    EXPECT_EQ(pic.px[479 * 640 + 639], 0x00FF00u);
    EXPECT_EQ(vx_save_screenshot((dir + "/missing/shot.png").c_str()), -1);
}

}  // namespace
