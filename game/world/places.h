// The identifiers of the places and screens, made from places.def.
#pragma once

enum area_id {
#define PLACE(id, name, description, hook) ai_##id,
#include "places.def"
#undef PLACE
    ai_end
};
static_assert(ai_end == 54 && ai_end <= 256, "the current area is one byte of the save file");
