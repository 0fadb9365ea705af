// Integer-zoom presentation of a logical frame: see view.h.
#include "view.h"

#include "view_x11.h"

#include "vx_internal.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int MAX_RECTS = 32;  // changed row spans sent one by one

bool always_redraw = false;

// VEXDRAW_PRESENT=surface or texture takes that path where the first would
// be chosen (to compare them: bench/window_measure.sh).
bool path_forced(const char *name) {
    const char *forced = std::getenv("VEXDRAW_PRESENT");
    return forced && std::strcmp(forced, name) == 0;
}

// True for the 32-bit surfaces whose pixels are 0x??RRGGBB words: the view
// writes those directly and reads back what it drew.
bool direct_format(const SDL_Surface *s) {
    const SDL_PixelFormat *f = s->format;
    return f->BytesPerPixel == 4 && f->Rmask == 0xFF0000 && f->Gmask == 0xFF00 && f->Bmask == 0xFF;
}

// Scales n frame pixels into dst, each repeated Z times.
template <int Z>
void stretch(const uint32_t *src, uint32_t *dst, int n, uint32_t alpha) {
    for (int x = 0; x < n; ++x) {
        const uint32_t p = src[x] | alpha;
        for (int k = 0; k < Z; ++k) dst[x * Z + k] = p;
    }
}

// Scales a row of n pixels into at most limit destination pixels.
void stretch_row(const uint32_t *src, uint32_t *dst, int n, int z, int limit, uint32_t alpha) {
    int whole = limit / z < n ? limit / z : n;
    switch (z) {
    case 1: stretch<1>(src, dst, whole, alpha); break;
    case 2: stretch<2>(src, dst, whole, alpha); break;
    case 3: stretch<3>(src, dst, whole, alpha); break;
    case 4: stretch<4>(src, dst, whole, alpha); break;
    case 5: stretch<5>(src, dst, whole, alpha); break;
    default: stretch<6>(src, dst, whole, alpha); break;
    }
    // A last pixel cut by the window's edge.
    for (int k = whole * z; whole < n && k < limit; ++k) dst[k] = src[whole] | alpha;
}

// True when the window already shows row src at dst (every zoom-th pixel).
bool row_shown(const uint32_t *src, const uint32_t *dst, int n, int z) {
    for (int x = 0; x < n; ++x)
        if ((dst[x * z] & 0xFFFFFF) != src[x]) return false;
    return true;
}

void place(View *v, int pixel_w, int pixel_h) {
    int z = view_fit_zoom(v->frame_w, v->frame_h, pixel_w, pixel_h);
    if (z > v->max_zoom) z = v->max_zoom;
    if (z < 1) z = 1;
    int ox = (pixel_w - v->frame_w * z) / 2;
    int oy = (pixel_h - v->frame_h * z) / 2;
    ox = ox < 0 ? 0 : ox;
    oy = oy < 0 ? 0 : oy;
    if (z != v->zoom || ox != v->ox || oy != v->oy) v->redraw = true;
    v->zoom = z;
    v->ox = ox;
    v->oy = oy;
}

bool ensure_rows(View *v) {
    if (!v->row) v->row = static_cast<uint32_t *>(std::calloc((size_t)v->frame_w, 4));
    if (!v->wide) v->wide = static_cast<uint32_t *>(std::calloc((size_t)v->frame_w * VX_ZOOM_MAX, 4));
    return v->row && v->wide;
}

