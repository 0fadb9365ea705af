// The built program under hostile conditions: a crafted save, input that
// never ends a line, output nobody reads, and two instances saving into
// one home while being killed.
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using e2e::install;
using vxtest::utf8;

// Starts a shell command as a process of its own ("exec" makes the shell
// become the program, so that signals and resource figures are its own).
pid_t start(const std::string &command) {
    pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

struct Finished {
    int status = -1;   // exit status, -1 when killed by a signal
    long peak_kb = 0;  // largest resident set
    double cpu_s = 0;  // user + system time
};

Finished finish(pid_t pid) {
    int status = 0;
    rusage use{};
    Finished f;
    if (wait4(pid, &status, 0, &use) != pid) return f;
    f.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    f.peak_kb = use.ru_maxrss;
    f.cpu_s = use.ru_utime.tv_sec + use.ru_stime.tv_sec + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
    return f;
}

int count(const std::string &text, const std::string &what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

int lines(const std::string &text) { return count(text, "\n"); }

}  // namespace

// Sequence 0 running at phase 2 with only the flag of phase 0 set: loading
// it and walking out used to end the program through an assertion.
TEST(Robust, CraftedSaveIsRefused) {
    std::string dir = install("e2e-crafted");
    std::string save(556, '\0');
    save.replace(0, 10, std::string("\0KELDARY\0R", 10));
    save[10] = 40;
    save[268] = 2;
    save[269] = 1;
    save[540] = 8;
    fs::create_directories(dir + "/.keldary");
    vxtest::write_file(dir + "/.keldary/keldary.sav", save);
    vxtest::write_file(dir + "/script.txt", "{F1}{F1}load\nbackward\nleft\nright\n");
    Finished f = finish(start("env HOME=" + dir + " " + dir + "/keldary --headless --keys " + dir +
                              "/script.txt > " + dir + "/out.txt 2> " + dir + "/err.txt"));
    EXPECT_EQ(f.status, 0);
    EXPECT_EQ(vxtest::read_file(dir + "/err.txt"), "");
    EXPECT_NE(vxtest::read_file(dir + "/out.txt").find(utf8(u8"ゲームのロードに失敗しました。")), std::string::npos);
}

// 8 MiB of NUL bytes is one line that is never ended, 1 MiB of "a" one that
// runs far past the typing limit: in terminal play and in a key script each
// is cut, reported once and played in bounded memory, and the line after
// it is played as usual. The figures are printed for the record.
TEST(Robust, EndlessLinesAreCutAndReportedOnce) {
    std::string dir = install("e2e-endless");
    vxtest::write_file(dir + "/nul.txt", std::string(8 << 20, '\0') + "\nmiru\n");
    vxtest::write_file(dir + "/a.txt", std::string(1 << 20, 'a') + "\nmiru\n");
    for (const char *input : {"nul.txt", "a.txt"}) {
        for (const char *how : {"--text < ", "--headless --keys "}) {
            Finished f = finish(start("env HOME=" + dir + " " + dir + "/keldary " + how + dir + "/" + input +
                                      " > " + dir + "/out.txt 2> " + dir + "/err.txt"));
            std::string err = vxtest::read_file(dir + "/err.txt");
            std::printf("%s%s: peak %ld KiB, %.2f s of CPU\n", how, input, f.peak_kb, f.cpu_s);
            EXPECT_EQ(f.status, 0) << how << input;
            EXPECT_EQ(lines(err), 1) << how << input << ": " << err;
#ifndef KELDARY_SANITIZE // the sanitizers' shadow memory is not the program's
            EXPECT_LT(f.peak_kb, 64 * 1024) << how << input;
#endif
            EXPECT_EQ(count(vxtest::read_file(dir + "/out.txt"), utf8(u8">みる\n")), 1) << how << input;
        }
    }
}

TEST(Robust, OutputThatCannotBeWrittenFailsTheRun) {
    std::string dir = install("e2e-output");
    vxtest::write_file(dir + "/in.txt", "hajimeru\nmiru\n");
    std::string home = "env HOME=" + dir + " ";
    // A full device, for terminal play and for a key script.
    EXPECT_EQ(vxtest::run(home + dir + "/keldary --text < " + dir + "/in.txt > /dev/full 2> " + dir + "/err.txt"), 1);
    EXPECT_EQ(vxtest::read_file(dir + "/err.txt"), dir + "/keldary: cannot write to standard output\n");
    EXPECT_EQ(vxtest::run(home + dir + "/keldary --headless --keys " + dir + "/in.txt > /dev/full 2> /dev/null"), 1);
    // A reader that has gone away.
    EXPECT_EQ(vxtest::run("(" + home + dir + "/keldary --text < " + dir + "/in.txt 2> " + dir +
                          "/err.txt; echo $? > " + dir + "/status) | true"),
              0);
    EXPECT_EQ(vxtest::read_file(dir + "/status"), "1\n");
    EXPECT_NE(vxtest::read_file(dir + "/err.txt").find("cannot write to standard output"), std::string::npos);
}

// Two instances save 200 times each into one home: every save succeeds,
// and the file is always a whole save, also when both are killed at random
// moments; what killed instances left behind is cleared by the next save.
TEST(Robust, TwoInstancesSavingIntoOneHome) {
    std::string home = vxtest::temp_dir("e2e-shared-home");
    std::string a = install("e2e-shared-a"), b = install("e2e-shared-b");
    std::string script = "{F1}{F1}start\n";
    for (int i = 0; i < 200; ++i) script += "save\n";
    vxtest::write_file(home + "/script.txt", script);
    const std::string save = home + "/.keldary/keldary.sav";
    auto launch = [&](const std::string &dir) {
        return start("env HOME=" + home + " " + dir + "/keldary --headless --keys " + home + "/script.txt > " +
                     dir + "/out.txt 2> " + dir + "/err.txt");
    };

    pid_t pa = launch(a), pb = launch(b);
    EXPECT_EQ(finish(pa).status, 0);
    EXPECT_EQ(finish(pb).status, 0);
    for (const std::string &dir : {a, b}) {
        std::string out = vxtest::read_file(dir + "/out.txt");
        EXPECT_EQ(count(out, utf8(u8"ゲームをセーブしました。")), 200) << dir;
        EXPECT_EQ(count(out, utf8(u8"ゲームのセーブに失敗しました。")), 0) << dir;
    }
    EXPECT_EQ(fs::file_size(save), 556u);

    std::mt19937 random(14);
    std::uniform_int_distribution<int> pause_us(0, 150000);
    int rounds = 40, whole = 0;
    for (int round = 0; round < rounds; ++round) {
        pa = launch(a);
        pb = launch(b);
        usleep(pause_us(random));
        kill(pa, SIGKILL);
        usleep(pause_us(random) / 10);
        kill(pb, SIGKILL);
        finish(pa);
        finish(pb);
        std::error_code ec;
        EXPECT_EQ(fs::file_size(save, ec), 556u) << "round " << round;
        whole += fs::file_size(save, ec) == 556u;
    }
    EXPECT_EQ(whole, rounds);

    pa = launch(a);
    EXPECT_EQ(finish(pa).status, 0);
    std::vector<std::string> names = vxtest::list_dir(home + "/.keldary");
    EXPECT_EQ(names, (std::vector<std::string>{"keldary.lock", "keldary.sav", "keldary.sav.bak"}));
    EXPECT_EQ(fs::file_size(save + ".bak"), 556u);
}
