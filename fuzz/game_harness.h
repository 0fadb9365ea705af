// What the fuzz targets of the game share: the layer on the headless host
// with a scratch directory as program directory and HOME, and the game
// started afresh for each input, as a player would find it after launch.
#pragma once

#include <string>

namespace fuzzgame {

// The title screen of a freshly started game (the layer is opened first).
void start_game();

// Types one line of a key script, key by key, and handles every key; the
// final Return is pressed unless the line ends in {nr}. Screenshots are
// never taken: no input chooses a file to write.
void type_line(const std::string &line);

// What must hold after any key: the input line is a short, well-formed
// Shift-JIS text, and no console line is wider than the console.
void check_lines();

}  // namespace fuzzgame
