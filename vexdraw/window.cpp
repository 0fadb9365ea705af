// The main window, its two pages, the callbacks and the event loop.
#include "host.h"
#include "vx_internal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <string>
#include <unistd.h>

namespace {

const VxHost *host = nullptr;
const char *program_name = "vexdraw";

int client_w = 600;
int client_h = 600;
VxBitmap *pages[2] = {nullptr, nullptr};
int shown_page = 1;
int back_page = 0;

int window_alive = 0;
int quit_flag = 0;   // vx_quit_loop
int quit_posted = 0; // the window was destroyed
int console_shown = 0;

std::string program_dir;
std::string final_screenshot;
std::string startup_error;

VxButtonCallback button_press_cb = nullptr;
VxButtonCallback button_release_cb = nullptr;
VxKeyCallback key_press_cb = nullptr;
VxKeyCallback key_release_cb = nullptr;
VxTimerCallback timer_cb = nullptr;
unsigned timer_interval = 1000;
uint32_t timer_due = 0;

// Larger windows than this are refused rather than allocated.
constexpr int MAX_CLIENT = 8192;
// Window positions from the settings file are held within this distance of
// the origin: beyond any screen, and far from where a host adding its frame
// sizes could overflow. Hosts that know their screens keep them on it.
constexpr int MAX_POSITION = 32767;

int ini_position(const char *section, const char *key, int default_value) {
    int v = vx_ini_get_int(section, key, default_value);
    return v < -MAX_POSITION ? -MAX_POSITION : v > MAX_POSITION ? MAX_POSITION : v;
}

uint32_t now() { return host ? host->ticks() : 0; }

void free_pages() {
    for (VxBitmap *&p : pages) {
        vxi_bitmap_free(p);
        p = nullptr;
    }
}

void record_window_position() {
    if (!host || !window_alive) return;
    int x = 0, y = 0;
    host->get_window_pos(&x, &y);
    vx_ini_set_int("WINDOW", "LEFT", x);
    vx_ini_set_int("WINDOW", "TOP", y);
    // Zoom and full screen have keys of their own, written once the player
    // has chosen them, so that an older settings file keeps its meaning.
    if (!host->get_view) return;
    int zoom = 0, fullscreen = -1;
    host->get_view(&zoom, &fullscreen);
    if (zoom >= 1 && zoom <= VX_ZOOM_MAX) vx_ini_set_int("WINDOW", "ZOOM", zoom);
    if (fullscreen >= 0) vx_ini_set_int("WINDOW", "FULLSCREEN", fullscreen ? 1 : 0);
}

// A view setting in lo..hi, or 0 when it is missing or unusable (then
// with a warning in the log).
int view_setting(const char *key, int lo, int hi) {
    if (!vxi_ini_has("WINDOW", key)) return 0;
    int v = vx_ini_get_int("WINDOW", key, 0);
    if (!vxi_ini_is_number("WINDOW", key) || v < lo || v > hi) {
        vx_warning("INIファイルの%s/%sの値が正しくないので無視します（%d〜%dの整数）。", "WINDOW", key,
                   lo, hi);
        return 0;
    }
    return v;
}

void open_console() {
    if (!host) return;
    int x = ini_position("CONSOLE", "LEFT", 0);
    int y = ini_position("CONSOLE", "TOP", 0);
    if (host->console_open(x, y) != 0) return;
    host->set_console_check(1);
    console_shown = 1;
}

void close_console() {
    if (!host || !console_shown) return;
    int x = 0, y = 0;
    host->console_get_pos(&x, &y);
    vx_ini_set_int("CONSOLE", "LEFT", x);
    vx_ini_set_int("CONSOLE", "TOP", y);
    host->console_close();
    host->set_console_check(0);
    console_shown = 0;
}

void write_final_screenshot() {
    if (final_screenshot.empty() || !pages[shown_page]) return;
    if (vx_save_screenshot(final_screenshot.c_str()) != 0)
        std::fprintf(stderr, "%s: cannot write the screenshot %s\n", program_name, final_screenshot.c_str());
    final_screenshot.clear();
}

void close_window() {
    close_console();
    record_window_position();
    vx_ini_save();
    vxi_destroy_window();
}

}  // namespace

