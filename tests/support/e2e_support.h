// Running the built program in the end-to-end tests.
#pragma once

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

// A file of tests/e2e/ (the key scripts and their recorded transcripts).
std::string e2e_file(const std::string &name);

// A copy of the program in a fresh directory of its own, so that the
// settings, log and save files it writes start from nothing.
std::string install(const std::string &name);

// Runs a key script with the copy of the program in dir, HOME pointing at
// dir (scripts save and load), and extra options after the script; expects
// a clean exit and returns the transcript.
std::string run_keys(const std::string &dir, const std::string &script_path, const std::string &extra = "");

// Runs a key script in a fresh copy of the program; returns the transcript.
std::string run_script(const std::string &name, const std::string &script_path);

// Plays tests/e2e/NAME.keys as `make golden` records it and expects the
// whole transcript to equal tests/e2e/NAME.transcript; on a difference the
// failure shows it line by line. Returns the transcript.
std::string play_golden(const std::string &name);

// The transcript with its line breaks removed: replies wrap at 72 bytes.
std::string unwrapped(const std::string &transcript);

// Expects each of steps in text, each after the one before it.
void expect_in_order(const std::string &text, const std::vector<const char8_t *> &steps);

}  // namespace e2e
