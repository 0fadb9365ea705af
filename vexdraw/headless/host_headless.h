// The headless host: no window. Keys come from a key script (a file, or
// standard input read line by line as it is needed); when the script ends
// the program ends as if its window were closed.
#ifndef VX_HOST_HEADLESS_H
#define VX_HOST_HEADLESS_H

#include "key_script.h"

#include <cstdio>
#include <string>
#include <vector>

// Reads the key script from file (not closed by the host); nullptr: none.
void vx_headless_set_keys(std::FILE *file);
// Terminal play: the events come from source instead of a script file,
// one call whenever every event given so far has been handled; false ends
// the program as the end of a script does. nullptr: back to the script.
using VxEventSource = bool (*)(std::vector<VxScriptEvent> &events);
void vx_headless_set_event_source(VxEventSource source);
// Types the given script text (tests).
void vx_headless_set_keys_text(const std::string &text);

#endif
