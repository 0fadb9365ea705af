// The input mode: how typed letters are converted and in which script the
// game shows noun and verb words.
#pragma once

constexpr int INPUT_ENGLISH = 0;
constexpr int INPUT_HIRAGANA = 1;
constexpr int INPUT_KATAKANA = 2;

int get_input_mode(); // 0 English, 1 hiragana, 2 katakana
void set_input_mode(int m);
void console_set_input_mode(int m);
