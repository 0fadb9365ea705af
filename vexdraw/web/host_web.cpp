/*
 * The browser host: the layer in a web page, built with Emscripten.
 *
 * The client area is a <canvas> of the logical size, scaled by CSS to the
 * largest whole zoom that fits the page, with crisp pixels (page.js).  The
 * page's key listener queues what the player typed; pump() takes it from
 * there and gives it to the core as a Windows host would, so every key goes
 * through the layer's own translation table:
 *   - a character (event.key) is typed with the host key and Shift state
 *     that send it in the table, whatever the player's keyboard layout;
 *   - named keys (Return, arrows, F1...) and Control+letter as their
 *     virtual-key numbers;
 *   - text from an input method (composition end) as VX_KEY_UNICODE keysyms,
 *     as in terminal play;
 *   - Alt+Q, the desktop menu's quit, asks the layer's quit question, which
 *     is painted over the canvas.
 * Each key is pressed and released at once: the browser's own repeats
 * arrive as further presses.
 *
 * The blocking loop runs through ASYNCIFY: pump() yields to the browser
 * with emscripten_sleep while it waits, so the page stays live.
 */
#include "web.h"

#include "host.h"
#include "vx_internal.h"

#include <emscripten.h>

#include <cstdio>
#include <ctime>

namespace {

int alive = 0;
int dirty = 0;
int win_x = 100, win_y = 100;
VxModifiers held{};     // what the core was last told
VxBitmap *overlay = nullptr;  // the shown page with the quit question on it

// ---- JavaScript side (page.js keeps the queue and the canvas) ----

EM_JS(void, js_canvas_size, (int w, int h), { Module.vxSetCanvasSize(w, h); });

EM_JS(void, js_present, (const uint32_t *px, int w, int h), {
    Module.vxPresent(HEAPU32.subarray(px >> 2, (px >> 2) + w * h), w, h);
});

// Takes the oldest queued event into ev[0..3]; 0 when there is none.
EM_JS(int, js_next_event, (int *ev), {
    const e = Module.vxEvents.shift();
    if (!e) return 0;
    for (let i = 0; i < 4; i++) HEAP32[(ev >> 2) + i] = e[i] | 0;
    return 1;
});

// The program waits for the player: nothing queued, no timer due (tests
// wait for this before they look at the canvas).
EM_JS(void, js_set_waiting, (int waiting), { Module.vxWaiting = waiting != 0; });

EM_JS(void, js_sync_start, (), {
    Module.vxSyncState = 0;
    if (!Module.vxStorage) {
        Module.vxSyncState = -1;
        return;
    }
    try {
        FS.syncfs(false, function(err) { Module.vxSyncState = err ? -1 : 1; });
    } catch (e) {
        Module.vxSyncState = -1;
    }
});

EM_JS(int, js_sync_state, (), { return Module.vxSyncState; });

// ---- Keys ----

void set_modifier(int generic, unsigned char *side, bool want) {
    if ((*side != 0) == want) return;
    *side = want ? 1 : 0;  // the left key
    if (want)
        vxi_host_key_down(generic, held);
    else
        vxi_host_key_up(generic, held);
}

void press(int vk, bool shift, bool control) {
    set_modifier(VK_CONTROL, &held.control, control);
    set_modifier(VK_SHIFT, &held.shift, shift);
    vxi_host_key_down(vk, held);
    vxi_host_key_up(vk, held);
}

void handle_event(const int ev[4]) {
    switch (ev[0]) {
    case WEB_EV_CHAR: {
        int vk = 0, shifted = 0;
        if (vxi_key_for_char(static_cast<unsigned>(ev[1]), &vk, &shifted) == 0) press(vk, shifted, false);
        break;
    }
    case WEB_EV_KEY:
        if (ev[1] > 0 && ev[1] < 256) press(ev[1], ev[2] != 0, ev[3] != 0);
        break;
    case WEB_EV_TEXT:
        if (ev[1] > 0x7F && ev[1] <= 0xFFFF) vxi_host_keysym(VX_KEY_UNICODE + static_cast<unsigned>(ev[1]));
        break;
    case WEB_EV_QUIT:
        vxi_menu_command(0);
        break;
    default:
        break;
    }
}

// ---- Showing the page ----

void present() {
    if (!dirty) return;
    dirty = 0;
    VxBitmap *page = vxi_shown_page();
    if (!page || !page->px) return;
    const VxBitmap *shown = page;
    if (vxi_question_is_open()) {
        if (!overlay || overlay->w != page->w || overlay->h != page->h) {
            vxi_bitmap_free(overlay);
            overlay = vxi_bitmap_new(page->w, page->h);
        }
        if (overlay) {
            for (size_t i = 0; i < static_cast<size_t>(page->w) * page->h; ++i) overlay->px[i] = page->px[i];
            vxi_question_paint(overlay, 0, 0);
            shown = overlay;
        }
    }
    js_present(shown->px, shown->w, shown->h);
}

// ---- The host ----

int create_window(int x, int y, int w, int h) {
    alive = 1;
    win_x = x;
    win_y = y;
    held = VxModifiers{};
    js_canvas_size(w, h);
    return 0;
}

void set_client_size(int w, int h) {
    js_canvas_size(w, h);
    dirty = 1;
}

void move_window(int x, int y) {
    win_x = x;
    win_y = y;
}

void get_window_pos(int *x, int *y) {
    *x = win_x;
    *y = win_y;
}

int window_exists() { return alive; }

// The settings file has just been written: keep it.
void destroy_window() {
    alive = 0;
    vxi_bitmap_free(overlay);
    overlay = nullptr;
    web_sync_files();
}

void invalidate() { dirty = 1; }

uint32_t ticks() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

// Handles what the page queued; when nothing is there, gives the browser
// the time until timeout_ms (or until something is typed).
constexpr int POLL_MS = 10;

void pump(int timeout_ms) {
    const uint32_t start = ticks();
    for (;;) {
        present();
        // One event at a time once it gave the core keys: the core's
        // queue of 16 must never overflow, however fast the page types.
        int ev[4];
        int handled = 0;
        while (vxi_key_queue_empty() && js_next_event(ev)) {
            handle_event(ev);
            ++handled;
        }
        if (handled) {
            present();
            return;
        }
        if (timeout_ms == 0 || !alive) return;
        int wait = POLL_MS;
        if (timeout_ms > 0) {
            const int left = timeout_ms - static_cast<int>(ticks() - start);
            if (left <= 0) return;
            if (left < wait) wait = left;
        }
        js_set_waiting(timeout_ms < 0);
        emscripten_sleep(static_cast<unsigned>(wait));
    }
}

int console_open(int, int) { return -1; }  // no console window in a page
void console_close() {}
void console_get_pos(int *x, int *y) { *x = *y = 0; }
void console_invalidate() {}
void set_console_check(int) {}

constexpr VxHost web_host = {
    "web",          0,                create_window,   set_client_size, move_window,
    get_window_pos, window_exists,    destroy_window,  invalidate,      pump,
    ticks,          console_open,     console_close,   console_get_pos, console_invalidate,
    set_console_check, nullptr,       nullptr,         nullptr,         web_sync_files,
};

}  // namespace

const VxHost *vx_web_host(void) { return &web_host; }

int web_sync_files(void) {
    js_sync_start();
    while (js_sync_state() == 0) emscripten_sleep(5);
    return js_sync_state() > 0 ? 0 : -1;
}
