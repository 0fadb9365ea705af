// The grounds and the ground floor played through as a player would, in
// English, from "start" at the mailbox to the landing door, with the score
// checked at the end. Items that only the upper floor or the passage below
// give are handed over directly (add_item) in the branches that need them.
#include "area.h"
#include "console.h"
#include "game_support.h"
#include "noun.h"
#include "status.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

// One typed line and a text its reply must contain (nullptr: no check).
struct Step {
    const char *line;
    const char *expect;
};

class Walkthrough : public gametest::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        set_input_mode(0);
    }

    // Plays one line and returns what it printed, the console lines joined
    // (a reply wraps at 72 bytes, so a sentence may span two lines).
    static std::string say(const char *line) {
        std::string all;
        for (const std::string &l : gametest::play({line})) all += l;
        return all;
    }

    // Lines are played one at a time: a single play() sees at most the
    // console ring's worth of lines.
    static void walk(std::initializer_list<Step> steps) {
        for (const Step &s : steps) {
            std::string out = say(s.line);
            if (s.expect) {
                EXPECT_NE(out.find(s.expect), std::string::npos)
                    << "after \"" << s.line << "\" expected: " << vxi_sjis_to_utf8(s.expect)
                    << "\n got: " << vxi_sjis_to_utf8(out.c_str());
            }
        }
    }

    // From the title through the mailbox, the porch and the front door.
    static void to_hall() {
        walk({{"start", "あなたは屋敷の敷地に踏み込んだところだ。"},
              {"forward", "あなたは玄関の前にいる。"},
              {"break flowerpot", "ガシャン。植木鉢を叩き壊した。"},
              {"get brass key", "真鍮の鍵を手に入れた。"},
              {"use brass key", "ガチャリと音を立てて扉の鍵が開いた。"},
              {"open door", "あなたは玄関ホールにいる。"}});
    }
};

// ---- The whole ground floor, in one game ----

