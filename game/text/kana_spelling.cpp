// Romaji-to-kana conversion. A romaji sequence is reduced to a number (each
// letter's value appended in base 32), so that finding the syllable a run
// starts with is a direct index into code2kana, one letter at a time.
#include "kana_spelling.h"

#include "game_assert.h"

#include <cstring>
#include <iterator>

namespace {

struct CharValue {
    unsigned char c;
    int value;
};

// 1 the small-kana prefix l, 2-6 the vowels, 7 and up the consonants and the
// hyphen. Every other byte (x, digits) is 0 and adds nothing to a code.
constexpr CharValue c2av_table[] = {
    {'l', 1},  {'a', 2},  {'i', 3},  {'u', 4},  {'e', 5},  {'o', 6},  {'k', 7},
    {'s', 8},  {'t', 9},  {'n', 10}, {'h', 11}, {'m', 12}, {'y', 13}, {'r', 14},
    {'w', 15}, {'g', 16}, {'z', 17}, {'d', 18}, {'b', 19}, {'p', 20}, {'c', 21},
    {'f', 22}, {'j', 23}, {'q', 24}, {'v', 25}, {'-', 26},
};
static_assert(std::size(c2av_table) == 26);

constexpr int VALUE_N = 10;
constexpr int VALUE_Y = 13;
constexpr int VALUE_LAST_VOWEL = 6;
constexpr int VALUE_FIRST_CONSONANT = 7;

// The code of a spelling, worked out by the compiler so that the table can
// be written in letters. A letter without a value fails the build.
consteval int romaji(const char *s) {
    int code = 0;
    for (; *s; ++s) {
        int v = 0;
        for (const CharValue &cv : c2av_table)
            if (cv.c == static_cast<unsigned char>(*s)) v = cv.value;
        if (v == 0) throw "letter without a value";
        code = code * 32 + v;
    }
    return code;
}

struct KanaSpelling {
    int code;
    const char *hiragana;
    const char *katakana;
};

constexpr KanaSpelling kana_table[] = {
    {romaji("a"), "あ", "ア"}, {romaji("i"), "い", "イ"}, {romaji("u"), "う", "ウ"},
    {romaji("e"), "え", "エ"}, {romaji("o"), "お", "オ"},
    {romaji("ka"), "か", "カ"}, {romaji("ki"), "き", "キ"}, {romaji("ku"), "く", "ク"},
    {romaji("ke"), "け", "ケ"}, {romaji("ko"), "こ", "コ"},
    {romaji("sa"), "さ", "サ"}, {romaji("si"), "し", "シ"}, {romaji("su"), "す", "ス"},
    {romaji("se"), "せ", "セ"}, {romaji("so"), "そ", "ソ"},
    {romaji("ta"), "た", "タ"}, {romaji("ti"), "ち", "チ"}, {romaji("tu"), "つ", "ツ"},
    {romaji("te"), "て", "テ"}, {romaji("to"), "と", "ト"},
    {romaji("na"), "な", "ナ"}, {romaji("ni"), "に", "ニ"}, {romaji("nu"), "ぬ", "ヌ"},
    {romaji("ne"), "ね", "ネ"}, {romaji("no"), "の", "ノ"},
    {romaji("ha"), "は", "ハ"}, {romaji("hi"), "ひ", "ヒ"}, {romaji("hu"), "ふ", "フ"},
    {romaji("he"), "へ", "ヘ"}, {romaji("ho"), "ほ", "ホ"},
    {romaji("ma"), "ま", "マ"}, {romaji("mi"), "み", "ミ"}, {romaji("mu"), "む", "ム"},
    {romaji("me"), "め", "メ"}, {romaji("mo"), "も", "モ"},
    {romaji("ya"), "や", "ヤ"}, {romaji("yu"), "ゆ", "ユ"}, {romaji("yo"), "よ", "ヨ"},
    {romaji("ra"), "ら", "ラ"}, {romaji("ri"), "り", "リ"}, {romaji("ru"), "る", "ル"},
    {romaji("re"), "れ", "レ"}, {romaji("ro"), "ろ", "ロ"},
    {romaji("wa"), "わ", "ワ"}, {romaji("wo"), "を", "ヲ"},
    {romaji("ga"), "が", "ガ"}, {romaji("gi"), "ぎ", "ギ"}, {romaji("gu"), "ぐ", "グ"},
    {romaji("ge"), "げ", "ゲ"}, {romaji("go"), "ご", "ゴ"},
    {romaji("za"), "ざ", "ザ"}, {romaji("zi"), "じ", "ジ"}, {romaji("zu"), "ず", "ズ"},
    {romaji("ze"), "ぜ", "ゼ"}, {romaji("zo"), "ぞ", "ゾ"},
    {romaji("da"), "だ", "ダ"}, {romaji("di"), "ぢ", "ヂ"}, {romaji("du"), "づ", "ヅ"},
    {romaji("de"), "で", "デ"}, {romaji("do"), "ど", "ド"},
    {romaji("ba"), "ば", "バ"}, {romaji("bi"), "び", "ビ"}, {romaji("bu"), "ぶ", "ブ"},
    {romaji("be"), "べ", "ベ"}, {romaji("bo"), "ぼ", "ボ"},
    {romaji("pa"), "ぱ", "パ"}, {romaji("pi"), "ぴ", "ピ"}, {romaji("pu"), "ぷ", "プ"},
    {romaji("pe"), "ぺ", "ペ"}, {romaji("po"), "ぽ", "ポ"},
    {romaji("fa"), "ふぁ", "ファ"}, {romaji("fi"), "ふぃ", "フィ"}, {romaji("fu"), "ふ", "フ"},
    {romaji("fe"), "ふぇ", "フェ"}, {romaji("fo"), "ふぉ", "フォ"},
    {romaji("ja"), "じゃ", "ジャ"}, {romaji("ji"), "じ", "ジ"}, {romaji("ju"), "じゅ", "ジュ"},
    {romaji("je"), "じぇ", "ジェ"}, {romaji("jo"), "じょ", "ジョ"},
    {romaji("la"), "ぁ", "ァ"}, {romaji("li"), "ぃ", "ィ"}, {romaji("lu"), "ぅ", "ゥ"},
    {romaji("le"), "ぇ", "ェ"}, {romaji("lo"), "ぉ", "ォ"},
    // The only row written with the separate voicing mark in hiragana.
    {romaji("va"), "う゛ぁ", "ヴァ"}, {romaji("vi"), "う゛ぃ", "ヴィ"}, {romaji("vu"), "う゛", "ヴ"},
    {romaji("ve"), "う゛ぇ", "ヴェ"}, {romaji("vo"), "う゛ぉ", "ヴォ"},
    {romaji("qa"), "くぁ", "クァ"}, {romaji("qi"), "くぃ", "クィ"}, {romaji("qu"), "く", "ク"},
    {romaji("qe"), "くぇ", "クェ"}, {romaji("qo"), "くぉ", "クォ"},
    {romaji("bya"), "びゃ", "ビャ"}, {romaji("byi"), "びぃ", "ビィ"}, {romaji("byu"), "びゅ", "ビュ"},
    {romaji("bye"), "びぇ", "ビェ"}, {romaji("byo"), "びょ", "ビョ"},
    {romaji("cha"), "ちゃ", "チャ"}, {romaji("chi"), "ち", "チ"}, {romaji("chu"), "ちゅ", "チュ"},
    {romaji("che"), "ちぇ", "チェ"}, {romaji("cho"), "ちょ", "チョ"},
    {romaji("hya"), "ひゃ", "ヒャ"}, {romaji("hyi"), "ひぃ", "ヒィ"}, {romaji("hyu"), "ひゅ", "ヒュ"},
    {romaji("hye"), "ひぇ", "ヒェ"}, {romaji("hyo"), "ひょ", "ヒョ"},
    {romaji("sha"), "しゃ", "シャ"}, {romaji("shi"), "し", "シ"}, {romaji("shu"), "しゅ", "シュ"},
    {romaji("she"), "しぇ", "シェ"}, {romaji("sho"), "しょ", "ショ"},
    {romaji("sya"), "しゃ", "シャ"}, {romaji("syi"), "しぃ", "シィ"}, {romaji("syu"), "しゅ", "シュ"},
    {romaji("sye"), "しぇ", "シェ"}, {romaji("syo"), "しょ", "ショ"},
    {romaji("kya"), "きゃ", "キャ"}, {romaji("kyi"), "きぃ", "キィ"}, {romaji("kyu"), "きゅ", "キュ"},
    {romaji("kye"), "きぇ", "キェ"}, {romaji("kyo"), "きょ", "キョ"},
    {romaji("gya"), "ぎゃ", "ギャ"}, {romaji("gyi"), "ぎぃ", "ギィ"}, {romaji("gyu"), "ぎゅ", "ギュ"},
    {romaji("gye"), "ぎぇ", "ギェ"}, {romaji("gyo"), "ぎょ", "ギョ"},
    {romaji("mya"), "みゃ", "ミャ"}, {romaji("myi"), "みぃ", "ミィ"}, {romaji("myu"), "みゅ", "ミュ"},
    {romaji("mye"), "みぇ", "ミェ"}, {romaji("myo"), "みょ", "ミョ"},
    {romaji("nya"), "にゃ", "ニャ"}, {romaji("nyi"), "にぃ", "ニィ"}, {romaji("nyu"), "にゅ", "ニュ"},
    {romaji("nye"), "にぇ", "ニェ"}, {romaji("nyo"), "にょ", "ニョ"},
    {romaji("rya"), "りゃ", "リャ"}, {romaji("ryi"), "りぃ", "リィ"}, {romaji("ryu"), "りゅ", "リュ"},
    {romaji("rye"), "りぇ", "リェ"}, {romaji("ryo"), "りょ", "リョ"},
    {romaji("qwa"), "くぁ", "クァ"}, {romaji("qwi"), "くぃ", "クィ"}, {romaji("qwu"), "くぅ", "クゥ"},
    {romaji("qwe"), "くぇ", "クェ"}, {romaji("qwo"), "くぉ", "クォ"},
    {romaji("lya"), "ゃ", "ャ"}, {romaji("lyu"), "ゅ", "ュ"}, {romaji("lyo"), "ょ", "ョ"},
    {romaji("nn"), "ん", "ン"},
    {romaji("-"), "ー", "ー"},
    {romaji("tsu"), "つ", "ツ"},
    {romaji("ltu"), "っ", "ッ"},
    {romaji("ltsu"), "っ", "ッ"},
};

constexpr int CODE_NN = romaji("nn");   // 330, the syllabic n
constexpr int CODE_LTU = romaji("ltu"); // 1316, the small tsu

// Every code in range, none twice, the largest one KANA_CODE_MAX, and both
// records of the special rules present.
consteval bool kana_table_is_sound() {
    int max = 0;
    bool nn = false, ltu = false;
    for (std::size_t i = 0; i < std::size(kana_table); ++i) {
        int code = kana_table[i].code;
        if (code <= 0 || code > KANA_CODE_MAX) return false;
        for (std::size_t j = i + 1; j < std::size(kana_table); ++j)
            if (kana_table[j].code == code) return false;
        if (code > max) max = code;
        nn = nn || code == CODE_NN;
        ltu = ltu || code == CODE_LTU;
    }
    return max == KANA_CODE_MAX && nn && ltu;
}

static_assert(std::size(kana_table) == KANA_RECORD_NUM);
static_assert(CODE_NN == 330 && CODE_LTU == 1316);
static_assert(kana_table_is_sound());

int alpha2value[256];
KanaRecord kana_records[KANA_RECORD_NUM];
const KanaRecord *code2kana[KANA_CODE_MAX + 1];
const KanaRecord *kana_nn;  // ん
const KanaRecord *kana_ltu; // っ
int script;                 // 0 hiragana, -1 katakana

} // namespace

