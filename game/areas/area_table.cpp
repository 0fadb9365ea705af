// The table of the places, made from the list of places.
#include "areas.h"

#include "flags.h"

namespace {

#define NO_HOOK(id) nullptr
#define TURN_HOOK(id) area_##id##_turn_hook
#define PLACE(id, name, description, hook) \
    {ai_##id, F_VISITED_BASE + ai_##id, name, description, area_##id##_handler, hook(id), area_##id##_draw},
constexpr area_info area_table[] = {
#include "places.def"
};
#undef PLACE
#undef TURN_HOOK
#undef NO_HOOK
static_assert(sizeof area_table / sizeof area_table[0] == ai_end, "one record per area");

}  // namespace

const area_info *places_table() { return area_table; }
