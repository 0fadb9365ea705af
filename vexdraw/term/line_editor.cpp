// The line editor of terminal play, on libedit: cursor movement and
// editing, whole-line history kept between sessions, Ctrl-C to cancel the
// line and Ctrl-D on an empty line to ask to end. libedit does the editing;
// this unit feeds it one character at a time, so that a line never grows
// past VXT_LINE_MAX and key sequences libedit does not know are refused
// instead of landing in the line as stray letters.
#include "term_internal.h"

#include <histedit.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <deque>
#include <langinfo.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int HISTORY_SIZE = 500;
constexpr size_t SEQUENCE_MAX = 64; // bytes of one escape sequence read at most
constexpr size_t EDIT_CHARS_MAX = 1000;
constexpr int CHAR_REST_MS = 100; // the wait for the rest of a UTF-8 character
constexpr size_t REPORT_MAX = 4096; // bytes of a terminal's answer string

EditLine *el = nullptr;
History *hist = nullptr;
std::string history_file;
std::string prompt_text;
std::deque<wchar_t> pending; // the rest of a known key sequence
std::string early;           // keys typed before the editor opened
size_t early_at = 0;
bool cancelled = false;
bool overflow = false;

// Key sequences of the editing keys, and what they do. Everything else that
// starts with ESC [ or ESC O is refused.
struct Binding {
    const char *keys;
    const char *function;
};
constexpr Binding bindings[] = {
    {"\x1b[A", "ed-prev-history"},    {"\x1bOA", "ed-prev-history"},   {"\x1b[B", "ed-next-history"},
    {"\x1bOB", "ed-next-history"},    {"\x1b[C", "ed-next-char"},      {"\x1bOC", "ed-next-char"},
    {"\x1b[D", "ed-prev-char"},       {"\x1bOD", "ed-prev-char"},      {"\x1b[H", "ed-move-to-beg"},
    {"\x1bOH", "ed-move-to-beg"},     {"\x1b[1~", "ed-move-to-beg"},   {"\x1b[7~", "ed-move-to-beg"},
    {"\x1b[F", "ed-move-to-end"},     {"\x1bOF", "ed-move-to-end"},    {"\x1b[4~", "ed-move-to-end"},
    {"\x1b[8~", "ed-move-to-end"},    {"\x1b[3~", "ed-delete-next-char"}, {"\x1b[1;5C", "em-next-word"},
    {"\x1b[1;5D", "ed-prev-word"},    {"\x1b[1;3C", "em-next-word"},   {"\x1b[1;3D", "ed-prev-word"},
    {"\x1bOP", "vx-f1"},              {"\x1bOQ", "vx-f2"},             {"\x1bOR", "vx-f3"},
    {"\x1bOS", "vx-f4"},              {"\x1b[11~", "vx-f1"},           {"\x1b[12~", "vx-f2"},
    {"\x1b[13~", "vx-f3"},            {"\x1b[14~", "vx-f4"},            {"^W", "ed-delete-prev-word"},
};

bool known_sequence(const std::string &seq) {
    for (const Binding &b : bindings)
        if (seq == b.keys) return true;
    return false;
}

char *prompt_of(EditLine *) { return prompt_text.data(); }

// Ctrl-C: the line is shown with ^C at its end and then dropped.
unsigned char cancel_line(EditLine *e, int) {
    const LineInfoW *li = el_wline(e);
    el_cursor(e, static_cast<int>(li->lastchar - li->cursor));
    el_insertstr(e, "^C");
    cancelled = true;
    pending.push_back(L'\n'); // ends the line once ^C is shown
    return CC_REFRESH;
}

// Ctrl-D: on an empty line the player asks to end; otherwise it deletes
// the character under the cursor.
unsigned char end_or_delete(EditLine *e, int) {
    const LineInfoW *li = el_wline(e);
    if (li->lastchar == li->buffer) return CC_EOF;
    if (li->cursor == li->lastchar) return CC_ERROR;
    el_cursor(e, 1);
    el_deletestr(e, 1);
    return CC_REFRESH;
}

// F1 to F4 type the script names of the keys, sent with the line.
unsigned char insert_key_name(EditLine *e, const char *name) {
    el_insertstr(e, name);
    return CC_REFRESH;
}
unsigned char key_f1(EditLine *e, int) { return insert_key_name(e, "{F1}"); }
unsigned char key_f2(EditLine *e, int) { return insert_key_name(e, "{F2}"); }
unsigned char key_f3(EditLine *e, int) { return insert_key_name(e, "{F3}"); }
unsigned char key_f4(EditLine *e, int) { return insert_key_name(e, "{F4}"); }

