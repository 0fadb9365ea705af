// Terminal play as a player meets it: the program in a pseudo-terminal with
// the line editor, kana typed through an input method, refusals, pictures
// drawn as sixel, kitty or braille, and the plain and piped forms.
#include "e2e_support.h"
#include "line_diff.h"
#include "pty_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

using e2e::install;
using vxtest::utf8;
using vxtest::PtySession;

// The environment of a terminal session in dir; the history goes to dir/state.
std::string in_terminal(const std::string &dir, const std::string &args, const std::string &term = "xterm") {
    return "cd " + dir + " && exec env HOME=" + dir + " XDG_STATE_HOME=" + dir + "/state TERM=" + term +
           " LANG=C.UTF-8 ./keldary --text " + args;
}

size_t count(const std::string &text, const std::string &what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

const std::string newspaper = utf8(u8"幽霊屋敷の調査に向かった黒木大佐");
const std::string quit_question = utf8(u8"プログラムを終了しますか");

}  // namespace

TEST(Terminal, LineEditorTakesKanaRecallsCancelsAndAsksBeforeQuitting) {
    std::string dir = install("e2e-term-editor");
    PtySession s;
    ASSERT_TRUE(s.start(in_terminal(dir, "--pictures=off")));
    ASSERT_TRUE(s.wait_for(utf8(u8"と入力してください。"))) << s.output();
    s.type("hajimeru\r");
    ASSERT_TRUE(s.wait_for(utf8(u8"あなたは屋敷の敷地に踏み込んだところだ。"))) << s.output();

    // Kana from an input method, mixed with romaji, read the newspaper.
    s.type(utf8(u8"よむ しんぶん\r"));
    ASSERT_TRUE(s.wait_for(utf8(u8">よむ しんぶん"))) << s.since_mark();
    ASSERT_TRUE(s.wait_for(newspaper)) << s.since_mark();
    s.type(utf8(u8"よむ shinbunn\r"));
    ASSERT_TRUE(s.wait_for(newspaper)) << s.since_mark();

    // Up recalls the whole previous command, romaji as typed.
    s.type("\x1b[A");
    ASSERT_TRUE(s.wait_for("shinbunn")) << s.since_mark();
    s.type("\r");
    ASSERT_TRUE(s.wait_for(newspaper)) << s.since_mark();

    // Ctrl-C cancels the line: it is shown with ^C and not run.
    s.type("mochimono\x03");
    ASSERT_TRUE(s.wait_for("mochimono")) << s.since_mark();
    ASSERT_TRUE(s.wait_for("^C")) << s.since_mark();
    s.type("miru\r");
    ASSERT_TRUE(s.wait_for(utf8(u8"道端に古びた郵便受け"))) << s.since_mark();
    EXPECT_EQ(s.output().find(utf8(u8"何も持っていない")), std::string::npos);
    EXPECT_EQ(s.output().find(utf8(u8">もちもの")), std::string::npos);

    // Ctrl-D on an empty line asks the game's question; "no" keeps playing,
    // and a second Ctrl-D in a row ends.
    s.type("\x04");
    ASSERT_TRUE(s.wait_for(quit_question)) << s.since_mark();
    s.type("iie\r");
    ASSERT_TRUE(s.wait_for(utf8(u8"?いいえ"))) << s.since_mark();
    s.type("\x04");
    ASSERT_TRUE(s.wait_for(quit_question)) << s.since_mark();
    s.type("\x04");
    EXPECT_EQ(s.wait_exit(), 0) << s.output();

    // The history outlives the session.
    std::string history = vxtest::read_file(dir + "/state/keldary/history");
    EXPECT_NE(history.find("shinbunn"), std::string::npos) << history;
    EXPECT_EQ(history.find("mochimono"), std::string::npos) << history; // cancelled lines are not kept
    PtySession again;
    ASSERT_TRUE(again.start(in_terminal(dir, "--pictures=off")));
    ASSERT_TRUE(again.wait_for(utf8(u8"と入力してください。")));
    again.type("\x1b[A\x1b[A\x1b[A"); // iie, miru, then the newspaper
    EXPECT_TRUE(again.wait_for("shinbunn")) << again.since_mark();
}

