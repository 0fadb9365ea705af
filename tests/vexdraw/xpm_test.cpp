// The XPM reader: good images, malformed data and the image limit.
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class Xpm : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override {
        dir = vxtest::temp_dir("xpm");
        vxtest::open_headless(640, 480, dir);
        std::filesystem::remove(dir + "/Vexdraw.log");
    }
    void TearDown() override { vxi_free_images(); }

    // Data that must be refused with the given log line; the error ends the
    // loop, so the layer is opened again afterwards.
    void refused(const std::vector<const char *> &data, const std::string &message) {
        std::filesystem::remove(dir + "/Vexdraw.log");
        testing::internal::CaptureStderr();
        VxImage img = vx_read_xpm(data.empty() ? nullptr : data.data());
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(img.height, 0) << message;
        EXPECT_EQ(vxtest::read_file(dir + "/Vexdraw.log"), "Error: " + message + "\n");
        EXPECT_EQ(vxi_quit_posted(), 1);
        vxtest::open_headless(640, 480, dir);
    }
};

uint32_t at(const VxBitmap *bm, int x, int y) { return bm->px[y * bm->w + x]; }

TEST_F(Xpm, ImagesAndMasks) {
    std::vector<std::string> rows(16, std::string(16, '.'));
    for (int i = 0; i < 16; ++i) rows[i][i] = '#';
    std::vector<const char *> data = {"16 16 2 1 extra", ". c None", "# c #FF0000"};
    for (auto &r : rows) data.push_back(r.c_str());
    VxImage img = vx_read_xpm(data.data());
    ASSERT_EQ(img.height, 16);
    EXPECT_EQ(at(img.image, 3, 3), 0xFF0000u);
    EXPECT_EQ(at(img.mask, 3, 3), 0x000000u);
    EXPECT_EQ(at(img.image, 4, 3), 0x000000u);
    EXPECT_EQ(at(img.mask, 4, 3), 0xFFFFFFu);

    const char *two[] = {"3 1 3 2", "aa c #0000ff", "ab\tc\t#12", "b  c none", "aaabb ", nullptr};
    img = vx_read_xpm(two);
    ASSERT_EQ(img.height, 1);
    EXPECT_EQ(at(img.image, 0, 0), 0x0000FFu);
    EXPECT_EQ(at(img.image, 1, 0), 0x000012u) << "plain hexadecimal";
    EXPECT_EQ(at(img.mask, 2, 0), 0xFFFFFFu);
}

TEST_F(Xpm, BadDataIsRefusedWithoutReadingPastIt) {
    const std::string first = "xpmデータの1行目に誤りがあります。";
    for (const char *values : {"16 16 2", "-1 16 1 1", "1 -1 1 1", "5000 1 1 1", "99999999999 1 1 1",
                               "1 1 -3 1", "1 1 99999 2", "1 1 1 3", "1 1 1 0"})
        refused({values, nullptr}, first);
    refused({}, first);
    refused({nullptr}, first);

    const std::string colour = "xpmデータの色情報(1行目)に誤りがあります。";
    refused({"1 1 1 1", ". s #FFFFFF", ".", nullptr}, colour);
    refused({"1 1 1 1", ". c", ".", nullptr}, colour);
    refused({"1 1 1 1", ".", nullptr}, colour);
    refused({"1 1 1 1", "\xA0 c None", "\xA0", nullptr}, colour);
    refused({"1 1 1 1", ".x c None", ".", nullptr}, colour);
    refused({"1 1 1 1", ". c #FFFF00000000", ".", nullptr}, colour);
    refused({"1 1 2 1", ". c None", nullptr}, "xpmデータの色情報(2行目)に誤りがあります。");
    refused({"1 1 2 1", ". c red", "# c blue", "#", nullptr},
            "現バージョンではxpmデータの色情報に色名(1行目)は使えません。\nError: "
            "現バージョンではxpmデータの色情報に色名(2行目)は使えません。");

    refused({"4 2 1 1", ". c None", "....", "..", nullptr}, "xpmデータの画素(3行目)に誤りがあります。");
    refused({"4 3 1 1", ". c None", "....", nullptr}, "xpmデータの画素(3行目)に誤りがあります。");
    refused({"2 1 1 2", "..  c None", "...", nullptr}, "xpmデータの画素(2行目)に誤りがあります。");
    refused({"2 1 1 1", ". c None", ".\xA0", nullptr}, "xpmデータの画素(2行目)に誤りがあります。");
    refused({"2 1 1 1", ". c None", ".#", nullptr}, "xpmデータの画素(2行目)に誤りがあります。");
}

TEST_F(Xpm, TheTwoHundredFiftySeventhImageIsRefused) {
    const char *data[] = {"1 1 1 1", ". c #FFFFFF", ".", nullptr};
    for (int i = 0; i < 256; ++i) ASSERT_EQ(vx_read_xpm(data).height, 1) << i;
    refused({"1 1 1 1", ". c #FFFFFF", ".", nullptr}, "xpmデータ数が上限を超えました。");
    EXPECT_EQ(vx_read_xpm(data).height, 1) << "destroying the window freed them all";
}

}  // namespace
