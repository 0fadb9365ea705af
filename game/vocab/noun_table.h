// The vocabulary's static tables (noun_table.cpp) and the start-up checks
// that load them (noun.cpp). Private to the noun module and its tests: the
// checks take a table and its length so that a broken copy can be tried.
#pragma once

#include "dic.h"
#include "noun.h"

constexpr int NOUN_TABLE_SIZE = 168;
constexpr int NOUN_ALIAS_COUNT = 68;
constexpr int NOUN_KANA_ALIAS_COUNT = 35;
constexpr int VERB_ALIAS_COUNT = 24;
constexpr int VERB_KANA_ALIAS_COUNT = 41;
constexpr int VERB_TRANS_ENGLISH_COUNT = 6;
constexpr int VERB_TRANS_KANA_COUNT = 24;

// A single extra word for a noun or a verb.
struct word_alias {
    const char *word;
    int id;
};

// An extra kana word in both scripts.
struct kana_alias {
    const char *hiragana;
    const char *katakana;
    int id;
};

// With this noun, this written form of a verb word means another verb.
struct verb_trans_def {
    const char *word;
    int nid;
    int vid;
};

// Slot 0 of both record tables holds nothing.
extern const noun_def noun_table[NOUN_TABLE_SIZE + 1];
extern const word_alias noun_alias[NOUN_ALIAS_COUNT];
extern const kana_alias noun_kana_alias[NOUN_KANA_ALIAS_COUNT];
extern const verb_def verb_table[VERB_TABLE_SIZE + 1];
extern const word_alias verb_alias[VERB_ALIAS_COUNT];
extern const kana_alias verb_kana_alias[VERB_KANA_ALIAS_COUNT];
extern const verb_trans_def verb_trans_english[VERB_TRANS_ENGLISH_COUNT];
extern const verb_trans_def verb_trans_kana[VERB_TRANS_KANA_COUNT];

// The trans matrix: one row per verb dictionary entry, one column per nid;
// 0 where the entry keeps its own verb.
using TransRow = signed char[NID_COUNT];

// Fills nid2ix (NID_COUNT entries) with the slot of each record of
// table[1..count]. A duplicate, unusable or missing identifier is reported
// on the diagnostic console and ends the program with exit status 1.
void index_noun_table(const noun_def *table, int count, int *nid2ix);
// The same for verbs: vid2ix has VID_COUNT entries.
void index_verb_table(const verb_def *table, int count, int *vid2ix);
// Sets the trans cells of the rows. A word that is not in dic (or a row
// whose noun or verb cannot be stored) ends the program with status 1.
void set_verb_trans(const verb_trans_def *rows, int count, const Dictionary *dic, TransRow *trans);

// The dictionaries as loaded by init_nouns and init_verbs.
const Dictionary *noun_dictionary();
const Dictionary *verb_dictionary();
