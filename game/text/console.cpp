// The console ring: finished lines of game output with Japanese line
// breaking, rollback, the Return-wait state and the console box drawing.
#include "console.h"

#include "game_assert.h"
#include "sjis.h"
#include "vexdraw.h"

#include <cstring>

namespace {

char console_lines[CONSOLE_LINES][CONSOLE_WIDTH + 1];
int console_head = 0;
int rollback = 0;
char console_cont[CONSOLE_WIDTH + 1];
int console_cont_len = 0;
void (*wait_return_callback)() = nullptr;
// The wait prompt goes to the transcript when the input line first shows
// it, after everything printed for the same key: a command may go on
// printing after it starts a wait (a move's description, say).
bool prompt_untold = false;
long finished_count = 0;

// Characters that may not begin, and may not end, a wrapped line.
constexpr const char no_line_start_chars[] = "）」』、。！？ぁぃぅぇぉっゃゅょ";
constexpr const char no_line_end_chars[] = "（「『";

constexpr unsigned KEY_F2 = 65471;
constexpr unsigned KEY_F4 = 65473;

constexpr const char wait_prompt[] = "[リターンキーを押してください]";

// Whether the double-byte character at p is one of chars.
bool is_one_of(const char *chars, const char *p) {
    for (const char *c = chars; c[0] && c[1]; c += 2)
        if (c[0] == p[0] && c[1] == p[1]) return true;
    return false;
}

// Stores the prefix (the continued text) and [from, to) as the next finished
// line. The line never exceeds the slot: a longer text (only possible with
// an over-long continued prefix) is cut at a character boundary.
void finish_line(const char *from, const char *to, int wrapped_spaces = -1) {
    char *slot = console_lines[console_head];
    int len = 0;
    // Copies whole characters while they fit in the slot.
    auto put = [&](const char *s, int n) {
        int i = 0;
        while (i < n) {
            int w = vx_sjis_lead(static_cast<unsigned char>(s[i])) && i + 1 < n ? 2 : 1;
            if (len + w > CONSOLE_WIDTH) break;
            slot[len] = s[i];
            if (w == 2) slot[len + 1] = s[i + 1];
            len += w;
            i += w;
        }
    };
    put(console_cont, console_cont_len);
    put(from, static_cast<int>(to - from));
    slot[len] = '\0';
    console_cont_len = 0;
    console_head = (console_head + 1) % CONSOLE_LINES;
    ++finished_count;
    if (wrapped_spaces >= 0)
        vx_transcript_wrapped(slot, wrapped_spaces);
    else
        vx_transcript(slot);
}

}  // namespace

void console_print(const char *text) {
    if (!text) text = "";
    int col = console_cont_len;
    const char *seg = text;
    const char *brk = text;
    bool prev_open = false;
    const char *p = text;
    const char *last = nullptr; // the last character scanned
    while (*p) {
        const char *ch = last = p;
        unsigned char c = static_cast<unsigned char>(*p);
        if (vx_sjis_lead(c) && p[1]) {
            if (!prev_open && !is_one_of(no_line_start_chars, p)) brk = p;
            prev_open = is_one_of(no_line_end_chars, p);
            col += 2;
            p += 2;
        } else if (c == '\n') {
            finish_line(seg, p);
            col = 0;
            seg = brk = ++p;
            continue;
        } else {
            brk = p;
            col += 1;
            p += 1;
        }
        if (col > CONSOLE_WIDTH) {
            // A stretch without any break point is broken before the
            // character that overflowed, never inside one.
            if (brk == seg && console_cont_len == 0) brk = ch;
            const char *next = brk;
            while (*next == ' ') ++next;
            finish_line(seg, brk, static_cast<int>(next - brk)); // a wrapped line
            col = 0;
            seg = next;
            brk = p = seg;
        }
    }
    if (last && *last == '\\' && p - last == 1 && last >= seg) {
        // The unfinished line waits for the next output.
        char line[CONSOLE_WIDTH * 2 + 2];
        int n = 0;
        std::memcpy(line, console_cont, static_cast<size_t>(console_cont_len));
        n = console_cont_len;
        int rest = static_cast<int>(p - 1 - seg);
        if (n + rest > CONSOLE_WIDTH) rest = CONSOLE_WIDTH - n;
        if (rest > 0) {
            std::memcpy(line + n, seg, static_cast<size_t>(rest));
            n += rest;
        }
        std::memcpy(console_cont, line, static_cast<size_t>(n));
        console_cont_len = n;
    } else {
        finish_line(seg, p);
    }
    // No redraw here: every key handler ends with console_redraw, and start-up
    // draws the whole screen, so the box is drawn once per key however many
    // messages a command prints.
}

void console_redraw() {
    vx_set_color(0, 0, 0);
    vx_fill_rect(31, 335, 609, 463);
    vx_set_color(255, 255, 255);
    vx_draw_rect(30, 334, 610, 464);
    int first = (console_head + CONSOLE_LINES - CONSOLE_VIEW_LINES - rollback) % CONSOLE_LINES;
    for (int i = 0; i < CONSOLE_VIEW_LINES; ++i)
        vx_draw_string(32, 354 + 18 * i, console_lines[(first + i) % CONSOLE_LINES]);
    vx_draw_string(32, 462, input_line_text());
    if (prompt_untold && wait_return_callback) vx_transcript(wait_prompt);
    prompt_untold = false;
}

const char *console_line(int back) {
    if (back < 0 || back >= CONSOLE_LINES - 1) return "";
    return console_lines[(console_head + 2 * CONSOLE_LINES - 1 - back) % CONSOLE_LINES];
}

int console_rollback() { return rollback; }

long console_finished_count() { return finished_count; }

void console_scroll(int delta) {
    if (delta > 0 && rollback + 7 < CONSOLE_LINES) ++rollback;
    if (delta < 0 && rollback > 0) --rollback;
    if (delta == 0) rollback = 0;
}

void set_wait_return_callback(void (*callback)()) {
    vx_printf("set_wait_return_callback called\n");
    vx_set_key_press_callback(wait_return_key_handler);
    line_set_text(wait_prompt);
    if (!wait_return_callback) prompt_untold = true; // once, as shown

    wait_return_callback = callback;
}

bool console_waiting_return() { return wait_return_callback != nullptr; }

void console_cancel_wait() {
    if (!wait_return_callback) return;
    vx_printf("wait return cancelled\n");
    vx_set_key_press_callback(console_key_handler);
    wait_return_callback = nullptr;
    prompt_untold = false;
    line_set_text(">");
    line_reset();
}

void wait_return_key_handler(unsigned key) {
    vx_printf("wait return keyh\n");
    GAME_ASSERT(wait_return_callback != NULL);
    // The minimap keys work while the game waits, so that it can be moved
    // or hidden from a scene it covers.
    if (key >= KEY_F2 && key <= KEY_F4) console_function_key(key);
    if (key == 13) {
        vx_set_key_press_callback(console_key_handler);
        void (*callback)() = wait_return_callback;
        wait_return_callback = nullptr;
        line_set_text(">");
        line_reset();
        callback();
    } else if (key == 26) {
        // Control-z takes back the command whose pages are showing.
        console_run_undo();
    }
    console_redraw();
    console_redraw_scene();
}
