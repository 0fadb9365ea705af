// The basement played through the game: the cellar with its exits and the
// danger flag, the passage with the colonel's hat, and the boiler room's
// machine, flag for flag.
#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "game_support.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::has;
using gametest::play;
using gametest::say;

class Basement : public gametest::NewGame {
protected:
    void enter(int area) {
        set_cur_area(area);
        flag_set(F_DANGER); // as after coming down the hatch
    }
};

// ---- Cellar ----

TEST_F(Basement, DownTheHatchAndBackUpSetsAndClearsDanger) {
    set_cur_area(ai_laundry);
    flag_set(77); // the dog answered to its name
    add_item(ni_lantern);
    flag_set(47);
    std::string out = say({"down"});
    EXPECT_TRUE(has(out, "扉を開けて移動した。"));
    EXPECT_TRUE(has(out, "あなたは地下室にいる。"));
    EXPECT_EQ(get_cur_area(), ai_cellar);
    EXPECT_TRUE(flag_test(F_DANGER));
    EXPECT_TRUE(has(say({"save"}), "そんな余裕はない！"));

    // Up the stairs, by each way the cellar knows.
    for (const char *cmd : {"left", "up", "exit", "up stairs", "open hatch"}) {
        say({cmd});
        EXPECT_EQ(get_cur_area(), ai_laundry) << cmd;
        EXPECT_FALSE(flag_test(F_DANGER)) << cmd;
        say({"down"});
        EXPECT_EQ(get_cur_area(), ai_cellar) << cmd;
        EXPECT_TRUE(flag_test(F_DANGER)) << cmd;
    }
    say({"left"});
    EXPECT_TRUE(has(say({"save"}), "ゲームをセーブしました。"));
}

TEST_F(Basement, CellarLookAndExits) {
    enter(ai_cellar);
    std::string out = say({"look"});
    EXPECT_TRUE(has(out, "あなたは地下室にいる。"));
    EXPECT_TRUE(has(out, "左側には、洗濯室へ上がる階段[stairs]がある。正面には小さな扉[door]がある。"));
    EXPECT_TRUE(has(out, "右側の壁は大きく崩れ、穴が空いている。"));
    EXPECT_FALSE(has(out, "ボイラー室に通じている"));
    EXPECT_TRUE(has(say({"look room"}), "右側の壁は大きく崩れ、穴が空いている。"));

    say({"forward"});
    EXPECT_EQ(get_cur_area(), ai_boiler_room);
    EXPECT_TRUE(flag_test(193));
    EXPECT_TRUE(flag_test(F_DANGER));
    say({"open back door"});
    EXPECT_EQ(get_cur_area(), ai_cellar);
    EXPECT_TRUE(has(say({"look"}), "正面の扉はボイラー室に通じている。"));
    say({"open door"});
    EXPECT_EQ(get_cur_area(), ai_boiler_room);
    say({"backward"});

    out = say({"right"});
    EXPECT_FALSE(has(out, "扉を開けて移動した。"));
    EXPECT_EQ(get_cur_area(), ai_corridor_0f);
    EXPECT_TRUE(flag_test(F_DANGER));
    say({"backward"});
    EXPECT_EQ(get_cur_area(), ai_cellar);
    say({"enter wall"});
    EXPECT_EQ(get_cur_area(), ai_corridor_0f);
    say({"exit"});
    EXPECT_EQ(get_cur_area(), ai_cellar);
    EXPECT_TRUE(has(say({"backward"}), "そちらには進めない。"));
    EXPECT_TRUE(has(say({"down"}), "降りられそうなところはない。"));
}

