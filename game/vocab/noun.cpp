// The vocabulary: loads the noun and verb tables of noun_table.cpp into
// their dictionaries, checks them at start-up, and answers the look-ups in
// both directions (word to identifier, identifier to word).
#include "noun.h"

#include "dic.h"
#include "game_assert.h"
#include "input_mode.h"
#include "noun_table.h"
#include "vexdraw.h"

#include <cstdlib>
#include <cstring>

namespace {

Dictionary noun_dic;
History noun_hist;
int nid2noun_ix[NID_COUNT];

Dictionary verb_dic;
History verb_hist;
int vid2verb_ix[VID_COUNT];
// 1024 x 173 cells; a verb identifier (-2..49) fits in a signed char.
TransRow trans[WORD_MAX_NUM];

// Identifiers without a record by design.
bool reserved_nid(int nid) { return nid == 1 || nid == ni_item_end || nid == 61 || nid == 70; }

const char *or_empty(const char *text) { return text ? text : ""; }

// The input mode picks one of a record's three words; anything else than
// 0-2 falls back to English rather than reading past the array.
int word_column() {
    int mode = get_input_mode();
    return mode >= 0 && mode <= 2 ? mode : 0;
}

} // namespace

void index_noun_table(const noun_def *table, int count, int *nid2ix) {
    for (int nid = 0; nid < NID_COUNT; ++nid) nid2ix[nid] = 0;
    for (int slot = 1; slot <= count; ++slot) {
        const noun_def &n = table[slot];
        if (n.nid < 2 || n.nid >= NID_COUNT || reserved_nid(n.nid)) {
            vx_printf("システムエラー: 名詞「%s」のID(%d)は使えません\n", or_empty(n.name), n.nid);
            std::exit(1);
        }
        if (nid2ix[n.nid] != 0) {
            vx_printf("システムエラー: 名詞「%s」のID(%d)が名詞「%s」のIDと重複しています\n",
                      or_empty(n.name), n.nid, or_empty(table[nid2ix[n.nid]].name));
            std::exit(1);
        }
        nid2ix[n.nid] = slot;
    }
    for (int nid = 2; nid < NID_COUNT; ++nid) {
        if (reserved_nid(nid) || nid2ix[nid] != 0) continue;
        vx_printf("システムエラー: nid:%dのデータがありません\n", nid);
        std::exit(1);
    }
}

void index_verb_table(const verb_def *table, int count, int *vid2ix) {
    for (int vid = 0; vid < VID_COUNT; ++vid) vid2ix[vid] = 0;
    for (int slot = 1; slot <= count; ++slot) {
        const verb_def &v = table[slot];
        if (v.vid < 1 || v.vid >= VID_COUNT) {
            vx_printf("システムエラー: 動詞「%s」のID(%d)は使えません\n", or_empty(v.word[0]), v.vid);
            std::exit(1);
        }
        if (vid2ix[v.vid] != 0) {
            vx_printf("システムエラー: 動詞「%s」のID(%d)が動詞「%s」のIDと重複しています\n",
                      or_empty(v.word[0]), v.vid, or_empty(table[vid2ix[v.vid]].word[0]));
            std::exit(1);
        }
        vid2ix[v.vid] = slot;
    }
}

void set_verb_trans(const verb_trans_def *rows, int count, const Dictionary *dic, TransRow *trans_rows) {
    for (int i = 0; i < count; ++i) {
        const verb_trans_def &r = rows[i];
        int ix = dic_lookup(r.word, dic);
        if (ix < 0) {
            vx_printf("Error: trans for Unknown verb '%s'.\n", or_empty(r.word));
            std::exit(1);
        }
        if (r.nid < 0 || r.nid >= NID_COUNT || r.vid < vi_only_with_noun || r.vid >= VID_COUNT) {
            vx_printf("Error: trans for '%s' with invalid noun %d or verb %d.\n", r.word, r.nid, r.vid);
            std::exit(1);
        }
        trans_rows[ix][r.nid] = static_cast<signed char>(r.vid);
    }
}

// ---- Nouns ----

