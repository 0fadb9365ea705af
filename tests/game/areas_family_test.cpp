// The family's rooms played through the game: the dining-room ritual, the
// living room's telephone, cuckoo clock and fireplace, and the laundry with
// the dog on the cellar hatch.
#include "area.h"
#include "command.h"
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
using gametest::named;
using gametest::play;
using gametest::say;

class Family : public gametest::EmptyHandedGame {};

// ---- Dining room ----

TEST_F(Family, PrayEvaluatesItsBranchesInOrder) {
    enter(ai_dining);
    EXPECT_TRUE(has(say({"pray"}), "かすかに、すすり泣くような声が聞こえる。"));

    const int flags[] = {51, 52, 53, 54};
    const char *sobs[] = {"男性のすすり泣く", "女性のすすり泣く", "少女のすすり泣く", "少年のすすり泣く"};
    for (int missing = 0; missing < 4; ++missing) {
        for (int i = 0; i < 4; ++i) (i == missing ? flag_clear : flag_set)(flags[i]);
        EXPECT_TRUE(has(say({"pray"}), sobs[missing])) << "missing " << flags[missing];
    }
    // Two missing: only the generic line.
    flag_clear(51);
    flag_clear(52);
    std::string out = say({"pray"});
    EXPECT_TRUE(has(out, "かすかに、すすり泣くような声が聞こえる。"));
    EXPECT_FALSE(has(out, "男性"));

    for (int f : flags) flag_set(f);
    EXPECT_TRUE(has(say({"pray"}), "誰かが無念そうな溜息を漏らした気がした。")); // no offering
    flag_set(50);
    flag_set(58); // the candle is off its stick
    EXPECT_TRUE(has(say({"pray"}), "誰かが無念そうな溜息を漏らした気がした。"));
    EXPECT_FALSE(flag_test(56));
    EXPECT_FALSE(flag_test(57));
}

TEST_F(Family, KeepsakesAndOfferingCallTheFamilyToDinner) {
    enter(ai_dining);
    for (int nid : {ni_glasses, ni_necklace, ni_plush_cat, ni_large_robot, ni_roast_chicken}) add_item(nid);
    std::string out = say({"put glasses", "put necklace", "put plush cat", "put large robot", "put roast chicken"});
    EXPECT_TRUE(has(out, "眼鏡を椅子の上に置いた。"));
    for (int f = 50; f <= 54; ++f) EXPECT_TRUE(flag_test(f)) << f;
    EXPECT_EQ(item_count_get(), 0);
    // Set down, they stay: look answers, get does not give them back.
    EXPECT_TRUE(has(say({"get necklace"}), "そのままにしておこう"));
    EXPECT_FALSE(has_item(ni_necklace));

    out = say({"pray"});
    EXPECT_TRUE(has(out, "音もなく、幾人かの人影が食堂に入ってきた。"));
    EXPECT_TRUE(has(out, "教授"));
    EXPECT_TRUE(has(out, "彼らが食卓につくと蝋燭が灯り、食事が始まった。"));
    EXPECT_TRUE(console_waiting_return());
    EXPECT_TRUE(flag_test(56));
    EXPECT_TRUE(flag_test(57));
    for (int f = 51; f <= 54; ++f) EXPECT_FALSE(flag_test(f)) << f;

    out = say({""}); // Return: the family leaves
    EXPECT_FALSE(console_waiting_return());
    EXPECT_TRUE(has(out, "蝋燭を指さし"));
    for (int f = 51; f <= 54; ++f) EXPECT_TRUE(flag_test(f)) << f;
    EXPECT_FALSE(flag_test(50));
    EXPECT_FALSE(flag_test(56));
    EXPECT_TRUE(flag_test(57));

    // The bone is left; the candle burns and gives light when carried.
    EXPECT_TRUE(has(say({"look"}), named(ni_chicken_bone)));
    say({"get chicken bone", "get candle"});
    EXPECT_TRUE(flag_test(59));
    EXPECT_TRUE(flag_test(58));
    EXPECT_TRUE(has_item(ni_chicken_bone));
    EXPECT_TRUE(has_light());
    EXPECT_TRUE(has(say({"put candle"}), "蝋燭を戻した。"));
    EXPECT_FALSE(flag_test(58));
    EXPECT_FALSE(has_item(ni_candle));
    // The offering was eaten: praying again only sighs.
    EXPECT_TRUE(has(say({"pray"}), "誰かが無念そうな溜息を漏らした気がした。"));
}

