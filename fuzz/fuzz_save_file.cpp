// Save files: the first 556 bytes of the input are the file "keldary.sav"
// (shorter inputs make a shorter file), the rest are key script lines played
// after loading it. A save that loads must save back to the same bytes (the
// version becomes the current one), one that does not must leave the game
// as it was, and no command after a load may end the program.
#include "fuzz.h"
#include "game_harness.h"

#include "headless/key_script.h"
#include "status.h"
#include "test_support.h"

#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string status_bytes() {
    unsigned char b[STATUS_BLOCK_SIZE];
    status_copy_block(b);
    return std::string(reinterpret_cast<char *>(b), sizeof b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzzgame::start_game();
    const std::string dir = fuzz_scratch_dir() + "/.keldary";
    const std::string path = dir + "/keldary.sav";
    std::filesystem::create_directories(dir);
    size_t file_size = size < SAVE_FILE_SIZE ? size : SAVE_FILE_SIZE;
    std::string file(reinterpret_cast<const char *>(data), file_size);
    vxtest::write_file(path, file);

    const std::string before = status_bytes();
    if (load_game() != 0) {
        FUZZ_CHECK(status_bytes() == before, "a refused save changed the game");
    } else {
        FUZZ_CHECK(file_size == SAVE_FILE_SIZE, "a save of %zu bytes loaded", file_size);
        FUZZ_CHECK(save_game() == 0, "a loaded game cannot be saved");
        std::string again = vxtest::read_file(path);
        std::string expected = file;
        expected[8] = 0; // written as the current version, 0.82
        expected[9] = 82;
        FUZZ_CHECK(again == expected, "the loaded save saves back differently");
    }

    // Load it the way a player does, and play on.
    fuzzgame::type_line("{F1}{F1}load");
    fuzzgame::check_lines();
    std::string rest(reinterpret_cast<const char *>(data) + file_size, size - file_size), line;
    bool cut = false;
    while (vx_take_script_line(rest, line, cut)) {
        fuzzgame::type_line(line);
        fuzzgame::check_lines();
    }
    return 0;
}
