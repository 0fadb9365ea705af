// The minimap: a floor plan of the visited areas in a corner of the picture.
#pragma once

void minimap_init();
void minimap_draw();
void minimap_toggle_shown();
void minimap_next_loc();
void minimap_toggle_translucent();
