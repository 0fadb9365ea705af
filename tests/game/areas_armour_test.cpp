// The upper guest room, the study, the library and the top of its shelf,
// played through the game: the armour in its three rooms, the desk drawer,
// the golden key and the flying toy, the hidden passage and the ladder.
#include "area.h"
#include "console.h"
#include "game_support.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::enter;
using gametest::has;
using gametest::joined;
using gametest::play;
using gametest::play_through;
using gametest::said;

class Armour : public gametest::NewGame {
protected:
    bool dead() {
        if (!console_waiting_return()) return false;
        play({""});
        return get_cur_area() == ai_game_over;
    }
};

// ---- Upper guest room ----

TEST_F(Armour, GuestRoomFurnitureUnderThePortraitsGazeCallsTheArmour) {
    enter(ai_guestroom_2f);
    EXPECT_TRUE(said(play({"look portrait"}), "気のせいか、じっと見つめられているように感じる。"));
    auto out = play({"move chair"});
    EXPECT_TRUE(said(out, "椅子を部屋の奥に動かした。"));
    EXPECT_TRUE(said(out, "ガシャガシャと音を立てて、何かが近づいてくる。"));
    EXPECT_TRUE(flag_test(62) && flag_test(63) && flag_test(68));
    EXPECT_TRUE(flag_test(60)); // the counted command turned the eyes away
    out = play({"move book"});
    EXPECT_TRUE(said(out, "目の前に、刀を構えた鎧が現れた!"));
    EXPECT_TRUE(flag_test(64) && flag_test(65));
    out = play({"look"});
    EXPECT_TRUE(said(out, "目の前には鎧が立っている。"));
    EXPECT_FALSE(console_waiting_return());

    // Leaving in time puts the room back as it was.
    out = play({"backward"});
    EXPECT_TRUE(said(out, "扉を開けて移動した。"));
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_l);
    EXPECT_TRUE(flag_test(184));
    for (int f : {62, 63, 64, 65, 68, 69, 70}) EXPECT_FALSE(flag_test(f)) << f;
    EXPECT_FALSE(console_waiting_return());
}

TEST_F(Armour, GuestRoomArmourStrikesOnTheThirdCommand) {
    enter(ai_guestroom_2f);
    play({"move chair", "wait"});
    EXPECT_TRUE(flag_test(64));
    EXPECT_TRUE(said(play({"wait"}), "鎧は無言で刀を振り下ろし、あなたは真っ二つになった。"));
    EXPECT_TRUE(dead());
}

TEST_F(Armour, GuestRoomOpeningTheCabinetBehindTheTurnedPortrait) {
    enter(ai_guestroom_2f);
    auto out = play({"turn portrait"});
    EXPECT_TRUE(said(out, "肖像画を壁から外して裏返しに置いた。"));
    EXPECT_TRUE(said(play({"remove portrait"}), "肖像画はもう外してある。"));
    EXPECT_TRUE(said(play({"open cabinet"}), "テーブルが邪魔だ。"));
    EXPECT_TRUE(said(play({"move table"}), "上に乗っている本が邪魔だ。"));
    EXPECT_TRUE(said(play({"get logbook"}), "ここには見あたらない。"));
    out = play({"examine book"});
    EXPECT_TRUE(said(out, "日誌"));
    EXPECT_TRUE(flag_test(66));
    EXPECT_TRUE(said(play({"get logbook"}), "日誌を手に入れた。"));
    EXPECT_TRUE(flag_test(67) && has_item(ni_logbook));
    EXPECT_TRUE(said(play({"move book"}), "本をキャビネットの上にどけた。"));
    EXPECT_TRUE(said(play({"move table"}), "椅子が邪魔だ。"));
    play({"move chair"});
    EXPECT_TRUE(said(play({"move table"}), "テーブルを部屋の中ほどに動かした。"));
    EXPECT_TRUE(said(play({"get sponge"}), "ここには見あたらない。"));
    out = play({"open cabinet"});
    EXPECT_TRUE(said(out, "キャビネットを開けた。"));
    EXPECT_TRUE(said(out, "中には小瓶[bottle]とスポンジ[sponge]が入っている。"));
    EXPECT_TRUE(said(play({"get sponge"}), "スポンジを手に入れた。"));
    EXPECT_TRUE(said(play({"get bottle"}), "小瓶を手に入れた。"));
    EXPECT_TRUE(flag_test(71) && flag_test(72) && flag_test(70));
    EXPECT_TRUE(said(play({"get bottle"}), "小瓶はもう持っている。"));
    // Nothing of it was seen.
    EXPECT_FALSE(flag_test(62));
    EXPECT_TRUE(said(play({"put portrait"}), "肖像画をまた壁に掛けた。"));
    EXPECT_TRUE(said(play({"put portrait"}), "肖像画は壁に掛かっている。"));
}

