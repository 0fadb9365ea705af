#include "status.h"

#include "game_support.h"
#include "noun.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int FSEQ_AT = 10 + 2 + 256; // file offsets
constexpr int FLAGS_AT = FSEQ_AT + 256;
using Names = std::vector<std::string>;

using gametest::status_block;

// Each test runs with HOME in a fresh directory and puts HOME back after.
class Save : public ::testing::Test {
protected:
    std::string home, prog;
    vxtest::HomeGuard home_guard;

    void SetUp() override {
        home = vxtest::temp_dir("save_home");
        prog = vxtest::temp_dir("save_prog") + "/";
        home_guard.set(home);
        status_init(prog.c_str());
        status_reset();
    }
    std::string save_path() const { return home + "/.keldary/keldary.sav"; }

    // A game in progress with something in every part of the block.
    void play_some() {
        set_cur_area(22);
        add_item(ni_leaflet);
        add_item(ni_candle);
        flag_set(8);
        fseq_start(0);
        fseq_proceed(0);
    }
};

TEST_F(Save, FileHoldsHeaderAndBlock) {
    play_some();
    ASSERT_EQ(save_game(), 0);
    std::string f = vxtest::read_file(save_path());
    ASSERT_EQ(f.size(), 556u);
    EXPECT_EQ(f.substr(0, 8), std::string("\0KELDARY", 8));
    EXPECT_EQ(f[8], 0);
    EXPECT_EQ(f[9], 0x52);
    EXPECT_EQ(f[10], 22);
    EXPECT_EQ(f[11], 2);
    EXPECT_EQ(f[12], ni_leaflet);
    EXPECT_EQ(f[13], ni_candle);
    EXPECT_EQ(f[FSEQ_AT], 1);     // phase
    EXPECT_EQ(f[FSEQ_AT + 1], 1); // running
    EXPECT_EQ(f[FLAGS_AT + 1], 1); // flag 8
    EXPECT_EQ(f.substr(10), status_block());
    EXPECT_EQ(vxtest::list_dir(home + "/.keldary"), (Names{"keldary.lock", "keldary.sav"}));
    EXPECT_EQ(fs::status(home + "/.keldary").permissions(), fs::perms::owner_all)
        << "the save directory is the player's alone";
}

TEST_F(Save, RoundTripAndOneSlot) {
    EXPECT_EQ(load_game(), -1); // nothing saved yet
    EXPECT_FALSE(fs::exists(home + "/.keldary")); // reading creates no directory

    play_some();
    ASSERT_EQ(save_game(), 0);
    std::string first = status_block();
    flag_set(100);
    ASSERT_EQ(save_game(), 0); // overwrites
    std::string second = status_block();
    status_reset();
    ASSERT_EQ(load_game(), 0);
    EXPECT_EQ(status_block(), second);
    EXPECT_NE(status_block(), first);
    EXPECT_EQ(fseq_is_running(0), 1);
    EXPECT_EQ(get_cur_area(), 22);
}

TEST_F(Save, VersionsOutsideTheRangeAreRefused) {
    play_some();
    ASSERT_EQ(save_game(), 0);
    std::string good = vxtest::read_file(save_path());
    status_reset();
    const std::string untouched = status_block();
    struct {
        int major, minor, result;
    } cases[] = {{0, 10, -1}, {0, 11, 0}, {0, 82, 0}, {0, 83, -1}, {1, 0, -1}, {255, 255, -1}};
    for (auto c : cases) {
        std::string f = good;
        f[8] = static_cast<char>(c.major);
        f[9] = static_cast<char>(c.minor);
        vxtest::write_file(save_path(), f);
        status_reset();
        EXPECT_EQ(load_game(), c.result) << c.major << "." << c.minor;
        EXPECT_EQ(status_block() == untouched, c.result != 0) << c.major << "." << c.minor;
    }
}

