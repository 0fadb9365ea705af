// PLACEHOLDER: the library declines every command until its unit is written.
#include "areas.h"

int area_library_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_library_draw() {}

void area_library_turn_hook(int) {}
