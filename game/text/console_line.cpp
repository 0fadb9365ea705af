// The command line: the input line under the console, its key bindings,
// romaji-to-kana conversion while typing, history recall and the input
// mode.
#include "console.h"
#include "dic.h"
#include "input_mode.h"
#include "kana_spelling.h"

#include "sjis.h"
#include "vexdraw.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// Typing stops at 71 bytes and a conversion adds at most 4; a noun recalled
// after a verb can reach 89 and Control-c adds 2. The buffer holds that with
// the cursor and the zero byte, and appending never goes past it.
constexpr int INPUT_TYPING_LIMIT = 71;
constexpr int INPUT_LINE_SIZE = 128;

char input_line[INPUT_LINE_SIZE] = ">_";
unsigned char char_kind[INPUT_LINE_SIZE];
int input_len = 1;
int roman_head = 1;
int space_count = 0;
int noun_start = 0;
int input_mode = INPUT_HIRAGANA;

// The letters typed for the line, kept beside it so that a kana line can
// still be read as typed. typed_end[i] is how many of them stand for the
// line up to and including byte i; a kana group stands for the letters it
// was converted from. Romaji can be longer than its kana ("xxxa" is one kana),
// so letters that would not fit mark the reading lost until the next reset.
char typed[INPUT_LINE_SIZE];
int typed_len = 0;
bool typed_lost = false;
unsigned char typed_end[INPUT_LINE_SIZE];

void ignore_line(char *) {}
void ignore_key(unsigned) {}
void no_scene() {}
bool keep_line(const char *, const char *) { return false; }
void no_undo() {}
ConsoleHooks hooks = {ignore_line, ignore_key, no_scene, keep_line, no_undo};

enum : unsigned {
    KEY_CONTROL_C = 3, KEY_CONTROL_D = 4, KEY_BACKSPACE = 8, KEY_RETURN = 13, KEY_CONTROL_N = 14,
    KEY_CONTROL_P = 16, KEY_CONTROL_U = 21, KEY_CONTROL_Z = 26, KEY_UP = 65362, KEY_DOWN = 65364,
    KEY_PRIOR = 65365, KEY_NEXT = 65366, KEY_F1 = 65470, KEY_F2 = 65471, KEY_F3 = 65472, KEY_F4 = 65473,
};

void place_cursor() {
    input_line[input_len] = '_';
    input_line[input_len + 1] = '\0';
}

// A byte stored at line position pos was typed (or recalled) as c.
void typed_put(int pos, char c) {
    if (typed_len + 1 >= INPUT_LINE_SIZE - 1)
        typed_lost = true;
    else
        typed[typed_len++] = c;
    typed_end[pos] = static_cast<unsigned char>(typed_len);
}

// The line now ends before position len.
void typed_cut(int len) { typed_len = len > 1 ? typed_end[len - 1] : 0; }

// A lone n still pending when its word ends (a space or Return) can only
// be ん: no word of the vocabulary mixes kana with a Latin n.
void settle_lone_n() {
    if (input_mode == INPUT_ENGLISH || input_len - roman_head != 1 || input_line[roman_head] != 'n') return;
    int n = 2;
    int k = 0;
    const char *kana = roman_to_kana("nn", &n, &k);
    if (!kana || n != 0 || roman_head + k + 2 > INPUT_LINE_SIZE) return;
    // The typed n now stands behind the last byte of its kana.
    unsigned char n_end = typed_end[roman_head];
    unsigned char before = roman_head > 1 ? typed_end[roman_head - 1] : 0;
    std::memset(typed_end + roman_head, before, static_cast<size_t>(k - 1));
    typed_end[roman_head + k - 1] = n_end;
    std::memcpy(input_line + roman_head, kana, static_cast<size_t>(k));
    std::memset(char_kind + roman_head, 2, static_cast<size_t>(k));
    input_len = roman_head = roman_head + k;
    place_cursor();
}