TEST_F(Armour, GuestRoomIsSafeWhileTheEyesAreAwayOrTheArmourIsDestroyed) {
    enter(ai_guestroom_2f);
    flag_set(60);
    play({"move chair"});
    EXPECT_FALSE(flag_test(62));
    EXPECT_FALSE(flag_test(60));
    flag_set(113);
    play({"move chair", "move book"});
    EXPECT_FALSE(flag_test(62));
    // Uncounted commands leave the eyes where they are.
    play({"look", "inventory"});
    EXPECT_FALSE(flag_test(60));
}

// ---- Study ----

TEST_F(Armour, StudyTheBlackoutLeadsHereAndTheDoorsLeadOn) {
    enter(ai_landing);
    flag_set(150);
    play_through("forward");
    EXPECT_EQ(get_cur_area(), ai_study);
    EXPECT_TRUE(flag_test(82));
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "あなたは書斎にいる。"));
    EXPECT_TRUE(said(out, "葉書"));
    out = play_through("read postcard");
    EXPECT_TRUE(flag_test(111));
    EXPECT_FALSE(flag_test(105)); // reading the postcard is safe
    EXPECT_TRUE(said(play({"close left door"}), "左奥の扉を閉めた。"));
    EXPECT_TRUE(said(play({"left"}), "扉が閉まっている。"));
    EXPECT_EQ(get_cur_area(), ai_study);
    EXPECT_TRUE(said(play({"open left door"}), "左奥の扉を開けた。"));
    EXPECT_TRUE(said(play({"open left door"}), "左奥の扉はもう開いている。"));
    play({"left"});
    EXPECT_EQ(get_cur_area(), ai_library);
    flag_set(107); // keep the armour in its seat
    play({"forward"});
    EXPECT_EQ(get_cur_area(), ai_library);
    flag_clear(107);
    play({"forward"});
    EXPECT_EQ(get_cur_area(), ai_study);
    EXPECT_TRUE(said(play({"look"}), "左奥の扉の向こうは図書室だ。"));
    out = play({"backward"});
    EXPECT_TRUE(said(out, "扉を開けて移動した。"));
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_cr);
    EXPECT_TRUE(flag_test(185));
}

TEST_F(Armour, StudyMeddlingWithTheDeskWakesTheArmour) {
    const char *meddling[] = {"open drawer", "examine desk", "get samurai armor", "touch samurai sword"};
    for (const char *cmd : meddling) {
        play({"start"});
        enter(ai_study);
        auto out = play({cmd});
        EXPECT_TRUE(said(out, "座っていた鎧が動き出し、あなたに向かってきた!")) << cmd;
        EXPECT_TRUE(flag_test(105) && flag_test(106)) << cmd;
        out = play({"backward"});
        EXPECT_TRUE(said(out, "部屋を出ようとすると、鎧は満足したかのように元の場所に戻っていった。")) << cmd;
        EXPECT_FALSE(flag_test(105) || flag_test(106)) << cmd;
        EXPECT_EQ(get_cur_area(), ai_corridor_2f_cr) << cmd;
    }
    play({"start"});
    enter(ai_study);
    add_item(ni_steel_key);
    play({"use steel key"});
    EXPECT_FALSE(flag_test(108));
    EXPECT_TRUE(has_item(ni_steel_key));
    EXPECT_TRUE(said(play({"wait"}), "鎧は無言で刀を振り下ろし、あなたは真っ二つになった。"));
    EXPECT_TRUE(dead());
}

TEST_F(Armour, StudyDrawerOnceTheArmourIsDestroyed) {
    enter(ai_study);
    flag_set(113);
    EXPECT_TRUE(said(play({"look samurai armor"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"open drawer"}), "鍵が掛かっている。"));
    add_item(ni_golden_key);
    add_item(ni_steel_key);
    EXPECT_TRUE(said(play({"use golden key"}), "この鍵は鍵穴に合わない。"));
    auto out = play({"use steel key"});
    EXPECT_TRUE(said(out, "鍵が開いた。"));
    EXPECT_TRUE(flag_test(108) && !has_item(ni_steel_key));
    EXPECT_TRUE(said(play({"get screwdriver"}), "ここには見あたらない。"));
    out = play({"open drawer"});
    EXPECT_TRUE(said(out, "机の抽斗を開けた。"));
    EXPECT_TRUE(said(out, "抽斗の中にノート[notebook]とねじ回し[screwdriver]がある。"));
    EXPECT_TRUE(said(play({"open drawer"}), "机の抽斗はもう開いている。"));
    EXPECT_TRUE(said(play({"get screwdriver"}), "ねじ回しを手に入れた。"));
    EXPECT_TRUE(flag_test(110));
    EXPECT_TRUE(said(play({"look drawer"}), "抽斗の中にノート[notebook]がある。"));
    out = play_through("read notebook");
    EXPECT_TRUE(said(out, "手記はここで終わっている。"));
    EXPECT_TRUE(flag_test(112));
    EXPECT_FALSE(flag_test(105));
    EXPECT_TRUE(said(play({"close drawer"}), "机の抽斗を閉めた。"));
    EXPECT_TRUE(said(play({"read notebook"}), "ここには見あたらない。"));
}

