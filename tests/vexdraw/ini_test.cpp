// The settings table and the file "Vexdraw.ini".
#include "host.h"
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class Ini : public ::testing::Test {
protected:
    std::string dir, ini, logf;
    void SetUp() override {
        dir = vxtest::temp_dir("ini");
        ini = dir + "/Vexdraw.ini";
        logf = dir + "/Vexdraw.log";
        reopen();
    }
    // Starts the layer afresh (an error ends it) with no settings. Closing
    // the previous layer saves its settings, so remove them afterwards too.
    void reopen() {
        std::filesystem::remove(ini);
        vxtest::open_headless(640, 480, dir);
        std::filesystem::remove(ini);
        vxi_ini_clear();
        std::filesystem::remove(logf);
    }
    int load(const std::string &text) {
        vxtest::write_file(ini, text);
        vxi_ini_clear();
        std::filesystem::remove(logf);
        testing::internal::CaptureStderr();
        int result = vx_ini_load();
        testing::internal::GetCapturedStderr();
        return result;
    }
    std::string log() const { return vxtest::read_file(logf); }
};

TEST_F(Ini, SaveAndLoadRoundTrip) {
    EXPECT_EQ(std::string(vxi_ini_path()), ini);
    EXPECT_EQ(vx_ini_load(), -1);
    EXPECT_EQ(log(), "Warning: INIファイルが存在しません。\n");

    vx_ini_set_int("WINDOW", "LEFT", 120);
    vx_ini_set_int("WINDOW", "TOP", -5);
    vx_ini_set_int("CONSOLE", "SHOW", 1);
    vx_ini_set_int("WINDOW", "LEFT", 130);
    ASSERT_EQ(vx_ini_save(), 0);
    const std::string expected = "# Vexdraw INI file\n\n[WINDOW]\nLEFT=130\nTOP=-5\n\n[CONSOLE]\nSHOW=1\n";
    EXPECT_EQ(vxtest::read_file(ini), expected);
    EXPECT_EQ(vxtest::list_dir(dir), (std::vector<std::string>{"Vexdraw.ini", "Vexdraw.log"}));

    ASSERT_EQ(load(expected + "# the user's comment\n"), 0);
    EXPECT_EQ(vx_ini_get_int("WINDOW", "TOP", 100), -5);
    EXPECT_EQ(vx_ini_get_int("window", "TOP", 7), 7);
    EXPECT_EQ(log(), "[WINDOW]\n\nLEFT=130\n\nTOP=-5\n\n[CONSOLE]\n\nSHOW=1\n\n");
    ASSERT_EQ(vx_ini_save(), 0);
    EXPECT_EQ(vxtest::read_file(ini), expected);
}

TEST_F(Ini, ReadRules) {
    ASSERT_EQ(load("# only\n#comments\n"), 0);
    EXPECT_EQ(log(), "");
    ASSERT_EQ(load("A=1\n[S] tail\nV=12abc\nE=\n LEFT=3\nBIG=99999999999\n[]\nB=2\n[T]\n"), 0);
    EXPECT_EQ(vx_ini_get_int("S", "LEFT", 100), 100);
    ASSERT_EQ(vx_ini_save(), 0);
    EXPECT_EQ(vxtest::read_file(ini),
              "# Vexdraw INI file\n\n[]\nA=1\nB=2\n\n[S]\nV=12\nE=0\n LEFT=3\nBIG=2147483647\n");
}

