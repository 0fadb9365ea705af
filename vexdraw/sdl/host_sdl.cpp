/*
 * The real window: the Vexdraw host on SDL2.
 *
 * The main window's drawable area is the menu strip (MENU_H pixels, drawn
 * by menu.cpp) with the client area below it.  Drawing happens in the
 * layer's pages; the host only copies the shown page to the window surface,
 * once per pump and only when something changed, so it needs nothing but
 * SDL's software window surface (which also works under Xvfb).
 *
 * Keys are reported with the Win32 virtual-key numbers the core's
 * translation table is written for, modifiers as the generic Shift,
 * Control and Alt codes with the held state of their two keys, exactly as
 * a Windows host reports them.  Alt combinations and F10 are system keys:
 * they go to the menu and produce no key events.
 */
#include "host.h"
#include "menu.h"
#include "vx_internal.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int CONSOLE_W = 568;
constexpr int CONSOLE_H = 358;

SDL_Window *main_win = nullptr;
Uint32 main_id = 0;
int client_w = 0;
int client_h = 0;
VxBitmap *strip = nullptr;    // the menu strip, window width x MENU_H
VxBitmap *drop_bm = nullptr;  // the open drop-down
bool main_dirty = false;      // the window must be presented again
bool strip_dirty = true;      // the menu strip must be painted again

SDL_Window *console_win = nullptr;
Uint32 console_id = 0;
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

bool init_video(void) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    // Closing the last window is a close request that asks a question,
    // not an application quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Ctrl+C in the starting terminal ends the program as usual, instead of
    // turning into a close request whose question nobody may see.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Vexdraw: cannot start SDL video: %s\n", SDL_GetError());
        return false;
    }
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

// Copies a bitmap (0x00RRGGBB words) onto a surface of any format.
void blit_bitmap(SDL_Surface *dst, const VxBitmap *bm, int x, int y) {
    if (!dst || !bm || !bm->px || bm->w <= 0 || bm->h <= 0) return;
    SDL_Surface *src = SDL_CreateRGBSurfaceWithFormatFrom(bm->px, bm->w, bm->h, 32, bm->w * 4,
                                                          SDL_PIXELFORMAT_RGB888);
    if (!src) return;
    SDL_Rect at = {x, y, bm->w, bm->h};
    SDL_BlitSurface(src, nullptr, dst, &at);
    SDL_FreeSurface(src);
}

// Keeps *bm a w x h bitmap; returns false when it cannot be made.
bool sized_bitmap(VxBitmap **bm, int w, int h) {
    if (*bm && (*bm)->w == w && (*bm)->h == h) return true;
    vxi_bitmap_free(*bm);
    *bm = w > 0 && h > 0 ? vxi_bitmap_new(w, h) : nullptr;
    return *bm != nullptr;
}

void present_main(void) {
    main_dirty = false;
    if (!main_win) return;
    SDL_Surface *s = SDL_GetWindowSurface(main_win);
    if (!s) return;
    if (sized_bitmap(&strip, client_w, MENU_H)) {
        if (strip_dirty) menu_paint_strip(strip);
        strip_dirty = false;
        blit_bitmap(s, strip, 0, 0);
    }
    VxBitmap *page = vxi_shown_page();
    if (!page || page->w < client_w || page->h < client_h) {
        SDL_Rect client = {0, MENU_H, client_w, client_h};
        SDL_FillRect(s, &client, SDL_MapRGB(s->format, 0, 0, 0));
    }
    blit_bitmap(s, page, 0, MENU_H);
    if (menu_dropdown_open()) {
        int x, y, w, h;
        menu_dropdown_rect(&x, &y, &w, &h);
        if (sized_bitmap(&drop_bm, w, h)) {
            menu_paint_dropdown(drop_bm);
            blit_bitmap(s, drop_bm, x, y);
        }
    }
    SDL_UpdateWindowSurface(main_win);
}

