// What the layer gives the desktop around its window: zoom and full screen
// kept in the settings file, the mode text, the icon, the wheel,
// and screenshots in the pictures folder.
#include "host.h"
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A headless host that also keeps a view and an icon, as a window does.
int given_zoom = -1, given_fullscreen = -1, chosen_zoom = 0, chosen_fullscreen = 0, icons = 0;
void set_view(int zoom, int fullscreen) {
    given_zoom = zoom;
    given_fullscreen = fullscreen;
}
void get_view(int *zoom, int *fullscreen) {
    *zoom = chosen_zoom;
    *fullscreen = chosen_fullscreen;
}
void set_icon(const VxBitmap *) { ++icons; }

class Desktop : public ::testing::Test {
protected:
    std::string dir;
    VxHost host{};
    void SetUp() override {
        dir = vxtest::temp_dir("desktop");
        host = *vx_headless_host();
        host.set_view = set_view;
        host.get_view = get_view;
        host.set_icon = set_icon;
        given_zoom = given_fullscreen = -1;
        chosen_zoom = icons = 0;
        chosen_fullscreen = -1;
        start();
    }
    void TearDown() override {
        vxi_layer_shutdown();
        vxi_set_host(vx_headless_host());
    }
    void start() {
        vxi_layer_shutdown();
        vxi_set_host(&host);
        std::string exe = dir + "/keldary";
        vxi_layer_startup(exe.c_str(), exe.c_str());
        vx_open_window(640, 480);
    }
    std::string ini() const { return vxtest::read_file(dir + "/Vexdraw.ini"); }
    std::string log() const { return vxtest::read_file(dir + "/Vexdraw.log"); }
    void start_with(const std::string &window_section) {
        vxi_layer_shutdown();
        vxtest::write_file(dir + "/Vexdraw.ini", "[WINDOW]\nLEFT=10\nTOP=20\n" + window_section);
        fs::remove(dir + "/Vexdraw.log");
        start();
    }
};

TEST_F(Desktop, ZoomAndFullScreenComeFromTheirOwnKeysAndBadValuesAreIgnored) {
    start_with("ZOOM=3\nFULLSCREEN=1\n");
    EXPECT_EQ(given_zoom, 3);
    EXPECT_EQ(given_fullscreen, 1);
    EXPECT_EQ(log().find("Warning"), std::string::npos);

    start_with("");
    EXPECT_EQ(given_zoom, 0) << "an older file: the largest zoom that fits";
    EXPECT_EQ(given_fullscreen, 0);

    for (const char *bad : {"ZOOM=7\n", "ZOOM=0\n", "ZOOM=2x\n", "ZOOM=\n", "ZOOM= two\n"}) {
        start_with(std::string(bad) + "FULLSCREEN=yes\n");
        EXPECT_EQ(given_zoom, 0) << bad;
        EXPECT_EQ(given_fullscreen, 0) << bad;
        EXPECT_NE(log().find("Warning: INIファイルのWINDOW/ZOOMの値が正しくないので無視します（1〜6の整数）。"),
                  std::string::npos)
            << bad;
        EXPECT_NE(log().find("WINDOW/FULLSCREENの値が正しくない"), std::string::npos) << bad;
    }
    start_with("ZOOM= 4 \n");
    EXPECT_EQ(given_zoom, 4) << "blanks around a number are fine";
}

