// The scene: the picture side of the screen (frame, picture and minimap).
// Changes to the world state mark it dirty and never draw; the interpreter
// redraws it once at the end of a command, and the console after a
// Return-wait key. The program that knows how to paint it sets the painter.
#pragma once

void scene_set_painter(void (*paint)());
void scene_invalidate();
bool scene_dirty();
// Paints the scene when it is dirty.
void scene_refresh();
// Paints the scene now.
void scene_redraw();
