// The built program plays the whole game from the title to the ending from a
// key script (full_game.keys next to this file), typing only what a player
// can type, in the order the puzzles require. The transcript equals the
// recorded full_game.transcript (`make golden` records it again) and shows
// each puzzle's key reply in order, the ending and the full score.
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using e2e::unwrapped;
using vxtest::utf8;

size_t count(const std::string &text, const std::string &what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

}  // namespace

TEST(FullGame, ScriptPlaysFromTheTitleToTheEnding) {
    // The whole transcript, as recorded; then the milestones it must hold.
    std::string out = e2e::play_golden("full_game");
    std::string text = unwrapped(out);

    // Each milestone must come after the one before it.
    e2e::expect_in_order(text, {
        u8">start",
        // The grounds and the ground floor.
        u8"バタン。数歩踏み出すと、背後で扉が大きな音を立てて閉まった。",
        u8"名前を呼ぶと、それまでこちらに無関心だった犬が立ち上がった。",
        u8"さいごにうめき声のような音を残して、浴槽は空になった。",
        u8"銀の鍵を手に入れた。",
        // The landing, the blackout and the study.
        u8"ガチャリと音を立てて扉の鍵が開いた。",
        u8"気がつくと、見知らぬ部屋にいた。どうやら助かったようだ。",
        u8"左奥の扉を閉めた。",
        // The golden key and the flying toy.
        u8"手を伸ばすと、背後からなにか飛び込んできて金色の鍵をさらった。",
        u8"廊下に出ると、何かちいさなものが階段の方へ飛び去った。",
        u8"ベッドの下からビー玉[marble]が出てきた。",
        u8"小枝にゴムひもを結びつけてぱちんこ[slingshot]を作った。",
        u8"ぱちんこでビー玉を撃つと見事に玩具のドラゴンに命中した。",
        u8"金色の鍵を手に入れた。",
        u8"玩具を合体させて玩具の巨大ロボット[large robot]にした。",
        // The necklace and the shadow.
        u8"ゲームをセーブしました。>get necklace首飾りを手に入れた。",
        u8"内側から洋服箪笥の扉を閉めた。",
        u8"息を潜めていると、やがて足音は部屋を出て、廊下を遠ざかっていった。",
        // The music room.
        u8"Dの音のハンマーに鉄の鍵[steel key]が結わえられている。",
        // The dining ritual.
        u8"彼らが食卓につくと蝋燭が灯り、食事が始まった。",
        u8"蝋燭を使ってランタンを点けた。",
        // The guest room upstairs and the wet sponge.
        u8"肖像画を壁から外して裏返しに置いた。",
        u8"中には小瓶[bottle]とスポンジ[sponge]が入っている。",
        u8"日誌を手に入れた。",
        u8"しばらくして引き上げると、スポンジはたっぷりと水を吸っていた。",
        // The library armour and the secret room.
        u8"しかし床上の化石に蹴躓き、がしゃんと大きな音を立てて転んだ。",
        u8"濡れたスポンジで鎧の内側をこすると、魔法陣は消えた。",
        u8"本棚を動かすと隠された通路[passage]が現れた。",
        u8"あなたは隠し部屋にいる。",
        u8"小瓶の中の粉をひとつまみ蝋燭の火にくべると、あたりに奇妙な香りが広がった。",
        u8"≪ogu___ _______ _____ ______ ______ engufu uruua≫",
        u8"ねじ回しを手に入れた。",
        // The mirrors and the wall writing.
        u8"鏡を手に入れた。",
        u8"やがて女性の姿は、すうっと消えていった。",
        u8"≪guruu aenganu aruei zuuggu ioruau en≫",
        // The dog, the hat and the Elder Sign.
        u8"あなたは地下室にいる。",
        u8"帽子を手に入れた。",
        u8"緩んでいた首輪が外れて床に落ちたが、犬は振り返りもせず部屋を出ていった。",
        u8"中から小さな石版のようなものが出てきた。",
        u8"ゲームをセーブしました。>loadゲームをロードしました。あなたは洗濯室にいる。",
        // The machine.
        u8"ゴムのアヒルを挟んで、ショートしているケーブルを絶縁した。",
        u8"機械に鶏の骨を入れた。",
        u8"小さな扉を閉じた。>push green button低い唸り音と共に、機械が動き出した。>",
        // The temple, the collapse and the cave.
        u8"空洞の天井部の岩肌には、魔法陣が浮かび上がっている。",
        u8"あなたが呪文を唱え始めると、眼前のそれは、わずかにたじろいだかに見えた。",
        u8"あなたは奇妙な石を高く掲げ、呪文の最後の一節を唱え終えた。",
        u8"気が付くと、どこかに亀裂が入ったのか溜まっていた水が流れ出し、神殿の床が姿を現していた。",
        u8"暴れ狂う触手に幾度も打ちのめされ、ついに天井が崩れ落ちた。",
        u8"ランタンを思い切り遠くへ投げると、たちまちガソリンに引火し、燃え広がった。",
        u8"あなたは洞窟にいる。",
        // The ending.
        u8"見守るうちに、屋敷の窓からも黒煙が上がり",
        u8"      + + + + + + +  ゲームクリア  + + + + + + + +",
        u8"おめでとう、あなたは無事に屋敷を脱出した。",
        u8">score現在の得点:21/21マニア評価:4/4",
    });

    // The ending banner and the score stand whole on lines of their own.
    EXPECT_NE(out.find("\n" + utf8(u8"      + + + + + + +  ゲームクリア  + + + + + + + +") + "\n"), std::string::npos);
    EXPECT_NE(out.find("\n" + utf8(u8"現在の得点:21/21") + "\n"), std::string::npos);
    EXPECT_NE(out.find("\n" + utf8(u8"マニア評価:4/4") + "\n"), std::string::npos);

    // Nothing the player typed fell outside the vocabulary.
    EXPECT_EQ(out.find(utf8(u8"という動詞は使えない。")), std::string::npos);
    EXPECT_EQ(out.find(utf8(u8"という名詞は使えない。")), std::string::npos);
    // Every save was made where saving is allowed, and it worked.
    EXPECT_EQ(count(text, utf8(u8"ゲームをセーブしました。")), 4u);
    EXPECT_EQ(out.find(utf8(u8"そんな余裕はない！")), std::string::npos);
    EXPECT_EQ(out.find(utf8(u8"ゲームのセーブに失敗しました。")), std::string::npos);
    // The one death is the bathtub on the ground floor, undone by loading.
    EXPECT_EQ(count(text, utf8(u8"ゲームオーバー")), 1u);
    // No paged text swallowed a command: every [Return] was answered by an
    // empty line, and no empty line was left over for the prompt.
    EXPECT_EQ(out.find("\n>\n"), std::string::npos);
}

