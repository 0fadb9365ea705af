// Start-up, the screen frame and the small file-system helpers.
#pragma once

void game_init(int argc, char *argv[]);

// The picture side: frame, the current area's picture and the minimap.
void draw_scene_frame();
// draw_scene_frame, then the console box.
void redraw_screen();

// The directory of the program named by path (argv[0]), ending in "/", or
// nullptr when none is found. The result lives in one static buffer.
const char *find_program_dir(const char *path);
// 0 on success, -1 on failure.
int make_directory(const char *path);
// Nonzero when path exists and is a directory.
int is_directory(const char *path);
