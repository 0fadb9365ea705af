// The menu bar of the SDL host, drawn by us in the look of a classic
// Windows menu: a light grey strip, black text with the mnemonic letter
// underlined, a navy highlight on the selected title and drop-down row.
#include "menu.h"

#include "vx_internal.h"

#include <cstring>
#include <string>

namespace {

constexpr int FONT = 14;          // menu text size (the 14-dot font)
constexpr int TEXT_TOP = 3;       // text cell top inside the strip
constexpr int ITEM_PAD = 7;       // space left and right of a bar item's text
constexpr int BAR_LEFT = 2;       // first bar item's left edge
constexpr int DROP_BORDER = 3;    // drop-down frame width
constexpr int DROP_ROW_H = 18;    // one drop-down row
constexpr int DROP_CHECK_W = 20;  // room for the check mark left of the text
constexpr int DROP_RIGHT = 20;    // room right of the text

constexpr uint32_t GREY = 0xD4D0C8;
constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t DARK = 0x808080;
constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t NAVY = 0x0A246A;

// Labels carry their mnemonic letter after "(", which is underlined.
struct BarItem {
    const char *label;
    int mnemonic;       // host key code of the underlined letter
    MenuAction action;  // a plain item's command; the pop-up has none
};
constexpr BarItem bar_items[] = {
    {"終了(Q)", 'Q', MENU_QUIT},
    {"表示(V)", 'V', MENU_NOTHING},
};
constexpr int BAR_COUNT = sizeof bar_items / sizeof bar_items[0];
constexpr int BAR_VIEW = 1;  // the pop-up "表示", the one with a drop-down

struct DropRow {
    const char *label;
    const char *keys;  // its shortcut, shown at the right
    MenuAction action;
    int mnemonic;      // host key code of the underlined letter
};
constexpr DropRow drop_rows[] = {
    {"コンソール(C)", "", MENU_CONSOLE, 'C'},
    {"拡大(I)", "Ctrl++", MENU_ZOOM_IN, 'I'},
    {"縮小(O)", "Ctrl+-", MENU_ZOOM_OUT, 'O'},
    {"全画面(F)", "F11", MENU_FULLSCREEN, 'F'},
    {"スクリーンショット(S)", "Alt+S", MENU_SCREENSHOT, 'S'},
};
constexpr int DROP_COUNT = sizeof drop_rows / sizeof drop_rows[0];
constexpr int KEYS_GAP = 24;   // between a label and its shortcut
constexpr int MODE_PAD = 8;  // right of the mode text

// The menu's state: the selected title (-1: the menu is not active),
// whether pop-ups open as they are selected (after Down, Return or a
// click), and the highlighted drop-down row (-1 for none).
int selected = -1;
int dropped = 0;
int drop_highlight = -1;
// Alt since it went down: up, held alone, or used with another key (or
// pressed with Shift or Control held), when its release does nothing.
enum AltState { ALT_UP, ALT_ALONE, ALT_COMBINED };
AltState alt_state = ALT_UP;
int console_checked = 0;
int fullscreen_checked = 0;

int bar_item_x(int i) {
    int x = BAR_LEFT;
    for (int k = 0; k < i; ++k) x += vxi_text_width(bar_items[k].label, FONT) + 2 * ITEM_PAD;
    return x;
}

int bar_item_w(int i) { return vxi_text_width(bar_items[i].label, FONT) + 2 * ITEM_PAD; }

int bar_item_at(int x) {
    for (int i = 0; i < BAR_COUNT; ++i)
        if (x >= bar_item_x(i) && x < bar_item_x(i) + bar_item_w(i)) return i;
    return -1;
}

// Draws a label at (x, top) and underlines the letter after "(".
void draw_label(VxBitmap *bm, int x, int top, const char *label, uint32_t color) {
    vxi_draw_text_on(bm, x, top, label, FONT, color);
    const char *paren = std::strchr(label, '(');
    if (!paren || !paren[1]) return;
    std::string prefix(label, (size_t)(paren - label + 1));
    int ux = x + vxi_text_width(prefix.c_str(), FONT);
    char letter[2] = {paren[1], '\0'};
    int uw = vxi_text_width(letter, FONT);
    vxi_draw_line_on(bm, ux, top + FONT, ux + uw - 1, top + FONT, color);
}

int widest(bool keys) {
    int w = 0;
    for (const DropRow &r : drop_rows) {
        int t = vxi_text_width(keys ? r.keys : r.label, FONT);
        w = t > w ? t : w;
    }
    return w;
}

// Row i's rectangle in frame coordinates, corners included.
void drop_row_rect(int i, int *x1, int *y1, int *x2, int *y2) {
    int x, y, w, h;
    menu_dropdown_rect(&x, &y, &w, &h);
    *x1 = x + DROP_BORDER;
    *y1 = y + DROP_BORDER + i * DROP_ROW_H;
    *x2 = x + w - 1 - DROP_BORDER;
    *y2 = *y1 + DROP_ROW_H - 1;
}

int in_rect(int x, int y, int x1, int y1, int x2, int y2) {
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

int drop_row_at(int x, int y) {
    for (int i = 0; i < DROP_COUNT; ++i) {
        int x1, y1, x2, y2;
        drop_row_rect(i, &x1, &y1, &x2, &y2);
        if (in_rect(x, y, x1, y1, x2, y2)) return i;
    }
    return -1;
}

// Selects a title; a pop-up opens at once with its row highlighted.
void select_title(int title, int open, int row) {
    selected = title;
    dropped = open;
    drop_highlight = open && title == BAR_VIEW ? row : -1;
}

MenuAction choose(int row) {
    menu_leave();
    return row >= 0 && row < DROP_COUNT ? drop_rows[row].action : MENU_NOTHING;
}

// A plain title runs its command, a pop-up opens with row highlighted.
MenuAction take_title(int title, int row) {
    if (title != BAR_VIEW) {
        menu_leave();
        return bar_items[title].action;
    }
    select_title(title, 1, row);
    return MENU_NOTHING;
}

// Alt alone and F10: the menu is entered at its first title, or left.
void toggle(void) {
    if (menu_active())
        menu_leave();
    else
        select_title(0, 0, -1);
}

int wrap(int i, int n) { return (i % n + n) % n; }

// A key while a title is selected and no drop-down shows.
MenuAction title_key(int vk) {
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
        select_title(wrap(selected + (vk == VK_RIGHT ? 1 : -1), BAR_COUNT), dropped, 0);
        return MENU_NOTHING;
    case VK_DOWN:
    case VK_UP:
        if (selected == BAR_VIEW) select_title(selected, 1, vk == VK_UP ? DROP_COUNT - 1 : 0);
        return MENU_NOTHING;
    case VK_RETURN:
        return take_title(selected, 0);
    case VK_ESCAPE:
        menu_leave();
        return MENU_NOTHING;
    default:
        for (int i = 0; i < BAR_COUNT; ++i)
            if (bar_items[i].mnemonic == vk) return take_title(i, 0);
        return MENU_NOTHING;
    }
}

// A key while the drop-down shows.
MenuAction dropdown_key(int vk) {
    switch (vk) {
    case VK_UP:
        drop_highlight = drop_highlight <= 0 ? DROP_COUNT - 1 : drop_highlight - 1;
        return MENU_NOTHING;
    case VK_DOWN:
        drop_highlight = drop_highlight < 0 || drop_highlight >= DROP_COUNT - 1 ? 0 : drop_highlight + 1;
        return MENU_NOTHING;
    case VK_LEFT:
    case VK_RIGHT:
        return title_key(vk);
    case VK_RETURN:
        return choose(drop_highlight);
    case VK_ESCAPE:
        select_title(selected, 0, -1);  // the title stays selected
        return MENU_NOTHING;
    default:
        for (int i = 0; i < DROP_COUNT; ++i)
            if (drop_rows[i].mnemonic == vk) return choose(i);
        return MENU_NOTHING;
    }
}

MenuAction menu_walk(int vk) { return menu_dropdown_open() ? dropdown_key(vk) : title_key(vk); }

// A key pressed with Alt held: the window's commands, and the mnemonics.
MenuAction alt_combination(int vk) {
    if (vk == VK_F1 + 3) {  // Alt+F4
        menu_leave();
        return MENU_CLOSE;
    }
    if (vk == 'V' && menu_dropdown_open()) {
        menu_leave();
        return MENU_NOTHING;
    }
    for (int i = 0; i < BAR_COUNT; ++i)
        if (bar_items[i].mnemonic == vk) return take_title(i, 0);
    if (menu_active()) return menu_walk(vk);
    if (vk == 'S') return MENU_SCREENSHOT;
    if (vk == VK_RETURN) return MENU_FULLSCREEN;
    return MENU_NOTHING;  // other system keys: nothing to do
}

void draw_check(VxBitmap *bm, int x, int y, uint32_t ink) {
    // A check mark two pixels thick.
    for (int t = 0; t < 2; ++t) {
        vxi_draw_line_on(bm, x, y + 3 + t, x + 2, y + 5 + t, ink);
        vxi_draw_line_on(bm, x + 2, y + 5 + t, x + 6, y + 1 + t, ink);
    }
}

}  // namespace

