// The handlers common to every area: item verbs, combining and taking
// apart, the inventory listing, recall, and the outcomes areas rely on.
#include "command.h"

#include "area.h"
#include "console.h"
#include "game_support.h"
#include "input_mode.h"
#include "noun.h"
#include "status.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using gametest::finish_waits;
using gametest::has;
using gametest::named;
using gametest::play;

// The lines, each ended by its line break, so that replies can be matched
// line for line.
std::string lines_text(const std::vector<std::string> &lines) {
    std::string s;
    for (const std::string &l : lines) s += l + "\n";
    return s;
}

class Items : public gametest::EmptyHandedGame {
protected:
    // Plays the lines and returns everything they printed as one string.
    static std::string say(const std::vector<std::string> &lines) { return lines_text(play(lines)); }

    // What a catalogue text prints, to compare a reply against.
    static std::string text_of(void (*show)()) {
        gametest::new_lines();
        show();
        finish_waits();
        return lines_text(gametest::new_lines());
    }

    static std::string name(int nid) { return nid2name(nid); }

    static void carry(std::initializer_list<int> nids) {
        for (int nid : nids) add_item(nid);
    }

    static int copies(int nid) {
        int n = 0;
        for (int i = 0; i < item_count_get(); ++i) n += item_at(i) == nid;
        return n;
    }

    static void expect_no_duplicates(const std::string &context) {
        for (int nid = ni_newspaper; nid < ni_item_end; ++nid)
            EXPECT_LE(copies(nid), 1) << nid << " after " << context;
    }
};

// ---- Combining and taking apart ----

TEST_F(Items, ThreeToysCombineInAnyOrder) {
    carry({ni_swordman, ni_lion, ni_bird});
    std::string out = say({"combine lion", "swordman", "bird"});
    EXPECT_TRUE(has(out, "玩具を三体合体させて" + named(ni_robot) + "にした。")) << out;
    EXPECT_TRUE(has_item(ni_robot));
    EXPECT_FALSE(has_item(ni_swordman) || has_item(ni_lion) || has_item(ni_bird));
    EXPECT_FALSE(line_handler_active());

    out = say({"dismantle robot"});
    EXPECT_TRUE(has(out, name(ni_robot) + "を分解した。")) << out;
    EXPECT_FALSE(has_item(ni_robot));
    EXPECT_TRUE(has_item(ni_swordman) && has_item(ni_lion) && has_item(ni_bird));

    // The same noun twice counts once.
    out = say({"combine lion", "swordman", "swordman"});
    EXPECT_TRUE(has(out, "これは三体合体する玩具のようだ。")) << out;
    EXPECT_FALSE(line_handler_active());
    EXPECT_TRUE(has_item(ni_lion) && has_item(ni_swordman) && has_item(ni_bird));

    // A word outside the vocabulary selects nothing but uses up an answer.
    out = say({"combine lion", "xyzzy", "bird"});
    EXPECT_TRUE(has(out, "これは三体合体する玩具のようだ。")) << out;
    EXPECT_FALSE(line_handler_active());

    out = say({"combine bird", "lion", "swordman"});
    EXPECT_TRUE(has(out, "三体合体させて")) << out;
    EXPECT_TRUE(has_item(ni_robot));
}

TEST_F(Items, RobotAndDragonMakeTheLargeRobotAndBack) {
    carry({ni_robot, ni_dragon});
    std::string out = say({"combine robot", "dragon"});
    EXPECT_TRUE(has(out, "玩具を合体させて" + named(ni_large_robot) + "にした。")) << out;
    EXPECT_TRUE(has_item(ni_large_robot));
    EXPECT_FALSE(has_item(ni_robot) || has_item(ni_dragon));

    out = say({"dismantle large robot"});
    EXPECT_TRUE(has(out, name(ni_large_robot) + "を分解した。")) << out;
    EXPECT_TRUE(has_item(ni_robot) && has_item(ni_dragon));
    EXPECT_FALSE(has_item(ni_large_robot));

    // Named from the other side.
    out = say({"combine dragon", "robot"});
    EXPECT_TRUE(has_item(ni_large_robot)) << out;

    out = say({"dismantle large robot", "dismantle robot"});
    EXPECT_TRUE(has_item(ni_swordman) && has_item(ni_lion) && has_item(ni_bird) && has_item(ni_dragon));
    EXPECT_FALSE(has_item(ni_robot));

    // A part that is named but not carried makes nothing.
    remove_item(ni_dragon);
    carry({ni_robot});
    out = say({"combine robot", "dragon"});
    EXPECT_TRUE(has(out, "これは組み合わせられない。")) << out;
    EXPECT_TRUE(has_item(ni_robot));
    EXPECT_FALSE(has_item(ni_large_robot));
}

