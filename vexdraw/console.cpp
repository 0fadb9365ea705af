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

int vx_log(const char *text) {
    const char *dir = vxi_program_dir();
    char path[4096];
    int n = std::snprintf(path, sizeof path, "%s/%s", dir ? dir : ".", "Vexdraw.log");
    if (n < 0 || n >= (int)sizeof path) return -1;
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

// Logs the error, tells a player who started the game from a terminal why
// it ends, and destroys the main window so that the main loop returns.
int vx_error(const char *format, ...) {
    char buffer[MESSAGE_MAX + 1];
    va_list args;
    va_start(args, format);
    format_message(buffer, "Error: ", format, args);
    va_end(args);
    int result = vx_log(buffer);
    std::fprintf(stderr, "%s\n", vxi_sjis_to_utf8(buffer).c_str());
    std::fflush(stderr);
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
