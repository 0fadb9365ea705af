// Terminal play: reads the player's lines (through the line editor on a
// terminal, plainly otherwise), refuses what no key can type, hands the
// rest to the headless host as key events, and before each prompt shows
// the picture when it has changed and the status in the terminal's title.
#include "term.h"

#include "headless/host_headless.h"
#include "headless/key_script.h"
#include "term_internal.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <poll.h>
#include <unistd.h>

// Refusals, in the voice of the program's own replies.
const char *const vxt_msg_control =
    reinterpret_cast<const char *>(u8"制御文字やエスケープシーケンスは入力できない。");
const char *const vxt_msg_not_utf8 = reinterpret_cast<const char *>(u8"UTF-8でない文字は読めない。");

namespace {

const char *const msg_too_long = reinterpret_cast<const char *>(u8"一行が長すぎる。");
const char *const msg_unknown_key =
    reinterpret_cast<const char *>(u8"{ }の中には{F1}や{Return}のようなキーの名前を書いてください。");
const char *const msg_cannot_type_1 = reinterpret_cast<const char *>(u8"「");
const char *const msg_cannot_type_2 =
    reinterpret_cast<const char *>(u8"」は入力できない。ひらがな、カタカナかローマ字で入力してください。");
const char *const msg_cannot_type = reinterpret_cast<const char *>(
    u8"その文字は入力できない。ひらがな、カタカナかローマ字で入力してください。");
const char *const picture_label = reinterpret_cast<const char *>(u8"絵：");

constexpr int QUERY_TIMEOUT_MS = 200;
constexpr size_t READ_CHUNK = 65536;

// What the program tells about its screen (text in Shift-JIS).
const char *(*prompt_callback)(void) = nullptr;
int area_x = 0, area_y = 0, area_w = -1, area_h = -1; // -1: the whole window
std::string caption;
std::string status;

// How this terminal is used.
bool running = false;
bool plain = false;
bool editor = false;
bool status_line = false;
bool stdin_tty = false;
int picture_mode = VX_PICTURES_OFF;
bool half_blocks = false;
int reply_cell_w = 0, reply_cell_h = 0;

bool picture_shown = false;
uint64_t picture_hash = 0;
std::string status_shown;
int ends_in_a_row = 0; // Ctrl-D presses without a line between them

// The plain reader's buffer.
std::string input;
size_t input_at = 0;
bool input_ended = false;

volatile sig_atomic_t end_flag = 0;
volatile sig_atomic_t resized_flag = 0;
volatile sig_atomic_t interrupted_flag = 0;

void on_end(int) { end_flag = 1; }
void on_resize(int) { resized_flag = 1; }
void on_interrupt(int) { interrupted_flag = 1; }

void handle(int sig, void (*handler)(int)) {
    struct sigaction sa{};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART; // waits notice signals through poll, which is never restarted
    sigaction(sig, &sa, nullptr);
}

void put(const std::string &bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

std::string history_path() {
    std::string dir = vxi_xdg_dir("XDG_STATE_HOME", ".local/state");
    return dir.empty() ? "" : dir + "/history";
}

// ---- Reading lines ----

// Reads a line as typed, without its line end; lines past VXT_LINE_MAX are
// read to their end and marked too long.
VxtRead read_plain(const std::string &prompt, std::string &line, bool &too_long) {
    if (!prompt.empty()) std::printf("%s ", prompt.c_str());
    std::fflush(stdout);
    line.clear();
    too_long = false;
    vxt_take_interrupted();
    for (;;) {
        if (input_at == input.size()) {
            input.clear();
            input_at = 0;
            if (input_ended && !line.empty()) break;
            if (input_ended) {
                std::fputs("\n", stdout);
                return VXT_END;
            }
            pollfd p{STDIN_FILENO, POLLIN, 0};
            if (poll(&p, 1, -1) < 0) {
                if (errno != EINTR || end_flag) return VXT_END;
                if (vxt_take_interrupted()) { // the terminal dropped what was typed
                    std::fputs("\n", stdout);
                    return VXT_CANCELLED;
                }
                continue;
            }
            input.resize(READ_CHUNK);
            ssize_t n = read(STDIN_FILENO, input.data(), READ_CHUNK);
            input.resize(n > 0 ? static_cast<size_t>(n) : 0);
            if (n < 0 && errno == EINTR) continue;
            if (n == 0 && stdin_tty && line.empty()) { // Ctrl-D on an empty line
                std::fputs("\n", stdout);
                return VXT_CLOSE;
            }
            if (n == 0 && stdin_tty) break;
            if (n <= 0) input_ended = true;
            continue;
        }
        char c = input[input_at++];
        if (c == '\n') break;
        if (line.size() < VXT_LINE_MAX)
            line += c;
        else
            too_long = true;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return VXT_LINE;
}

// Why a line cannot be typed, or "" when every character can.
std::string check_line(const std::string &line) {
    for (size_t i = 0; i < line.size();) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7F) return vxt_msg_control;
            ++i;
            continue;
        }
        uint32_t cp = 0;
        int n = vxi_utf8_decode(line.data() + i, line.size() - i, &cp);
        if (n < 0) return vxt_msg_not_utf8;
        if (cp < 0xA0) return vxt_msg_control;
        if (!vx_script_can_type(cp)) {
            // Only characters that surely print are shown back.
            bool printable = cp >= 0x3000 && cp != 0xFEFF && !(cp >= 0xFFF0 && cp <= 0xFFFF);
            if (!printable) return msg_cannot_type;
            return std::string(msg_cannot_type_1) + line.substr(i, static_cast<size_t>(n)) + msg_cannot_type_2;
        }
        i += static_cast<size_t>(n);
    }
    return "";
}