void present_console(void) {
    console_dirty = false;
    if (!console_win || !sized_bitmap(&console_bm, CONSOLE_W, CONSOLE_H)) return;
    SDL_Surface *s = SDL_GetWindowSurface(console_win);
    if (!s) return;
    vxi_console_paint(console_bm);
    blit_bitmap(s, console_bm, 0, 0);
    SDL_UpdateWindowSurface(console_win);
}

void present_pending(void) {
    if (main_dirty) present_main();
    if (console_dirty) present_console();
}

void menu_changed(void) {
    strip_dirty = true;
    main_dirty = true;
}

void run_menu_action(MenuAction a) {
    if (a == MENU_NOTHING) return;
    present_pending();  // the closed drop-down is gone before a question box
    if (a == MENU_QUIT)
        vxi_menu_command(0);
    else if (a == MENU_CONSOLE)
        vxi_menu_command(2);
    else if (a == MENU_CLOSE)
        vxi_close_request();
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
    if (vk == 0 || vk == VK_MENU) return;  // Alt alone belongs to the menu
    if (vk == VK_F10) {
        // F10 is the menu key; with no keyboard menu mode here it only
        // closes an open drop-down.
        if (down && menu_dropdown_open()) {
            menu_close_dropdown();
            menu_changed();
        }
        return;
    }
    if (!down) {
        // Releases always reach the core, also those of keys pressed with
        // Alt held, so that its key-down map and modifier state never keep
        // a key that is up.
        vxi_host_key_up(vk, held);
        return;
    }
    if (held.alt || menu_dropdown_open()) {
        MenuAction a = menu_key(vk, held.alt != 0);
        menu_changed();
        run_menu_action(a);
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
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        if (e.y < MENU_H || menu_dropdown_open()) {
            swallow_up |= mask;
            MenuAction a = MENU_NOTHING;
            if (b == 1)
                a = menu_click(e.x, e.y);
            else
                menu_close_dropdown();
            menu_changed();
            run_menu_action(a);
            return;
        }
        vxi_host_button(e.x, e.y - MENU_H, b, 1);
    } else {
        if (swallow_up & mask) {
            swallow_up &= ~mask;
            return;
        }
        if (e.y >= MENU_H) vxi_host_button(e.x, e.y - MENU_H, b, 0);
    }
}

// ---- Events ----