TEST_F(Desktop, ZoomAndFullScreenAreWrittenOnceChosen) {
    start_with("");
    vxi_layer_shutdown();
    EXPECT_EQ(ini(), "# Vexdraw INI file\n\n[WINDOW]\nLEFT=10\nTOP=20\n") << "nothing chosen, nothing added";

    start_with("");
    chosen_zoom = 2;
    chosen_fullscreen = 1;
    vxi_layer_shutdown();
    EXPECT_EQ(ini(), "# Vexdraw INI file\n\n[WINDOW]\nLEFT=10\nTOP=20\nZOOM=2\nFULLSCREEN=1\n");

    start_with("");
    chosen_zoom = 0;
    chosen_fullscreen = 0;
    vxi_layer_shutdown();
    EXPECT_EQ(ini(), "# Vexdraw INI file\n\n[WINDOW]\nLEFT=10\nTOP=20\nFULLSCREEN=0\n") << "full screen left";

    start_with("FULLSCREEN=1\n");
    chosen_zoom = 0;
    chosen_fullscreen = -1;
    vxi_layer_shutdown();
    EXPECT_EQ(ini(), "# Vexdraw INI file\n\n[WINDOW]\nLEFT=10\nTOP=20\nFULLSCREEN=1\n") << "kept as it was";
}

TEST_F(Desktop, IniTellsPlainNumbersFromOtherText) {
    vxtest::write_file(dir + "/Vexdraw.ini", "[A]\nB=12\nC=12abc\nD=-3 \nE=\nF=99999999999\n");
    vxi_ini_clear();
    ASSERT_EQ(vx_ini_load(), 0);
    EXPECT_TRUE(vxi_ini_is_number("A", "B"));
    EXPECT_FALSE(vxi_ini_is_number("A", "C"));
    EXPECT_EQ(vx_ini_get_int("A", "C", 0), 12) << "the value itself is read as before";
    EXPECT_TRUE(vxi_ini_is_number("A", "D"));
    EXPECT_FALSE(vxi_ini_is_number("A", "E"));
    EXPECT_FALSE(vxi_ini_is_number("A", "F"));
    EXPECT_FALSE(vxi_ini_has("A", "G"));
    vx_ini_set_int("A", "C", 5);
    EXPECT_TRUE(vxi_ini_is_number("A", "C")) << "a value the program stores is a number";
}

TEST_F(Desktop, ModeTextIsShortAndCutBetweenCharacters) {
    EXPECT_STREQ(vxi_mode_text(), "");
    vx_set_mode_text("あ");
    EXPECT_STREQ(vxi_mode_text(), "あ");
    std::string long_text;
    for (int i = 0; i < 20; ++i) long_text += "ア";
    vx_set_mode_text(("A" + long_text).c_str());
    EXPECT_EQ(std::string(vxi_mode_text()), "A" + long_text.substr(0, 30));
    vx_set_mode_text(nullptr);
    EXPECT_STREQ(vxi_mode_text(), "");
}

TEST_F(Desktop, TheIconIsTheNamedPartOfTheScreen) {
    EXPECT_EQ(vxi_icon(), nullptr);
    EXPECT_EQ(vx_set_icon_from_screen(700, 500, 800, 600), -1) << "off the page";
    vx_set_color(255, 255, 255);
    vx_fill_rect(100, 100, 199, 149);  // a white bar in the top half of a square
    EXPECT_EQ(vx_set_icon_from_screen(100, 100, 199, 199), 0);
    ASSERT_NE(vxi_icon(), nullptr);
    EXPECT_EQ(icons, 1);
    const VxBitmap *icon = vxi_icon();
    ASSERT_EQ(icon->w, 64);
    ASSERT_EQ(icon->h, 64);
    EXPECT_EQ(icon->px[10 * 64 + 32], 0xFFFFFFu);
    EXPECT_EQ(icon->px[50 * 64 + 32], 0x000000u);
    // A wide rectangle is centred in the square, black above and below.
    EXPECT_EQ(vx_set_icon_from_screen(100, 100, 199, 149), 0);
    EXPECT_EQ(icon->px[5 * 64 + 32], 0x000000u);
    EXPECT_EQ(icon->px[32 * 64 + 32], 0xFFFFFFu);
    EXPECT_EQ(icon->px[60 * 64 + 32], 0x000000u);
    // A thin line keeps showing when shrunk.
    vx_clear();
    vx_set_color(255, 255, 255);
    vx_draw_line(0, 200, 639, 200);
    EXPECT_EQ(vx_set_icon_from_screen(0, 100, 199, 299), 0);
    uint32_t brightest = 0;
    for (int i = 0; i < 64 * 64; ++i) brightest = icon->px[i] > brightest ? icon->px[i] : brightest;
    EXPECT_GE(brightest >> 16, 0xC0u);
}

