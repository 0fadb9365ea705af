// The built program with a broken settings file, and its version.
#include "e2e_support.h"

#include <gtest/gtest.h>

namespace {

using e2e::install;

// A section line without "]" is reported as the layer's rule says, and the
// game plays on with defaults, with a window or without.
TEST(SettingsFile, TypoIsReportedAndPlayGoesOn) {
    std::string dir = install("e2e-ini-typo");
    const std::string broken = "# mine\n[WINDOW\nLEFT=300\n";
    const std::string error = "Error: Illegal Line 2 in " + dir + "/Vexdraw.ini\n";
    vxtest::write_file(dir + "/Vexdraw.ini", broken);
    vxtest::write_file(dir + "/start.keys", "{F1}{F1}start\n");
    ASSERT_EQ(vxtest::run("HOME=" + dir + " " + dir + "/keldary --headless --keys " + dir + "/start.keys > " + dir +
                          "/out.txt 2> " + dir + "/err.txt"),
              0);
    EXPECT_EQ(vxtest::read_file(dir + "/err.txt"), error) << "told once";
    EXPECT_NE(vxtest::read_file(dir + "/out.txt").find("[newspaper]"), std::string::npos) << "the game began";
    EXPECT_NE(vxtest::read_file(dir + "/Vexdraw.log").find(error), std::string::npos);
    EXPECT_EQ(vxtest::read_file(dir + "/Vexdraw.ini"), "# Vexdraw INI file\n\n[WINDOW]\nLEFT=100\nTOP=100\n")
        << "the file is written back whole, with the defaults";

    vxtest::write_file(dir + "/Vexdraw.ini", broken);
    ASSERT_EQ(vxtest::run("echo '{F1}{F1}start' | HOME=" + dir + " " + dir + "/keldary --text > " + dir + "/text.txt 2> " + dir +
                          "/err.txt"),
              0);
    EXPECT_EQ(vxtest::read_file(dir + "/err.txt"), error);
    EXPECT_NE(vxtest::read_file(dir + "/text.txt").find("[newspaper]"), std::string::npos);
}

TEST(SettingsFile, VersionIsTheProjectVersionAndTraceIsUtf8) {
    std::string dir = install("e2e-version");
    ASSERT_EQ(vxtest::run(dir + "/keldary --version > " + dir + "/v.txt 2>&1"), 0);
    EXPECT_EQ(vxtest::read_file(dir + "/v.txt"), std::string("keldary ") + KELDARY_VERSION + "\n");
    ASSERT_EQ(vxtest::run(dir + "/keldary --help > " + dir + "/help.txt"), 0);
    EXPECT_NE(vxtest::read_file(dir + "/help.txt").find("--version"), std::string::npos);

    // The log stays Shift-JIS; the trace copy of its first-start warning is
    // UTF-8.
    ASSERT_EQ(vxtest::run(dir + "/keldary --headless --trace --keys /dev/null > /dev/null 2> " + dir + "/trace.txt"), 0);
    EXPECT_NE(vxtest::read_file(dir + "/trace.txt").find(reinterpret_cast<const char *>(u8"Warning: INIファイルが存在しません。\n")),
              std::string::npos);
    EXPECT_NE(vxtest::read_file(dir + "/Vexdraw.log").find("Warning: INIファイルが存在しません。\n"), std::string::npos);
}

}  // namespace
