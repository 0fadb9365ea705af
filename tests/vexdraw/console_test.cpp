// The console ring, the log file, warnings and errors.
#include "host.h"
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class Console : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override {
        dir = vxtest::temp_dir("console");
        vxtest::open_headless(640, 480, dir);
        vxi_console_reset();
        std::filesystem::remove(dir + "/Vexdraw.log");
    }
    void TearDown() override { vxi_set_trace(0); }
    std::string log() const { return vxtest::read_file(dir + "/Vexdraw.log"); }
};

TEST_F(Console, NewlinesWrappingAndTheRing) {
    vx_printf("abc%s", "\ndropped");
    vx_printf("Creating directory '%s'...", "x");
    vx_printf("success.\n");
    EXPECT_STREQ(vxi_console_line(22), "abc");
    EXPECT_STREQ(vxi_console_line(23), "Creating directory 'x'...success.");
    EXPECT_STREQ(vxi_console_line(24), "");

    vx_printf("%s%s", std::string(80, 'a').c_str(), std::string(20, 'b').c_str());
    EXPECT_EQ(std::string(vxi_console_line(23)), std::string(80, 'a'));
    EXPECT_EQ(std::string(vxi_console_line(24)), std::string(20, 'b'));

    for (int i = 0; i < 25; ++i) vx_printf("line %d\n", i);
    EXPECT_STREQ(vxi_console_line(0), "line 1");
    EXPECT_STREQ(vxi_console_line(23), "line 24");
    EXPECT_STREQ(vxi_console_line(25), "");
}

TEST_F(Console, LongTextIsRefusedOrCutAndTraceShowsIt) {
    EXPECT_EQ(vx_puts(std::string(8192, 'x').c_str()), -1);
    EXPECT_EQ(vx_puts(nullptr), -1);
    EXPECT_STREQ(vxi_console_line(24), "");

    vxi_set_trace(1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(vx_printf("%s", std::string(20000, 'y').c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(8192, 'y'));
    testing::internal::CaptureStderr();
    vx_printf("\n");
    EXPECT_EQ(vx_puts("館"), 0);  // Shift-JIS reaches the terminal as UTF-8
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "\n\xE9\xA4\xA8\n");

    // Log lines are copied too, in UTF-8, while the log keeps Shift-JIS;
    // an error reaches stderr once.
    testing::internal::CaptureStderr();
    vx_warning("館");
    vx_error("x");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Warning: \xE9\xA4\xA8\nError: x\n");
    EXPECT_EQ(log(), "Warning: 館\nError: x\n");
}

int repaints;
void count_repaint() { ++repaints; }

TEST_F(Console, OnlyAnOpenConsoleWindowIsRepainted) {
    static VxHost counting;  // outlives the test even if it stops early
    counting = *vx_headless_host();
    counting.console_invalidate = count_repaint;
    vxi_set_host(&counting);
    repaints = 0;
    vx_printf("closed\n");
    vxi_menu_command(2);
    ASSERT_EQ(vxi_console_shown(), 1);
    vx_puts("shown");
    EXPECT_EQ(repaints, 1);
    vxi_menu_command(2);
    vxi_set_host(vx_headless_host());
}

TEST_F(Console, LogWarningAndError) {
    EXPECT_EQ(vx_log("first"), 0);
    EXPECT_EQ(vx_warning("INIファイルが存在しません。"), 0);
    EXPECT_EQ(vx_warning("two lines\n"), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(vx_error("bad %d", 7), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: bad 7\n");
    EXPECT_EQ(vxi_quit_posted(), 1) << "an error ends the loop by destroying the window";
    EXPECT_EQ(log(), "first\nWarning: INIファイルが存在しません。\nWarning: two lines\n\nError: bad 7\n");

    vxtest::open_headless(640, 480, dir);
    std::filesystem::remove(dir + "/Vexdraw.log");
    vx_warning("%s", std::string(10000, 'w').c_str());
    EXPECT_EQ(log().size(), 8192u + 1) << "cut to the message size";

    std::filesystem::remove(dir + "/Vexdraw.log");
    std::filesystem::create_directory(dir + "/Vexdraw.log");  // cannot be opened
    EXPECT_EQ(vx_log("lost"), -1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(vx_error("lost"), -1);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(vxi_quit_posted(), 1);
}

TEST_F(Console, PaintShowsTheCurrentLineAtTheBottom) {
    VxBitmap *bm = vxi_bitmap_new(568, 358);
    vxi_fill_bitmap(bm, 0xFFFFFF);
    vx_printf("XXXX");
    vxi_console_paint(bm);
    int above = 0, bottom = 0;
    for (int y = 0; y < 358; ++y)
        for (int x = 0; x < 568; ++x)
            if (bm->px[y * 568 + x] != 0) (y >= 4 + 14 * 24 ? bottom : above)++;
    EXPECT_EQ(above, 0);
    EXPECT_GT(bottom, 0) << "the current line is drawn in the bottom row";
    vxi_bitmap_free(bm);
}

}  // namespace
