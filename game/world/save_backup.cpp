// The second chance of the one save slot: each save keeps the save it
// replaces as "keldary.sav.bak", and "load backup" reads it. The slot and
// its format are untouched.
#include "status.h"

#include "vexdraw.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int PATH_SIZE = 512;
constexpr const char *BACKUP_NAME = "keldary.sav.bak";
constexpr const char *BACKUP_SUFFIX = ".bak";
constexpr const char *STAGED_SUFFIX = ".bak.tmp";

bool path_with(const char *save_path, const char *suffix, char (&out)[PATH_SIZE]) {
    int n = std::snprintf(out, sizeof out, "%s%s", save_path, suffix);
    return n > 0 && n < PATH_SIZE;
}

} // namespace

// The old save is copied whole beside it. A file that is no save (the
// wrong size) is not staged, so that it never replaces a good backup.
void stage_save_backup(const char *save_path) {
    char staged[PATH_SIZE];
    if (!path_with(save_path, STAGED_SUFFIX, staged)) return;
    std::remove(staged); // left over from a save that never finished
    // Only a regular file is copied: a pipe in its place is not waited on.
    int fd = open(save_path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return; // no save yet
    struct stat st;
    std::FILE *in = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? fdopen(fd, "rb") : nullptr;
    if (!in) {
        close(fd);
        return;
    }
    unsigned char data[SAVE_FILE_SIZE + 1];
    size_t got = std::fread(data, 1, sizeof data, in);
    bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed || got != SAVE_FILE_SIZE) {
        vx_printf("%s is no save: no backup kept\n", save_path);
        return;
    }
    std::FILE *out = std::fopen(staged, "wb");
    if (!out) return;
    bool ok = std::fwrite(data, 1, SAVE_FILE_SIZE, out) == SAVE_FILE_SIZE;
    ok = ok && std::fflush(out) == 0 && fsync(fileno(out)) == 0;
    ok = std::fclose(out) == 0 && ok;
    if (!ok) std::remove(staged);
}

// Once the new save is in place the staged copy replaces the backup in one
// rename; when the save failed the old backup stays as it was.
void finish_save_backup(const char *save_path, bool saved) {
    char staged[PATH_SIZE], backup[PATH_SIZE];
    if (!path_with(save_path, STAGED_SUFFIX, staged) || !path_with(save_path, BACKUP_SUFFIX, backup)) return;
    if (access(staged, F_OK) != 0) return; // nothing staged
    if (saved && std::rename(staged, backup) == 0) return;
    if (saved) vx_printf("backup %s not written\n", backup);
    std::remove(staged);
}

int load_backup_game() { return load_save_file(BACKUP_NAME); }
