// Shared between the units of terminal play.
#ifndef VX_TERM_INTERNAL_H
#define VX_TERM_INTERNAL_H

#include "vx_internal.h"

#include <cstdint>
#include <string>
#include <vector>

// ---- Pictures (pictures.cpp) ----
// An RGB image, one 0x00RRGGBB word per pixel, rows top to bottom.
struct VxtImage {
    int w = 0;
    int h = 0;
    std::vector<uint32_t> px;
};

// The rectangle (x, y, w, h) of bm, clipped to it.
VxtImage vxt_crop(const VxBitmap *bm, int x, int y, int w, int h);
// img shrunk to w x h (never enlarged): each new pixel takes the brightest
// value of each channel in the pixels it covers, so that one-pixel lines
// survive.
VxtImage vxt_shrink(const VxtImage &img, int w, int h);
// A sixel image (DCS ... ST) with one palette entry per colour (up to 256;
// more are reduced to black and white).
std::string vxt_sixel(const VxtImage &img);
// A kitty graphics image, shown scaled into cols x rows cells.
std::string vxt_kitty(const VxtImage &img, int cols, int rows);
// Text art, one line per row of cells, each line ending in "\n": braille
// (2 x 4 dots a cell) or half blocks (1 x 2 a cell). A dot is set where
// the pixel is brighter than dark grey.
std::string vxt_braille(const VxtImage &img);
std::string vxt_half_blocks(const VxtImage &img);

// ---- Terminal queries (detect.cpp) ----
struct VxtTermSize {
    int cols = 80, rows = 24;       // cells
    int cell_w = 0, cell_h = 0;     // pixels of a cell; 0 when unknown
};
VxtTermSize vxt_term_size(void);
// What a terminal answered to the device-attributes, kitty graphics and
// cell-size queries within timeout_ms. Needs standard input and output to
// be the terminal. What the player typed meanwhile is left in typed.
struct VxtTermReply {
    bool answered = false;  // the device attributes came back
    bool sixel = false;
    bool kitty = false;
    int cell_w = 0, cell_h = 0;
};
VxtTermReply vxt_query_terminal(int timeout_ms, std::string &typed);
// Reads the answers out of the bytes a terminal sent; complete: the device
// attributes came; rest: the bytes that belong to no answer.
VxtTermReply vxt_parse_reply(const std::string &bytes, bool *complete, std::string *rest);
// The picture mode for auto from a reply and the TERM / TERM_PROGRAM hints.
int vxt_choose_mode(const VxtTermReply &reply, const char *term, const char *term_program);

// ---- Line editor (line_editor.cpp) ----
enum VxtRead { VXT_LINE, VXT_CANCELLED, VXT_CLOSE, VXT_END };
// Opens the editor on standard input and output; history_path ("" for
// none) holds the whole-line history between sessions; typed: keys typed
// before, read first.
bool vxt_editor_open(const std::string &history_path, const std::string &typed);
// Reads one line (UTF-8, without its line end). too_long: more was typed
// than a line holds, and the rest was dropped.
VxtRead vxt_editor_read(const std::string &prompt, std::string &line, bool &too_long);
void vxt_editor_close(void);

// ---- Shared state (term.cpp) ----
// Set by the signal handlers.
bool vxt_end_requested(void);
bool vxt_take_resized(void);
bool vxt_take_interrupted(void);
// Shows a refusal on standard error (UTF-8, one line).
void vxt_refuse(const char *utf8_message);
extern const char *const vxt_msg_control;
extern const char *const vxt_msg_not_utf8;
// The longest line read, in bytes.
constexpr size_t VXT_LINE_MAX = 4096;

#endif
