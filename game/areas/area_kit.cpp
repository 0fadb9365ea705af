// The shared kit of the area units: handler and drawing idioms.
#include "area_kit.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "game_assert.h"
#include "message.h"
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

int take_exit(const area_exit *exits, int n, int vid) {
    for (int i = 0; i < n; ++i) {
        const area_exit &e = exits[i];
        if (e.vid != vid) continue;
        if (e.locked_until != NO_FLAG && flag_test_not(e.locked_until)) {
            msg_door_locked();
            return 1;
        }
        if (e.handle_unlocks != NO_FLAG && flag_test_not(e.handle_unlocks)) {
            msg_handle_unlocks();
            flag_set(e.handle_unlocks);
        }
        if (e.door == NO_FLAG)
            area_request_move(e.area);
        else
            door_move(e.area, e.door);
        return 1;
    }
    return 0;
}

int exit_or_look(const area_exit *exits, int n, int vid, void (*look_around)()) {
    if (vid == vi_look) {
        look_around();
        return 1;
    }
    return take_exit(exits, n, vid);
}

int unknown_noun(int nid, int *noun_here) {
    if (nid != ni_wall && nid != ni_floor && nid != ni_ceiling) *noun_here = 0;
    return 0;
}

int corridor_noun(int vid, int nid, int *noun_here, std::initializer_list<int> doors) {
    switch (nid) {
    case ni_room:
    case ni_corridor:
        return room_noun(vid, noun_here);
    case ni_door:
        msg_several_doors(doors);
        return 1;
    default:
        return unknown_noun(nid, noun_here);
    }
}

int one_door_room_noun(int vid, int nid, int *noun_here) {
    switch (nid) {
    case ni_room:
        return room_noun(vid, noun_here);
    case ni_door:
    case ni_back_door:
        return door_noun(vid, vi_backward, nullptr, noun_here);
    default:
        return unknown_noun(nid, noun_here);
    }
}

int kept_door_noun(int vid, const kept_door &door, int *noun_here) {
    switch (vid) {
    case vi_open:
        flag_clear_once(door.shut_flag, door.opened, door.already_open);
        return 1;
    case vi_close:
        flag_set_once(door.shut_flag, door.shut, door.already_shut);
        return 1;
    case vi_push:
    case vi_pull:
        return redispatch(door.direction, noun_here);
    case vi_look:
        message(flag_test(door.shut_flag) ? door.looks_shut : door.looks_open);
        return 1;
    default:
        return 0;
    }
}