TEST_F(Family, DiningSwordmanCandleAndDoors) {
    enter(ai_dining);
    EXPECT_TRUE(has(say({"look"}), named(ni_swordman)));
    say({"get swordman"});
    EXPECT_TRUE(flag_test(55));
    EXPECT_TRUE(has_item(ni_swordman));
    EXPECT_FALSE(has(say({"look"}), named(ni_swordman)));
    EXPECT_TRUE(has(say({"get chicken bone"}), "ここには見あたらない。")); // no dinner yet
    EXPECT_TRUE(has(say({"look candle"}), "燭台に立てられた"));
    say({"get candle"});
    EXPECT_TRUE(flag_test(58));
    EXPECT_FALSE(has_light()); // unlit before the dinner
    EXPECT_TRUE(has(say({"door"}), "という動詞は使えない"));
    EXPECT_TRUE(has(say({"open door"}), "扉は複数ある。"));
    EXPECT_TRUE(has(say({"look fireplace"}), "ここには見あたらない。"));

    std::string out = say({"backward"});
    EXPECT_TRUE(has(out, "扉の取っ手を回すと、ガチャリと鍵が外れた。"));
    EXPECT_TRUE(flag_test(148));
    EXPECT_TRUE(flag_test(168));
    EXPECT_EQ(get_cur_area(), ai_entrance_hall);

    enter(ai_dining);
    out = say({"backward"});
    EXPECT_FALSE(has(out, "取っ手")); // unlocked already
    enter(ai_dining);
    say({"open left door"});
    EXPECT_EQ(get_cur_area(), ai_living);
    EXPECT_TRUE(flag_test(172));
    enter(ai_dining);
    say({"right"});
    EXPECT_EQ(get_cur_area(), ai_kitchen);
    EXPECT_TRUE(flag_test(173));
    enter(ai_dining);
    out = say({"look"});
    EXPECT_TRUE(has(out, "居間に通じている"));
    EXPECT_TRUE(has(out, "台所に通じている"));
    EXPECT_TRUE(has(out, "玄関ホールに通じている"));
}

// ---- Living room ----

TEST_F(Family, TelephoneRingsUntilLeftOrAnswered) {
    enter(ai_living);
    flag_set(12); // the corridor sets it on the way in
    EXPECT_TRUE(has(say({"look"}), "電話はまだ鳴り続けている。")); // uncounted too
    EXPECT_TRUE(has(say({"wait"}), "電話はまだ鳴り続けている。"));
    std::string out = say({"backward"});
    EXPECT_TRUE(has(out, "電話は鳴りやんだ。"));
    EXPECT_TRUE(flag_test(14));
    EXPECT_FALSE(flag_test(13));
    EXPECT_TRUE(flag_test(176));
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_bl);

    enter(ai_living);
    out = say({"wait", "use telephone"});
    EXPECT_FALSE(has(out, "鳴り"));
    EXPECT_TRUE(has(out, "電話は沈黙している。"));
    EXPECT_FALSE(flag_test(15));
}

TEST_F(Family, AnsweringTheTelephone) {
    enter(ai_living);
    flag_set(12);
    std::string out = say({"use telephone"});
    EXPECT_TRUE(has(out, "受話器を耳に当てると"));
    EXPECT_FALSE(has(out, "鳴り"));
    EXPECT_TRUE(flag_test(14));
    EXPECT_TRUE(flag_test(15));
    out = say({"wait", "use telephone", "right"});
    EXPECT_FALSE(has(out, "鳴り"));
    EXPECT_TRUE(has(out, "電話は沈黙している。"));
    EXPECT_EQ(get_cur_area(), ai_dining);
    EXPECT_TRUE(flag_test(172));
}

// Coming in from the dining room the telephone never rang, so walking out
// must not report it falling silent (nor kill it before it ever rings).
TEST_F(Family, LeavingAQuietTelephoneSaysNothing) {
    enter(ai_living);
    std::string out = say({"wait", "right"});
    EXPECT_FALSE(has(out, "鳴り"));
    EXPECT_FALSE(flag_test(14));
}

TEST_F(Family, ClockChainThenTimeRingsTheCuckoo) {
    enter(ai_living);
    // The stopped clock shows the words of its hands and of the chain that winds it.
    EXPECT_TRUE(has(say({"look clock"}), "針[clock hands]は動かない。錘の鎖[chain]が下に垂れている。"));
    EXPECT_TRUE(has(say({"pull chain"}), "鎖を引いて錘を巻き上げると、時計は動きだした。"));
    EXPECT_TRUE(flag_test(21));
    EXPECT_TRUE(has(say({"move chain"}), "時計はまだ動いている。"));

    std::string out = say({"adjust clock"});
    EXPECT_TRUE(has(out, "何時何分に合わせる?"));
    EXPECT_TRUE(has(out, "(「0715」のように数字4桁で入れてください。リターンキーで中止)"));
    EXPECT_TRUE(line_handler_active());
    out = say({"1200"});
    EXPECT_TRUE(has(out, "時計を12時0分に合わせた。"));
    EXPECT_FALSE(line_handler_active());
    EXPECT_TRUE(flag_test(22));
    EXPECT_TRUE(flag_test(23));
    EXPECT_FALSE(flag_test(24)); // an answer takes no turn

    out = say({"wait"});
    EXPECT_TRUE(has(out, "壁の時計が鳴りだし、文字盤の上の小窓からなにか飛び出してきた。"));
    EXPECT_TRUE(flag_test(24));
    EXPECT_FALSE(flag_test(22));
    EXPECT_FALSE(flag_test(23));
    EXPECT_TRUE(has(say({"look"}), named(ni_bird))); // look takes no turn
    out = say({"get cuckoo"}); // the wooden bird is the toy in the window
    EXPECT_TRUE(has_item(ni_bird));
    EXPECT_TRUE(flag_test(25));
    EXPECT_TRUE(has(out, "時計が鳴り終わり、小窓が閉じた。"));
    EXPECT_FALSE(flag_test(24));
}

