/*
 * Drawing primitives and the current colour.
 *
 * A small software rasteriser over 0x00RRGGBB bitmaps.  Every primitive is
 * clipped to its target before a single pixel is touched, so coordinates of
 * any size (the whole int range) are safe and cost no more than the visible
 * part.  Positions are computed in 64-bit (and 128-bit where products of two
 * such values are needed) so that nothing overflows on wild input.
 *
 * Conventions:
 *  - lines include both end points;
 *  - rectangles are given by inclusive corners, in either order;
 *  - ellipses are inscribed in the box (x - rx, y - ry) .. (x + rx, y + ry)
 *    with the far edges excluded: a pixel is inside when its centre is;
 *    the outline is the inside pixels with a 4-neighbour outside;
 *  - arcs run counter-clockwise on screen from the radial through the start
 *    point to the radial through the end point (angles as integer degrees);
 *  - polygons fill pixel centres by the even-odd rule and add their edges.
 */
#include "vx_internal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

typedef int64_t i64;
typedef __int128 i128;

/* ---- Bitmaps ---- */

/* Larger than any window the layer opens; protects against absurd sizes. */
static constexpr int BITMAP_MAX_SIDE = 16384;

VxBitmap *vxi_bitmap_new(int w, int h) {
    if (w <= 0 || h <= 0 || w > BITMAP_MAX_SIDE || h > BITMAP_MAX_SIDE) return nullptr;
    // calloc: a large bitmap comes as zero pages that cost nothing until
    // drawn on (the hidden page of a program that never uses it).
    uint32_t *px = static_cast<uint32_t *>(std::calloc((size_t)w * (size_t)h, sizeof *px));
    if (!px) return nullptr;
    VxBitmap *bm = new (std::nothrow) VxBitmap{w, h, px};
    if (!bm) std::free(px);
    return bm;
}

void vxi_bitmap_free(VxBitmap *bm) {
    if (!bm) return;
    std::free(bm->px);
    delete bm;
}

void vxi_fill_bitmap(VxBitmap *bm, uint32_t color) {
    if (!bm || !bm->px) return;
    std::fill_n(bm->px, (size_t)bm->w * (size_t)bm->h, color);
}

/* ---- Current colour and the colour-name table ---- */

static constexpr uint32_t WHITE = 0xFFFFFF;
static uint32_t current_color = WHITE;

struct ColourName {
    unsigned short red, green, blue;
    const char *name;
};

