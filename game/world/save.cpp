// The save file and the data directory that holds it.
#include "status.h"

#include "vexdraw.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr int PATH_SIZE = 512;
constexpr const char *DATA_DIR_NAME = ".keldary";
constexpr const char *SAVE_NAME = "keldary.sav";
constexpr const char *LOCK_NAME = "keldary.lock";
// How long a save waits for another instance's save to finish.
constexpr int LOCK_WAIT_MS = 3000;
constexpr int LOCK_POLL_MS = 5;

constexpr int MAGIC_SIZE = 8;
constexpr unsigned char SAVE_MAGIC[MAGIC_SIZE] = {0, 'K', 'E', 'L', 'D', 'A', 'R', 'Y'};
constexpr unsigned char VERSION_MAJOR = 0;
constexpr unsigned char VERSION_MINOR = 82;
constexpr int VERSION_OLDEST = 11; // 0.11: older files have another layout
constexpr int VERSION_NEWEST = VERSION_MAJOR * 100 + VERSION_MINOR;
constexpr int HEADER_SIZE = MAGIC_SIZE + 2;
static_assert(HEADER_SIZE + STATUS_BLOCK_SIZE == SAVE_FILE_SIZE);

// Formats into out; false when the result does not fit.
template <typename... Args>
bool format_path(char (&out)[PATH_SIZE], const char *format, Args... args) {
    int n = std::snprintf(out, PATH_SIZE, format, args...);
    if (n < 0 || n >= PATH_SIZE) {
        vx_printf("path too long\n");
        return false;
    }
    return true;
}

// Builds the path of a file of the data directory, creating the directory
// first when create_dir is set. false when no path can be made.
bool data_path(const char *name, bool create_dir, char (&path)[PATH_SIZE]) {
    const char *home = std::getenv("HOME");
    vx_printf("home:%s:\n", home ? home : "");
    if (home && *home) {
        char dir[PATH_SIZE];
        if (!format_path(dir, "%s/%s", home, DATA_DIR_NAME)) return false;
        if (create_dir && !is_directory(dir)) {
            vx_printf("Creating directory '%s'...", dir);
            // Another instance may have created it in the meantime.
            if (make_directory(dir) != 0 && !is_directory(dir)) {
                vx_printf("failure.\n");
                return false;
            }
            vx_printf("success.\n");
        }
        return format_path(path, "%s/%s/%s", home, DATA_DIR_NAME, name);
    }
    // No home: next to the program, whose directory may end in "/".
    const char *pdir = status_program_dir();
    size_t len = std::strlen(pdir);
    if (len == 0) {
        vx_printf("no data directory\n");
        return false;
    }
    return format_path(path, pdir[len - 1] == '/' ? "%s%s" : "%s/%s", pdir, name);
}

// Two instances sharing a home take turns: each save holds an advisory
// lock on a file of the data directory. Returns the lock's descriptor, or
// -1 when the other instance keeps it longer than a save ever takes.
int lock_saves() {
    char path[PATH_SIZE];
    if (!data_path(LOCK_NAME, true, path)) return -1;
    int fd = open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    for (int waited = 0;; waited += LOCK_POLL_MS) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= LOCK_WAIT_MS) break;
        const timespec pause = {0, LOCK_POLL_MS * 1000000L};
        nanosleep(&pause, nullptr);
    }
    vx_printf("the save is locked by another instance\n");
    close(fd);
    return -1;
}

} // namespace

// The data directory holds the player's save: private to the player.
int make_directory(const char *path) { return mkdir(path, 0700) == 0 ? 0 : -1; }

int is_directory(const char *path) {
    struct stat st;
    if (stat(path, &st) != 0) return 0;
    return S_ISDIR(st.st_mode) ? 0x4000 : 0;
}

std::FILE *open_data(const char *name, const char *mode) {
    char path[PATH_SIZE];
    bool writing = std::strchr(mode, 'w') != nullptr;
    if (!data_path(name, writing, path)) return nullptr;
    vx_printf("open_data path:%s:\n", path);
    return writing ? std::fopen(path, mode) : open_regular_file(path);
}

// A pipe or device in place of a save must not make the game wait for ever.
std::FILE *open_regular_file(const char *path) {
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    std::FILE *fp = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? fdopen(fd, "rb") : nullptr;
    if (!fp) close(fd);
    return fp;
}

// The file is replaced whole (vx_replace_file), so that a failed write or a
// killed process never costs the previous save.
int save_game() {
    unsigned char data[SAVE_FILE_SIZE];
    std::memcpy(data, SAVE_MAGIC, MAGIC_SIZE);
    data[MAGIC_SIZE] = VERSION_MAJOR;
    data[MAGIC_SIZE + 1] = VERSION_MINOR;
    status_copy_block(data + HEADER_SIZE);

    char path[PATH_SIZE];
    if (!data_path(SAVE_NAME, true, path)) return -1;
    int lock = lock_saves();
    if (lock < 0) return -1;
    // Under the lock no other save is under way: temporaries are leftovers
    // of a killed instance, and the backup's staged copy is this save's.
    vx_remove_replace_leftovers(path);
    stage_save_backup(path);
    vx_printf("open_data path:%s:\n", path);
    int result = vx_replace_file(path, data, sizeof data);
    finish_save_backup(path, result == 0);
    if (result != 0) vx_printf("save to %s failed\n", path);
    // Kept for good only once the host has it where it lasts (a browser).
    else if (vx_sync_files() != 0) result = -1;
    close(lock); // releases the lock
    return result;
}

// The file is read whole into a separate block and taken only when it is
// complete and sound; otherwise the game stays as it was.
int load_game() { return load_save_file(SAVE_NAME); }

int load_save_file(const char *name) {
    std::FILE *fp = open_data(name, "rb");
    if (!fp) return -1;
    unsigned char data[SAVE_FILE_SIZE];
    size_t got = std::fread(data, 1, sizeof data, fp);
    bool longer = std::fgetc(fp) != EOF;
    bool failed = std::ferror(fp) != 0;
    std::fclose(fp);
    if (got != sizeof data || longer || failed) return -1;

    if (std::memcmp(data, SAVE_MAGIC, MAGIC_SIZE) != 0) return -1;
    int version = data[MAGIC_SIZE] * 100 + data[MAGIC_SIZE + 1];
    if (version < VERSION_OLDEST || version > VERSION_NEWEST) return -1;
    return status_load_block(data + HEADER_SIZE);
}