TEST_F(Items, SlingshotRepairAndDismantle) {
    carry({ni_rubber_strip, ni_branch});
    EXPECT_FALSE(flag_test(89));
    std::string out = say({"combine rubber strip", "branch"});
    EXPECT_TRUE(has(out, name(ni_branch) + "に" + name(ni_rubber_strip) + "を結びつけて" + named(ni_slingshot) +
                             "を作った。"))
        << out;
    EXPECT_TRUE(flag_test(89));
    EXPECT_TRUE(has_item(ni_slingshot));
    EXPECT_FALSE(has_item(ni_rubber_strip) || has_item(ni_branch));

    out = say({"examine slingshot"});
    EXPECT_TRUE(has(out, "ゴムの力で小石などを飛ばす玩具だ。折れた柄を" + name(ni_branch) + "で代用してある。")) << out;

    out = say({"dismantle slingshot"});
    EXPECT_TRUE(has(out, name(ni_slingshot) + "を分解した。")) << out;
    EXPECT_TRUE(has_item(ni_rubber_strip) && has_item(ni_branch));
    EXPECT_FALSE(has_item(ni_slingshot));
    EXPECT_TRUE(flag_test(89)); // stays set

    // Repaired again with a spare branch somehow carried: still one branch.
    say({"combine branch", "rubber strip"});
    carry({ni_branch});
    say({"dismantle slingshot"});
    EXPECT_EQ(copies(ni_branch), 1);
    EXPECT_EQ(copies(ni_rubber_strip), 1);

    // The broken slingshot of the playroom: only the strip comes off.
    remove_item(ni_rubber_strip);
    remove_item(ni_branch);
    flag_clear(89);
    carry({ni_slingshot});
    out = say({"use slingshot", "dismantle slingshot"});
    EXPECT_TRUE(has(out, "パチンコは壊れている。")) << out;
    EXPECT_TRUE(has_item(ni_rubber_strip));
    EXPECT_FALSE(has_item(ni_branch));
}

TEST_F(Items, FishingRodAndSponge) {
    carry({ni_fishing_rod, ni_sponge});
    std::string out = say({"combine fishing rod", "sponge"});
    EXPECT_TRUE(has(out, "釣り針に" + name(ni_sponge) + "を引っかけた。")) << out;
    EXPECT_TRUE(flag_test(45));
    EXPECT_TRUE(has_item(ni_fishing_rod) && has_item(ni_sponge)); // both stay

    out = say({"combine sponge", "fishing rod"});
    EXPECT_TRUE(has(out, name(ni_sponge) + "はもう釣り針に引っかけてある。")) << out;

    // The continued texts join into one console line each.
    flag_set(44);
    out = say({"look fishing rod", "look sponge"});
    EXPECT_TRUE(has(out, "普通の" + name(ni_fishing_rod) + "だ。釣り針に" + name(ni_sponge) + "を引っかけてある。\n"))
        << out;
    EXPECT_TRUE(has(out, "釣り針に引っかけた、入浴用のスポンジだ。水をたっぷりと含んでいる。\n")) << out;

    out = say({"remove sponge"});
    EXPECT_TRUE(has(out, name(ni_sponge) + "を" + name(ni_fishing_rod) + "から外した。")) << out;
    EXPECT_FALSE(flag_test(45));
    out = say({"remove sponge", "dismantle fishing rod"});
    EXPECT_TRUE(has(out, name(ni_sponge) + "は外せない。")) << out;
    EXPECT_TRUE(has(out, name(ni_fishing_rod) + "は分解できない。")) << out;

    // Unhooked, the continued line is ended by an empty message.
    flag_clear(44);
    out = say({"look fishing rod", "look sponge"});
    EXPECT_TRUE(has(out, "普通の" + name(ni_fishing_rod) + "だ。\n")) << out;
    EXPECT_TRUE(has(out, "\n入浴用のスポンジだ。\n")) << out;
}

// Return alone (or blanks only) ends the question: nothing is selected, no
// assertion, and the items stay as they were.
TEST_F(Items, EmptyCombineAnswerEndsTheQuestion) {
    carry({ni_swordman, ni_lion, ni_bird, ni_robot, ni_dragon});
    for (const std::vector<std::string> &answers :
         {std::vector<std::string>{""}, {"   "}, {"swordman", ""}, {"swordman", "  "}}) {
        std::vector<std::string> lines{"combine lion"};
        lines.insert(lines.end(), answers.begin(), answers.end());
        std::string out = say(lines);
        EXPECT_TRUE(has(out, "これは組み合わせられない。")) << out;
        EXPECT_FALSE(line_handler_active());
        EXPECT_EQ(input_line_text()[0], '>');
        EXPECT_TRUE(has_item(ni_swordman) && has_item(ni_lion) && has_item(ni_bird));
    }
    std::string out = say({"combine robot", ""});
    EXPECT_TRUE(has(out, "これは組み合わせられない。")) << out;
    EXPECT_TRUE(has_item(ni_robot) && has_item(ni_dragon));
    EXPECT_FALSE(has_item(ni_large_robot));

    // The next line is a command again.
    out = say({"examine robot"});
    EXPECT_TRUE(has(out, "剣士・ライオン・鳥の玩具を変形合体させたものだ。")) << out;
}