TEST(Terminal, BadInputIsRefusedAndNothingRuns) {
    std::string dir = install("e2e-term-bad");
    PtySession s;
    ASSERT_TRUE(s.start(in_terminal(dir, "--pictures=off")));
    ASSERT_TRUE(s.wait_for(utf8(u8"と入力してください。")));
    s.type(utf8(u8"読む 新聞\r"));
    EXPECT_TRUE(s.wait_for(utf8(u8"「読」は入力できない。"))) << s.since_mark();
    s.type("\x1b[15~"); // F5: no key of the game
    EXPECT_TRUE(s.wait_for(utf8(u8"エスケープシーケンスは入力できない。"))) << s.since_mark();
    s.type("\xff");
    EXPECT_TRUE(s.wait_for(utf8(u8"UTF-8でない文字は読めない。"))) << s.since_mark();
    s.type(std::string(100000, 'a') + "\r");
    EXPECT_TRUE(s.wait_for(utf8(u8"一行が長すぎる。"))) << s.since_mark().substr(0, 300);
    s.type("\x16\x1b" "hajimeru\r"); // Ctrl-V types a raw Escape into the line
    EXPECT_TRUE(s.wait_for(utf8(u8"エスケープシーケンスは入力できない。"))) << s.since_mark();
    s.type(std::string("\0\0", 2) + "\r"); // NUL bytes: nothing to do
    // Late answers to the terminal queries are no keys: dropped silently.
    s.type("\x1b[?62;4c\x1b_Gi=31;OK\x1b\\\x1b[6;20;10t");
    // Nothing of the above ran, and the game still answers.
    s.type("hajimeru\r");
    EXPECT_TRUE(s.wait_for(utf8(u8"あなたは屋敷の敷地に踏み込んだところだ。"))) << s.since_mark();
    EXPECT_EQ(s.output().find(utf8(u8"という動詞は使えない")), std::string::npos) << s.output();
    EXPECT_EQ(count(s.output(), utf8(u8"あなたは屋敷の敷地に踏み込んだところだ。")), 1u);
    EXPECT_EQ(count(s.output(), utf8(u8"エスケープシーケンスは入力できない。")), 4u); // F5, Escape, two NULs
    s.type("\x04\x04");
    EXPECT_EQ(s.wait_exit(), 0);

    // The same from a pipe: each bad line is refused whole, with a UTF-8 line
    // on standard error, and the good lines run.
    std::string in = "hajimeru\n" + utf8(u8"読む しんぶん\n") + "\x1b[A\n" + std::string("ab\0c\n", 5) +
                     "\xff\xfe\n" + std::string(100000, 'x') + "\n{Foo}\n" + utf8(u8"よむ　しんぶん\n");
    vxtest::write_file(dir + "/in.txt", in);
    ASSERT_EQ(vxtest::run(dir + "/keldary --text < " + dir + "/in.txt > " + dir + "/out.txt 2> " + dir + "/err.txt"), 0);
    std::string out = vxtest::read_file(dir + "/out.txt"), err = vxtest::read_file(dir + "/err.txt");
    EXPECT_EQ(out.find(utf8(u8"という動詞は使えない")), std::string::npos) << out;
    EXPECT_NE(out.find(newspaper), std::string::npos) << out;
    EXPECT_NE(err.find(utf8(u8"「読」は入力できない。")), std::string::npos) << err;
    EXPECT_EQ(count(err, utf8(u8"エスケープシーケンスは入力できない。")), 2u) << err;
    EXPECT_NE(err.find(utf8(u8"UTF-8でない文字は読めない。")), std::string::npos) << err;
    EXPECT_NE(err.find(utf8(u8"一行が長すぎる。")), std::string::npos) << err;
    EXPECT_NE(err.find(utf8(u8"{F1}や{Return}")), std::string::npos) << err;
    EXPECT_EQ(count(err, "\n"), 6u) << err;
}

