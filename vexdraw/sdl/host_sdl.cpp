/*
 * The real window: the Vexdraw host on SDL2.
 *
 * The main window shows a logical frame: the menu strip (MENU_H pixels,
 * drawn by menu.cpp) with the client area below it.  Drawing happens in
 * the layer's pages; view.cpp scales the frame by a whole number onto the
 * screen, once per pump and only where something changed.  The window
 * opens at the largest zoom that fits the screen (or the one the settings
 * give), the player changes it with Ctrl+plus and Ctrl+minus, F11 or
 * Alt+Enter toggle full screen, and a window sized by the window manager
 * shows the largest zoom that fits, centred on black.  The quit question
 * is the layer's own (question.cpp), painted over the client area.
 *
 * Keys are reported with the Win32 virtual-key numbers the core's
 * translation table is written for, modifiers as the generic Shift,
 * Control and Alt codes with the held state of their two keys, exactly as
 * a Windows host reports them.  Alt combinations, Alt alone and F10 are
 * system keys: they go to the menu (menu.cpp has its keyboard mode) and
 * produce no key events, nor does any key while the menu is active.
 */
#include "host.h"
#include "menu.h"
#include "view.h"
#include "vx_internal.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xproto.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>

namespace {

constexpr int CONSOLE_W = 568;
constexpr int CONSOLE_H = 358;
// Room left around a window for its frame and the desktop's panels when
// the zoom that fits the screen is chosen.
constexpr int MARGIN_W = 16;
constexpr int MARGIN_H = 40;
// How long the display server may take to answer at start-up.
constexpr unsigned CONNECT_TIMEOUT_S = 5;

SDL_Window *main_win = nullptr;
Uint32 main_id = 0;
View main_view;
bool main_shown = false;      // the window is mapped (at its first frame)
int client_w = 0;
int client_h = 0;
VxBitmap *strip = nullptr;    // the menu strip, window width x MENU_H
VxBitmap *drop_bm = nullptr;  // the open drop-down
VxBitmap *question_bm = nullptr;
int drop_x = 0, drop_y = 0;   // where they lie in the frame
int question_x = 0, question_y = 0;
bool main_dirty = false;      // the window must be presented again

// The view: the zoom the player chose (0: none, the largest that fits),
// the zoom of the window when not in full screen, full screen with its own
// zoom limit, and the window's outer position before full screen.
int chosen_zoom = 0;
int window_zoom = 1;
bool fullscreen = false;
bool fullscreen_pending = false;
bool fullscreen_by_hand = false;  // no window manager: covering the screen ourselves
bool fullscreen_chosen = false;   // toggled by the player or given by the settings
int fullscreen_zoom = VX_ZOOM_MAX;
int windowed_x = 100, windowed_y = 100;

SDL_Window *console_win = nullptr;
Uint32 console_id = 0;
View console_view;
VxBitmap *console_bm = nullptr;
bool console_dirty = false;

// Held modifier keys (bit 0 left, bit 1 right), followed event by event.
// SDL_GetKeyboardState is not used for this: SDL reads every waiting X
// event before it hands out the first one, so when Shift, T, T-up and
// Shift-up arrive together the state already shows Shift released while
// the T is handled, and the T would come out in lower case.
VxModifiers held = {};
// Buttons whose press went to the menu: their release goes there too.
unsigned swallow_up = 0;

// ---- Measuring (VEXDRAW_MEASURE=1, or "full" to draw every row) ----

struct Measure {
    bool on = false;
    bool first_done = false;
    long presents = 0, rows = 0, full_presents = 0;
    double present_cpu_us = 0, full_cpu_us = 0, max_present_cpu_us = 0;
    bool key_pending = false;
    double key_start_cpu_us = 0, key_start_wall_us = 0;
    long keys = 0;
    double key_cpu_us = 0, key_wall_us = 0;
};
Measure measure;

double clock_us(clockid_t clock) {
    timespec ts;
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

void measure_report(void) {
    if (!measure.on) return;
    std::fprintf(stderr,
                 "vexdraw-measure: presents=%ld rows=%ld avg_present_cpu_us=%.0f max_present_cpu_us=%.0f "
                 "full_presents=%ld avg_full_present_cpu_us=%.0f zoom=%d\n",
                 measure.presents, measure.rows,
                 measure.presents ? measure.present_cpu_us / measure.presents : 0.0, measure.max_present_cpu_us,
                 measure.full_presents, measure.full_presents ? measure.full_cpu_us / measure.full_presents : 0.0,
                 main_view.zoom);
    std::fprintf(stderr, "vexdraw-measure: keys=%ld avg_key_cpu_us=%.0f avg_key_wall_us=%.0f\n", measure.keys,
                 measure.keys ? measure.key_cpu_us / measure.keys : 0.0,
                 measure.keys ? measure.key_wall_us / measure.keys : 0.0);
}

// ---- Start-up: a display that can be used, or a clear refusal ----

void refuse(const std::string &why) {
    vxi_set_startup_error(("no display could be opened (" + why +
                           "); use --text to play in the terminal").c_str());
}

// SDL would wait for an X server that does not answer (a host that drops
// the connection) for minutes: after a few seconds the program ends with
// its refusal instead.
char timeout_line[512];
void connect_timed_out(int) {
    ssize_t ignored = write(STDERR_FILENO, timeout_line, std::strlen(timeout_line));
    (void)ignored;
    _exit(1);
}

// Losing the display server ends the program at once (Xlib allows nothing
// else): one line says why, and nothing is written, so the save file and
// the settings file stay as they were.
[[noreturn]] void end_display_lost(void) {
    std::fprintf(stderr, "%s: the connection to the display was lost; the program ends\n", vxi_program_name());
    std::fflush(stderr);
    _exit(1);
}

int display_lost(Display *) { end_display_lost(); }

// SDL wakes its event wait with a message sent, over a second connection,
// to its newest window.  When that window (the console) is destroyed just
// then, the message can reach the server after it, and Xlib's default
// handler would end the program for a message nobody needed.  Every other
// error goes on to the handler SDL installed.
XErrorHandler sdl_error_handler = nullptr;
int x_error(Display *d, XErrorEvent *e) {
    if (e->error_code == BadWindow && e->request_code == X_SendEvent) return 0;
    return sdl_error_handler ? sdl_error_handler(d, e) : 0;
}

std::string env_text(const char *name) {
    const char *v = std::getenv(name);
    return v ? v : "";
}

bool init_video(void) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    // Closing the last window is a close request that asks a question,
    // not an application quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Ctrl+C in the starting terminal ends the program as usual, instead of
    // turning into a close request whose question nobody may see.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Windows are drawn into their own surfaces: no OpenGL stack is loaded
    // for them (it would triple the memory of the process).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The desktop matches the window to its launcher by this name.
    setenv("SDL_VIDEO_X11_WMCLASS", vxi_program_name(), 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", vxi_program_name(), 0);

    const std::string x11 = env_text("DISPLAY"), wayland = env_text("WAYLAND_DISPLAY");
    const std::string chosen = env_text("SDL_VIDEODRIVER");
    if (chosen.empty()) {
        // Only the drivers of a desktop: SDL would otherwise settle for its
        // offscreen driver and show nothing.
        std::string drivers = x11.empty() ? "" : "x11";
        if (!wayland.empty()) drivers += drivers.empty() ? "wayland" : ",wayland";
        if (drivers.empty()) {
            refuse("neither DISPLAY nor WAYLAND_DISPLAY is set");
            return false;
        }
        SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    }
    std::snprintf(timeout_line, sizeof timeout_line,
                  "%s: no display could be opened (the display server did not answer within %u seconds); "
                  "use --text to play in the terminal\n",
                  vxi_program_name(), CONNECT_TIMEOUT_S);
    struct sigaction timeout = {}, before = {};
    timeout.sa_handler = connect_timed_out;
    sigaction(SIGALRM, &timeout, &before);
    alarm(CONNECT_TIMEOUT_S);
    const int rc = SDL_InitSubSystem(SDL_INIT_VIDEO);
    alarm(0);
    sigaction(SIGALRM, &before, nullptr);
    if (rc != 0) {
        if (!chosen.empty())
            refuse("SDL video driver \"" + chosen + "\": " + SDL_GetError());
        else if (!x11.empty() && !wayland.empty())
            refuse("neither the X server " + x11 + " nor the Wayland compositor " + wayland + " can be reached");
        else if (!x11.empty())
            refuse("the X server DISPLAY=" + x11 + " cannot be reached");
        else
            refuse("the Wayland compositor WAYLAND_DISPLAY=" + wayland + " cannot be reached");
        return false;
    }
    const char *driver = SDL_GetCurrentVideoDriver();
    if (!driver || !std::strcmp(driver, "offscreen") || !std::strcmp(driver, "dummy") ||
        !std::strcmp(driver, "evdev")) {
        refuse(std::string("SDL's \"") + (driver ? driver : "?") + "\" video driver shows nothing");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    if (!std::strcmp(driver, "x11")) {
        XSetIOErrorHandler(display_lost);
        const XErrorHandler before = XSetErrorHandler(x_error);
        if (before != x_error) sdl_error_handler = before;
    }
    const std::string how = env_text("VEXDRAW_MEASURE");
    measure.on = !how.empty() && how != "0";
    view_set_always_redraw(how == "full");
    return true;
}

// SDL positions windows by their client area; the layer speaks of the
// outer top-left corner.  Without a window manager the borders are 0.
void frame_borders(SDL_Window *w, int *left, int *top) {
    int t = 0, l = 0;
    if (SDL_GetWindowBordersSize(w, &t, &l, nullptr, nullptr) != 0) t = l = 0;
    *left = l;
    *top = t;
}

void place_outer(SDL_Window *w, int x, int y) {
    int l, t;
    frame_borders(w, &l, &t);
    SDL_SetWindowPosition(w, x + l, y + t);
}

void outer_pos(SDL_Window *w, int *x, int *y) {
    int cx = 0, cy = 0, l, t;
    SDL_GetWindowPosition(w, &cx, &cy);
    frame_borders(w, &l, &t);
    *x = cx - l;
    *y = cy - t;
}

// Keeps *bm a w x h bitmap; returns false when it cannot be made.
bool sized_bitmap(VxBitmap **bm, int w, int h) {
    if (*bm && (*bm)->w == w && (*bm)->h == h) return true;
    vxi_bitmap_free(*bm);
    *bm = w > 0 && h > 0 ? vxi_bitmap_new(w, h) : nullptr;
    return *bm != nullptr;
}

// ---- Composing the frame ----

// Copies the part of overlay bm (placed at x, y in the frame) that lies on
// frame row fy.
void overlay_row(const VxBitmap *bm, int x, int y, int fy, uint32_t *out, int frame_w) {
    if (!bm || fy < y || fy >= y + bm->h) return;
    const uint32_t *src = bm->px + (size_t)(fy - y) * bm->w;
    for (int i = x < 0 ? -x : 0; i < bm->w && x + i < frame_w; ++i) out[x + i] = src[i];
}

// Whether an overlay placed at (x, y) covers frame row fy.
bool on_row(const VxBitmap *bm, int y, int fy) { return bm && fy >= y && fy < y + bm->h; }

const uint32_t *main_row(int y, uint32_t *out) {
    const int w = client_w;
    const bool drop = menu_dropdown_open() && on_row(drop_bm, drop_y, y);
    const bool question = vxi_question_is_open() && on_row(question_bm, question_y, y);
    if (y < MENU_H) {
        if (strip && strip->w == w)
            std::memcpy(out, strip->px + (size_t)y * w, (size_t)w * 4);
        else
            std::memset(out, 0, (size_t)w * 4);
    } else {
        const VxBitmap *page = vxi_shown_page();
        const int py = y - MENU_H;
        int n = 0;
        if (page && py < page->h) {
            const uint32_t *line = page->px + (size_t)py * page->w;
            if (page->w == w && !drop && !question) return line;  // the page's row as it is
            n = page->w < w ? page->w : w;
            std::memcpy(out, line, (size_t)n * 4);
        }
        if (n < w) std::memset(out + n, 0, (size_t)(w - n) * 4);
    }
    if (drop) overlay_row(drop_bm, drop_x, drop_y, y, out, w);
    if (question) overlay_row(question_bm, question_x, question_y, y, out, w);
    return out;
}

const uint32_t *console_row(int y, uint32_t *out) {
    if (console_bm) return console_bm->px + (size_t)y * CONSOLE_W;
    std::memset(out, 0, CONSOLE_W * 4);
    return out;
}

// ---- Zoom and full screen ----

// The screen area a window may use, in physical pixels.
SDL_Rect usable_area(void) {
    int d = main_win ? SDL_GetWindowDisplayIndex(main_win) : 0;
    SDL_Rect r = {0, 0, 640, 480};
    if (SDL_GetDisplayUsableBounds(d < 0 ? 0 : d, &r) != 0) SDL_GetDisplayBounds(d < 0 ? 0 : d, &r);
    return r;
}

// The largest zoom at which the window and its frame fit on the screen.
int screen_fit_zoom(void) {
    const SDL_Rect r = usable_area();
    const double ratio = view_pixel_ratio(main_win);
    return view_fit_zoom(client_w, client_h + MENU_H, (int)((r.w - MARGIN_W) * ratio),
                         (int)((r.h - MARGIN_H) * ratio));
}

// Moves the window back onto the screen when its new size leaves it.
void keep_on_screen(void) {
    if (!main_win || fullscreen) return;
    const SDL_Rect r = usable_area();
    int x, y, w, h, t = 0, l = 0, b = 0, rt = 0;
    outer_pos(main_win, &x, &y);
    SDL_GetWindowSize(main_win, &w, &h);
    if (SDL_GetWindowBordersSize(main_win, &t, &l, &b, &rt) != 0 || t == 0) t = MARGIN_H - 8;
    const int ow = w + l + rt, oh = h + t + b;
    int nx = x + ow > r.x + r.w ? r.x + r.w - ow : x;
    int ny = y + oh > r.y + r.h ? r.y + r.h - oh : y;
    nx = nx < r.x ? r.x : nx;
    ny = ny < r.y ? r.y : ny;
    if (nx != x || ny != y) place_outer(main_win, nx, ny);
}

// Sizes the window for window_zoom (in full screen: later, when it ends).
void apply_window_size(void) {
    if (!main_win || client_w <= 0) return;
    const double ratio = view_pixel_ratio(main_win);
    const int fw = client_w, fh = client_h + MENU_H;
    SDL_SetWindowMinimumSize(main_win, (int)(fw / ratio), (int)(fh / ratio));
    if (fullscreen) return;
    SDL_SetWindowSize(main_win, (int)(fw * window_zoom / ratio), (int)(fh * window_zoom / ratio));
    keep_on_screen();
    view_invalidate(&main_view);
    main_dirty = true;
}

// Full screen is the window manager's to give; a bare X server has none,
// and there the window covers the screen by itself.
bool window_manager_running(void) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(main_win, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    Display *d = info.info.x11.display;
    Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    bool found = XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, XA_WINDOW, &type, &format,
                                    &count, &after, &data) == Success &&
                 type == XA_WINDOW && count == 1;
    if (data) XFree(data);
    return found;
}

void set_fullscreen(bool on) {
    if (!main_win || on == fullscreen) return;
    if (on) {
        outer_pos(main_win, &windowed_x, &windowed_y);
        fullscreen_by_hand = !window_manager_running();
        if (fullscreen_by_hand) {
            SDL_Rect b = {0, 0, 0, 0};
            SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(main_win), &b);
            SDL_SetWindowPosition(main_win, b.x, b.y);
            SDL_SetWindowSize(main_win, b.w, b.h);
        } else if (SDL_SetWindowFullscreen(main_win, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            return;
        }
        fullscreen = true;
        fullscreen_zoom = VX_ZOOM_MAX;
        view_set_max_zoom(&main_view, fullscreen_zoom);
    } else {
        if (!fullscreen_by_hand && SDL_SetWindowFullscreen(main_win, 0) != 0) return;
        fullscreen = fullscreen_by_hand = false;
        view_set_max_zoom(&main_view, VX_ZOOM_MAX);
        apply_window_size();
        place_outer(main_win, windowed_x, windowed_y);
    }
    fullscreen_chosen = true;
    menu_set_fullscreen_check(fullscreen);
    view_invalidate(&main_view);
    main_dirty = true;
}

// Ctrl+plus (+1) and Ctrl+minus (-1): the window changes size; in full
// screen the picture does, within the screen.
void zoom_step(int step) {
    if (!main_win) return;
    const int shown = main_view.zoom;
    if (fullscreen) {
        int w = 0, h = 0;
        SDL_GetWindowSizeInPixels(main_win, &w, &h);
        int fit = view_fit_zoom(client_w, client_h + MENU_H, w, h);
        int z = shown + step;
        fullscreen_zoom = z < 1 ? 1 : z > fit ? fit : z;
        view_set_max_zoom(&main_view, fullscreen_zoom);
        main_dirty = true;
        return;
    }
    int fit = screen_fit_zoom();
    int z = shown + step;
    z = z > fit ? fit : z;
    z = z < 1 ? 1 : z;
    chosen_zoom = z;
    if (z == window_zoom && z == shown) return;
    window_zoom = z;
    apply_window_size();
}

void show_main_window(void) {
    if (main_shown || !main_win) return;
    main_shown = true;
    apply_window_size();
    SDL_ShowWindow(main_win);
    if (fullscreen_pending) set_fullscreen(true);
    fullscreen_pending = false;
}

// ---- Presenting ----

void present_main(void) {
    main_dirty = false;
    if (!main_win || client_w <= 0) return;
    show_main_window();
    if (sized_bitmap(&strip, client_w, MENU_H)) menu_paint_strip(strip);
    if (menu_dropdown_open()) {
        int w, h;
        menu_dropdown_rect(&drop_x, &drop_y, &w, &h);
        if (sized_bitmap(&drop_bm, w, h)) menu_paint_dropdown(drop_bm);
    }
    if (vxi_question_is_open()) {
        int w, h;
        vxi_question_rect(&question_x, &question_y, &w, &h);
        if (sized_bitmap(&question_bm, w, h)) vxi_question_paint(question_bm, -question_x, -question_y);
        question_y += MENU_H;
    }
    view_set_frame(&main_view, client_w, client_h + MENU_H);
    const bool redraw = main_view.redraw;
    const double cpu0 = measure.on ? clock_us(CLOCK_THREAD_CPUTIME_ID) : 0;
    const int rows = view_present(&main_view, main_row);
    if (!measure.on || rows < 0) return;
    const double cpu = clock_us(CLOCK_THREAD_CPUTIME_ID) - cpu0;
    if (!measure.first_done) {
        // The first frame sets the window up: counted as start-up.
        measure.first_done = true;
        std::fprintf(stderr,
                     "vexdraw-measure: first_frame_realtime_us=%.0f first_present_cpu_us=%.0f "
                     "startup_cpu_us=%.0f\n",
                     clock_us(CLOCK_REALTIME), cpu, clock_us(CLOCK_PROCESS_CPUTIME_ID));
    } else {
        ++measure.presents;
        measure.rows += rows;
        measure.present_cpu_us += cpu;
        if (cpu > measure.max_present_cpu_us) measure.max_present_cpu_us = cpu;
        if (redraw || rows == main_view.frame_h) {
            ++measure.full_presents;
            measure.full_cpu_us += cpu;
        }
    }
    if (measure.key_pending && rows > 0) {
        measure.key_pending = false;
        ++measure.keys;
        measure.key_cpu_us += clock_us(CLOCK_THREAD_CPUTIME_ID) - measure.key_start_cpu_us;
        measure.key_wall_us += clock_us(CLOCK_MONOTONIC) - measure.key_start_wall_us;
    }
}

void present_console(void) {
    console_dirty = false;
    if (!console_win || !sized_bitmap(&console_bm, CONSOLE_W, CONSOLE_H)) return;
    vxi_console_paint(console_bm);
    view_present(&console_view, console_row);
}

void present_pending(void) {
    if (main_dirty) present_main();
    if (console_dirty) present_console();
}

// The close box, Alt+F4, a session's end: the quit question, over a menu
// that is left first.
void close_request(void) {
    menu_leave();
    main_dirty = true;
    vxi_close_request();
}

void run_menu_action(MenuAction a) {
    main_dirty = true;
    switch (a) {
    case MENU_QUIT: vxi_menu_command(0); break;
    case MENU_CONSOLE: vxi_menu_command(2); break;
    case MENU_CLOSE: close_request(); break;
    case MENU_ZOOM_IN: zoom_step(1); break;
    case MENU_ZOOM_OUT: zoom_step(-1); break;
    case MENU_FULLSCREEN: set_fullscreen(!fullscreen); break;
    case MENU_SCREENSHOT: vxi_screenshot_to_pictures(); break;
    case MENU_NOTHING: break;
    }
}

// ---- Keys ----

// Digits and punctuation go by physical position onto the key of the
// Japanese layout that the core's table describes, so that the JIS
// shifted symbols come out where they are printed on a Japanese keyboard:
// US "-" is JIS "-=" (189), "=" is "^~" (222), "[" is "@`" (192), "]" is
// "[{" (219), the key beside Return (US "\", ISO "#") is "]}" (221), ";"
// is ";+" (187), "'" is ":*" (186); the Yen key (INTERNATIONAL3) is 220
// and the Ro key (INTERNATIONAL1) is 226.  The US/JIS "`" position is the
// Hankaku/Zenkaku key there, which the table leaves without a keysym.
struct ScanKey {
    SDL_Scancode scancode;
    unsigned char vk;
};

constexpr ScanKey scan_keys[] = {
    {SDL_SCANCODE_BACKSPACE, 8},   {SDL_SCANCODE_TAB, 9},          {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_RETURN2, 13},    {SDL_SCANCODE_KP_ENTER, 13},    {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_CAPSLOCK, 20},   {SDL_SCANCODE_INTERNATIONAL4, 28}, /* henkan */
    {SDL_SCANCODE_INTERNATIONAL5, 29}, /* muhenkan */
    {SDL_SCANCODE_ESCAPE, 27},     {SDL_SCANCODE_SPACE, 32},       {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},   {SDL_SCANCODE_END, 35},         {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_LEFT, 37},       {SDL_SCANCODE_UP, 38},          {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},       {SDL_SCANCODE_PRINTSCREEN, 44}, {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_DELETE, 46},     {SDL_SCANCODE_LGUI, 91},        {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_KP_0, 96},       {SDL_SCANCODE_KP_1, 97},        {SDL_SCANCODE_KP_2, 98},
    {SDL_SCANCODE_KP_3, 99},       {SDL_SCANCODE_KP_4, 100},       {SDL_SCANCODE_KP_5, 101},
    {SDL_SCANCODE_KP_6, 102},      {SDL_SCANCODE_KP_7, 103},       {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105},      {SDL_SCANCODE_KP_MULTIPLY, 106}, {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_COMMA, 108},  {SDL_SCANCODE_KP_MINUS, 109},   {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_F1, 112},        {SDL_SCANCODE_F2, 113},         {SDL_SCANCODE_F3, 114},
    {SDL_SCANCODE_F4, 115},        {SDL_SCANCODE_F5, 116},         {SDL_SCANCODE_F6, 117},
    {SDL_SCANCODE_F7, 118},        {SDL_SCANCODE_F8, 119},         {SDL_SCANCODE_F9, 120},
    {SDL_SCANCODE_F10, 121},       {SDL_SCANCODE_F11, 122},        {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144}, {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_APOSTROPHE, 186}, {SDL_SCANCODE_SEMICOLON, 187}, {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},     {SDL_SCANCODE_PERIOD, 190},     {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_LEFTBRACKET, 192}, {SDL_SCANCODE_RIGHTBRACKET, 219},
    {SDL_SCANCODE_INTERNATIONAL3, 220}, {SDL_SCANCODE_BACKSLASH, 221},
    {SDL_SCANCODE_NONUSHASH, 221}, {SDL_SCANCODE_EQUALS, 222},     {SDL_SCANCODE_INTERNATIONAL1, 226},
};

// With Num Lock off the keypad is a second set of navigation keys, as
// Windows reports it: 0 Insert, . Delete, 1 End, 2 Down, 3 Page Down,
// 4 Left, 5 Clear (12, which sends nothing), 6 Right, 7 Home, 8 Up, 9 Page Up.
int keypad_navigation(SDL_Scancode sc) {
    switch (sc) {
    case SDL_SCANCODE_KP_0: return 45;
    case SDL_SCANCODE_KP_PERIOD: return 46;
    case SDL_SCANCODE_KP_1: return 35;
    case SDL_SCANCODE_KP_2: return 40;
    case SDL_SCANCODE_KP_3: return 34;
    case SDL_SCANCODE_KP_4: return 37;
    case SDL_SCANCODE_KP_5: return 12;
    case SDL_SCANCODE_KP_6: return 39;
    case SDL_SCANCODE_KP_7: return 36;
    case SDL_SCANCODE_KP_8: return 38;
    case SDL_SCANCODE_KP_9: return 33;
    default: return 0;
    }
}

// The host key code of a non-modifier key, 0 for a key we do not know.
int host_key(const SDL_Keysym &ks) {
    // Letters follow the user's layout.
    if (ks.sym >= 'a' && ks.sym <= 'z') return 'A' + (ks.sym - 'a');
    // A letter position that gives no Latin letter (a Cyrillic or Greek
    // layout) still types its position's letter.
    if (ks.scancode >= SDL_SCANCODE_A && ks.scancode <= SDL_SCANCODE_Z &&
        ((ks.sym & SDLK_SCANCODE_MASK) != 0 || ks.sym > 127))
        return 'A' + (ks.scancode - SDL_SCANCODE_A);
    if (ks.scancode >= SDL_SCANCODE_1 && ks.scancode <= SDL_SCANCODE_9)
        return '1' + (ks.scancode - SDL_SCANCODE_1);
    if (ks.scancode == SDL_SCANCODE_0) return '0';
    if (!(ks.mod & KMOD_NUM)) {
        int nav = keypad_navigation(ks.scancode);
        if (nav) return nav;
    }
    for (const ScanKey &k : scan_keys)
        if (k.scancode == ks.scancode) return k.vk;
    return 0;
}

// The held-state field and bit a modifier key changes; nullptr for others.
unsigned char *modifier_side(SDL_Scancode sc, unsigned char *bit, int *vk) {
    switch (sc) {
    case SDL_SCANCODE_LSHIFT: *bit = 1; *vk = VK_SHIFT; return &held.shift;
    case SDL_SCANCODE_RSHIFT: *bit = 2; *vk = VK_SHIFT; return &held.shift;
    case SDL_SCANCODE_LCTRL: *bit = 1; *vk = VK_CONTROL; return &held.control;
    case SDL_SCANCODE_RCTRL: *bit = 2; *vk = VK_CONTROL; return &held.control;
    case SDL_SCANCODE_LALT: *bit = 1; *vk = VK_MENU; return &held.alt;
    case SDL_SCANCODE_RALT: *bit = 2; *vk = VK_MENU; return &held.alt;
    default: return nullptr;
    }
}


// The view commands that keys give directly: Ctrl+plus, Ctrl+minus, F11.
MenuAction view_shortcut(const SDL_Keysym &ks) {
    if (held.control && !held.alt) {
        if (ks.sym == SDLK_PLUS || ks.sym == SDLK_EQUALS || ks.sym == SDLK_KP_PLUS ||
            (ks.sym == SDLK_SEMICOLON && held.shift))  // "+" is Shift+";" on a Japanese keyboard
            return MENU_ZOOM_IN;
        if (ks.sym == SDLK_MINUS || ks.sym == SDLK_KP_MINUS) return MENU_ZOOM_OUT;
    }
    if (ks.scancode == SDL_SCANCODE_F11 && !held.alt && !held.control && !held.shift) return MENU_FULLSCREEN;
    return MENU_NOTHING;
}

void key_event(const SDL_KeyboardEvent &e) {
    const bool down = e.type == SDL_KEYDOWN;
    unsigned char bit = 0;
    int vk = 0;
    unsigned char *side = modifier_side(e.keysym.scancode, &bit, &vk);
    if (side) {
        if (down)
            *side |= bit;
        else
            *side &= static_cast<unsigned char>(~bit);
    } else {
        vk = host_key(e.keysym);
    }
    if (vk == 0) return;
    MenuAction action = MENU_NOTHING;
    bool menus = false;
    if (vxi_question_is_open())
        menu_leave();  // the question has the keyboard; the menu waits
    else
        menus = menu_key(vk, down, held, &action) != 0;
    if (menus) run_menu_action(action);
    if (vk == VK_MENU) return;  // Alt alone belongs to the menu
    if (!down) {
        // Releases always reach the core, also those of keys pressed with
        // Alt held or in the menu, so that its key-down map and modifier
        // state never keep a key that is up.
        vxi_host_key_up(vk, held);
        return;
    }
    if (menus) return;
    if (vxi_question_is_open()) {
        if (!held.alt) vxi_host_key_down(vk, held);
        return;
    }
    const MenuAction shortcut = view_shortcut(e.keysym);
    if (shortcut != MENU_NOTHING) {
        run_menu_action(shortcut);
        return;
    }
    vxi_host_key_down(vk, held);  // SDL's key repeats arrive here too
}

// ---- Mouse ----

void button_event(const SDL_MouseButtonEvent &e) {
    if (e.windowID != main_id) return;
    int b = e.button == SDL_BUTTON_LEFT ? 1 : e.button == SDL_BUTTON_MIDDLE ? 2
          : e.button == SDL_BUTTON_RIGHT ? 3 : 0;
    if (!b) return;
    const unsigned mask = 1u << b;
    int fx = -1, fy = -1;
    const bool inside = view_to_frame(&main_view, e.x, e.y, &fx, &fy);
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        if (vxi_question_is_open()) {
            if (inside && fy >= MENU_H) vxi_host_button(fx, fy - MENU_H, b, 1);
            return;
        }
        if (!inside || fy < MENU_H || menu_active()) {
            swallow_up |= mask;
            MenuAction a = MENU_NOTHING;
            if (b == 1 && inside)
                a = menu_click(fx, fy);
            else
                menu_leave();
            run_menu_action(a);
            return;
        }
        vxi_host_button(fx, fy - MENU_H, b, 1);
    } else {
        if (swallow_up & mask) {
            swallow_up &= ~mask;
            return;
        }
        // A release outside the client area still ends a press (clamped).
        fx = fx < 0 ? 0 : fx >= client_w ? client_w - 1 : fx;
        fy = fy < MENU_H ? MENU_H : fy >= client_h + MENU_H ? client_h + MENU_H - 1 : fy;
        vxi_host_button(fx, fy - MENU_H, b, 0);
    }
}

void motion_event(const SDL_MouseMotionEvent &e) {
    if (e.windowID != main_id) return;
    int fx = -1, fy = -1;
    view_to_frame(&main_view, e.x, e.y, &fx, &fy);
    if (menu_hover(fx, fy)) main_dirty = true;
    if (vxi_question_is_open()) vxi_host_pointer(fx, fy - MENU_H);
}

void wheel_event(const SDL_MouseWheelEvent &e) {
    if (e.windowID != main_id || e.y == 0) return;
    vxi_host_wheel(e.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.y : e.y);
}

// ---- Events ----

void window_event(const SDL_WindowEvent &e) {
    if (main_id && e.windowID == main_id) {
        switch (e.event) {
        case SDL_WINDOWEVENT_CLOSE:
            close_request();
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            // The menu is left, and an Alt held across the change (Alt+Tab)
            // does not enter it when it comes up.
            if (menu_active()) main_dirty = true;
            menu_leave();
            break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
            view_expose(&main_view);
            main_dirty = true;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            view_invalidate(&main_view);
            main_dirty = true;
            break;
        default:
            break;
        }
    } else if (console_id && e.windowID == console_id) {
        if (e.event == SDL_WINDOWEVENT_CLOSE) {
            vxi_menu_command(2);  // closed by the window manager: toggled off
        } else if (e.event == SDL_WINDOWEVENT_EXPOSED || e.event == SDL_WINDOWEVENT_SHOWN ||
                   e.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            view_expose(&console_view);
            console_dirty = true;
        }
    }
}

void handle_event(const SDL_Event &e) {
    switch (e.type) {
    case SDL_QUIT: {
        // Signals are not SDL's here, and closing the window is a window
        // event: on Wayland this is the compositor gone, and every wait
        // for events would return at once from now on.
        const char *driver = SDL_GetCurrentVideoDriver();
        if (driver && !std::strcmp(driver, "wayland")) end_display_lost();
        close_request();
        break;
    }
    case SDL_WINDOWEVENT:
        window_event(e.window);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (measure.on && e.type == SDL_KEYDOWN && !measure.key_pending) {
            measure.key_pending = true;
            measure.key_start_wall_us = clock_us(CLOCK_MONOTONIC);
        }
        key_event(e.key);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        button_event(e.button);
        break;
    case SDL_MOUSEMOTION:
        motion_event(e.motion);
        break;
    case SDL_MOUSEWHEEL:
        wheel_event(e.wheel);
        break;
    default:
        break;
    }
}

// ---- The host interface ----

void sdl_destroy_window(void);
void sdl_console_close(void);

void apply_icon(const VxBitmap *icon) {
    if (!main_win || !icon) return;
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormatFrom(icon->px, icon->w, icon->h, 32, icon->w * 4,
                                                        SDL_PIXELFORMAT_RGB888);
    if (!s) return;
    SDL_SetWindowIcon(main_win, s);
    SDL_FreeSurface(s);
}

int sdl_create_window(int x, int y, int w, int h) {
    if (main_win) sdl_destroy_window();
    if (w <= 0 || h <= 0 || !init_video()) return -1;
    // Hidden until its first frame, by when it has its size and zoom.
    main_win = SDL_CreateWindow("Vexdraw-Win32", x, y, w, h + MENU_H,
                                SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!main_win) {
        refuse(std::string("SDL cannot create the window: ") + SDL_GetError());
        return -1;
    }
    main_id = SDL_GetWindowID(main_win);
    main_shown = false;
    client_w = w;
    client_h = h;
    windowed_x = x;
    windowed_y = y;
    view_attach(&main_view, main_win, w, h + MENU_H);
    view_set_max_zoom(&main_view, VX_ZOOM_MAX);
    chosen_zoom = 0;
    window_zoom = 1;
    fullscreen = fullscreen_pending = fullscreen_chosen = false;
    place_outer(main_win, x, y);
    SDL_StopTextInput();  // raw key events only: no input method in between
    menu_reset();
    held = {};
    swallow_up = 0;
    apply_icon(vxi_icon());
    main_dirty = true;
    return 0;
}

void sdl_set_client_size(int w, int h) {
    if (!main_win || w <= 0 || h <= 0) return;
    client_w = w;
    client_h = h;
    window_zoom = chosen_zoom ? chosen_zoom : screen_fit_zoom();
    if (window_zoom > screen_fit_zoom()) window_zoom = screen_fit_zoom();
    if (main_shown) apply_window_size();
    main_dirty = true;
}

void sdl_set_view(int zoom, int want_fullscreen) {
    if (!main_win) return;
    chosen_zoom = zoom;
    sdl_set_client_size(client_w, client_h);
    if (main_shown)
        set_fullscreen(want_fullscreen != 0);
    else
        fullscreen_pending = want_fullscreen != 0;
}

void sdl_get_view(int *zoom, int *is_fullscreen) {
    *zoom = chosen_zoom;
    *is_fullscreen = fullscreen || fullscreen_pending ? 1 : fullscreen_chosen ? 0 : -1;
}

void sdl_move_window(int x, int y) {
    if (!main_win) return;
    windowed_x = x;
    windowed_y = y;
    if (!fullscreen) place_outer(main_win, x, y);
    if (main_shown) keep_on_screen();
}

void sdl_get_window_pos(int *x, int *y) {
    *x = windowed_x;
    *y = windowed_y;
    if (main_win && !fullscreen) outer_pos(main_win, x, y);
}

int sdl_window_exists(void) { return main_win ? 1 : 0; }

void sdl_destroy_window(void) {
    sdl_console_close();  // an owned window goes with its owner
    measure_report();
    view_detach(&main_view);
    if (main_win) SDL_DestroyWindow(main_win);
    main_win = nullptr;
    main_id = 0;
    main_shown = false;
    for (VxBitmap **bm : {&strip, &drop_bm, &question_bm}) {
        vxi_bitmap_free(*bm);
        *bm = nullptr;
    }
    main_dirty = false;
    menu_reset();
    // SDL closes with the window rather than at exit: when the X server goes
    // away, Xlib ends the process from its error handler, and an exit-time
    // SDL_Quit would then wait forever on the dead connection.
    SDL_Quit();
}

void sdl_invalidate(void) { main_dirty = true; }

void sdl_pump(int timeout_ms) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        if (timeout_ms > 0) SDL_Delay(static_cast<Uint32>(timeout_ms));
        return;
    }
    SDL_Event e;
    bool any = false;
    if (measure.on && !measure.key_pending) measure.key_start_cpu_us = clock_us(CLOCK_THREAD_CPUTIME_ID);
    while (SDL_PollEvent(&e)) {
        handle_event(e);
        any = true;
    }
    // Show what was drawn before waiting: the layer waits here while idle.
    present_pending();
    if (any || timeout_ms == 0) return;
    if (SDL_WaitEventTimeout(&e, timeout_ms < 0 ? -1 : timeout_ms)) {
        if (measure.on && !measure.key_pending) measure.key_start_cpu_us = clock_us(CLOCK_THREAD_CPUTIME_ID);
        handle_event(e);
        while (SDL_PollEvent(&e)) handle_event(e);
        present_pending();
    }
}