// ---- Looking, examining, using, reading ----

TEST_F(Items, ExamineReplies) {
    carry({ni_belt});
    std::string out = say({"look belt", "examine belt"});
    EXPECT_TRUE(has(out, "大型犬用の首輪だ。小さな革袋がぶら下がっている。")) << out;
    EXPECT_TRUE(has(out, "革袋の口を開けると")) << out;
    EXPECT_FALSE(has_item(ni_belt));
    EXPECT_TRUE(has_item(ni_stone));
    out = say({"examine belt", "examine stone"});
    EXPECT_TRUE(has(out, "ここには見あたらない。")) << out;
    EXPECT_TRUE(has(out, "灰白色の小さな石だ。")) << out;

    carry({ni_wastepaper});
    out = say({"examine wastepaper"});
    EXPECT_TRUE(has(out, "広げてみると、なにか書いてある。\nどうやら子供の" + named(ni_essay) + "のようだ。")) << out;
    EXPECT_TRUE(has_item(ni_essay));
    EXPECT_FALSE(has_item(ni_wastepaper));

    // The glasses say nothing special until the man in the photo was seen.
    carry({ni_glasses});
    out = say({"examine glasses"});
    EXPECT_TRUE(has(out, "とくに変わったところはない。")) << out;
    flag_set(17);
    EXPECT_TRUE(has(say({"examine glasses"}), text_of(doc_glasses_remark)));
}

TEST_F(Items, LanternLitFromTheCandle) {
    carry({ni_lantern, ni_candle});
    std::string out = say({"use lantern"});
    EXPECT_TRUE(has(out, "燃料の油は入っているが、火種がない。")) << out;
    EXPECT_FALSE(flag_test(47));

    flag_set(57);
    out = say({"use lantern"});
    EXPECT_TRUE(has(out, name(ni_candle) + "を使って" + name(ni_lantern) + "を点けた。")) << out;
    EXPECT_TRUE(flag_test(47));

    out = say({"use lantern", "examine lantern"});
    EXPECT_TRUE(has(out, name(ni_lantern) + "はもう点いている。")) << out;
    EXPECT_TRUE(has(out, "ランタンは点いている。油はまだ十分入っている。")) << out;

    // A lit candle left behind lights nothing.
    flag_clear(47);
    remove_item(ni_candle);
    EXPECT_TRUE(has(say({"use lantern"}), "火種がない。"));
}

// The table of verbs, called as the dispatcher calls it.
TEST_F(Items, ItemCommandConditions) {
    // Within reach in the area but not carried.
    EXPECT_EQ(item_command(vi_examine, ni_lion, 1), 1);
    EXPECT_TRUE(gametest::printed("まずは手に取ってみたほうがいい。"));
    EXPECT_EQ(item_command(vi_read, ni_diary, 1), 1);
    EXPECT_TRUE(gametest::printed("まずは手に取ってみたほうがいい。"));
    for (int vid : {vi_get, vi_put, vi_use, vi_touch, vi_combine, vi_dismantle, vi_break, vi_eat})
        EXPECT_EQ(item_command(vid, ni_lion, 1), 0) << vid;
    EXPECT_FALSE(line_handler_active());

    // Neither here nor carried: only "remove" answers.
    for (int vid : {vi_look, vi_examine, vi_read, vi_get})
        EXPECT_EQ(item_command(vid, ni_lion, 0), 0) << vid;
    EXPECT_EQ(item_command(vi_remove, ni_lion, 0), 1);
    EXPECT_TRUE(gametest::printed(name(ni_lion) + "は外せない。"));

    carry({ni_lion});
    EXPECT_TRUE(has(say({"get lion"}), name(ni_lion) + "はもう持っている。"));
    EXPECT_TRUE(has(say({"put lion"}), "ここではできない。"));
    EXPECT_EQ(copies(ni_lion), 1);
}

// ---- Inventory and recall ----

