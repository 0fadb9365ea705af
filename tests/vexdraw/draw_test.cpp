// Drawing primitives and colours: pixel conventions, clipping, colour names.
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

using vxtest::count;
using vxtest::pixel;

namespace {

constexpr uint32_t WHITE = 0xFFFFFF, BLACK = 0;

bool lit(int x, int y) { return pixel(x, y) == WHITE; }

// Pixels of the shown page that are white, as a 0/1 grid.
std::vector<char> snapshot() {
    VxBitmap *bm = vxi_shown_page();
    std::vector<char> v((size_t)bm->w * bm->h);
    for (size_t i = 0; i < v.size(); ++i) v[i] = bm->px[i] == WHITE;
    return v;
}

// The centre of pixel (px, py) lies inside the ellipse.
bool inside(int px, int py, int x, int y, int rx, int ry) {
    double dx = (px + 0.5 - x) / rx, dy = (py + 0.5 - y) / ry;
    return dx * dx + dy * dy <= 1.0;
}

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        vxtest::open_headless(640, 480);
        vx_set_color(-1, -1, -1);
    }
};

}  // namespace

TEST(DrawBitmap, NewClearsAndRejectsBadSizes) {
    VxBitmap *bm = vxi_bitmap_new(3, 2);
    ASSERT_NE(bm, nullptr);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(bm->px[i], 0u);
    vxi_fill_bitmap(bm, 0x123456);
    EXPECT_EQ(bm->px[5], 0x123456u);
    vxi_bitmap_free(bm);
    EXPECT_EQ(vxi_bitmap_new(0, 10), nullptr);
    EXPECT_EQ(vxi_bitmap_new(10, -1), nullptr);
    EXPECT_EQ(vxi_bitmap_new(INT_MAX, INT_MAX), nullptr);
    vxi_bitmap_free(nullptr);
    vxi_fill_bitmap(nullptr, 0);
}

// A line clipped by a small target must be exactly the window of the same
// line drawn whole on a large one.
TEST(DrawLine, ClippedLinesMatchUnclippedOnes) {
    const int W = 40, H = 30, BIG = 400, off = 150;
    VxBitmap *small = vxi_bitmap_new(W, H);
    VxBitmap *big = vxi_bitmap_new(BIG, BIG);
    auto at = [&](int x, int y) { return big->px[(y + off) * BIG + x + off]; };
    srand(7);
    for (int t = 0; t < 1000; ++t) {
        int x1 = rand() % 300 - 130, y1 = rand() % 300 - 130;
        int x2 = rand() % 300 - 130, y2 = rand() % 300 - 130;
        vxi_fill_bitmap(small, 0);
        vxi_fill_bitmap(big, 0);
        vxi_draw_line_on(small, x1, y1, x2, y2, 1);
        vxi_draw_line_on(big, x1 + off, y1 + off, x2 + off, y2 + off, 1);
        int n = 0;
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
            for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) n += at(x, y);
        ASSERT_EQ(n, std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1);
        ASSERT_EQ(at(x1, y1), 1u);
        ASSERT_EQ(at(x2, y2), 1u);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                ASSERT_EQ(small->px[y * W + x], at(x, y))
                    << x1 << "," << y1 << " " << x2 << "," << y2 << " at " << x << "," << y;
    }
    vxi_bitmap_free(small);
    vxi_bitmap_free(big);
}

TEST_F(DrawTest, LineEndPoints) {
    vx_draw_line(5, 5, 5, 5);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 1);
    EXPECT_TRUE(lit(5, 5));
    vx_draw_line(30, 40, 10, 33);
    EXPECT_TRUE(lit(30, 40));
    EXPECT_TRUE(lit(10, 33));
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 1 + 21);
}