uint32_t sdl_ticks(void) { return SDL_GetTicks(); }

int sdl_console_open(int x, int y) {
    if (console_win) return 0;
    if (!init_video()) return -1;
    console_win = SDL_CreateWindow("Vexdraw Console", x, y, CONSOLE_W, CONSOLE_H,
                                   SDL_WINDOW_SHOWN | SDL_WINDOW_UTILITY);
    if (!console_win) return -1;
    console_id = SDL_GetWindowID(console_win);
    view_attach(&console_view, console_win, CONSOLE_W, CONSOLE_H);
    view_set_max_zoom(&console_view, 1);
    // Owned by the main window: the window manager keeps it above it.
    if (main_win) SDL_SetWindowModalFor(console_win, main_win);
    place_outer(console_win, x, y);
    console_dirty = true;
    return 0;
}

void sdl_console_close(void) {
    // Like an owned window, hand the keyboard back to the main window.
    const bool had_focus = console_win && SDL_GetKeyboardFocus() == console_win;
    view_detach(&console_view);
    if (console_win) SDL_DestroyWindow(console_win);
    if (had_focus && main_win) {
        SDL_RaiseWindow(main_win);
        SDL_SetWindowInputFocus(main_win);
    }
    console_win = nullptr;
    console_id = 0;
    vxi_bitmap_free(console_bm);
    console_bm = nullptr;
    console_dirty = false;
}

