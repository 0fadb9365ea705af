// The built program plays the grounds and the ground floor from a key script
// (ground_floor.keys next to this file), as a player would type them. The
// transcript equals the recorded ground_floor.transcript (`make golden`
// records it again) and shows each step's key reply in order, the score
// included.
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using e2e::unwrapped;
using vxtest::utf8;

}  // namespace

TEST(Walkthrough, GroundFloorScriptReachesSixteenPoints) {
    // The whole transcript, as recorded; then the milestones it must hold.
    std::string out = e2e::play_golden("ground_floor");
    std::string text = unwrapped(out);

    // Each reply must come after the one before it.
    e2e::expect_in_order(text, {
        u8">start",
        u8"なにか入っているようだ。",
        u8"チラシを手に入れた。",
        u8"メダルを手に入れた。",
        u8"郵便受けを閉めた。",
        u8"ここまで来て帰るわけにはいかない。",
        u8"あなたは玄関の前にいる。",
        u8"手をかけられるようなところはない。",
        u8"洗い桶の細い縁に立つのは至難の業だ。",
        u8"扉はびくともしない。",
        u8"手に届くところに枝がない。",
        u8"あなたは庭園にいる。",
        u8"扉が閉まっている。",
        u8"鍵が掛かっていてびくともしない。",
        u8"植木鉢の下から木の鍵[wooden key]が出てきた。",
        u8"この鍵は鍵穴に合わない。",
        u8"ガシャン。植木鉢を叩き壊した。",
        u8"残骸の中に真鍮の鍵[brass key]がある。",
        u8"ガチャリと音を立てて扉の鍵が開いた。",
        u8"バタン。数歩踏み出すと、背後で扉が大きな音を立てて閉まった。",
        u8"あなたは玄関ホールにいる。",
        u8"玄関の扉は固く閉ざされている。",
        u8"扉には鍵が掛かっている。",
        u8"あなたは客室にいる。",
        u8"あなたは遊戯室にいる。",
        u8"入ったとたん、部屋の隅の電話が鳴り始めた。",
        u8"電話はまだ鳴り続けている。",
        u8"それきり電話はうんともすんとも言わなくなった。",
        u8"止まっているらしく、針[clock hands]は動かない。",
        u8"(「0715」のように数字4桁で入れてください。リターンキーで中止)?1260",
        u8"時計を合わせるのをやめた。",
        u8"時計を9時0分に合わせた。",
        u8"鎖を引いて錘を巻き上げると、時計は動きだした。壁の時計が鳴りだし",
        u8"玩具の鳥を手に入れた。時計が鳴り終わり、小窓が閉じた。",
        u8"時計はまだ動いている。",
        u8"時計を16時0分に合わせた。",
        u8"壁の時計が鳴りだし",
        u8"時計が鳴り終わり、小窓が閉じた。",
        u8"何か、かき回す道具を見つけてきた方がいい。",
        u8"化石を手に入れた。",
        u8"あなたは食堂にいる。",
        u8"扉の取っ手を回すと、ガチャリと鍵が外れた。",
        u8"玩具の剣士を手に入れた。",
        u8"かすかに、すすり泣くような声が聞こえる。",
        u8"鶏の丸焼きを手に入れた。",
        u8"あなたは洗濯室にいる。",
        u8"ハッチの上に座り込んでいる犬が、こちらを睨んでいる。",
        u8"火かき棒を手に入れた。",
        u8"釣り竿を手に入れた。",
        u8"上着のポケットに青銅の鍵[bronze key]があった。",
        u8"青銅の鍵を手に入れた。",
        u8"着替えは必要ないだろう。",
        u8"そっぽを向いたまま、何の反応も示さない。",
        u8"名前を呼ぶと、それまでこちらに無関心だった犬が立ち上がった。",
        u8"真っ暗で何も見えない。灯りを見つけてきた方がよさそうだ。",
        u8"あなたは物置部屋にいる。",
        u8"並んだ家具が邪魔で近づけない。",
        u8"引き出しを閉じた。",
        u8"テーブルを奥に移動した。",
        u8"･･･何も釣れない。魚はいないようだ。",
        u8"ランタンを手に入れた。",
        u8"DON'T LEAVE",
        u8"あなたは浴室にいる。",
        u8"ゲームをセーブしました。",
        u8"水面が急に盛り上がり",
        u8"あなたの意識はそのまま途切れた…。",
        u8"ゲームオーバー",
        u8"あなたは死にました。",
        u8"ゲームをロードしました。あなたは浴室にいる。",
        u8"異様な色の水面を見つめていると",
        u8"さいごにうめき声のような音を残して、浴槽は空になった。",
        u8"ゴムのアヒルを手に入れた。",
        u8"眼鏡を手に入れた。",
        u8"用を足した。",
        u8"また用を足した。",
        u8"しっかり止められている。外すには道具が必要だ。",
        u8"扉の取っ手を回すと、ガチャリと鍵が外れた。",
        u8"眼鏡を椅子の上に置いた。",
        u8"かすかに、すすり泣くような声が聞こえる。",
        u8"燃え殻をかき回すと銀の鍵[silver key]が出てきた。",
        u8"銀の鍵を手に入れた。",
        u8"あなたは階段二階の踊り場にいる。",
        u8"扉には鍵が掛かっている。",
        u8"この鍵は鍵穴に合わない。",
        u8"ガチャリと音を立てて扉の鍵が開いた。",
        u8">score現在の得点:16/21マニア評価:4/4",
        u8"窓枠が、あなたの身体を真っ二つにした。",
        u8"あなたは死にました。",
        u8">score現在の得点:16/21マニア評価:4/4",
    });

    // The score lines stand whole on lines of their own.
    EXPECT_NE(out.find("\n" + utf8(u8"現在の得点:16/21") + "\n"), std::string::npos);
    EXPECT_NE(out.find("\n" + utf8(u8"マニア評価:4/4") + "\n"), std::string::npos);
    // Nothing the player typed fell outside the vocabulary.
    EXPECT_EQ(out.find(utf8(u8"という動詞は使えない。")), std::string::npos);
    EXPECT_EQ(out.find(utf8(u8"という名詞は使えない。")), std::string::npos);
}
