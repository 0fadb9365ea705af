#include "command.h"

#include "area.h"
#include "console.h"
#include "flags.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// ---- parse_line, cut_verb and trim_spaces (no game state needed) ----

struct Parsed {
    std::string verb;
    bool has_noun;
    std::string noun;
};

Parsed parse(const std::string &text) {
    std::vector<char> buf(text.begin(), text.end());
    buf.push_back('\0');
    char *verb = nullptr;
    char *noun = reinterpret_cast<char *>(1); // must be reset
    parse_line(buf.data(), &verb, &noun);
    return {verb ? verb : "<null>", noun != nullptr, noun ? noun : ""};
}

TEST(ParseLine, SplitsVerbAndNormalisesNoun) {
    Parsed p = parse("get   brass    key  ");
    EXPECT_EQ(p.verb, "get");
    ASSERT_TRUE(p.has_noun);
    EXPECT_EQ(p.noun, "brass key");

    p = parse("   look");
    EXPECT_EQ(p.verb, "look");
    EXPECT_FALSE(p.has_noun);

    // Blanks after the verb only: there is no noun part.
    p = parse("look    ");
    EXPECT_EQ(p.verb, "look");
    EXPECT_FALSE(p.has_noun);

    // A line of blanks is not empty: its verb word is empty.
    p = parse("     ");
    EXPECT_EQ(p.verb, "");
    EXPECT_FALSE(p.has_noun);

    p = parse("get key");
    EXPECT_EQ(p.verb, "get");
    EXPECT_EQ(p.noun, "key");
}

TEST(ParseLine, KanaAndBrokenShiftJis) {
    Parsed p = parse("とる  しんちゅうの   かぎ ");
    EXPECT_EQ(p.verb, "とる");
    EXPECT_EQ(p.noun, "しんちゅうの かぎ");

    // The full-width blank is an ordinary character.
    p = parse("とる　かぎ");
    EXPECT_EQ(p.verb, "とる　かぎ");
    EXPECT_FALSE(p.has_noun);

    // A lone lead byte at the end of the line, of the verb and of the noun.
    p = parse("get key\x82");
    EXPECT_EQ(p.verb, "get");
    EXPECT_EQ(p.noun, "key\x82");
    p = parse("\x82");
    EXPECT_EQ(p.verb, "\x82");
    EXPECT_FALSE(p.has_noun);
    p = parse("\x82 \x82  ");
    EXPECT_EQ(p.verb, "\x82");
    EXPECT_EQ(p.noun, "\x82");
}

// ---- The interpreter on the real game state ----

using gametest::command_output;
using gametest::joined;
using gametest::run_command;
using Lines = std::vector<std::string>;

// Each test starts the game afresh in English mode, with HOME in a fresh
// directory so that save and load touch nothing else.
class Interpreter : public ::testing::Test {
protected:
    vxtest::HomeGuard home;

    void SetUp() override {
        home.set(vxtest::temp_dir("command_home"));
        gametest::start_program(vxtest::temp_dir("command"));
        set_input_mode(0);
    }

    // Puts the player in an area, with the title's pending move dropped.
    static void go(int area) {
        set_cur_area(area);
        area_request_move(-1);
    }

    // A place whose handler declines everything but a few verbs and leaves
    // wall, floor and ceiling within reach.
    static void in_achievements() { go(ai_achievements); }
};

TEST_F(Interpreter, WordsOutsideTheVocabulary) {
    in_achievements();
    EXPECT_EQ(run_command("xyzzy"), "xyzzyという動詞は使えない。");
    // The verb message wins when both words are unknown.
    EXPECT_EQ(run_command("xyzzy plugh"), "xyzzyという動詞は使えない。");
    EXPECT_EQ(run_command("get plugh"), "plughという名詞は使えない。");
    EXPECT_EQ(run_command("get   plugh   plover "), "plugh ploverという名詞は使えない。");
    // A noun alone is read as a verb, and only its first word is shown.
    EXPECT_EQ(run_command("door"), "doorという動詞は使えない。");
    EXPECT_EQ(run_command("brass key"), "brassという動詞は使えない。");
    EXPECT_EQ(run_command("    "), "という動詞は使えない。");
}

TEST_F(Interpreter, TypedWordsAreShownSafely) {
    in_achievements();
    // "%" would be read as a placeholder if the reply were ever deferred.
    EXPECT_EQ(run_command("%s%d%n%"), "％s％d％n％という動詞は使えない。");
    EXPECT_EQ(run_command("\x82"), "?という動詞は使えない。");
    EXPECT_EQ(run_command("get \x82"), "?という名詞は使えない。");
    EXPECT_EQ(run_command("\x01\x80\xff"), "???という動詞は使えない。");
    EXPECT_EQ(run_command("あ\x82"), "あ?という動詞は使えない。");

    // A very long word is cut before it is shown.
    std::string long_word(10000, 'a');
    std::vector<std::string> out = command_output(long_word);
    EXPECT_EQ(joined(out), std::string(96, 'a') + "という動詞は使えない。");
    out = command_output("get " + std::string(5000, '\xff'));
    EXPECT_EQ(joined(out), std::string(96, '?') + "という名詞は使えない。");
    out = command_output("get " + std::string(5001, '\x82')); // double-byte pairs, cut whole
    EXPECT_EQ(joined(out), std::string(96, '\x82') + "という名詞は使えない。");
}

