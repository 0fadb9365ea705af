// The diagnostic console ring, its painting, and the log file "Vexdraw.log".
#include "vx_internal.h"
#include "host.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

static constexpr int CONSOLE_LINES = 25;
static constexpr int CONSOLE_COLUMNS = 80;
static constexpr int MESSAGE_MAX = 8192; /* formatted text, without the NUL */
static constexpr int CONSOLE_LINE_HEIGHT = 14;
static constexpr uint32_t CONSOLE_TEXT_COLOR = 0xFFFFFF;

static char console_lines[CONSOLE_LINES][CONSOLE_COLUMNS + 1];
static int current_line;
static int current_column;
static int trace_on;

void vxi_set_trace(int on) { trace_on = on ? 1 : 0; }

void vxi_console_reset(void) {
    std::memset(console_lines, 0, sizeof console_lines);
    current_line = 0;
    current_column = 0;
}

static void next_line(void) {
    current_line = (current_line + 1) % CONSOLE_LINES;
    current_column = 0;
}

// Appends text to the ring. A newline ends the current line and the rest of
// the text is dropped; 80 bytes without one wrap onto the next line.
static int console_append(const char *text) {
    if (trace_on) {
        std::fputs(vxi_sjis_to_utf8(text).c_str(), stderr);
        std::fflush(stderr);
    }
    for (const char *p = text; *p; ++p) {
        if (*p == '\n') {
            console_lines[current_line][current_column] = '\0';
            next_line();
            console_lines[current_line][0] = '\0';
            break;
        }
        console_lines[current_line][current_column++] = *p;
        if (current_column == CONSOLE_COLUMNS) {
            console_lines[current_line][CONSOLE_COLUMNS] = '\0';
            next_line();
        }
    }
    console_lines[current_line][current_column] = '\0';

    const VxHost *host = vxi_host();
    if (host && host->console_invalidate && vxi_console_shown() == 1)
        host->console_invalidate();
    return 0;
}

int vx_printf(const char *format, ...) {
    if (!format) return -1;
    char buffer[MESSAGE_MAX + 1];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args); // cuts, never overflows
    va_end(args);
    if (n < 0) return -1;
    return console_append(buffer);
}

int vx_puts(const char *text) {
    if (!text || strnlen(text, MESSAGE_MAX) >= (size_t)MESSAGE_MAX) return -1;
    char buffer[MESSAGE_MAX + 1];
    std::snprintf(buffer, sizeof buffer, "%s\n", text);
    return console_append(buffer);
}

// Appends one line to the log (kept in Shift-JIS); with --trace the line
// is copied to standard error in UTF-8 as well.
int vx_log(const char *text) {
    if (trace_on) {
        std::fprintf(stderr, "%s\n", vxi_sjis_to_utf8(text ? text : "").c_str());
        std::fflush(stderr);
    }
    const char *path = vxi_log_path();
    if (!*path) return -1;
    std::FILE *f = std::fopen(path, "a");
    if (!f) return -1;
    std::fprintf(f, "%s\n", text ? text : "");
    return std::fclose(f) == 0 ? 0 : -1;
}

// Builds prefix + formatted text, cut to the message size.
static void format_message(char *buffer, const char *prefix, const char *format, va_list args) {
    int n = std::snprintf(buffer, MESSAGE_MAX + 1, "%s", prefix);
    if (format && std::vsnprintf(buffer + n, MESSAGE_MAX + 1 - n, format, args) < 0)
        buffer[n] = '\0';
}

int vx_warning(const char *format, ...) {
    char buffer[MESSAGE_MAX + 1];
    va_list args;
    va_start(args, format);
    format_message(buffer, "Warning: ", format, args);
    va_end(args);
    return vx_log(buffer);
}

// Logs the error and tells a player who started the game from a terminal
// about it (the trace has copied the log line there already).
static int report_error(const char *format, va_list args) {
    char buffer[MESSAGE_MAX + 1];
    format_message(buffer, "Error: ", format, args);
    int result = vx_log(buffer);
    if (!trace_on) {
        std::fprintf(stderr, "%s\n", vxi_sjis_to_utf8(buffer).c_str());
        std::fflush(stderr);
    }
    return result;
}

int vxi_report_error(const char *format, ...) {
    va_list args;
    va_start(args, format);
    int result = report_error(format, args);
    va_end(args);
    return result;
}

// Reports the error and destroys the main window, so that the main loop
// returns.
int vx_error(const char *format, ...) {
    va_list args;
    va_start(args, format);
    int result = report_error(format, args);
    va_end(args);
    vxi_destroy_window();
    return result;
}

void vxi_console_paint(VxBitmap *bm) {
    if (!bm) return;
    vxi_fill_bitmap(bm, 0x000000);
    for (int i = 0; i < CONSOLE_LINES; ++i) {
        const char *line = console_lines[(current_line + 1 + i) % CONSOLE_LINES];
        if (line[0])
            vxi_draw_text_on(bm, 4, 4 + CONSOLE_LINE_HEIGHT * i, line, CONSOLE_LINE_HEIGHT,
                             CONSOLE_TEXT_COLOR);
    }
}

const char *vxi_console_line(int i) {
    if (i < 0 || i >= CONSOLE_LINES) return "";
    return console_lines[(current_line + 1 + i) % CONSOLE_LINES];
}