TEST_F(Family, ClockTimeThenChainRingsAtOnce) {
    enter(ai_living);
    say({"turn clock hands", "0715"});
    EXPECT_FALSE(flag_test(22)); // not on the hour
    std::string out = say({"move clock hands", "0700"});
    EXPECT_TRUE(has(out, "時計を7時0分に合わせた。"));
    EXPECT_TRUE(flag_test(22));
    EXPECT_FALSE(flag_test(23)); // stopped clock
    out = say({"pull chain"});
    EXPECT_TRUE(has(out, "時計は動きだした。"));
    EXPECT_TRUE(has(out, "小窓からなにか飛び出してきた。"));
    EXPECT_TRUE(flag_test(24));
    out = say({"wait"});
    EXPECT_TRUE(has(out, "小窓が閉じた。"));
    EXPECT_TRUE(has(say({"get bird"}), "ここには見あたらない。"));
    EXPECT_FALSE(flag_test(25));
}

TEST_F(Family, RefusedTimesKeepTheQuestionOpen) {
    enter(ai_living);
    say({"adjust clock"});
    for (const char *bad : {"2400", "1260", "12ab", "123", "12345"}) {
        std::string out = say({bad});
        EXPECT_TRUE(has(out, "(「0715」のように数字4桁で入れてください。リターンキーで中止)")) << bad;
        EXPECT_TRUE(line_handler_active()) << bad;
    }
    EXPECT_TRUE(has(say({""}), "時計を合わせるのをやめた。"));
    EXPECT_FALSE(line_handler_active());
    EXPECT_FALSE(flag_test(22));
    EXPECT_TRUE(has(say({"adjust clock", "2359"}), "時計を23時59分に合わせた。"));
}

TEST_F(Family, FireplacePhotographAndFossil) {
    enter(ai_living);
    EXPECT_TRUE(has(say({"examine ash"}), "何か、かき回す道具を見つけてきた方がいい。"));
    EXPECT_TRUE(has(say({"get silver key"}), "ここには見あたらない。"));
    EXPECT_TRUE(has(say({"use poker"}), "ここには見あたらない。"));
    add_item(ni_poker);
    std::string out = say({"use poker"});
    EXPECT_TRUE(has(out, std::string(nid2name(ni_ash)) + "をかき回すと" + named(ni_silver_key) + "が出てきた。"));
    EXPECT_TRUE(flag_test(26));
    EXPECT_FALSE(has_item(ni_poker));
    EXPECT_TRUE(has(say({"look fireplace"}), named(ni_silver_key)));
    say({"get silver key", "get fossil"});
    EXPECT_TRUE(flag_test(27));
    EXPECT_TRUE(flag_test(28));
    EXPECT_TRUE(has_item(ni_silver_key));
    EXPECT_TRUE(has_item(ni_fossil));
    EXPECT_TRUE(has(say({"examine ash"}), "もう何もない。"));

    out = say({"look photo"});
    EXPECT_TRUE(has(out, named(ni_man)));
    EXPECT_TRUE(has(out, named(ni_boy)));
    EXPECT_TRUE(flag_test(16));
    say({"look man", "look woman", "look girl", "look boy"});
    for (int f = 17; f <= 20; ++f) EXPECT_TRUE(flag_test(f)) << f;
}

// ---- Laundry ----

