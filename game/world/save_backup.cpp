// The second chance of the one save slot: each save keeps the save it
// replaces as "keldary.sav.bak", and "load backup" reads it. The slot and
// its format are untouched.
#include "status.h"

#include "vexdraw.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int PATH_SIZE = 512;
constexpr const char *BACKUP_NAME = "keldary.sav.bak";
constexpr const char *BACKUP_SUFFIX = ".bak";

// The old save between staging and finishing.
unsigned char staged[SAVE_FILE_SIZE];
bool have_staged = false;

bool backup_path(const char *save_path, char (&out)[PATH_SIZE]) {
    int n = std::snprintf(out, sizeof out, "%s%s", save_path, BACKUP_SUFFIX);
    return n > 0 && n < PATH_SIZE;
}

} // namespace

// The old save is kept whole. A file that is no save (the wrong size) is
// not kept, so that it never replaces a good backup.
void stage_save_backup(const char *save_path) {
    have_staged = false;
    char backup[PATH_SIZE];
    if (backup_path(save_path, backup)) vx_remove_replace_leftovers(backup); // of a killed instance
    std::FILE *in = open_regular_file(save_path);
    if (!in) return; // no save yet
    unsigned char data[SAVE_FILE_SIZE + 1];
    size_t got = std::fread(data, 1, sizeof data, in);
    bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed || got != SAVE_FILE_SIZE) {
        vx_printf("%s is no save: no backup kept\n", save_path);
        return;
    }
    std::copy(data, data + SAVE_FILE_SIZE, staged);
    have_staged = true;
}

// Once the new save is in place the old one replaces the backup whole;
// when the save failed the old backup stays as it was.
void finish_save_backup(const char *save_path, bool saved) {
    char backup[PATH_SIZE];
    bool keep = saved && have_staged;
    have_staged = false;
    if (!keep || !backup_path(save_path, backup)) return;
    if (vx_replace_file(backup, staged, SAVE_FILE_SIZE) != 0) vx_printf("backup %s not written\n", backup);
}

int load_backup_game() { return load_save_file(BACKUP_NAME); }
