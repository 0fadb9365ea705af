// PLACEHOLDER: the music room declines every command until its unit is written.
#include "areas.h"

int area_music_room_handler(int, int, int *noun_here) {
    *noun_here = 0;
    return 0;
}

void area_music_room_draw() {}
