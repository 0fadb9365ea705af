/*
 * The SDL host's menu bar: a strip of MENU_H pixels drawn by the host above
 * the client area, with the plain item "終了(Q)", the pop-up "表示(V)"
 * holding "コンソール(C)" and the view commands, and the program's mode
 * text at the right end.  This unit paints the strip and the drop-down into
 * bitmaps and turns clicks and menu keys into menu commands; the host copies
 * the bitmaps to the window and carries the commands out.  Coordinates are
 * those of the logical frame (the strip's top-left is 0, 0).
 */
#ifndef VX_SDL_MENU_H
#define VX_SDL_MENU_H

struct VxBitmap;

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

void menu_reset(void);                 /* drop-down closed, no check marks */
void menu_set_check(int checked);      /* the console item */
void menu_set_fullscreen_check(int checked);
int menu_dropdown_open(void);
void menu_close_dropdown(void);

/* Paints the strip into bm (window width x MENU_H). */
void menu_paint_strip(VxBitmap *bm);
/* The drop-down's rectangle in window coordinates. */
void menu_dropdown_rect(int *x, int *y, int *w, int *h);
/* Paints the drop-down into bm (the size menu_dropdown_rect gives). */
void menu_paint_dropdown(VxBitmap *bm);

/* A left click at window coordinates while the drop-down is open or inside
 * the strip: returns the action (the click is the menu's). */
MenuAction menu_click(int x, int y);
/* Pointer moved while the drop-down is open: 1 when the highlight changed. */
int menu_hover(int x, int y);
/* A key that goes to the menu (an Alt combination, F10, or any key while
 * the drop-down is open). vk is the host key code. */
MenuAction menu_key(int vk, int alt_held);

#endif /* VX_SDL_MENU_H */