void vxi_set_host(const VxHost *h) { host = h; }

void vxi_set_program_name(const char *name) { program_name = name && *name ? name : "vexdraw"; }
const char *vxi_program_name(void) { return program_name; }
const VxHost *vxi_host(void) { return host; }

VxBitmap *vxi_shown_page(void) { return pages[shown_page]; }
VxBitmap *vxi_back_page(void) { return pages[back_page]; }
int vxi_client_width(void) { return client_w; }
int vxi_client_height(void) { return client_h; }
int vxi_console_shown(void) { return console_shown; }
int vxi_quit_posted(void) { return quit_posted; }
const char *vxi_program_dir(void) { return program_dir.c_str(); }

void vxi_window_changed(void) {
    if (host && window_alive) host->invalidate();
}

void vxi_set_program_dir_from_exe(const char *exe_path) {
    std::string p = exe_path ? exe_path : "";
    for (char &c : p)
        if (c == '\\') c = '/';
    size_t slash = p.rfind('/');
    program_dir = slash == std::string::npos ? "." : p.substr(0, slash);
}

void vxi_set_startup_error(const char *why) { startup_error = why ? why : ""; }
const char *vxi_startup_error(void) { return startup_error.c_str(); }

void vxi_set_final_screenshot(const char *path) { final_screenshot = path ? path : ""; }

int vx_is_headless(void) { return host && host->headless ? 1 : 0; }

void vxi_post_quit(void) { quit_posted = 1; }

void vxi_destroy_window(void) {
    if (!window_alive) return;
    write_final_screenshot();
    if (host) host->destroy_window();
    window_alive = 0;
    vxi_post_quit();
    vxi_free_images();
    free_pages();
}

// The question is shown over the window; the program waits until it is
// answered (vxi_question_answered).
void vxi_close_request(void) {
    if (!host || !window_alive || vxi_question_is_open()) return;
    vxi_question_open();
    vxi_window_changed();
}

void vxi_question_answered(int yes) {
    if (yes)
        close_window();
    else
        vxi_window_changed();
}

void vxi_close_without_question(void) {
    vxi_question_close();
    if (window_alive) close_window();
}

void vxi_menu_command(int id) {
    if (id == 0) {
        vxi_close_request();
    } else if (id == 2) {
        if (console_shown)
            close_console();
        else
            open_console();
        vx_ini_set_int("CONSOLE", "SHOW", console_shown);
    }
}

int vxi_layer_startup(const char *exe_path, const char *raw_command_line) {
    // A fresh layer: tests start it several times in one process.
    button_press_cb = button_release_cb = nullptr;
    key_press_cb = key_release_cb = nullptr;
    timer_cb = nullptr;
    timer_interval = 1000;
    quit_flag = quit_posted = 0;
    console_shown = 0;
    startup_error.clear();
    vxi_question_close();
    vxi_desktop_reset();
    shown_page = 1;
    back_page = 0;
    client_w = client_h = 600;
    vxi_input_reset();
    vxi_ini_clear();

    vxi_set_program_dir_from_exe(exe_path);
    vxi_locate_files(access(program_dir.c_str(), W_OK) == 0);
    if (!host || host->create_window(100, 100, 600, 600) != 0) return -1;
    window_alive = 1;
    vx_open_window(600, 600);

    vxi_colour_table_count();
    vxi_input_init();

    vx_ini_load(); // a broken file is reported; what it could not give keeps its default
    host->move_window(ini_position("WINDOW", "LEFT", 100), ini_position("WINDOW", "TOP", 100));
    if (host->set_view) {
        int zoom = view_setting("ZOOM", 1, VX_ZOOM_MAX);
        host->set_view(zoom, view_setting("FULLSCREEN", 0, 1));
    }
    if (vx_ini_get_int("CONSOLE", "SHOW", 0)) open_console();
    vx_printf("argv:%s:\n", raw_command_line ? raw_command_line : "");
    return 0;
}