TEST_F(Walkthrough, GroundFloorFromTheMailboxToTheLandingDoor) {
    // The mailbox: the medal lies under the leaflet.
    walk({{"start", "手元には新聞の切り抜き[newspaper]がある。"},
          {"look", "道端に古びた郵便受け[mailbox]が立っている。"},
          {"open mailbox", "なにか入っているようだ。"},
          {"get medal", "ここには見あたらない。"},
          {"get leaflet", "チラシを手に入れた。"},
          {"read leaflet", "公開講座"},
          {"look", "中にメダル[medal]が入っている。"},
          {"get medal", "メダルを手に入れた。"},
          {"look mailbox", "中は空っぽだ。"},
          {"close mailbox", "郵便受けを閉めた。"},
          {"close mailbox", "郵便受けは閉まっている。"},
          {"backward", "ここまで来て帰るわけにはいかない。"},
          {"forward", "あなたは玄関の前にいる。"}});
    EXPECT_TRUE(flag_test(3) && flag_test(4) && flag_test(5));
    EXPECT_FALSE(flag_test(2));

    // Round the house: every corner refuses to be climbed.
    walk({{"right", "あなたは玄関右手の壁際にいる。"},
          {"up", "手をかけられるようなところはない。"},
          {"right", "あなたは屋敷の玄関右手にいる。"},
          {"up", "洗い桶の細い縁に立つのは至難の業だ。"},
          {"right", "あなたは裏口の前にいる。"},
          {"forward", "扉はびくともしない。"},
          {"open door", "扉はびくともしない。"},
          {"right", "あなたは屋敷の裏にいる。"},
          {"up", "手に届くところに枝がない。"},
          {"right", "あなたは庭園にいる。"},
          {"look car", "小型のトラック"},
          {"get car", "ここからでは遠すぎる。"},
          {"left", "あなたは玄関の前にいる。"}});

    // The porch: the wooden key under the pot does not fit; the brass key
    // in its shards does, and is used up.
    walk({{"forward", "扉が閉まっている。"},
          {"open door", "鍵が掛かっていてびくともしない。"},
          {"look", "扉の脇には植木鉢[flowerpot]がある。"},
          {"get flowerpot", "持って行くには重すぎる。"},
          {"move flowerpot", "植木鉢の下から木の鍵[wooden key]が出てきた。"},
          {"move flowerpot", "植木鉢はもう動かしてある。"},
          {"get wooden key", "木の鍵を手に入れた。"},
          {"use wooden key", "この鍵は鍵穴に合わない。"},
          {"break flowerpot", "ガシャン。植木鉢を叩き壊した。"},
          {"kick flowerpot", "植木鉢はすでに壊れている。"},
          {"look flowerpot", "残骸の中に真鍮の鍵[brass key]がある。"},
          {"get brass key", "真鍮の鍵を手に入れた。"},
          {"use brass key", "ガチャリと音を立てて扉の鍵が開いた。"},
          {"get brass key", "ここには見あたらない。"},
          {"open door", "バタン。数歩踏み出すと、背後で扉が大きな音を立てて閉まった。"}});
    EXPECT_EQ(get_cur_area(), ai_entrance_hall);
    EXPECT_FALSE(has_item(ni_brass_key));
    EXPECT_TRUE(has_item(ni_wooden_key));

    // The hall: the front door has shut, the dining room and the right wing
    // are locked from this side.
    walk({{"backward", "玄関の扉は固く閉ざされている。"},
          {"forward", "扉には鍵が掛かっている。"},
          {"right", "扉には鍵が掛かっている。"},
          {"open door", "扉は複数ある。"},
          {"open left door", "扉を開けて移動した。"},
          {"right", "あなたは客室にいる。"},
          {"open wardrobe", "洋服箪笥の扉を開けた。"},
          {"backward", "あなたは一階の廊下にいる。"},
          {"look", "右の扉の向こうは客室になっている。"},
          {"forward", "あなたは一階の廊下にいる。"},
          {"left", "あなたは遊戯室にいる。"},
          {"read letter", "名前を呼"},
          {"get wastepaper", "指が届かない。"},
          {"backward", "あなたは一階の廊下にいる。"}});

    // The living room: the telephone rings on the way in.
    walk({{"forward", "入ったとたん、部屋の隅の電話が鳴り始めた。"},
          {"look", "電話はまだ鳴り続けている。"},
          {"use telephone", "それきり電話はうんともすんとも言わなくなった。"},
          {"use telephone", "電話は沈黙している。"},
          {"look photo", "四人"},
          {"look man", "丸い眼鏡"},
          {"examine ash", "何か、かき回す道具を見つけてきた方がいい。"},
          {"get fossil", "化石を手に入れた。"}});
    EXPECT_TRUE(flag_test(15) && flag_test(14));
    EXPECT_TRUE(flag_test(16) && flag_test(17));

    // The clock: refused times keep the question open, Return alone leaves
    // it; set on the hour before it runs, the cuckoo waits for the chain.
    walk({{"look clock", "止まっているらしく、針は動かない。"},
          {"adjust clock", "何時何分に合わせる?"},
          {"2400", "(「0715」のように数字4桁で入れてください。リターンキーで中止)"},
          {"1260", "(「0715」のように数字4桁で入れてください。リターンキーで中止)"},
          {"12345", "(「0715」のように数字4桁で入れてください。リターンキーで中止)"},
          {"", "時計を合わせるのをやめた。"},
          {"adjust clock", "何時何分に合わせる?"},
          {"0900", "時計を9時0分に合わせた。"},
          {"wait", "あなたは少し時間を潰した。"}});
    EXPECT_TRUE(flag_test(22));
    EXPECT_FALSE(flag_test(24));
    walk({{"pull chain", "壁の時計が鳴りだし、文字盤の上の小窓からなにか飛び出してきた。"},
          {"look clock", "開いた小窓から玩具の鳥[bird]が顔を出している。"},
          {"get bird", "時計が鳴り終わり、小窓が閉じた。"},
          {"pull chain", "時計はまだ動いている。しばらくは鎖を引く必要はないだろう。"}});
    EXPECT_TRUE(has_item(ni_bird));

    // The clock hands the other way: running, a time off the hour does
    // nothing, a full hour calls the cuckoo on the next counted command.
    walk({{"turn clock hands", "何時何分に合わせる?"},
          {"1530", "時計を15時30分に合わせた。"},
          {"wait", nullptr},
          {"turn clock hands", "何時何分に合わせる?"},
          {"1600", "時計を16時0分に合わせた。"}});
    EXPECT_FALSE(gametest::printed("壁の時計が鳴りだし"));
    walk({{"wait", "壁の時計が鳴りだし"},
          {"look clock", nullptr},
          {"wait", "時計が鳴り終わり、小窓が閉じた。"}});
    EXPECT_FALSE(flag_test(24));

    // Through to the dining room, and back to the hall by the handle.
    walk({{"right", "あなたは食堂にいる。"},
          {"backward", "扉の取っ手を回すと、ガチャリと鍵が外れた。"},
          {"forward", "あなたは食堂にいる。"},
          {"get swordman", "玩具の剣士を手に入れた。"},
          {"pray", "かすかに、すすり泣くような声が聞こえる。"},
          {"right", "あなたは台所にいる。"},
          {"get roast chicken", "ここには見あたらない。"},
          {"open oven", "中に鶏の丸焼き[roast chicken]が入っている。"},
          {"get roast chicken", "鶏の丸焼きを手に入れた。"},
          {"close oven", "オーブンを閉じた。"},
          {"right", "あなたは1階の廊下にいる。"}});

    // The laundry: poker, rod, the bronze key in the jacket, and the dog,
    // which stands up only for its name.
    walk({{"right", "あなたは洗濯室にいる。"},
          {"look", "ハッチの上に座り込んでいる犬が、こちらを睨んでいる。"},
          {"down", "ハッチの上に座り込んでいる犬が、こちらを睨んでいる。"},
          {"get poker", "火かき棒を手に入れた。"},
          {"get fishing rod", "釣り竿を手に入れた。"},
          {"examine clothes", "ここには見あたらない。"},
          {"open washer", "中には衣類[clothes]が入ったままになっている。"},
          {"get clothes", "着替えは必要ないだろう。"},
          {"examine clothes", "上着のポケットに青銅の鍵[bronze key]があった。"},
          {"get bronze key", "青銅の鍵を手に入れた。"},
          {"examine clothes", "もう何もない。"},
          {"talk dog", "何を話す?"},
          {"table", "そっぽを向いたまま、何の反応も示さない。"},
          {"talk dog", "何を話す?"},
          {"orion", "名前を呼ぶと、それまでこちらに無関心だった犬が立ち上がった。"},
          {"talk dog", nullptr},
          {"orion", "心なしか嬉しげに、ゆっくりと尾を振っている。"},
          {"down", "真っ暗で何も見えない。灯りを見つけてきた方がよさそうだ。"},
          {"backward", "あなたは1階の廊下にいる。"}});
    EXPECT_TRUE(flag_test(77));
    EXPECT_FALSE(flag_test(78));

    // The storage room: the drawer and the table block the window; fishing
    // without bait catches nothing.
    walk({{"backward", "あなたは一階の廊下にいる。"},
          {"right", "あなたは物置部屋にいる。"},
          {"use fishing rod", "並んだ家具が邪魔で近づけない。"},
          {"close drawer", "引き出しを閉じた。"},
          {"use fishing rod", "並んだ家具が邪魔で近づけない。"},
          {"move table", "テーブルを奥に移動した。"},
          {"look window", "拳ほどの穴"},
          {"use fishing rod", "･･･何も釣れない。魚はいないようだ。"},
          {"get lantern", "ランタンを手に入れた。"},
          {"use lantern", "火種がない。"},
          {"backward", "あなたは一階の廊下にいる。"},
          {"backward", "あなたは一階の廊下にいる。"},
          {"read wall", "DON'T LEAVE"}});

    // The bathroom: save first, reach into the water and drown; load.
    walk({{"left", "あなたは浴室にいる。"},
          {"save", "ゲームをセーブしました。"},
          {"examine water", "異様な色の水面を見つめていると、水面がわずかに動いているような気がしてくる。"},
          {"get duck", "あなたの意識はそのまま途切れた…。"},
          {"", "ゲームオーバー"}});
    EXPECT_EQ(get_cur_area(), ai_game_over);
    walk({{"load", "ゲームをロードしました。"}});
    EXPECT_EQ(get_cur_area(), ai_bathroom);

    // The chain drains the tub; the duck and the glasses lie on the bottom.
    walk({{"get glasses", "ここには見あたらない。"},
          {"pull chain", "さいごにうめき声のような音を残して、浴槽は空になった。"},
          {"pull chain", "もう引っ張っても意味がない。"},
          {"get duck", "ゴムのアヒルを手に入れた。"},
          {"get glasses", "眼鏡を手に入れた。"},
          {"use toilet", "用を足した。"},
          {"use toilet", "また用を足した。"},
          {"get mirror", "しっかり止められている。外すには道具が必要だ。"},
          {"backward", "あなたは一階の廊下にいる。"},
          {"backward", "扉の取っ手を回すと、ガチャリと鍵が外れた。"},
          {"right", "あなたは一階の廊下にいる。"},
          {"backward", "あなたは玄関ホールにいる。"}});
    EXPECT_TRUE(flag_test(36) && flag_test(39) && flag_test(40) && flag_test(41));
    EXPECT_FALSE(flag_test(38));

    // The father's glasses on his chair; the poker finds the silver key.
    walk({{"forward", "あなたは食堂にいる。"},
          {"put glasses", "眼鏡を椅子の上に置いた。"},
          {"look chair", "椅子の一つには眼鏡[glasses]が置いてある。"},
          {"left", "あなたは居間にいる。"},
          {"use poker", "燃え殻をかき回すと銀の鍵[silver key]が出てきた。"},
          {"get silver key", "銀の鍵を手に入れた。"},
          {"examine ash", "もう何もない。"},
          {"backward", "あなたは一階の廊下にいる。"},
          {"backward", "あなたは一階の廊下にいる。"},
          {"backward", "あなたは玄関ホールにいる。"}});
    EXPECT_FALSE(has_item(ni_poker));

    // The landing door takes the bronze key only.
    walk({{"up", "あなたは階段二階の踊り場にいる。"},
          {"forward", "扉には鍵が掛かっている。"},
          {"use wooden key", "この鍵は鍵穴に合わない。"},
          {"use bronze key", "ガチャリと音を立てて扉の鍵が開いた。"},
          {"down", "あなたは玄関ホールにいる。"}});
    EXPECT_TRUE(flag_test(150));
    EXPECT_FALSE(has_item(ni_bronze_key));

    // Everything the ground floor offers without the screwdriver for the
    // mirror: leaflet 1, front door 5, chain 5, glasses 5; and all four
    // mania points (medal, mailbox closed again, toilet, telephone).
    walk({{"score", "現在の得点:16/21"}});
    walk({{"score", "マニア評価:4/4"}});

    // Leaning out of the corridor window is the other way to die here.
    walk({{"right", "あなたは一階の廊下にいる。"},
          {"exit", "窓から外に出られそうだが・・・。"},
          {"exit window", "あなたの意識はそのまま途切れた…。"}});
    gametest::keys("look"); // only Return goes on
    EXPECT_NE(get_cur_area(), ai_game_over);
    walk({{"", "あなたは死にました。"}});
    EXPECT_EQ(get_cur_area(), ai_game_over);
}

