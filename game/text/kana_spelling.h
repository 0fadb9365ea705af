// Romaji-to-kana conversion for the hiragana and katakana input modes.
#pragma once

// Code of a romaji sequence: each letter's value appended in base 32.
// ltsu has the largest code of the table.
constexpr int KANA_CODE_MAX = 42244;
constexpr int KANA_RECORD_NUM = 158;

struct KanaRecord {
    int code;
    const char *hiragana;
    const char *katakana;
    int hiragana_len; // bytes, filled by kana_init
    int katakana_len;
};

// Builds the look-up tables; called once at start-up.
void kana_init();

// Converts the first syllable that the pending letters run[0..*n) start
// with. On success returns the kana text of the current script, sets *k to
// its length in bytes and lowers *n to the number of letters not consumed
// (always the last ones of the run). Returns nullptr, leaving *n, when the
// run is not a syllable yet. Never reads past run[*n - 1].
const char *roman_to_kana(const char *run, int *n, int *k);

// The record's text and length in the current script.
const char *kana_text(const KanaRecord *record, int *len);

void kana_use_hiragana();
void kana_use_katakana();
// 0 hiragana, -1 katakana.
int kana_script();
