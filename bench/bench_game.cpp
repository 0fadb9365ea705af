// The game's own speed on the headless layer: one typed key in hiragana
// mode, one command from Return to the redrawn screen, and each scene
// picture of the grounds and the ground floor. The headless layer copies
// every console line to standard output; run with --benchmark_out=FILE and
// standard output to /dev/null to read the figures.
#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "headless/key_script.h"
#include "input_mode.h"
#include "main.h"
#include "map.h"
#include "noun.h"
#include "status.h"
#include "test_support.h"
#include "vx_internal.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Starts the layer and the game once, as the program does, with HOME and
// the program directory in a temp dir; the game then stands on the title.
void start_game() {
    static bool started = false;
    if (started) return;
    std::string dir = vxtest::temp_dir("game-bench");
    setenv("HOME", dir.c_str(), 1);
    vxtest::open_headless(640, 480, dir);
    std::string exe = dir + "/keldary";
    char *argv[] = {exe.data(), nullptr};
    game_init(1, argv);
    started = true;
}

// A new game in English, moved straight to an area.
void new_game_in(int area) {
    start_game();
    set_input_mode(0);
    start_new_game();
    area_perform_move();
    set_cur_area(area);
    flag_set(F_VISITED_BASE + area);
}

// The host key events of a script line, grouped key by key (a key ends
// with its release).
std::vector<std::vector<VxScriptEvent>> parse_keys(const std::string &line) {
    std::vector<VxScriptEvent> events;
    std::string error;
    vx_parse_key_script_line(line, events, error);
    std::vector<std::vector<VxScriptEvent>> keys(1);
    for (const VxScriptEvent &e : events) {
        keys.back().push_back(e);
        if (e.kind == VxScriptEvent::KEY_UP) keys.emplace_back();
    }
    if (keys.back().empty()) keys.pop_back();
    return keys;
}

void press(const std::vector<VxScriptEvent> &key) {
    for (const VxScriptEvent &e : key) {
        if (e.kind == VxScriptEvent::KEY_DOWN) vxi_host_key_down(e.key, e.held);
        if (e.kind == VxScriptEvent::KEY_UP) vxi_host_key_up(e.key, e.held);
        vxi_run_queued_keys();
    }
}

// One key typed on the command line in hiragana mode: romaji conversion,
// the input line and the console box redrawn. The keys cycle through
// "k", "a" (which makes か) and BackSpace, so the line never grows.
void BM_TypeKeyHiragana(benchmark::State &state) {
    new_game_in(ai_entrance_hall);
    set_input_mode(1);
    std::vector<std::vector<VxScriptEvent>> keys = parse_keys("ka{BackSpace}{nr}");
    size_t i = 0;
    for (auto _ : state) {
        press(keys[i]);
        i = (i + 1) % keys.size();
    }
    set_input_mode(0);
}
BENCHMARK(BM_TypeKeyHiragana);

// A command as the interpreter runs it after Return: parse, the area's
// handler, the printed reply, the living room's turn hook and the redrawn
// scene (frame, picture and minimap).
// One command from Return to the redrawn screen, as the player's Return
// runs it: echo, parse, dispatch, turn hook, move, scene and console.
void command(benchmark::State &state, int area) {
    new_game_in(area);
    flag_set(14); // the telephone no longer rings
    set_input_mode(0);
    for (auto _ : state) {
        line_append("look");
        console_key_handler(13);
    }
}

void BM_CommandLookWithPicture(benchmark::State &state) { command(state, ai_living); }
BENCHMARK(BM_CommandLookWithPicture);

// The test room's picture is a few shapes (about 7 µs): this is what the
// interpreter, the console and the minimap cost on their own.
void BM_CommandLookWithoutPicture(benchmark::State &state) { command(state, ai_working); }
BENCHMARK(BM_CommandLookWithoutPicture);

// Of that, the picture side without the picture: frame, fill and minimap.
void BM_FrameAndMinimap(benchmark::State &state) {
    new_game_in(ai_living);
    for (auto _ : state) {
        vx_set_color(255, 255, 255);
        vx_draw_rect(19, 7, 621, 329);
        vx_set_color(0, 0, 0);
        vx_fill_rect(20, 8, 620, 328);
        vx_set_color(255, 255, 255);
        minimap_draw();
    }
}
BENCHMARK(BM_FrameAndMinimap);

// One scene picture in the flag state of a new game. The frame is filled
// once: drawing costs the same whatever the pixels below hold.
void BM_ScenePicture(benchmark::State &state) {
    int area = static_cast<int>(state.range(0));
    new_game_in(ai_mailbox);
    vx_set_color(0, 0, 0);
    vx_fill_rect(20, 8, 620, 328);
    vx_set_color(255, 255, 255);
    for (auto _ : state) area_draw_picture(area);
}
BENCHMARK(BM_ScenePicture)->ArgName("area")->DenseRange(ai_title, ai_landing)->Arg(ai_working);

}  // namespace