// ---- Branches that need things from elsewhere in the house ----

TEST_F(Walkthrough, DiningRitualAnswersEveryBranchOfPray) {
    to_hall();
    // The dining room is reached the long way, through the living room.
    walk({{"left", "あなたは一階の廊下にいる。"},
          {"forward", "あなたは一階の廊下にいる。"},
          {"forward", "あなたは居間にいる。"},
          {"right", "あなたは食堂にいる。"},
          {"pray", "かすかに、すすり泣くような声が聞こえる。"},
          {"right", "あなたは台所にいる。"},
          {"open oven", nullptr},
          {"get roast chicken", "鶏の丸焼きを手に入れた。"},
          {"left", "あなたは食堂にいる。"}});

    // The keepsakes of the upper floor, and the glasses as if from the bath.
    add_item(ni_glasses);
    add_item(ni_necklace);
    add_item(ni_plush_cat);
    add_item(ni_large_robot);
    walk({{"put glasses", "眼鏡を椅子の上に置いた。"},
          {"pray", "かすかに、すすり泣くような声が聞こえる。"},
          {"put necklace", "首飾りを椅子の上に置いた。"},
          {"put plush cat", "ぬいぐるみを椅子の上に置いた。"},
          {"get plush cat", "供えたものは、そのままにしておこう。"},
          {"pray", "かすかに、少年のすすり泣くような声が聞こえる。"}});

    // A keepsake, once set down, stays: the other three single gaps are
    // made directly on the chairs' flags.
    const struct {
        int flag;
        const char *sob;
    } gaps[] = {{51, "かすかに、男性のすすり泣くような声が聞こえる。"},
                {52, "かすかに、女性のすすり泣くような声が聞こえる。"},
                {53, "かすかに、少女のすすり泣くような声が聞こえる。"}};
    flag_set(54);
    for (const auto &g : gaps) {
        flag_clear(g.flag);
        walk({{"pray", g.sob}});
        flag_set(g.flag);
    }
    flag_clear(54);

    walk({{"put large robot", "玩具の巨大ロボットを椅子の上に置いた。"},
          {"pray", "誰かが無念そうな溜息を漏らした気がした。"},
          {"put roast chicken", "鶏の丸焼きを食卓の中央に供えた。"},
          {"get candle", "蝋燭を手に入れた。"},
          {"pray", "誰かが無念そうな溜息を漏らした気がした。"},
          {"put candle", "蝋燭を戻した。"}});
    EXPECT_FALSE(flag_test(57));

    // The dinner, then on Return the family leaves.
    walk({{"pray", "音もなく、幾人かの人影が食堂に入ってきた。"}});
    EXPECT_TRUE(flag_test(56) && flag_test(57));
    EXPECT_FALSE(flag_test(51) || flag_test(54));
    walk({{"", "食卓の蝋燭を指さし"}});
    EXPECT_TRUE(flag_test(51) && flag_test(52) && flag_test(53) && flag_test(54));
    EXPECT_FALSE(flag_test(50) || flag_test(56));

    // The bone is left over and the candle now burns: a light to carry.
    walk({{"look", "食べ終えた皿の上に鶏の骨[chicken bone]が残っている。"},
          {"get chicken bone", "鶏の骨を手に入れた。"},
          {"pray", "誰かが無念そうな溜息を漏らした気がした。"},
          {"get candle", "蝋燭を手に入れた。"}});
    EXPECT_TRUE(has_light());
    walk({{"look", "食卓の燭台は空になっている。"}});
}

