// Start-up and the screen frame.
#include "main.h"

#include "area.h"
#include "areas.h"
#include "command.h"
#include "console.h"
#include "map.h"
#include "scene.h"
#include "status.h"

#include "vexdraw.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

// The name and the help text the layer prints for -h and --help.
extern "C" const VxProgramInfo vx_program_info = {
    "keldary",
    "Usage: %s [OPTION]...\n"
    "Keldary of the House, a text adventure in a haunted mansion.\n"
    "\n"
    "Options:\n"
    "  --text              play in the terminal: type commands on standard input\n"
    "                      (romaji become kana as in the window; {F1} switches the\n"
    "                      input mode; an empty line answers [Return] prompts)\n"
    "  --headless          run without a window\n"
    "  --keys FILE         type the keys of the key script FILE (\"-\": standard input);\n"
    "                      needs --headless. The program ends when the script ends.\n"
    "  --screenshot FILE   write the last shown screen to FILE (PNG) when the program ends\n"
    "  --trace             copy the diagnostic console lines to standard error\n"
    "  -h, --help          show this help and exit\n"
    "\n"
    "Key scripts type each line key by key and then press Return. {Return}, {BackSpace},\n"
    "{Tab}, {Escape}, {Delete}, {Up}, {Down}, {Left}, {Right}, {PageUp}, {PageDown},\n"
    "{F1}...{F12} and {C-a}...{C-z} send special keys; a capital letter is typed with\n"
    "Shift; a line ending in {nr} is typed without the final Return; {shot FILE} writes\n"
    "a screenshot once every earlier key has been handled.\n",
};

namespace {

constexpr const char font_pattern[] =
    "-ricoh-mincho-medium-r-normal--%d-*-*-*-p-*-jisx0201.1976-*,"
    "-ricoh-mincho-medium-r-normal--%d-*-*-*-p-*-jisx0208.1983-*,"
    "-ricoh-mincho-medium-r-normal--%d-*-*-*-p-*-iso8859-*";

// The program directory, ending in "/".
char program_dir[4096];

void ignore_button(int, int, int) {}

// F2, F3 and F4: the minimap's visibility, corner and style.
void minimap_key(unsigned key) {
    switch (key) {
    case 65471: minimap_toggle_shown(); break;
    case 65472: minimap_next_loc(); break;
    case 65473: minimap_toggle_translucent(); break;
    default: return;
    }
    scene_redraw();
}


}  // namespace

const char *find_program_dir(const char *path) {
    if (!path) return nullptr;
    const char *slash = std::strrchr(path, '/');
    if (slash) {
        size_t n = static_cast<size_t>(slash - path) + 1;
        if (n >= sizeof program_dir) return nullptr;
        std::memcpy(program_dir, path, n);
        program_dir[n] = '\0';
        return program_dir;
    }
    const char *env = std::getenv("PATH");
    if (!env) return nullptr;
    std::string dirs = env;
    size_t start = 0;
    for (;;) {
        size_t colon = dirs.find(':', start);
        std::string dir = dirs.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        std::string candidate = dir + "/" + path;
        if (access(candidate.c_str(), R_OK) == 0 && dir.size() + 2 <= sizeof program_dir) {
            std::snprintf(program_dir, sizeof program_dir, "%s/", dir.c_str());
            return program_dir;
        }
        if (colon == std::string::npos) return nullptr;
        start = colon + 1;
    }
}

void draw_scene_frame() {
    vx_set_color(255, 255, 255);
    vx_draw_rect(19, 7, 621, 329);
    vx_set_color(0, 0, 0);
    vx_fill_rect(20, 8, 620, 328);
    vx_set_color(255, 255, 255);
    area_draw_picture(get_cur_area());
    minimap_draw();
}

void game_wire_modules() {
    area_set_table(places_table());
    scene_set_painter(draw_scene_frame);
    console_set_hooks({execute_command, minimap_key, scene_refresh});
}

void redraw_screen() {
    scene_redraw();
    console_redraw();
}

void game_init(int argc, char *argv[]) {
    const char *dir = find_program_dir(argc > 0 ? argv[0] : nullptr);
    game_wire_modules();
    vx_set_font_size(16);
    vx_set_button_press_callback(ignore_button);
    vx_set_font(font_pattern);
    console_init();
    init_command();
    area_check_ids();
    minimap_init();
    status_init(dir);
    go_to_title();
    redraw_screen();
}

int main(int argc, char *argv[]) {
    vx_open_window(640, 480);
    game_init(argc, argv);
    vx_main_loop();
    return 0;
}
