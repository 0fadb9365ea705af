// The minimap: the visited areas of the current floor and an arrow for the
// player, drawn in a corner of the scene picture.
#include "map.h"

#include "area.h"
#include "game_assert.h"
#include "status.h"

#include "vexdraw.h"

#include <cstdlib>

namespace {

constexpr int MAP_COMMAND_MAX = 8; // four coords each

struct map_info {
    int area;
    int floor; // 0 basement and caves, 1 ground floor and grounds, 2 upper floor
    char commands[12]; // "b" rectangle, "l" line
    int coords[MAP_COMMAND_MAX * 4];
    int marker_x; // 0: the centre of the first command
    int marker_y;
    int marker_dir; // 0 up, 1 down, 2 right, 3 left, 4 up-right, 5 up-left, 6 down-left
};

constexpr map_info map_table[] = {
    {ai_mailbox, 1, "", {}, 1, 158, 4},
    {ai_opened_window, 1, "", {}, 184, 86, 0},
    {ai_washtub, 1, "", {}, 224, 56, 3},
    {ai_backdoor, 1, "", {}, 224, 36, 3},
    {ai_under_tree, 1, "", {}, 182, 24, 1},
    {ai_garden, 1, "", {}, 102, 58, 3},
    {ai_entrance, 1, "bl", {150, 80, 174, 90, 158, 79, 166, 79}, 0, 0, 0},
    {ai_entrance_hall, 1, "blll",
     {150, 60, 174, 80, 158, 59, 166, 59, 149, 74, 149, 78, 175, 74, 175, 78}, 0, 74, 0},
    {ai_corridor_1f_fl, 1, "llll",
     {126, 72, 126, 80, 126, 80, 150, 80, 134, 72, 150, 72, 140, 71, 144, 71}, 146, 76, 3},
    {ai_guestroom_1f, 1, "b", {134, 52, 150, 72}, 0, 66, 0},
    {ai_corridor_1f_bl, 1, "lllll",
     {126, 52, 126, 72, 126, 52, 134, 52, 134, 52, 134, 72, 125, 58, 125, 62, 128, 51, 132, 51},
     130, 68, 0},
    {ai_playroom, 1, "b", {110, 52, 126, 80}, 120, 0, 3},
    {ai_living, 1, "bl", {110, 32, 150, 52, 149, 34, 149, 38}, 0, 46, 0},
    {ai_dining, 1, "bl", {150, 32, 174, 60, 175, 34, 175, 38}, 0, 54, 0},
    {ai_kitchen, 1, "bl", {174, 32, 190, 52, 189, 34, 189, 38}, 0, 44, 0},
    {ai_corridor_1f_br, 1, "llll",
     {190, 32, 190, 52, 198, 32, 198, 52, 190, 32, 198, 32, 199, 34, 199, 38}, 194, 48, 0},
    {ai_laundry, 1, "bl", {198, 32, 218, 48, 217, 34, 217, 38}, 204, 0, 2},
    {ai_corridor_1f_mr, 1, "llll",
     {190, 52, 190, 72, 198, 52, 198, 80, 190, 80, 198, 80, 199, 58, 199, 62}, 194, 68, 0},
    {ai_storage, 1, "b", {198, 48, 218, 80}, 204, 0, 2},
    {ai_corridor_1f_fr, 1, "lll", {174, 72, 190, 72, 174, 80, 190, 80, 180, 71, 184, 71}, 178, 76, 2},
    {ai_bathroom, 1, "b", {174, 52, 190, 72}, 0, 66, 0},
    {ai_landing, 2, "bl", {150, 60, 174, 72, 158, 59, 166, 59}, 0, 0, 0},
    {ai_corridor_2f_c, 2, "lll", {150, 52, 174, 52, 150, 60, 174, 60, 162, 51, 166, 51}, 164, 57, 0},
    {ai_boys_room, 2, "b", {156, 32, 174, 52}, 0, 46, 0},
    {ai_bed, 2, "", {}, 166, 40, 2},
    {ai_corridor_2f_l, 2, "llllll",
     {134, 52, 150, 52, 134, 60, 150, 60, 134, 52, 134, 60, 140, 51, 144, 51, 140, 61, 144, 61,
      133, 54, 133, 58},
     148, 56, 3},
    {ai_girls_room, 2, "bl", {134, 32, 156, 52, 133, 34, 133, 38}, 0, 46, 0},
    {ai_guestroom_2f, 2, "b", {134, 60, 150, 80}, 0, 66, 1},
    {ai_music_room, 2, "bll", {110, 32, 134, 60, 111, 44, 111, 48, 112, 61, 116, 61}, 128, 0, 3},
    {ai_balcony, 2, "b", {102, 32, 110, 80}, 0, 0, 3},
    {ai_balcony_down, 2, "", {}, 102, 56, 3},
    {ai_bathroom_2f, 2, "b", {110, 60, 134, 80}, 0, 66, 1},
    {ai_corridor_2f_cr, 2, "lll", {174, 52, 190, 52, 174, 60, 190, 60, 180, 51, 184, 51}, 176, 56, 2},
    {ai_ladys_room, 2, "b", {174, 32, 190, 52}, 0, 46, 0},
    {ai_wardrobe, 2, "", {}, 178, 36, 2},
    {ai_study, 2, "bll", {174, 60, 190, 80, 189, 74, 189, 78, 180, 61, 184, 61}, 0, 66, 1},
    {ai_corridor_2f_r, 2, "lllll",
     {190, 52, 206, 52, 190, 60, 206, 60, 206, 52, 206, 60, 196, 51, 200, 51, 196, 61, 200, 61},
     192, 56, 2},
    {ai_bedroom, 2, "b", {190, 32, 206, 52}, 0, 46, 0},
    {ai_library, 2, "b", {190, 60, 218, 80}, 210, 0, 3},
    {ai_bookshelf, 2, "", {}, 200, 74, 1},
    {ai_secret_room, 2, "bb", {206, 32, 218, 52, 210, 53, 214, 59}, 212, 46, 0},
    {ai_cellar, 0, "bl", {198, 32, 218, 56, 206, 55, 210, 55}, 208, 36, 1},
    {ai_boiler_room, 0, "b", {198, 56, 218, 80}, 208, 60, 1},
    {ai_corridor_0f, 0, "llllll",
     {198, 40, 162, 38, 162, 38, 120, 66, 120, 66, 94, 68, 198, 48, 164, 46, 164, 46, 120, 74,
      120, 74, 88, 76},
     162, 42, 6},
    {ai_temple, 0, "llllllll",
     {50, 30, 65, 25, 65, 25, 90, 40, 90, 40, 95, 65, 95, 65, 85, 80, 85, 80, 50, 75, 50, 75,
      35, 50, 35, 50, 40, 35, 40, 35, 50, 30},
     88, 70, 5},
    {ai_cave_entrance, 0, "llll", {75, 30, 85, 20, 85, 20, 87, 12, 81, 33, 91, 21, 91, 21, 93, 12},
     81, 28, 6},
    {ai_cave, 0, "llll", {75, 30, 85, 20, 85, 20, 87, 12, 81, 33, 91, 21, 91, 21, 93, 12}, 83, 26, 4},
    {ai_cliff, 0, "", {}, 90, 8, 1},
};
constexpr int MAP_RECORDS = sizeof map_table / sizeof map_table[0];
static_assert(MAP_RECORDS == 48);

struct offset {
    int x, y;
};
constexpr offset minimap_offsets[] = {{22, 10}, {378, 10}, {378, 166}, {22, 166}};
constexpr int MINIMAP_LOCS = sizeof minimap_offsets / sizeof minimap_offsets[0];

int map_index[ai_end]; // record index per area, -1 for none

int minimap_shown = 1;
int minimap_loc = 1;
int minimap_translucent = 1;

// The current corner's offset, added to every minimap coordinate.
int ox, oy;

void line(int x1, int y1, int x2, int y2) { vx_draw_line(x1 + ox, y1 + oy, x2 + ox, y2 + oy); }
void rect(int x1, int y1, int x2, int y2) { vx_draw_rect(x1 + ox, y1 + oy, x2 + ox, y2 + oy); }

void draw_record(const map_info &rec) {
    for (int i = 0; i < MAP_COMMAND_MAX && rec.commands[i]; ++i) {
        const int *c = &rec.coords[i * 4];
        switch (rec.commands[i]) {
        case 'b': rect(c[0], c[1], c[2], c[3]); break;
        case 'l': line(c[0], c[1], c[2], c[3]); break;
        default:
            vx_printf("unknown map command %c(%d)\n", rec.commands[i], rec.commands[i]);
            std::exit(1);
        }
    }
}

void draw_marker(const map_info &rec) {
    int cx = rec.marker_x > 0 ? rec.marker_x : (rec.coords[0] + rec.coords[2]) / 2;
    int cy = rec.marker_y > 0 ? rec.marker_y : (rec.coords[1] + rec.coords[3]) / 2;
    GAME_ASSERT(rec.marker_dir >= 0 && rec.marker_dir <= 6);
    switch (rec.marker_dir) {
    case 0: // up
        line(cx, cy - 3, cx, cy + 3);
        line(cx, cy - 3, cx - 2, cy - 1);
        line(cx, cy - 3, cx + 2, cy - 1);
        break;
    case 1: // down
        line(cx, cy - 3, cx, cy + 3);
        line(cx, cy + 3, cx - 2, cy + 1);
        line(cx, cy + 3, cx + 2, cy + 1);
        break;
    case 2: // right
        line(cx - 3, cy, cx + 3, cy);
        line(cx + 3, cy, cx + 1, cy - 2);
        line(cx + 3, cy, cx + 1, cy + 2);
        break;
    case 3: // left
        line(cx - 3, cy, cx + 3, cy);
        line(cx - 3, cy, cx - 1, cy - 2);
        line(cx - 3, cy, cx - 1, cy + 2);
        break;
    case 4: // up-right
        line(cx - 2, cy + 2, cx + 2, cy - 2);
        line(cx, cy - 2, cx + 2, cy - 2);
        line(cx + 2, cy - 2, cx + 2, cy);
        break;
    case 5: // up-left
        line(cx - 2, cy - 2, cx + 2, cy + 2);
        line(cx, cy - 2, cx - 2, cy - 2);
        line(cx - 2, cy - 2, cx - 2, cy);
        break;
    case 6: // down-left
        line(cx - 2, cy + 2, cx + 2, cy - 2);
        line(cx, cy + 2, cx - 2, cy + 2);
        line(cx - 2, cy + 2, cx - 2, cy);
        break;
    }
}

} // namespace

