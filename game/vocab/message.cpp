// The message formatter: the one way player-facing text is printed. It
// expands the game's placeholders and defers everything after a pause
// (%w) until the player presses Return.
#include "message.h"

#include "console.h"
#include "noun.h"

#include "sjis.h"
#include "vexdraw.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char pending_text[MESSAGE_BUFFER_SIZE];
int pending_len = 0;
bool resuming = false;
bool waiting = false;


// Appends to a fixed buffer; text that does not fit is cut at a character
// boundary (a message never overflows its buffer).
struct Output {
    char text[MESSAGE_BUFFER_SIZE];
    int len = 0;
    bool full = false;

    void add(const char *s, int n) {
        for (int i = 0; i < n && !full;) {
            int w = vx_sjis_lead(static_cast<unsigned char>(s[i])) && i + 1 < n ? 2 : 1;
            if (len + w >= MESSAGE_BUFFER_SIZE) {
                full = true;
                break;
            }
            std::memcpy(text + len, s + i, static_cast<size_t>(w));
            len += w;
            i += w;
        }
        text[len] = '\0';
    }
    void add(const char *s) { add(s ? s : "", static_cast<int>(std::strlen(s ? s : ""))); }
    void clear() {
        len = 0;
        full = false;
        text[0] = '\0';
    }
};

[[noreturn]] void unsupported(const char *diagnostic, int c) {
    vx_printf(diagnostic, c);
    std::fprintf(stderr, diagnostic, c);
    std::fputc('\n', stderr);
    std::exit(1);
}

void append_pending(const char *text) {
    int n = static_cast<int>(std::strlen(text));
    if (resuming) {
        pending_len = 0;
    } else if (pending_len > 0 &&
               !(pending_len >= 2 && pending_text[pending_len - 2] == '%' && pending_text[pending_len - 1] == 'w')) {
        if (pending_len + 1 < MESSAGE_BUFFER_SIZE) pending_text[pending_len++] = '\n';
    }
    // Cut at a character boundary so the queue stays well-formed.
    int room = MESSAGE_BUFFER_SIZE - 1 - pending_len;
    int take = 0;
    while (take < n) {
        int w = vx_sjis_lead(static_cast<unsigned char>(text[take])) && take + 1 < n ? 2 : 1;
        if (take + w > room) break;
        take += w;
    }
    std::memmove(pending_text + pending_len, text, static_cast<size_t>(take));
    pending_len += take;
    pending_text[pending_len] = '\0';
}

void vmessage(const char *format, va_list ap) {
    static Output out; // 16 KiB: kept off the stack
    out.clear();
    bool paused = false;
    const char *p = format ? format : "";
    while (*p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (vx_sjis_lead(c) && p[1]) {
            out.add(p, 2);
            p += 2;
            continue;
        }
        if (c != '%') {
            out.add(p, 1);
            ++p;
            continue;
        }
        char k = p[1];
        if (k == 'd') {
            char num[16];
            std::snprintf(num, sizeof num, "%d", va_arg(ap, int));
            out.add(num);
            p += 2;
        } else if (k == 's') {
            out.add(va_arg(ap, const char *));
            p += 2;
        } else if (k == 'v') {
            out.add(vid2verb(va_arg(ap, int)));
            p += 2;
        } else if (k == 'n') {
            char which = p[2];
            if (which != 'n' && which != 'l' && which != 'w')
                unsupported("%%n%c is not supported in message().", which);
            int nid = va_arg(ap, int);
            if (which == 'n' || which == 'l') out.add(nid2name(nid));
            if (which == 'l' || which == 'w') {
                out.add("[");
                out.add(nid2noun(nid));
                out.add("]");
            }
            p += 3;
        } else if (k == 'w') {
            if (!waiting && !paused) {
                console_print(out.text);
                out.clear();
                paused = true;
            } else {
                out.add("%w");
            }
            p += 2;
        } else {
            unsupported("%%%c is not supported in message().", k);
        }
    }
    if (!paused && !waiting) {
        pending_len = 0;
        console_print(out.text);
        return;
    }
    append_pending(out.text);
    vx_printf("set wait return callback:%s:%s\n", out.text, pending_text);
    set_wait_return_callback(resume_message);
    waiting = true;
}

}  // namespace

void message(const char *format, ...) {
    va_list ap;
    va_start(ap, format);
    vmessage(format, ap);
    va_end(ap);
}

void resume_message() {
    static char text[MESSAGE_BUFFER_SIZE];
    std::memcpy(text, pending_text, static_cast<size_t>(pending_len) + 1);
    resuming = true;
    waiting = false;
    message(text);
    resuming = false;
}

void discard_pending_message() {
    pending_len = 0;
    pending_text[0] = '\0';
    resuming = false;
    waiting = false;
}
