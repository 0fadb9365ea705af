// PLACEHOLDER: the bathroom 2f declines every command until its unit is written.
#include "areas.h"

int area_bathroom_2f_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_bathroom_2f_draw() {}