void vxi_layer_shutdown(void) {
    if (window_alive) {
        record_window_position();
        vx_ini_save();
        write_final_screenshot();
        if (console_shown && host) host->console_close();
        console_shown = 0;
        if (host) host->destroy_window();
        window_alive = 0;
        vxi_free_images();
        free_pages();
    }
}

int vx_open_window(int width, int height) {
    if (width <= 0 || height <= 0 || width > MAX_CLIENT || height > MAX_CLIENT) return -1;
    client_w = width;
    client_h = height;
    if (host && window_alive) host->set_client_size(width, height);
    free_pages();
    pages[0] = vxi_bitmap_new(width, height);
    pages[1] = vxi_bitmap_new(width, height);
    back_page = 0;
    shown_page = 1;
    vxi_reset_font();
    vx_set_color(-1, -1, -1);
    vxi_window_changed();  // new pages are black: cleared without a fill
    return 0;
}

int vx_main_loop(void) {
    for (;;) {
        // While the quit question is open the program waits, as it would
        // behind a modal message box.
        if (vxi_question_is_open()) {
            if (quit_flag || quit_posted || !host) return 0;
            host->pump(-1);
            if (quit_posted) return 0;
            continue;
        }
        int x, y, button;
        if (button_press_cb && vxi_button_pending(1, &x, &y, &button)) button_press_cb(x, y, button);
        if (button_release_cb && vxi_button_pending(0, &x, &y, &button)) button_release_cb(x, y, button);

        unsigned keysym;
        int down;
        if (vxi_key_queue_pop(&keysym, &down)) {
            VxKeyCallback cb = down ? key_press_cb : key_release_cb;
            if (cb) cb(keysym);
        }

        if (timer_cb && static_cast<int32_t>(now() - timer_due) >= 0) {
            timer_due = now() + timer_interval;
            timer_cb();
        }

        if (quit_flag || quit_posted || !host) return 0;

        // Block on the host's events until something can happen: a queued
        // key is handled at once, a timer when it falls due.
        int timeout = -1;
        if (!vxi_key_queue_empty())
            timeout = 0;
        else if (timer_cb)
            timeout = vx_timer_remaining() < 0 ? 0 : vx_timer_remaining();
        host->pump(timeout);
        if (quit_posted) return 0;
    }
}

void vxi_run_queued_keys(void) {
    unsigned keysym;
    int down;
    while (vxi_key_queue_pop(&keysym, &down)) {
        VxKeyCallback cb = down ? key_press_cb : key_release_cb;
        if (cb) cb(keysym);
    }
}

int vx_quit_loop(void) {
    quit_flag = 1;
    return 0;
}

int vx_set_button_press_callback(VxButtonCallback callback) {
    button_press_cb = callback;
    return 0;
}

int vx_set_button_release_callback(VxButtonCallback callback) {
    button_release_cb = callback;
    return 0;
}

int vx_set_key_press_callback(VxKeyCallback callback) {
    key_press_cb = callback;
    return 0;
}

int vx_set_key_release_callback(VxKeyCallback callback) {
    key_release_cb = callback;
    return 0;
}

int vx_set_timer_callback(VxTimerCallback callback, unsigned interval_ms) {
    timer_due = now() + interval_ms;
    timer_interval = interval_ms;
    timer_cb = callback;
    return 0;
}

int vx_timer_remaining(void) { return static_cast<int>(static_cast<int32_t>(timer_due - now())); }

int vx_msleep(unsigned ms) {
    if (!host) return 0;
    uint32_t until = now() + ms;
    for (;;) {
        int32_t left = static_cast<int32_t>(until - now());
        if (left <= 0) return 0;
        host->pump(left);
        if (quit_posted) std::exit(0);
    }
}

int vx_usleep(int microseconds) { return vx_msleep(static_cast<unsigned>(microseconds / 1000)); }

int vx_swap_buffers(void) {
    std::swap(shown_page, back_page);
    if (pages[back_page]) vxi_fill_bitmap(pages[back_page], 0);
    vxi_window_changed();
    return 0;
}

int vx_sync_files(void) { return host && host->sync_files ? host->sync_files() : 0; }

int vx_clear(void) {
    if (pages[shown_page]) vxi_fill_bitmap(pages[shown_page], 0);
    vxi_window_changed();
    return 0;
}
