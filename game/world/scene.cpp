// The scene's dirty mark and the painter the program set.
#include "scene.h"

namespace {

void paint_nothing() {}

void (*painter)() = paint_nothing;
bool dirty = true;

}  // namespace

void scene_set_painter(void (*paint)()) { painter = paint ? paint : paint_nothing; }

void scene_invalidate() { dirty = true; }

bool scene_dirty() { return dirty; }

void scene_refresh() {
    if (dirty) scene_redraw();
}

void scene_redraw() {
    dirty = false;
    painter();
}
