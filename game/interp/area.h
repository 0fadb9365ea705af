// The areas: every place and screen, the current and pending area, moves
// and the title, new-game, game-over and game-clear flows.
#pragma once

#include "places.h"

using area_handler = int (*)(int vid, int nid, int *noun_here);
using area_turn_hook = void (*)(int counted);
using area_picture = void (*)();

struct area_info {
    int id;
    int visited_flag;
    const char *name;
    const char *description;
    area_handler handler;
    area_turn_hook turn_hook; // nullptr for most areas
    area_picture draw_picture;
};

// The table of the places, one record per area id in order; set once at
// start-up by the program, which links the places.
void area_set_table(const area_info *table);
// Exits with status 1 when a record's id differs from its index.
void area_check_ids();
void area_check_ids_in(const area_info *table, int count);
void area_request_move(int ai);
void area_perform_move();
void area_print_description(int ai);
// The record of an area; nullptr for an unknown id.
const area_info *area_record(int ai);
int area_call_handler(int ai, int vid, int nid, int *noun_here);
void area_call_turn_hook(int ai, int counted);
int area_is_visited(int ai);
void area_draw_picture(int ai);
// -1 when no move is pending.
int area_next();

void go_to_title();
void start_new_game();
void go_to_achievements();
void game_over();
void die();
void die_by_water();
void die_by_shadow();
void die_by_armour();
void die_by_window();
void game_clear();

// The verb typed alone on the title screen that opens the achievements room.
constexpr int HIDDEN_VERB = 48; // show