/* X11 names; "coccasin" and the dark "darkgray" are as the game knows them. */
static constexpr ColourName colour_table[] = {
    {255, 250, 250, "snow"},           {248, 248, 255, "ghostwhite"},
    {245, 245, 245, "whitesmoke"},     {255, 250, 240, "floralwhite"},
    {250, 240, 230, "linen"},          {250, 235, 215, "antiquewhite"},
    {255, 228, 181, "coccasin"},       {255, 248, 220, "cornsilk"},
    {255, 255, 240, "ivory"},          {255, 245, 238, "seashell"},
    {245, 255, 250, "mintcream"},      {240, 255, 255, "azure"},
    {240, 248, 255, "aliceblue"},      {230, 230, 250, "lavender"},
    {255, 228, 225, "mistyrose"},      {255, 255, 255, "white"},
    {0, 0, 0, "black"},                {105, 105, 105, "dimgray"},
    {112, 128, 144, "slategray"},      {119, 136, 153, "lightslategray"},
    {190, 190, 190, "gray"},           {211, 211, 211, "lightgray"},
    {25, 25, 112, "midnightblue"},     {0, 0, 128, "navy"},
    {106, 90, 205, "slateblue"},       {0, 0, 205, "mediumblue"},
    {65, 105, 225, "royalblue"},       {0, 0, 255, "blue"},
    {135, 206, 235, "skyblue"},        {135, 206, 250, "lightskyblue"},
    {173, 216, 230, "lightblue"},      {0, 255, 255, "cyan"},
    {127, 255, 212, "aquamarine"},     {0, 100, 0, "darkgreen"},
    {143, 188, 143, "darkseagreen"},   {46, 139, 87, "seagreen"},
    {32, 178, 170, "lightseagreen"},   {152, 251, 152, "palegreen"},
    {0, 255, 0, "green"},              {173, 255, 47, "greenyellow"},
    {50, 205, 50, "limegreen"},        {154, 205, 50, "yellowgreen"},
    {34, 139, 34, "forestgreen"},      {107, 142, 35, "olivedrab"},
    {189, 183, 107, "darkkhaki"},      {238, 232, 170, "palegoldenrod"},
    {255, 255, 224, "lightyellow"},    {255, 255, 0, "yellow"},
    {255, 215, 0, "gold"},             {238, 221, 130, "lightgoldenrod"},
    {184, 134, 11, "darkgoldenrod"},   {188, 143, 143, "rosybrown"},
    {205, 92, 92, "indianred"},        {205, 133, 63, "peru"},
    {245, 245, 220, "beige"},          {245, 222, 179, "wheat"},
    {210, 180, 140, "tan"},            {210, 105, 30, "chocolate"},
    {165, 42, 42, "brown"},            {233, 150, 122, "darksalmon"},
    {250, 128, 114, "salmon"},         {255, 165, 0, "orange"},
    {255, 140, 0, "darkorange"},       {255, 127, 80, "coral"},
    {255, 99, 71, "tomato"},           {255, 69, 0, "orangered"},
    {255, 0, 0, "red"},                {255, 105, 180, "hotpink"},
    {255, 20, 147, "deeppink"},        {255, 192, 203, "pink"},
    {176, 48, 96, "maroon"},           {255, 0, 255, "magenta"},
    {238, 130, 238, "violet"},         {221, 160, 221, "plum"},
    {218, 112, 214, "orchid"},         {160, 32, 240, "purple"},
    {80, 80, 80, "darkgray"},          {0, 0, 0, nullptr},
};

static constexpr int count_colour_names() {
    int n = 0;
    while (colour_table[n].name) ++n;
    return n;
}
static constexpr int COLOUR_NAMES = count_colour_names();
static_assert(COLOUR_NAMES == 77, "the colour-name table has 77 names");

/* Longer than every name in the table; longer input cannot match. */
static constexpr size_t COLOUR_NAME_MAX = 32;

uint32_t vxi_current_color(void) { return current_color; }
void vxi_reset_color(void) { current_color = WHITE; }
int vxi_colour_table_count(void) { return COLOUR_NAMES; }

int vx_set_color(int r, int g, int b) {
    current_color = ((uint32_t)(r & 255) << 16) | ((uint32_t)(g & 255) << 8) | (uint32_t)(b & 255);
    return 0;
}