void menu_reset(void) {
    menu_leave();
    console_checked = 0;
    fullscreen_checked = 0;
}

void menu_set_check(int checked) { console_checked = checked ? 1 : 0; }
void menu_set_fullscreen_check(int checked) { fullscreen_checked = checked ? 1 : 0; }

int menu_active(void) { return selected >= 0; }
int menu_dropdown_open(void) { return selected == BAR_VIEW && dropped; }
int menu_selected_title(void) { return selected; }
int menu_highlighted_row(void) { return drop_highlight; }

void menu_leave(void) {
    select_title(-1, 0, -1);
    alt_state = ALT_UP;
}

void menu_paint_strip(VxBitmap *bm) {
    if (!bm) return;
    vxi_fill_bitmap(bm, GREY);
    for (int i = 0; i < BAR_COUNT; ++i) {
        int x = bar_item_x(i);
        uint32_t ink = BLACK;
        if (i == selected) {
            vxi_fill_rect_on(bm, x, 1, x + bar_item_w(i) - 1, MENU_H - 2, NAVY);
            ink = WHITE;
        }
        draw_label(bm, x + ITEM_PAD, TEXT_TOP, bar_items[i].label, ink);
    }
    // The program's mode at the right end, behind an etched line.
    const char *mode = vxi_mode_text();
    if (mode && *mode) {
        int x = bm->w - MODE_PAD - vxi_text_width(mode, FONT);
        vxi_draw_text_on(bm, x, TEXT_TOP, mode, FONT, BLACK);
        vxi_draw_line_on(bm, x - ITEM_PAD, 2, x - ITEM_PAD, MENU_H - 3, DARK);
        vxi_draw_line_on(bm, x - ITEM_PAD + 1, 2, x - ITEM_PAD + 1, MENU_H - 3, WHITE);
    }
}

