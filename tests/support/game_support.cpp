#include "game_support.h"

#include "command.h"
#include "console.h"
#include "headless/key_script.h"
#include "main.h"
#include "test_support.h"
#include "vx_internal.h"

#include <cstdlib>

namespace gametest {

namespace {
long mark = 0; // console_finished_count() at the last snapshot
}  // namespace

void GameTest::SetUp() {
    // A test that ended inside a paged text or a question must not leak
    // into the next one run in the same process.
    for (int i = 0; i < 100 && console_waiting_return(); ++i) wait_return_key_handler(13);
    end_line_handler();
    dir = vxtest::temp_dir("game");
    setenv("HOME", dir.c_str(), 1);
    vxtest::open_headless(640, 480, dir);
    std::string exe = dir + "/keldary";
    char *argv[] = {exe.data(), nullptr};
    game_init(1, argv);
    console_scroll(0); // the console ring outlives a test in one process
    mark = console_finished_count();
}

void GameTest::TearDown() {}

void keys(const std::string &script) {
    size_t start = 0;
    while (start <= script.size()) {
        size_t nl = script.find('\n', start);
        std::string line = script.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        std::vector<VxScriptEvent> events;
        std::string error;
        // Without a trailing newline the script types no final Return.
        if (nl == std::string::npos) line += "{nr}";
        vx_parse_key_script_line(line, events, error);
        for (const VxScriptEvent &e : events) {
            if (e.kind == VxScriptEvent::KEY_DOWN) vxi_host_key_down(e.key, e.held);
            if (e.kind == VxScriptEvent::KEY_UP) vxi_host_key_up(e.key, e.held);
            vxi_run_queued_keys();
        }
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
}

std::vector<std::string> new_lines() {
    long now = console_finished_count();
    long n = now - mark;
    if (n > CONSOLE_LINES - 1) n = CONSOLE_LINES - 1; // older ones are gone
    std::vector<std::string> out;
    for (long back = n - 1; back >= 0; --back) out.push_back(console_line(static_cast<int>(back)));
    mark = now;
    return out;
}

std::vector<std::string> play(const std::vector<std::string> &lines) {
    new_lines();
    for (const std::string &l : lines) keys(l + "\n");
    return new_lines();
}

bool printed(const std::string &text) {
    for (const std::string &l : new_lines())
        if (l.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace gametest