void type_key(unsigned key) {
    if (input_len >= INPUT_TYPING_LIMIT) return;
    if (key == ' ') {
        settle_lone_n();
        roman_head = input_len;
        if (space_count == 0) {
            set_hist_kind(1);
            noun_start = input_len + 1;
            vx_printf("roman_head:%d input_len:%d\n", roman_head, input_len);
        }
        ++roman_head;
        ++space_count;
        vx_printf("space count:%d roman_head:%d[%s] roman_len:%d\n", space_count, roman_head, input_line,
                  input_len + 1 - roman_head);
    }
    int c = std::tolower(static_cast<int>(key));
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-') {
        input_line[input_len] = static_cast<char>(c);
        char_kind[input_len] = 1;
        typed_put(input_len, static_cast<char>(c));
        ++input_len;
        place_cursor();
    }
    if (input_mode == 0 || roman_head > input_len) return;
    int n = input_len - roman_head;
    int k = 0;
    const char *kana = roman_to_kana(input_line + roman_head, &n, &k);
    if (!kana) return;
    int r = n;
    // The letters of a kana group belong to its last byte: a group cut
    // short by BackSpace ("う゛" left of "う゛ぁ") stands for none of them.
    int consumed = input_len - roman_head - r;
    unsigned char kana_end = typed_end[roman_head + consumed - 1];
    unsigned char group_start = roman_head > 1 ? typed_end[roman_head - 1] : 0;
    std::memmove(typed_end + roman_head + k, typed_end + input_len - r, static_cast<size_t>(r));
    std::memset(typed_end + roman_head, group_start, static_cast<size_t>(k - 1));
    typed_end[roman_head + k - 1] = kana_end;
    std::memmove(input_line + roman_head + k, input_line + input_len - r, static_cast<size_t>(r));
    std::memset(char_kind + roman_head + k, 1, static_cast<size_t>(r));
    std::memcpy(input_line + roman_head, kana, static_cast<size_t>(k));
    std::memset(char_kind + roman_head, 2, static_cast<size_t>(k));
    input_len = roman_head + k + r;
    roman_head += k;
    place_cursor();
    vx_printf("kana:%s:%d:%d\n", kana, r, k);
}

// A kana typed through an input method is stored as it stands; romaji
// still pending before it stays as typed (a lone n becomes ん).
bool type_kana(unsigned key) {
    char text[8];
    int n = vx_keysym_to_text(key, text, sizeof text);
    if (n < 2 || !vx_sjis_lead(static_cast<unsigned char>(text[0]))) return false;
    if (input_len >= INPUT_TYPING_LIMIT) return true;
    settle_lone_n();
    std::memcpy(input_line + input_len, text, static_cast<size_t>(n));
    std::memset(char_kind + input_len, 2, static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) typed_put(input_len + i, text[i]); // no letters: the kana itself
    input_len += n;
    roman_head = input_len;
    place_cursor();
    return true;
}

void backspace() {
    if (input_len <= 1) return;
    --input_len;
    if (char_kind[input_len] == 2) {
        --input_len;
        roman_head -= 2;
    } else {
        // Back to the start of the letters still pending, which never
        // reaches over a space: the word before it is not romaji to convert.
        while (roman_head - 1 > 0 && char_kind[roman_head - 1] == 1 && input_line[roman_head - 1] != ' ')
            --roman_head;
    }
    if (roman_head < 1) roman_head = 1;
    if (roman_head > input_len) roman_head = input_len;
    typed_cut(input_len);
    if (input_line[input_len] == ' ') {
        --space_count;
        vx_printf("space count:%d\n", space_count);
        if (space_count <= 0) {
            space_count = 0;
            set_hist_kind(0);
            noun_start = 0;
        }
    }
    place_cursor();
}

void submit() {
    if (console_rollback() > 0) {
        console_scroll(0);
        return;
    }
    settle_lone_n();
    strip_cursor();
    // A kana line the program does not take may be meant as the letters
    // typed for it: then those are echoed and run.
    if (input_mode != 0 && !typed_lost) {
        typed[typed_len] = '\0';
        if (std::strcmp(typed, input_line + 1) != 0 && hooks.prefer_typed(input_line + 1, typed)) {
            std::memcpy(input_line + 1, typed, static_cast<size_t>(typed_len) + 1); // it fits: typed_put
            input_len = roman_head = static_cast<int>(std::strlen(input_line));
        }
    }
    console_print(input_line);
    // The command may change the input line (a question's prompt), so it
    // works on a copy of what was typed.
    char line[INPUT_LINE_SIZE];
    std::strcpy(line, input_line + 1);
    hooks.execute(line);
    if (!console_waiting_return()) line_reset();
}

void cancel() {
    line_append("^C");
    strip_cursor();
    console_print(input_line);
    line_reset();
}

void recall(bool previous) {
    if (previous)
        input_hist_prev();
    else
        input_hist_next();
    if (space_count == 0)
        line_reset();
    else
        line_truncate_to_noun();
    line_append(input_hist_word());
}

// The prompt terminal play shows: none while a Return-wait replaces it.
const char *terminal_prompt() {
    static char prompt[2];
    if (console_waiting_return()) return "";
    prompt[0] = input_line[0];
    return prompt;
}

}  // namespace

void console_init() {
    vx_set_prompt_callback(terminal_prompt);
    vx_set_key_press_callback(console_key_handler);
    vx_set_key_release_callback([](unsigned) {});
    kana_init();
    line_reset();
}

