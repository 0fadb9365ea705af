// The vocabulary: the noun table and the verb table with their
// dictionaries, look-ups and input histories.
#pragma once

// ---- Nouns ----
// Identifier ranges: 2-59 portable items, 62-69 general nouns, 71-160
// fixtures, people, places and documents, 161-172 system nouns.
enum noun_id {
    ni_unknown = -1, // a look-up result only: the word is not a noun
    ni_invalid = 0,  // no noun
    ni_newspaper = 2,
    ni_leaflet = 3,
    ni_medal = 4,
    ni_brass_key = 5,
    ni_wooden_key = 6,
    ni_bronze_key = 7,
    ni_steel_key = 8,
    ni_golden_key = 9,
    ni_silver_key = 10,
    ni_glasses = 11,
    ni_necklace = 12,
    ni_swordman = 13,
    ni_lion = 14,
    ni_bird = 15,
    ni_robot = 16,
    ni_dragon = 17,
    ni_large_robot = 18,
    ni_plush_cat = 19,
    ni_doll = 20,
    ni_witch = 21,
    ni_slingshot = 22,
    ni_rubber_strip = 23,
    ni_branch = 24,
    ni_marble = 25,
    ni_poker = 26,
    ni_roast_chicken = 27,
    ni_chicken_bone = 28,
    ni_duck = 29,
    ni_mirror = 30,
    ni_screwdriver = 31,
    ni_billiard_ball = 32,
    ni_belt = 33,
    ni_hat = 34,
    ni_origami_plane = 35,
    ni_score = 36,
    ni_fishing_rod = 37,
    ni_sponge = 38,
    ni_ladder = 39,
    ni_candle = 40,
    ni_bottle = 41,
    ni_note = 42,
    ni_diary = 43,
    ni_paper = 44,
    ni_postcard = 45,
    ni_logbook = 46,
    ni_lantern = 47,
    ni_wastepaper = 48,
    ni_essay = 49,
    ni_fossil = 50,
    ni_card = 51,
    ni_clothes = 52,
    ni_screw = 53,
    ni_water = 54,
    ni_notebook = 55,
    ni_pocket_notebook = 56,
    ni_stone = 57,
    ni_necromancy = 58,
    ni_cuckoo = 59,
    ni_item_end = 60,
    ni_door = 62,
    ni_window = 63,
    ni_wall = 64,
    ni_floor = 65,
    ni_ceiling = 66,
    ni_stairs = 67,
    ni_room = 68,
    ni_corridor = 69,
    ni_front_door = 71,
    ni_back_door = 72,
    ni_left_door = 73,
    ni_right_door = 74,
    ni_table = 75,
    ni_chair = 76,
    ni_bed = 77,
    ni_mattress = 78,
    ni_desk = 79,
    ni_drawer = 80,
    ni_bookshelf = 81,
    ni_front_bookshelf = 82,
    ni_left_bookshelf = 83,
    ni_right_bookshelf = 84,
    ni_chain = 85,
    ni_box = 86,
    ni_cabinet = 87,
    ni_chest = 88,
    ni_book = 89,
    ni_handle = 90,
    ni_letter = 91,
    ni_house = 92,
    ni_path = 93,
    ni_mailbox = 94,
    ni_flowerpot = 95,
    ni_bathtub = 96,
    ni_washstand = 97,
    ni_toilet = 98,
    ni_washer = 99,
    ni_dryer = 100,
    ni_dog = 101,
    ni_orion = 102,
    ni_treasure_chest = 103,
    ni_fireplace = 104,
    ni_tv = 105,
    ni_telephone = 106,
    ni_clock = 107,
    ni_clock_hands = 108,
    ni_photo = 109,
    ni_man = 110,
    ni_woman = 111,
    ni_girl = 112,
    ni_boy = 113,
    ni_ash = 114,
    ni_videotape = 115,
    ni_counter = 116,
    ni_sink = 117,
    ni_range = 118,
    ni_oven = 119,
    ni_icebox = 120,
    ni_cupboard = 121,
    ni_billiard_table = 122,
    ni_target = 123,
    ni_portrait = 124,
    ni_washtub = 125,
    ni_tree = 126,
    ni_car = 127,
    ni_drum = 128,
    ni_garden = 129,
    ni_wardrobe = 130,
    ni_dressing_table = 131,
    ni_piano = 132,
    ni_magic_circle = 133,
    ni_altar = 134,
    ni_passage = 135,
    ni_skeleton = 136,
    ni_another_world = 137,
    ni_shotgun = 138,
    ni_hatch = 139,
    ni_machine = 140,
    ni_green_button = 141,
    ni_red_button = 142,
    ni_panel = 143,
    ni_round_door = 144,
    ni_small_door = 145,
    ni_cable = 146,
    ni_rod = 147,
    ni_it = 148,
    ni_face = 149,
    ni_tentacle = 150,
    ni_spell = 151,
    ni_1f_bathroom = 152,
    ni_2f_bathroom = 153,
    ni_study_note = 154,
    ni_secret_room_note = 155,
    ni_secret_room_book = 156,
    ni_secret_room_letter = 157,
    ni_boiler_room = 158,
    ni_samurai_armor = 159,
    ni_samurai_sword = 160,
    ni_noun = 161,
    ni_verb = 162,
    ni_basic = 163,
    ni_tips = 164,
    ni_key = 165,
    ni_assist = 166,
    ni_input = 167,
    ni_english = 168,
    ni_hiragana = 169,
    ni_katakana = 170,
    ni_yes = 171,
    ni_no = 172,};