int vx_set_color_name(const char *name) {
    if (!name) return -1;
    char lower[COLOUR_NAME_MAX];
    size_t len = 0;
    for (; name[len]; ++len) {
        if (len + 1 >= sizeof lower) return -1;
        char c = name[len];
        lower[len] = (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
    }
    lower[len] = '\0';
    for (int i = 0; i < COLOUR_NAMES; ++i) {
        if (std::strcmp(lower, colour_table[i].name) == 0) {
            const ColourName &c = colour_table[i];
            return vx_set_color(c.red, c.green, c.blue);
        }
    }
    return -1;
}

/* ---- Clipped spans and lines ---- */

/* Pixels x1..x2 (inclusive) of row y, clipped. */
static void span_on(VxBitmap *bm, i64 y, i64 x1, i64 x2, uint32_t color) {
    if (y < 0 || y >= bm->h) return;
    if (x1 < 0) x1 = 0;
    if (x2 > bm->w - 1) x2 = bm->w - 1;
    if (x1 > x2) return;
    std::fill(bm->px + y * bm->w + x1, bm->px + y * bm->w + x2 + 1, color);
}

static void point_on(VxBitmap *bm, i64 x, i64 y, uint32_t color) {
    if (x < 0 || y < 0 || x >= bm->w || y >= bm->h) return;
    bm->px[y * bm->w + x] = color;
}

/* floor(a / b) and ceil(a / b) for b > 0. */
static i128 floor_div(i128 a, i128 b) {
    i128 q = a / b;
    if ((a % b) != 0 && a < 0) --q;
    return q;
}
static i128 ceil_div(i128 a, i128 b) { return -floor_div(-a, b); }

/*
 * A line stepping along its major axis: at step i (0..n) the minor
 * coordinate has advanced by off(i) = floor((2 i m + n) / 2n), that is
 * i * m / n rounded, which gives exactly the end point at i = n.  Because
 * off(i) is a closed formula, the visible range of i can be solved for
 * directly instead of walking the invisible part.
 */
static void line_on(VxBitmap *bm, i64 x1, i64 y1, i64 x2, i64 y2, uint32_t color) {
    const i64 adx = x2 >= x1 ? x2 - x1 : x1 - x2;
    const i64 ady = y2 >= y1 ? y2 - y1 : y1 - y2;
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    if (adx == 0 && ady == 0) {
        point_on(bm, x1, y1, color);
        return;
    }
    const bool xmajor = adx >= ady;
    const i64 n = xmajor ? adx : ady;           /* steps along the major axis */
    const i64 m = xmajor ? ady : adx;           /* total advance of the minor one */
    const i64 a1 = xmajor ? x1 : y1, b1 = xmajor ? y1 : x1;
    const int sa = xmajor ? sx : sy, sb = xmajor ? sy : sx;
    const i64 amax = (xmajor ? bm->w : bm->h) - 1;
    const i64 bmax = (xmajor ? bm->h : bm->w) - 1;

    /* Steps whose major coordinate is on the bitmap. */
    i64 lo = 0, hi = n;
    if (sa > 0) {
        lo = std::max(lo, -a1);
        hi = std::min(hi, amax - a1);
    } else {
        lo = std::max(lo, a1 - amax);
        hi = std::min(hi, a1);
    }
    if (lo > hi) return;

    /* Minor offsets on the bitmap: klo <= off(i) <= khi. */
    const i64 klo = sb > 0 ? -b1 : b1 - bmax;
    const i64 khi = sb > 0 ? bmax - b1 : b1;
    if (m == 0) {
        if (klo > 0 || khi < 0) return;
    } else {
        /* off(i) >= k  <=>  i >= ceil((2k - 1) n / 2m)
         * off(i) <= k  <=>  i <= ceil((2k + 1) n / 2m) - 1 */
        i128 ilo = ceil_div((i128)(2 * (i128)klo - 1) * n, (i128)2 * m);
        i128 ihi = ceil_div((i128)(2 * (i128)khi + 1) * n, (i128)2 * m) - 1;
        if (ilo > lo) lo = ilo > hi ? hi + 1 : (i64)ilo;
        if (ihi < hi) hi = ihi < lo ? lo - 1 : (i64)ihi;
        if (lo > hi) return;
    }

    const i128 num = (i128)2 * lo * m + n;
    const i64 two_n = 2 * n, two_m = 2 * m;
    i64 rem = (i64)(num % two_n);
    const i64 a = a1 + sa * lo;
    const i64 b = b1 + sb * (i64)(num / two_n);
    const i64 w = bm->w;
    i64 idx = xmajor ? b * w + a : a * w + b;
    const i64 step_major = xmajor ? sa : sa * w;
    const i64 step_minor = xmajor ? sb * w : sb;
    for (i64 i = lo; i <= hi; ++i) {
        bm->px[idx] = color;
        idx += step_major;
        rem += two_m;
        if (rem >= two_n) {
            rem -= two_n;
            idx += step_minor;
        }
    }
}

static void fill_rect_on(VxBitmap *bm, i64 x1, i64 y1, i64 x2, i64 y2, uint32_t color) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max<i64>(y1, 0);
    y2 = std::min<i64>(y2, bm->h - 1);
    for (i64 y = y1; y <= y2; ++y) span_on(bm, y, x1, x2, color);
}

