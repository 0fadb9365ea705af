// The incantation that banishes the master of the house, and the two
// damaged copies of it that the player finds. The temple's line handler
// compares the typed line (spaces removed) with either spelling; the
// documents show the fragments.
#pragma once

// おぐるう あえんがぬ あるえい ずうっぐ いおるあう えんぐふ うるうあ
// 30 hiragana characters, 60 bytes in Shift-JIS.
constexpr const char *SPELL_HIRAGANA = "おぐるうあえんがぬあるえいずうっぐいおるあうえんぐふうるうあ";

// The same phrase as typed in English mode: 41 letters. Typed in a kana
// mode it converts to SPELL_HIRAGANA (each ん stands before a consonant, so
// a single n is enough, and "gg" gives っ).
constexpr const char *SPELL_ROMAJI = "oguruuaenganuarueizuugguioruauengufuuruua";

constexpr int SPELL_CHARS = 30;
constexpr int SPELL_LETTERS = 41;

// The occult book's copy, eaten by worms: seven groups, of which only the
// beginning and the last two survive ("_" a lost letter, "○" a lost
// character).
constexpr const char *SPELL_FRAGMENT_BOOK_ROMAJI = "ogu___ _______ _____ ______ ______ engufu uruua";
constexpr const char *SPELL_FRAGMENT_BOOK_HIRAGANA = "おぐ○○ ○○○○○ ○○○○ ○○○○ ○○○○○ えんぐふ うるうあ";

// The writing in the upper bathroom: the middle of the phrase in six
// groups; the first and the last are cut off where the writing is blurred.
constexpr const char *SPELL_FRAGMENT_WALL_ROMAJI = "guruu aenganu aruei zuuggu ioruau en";
constexpr const char *SPELL_FRAGMENT_WALL_HIRAGANA = "ぐるう あえんがぬ あるえい ずうっぐ いおるあう えん";