TEST_F(DrawTest, RectFrameAndFill) {
    vx_draw_rect(621, 329, 19, 7);  // swapped corners
    EXPECT_EQ(count(WHITE, 19, 7, 621, 7), 603);
    EXPECT_EQ(count(WHITE, 19, 329, 621, 329), 603);
    EXPECT_EQ(count(WHITE, 19, 7, 19, 329), 323);
    EXPECT_EQ(count(WHITE, 621, 7, 621, 329), 323);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 2 * 603 + 2 * 321);
    vx_set_color(255, 0, 0);
    vx_fill_rect(20, 8, 620, 328);
    EXPECT_EQ(count(0xFF0000, 20, 8, 620, 328), 601 * 321);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 2 * 603 + 2 * 321);
}

TEST_F(DrawTest, CircleFollowsPixelCentres) {
    const int x = 100, y = 90, r = 23;
    vx_fill_circle(x, y, r);
    for (int py = y - r - 2; py <= y + r + 2; ++py)
        for (int px = x - r - 2; px <= x + r + 2; ++px)
            ASSERT_EQ(lit(px, py), inside(px, py, x, y, r, r)) << px << "," << py;
    // Far box edges are excluded, near ones used.
    EXPECT_EQ(count(WHITE, x - r, y - r, x + r - 1, y + r - 1), count(WHITE, 0, 0, 639, 479));
    EXPECT_GT(count(WHITE, x - r, 0, x - r, 479), 0);
    EXPECT_GT(count(WHITE, 0, y + r - 1, 639, y + r - 1), 0);

    // The outline is the inside pixels with a 4-neighbour outside.
    vx_clear();
    vx_draw_circle(x, y, r);
    for (int py = y - r - 1; py <= y + r + 1; ++py)
        for (int px = x - r - 1; px <= x + r + 1; ++px) {
            bool in = inside(px, py, x, y, r, r);
            bool edge = in && !(inside(px - 1, py, x, y, r, r) && inside(px + 1, py, x, y, r, r) &&
                                inside(px, py - 1, x, y, r, r) && inside(px, py + 1, x, y, r, r));
            ASSERT_EQ(lit(px, py), edge) << px << "," << py;
        }
}

TEST_F(DrawTest, ArcQuartersAndFullEllipse) {
    const int x = 320, y = 200, rx = 60, ry = 35;
    vx_draw_arc(x, y, rx, ry, 0, 360);
    std::vector<char> full = snapshot();
    EXPECT_EQ(count(WHITE, x - rx, y - ry, x + rx - 1, y + ry - 1), count(WHITE, 0, 0, 639, 479));
    vx_clear();
    vx_draw_arc(x, y, rx, ry, 45, 45 + 360);  // the same radial: whole ellipse
    EXPECT_EQ(snapshot(), full);

    vx_clear();
    vx_draw_arc(x, y, rx, ry, 0, 90);
    std::vector<char> quarter = snapshot();
    vx_clear();
    vx_draw_arc(x, y, rx, ry, 90, 0);
    std::vector<char> rest = snapshot();
    for (int py = 0; py < 480; ++py)
        for (int px = 0; px < 640; ++px) {
            size_t i = (size_t)py * 640 + px;
            bool upper_right = px >= x && py < y;
            ASSERT_EQ(quarter[i], full[i] && upper_right) << px << "," << py;
            ASSERT_EQ(rest[i], full[i] && !upper_right) << px << "," << py;
        }
    vx_clear();
    vx_draw_arc(x, y, rx, ry, 0, 180);  // opposite radials: the upper half
    std::vector<char> half = snapshot();
    for (size_t i = 0; i < half.size(); ++i) ASSERT_EQ(half[i], full[i] && (int)(i / 640) < y);
}

