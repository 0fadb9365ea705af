// The small shared kit the area units are written with: the handler idioms
// every place repeats, and the drawing idioms of the scene pictures.
#pragma once

#include "vexdraw.h"

#include <initializer_list>

// ---- Handlers ----

constexpr int NO_FLAG = -1;

// A way out of a place that needs no code: the direction, where it leads
// and, for a door, its flag (set when walked through, and the walk is
// told). A door locked from this side stays shut until its lock flag is
// set; a door locked from the other side is unlocked by its handle here on
// the way through. The exits of a place are a small table of these.
struct area_exit {
    int vid;
    int area;
    int door = NO_FLAG;
    int locked_until = NO_FLAG;
    int handle_unlocks = NO_FLAG;
};
// Takes the exit in direction vid: 1, or 0 when the place has none that way.
int take_exit(const area_exit *exits, int n, int vid);
// No noun: vid takes an exit, or look calls look_around; other verbs are left to the common replies.
int exit_or_look(const area_exit *exits, int n, int vid, void (*look_around)());
template <int N> int take_exit(const area_exit (&exits)[N], int vid) { return take_exit(exits, N, vid); }
template <int N> int exit_or_look(const area_exit (&exits)[N], int vid, void (*look_around)()) {
    return exit_or_look(exits, N, vid, look_around);
}
// The end of a place's noun switch: the walls, the floor and the ceiling
// are in every place, for the common replies to answer; any other noun is
// not here.
int unknown_noun(int nid, int *noun_here);
// The end of a corridor's noun switch: "room" and "corridor" answer look
// and exit as they do without a noun, "door" says there are several and
// names the corridor's doors with their words, the rest as unknown_noun.
int corridor_noun(int vid, int nid, int *noun_here, std::initializer_list<int> doors);
// The end of the noun switch of a room whose one door is behind: "room" as
// in a corridor, "door" and "back door" walk out backward when opened, the
// rest as unknown_noun.
int one_door_room_noun(int vid, int nid, int *noun_here);

// Calls the current area's handler again with verb vid and no noun.
int redispatch(int vid, int *noun_here);
// Whether vid walks through a door: open, push and pull.
bool opens_door(int vid);
// A fixture's look: prints text and answers 1; other verbs are left to the common replies.
int look_reply(int vid, const char *text);
// A door noun: opening verbs walk in direction; look prints description (none if nullptr).
int door_noun(int vid, int direction, const char *description, int *noun_here);
// "room" (or "corridor"): look and exit answer as they do without a noun.
int room_noun(int vid, int *noun_here);
// A door that stays as it is left, its flag set while it is shut: open
// and close tell it with this side's texts, push and pull walk through it
// in direction, look says how it stands.
struct kept_door {
    int shut_flag;
    int direction;
    const char *opened, *already_open, *shut, *already_shut;
    const char *looks_open, *looks_shut;
};
int kept_door_noun(int vid, const kept_door &door, int *noun_here);
// Stepping out into the upper corridor just after the golden key was
// snatched: the thief is seen flying off downstairs.
void key_thief_flies_off();
// Prints the noun's own description.
void describe(int nid);
// An item lying here while present and not carried: look describes it, get takes it.
int lying_item(int vid, int nid, bool present, int taken_flag, int *noun_here);
// Whether vid handles a thing (examine, take, touch, move, open, strike...); altering adds put, remove, turn, erase.
bool is_handling(int vid, bool altering = false);

// ---- Pictures ----

void white(); // sets the colour to white
void black(); // sets the colour to black

// The edges of a closed outline, each point to the next and the last to the first.
void outline(const VxPoint *p, int n);
// The edges of an open outline, each point to the next.
void polyline(const VxPoint *p, int n);
// An occluder: the silhouette filled black, then its edges in white.
void occlude(const VxPoint *p, int n);
// An occluder from a table around (0, 0), scaled by mul / div and placed at (x, y).
void occlude_at(const VxPoint *shape, int n, int x, int y, int mul, int div);
// A rectangle as an occluder: filled black, outlined white.
void occlude_rect(int x1, int y1, int x2, int y2);
// A full ellipse as an occluder.
void occlude_ellipse(int x, int y, int rx, int ry);
// A circle as an occluder.
void occlude_circle(int x, int y, int r);