TEST(Terminal, SixelPictureIsTheScreenshotsPictureFrame) {
    std::string dir = install("e2e-term-sixel");
    vxtest::write_file(dir + "/shot.keys", "{F1}{F1}start\nforward\n{shot " + dir + "/shot.png}{nr}\n");
    ASSERT_EQ(vxtest::run(dir + "/keldary --headless --keys " + dir + "/shot.keys > /dev/null"), 0);
    int w = 0, h = 0;
    std::vector<uint32_t> shot;
    ASSERT_TRUE(vxtest::read_png(dir + "/shot.png", w, h, shot));

    // A terminal large enough for the picture at its own size.
    PtySession s;
    ASSERT_TRUE(s.start(in_terminal(dir, "--pictures=sixel"), 200, 60, 2000, 1200));
    ASSERT_TRUE(s.wait_for(utf8(u8"と入力してください。")));
    s.type("{F1}{F1}start\r");
    ASSERT_TRUE(s.wait_for(utf8(u8"あなたは屋敷の敷地に踏み込んだところだ。")));
    s.type("forward\r");
    ASSERT_TRUE(s.wait_for(utf8(u8"あなたは玄関の前にいる。")));
    ASSERT_TRUE(s.wait_for("\x1b\\"));
    std::string out = s.output();
    size_t end = out.rfind("\x1b\\"), begin = out.rfind("\x1bP", end);
    ASSERT_NE(begin, std::string::npos);
    vxtest::write_file(dir + "/entrance.six", out.substr(begin, end + 2 - begin));
    ASSERT_EQ(vxtest::run("sixel2png -i " + dir + "/entrance.six -o " + dir + "/entrance.png"), 0);
    int sw = 0, sh = 0;
    std::vector<uint32_t> six;
    ASSERT_TRUE(vxtest::read_png(dir + "/entrance.png", sw, sh, six));
    ASSERT_EQ(sw, 603);
    ASSERT_EQ(sh, 323);
    // The frame (19,7)-(621,329) pixel for pixel; sixel colours are given in
    // percent, so a channel may be one or two off.
    int wrong = 0, lit = 0;
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            uint32_t a = six[static_cast<size_t>(y) * sw + x], b = shot[static_cast<size_t>(y + 7) * w + x + 19];
            for (int c = 0; c < 24; c += 8) {
                int d = static_cast<int>((a >> c) & 0xFF) - static_cast<int>((b >> c) & 0xFF);
                if (d > 2 || d < -2) ++wrong;
            }
            lit += b != 0;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(lit, 5000); // a real picture, not an empty frame
    s.type("\x04\x04");
    EXPECT_EQ(s.wait_exit(), 0);
}

TEST(Terminal, PicturesFollowWhatTheTerminalAnswers) {
    std::string dir = install("e2e-term-auto");
    const std::string braille_blank = utf8(u8"\u2800");
    struct Case {
        const char *answer; // typed ahead, read as the terminal's reply
        const char *term;
        const char *expect;
    };
    const Case cases[] = {
        {"", "xterm-256color", braille_blank.c_str()},  // no answer: text art, no hang
        {"\x1b[?62;4;22c", "xterm-256color", "\x1bP"},  // sixel
        {"\x1b_Gi=31;OK\x1b\\\x1b[?62;22c", "xterm-kitty", "\x1b_Ga=T"},
        {"", "dumb", nullptr},                          // no pictures, no status
    };
    for (const Case &c : cases) {
        PtySession s;
        ASSERT_TRUE(s.start(in_terminal(dir, "", c.term)));
        s.type(c.answer);
        ASSERT_TRUE(s.wait_for(utf8(u8"と入力してください。"))) << c.term << s.output();
        ASSERT_TRUE(s.wait_for("> ")) << c.term;
        std::string out = s.output();
        if (c.expect) {
            EXPECT_NE(out.find(c.expect), std::string::npos) << c.term << " " << c.answer;
            EXPECT_NE(out.find("\x1b]2;"), std::string::npos) << "status in the title";
        } else {
            EXPECT_EQ(out.find(braille_blank), std::string::npos);
            EXPECT_EQ(out.find("\x1b]2;"), std::string::npos);
        }
        s.type("\x04\x04");
        EXPECT_EQ(s.wait_exit(), 0) << c.term;
    }

    // A narrower terminal gets narrower text art.
    PtySession s;
    ASSERT_TRUE(s.start(in_terminal(dir, "--pictures=blocks"), 120, 40));
    ASSERT_TRUE(s.wait_for("> "));
    s.resize(41, 40);
    s.set_mark();
    s.type("hajimeru\r");
    ASSERT_TRUE(s.wait_for(utf8(u8"あなたは屋敷の敷地に踏み込んだところだ。")));
    ASSERT_TRUE(s.wait_for("> "));
    const std::string text_end = utf8(u8"ところだ。\r\n");
    std::string art = s.output().substr(s.output().find(text_end) + text_end.size());
    EXPECT_EQ(count(art.substr(0, art.find('\n')), "\xe2"), 40u); // braille cells, one column spare
    s.type("\x04\x04");
    EXPECT_EQ(s.wait_exit(), 0);
}