static void draw_rect_on(VxBitmap *bm, i64 x1, i64 y1, i64 x2, i64 y2, uint32_t color) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    span_on(bm, y1, x1, x2, color);
    span_on(bm, y2, x1, x2, color);
    fill_rect_on(bm, x1, y1, x1, y2, color);
    fill_rect_on(bm, x2, y1, x2, y2, color);
}

void vxi_draw_line_on(VxBitmap *bm, int x1, int y1, int x2, int y2, uint32_t color) {
    if (bm) line_on(bm, x1, y1, x2, y2, color);
}
void vxi_fill_rect_on(VxBitmap *bm, int x1, int y1, int x2, int y2, uint32_t color) {
    if (bm) fill_rect_on(bm, x1, y1, x2, y2, color);
}
void vxi_draw_rect_on(VxBitmap *bm, int x1, int y1, int x2, int y2, uint32_t color) {
    if (bm) draw_rect_on(bm, x1, y1, x2, y2, color);
}

/* ---- Ellipses, arcs and pies ---- */

/*
 * In doubled coordinates relative to the centre, the pixel (px, py) has its
 * centre at X = 2 (px - x) + 1, Y = 2 (py - y) + 1 (both odd) and lies
 * inside when X^2 ry^2 + Y^2 rx^2 <= 4 rx^2 ry^2.  Row by row the inside
 * is a span symmetric about x: columns x - k - 1 .. x + k for the largest
 * k >= 0 with (2k + 1)^2 ry^2 <= rx^2 (4 ry^2 - Y^2).  With |X| <= 2 rx + 1
 * and radii below 2^31 every product fits in 128 bits.
 */
struct Ellipse {
    i64 x, y, rx, ry;
};

/* k for the row py, or -1 when the row holds no inside pixel. */
static i64 ellipse_half(const Ellipse &e, i64 py) {
    if (py < e.y - e.ry || py > e.y + e.ry - 1) return -1;
    const i128 Y = 2 * (py - e.y) + 1;
    const i128 rx2 = (i128)e.rx * e.rx, ry2 = (i128)e.ry * e.ry;
    const i128 rhs = rx2 * (4 * ry2 - Y * Y);
    if (rhs < ry2) return -1;
    auto fits = [&](i64 k) { return (i128)(2 * k + 1) * (2 * k + 1) * ry2 <= rhs; };
    /* A floating estimate, then exact correction. */
    double est = ((double)e.rx * std::sqrt(std::max(0.0, 4.0 - (double)(Y * Y) / (double)ry2)) - 1.0) / 2.0;
    i64 k = (i64)std::clamp(est, 0.0, (double)(e.rx - 1));
    while (k > 0 && !fits(k)) --k;
    while (k < e.rx - 1 && fits(k + 1)) ++k;
    return k;
}

/* The direction range of an arc, as radial vectors with y upwards. */
struct ArcRange {
    bool full;
    i64 sx, sy, ex, ey;
    bool wide; /* the range spans half a turn or more */
};

static constexpr double ARC_PI = 3.14159265359;

static ArcRange arc_range(int a1, int a2) {
    ArcRange r{};
    r.sx = (i64)(1000.0 * std::cos(a1 * ARC_PI / 180.0));
    r.sy = (i64)(1000.0 * std::sin(a1 * ARC_PI / 180.0));
    r.ex = (i64)(1000.0 * std::cos(a2 * ARC_PI / 180.0));
    r.ey = (i64)(1000.0 * std::sin(a2 * ARC_PI / 180.0));
    const i64 cross = r.sx * r.ey - r.sy * r.ex;
    const i64 dot = r.sx * r.ex + r.sy * r.ey;
    /* The same radial twice (the same point, or the same direction) is the
     * whole ellipse. */
    r.full = cross == 0 && dot > 0;
    r.wide = cross <= 0;
    return r;
}

/* Whether the doubled pixel centre (X, Y) (screen y down) lies in the
 * counter-clockwise range from the start radial to the end radial. */
static bool in_arc(const ArcRange &r, i64 X, i64 Y) {
    if (r.full) return true;
    const i64 vx = X, vy = -Y;
    if (!r.wide) return r.sx * vy - r.sy * vx >= 0 && vx * r.ey - vy * r.ex >= 0;
    /* Outside only when strictly inside the complementary range. */
    return !(r.ex * vy - r.ey * vx > 0 && vx * r.sy - vy * r.sx > 0);
}

