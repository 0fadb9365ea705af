// The command interpreter: every submitted line is either the answer to a
// pending question or a command, which is parsed, offered to the current
// area and then to the common handlers, and followed by the turn hook, the
// pending move and a redraw of the scene.
#include "command.h"

#include "area.h"
#include "console.h"
#include "flags.h"
#include "game_assert.h"
#include "message.h"
#include "noun.h"
#include "scene.h"
#include "status.h"

#include "sjis.h"
#include "vexdraw.h"

#include <cstdio>
#include <cstring>

namespace {

line_handler cur_line_handler = nullptr;

// The last command run, for the repeat word ("" before the first).
constexpr int LAST_LINE_SIZE = 256;
char last_line[LAST_LINE_SIZE];

// A typed word shown back to the player is cut to this many bytes; any
// line the command line can build fits unchanged.
constexpr int SHOWN_WORD_MAX = 96;

bool is_blank(char c) { return c == ' '; }

// The words of what is carried, on one trace line after the command's own:
// what the player could name from the inventory at that moment.
void trace_carried() {
    vx_printf("carried:");
    for (int i = 0; i < item_count_get(); ++i) vx_printf("[%s]", nid2noun(item_at(i)));
    vx_printf("\n");
}



// Copies a typed word into out so that it can be handed to message as an
// argument: well-formed Shift-JIS only (a lone or broken lead byte and any
// undefined or control byte become "?"), no "%" (a deferred message is
// scanned again as a format; "％" looks the same), and no longer than
// SHOWN_WORD_MAX bytes.
void shown_word(const char *word, char (&out)[SHOWN_WORD_MAX + 1]) {
    int n = 0;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(word ? word : "");
    while (*p) {
        if (vx_sjis_lead(*p) && vx_sjis_trail(p[1])) {
            if (n + 2 > SHOWN_WORD_MAX) break;
            out[n++] = static_cast<char>(p[0]);
            out[n++] = static_cast<char>(p[1]);
            p += 2;
            continue;
        }
        if (*p == '%') {
            if (n + 2 > SHOWN_WORD_MAX) break;
            out[n++] = static_cast<char>(0x81); // "％"
            out[n++] = static_cast<char>(0x93);
        } else {
            if (n + 1 > SHOWN_WORD_MAX) break;
            bool printable = (*p >= 0x20 && *p <= 0x7E) || (*p >= 0xA1 && *p <= 0xDF);
            out[n++] = printable ? static_cast<char>(*p) : '?';
        }
        ++p;
    }
    out[n] = '\0';
}

// Replies for a noun within reach that neither the area nor the item
// handler took.
void reply_noun_here(int vid, int nid) {
    switch (vid) {
    case vi_look: {
        const char *desc = noun_description(nid);
        message("%s", desc ? desc : "");
        break;
    }
    case vi_examine:
        if (nid == ni_ceiling)
            message("この位置から調べるのは無理だ。");
        else
            msg_nothing_special();
        break;
    case vi_get:
        message("それは取れない。");
        break;
    case vi_use:
        if (nid == ni_bed)
            message("ぐぅ。…いかん、寝ている場合ではない。");
        else
            msg_cannot_do_here();
        break;
    case vi_break:
        msg_cannot_break();
        break;
    case vi_touch:
    case vi_hit:
    case vi_kick:
        if (nid == ni_ceiling)
            message("届かない。");
        else
            msg_nothing_happened();
        break;
    case vi_open:
        if (nid == ni_window)
            message("枠が錆びついているのか、固くて開かない。");
        else
            msg_cannot_do_here();
        break;
    case vi_close:
        if (nid == ni_door || (nid >= ni_front_door && nid <= ni_right_door))
            msg_door_already_closed();
        else
            msg_cannot_do_here();
        break;
    case vi_read:
        msg_cannot_read();
        break;
    default:
        msg_cannot_do_here();
        break;
    }
}

void load_command() {
    if (load_game() != 0) {
        message("ゲームのロードに失敗しました。");
        return;
    }
    message("ゲームをロードしました。");
    undo_reset(UNDO_LIMIT_LOAD);
    // Enter the loaded area afresh at the end of the command.
    area_request_move(get_cur_area());
}

// "load backup": the save that the last save replaced.
void load_backup_command() {
    if (load_backup_game() != 0) {
        message("バックアップのロードに失敗しました。");
        return;
    }
    message("バックアップからゲームをロードしました。");
    undo_reset(UNDO_LIMIT_LOAD);
    area_request_move(get_cur_area());
}

void save_command() {
    if (flag_test(F_DANGER)) {
        message("そんな余裕はない！");
        return;
    }
    if (save_game() == 0)
        message("ゲームをセーブしました。");
    else
        message("ゲームのセーブに失敗しました。");
}

// Replies for a command without a noun that the area did not take.
void reply_no_noun(int vid) {
    switch (vid) {
    case vi_help: help_command(ni_invalid, nullptr); break;
    case vi_inventory: show_inventory(); break;
    case vi_load: load_command(); break;
    case vi_save: save_command(); break;
    case vi_quit: ask_quit(); break;
    case vi_config: config_command(ni_invalid, nullptr); break;
    case vi_score:
        print_score();
        print_mania();
        break;
    case vi_forward:
    case vi_backward:
    case vi_left:
    case vi_right: message("そちらには進めない。"); break;
    case vi_up: message("上れそうなところはない。"); break;
    case vi_down: message("降りられそうなところはない。"); break;
    case vi_examine:
    case vi_get:
    case vi_put:
    case vi_break:
    case vi_push:
    case vi_pull: message("何を？"); break;
    case vi_recall: recall_command(ni_invalid); break;
    case vi_pray: message("神は答えてくれない。"); break;
    case vi_wait: message("あなたは少し時間を潰した。"); break;
    default: msg_cannot_do_here(); break;
    }
}

// The command as the player typed it, blanks compacted, safe to show.
void command_label(const char *line, char (&out)[SHOWN_WORD_MAX + 1]) {
    char copy[SHOWN_WORD_MAX + 1];
    std::snprintf(copy, sizeof copy, "%s", line);
    char *text = nullptr;
    trim_spaces(copy, &text);
    shown_word(text, out);
}

void run_command(char *line);

// The repeat word: the last command again, as if typed anew.
void repeat_command() {
    if (!last_line[0]) {
        message("繰り返すコマンドがない。");
        return;
    }
    char line[LAST_LINE_SIZE];
    std::memcpy(line, last_line, sizeof line);
    run_command(line);
}

void run_command(char *line) {
    char label[SHOWN_WORD_MAX + 1];
    command_label(line, label);
    char typed[LAST_LINE_SIZE];
    std::snprintf(typed, sizeof typed, "%s", line);

    char *verb = nullptr;
    char *noun = nullptr;
    parse_line(line, &verb, &noun);
    trace_carried();
    // The noun first: the verb's meaning may depend on it.
    int nid = word2nid(noun);
    int vid = word2vid(verb, nid);
    reading r;
    r.kind = READ_NOTHING;
    if (vid == vi_unknown || nid == ni_unknown) read_forgivingly(verb, noun, &r);
    switch (r.kind) {
    case READ_UNDO: undo_command(); return;
    case READ_AGAIN: repeat_command(); return;
    case READ_COMMAND:
        verb = r.verb;
        noun = r.noun[0] ? r.noun : nullptr;
        nid = word2nid(noun);
        vid = word2vid(verb, nid);
        break;
    default: break;
    }

    std::memcpy(last_line, typed, sizeof last_line);
    undo_begin_step(label);
    if (r.kind == READ_LOAD_BACKUP) {
        load_backup_command();
        vid = vi_load;
    } else {
        common_command(vid, nid, verb, noun);
    }

    bool counted = !(vid == vi_look || vid == vi_inventory || vid == vi_load || vid == vi_save ||
                     vid == vi_unknown || nid == ni_unknown);
    area_call_turn_hook(get_cur_area(), counted ? 1 : 0);
    area_perform_move();
    undo_end_step();
}

} // namespace