void init_nouns() {
    dic_init(&noun_dic);
    hist_init(&noun_hist);
    index_noun_table(noun_table, NOUN_TABLE_SIZE, nid2noun_ix);
    for (int slot = 1; slot <= NOUN_TABLE_SIZE; ++slot)
        for (const char *word : noun_table[slot].word) dic_add(&noun_dic, word, noun_table[slot].nid);
    for (const word_alias &a : noun_alias) dic_add(&noun_dic, a.word, a.id);
    for (const kana_alias &a : noun_kana_alias) {
        dic_add(&noun_dic, a.hiragana, a.id);
        dic_add(&noun_dic, a.katakana, a.id);
    }
    input_hist_attach(1, &noun_hist, &noun_dic);
}

int word2nid(const char *word) {
    if (!word) return ni_invalid;
    int ix = dic_lookup(word, &noun_dic);
    register_hist(ix, &noun_hist);
    return ix < 0 ? ni_unknown : dic_id(ix, &noun_dic);
}

int find_nid(const char *word) {
    if (!word) return ni_invalid;
    int ix = dic_lookup(word, &noun_dic);
    return ix < 0 ? ni_unknown : dic_id(ix, &noun_dic);
}

const char *nid2noun(int nid) {
    if (nid < 0 || nid >= NID_COUNT || nid2noun_ix[nid] == 0) return nullptr;
    return noun_table[nid2noun_ix[nid]].word[word_column()];
}

// An identifier outside the table has no record either: it is checked as
// nid 0, which never has one, so the assertion names the same expression.
const char *nid2name(int nid) {
    if (nid < 0 || nid >= NID_COUNT) nid = 0;
    GAME_ASSERT(nid2noun_ix[nid] > 0);
    return noun_table[nid2noun_ix[nid]].name;
}

const char *noun_description(int nid) {
    if (nid < 0 || nid >= NID_COUNT) nid = 0;
    GAME_ASSERT(nid2noun_ix[nid] > 0);
    return noun_table[nid2noun_ix[nid]].desc;
}

const Dictionary *noun_dictionary() { return &noun_dic; }

void noun_hist_prev() { hist_prev(&noun_hist); }
void noun_hist_next() { hist_next(&noun_hist); }
const char *noun_hist_word() { return hist_current_word(&noun_hist, &noun_dic); }

// ---- Verbs ----

void init_verbs() {
    dic_init(&verb_dic);
    hist_init(&verb_hist);
    index_verb_table(verb_table, VERB_TABLE_SIZE, vid2verb_ix);
    for (int slot = 1; slot <= VERB_TABLE_SIZE; ++slot) {
        const verb_def &v = verb_table[slot];
        for (const char *word : v.word) dic_add(&verb_dic, word, v.vid);
        if (v.short_form) dic_add(&verb_dic, v.short_form, v.vid);
    }
    for (const word_alias &a : verb_alias) dic_add(&verb_dic, a.word, a.id);
    for (const kana_alias &a : verb_kana_alias) {
        dic_add(&verb_dic, a.hiragana, a.id);
        dic_add(&verb_dic, a.katakana, a.id);
    }
    std::memset(trans, 0, sizeof trans);
    set_verb_trans(verb_trans_english, VERB_TRANS_ENGLISH_COUNT, &verb_dic, trans);
    set_verb_trans(verb_trans_kana, VERB_TRANS_KANA_COUNT, &verb_dic, trans);
    hist_init(&verb_hist);
    input_hist_attach(0, &verb_hist, &verb_dic);
}

int word2vid(const char *word, int nid) {
    register_hist(dic_lookup(word, &verb_dic), &verb_hist);
    return find_vid(word, nid);
}

int find_vid(const char *word, int nid) {
    int ix = dic_lookup(word, &verb_dic);
    if (ix < 0) return vi_unknown;
    // A noun that is not in the vocabulary (-1) consults no override.
    if (nid >= 0 && nid < NID_COUNT && trans[ix][nid] != 0) return trans[ix][nid];
    return dic_id(ix, &verb_dic);
}

const char *vid2verb(int vid) {
    if (vid < 0 || vid >= VID_COUNT || vid2verb_ix[vid] == 0) return nullptr;
    return verb_table[vid2verb_ix[vid]].word[word_column()];
}

const verb_def *verb_at(int slot) {
    if (slot < 1 || slot > VERB_TABLE_SIZE) return nullptr;
    return &verb_table[slot];
}

const Dictionary *verb_dictionary() { return &verb_dic; }

void verb_hist_prev() { hist_prev(&verb_hist); }
void verb_hist_next() { hist_next(&verb_hist); }
const char *verb_hist_word() { return hist_current_word(&verb_hist, &verb_dic); }
