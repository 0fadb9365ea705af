// The built program, run headless as a player's script would run it.
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using e2e::install;

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
    EXPECT_EQ(at(320, 331), BLACK);

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

// Runs the program on a key script; returns its transcript (UTF-8).
std::string play(const std::string &dir, const std::string &script, const std::string &extra = "") {
    vxtest::write_file(dir + "/script.txt", script);
    return e2e::run_keys(dir, dir + "/script.txt", extra);
}

// Transcript lines are UTF-8, unlike the Shift-JIS narrow literals here.
bool has_line(const std::string &transcript, const char8_t *line) {
    return ("\n" + transcript).find("\n" + vxtest::utf8(line) + "\n") != std::string::npos;
}

TEST(Headless, TypedLinesAreEchoedInEachInputMode) {
    std::string dir = install("e2e-typing");
    std::string out = play(dir,
                           "kyakka\n"
                           "{F1}kyakka\n"
                           "{F1}TAKE\n"
                           "{F1}kak{BackSpace}a{BackSpace}{BackSpace}mi\n"
                           "{F1}{F1}take{C-c}\n");
    EXPECT_TRUE(has_line(out, u8">きゃっか")) << out;
    EXPECT_TRUE(has_line(out, u8">キャッカ")) << out;
    EXPECT_TRUE(has_line(out, u8">take")) << out;
    EXPECT_TRUE(has_line(out, u8">み")) << out;  // kana removed whole, pending k singly
    EXPECT_TRUE(has_line(out, u8">take^C")) << out;
}

TEST(Headless, ShotsWaitForEveryEarlierKey) {
    std::string dir = install("e2e-shot");
    play(dir, "look{nr}\n{shot " + dir + "/mid.png}{BackSpace}\n");
    int w, h;
    std::vector<uint32_t> px;
    ASSERT_TRUE(vxtest::read_png(dir + "/mid.png", w, h, px));
    // The typed word stands after the prompt on the input line.
    int lit = 0;
    for (int y = 446; y < 462; ++y)
        for (int x = 40; x < 104; ++x) lit += px[static_cast<size_t>(y) * w + x] != BLACK;
    EXPECT_GT(lit, 30);
}

TEST(Headless, TerminalPlayShowsThePromptAndReadsStandardInput) {
    std::string dir = install("e2e-text");
    vxtest::write_file(dir + "/in.txt", "hajimeru\nowaru\niie\nsukoa\n");
    ASSERT_EQ(vxtest::run(dir + "/keldary --text < " + dir + "/in.txt > " + dir + "/out.txt 2>&1"), 0);
    std::string out = vxtest::read_file(dir + "/out.txt");
    auto has = [&](const char8_t *s) { return out.find(reinterpret_cast<const char *>(s)) != std::string::npos; };
    EXPECT_TRUE(has(u8"> >はじめる\n")) << out;
    EXPECT_TRUE(has(u8"あなたは屋敷の敷地に踏み込んだところだ。\n")) << out;
    EXPECT_TRUE(has(u8"? ?いいえ\n")) << out; // the quit question asks with "?"
    EXPECT_TRUE(has(u8"現在の得点:0/21\n")) << out;
    EXPECT_EQ(vxtest::run(dir + "/keldary --text --keys x > /dev/null 2>&1"), 2);
}