TEST_F(Family, DogAnswersToItsName) {
    enter(ai_laundry);
    std::string out = say({"down"});
    EXPECT_TRUE(has(out, "の上に座り込んでいる犬が、こちらを睨んでいる。"));
    EXPECT_EQ(get_cur_area(), ai_laundry);

    out = say({"talk dog"});
    EXPECT_TRUE(has(out, "何を話す?"));
    EXPECT_TRUE(line_handler_active());
    EXPECT_TRUE(has(say({"table"}), "そっぽを向いたまま、何の反応も示さない。"));
    EXPECT_FALSE(line_handler_active());
    EXPECT_TRUE(has(say({"talk dog", ""}), "そっぽを向いたまま"));
    EXPECT_TRUE(has(say({"talk dog", "orion"}), "名前を呼ぶと、それまでこちらに無関心だった犬が立ち上がった。"));
    EXPECT_TRUE(flag_test(77));
    EXPECT_TRUE(has(say({"talk dog", "table"}), "じっとこちらを見つめている。"));
    say({"talk dog"});
    char katakana[] = "オリオン";
    gametest::new_lines();
    execute_command(katakana);
    EXPECT_TRUE(gametest::printed("心なしか嬉しげに、ゆっくりと尾を振っている。"));

    // Up, but the cellar is dark.
    EXPECT_TRUE(has(say({"down"}), "真っ暗で何も見えない。灯りを見つけてきた方がよさそうだ。"));
    EXPECT_FALSE(flag_test(0));
    add_item(ni_candle);
    flag_set(57);
    out = say({"open hatch"});
    EXPECT_TRUE(has(out, "扉を開けて移動した。"));
    EXPECT_TRUE(flag_test(0));
    EXPECT_TRUE(flag_test(192));
    EXPECT_EQ(get_cur_area(), ai_cellar);
}

TEST_F(Family, HiraganaNameWakesTheDogToo) {
    enter(ai_laundry);
    say({"talk dog"});
    char hiragana[] = "おりおん";
    execute_command(hiragana);
    EXPECT_TRUE(flag_test(77));
}

TEST_F(Family, MastersHatSendsTheDogAway) {
    for (const char *verb : {"give", "show", "put", "throw", "use"}) {
        flag_clear(78);
        enter(ai_laundry);
        add_item(ni_hat);
        std::string out = say({std::string(verb) + " hat"});
        EXPECT_TRUE(has(out, "匂いを嗅ぐと")) << verb;
        EXPECT_TRUE(flag_test(78)) << verb;
        EXPECT_FALSE(has_item(ni_hat)) << verb;
    }
    EXPECT_FALSE(flag_test(77));
    std::string out = say({"look"});
    EXPECT_FALSE(has(out, "睨んでいる"));
    EXPECT_TRUE(has(out, named(ni_belt)));
    EXPECT_TRUE(has(say({"look dog"}), "ここには見あたらない。"));
    say({"get belt"});
    EXPECT_TRUE(flag_test(79));
    EXPECT_TRUE(has_item(ni_belt));
    // With the dog gone the hatch is free; only the dark stops the player.
    EXPECT_TRUE(has(say({"enter hatch"}), "真っ暗で何も見えない。"));
    add_item(ni_lantern);
    flag_set(47);
    say({"down"});
    EXPECT_EQ(get_cur_area(), ai_cellar);
}

TEST_F(Family, ClothesHideTheBronzeKey) {
    enter(ai_laundry);
    EXPECT_TRUE(has(say({"examine clothes"}), "ここには見あたらない。")); // in the closed washer
    EXPECT_TRUE(has(say({"open washer"}), named(ni_clothes)));
    EXPECT_TRUE(flag_test(73));
    EXPECT_TRUE(has(say({"get clothes"}), "着替えは必要ないだろう。"));
    EXPECT_TRUE(has(say({"get bronze key"}), "ここには見あたらない。"));
    std::string out = say({"examine clothes"});
    EXPECT_TRUE(has(out, "上着のポケットに" + named(ni_bronze_key) + "があった"));
    EXPECT_TRUE(flag_test(75));
    say({"get bronze key"});
    EXPECT_TRUE(flag_test(76));
    EXPECT_TRUE(has_item(ni_bronze_key));
    EXPECT_TRUE(has(say({"examine clothes"}), "もう何もない。"));

    say({"open dryer", "close washer"});
    EXPECT_TRUE(flag_test(74));
    EXPECT_FALSE(flag_test(73));
    EXPECT_TRUE(has(say({"close washer"}), "洗濯機の蓋は閉まっている。"));
}

TEST_F(Family, LaundryPolesAndDoors) {
    enter(ai_laundry);
    say({"get fishing rod", "get poker"});
    EXPECT_TRUE(flag_test(80));
    EXPECT_TRUE(flag_test(81));
    EXPECT_TRUE(has_item(ni_fishing_rod));
    EXPECT_TRUE(has_item(ni_poker));
    EXPECT_TRUE(has(say({"forward"}), "この扉は開けられそうにない。"));
    EXPECT_TRUE(has(say({"open front door"}), "この扉は開けられそうにない。"));
    EXPECT_TRUE(has(say({"left"}), "そちらには進めない。"));
    say({"backward"});
    EXPECT_EQ(get_cur_area(), ai_corridor_1f_br);
    EXPECT_TRUE(flag_test(175));
}

}  // namespace