TEST_F(Interpreter, EmptyLineOnlyRedraws) {
    in_achievements();
    EXPECT_EQ(command_output(""), Lines{});
    EXPECT_EQ(get_cur_area(), ai_achievements);
}

TEST_F(Interpreter, RepliesWithoutNoun) {
    in_achievements();
    EXPECT_EQ(run_command("get"), "何を？");
    EXPECT_EQ(run_command("examine"), "何を？");
    EXPECT_EQ(run_command("forward"), "そちらには進めない。");
    EXPECT_EQ(run_command("r"), "そちらには進めない。");
    EXPECT_EQ(run_command("up"), "上れそうなところはない。");
    EXPECT_EQ(run_command("d"), "降りられそうなところはない。");
    EXPECT_EQ(run_command("pray"), "神は答えてくれない。");
    EXPECT_EQ(run_command("wait"), "あなたは少し時間を潰した。");
    EXPECT_EQ(run_command("enter"), "ここではできない。");
    EXPECT_EQ(run_command("play"), "ここではできない。"); // a verb only with some nouns
    EXPECT_EQ(get_cur_area(), ai_achievements);
}

TEST_F(Interpreter, RepliesForANounWithinReach) {
    in_achievements(); // wall, floor and ceiling are within reach
    EXPECT_EQ(run_command("look ceiling"), "普通の天井だ。");
    EXPECT_EQ(run_command("kick ceiling"), "届かない。");
    EXPECT_EQ(run_command("examine ceiling"), "この位置から調べるのは無理だ。");
    EXPECT_EQ(run_command("examine wall"), "とくに変わったところはない。");
    EXPECT_EQ(run_command("hit wall"), "なにも起こらなかった。");
    EXPECT_EQ(run_command("get floor"), "それは取れない。");
    EXPECT_EQ(run_command("break floor"), "壊すのは無理そうだ。");
    EXPECT_EQ(run_command("read wall"), "それは読めない。");
    EXPECT_EQ(run_command("open wall"), "ここではできない。");
    EXPECT_EQ(run_command("use floor"), "ここではできない。");
    EXPECT_EQ(run_command("play floor"), "ここではできない。");

    // Nouns the area does not report are not here.
    EXPECT_EQ(run_command("close door"), "ここには見あたらない。");
    EXPECT_EQ(run_command("examine brass key"), "ここには見あたらない。");
}

TEST_F(Interpreter, CarriedItemsAreWithinReach) {
    go(ai_working);
    add_item(ni_brass_key);
    EXPECT_EQ(run_command("kick brass key"), "なにも起こらなかった。");
    EXPECT_EQ(run_command("break brass key"), "壊すのは無理そうだ。");
    EXPECT_EQ(run_command("open brass key"), "ここではできない。");
    EXPECT_EQ(run_command("look brass key"), noun_description(ni_brass_key));
    remove_item(ni_brass_key);
    EXPECT_EQ(run_command("kick brass key"), "ここには見あたらない。");
}

TEST_F(Interpreter, SystemVerbsWithANounIgnoreWhatIsHere) {
    in_achievements();
    EXPECT_EQ(run_command("help door"), "doorは助けられない。");
    EXPECT_EQ(run_command("config door"), "doorは設定できません。");
    EXPECT_EQ(run_command("help  brass   key "), "brass keyは助けられない。");
}

TEST_F(Interpreter, SaveLoadAndScore) {
    go(ai_working);
    EXPECT_EQ(run_command("load"), "ゲームのロードに失敗しました。");
    EXPECT_EQ(get_cur_area(), ai_working);

    flag_set(F_DANGER);
    EXPECT_EQ(run_command("save"), "そんな余裕はない！");
    flag_clear(F_DANGER);
    EXPECT_EQ(run_command("save"), "ゲームをセーブしました。");

    // Loading enters the saved area afresh at the end of the command.
    set_cur_area(ai_achievements);
    flag_clear(F_VISITED_BASE + ai_working);
    std::vector<std::string> out = command_output("load");
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[0], "ゲームをロードしました。");
    EXPECT_EQ(joined(out, 1),
              "あなたは工事中の部屋にいる。この部屋はいろいろテストするためのダミー部屋のようだ。");
    EXPECT_EQ(get_cur_area(), ai_working);
    EXPECT_TRUE(flag_test(F_VISITED_BASE + ai_working));

    out = command_output("score");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].rfind("現在の得点:", 0), 0u) << out[0];
    EXPECT_EQ(out[1].rfind("マニア評価:", 0), 0u) << out[1];
}

