// PLACEHOLDER: the cave entrance declines every command until its unit is written.
#include "areas.h"

int area_cave_entrance_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_cave_entrance_draw() {}
