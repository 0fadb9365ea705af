// The grounds outside the house, played through the game from "start":
// every exit and refusal, the mailbox, the flowerpot and its two keys, the
// front door, the fixtures, and what the pictures show in each state.
#include "area.h"
#include "game_support.h"
#include "main.h"
#include "noun.h"
#include "status.h"
#include "test_support.h"
#include "vexdraw.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using gametest::expect_move;
using gametest::expect_refused;
using gametest::has;
using gametest::place;
using gametest::play;
using gametest::say;

class Grounds : public gametest::StartedGame {};

TEST_F(Grounds, TheGameStartsAtTheMailboxWhichOnlyLeadsOn) {
    ASSERT_EQ(get_cur_area(), ai_mailbox);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "あなたは屋敷の敷地に踏み込んだところだ。"));
    EXPECT_TRUE(has(look, "[mailbox]"));
    EXPECT_TRUE(has(look, "[house]"));
    EXPECT_FALSE(has(look, "[leaflet]")); // the box is shut
    for (const char *way : {"backward", "left", "right"}) expect_refused(way, "ここまで来て帰るわけにはいかない。");
    expect_refused("up", "上れそうなところはない。");
    expect_move("forward", ai_entrance);
}

TEST_F(Grounds, MailboxGivesTheLeafletThenTheMedalAndScoresTheClosing) {
    expect_refused("get leaflet", "ここには見あたらない。");

    std::string out = say({"open mailbox"});
    EXPECT_TRUE(has(out, "郵便受けを開けた。"));
    EXPECT_TRUE(has(out, "なにか入っているようだ。"));
    EXPECT_TRUE(flag_test(2));
    EXPECT_TRUE(has(say({"open mailbox"}), "郵便受けはすでに開いている。"));
    EXPECT_TRUE(has(say({"look"}), "[leaflet]"));

    // The medal lies under the leaflet.
    EXPECT_TRUE(has(say({"get medal"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"get leaflet"}), "チラシを手に入れた。"));
    EXPECT_TRUE(flag_test(4));
    EXPECT_TRUE(has_item(ni_leaflet));
    EXPECT_TRUE(has(say({"look mailbox"}), "[medal]"));
    EXPECT_FALSE(has(say({"open mailbox"}), "なにか入っているようだ。"));
    EXPECT_TRUE(has(say({"get medal"}), "メダルを手に入れた。"));
    EXPECT_TRUE(flag_test(5));
    EXPECT_TRUE(has(say({"get medal"}), "もう持っている"));
    EXPECT_TRUE(has(say({"look mailbox"}), "中は空っぽだ。"));

    out = say({"close mailbox"});
    EXPECT_TRUE(has(out, "郵便受けを閉めた。"));
    EXPECT_FALSE(flag_test(2));
    EXPECT_TRUE(flag_test(3));
    EXPECT_TRUE(has(say({"close mailbox"}), "郵便受けは閉まっている。"));
    EXPECT_TRUE(has(say({"get leaflet"}), "もう持っている"));

    out = say({"score"});
    EXPECT_TRUE(has(out, "現在の得点:1/21")) << out;
    EXPECT_TRUE(has(out, "マニア評価:2/4")) << out;
}

TEST_F(Grounds, ClosingAnUnopenedMailboxEarnsNothing) {
    EXPECT_TRUE(has(say({"close mailbox"}), "郵便受けは閉まっている。"));
    EXPECT_FALSE(flag_test(3));
    EXPECT_TRUE(has(say({"score"}), "マニア評価:0/4"));
}

TEST_F(Grounds, EveryExitRoundTheHouseAndEveryRefusal) {
    place(ai_entrance);
    expect_refused("forward", "扉が閉まっている。");
    expect_move("backward", ai_mailbox);
    expect_move("forward", ai_entrance);
    expect_move("right", ai_opened_window);
    expect_refused("up", "手をかけられるようなところはない。");
    expect_refused("forward", "そちらには進めない。");
    expect_move("right", ai_washtub);
    expect_refused("up", "洗い桶の細い縁に立つのは至難の業だ。");
    expect_move("right", ai_backdoor);
    expect_refused("forward", "扉はびくともしない。");
    expect_refused("open door", "扉はびくともしない。");
    expect_refused("pull front door", "扉はびくともしない。");
    expect_move("right", ai_under_tree);
    expect_refused("up", "手に届くところに枝がない。木登り名人を連れてくるか、梯子でも用意しないと無理だろう。");
    expect_refused("up tree", "手に届くところに枝がない。");
    expect_move("right", ai_garden);
    expect_move("left", ai_entrance);
    expect_move("left", ai_garden);
    expect_move("right", ai_under_tree);
    expect_move("left", ai_backdoor);
    expect_move("left", ai_washtub);
    expect_move("left", ai_opened_window);
    expect_move("left", ai_entrance);
}

