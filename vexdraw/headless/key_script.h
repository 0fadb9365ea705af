// Key scripts: text that is typed into the program, key by key, by the
// headless host. Each line is typed and then Return is pressed.
//   {Return} {BackSpace} {Tab} {Escape} {Delete} {Up} {Down} {Left} {Right}
//   {PageUp} {PageDown} {F1} ... {F12} {C-a} ... {C-z}   special keys
//   a capital letter                                       typed with Shift
//   kana (UTF-8), full-width letters and space             typed as an input
//                                                          method types them
//   {nr} at the end of a line                              no final Return
//   {shot FILE}                                            screenshot once every
//                                                          earlier key is handled
#ifndef VX_KEY_SCRIPT_H
#define VX_KEY_SCRIPT_H

#include "vx_internal.h"

#include <cstdio>
#include <string>
#include <vector>

// The longest line a script types; the rest of a longer line is dropped.
constexpr size_t VX_SCRIPT_LINE_MAX = 4096;

struct VxScriptEvent {
    enum Kind { KEY_DOWN, KEY_UP, SHOT, KEYSYM } kind;
    int key;           // host key code; KEYSYM: the keysym typed (press and release)
    VxModifiers held;  // modifiers held after the event
    std::string path;  // SHOT only
};

// Whether a key types the character cp (ASCII, kana, full-width forms).
bool vx_script_can_type(uint32_t cp);

// Appends the events of one script line (without its line end). Problems
// (an unknown {name}, a character no key sends) are described in error,
// the first one and how many more, and the rest of the line is still typed.
void vx_parse_key_script_line(const std::string &line, std::vector<VxScriptEvent> &out,
                              std::string &error);

// Reads the next line of file without its line end (and a "\r" before it),
// at most VX_SCRIPT_LINE_MAX bytes: the rest of a longer line is read and
// dropped, and cut is set. false at the end of the file.
bool vx_read_script_line(std::FILE *file, std::string &line, bool &cut);
// The same for a script given as text: takes the first line off text.
bool vx_take_script_line(std::string &text, std::string &line, bool &cut);

#endif