void key_thief_flies_off() {
    if (flag_test_not(F_KEY_SNATCHED)) return;
    message("廊下に出ると、何かちいさなものが階段の方へ飛び去った。それはそのまま階下へと姿を消した。");
    fseq_proceed(SEQ_GOLDEN_KEY);
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

bool is_handling(int vid, bool altering) {
    switch (vid) {
    case vi_examine:
    case vi_get:
    case vi_use:
    case vi_touch:
    case vi_push:
    case vi_pull:
    case vi_move:
    case vi_open:
    case vi_close:
    case vi_enter:
    case vi_hit:
    case vi_kick:
    case vi_break:
    case vi_read:
        return true;
    case vi_put:
    case vi_remove:
    case vi_turn:
    case vi_erase:
        return altering;
    default:
        return false;
    }
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
    GAME_ASSERT(n <= MAX_POINTS && div != 0);
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

void wall_line(wall_point_fn wall, int x1, int h1, int x2, int h2) {
    VxPoint a = wall(x1, h1), b = wall(x2, h2);
    vx_draw_line(a.x, a.y, b.x, b.y);
}

namespace {

// The standing armour around the point between its feet, at unit scale 270 tall: helmet, crest,
// mask, shoulder guards, breastplate, skirt, greaves and the sword raised to the right.
constexpr VxPoint armour_crest[] = {{-6, -252}, {-30, -292}, {-22, -292}, {0, -258}, {22, -292}, {30, -292}, {6, -252}};
constexpr VxPoint armour_neck_guard[] = {{-30, -236}, {30, -236}, {46, -206}, {-46, -206}};
constexpr VxPoint armour_mask[] = {{-14, -226}, {14, -226}, {12, -200}, {0, -194}, {-12, -200}};
constexpr VxPoint armour_shoulder_left[] = {{-32, -198}, {-70, -192}, {-80, -130}, {-42, -138}};
constexpr VxPoint armour_shoulder_right[] = {{32, -198}, {70, -192}, {80, -130}, {42, -138}};
constexpr VxPoint armour_body[] = {{-34, -200}, {34, -200}, {40, -122}, {-40, -122}};
constexpr VxPoint armour_skirt[] = {{-44, -124}, {44, -124}, {58, -62}, {-58, -62}};
constexpr VxPoint armour_leg_left[] = {{-32, -64}, {-10, -64}, {-12, -6}, {-34, -6}};
constexpr VxPoint armour_leg_right[] = {{10, -64}, {32, -64}, {34, -6}, {12, -6}};
constexpr VxPoint armour_arms[] = {{-42, -176}, {-12, -150}, {12, -150}, {42, -176}, {40, -140}, {14, -126}, {-14, -126}, {-40, -140}};
constexpr VxPoint armour_blade[] = {{2, -150}, {64, -290}, {70, -288}, {8, -146}};

// The seated armour around the middle of its base, at unit scale.
constexpr VxPoint seated_legs[] = {{-50, 0}, {-56, -14}, {-40, -30}, {40, -30}, {56, -14}, {50, 0}};
constexpr VxPoint seated_skirt[] = {{-40, -58}, {40, -58}, {50, -24}, {-50, -24}};
constexpr VxPoint seated_body[] = {{-30, -112}, {30, -112}, {34, -56}, {-34, -56}};
constexpr VxPoint seated_shoulder_left[] = {{-28, -110}, {-58, -104}, {-64, -66}, {-36, -72}};
constexpr VxPoint seated_shoulder_right[] = {{28, -110}, {58, -104}, {64, -66}, {36, -72}};
constexpr VxPoint seated_neck_guard[] = {{-24, -136}, {24, -136}, {38, -112}, {-38, -112}};
constexpr VxPoint seated_crest[] = {{-5, -150}, {-24, -178}, {-18, -178}, {0, -156}, {18, -178}, {24, -178}, {5, -150}};
constexpr VxPoint seated_mask[] = {{-12, -130}, {12, -130}, {10, -112}, {0, -106}, {-10, -112}};
constexpr VxPoint seated_sword[] = {{-74, -40}, {74, -46}, {74, -41}, {-74, -35}};

}  // namespace

void draw_standing_armour(const Place &p, int side, bool trimmed) {
    p.shape(armour_leg_left);
    p.shape(armour_leg_right);
    if (trimmed) {
        p.line(-34, -6, -38, 0);
        p.line(-38, 0, -8, 0);
        p.line(34, -6, 38, 0);
        p.line(38, 0, 8, 0);
    }
    p.shape(armour_skirt);
    for (int v = -112; v < -62; v += 12) p.line(-46 - (v + 124) / 5, v, 46 + (v + 124) / 5, v);
    for (int u = -22; u <= 22; u += 22) p.line(u, -124, u + u / 4, -62);
    p.shape(armour_body);
    for (int v = -188; v < -124; v += 10) p.line(-36, v, 36, v);
    p.shape(armour_shoulder_left);
    p.shape(armour_shoulder_right);
    for (int v = -180; v < -134; v += 12) {
        p.line(-36, v + 4, -74, v + 10);
        p.line(36, v + 4, 74, v + 10);
    }
    p.shape(armour_neck_guard);
    if (trimmed) p.line(-38, -222, 38, -222);
    occlude_ellipse(p.px(0), p.py(-240), p.len(24), p.len(18));
    p.shape(armour_crest);
    p.shape(armour_mask);
    p.line(-9, -216, -3, -214);
    p.line(3, -214, 9, -216);
    if (trimmed) p.line(-8, -204, 8, -204);
    // The blade mirrored to the side the sword is raised on.
    VxPoint blade[4];
    for (int i = 0; i < 4; ++i) blade[i] = {armour_blade[i].x * side, armour_blade[i].y};
    p.shape(blade);
    p.shape(armour_arms);
    occlude_ellipse(p.px(4 * side), p.py(-152), p.len(8), p.len(4));
    if (trimmed) p.line(-4 * side, -126, 4 * side, -150);
}

void draw_seated_armour(const Place &p) {
    p.shape(seated_legs);
    p.shape(seated_skirt);
    for (int v = -50; v < -24; v += 8) p.line(-42 - (v + 58) / 3, v, 42 + (v + 58) / 3, v);
    p.shape(seated_body);
    for (int v = -102; v < -58; v += 9) p.line(-32, v, 32, v);
    p.shape(seated_shoulder_left);
    p.shape(seated_shoulder_right);
    p.shape(seated_neck_guard);
    black();
    vx_fill_arc(p.px(0), p.py(-142), p.len(20), p.len(14), 0, 360);
    white();
    vx_draw_arc(p.px(0), p.py(-142), p.len(20), p.len(14), 0, 360);
    p.shape(seated_crest);
    p.shape(seated_mask);
    p.line(-7, -124, -2, -122);
    p.line(2, -122, 7, -124);
    p.shape(seated_sword);
    black();
    vx_fill_arc(p.px(-22), p.py(-40), p.len(8), p.len(6), 0, 360);
    vx_fill_arc(p.px(22), p.py(-43), p.len(8), p.len(6), 0, 360);
    white();
    vx_draw_arc(p.px(-22), p.py(-40), p.len(8), p.len(6), 0, 360);
    vx_draw_arc(p.px(22), p.py(-43), p.len(8), p.len(6), 0, 360);
}