TEST_F(Grounds, FlowerpotMovedGivesTheWoodenKeyThenBrokenTheBrassKey) {
    place(ai_entrance);
    std::string look = say({"look"});
    EXPECT_TRUE(has(look, "入り口は重々しい木製の扉[door]で閉ざされている。"));
    EXPECT_TRUE(has(look, "扉の脇には植木鉢[flowerpot]がある。"));
    expect_refused("get wooden key", "ここには見あたらない。");
    EXPECT_TRUE(has(say({"get flowerpot"}), "持って行くには重すぎる。"));

    EXPECT_TRUE(has(say({"move flowerpot"}), "植木鉢の下から木の鍵[wooden key]が出てきた。"));
    EXPECT_TRUE(flag_test(7));
    EXPECT_TRUE(has(say({"push flowerpot"}), "植木鉢はもう動かしてある。"));
    EXPECT_TRUE(has(say({"look flowerpot"}), "植木鉢のあったところに木の鍵[wooden key]が落ちている。"));
    EXPECT_TRUE(has(say({"get wooden key"}), "木の鍵を手に入れた。"));
    EXPECT_TRUE(flag_test(10));
    EXPECT_FALSE(has(say({"look flowerpot"}), "落ちている"));
    EXPECT_TRUE(has(say({"use wooden key"}), "この鍵は鍵穴に合わない。"));
    EXPECT_TRUE(has_item(ni_wooden_key));

    expect_refused("get brass key", "ここには見あたらない。");
    EXPECT_TRUE(has(say({"kick flowerpot"}), "ガシャン。植木鉢を叩き壊した。"));
    EXPECT_TRUE(flag_test(8));
    EXPECT_TRUE(has(say({"hit flowerpot"}), "植木鉢はすでに壊れている。"));
    EXPECT_TRUE(has(say({"look"}), "扉の脇には植木鉢[flowerpot]の残骸がある。"));
    look = say({"look flowerpot"});
    EXPECT_TRUE(has(look, "砕けた植木鉢の残骸だ。"));
    EXPECT_TRUE(has(look, "残骸の中に真鍮の鍵[brass key]がある。"));
    EXPECT_TRUE(has(say({"get flowerpot"}), "すでに粉々になっている。"));
    EXPECT_TRUE(has(say({"move flowerpot"}), "植木鉢はもう動かしてある。"));
    EXPECT_TRUE(has(say({"get brass key"}), "真鍮の鍵を手に入れた。"));
    EXPECT_TRUE(flag_test(9));
    EXPECT_FALSE(has(say({"look flowerpot"}), "残骸の中に"));
}

TEST_F(Grounds, FlowerpotBrokenInPlaceGivesBothKeys) {
    place(ai_entrance);
    EXPECT_TRUE(has(say({"break flowerpot"}), "ガシャン。植木鉢を叩き壊した。"));
    EXPECT_TRUE(has(say({"move flowerpot"}), "もう粉々だ。"));
    EXPECT_FALSE(flag_test(7));
    std::string look = say({"look flowerpot"});
    EXPECT_TRUE(has(look, "[brass key]"));
    EXPECT_TRUE(has(look, "[wooden key]"));
    EXPECT_TRUE(has(say({"get wooden key"}), "木の鍵を手に入れた。"));
    EXPECT_TRUE(has(say({"get brass key"}), "真鍮の鍵を手に入れた。"));
}

