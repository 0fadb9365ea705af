// Where the settings file and the log go, and the trimming of the log.
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr const char *ENV_NAMES[] = {"HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"};

class Locations : public ::testing::Test {
protected:
    std::string dir, home;
    std::string saved[3];
    bool had[3] = {};

    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            const char *v = std::getenv(ENV_NAMES[i]);
            had[i] = v != nullptr;
            saved[i] = v ? v : "";
        }
        dir = vxtest::temp_dir("locations");
        home = dir + "/home";
        fs::create_directories(home);
        fs::create_directories(dir + "/prog");
        vxtest::open_headless(640, 480, dir + "/prog");
        vxi_set_program_name("keldary");
        setenv("HOME", home.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_STATE_HOME");
    }
    void TearDown() override {
        for (int i = 0; i < 3; ++i)
            had[i] ? setenv(ENV_NAMES[i], saved[i].c_str(), 1) : unsetenv(ENV_NAMES[i]);
        vxi_set_program_name(nullptr);
        vxtest::open_headless(640, 480, dir + "/prog");
    }
    // Places the files of a program named "keldary" that the player cannot
    // write beside (an installed one); returns what the layer said on stderr.
    std::string locate_installed() {
        testing::internal::CaptureStderr();
        vxi_locate_files(0);
        return testing::internal::GetCapturedStderr();
    }
    static unsigned mode(const std::string &path) {
        struct stat st{};
        stat(path.c_str(), &st);
        return st.st_mode & 07777;
    }
};

TEST_F(Locations, InstalledProgramKeepsItsFilesUnderXdgDirectories) {
    EXPECT_EQ(locate_installed(), "");
    EXPECT_EQ(std::string(vxi_ini_path()), home + "/.config/keldary/Vexdraw.ini");
    EXPECT_EQ(std::string(vxi_log_path()), home + "/.local/state/keldary/Vexdraw.log");
    EXPECT_EQ(mode(home + "/.config/keldary"), 0700u);
    EXPECT_EQ(mode(home + "/.local/state"), 0700u) << "every directory made on the way";

    vx_ini_set_int("WINDOW", "LEFT", 9);
    ASSERT_EQ(vx_ini_save(), 0);
    EXPECT_EQ(vxtest::read_file(home + "/.config/keldary/Vexdraw.ini"), "# Vexdraw INI file\n\n[WINDOW]\nLEFT=9\n");
    vxi_ini_clear();
    ASSERT_EQ(vx_ini_load(), 0);
    EXPECT_EQ(vx_ini_get_int("WINDOW", "LEFT", 100), 9);
    vx_warning("w");
    EXPECT_EQ(vxtest::read_file(home + "/.local/state/keldary/Vexdraw.log"), "[WINDOW]\n\nLEFT=9\n\nWarning: w\n");

    // The variables win when they hold absolute paths; relative ones are
    // ignored, as the XDG rules ask.
    setenv("XDG_CONFIG_HOME", (dir + "/cfg").c_str(), 1);
    setenv("XDG_STATE_HOME", "relative/state", 1);
    EXPECT_EQ(locate_installed(), "");
    EXPECT_EQ(std::string(vxi_ini_path()), dir + "/cfg/keldary/Vexdraw.ini");
    EXPECT_EQ(std::string(vxi_log_path()), home + "/.local/state/keldary/Vexdraw.log");
    EXPECT_FALSE(fs::exists("relative"));
}

TEST_F(Locations, UnwritablePlaceMeansOneWarningAndNoSavedSettings) {
    vxtest::write_file(dir + "/file", "not a directory");
    setenv("XDG_CONFIG_HOME", (dir + "/file").c_str(), 1);
    std::string said = locate_installed();
    EXPECT_EQ(said, "keldary: warning: cannot write in " + dir + "/file/keldary: settings are not saved in this run\n");
    EXPECT_EQ(vxi_ini_writable(), 0);
    EXPECT_EQ(std::string(vxi_log_path()), home + "/.local/state/keldary/Vexdraw.log") << "the log still works";

    vx_ini_set_int("WINDOW", "LEFT", 9);
    testing::internal::CaptureStderr();
    EXPECT_EQ(vx_ini_save(), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "said once, at start-up";
    EXPECT_EQ(vxtest::read_file(vxi_log_path()).find("INIファイルが書き出せません"), std::string::npos);

    setenv("XDG_STATE_HOME", (dir + "/file").c_str(), 1);
    said = locate_installed();
    EXPECT_EQ(said, "keldary: warning: cannot write in " + dir +
                        "/file/keldary: settings and log are not kept in this run\n");
    EXPECT_EQ(vx_log("lost"), -1);

    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_STATE_HOME");
    said = locate_installed();
    EXPECT_EQ(said, "keldary: warning: cannot write in $HOME (not set): settings and log are not kept in this run\n");
    EXPECT_EQ(vx_ini_load(), -1) << "defaults everywhere";
}

TEST_F(Locations, LogIsCutToItsNewestLinesAtStartUp) {
    std::string log = dir + "/prog/Vexdraw.log";
    std::string text;
    for (int i = 0; text.size() < 100 * 1024; ++i) text += "Warning: 館 line " + std::to_string(i) + "\n";
    vxtest::write_file(log, text);
    vxi_locate_files(1);
    std::string kept = vxtest::read_file(log);
    EXPECT_LE(kept.size(), 32u * 1024);
    EXPECT_GT(kept.size(), 31u * 1024);
    ASSERT_EQ(text.compare(text.size() - kept.size(), kept.size(), kept), 0) << "the newest part, unchanged";
    EXPECT_EQ(text[text.size() - kept.size() - 1], '\n') << "starts at a line";
    EXPECT_FALSE(fs::exists(log + ".tmp"));

    text = "a short log\n";
    vxtest::write_file(log, text);
    vxi_locate_files(1);
    EXPECT_EQ(vxtest::read_file(log), text);
}

}  // namespace
