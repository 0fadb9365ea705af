// What the layer offers a desktop around the window: the program's short
// mode text for the menu strip, the window icon taken from a part of the
// screen, and screenshots written to the user's pictures folder.
#include "host.h"
#include "vx_internal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace {

constexpr int MODE_MAX = 31;  // bytes of mode text, without the NUL
constexpr int ICON_SIDE = 64;

char mode_text[MODE_MAX + 1];
VxBitmap *icon = nullptr;

bool is_dir(const std::string &path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string env(const char *name) {
    const char *v = std::getenv(name);
    return v ? v : "";
}

// The value of XDG_PICTURES_DIR in a user-dirs.dirs file: a double-quoted
// path that is absolute or starts with "$HOME/" ("" when not there).
std::string pictures_entry(const std::string &file, const std::string &home) {
    std::FILE *f = std::fopen(file.c_str(), "r");
    if (!f) return "";
    std::string found;
    char line[4096];
    const char key[] = "XDG_PICTURES_DIR=\"";
    while (std::fgets(line, sizeof line, f)) {
        const char *p = line;
        while (*p == ' ' || *p == '\t') ++p;
        if (std::strncmp(p, key, sizeof key - 1) != 0) continue;
        p += sizeof key - 1;
        const char *end = std::strchr(p, '"');
        if (!end) continue;
        std::string value(p, (size_t)(end - p));
        if (value.compare(0, 6, "$HOME/") == 0 && !home.empty())
            found = home + value.substr(5);
        else if (value == "$HOME")
            found = home;
        else if (!value.empty() && value[0] == '/')
            found = value;
    }
    std::fclose(f);
    return found;
}

}  // namespace

// ---- Mode text ----

int vx_set_mode_text(const char *text) {
    if (!text) text = "";
    // Cut at a character boundary so that no lead byte is left alone.
    int n = 0;
    while (text[n]) {
        int step = vx_sjis_lead((unsigned char)text[n]) && vx_sjis_trail((unsigned char)text[n + 1]) ? 2 : 1;
        if (n + step > MODE_MAX) break;
        n += step;
    }
    if (std::strncmp(mode_text, text, (size_t)n) == 0 && mode_text[n] == '\0') return 0;
    std::memcpy(mode_text, text, (size_t)n);
    mode_text[n] = '\0';
    vxi_window_changed();
    return 0;
}

const char *vxi_mode_text(void) { return mode_text; }

// ---- Window icon ----

void vxi_shrink_rect(const VxBitmap *page, int x1, int y1, int x2, int y2, VxBitmap *out, unsigned gain) {
    // The rectangle, kept in its proportions and centred on black, is
    // shrunk by averaging.
    const int w = x2 - x1 + 1, h = y2 - y1 + 1;
    const int side = w > h ? w : h;
    const int sx0 = x1 - (side - w) / 2, sy0 = y1 - (side - h) / 2;
    const int out_side = out->w;
    for (int iy = 0; iy < out_side; ++iy) {
        const int ya = sy0 + iy * side / out_side, yb = sy0 + (iy + 1) * side / out_side;
        for (int ix = 0; ix < out_side; ++ix) {
            const int xa = sx0 + ix * side / out_side, xb = sx0 + (ix + 1) * side / out_side;
            unsigned sum[3] = {0, 0, 0}, count = 0;
            for (int y = ya; y < (yb > ya ? yb : ya + 1); ++y)
                for (int x = xa; x < (xb > xa ? xb : xa + 1); ++x) {
                    ++count;
                    if (x < x1 || x > x2 || y < y1 || y > y2) continue;
                    const uint32_t p = page->px[(size_t)y * page->w + x];
                    sum[0] += (p >> 16) & 0xFF;
                    sum[1] += (p >> 8) & 0xFF;
                    sum[2] += p & 0xFF;
                }
            uint32_t px = 0;
            for (int c = 0; c < 3; ++c) {
                unsigned v = count ? gain * sum[c] / count : 0;
                px = px << 8 | (v > 255 ? 255 : v);
            }
            out->px[iy * out_side + ix] = px;
        }
    }
}

int vx_set_icon_from_screen(int x1, int y1, int x2, int y2) {
    const VxBitmap *page = vxi_shown_page();
    if (!page) return -1;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = x1 < 0 ? 0 : x1;
    y1 = y1 < 0 ? 0 : y1;
    x2 = x2 >= page->w ? page->w - 1 : x2;
    y2 = y2 >= page->h ? page->h - 1 : y2;
    if (x1 > x2 || y1 > y2) return -1;
    if (!icon) icon = vxi_bitmap_new(ICON_SIDE, ICON_SIDE);
    if (!icon) return -1;
    // Thin lines would fade to grey: the average is brightened threefold.
    vxi_shrink_rect(page, x1, y1, x2, y2, icon, 3);
    const VxHost *host = vxi_host();
    if (host && host->set_icon) host->set_icon(icon);
    return 0;
}

const VxBitmap *vxi_icon(void) { return icon; }

void vxi_desktop_reset(void) {
    mode_text[0] = '\0';
    vxi_bitmap_free(icon);
    icon = nullptr;
}

// ---- Screenshots ----

std::string vxi_pictures_dir(void) {
    const std::string home = env("HOME");
    std::string dir = env("XDG_PICTURES_DIR");
    if (is_dir(dir)) return dir;
    std::string config = env("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/') config = home.empty() ? "" : home + "/.config";
    if (!config.empty()) {
        dir = pictures_entry(config + "/user-dirs.dirs", home);
        if (is_dir(dir)) return dir;
    }
    if (is_dir(home)) return home;
    return vxi_program_dir();
}

int vxi_screenshot_to_pictures(void) {
    const std::string dir = vxi_pictures_dir();
    std::time_t now = std::time(nullptr);
    char stamp[32];
    std::tm tm_now{};
    localtime_r(&now, &tm_now);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm_now);
    const std::string base = dir + "/" + vxi_program_name() + "-" + stamp;
    std::string path = base + ".png";
    struct stat st;
    for (int n = 2; stat(path.c_str(), &st) == 0 && n < 100; ++n)
        path = base + "-" + std::to_string(n) + ".png";
    const std::string shown = vxi_utf8_to_sjis(path.c_str());
    if (stat(path.c_str(), &st) == 0 || vx_save_screenshot(path.c_str()) != 0) {
        vx_printf("スクリーンショットを保存できません: %s\n", shown.c_str());
        return -1;
    }
    vx_printf("スクリーンショットを保存しました: %s\n", shown.c_str());
    return 0;
}
