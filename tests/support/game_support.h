// A started game on the headless layer, for the game's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gametest {

// Starts the layer headless and runs the game's start-up: the title screen
// is shown, as after launching the program. HOME points at a temp dir.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir;
};

// Types a key script (the same format as --keys) through the layer's key
// translation and the game's key handlers, handling every key.
void keys(const std::string &script);

// Types each line and presses Return; returns the console lines finished
// meanwhile, oldest first.
std::vector<std::string> play(const std::vector<std::string> &lines);

// The console lines printed since the last call of play/lines_since.
std::vector<std::string> new_lines();

// Whether any new line (since the last new_lines) contains text.
bool printed(const std::string &text);

}  // namespace gametest