TEST_F(Grounds, TheBrassKeyOpensTheFrontDoorIntoTheHall) {
    say({"open mailbox", "get leaflet", "forward"});
    ASSERT_EQ(get_cur_area(), ai_entrance);
    EXPECT_TRUE(has(say({"open door"}), "鍵が掛かっていてびくともしない。"));
    EXPECT_TRUE(has(say({"close door"}), "最初から閉まっている。"));
    EXPECT_TRUE(has(say({"hit door"}), "扉を叩いてみたが、誰も答えない。"));
    EXPECT_TRUE(has(say({"look door"}), "分厚い扉だ。壊すのは無理だろう。"));
    EXPECT_TRUE(has(say({"examine door"}), "とくに変わったところはない。"));

    say({"break flowerpot", "get brass key"});
    ASSERT_TRUE(has_item(ni_brass_key));
    EXPECT_TRUE(has(say({"use brass key"}), "ガチャリと音を立てて扉の鍵が開いた。"));
    EXPECT_TRUE(flag_test(1));
    EXPECT_FALSE(has_item(ni_brass_key));
    // Used up, it does not lie among the shards again.
    EXPECT_TRUE(has(say({"get brass key"}), "ここには見あたらない。"));
    EXPECT_FALSE(has_item(ni_brass_key));
    expect_refused("forward", "扉が閉まっている。");

    std::string out = say({"open front door"});
    EXPECT_TRUE(has(out, "重い扉を開いて屋敷内に踏み込んだ。"));
    EXPECT_TRUE(has(out, "バタン。数歩踏み出すと、背後で扉が大きな音を立てて閉まった。"));
    EXPECT_TRUE(has(out, "あなたは玄関ホールにいる。"));
    EXPECT_EQ(get_cur_area(), ai_entrance_hall);
    EXPECT_TRUE(flag_test(11));
    out = say({"score"});
    EXPECT_TRUE(has(out, "現在の得点:6/21")) << out;
    EXPECT_TRUE(has(out, "マニア評価:0/4")) << out;
}

TEST_F(Grounds, FixturesAnswerLookWithTheirOwnSentences) {
    struct probe {
        int area;
        const char *command;
        const char *reply;
    };
    const probe probes[] = {
        {ai_mailbox, "look mailbox", "錆の浮いた金属製の郵便受けだ。"},
        {ai_mailbox, "look path", "屋敷の玄関へと続く小道だ。"},
        {ai_mailbox, "look tree", "立ち枯れた木の切り株だ。"},
        {ai_mailbox, "look house", "ケルダリーの屋敷だ。"},
        {ai_entrance, "look house", "蔦の絡まる石造りの古い屋敷だ。"},
        {ai_entrance, "look stairs", "玄関ポーチへ上る三段の石段だ。"},
        {ai_opened_window, "look window", "はるか頭上で窓が開いたままになっている。"},
        {ai_opened_window, "look wall", "切り石を隙間なく積んだ屋敷の壁だ。"},
        {ai_washtub, "look washtub", "木の板を箍で締めた大きな洗い桶だ。"},
        {ai_washtub, "look water", "桶に溜まった雨水だ。"},
        {ai_washtub, "drink water", "雨水を飲む気にはなれない。"},
        {ai_washtub, "look window", "ガラスの一枚が割れて、小さな穴が開いている。"},
        {ai_backdoor, "look door", "勝手口の簡素な木の扉だ。"},
        {ai_backdoor, "look stairs", "裏口へ上る四段の石段だ。"},
        {ai_under_tree, "look tree", "屋敷に寄り添うように立つ大きな木だ。"},
        {ai_under_tree, "look window", "枝越しに屋敷の窓が見える。"},
        {ai_garden, "look garden", "かつては見事な庭園だったのだろう。"},
        {ai_garden, "look car", "庭の奥に小型のトラックが停まっている。"},
        {ai_garden, "examine car", "ここからでは遠すぎる。"},
        {ai_garden, "look drum", "トラックの荷台にドラム缶がいくつか載っているようだ。"},
        {ai_garden, "get drum", "ここからでは遠すぎる。"},
    };
    for (const probe &p : probes) {
        place(p.area);
        std::string out = say({p.command});
        EXPECT_TRUE(has(out, p.reply)) << p.command << " in area " << p.area << " printed: " << out;
    }
}

TEST_F(Grounds, ThingsOfOtherPlacesAreNotHere) {
    const std::pair<int, const char *> probes[] = {
        {ai_mailbox, "look washtub"}, {ai_entrance, "look car"},     {ai_opened_window, "look flowerpot"},
        {ai_washtub, "look mailbox"}, {ai_backdoor, "look drum"},    {ai_under_tree, "look water"},
        {ai_garden, "look door"},     {ai_garden, "get wooden key"}, {ai_mailbox, "get medal"},
    };
    for (const auto &[area, command] : probes) {
        place(area);
        std::string out = say({command});
        EXPECT_TRUE(has(out, "ここには見あたらない。")) << command << " in area " << area << " printed: " << out;
    }
    // A system verb with a far-off noun is not swallowed by the place.
    place(ai_garden);
    EXPECT_FALSE(has(say({"help car"}), "遠すぎる"));
}

