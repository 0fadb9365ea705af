#include "fuzz.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

void remove_scratch() {
    std::error_code ec;
    std::filesystem::remove_all(fuzz_scratch_dir(), ec);
}

}  // namespace

const std::string &fuzz_scratch_dir() {
    static std::string dir;
    if (dir.empty()) {
        const char *base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        dir = std::string(base) + "/keldary-fuzz-" + std::to_string(getpid());
        std::filesystem::create_directories(dir);
        std::atexit(remove_scratch);
    }
    return dir;
}

// The driver sends the target's own output to /dev/null and names the
// descriptor that still reaches the real stderr in FUZZ_REPORT_FD.
void fuzz_fail(const char *format, ...) {
    char text[1024];
    int n = std::snprintf(text, sizeof text, "fuzz: property broken: ");
    va_list args;
    va_start(args, format);
    std::vsnprintf(text + n, sizeof text - n - 1, format, args);
    va_end(args);
    const char *fd_text = std::getenv("FUZZ_REPORT_FD");
    int fd = fd_text ? std::atoi(fd_text) : 2;
    dprintf(fd, "%s\n", text);
    std::abort();
}
