// The system commands: the help menu and its pages, the settings menu with
// the input-language question, and the quit question. Verbs and nouns are
// always shown in the current input language, as the player would type them.
#include "command.h"

#include "console.h"
#include "input_mode.h"
#include "message.h"
#include "noun.h"
#include "vexdraw.h"

#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

struct help_topic {
    int nid;
    const char *line; // the menu line: help verb, topic noun, title
    void (*page)();
};

constexpr help_topic help_topics[] = {
    {ni_basic, "  %s %s: 基本コマンド", help_basic},
    {ni_verb, "  %s %s: 動詞一覧", help_verbs},
    {ni_noun, "  %s %s: 名詞一覧", help_nouns},
    {ni_tips, "  %s %s: ヒント", help_tips},
    {ni_key, "  %s %s: キー操作", help_keys},
    {ni_assist, "  %s %s: 補助", help_assist},
};

struct key_row {
    const char *label;
    const char *text;
};

constexpr int KEY_LABEL_WIDTH = 20; // bytes; a double-byte character counts 2

constexpr key_row key_rows[] = {
    {"英字・数字・スペース", "コマンド入力"},
    {"リターン", "コマンド決定"},
    {"[PageUp][PageDown]", "メッセージのロールバック"},
    {"↑↓", "ヒストリ(過去に入力した動詞・名詞を呼び出す)"},
    {"F1", "入力方式切替"},
    {"Ctrl+Z", "直前のコマンドを取り消す"},
};

constexpr key_row assist_rows[] = {
    {"F2", "ミニマップの表示ON/OFF"},
    {"F3", "ミニマップの表示位置移動"},
    {"F4", "ミニマップの非透過/半透過"},
    {"おもいだす", "過去に読んだ本などの内容を再表示"},
};

// The words that take a command back, repeat it and load the backup,
// shown in the current input language like the vocabulary.
struct spoken_row {
    spoken_word word;
    const char *text;
};

constexpr spoken_row spoken_rows[] = {
    {WORD_UNDO, "直前のコマンドを取り消す(Ctrl+Zも可)"},
    {WORD_AGAIN, "直前のコマンドを繰り返す"},
    {WORD_LOAD_BACKUP, "ひとつ前のセーブを読み込む"},
};

// A word of the vocabulary, or "" should a table lack the record.
const char *noun_word(int nid) {
    const char *w = nid2noun(nid);
    return w ? w : "";
}

const char *verb_word(int vid) {
    const char *w = vid2verb(vid);
    return w ? w : "";
}

void print_key_row(const char *label, const char *text) {
    char line[256];
    std::snprintf(line, sizeof line, "%-*s: %s", KEY_LABEL_WIDTH, label, text);
    message("%s", line);
}

void print_key_rows(const key_row *rows, int count) {
    for (int i = 0; i < count; ++i) print_key_row(rows[i].label, rows[i].text);
}

// Appends text to a line buffer, never past its end.
void append(char *line, size_t size, const char *text) {
    size_t len = std::strlen(line);
    if (len + 1 >= size) return;
    std::snprintf(line + len, size - len, "%s", text);
}

} // namespace

void help_command(int nid, const char *noun) {
    if (nid == ni_invalid) {
        for (const help_topic &t : help_topics) message(t.line, verb_word(vi_help), noun_word(t.nid));
        return;
    }
    for (const help_topic &t : help_topics) {
        if (t.nid == nid) {
            t.page();
            return;
        }
    }
    message("%sは助けられない。", noun ? noun : "");
}

void help_basic() {
    message("「動詞」もしくは「動詞 名詞」の形式で入力してください。");
    message("「%v(f)」「%v(b)」「%v(l)」「%v(r)」で前後左右、「%v」「%v」で上下に移動できます。"
            "「%v」で持ち物を確認できます。",
            vi_forward, vi_backward, vi_left, vi_right, vi_up, vi_down, vi_inventory);
    message("「%v」「%v」「%v」で設定変更、説明表示、保存ができます。", vi_config, vi_help, vi_save);
}