// ---- Library ----

TEST_F(Armour, LibraryGoldenKeyIsSnatchedAndFliesDownstairs) {
    enter(ai_library);
    flag_set(107);
    EXPECT_TRUE(said(play({"look"}), "床の上に金色の鍵[golden key]が落ちている。"));
    auto out = play({"get golden key"});
    EXPECT_TRUE(said(out, "さらった。"));
    EXPECT_FALSE(has_item(ni_golden_key));
    EXPECT_TRUE(fseq_is_running(0) && flag_test(131));
    EXPECT_TRUE(said(play({"get golden key"}), "もう何も落ちていない。"));
    EXPECT_FALSE(said(play({"look"}), "金色の鍵が落ちている"));
    out = play({"exit"});
    EXPECT_TRUE(said(out, "廊下に出ると、何かちいさなものが階段の方へ飛び去った。"));
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_r);
    EXPECT_TRUE(flag_test(186) && flag_test(132) && !flag_test(131));

    // The same through the study.
    play({"start"});
    fseq_start(0);
    enter(ai_study);
    out = play({"backward"});
    EXPECT_TRUE(said(out, "廊下に出ると、何かちいさなものが階段の方へ飛び去った。"));
    EXPECT_TRUE(flag_test(132));
    enter(ai_study);
    EXPECT_FALSE(said(play({"backward"}), "飛び去った"));
}

TEST_F(Armour, LibraryArmourComesThroughTheOpenDoor) {
    enter(ai_library);
    auto out = play({"wait"});
    EXPECT_TRUE(said(out, "書斎に座っていた鎧が動き出し、こちらにやってきた！"));
    EXPECT_TRUE(flag_test(114) && flag_test(115));
    EXPECT_TRUE(said(play({"look samurai armor"}), "を構え、今にもあなたに斬りかかろうとしている！"));
    // Leaving sends it back.
    play({"right"});
    EXPECT_FALSE(console_waiting_return());
    EXPECT_FALSE(flag_test(114) || flag_test(115));
    enter(ai_library);
    play({"wait"});
    EXPECT_TRUE(said(play({"wait"}), "鎧は無言で刀を振り下ろし"));
    EXPECT_TRUE(dead());

    // With the door shut nothing comes.
    play({"start"});
    enter(ai_library);
    EXPECT_TRUE(said(play({"close front door"}), "書斎への扉を閉めた。"));
    play({"wait", "wait"});
    EXPECT_FALSE(flag_test(114));
    EXPECT_TRUE(said(play({"forward"}), "扉が閉まっている。"));
}

TEST_F(Armour, LibraryTrippedArmourIsStoppedWithTheWetSponge) {
    enter(ai_library);
    add_item(ni_fossil);
    auto out = play({"put fossil"});
    EXPECT_TRUE(said(out, "化石を本棚の影に置いた。"));
    EXPECT_TRUE(said(out, "しかし床上の化石に蹴躓き、がしゃんと大きな音を立てて転んだ。"));
    EXPECT_TRUE(flag_test(122) && flag_test(123) && !flag_test(115));
    out = play({"examine samurai armor"});
    EXPECT_TRUE(said(out, "鎧の中は空っぽだ。胴鎧の内側に魔法陣[magic circle]のようなものが描いてある。"));
    EXPECT_TRUE(said(out, "立ち上がろうともがき始めた。"));
    add_item(ni_fishing_rod);
    add_item(ni_sponge);
    flag_set(44);
    out = play({"erase magic circle"});
    EXPECT_TRUE(said(out, "濡れたスポンジで鎧の内側をこすると、魔法陣は消えた。"));
    EXPECT_TRUE(said(out, "もがいていた鎧の四肢が力を失い、がしゃっと床の上に崩れ落ちた。"));
    EXPECT_TRUE(flag_test(113));
    EXPECT_FALSE(flag_test(114) || flag_test(123) || flag_test(124));
    EXPECT_FALSE(has_item(ni_sponge) || has_item(ni_fishing_rod));
    EXPECT_TRUE(said(play({"erase magic circle"}), "もう魔法陣は残っていない。"));
    play({"wait", "wait"});
    EXPECT_FALSE(console_waiting_return());
    EXPECT_FALSE(flag_test(114) || flag_test(115));
    // The fossil can be taken back.
    EXPECT_TRUE(said(play({"get fossil"}), "化石を手に入れた。"));
    EXPECT_FALSE(flag_test(122));
}

