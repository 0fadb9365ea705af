// Reading what the player meant when the vocabulary does not take a line as
// typed: English filler words (articles, a preposition before the noun, a
// prepositional tail after it), verbs written with a particle ("pick up"),
// the words that take a command back or repeat it, and the letters typed
// for a kana line that means nothing as kana. A line the vocabulary takes
// as it stands is never read any other way, and a reading is only ever
// made of words the player typed, each meaning what it means alone.
#include "command.h"

#include "input_mode.h"
#include "noun.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int PHRASE_WORDS = 64; // a line of 127 bytes has at most 64 words

constexpr const char *articles[] = {"the", "a", "an"};
constexpr const char *prepositions[] = {
    "at", "in", "into", "inside", "on", "onto", "to", "with", "under", "behind", "through",
    "from", "for", "about", "around", "toward", "towards", "upon", "over", "off", "out", "near",
};

// A verb written with a particle, and the verb of the vocabulary it means.
struct verb_phrase {
    const char *verb;
    const char *particle;
    const char *means;
};
constexpr verb_phrase verb_phrases[] = {
    {"pick", "up", "get"},      {"put", "down", "put"},    {"turn", "on", "use"},
    {"switch", "on", "use"},    {"go", "in", "enter"},     {"go", "into", "enter"},
    {"go", "inside", "enter"},  {"go", "out", "exit"},     {"go", "back", "backward"},
    {"get", "in", "enter"},     {"get", "out", "exit"},    {"hide", "in", "enter"},
    {"climb", "up", "up"},      {"climb", "down", "down"},
};

// Words no verb or noun of the vocabulary takes (a test keeps it so), in
// the order of the input languages.
constexpr const char *undo_words[] = {"undo", "とりけす", "トリケス"};
constexpr const char *again_words[] = {"again", "もういちど", "モウイチド", "g"};
constexpr const char *backup_words[] = {"backup", "ばっくあっぷ", "バックアップ"};
// As help shows them.
constexpr const char *spoken_words[][3] = {
    {"undo", "とりけす", "トリケス"},
    {"again, g", "もういちど", "モウイチド"},
    {"load backup", "ろーど ばっくあっぷ", "ロード バックアップ"},
};

template <size_t N> bool in_list(const char *word, const char *const (&list)[N]) {
    for (const char *w : list)
        if (std::strcmp(word, w) == 0) return true;
    return false;
}

bool is_move_verb(int vid) { return vid >= vi_forward && vid <= vi_exit; }

// Splits text in place at blanks; -1 when it has too many words.
int split_words(char *text, char **words) {
    int n = 0;
    for (char *p = text; *p;) {
        while (*p == ' ') *p++ = '\0';
        if (!*p) break;
        if (n == PHRASE_WORDS) return -1;
        words[n++] = p;
        while (*p && *p != ' ') ++p;
    }
    return n;
}

void join_words(char *const *words, int from, int to, char (&out)[READING_WORD_SIZE]) {
    out[0] = '\0';
    for (int i = from; i < to; ++i) {
        size_t len = std::strlen(out);
        std::snprintf(out + len, sizeof out - len, "%s%s", i > from ? " " : "", words[i]);
    }
}

int drop_articles(char **words, int n) {
    int kept = 0;
    for (int i = 0; i < n; ++i)
        if (!in_list(words[i], articles)) words[kept++] = words[i];
    return kept;
}

// The noun phrase words[first..n) as meant: the whole of it, then its head
// before the first preposition. Returns how many readings were written.
int noun_readings(char *const *words, int first, int n, char (&out)[2][READING_WORD_SIZE]) {
    join_words(words, first, n, out[0]);
    for (int i = first + 1; i < n; ++i) {
        if (in_list(words[i], prepositions)) {
            join_words(words, first, i, out[1]);
            return 2;
        }
    }
    return 1;
}

// Copies text into buf and splits it, articles dropped; -1 when it does not
// fit (only a line longer than the command line holds).
int words_of(const char *text, char (&buf)[READING_WORD_SIZE], char **words) {
    if (std::strlen(text) >= sizeof buf) return -1;
    std::strcpy(buf, text);
    int n = split_words(buf, words);
    return n < 0 ? -1 : drop_articles(words, n);
}

