// PLACEHOLDER: the temple ceiling declines every command until its unit is written.
#include "areas.h"

int area_temple_ceiling_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_temple_ceiling_draw() {}