TEST_F(Save, DamagedFilesLeaveTheGameUnchanged) {
    play_some();
    ASSERT_EQ(save_game(), 0);
    const std::string good = vxtest::read_file(save_path());

    auto with = [&](int at, int byte) {
        std::string f = good;
        f[at] = static_cast<char>(byte);
        return f;
    };
    const std::string bad[] = {
        "",
        good.substr(0, 10),
        good.substr(0, 555),             // cut short inside the flags
        good + std::string(1, '\0'),     // one byte too many
        good + good,
        "[Settings]\nx=1\n" + std::string(540, ' '), // a foreign file of the right size
        with(0, 'X'),                    // magic
        with(7, 'y'),
        with(10, 54),                    // no such area
        with(11, ni_item_end - ni_newspaper + 1), // more items than exist
        with(12, ni_door),               // a counted entry that is no item
        with(12, 0),
        with(13, ni_leaflet),            // the same item twice
        with(FSEQ_AT, 3),                // phase on the terminator
        with(FSEQ_AT, 200),
        with(FSEQ_AT + 1, 2),            // unknown state bit
        with(FSEQ_AT + 2, 1),            // a sequence that does not exist
        with(FLAGS_AT - 1, 1),
        // The sequence's phase and flags disagree (play_some leaves it
        // running at phase 1, on flag 132).
        with(FSEQ_AT, 0),                // phase 0 without flag 131
        with(FSEQ_AT, 2),                // phase 2 without flag 133
        with(FSEQ_AT + 1, 0),            // stopped, yet a flag is set
        with(FLAGS_AT + 16, 0),          // running with none of its flags
        with(FLAGS_AT + 16, 0x18),       // two token flags at once
        with(FLAGS_AT + 16, 0x30),
    };
    set_cur_area(5);
    flag_set(200);
    const std::string current = status_block();
    for (size_t i = 0; i < std::size(bad); ++i) {
        vxtest::write_file(save_path(), bad[i]);
        EXPECT_EQ(load_game(), -1) << "case " << i;
        EXPECT_EQ(status_block(), current) << "case " << i;
    }
    // Entries after the counted items are not looked at.
    vxtest::write_file(save_path(), with(14, 250));
    EXPECT_EQ(load_game(), 0);

    // A directory where the file should be.
    fs::remove(save_path());
    fs::create_directory(save_path());
    EXPECT_EQ(load_game(), -1);
}

// The save of issue reports: sequence 0 running at phase 2 with only the
// flag of phase 0 set. Walking out of the library afterwards would move the
// token past the end of the list.
TEST_F(Save, ASequenceAheadOfItsFlagsIsRefused) {
    std::string f(556, '\0');
    const unsigned char head[] = {0x00, 0x4B, 0x45, 0x4C, 0x44, 0x41, 0x52, 0x59, 0x00, 0x52};
    f.replace(0, sizeof head, reinterpret_cast<const char *>(head), sizeof head);
    f[10] = 40;
    f[268] = 2;
    f[269] = 1;
    f[540] = 8;
    fs::create_directories(home + "/.keldary");
    vxtest::write_file(save_path(), f);
    const std::string before = status_block();
    EXPECT_EQ(load_game(), -1);
    EXPECT_EQ(status_block(), before);

    // The states the sequence really passes through all load.
    fseq_start(0);
    for (int phase = 0; phase < 3; ++phase) {
        if (phase > 0) fseq_proceed(0);
        ASSERT_EQ(save_game(), 0);
        status_reset();
        EXPECT_EQ(load_game(), 0) << phase;
        EXPECT_EQ(flag_test(131 + phase), 1);
    }
    fseq_end(0);
    ASSERT_EQ(save_game(), 0);
    EXPECT_EQ(load_game(), 0);
}

TEST_F(Save, FailedSaveKeepsThePreviousOne) {
    play_some();
    ASSERT_EQ(save_game(), 0);
    const std::string old = vxtest::read_file(save_path());
    flag_set(150);

    {
        vxtest::FileSizeLimit full(100); // the disk fills while writing
        EXPECT_EQ(save_game(), -1);
    }
    EXPECT_EQ(vxtest::read_file(save_path()), old);
    EXPECT_EQ(vxtest::list_dir(home + "/.keldary"), (Names{"keldary.lock", "keldary.sav"}));

    // The save cannot take the place of what is there.
    fs::remove(save_path());
    fs::create_directories(save_path() + "/inside");
    EXPECT_EQ(save_game(), -1);
    EXPECT_TRUE(fs::is_directory(save_path() + "/inside"));
    EXPECT_EQ(vxtest::list_dir(home + "/.keldary"), (Names{"keldary.lock", "keldary.sav"}));

    // Nor is a link followed.
    fs::remove_all(save_path());
    vxtest::write_file(home + "/other", "other");
    fs::create_symlink(home + "/other", save_path());
    EXPECT_EQ(save_game(), -1);
    EXPECT_EQ(vxtest::read_file(home + "/other"), "other");
    EXPECT_TRUE(fs::is_symlink(save_path()));

    // A pipe where the save should be is not waited on, nor replaced.
    fs::remove(save_path());
    ASSERT_EQ(mkfifo(save_path().c_str(), 0600), 0);
    EXPECT_EQ(load_game(), -1);
    EXPECT_EQ(save_game(), -1);
    EXPECT_TRUE(fs::is_fifo(save_path()));
}