// The texture path, for video drivers without window surfaces.
int present_texture(View *v, ViewRowFn row) {
    if (!v->renderer) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        v->renderer = SDL_CreateRenderer(v->win, -1, 0);
        if (!v->renderer) return -1;
    }
    if (!v->texture) {
        v->texture = SDL_CreateTexture(v->renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                       v->frame_w, v->frame_h);
        if (!v->texture) return -1;
        SDL_SetTextureScaleMode(v->texture, SDL_ScaleModeNearest);
    }
    void *pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(v->texture, nullptr, &pixels, &pitch) != 0) return -1;
    for (int y = 0; y < v->frame_h; ++y) {
        uint32_t *out = reinterpret_cast<uint32_t *>(static_cast<uint8_t *>(pixels) + (size_t)y * pitch);
        const uint32_t *src = row(y, out);
        if (src != out) std::memcpy(out, src, (size_t)v->frame_w * 4);
    }
    SDL_UnlockTexture(v->texture);
    int pw = 0, ph = 0;
    SDL_GetRendererOutputSize(v->renderer, &pw, &ph);
    place(v, pw, ph);
    SDL_SetRenderDrawColor(v->renderer, 0, 0, 0, 255);
    SDL_RenderClear(v->renderer);
    SDL_Rect to = {v->ox, v->oy, v->frame_w * v->zoom, v->frame_h * v->zoom};
    SDL_RenderCopy(v->renderer, v->texture, nullptr, &to);
    SDL_RenderPresent(v->renderer);
    v->redraw = v->resend = false;
    return v->frame_h;
}

}  // namespace

void view_set_always_redraw(bool on) { always_redraw = on; }

int view_fit_zoom(int frame_w, int frame_h, int w, int h) {
    if (frame_w <= 0 || frame_h <= 0) return 1;
    int zw = w / frame_w, zh = h / frame_h;
    int z = zw < zh ? zw : zh;
    return z < 1 ? 1 : z > VX_ZOOM_MAX ? VX_ZOOM_MAX : z;
}

double view_pixel_ratio(SDL_Window *win) {
    int ww = 0, wh = 0, pw = 0, ph = 0;
    if (!win) return 1.0;
    SDL_GetWindowSize(win, &ww, &wh);
    SDL_GetWindowSizeInPixels(win, &pw, &ph);
    return ww > 0 && pw > 0 ? (double)pw / ww : 1.0;
}

void view_attach(View *v, SDL_Window *win, int frame_w, int frame_h) {
    view_detach(v);
    v->win = win;
    view_set_frame(v, frame_w, frame_h);
}

void view_detach(View *v) {
    x11_view_close(v->x11);
    if (v->texture) SDL_DestroyTexture(v->texture);
    if (v->renderer) SDL_DestroyRenderer(v->renderer);
    std::free(v->row);
    std::free(v->wide);
    const int max_zoom = v->max_zoom;
    *v = View{};
    v->max_zoom = max_zoom;
}

void view_set_frame(View *v, int frame_w, int frame_h) {
    if (frame_w == v->frame_w && frame_h == v->frame_h) return;
    v->frame_w = frame_w;
    v->frame_h = frame_h;
    std::free(v->row);
    std::free(v->wide);
    v->row = v->wide = nullptr;
    if (v->texture) SDL_DestroyTexture(v->texture);
    v->texture = nullptr;
    x11_view_close(v->x11);
    v->x11 = nullptr;
    v->x11_tried = false;
    v->redraw = true;
}

void view_set_max_zoom(View *v, int max_zoom) {
    max_zoom = max_zoom < 1 ? 1 : max_zoom > VX_ZOOM_MAX ? VX_ZOOM_MAX : max_zoom;
    if (max_zoom != v->max_zoom) v->redraw = true;
    v->max_zoom = max_zoom;
}

void view_expose(View *v) { v->resend = true; }
void view_invalidate(View *v) { v->redraw = true; }