void menu_dropdown_rect(int *x, int *y, int *w, int *h) {
    *x = bar_item_x(BAR_VIEW);
    *y = MENU_H;
    *w = 2 * DROP_BORDER + DROP_CHECK_W + widest(false) + KEYS_GAP + widest(true) + DROP_RIGHT;
    *h = 2 * DROP_BORDER + DROP_COUNT * DROP_ROW_H;
}

void menu_paint_dropdown(VxBitmap *bm) {
    if (!bm) return;
    const int w = bm->w, h = bm->h;
    vxi_fill_bitmap(bm, GREY);
    // Raised frame: light top and left edges, dark bottom and right.
    vxi_draw_line_on(bm, 1, 1, w - 2, 1, WHITE);
    vxi_draw_line_on(bm, 1, 1, 1, h - 2, WHITE);
    vxi_draw_line_on(bm, 1, h - 2, w - 2, h - 2, DARK);
    vxi_draw_line_on(bm, w - 2, 1, w - 2, h - 2, DARK);
    vxi_draw_line_on(bm, 0, h - 1, w - 1, h - 1, BLACK);
    vxi_draw_line_on(bm, w - 1, 0, w - 1, h - 1, BLACK);

    int dx, dy, dw, dh;
    menu_dropdown_rect(&dx, &dy, &dw, &dh);
    const int keys_x = w - DROP_BORDER - DROP_RIGHT - widest(true);
    for (int i = 0; i < DROP_COUNT; ++i) {
        int rx1, ry1, rx2, ry2;
        drop_row_rect(i, &rx1, &ry1, &rx2, &ry2);
        rx1 -= dx, rx2 -= dx, ry1 -= dy, ry2 -= dy;
        uint32_t ink = BLACK;
        if (i == drop_highlight) {
            vxi_fill_rect_on(bm, rx1, ry1, rx2, ry2, NAVY);
            ink = WHITE;
        }
        const MenuAction a = drop_rows[i].action;
        if ((a == MENU_CONSOLE && console_checked) || (a == MENU_FULLSCREEN && fullscreen_checked))
            draw_check(bm, rx1 + 6, ry1 + 5, ink);
        const int top = ry1 + (DROP_ROW_H - FONT) / 2;
        draw_label(bm, rx1 + DROP_CHECK_W, top, drop_rows[i].label, ink);
        vxi_draw_text_on(bm, keys_x, top, drop_rows[i].keys, FONT, ink);
    }
}