TEST_F(Armour, LibraryTrippedArmourRisesAgainWithoutTheWetSponge) {
    enter(ai_library);
    add_item(ni_fossil);
    play({"put fossil"});
    EXPECT_TRUE(said(play({"erase magic circle"}), "手でこすったぐらいでは消えそうにない。"));
    add_item(ni_sponge);
    auto out = play({"use sponge"});
    EXPECT_TRUE(said(out, "乾いたスポンジで鎧の内側をこすってみたが、魔法陣は消えない。水で濡らさないと無理だろう。"));
    EXPECT_TRUE(said(out, "床に倒れていた鎧は立ち上がった！"));
    EXPECT_TRUE(flag_test(115) && !flag_test(123));
    EXPECT_TRUE(said(play({"wait"}), "鎧は無言で刀を振り下ろし"));
    EXPECT_TRUE(dead());
}

TEST_F(Armour, LibraryHiddenPassageLadderAndShelfTop) {
    enter(ai_library);
    flag_set(107);
    // The shelves are named, with their words, by the room and by the reply to the shared word; the
    // room names the book on the right shelf too, before anything sends the player to it.
    std::string room = joined(play({"look"}));
    EXPECT_TRUE(has(room, "正面の本棚[front bookshelf]には、経済学や医学の本が並んでいる。")) << room;
    EXPECT_TRUE(has(room, "左の本棚[left bookshelf]には、文学全集がずらりと揃っている。")) << room;
    EXPECT_TRUE(has(room, "右の本棚[right bookshelf]には、『5分でできる交霊術』[necromancy]などのオカルトの本")) << room;
    EXPECT_TRUE(said(play({"move bookshelf"}), "本棚は複数ある。正面の本棚[front bookshelf]、左側の本棚[left "
                                              "bookshelf]と右側の本棚[right bookshelf]がある。"));
    EXPECT_TRUE(said(play({"open door"}), "扉は複数ある。正面の扉[front door]と右側の扉[right door]がある。"));
    EXPECT_TRUE(said(play({"move left bookshelf"}), "びくともしない。"));
    EXPECT_TRUE(said(play({"move right bookshelf"}), "びくともしない。"));
    EXPECT_TRUE(said(play({"up"}), "よじ登るのは無理だ。"));
    EXPECT_TRUE(said(play({"push handle"}), "ここには見あたらない。"));
    play_through("read necromancy");
    EXPECT_TRUE(flag_test(119));
    EXPECT_TRUE(said(play({"remove book"}), "本棚の本をどけると、小さな取っ手[handle]が現れた。"));
    EXPECT_TRUE(said(play({"push handle"}), "力を込めて取っ手を押し下げると、がたんと本棚の裏で何かが外れるような音がした"));
    EXPECT_TRUE(flag_test(116) && flag_test(117));
    EXPECT_TRUE(said(play({"move right bookshelf"}), "本棚を動かすと隠された通路[passage]が現れた。"));
    EXPECT_TRUE(flag_test(118));
    EXPECT_TRUE(said(play({"enter passage"}), "真っ暗で何も見えない。灯りを見つけてきた方がよさそうだ。"));
    EXPECT_EQ(get_cur_area(), ai_library);

    add_item(ni_ladder);
    EXPECT_TRUE(said(play({"put ladder"}), "あなたは本棚に梯子を掛けた。"));
    EXPECT_TRUE(flag_test(120) && !has_item(ni_ladder));
    flag_set(114);
    flag_set(116);
    EXPECT_TRUE(said(play({"up"}), "梯子を登った。"));
    EXPECT_EQ(get_cur_area(), ai_bookshelf);
    // Climbing up is leaving the room: the armour goes back, the shelf is as it was.
    EXPECT_FALSE(flag_test(114) || flag_test(115) || flag_test(116) || flag_test(123) || flag_test(124));
    EXPECT_TRUE(said(play({"look"}), "本棚の上には紙飛行機[origami plane]が乗っている。"));
    EXPECT_TRUE(said(play({"get origami plane"}), "紙飛行機を手に入れた。"));
    EXPECT_TRUE(flag_test(121));
    EXPECT_TRUE(said(play({"look"}), "本棚の上にはもう何もない。"));
    EXPECT_TRUE(said(play({"up"}), "これ以上どこへ登ろうというのか。"));
    play({"down"});
    EXPECT_EQ(get_cur_area(), ai_library);
    EXPECT_TRUE(said(play({"get ladder"}), "梯子を手に入れた。"));
    EXPECT_FALSE(flag_test(120));

    add_item(ni_candle);
    flag_set(57);
    play({"enter passage"});
    EXPECT_EQ(get_cur_area(), ai_secret_room);
}

}  // namespace