TEST_F(DrawTest, PieSlices) {
    const int x = 200, y = 200, r = 40;
    vx_fill_circle(x, y, r);
    std::vector<char> disc = snapshot();
    vx_clear();
    vx_fill_arc(x, y, r, r, 0, 360);
    EXPECT_EQ(snapshot(), disc);

    // Upper-left quarter: the quarter's inside plus its two radii, which
    // run from the centre along row y and column x.
    vx_clear();
    vx_fill_arc(x, y, r, r, 90, 180);
    for (int py = y - r; py < y; ++py)
        for (int px = x - r; px < x; ++px) ASSERT_EQ(lit(px, py), (bool)disc[(size_t)py * 640 + px]);
    EXPECT_EQ(count(WHITE, x + 1, 0, 639, 479), 0);
    EXPECT_EQ(count(WHITE, 0, y + 1, 639, 479), 0);
    EXPECT_TRUE(lit(x, y - r));      // end of the 90 degree radius
    EXPECT_TRUE(lit(x - r, y));      // end of the 180 degree radius
}

TEST_F(DrawTest, PolygonEvenOddAndOutline) {
    const VxPoint square[] = {{10, 10}, {50, 10}, {50, 30}, {10, 30}};
    vx_fill_polygon(4, square);
    EXPECT_EQ(count(WHITE, 10, 10, 50, 30), 41 * 21);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 41 * 21);

    // A five-pointed star drawn in one stroke covers its centre twice.
    vx_clear();
    const VxPoint star[] = {{300, 100}, {359, 281}, {205, 169}, {395, 169}, {241, 281}};
    vx_fill_polygon(5, star);
    EXPECT_FALSE(lit(300, 200));
    EXPECT_TRUE(lit(300, 130));   // in the top point
    EXPECT_TRUE(lit(230, 175));   // in the left point
    EXPECT_TRUE(lit(300, 100));   // vertex, part of the outline

    vx_clear();
    vx_fill_polygon(1, star);
    vx_fill_polygon(0, star);
    vx_fill_polygon(-5, star);
    vx_fill_polygon(5, nullptr);
    vx_fill_polygon(INT_MAX, star);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 0);
    vx_fill_polygon(2, star);  // a degenerate polygon is its edge
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 182);
}

TEST_F(DrawTest, MaskedImageKeepsTransparentPixels) {
    // 3 x 2: left column transparent, the rest opaque red.
    VxBitmap *image = vxi_bitmap_new(3, 2), *mask = vxi_bitmap_new(3, 2);
    for (int i = 0; i < 6; ++i) {
        bool transparent = i % 3 == 0;
        image->px[i] = transparent ? 0 : 0xFF0000;
        mask->px[i] = transparent ? 0xFFFFFF : 0;
    }
    vx_set_color(0, 255, 0);
    vx_fill_rect(0, 0, 20, 20);
    vx_draw_image(5, 5, 3, 2, image, mask);
    EXPECT_EQ(pixel(5, 5), 0x00FF00u);
    EXPECT_EQ(pixel(6, 5), 0xFF0000u);
    EXPECT_EQ(pixel(7, 6), 0xFF0000u);
    EXPECT_EQ(pixel(8, 6), 0x00FF00u);
    EXPECT_EQ(count(0xFF0000, 0, 0, 639, 479), 4);
    // Larger than the sources and partly off the page: clipped to both.
    vx_draw_image(-1, 478, 50, 50, image, mask);
    EXPECT_EQ(pixel(0, 478), 0xFF0000u);
    EXPECT_EQ(pixel(1, 479), 0xFF0000u);
    EXPECT_EQ(count(0xFF0000, 0, 0, 639, 479), 8);
    vx_draw_image(INT_MAX, INT_MIN, INT_MAX, INT_MAX, image, mask);
    vx_draw_image(0, 0, 3, 2, nullptr, mask);
    EXPECT_EQ(count(0xFF0000, 0, 0, 639, 479), 8);
    vxi_bitmap_free(image);
    vxi_bitmap_free(mask);
}

