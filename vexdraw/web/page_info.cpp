// What the desktop build does in png.cpp and term/, as a page does it:
// screenshots are the canvas itself (asking the layer for one fails
// cleanly); the program's status text becomes the page's title and the
// picture's caption the canvas's accessible description, for screen
// readers as in plain terminal play.
#include "vx_internal.h"

#include <emscripten.h>

#include <string>

namespace {

EM_JS(void, js_set_title, (const char *utf8), {
    if (typeof document === 'undefined') return;
    const s = UTF8ToString(utf8);
    document.title = "Keldary of the House" + (s ? " - " + s : "");
});

EM_JS(void, js_set_caption, (const char *utf8), {
    if (typeof document === 'undefined') return;
    const c = document.getElementById('canvas');
    if (c) c.setAttribute('aria-label', UTF8ToString(utf8));
});

}  // namespace

int vxi_write_png(const char *, const VxBitmap *) { return -1; }

int vx_save_screenshot(const char *) { return -1; }

// Only terminal play shows a prompt of its own.
int vx_set_prompt_callback(const char *(*)(void)) { return 0; }

int vx_set_picture_area(int, int, int w, int h) { return w <= 0 || h <= 0 ? -1 : 0; }

int vx_set_picture_caption(const char *text) {
    js_set_caption(vxi_sjis_to_utf8(text ? text : "").c_str());
    return 0;
}

int vx_set_status_text(const char *text) {
    js_set_title(vxi_sjis_to_utf8(text ? text : "").c_str());
    return 0;
}
