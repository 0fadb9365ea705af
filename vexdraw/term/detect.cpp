// What the terminal can show: its size, and its answers to the device
// attributes (sixel), kitty graphics and cell-size queries, read with a
// short timeout so that a terminal that answers nothing never stalls play.
#include "term.h"
#include "term_internal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

// The queries: a 1x1 kitty graphics test image, the cell size in pixels,
// and the primary device attributes. Every terminal answers the last one,
// so its answer ends the wait.
constexpr char queries[] = "\x1b_Gi=31,s=1,v=1,a=q,t=d,f=24;AAAA\x1b\\"
                           "\x1b[16t"
                           "\x1b[c";
constexpr size_t REPLY_MAX = 1024;

long now_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000L + ts.tv_nsec / 1000000L;
}

// The numbers of a parameter string such as "63;1;4".
std::vector<int> numbers(const std::string &s) {
    std::vector<int> out;
    int v = 0;
    bool any = false;
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            if (v < 100000) v = v * 10 + (c - '0');
            any = true;
        } else {
            out.push_back(any ? v : 0);
            v = 0;
            any = false;
        }
    }
    out.push_back(any ? v : 0);
    return out;
}

bool in_list(const char *value, const char *const *list) {
    if (!value) return false;
    for (; *list; ++list)
        if (std::strcmp(value, *list) == 0) return true;
    return false;
}

}  // namespace

VxtTermSize vxt_term_size(void) {
    VxtTermSize size;
    winsize ws{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0 && ws.ws_row > 0) {
        size.cols = ws.ws_col;
        size.rows = ws.ws_row;
        if (ws.ws_xpixel > 0 && ws.ws_ypixel > 0) {
            size.cell_w = ws.ws_xpixel / ws.ws_col;
            size.cell_h = ws.ws_ypixel / ws.ws_row;
        }
    }
    return size;
}

VxtTermReply vxt_parse_reply(const std::string &bytes, bool *complete, std::string *rest) {
    VxtTermReply r;
    if (complete) *complete = false;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t end = std::string::npos; // just past an answer that starts at i
        if (bytes.compare(i, 3, "\x1b_G") == 0) {
            // Kitty graphics: "ESC _ G i=31;OK ESC \".
            size_t st = bytes.find("\x1b\\", i + 3);
            if (st != std::string::npos) {
                if (bytes.substr(i + 3, st - i - 3).find(";OK") != std::string::npos) r.kitty = true;
                end = st + 2;
            }
        } else if (bytes.compare(i, 2, "\x1b[") == 0) {
            size_t j = i + 2;
            while (j < bytes.size() && ((bytes[j] >= '0' && bytes[j] <= '9') || bytes[j] == ';' || bytes[j] == '?'))
                ++j;
            std::string params = bytes.substr(i + 2, j - i - 2);
            if (j < bytes.size() && bytes[j] == 'c' && !params.empty() && params[0] == '?') {
                // Device attributes: 4 among them means sixel graphics.
                std::vector<int> attrs = numbers(params.substr(1));
                r.answered = true;
                for (size_t k = 1; k < attrs.size(); ++k)
                    if (attrs[k] == 4) r.sixel = true;
                if (complete) *complete = true;
                end = j + 1;
            } else if (j < bytes.size() && bytes[j] == 't') {
                std::vector<int> v = numbers(params);
                if (v.size() == 3 && v[0] == 6 && v[1] > 0 && v[2] > 0 && v[1] < 1000 && v[2] < 1000) {
                    r.cell_h = v[1];
                    r.cell_w = v[2];
                    end = j + 1;
                }
            }
        }
        if (end == std::string::npos) {
            if (rest) *rest += bytes[i];
            ++i;
        } else {
            i = end;
        }
    }
    return r;
}

VxtTermReply vxt_query_terminal(int timeout_ms, std::string &typed) {
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) return VxtTermReply{};
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) != 0) return VxtTermReply{};

    std::string reply;
    bool complete = false;
    if (write(STDOUT_FILENO, queries, sizeof queries - 1) == static_cast<ssize_t>(sizeof queries - 1)) {
        long deadline = now_ms() + timeout_ms;
        while (!complete && reply.size() < REPLY_MAX) {
            long left = deadline - now_ms();
            if (left <= 0) break;
            pollfd p{STDIN_FILENO, POLLIN, 0};
            int n = poll(&p, 1, static_cast<int>(left));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            char buf[256];
            ssize_t got = read(STDIN_FILENO, buf, sizeof buf);
            if (got <= 0) break;
            reply.append(buf, static_cast<size_t>(got));
            vxt_parse_reply(reply, &complete, nullptr);
        }
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    return vxt_parse_reply(reply, nullptr, &typed);
}

int vxt_choose_mode(const VxtTermReply &reply, const char *term, const char *term_program) {
    static const char *const kitty_programs[] = {"WezTerm", "ghostty", nullptr};
    static const char *const sixel_terms[] = {"mlterm", "foot", "foot-extra", "yaft-256color", "contour", nullptr};
    if (reply.kitty) return VX_PICTURES_KITTY;
    if (reply.sixel) return VX_PICTURES_SIXEL;
    if (!reply.answered) {
        // Nothing came back in time: the names are all there is to go by.
        if ((term && std::strstr(term, "kitty")) || in_list(term_program, kitty_programs)) return VX_PICTURES_KITTY;
        if (in_list(term, sixel_terms)) return VX_PICTURES_SIXEL;
    }
    return VX_PICTURES_BLOCKS;
}
