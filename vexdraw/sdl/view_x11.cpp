// Server-side scaling on X11: see view_x11.h.
#include "view_x11.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>

struct X11View {
    Display *display = nullptr;
    Window window = 0;
    int frame_w = 0, frame_h = 0;
    Pixmap pixmap = 0;        // the frame at its logical size, on the server
    GC gc = nullptr;
    Picture source = 0;       // the pixmap, scaled by its transform
    Picture target = 0;       // the window
    XImage *image = nullptr;  // what the server's pixmap holds, row by row
    XShmSegmentInfo shm = {};
    bool shared = false;
    int zoom = 0;             // the source's transform
};

namespace {

bool attach_failed = false;
int note_attach_error(Display *, XErrorEvent *) {
    attach_failed = true;
    return 0;
}

// Shared memory for the image; false when the server cannot see it (a
// remote display), and the image travels through the connection instead.
bool attach_shared(X11View *x, Visual *visual) {
    if (!XShmQueryExtension(x->display)) return false;
    x->image = XShmCreateImage(x->display, visual, 24, ZPixmap, nullptr, &x->shm, (unsigned)x->frame_w,
                               (unsigned)x->frame_h);
    if (!x->image) return false;
    x->shm.shmid = shmget(IPC_PRIVATE, (size_t)x->image->bytes_per_line * x->frame_h, IPC_CREAT | 0600);
    if (x->shm.shmid < 0) {
        XDestroyImage(x->image);
        x->image = nullptr;
        return false;
    }
    x->shm.shmaddr = x->image->data = static_cast<char *>(shmat(x->shm.shmid, nullptr, 0));
    x->shm.readOnly = True;
    attach_failed = false;
    XSync(x->display, False);
    int (*before)(Display *, XErrorEvent *) = XSetErrorHandler(note_attach_error);
    const bool attached = x->shm.shmaddr != reinterpret_cast<char *>(-1) && XShmAttach(x->display, &x->shm);
    XSync(x->display, False);
    XSetErrorHandler(before);
    // Removed now, the segment goes away with the last user, even after a
    // crash.
    shmctl(x->shm.shmid, IPC_RMID, nullptr);
    if (!attached || attach_failed) {
        if (x->shm.shmaddr != reinterpret_cast<char *>(-1)) shmdt(x->shm.shmaddr);
        x->image->data = nullptr;
        XDestroyImage(x->image);
        x->image = nullptr;
        return false;
    }
    x->shared = true;
    return true;
}

bool make_image(X11View *x, Visual *visual) {
    if (attach_shared(x, visual)) return true;
    x->image = XCreateImage(x->display, visual, 24, ZPixmap, 0, nullptr, (unsigned)x->frame_w,
                            (unsigned)x->frame_h, 32, 0);
    if (!x->image) return false;
    x->image->data = static_cast<char *>(std::calloc((size_t)x->image->bytes_per_line, (size_t)x->frame_h));
    return x->image->data != nullptr;
}

void set_zoom(X11View *x, int zoom) {
    if (zoom == x->zoom) return;
    // Window pixel (i, j) shows frame pixel (i / zoom, j / zoom).
    const XFixed f = XDoubleToFixed(1.0 / zoom);
    XTransform t = {{{f, 0, 0}, {0, f, 0}, {0, 0, XDoubleToFixed(1.0)}}};
    XRenderSetPictureTransform(x->display, x->source, &t);
    x->zoom = zoom;
}

// Frame rows y0 .. y1 - 1 to the window, scaled.
void show_rows(X11View *x, int y0, int y1, int zoom, int ox, int oy) {
    XRenderComposite(x->display, PictOpSrc, x->source, None, x->target, 0, y0 * zoom, 0, 0, ox,
                     oy + y0 * zoom, (unsigned)(x->frame_w * zoom), (unsigned)((y1 - y0) * zoom));
}

void send_rows(X11View *x, int y0, int y1) {
    if (x->shared)
        XShmPutImage(x->display, x->pixmap, x->gc, x->image, 0, y0, 0, y0, (unsigned)x->frame_w,
                     (unsigned)(y1 - y0), False);
    else
        XPutImage(x->display, x->pixmap, x->gc, x->image, 0, y0, 0, y0, (unsigned)x->frame_w,
                  (unsigned)(y1 - y0));
}

void fill_black(X11View *x, int left, int top, int w, int h) {
    if (w <= 0 || h <= 0) return;
    const XRenderColor black = {0, 0, 0, 0xFFFF};
    XRenderFillRectangle(x->display, PictOpSrc, x->target, &black, left, top, (unsigned)w, (unsigned)h);
}

}  // namespace

