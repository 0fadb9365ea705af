// The romaji converter, on its own and as the command line uses it while
// keys are typed in the kana modes.
#include "fuzz.h"
#include "game_harness.h"

#include "console.h"
#include "input_mode.h"
#include "kana_spelling.h"

#include <cstring>
#include <string>

namespace {

bool is_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Converts a run as typing does, syllable by syllable: the kana, and how
// many letters each syllable took.
struct Conversion {
    std::string kana;
    std::string steps;
};

Conversion convert(const std::string &run) {
    Conversion c;
    size_t start = 0;
    while (start < run.size()) {
        int n = static_cast<int>(run.size() - start), k = 0;
        const char *out = roman_to_kana(run.data() + start, &n, &k);
        if (!out) {
            ++start; // not a syllable: drop a letter and go on
            continue;
        }
        int used = static_cast<int>(run.size() - start) - n;
        FUZZ_CHECK(used >= 1 && n >= 0, "a syllable took %d letters of %zu", used, run.size() - start);
        FUZZ_CHECK(k > 0 && k % 2 == 0 && static_cast<size_t>(k) == std::strlen(out), "kana of %d bytes", k);
        for (int i = 0; i < k; i += 2)
            FUZZ_CHECK(is_lead(static_cast<unsigned char>(out[i])), "kana that is not double-byte");
        c.kana += out;
        c.steps += static_cast<char>(used);
        start += static_cast<size_t>(used);
    }
    return c;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static bool started = false;
    if (!started) {
        fuzzgame::start_game();
        started = true;
    }
    std::string run(reinterpret_cast<const char *>(data), size);
    if (run.size() > 256) run.resize(256);

    // Hiragana and katakana split the letters into the same syllables.
    kana_use_katakana();
    Conversion katakana = convert(run);
    kana_use_hiragana();
    Conversion hiragana = convert(run);
    FUZZ_CHECK(katakana.steps == hiragana.steps, "the scripts split the letters differently");

    // Typing the bytes as keys of the command line (Return aside, which
    // would run a command), in each of the three modes.
    for (int mode : {1, 2, 0}) {
        line_reset();
        set_input_mode(mode);
        for (unsigned char c : run) {
            if (c == 13) continue;
            console_key_handler(c);
            fuzzgame::check_lines();
        }
    }
    line_reset();
    set_input_mode(1);
    return 0;
}
