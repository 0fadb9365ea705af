/*
 * Shared declarations between the units of the Vexdraw layer.  Programs use
 * vexdraw.h only; this header is for the layer itself, its hosts and tests.
 */
#ifndef VX_INTERNAL_H
#define VX_INTERNAL_H

#define VX_MAIN_HANDLED
#include "sjis.h"
#include "vexdraw.h"

#include <cstdint>
#include <string>

/* A 32-bit bitmap, one 0x00RRGGBB word per pixel, rows top to bottom. */
struct VxBitmap {
    int w;
    int h;
    uint32_t *px;
};

VxBitmap *vxi_bitmap_new(int w, int h); /* cleared to black */
void vxi_bitmap_free(VxBitmap *bm);

/* ---- Window state (window.cpp) ---- */
VxBitmap *vxi_shown_page(void);   /* what the window shows */
VxBitmap *vxi_back_page(void);    /* the hidden page */
void vxi_window_changed(void);    /* the shown page was drawn on */
int vxi_client_width(void);
int vxi_client_height(void);
const char *vxi_program_dir(void); /* without trailing "/" */
void vxi_set_program_dir_from_exe(const char *exe_path);
/* Why the window could not be opened: one line for the player, set by the
 * host ("" when nothing was said). */
void vxi_set_startup_error(const char *why);
const char *vxi_startup_error(void);
void vxi_post_quit(void);          /* the window is gone: the loop returns */
int vxi_quit_posted(void);
void vxi_destroy_window(void);     /* the "destroy" message */
void vxi_close_request(void);      /* close box, Alt+F4, menu command 0: asks */
void vxi_question_answered(int yes); /* yes closes the window */
void vxi_close_without_question(void); /* end of a key script */
void vxi_menu_command(int id);     /* 0 quit, 2 console toggle */
int vxi_console_shown(void);
/* Delivers every queued key event to the callbacks, as the loop would one
 * per turn (tests). */
void vxi_run_queued_keys(void);
void vxi_set_final_screenshot(const char *path);
int vxi_layer_startup(const char *exe_path, const char *raw_command_line); /* -1: no window */
void vxi_layer_shutdown(void);     /* after the program's main returned */

/* ---- Drawing state (draw.cpp) ---- */
uint32_t vxi_current_color(void);
void vxi_reset_color(void);        /* white, as vx_open_window does */
void vxi_fill_bitmap(VxBitmap *bm, uint32_t color);
/* Raw primitives on one target, used by the layer's own painting. */
void vxi_draw_line_on(VxBitmap *bm, int x1, int y1, int x2, int y2, uint32_t color);
void vxi_fill_rect_on(VxBitmap *bm, int x1, int y1, int x2, int y2, uint32_t color);
void vxi_draw_rect_on(VxBitmap *bm, int x1, int y1, int x2, int y2, uint32_t color);
int vxi_colour_table_count(void);

/* ---- Text (text.cpp) ---- */
int vxi_font_size(void);
void vxi_reset_font(void);         /* size 16 */
/* Draws Shift-JIS text with the cell's top-left at (x, top). Returns the
 * width in pixels. size is 14 or 16. */
int vxi_draw_text_on(VxBitmap *bm, int x, int top, const char *text, int size, uint32_t color);
int vxi_text_width(const char *text, int size);

/* ---- Diagnostic console and log (console.cpp) ---- */
void vxi_set_trace(int on);        /* copy console text and log lines to stderr */
/* Logs "Error: " + the text and tells stderr, like vx_error, but leaves the
 * window open: for faults the program can run on after. */
int vxi_report_error(const char *format, ...) __attribute__((format(printf, 1, 2)));
/* Paints the console ring into a 568 x 358 bitmap. */
void vxi_console_paint(VxBitmap *bm);
const char *vxi_console_line(int i); /* i = 0 oldest .. 24 current */
void vxi_console_reset(void);

/* ---- Settings (ini.cpp) ---- */
void vxi_ini_clear(void);
int vxi_ini_has(const char *section, const char *key);
/* 1 when the entry's text in the file was a plain integer (values stored
 * by the program always are); 0 for "2x", "" or a missing entry. */
int vxi_ini_is_number(const char *section, const char *key);

/* ---- The quit question (question.cpp) ---- */
/* Drawn by the layer over the client area while open; keys and clicks go
 * to it instead of the program.  An answer closes it and calls
 * vxi_question_answered. */
void vxi_question_open(void);
void vxi_question_close(void);
int vxi_question_is_open(void);
void vxi_question_rect(int *x, int *y, int *w, int *h); /* client coordinates */
/* A host key pressed while the question is open: 1 (it is the question's). */
int vxi_question_key(int host_key);
/* Pointer at client (x, y): 1 when the look changed. */
int vxi_question_pointer(int x, int y);
void vxi_question_button(int x, int y, int button, int down);
/* Paints the question into bm, whose client origin lies at (ox, oy). */
void vxi_question_paint(VxBitmap *bm, int ox, int oy);