namespace {

// The transcript without the echoed lines, wrapped lines joined, and
// without what stands in brackets: the words of the input language
// ("[marble]", "「look」", "≪ogu...≫"), which differ between the modes.
std::string replies(const std::string &transcript) {
    std::string text;
    size_t start = 0;
    while (start < transcript.size()) {
        size_t nl = transcript.find('\n', start);
        std::string line = transcript.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (line.empty() || (line[0] != '>' && line[0] != '?')) text += line;
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    for (auto [open, close] : {std::pair{utf8(u8"["), utf8(u8"]")}, std::pair{utf8(u8"「"), utf8(u8"」")},
                               std::pair{utf8(u8"≪"), utf8(u8"≫")}}) {
        for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
            size_t end = text.find(close, at);
            if (end == std::string::npos) break;
            text.erase(at, end + close.size() - at);
        }
    }
    return text;
}

std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

}  // namespace

// The same game typed in English without leaving hiragana mode (and with
// the words a player adds: "look at the clock", "give hat to dog"): every
// command runs as typed, and the game goes exactly as in English mode.
TEST(FullGame, EnglishTwinPlaysTheSameGameInHiraganaMode) {
    std::string twin = e2e::play_golden("full_game_en");
    std::string english = vxtest::read_file(e2e::e2e_file("full_game.transcript"));
    EXPECT_NE(twin.find("\n" + utf8(u8"現在の得点:21/21") + "\n"), std::string::npos) << twin;
    EXPECT_NE(twin.find("\n" + utf8(u8"マニア評価:4/4") + "\n"), std::string::npos);
    EXPECT_EQ(replies(twin), replies(english));

    // Every command is echoed as the script typed it, in order, as many as
    // in English mode. The only kana lines are two answers that mean
    // something as kana: the dog's name and the incantation.
    auto echoes = [](const std::string &transcript) {
        std::vector<std::string> out;
        for (const std::string &l : lines_of(transcript))
            if (l.size() > 1 && (l[0] == '>' || l[0] == '?')) out.push_back(l.substr(1));
        return out;
    };
    std::vector<std::string> echoed = echoes(twin);
    EXPECT_EQ(echoed.size(), echoes(english).size());
    std::vector<std::string> typed = lines_of(vxtest::read_file(e2e::e2e_file("full_game_en.keys")));
    size_t next = 0;
    for (const std::string &e : echoed) {
        std::string want = e;
        if (e == utf8(u8"おぐるうあえんがぬあるえいずうっぐいおるあうえんぐふうるうあ"))
            want = "oguruuaenganuarueizuugguioruauengufuuruua";
        if (e == utf8(u8"おりおん")) want = "orion";
        while (next < typed.size() && typed[next] != want) ++next;
        ASSERT_LT(next, typed.size()) << "echoed but not typed in this order: " << e;
        ++next;
    }
}