TEST_F(DrawTest, ColoursAndNames) {
    vx_set_color(0, 0, -1);
    EXPECT_EQ(vxi_current_color(), 0x0000FFu);
    vx_set_color(256 + 1, 512 + 2, -253);
    EXPECT_EQ(vxi_current_color(), 0x010203u);
    EXPECT_EQ(vxi_colour_table_count(), 77);

    EXPECT_EQ(vx_set_color_name("WhItE"), 0);
    EXPECT_EQ(vxi_current_color(), 0xFFFFFFu);
    EXPECT_EQ(vx_set_color_name("DarkGray"), 0);
    EXPECT_EQ(vxi_current_color(), 0x505050u);
    EXPECT_EQ(vx_set_color_name("Coccasin"), 0);
    EXPECT_EQ(vxi_current_color(), 0xFFE4B5u);
    EXPECT_EQ(vx_set_color_name("purple"), 0);
    EXPECT_EQ(vxi_current_color(), 0xA020F0u);
    const char *misses[] = {"moccasin", "grey", "gray50", "dark gray", "white ", "whit", "", nullptr,
                            "lightgoldenrodlightgoldenrodlightgoldenrod"};
    for (const char *name : misses) {
        EXPECT_EQ(vx_set_color_name(name), -1) << (name ? name : "(null)");
        EXPECT_EQ(vxi_current_color(), 0xA020F0u);
    }
    vx_fill_rect(0, 0, 0, 0);
    EXPECT_EQ(pixel(0, 0), 0xA020F0u);
}

TEST_F(DrawTest, BackFormsTouchOnlyTheBackPage) {
    const VxPoint tri[] = {{10, 10}, {30, 10}, {20, 25}};
    vx_draw_point_back(1, 1);
    vx_draw_line_back(0, 5, 100, 5);
    vx_draw_rect_back(40, 40, 60, 60);
    vx_fill_rect_back(70, 40, 90, 60);
    vx_draw_circle_back(120, 50, 10);
    vx_fill_circle_back(150, 50, 10);
    vx_draw_arc_back(180, 50, 10, 5, 0, 180);
    vx_fill_arc_back(210, 50, 10, 5, 0, 180);
    vx_fill_polygon_back(3, tri);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 0);
    EXPECT_EQ(vxtest::back_pixel(1, 1), WHITE);
    EXPECT_EQ(vxtest::back_pixel(100, 5), WHITE);
    EXPECT_EQ(vxtest::back_pixel(80, 50), WHITE);
    EXPECT_EQ(vxtest::back_pixel(150, 50), WHITE);
    EXPECT_EQ(vxtest::back_pixel(20, 15), WHITE);

    vx_draw_line(0, 300, 10, 300);
    EXPECT_EQ(vxtest::back_pixel(5, 300), BLACK);
    EXPECT_EQ(pixel(5, 300), WHITE);
}

TEST_F(DrawTest, WildCoordinatesAreClipped) {
    vx_draw_line(INT_MIN, 240, INT_MAX, 240);
    EXPECT_EQ(count(WHITE, 0, 240, 639, 240), 640);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 640);
    vx_clear();
    vx_draw_line(-1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 480);
    EXPECT_TRUE(lit(479, 479));
    vx_clear();
    vx_fill_rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 640 * 480);
    vx_clear();
    vx_draw_rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 0);
    vx_fill_circle(320, 240, INT_MAX);  // covers the page
    EXPECT_EQ(count(WHITE, 0, 0, 639, 479), 640 * 480);
    vx_clear();
    const VxPoint huge[] = {{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}, {INT_MIN, INT_MAX}};
    vx_fill_polygon(4, huge);
    vx_draw_circle(INT_MAX, INT_MIN, INT_MAX);
    vx_draw_circle(INT_MIN, INT_MAX, INT_MIN);
    vx_draw_arc(0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MAX);
    vx_fill_arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 30, 200);
    vx_fill_arc(320, 240, INT_MAX, 1, 10, 20);
    vx_draw_point(INT_MIN, INT_MAX);
    vx_draw_point(640, 0);
    vx_draw_circle(10, 10, 0);
    vx_fill_arc(10, 10, 0, 5, 0, 90);
}
