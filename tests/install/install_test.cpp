// The installed game: the tree `cmake --install` makes, the Debian package,
// and the installed program run from a directory the player cannot write.
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string BUILD = KELDARY_BUILD_DIR;
const std::string VERSION = KELDARY_VERSION;
constexpr int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Runs a shell command with its output in dir/name.out; returns the status.
int run_logged(const std::string &dir, const std::string &name, const std::string &command) {
    return vxtest::run("(" + command + ") > " + dir + "/" + name + ".out 2>&1");
}

std::string output(const std::string &dir, const std::string &name) {
    return vxtest::read_file(dir + "/" + name + ".out");
}

bool contains(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

// The files a desktop looks for, relative to the root of an installed tree
// with prefix /usr, and the checks that they are well formed.
void expect_installed_tree(const std::string &root, const std::string &logs) {
    for (const char *f : {"usr/games/keldary", "usr/share/applications/keldary.desktop",
                          "usr/share/man/man6/keldary.6.gz", "usr/share/doc/keldary/copyright",
                          "usr/share/doc/keldary/changelog.gz"})
        EXPECT_TRUE(fs::is_regular_file(root + "/" + f)) << f;
    std::vector<std::string> metainfos;
    ASSERT_TRUE(fs::is_directory(root + "/usr/share/metainfo"));
    for (const auto &e : fs::directory_iterator(root + "/usr/share/metainfo")) metainfos.push_back(e.path());
    ASSERT_EQ(metainfos.size(), 1u);
    std::string metainfo = metainfos[0];
    EXPECT_TRUE(metainfo.ends_with(".metainfo.xml")) << metainfo;
    EXPECT_EQ(fs::status(root + "/usr/games/keldary").permissions() & fs::perms::others_exec, fs::perms::others_exec);

    std::string desktop_file = root + "/usr/share/applications/keldary.desktop";
    EXPECT_EQ(run_logged(logs, "desktop", "desktop-file-validate " + desktop_file), 0) << output(logs, "desktop");
    EXPECT_EQ(output(logs, "desktop"), "") << "no hints either";
    std::string desktop = vxtest::read_file(desktop_file);
    EXPECT_TRUE(contains(desktop, "\nExec=/usr/games/keldary\n")) << desktop;
    EXPECT_TRUE(contains(desktop, "\nCategories=Game;AdventureGame;\n"));
    EXPECT_TRUE(contains(desktop, "\nStartupWMClass=keldary\n")) << "the window's class is the program's name";
    EXPECT_TRUE(contains(desktop, "\nIcon=keldary\n"));

    EXPECT_EQ(run_logged(logs, "appstream", "appstreamcli validate --no-net " + metainfo), 0)
        << output(logs, "appstream");
    std::string meta = vxtest::read_file(metainfo);
    EXPECT_TRUE(contains(meta, "<release version=\"" + VERSION + "\""));
    EXPECT_TRUE(contains(meta, "<screenshot type=\"default\">"));
    EXPECT_TRUE(contains(meta, "<launchable type=\"desktop-id\">keldary.desktop</launchable>"));

    // The man page renders without a groff warning and has its sections.
    std::string man = root + "/usr/share/man/man6/keldary.6.gz";
    ASSERT_EQ(vxtest::run("MANWIDTH=80 man --warnings -E UTF-8 -l " + man + " > " + logs + "/man.txt 2> " + logs +
                          "/man.err"),
              0);
    EXPECT_EQ(vxtest::read_file(logs + "/man.err"), "");
    std::string page = vxtest::read_file(logs + "/man.txt");
    for (const char *part : {"OPTIONS", "KEYS", "FILES", "EXAMPLES", "--version", "--text", "Vexdraw.ini",
                             "XDG_CONFIG_HOME", "keldary.sav"})
        EXPECT_TRUE(contains(page, part)) << part;
    EXPECT_TRUE(contains(page, "keldary " + VERSION));

    EXPECT_EQ(run_logged(logs, "version", root + "/usr/games/keldary --version"), 0);
    EXPECT_EQ(output(logs, "version"), "keldary " + VERSION + "\n");

    // Icons at the usual sizes, drawn from the title picture: a black
    // ground with white lines, neither empty nor flooded.
    for (int size : ICON_SIZES) {
        std::string dim = std::to_string(size) + "x" + std::to_string(size);
        std::string icon = root + "/usr/share/icons/hicolor/" + dim + "/apps/keldary.png";
        int w = 0, h = 0;
        std::vector<uint32_t> px;
        ASSERT_TRUE(vxtest::read_png(icon, w, h, px)) << icon;
        EXPECT_EQ(w, size);
        EXPECT_EQ(h, size);
        size_t white = 0, black = 0;
        for (uint32_t p : px) {
            white += p == 0xFFFFFF;
            black += p == 0x000000;
        }
        EXPECT_GT(white, px.size() / 20) << dim;
        EXPECT_GT(black, px.size() / 4) << dim;
    }

    std::string copyright = vxtest::read_file(root + "/usr/share/doc/keldary/copyright");
    for (const char *part : {"MIT", "SDL2", "zlib", "FreeType", "libpng", "libedit", "Xlib", "Shinonome"})
        EXPECT_TRUE(contains(copyright, part)) << part;
}

// Runs command while dir cannot be written: as root through a read-only
// bind mount in a private mount namespace (root may write anywhere else),
// as a user by taking away the write bits. 77 when that cannot be done.
int run_with_read_only(const std::string &dir, const std::string &command, const std::string &scratch) {
    if (geteuid() != 0) {
        chmod(dir.c_str(), 0555);
        int status = vxtest::run(command);
        chmod(dir.c_str(), 0755);
        return status;
    }
    if (vxtest::run("unshare -m true 2> /dev/null") != 0) return 77;
    vxtest::write_file(scratch + "/ro.sh", "mount --bind '" + dir + "' '" + dir + "' && mount -o remount,bind,ro '" +
                                               dir + "' && " + command + "\n");
    return vxtest::run("unshare -m sh " + scratch + "/ro.sh");
}

class InstallTree : public ::testing::Test {
protected:
    std::string dir, root;
    void SetUp() override {
        dir = vxtest::temp_dir("install-tree");
        root = dir + "/stage";
        ASSERT_EQ(run_logged(dir, "install", "DESTDIR=" + root + " cmake --install " + BUILD + " --prefix /usr"), 0)
            << output(dir, "install");
    }
};

TEST_F(InstallTree, FilesAreWhereTheDesktopLooksAndValidate) { expect_installed_tree(root, dir); }

TEST_F(InstallTree, AnotherPrefixNamesItsOwnProgram) {
    std::string other = dir + "/other";
    ASSERT_EQ(run_logged(dir, "other", "cmake --install " + BUILD + " --prefix " + other), 0) << output(dir, "other");
    EXPECT_TRUE(fs::is_regular_file(other + "/games/keldary"));
    EXPECT_TRUE(contains(vxtest::read_file(other + "/share/applications/keldary.desktop"),
                         "\nExec=" + other + "/games/keldary\n"));
}

TEST_F(InstallTree, ReadOnlyProgramDirectoryKeepsSettingsUnderXdg) {
    std::string games = root + "/usr/games", home = dir + "/home";
    fs::create_directories(home);
    vxtest::write_file(dir + "/save.keys", "{F1}{F1}start\nsave\n");
    std::string play = "HOME=" + home + " " + games + "/keldary --headless --keys " + dir + "/save.keys";

    int status = run_with_read_only(games, play + " > " + dir + "/out.txt 2> " + dir + "/err.txt", dir);
    if (status == 77) GTEST_SKIP() << "cannot make a read-only directory here (no unshare -m)";
    ASSERT_EQ(status, 0) << vxtest::read_file(dir + "/err.txt");
    EXPECT_EQ(vxtest::read_file(dir + "/err.txt"), "");
    EXPECT_EQ(vxtest::read_file(home + "/.config/keldary/Vexdraw.ini"), "# Vexdraw INI file\n\n[WINDOW]\nLEFT=100\nTOP=100\n");
    EXPECT_TRUE(fs::is_regular_file(home + "/.local/state/keldary/Vexdraw.log"));
    EXPECT_FALSE(fs::exists(games + "/Vexdraw.ini"));
    EXPECT_FALSE(fs::exists(games + "/Vexdraw.log"));
    EXPECT_EQ(vxtest::read_file(home + "/.keldary/keldary.sav").size(), 556u);
    EXPECT_EQ(fs::status(home + "/.keldary").permissions(), fs::perms::owner_all);

    // A place that cannot be written: one warning, the game plays and saves.
    fs::remove_all(home + "/.keldary");
    vxtest::write_file(dir + "/file", "");
    status = run_with_read_only(games, "XDG_CONFIG_HOME=" + dir + "/file XDG_STATE_HOME=" + dir + "/file " + play +
                                           " > " + dir + "/out2.txt 2> " + dir + "/err2.txt",
                                dir);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(vxtest::read_file(dir + "/err2.txt"),
              "keldary: warning: cannot write in " + dir + "/file/keldary: settings and log are not kept in this run\n");
    EXPECT_EQ(vxtest::read_file(dir + "/out2.txt"), vxtest::read_file(dir + "/out.txt"));
    EXPECT_EQ(vxtest::read_file(home + "/.keldary/keldary.sav").size(), 556u);
}

// The desktop ties the running window to the menu entry by its class.
TEST_F(InstallTree, WindowClassIsTheMenuEntrysStartupWMClass) {
    if (vxtest::run("command -v xvfb-run > /dev/null && command -v xdotool > /dev/null") != 0)
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    std::string home = dir + "/home";
    fs::create_directories(home);
    vxtest::write_file(dir + "/class.sh", "HOME=" + home + " " + root + "/usr/games/keldary & pid=$!\n"
                                          "timeout 20 xdotool search --sync --class '^keldary$' > /dev/null\n"
                                          "found=$?\nkill $pid\nwait $pid\nexit $found\n");
    EXPECT_EQ(run_logged(dir, "class", "xvfb-run -a sh " + dir + "/class.sh"), 0) << output(dir, "class");
}

// The package as `make deb` builds it, checked as a user would install it.
TEST(Package, DebPassesLintianInstallsAndRuns) {
    std::string dir = vxtest::temp_dir("package");
    ASSERT_EQ(run_logged(dir, "cpack", "cd " + dir + " && cpack -G DEB --config " + BUILD + "/CPackConfig.cmake -B " + dir),
              0)
        << output(dir, "cpack");
    std::string deb = dir + "/keldary_" + VERSION + "_amd64.deb";
    ASSERT_TRUE(fs::is_regular_file(deb)) << output(dir, "cpack");

    EXPECT_EQ(run_logged(dir, "lintian", "lintian --fail-on error " + deb), 0) << output(dir, "lintian");
    EXPECT_FALSE(contains(output(dir, "lintian"), "E: ")) << output(dir, "lintian");

    ASSERT_EQ(run_logged(dir, "fields", "dpkg-deb -f " + deb + " Package Version Architecture Section Depends"), 0);
    std::string fields = output(dir, "fields");
    EXPECT_TRUE(contains(fields, "Version: " + VERSION + "\n")) << fields;
    EXPECT_TRUE(contains(fields, "Section: games\n")) << fields;
    for (const char *dep : {"libsdl2-2.0-0", "libpng16-16", "libedit2", "zlib1g", "libx11-6"})
        EXPECT_TRUE(contains(fields, dep)) << dep << " in " << fields;

    std::string root = dir + "/root";
    ASSERT_EQ(run_logged(dir, "extract", "dpkg -x " + deb + " " + root), 0) << output(dir, "extract");
    expect_installed_tree(root, dir);
    std::string exec = vxtest::read_file(root + "/usr/share/applications/keldary.desktop");
    EXPECT_TRUE(contains(exec, "Exec=/usr/games/keldary"));

    // The installed program through the title and the first place.
    std::string home = dir + "/home";
    fs::create_directories(home);
    vxtest::write_file(dir + "/first.keys", "{F1}{F1}start\nlook\n");
    ASSERT_EQ(vxtest::run("HOME=" + home + " " + root + "/usr/games/keldary --headless --keys " + dir +
                          "/first.keys --screenshot " + dir + "/first.png > " + dir + "/out.txt 2> " + dir + "/err.txt"),
              0)
        << vxtest::read_file(dir + "/err.txt");
    std::string out = vxtest::read_file(dir + "/out.txt");
    EXPECT_TRUE(contains(out, "Keldary of the House")) << out;
    EXPECT_TRUE(contains(out, ">start\n")) << out;
    EXPECT_TRUE(contains(out, ">look\n")) << out;
    EXPECT_TRUE(contains(out, "[mailbox]")) << "the first place answers 'look'";
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    ASSERT_TRUE(vxtest::read_png(dir + "/first.png", w, h, px));
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
}

}  // namespace