TEST_F(Grounds, LookAroundNamesWhatIsInSight) {
    const std::pair<int, const char *> probes[] = {
        {ai_opened_window, "[window]"}, {ai_washtub, "[washtub]"}, {ai_washtub, "[water]"}, {ai_backdoor, "[door]"},
        {ai_under_tree, "[tree]"},      {ai_garden, "[car]"},      {ai_garden, "[garden]"},
    };
    for (const auto &[area, word] : probes) {
        place(area);
        std::string out = say({"look"});
        EXPECT_TRUE(has(out, word)) << "look in area " << area << " printed: " << out;
    }
}

// ---- Pictures ----

class GroundsPictures : public ::testing::Test {
protected:
    void SetUp() override {
        vxtest::open_headless(640, 480, vxtest::temp_dir("grounds_pictures"));
        game_wire_modules();
        status_init(nullptr);
        status_reset();
    }

    // Draws an area's picture with exactly the given flags set; returns the
    // white pixels counted in the rectangle.
    static int white_in(int area, std::initializer_list<int> flags, int x1, int y1, int x2, int y2) {
        status_reset();
        for (int f : flags) flag_set(f);
        gametest::draw_picture(area);
        return vxtest::count(0xFFFFFF, x1, y1, x2, y2);
    }
};

TEST_F(GroundsPictures, MailboxShowsLidAndContentsByTheFlags) {
    // The closed lid's knob shows only while the box is shut.
    EXPECT_GT(white_in(ai_mailbox, {}, 416, 190, 424, 200), 0);
    EXPECT_EQ(white_in(ai_mailbox, {2, 4, 5}, 416, 190, 424, 200), 0);
    // The open lid hangs below the box with its knob.
    EXPECT_EQ(white_in(ai_mailbox, {}, 360, 236, 398, 272), 0);
    EXPECT_GT(white_in(ai_mailbox, {2}, 384, 242, 388, 246), 0);
    // Inside the box: leaflet, then medal, then nothing.
    int inside_leaflet = white_in(ai_mailbox, {2}, 404, 186, 436, 221);
    int inside_medal = white_in(ai_mailbox, {2, 4}, 404, 186, 436, 221);
    int inside_empty = white_in(ai_mailbox, {2, 4, 5}, 404, 186, 436, 221);
    EXPECT_GT(inside_leaflet, inside_empty);
    EXPECT_GT(inside_medal, inside_empty);
    EXPECT_NE(inside_leaflet, inside_medal);
    // Without the box open, taking flags alone show nothing inside.
    EXPECT_EQ(white_in(ai_mailbox, {4}, 404, 186, 436, 221), white_in(ai_mailbox, {}, 404, 186, 436, 221));
}

TEST_F(GroundsPictures, EntrancePotStandsLeftMovesRightAndBreaks) {
    // A standing pot's body hides the wall's brick course at y 246.
    auto pot_at = [](int x, std::initializer_list<int> flags) {
        return white_in(ai_entrance, flags, x, 246, x, 246) == 0;
    };
    const int left = 140, right = 500;
    EXPECT_TRUE(pot_at(left, {}));
    EXPECT_FALSE(pot_at(right, {}));
    EXPECT_FALSE(pot_at(left, {7}));
    EXPECT_TRUE(pot_at(right, {7}));
    EXPECT_FALSE(pot_at(left, {8}));
    EXPECT_FALSE(pot_at(right, {7, 8}));

    // The wooden key where the pot stood: hidden under it, then in view
    // until taken.
    auto wooden_key = [](std::initializer_list<int> flags) { return white_in(ai_entrance, flags, 124, 262, 150, 268); };
    EXPECT_EQ(wooden_key({}), 0);
    EXPECT_GT(wooden_key({7}), 0);
    EXPECT_EQ(wooden_key({7, 10}), 0);
    EXPECT_GT(wooden_key({8}), wooden_key({8, 10}));
    // The brass key among the shards until taken.
    auto brass_key = [](int x, std::initializer_list<int> flags) {
        return white_in(ai_entrance, flags, x + 14, 250, x + 40, 262);
    };
    EXPECT_GT(brass_key(500, {7, 8}), brass_key(500, {7, 8, 9}));
    EXPECT_GT(brass_key(140, {8}), brass_key(140, {8, 9}));
}

TEST_F(GroundsPictures, TheGroundsAreAllDifferent) {
    std::vector<int> counts;
    for (int area = ai_mailbox; area <= ai_garden; ++area) counts.push_back(white_in(area, {}, 20, 8, 620, 328));
    for (size_t i = 0; i < counts.size(); ++i) {
        EXPECT_GT(counts[i], 2000) << "area " << ai_mailbox + i << " is nearly empty";
        for (size_t j = i + 1; j < counts.size(); ++j) EXPECT_NE(counts[i], counts[j]);
    }
}

}  // namespace