void init_command() {
    init_nouns();
    init_verbs();
    end_line_handler();
    undo_reset(UNDO_LIMIT_START);
    last_line[0] = '\0';
}

void set_line_handler(line_handler handler, const char *prompt) {
    cur_line_handler = handler;
    line_set_text(prompt);
}

void end_line_handler() {
    cur_line_handler = nullptr;
    line_set_text(nullptr);
}

bool line_handler_active() { return cur_line_handler != nullptr; }

void execute_command(char *line) {
    char empty[1] = {'\0'};
    if (!line) line = empty;

    if (cur_line_handler) {
        // The answer to a question, even an empty one: no turn, no move.
        forgive_answer(line);
        if (cur_line_handler(line) == 0) end_line_handler();
    } else if (line[0] != '\0') {
        run_command(line);
    }
    scene_refresh();
}

void parse_line(char *line, char **verb, char **noun) {
    vx_printf("|%s|\n", line);
    *noun = nullptr;
    char *rest = cut_verb(line, verb);
    if (rest) trim_spaces(rest, noun);
}

// Blank tests are made on single bytes: a Shift-JIS second byte is never
// 0x20, and stepping byte by byte never runs past the terminator.
char *cut_verb(char *line, char **verb) {
    char *p = line;
    while (is_blank(*p)) ++p;
    *verb = p;
    while (*p && !is_blank(*p)) ++p;
    if (!*p) return nullptr;
    *p = '\0';
    return p + 1;
}

void trim_spaces(char *text, char **noun) {
    char *p = text;
    while (is_blank(*p)) ++p;
    if (!*p) {
        *noun = nullptr;
        return;
    }
    *noun = text;
    // Compact in place: each run of blanks becomes one, a trailing one goes.
    char *out = text;
    while (*p) {
        if (is_blank(*p)) {
            while (is_blank(*p)) ++p;
            if (*p) *out++ = ' ';
        } else {
            *out++ = *p++;
        }
    }
    *out = '\0';
}

void common_command(int vid, int nid, const char *verb, const char *noun) {
    GAME_ASSERT(vid != vi_invalid);

    char verb_shown[SHOWN_WORD_MAX + 1];
    char noun_shown[SHOWN_WORD_MAX + 1];
    shown_word(verb, verb_shown);
    shown_word(noun, noun_shown);

    if (vid == vi_unknown) {
        message("%sという動詞は使えない。", verb_shown);
        return;
    }
    if (nid == ni_unknown) {
        message("%sという名詞は使えない。", noun_shown);
        return;
    }

    int noun_here = 0;
    if (area_call_handler(get_cur_area(), vid, nid, &noun_here)) return;

    if (nid == ni_invalid) {
        reply_no_noun(vid);
        return;
    }

    if (vid == vi_help) {
        help_command(nid, noun_shown);
        return;
    }
    if (vid == vi_config) {
        config_command(nid, noun_shown);
        return;
    }
    if (vid == vi_recall) {
        recall_command(nid);
        return;
    }
    if (nid >= ni_newspaper && nid < ni_item_end) {
        if (has_item(nid)) noun_here = 1;
        if (item_command(vid, nid, noun_here)) return;
    }
    if (!noun_here) {
        msg_not_here();
        return;
    }
    reply_noun_here(vid, nid);
}