void help_tips() {
    message("・「%v」できる状況では、デストラップ(ハマり)は存在しません。", vi_save);
    message("・目的語(名詞)なしの「%v」で、現在地の説明を見ることができます。", vi_look);
    message("・「%v」は時間が経過しません。「%v」は詳しく調べます。", vi_look, vi_examine);
    message("・提示される動詞・名詞のみでクリア可能ですが、類義語も受け付けます。");
    message("・文字が書かれたものは「%v 名詞」で読めます。", vi_read);
    message("・かなで通じない行は、打った英字のまま英語として読みます。");
    message("・英語の the や a、on や to で始まる後ろの句は読み飛ばします。");
}

void help_keys() { print_key_rows(key_rows, static_cast<int>(std::size(key_rows))); }

void help_assist() {
    print_key_rows(assist_rows, static_cast<int>(std::size(assist_rows)));
    for (const spoken_row &r : spoken_rows) print_key_row(spoken_word_text(r.word), r.text);
}

void help_nouns() {
    message("以下の一般的な名詞が使用できます。その他の名詞は、メッセージ中で'[', ']'内に示されます。");
    char line[256] = "";
    for (int nid = ni_door; nid <= ni_corridor; ++nid) {
        append(line, sizeof line, noun_word(nid));
        append(line, sizeof line, " ");
    }
    vx_printf("%s\n", line);
    console_print(line);
}

void help_verbs() {
    message("以下の動詞が使用できます。");
    // Every verb up to quit, in table order: score, start and title stay
    // out of the list.
    int mode = get_input_mode();
    if (mode < 0 || mode > 2) mode = 0;
    bool english = mode == 0;
    char line[1024] = "";
    for (int slot = 1; slot <= VERB_TABLE_SIZE; ++slot) {
        const verb_def *v = verb_at(slot);
        if (!v) break;
        const char *word = v->word[mode];
        if (!word) word = "";
        if (english && v->short_form && v->short_form[0] && word[0]) {
            char entry[64];
            std::snprintf(entry, sizeof entry, "%c(%s)", v->short_form[0], word + 1);
            append(line, sizeof line, entry);
        } else {
            append(line, sizeof line, word);
        }
        append(line, sizeof line, " ");
        if (v->vid == vi_quit) break;
    }
    vx_printf("%s\n", line);
    message("%s", line);
}

void config_command(int nid, const char *noun) {
    if (nid == ni_invalid) {
        message("以下の設定が可能です。");
        message("  %s %s: 入力言語設定", verb_word(vi_config), noun_word(ni_input));
    } else if (nid == ni_input) {
        message("どの入力方式に切り替えますか?(%nw%nw%nw)", ni_english, ni_hiragana, ni_katakana);
        set_line_handler(answer_input_language, "?");
    } else {
        message("%sは設定できません。", noun ? noun : "");
    }
}

int answer_input_language(char *line) {
    if (!line || line[0] == '\0') return 0; // Return alone: nothing changes
    char *noun = nullptr;
    trim_spaces(line, &noun);
    switch (word2nid(noun)) {
    case ni_english:
        message("英語入力に切り替えました。");
        set_input_mode(0);
        break;
    case ni_hiragana:
        message("ひらがな入力に切り替えました。");
        set_input_mode(1);
        break;
    case ni_katakana:
        message("カタカナ入力に切り替えました。");
        set_input_mode(2);
        break;
    default:
        message("他の言語はわかりません。");
        break;
    }
    return 0;
}

void ask_quit() {
    message("プログラムを終了しますか(%nw/%nw)?", ni_yes, ni_no);
    set_line_handler(answer_quit, "?");
}

int answer_quit(char *line) {
    bool yes = !line || line[0] == '\0'; // Return alone means yes
    if (!yes) {
        char *noun = nullptr;
        trim_spaces(line, &noun);
        yes = word2nid(noun) == ni_yes;
    }
    if (yes) {
        vx_printf("bye.\n");
        vx_quit_loop();
    }
    return 0;
}
