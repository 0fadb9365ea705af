// Replacing files: whole or not at all, and never through or over what is
// not a regular file.
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

int replace(const std::string &path, const std::string &data) {
    return vx_replace_file(path.c_str(), data.data(), data.size());
}

mode_t mode_of(const std::string &path) {
    struct stat st {};
    lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(ReplaceFile, WritesWholeFilesAndKeepsTheirPermissions) {
    std::string dir = vxtest::temp_dir("replace");
    std::string f = dir + "/a.txt";
    mode_t mask = umask(022);
    umask(mask);
    ASSERT_EQ(replace(f, "first"), 0);
    EXPECT_EQ(vxtest::read_file(f), "first");
    EXPECT_EQ(mode_of(f) & 0777, 0666 & ~mask);

    chmod(f.c_str(), 0640);
    ASSERT_EQ(replace(f, std::string(100000, 'x')), 0);
    EXPECT_EQ(vxtest::read_file(f), std::string(100000, 'x'));
    EXPECT_EQ(mode_of(f) & 0777, 0640u);
    ASSERT_EQ(replace(f, ""), 0);
    EXPECT_EQ(fs::file_size(f), 0u);
    EXPECT_EQ(vxtest::list_dir(dir), Names{"a.txt"});

    // A bare name lands in the working directory.
    std::string cwd = fs::current_path();
    fs::current_path(dir);
    EXPECT_EQ(replace("b.txt", "here"), 0);
    fs::current_path(cwd);
    EXPECT_EQ(vxtest::read_file(dir + "/b.txt"), "here");
}

TEST(ReplaceFile, LeavesLinksDevicesAndDirectoriesAlone) {
    std::string dir = vxtest::temp_dir("replace");
    vxtest::write_file(dir + "/real", "real");
    fs::create_symlink(dir + "/real", dir + "/link");
    fs::create_symlink(dir + "/nowhere", dir + "/dangling");
    ASSERT_EQ(mkfifo((dir + "/fifo").c_str(), 0600), 0);
    fs::create_directory(dir + "/sub");

    errno = 0;
    EXPECT_EQ(replace(dir + "/link", "new"), -1);
    EXPECT_EQ(errno, ELOOP);
    EXPECT_EQ(replace(dir + "/dangling", "new"), -1);
    EXPECT_FALSE(fs::exists(dir + "/nowhere"));
    EXPECT_EQ(replace(dir + "/fifo", "new"), -1);
    errno = 0;
    EXPECT_EQ(replace(dir + "/sub", "new"), -1);
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(replace(dir + "/sub/", "new"), -1);
    EXPECT_EQ(replace(dir + "/missing/x", "new"), -1);
    EXPECT_EQ(replace("", "new"), -1);
    EXPECT_EQ(vx_replace_file(nullptr, "x", 1), -1);
    if (access("/dev/null", W_OK) == 0) {
        EXPECT_EQ(replace("/dev/null", "new"), -1);
    }

    EXPECT_EQ(vxtest::read_file(dir + "/real"), "real");
    EXPECT_TRUE(fs::is_symlink(dir + "/link"));
    EXPECT_TRUE(fs::is_symlink(dir + "/dangling"));
    EXPECT_TRUE(S_ISFIFO(mode_of(dir + "/fifo")));
    EXPECT_TRUE(fs::is_empty(dir + "/sub"));
    EXPECT_EQ(vxtest::list_dir(dir), (Names{"dangling", "fifo", "link", "real", "sub"}));
    EXPECT_TRUE(S_ISCHR(mode_of("/dev/null")));
}

TEST(ReplaceFile, AFailedWriteKeepsTheOldFileAndLeavesNothing) {
    std::string dir = vxtest::temp_dir("replace");
    std::string f = dir + "/old.png";
    vxtest::write_file(f, "the old picture");
    {
        vxtest::FileSizeLimit full(4096);
        errno = 0;
        EXPECT_EQ(replace(f, std::string(10000, 'n')), -1);
        EXPECT_EQ(errno, EFBIG);
    }
    EXPECT_EQ(vxtest::read_file(f), "the old picture");
    EXPECT_EQ(vxtest::list_dir(dir), Names{"old.png"});
}

TEST(ReplaceFile, LeftoversOfKilledWritersAreRemovedOnRequest) {
    std::string dir = vxtest::temp_dir("replace");
    for (const char *n : {".s.tmp.Ab3xYz", ".s.tmp.123456", ".s.tmp.12345", ".s.tmp.1234567", ".t.tmp.123456", "s",
                          ".s.tmp.keep"})
        vxtest::write_file(dir + "/" + n, "x");
    fs::create_directory(dir + "/.s.tmp.subdir");
    EXPECT_EQ(vx_remove_replace_leftovers((dir + "/s").c_str()), 2);
    EXPECT_EQ(vxtest::list_dir(dir),
              (Names{".s.tmp.12345", ".s.tmp.1234567", ".s.tmp.keep", ".s.tmp.subdir", ".t.tmp.123456", "s"}));
    EXPECT_EQ(vx_remove_replace_leftovers((dir + "/missing/s").c_str()), -1);
}

}  // namespace
