// The places of the game: one unit each, with its command handler, its
// turn hook where it has one, and its scene picture. The declarations are
// made from the list of places.
#pragma once

#include "area.h"

#define NO_HOOK(id)
#define TURN_HOOK(id) void area_##id##_turn_hook(int counted);
#define PLACE(id, name, description, hook)                \
    int area_##id##_handler(int vid, int nid, int *noun_here); \
    void area_##id##_draw();                              \
    hook(id)
#include "places.def"
#undef PLACE
#undef TURN_HOOK
#undef NO_HOOK

// The table of every place, in the order of the area ids.
const area_info *places_table();