void window_event(const SDL_WindowEvent &e) {
    if (main_id && e.windowID == main_id) {
        switch (e.event) {
        case SDL_WINDOWEVENT_CLOSE:
            vxi_close_request();
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            if (menu_dropdown_open()) {
                menu_close_dropdown();
                menu_changed();
            }
            break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            main_dirty = true;
            break;
        default:
            break;
        }
    } else if (console_id && e.windowID == console_id) {
        if (e.event == SDL_WINDOWEVENT_CLOSE)
            vxi_menu_command(2);  // closed by the window manager: toggled off
        else if (e.event == SDL_WINDOWEVENT_EXPOSED || e.event == SDL_WINDOWEVENT_SHOWN ||
                 e.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            console_dirty = true;
    }
}

void handle_event(const SDL_Event &e) {
    switch (e.type) {
    case SDL_QUIT:
        vxi_close_request();
        break;
    case SDL_WINDOWEVENT:
        window_event(e.window);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        key_event(e.key);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        button_event(e.button);
        break;
    case SDL_MOUSEMOTION:
        if (e.motion.windowID == main_id && menu_hover(e.motion.x, e.motion.y)) main_dirty = true;
        break;
    default:
        break;
    }
}

// ---- The host interface ----

void sdl_destroy_window(void);
void sdl_console_close(void);

int sdl_create_window(int x, int y, int w, int h) {
    if (main_win) sdl_destroy_window();
    if (w <= 0 || h <= 0 || !init_video()) return -1;
    main_win = SDL_CreateWindow("Vexdraw-Win32", x, y, w, h + MENU_H, SDL_WINDOW_SHOWN);
    if (!main_win) {
        std::fprintf(stderr, "Vexdraw: cannot create the window: %s\n", SDL_GetError());
        return -1;
    }
    main_id = SDL_GetWindowID(main_win);
    client_w = w;
    client_h = h;
    place_outer(main_win, x, y);
    SDL_StopTextInput();  // raw key events only: no input method in between
    menu_reset();
    held = {};
    swallow_up = 0;
    menu_changed();
    return 0;
}

void sdl_set_client_size(int w, int h) {
    if (!main_win || w <= 0 || h <= 0) return;
    client_w = w;
    client_h = h;
    SDL_SetWindowSize(main_win, w, h + MENU_H);
    menu_changed();
}

void sdl_move_window(int x, int y) {
    if (main_win) place_outer(main_win, x, y);
}

void sdl_get_window_pos(int *x, int *y) {
    *x = *y = 0;
    if (main_win) outer_pos(main_win, x, y);
}

int sdl_window_exists(void) { return main_win ? 1 : 0; }

void sdl_destroy_window(void) {
    sdl_console_close();  // an owned window goes with its owner
    if (main_win) SDL_DestroyWindow(main_win);
    main_win = nullptr;
    main_id = 0;
    vxi_bitmap_free(strip);
    vxi_bitmap_free(drop_bm);
    strip = drop_bm = nullptr;
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
    while (SDL_PollEvent(&e)) {
        handle_event(e);
        any = true;
    }
    // Show what was drawn before waiting: the layer waits here while idle.
    present_pending();
    if (any || timeout_ms == 0) return;
    if (SDL_WaitEventTimeout(&e, timeout_ms < 0 ? -1 : timeout_ms)) {
        handle_event(e);
        while (SDL_PollEvent(&e)) handle_event(e);
        present_pending();
    }
}

uint32_t sdl_ticks(void) { return SDL_GetTicks(); }

int sdl_ask_yes_no(const char *text, const char *caption) {
    present_pending();
    const std::string message = vxi_sjis_to_utf8(text ? text : "");
    const std::string title = vxi_sjis_to_utf8(caption ? caption : "");
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, reinterpret_cast<const char *>(u8"はい")},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, reinterpret_cast<const char *>(u8"いいえ")},
    };
    SDL_MessageBoxData box = {};
    box.flags = SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.window = main_win;
    box.title = title.c_str();
    box.message = message.c_str();
    box.numbuttons = 2;
    box.buttons = buttons;
    int answer = -1;
    int rc = SDL_ShowMessageBox(&box, &answer);
    // The box had the keyboard; an Alt released there was never seen here.
    held.alt = 0;
    main_dirty = true;
    if (main_win) {
        // As after a Windows message box, the owner has the keyboard again.
        SDL_RaiseWindow(main_win);
        SDL_SetWindowInputFocus(main_win);
    }
    if (rc != 0) {
        // Without a question box the window must still be closable.
        std::fprintf(stderr, "Vexdraw: cannot ask \"%s\": %s\n", message.c_str(), SDL_GetError());
        return 1;
    }
    return answer == 1 ? 1 : 0;  // -1: the box was closed without an answer
}

int sdl_console_open(int x, int y) {
    if (console_win) return 0;
    if (!init_video()) return -1;
    console_win = SDL_CreateWindow("Vexdraw Console", x, y, CONSOLE_W, CONSOLE_H,
                                   SDL_WINDOW_SHOWN | SDL_WINDOW_UTILITY);
    if (!console_win) return -1;
    console_id = SDL_GetWindowID(console_win);
    // Owned by the main window: the window manager keeps it above it.
    if (main_win) SDL_SetWindowModalFor(console_win, main_win);
    place_outer(console_win, x, y);
    console_dirty = true;
    return 0;
}

void sdl_console_close(void) {
    // Like an owned window, hand the keyboard back to the main window.
    const bool had_focus = console_win && SDL_GetKeyboardFocus() == console_win;
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
    .ask_yes_no = sdl_ask_yes_no,
    .console_open = sdl_console_open,
    .console_close = sdl_console_close,
    .console_get_pos = sdl_console_get_pos,
    .console_invalidate = sdl_console_invalidate,
    .set_console_check = sdl_set_console_check,
};

}  // namespace

const VxHost *vx_sdl_host(void) { return &sdl_host; }
