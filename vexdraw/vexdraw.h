/*
 * Vexdraw: a small X11-flavoured graphics layer.
 *
 * The layer owns the process entry.  A program includes this header and
 * defines an ordinary `int main(int argc, char *argv[])`; the macro below
 * renames it so that the layer's own entry (library `vexdraw_main`) can set
 * up the window, the settings file and the host before calling it, in the
 * manner of SDL_main.  Define VX_MAIN_HANDLED before including this header
 * in a unit that must keep a real `main` of its own.
 *
 * Every operation returns 0, or -1 on failure, unless stated otherwise.
 * Text is Shift-JIS (code page 932).
 */
#ifndef VEXDRAW_H
#define VEXDRAW_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    int x;
    int y;
} VxPoint;

/* What a program tells the layer about itself. The program defines this
 * object; the layer's entry reads it before calling main. usage is printed
 * by -h/--help, with "%s" standing for the command as it was typed;
 * --version prints the name and the version. */
typedef struct {
    const char *name;
    const char *usage;
    const char *version;
} VxProgramInfo;
extern const VxProgramInfo vx_program_info;

/* An off-screen bitmap of the window's pixel format (opaque). */
typedef struct VxBitmap VxBitmap;

/* An image read by vx_read_xpm; height 0 marks a failed read. */
typedef struct {
    int width;
    int height;
    VxBitmap *image;
    VxBitmap *mask;
} VxImage;

typedef void (*VxButtonCallback)(int x, int y, int button);
typedef void (*VxKeyCallback)(unsigned keysym);
typedef void (*VxTimerCallback)(void);

/* ---- Window, callbacks and the event loop ---- */
int vx_open_window(int width, int height);
int vx_main_loop(void);
int vx_quit_loop(void);
int vx_set_button_press_callback(VxButtonCallback callback);
int vx_set_button_release_callback(VxButtonCallback callback);
int vx_set_key_press_callback(VxKeyCallback callback);
int vx_set_key_release_callback(VxKeyCallback callback);
int vx_set_timer_callback(VxTimerCallback callback, unsigned interval_ms);
int vx_timer_remaining(void);
int vx_get_key_state(unsigned char map[32]);
int vx_key_is_down(const unsigned char map[32], unsigned keysym);
int vx_msleep(unsigned ms);
int vx_usleep(int microseconds);
int vx_swap_buffers(void);
int vx_clear(void);

/* ---- Drawing in the current colour ---- */
int vx_draw_point(int x, int y);
int vx_draw_point_back(int x, int y);
int vx_draw_line(int x1, int y1, int x2, int y2);
int vx_draw_line_back(int x1, int y1, int x2, int y2);
int vx_draw_rect(int x1, int y1, int x2, int y2);
int vx_draw_rect_back(int x1, int y1, int x2, int y2);
int vx_fill_rect(int x1, int y1, int x2, int y2);
int vx_fill_rect_back(int x1, int y1, int x2, int y2);
int vx_draw_circle(int x, int y, int r);
int vx_draw_circle_back(int x, int y, int r);
int vx_fill_circle(int x, int y, int r);
int vx_fill_circle_back(int x, int y, int r);
int vx_draw_arc(int x, int y, int rx, int ry, int a1, int a2);
int vx_draw_arc_back(int x, int y, int rx, int ry, int a1, int a2);
int vx_fill_arc(int x, int y, int rx, int ry, int a1, int a2);
int vx_fill_arc_back(int x, int y, int rx, int ry, int a1, int a2);
int vx_fill_polygon(int n, const VxPoint pts[]);
int vx_fill_polygon_back(int n, const VxPoint pts[]);
int vx_draw_image(int x, int y, int w, int h, VxBitmap *image, VxBitmap *mask);
int vx_draw_image_back(int x, int y, int w, int h, VxBitmap *image, VxBitmap *mask);
int vx_set_color(int r, int g, int b);
int vx_set_color_name(const char *name);

/* ---- Text ---- */
int vx_set_font(const char *pattern);
int vx_set_font_size(int size);
int vx_draw_string(int x, int y, const char *text);
int vx_draw_string_back(int x, int y, const char *text);

