// The headless host: no window. Keys come from a key script (a file, or
// standard input read line by line as it is needed); when the script ends
// the program ends as if its window were closed.
#ifndef VX_HOST_HEADLESS_H
#define VX_HOST_HEADLESS_H

#include <cstdio>
#include <string>

// Reads the key script from file (not closed by the host); nullptr: none.
void vx_headless_set_keys(std::FILE *file);
// Terminal play: before each line is read, the program's prompt is shown
// on standard output.
void vx_headless_set_text_mode(int on);
// Types the given script text (tests).
void vx_headless_set_keys_text(const std::string &text);

#endif
