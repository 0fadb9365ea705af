// PLACEHOLDER: the guestroom 2f declines every command until its unit is written.
#include "areas.h"

int area_guestroom_2f_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_guestroom_2f_draw() {}

void area_guestroom_2f_turn_hook(int) {}
