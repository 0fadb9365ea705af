#include "command.h"

#include "area.h"
#include "console.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"
#include "test_support.h"

#include "headless/host_headless.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using gametest::command_output;
using gametest::joined;
using gametest::run_command;
using Lines = std::vector<std::string>;

class SystemCommands : public ::testing::Test {
protected:
    void SetUp() override {
        gametest::start_program(vxtest::temp_dir("help"));
        set_input_mode(0);
        // The title screen passes help, config and quit on to the system
        // commands; stay there with its pending move done.
        area_perform_move();
        // The console's scroll position outlives start-up (it does in the
        // program too): page down to the newest lines, so that Return submits.
        for (int i = 0; i < CONSOLE_LINES && console_rollback() > 0; ++i) console_key_handler(65366);
    }

    static std::string without_blanks(std::string s) {
        s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
        return s;
    }

    // Whether "bye." reached the diagnostic console since it was cleared.
    static bool said_bye() {
        for (int i = 0; i < 25; ++i)
            if (std::string(vxi_console_line(i)) == "bye.") return true;
        return false;
    }
};

TEST_F(SystemCommands, HelpMenuInTheCurrentLanguage) {
    std::vector<std::string> en = {
        "  help basic: 基本コマンド", "  help verb: 動詞一覧", "  help noun: 名詞一覧",
        "  help tips: ヒント",        "  help key: キー操作",  "  help assist: 補助",
    };
    EXPECT_EQ(command_output("help"), en);

    set_input_mode(1);
    std::vector<std::string> hira = {
        "  へるぷ きほん: 基本コマンド", "  へるぷ どうし: 動詞一覧", "  へるぷ めいし: 名詞一覧",
        "  へるぷ ひんと: ヒント",       "  へるぷ そうさ: キー操作", "  へるぷ ほじょ: 補助",
    };
    EXPECT_EQ(command_output("へるぷ"), hira);
}

TEST_F(SystemCommands, TextPages) {
    std::vector<std::string> out = command_output("help basic");
    EXPECT_EQ(joined(out),
              "「動詞」もしくは「動詞 名詞」の形式で入力してください。"
              "「forward(f)」「backward(b)」「left(l)」「right(r)」で前後左右、「up」「down」で上下に移動できます。"
              "「inventory」で持ち物を確認できます。"
              "「config」「help」「save」で設定変更、説明表示、保存ができます。");

    out = command_output("help tips");
    EXPECT_EQ(joined(out), "・「save」できる状況では、デストラップ(ハマり)は存在しません。"
                           "・目的語(名詞)なしの「look」で、現在地の説明を見ることができます。"
                           "・「look」は時間が経過しません。「examine」は詳しく調べます。"
                           "・提示される動詞・名詞のみでクリア可能ですが、類義語も受け付けます。"
                           "・文字が書かれたものは「read 名詞」で読めます。"
                           "・かなで通じない行は、打った英字のまま英語として読みます。"
                           "・英語の the や a、on や to で始まる後ろの句は読み飛ばします。");

    std::vector<std::string> keys = {
        "英字・数字・スペース: コマンド入力",
        "リターン            : コマンド決定",
        "[PageUp][PageDown]  : メッセージのロールバック",
        "↑↓                : ヒストリ(過去に入力した動詞・名詞を呼び出す)",
        "F1                  : 入力方式切替",
        "Ctrl+Z              : 直前のコマンドを取り消す",
    };
    EXPECT_EQ(command_output("help key"), keys);

    std::vector<std::string> assist = {
        "F2                  : ミニマップの表示ON/OFF",
        "F3                  : ミニマップの表示位置移動",
        "F4                  : ミニマップの非透過/半透過",
        "おもいだす          : 過去に読んだ本などの内容を再表示",
        "undo                : 直前のコマンドを取り消す(Ctrl+Zも可)",
        "again, g            : 直前のコマンドを繰り返す",
        "load backup         : ひとつ前のセーブを読み込む",
    };
    EXPECT_EQ(command_output("help assist"), assist);

    // The noun page in katakana mode (the heading wraps).
    set_input_mode(2);
    out = command_output("help noun");
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(joined(std::vector<std::string>(out.begin(), out.end() - 1)),
              "以下の一般的な名詞が使用できます。その他の名詞は、メッセージ中で'[', ']'内に示されます。");
    EXPECT_EQ(out.back(), "トビラ マド カベ ユカ テンジョウ カイダン ヘヤ ロウカ ");
    set_input_mode(0);
    out = command_output("help noun");
    EXPECT_EQ(out.back(), "door window wall floor ceiling stairs room corridor ");
}

// The pages of rows, undo and the English reading among them, show one
// console line a row in every input language: no row wraps.
TEST_F(SystemCommands, RowPagesFitTheConsoleInEveryLanguage) {
    const std::pair<const char *, size_t> pages[] = {{"help", 6}, {"help tips", 7}, {"help key", 6}, {"help assist", 7}};
    for (int mode = 0; mode < 3; ++mode) {
        set_input_mode(mode);
        for (auto [page, rows] : pages) {
            Lines out = command_output(page);
            EXPECT_EQ(out.size(), rows) << page << " in mode " << mode;
            for (const std::string &l : out) EXPECT_LE(l.size(), size_t{CONSOLE_WIDTH}) << l;
        }
    }
}

