#include "host_headless.h"

#include "host.h"
#include "key_script.h"
#include "vx_internal.h"

#include <ctime>
#include <deque>
#include <vector>

namespace {

int alive = 0;
int win_x = 100, win_y = 100;
int console_x = 0, console_y = 0;

std::FILE *script_file = nullptr;
std::string script_text;   // what is left of a script given as text
size_t script_line_no = 0;
std::deque<VxScriptEvent> events;
VxEventSource event_source = nullptr;

// Reads the next line, at most VX_SCRIPT_LINE_MAX bytes of it; false at
// the end of the script.
bool next_line(std::string &line, bool &cut) {
    if (script_file) return vx_read_script_line(script_file, line, cut);
    return vx_take_script_line(script_text, line, cut);
}

// One message for each script line that cannot be typed as it stands.
void report(const std::string &error, bool cut) {
    if (error.empty() && !cut) return;
    std::string why = cut ? "longer than " + std::to_string(VX_SCRIPT_LINE_MAX) + " bytes: the rest is dropped" : "";
    if (!error.empty()) why += (cut ? "; " : "") + error;
    std::fprintf(stderr, "%s: key script line %zu: %s\n", vxi_program_name(), script_line_no, why.c_str());
}

bool refill() {
    std::string line;
    bool cut = false;
    while (events.empty()) {
        std::vector<VxScriptEvent> parsed;
        if (event_source) {
            if (!event_source(parsed)) return false;
        } else {
            if (!next_line(line, cut)) return false;
            ++script_line_no;
            std::string error;
            vx_parse_key_script_line(line, parsed, error);
            report(error, cut);
        }
        events.insert(events.end(), parsed.begin(), parsed.end());
    }
    return true;
}

int create_window(int x, int y, int, int) {
    alive = 1;
    win_x = x;
    win_y = y;
    return 0;
}
void set_client_size(int, int) {}
void move_window(int x, int y) {
    win_x = x;
    win_y = y;
}
void get_window_pos(int *x, int *y) {
    *x = win_x;
    *y = win_y;
}
int window_exists() { return alive; }
void destroy_window() { alive = 0; }
void invalidate() {}

// One host event per turn, as a keyboard would deliver them.
void pump(int) {
    if (!alive) return;
    // Output nobody can read ends the program; the entry reports it.
    if (std::ferror(stdout)) {
        vxi_close_without_question();
        return;
    }
    // An event source (terminal play) is asked only once every key typed so
    // far has been handled, so that its prompt is that of the settled game.
    if (events.empty() && event_source && !vxi_key_queue_empty()) return;
    if (events.empty() && !refill()) {
        if (vxi_key_queue_empty()) vxi_close_without_question();
        return;
    }
    VxScriptEvent &ev = events.front();
    if (ev.kind == VxScriptEvent::SHOT) {
        if (!vxi_key_queue_empty()) return; // earlier keys first
        if (vx_save_screenshot(ev.path.c_str()) != 0)
            std::fprintf(stderr, "%s: cannot write the screenshot %s\n", vxi_program_name(), ev.path.c_str());
    } else if (ev.kind == VxScriptEvent::KEYSYM) {
        vxi_host_keysym(static_cast<unsigned>(ev.key));
    } else if (ev.kind == VxScriptEvent::KEY_DOWN) {
        vxi_host_key_down(ev.key, ev.held);
    } else {
        vxi_host_key_up(ev.key, ev.held);
    }
    events.pop_front();
}

// <chrono> cannot be used here: its "µs" literal has no Shift-JIS form.
uint32_t ticks() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

int console_open(int x, int y) {
    console_x = x;
    console_y = y;
    return 0;
}
void console_close() {}
void console_get_pos(int *x, int *y) {
    *x = console_x;
    *y = console_y;
}
void console_invalidate() {}
void set_console_check(int) {}

constexpr VxHost headless_host = {
    "headless",     1,               create_window,   set_client_size, move_window,   get_window_pos,
    window_exists,  destroy_window,  invalidate,      pump,          ticks,
    console_open,   console_close,   console_get_pos, console_invalidate,
    set_console_check, nullptr,      nullptr,         nullptr,         nullptr,
};

}  // namespace

const VxHost *vx_headless_host(void) { return &headless_host; }

void vx_headless_set_keys(std::FILE *file) {
    script_file = file;
    script_text.clear();
    script_line_no = 0;
    events.clear();
}

void vx_headless_set_event_source(VxEventSource source) { event_source = source; }

void vx_headless_set_keys_text(const std::string &text) {
    script_file = nullptr;
    script_text = text;
    script_line_no = 0;
    events.clear();
}
