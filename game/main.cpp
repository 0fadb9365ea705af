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

// The name and the help text the layer prints for -h and --help, and the
// version the build gives (the project's) for --version.
extern "C" const VxProgramInfo vx_program_info = {
    "keldary",
    "Usage: %s [OPTION]...\n"
    "Keldary of the House, a text adventure in a haunted mansion.\n"
    "\n"
    "Options:\n"
    "  --text              play in the terminal: type commands on standard input\n"
    "                      (romaji or kana; {F1} switches the input mode; an empty\n"
    "                      line answers [Return] prompts)\n"
    "  --pictures=MODE     how --text draws the pictures on a terminal: auto (the\n"
    "                      default: asks the terminal), sixel, kitty, blocks (braille\n"
    "                      text), off\n"
    "  --plain             with --text, for screen readers: no pictures, status or\n"
    "                      escape sequences; each reply as one paragraph, and a\n"
    "                      sentence describing each new picture\n"
    "  --headless          run without a window\n"
    "  --keys FILE         type the keys of the key script FILE (\"-\": standard input);\n"
    "                      needs --headless. The program ends when the script ends.\n"
    "  --screenshot FILE   write the last shown screen to FILE (PNG) when the program ends\n"
    "  --trace             copy the diagnostic console and log lines to standard error\n"
    "  -h, --help          show this help and exit\n"
    "      --version       show the version and exit\n"
    "\n"
    "Key scripts type each line key by key and then press Return. {Return}, {BackSpace},\n"
    "{Tab}, {Escape}, {Delete}, {Up}, {Down}, {Left}, {Right}, {PageUp}, {PageDown},\n"
    "{F1}...{F12} and {C-a}...{C-z} send special keys; a capital letter is typed with\n"
    "Shift; a line ending in {nr} is typed without the final Return; {shot FILE} writes\n"
    "a screenshot once every earlier key has been handled.\n"
    "\n"
    "Terminal play: on a terminal, lines are edited as in a shell (arrows, Home,\n"
    "End, Up and Down for earlier commands, kept in $XDG_STATE_HOME/keldary/history);\n"
    "Ctrl-C cancels the line, Ctrl-D on an empty line asks whether to quit (a second\n"
    "Ctrl-D quits), F1 to F4 type {F1} to {F4}. The title shows the place and score.\n",
    KELDARY_VERSION,
};

namespace {

constexpr const char font_pattern[] =
    "-ricoh-mincho-medium-r-normal--%d-*-*-*-p-*-jisx0201.1976-*,"
    "-ricoh-mincho-medium-r-normal--%d-*-*-*-p-*-jisx0208.1983-*,"
    "-ricoh-mincho-medium-r-normal--%d-*-*-*-p-*-iso8859-*";

// The program directory, ending in "/".
char program_dir[4096];

void ignore_button(int, int, int) {}

// F2, F3 and F4: the minimap's visibility, corner and style; the
// terminal's request to end (Ctrl-D on an empty line): the quit question.
void function_key(unsigned key) {
    switch (key) {
    case VX_KEY_CLOSE: ask_quit(); return;
    case 65471: minimap_toggle_shown(); break;
    case 65472: minimap_next_loc(); break;
    case 65473: minimap_toggle_translucent(); break;
    default: return;
    }
    scene_redraw();
}

// What a terminal shows besides the picture: the place and the score in
// its status line, the place's description in place of the picture.
void tell_terminal() {
    const area_info *a = area_record(get_cur_area());
    if (!a) return;
    int total = 0;
    int got = score_points(&total);
    char text[160];
    std::snprintf(text, sizeof text, "%s　得点 %d/%d", a->name, got, total);
    vx_set_status_text(text);
    vx_set_picture_caption(a->description);
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
    tell_terminal();
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
    console_set_hooks({execute_command, function_key, scene_refresh, prefer_typed_line, undo_key});
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
    vx_set_picture_area(19, 7, 603, 323); // the picture frame, outline included
    console_init();
    init_command();
    area_check_ids();
    minimap_init();
    status_init(dir);
    go_to_title();
    redraw_screen();
    // The house on the cliff under the moon, from the title picture.
    vx_set_icon_from_screen(400, 8, 620, 228);
}

int main(int argc, char *argv[]) {
    vx_open_window(640, 480);
    game_init(argc, argv);
    vx_main_loop();
    return 0;
}