void sdl_console_get_pos(int *x, int *y) {
    *x = *y = 0;
    if (console_win) outer_pos(console_win, x, y);
}

void sdl_console_invalidate(void) {
    if (console_win) console_dirty = true;
}

void sdl_set_console_check(int checked) {
    menu_set_check(checked);
    if (menu_dropdown_open()) main_dirty = true;
}

const VxHost sdl_host = {
    .name = "sdl",
    .headless = 0,
    .create_window = sdl_create_window,
    .set_client_size = sdl_set_client_size,
    .move_window = sdl_move_window,
    .get_window_pos = sdl_get_window_pos,
    .window_exists = sdl_window_exists,
    .destroy_window = sdl_destroy_window,
    .invalidate = sdl_invalidate,
    .pump = sdl_pump,
    .ticks = sdl_ticks,
    .console_open = sdl_console_open,
    .console_close = sdl_console_close,
    .console_get_pos = sdl_console_get_pos,
    .console_invalidate = sdl_console_invalidate,
    .set_console_check = sdl_set_console_check,
    .set_view = sdl_set_view,
    .get_view = sdl_get_view,
    .set_icon = apply_icon,
    .sync_files = nullptr,
};

}  // namespace

const VxHost *vx_sdl_host(void) { return &sdl_host; }
