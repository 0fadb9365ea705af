// PLACEHOLDER: the corridor 0f declines every command until its unit is written.
#include "areas.h"

int area_corridor_0f_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_corridor_0f_draw() {}
