// The areas: every place and screen, the current and pending area, moves
// and the title, new-game, game-over and game-clear flows.
#pragma once

enum area_id {
    ai_title, ai_game_over, ai_clear, ai_achievements,
    ai_mailbox, ai_entrance, ai_opened_window, ai_washtub, ai_backdoor, ai_under_tree,
    ai_garden, ai_entrance_hall, ai_corridor_1f_fl, ai_corridor_1f_bl, ai_corridor_1f_fr,
    ai_corridor_1f_mr, ai_corridor_1f_br, ai_bathroom, ai_dining, ai_kitchen, ai_laundry,
    ai_living, ai_guestroom_1f, ai_storage, ai_playroom, ai_landing, ai_corridor_2f_l,
    ai_corridor_2f_c, ai_corridor_2f_cr, ai_corridor_2f_r, ai_boys_room, ai_bed,
    ai_girls_room, ai_guestroom_2f, ai_study, ai_library, ai_bookshelf, ai_bedroom,
    ai_ladys_room, ai_wardrobe, ai_secret_room, ai_music_room, ai_bathroom_2f, ai_balcony,
    ai_balcony_down, ai_cellar, ai_boiler_room, ai_corridor_0f, ai_temple,
    ai_temple_ceiling, ai_cave_entrance, ai_cave, ai_cliff, ai_working,
    ai_end
};
static_assert(ai_end == 54 && ai_end <= 256, "the current area is one byte of the save file");

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

// Exits with status 1 when a record's id differs from its index.
void area_check_ids();
void area_check_ids_in(const area_info *table, int count);
void area_request_move(int ai);
void area_perform_move();
void area_print_description(int ai);
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