void kana_init() {
    // Cleared first so that a second call does not trip the check below.
    std::memset(alpha2value, 0, sizeof alpha2value);
    for (std::size_t i = 0; i < std::size(c2av_table); ++i) {
        GAME_ASSERT(alpha2value[c2av_table[i].c] == 0);
        alpha2value[c2av_table[i].c] = c2av_table[i].value;
    }

    std::memset(code2kana, 0, sizeof code2kana);
    for (int i = 0; i < KANA_RECORD_NUM; ++i) {
        const KanaSpelling &s = kana_table[i];
        KanaRecord &r = kana_records[i];
        r.code = s.code;
        r.hiragana = s.hiragana;
        r.katakana = s.katakana;
        r.hiragana_len = static_cast<int>(std::strlen(s.hiragana));
        r.katakana_len = static_cast<int>(std::strlen(s.katakana));
        code2kana[r.code] = &r;
        if (r.code == CODE_NN) kana_nn = &r;
        if (r.code == CODE_LTU) kana_ltu = &r;
    }
}

const char *roman_to_kana(const char *run, int *n, int *k) {
    if (!run || !n || !k) return nullptr;
    int code = 0;
    for (int i = 0; i < *n; ++i) {
        int v = alpha2value[static_cast<unsigned char>(run[i])];
        const KanaRecord *record;
        int used;
        if (code == VALUE_N && v != VALUE_N && v != VALUE_Y && v > VALUE_LAST_VOWEL) {
            // A lone n before a consonant or the hyphen: ん, and the
            // consonant stays pending. Letters of value 0 ahead of the n go
            // with it, or the n would be converted a second time.
            record = kana_nn;
            used = i;
        } else if (v == code && v >= VALUE_FIRST_CONSONANT && v != VALUE_N) {
            // A doubled consonant: っ, and the second one starts the next
            // syllable.
            record = kana_ltu;
            used = i;
        } else {
            code = code * 32 + v;
            if (code > KANA_CODE_MAX) return nullptr;
            record = code2kana[code];
            used = i + 1;
        }
        if (record) {
            *n -= used;
            return kana_text(record, k);
        }
    }
    return nullptr;
}

const char *kana_text(const KanaRecord *record, int *len) {
    if (!record) return nullptr;
    const bool hira = script == 0;
    if (len) *len = hira ? record->hiragana_len : record->katakana_len;
    return hira ? record->hiragana : record->katakana;
}

void kana_use_hiragana() { script = 0; }
void kana_use_katakana() { script = -1; }
int kana_script() { return script; }
