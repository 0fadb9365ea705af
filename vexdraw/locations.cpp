// Where the settings file "Vexdraw.ini" and the log "Vexdraw.log" live.
//
// The layer's rule: beside the program while the program's directory is
// writable. An installed program (a directory the player cannot write) keeps
// the settings under $XDG_CONFIG_HOME/<program>/ and the log under
// $XDG_STATE_HOME/<program>/ (the name the program gives), with the usual defaults ~/.config and
// ~/.local/state. A place that cannot be written leaves the run without
// saved settings (or without a log), told once on standard error.
#include "vx_internal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The log is cut back to its newest part at start-up once it passes this.
constexpr long LOG_TRIM_ABOVE = 64 * 1024;
constexpr long LOG_KEEP = 32 * 1024;

std::string ini_path;
std::string log_path;
bool ini_writable = false;

// A usable XDG base directory: the variable when it holds an absolute path
// (relative ones are ignored, as the XDG rules say), else HOME + fallback.
std::string base_dir(const char *variable, const char *home_fallback) {
    const char *value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    const char *home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/" + home_fallback;
    return "";
}

// Creates dir and its missing parents (new ones 0700); true when dir is then
// a directory the program can write in.
bool make_writable_dir(const std::string &dir) {
    if (dir.empty()) return false;
    for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
        std::string part = dir.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat st;
    return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(dir.c_str(), W_OK) == 0;
}

}  // namespace

std::string vxi_xdg_dir(const char *variable, const char *home_fallback) {
    std::string base = base_dir(variable, home_fallback);
    if (base.empty()) return "";
    std::string dir = base + "/" + vxi_program_name();
    return make_writable_dir(dir) ? dir : "";
}

void vxi_locate_files(int beside_program) {
    std::string dir = vxi_program_dir();
    if (beside_program) {
        ini_path = dir + "/Vexdraw.ini";
        log_path = dir + "/Vexdraw.log";
        ini_writable = true;
        vxi_trim_log();
        return;
    }
    std::string name = vxi_program_name();
    std::string config = base_dir("XDG_CONFIG_HOME", ".config");
    std::string state = base_dir("XDG_STATE_HOME", ".local/state");
    if (!config.empty()) config += "/" + name;
    if (!state.empty()) state += "/" + name;
    ini_writable = make_writable_dir(config);
    bool log_ok = make_writable_dir(state);
    ini_path = config.empty() ? "" : config + "/Vexdraw.ini";
    log_path = log_ok ? state + "/Vexdraw.log" : "";

    if (!ini_writable || !log_ok) {
        auto shown = [](const std::string &d) { return d.empty() ? std::string("$HOME (not set)") : d; };
        std::string where = shown(ini_writable ? state : config);
        if (!ini_writable && !log_ok && state != config) where += " or " + shown(state);
        const char *what = !ini_writable && !log_ok ? "settings and log are not kept"
                           : !ini_writable          ? "settings are not saved"
                                                    : "the log is not kept";
        std::fprintf(stderr, "%s: warning: cannot write in %s: %s in this run\n", name.c_str(),
                     where.c_str(), what);
        std::fflush(stderr);
    }
    vxi_trim_log();
}

const char *vxi_ini_path(void) { return ini_path.c_str(); }
int vxi_ini_writable(void) { return ini_writable && !ini_path.empty() ? 1 : 0; }
const char *vxi_log_path(void) { return log_path.c_str(); }

void vxi_trim_log(void) {
    if (log_path.empty()) return;
    struct stat st;
    if (stat(log_path.c_str(), &st) != 0 || st.st_size <= LOG_TRIM_ABOVE) return;
    std::FILE *in = std::fopen(log_path.c_str(), "rb");
    if (!in) return;
    std::string tail(LOG_KEEP, '\0');
    bool ok = std::fseek(in, -LOG_KEEP, SEEK_END) == 0 && std::fread(tail.data(), 1, LOG_KEEP, in) == (size_t)LOG_KEEP;
    std::fclose(in);
    if (!ok) return;
    // Keep whole lines: a line end never sits inside a Shift-JIS character.
    size_t start = tail.find('\n');
    tail.erase(0, start == std::string::npos ? 0 : start + 1);

    vx_replace_file(log_path.c_str(), tail.data(), tail.size());
}
