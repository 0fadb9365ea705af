// Draws one area's scene picture with chosen flags into a PNG, for looking
// at the pictures while drawing them:
//   picture_tool OUT.png AREA [FLAG...]      (a FLAG of "s" runs sequence 0)
#include "area.h"
#include "main.h"
#include "map.h"
#include "status.h"
#include "test_support.h"
#include "vx_internal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT.png AREA [FLAG...]\n", argv[0]);
        return 2;
    }
    vxtest::open_headless(640, 480, vxtest::temp_dir("picture_tool"));
    minimap_init();
    game_wire_modules();
    status_init(nullptr);
    status_reset();
    int area = std::atoi(argv[2]);
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "s") == 0)
            fseq_start(0);
        else
            flag_set(std::atoi(argv[i]));
    }
    set_cur_area(area);
    draw_scene_frame();
    if (vx_save_screenshot(argv[1]) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