TEST_F(Desktop, TheWheelPagesTheConsole) {
    vxi_host_wheel(2);
    vxi_host_wheel(-1);
    std::vector<std::pair<unsigned, int>> events;
    unsigned k;
    int d;
    while (vxi_key_queue_pop(&k, &d)) events.emplace_back(k, d);
    EXPECT_EQ(events, (std::vector<std::pair<unsigned, int>>{
                          {65365, 1}, {65365, 0}, {65365, 1}, {65365, 0}, {65366, 1}, {65366, 0}}));
    vxi_host_wheel(1000);
    int n = 0;
    while (vxi_key_queue_pop(&k, &d)) ++n;
    EXPECT_EQ(n, 14) << "a fast wheel fills the queue at most";
    vxi_close_request();
    vxi_host_wheel(1);
    EXPECT_TRUE(vxi_key_queue_empty()) << "not while the quit question is open";
    vxi_question_close();
}

// Sets an environment variable for one test and restores it.
class Env {
    std::string name_, old_;
    bool had_;

public:
    Env(const char *name, const std::string &value) : name_(name) {
        const char *o = std::getenv(name);
        had_ = o != nullptr;
        old_ = o ? o : "";
        setenv(name, value.c_str(), 1);
    }
    ~Env() {
        if (had_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
};

TEST_F(Desktop, ScreenshotsGoToThePicturesFolder) {
    const std::string home = dir + "/home";
    fs::create_directories(home + "/.config");
    Env env_home("HOME", home), env_config("XDG_CONFIG_HOME", ""), env_pictures("XDG_PICTURES_DIR", "");
    EXPECT_EQ(vxi_pictures_dir(), home) << "no pictures folder: the home folder";

    vxtest::write_file(home + "/.config/user-dirs.dirs",
                       "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                       "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    EXPECT_EQ(vxi_pictures_dir(), home) << "named but missing: the home folder";
    fs::create_directories(home + "/Bilder");
    EXPECT_EQ(vxi_pictures_dir(), home + "/Bilder");

    fs::create_directories(dir + "/cfg");
    vxtest::write_file(dir + "/cfg/user-dirs.dirs", "XDG_PICTURES_DIR=\"" + dir + "/shots\"\n");
    fs::create_directories(dir + "/shots");
    Env env_config2("XDG_CONFIG_HOME", dir + "/cfg");
    EXPECT_EQ(vxi_pictures_dir(), dir + "/shots");
    Env env_pictures2("XDG_PICTURES_DIR", home);
    EXPECT_EQ(vxi_pictures_dir(), home) << "the environment comes first";

    vxi_console_reset();
    vxi_set_program_name("keldary");
    vx_set_color(255, 0, 0);
    vx_fill_rect(0, 0, 9, 9);
    ASSERT_EQ(vxi_screenshot_to_pictures(), 0);
    ASSERT_EQ(vxi_screenshot_to_pictures(), 0);
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(home))
        if (e.path().extension() == ".png") names.push_back(e.path().filename().string());
    ASSERT_EQ(names.size(), 2u) << "a second shot in the same second gets a name of its own";
    int w, h;
    std::vector<uint32_t> px;
    ASSERT_TRUE(vxtest::read_png(home + "/" + names[0], w, h, px));
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(px[0], 0xFF0000u);
    EXPECT_EQ(names[0].rfind("keldary-", 0), 0u) << names[0];
    std::string said;  // long lines wrap at 80 bytes: joined they read whole
    for (int i = 0; i < 25; ++i) said += vxi_console_line(i);
    EXPECT_NE(said.find("スクリーンショットを保存しました: " + home + "/keldary-"), std::string::npos) << said;
}

}  // namespace