TEST_F(Items, InventoryListing) {
    // No turn: the living-room clock (flag 23 due) does not move on.
    constexpr int CUCKOO_DUE = 23;
    set_cur_area(ai_living);
    area_request_move(-1);
    flag_set(CUCKOO_DUE);
    std::vector<std::string> lines = play({"inventory"});
    EXPECT_TRUE(flag_test(CUCKOO_DUE));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "[持ち物]");
    EXPECT_EQ(lines[2], "(なし)");

    carry({ni_brass_key, ni_glasses});
    lines = play({"inventory"});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], named(ni_brass_key) + " " + named(ni_glasses) + " ");

    // In the kana modes the words follow the input mode.
    set_input_mode(1);
    gametest::new_lines();
    show_inventory();
    lines = gametest::new_lines();
    set_input_mode(0);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(has(lines.back(), name(ni_brass_key) + "[しんちゅうのかぎ]")) << lines.back();

    // Every item at once wraps over several lines; nothing is lost.
    for (int nid = ni_newspaper; nid < ni_item_end; ++nid) add_item(nid);
    gametest::new_lines();
    show_inventory();
    std::string all;
    for (const std::string &l : gametest::new_lines()) all += l;
    for (int nid = ni_newspaper; nid < ni_item_end; ++nid)
        EXPECT_TRUE(has(all, name(nid) + "[")) << nid;
}

TEST_F(Items, RecallListsWhatWasRead) {
    std::string out = say({"recall"});
    EXPECT_TRUE(has(out, "まだ思い出せるようなことはない。")) << out;
    out = say({"recall postcard"});
    EXPECT_TRUE(has(out, "まだ思い出せるようなことはない。")) << out;

    flag_set(158);
    flag_set(111);
    out = say({"recall"});
    // Table order, one line, each name followed by a blank.
    const std::string list = named(ni_postcard) + " " + named(ni_boiler_room) + " \n以上のことを思い出せる。\n";
    EXPECT_TRUE(has(out, list)) << out;

    EXPECT_TRUE(has(say({"recall postcard"}), text_of(doc_postcard)));
    // A noun without a row, or whose row is not yet read, lists instead.
    EXPECT_TRUE(has(say({"recall medal"}), list));
    EXPECT_TRUE(has(say({"recall study note"}), list));
}

// ---- Outcomes the areas use ----

TEST_F(Items, TakePutAndDoor) {
    take_item(ni_medal, 200);
    EXPECT_TRUE(gametest::printed(name(ni_medal) + "を手に入れた。"));
    EXPECT_TRUE(has_item(ni_medal));
    EXPECT_TRUE(flag_test(200));
    // Offered again while carried: never a second copy.
    take_item(ni_medal, -1);
    EXPECT_EQ(copies(ni_medal), 1);

    put_item(ni_medal, 201, nullptr);
    EXPECT_TRUE(gametest::printed(name(ni_medal) + "を置いた。"));
    EXPECT_FALSE(has_item(ni_medal));
    EXPECT_TRUE(flag_test(201));

    take_item(ni_glasses, -1);
    put_item(ni_glasses, -1, "あなたは椅子に%nnを置いた。");
    EXPECT_TRUE(gametest::printed("あなたは椅子に" + name(ni_glasses) + "を置いた。"));
    EXPECT_FALSE(has_item(ni_glasses));

    door_move(ai_entrance, 202);
    EXPECT_TRUE(gametest::printed("扉を開けて移動した。"));
    EXPECT_TRUE(flag_test(202));
    EXPECT_EQ(area_next(), ai_entrance);
    area_request_move(-1);
    door_move(ai_entrance_hall, -1);
    EXPECT_EQ(area_next(), ai_entrance_hall);
    area_request_move(-1);
}

// Random play with the combinable items: no sequence of commands ever
// carries an item twice, and every question ends.
TEST_F(Items, NoSequenceDuplicatesAnItem) {
    const std::vector<std::string> nouns = {"swordman", "lion", "bird", "robot", "dragon", "large robot",
                                            "slingshot", "rubber strip", "branch", "fishing rod", "sponge",
                                            "origami plane", "paper", "belt", "stone", "wastepaper", "essay"};
    const std::vector<std::string> verbs = {"combine", "dismantle", "remove", "examine", "get", "use"};
    std::mt19937 rng(7);
    auto pick = [&](const std::vector<std::string> &v) { return v[rng() % v.size()]; };
    for (int round = 0; round < 300; ++round) {
        // Now and then items reappear, as if found again in the house.
        if (round % 10 == 0) {
            for (int nid : {ni_swordman, ni_lion, ni_bird, ni_dragon, ni_rubber_strip, ni_branch, ni_fishing_rod,
                            ni_sponge, ni_origami_plane, ni_belt, ni_wastepaper})
                if (rng() % 2) add_item(nid);
        }
        if (round % 37 == 0) flag_toggle(89);
        std::string line = pick(verbs) + " " + pick(nouns);
        play({line});
        // A combine question takes at most two answers, some of them empty.
        for (int k = 0; k < 2 && line_handler_active(); ++k) play({rng() % 5 ? pick(nouns) : ""});
        finish_waits();
        EXPECT_FALSE(line_handler_active()) << line;
        expect_no_duplicates(line);
    }
}

}  // namespace