reading_kind read_command(const char *verb, const char *noun, reading *out) {
    char buf[READING_WORD_SIZE];
    char *words[PHRASE_WORDS];
    int n = words_of(noun, buf, words);
    if (n < 0) return READ_NOTHING;
    if (n == 1 && in_list(words[0], backup_words) && find_vid(verb, ni_unknown) == vi_load) {
        std::snprintf(out->verb, sizeof out->verb, "%s", verb);
        std::snprintf(out->noun, sizeof out->noun, "%s", words[0]);
        return out->kind = READ_LOAD_BACKUP;
    }
    int first = 0;
    const char *v = verb;
    if (n > 0) {
        for (const verb_phrase &p : verb_phrases) {
            if (std::strcmp(verb, p.verb) == 0 && std::strcmp(words[0], p.particle) == 0) {
                v = p.means;
                first = 1;
                break;
            }
        }
        if (first == 0 && std::strcmp(verb, "go") == 0 && is_move_verb(find_vid(words[0], ni_invalid))) {
            v = words[0];
            first = 1;
        }
    }
    while (first < n && in_list(words[first], prepositions)) ++first;
    char nouns[2][READING_WORD_SIZE];
    int count = noun_readings(words, first, n, nouns);
    for (int i = 0; i < count; ++i) {
        int nid = nouns[i][0] ? find_nid(nouns[i]) : ni_invalid;
        if (nid == ni_unknown || find_vid(v, nid) == vi_unknown) continue;
        std::snprintf(out->verb, sizeof out->verb, "%s", v);
        std::snprintf(out->noun, sizeof out->noun, "%s", nouns[i]);
        return out->kind = READ_COMMAND;
    }
    return READ_NOTHING;
}

// The noun an answer names once English filler words are dropped, written
// to out; -1 when it names none.
int read_answer(const char *answer, char (&out)[READING_WORD_SIZE]) {
    char buf[READING_WORD_SIZE];
    char *words[PHRASE_WORDS];
    int n = words_of(answer, buf, words);
    if (n <= 0) return ni_unknown;
    int first = 0;
    while (first < n - 1 && in_list(words[first], prepositions)) ++first;
    char nouns[2][READING_WORD_SIZE];
    int count = noun_readings(words, first, n, nouns);
    for (int i = 0; i < count; ++i) {
        int nid = find_nid(nouns[i]);
        if (nid == ni_unknown) continue;
        std::memcpy(out, nouns[i], sizeof out);
        return nid;
    }
    return ni_unknown;
}

// Splits a copy of a line into its verb and noun part; false when it does
// not fit.
bool split_line(const char *line, char (&buf)[READING_WORD_SIZE], char **verb, char **noun) {
    if (std::strlen(line) >= sizeof buf) return false;
    std::strcpy(buf, line);
    *noun = nullptr;
    char *rest = cut_verb(buf, verb);
    if (rest) trim_spaces(rest, noun);
    return true;
}

// A copy of an answer with its blanks compacted; false when nothing is left.
bool trimmed_answer(const char *answer, char (&buf)[READING_WORD_SIZE], char **text) {
    if (std::strlen(answer) >= sizeof buf) return false;
    std::strcpy(buf, answer);
    trim_spaces(buf, text);
    return *text != nullptr;
}

// How much of a line the vocabulary takes: 2 it runs as a command (as it
// stands or as read here), 1 only its verb is known, 0 not even that.
int command_sense(const char *line) {
    char buf[READING_WORD_SIZE];
    char *verb = nullptr;
    char *noun = nullptr;
    if (!split_line(line, buf, &verb, &noun) || !verb[0]) return 0;
    int nid = find_nid(noun);
    if (nid != ni_unknown && find_vid(verb, nid) != vi_unknown) return 2;
    reading r;
    if (read_forgivingly(verb, noun, &r) != READ_NOTHING) return 2;
    return find_vid(verb, ni_unknown) != vi_unknown ? 1 : 0;
}

// Whether an answer names a noun, as it stands or as read here.
bool names_a_noun(const char *answer) {
    char buf[READING_WORD_SIZE];
    char *text = nullptr;
    if (!trimmed_answer(answer, buf, &text)) return false;
    char noun[READING_WORD_SIZE];
    return find_nid(text) != ni_unknown || read_answer(text, noun) != ni_unknown;
}

} // namespace

reading_kind read_forgivingly(const char *verb, const char *noun, reading *out) {
    out->kind = READ_NOTHING;
    out->verb[0] = out->noun[0] = '\0';
    if (!verb) return READ_NOTHING;
    if (noun) return read_command(verb, noun, out);
    if (find_vid(verb, ni_invalid) != vi_unknown) return READ_NOTHING;
    if (in_list(verb, undo_words)) return out->kind = READ_UNDO;
    if (in_list(verb, again_words)) return out->kind = READ_AGAIN;
    return READ_NOTHING;
}

const char *spoken_word_text(spoken_word w) {
    int mode = get_input_mode();
    return spoken_words[w][mode >= 0 && mode <= 2 ? mode : 0];
}

bool prefer_typed_line(const char *line, const char *typed) {
    if (!line || !typed) return false;
    if (line_handler_active()) return !names_a_noun(line) && names_a_noun(typed);
    // The letters run when only they are a command; when neither is, they
    // are still shown when only their verb is known, so that the reply
    // names the word that was not understood.
    return command_sense(typed) > command_sense(line);
}

void forgive_answer(char *line) {
    char buf[READING_WORD_SIZE];
    char *text = nullptr;
    if (!line || !trimmed_answer(line, buf, &text) || find_nid(text) != ni_unknown) return;
    char noun[READING_WORD_SIZE];
    if (read_answer(text, noun) != ni_unknown) std::strcpy(line, noun); // never longer than the line
}