TEST_F(Basement, CellarFixturesAndTheShotgun) {
    enter(ai_cellar);
    EXPECT_TRUE(has(say({"look floor"}), "床の上にはショットガン[shotgun]が落ちている。"));
    EXPECT_TRUE(has(say({"look shotgun"}), "いったい何にやられたのか、銃身がぐにゃりと曲がっている。"));
    EXPECT_TRUE(has(say({"examine shotgun"}), "いったい何にやられたのか、銃身がぐにゃりと曲がっている。"));
    EXPECT_TRUE(has(say({"get shotgun"}), "持って行っても役に立ちそうにない。"));
    EXPECT_TRUE(has(say({"use shotgun"}), "とても撃てる状態ではない。"));
    EXPECT_FALSE(has_item(ni_shotgun));
    for (const char *fixture : {"look stairs", "look hatch", "look wall", "look ceiling", "look passage", "look door"})
        EXPECT_FALSE(has(say({fixture}), "ここには見あたらない。")) << fixture;
    EXPECT_TRUE(has(say({"look machine"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"look hat"}), "ここには見あたらない。"));
}

// ---- Underground passage ----

TEST_F(Basement, PassageHatAndWayToTheTemple) {
    enter(ai_corridor_0f);
    std::string out = say({"look"});
    EXPECT_TRUE(has(out, "あなたは地下へ下っていく通路にいる。"));
    EXPECT_TRUE(has(out, "緩やかな下り坂になっている。"));
    EXPECT_TRUE(has(out, "帽子"));
    EXPECT_TRUE(has(say({"look hat"}), "つばのついた古い帽子だ。"));
    EXPECT_TRUE(has(say({"examine hat"}), "まずは手に取ってみたほうがいい。"));
    EXPECT_TRUE(has(say({"get hat"}), "帽子を手に入れた。"));
    EXPECT_TRUE(flag_test(159));
    EXPECT_TRUE(has_item(ni_hat));
    EXPECT_TRUE(has(say({"get hat"}), "帽子はもう持っている。"));
    EXPECT_FALSE(has(say({"look"}), "帽子"));

    // Given to the dog, it does not come back here.
    remove_item(ni_hat);
    EXPECT_TRUE(has(say({"get hat"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"look floor"}), "湿った岩の床"));

    say({"forward"});
    EXPECT_EQ(get_cur_area(), ai_temple);
    set_cur_area(ai_corridor_0f);
    say({"down"});
    EXPECT_EQ(get_cur_area(), ai_temple);
}

// ---- Boiler room ----

class Boiler : public Basement {
protected:
    void SetUp() override {
        Basement::SetUp();
        enter(ai_boiler_room);
    }
};

TEST_F(Boiler, LookDoorsAndTheWall) {
    std::string out = say({"look"});
    EXPECT_TRUE(has(out, "あなたはボイラー室にいる。"));
    EXPECT_TRUE(has(out, "目の前には、見たこともない機械[machine]が据え付けられている。"));
    EXPECT_TRUE(has(out, "背後には、地下室へと続く扉[door]がある。"));
    // Several doors: the reply names each, with the word that opens it.
    EXPECT_TRUE(has(say({"open door"}),
                    "扉は複数ある。背後の扉[back door]、丸扉[round door]と小さな扉[small door]がある。"));
    EXPECT_TRUE(has(say({"look ceiling"}), "機械から延びたパイプが、天井へと繋がっている。"));
    EXPECT_TRUE(has(say({"look wall"}), "何か書いてある。"));
    EXPECT_TRUE(has(say({"examine wall"}), "何か書いてある。"));
    EXPECT_FALSE(flag_test(158));

    // The notes stop five times for Return, then end.
    say({"read wall"});
    EXPECT_TRUE(flag_test(158));
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(console_waiting_return()) << i;
        play({""});
    }
    EXPECT_FALSE(console_waiting_return());
    EXPECT_TRUE(has(say({"recall boiler room", "", "", "", "", ""}), "召喚の魔法陣"));
    EXPECT_FALSE(console_waiting_return());

    EXPECT_TRUE(has(say({"look shotgun"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"left"}), "そちらには進めない。"));
    say({"pull back door"});
    EXPECT_EQ(get_cur_area(), ai_cellar);
    EXPECT_TRUE(flag_test(193));
}

