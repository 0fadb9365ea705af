// Start-up, the screen frame and the small file-system helpers.
#pragma once

void game_init(int argc, char *argv[]);
// Connects the layers: the table of places, the scene's painter and the
// console's hooks. game_init does it first; tools that draw without
// starting the game call it themselves.
void game_wire_modules();

// The picture side: frame, the current area's picture and the minimap.
void draw_scene_frame();
// draw_scene_frame, then the console box.
void redraw_screen();

// The directory of the program named by path (argv[0]), ending in "/", or
// nullptr when none is found. The result lives in one static buffer.
const char *find_program_dir(const char *path);
