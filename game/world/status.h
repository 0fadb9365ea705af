// The status block (current area, inventory, flag sequences and flags),
// the save file and the score.
#pragma once

#include <cstdio>

constexpr int FLAG_NUM = 256;
constexpr int FLAG_SEQUENCE_MAXNUM = 128;
constexpr int STATUS_BLOCK_SIZE = 546;
constexpr int SAVE_FILE_SIZE = 556;

void status_init(const char *program_dir);
void status_reset();
int get_cur_area();
void set_cur_area(int area);

int has_item(int nid);
void add_item(int nid);      // appends, once, item nouns only
void remove_item(int nid);
int item_count_get();
int item_at(int i);
int has_light();

int flag_test(int n);
int flag_test_not(int n);
void flag_set(int n);
void flag_clear(int n);
void flag_toggle(int n);
void flag_set_once(int n, const char *msg_new, const char *msg_old);
void flag_clear_once(int n, const char *msg_was_set, const char *msg_was_clear);

void fseq_reset(int s);
void fseq_start(int s);
void fseq_proceed(int s);
void fseq_end(int s);
int fseq_is_running(int s);

// ---- Save file ----
// Between the status and save units: the program directory given to
// status_init, a byte copy of the block, and the checked copy back.
const char *status_program_dir();
void status_copy_block(unsigned char out[STATUS_BLOCK_SIZE]);
int status_load_block(const unsigned char in[STATUS_BLOCK_SIZE]); // 0, or -1 when unsound
std::FILE *open_data(const char *name, const char *mode);
// path opened for reading when it is a regular file, else nullptr.
std::FILE *open_regular_file(const char *path);
// 0 on success, -1 on failure.
int make_directory(const char *path);
// Nonzero when path exists and is a directory.
int is_directory(const char *path);
int save_game();  // 0, or -1 with the previous save left intact
int load_game();  // 0, or -1 with the game unchanged
// The save file of the data directory named name, read as load_game reads
// the slot.
int load_save_file(const char *name);
// The save that a save replaces becomes the backup ("keldary.sav.bak"
// beside it): read before the new save is renamed into place, written as
// the backup once it is there, dropped when it is not. Called under the
// save lock.
void stage_save_backup(const char *save_path);
void finish_save_backup(const char *save_path, bool saved);
int load_backup_game(); // 0, or -1 with the game unchanged

// ---- Score ----
struct rating_item {
    int flag;
    int value;
    int points;
};
void print_rating(const char *label, const rating_item *rows, int count);
void print_score();
int score_points(int *total);
void print_mania();