TEST_F(Boiler, MachineAndItsParts) {
    EXPECT_TRUE(has(say({"look machine"}), "見たこともない奇妙な機械だ。"));
    std::string out = say({"examine machine"});
    EXPECT_TRUE(has(out, "機械は沈黙している。"));
    EXPECT_TRUE(has(out, "機械の前面パネル[panel]は、一部が開くようになっている。右側には丸扉[round door]があり、その上にも小さな扉[small door]がある。"));
    EXPECT_TRUE(has(out, "右上には赤色と緑色の大きなボタン[red button][green button]がある。"));
    EXPECT_TRUE(has(say({"kick machine"}), "よくわからないものを壊すのはやめておこう。"));

    // The panel and the cables behind it.
    EXPECT_TRUE(has(say({"look panel"}), "金属の前面パネルだ。"));
    EXPECT_TRUE(has(say({"look cable"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"examine panel"}), "一部が開くようになっている。"));
    EXPECT_TRUE(has(say({"open panel"}), "パネルを開けた。"));
    EXPECT_TRUE(flag_test(152));
    EXPECT_TRUE(has(say({"pull panel"}), "パネルはもう開いている。"));
    EXPECT_TRUE(has(say({"look panel"}), "パネルを開いた部分から、機械の中身が見える。"));
    EXPECT_TRUE(has(say({"examine panel"}), "機械の中は、多数のケーブル[cable]が張り巡らされている。"));
    EXPECT_TRUE(has(say({"look cable"}), "ケーブルの一本が垂れ下がり、下の方を走るケーブルと接触している。"));
    EXPECT_TRUE(has(say({"examine cable"}), "接触しているケーブルの被膜が剥がしてある。このまま通電すればショートするだろう。"));
    EXPECT_TRUE(has(say({"push panel"}), "パネルを閉じた。"));
    EXPECT_TRUE(has(say({"close panel"}), "パネルはもう閉じている。"));

    // The two ports.
    EXPECT_TRUE(has(say({"look round door"}), "取っ手のついた丸い扉だ。"));
    EXPECT_TRUE(has(say({"examine round door"}), "取っ手を回せば開きそうだ。"));
    EXPECT_TRUE(has(say({"look rod"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"open round door"}), "丸扉を開けた。"));
    EXPECT_TRUE(flag_test(154));
    EXPECT_TRUE(has(say({"pull round door"}), "丸扉はもう開いている。"));
    EXPECT_TRUE(has(say({"examine round door"}), "中には金属棒の束のようなものが入っている。"));
    EXPECT_FALSE(has(say({"look rod"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"close round door"}), "丸扉を閉じた。"));
    EXPECT_TRUE(has(say({"push round door"}), "丸扉はもう閉じている。"));
    EXPECT_FALSE(flag_test(154));

    EXPECT_TRUE(has(say({"examine small door"}), "取っ手を回せば開きそうだ。"));
    EXPECT_TRUE(has(say({"open small door"}), "小さな扉を開けた。"));
    EXPECT_TRUE(has(say({"open small door"}), "小さな扉はもう開いている。"));
    EXPECT_TRUE(flag_test(153));
    EXPECT_TRUE(has(say({"close small door"}), "小さな扉を閉じた。"));
    EXPECT_TRUE(has(say({"close small door"}), "小さな扉はもう閉じている。"));

    EXPECT_TRUE(has(say({"look green button"}), "緑色の大きなボタンだ。"));
    EXPECT_TRUE(has(say({"look red button"}), "赤色の大きなボタンだ。"));
    EXPECT_TRUE(has(say({"push red button"}), "なにも起こらなかった。"));
}

