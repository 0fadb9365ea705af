// The console ring, the message formatter and the command line.
#include "console.h"
#include "game_support.h"
#include "input_mode.h"
#include "message.h"
#include "sjis.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::string;

string line(int back) { return console_line(back); }

// Lines finished since the test began, oldest first (the ring holds 32).
std::vector<string> last_lines(int n) {
    std::vector<string> out;
    for (int i = n - 1; i >= 0; --i) out.push_back(line(i));
    return out;
}

string repeat(const string &s, int n) {
    string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

class Console : public gametest::GameTest {};

TEST_F(Console, WrapsSingleByteTextAtSeventyTwoBytes) {
    console_print(repeat("a", 100).c_str());
    EXPECT_EQ(last_lines(2), (std::vector<string>{repeat("a", 72), repeat("a", 28)}));

    // Spaces that would begin the new line are dropped; those at the end stay.
    console_print((repeat("b", 70) + "  ccc").c_str());
    EXPECT_EQ(last_lines(2), (std::vector<string>{repeat("b", 70) + "  ", "ccc"}));
}

TEST_F(Console, KeepsClosingPunctuationAndSmallKanaOffTheLineStart) {
    console_print((repeat("a", 71) + "。").c_str());
    EXPECT_EQ(last_lines(2), (std::vector<string>{repeat("a", 70), "a。"}));

    console_print(repeat("あ", 36).c_str());
    EXPECT_EQ(line(0), repeat("あ", 36));

    console_print((repeat("あ", 36) + "。").c_str());
    EXPECT_EQ(last_lines(2), (std::vector<string>{repeat("あ", 35), "あ。"}));

    console_print((repeat("い", 35) + "っっ").c_str());
    EXPECT_EQ(last_lines(2), (std::vector<string>{repeat("い", 34), "いっっ"}));
}

TEST_F(Console, KeepsOpeningBracketsWithWhatFollows) {
    console_print((repeat("あ", 35) + "「い").c_str());
    EXPECT_EQ(last_lines(2), (std::vector<string>{repeat("あ", 35), "「い"}));
}

TEST_F(Console, BreaksAStretchWithoutBreakPointsWithinSeventyTwoBytes) {
    console_print(repeat("。", 40).c_str());
    EXPECT_EQ(last_lines(2), (std::vector<string>{repeat("。", 36), repeat("。", 4)}));
    console_print(("a" + repeat("」", 40)).c_str());
    EXPECT_EQ(string(line(1)).size(), 71u); // "a" and 35 brackets: no split character
}

TEST_F(Console, ContinuesABackslashLineAndSplitsAtNewlines) {
    long before = console_finished_count();
    console_print("abc\\");
    EXPECT_EQ(console_finished_count(), before);
    console_print("def");
    EXPECT_EQ(line(0), "abcdef");

    console_print("x\ny");
    EXPECT_EQ(last_lines(2), (std::vector<string>{"x", "y"}));

    // A backslash that is the second byte of a kanji does not continue.
    console_print("表");
    EXPECT_EQ(line(0), "表");

    console_print("");
    EXPECT_EQ(line(0), "");
}

TEST_F(Console, RollsBackAtMostTwentyFiveLines) {
    for (int i = 0; i < 40; ++i) console_print(("line " + std::to_string(i)).c_str());
    for (int i = 0; i < 30; ++i) console_key_handler(65365);
    EXPECT_EQ(console_rollback(), 25);
    console_key_handler(65366);
    EXPECT_EQ(console_rollback(), 24);
    // Return first only jumps back to the newest lines.
    console_key_handler(13);
    EXPECT_EQ(console_rollback(), 0);
    EXPECT_EQ(line(0), "line 39");
}

TEST_F(Console, ConsoleBoxShowsSixLinesAndTheInputLine) {
    for (int i = 0; i < 6; ++i) console_print(("L" + std::to_string(i)).c_str());
    console_redraw();
    // Each of the six lines is drawn 18 pixels apart from y 354 up.
    for (int i = 0; i < 6; ++i)
        EXPECT_GT(vxtest::count(0xFFFFFF, 32, 338 + 18 * i, 48, 353 + 18 * i), 5) << i;
    EXPECT_GT(vxtest::count(0xFFFFFF, 32, 446, 48, 461), 5); // ">_"
    EXPECT_EQ(vxtest::pixel(30, 334), 0xFFFFFFu);
    EXPECT_EQ(vxtest::pixel(610, 464), 0xFFFFFFu);
    EXPECT_EQ(vxtest::pixel(31, 335), 0u);
}

// ---- Message formatter ----

TEST_F(Console, MessagePlaceholdersExpand) {
    message("%d/%d %s", -5, 21, "ok");
    EXPECT_EQ(line(0), "-5/21 ok");
    set_input_mode(0);
    message("%nl %nw %nn %v", 5, 5, 5, 1);
    EXPECT_EQ(line(0), "真鍮の鍵[brass key] [brass key] 真鍮の鍵 help");
    set_input_mode(1);
    message("%nl", 5);
    EXPECT_EQ(line(0), "真鍮の鍵[しんちゅうのかぎ]");
    set_input_mode(2);
    message("%nl %v", 5, 1);
    EXPECT_EQ(line(0), "真鍮の鍵[シンチュウノカギ] ヘルプ");
}

TEST_F(Console, PausesQueueLaterMessagesUntilReturn) {
    message("first%wsecond");
    EXPECT_EQ(line(0), "first");
    EXPECT_EQ(string(input_line_text()), "[リターンキーを押してください]");
    message("third");
    EXPECT_EQ(line(0), "first");
    // Keys other than Return only redraw.
    gametest::keys("abc{BackSpace}{F1}");
    EXPECT_EQ(line(0), "first");
    gametest::keys("{Return}");
    EXPECT_EQ(last_lines(2), (std::vector<string>{"second", "third"}));
    EXPECT_EQ(string(input_line_text()), ">_");
}

TEST_F(Console, SeveralPausesPrintOneStretchPerReturn) {
    message("a%wb%wc");
    message("d%w");
    EXPECT_EQ(line(0), "a");
    gametest::keys("{Return}");
    EXPECT_EQ(line(0), "b");
    gametest::keys("{Return}");
    EXPECT_EQ(last_lines(2), (std::vector<string>{"c", "d"}));
    gametest::keys("{Return}");
    EXPECT_EQ(line(0), "");
    EXPECT_EQ(string(input_line_text()), ">_");
}

TEST_F(Console, BadPlaceholdersEndTheProgram) {
    EXPECT_EXIT(message("100%"), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(message("%%"), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(message("%nx", 5), ::testing::ExitedWithCode(1), "");
}

TEST_F(Console, OverlongMessagesAreCutNotOverflowed) {
    string big = repeat("あ", 10000); // 20000 bytes
    message("%s", big.c_str());
    EXPECT_EQ(string(line(0)).size() % 2, 0u);
    message(("x%w" + big).c_str());
    message("%s", big.c_str());
    gametest::keys("{Return}");
    EXPECT_FALSE(console_waiting_return());
}

// ---- Command line ----

// The echo of a typed line: the first console line its Return prints.
string echo(const string &typed) { return gametest::play({typed}).at(0); }

TEST_F(Console, TypesRomajiAsKanaInBothScripts) {
    set_input_mode(1);
    EXPECT_EQ(echo("kyakka"), ">きゃっか");
    EXPECT_EQ(echo("kannna nka"), ">かんな んか");
    EXPECT_EQ(echo("kanna"), ">かんあ"); // nn is ん already
    set_input_mode(2);
    EXPECT_EQ(echo("kyakka"), ">キャッカ");
    EXPECT_EQ(echo("va-"), ">ヴァー");
    set_input_mode(0);
    EXPECT_EQ(echo("TAKE"), ">take");
    EXPECT_EQ(echo("look?."), ">look");
}

// A word ending in a lone n (しんぶん, ペン) is finished by the space or Return
// after it; English mode keeps the letter.
TEST_F(Console, ALoneNBeforeASpaceOrReturnIsN) {
    set_input_mode(1);
    EXPECT_EQ(echo("yomu shinbun"), ">よむ しんぶん");
    EXPECT_EQ(echo("hon ga"), ">ほん が");
    gametest::keys("shinbun {BackSpace}{BackSpace}{nr}"); // ん goes whole
    EXPECT_EQ(string(input_line_text()), ">しんぶ_");
    gametest::keys("{C-c}");
    set_input_mode(2);
    EXPECT_EQ(echo("pen"), ">ペン");
    set_input_mode(0);
    EXPECT_EQ(echo("pen"), ">pen");
    // The newspaper the game starts with is read by its kana word.
    set_input_mode(1);
    gametest::play({"start", ""});
    std::vector<string> reply = gametest::play({"yomu shinbun"});
    ASSERT_GE(reply.size(), 2u);
    EXPECT_EQ(reply[0], ">よむ しんぶん");
    EXPECT_NE(reply[1].find("冒険家・黒木大佐"), string::npos) << reply[1];
}

TEST_F(Console, BackSpaceRemovesKanaWholeAndPendingLettersSingly) {
    set_input_mode(1);
    gametest::keys("ka{BackSpace}mi{nr}");
    EXPECT_EQ(string(input_line_text()), ">み_");
    gametest::keys("k{BackSpace}{BackSpace}{nr}");
    EXPECT_EQ(string(input_line_text()), ">_");
    gametest::keys("n{nr}");
    EXPECT_EQ(string(input_line_text()), ">n_");
    // Letters left pending become romaji again and convert with the next key.
    gametest::keys("{BackSpace}kak{BackSpace}{nr}");
    EXPECT_EQ(string(input_line_text()), ">か_");
    gametest::keys("kk{BackSpace}a{nr}"); // the っ stays
    EXPECT_EQ(string(input_line_text()), ">かっあ_");
    gametest::keys("{C-c}");
    // Pending letters never reach back over the space before them: the
    // space stays, and recalling a noun cuts the line at the word.
    gametest::keys("yomu vh{BackSpace}v{nr}");
    EXPECT_EQ(string(input_line_text()), ">よむ っv_");
    gametest::keys("{C-p}{nr}");
    EXPECT_EQ(string(input_line_text()).rfind(">よむ ", 0), 0u) << input_line_text();
    gametest::keys("{C-c}");
    // Recalling a noun drops the spaces after the first; BackSpace over that
    // one then leaves no place for a noun inside the next kana.
    gametest::keys("  {C-p}{BackSpace}u{C-p} {nr}");
    string line = input_line_text();
    for (size_t i = 0; i < line.size(); ++i) {
        if (!vx_sjis_lead(static_cast<unsigned char>(line[i]))) continue;
        EXPECT_TRUE(i + 1 < line.size() && static_cast<unsigned char>(line[i + 1]) >= 0x40) << line;
        ++i;
    }
    gametest::keys("{C-c}");
}

TEST_F(Console, TypingStopsAtTheLimit) {
    set_input_mode(0);
    gametest::keys(repeat("a", 80) + " b{nr}");
    EXPECT_EQ(string(input_line_text()), ">" + repeat("a", 70) + "_");
    gametest::keys("{C-c}");
    // The echo is one byte too long for a console line.
    EXPECT_EQ(last_lines(2), (std::vector<string>{">" + repeat("a", 70) + "^", "C"}));
    // A conversion after the last accepted letter may pass the limit.
    set_input_mode(1);
    gametest::keys(repeat("a", 68) + "vavava{nr}");
    EXPECT_LE(string(input_line_text()).size(), 77u);
    gametest::keys("{C-c}");
}

TEST_F(Console, ControlCCancelsTheLine) {
    set_input_mode(0);
    gametest::keys("take{C-c}");
    EXPECT_EQ(line(0), ">take^C");
    EXPECT_EQ(string(input_line_text()), ">_");
}

TEST_F(Console, F1CyclesTheInputModesAndLeavesPendingLetters) {
    set_input_mode(1);
    gametest::keys("k{F1}{nr}");
    EXPECT_EQ(get_input_mode(), 2);
    gametest::keys("{F1}{nr}");
    EXPECT_EQ(get_input_mode(), 0);
    gametest::keys("a{nr}");
    EXPECT_EQ(string(input_line_text()), ">ka_");
    gametest::keys("{F1}{C-c}");
    EXPECT_EQ(get_input_mode(), 1);
}

TEST_F(Console, RemoveSpacesStepsOverDoubleByteCharacters) {
    char text[] = "a b\x83\x20 c";
    remove_spaces(text);
    EXPECT_EQ(string(text), "ab\x83\x20" "c");
}

TEST_F(Console, KeyStormsNeverBreakTheLine) {
    std::srand(7);
    for (int i = 0; i < 20000; ++i) {
        unsigned key = static_cast<unsigned>(std::rand() % 300);
        if (key == 13 || key == 3) continue; // no commands: only the editor
        if (std::rand() % 50 == 0) key = 65362 + std::rand() % 4;
        console_key_handler(key);
        ASSERT_LT(string(input_line_text()).size(), 120u);
    }
}

}  // namespace
