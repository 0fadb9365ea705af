// The settings file "Vexdraw.ini": whatever was read of it (all, or what
// came before a bad line) must save, and the saved file must read back to
// the same settings (saving it again gives the same bytes, and every entry
// written is found with its value). The log stays proportional to the file.
#include "fuzz.h"

#include "test_support.h"
#include "vx_internal.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    vxtest::open_headless(640, 480, fuzz_scratch_dir());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string ini = vxi_ini_path(), log = fuzz_scratch_dir() + "/Vexdraw.log";
    std::string text(reinterpret_cast<const char *>(data), size);
    vxtest::write_file(ini, text);
    unlink(log.c_str());
    vxi_ini_clear();
    vx_ini_load();

    // Every line read (up to 1023 bytes at a time) is logged once, with at
    // most one message about it, which may quote the line.
    size_t lines = 1 + size / 1023;
    for (char c : text) lines += c == '\n';
    FUZZ_CHECK(vxtest::read_file(log).size() <= 2 * text.size() + 200 * lines, "the log grew beyond the file");

    FUZZ_CHECK(vx_ini_save() == 0, "what was read cannot be saved");
    const std::string written = vxtest::read_file(ini);
    vxi_ini_clear();
    FUZZ_CHECK(vx_ini_load() == 0, "the saved file does not load");
    FUZZ_CHECK(vx_ini_save() == 0, "the reloaded file cannot be saved");
    FUZZ_CHECK(vxtest::read_file(ini) == written, "the file reads back differently");

    // Each entry written is read back with its value.
    std::istringstream in(written);
    std::string line, section;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        size_t eq = line.find('=');
        FUZZ_CHECK(eq != std::string::npos, "a written line without '='");
        std::string key = line.substr(0, eq);
        int value = std::atoi(line.c_str() + eq + 1);
        FUZZ_CHECK(vx_ini_get_int(section.c_str(), key.c_str(), value ^ 1) == value,
                   "[%s] %s is not read back", section.c_str(), key.c_str());
    }
    return 0;
}
