#include "game_harness.h"

#include "command.h"
#include "console.h"
#include "fuzz.h"
#include "main.h"
#include "test_support.h"
#include "vx_internal.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace fuzzgame {

namespace {

constexpr size_t INPUT_LINE_SIZE = 128; // the command line's buffer

bool layer_open = false;

bool is_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool is_trail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

}  // namespace

void start_game() {
    if (!layer_open) {
        setenv("HOME", fuzz_scratch_dir().c_str(), 1);
        vxtest::open_headless(640, 480, fuzz_scratch_dir());
        layer_open = true;
    }
    // Whatever the last input left pending (a paged text, a question) goes.
    for (int i = 0; i < 100 && console_waiting_return(); ++i) wait_return_key_handler(13);
    end_line_handler();
    std::string exe = fuzz_scratch_dir() + "/keldary";
    char *argv[] = {exe.data(), nullptr};
    game_init(1, argv);
    console_scroll(0);
}

void type_line(const std::string &line) { vxtest::type_script_line(line); }

void check_lines() {
    const char *line = input_line_text();
    size_t len = strnlen(line, INPUT_LINE_SIZE);
    FUZZ_CHECK(len < INPUT_LINE_SIZE, "the input line has no end within its buffer");
    for (size_t i = 0; i < len; ++i) {
        if (!is_lead(static_cast<unsigned char>(line[i]))) continue;
        FUZZ_CHECK(i + 1 < len && is_trail(static_cast<unsigned char>(line[i + 1])),
                   "the input line \"%s\" cuts a double-byte character at %zu", line, i);
        ++i;
    }
    for (int back = 0; back < CONSOLE_LINES - 1; ++back)
        FUZZ_CHECK(std::strlen(console_line(back)) <= static_cast<size_t>(CONSOLE_WIDTH),
                   "console line %d is wider than the console", back);
}

}  // namespace fuzzgame