// Removes the line the player typed from the screen: the program echoes
// it, kana and all, in its place.
void erase_typed_line(const std::string &prompt, const std::string &line) {
    std::string text = prompt.empty() ? line : prompt + " " + line;
    std::vector<wchar_t> wide(text.size() + 1);
    size_t n = std::mbstowcs(wide.data(), text.c_str(), wide.size());
    int width = n == static_cast<size_t>(-1) ? static_cast<int>(text.size()) : wcswidth(wide.data(), n);
    if (width < 0) width = static_cast<int>(text.size());
    int cols = vxt_term_size().cols;
    int rows = width == 0 ? 1 : (width + cols - 1) / cols;
    put("\x1b[" + std::to_string(rows) + "A\r\x1b[J");
}

// ---- Pictures and status ----

std::string render(const VxtImage &img) {
    VxtTermSize ts = vxt_term_size();
    int cw = ts.cell_w ? ts.cell_w : reply_cell_w ? reply_cell_w : 10;
    int ch = ts.cell_h ? ts.cell_h : reply_cell_h ? reply_cell_h : 20;
    int cols = ts.cols > 9 ? ts.cols - 1 : 8;
    int rows = ts.rows * 3 / 5 > 4 ? ts.rows * 3 / 5 : 4;
    auto fit = [&](double w_units, double h_units) {
        double s = w_units / img.w;
        if (h_units / img.h < s) s = h_units / img.h;
        return s < 1.0 ? s : 1.0;
    };
    auto scaled = [&](double s, int min_w, int min_h) {
        int w = static_cast<int>(img.w * s), h = static_cast<int>(img.h * s);
        return vxt_shrink(img, w > min_w ? w : min_w, h > min_h ? h : min_h);
    };
    switch (picture_mode) {
    case VX_PICTURES_SIXEL: return vxt_sixel(scaled(fit(cols * cw, rows * ch), 1, 1)) + "\r\n";
    case VX_PICTURES_KITTY: {
        double s = fit(cols * cw, rows * ch);
        int c = static_cast<int>(img.w * s / cw + 0.999), r = static_cast<int>(img.h * s / ch + 0.999);
        return vxt_kitty(img, c, r) + "\r\n";
    }
    case VX_PICTURES_BLOCKS:
        if (half_blocks) return vxt_half_blocks(scaled(fit(cols, rows * 2), 1, 2));
        return vxt_braille(scaled(fit(cols * 2, rows * 4), 2, 4));
    default: return "";
    }
}

// Shows the picture when it differs from the one shown last: drawn, or in
// plain play described.
void show_picture() {
    VxBitmap *page = vxi_shown_page();
    if (!page) return;
    int w = area_w < 0 ? page->w : area_w, h = area_h < 0 ? page->h : area_h;
    VxtImage img = vxt_crop(page, area_w < 0 ? 0 : area_x, area_h < 0 ? 0 : area_y, w, h);
    if (img.w == 0) return;
    uint64_t hash = 1469598103934665603ull;
    for (uint32_t p : img.px) hash = (hash ^ p) * 1099511628211ull;
    hash ^= static_cast<uint64_t>(img.w) << 32 | static_cast<uint32_t>(img.h);
    if (picture_shown && hash == picture_hash) return;
    picture_shown = true;
    picture_hash = hash;
    if (plain) {
        if (!caption.empty()) put(picture_label + vxi_sjis_to_utf8(caption.c_str()) + "\n");
        return;
    }
    if (picture_mode != VX_PICTURES_OFF) put(render(img));
}

void show_status() {
    if (!status_line || status == status_shown) return;
    status_shown = status;
    std::string text;
    for (char c : vxi_sjis_to_utf8(status.c_str()))
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) text += c;
    put("\x1b]2;" + text + "\x07");
}

// ---- The event source ----