// Every [Return] prompt comes after the text it waits on: after a line of
// reply, never straight after a command or a blank line, in each recorded
// game (the transcripts are checked against the program above). The one
// wait with no text of its own is the ending's last: THE END appears on the
// cliff, and the game-clear banner follows.
TEST(FullGame, EveryReturnPromptComesAfterTheTextItWaitsOn) {
    const std::string prompt = utf8(u8"[リターンキーを押してください]");
    const std::string banner = utf8(u8"      + + + + + + +  ゲームクリア  + + + + + + + +");
    for (const char *name : {"ground_floor.transcript", "full_game.transcript", "full_game_en.transcript",
                             "full_game.text"}) {
        std::vector<std::string> lines = lines_of(vxtest::read_file(e2e::e2e_file(name)));
        int prompts = 0, picture_waits = 0;
        for (size_t i = 1; i < lines.size(); ++i) {
            if (lines[i] != prompt) continue;
            ++prompts;
            const std::string &before = lines[i - 1];
            if (before == prompt) {
                ++picture_waits;
                EXPECT_TRUE(i + 1 < lines.size() && lines[i + 1] == banner) << name << " line " << i + 1;
                continue;
            }
            EXPECT_FALSE(before.empty() || before[0] == '>' || before[0] == '?')
                << name << " line " << i + 1 << " follows: " << before;
        }
        EXPECT_GT(prompts, 0) << name;
        EXPECT_EQ(picture_waits, std::string(name) == "ground_floor.transcript" ? 0 : 1) << name;
    }
    // At the cave's exit the run for it and the shore it leads to are told
    // first; the wait is for both.
    e2e::expect_in_order(unwrapped(vxtest::read_file(e2e::e2e_file("full_game.transcript"))),
                         {u8"洞窟の出口へと走った。洞窟を出ると、そこは海岸だった。",
                          u8"屋敷の駒形切妻屋根が見えている。[リターンキーを押してください]洞窟の中からは"});
}
