// PLACEHOLDER: the ladys room declines every command until its unit is written.
#include "areas.h"

int area_ladys_room_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_ladys_room_draw() {}

void area_ladys_room_turn_hook(int) {}
