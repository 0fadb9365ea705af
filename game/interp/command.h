// The command interpreter: parsing and dispatch, the handlers common to
// every area, the system commands and help pages, and the catalogue of
// shared replies, documents and event texts.
#pragma once

#include <initializer_list>

// ---- Interpreter ----
using line_handler = int (*)(char *line);

void init_command();
void execute_command(char *line);
// Installs the answer handler of a question and shows the prompt ("?").
void set_line_handler(line_handler handler, const char *prompt);
void end_line_handler();
bool line_handler_active();
void parse_line(char *line, char **verb, char **noun);
char *cut_verb(char *line, char **verb);
void trim_spaces(char *text, char **noun);
void common_command(int vid, int nid, const char *verb, const char *noun);

// ---- Forgiving reading ----
constexpr int READING_WORD_SIZE = 128; // holds any line the command line builds

enum reading_kind { READ_NOTHING, READ_COMMAND, READ_UNDO, READ_AGAIN, READ_LOAD_BACKUP };
struct reading {
    reading_kind kind;
    char verb[READING_WORD_SIZE];
    char noun[READING_WORD_SIZE]; // "" for none
};
// What a command the vocabulary does not take as typed (verb and noun part
// as parse_line left them) may still mean: an English phrase with its filler
// words dropped, the undo or repeat word, or "load backup".
reading_kind read_forgivingly(const char *verb, const char *noun, reading *out);
// For the command line: whether the letters typed for a kana line are to be
// run instead of it, because only they mean something (a command, or while
// a question is pending an answer that names a noun).
bool prefer_typed_line(const char *line, const char *typed);
// An answer that names a noun only once English filler words are dropped
// becomes that noun.
void forgive_answer(char *line);
// The words of the forgiving reading, in the current input language.
enum spoken_word { WORD_UNDO, WORD_AGAIN, WORD_LOAD_BACKUP };
const char *spoken_word_text(spoken_word w);

// ---- Undo ----
// Where the steps that can be taken back begin.
enum undo_limit { UNDO_LIMIT_START, UNDO_LIMIT_LOAD, UNDO_LIMIT_NEW_GAME };
void undo_reset(undo_limit why);
// Before each command: the world as it is and the command as typed.
void undo_begin_step(const char *label);
// After it: a command that is over and changed nothing is no step.
void undo_end_step();
// Takes the newest step back, or says why there is none.
void undo_command();
// Control-z: undo_command and a redraw of the scene.
void undo_key();

// ---- Common verb handlers ----
int item_command(int vid, int nid, int noun_here);
void look_item(int nid);
void examine_item(int nid);
void use_item(int nid);
void read_item(int nid);
void combine_item(int nid);
void dismantle_item(int nid);
void detach_item(int nid);
int answer_combine(char *line);
void show_inventory();
void recall_command(int nid);
void take_item(int nid, int flag);
void put_item(int nid, int flag, const char *text);
void door_move(int area, int flag);

// ---- System commands and help pages ----
void help_command(int nid, const char *noun);
void help_basic();
void help_tips();
void help_keys();
void help_assist();
void help_nouns();
void help_verbs();
void config_command(int nid, const char *noun);
int answer_input_language(char *line);
void ask_quit();
int answer_quit(char *line);

// ---- Shared replies ----
void msg_cannot_do_here();
void msg_cannot_break();
void msg_cannot_read();
void msg_does_not_budge();
void msg_cannot_climb();
void msg_nothing_happened();
void msg_nothing_special();
void msg_not_here();
void msg_nothing_left();
void msg_pick_up_first();
void msg_no_need_to_carry();
void msg_several_doors();
// "扉は複数ある。" naming the doors of the place, words in brackets.
void msg_several_doors(std::initializer_list<int> doors);
// "several" (a "…は複数ある。" text) followed by the things it means, named with their words.
void msg_several(const char *several, std::initializer_list<int> nids);
void msg_several_bookshelves();
void msg_door_locked();
void msg_door_unlocked();
void msg_door_already_unlocked();
void msg_door_closed();
void msg_door_already_closed();
void msg_handle_unlocks();
void msg_key_does_not_fit();
void msg_too_big();
void msg_too_heavy();
void msg_too_far();
void msg_cannot_combine();
void msg_tall_tale();
void msg_no_higher();
void msg_armor_stands();
void msg_armor_threatens();
void msg_no_circle_left();
void msg_furniture_in_way();
void msg_no_room_to_move();
void msg_lying_beside();
void msg_too_dark();
void msg_time_prompt();
void msg_title_prompt();
void msg_end_prompt();

// ---- Documents ----
void doc_intro();
void doc_newspaper_article();
void doc_newspaper_clipping();
void doc_essay();
void doc_diary_last_pages();
void doc_diary_torn();
void doc_diary_page();
void doc_logbook();
void doc_postcard();
void doc_farewell_letter();
void doc_seance_book();
void doc_seance_rules();
void doc_study_note_full();
void doc_study_note();
void doc_mirror_message();
void doc_mirror_back();
void doc_owner_confession_full();
void doc_owner_confession();
void doc_leaflet();
void doc_ritual_letter();
void doc_spell_book_full();
void doc_spell_book();
void doc_spell_fragment();
void doc_colonel_notes_full();
void doc_colonel_notes();
void doc_glasses_remark();
void doc_score_title();

// ---- Event texts ----
void event_water_death();
void event_shadow_scream();
void event_shadow_outside();
void event_shadow_enters();
void event_shadow_death();
void event_hiding_footsteps();
void event_footsteps_leave();
void event_phone_starts();
void event_phone_rings();
void event_phone_stops();
void event_phone_voice();
void event_cuckoo_opens();
void event_cuckoo_closes();
void event_dark_stairs();
void event_wake_up();
void event_armor_sound();
void event_armor_arrives();
void event_armor_death();
void event_window_death();
void event_circle_power();
