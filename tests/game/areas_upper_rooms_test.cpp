// The upper-floor rooms played through the game: the boy's room and its
// upper bunk, the girl's room, the music room and the upper bathroom.
#include "area.h"
#include "console.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gametest::enter;
using gametest::play;
using gametest::said;

class UpperRooms : public gametest::NewGame {};

// ---- Boy's room and the upper bunk ----

TEST_F(UpperRooms, BunkLadderUpAndDownAndTheLadderTaken) {
    enter(ai_boys_room);
    EXPECT_TRUE(said(play({"look"}), "梯子[ladder]が掛かっている"));
    auto out = play({"up"});
    EXPECT_TRUE(said(out, "梯子を登った。"));
    EXPECT_EQ(get_cur_area(), ai_bed);
    EXPECT_TRUE(said(play({"up"}), "これ以上どこへ登ろうというのか。"));
    EXPECT_TRUE(said(play({"get ladder"}), "梯子を外すわけにはいかない"));
    play({"down"});
    EXPECT_EQ(get_cur_area(), ai_boys_room);

    EXPECT_TRUE(said(play({"get ladder"}), "梯子を手に入れた。"));
    EXPECT_TRUE(flag_test(83) && has_item(ni_ladder));
    EXPECT_TRUE(said(play({"up"}), "梯子がなくては"));
    EXPECT_EQ(get_cur_area(), ai_boys_room);
    EXPECT_TRUE(said(play({"get ladder"}), "梯子はもう持っている。"));
    EXPECT_TRUE(said(play({"put ladder"}), "梯子を元に戻した。"));
    EXPECT_FALSE(flag_test(83) || has_item(ni_ladder));
    play({"climb"});
    EXPECT_EQ(get_cur_area(), ai_bed);
    play({"exit"});
    EXPECT_EQ(get_cur_area(), ai_boys_room);
}

TEST_F(UpperRooms, UpperBunkMattressHidesTheDiary) {
    enter(ai_bed);
    auto out = play({"look"});
    EXPECT_TRUE(said(out, "ベッドにはマットレス[mattress]が敷いてある。"));
    EXPECT_TRUE(said(out, "ぬいぐるみ[plush cat]"));
    EXPECT_FALSE(said(out, "日記帳"));
    EXPECT_TRUE(said(play({"get diary"}), "ここには見あたらない。"));

    out = play({"remove mattress"});
    EXPECT_TRUE(said(out, "日記帳[diary]が挟まっていた。"));
    EXPECT_TRUE(flag_test(90));
    EXPECT_TRUE(said(play({"move mattress"}), "マットレスはもうめくってある。"));
    EXPECT_TRUE(said(play({"look"}), "日記帳[diary]が挟まっている。"));
    EXPECT_TRUE(said(play({"read diary"}), "まずは手に取ってみたほうがいい。"));
    EXPECT_TRUE(said(play({"get diary"}), "日記帳を手に入れた。"));
    EXPECT_TRUE(said(play({"get plush cat"}), "ぬいぐるみを手に入れた。"));
    EXPECT_TRUE(flag_test(91) && flag_test(92));
    out = play({"look"});
    EXPECT_FALSE(said(out, "日記帳"));
    EXPECT_FALSE(said(out, "ぬいぐるみ"));
    // The diary's torn page and last entries, read from the inventory.
    EXPECT_TRUE(said(play({"examine diary"}), "この次のページが根本から破りとられている。"));
    EXPECT_TRUE(said(play({"read diary"}), "これ以降のページは白紙だ。"));
}

TEST_F(UpperRooms, UpperBunkLookingAtOrTurningUpTheMattressInKana) {
    enter(ai_bed);
    EXPECT_TRUE(said(play({"look mattress"}), "日記帳[diary]が挟まっていた。"));
    EXPECT_TRUE(flag_test(90));

    flag_clear(90);
    set_input_mode(1);
    auto out = play({"mekuru mattoresu"});
    EXPECT_TRUE(said(out, "日記帳[にっき]が挟まっていた。"));
    EXPECT_TRUE(flag_test(90));
}

TEST_F(UpperRooms, TreasureChestUnlockedOpenedAndMoved) {
    enter(ai_boys_room);
    EXPECT_TRUE(said(play({"open treasure chest"}), "鍵が掛かっている。"));
    EXPECT_TRUE(said(play({"get billiard ball"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"get slingshot"}), "ここには見あたらない。"));

    add_item(ni_wooden_key);
    EXPECT_TRUE(said(play({"use wooden key"}), "鍵が開いた。"));
    EXPECT_TRUE(flag_test(85));
    EXPECT_FALSE(has_item(ni_wooden_key));
    auto out = play({"open chest"});
    EXPECT_TRUE(said(out, "宝箱の中から箱[box]とビリヤードボール[billiard ball]が出てきた。"));
    EXPECT_TRUE(flag_test(86));
    EXPECT_TRUE(said(play({"open treasure chest"}), "宝箱の蓋はもう開いている。"));
    EXPECT_TRUE(said(play({"get box"}), "持って行く必要はないだろう。"));
    EXPECT_TRUE(said(play({"get billiard ball"}), "ビリヤードボールを手に入れた。"));
    EXPECT_TRUE(flag_test(87));
    EXPECT_TRUE(said(play({"get billiard ball"}), "ビリヤードボールはもう持っている。"));

    EXPECT_TRUE(said(play({"push treasure chest"}), "宝箱を動かした。"));
    EXPECT_TRUE(flag_test(84));
    EXPECT_TRUE(said(play({"move treasure chest"}), "宝箱はもう動かしてある。"));
    EXPECT_TRUE(said(play({"look"}), "宝箱のあった場所にぱちんこ[slingshot]が落ちている。"));
    EXPECT_TRUE(said(play({"get slingshot"}), "ぱちんこを手に入れた。"));
    EXPECT_TRUE(flag_test(88) && has_item(ni_slingshot));
    EXPECT_FALSE(said(play({"look"}), "ぱちんこ"));
}

