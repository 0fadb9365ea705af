// The text console under the picture and the command line with its key
// bindings. The console knows nothing of what a line means: the program
// hands it a line handler, a function-key handler and a scene redraw at
// start-up.
#pragma once

constexpr int CONSOLE_LINES = 32;
constexpr int CONSOLE_WIDTH = 72;       // bytes a line
constexpr int CONSOLE_VIEW_LINES = 6;

// ---- Console ring ----
void console_print(const char *text);
void console_redraw();
// Enters the Return-wait state; callback runs when Return is pressed.
void set_wait_return_callback(void (*callback)());
void wait_return_key_handler(unsigned key);
// True while a Return-wait callback is registered.
bool console_waiting_return();
// Leaves the Return-wait state without running its callback (the pages
// still to come are the caller's to drop); the line is reset.
void console_cancel_wait();
// The finished line `back` lines before the newest (0: the newest).
const char *console_line(int back);
int console_rollback();
// How many lines have been finished since start-up.
long console_finished_count();
// Scroll back (+1), forward (-1) or to the newest lines (0).
void console_scroll(int delta);

// ---- Hooks into the program ----
struct ConsoleHooks {
    void (*execute)(char *line);       // a submitted line, without the prompt
    void (*function_key)(unsigned key); // F2 to F4, and VX_KEY_CLOSE
    void (*redraw_scene)();            // after a Return-wait key
    // Before a line typed in a kana mode is echoed: the converted line and
    // the letters the player typed for it. true runs the letters instead.
    bool (*prefer_typed)(const char *line, const char *typed);
    void (*undo)();                    // Control-z, also during a Return-wait
};
void console_set_hooks(const ConsoleHooks &hooks);
// Runs the program's scene redraw, and its function-key handler.
void console_redraw_scene();
void console_function_key(unsigned key);
// Runs the program's undo (Control-z).
void console_run_undo();

// ---- Command line ----
void console_init();
void console_key_handler(unsigned key);
void line_reset();
void line_truncate_to_noun();
void strip_cursor();
void line_append(const char *text);
void line_set_text(const char *text);
// The input line as shown: prompt, text and cursor.
const char *input_line_text();
// The letters, digits, blanks and hyphens typed for the line's text (and
// any recalled words), before romaji became kana; nullptr when they no
// longer fit the line.
const char *line_typed_text();
// Deletes every single-byte space, stepping over double-byte characters.
void remove_spaces(char *text);