X11View *x11_view_open(SDL_Window *win, int frame_w, int frame_h) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(win, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
    Display *d = info.info.x11.display;
    int event_base, error_base;
    if (!XRenderQueryExtension(d, &event_base, &error_base)) return nullptr;
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(d, info.info.x11.window, &attrs)) return nullptr;
    // The frame's words go to the server as they are: 0x00RRGGBB, in the
    // server's byte order.
    Visual *v = attrs.visual;
    if (attrs.depth != 24 || v->red_mask != 0xFF0000 || v->green_mask != 0xFF00 || v->blue_mask != 0xFF ||
        ImageByteOrder(d) != LSBFirst)
        return nullptr;
    XRenderPictFormat *window_format = XRenderFindVisualFormat(d, v);
    if (!window_format) return nullptr;

    X11View *x = new X11View;
    x->display = d;
    x->window = info.info.x11.window;
    x->frame_w = frame_w;
    x->frame_h = frame_h;
    if (!make_image(x, v) || x->image->bits_per_pixel != 32) {
        x11_view_close(x);
        return nullptr;
    }
    x->pixmap = XCreatePixmap(d, x->window, (unsigned)frame_w, (unsigned)frame_h, 24);
    x->gc = XCreateGC(d, x->pixmap, 0, nullptr);
    x->source = XRenderCreatePicture(d, x->pixmap, window_format, 0, nullptr);
    XRenderSetPictureFilter(d, x->source, FilterNearest, nullptr, 0);
    x->target = XRenderCreatePicture(d, x->window, window_format, 0, nullptr);
    return x;
}

void x11_view_close(X11View *x) {
    if (!x) return;
    Display *d = x->display;
    if (x->target) XRenderFreePicture(d, x->target);
    if (x->source) XRenderFreePicture(d, x->source);
    if (x->gc) XFreeGC(d, x->gc);
    if (x->pixmap) XFreePixmap(d, x->pixmap);
    if (x->image) {
        if (x->shared) {
            XShmDetach(d, &x->shm);
            XSync(d, False);
            shmdt(x->shm.shmaddr);
            x->image->data = nullptr;
        }
        XDestroyImage(x->image);  // frees calloc'd data too
    }
    delete x;
}

int x11_view_present(X11View *x, ViewRowFn row, uint32_t *scratch, int zoom, int ox,
                     int oy, int win_w, int win_h, bool redraw, bool resend) {
    if (!x || zoom < 1) return -1;
    set_zoom(x, zoom);
    const bool whole = redraw || resend;
    const int fw = x->frame_w * zoom, fh = x->frame_h * zoom;
    const size_t bytes = (size_t)x->frame_w * 4;
    int sent = 0, span = -1;
    for (int y = 0; y <= x->frame_h; ++y) {
        bool changed = false;
        if (y < x->frame_h) {
            char *line = x->image->data + (size_t)y * x->image->bytes_per_line;
            const uint32_t *src = row(y, scratch);
            changed = redraw || std::memcmp(line, src, bytes) != 0;
            if (changed) {
                std::memcpy(line, src, bytes);
                ++sent;
            }
        }
        if (changed && span < 0) span = y;
        if (!changed && span >= 0) {
            send_rows(x, span, y);
            if (!whole) show_rows(x, span, y, zoom, ox, oy);
            span = -1;
        }
    }
    if (whole) {
        // The frame and the black bars around it.
        fill_black(x, 0, 0, win_w, oy);
        fill_black(x, 0, oy + fh, win_w, win_h - oy - fh);
        fill_black(x, 0, oy, ox, fh);
        fill_black(x, ox + fw, oy, win_w - ox - fw, fh);
        show_rows(x, 0, x->frame_h, zoom, ox, oy);
    }
    // The image may change again only once the server has read it.
    XSync(x->display, False);
    return sent;
}
