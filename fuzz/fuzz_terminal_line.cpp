// Lines typed in terminal play (--text) or by a key script, into a freshly
// started game: no line, however odd, may end the program, overrun the
// command line or leave it malformed.
#include "fuzz.h"
#include "game_harness.h"

#include "headless/key_script.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzzgame::start_game();
    std::string text(reinterpret_cast<const char *>(data), size), line;
    bool cut = false;
    while (vx_take_script_line(text, line, cut)) {
        fuzzgame::type_line(line);
        fuzzgame::check_lines();
    }
    return 0;
}
