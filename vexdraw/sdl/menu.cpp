// The menu bar of the SDL host, drawn by us in the look of a classic
// Windows menu: a light grey strip, black text with the mnemonic letter
// underlined, a navy highlight on the open pop-up and its drop-down.
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
constexpr const char *bar_items[] = {"終了(Q)", "表示(V)"};
constexpr int BAR_COUNT = sizeof bar_items / sizeof bar_items[0];
constexpr int BAR_VIEW = 1;  // the pop-up "表示"
constexpr const char *console_item = "コンソール(C)";

int drop_open = 0;
int drop_highlight = 0;  // the console row is highlighted
int console_checked = 0;

int bar_item_x(int i) {
    int x = BAR_LEFT;
    for (int k = 0; k < i; ++k) x += vxi_text_width(bar_items[k], FONT) + 2 * ITEM_PAD;
    return x;
}

int bar_item_w(int i) { return vxi_text_width(bar_items[i], FONT) + 2 * ITEM_PAD; }

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

void drop_row_rect(int *x1, int *y1, int *x2, int *y2) {
    int x, y, w, h;
    menu_dropdown_rect(&x, &y, &w, &h);
    *x1 = x + DROP_BORDER;
    *y1 = y + DROP_BORDER;
    *x2 = x + w - 1 - DROP_BORDER;
    *y2 = y + DROP_BORDER + DROP_ROW_H - 1;
}

int in_rect(int x, int y, int x1, int y1, int x2, int y2) {
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

void open_dropdown(int highlight) {
    drop_open = 1;
    drop_highlight = highlight;
}

}  // namespace

void menu_reset(void) {
    drop_open = 0;
    drop_highlight = 0;
    console_checked = 0;
}

void menu_set_check(int checked) { console_checked = checked ? 1 : 0; }

int menu_dropdown_open(void) { return drop_open; }

void menu_close_dropdown(void) {
    drop_open = 0;
    drop_highlight = 0;
}

void menu_paint_strip(VxBitmap *bm) {
    if (!bm) return;
    vxi_fill_bitmap(bm, GREY);
    for (int i = 0; i < BAR_COUNT; ++i) {
        int x = bar_item_x(i);
        uint32_t ink = BLACK;
        if (drop_open && i == BAR_VIEW) {
            vxi_fill_rect_on(bm, x, 1, x + bar_item_w(i) - 1, MENU_H - 2, NAVY);
            ink = WHITE;
        }
        draw_label(bm, x + ITEM_PAD, TEXT_TOP, bar_items[i], ink);
    }
}

void menu_dropdown_rect(int *x, int *y, int *w, int *h) {
    *x = bar_item_x(BAR_VIEW);
    *y = MENU_H;
    *w = 2 * DROP_BORDER + DROP_CHECK_W + vxi_text_width(console_item, FONT) + DROP_RIGHT;
    *h = 2 * DROP_BORDER + DROP_ROW_H;
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

    const int rx1 = DROP_BORDER, ry1 = DROP_BORDER;
    const int rx2 = w - 1 - DROP_BORDER, ry2 = DROP_BORDER + DROP_ROW_H - 1;
    uint32_t ink = BLACK;
    if (drop_highlight) {
        vxi_fill_rect_on(bm, rx1, ry1, rx2, ry2, NAVY);
        ink = WHITE;
    }
    if (console_checked) {
        // A check mark two pixels thick in the left margin.
        const int cx = rx1 + 6, cy = ry1 + 5;
        for (int t = 0; t < 2; ++t) {
            vxi_draw_line_on(bm, cx, cy + 3 + t, cx + 2, cy + 5 + t, ink);
            vxi_draw_line_on(bm, cx + 2, cy + 5 + t, cx + 6, cy + 1 + t, ink);
        }
    }
    draw_label(bm, rx1 + DROP_CHECK_W, ry1 + (DROP_ROW_H - FONT) / 2, console_item, ink);
}

MenuAction menu_click(int x, int y) {
    if (y >= 0 && y < MENU_H) {
        int item = bar_item_at(x);
        if (item == 0) {
            menu_close_dropdown();
            return MENU_QUIT;
        }
        if (item == BAR_VIEW && !drop_open)
            open_dropdown(0);
        else
            menu_close_dropdown();
        return MENU_NOTHING;
    }
    if (!drop_open) return MENU_NOTHING;
    int dx, dy, dw, dh;
    menu_dropdown_rect(&dx, &dy, &dw, &dh);
    if (!in_rect(x, y, dx, dy, dx + dw - 1, dy + dh - 1)) {
        menu_close_dropdown();
        return MENU_NOTHING;
    }
    int x1, y1, x2, y2;
    drop_row_rect(&x1, &y1, &x2, &y2);
    if (!in_rect(x, y, x1, y1, x2, y2)) return MENU_NOTHING;  // the frame
    menu_close_dropdown();
    return MENU_CONSOLE;
}

int menu_hover(int x, int y) {
    if (!drop_open) return 0;
    int x1, y1, x2, y2;
    drop_row_rect(&x1, &y1, &x2, &y2);
    int over = in_rect(x, y, x1, y1, x2, y2);
    if (over == drop_highlight) return 0;
    drop_highlight = over;
    return 1;
}

MenuAction menu_key(int vk, int alt_held) {
    if (alt_held && vk == VK_F1 + 3) {  // Alt+F4
        menu_close_dropdown();
        return MENU_CLOSE;
    }
    if (alt_held && vk == 'Q') {
        menu_close_dropdown();
        return MENU_QUIT;
    }
    if (alt_held && vk == 'V') {
        if (drop_open)
            menu_close_dropdown();
        else
            open_dropdown(1);
        return MENU_NOTHING;
    }
    if (!drop_open) return MENU_NOTHING;  // other system keys: nothing to do
    switch (vk) {
    case 'C':
        menu_close_dropdown();
        return MENU_CONSOLE;
    case VK_RETURN:
        if (drop_highlight) {
            menu_close_dropdown();
            return MENU_CONSOLE;
        }
        menu_close_dropdown();
        return MENU_NOTHING;
    case VK_ESCAPE:
        menu_close_dropdown();
        return MENU_NOTHING;
    case VK_UP:
    case VK_DOWN:
        drop_highlight = 1;  // the only row
        return MENU_NOTHING;
    default:
        return MENU_NOTHING;
    }
}
