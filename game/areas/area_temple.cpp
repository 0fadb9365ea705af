// PLACEHOLDER: the temple declines every command until its unit is written.
#include "areas.h"

int area_temple_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_temple_draw() {}

void area_temple_turn_hook(int) {}