TEST_F(Interpreter, SaveFailureIsReported) {
    // HOME is a file: the data directory cannot be made.
    std::string file = vxtest::temp_dir("command_badhome") + "/file";
    vxtest::write_file(file, "x");
    home.set(file);
    go(ai_working);
    EXPECT_EQ(run_command("save"), "ゲームのセーブに失敗しました。");
}

namespace lh {
std::vector<std::string> answers;
int keep_once(char *line) {
    answers.emplace_back(line);
    return answers.size() < 2 ? 1 : 0;
}
} // namespace lh

TEST_F(Interpreter, PendingQuestionTakesTheNextLines) {
    in_achievements();
    lh::answers.clear();
    set_line_handler(lh::keep_once, "?");
    EXPECT_TRUE(line_handler_active());
    EXPECT_EQ(input_line_text()[0], '?');

    // An answer is not a command: no reply, no move performed.
    area_request_move(ai_working);
    EXPECT_EQ(command_output(""), Lines{});
    EXPECT_TRUE(line_handler_active());
    EXPECT_EQ(command_output("xyzzy   plugh "), Lines{});
    EXPECT_FALSE(line_handler_active());
    EXPECT_EQ(input_line_text()[0], '>');
    ASSERT_EQ(lh::answers.size(), 2u);
    EXPECT_EQ(lh::answers[0], "");
    EXPECT_EQ(lh::answers[1], "xyzzy   plugh "); // raw, as typed
    EXPECT_EQ(get_cur_area(), ai_achievements);

    // The next command performs the move still pending.
    run_command("wait");
    EXPECT_EQ(get_cur_area(), ai_working);
}

TEST_F(Interpreter, QuitQuestionSwitchesThePrompt) {
    in_achievements();
    EXPECT_EQ(run_command("quit"), "プログラムを終了しますか([yes]/[no])?");
    EXPECT_TRUE(line_handler_active());
    EXPECT_EQ(input_line_text()[0], '?');
    EXPECT_EQ(command_output("no"), Lines{}); // silent
    EXPECT_FALSE(line_handler_active());
    EXPECT_EQ(input_line_text()[0], '>');
}

// The living-room clock counts turns: with flag 23 set, the next counted
// command there sets 24, and the one after clears it.
TEST_F(Interpreter, OnlyCountedCommandsAdvanceTime) {
    constexpr int CUCKOO_DUE = 23, CUCKOO_OUT = 24;
    go(ai_living);
    flag_set(CUCKOO_DUE);
    for (const char *line : {"look", "look wall", "inventory", "i", "load", "save", "xyzzy",
                             "get plugh", "xyzzy plugh"}) {
        run_command(line);
        EXPECT_TRUE(flag_test(CUCKOO_DUE)) << line;
    }
    run_command("wait");
    if (flag_test(CUCKOO_DUE)) GTEST_SKIP() << "the living-room turn hook is not in yet";
    EXPECT_TRUE(flag_test(CUCKOO_OUT));
    run_command("help"); // counts too
    EXPECT_FALSE(flag_test(CUCKOO_OUT));
}

// Thousands of random lines, in several areas and with questions pending:
// nothing crashes and the game still answers afterwards.
TEST_F(Interpreter, RandomLinesAreHarmless) {
    std::mt19937 rng(20240611);
    const char *words[] = {"get", "look", "help", "quit", "yes", "no", "config", "input", "door",
                           "brass", "key", "i", "f", "wait", "とる", "かぎ", "ヘルプ", "%", "%w"};
    const int areas[] = {ai_title, ai_achievements, ai_working, ai_living, ai_game_over, ai_clear,
                         ai_mailbox, ai_library};
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    for (int i = 0; i < 3000; ++i) {
        if (i % 150 == 0) {
            go(areas[pick(static_cast<int>(std::size(areas)))]);
        }
        if (i % 40 == 0) run_command("quit");            // a question is pending
        if (i % 40 == 20) run_command("config input"); // another one

        std::string line;
        int len = pick(8) == 0 ? pick(3000) : pick(40);
        while (static_cast<int>(line.size()) < len) {
            switch (pick(6)) {
            case 0: line += ' '; break;
            case 1: line += static_cast<char>(0x80 + pick(128)); break;
            case 2: line += static_cast<char>(1 + pick(255)); break;
            case 3: line += words[pick(static_cast<int>(std::size(words)))]; break;
            case 4: line += static_cast<char>('a' + pick(26)); break;
            default: line += "\x82\xa0"; break;
            }
        }
        run_command(line);
        // A scene that waits for Return is finished as the player would.
        gametest::finish_waits();
    }
    for (int n = 0; n < 5 && line_handler_active(); ++n) run_command(""); // Return ends every question
    go(ai_working);
    EXPECT_EQ(run_command("xyzzy"), "xyzzyという動詞は使えない。");
}

} // namespace