TEST(Terminal, PipedTranscriptOfTheFullGameIsUnchanged) {
    std::string dir = install("e2e-term-piped");
    std::string keys = e2e::e2e_file("full_game.keys");
    std::string golden = vxtest::read_file(e2e::e2e_file("full_game.text")); // make golden records it
    ASSERT_FALSE(golden.empty());
    for (const char *args : {"", "--pictures=sixel"}) {
        ASSERT_EQ(vxtest::run("HOME=" + dir + " TERM=xterm " + dir + "/keldary --text " + args + " < " + keys +
                              " > " + dir + "/out.txt 2> " + dir + "/err.txt"),
                  0);
        std::string out = vxtest::read_file(dir + "/out.txt");
        if (out != golden) ADD_FAILURE() << args << " (- recorded, + now)\n" << vxtest::line_diff(golden, out);
        EXPECT_EQ(vxtest::read_file(dir + "/err.txt"), "");
    }
}

TEST(Terminal, PlainPlayJoinsParagraphsAndDescribesPictures) {
    std::string dir = install("e2e-term-plain");
    vxtest::write_file(dir + "/in.txt", "hajimeru\nyomu shinbunn\nsusumu\n");
    ASSERT_EQ(vxtest::run(dir + "/keldary --text --plain < " + dir + "/in.txt > " + dir + "/out.txt"), 0);
    std::string out = vxtest::read_file(dir + "/out.txt");
    EXPECT_EQ(out.find('\x1b'), std::string::npos);
    EXPECT_NE(out.find(utf8(u8"\n絵：あなたは屋敷の敷地に踏み込んだところだ。\n")), std::string::npos) << out;
    EXPECT_NE(out.find(utf8(u8"\n絵：あなたは玄関の前にいる。\n")), std::string::npos) << out;
    // The article is one paragraph again, not four console lines.
    EXPECT_NE(out.find(utf8(u8"屋敷は1930年、ある富豪が病弱な妻のために建てたもの。妻の死後に当主が姿を消して以来、"
                            u8"失踪事件が相次ぎ、1995年に住人の教授一家が消えてからは無人となっていた。屋敷には今も"
                            u8"財宝が眠るとの噂が絶えない」\n")),
              std::string::npos)
        << out;

    // On a terminal too: no escape sequence at all.
    PtySession s;
    ASSERT_TRUE(s.start(in_terminal(dir, "--plain")));
    ASSERT_TRUE(s.wait_for(utf8(u8"\n絵：")));
    s.type("hajimeru\n");
    ASSERT_TRUE(s.wait_for(utf8(u8"絵：あなたは屋敷の敷地に踏み込んだところだ。")));
    s.type("\x04");
    ASSERT_TRUE(s.wait_for(quit_question));
    s.type("\x04");
    EXPECT_EQ(s.wait_exit(), 0);
    EXPECT_EQ(s.output().find('\x1b'), std::string::npos) << s.output();
}

TEST(Terminal, EndsCleanlyOnSignalsAndAClosedOutput) {
    std::string dir = install("e2e-term-end");
    std::string keys = e2e::e2e_file("full_game.keys");
    // A reader that stops early: the program ends without being killed,
    // and reports the output it could not write (status 1).
    EXPECT_EQ(vxtest::run("bash -c 'HOME=" + dir + " " + dir + "/keldary --text < " + keys +
                          " 2> /dev/null | head -c 100 > /dev/null; exit ${PIPESTATUS[0]}'"),
              1);
    for (int sig : {SIGTERM, SIGHUP}) {
        fs::remove(dir + "/Vexdraw.ini");
        PtySession s;
        ASSERT_TRUE(s.start(in_terminal(dir, "--pictures=off")));
        ASSERT_TRUE(s.wait_for("> "));
        s.signal(sig);
        EXPECT_EQ(s.wait_exit(), 0) << sig;
        EXPECT_TRUE(fs::exists(dir + "/Vexdraw.ini")) << "closed down as at the end of play";
    }
}