// Shows a refusal under the line being edited, then the line again.
void refuse_while_editing(const char *message) {
    std::fputs("\r\n", stdout);
    std::fflush(stdout);
    vxt_refuse(message);
    el_set(el, EL_REFRESH);
}

// One byte of standard input: 1, 0 at its end, -1 when play must end,
// -2 when nothing came within timeout_ms (-1: wait without limit).
int read_byte(unsigned char *b, int timeout_ms = -1) {
    if (early_at < early.size()) {
        *b = static_cast<unsigned char>(early[early_at++]);
        return 1;
    }
    for (;;) {
        if (vxt_end_requested()) return -1;
        pollfd p{STDIN_FILENO, POLLIN, 0};
        int ready = poll(&p, 1, timeout_ms);
        if (ready == 0) return -2;
        if (ready < 0) {
            if (errno != EINTR) return -1;
            if (vxt_take_resized()) {
                el_resize(el);
                el_set(el, EL_REFRESH);
            }
            continue;
        }
        ssize_t n = read(STDIN_FILENO, b, 1);
        if (n == 1) return 1;
        if (n == 0) return 0;
        if (errno != EINTR && errno != EAGAIN) return -1;
    }
}

// libedit's character source.
int next_char(EditLine *, wchar_t *out) {
    for (;;) {
        if (!pending.empty()) {
            *out = pending.front();
            pending.pop_front();
            return 1;
        }
        unsigned char b;
        int r = read_byte(&b);
        if (r <= 0) return r;
        if (b == 0) {
            refuse_while_editing(vxt_msg_control);
            continue;
        }
        if (b == 0x1B) {
            unsigned char c;
            if ((r = read_byte(&c)) <= 0) return r;
            if (c == '_') {
                // A late answer to the kitty graphics query (up to ST): no key.
                if ((r = read_byte(&b)) <= 0) return r;
                if (b != 'G') { // Alt with _ and a key
                    pending.push_back(c);
                    pending.push_back(b);
                    *out = 0x1B;
                    return 1;
                }
                unsigned char prev = 0;
                for (size_t n = 0; n < REPORT_MAX; ++n, prev = b) {
                    if ((r = read_byte(&b)) <= 0) return r;
                    if (b == 7 || (prev == 0x1B && b == '\\')) break;
                }
                continue;
            }
            if (c != '[' && c != 'O') { // Escape, or Alt with a key
                pending.push_back(c);
                *out = 0x1B;
                return 1;
            }
            std::string seq = {'\x1b', static_cast<char>(c)};
            // A sequence ends with a byte from @ to ~ (after ESC O: any byte).
            do {
                if ((r = read_byte(&b)) <= 0) return r;
                seq += static_cast<char>(b);
            } while (c == '[' && (b < 0x40 || b > 0x7E) && seq.size() < SEQUENCE_MAX);
            if (!known_sequence(seq)) {
                // Late answers to the terminal queries (device attributes,
                // cell size, cursor position) are dropped without a word.
                bool report = seq[2] == '?' || seq.back() == 't' || seq.back() == 'R';
                if (!report) refuse_while_editing(vxt_msg_control);
                continue;
            }
            for (size_t i = 1; i < seq.size(); ++i) pending.push_back(static_cast<unsigned char>(seq[i]));
            *out = 0x1B;
            return 1;
        }
        // A character's bytes come together; a byte that starts none, or a
        // start whose rest does not follow at once, is refused.
        char bytes[4] = {static_cast<char>(b)};
        size_t n = 1;
        size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (b >= 0x80 && (b < 0xC2 || b > 0xF4)) need = 1;
        while (n < need) {
            r = read_byte(&b, CHAR_REST_MS);
            if (r == -2) break;
            if (r <= 0) return r;
            bytes[n++] = static_cast<char>(b);
            if ((b & 0xC0) != 0x80) break;
        }
        uint32_t cp = 0;
        if (vxi_utf8_decode(bytes, n, &cp) != static_cast<int>(n)) {
            refuse_while_editing(vxt_msg_not_utf8);
            continue;
        }
        const LineInfoW *li = el_wline(el);
        if (cp >= 0x20 && cp != 0x7F && static_cast<size_t>(li->lastchar - li->buffer) >= EDIT_CHARS_MAX) {
            overflow = true; // dropped: the line is full
            continue;
        }
        *out = static_cast<wchar_t>(cp);
        return 1;
    }
}