TEST_F(Walkthrough, LaundryDogLeavesWithItsMastersHat) {
    to_hall();
    walk({{"left", nullptr},
          {"forward", nullptr},
          {"forward", "あなたは居間にいる。"},
          {"right", "あなたは食堂にいる。"},
          {"right", "あなたは台所にいる。"},
          {"right", "あなたは1階の廊下にいる。"},
          {"right", "あなたは洗濯室にいる。"}});
    walk({{"give hat", "ここには見あたらない。"}});
    // The hat lies in the passage below the house.
    add_item(ni_hat);
    walk({{"give hat", "犬は帽子の匂いを嗅ぐと、悲しげにくうんと鼻を鳴らした。"}});
    EXPECT_TRUE(flag_test(78));
    EXPECT_FALSE(has_item(ni_hat));
    walk({{"look", "床に首輪[belt]が落ちている。"},
          {"talk dog", "ここには見あたらない。"},
          {"get belt", "首輪を手に入れた。"},
          {"down", "真っ暗で何も見えない。灯りを見つけてきた方がよさそうだ。"}});
    EXPECT_TRUE(has_item(ni_belt));

    // With a light the hatch leads down, and saving is refused below.
    add_item(ni_lantern);
    flag_set(47); // lit, as with the candle from the dinner
    walk({{"down", "あなたは地下室にいる。"}});
    EXPECT_EQ(get_cur_area(), ai_cellar);
    EXPECT_TRUE(flag_test(0));
}