/* ---- Status text, window icon, screenshots (desktop.cpp) ---- */
#define VX_ZOOM_MAX 6 /* the largest integer zoom of a window */
const char *vxi_mode_text(void);  /* Shift-JIS, at most 31 bytes */
const VxBitmap *vxi_icon(void);     /* 64 x 64, or nullptr */
/* Shrinks the rectangle (x1,y1)-(x2,y2) of page, inside it and clipped by
 * the caller, into the square bitmap out by averaging, kept in proportion
 * and centred on black; each average is multiplied by gain (at most 255). */
void vxi_shrink_rect(const VxBitmap *page, int x1, int y1, int x2, int y2, VxBitmap *out, unsigned gain);
void vxi_desktop_reset(void);
/* The XDG pictures folder ($XDG_PICTURES_DIR, then user-dirs.dirs), else
 * the home folder, else the program directory. */
std::string vxi_pictures_dir(void);
/* Writes the shown page there and says where on the diagnostic console. */
int vxi_screenshot_to_pictures(void);

/* ---- Where the settings file and the log live (locations.cpp) ---- */
/* Chooses the places at start-up: beside the program when beside_program
 * (its directory is writable), else under the XDG directories named after
 * the program (vxi_program_name), creating them; one warning on stderr when
 * one cannot be written. Then trims the log. */
void vxi_locate_files(int beside_program);
/* $XDG_CONFIG_HOME or $XDG_STATE_HOME (variable; HOME/home_fallback when it
 * is unset or relative) + "/" + the program's name, created 0700 with its
 * parents; "" when there is none or it cannot be written. */
std::string vxi_xdg_dir(const char *variable, const char *home_fallback);
const char *vxi_ini_path(void);   /* "" when there is none */
int vxi_ini_writable(void);       /* 0: settings are not saved this run */
const char *vxi_log_path(void);   /* "" when no log is kept */
/* Cuts a log grown past 64 KiB back to its newest 32 KiB, whole lines. */
void vxi_trim_log(void);

/* ---- XPM images (xpm.cpp) ---- */
void vxi_free_images(void);

/* ---- Shift-JIS helpers (sjis.cpp) ---- */
/* Converts to UTF-8 for hosts that speak it (window titles, message boxes,
 * terminal, browser); an unconvertible character becomes "?". Table-based:
 * code page 932 as glibc's iconv has it. */
std::string vxi_sjis_to_utf8(const char *sjis);
std::string vxi_utf8_to_sjis(const char *utf8);
/* Decodes the UTF-8 character at s (left bytes): its length, or -1 when
 * the bytes are not UTF-8 (overlong forms and surrogates included). */
int vxi_utf8_decode(const char *s, size_t left, uint32_t *cp);
/* Plain terminal play: lines given by vx_transcript_wrapped are joined with
 * the next one into one paragraph. */
void vxi_set_plain_transcript(int on);
/* The Shift-JIS bytes of one character into out: 1 or 2, 0 when it has
 * none. */
int vxi_unicode_to_sjis(uint32_t cp, char out[2]);

/* ---- PNG output (png.cpp) ---- */
int vxi_write_png(const char *path, const VxBitmap *bm);

/* ---- Input state and key translation (input.cpp) ---- */
/* Held state of a modifier's two keys: bit 0 left, bit 1 right. */
struct VxModifiers {
    unsigned char shift;
    unsigned char control;
    unsigned char alt;
};
enum {
    VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
    VK_MENU = 18, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
    VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39,
    VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46, VK_NUMPAD0 = 96,
    VK_SEPARATOR = 108, VK_F1 = 112, VK_F10 = 121, VK_F12 = 123,
    VK_LSHIFT = 160, VK_RSHIFT = 161, VK_LCONTROL = 162, VK_RCONTROL = 163,
    VK_LMENU = 164, VK_RMENU = 165, VK_OEM_MINUS = 189
};
#define VX_KEY_QUEUE_SIZE 16

void vxi_input_init(void);           /* builds the translation tables */
void vxi_input_reset(void);          /* empties queue, maps and states */
/* Host key events: k is a host key code (the generic 16/17/18 for the
 * modifiers); held is the side state of the modifiers after the event. */
void vxi_host_key_down(int k, VxModifiers held);
void vxi_host_key_up(int k, VxModifiers held);
void vxi_host_button(int x, int y, int button, int down);
/* A key that types a keysym no host key sends (an input method's
 * character, VX_KEY_CLOSE): queues its press and release. */
void vxi_host_keysym(unsigned keysym);
/* Pointer moved to client (x, y) (the quit question's hover). */
void vxi_host_pointer(int x, int y);
/* The mouse wheel: steps > 0 away from the user.  Each step is a press
 * and release of Page Up (away) or Page Down (towards). */
void vxi_host_wheel(int steps);
int vxi_key_queue_empty(void);
int vxi_key_queue_pop(unsigned *keysym, int *down);
int vxi_button_pending(int down, int *x, int *y, int *button); /* takes it */
int vxi_host_key_for_keysym(unsigned keysym);  /* -1 when none */
/* Finds a host key and shift state that send the given keysym (for key
 * scripts); returns 0 and fills both, or -1. */
int vxi_key_for_char(unsigned keysym, int *host_key, int *shifted);

/* The program's name for messages on stderr, set by the entry. */
void vxi_set_program_name(const char *name);
const char *vxi_program_name(void);

#endif /* VX_INTERNAL_H */