// Another instance's save in progress holds the lock: this one waits for
// it, or fails when it is kept too long. Leftovers of a killed instance
// are cleared once the lock is held.
TEST_F(Save, SavesTakeTurnsUnderTheLock) {
    play_some();
    ASSERT_EQ(save_game(), 0);
    vxtest::write_file(home + "/.keldary/.keldary.sav.tmp.AbCdEf", "half a save");
    int other = open((home + "/.keldary/keldary.lock").c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    std::thread release([other] {
        usleep(300 * 1000); // <chrono> has no Shift-JIS form of its "µs"
        flock(other, LOCK_UN);
    });
    flag_set(150);
    EXPECT_EQ(save_game(), 0);
    release.join();
    status_reset();
    ASSERT_EQ(load_game(), 0);
    EXPECT_EQ(flag_test(150), 1);
    EXPECT_EQ(vxtest::list_dir(home + "/.keldary"), (Names{"keldary.lock", "keldary.sav", "keldary.sav.bak"}));

    ASSERT_EQ(flock(other, LOCK_EX), 0);
    const std::string kept = vxtest::read_file(save_path());
    flag_set(151);
    EXPECT_EQ(save_game(), -1);
    EXPECT_EQ(vxtest::read_file(save_path()), kept);
    close(other);
}

TEST_F(Save, DirectoryThatCannotBeMadeFails) {
    setenv("HOME", (home + "/missing/deeper").c_str(), 1);
    EXPECT_EQ(save_game(), -1);
    EXPECT_FALSE(fs::exists(home + "/missing"));
}

TEST_F(Save, OverlongPathsFailCleanly) {
    // The save's path just fits, but the lock file's does not.
    // (built of several names, since one name may not exceed 255 bytes)
    const size_t len = 511 - std::string("/.keldary/keldary.sav").size();
    std::string h = home;
    while (len - h.size() > 101) h += "/" + std::string(50, 'h');
    h += "/" + std::string(len - h.size() - 1, 'h');
    ASSERT_EQ(h.size(), len);
    fs::create_directories(h + "/.keldary");
    setenv("HOME", h.c_str(), 1);
    EXPECT_EQ(save_game(), -1);
    EXPECT_TRUE(fs::is_empty(h + "/.keldary"));
    EXPECT_EQ(load_game(), -1);

    std::string huge = home + "/" + std::string(600, 'x');
    setenv("HOME", huge.c_str(), 1);
    EXPECT_EQ(save_game(), -1);
    EXPECT_EQ(load_game(), -1);
    // Nothing new beside the tree made above.
    EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 1);
}

TEST_F(Save, WithoutHomeTheProgramDirectoryIsUsed) {
    unsetenv("HOME");
    play_some();
    ASSERT_EQ(save_game(), 0);
    EXPECT_EQ(vxtest::read_file(prog + "keldary.sav").size(), 556u);
    EXPECT_EQ(vxtest::list_dir(prog), (Names{"keldary.lock", "keldary.sav"}));
    EXPECT_TRUE(fs::is_empty(home));

    std::string saved = status_block();
    status_reset();
    ASSERT_EQ(load_game(), 0);
    EXPECT_EQ(status_block(), saved);

    // The same without the closing "/".
    std::string bare = prog.substr(0, prog.size() - 1);
    status_init(bare.c_str());
    status_reset();
    ASSERT_EQ(load_game(), 0);
    EXPECT_EQ(status_block(), saved);
}

} // namespace