int view_present(View *v, ViewRowFn row) {
    if (!v->win || v->frame_w <= 0 || v->frame_h <= 0 || !ensure_rows(v)) return -1;
    if (v->renderer || path_forced("texture")) return present_texture(v, row);
    const char *driver = SDL_GetCurrentVideoDriver();
    const bool x11 = driver && std::strcmp(driver, "x11") == 0;
    if (!v->x11_tried && x11 && !path_forced("surface")) {
        v->x11_tried = true;
        v->x11 = x11_view_open(v->win, v->frame_w, v->frame_h);
    }
    if (v->x11) {
        int pw = 0, ph = 0;
        SDL_GetWindowSizeInPixels(v->win, &pw, &ph);
        place(v, pw, ph);
        int sent = x11_view_present(v->x11, row, v->row, v->zoom, v->ox, v->oy, pw, ph,
                                    v->redraw || always_redraw, v->resend);
        v->redraw = v->resend = false;
        return sent;
    }
    SDL_Surface *s = SDL_GetWindowSurface(v->win);
    if (!s) {
        // Only drivers without window surfaces take the texture path; a
        // passing failure on X11 leaves this frame out.
        if (x11) return -1;
        return present_texture(v, row);
    }
    if (s != v->surface || s->w != v->surface_w || s->h != v->surface_h) {
        v->surface = s;
        v->surface_w = s->w;
        v->surface_h = s->h;
        v->redraw = true;
    }
    place(v, s->w, s->h);
    const bool direct = direct_format(s);
    const bool all = v->redraw || always_redraw || !direct;
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return -1;
    if (v->redraw) SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));

    const int z = v->zoom;
    const int limit_w = s->w - v->ox < v->frame_w * z ? s->w - v->ox : v->frame_w * z;
    const uint32_t alpha = direct ? s->format->Amask : 0;
    SDL_Rect rects[MAX_RECTS];
    int nrects = 0, drawn = 0, span_start = -1;
    auto close_span = [&](int end) {  // rows span_start .. end - 1 changed
        if (span_start < 0) return;
        int top = v->oy + span_start * z, bottom = v->oy + end * z;
        if (bottom > s->h) bottom = s->h;
        if (nrects == MAX_RECTS) {  // too many: one rectangle around them
            SDL_Rect &r = rects[MAX_RECTS - 1];
            r.h = bottom - r.y;
        } else if (top < bottom) {
            rects[nrects++] = SDL_Rect{v->ox, top, limit_w, bottom - top};
        }
        span_start = -1;
    };
    for (int y = 0; y < v->frame_h && limit_w > 0; ++y) {
        const int top = v->oy + y * z;
        if (top >= s->h) break;
        uint8_t *line = static_cast<uint8_t *>(s->pixels) + (size_t)top * s->pitch;
        uint32_t *dst = reinterpret_cast<uint32_t *>(line) + (direct ? v->ox : 0);
        const uint32_t *src = row(y, v->row);
        if (!all && row_shown(src, dst, limit_w / z < v->frame_w ? limit_w / z : v->frame_w, z)) {
            close_span(y);
            continue;
        }
        if (direct) {
            stretch_row(src, dst, v->frame_w, z, limit_w, alpha);
        } else {
            stretch_row(src, v->wide, v->frame_w, z, limit_w, 0);
            SDL_ConvertPixels(limit_w, 1, SDL_PIXELFORMAT_RGB888, v->wide, limit_w * 4, s->format->format,
                              line + (size_t)v->ox * s->format->BytesPerPixel, s->pitch);
        }
        const size_t bytes = (size_t)limit_w * s->format->BytesPerPixel;
        const uint8_t *first = line + (size_t)v->ox * s->format->BytesPerPixel;
        for (int k = 1; k < z && top + k < s->h; ++k)
            std::memcpy(line + (size_t)k * s->pitch + (size_t)v->ox * s->format->BytesPerPixel, first,
                        bytes);
        ++drawn;
        if (span_start < 0) span_start = y;
    }
    close_span(v->frame_h);
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);

    if (v->redraw || v->resend)
        SDL_UpdateWindowSurface(v->win);
    else if (nrects > 0)
        SDL_UpdateWindowSurfaceRects(v->win, rects, nrects);
    v->redraw = v->resend = false;
    return drawn;
}

bool view_to_frame(const View *v, int wx, int wy, int *fx, int *fy) {
    const double ratio = view_pixel_ratio(v->win);
    const int px = (int)(wx * ratio), py = (int)(wy * ratio);
    if (px < v->ox || py < v->oy || v->zoom < 1) return false;
    *fx = (px - v->ox) / v->zoom;
    *fy = (py - v->oy) / v->zoom;
    return *fx < v->frame_w && *fy < v->frame_h;
}