TEST_F(Walkthrough, FlyingToyIsShotDownInTheGuestRoom) {
    to_hall();
    walk({{"left", nullptr}, {"right", "あなたは客室にいる。"}});
    walk({{"look", nullptr}});
    EXPECT_FALSE(gametest::printed("ドラゴン"));

    // The toy took the golden key off the library floor and flew down here.
    fseq_start(0);
    fseq_proceed(0);
    walk({{"look", "天井近くに、玩具のドラゴン[dragon]が浮いている。"},
          {"get dragon", "ぱたぱたと翼を動かし、手の届かない高さに浮いている。"},
          {"get golden key", "ぱたぱたと翼を動かし、手の届かない高さに浮いている。"},
          {"shoot dragon", "撃つための道具がない。"}});

    // The slingshot is put together from its parts, then loaded.
    add_item(ni_branch);
    add_item(ni_rubber_strip);
    walk({{"combine branch", "何と合体させる?"}, {"rubber strip", "ぱちんこ"}});
    EXPECT_TRUE(has_item(ni_slingshot));
    EXPECT_TRUE(flag_test(89));
    walk({{"shoot dragon", nullptr}});
    EXPECT_TRUE(flag_test(132));
    add_item(ni_marble);
    walk({{"throw marble", "手で投げても、あの高さまでは届きそうにない。"},
          {"shoot dragon", "ぱちんこでビー玉を撃つと見事に玩具のドラゴンに命中した。"}});
    EXPECT_TRUE(flag_test(133));
    EXPECT_FALSE(flag_test(132));
    EXPECT_FALSE(has_item(ni_marble) || has_item(ni_slingshot));

    walk({{"look", "床の上に金色の鍵[golden key]が落ちている。"},
          {"get dragon", "玩具のドラゴンを手に入れた。"},
          {"get golden key", "金色の鍵を手に入れた。"},
          {"look", nullptr}});
    EXPECT_FALSE(gametest::printed("落ちている"));
    walk({{"shoot", "撃つための道具がない。"}});
}