void console_key_handler(unsigned key) {
    switch (key) {
    case KEY_CONTROL_C: cancel(); break;
    case KEY_CONTROL_D:
    case KEY_NEXT: console_scroll(-1); break;
    case KEY_CONTROL_U:
    case KEY_PRIOR: console_scroll(1); break;
    case KEY_BACKSPACE: backspace(); break;
    case KEY_RETURN: submit(); break;
    case KEY_CONTROL_N:
    case KEY_DOWN: recall(false); break;
    case KEY_CONTROL_P:
    case KEY_UP: recall(true); break;
    case KEY_CONTROL_Z:
        // The line is given up: taking back a question changes the prompt.
        hooks.undo();
        line_reset();
        break;
    case KEY_F1:
        set_input_mode((get_input_mode() + 1) % 3);
        vx_printf("change input mode to %d\n", get_input_mode());
        break;
    case KEY_F2:
    case KEY_F3:
    case KEY_F4:
    case VX_KEY_CLOSE: // Ctrl-D on an empty terminal line: the program asks
        console_function_key(key);
        break;
    default:
        // Past the typing limit a key changes nothing: nothing to redraw.
        if (input_len >= INPUT_TYPING_LIMIT) return;
        if (key <= 255)
            type_key(key);
        else if (!type_kana(key))
            return; // not a key of the command line
        break;
    }
    vx_printf("input_len:%d roman_head:%d\n", input_len, roman_head);
    console_redraw();
}

void console_set_hooks(const ConsoleHooks &h) {
    hooks.execute = h.execute ? h.execute : ignore_line;
    hooks.function_key = h.function_key ? h.function_key : ignore_key;
    hooks.redraw_scene = h.redraw_scene ? h.redraw_scene : no_scene;
    hooks.prefer_typed = h.prefer_typed ? h.prefer_typed : keep_line;
    hooks.undo = h.undo ? h.undo : no_undo;
}

void console_redraw_scene() { hooks.redraw_scene(); }

void console_function_key(unsigned key) { hooks.function_key(key); }

void console_run_undo() { hooks.undo(); }

int get_input_mode() { return input_mode; }

void set_input_mode(int m) {
    input_mode = m;
    console_set_input_mode(m);
    // The window's menu strip shows the mode, so that a player sees why
    // typed letters turn into kana.
    static constexpr const char *mode_marks[] = {"A", "あ", "ア"};
    vx_set_mode_text(m >= 0 && m <= 2 ? mode_marks[m] : "");
}

void console_set_input_mode(int m) {
    if (m == 1) kana_use_hiragana();
    if (m == 2) kana_use_katakana();
}

void line_reset() {
    input_len = 1;
    roman_head = 1;
    space_count = 0;
    noun_start = 0;
    typed_len = 0;
    typed_lost = false;
    set_hist_kind(0);
    place_cursor();
}

void line_truncate_to_noun() {
    if (noun_start <= 0 || noun_start > input_len) return;
    input_len = roman_head = noun_start;
    typed_cut(input_len);
    // Spaces typed after the first one are gone with the rest: BackSpace
    // over the first must end the verb's word again. (A space byte is never
    // part of a double-byte character.)
    space_count = 0;
    for (int i = 1; i < input_len; ++i) space_count += input_line[i] == ' ';
    place_cursor();
}

void strip_cursor() {
    size_t n = std::strlen(input_line);
    if (n > 0 && input_line[n - 1] == '_') input_line[n - 1] = '\0';
}

void line_append(const char *text) {
    strip_cursor();
    int len = static_cast<int>(std::strlen(input_line));
    for (const char *p = text ? text : ""; *p;) {
        int w = vx_sjis_lead(static_cast<unsigned char>(*p)) && p[1] ? 2 : 1;
        if (len + w + 2 > INPUT_LINE_SIZE) break; // room for the cursor and zero
        std::memcpy(input_line + len, p, static_cast<size_t>(w));
        std::memset(char_kind + len, w, static_cast<size_t>(w));
        for (int i = 0; i < w; ++i) typed_put(len + i, p[i]);
        len += w;
        p += w;
    }
    input_len = roman_head = len;
    place_cursor();
}

void line_set_text(const char *text) {
    std::snprintf(input_line, sizeof input_line, "%s", text ? text : ">");
}

const char *input_line_text() { return input_line; }

const char *line_typed_text() {
    if (typed_lost) return nullptr;
    typed[typed_len] = '\0';
    return typed;
}

void remove_spaces(char *text) {
    char *out = text;
    for (const char *p = text; *p;) {
        if (vx_sjis_lead(static_cast<unsigned char>(*p)) && p[1]) {
            *out++ = *p++;
            *out++ = *p++;
        } else if (*p == ' ') {
            ++p;
        } else {
            *out++ = *p++;
        }
    }
    *out = '\0';
}
