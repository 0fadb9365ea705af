// A started game on the headless layer, and what the game's tests do with it.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace gametest {

// Starts the layer headless in dir and runs the game's start-up there: the
// title screen is shown, as after launching the program.
void start_program(const std::string &dir);

// A started program with HOME in a temp dir.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir;
};

// A game started from the title by typing "start" as a player would, its
// opening pages read through; then English input, and nothing printed since.
class StartedGame : public GameTest {
protected:
    void SetUp() override;
};

// The same with empty hands: a new game starts with the newspaper, and most
// cases want nothing carried.
class EmptyHandedGame : public StartedGame {
protected:
    void SetUp() override;
};

// A game started with "start" typed in English input.
class NewGame : public GameTest {
protected:
    void SetUp() override;
};

// ---- Typing and reading the console ----

// Types a key script (the same format as --keys) through the layer's key
// translation and the game's key handlers, handling every key.
void keys(const std::string &script);

// Types each line and presses Return; returns the console lines finished
// meanwhile, oldest first.
std::vector<std::string> play(const std::vector<std::string> &lines);

// The console lines printed since the last call of play/new_lines.
std::vector<std::string> new_lines();

// Whether any new line (since the last new_lines) contains text.
bool printed(const std::string &text);

// Presses Return while the console waits, as the player would, up to 100
// times; returns the presses.
int finish_waits();

// Plays one line and presses Return through every wait it starts; returns
// all the lines printed.
std::vector<std::string> play_through(const std::string &line);

// The lines from index `from` on, run together. Console lines wrap at 72
// bytes: a long message is searched in the text they make together.
std::string joined(const std::vector<std::string> &lines, size_t from = 0);

// Whether text contains part.
bool has(const std::string &text, const std::string &part);

// Whether the lines, run together, contain text.
bool said(const std::vector<std::string> &lines, const std::string &text);

// Plays the lines; returns everything they printed, run together.
std::string say(const std::vector<std::string> &lines);

// Prints a mark line; since_mark returns the lines printed after the last
// one, oldest first (a failure when it has scrolled out of the ring).
void mark();
std::vector<std::string> since_mark();

// Runs one submitted line through the interpreter, without typing it;
// returns the newest console line.
std::string run_command(const std::string &line);

// Runs one submitted line; returns the console lines it printed.
std::vector<std::string> command_output(const std::string &line);

// ---- Places and things ----

// Puts the player in an area as a move would (its arrival and description
// run), and forgets what that printed.
void place(int area);

// Puts the player in an area without a move: nothing runs or prints.
void enter(int area);

// Types a movement and expects it to lead to area `to`; returns what it
// printed.
std::string expect_move(const std::string &command, int to);

// The same, and expects a door to be opened on the way or not.
void expect_move(const std::string &command, int to, bool through_door);

// Types a command and expects the player to stay and reply to be printed.
void expect_refused(const std::string &command, const std::string &reply);

// Drops everything carried.
void drop_all_items();

// A noun's name with its English word in brackets, as the texts print it.
std::string named(int nid);

// The status block as it is saved.
std::string status_block();

// Draws area's picture under the current flags as the scene does: on a
// black picture area, starting in white.
void draw_picture(int area);

// A hash of the picture area after draw_picture.
size_t picture_hash(int area);

// The katakana spelling of a Shift-JIS hiragana text: hiragana 0x829F..0x82F1
// map onto 0x8340..0x8393, which skips 0x837F; "う゛" is "ヴ"; everything
// else is copied unchanged.
std::string to_katakana(const std::string &hiragana);

}  // namespace gametest