TEST_F(SystemCommands, VerbPage) {
    std::vector<std::string> out = command_output("help verb");
    std::vector<std::string> en = {
        "以下の動詞が使用できます。",
        "f(orward) b(ackward) l(eft) r(ight) u(p) d(own) enter exit i(nventory) l",
        "ook examine recall get put use open close hit kick break move remove pus",
        "h pull touch turn read throw combine dismantle adjust pray talk cast eat",
        "drink wait shoot erase give show help load save config quit ",
    };
    EXPECT_EQ(out, en);

    set_input_mode(1);
    out = command_output("help verb");
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[0], "以下の動詞が使用できます。");
    EXPECT_EQ(out[1].rfind("すすむ もどる ひだり みぎ あがる おりる はいる でる もちもの ", 0), 0u);
    for (const std::string &l : out) EXPECT_LE(l.size(), 72u);
    EXPECT_EQ(without_blanks(joined(out, 1)),
              without_blanks("すすむ もどる ひだり みぎ あがる おりる はいる でる もちもの みる しらべる "
                             "おもいだす とる おく つかう ひらく とじる たたく ける こわす うごかす どける "
                             "おす ひく さわる まわす よむ なげる がったい ぶんかい あわせる いのる はなす "
                             "となえる たべる のむ まつ うつ けす あげる みせる へるぷ ろーど せーぶ せってい "
                             "おわる "));
}

TEST_F(SystemCommands, OtherNounsAreNotTopics) {
    set_input_mode(2);
    EXPECT_EQ(run_command("help トビラ"), "トビラは助けられない。");
    EXPECT_EQ(run_command("help brass key"), "brass keyは助けられない。");
    EXPECT_EQ(run_command("config トビラ"), "トビラは設定できません。");
}

TEST_F(SystemCommands, ConfigMenuAndInputLanguageQuestion) {
    std::vector<std::string> menu = {"以下の設定が可能です。", "  config input: 入力言語設定"};
    EXPECT_EQ(command_output("config"), menu);

    EXPECT_EQ(run_command("config input"), "どの入力方式に切り替えますか?([english][hiragana][katakana])");
    EXPECT_EQ(input_line_text()[0], '?');
    // Return alone cancels: nothing printed, nothing changed.
    EXPECT_EQ(command_output(""), Lines{});
    EXPECT_FALSE(line_handler_active());
    EXPECT_EQ(input_line_text()[0], '>');
    EXPECT_EQ(get_input_mode(), 0);

    set_input_mode(2);
    EXPECT_EQ(run_command("config input"), "どの入力方式に切り替えますか?([エイゴ][ヒラガナ][カタカナ])");
    run_command("");
    EXPECT_EQ(get_input_mode(), 2);

    struct Case {
        const char *answer;
        const char *reply;
        int mode;
    };
    const Case cases[] = {
        {"えいご", "英語入力に切り替えました。", 0},
        {"  ヒラガナ  ", "ひらがな入力に切り替えました。", 1},
        {"katakana", "カタカナ入力に切り替えました。", 2},
        {"エイゴ", "英語入力に切り替えました。", 0},
        {"french", "他の言語はわかりません。", 0},
        {"english please", "他の言語はわかりません。", 0},
        {"   ", "他の言語はわかりません。", 0},
        {"\x82", "他の言語はわかりません。", 0},
    };
    for (const Case &c : cases) {
        run_command("config input");
        EXPECT_TRUE(line_handler_active());
        EXPECT_EQ(run_command(c.answer), c.reply) << c.answer;
        EXPECT_EQ(get_input_mode(), c.mode) << c.answer;
        EXPECT_FALSE(line_handler_active());
    }
}

TEST_F(SystemCommands, QuitAnswers) {
    struct Case {
        const char *answer;
        bool quits;
    };
    const Case cases[] = {
        {"", true},     {"yes", true}, {"y", true},    {" はい ", true}, {"ハイ", true},
        {"no", false},  {"n", false},  {"いいえ", false}, {"maybe", false}, {"   ", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(run_command("quit"), "プログラムを終了しますか([yes]/[no])?");
        vxi_console_reset();
        EXPECT_EQ(command_output(c.answer), Lines{}) << c.answer; // nothing for the player either way
        EXPECT_EQ(said_bye(), c.quits) << c.answer;
        EXPECT_FALSE(line_handler_active());
    }
}

// Through the real event loop and command line: Return alone to the quit
// question stops the loop at once; the rest of the script is never typed
// and the window is still open.
TEST_F(SystemCommands, QuitWithReturnEndsTheLoop) {
    vx_headless_set_keys_text("quit\n\nwait\n");
    vx_main_loop();
    EXPECT_EQ(vxi_quit_posted(), 0);
    EXPECT_EQ(std::string(console_line(0)), "?");
    EXPECT_EQ(std::string(console_line(1)), "プログラムを終了しますか([yes]/[no])?");
}

TEST_F(SystemCommands, QuitAnsweredNoGoesOn) {
    vx_headless_set_keys_text("quit\nno\nwait\n");
    vx_main_loop(); // runs to the end of the script, which closes the window
    EXPECT_EQ(vxi_quit_posted(), 1);
    // "no" prints nothing: the next line after its echo is the next command.
    int k = 0;
    while (k < 10 && std::string(console_line(k)) != "?no") ++k;
    ASSERT_LT(k, 10);
    ASSERT_GT(k, 0);
    EXPECT_EQ(std::string(console_line(k - 1)), ">wait");
}

} // namespace