/* Pixels lo..hi of row py that lie in the arc's range. */
static void arc_span_on(VxBitmap *bm, const Ellipse &e, const ArcRange &r, i64 py, i64 lo, i64 hi,
                        uint32_t color) {
    lo = std::max<i64>(lo, 0);
    hi = std::min<i64>(hi, bm->w - 1);
    if (lo > hi || py < 0 || py >= bm->h) return;
    if (r.full) {
        span_on(bm, py, lo, hi, color);
        return;
    }
    const i64 Y = 2 * (py - e.y) + 1;
    uint32_t *row = bm->px + py * bm->w;
    for (i64 px = lo; px <= hi; ++px)
        if (in_arc(r, 2 * (px - e.x) + 1, Y)) row[px] = color;
}

/* The outline (filled = false) or the whole inside of the ellipse, limited
 * to the arc's range. */
static void ellipse_on(VxBitmap *bm, const Ellipse &e, const ArcRange &r, bool filled,
                       uint32_t color) {
    if (e.rx <= 0 || e.ry <= 0) return;
    const i64 top = std::max<i64>(e.y - e.ry, 0);
    const i64 bottom = std::min<i64>(e.y + e.ry - 1, bm->h - 1);
    if (top > bottom) return;
    i64 up = ellipse_half(e, top - 1), here = ellipse_half(e, top);
    for (i64 py = top; py <= bottom; ++py) {
        const i64 down = ellipse_half(e, py + 1);
        if (here >= 0) {
            const i64 lo = e.x - here - 1, hi = e.x + here;
            if (filled) {
                arc_span_on(bm, e, r, py, lo, hi, color);
            } else {
                /* Inner pixels have both horizontal neighbours inside and
                 * lie within the narrower of the spans above and below. */
                const i64 k = std::min(up, down);
                const i64 ilo = std::max(lo + 1, e.x - k - 1);
                const i64 ihi = std::min(hi - 1, e.x + k);
                if (k < 0 || ilo > ihi) {
                    arc_span_on(bm, e, r, py, lo, hi, color);
                } else {
                    arc_span_on(bm, e, r, py, lo, ilo - 1, color);
                    arc_span_on(bm, e, r, py, ihi + 1, hi, color);
                }
            }
        }
        up = here;
        here = down;
    }
}

/* Where the radial (dx, dy) (y upwards) meets the ellipse, as a pixel
 * inside the ellipse's box. */
static void radial_end(const Ellipse &e, i64 dx, i64 dy, i64 *px, i64 *py) {
    const double fx = (double)dx / (double)e.rx, fy = (double)dy / (double)e.ry;
    const double t = 1.0 / std::sqrt(fx * fx + fy * fy);
    const double ex = std::floor((double)e.x + t * (double)dx);
    const double ey = std::floor((double)e.y - t * (double)dy);
    *px = (i64)std::clamp(ex, (double)(e.x - e.rx), (double)(e.x + e.rx - 1));
    *py = (i64)std::clamp(ey, (double)(e.y - e.ry), (double)(e.y + e.ry - 1));
}

static Ellipse make_ellipse(int x, int y, int rx, int ry) {
    /* A negative radius spans the same box as its absolute value. */
    return Ellipse{x, y, rx < 0 ? -(i64)rx : rx, ry < 0 ? -(i64)ry : ry};
}

static void arc_on(VxBitmap *bm, int x, int y, int rx, int ry, int a1, int a2, bool pie,
                   uint32_t color) {
    const Ellipse e = make_ellipse(x, y, rx, ry);
    if (e.rx == 0 || e.ry == 0) return;
    const ArcRange r = arc_range(a1, a2);
    ellipse_on(bm, e, r, pie, color);
    if (pie && !r.full) {
        i64 px, py;
        radial_end(e, r.sx, r.sy, &px, &py);
        line_on(bm, e.x, e.y, px, py, color);
        radial_end(e, r.ex, r.ey, &px, &py);
        line_on(bm, e.x, e.y, px, py, color);
    }
}