template <int N> void outline(const VxPoint (&p)[N]) { outline(p, N); }
template <int N> void polyline(const VxPoint (&p)[N]) { polyline(p, N); }
template <int N> void occlude(const VxPoint (&p)[N]) { occlude(p, N); }
template <int N> void occlude_at(const VxPoint (&p)[N], int x, int y, int mul = 1, int div = 1) {
    occlude_at(p, N, x, y, mul, div);
}

// The one-point perspective room: the back wall and its corners joined to the frame's.
void draw_room_box(int left, int top, int right, int bottom);
// A rail round the room: across the back wall at y, out to frame_y at the frame's sides.
void draw_rail(int left, int right, int y, int frame_y);
// Floor lines from the back wall's foot y at x1, x1 + step, ... below x2, fanned by num / den.
void draw_floor_boards(int x1, int x2, int step, int y, int num, int den);
// A glass rectangle divided evenly into cols by rows panes.
void draw_panes(int x1, int y1, int x2, int y2, int cols, int rows);
// A window: the frame's rectangle with the panes inset inside it.
void draw_paned_window(int x1, int y1, int x2, int y2, int inset, int cols, int rows);
// A hanging lamp at x: the cord from top to cord_end, a half-ellipse shade on base line y.
void draw_hanging_lamp(int x, int top, int cord_end, int y, int rx, int ry);
// The ground: black from top to the frame's foot, its wavering edge in white.
void draw_ground(const VxPoint *edge, int n, int top);
template <int N> void draw_ground(const VxPoint (&edge)[N], int top) { draw_ground(edge, N, top); }

// A point on the left wall of the room box (back wall left, top, bottom): screen x, h per mille up.
constexpr VxPoint left_wall_point(int left, int top, int bottom, int x, int h) {
    int t = 7 + (x - 19) * (top - 7) / (left - 19);
    int b = 329 - (x - 19) * (329 - bottom) / (left - 19);
    return {x, b - (b - t) * h / 1000};
}
// The same on the right wall (the box is symmetric about x 320).
constexpr VxPoint right_wall_point(int left, int top, int bottom, int x, int h) {
    return {x, left_wall_point(left, top, bottom, 640 - x, h).y};
}

// A door in a side wall; x are screen x, h and y heights per mille above the floor.
struct side_door {
    int frame_x1, frame_x2, frame_h;                              // the frame, from the floor
    int leaf_x1, leaf_x2, leaf_h;                                 // the leaf inside it
    int panel_x1, panel_x2, panel_y, panel_h, panel_step, panels; // panels, bottom up
    int knob_x, knob_h;                                           // the knob
};
using wall_point_fn = VxPoint (*)(int x, int h);
// Draws the side door d on the wall whose points wall gives: frame (an occluder), leaf, panels, knob.
void draw_side_door(wall_point_fn wall, const side_door &d);
// A line between two points of a side wall (screen x, height per mille).
void wall_line(wall_point_fn wall, int x1, int h1, int x2, int h2);

// Lines and shapes placed around (x, y) and scaled by mul / div, like occlude_at.
struct Place {
    int x, y, mul, div;
    int px(int u) const { return x + u * mul / div; }
    int py(int v) const { return y + v * mul / div; }
    int len(int d) const { return d * mul / div; }
    void line(int x1, int y1, int x2, int y2) const { vx_draw_line(px(x1), py(y1), px(x2), py(y2)); }
    template <int N> void shape(const VxPoint (&p)[N]) const { occlude_at(p, x, y, mul, div); }
};
// The suit of armour standing, p at its feet, sword raised to side (1 right, -1 left); trimmed adds feet, rims, hilt.
void draw_standing_armour(const Place &p, int side, bool trimmed);
// The suit of armour seated, p at the middle of its base.
void draw_seated_armour(const Place &p);
