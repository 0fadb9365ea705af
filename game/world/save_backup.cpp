// The second chance of the one save slot: each save keeps the save it
// replaces as "keldary.sav.bak", and "load backup" reads it. The slot and
// its format are untouched.
#include "status.h"

#include "vexdraw.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int PATH_SIZE = 512;
constexpr const char *BACKUP_NAME = "keldary.sav.bak";
constexpr const char *BACKUP_SUFFIX = ".bak";
constexpr const char *TMP_SUFFIX = ".tmp";

} // namespace

// The old save is copied whole to a temporary file beside it, which is then
// renamed over the old backup: a backup is always one complete earlier
// save. A file that is no save (the wrong size) is not kept, so that it
// never replaces a good backup.
void keep_save_backup(const char *save_path) {
    char bak[PATH_SIZE], tmp[PATH_SIZE];
    int n = std::snprintf(bak, sizeof bak, "%s%s", save_path, BACKUP_SUFFIX);
    int m = std::snprintf(tmp, sizeof tmp, "%s%s%s", save_path, BACKUP_SUFFIX, TMP_SUFFIX);
    if (n < 0 || n >= PATH_SIZE || m < 0 || m >= PATH_SIZE) return;

    std::FILE *in = std::fopen(save_path, "rb");
    if (!in) return; // no save yet
    unsigned char data[SAVE_FILE_SIZE + 1];
    size_t got = std::fread(data, 1, sizeof data, in);
    bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed || got != SAVE_FILE_SIZE) {
        vx_printf("%s is no save: no backup kept\n", save_path);
        return;
    }

    std::FILE *out = std::fopen(tmp, "wb");
    if (!out) {
        vx_printf("backup %s not written\n", bak);
        return;
    }
    bool ok = std::fwrite(data, 1, SAVE_FILE_SIZE, out) == SAVE_FILE_SIZE;
    ok = ok && std::fflush(out) == 0 && fsync(fileno(out)) == 0;
    ok = std::fclose(out) == 0 && ok;
    if (ok && std::rename(tmp, bak) == 0) return;
    vx_printf("backup %s not written\n", bak);
    std::remove(tmp);
}

int load_backup_game() { return load_save_file(BACKUP_NAME); }