TEST_F(UpperRooms, TreasureChestLockSmashedAndTheDoor) {
    enter(ai_boys_room);
    EXPECT_TRUE(said(play({"kick treasure chest"}), "鍵を叩き壊した。"));
    EXPECT_TRUE(flag_test(85));
    EXPECT_TRUE(said(play({"hit treasure chest"}), "もう鍵は壊れている。"));
    play({"open treasure chest"});
    EXPECT_TRUE(flag_test(86));

    EXPECT_FALSE(said(play({"look"}), "廊下に通じている"));
    EXPECT_TRUE(said(play({"left"}), "そちらには進めない。"));
    EXPECT_TRUE(said(play({"get doll"}), "ここには見あたらない。"));
    auto out = play({"open door"});
    EXPECT_TRUE(said(out, "扉を開けて移動した。"));
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_c);
    EXPECT_TRUE(flag_test(181));
    enter(ai_boys_room);
    EXPECT_TRUE(said(play({"look"}), "背後の扉は廊下に通じている。"));
}

// ---- Girl's room ----

TEST_F(UpperRooms, GirlsRoomScoreAmongTheBooksAndTheDoll) {
    enter(ai_girls_room);
    EXPECT_TRUE(said(play({"look"}), "少女の人形[doll]"));
    EXPECT_TRUE(said(play({"get score"}), "ここには見あたらない。"));
    EXPECT_TRUE(said(play({"examine bookshelf"}), "児童書ばかりだと思ったが、よく見ると楽譜[score]がある。"));
    EXPECT_TRUE(flag_test(136));
    EXPECT_TRUE(said(play({"get score"}), "楽譜を手に入れた。"));
    EXPECT_TRUE(flag_test(137) && has_item(ni_score));
    EXPECT_TRUE(said(play({"read score"}), "エリーゼのために"));
    EXPECT_TRUE(said(play({"get doll"}), "少女の人形を手に入れた。"));
    EXPECT_TRUE(flag_test(138));
    auto out = play({"look"});
    EXPECT_FALSE(said(out, "人形"));
    EXPECT_FALSE(said(out, "楽譜"));
}

TEST_F(UpperRooms, GirlsRoomOverTheDeskIntoTheMusicRoomAndBack) {
    enter(ai_girls_room);
    EXPECT_TRUE(said(play({"open door"}), "扉は複数ある。"));
    EXPECT_EQ(get_cur_area(), ai_girls_room);
    auto out = play({"left"});
    EXPECT_TRUE(said(out, "あなたは机を乗り越えた。"));
    EXPECT_TRUE(said(out, "扉を開けて移動した。"));
    EXPECT_EQ(get_cur_area(), ai_music_room);
    EXPECT_TRUE(flag_test(190));
    play({"right"});
    EXPECT_EQ(get_cur_area(), ai_girls_room);
    play({"climb desk"});
    EXPECT_EQ(get_cur_area(), ai_music_room);
    enter(ai_girls_room);
    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_l);
    EXPECT_TRUE(flag_test(182));
    enter(ai_girls_room);
    out = play({"look"});
    EXPECT_TRUE(said(out, "机の向こうの扉は音楽室に通じている。"));
    EXPECT_TRUE(said(out, "背後の扉は廊下に通じている。"));
}

// ---- Music room ----

TEST_F(UpperRooms, MusicRoomThePianoAndTheSteelKey) {
    enter(ai_music_room);
    EXPECT_TRUE(said(play({"play piano"}), "あなたは「ねこふんじゃった」を弾いた。"));
    EXPECT_FALSE(flag_test(140));
    EXPECT_TRUE(said(play({"examine piano"}), "特に変わったところはない。"));
    EXPECT_TRUE(said(play({"put score"}), "ここには見あたらない。"));

    add_item(ni_score);
    EXPECT_TRUE(said(play({"put score"}), "あなたは譜面台に楽譜を置いた。"));
    EXPECT_TRUE(flag_test(139));
    EXPECT_FALSE(has_item(ni_score));
    EXPECT_TRUE(said(play({"put score"}), "楽譜はもう置いてある。"));
    EXPECT_TRUE(said(play({"get steel key"}), "ここには見あたらない。"));

    auto out = play({"play piano"});
    EXPECT_TRUE(said(out, "あなたは楽譜を見ながらなんとか「エリーゼのために」を弾いた。"));
    EXPECT_TRUE(said(out, "おや、Dの音が鳴っていない。"));
    EXPECT_TRUE(flag_test(140));
    EXPECT_TRUE(said(play({"examine piano"}), "Dの音のハンマーに鉄の鍵[steel key]が結わえられている。"));
    EXPECT_TRUE(flag_test(141));
    EXPECT_TRUE(said(play({"get steel key"}), "鉄の鍵を手に入れた。"));
    EXPECT_TRUE(flag_test(142) && has_item(ni_steel_key));
    EXPECT_FALSE(said(play({"look piano"}), "結わえられている"));

    // The score can be taken back from the stand.
    EXPECT_TRUE(said(play({"get score"}), "楽譜を手に入れた。"));
    EXPECT_FALSE(flag_test(139));
    EXPECT_TRUE(has_item(ni_score));
}

