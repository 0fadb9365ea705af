// The word dictionary (input word -> identifier) and the input history of
// recently used dictionary entries that Up and Down recall.
#pragma once

constexpr int WORD_MAX_NUM = 1024;
constexpr int HIST_SLOTS = 9;

// The word is not copied: it points at the static text of a vocabulary table.
struct DicEntry {
    const char *word;
    int id;
};

struct Dictionary {
    DicEntry entries[WORD_MAX_NUM];
    int num;
};

// A ring of dictionary indices, -1 for empty. The slot at tail is always
// empty, so it holds at most eight; from tail + 1 onward they run from the
// oldest to the newest. cur is where the Up/Down walk stands.
struct History {
    int slots[HIST_SLOTS];
    int tail;
    int cur;
};

void dic_init(Dictionary *dic);
int dic_add(Dictionary *dic, const char *word, int id);
// Index of the first entry whose word equals word, or -1.
int dic_lookup(const char *word, const Dictionary *dic);
int dic_id(int ix, const Dictionary *dic);
const char *dic_word(int ix, const Dictionary *dic);

void hist_init(History *hist);
// Records that entry dic_ix was just used; a negative index records nothing.
void register_hist(int dic_ix, History *hist);
void hist_prev(History *hist);
void hist_next(History *hist);
// The word of the entry cur stands on, or nullptr when that slot is empty.
const char *hist_current_word(const History *hist, const Dictionary *dic);

// The histories Up and Down walk, kind 0 for verbs and 1 for nouns, with the
// dictionaries their entries index; the vocabulary attaches its own.
void input_hist_attach(int kind, History *hist, const Dictionary *dic);
// Which history Up and Down walk: 0 verbs, 1 nouns.
void set_hist_kind(int kind);
void input_hist_prev();
void input_hist_next();
const char *input_hist_word();
