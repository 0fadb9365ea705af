// Running the built program in the end-to-end tests.
#pragma once

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace e2e {

// A copy of the program in a fresh directory of its own, so that the
// settings, log and save files it writes start from nothing.
inline std::string install(const std::string &name) {
    std::string dir = vxtest::temp_dir(name);
    std::filesystem::copy_file(KELDARY_EXE, dir + "/keldary");
    return dir;
}

// Runs a key script in a fresh copy with HOME in its directory (scripts
// save and load); returns the transcript.
inline std::string run_script(const std::string &name, const std::string &script_path) {
    std::string dir = install(name);
    int status = vxtest::run("HOME=" + dir + " " + dir + "/keldary --headless --keys " + script_path + " > " +
                             dir + "/out.txt 2> " + dir + "/err.txt");
    EXPECT_EQ(status, 0) << vxtest::read_file(dir + "/err.txt");
    return vxtest::read_file(dir + "/out.txt");
}

// Transcript text is UTF-8, unlike the Shift-JIS narrow literals of the tests.
inline std::string utf8(const char8_t *s) { return reinterpret_cast<const char *>(s); }

// The transcript with its line breaks removed: replies wrap at 72 bytes.
inline std::string unwrapped(const std::string &transcript) {
    std::string out;
    for (char c : transcript)
        if (c != '\n') out += c;
    return out;
}

}  // namespace e2e