// Between lines the terminal keeps what is typed as it is (no echo, no
// line discipline, Ctrl-C and Ctrl-D as keys), so that keys typed while the
// program is busy reach the editor unchanged; libedit returns the terminal
// to how it found it when the program ends.
termios original{};
bool have_original = false;

void hold_keys() {
    termios t{};
    if (!have_original || tcgetattr(STDIN_FILENO, &t) != 0) return;
    t.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG | IEXTEN);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &t);
}

// Written whole through vx_replace_file, like every file of the layer.
// libedit writes its format only to a real file (it sets the file's mode):
// an anonymous temporary one, read back whole.
void save_history() {
    if (history_file.empty() || !hist) return;
    std::FILE *f = std::tmpfile();
    if (!f) return;
    HistEvent ev;
    std::string text;
    bool ok = history(hist, &ev, H_SAVE_FP, f) >= 0 && std::fflush(f) == 0;
    if (ok) {
        std::rewind(f);
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        ok = !std::ferror(f);
    }
    std::fclose(f);
    if (ok) vx_replace_file(history_file.c_str(), text.data(), text.size());
}

}  // namespace

bool vxt_editor_open(const std::string &history_path, const std::string &typed) {
    early = typed;
    early_at = 0;
    // libedit needs a UTF-8 character type to edit kana; the program's own
    // text is converted explicitly and does not depend on it.
    if (!std::setlocale(LC_CTYPE, "") || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
    have_original = tcgetattr(STDIN_FILENO, &original) == 0;
    el = el_init(vxi_program_name(), stdin, stdout, stderr);
    if (!el) return false;
    hist = history_init();
    HistEvent ev;
    if (hist) {
        history(hist, &ev, H_SETSIZE, HISTORY_SIZE);
        history(hist, &ev, H_SETUNIQUE, 1);
        history_file = history_path;
        if (!history_file.empty()) history(hist, &ev, H_LOAD, history_file.c_str());
        el_set(el, EL_HIST, history, hist);
    }
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_PROMPT, prompt_of);
    el_set(el, EL_GETCFN, next_char);
    // Ctrl-C, Ctrl-\ and Ctrl-Z reach the editor as keys while a line is
    // edited: Ctrl-C cancels the line.
    el_set(el, EL_SETTY, "-d", "-isig", nullptr);
    el_set(el, EL_ADDFN, "vx-cancel", "cancel the line", cancel_line);
    el_set(el, EL_ADDFN, "vx-end", "end on an empty line, else delete", end_or_delete);
    el_set(el, EL_ADDFN, "vx-f1", "F1", key_f1);
    el_set(el, EL_ADDFN, "vx-f2", "F2", key_f2);
    el_set(el, EL_ADDFN, "vx-f3", "F3", key_f3);
    el_set(el, EL_ADDFN, "vx-f4", "F4", key_f4);
    el_set(el, EL_BIND, "^C", "vx-cancel", nullptr);
    el_set(el, EL_BIND, "^D", "vx-end", nullptr);
    for (const Binding &b : bindings) el_set(el, EL_BIND, b.keys, b.function, nullptr);
    hold_keys();
    return true;
}

VxtRead vxt_editor_read(const std::string &prompt, std::string &line, bool &too_long) {
    prompt_text = prompt;
    cancelled = overflow = false;
    pending.clear();
    line.clear();
    int count = 0;
    const char *got = el_gets(el, &count);
    hold_keys();
    too_long = overflow;
    if (!got) {
        if (count == 0 && !vxt_end_requested()) return VXT_CLOSE;
        return VXT_END;
    }
    line = got;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (cancelled) return VXT_CANCELLED;
    if (hist && !line.empty()) {
        HistEvent ev;
        history(hist, &ev, H_ENTER, line.c_str());
        save_history();
    }
    return VXT_LINE;
}

void vxt_editor_close(void) {
    if (have_original) tcsetattr(STDIN_FILENO, TCSANOW, &original);
    have_original = false;
    if (el) el_end(el);
    if (hist) history_end(hist);
    el = nullptr;
    hist = nullptr;
}
