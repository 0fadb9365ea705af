// PLACEHOLDER: the study declines every command until its unit is written.
#include "areas.h"

int area_study_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_study_draw() {}

void area_study_turn_hook(int) {}
