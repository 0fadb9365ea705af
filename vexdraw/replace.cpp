// Replacing a file safely: every file the layer or a program writes whole
// (settings, screenshots, saves) goes through vx_replace_file, so that a
// full disk, a crash or a second process writing the same path never leaves
// a truncated or mixed file, and the target is never followed or destroyed.
#include "vx_internal.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary is named ".NAME.tmp." followed by mkstemp's six characters.
constexpr char TEMP_TAG[] = ".tmp.";
constexpr size_t TEMP_RANDOM = 6;

std::string dir_of(const std::string &path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string base_of(const std::string &path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string temp_prefix(const std::string &base) { return "." + base + TEMP_TAG; }

bool write_all(int fd, const unsigned char *p, size_t n) {
    while (n > 0) {
        ssize_t w = write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            if (w == 0) errno = EIO;
            return false;
        }
        p += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

// The new file keeps the old one's permission bits; a new file gets what
// creating it would have given under the process's umask.
mode_t permissions(bool existed, const struct stat &old) {
    if (existed) return old.st_mode & 07777;
#ifdef __EMSCRIPTEN__
    // A browser's in-memory files have no umask (it reads as 0777, which
    // would leave the file unreadable): the usual one is taken.
    return 0644;
#endif
    mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

// The rename is only durable once the directory is on disk too. Some file
// systems cannot sync a directory; the file is replaced all the same.
void sync_dir(const std::string &dir) {
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

int vx_replace_file(const char *path, const void *data, size_t size) {
    if (!path || !*path || (!data && size > 0)) {
        errno = EINVAL;
        return -1;
    }
    const std::string target = path;
    const std::string base = base_of(target);
    if (base.empty() || base == "." || base == "..") {
        errno = EISDIR;
        return -1;
    }
    // Only a regular file is ever replaced: a symbolic link is not followed
    // (nor replaced), and a device, pipe or directory is left alone.
    struct stat old {};
    bool existed = lstat(path, &old) == 0;
    if (!existed && errno != ENOENT) return -1;
    if (existed && !S_ISREG(old.st_mode)) {
        errno = S_ISLNK(old.st_mode) ? ELOOP : S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
        return -1;
    }

    const std::string dir = dir_of(target);
    std::string temp = dir + "/" + temp_prefix(base) + "XXXXXX";
    // mkostemp creates a new file with O_EXCL: never an existing path, never
    // through a symbolic link.
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    bool ok = fchmod(fd, permissions(existed, old)) == 0 &&
              write_all(fd, static_cast<const unsigned char *>(data), size) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temp.c_str(), path) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str()); // our own temporary, nothing else
        errno = error;
        return -1;
    }
    sync_dir(dir);
    return 0;
}

int vx_remove_replace_leftovers(const char *path) {
    if (!path || !*path) return -1;
    const std::string target = path;
    const std::string dir = dir_of(target);
    const std::string prefix = temp_prefix(base_of(target));
    DIR *d = opendir(dir.c_str());
    if (!d) return -1;
    int removed = 0;
    while (const dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name.size() != prefix.size() + TEMP_RANDOM || name.compare(0, prefix.size(), prefix) != 0) continue;
        std::string full = dir + "/" + name;
        struct stat st;
        if (lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && unlink(full.c_str()) == 0) ++removed;
    }
    closedir(d);
    return removed;
}