/* ---- Polygons ---- */

/* More vertices than any picture uses by far; a larger count is taken as
 * a broken call and draws nothing. */
static constexpr int POLYGON_MAX_POINTS = 65536;

/* Reused between calls: the crossings of one scanline. */
static std::vector<double> crossings;

static void polygon_on(VxBitmap *bm, int n, const VxPoint *pts, uint32_t color) {
    if (!pts || n < 2 || n > POLYGON_MAX_POINTS) return;
    i64 ymin = pts[0].y, ymax = pts[0].y;
    for (int i = 1; i < n; ++i) {
        ymin = std::min<i64>(ymin, pts[i].y);
        ymax = std::max<i64>(ymax, pts[i].y);
    }
    ymin = std::max<i64>(ymin, 0);
    ymax = std::min<i64>(ymax, bm->h - 1);
    if (crossings.size() < (size_t)n) crossings.resize(n);

    /* Even-odd fill of the pixel centres.  A centre row y + 0.5 never
     * passes through a vertex, so every crossing is counted once. */
    for (i64 py = ymin; py <= ymax; ++py) {
        const double yc = (double)py + 0.5;
        int nc = 0;
        for (int i = 0, j = n - 1; i < n; j = i++) {
            const double yi = pts[i].y, yj = pts[j].y;
            if ((yi < yc) == (yj < yc)) continue;
            const double xi = pts[i].x, xj = pts[j].x;
            crossings[nc++] = xi + (yc - yi) * (xj - xi) / (yj - yi);
        }
        std::sort(crossings.begin(), crossings.begin() + nc);
        for (int c = 0; c + 1 < nc; c += 2) {
            /* Centres px + 0.5 within [xa, xb]; clamp before converting. */
            const double lim = (double)bm->w + 1.0;
            const double xa = std::clamp(std::ceil(crossings[c] - 0.5), -1.0, lim);
            const double xb = std::clamp(std::floor(crossings[c + 1] - 0.5), -1.0, lim);
            span_on(bm, py, (i64)xa, (i64)xb, color);
        }
    }
    for (int i = 0, j = n - 1; i < n; j = i++)
        line_on(bm, pts[j].x, pts[j].y, pts[i].x, pts[i].y, color);
}

/* ---- Masked images ---- */

static void image_on(VxBitmap *bm, int x, int y, int w, int h, const VxBitmap *image,
                     const VxBitmap *mask) {
    if (!image || !image->px) return;
    i64 cw = std::min(w, image->w), ch = std::min(h, image->h);
    if (mask) {
        if (!mask->px) return;
        cw = std::min<i64>(cw, mask->w);
        ch = std::min<i64>(ch, mask->h);
    }
    /* Source rows/columns that land on the target. */
    const i64 sx0 = std::max<i64>(0, -(i64)x), sy0 = std::max<i64>(0, -(i64)y);
    const i64 sx1 = std::min<i64>(cw, (i64)bm->w - x), sy1 = std::min<i64>(ch, (i64)bm->h - y);
    if (sx0 >= sx1) return;
    const i64 cols = sx1 - sx0;
    for (i64 sy = sy0; sy < sy1; ++sy) {
        uint32_t *dst = bm->px + (y + sy) * bm->w + (x + sx0);
        const uint32_t *src = image->px + sy * image->w + sx0;
        if (mask) {
            /* The mask keeps the target where the image is transparent. */
            const uint32_t *msk = mask->px + sy * mask->w + sx0;
            for (i64 i = 0; i < cols; ++i) dst[i] = (dst[i] & msk[i]) | src[i];
        } else {
            /* Without a mask the image is opaque. */
            std::copy(src, src + cols, dst);
        }
    }
}

/* ---- The public operations ---- */

/* A plain form draws on the shown page and lets the window know; a _back
 * form draws on the hidden page only.  Before a window is opened there are
 * no pages and nothing is drawn. */