/* ---- Diagnostic console and log ---- */
int vx_printf(const char *format, ...) __attribute__((format(printf, 1, 2)));
int vx_puts(const char *text);
int vx_log(const char *text);
int vx_warning(const char *format, ...) __attribute__((format(printf, 1, 2)));
int vx_error(const char *format, ...) __attribute__((format(printf, 1, 2)));

/* ---- Settings file "Vexdraw.ini" ---- */
int vx_ini_get_int(const char *section, const char *key, int default_value);
int vx_ini_set_int(const char *section, const char *key, int value);
int vx_ini_load(void);
int vx_ini_save(void);

/* ---- XPM images ---- */
VxImage vx_read_xpm(const char *const xpm[]);

/* ---- Additions for tests, scripted play and terminal play ---- */

/* Writes the shown page as a PNG file of the window's client size. */
int vx_save_screenshot(const char *path);

/* 1 when the program runs without a window (--headless or --text). */
int vx_is_headless(void);

/* Writes one finished line of program output, converted to UTF-8, to the
 * transcript on standard output when running without a window; does
 * nothing otherwise. */
int vx_transcript(const char *text);

/* Terminal play (--text) shows the program's prompt before it reads each
 * line from standard input: callback returns it as Shift-JIS text ("" for
 * none). */
int vx_set_prompt_callback(const char *(*callback)(void));

/* ---- What the program tells a terminal about its screen ---- */

/* Keysyms beyond the keyboard's own: a character typed through an input
 * method arrives as VX_KEY_UNICODE + its code point (as in X11); the player
 * asking to end the program (Ctrl-D on an empty terminal line) arrives as
 * VX_KEY_CLOSE (XF86Close). */
#define VX_KEY_UNICODE 0x01000000u
#define VX_KEY_CLOSE 0x1008FF56u

/* The Shift-JIS text a keysym types into buf (size bytes, NUL-terminated);
 * returns its length, 0 when the keysym types no text. */
int vx_keysym_to_text(unsigned keysym, char *buf, int size);

/* A transcript line that the program broke only to fit its console, after
 * which it dropped dropped_spaces blanks; plain terminal play joins it with
 * the next line into one paragraph. Otherwise as vx_transcript. */
int vx_transcript_wrapped(const char *text, int dropped_spaces);

/* The part of the window that shows the current picture (terminal play
 * draws it whenever it changes; by default the whole window), and a
 * sentence that describes it, read out instead of the picture in plain
 * terminal play. */
int vx_set_picture_area(int x, int y, int w, int h);
int vx_set_picture_caption(const char *text);

/* A short status (such as place and score) shown by a host that has a
 * status line: the terminal's title in terminal play. */
int vx_set_status_text(const char *text);

/* A short mode indicator (Shift-JIS, at most 31 bytes; longer is cut)
 * shown at the right end of the window's menu strip, such as an input
 * mode. */
int vx_set_mode_text(const char *text);

/* The rectangle (x1, y1)-(x2, y2) of the shown page, as drawn now, becomes
 * the window's icon (shrunk to 64 x 64, centred in a square). */
int vx_set_icon_from_screen(int x1, int y1, int x2, int y2);

/* Makes the files the program has written last where the host keeps them
 * apart from the process (in a browser, its IndexedDB), and waits for it.
 * Returns 0 (also where files last as written), or -1 when they could not
 * be kept. */
int vx_sync_files(void);

/* ---- Replacing files ---- */

/* Replaces the file at path with size bytes of data. They are written to a
 * new temporary file in the same directory (".NAME.tmp.XXXXXX"), synced to
 * disk and renamed over path, and the directory is synced. path itself is
 * never opened, truncated, removed or followed: an existing path that is a
 * symbolic link, a device, a pipe or a directory is refused. On failure only
 * the temporary is removed and the old file stays as it was; errno tells
 * why. The replaced file keeps the old one's permission bits. */
int vx_replace_file(const char *path, const void *data, size_t size);

/* Removes the temporaries of path that a killed process left behind.
 * Returns how many, or -1 when the directory cannot be read. Call it only
 * while no other process can be replacing path (under a lock of its own). */
int vx_remove_replace_leftovers(const char *path);

/* The program's main, renamed; called by the layer's entry. */
int vx_program_main(int argc, char *argv[]);

#ifdef __cplusplus
}
#endif

#if !defined(VX_MAIN_HANDLED)
#define main vx_program_main
#endif

#endif /* VEXDRAW_H */