TEST_F(Walkthrough, StorageFishingWithTheSpongeSoaksIt) {
    to_hall();
    walk({{"left", nullptr},
          {"forward", nullptr},
          {"forward", nullptr},
          {"right", nullptr},
          {"right", nullptr},
          {"right", "あなたは1階の廊下にいる。"},
          {"right", nullptr},
          {"get fishing rod", "釣り竿を手に入れた。"},
          {"backward", nullptr},
          {"backward", nullptr},
          {"right", "あなたは物置部屋にいる。"},
          {"push chest", "引き出しを閉じた。"},
          {"push table", "テーブルを奥に移動した。"},
          {"pull table", "テーブルを元の位置に戻した。"},
          {"use fishing rod", "並んだ家具が邪魔で近づけない。"},
          {"move table", "テーブルを奥に移動した。"}});
    // The sponge comes from the upper floor's bathroom.
    add_item(ni_sponge);
    walk({{"combine fishing rod", "何と合体させる?"},
          {"sponge", "釣り針にスポンジを引っかけた。"},
          {"use fishing rod", "しばらくして引き上げると、スポンジはたっぷりと水を吸っていた。"},
          {"use fishing rod", "スポンジはすでに水浸しだ。"}});
    EXPECT_TRUE(flag_test(44));
}

TEST_F(Walkthrough, PlayroomBallPushesOutTheWastepaper) {
    to_hall();
    walk({{"left", nullptr}, {"forward", nullptr}, {"left", "あなたは遊戯室にいる。"}});
    add_item(ni_billiard_ball);
    walk({{"use billiard ball", "ことりと音がして、台の下の受け皿に紙屑[wastepaper]が転がり出てきた。"},
          {"get wastepaper", "紙屑を手に入れた。"},
          {"get billiard ball", "台の上の球は、どれも台に貼りついていて取れない。"}});
    EXPECT_FALSE(has_item(ni_billiard_ball));
    EXPECT_TRUE(has_item(ni_wastepaper));
}

}  // namespace
