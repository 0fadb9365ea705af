// The test room: no area leads here. It moves straight to a few rooms and
// hands out the toys and tools that puzzles need, without flags.
#include "areas.h"

#include "area.h"
#include "area_kit.h"
#include "command.h"
#include "console.h"
#include "message.h"
#include "noun.h"
#include "status.h"

#include "vexdraw.h"

namespace {

constexpr area_exit exits[] = {
    {vi_forward, ai_bathroom},
    {vi_backward, ai_entrance_hall},
    {vi_left, ai_boys_room},
    {vi_right, ai_girls_room},
};

constexpr int lying_here[] = {ni_swordman,   ni_lion,        ni_bird,         ni_dragon,
                              ni_plush_cat,  ni_screwdriver, ni_origami_plane};

bool lies_here(int nid) {
    for (int n : lying_here)
        if (n == nid) return true;
    return false;
}

void look() {
    area_print_description(ai_working);
    message("背後には、玄関ホールがある。");
    for (int n : lying_here)
        if (!has_item(n)) message("%nlが転がっている。", n);
}

}  // namespace

int area_working_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    if (nid == ni_invalid) return exit_or_look(exits, vid, look);
    if (nid == ni_room) return vid == vi_look || vid == vi_exit ? exit_or_look(exits, vid, look) : 0;
    if (!lies_here(nid) || has_item(nid)) {
        *noun_here = 0;
        return 0;
    }
    if (vid == vi_look) {
        message(noun_description(nid));
        return 1;
    }
    if (vid == vi_get) {
        take_item(nid, -1);
        return 1;
    }
    return 0;
}

// Test shapes: a rectangle with its diagonals, two concentric circles.
void area_working_draw() {
    vx_draw_rect(120, 100, 240, 220);
    vx_draw_line(120, 100, 240, 220);
    vx_draw_line(240, 100, 120, 220);
    vx_draw_circle(420, 160, 40);
    vx_draw_circle(420, 160, 80);
}
