/*
 * The X11 path of the view: the frame goes to the X server at its logical
 * size (through shared memory where the server offers it) and the server
 * scales it onto the window with the RENDER extension's nearest filter.
 * The process then holds no zoomed copy of the frame, and a zoom costs it
 * nothing: at every zoom only the changed rows travel, once.
 */
#ifndef VX_SDL_VIEW_X11_H
#define VX_SDL_VIEW_X11_H

#include <SDL.h>

#include <cstdint>

#include "view.h"


/* nullptr when the window is not an X11 window or the server lacks what
 * this path needs (then the caller draws another way). */
X11View *x11_view_open(SDL_Window *win, int frame_w, int frame_h);
void x11_view_close(X11View *x);

/* Sends the frame rows the server does not have yet and shows them;
 * row(y, scratch) gives row y.  zoom, ox, oy place the frame
 * on the win_w x win_h window.  redraw sends every row; redraw or resend
 * shows the whole frame with the black bars around it.  Returns the
 * number of rows sent, -1 on failure. */
int x11_view_present(X11View *x, ViewRowFn row, uint32_t *scratch, int zoom, int ox,
                     int oy, int win_w, int win_h, bool redraw, bool resend);

#endif /* VX_SDL_VIEW_X11_H */
