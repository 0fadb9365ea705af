// The shared kit of the area units: handler and drawing idioms.
#include "area_kit.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "game_assert.h"
#include "noun.h"
#include "status.h"

// ---- Handlers ----

int redispatch(int vid, int *noun_here) { return area_call_handler(get_cur_area(), vid, ni_invalid, noun_here); }

bool opens_door(int vid) { return vid == vi_open || vid == vi_push || vid == vi_pull; }

int look_reply(int vid, const char *text) {
    if (vid != vi_look) return 0;
    message(text);
    return 1;
}

int door_noun(int vid, int direction, const char *description, int *noun_here) {
    if (opens_door(vid)) return redispatch(direction, noun_here);
    return description ? look_reply(vid, description) : 0;
}

int room_noun(int vid, int *noun_here) {
    if (vid == vi_look || vid == vi_exit) return redispatch(vid, noun_here);
    return 0;
}

int leave_or_look(int vid, int area, int door_flag, void (*look_around)()) {
    if (vid == vi_backward) {
        door_move(area, door_flag);
        return 1;
    }
    if (vid == vi_look) {
        look_around();
        return 1;
    }
    return 0;
}

void describe(int nid) { message("%s", noun_description(nid)); }

int lying_item(int vid, int nid, bool present, int taken_flag, int *noun_here) {
    if (!present || has_item(nid)) {
        *noun_here = 0;
        return 0;
    }
    if (vid == vi_look) {
        describe(nid);
        return 1;
    }
    if (vid == vi_get) {
        take_item(nid, taken_flag);
        return 1;
    }
    return 0;
}

// ---- Pictures ----

void white() { vx_set_color(-1, -1, -1); }
void black() { vx_set_color(0, 0, 0); }

void outline(const VxPoint *p, int n) {
    for (int i = 0; i < n; ++i) vx_draw_line(p[i].x, p[i].y, p[(i + 1) % n].x, p[(i + 1) % n].y);
}

void polyline(const VxPoint *p, int n) {
    for (int i = 0; i + 1 < n; ++i) vx_draw_line(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y);
}

void occlude(const VxPoint *p, int n) {
    black();
    vx_fill_polygon(n, p);
    white();
    outline(p, n);
}

void occlude_at(const VxPoint *shape, int n, int x, int y, int mul, int div) {
    constexpr int MAX_POINTS = 64;
    GAME_ASSERT("area_kit", n <= MAX_POINTS && div != 0);
    VxPoint p[MAX_POINTS];
    for (int i = 0; i < n; ++i) p[i] = {x + shape[i].x * mul / div, y + shape[i].y * mul / div};
    occlude(p, n);
}

void occlude_rect(int x1, int y1, int x2, int y2) {
    black();
    vx_fill_rect(x1, y1, x2, y2);
    white();
    vx_draw_rect(x1, y1, x2, y2);
}

void occlude_ellipse(int x, int y, int rx, int ry) {
    black();
    vx_fill_arc(x, y, rx, ry, 0, 360);
    white();
    vx_draw_arc(x, y, rx, ry, 0, 360);
}

void occlude_circle(int x, int y, int r) {
    black();
    vx_fill_circle(x, y, r);
    white();
    vx_draw_circle(x, y, r);
}

void draw_room_box(int left, int top, int right, int bottom) {
    vx_draw_rect(left, top, right, bottom);
    vx_draw_line(left, top, 19, 7);
    vx_draw_line(right, top, 621, 7);
    vx_draw_line(left, bottom, 19, 329);
    vx_draw_line(right, bottom, 621, 329);
}

void draw_rail(int left, int right, int y, int frame_y) {
    vx_draw_line(left, y, right, y);
    vx_draw_line(left, y, 19, frame_y);
    vx_draw_line(right, y, 621, frame_y);
}

void draw_floor_boards(int x1, int x2, int step, int y, int num, int den) {
    for (int x = x1; x < x2; x += step) vx_draw_line(x, y, 320 + (x - 320) * num / den, 329);
}

void draw_panes(int x1, int y1, int x2, int y2, int cols, int rows) {
    vx_draw_rect(x1, y1, x2, y2);
    for (int i = 1; i < cols; ++i) {
        int x = x1 + (x2 - x1) * i / cols;
        vx_draw_line(x, y1, x, y2);
    }
    for (int i = 1; i < rows; ++i) {
        int y = y1 + (y2 - y1) * i / rows;
        vx_draw_line(x1, y, x2, y);
    }
}

void draw_paned_window(int x1, int y1, int x2, int y2, int inset, int cols, int rows) {
    vx_draw_rect(x1, y1, x2, y2);
    draw_panes(x1 + inset, y1 + inset, x2 - inset, y2 - inset, cols, rows);
}

void draw_hanging_lamp(int x, int top, int cord_end, int y, int rx, int ry) {
    vx_draw_line(x, top, x, cord_end);
    black();
    vx_fill_arc(x, y, rx, ry, 0, 180);
    white();
    vx_draw_arc(x, y, rx, ry, 0, 180);
    vx_draw_line(x - rx, y, x + rx, y);
}

void draw_ground(const VxPoint *edge, int n, int top) {
    black();
    vx_fill_rect(20, top, 620, 328);
    white();
    polyline(edge, n);
}

void draw_side_door(wall_point_fn wall, const side_door &d) {
    const VxPoint frame[] = {wall(d.frame_x1, 0), wall(d.frame_x1, d.frame_h), wall(d.frame_x2, d.frame_h),
                             wall(d.frame_x2, 0)};
    const VxPoint leaf[] = {wall(d.leaf_x1, 0), wall(d.leaf_x1, d.leaf_h), wall(d.leaf_x2, d.leaf_h),
                            wall(d.leaf_x2, 0)};
    occlude(frame);
    outline(leaf);
    for (int i = 0; i < d.panels; ++i) {
        int h = d.panel_y + i * d.panel_step;
        const VxPoint p[] = {wall(d.panel_x1, h), wall(d.panel_x1, h + d.panel_h), wall(d.panel_x2, h + d.panel_h),
                             wall(d.panel_x2, h)};
        outline(p);
    }
    VxPoint knob = wall(d.knob_x, d.knob_h);
    vx_draw_arc(knob.x, knob.y, 2, 4, 0, 360);
}
