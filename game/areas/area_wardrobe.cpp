// PLACEHOLDER: the wardrobe declines every command until its unit is written.
#include "areas.h"

int area_wardrobe_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_wardrobe_draw() {}

void area_wardrobe_turn_hook(int) {}