int vx_draw_point(int x, int y) {
    if (VxBitmap *bm = vxi_shown_page()) {
        point_on(bm, x, y, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_draw_point_back(int x, int y) {
    if (VxBitmap *bm = vxi_back_page()) point_on(bm, x, y, current_color);
    return 0;
}

int vx_draw_line(int x1, int y1, int x2, int y2) {
    if (VxBitmap *bm = vxi_shown_page()) {
        line_on(bm, x1, y1, x2, y2, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_draw_line_back(int x1, int y1, int x2, int y2) {
    if (VxBitmap *bm = vxi_back_page()) line_on(bm, x1, y1, x2, y2, current_color);
    return 0;
}

int vx_draw_rect(int x1, int y1, int x2, int y2) {
    if (VxBitmap *bm = vxi_shown_page()) {
        draw_rect_on(bm, x1, y1, x2, y2, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_draw_rect_back(int x1, int y1, int x2, int y2) {
    if (VxBitmap *bm = vxi_back_page()) draw_rect_on(bm, x1, y1, x2, y2, current_color);
    return 0;
}

int vx_fill_rect(int x1, int y1, int x2, int y2) {
    if (VxBitmap *bm = vxi_shown_page()) {
        fill_rect_on(bm, x1, y1, x2, y2, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_fill_rect_back(int x1, int y1, int x2, int y2) {
    if (VxBitmap *bm = vxi_back_page()) fill_rect_on(bm, x1, y1, x2, y2, current_color);
    return 0;
}

/* A circle is an arc whose radials coincide. */
int vx_draw_circle(int x, int y, int r) {
    if (VxBitmap *bm = vxi_shown_page()) {
        arc_on(bm, x, y, r, r, 0, 0, false, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_draw_circle_back(int x, int y, int r) {
    if (VxBitmap *bm = vxi_back_page()) arc_on(bm, x, y, r, r, 0, 0, false, current_color);
    return 0;
}

int vx_fill_circle(int x, int y, int r) {
    if (VxBitmap *bm = vxi_shown_page()) {
        arc_on(bm, x, y, r, r, 0, 0, true, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_fill_circle_back(int x, int y, int r) {
    if (VxBitmap *bm = vxi_back_page()) arc_on(bm, x, y, r, r, 0, 0, true, current_color);
    return 0;
}

int vx_draw_arc(int x, int y, int rx, int ry, int a1, int a2) {
    if (VxBitmap *bm = vxi_shown_page()) {
        arc_on(bm, x, y, rx, ry, a1, a2, false, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_draw_arc_back(int x, int y, int rx, int ry, int a1, int a2) {
    if (VxBitmap *bm = vxi_back_page()) arc_on(bm, x, y, rx, ry, a1, a2, false, current_color);
    return 0;
}

int vx_fill_arc(int x, int y, int rx, int ry, int a1, int a2) {
    if (VxBitmap *bm = vxi_shown_page()) {
        arc_on(bm, x, y, rx, ry, a1, a2, true, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_fill_arc_back(int x, int y, int rx, int ry, int a1, int a2) {
    if (VxBitmap *bm = vxi_back_page()) arc_on(bm, x, y, rx, ry, a1, a2, true, current_color);
    return 0;
}

int vx_fill_polygon(int n, const VxPoint pts[]) {
    if (VxBitmap *bm = vxi_shown_page()) {
        polygon_on(bm, n, pts, current_color);
        vxi_window_changed();
    }
    return 0;
}
int vx_fill_polygon_back(int n, const VxPoint pts[]) {
    if (VxBitmap *bm = vxi_back_page()) polygon_on(bm, n, pts, current_color);
    return 0;
}

int vx_draw_image(int x, int y, int w, int h, VxBitmap *image, VxBitmap *mask) {
    if (VxBitmap *bm = vxi_shown_page()) {
        image_on(bm, x, y, w, h, image, mask);
        vxi_window_changed();
    }
    return 0;
}
int vx_draw_image_back(int x, int y, int w, int h, VxBitmap *image, VxBitmap *mask) {
    if (VxBitmap *bm = vxi_back_page()) image_on(bm, x, y, w, h, image, mask);
    return 0;
}