TEST_F(UpperRooms, MusicRoomDoorsAndTheCorridorDoorUnlockedFromInside) {
    enter(ai_music_room);
    EXPECT_TRUE(said(play({"open door"}), "扉は複数ある。"));
    auto out = play({"backward"});
    EXPECT_TRUE(said(out, "扉の取っ手を回すと、ガチャリと鍵が外れた。"));
    EXPECT_TRUE(said(out, "扉を開けて移動した。"));
    EXPECT_TRUE(flag_test(151) && flag_test(188));
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_l);
    enter(ai_music_room);
    out = play({"exit"});
    EXPECT_FALSE(said(out, "取っ手"));
    EXPECT_EQ(get_cur_area(), ai_corridor_2f_l);

    const struct {
        const char *cmd;
        int area;
        int flag;
    } ways[] = {{"open front door", ai_balcony, 191},
                {"left", ai_bathroom_2f, 189},
                {"open right door", ai_girls_room, 190}};
    for (const auto &w : ways) {
        enter(ai_music_room);
        play({w.cmd});
        EXPECT_EQ(get_cur_area(), w.area) << w.cmd;
        EXPECT_TRUE(flag_test(w.flag)) << w.cmd;
    }
    enter(ai_music_room);
    out = play({"look"});
    EXPECT_TRUE(said(out, "正面の扉はバルコニーに通じている。"));
    EXPECT_TRUE(said(out, "左側の扉は浴室に通じている。"));
    EXPECT_TRUE(said(out, "右側の扉は子供部屋に通じている。"));
    EXPECT_TRUE(said(out, "背後の扉は廊下に通じている。"));
}

// ---- Upper bathroom ----

TEST_F(UpperRooms, UpperBathroomMirrorGhostAndTheWallWriting) {
    enter(ai_bathroom_2f);
    EXPECT_TRUE(said(play({"look mirror"}), "粉々に割れている"));
    EXPECT_TRUE(said(play({"examine wall"}), "とくに変わったところはない。"));
    EXPECT_FALSE(flag_test(146));

    add_item(ni_mirror);
    EXPECT_TRUE(said(play({"put mirror"}), "割れた鏡のあったあたりに、1階浴室の鏡を置いてみた。"));
    EXPECT_TRUE(flag_test(143));
    EXPECT_FALSE(has_item(ni_mirror));
    auto out = play({"look mirror"});
    EXPECT_TRUE(said(out, "置いた鏡をのぞき込むと、あなたの背後にうっすらと女性の姿が映っている。"));
    EXPECT_TRUE(flag_test(144));
    EXPECT_TRUE(console_waiting_return());
    out = play({""});
    EXPECT_TRUE(said(out, "やがて女性の姿は、すうっと消えていった。"));
    EXPECT_FALSE(flag_test(144));
    EXPECT_TRUE(flag_test(145));
    EXPECT_TRUE(said(play({"look mirror"}), "もう鏡には、部屋の光景しか映っていない。"));

    EXPECT_TRUE(said(play({"read wall"}), "壁には何も書かれていない。"));
    EXPECT_TRUE(said(play({"examine wall"}), "その下に文字が書かれていた。"));
    EXPECT_TRUE(flag_test(146));
    EXPECT_TRUE(said(play({"examine wall"}), "はがれた壁紙の下に、文字が書かれている。"));
    out = play({"read wall"});
    EXPECT_TRUE(said(out, "両端は不鮮明だが、判読できる部分は以下のように読める。"));
    EXPECT_TRUE(flag_test(147));
    EXPECT_TRUE(said(play({"recall"}), "二階浴室"));

    EXPECT_TRUE(said(play({"get mirror"}), "鏡を再び取った。"));
    EXPECT_TRUE(has_item(ni_mirror));
    EXPECT_FALSE(flag_test(143));

    EXPECT_TRUE(said(play({"get piano"}), "ここには見あたらない。"));
    play({"backward"});
    EXPECT_EQ(get_cur_area(), ai_music_room);
    EXPECT_TRUE(flag_test(189));
    enter(ai_bathroom_2f);
    EXPECT_TRUE(said(play({"look"}), "背後の扉は音楽室に通じている。"));
}

}  // namespace
