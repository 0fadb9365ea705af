// The save file and the data directory that holds it.
#include "status.h"

#include "vexdraw.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int PATH_SIZE = 512;
constexpr const char *DATA_DIR_NAME = ".keldary";
constexpr const char *SAVE_NAME = "keldary.sav";
constexpr const char *SAVE_TMP_SUFFIX = ".tmp";

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
            if (make_directory(dir) != 0) {
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
    if (!data_path(name, std::strchr(mode, 'w') != nullptr, path)) return nullptr;
    vx_printf("open_data path:%s:\n", path);
    return std::fopen(path, mode);
}

// Written whole to a temporary file beside the save and renamed over it, so
// that a failed write never costs the previous save.
int save_game() {
    unsigned char data[SAVE_FILE_SIZE];
    std::memcpy(data, SAVE_MAGIC, MAGIC_SIZE);
    data[MAGIC_SIZE] = VERSION_MAJOR;
    data[MAGIC_SIZE + 1] = VERSION_MINOR;
    status_copy_block(data + HEADER_SIZE);

    char path[PATH_SIZE], tmp[PATH_SIZE];
    if (!data_path(SAVE_NAME, true, path)) return -1;
    if (!format_path(tmp, "%s%s", path, SAVE_TMP_SUFFIX)) return -1;
    vx_printf("open_data path:%s:\n", tmp);
    std::FILE *fp = std::fopen(tmp, "wb");
    if (!fp) return -1;
    bool ok = std::fwrite(data, 1, sizeof data, fp) == sizeof data;
    ok = ok && std::fflush(fp) == 0 && fsync(fileno(fp)) == 0;
    ok = std::fclose(fp) == 0 && ok;
    if (ok) stage_save_backup(path);
    bool saved = ok && std::rename(tmp, path) == 0;
    finish_save_backup(path, saved);
    // Kept for good only once the host has it where it lasts (a browser).
    if (saved) return vx_sync_files() == 0 ? 0 : -1;
    vx_printf("save to %s failed\n", path);
    std::remove(tmp);
    return -1;
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
