// The built program, run headless as a player's script would run it.
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A copy of the program in its own directory, so that the settings and log
// files it writes next to itself start from nothing.
std::string install(const std::string &name) {
    std::string dir = vxtest::temp_dir(name);
    fs::copy_file(KELDARY_EXE, dir + "/keldary");
    return dir;
}

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;

}  // namespace

TEST(Headless, EmptyScriptDrawsTheScreenFrameAndWritesTheSettings) {
    std::string dir = install("e2e-frame");
    int status = vxtest::run(dir + "/keldary --headless --keys /dev/null --screenshot " + dir +
                             "/s.png > " + dir + "/out.txt 2>&1");
    ASSERT_EQ(status, 0) << vxtest::read_file(dir + "/out.txt");

    int w = 0, h = 0;
    std::vector<uint32_t> px;
    ASSERT_TRUE(vxtest::read_png(dir + "/s.png", w, h, px));
    ASSERT_EQ(w, 640);
    ASSERT_EQ(h, 480);
    auto at = [&](int x, int y) { return px[static_cast<size_t>(y) * w + x]; };

    // The picture frame: white outline (19,7)-(621,329), black inside.
    for (int x = 19; x <= 621; ++x) {
        EXPECT_EQ(at(x, 7), WHITE) << x;
        EXPECT_EQ(at(x, 329), WHITE) << x;
    }
    for (int y = 7; y <= 329; ++y) {
        EXPECT_EQ(at(19, y), WHITE) << y;
        EXPECT_EQ(at(621, y), WHITE) << y;
    }
    EXPECT_EQ(at(18, 7), BLACK);
    EXPECT_EQ(at(622, 329), BLACK);
    EXPECT_EQ(at(19, 330), BLACK);
    int lit = 0;
    for (int y = 8; y <= 328; ++y)
        for (int x = 20; x <= 620; ++x) lit += at(x, y) != BLACK;
    EXPECT_EQ(lit, 0);

    // The console box outline (30,334)-(610,464).
    EXPECT_EQ(at(30, 334), WHITE);
    EXPECT_EQ(at(610, 334), WHITE);
    EXPECT_EQ(at(30, 464), WHITE);
    EXPECT_EQ(at(610, 464), WHITE);
    EXPECT_EQ(at(320, 334), WHITE);
    EXPECT_EQ(at(31, 335), BLACK);
    EXPECT_EQ(at(29, 334), BLACK);
    EXPECT_EQ(at(611, 465), BLACK);

    // The settings file and the log appear next to the program.
    std::string ini = vxtest::read_file(dir + "/Vexdraw.ini");
    EXPECT_EQ(ini, "# Vexdraw INI file\n\n[WINDOW]\nLEFT=100\nTOP=100\n");
    EXPECT_NE(vxtest::read_file(dir + "/Vexdraw.log").find("Warning: "), std::string::npos);
}

TEST(Headless, SettingsSurviveARun) {
    std::string dir = install("e2e-settings");
    vxtest::write_file(dir + "/Vexdraw.ini",
                       "# mine\n[WINDOW]\nLEFT=300\nTOP=40\n[CONSOLE]\nSHOW=1\nLEFT=5\nTOP=6\n");
    ASSERT_EQ(vxtest::run(dir + "/keldary --headless --keys /dev/null > /dev/null 2>&1"), 0);
    EXPECT_EQ(vxtest::read_file(dir + "/Vexdraw.ini"),
              "# Vexdraw INI file\n\n[WINDOW]\nLEFT=300\nTOP=40\n\n[CONSOLE]\nSHOW=1\nLEFT=5\nTOP=6\n");
}

TEST(Headless, OptionsAreCheckedAndListed) {
    std::string dir = install("e2e-options");
    EXPECT_EQ(vxtest::run(dir + "/keldary --help > " + dir + "/help.txt 2>&1"), 0);
    std::string help = vxtest::read_file(dir + "/help.txt");
    for (const char *opt : {"--headless", "--keys", "--screenshot", "--trace", "--help"})
        EXPECT_NE(help.find(opt), std::string::npos) << opt;
    EXPECT_EQ(vxtest::run(dir + "/keldary --frobnicate > " + dir + "/err.txt 2>&1"), 2);
    EXPECT_NE(vxtest::read_file(dir + "/err.txt").find("unknown option '--frobnicate'"), std::string::npos);
    EXPECT_EQ(vxtest::run(dir + "/keldary --keys /dev/null > /dev/null 2>&1"), 2);
    EXPECT_EQ(vxtest::run(dir + "/keldary --headless --keys " + dir + "/missing > /dev/null 2>&1"), 1);
}

TEST(Headless, ScriptedKeysReachTheProgramAndShotsWaitForThem) {
    std::string dir = install("e2e-keys");
    vxtest::write_file(dir + "/script.txt", "tAke{nr}\n{shot " + dir + "/mid.png}{BackSpace}\n");
    ASSERT_EQ(vxtest::run(dir + "/keldary --headless --trace --keys " + dir + "/script.txt 2> " + dir +
                          "/trace.txt"),
              0);
    std::string trace = vxtest::read_file(dir + "/trace.txt");
    // Shift is pressed around the capital and the letter arrives shifted.
    EXPECT_NE(trace.find("key 116\nkey 65505\nkey 65\nkey 107\nkey 101\n"), std::string::npos) << trace;
    EXPECT_NE(trace.find("key 8\nkey 13\n"), std::string::npos) << trace;
    int w, h;
    std::vector<uint32_t> px;
    ASSERT_TRUE(vxtest::read_png(dir + "/mid.png", w, h, px));
    // The four typed characters stand after the prompt when the shot is taken.
    int lit = 0;
    for (int y = 446; y < 462; ++y)
        for (int x = 40; x < 72; ++x) lit += px[static_cast<size_t>(y) * w + x] != BLACK;
    EXPECT_GT(lit, 20);
}