TEST_F(Ini, MalformedLinesEndLoadingButNotTheProgram) {
    testing::internal::CaptureStderr();
    vxtest::write_file(ini, "[WINDOW]\nLEFT=7\n[CONSOLE\nSHOW=1\n");
    vxi_ini_clear();
    EXPECT_EQ(vx_ini_load(), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Illegal Line 3 in " + ini + "\n");
    EXPECT_EQ(vxi_quit_posted(), 0) << "a settings file only places windows: the program goes on";
    EXPECT_EQ(vx_ini_get_int("WINDOW", "LEFT", 100), 7) << "what was read before the bad line stays";
    EXPECT_EQ(vx_ini_get_int("CONSOLE", "SHOW", 0), 0) << "the rest keeps its default";
    EXPECT_EQ(vx_ini_get_int("WINDOW", "SHOW", 5), 5);

    EXPECT_EQ(load("X=1\n[TWO WORDS]\nY=2\n"), -1);
    EXPECT_EQ(log(), "X=1\n\n[TWO WORDS]\n\nError: Illegal Line 2 in " + ini + "\n");

    // Lines over 1023 bytes are read in pieces: the second is no comment.
    EXPECT_EQ(load("#" + std::string(1500, 'c') + "\n"), -1);
    EXPECT_NE(log().find("Error: Illegal Line 2 in "), std::string::npos);

    // A file with more sections than the table holds: reported, not fatal.
    EXPECT_EQ(load("[A]\nK=1\n[B]\nK=1\n[C]\nK=1\n[D]\nK=1\n[E]\nK=1\n"), -1);
    EXPECT_NE(log().find("Error: INIファイルのセクション数が上限を超えました。"), std::string::npos);
    EXPECT_EQ(vxi_quit_posted(), 0);
    EXPECT_EQ(vx_ini_get_int("D", "K", 0), 1);
}

TEST_F(Ini, CapacitiesAndLongNames) {
    const std::string fifteen(15, 'k'), sixteen(16, 'k');
    EXPECT_EQ(vx_ini_set_int(fifteen.c_str(), fifteen.c_str(), 15), 0);
    EXPECT_EQ(vx_ini_set_int("S", sixteen.c_str(), 16), -1);
    EXPECT_EQ(vx_ini_set_int(sixteen.c_str(), "K", 16), -1);
    EXPECT_EQ(vx_ini_get_int(sixteen.c_str(), "K", 3), 3);
    EXPECT_NE(log().find("Warning: INIファイルのセクション名`" + sixteen), std::string::npos);
    EXPECT_EQ(vxi_quit_posted(), 0);

    // In the file, a section whose name is too long is reported once, not
    // once for each of its entries, and they are passed over.
    const std::string long_name(400, 'k');
    std::string text = "[" + long_name + "]\n";
    for (int i = 0; i < 50; ++i) text += "K" + std::to_string(i) + "=1\n";
    EXPECT_EQ(load(text + "[S]\nX=2\n"), 0);
    EXPECT_EQ(vx_ini_get_int("S", "X", 0), 2);
    EXPECT_EQ(vx_ini_get_int(long_name.c_str(), "K1", 3), 3);
    EXPECT_LT(log().size(), 2 * text.size());

    for (int i = 0; i < 16; ++i) vx_ini_set_int("S", std::to_string(i).c_str(), i);
    std::filesystem::remove(logf);
    testing::internal::CaptureStderr();
    EXPECT_EQ(vx_ini_set_int("S", "17th", 16), -1);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(log(), "Error: INIファイル・セクション`S'中のエントリ数が上限を超えました。\n");

    reopen();
    for (const char *s : {"A", "B", "C", "D"}) vx_ini_set_int(s, "K", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(vx_ini_set_int("E", "K", 1), -1);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(log(), "Error: INIファイルのセクション数が上限を超えました。\n");
}

TEST_F(Ini, FailedSaveKeepsTheOldFile) {
    vxtest::write_file(ini, "# Vexdraw INI file\n\n[W]\nL=1\n");
    vx_ini_set_int("W", "L", 2);
    for (const char *key : {"A_LONGER_NAME", "ANOTHER_NAME", "AND_A_THIRD"}) vx_ini_set_int("W", key, 2);
    {
        vxtest::FileSizeLimit full(64); // room for the log's line, not for the file
        EXPECT_EQ(vx_ini_save(), -1);
    }
    EXPECT_EQ(vxtest::read_file(ini), "# Vexdraw INI file\n\n[W]\nL=1\n");
    EXPECT_EQ(log(), "Warning: INIファイルが書き出せません。\n");
    EXPECT_EQ(vxtest::list_dir(dir), (std::vector<std::string>{"Vexdraw.ini", "Vexdraw.log"}));

    // A settings file that is a link to another file is left as it is.
    std::filesystem::remove(ini);
    vxtest::write_file(dir + "/elsewhere", "mine");
    std::filesystem::create_symlink(dir + "/elsewhere", ini);
    EXPECT_EQ(vx_ini_save(), -1);
    EXPECT_EQ(vxtest::read_file(dir + "/elsewhere"), "mine");
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    std::filesystem::remove(ini);
}

TEST_F(Ini, PositionsOffEveryScreenAreHeldBack) {
    vxi_layer_shutdown(); // which writes the settings of this layer
    vxtest::write_file(ini, "[WINDOW]\nLEFT=2147483647\nTOP=-2147483648\n[CONSOLE]\nSHOW=1\nLEFT=99999999999\nTOP=-7\n");
    vxtest::open_headless(640, 480, dir); // reads the file as at start-up
    int x = 0, y = 0;
    vxi_host()->get_window_pos(&x, &y);
    EXPECT_EQ(x, 32767);
    EXPECT_EQ(y, -32767);
    vxi_host()->console_get_pos(&x, &y);
    EXPECT_EQ(x, 32767);
    EXPECT_EQ(y, -7);
}

}  // namespace
