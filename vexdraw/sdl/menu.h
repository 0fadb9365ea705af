/*
 * The SDL host's menu bar: a strip of MENU_H pixels drawn by the host above
 * the client area, with the plain item "終了(Q)", the pop-up "表示(V)"
 * holding "コンソール(C)" and the view commands, and the program's mode
 * text at the right end.  This unit paints the strip and the drop-down into
 * bitmaps and turns clicks and menu keys into menu commands; the host copies
 * the bitmaps to the window and carries the commands out.  Coordinates are
 * those of the logical frame (the strip's top-left is 0, 0).
 *
 * The keyboard works the menu as on other desktops: Alt pressed and
 * released with no other key, or F10, selects the first title; Left and
 * Right walk the titles, Down or Return opens a pop-up with its first item
 * highlighted, Up and Down walk the items, Return chooses, Escape closes
 * the pop-up and then leaves, and the underlined letters choose directly.
 * While the menu is active every key press is the menu's.
 */
#ifndef VX_SDL_MENU_H
#define VX_SDL_MENU_H

struct VxBitmap;
struct VxModifiers;

constexpr int MENU_H = 20;

/* What a click or a menu key asks of the host. */
enum MenuAction {
    MENU_NOTHING = 0,  /* consumed, nothing to run */
    MENU_QUIT,         /* menu command 0 */
    MENU_CONSOLE,      /* menu command 2 */
    MENU_CLOSE,        /* Alt+F4: a close request */
    MENU_ZOOM_IN,
    MENU_ZOOM_OUT,
    MENU_FULLSCREEN,   /* toggle */
    MENU_SCREENSHOT,
};

void menu_reset(void);                 /* menu left, no check marks */
void menu_set_check(int checked);      /* the console item */
void menu_set_fullscreen_check(int checked);
/* A title is selected (from the keyboard or by a click): keys and clicks
 * go to the menu. */
int menu_active(void);
int menu_dropdown_open(void);
/* The selected title and the highlighted drop-down row, -1 for none. */
int menu_selected_title(void);
int menu_highlighted_row(void);
/* Leaves the menu (a click elsewhere, lost focus, the quit question). */
void menu_leave(void);

/* Paints the strip into bm (window width x MENU_H). */
void menu_paint_strip(VxBitmap *bm);
/* The drop-down's rectangle in window coordinates. */
void menu_dropdown_rect(int *x, int *y, int *w, int *h);
/* Paints the drop-down into bm (the size menu_dropdown_rect gives). */
void menu_paint_dropdown(VxBitmap *bm);

/* A left click at window coordinates while the menu is active or inside
 * the strip: returns the action (the click is the menu's). */
MenuAction menu_click(int x, int y);
/* Pointer moved while the drop-down is open: 1 when the highlight changed. */
int menu_hover(int x, int y);
/* Every key event the host reads, first: vk is the host key code (VK_MENU
 * for either Alt), down 1 for a press or a repeat and 0 for a release, held
 * the modifiers after the event.  Returns 1 when the key is the menu's (an
 * Alt combination, F10, Alt alone, any press while the menu is active),
 * which then makes no key event; *action is what the host runs. */
int menu_key(int vk, int down, const VxModifiers &held, MenuAction *action);

#endif /* VX_SDL_MENU_H */
