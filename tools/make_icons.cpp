// Draws the game's icons from its own title picture: the title area is drawn
// without a window, exactly as the game draws it, the mansion on the cliff
// is cut out as a square and scaled down to each size.
//   make_icons OUT_DIR SIZE...   writes OUT_DIR/<N>x<N>/apps/keldary.png
#include "area.h"
#include "host.h"
#include "main.h"
#include "map.h"
#include "status.h"
#include "vx_internal.h"

#include <algorithm>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int TITLE_AREA = 0;
constexpr int MAX_SIZE = 1024;

// The squares of the title picture to scale down: the mansion with its
// tower and the moon for large icons; the smaller the icon, the closer the
// crop (the house front, then the gabled wing), so that its lines stay
// visible.
struct Crop {
    int below_size; // used for icons smaller than this
    int x, y, side;
};
constexpr Crop CROPS[] = {{20, 404, 110, 96}, {32, 402, 104, 112}, {48, 404, 84, 150}, {MAX_SIZE + 1, 398, 8, 224}};

Crop crop_for(int size) {
    for (const Crop &c : CROPS)
        if (size < c.below_size) return c;
    return CROPS[std::size(CROPS) - 1];
}

bool make_dirs(const std::string &path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        struct stat st;
        if (stat(part.c_str(), &st) != 0 && mkdir(part.c_str(), 0755) != 0) return false;
        if (slash == std::string::npos) return true;
    }
}

// Shrinks the crop by averaging, as the layer makes the window's icon, then
// stretches the brightness: thin white lines on black would fade to grey at
// small sizes, so the brighter part of the lit pixels (from the 75th
// percentile up) becomes white and the rest is scaled along.
VxBitmap *scale_down(const VxBitmap *page, Crop crop, int size) {
    VxBitmap *icon = vxi_bitmap_new(size, size);
    vxi_shrink_rect(page, crop.x, crop.y, crop.x + crop.side - 1, crop.y + crop.side - 1, icon, 1);
    std::vector<uint32_t> lit;
    for (int i = 0; i < size * size; ++i)
        if (icon->px[i] & 0xFF) lit.push_back(icon->px[i] & 0xFF);
    if (lit.empty()) return icon;
    std::sort(lit.begin(), lit.end());
    const uint32_t white = lit[lit.size() * 3 / 4];
    for (int i = 0; i < size * size; ++i) {
        uint32_t c = std::min<uint32_t>(255, (icon->px[i] & 0xFF) * 255 / white);
        icon->px[i] = c << 16 | c << 8 | c;
    }
    return icon;
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    std::string out = argv[1];
    // The layer keeps its settings and log beside the "program": a scratch
    // directory of the tool's own.
    std::string scratch = out + "/.layer";
    if (!make_dirs(scratch)) {
        std::fprintf(stderr, "%s: cannot create %s\n", argv[0], scratch.c_str());
        return 1;
    }
    vxi_set_host(vx_headless_host());
    std::string exe = scratch + "/make_icons";
    if (vxi_layer_startup(exe.c_str(), exe.c_str()) != 0) return 1;
    vx_open_window(640, 480);
    minimap_init();
    game_wire_modules();
    status_init(nullptr);
    status_reset();
    set_cur_area(TITLE_AREA);
    draw_scene_frame();
    const VxBitmap *page = vxi_shown_page();

    int status = 0;
    for (int i = 2; i < argc; ++i) {
        int size = std::atoi(argv[i]);
        if (size < 1 || size > MAX_SIZE) {
            std::fprintf(stderr, "%s: bad size %s\n", argv[0], argv[i]);
            return 2;
        }
        std::string dir = out + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        VxBitmap *icon = scale_down(page, crop_for(size), size);
        if (!make_dirs(dir) || vxi_write_png((dir + "/keldary.png").c_str(), icon) != 0) {
            std::fprintf(stderr, "%s: cannot write %s/keldary.png\n", argv[0], dir.c_str());
            status = 1;
        }
        vxi_bitmap_free(icon);
    }
    return status;
}