constexpr int NID_COUNT = 173; // tables indexed by nid hold 0..172

struct noun_def {
    int nid;
    const char *name;    // display name
    const char *word[3]; // English, hiragana, katakana
    const char *desc;    // description; nullptr for the system nouns
};

void init_nouns();
// The noun look-up: 0 for a null word, -1 when not in the vocabulary.
// Registers the word in the noun history either way (not for null).
int word2nid(const char *word);
// The same look-up without touching the history: for reading a line
// before deciding to run it.
int find_nid(const char *word);
// The noun's word in the current input mode; nullptr without a record.
const char *nid2noun(int nid);
const char *nid2name(int nid);
const char *noun_description(int nid);
// The noun history of the command line (Up/Down after a space); init_nouns
// attaches it to the command line's input history.
void noun_hist_prev();
void noun_hist_next();
const char *noun_hist_word();

// ---- Verbs ----
enum verb_id {
    vi_only_with_noun = -2, // a verb only together with particular nouns
    vi_unknown = -1,        // a look-up result only: the word is not a verb
    vi_invalid = 0,
    vi_help = 1, vi_inventory = 2, vi_load = 3, vi_save = 4, vi_quit = 5,
    vi_config = 6, vi_score = 7, vi_start = 8, vi_title = 9,
    vi_forward = 10, vi_backward = 11, vi_left = 12, vi_right = 13,
    vi_up = 14, vi_down = 15, vi_enter = 16, vi_exit = 17,
    vi_look = 18, vi_examine = 19, vi_recall = 20, vi_get = 21, vi_put = 22,
    vi_use = 23, vi_break = 24, vi_move = 25, vi_remove = 26, vi_touch = 27,
    vi_push = 28, vi_pull = 29, vi_turn = 30, vi_open = 31, vi_close = 32,
    vi_hit = 33, vi_kick = 34, vi_throw = 35, vi_read = 36, vi_combine = 37,
    vi_dismantle = 38, vi_pray = 39, vi_talk = 40, vi_cast = 41, vi_eat = 42,
    vi_drink = 43, vi_adjust = 44, vi_wait = 45, vi_shoot = 46, vi_give = 47,
    vi_show = 48, vi_erase = 49,
};
constexpr int VID_COUNT = 50;
constexpr int VERB_TABLE_SIZE = 49;

struct verb_def {
    int vid;
    const char *word[3];     // English, hiragana, katakana
    const char *short_form;  // one-letter English short form, or nullptr
};

void init_verbs();
// The verb look-up, given the noun of the same command (its meaning may
// depend on it); -1 when not in the vocabulary. Registers the word in the
// verb history.
int word2vid(const char *word, int nid);
// The same look-up without touching the history.
int find_vid(const char *word, int nid);
// The verb's word in the current input mode; nullptr without a record.
const char *vid2verb(int vid);
// The verb history of the command line, attached by init_verbs.
void verb_hist_prev();
void verb_hist_next();
const char *verb_hist_word();
// The verb table in its order (slot 1 .. VERB_TABLE_SIZE), for the help page.
const verb_def *verb_at(int slot);