void minimap_init() {
    for (int &ix : map_index) ix = -1;
    for (int i = 0; i < MAP_RECORDS; ++i) map_index[map_table[i].area] = i;
}

void minimap_draw() {
    int area = get_cur_area();
    if (!minimap_shown || area < ai_mailbox || area >= ai_end) return;
    // Areas without a record (the temple ceiling, the working screen) have
    // no floor to show.
    if (map_index[area] < 0) return;
    const map_info &cur = map_table[map_index[area]];
    ox = minimap_offsets[minimap_loc].x;
    oy = minimap_offsets[minimap_loc].y;

    if (minimap_translucent) {
        vx_set_color(128, 128, 128);
    } else {
        vx_set_color(0, 0, 0);
        vx_fill_rect(ox, oy, 240 + ox, 160 + oy);
        vx_set_color(255, 255, 255);
    }
    rect(-1, -1, 241, 161);
    for (const map_info &rec : map_table)
        if (rec.floor == cur.floor && area_is_visited(rec.area)) draw_record(rec);
    draw_marker(cur);
    if (cur.floor < 2) { // the coast
        line(0, 8, 72, 12);
        line(72, 12, 160, 10);
        line(160, 10, 240, 16);
    }
    if (cur.floor > 0) rect(110, 32, 218, 80); // the house
}

void minimap_toggle_shown() { minimap_shown = !minimap_shown; }

void minimap_next_loc() {
    minimap_loc = (minimap_loc + 1) % MINIMAP_LOCS;
    vx_printf("minimap_loc:%d\n", minimap_loc);
}

void minimap_toggle_translucent() { minimap_translucent = !minimap_translucent; }