TEST_F(Boiler, DuckAndBoneGoInOnlyWithTheirDoorsOpen) {
    add_item(ni_duck);
    add_item(ni_chicken_bone);
    // Panel and small door closed: the common replies answer.
    EXPECT_TRUE(has(say({"put duck"}), "ここではできない。"));
    EXPECT_TRUE(has(say({"put chicken bone"}), "ここではできない。"));
    EXPECT_FALSE(flag_test(156) || flag_test(155));

    say({"open panel"});
    EXPECT_TRUE(has(say({"put duck"}), "ゴムのアヒルを挟んで、ショートしているケーブルを絶縁した。"));
    EXPECT_TRUE(flag_test(156));
    EXPECT_FALSE(has_item(ni_duck));
    EXPECT_TRUE(has(say({"look duck"}), "ケーブルの間に挟んである。"));
    EXPECT_TRUE(has(say({"examine duck"}), "ショートしていたケーブルを絶縁している。"));
    EXPECT_TRUE(has(say({"look cable"}), "ケーブルの間にゴムのアヒル[duck]が挟んである。"));
    EXPECT_TRUE(has(say({"examine cable"}), "ショートしていたケーブルをゴムのアヒル[duck]で絶縁してある。"));
    EXPECT_TRUE(has(say({"get duck"}), "外せば、またケーブルがショートしてしまう。"));
    EXPECT_FALSE(has_item(ni_duck));
    say({"close panel"});
    EXPECT_TRUE(has(say({"look duck"}), "ここには見あたらない。"));

    say({"open small door"});
    EXPECT_TRUE(has(say({"put chicken bone"}), "機械に鶏の骨を入れた。"));
    EXPECT_TRUE(flag_test(155));
    EXPECT_FALSE(has_item(ni_chicken_bone));
    EXPECT_TRUE(has(say({"look chicken bone"}), "ここには見あたらない。"));
}

TEST_F(Boiler, MachineStartsOnlyWhenReadyAndStops) {
    // Cables not insulated: nothing, and no lamp is mentioned.
    std::string out = say({"push green button"});
    EXPECT_TRUE(has(out, "なにも起こらなかった。"));
    EXPECT_FALSE(has(out, "ランプ"));

    flag_set(156);
    out = say({"push green button"});
    EXPECT_TRUE(has(out, "低い唸り音と共に、機械が動き出した。しかし、「触媒」と書かれたランプが点灯し、すぐに停止してしまった。"));
    EXPECT_FALSE(flag_test(157));
    flag_set(155);
    flag_set(153); // catalyst in, but its port left open
    EXPECT_TRUE(has(say({"hit green button"}), "「触媒」と書かれたランプが点灯し、すぐに停止してしまった。"));
    say({"close small door", "open round door"});
    EXPECT_TRUE(has(say({"push green button"}), "機械が動き出した。しかし、「燃料」と書かれたランプが点灯し、すぐに停止してしまった。"));
    EXPECT_FALSE(flag_test(157));
    say({"close round door"});

    out = say({"push green button"});
    EXPECT_TRUE(has(out, "低い唸り音と共に、機械が動き出した。"));
    EXPECT_FALSE(has(out, "しかし"));
    EXPECT_TRUE(flag_test(157));
    EXPECT_TRUE(has(say({"examine machine"}), "機械は低い唸りをあげて動いている。"));
    EXPECT_TRUE(has(say({"push green button"}), "なにも起こらなかった。"));

    // The red button stops it; so does opening either port.
    EXPECT_TRUE(has(say({"push red button"}), "機械の動作音が止まった。"));
    EXPECT_FALSE(flag_test(157));
    say({"push green button"});
    EXPECT_TRUE(flag_test(157));
    out = say({"open round door"});
    EXPECT_TRUE(has(out, "丸扉を開けた。「燃料」と書かれたランプが点灯し、機械の動作音が止まった。"));
    EXPECT_FALSE(flag_test(157));
    say({"close round door", "push green button"});
    EXPECT_TRUE(flag_test(157));
    out = say({"open small door"});
    EXPECT_TRUE(has(out, "小さな扉を開けた。「触媒」と書かれたランプが点灯し、機械の動作音が止まった。"));
    EXPECT_FALSE(flag_test(157));
    EXPECT_TRUE(has(say({"hit red button"}), "なにも起こらなかった。"));
}

}  // namespace
