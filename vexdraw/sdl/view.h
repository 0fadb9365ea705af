/*
 * How the SDL host shows a window's logical frame on the screen: scaled by
 * a whole number with square pixels, centred on black when the window is
 * larger (full screen, or sized by the window manager).
 *
 * Three paths lead to the screen, the first that works is taken:
 * - X11 with the RENDER extension: the changed rows go to the server at
 *   their logical size and the server scales them (view_x11.cpp);
 * - a window surface of the video driver's own: the view scales into it
 *   and sends the rows that changed;
 * - otherwise (Wayland) a texture that the renderer scales with
 *   nearest-neighbour sampling.
 * The first two need no OpenGL stack in the process.
 */
#ifndef VX_SDL_VIEW_H
#define VX_SDL_VIEW_H

#include <SDL.h>

#include <cstdint>

/* Row y of the logical frame (frame width pixels, 0x00RRGGBB): either
 * composed into scratch or, when it already lies in memory as a whole,
 * that memory. */
typedef const uint32_t *(*ViewRowFn)(int y, uint32_t *scratch);

struct X11View;

struct View {
    SDL_Window *win = nullptr;
    X11View *x11 = nullptr;           /* the X11 path */
    bool x11_tried = false;
    SDL_Renderer *renderer = nullptr; /* the texture path only */
    SDL_Texture *texture = nullptr;
    SDL_Surface *surface = nullptr;   /* the surface last drawn into */
    int surface_w = 0, surface_h = 0;
    int frame_w = 0, frame_h = 0;     /* logical size */
    int max_zoom = 1;                 /* the largest zoom it may show */
    int zoom = 1;                     /* shown zoom, in physical pixels */
    int ox = 0, oy = 0;               /* the frame's top-left, in pixels */
    bool redraw = true;               /* every row must be drawn again */
    bool resend = false;              /* the surface must be sent again */
    uint32_t *row = nullptr;          /* one composed frame row */
    uint32_t *wide = nullptr;         /* one scaled row (other formats) */
};

void view_attach(View *v, SDL_Window *win, int frame_w, int frame_h);
void view_detach(View *v);
void view_set_frame(View *v, int frame_w, int frame_h);
void view_set_max_zoom(View *v, int max_zoom);

/* Shows the frame: only the rows that differ from what the window shows,
 * unless a redraw is due.  Returns the number of rows drawn, -1 when the
 * window cannot be drawn on. */
int view_present(View *v, ViewRowFn row);

/* The window was exposed or resized: send (or redraw) it all. */
void view_expose(View *v);
void view_invalidate(View *v);

/* Window coordinates (as SDL reports the mouse) to frame coordinates;
 * false outside the frame. */
bool view_to_frame(const View *v, int wx, int wy, int *fx, int *fy);

/* Physical pixels per window coordinate (1 unless the display is HiDPI). */
double view_pixel_ratio(SDL_Window *win);

/* The largest zoom at which a frame_w x frame_h frame fits into w x h. */
int view_fit_zoom(int frame_w, int frame_h, int w, int h);

/* Forces every present to draw every row (measuring the worst case). */
void view_set_always_redraw(bool on);

#endif /* VX_SDL_VIEW_H */