MenuAction menu_click(int x, int y) {
    if (y >= 0 && y < MENU_H) {
        // A title is taken; a click on the open pop-up's title closes it.
        const int item = bar_item_at(x);
        if (item >= 0 && !(item == selected && menu_dropdown_open())) return take_title(item, -1);
        menu_leave();
        return MENU_NOTHING;
    }
    if (!menu_dropdown_open()) {
        menu_leave();
        return MENU_NOTHING;
    }
    int dx, dy, dw, dh;
    menu_dropdown_rect(&dx, &dy, &dw, &dh);
    if (!in_rect(x, y, dx, dy, dx + dw - 1, dy + dh - 1)) {
        menu_leave();
        return MENU_NOTHING;
    }
    const int row = drop_row_at(x, y);
    return row < 0 ? MENU_NOTHING : choose(row);  // the frame does nothing
}

int menu_hover(int x, int y) {
    if (!menu_dropdown_open()) return 0;
    int over = drop_row_at(x, y);
    if (over == drop_highlight) return 0;
    drop_highlight = over;
    return 1;
}

int menu_key(int vk, int down, const VxModifiers &held, MenuAction *action) {
    *action = MENU_NOTHING;
    if (vk == VK_MENU) {
        if (down) {
            if (alt_state == ALT_UP) alt_state = held.shift || held.control ? ALT_COMBINED : ALT_ALONE;
        } else if (!held.alt) {  // the last Alt key is up
            if (alt_state == ALT_ALONE) toggle();
            alt_state = ALT_UP;
        }
        return 1;
    }
    if (!down) return 0;
    if (alt_state != ALT_UP) alt_state = ALT_COMBINED;
    if (held.alt) {
        *action = alt_combination(vk);
        return 1;
    }
    if (vk == VK_F10) {
        toggle();
        return 1;
    }
    if (!menu_active()) return 0;
    *action = menu_walk(vk);
    return 1;
}
