// The text console under the picture, the message formatter and the
// command line with its key bindings and input modes.
#pragma once

constexpr int CONSOLE_LINES = 32;
constexpr int CONSOLE_WIDTH = 72;       // bytes a line
constexpr int CONSOLE_VIEW_LINES = 6;
constexpr int MESSAGE_BUFFER_SIZE = 16384;

// ---- Console ring ----
void console_print(const char *text);
void console_redraw();
// Enters the Return-wait state; callback runs when Return is pressed.
void set_wait_return_callback(void (*callback)());
void wait_return_key_handler(unsigned key);
// True while a Return-wait callback is registered.
bool console_waiting_return();
// The finished line `back` lines before the newest (0: the newest).
const char *console_line(int back);
int console_rollback();
// How many lines have been finished since start-up.
long console_finished_count();
// Scroll back (+1), forward (-1) or to the newest lines (0).
void console_scroll(int delta);

// ---- Message formatter ----
// Placeholders: %d %s %nn %nl %nw %v and the pause %w.
void message(const char *format, ...);
void resume_message();

// ---- Command line ----
void console_init();
void console_key_handler(unsigned key);
int get_input_mode();  // 0 English, 1 hiragana, 2 katakana
void set_input_mode(int m);
void console_set_input_mode(int m);
void line_reset();
void line_truncate_to_noun();
void strip_cursor();
void line_append(const char *text);
void line_set_text(const char *text);
// The input line as shown: prompt, text and cursor.
const char *input_line_text();
// Deletes every single-byte space, stepping over double-byte characters.
void remove_spaces(char *text);