bool next_events(std::vector<VxScriptEvent> &out) {
    for (;;) {
        if (end_flag || std::ferror(stdout)) return false;
        show_picture();
        show_status();
        const char *p = prompt_callback ? prompt_callback() : ">";
        std::string prompt = vxi_sjis_to_utf8(p ? p : "");
        std::string line;
        bool too_long = false;
        VxtRead r = editor ? vxt_editor_read(prompt.empty() ? "" : prompt + " ", line, too_long)
                           : read_plain(prompt, line, too_long);
        if (r == VXT_END) return false;
        if (r == VXT_CANCELLED) continue;
        if (r == VXT_CLOSE) {
            // The program asks its own question; a second Ctrl-D ends.
            if (++ends_in_a_row > 1) {
                if (editor) put("\n");
                return false;
            }
            if (editor) put("\r\x1b[K");
            out.push_back({VxScriptEvent::KEYSYM, static_cast<int>(VX_KEY_CLOSE), VxModifiers{}, {}});
            return true;
        }
        ends_in_a_row = 0;
        std::string why = too_long ? msg_too_long : check_line(line);
        if (why.empty()) {
            std::string error;
            vx_parse_key_script_line(line, out, error);
            if (!error.empty()) {
                out.clear();
                why = msg_unknown_key;
            }
        }
        if (!why.empty()) {
            vxt_refuse(why.c_str());
            continue;
        }
        if (editor) erase_typed_line(prompt, line);
        return true;
    }
}

}  // namespace

bool vxt_end_requested(void) { return end_flag != 0; }

bool vxt_take_resized(void) {
    bool r = resized_flag != 0;
    resized_flag = 0;
    return r;
}

bool vxt_take_interrupted(void) {
    bool r = interrupted_flag != 0;
    interrupted_flag = 0;
    return r;
}

void vxt_refuse(const char *utf8_message) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", utf8_message);
    std::fflush(stderr);
}

int vx_term_picture_mode(const char *name) {
    static const char *const names[] = {"auto", "sixel", "kitty", "blocks", "off"};
    for (int i = 0; i < 5; ++i)
        if (name && std::strcmp(name, names[i]) == 0) return i;
    return -1;
}

void vx_term_start(int pictures, int plain_output) {
    if (!running) std::atexit(vx_term_stop); // also when the program calls exit
    running = true;
    plain = plain_output != 0;
    stdin_tty = isatty(STDIN_FILENO) == 1;
    bool stdout_tty = isatty(STDOUT_FILENO) == 1;
    const char *term = std::getenv("TERM");
    bool dumb = !term || !*term || std::strcmp(term, "dumb") == 0;
    half_blocks = term && std::strcmp(term, "linux") == 0;
    vxi_set_plain_transcript(plain ? 1 : 0);

    handle(SIGTERM, on_end);
    handle(SIGHUP, on_end);
    handle(SIGINT, stdin_tty ? on_interrupt : on_end);
    handle(SIGWINCH, on_resize);
    signal(SIGPIPE, SIG_IGN); // a closed output shows as a write error and ends play

    picture_mode = VX_PICTURES_OFF;
    if (!plain && stdout_tty) {
        status_line = !dumb;
        picture_mode = pictures;
        if (pictures == VX_PICTURES_AUTO && dumb) picture_mode = VX_PICTURES_OFF;
        bool graphics = pictures == VX_PICTURES_AUTO || pictures == VX_PICTURES_SIXEL || pictures == VX_PICTURES_KITTY;
        VxtTermReply reply;
        if (graphics && !dumb && stdin_tty) reply = vxt_query_terminal(QUERY_TIMEOUT_MS, input);
        reply_cell_w = reply.cell_w;
        reply_cell_h = reply.cell_h;
        if (picture_mode == VX_PICTURES_AUTO) picture_mode = vxt_choose_mode(reply, term, std::getenv("TERM_PROGRAM"));
        if (stdin_tty) editor = vxt_editor_open(history_path(), input);
        if (editor) input.clear(); // the editor reads what was typed during the query
        if (status_line) put("\x1b[22;2t"); // keep the terminal's own title
    }
    vx_headless_set_event_source(next_events);
}

void vx_term_stop(void) {
    if (!running) return;
    running = false;
    vx_headless_set_event_source(nullptr);
    if (editor) vxt_editor_close();
    editor = false;
    if (status_line) put("\x1b[23;2t");
    status_line = false;
    std::fflush(stdout);
}

// ---- What the program tells (vexdraw.h) ----

int vx_set_prompt_callback(const char *(*callback)(void)) {
    prompt_callback = callback;
    return 0;
}

int vx_set_picture_area(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return -1;
    area_x = x;
    area_y = y;
    area_w = w;
    area_h = h;
    return 0;
}

int vx_set_picture_caption(const char *text) {
    caption = text ? text : "";
    return 0;
}

int vx_set_status_text(const char *text) {
    status = text ? text : "";
    return 0;
}
