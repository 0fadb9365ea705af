#include "main.h"
#include "map.h"

#include "area.h"
#include "console.h"
#include "flags.h"
#include "game_support.h"
#include "status.h"
#include "test_support.h"
#include "vexdraw.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t GREY = 0x808080, WHITE = 0xFFFFFF, BLACK = 0x000000, RED = 0xFF0000;

// The top-right corner, where the minimap starts.
constexpr int OX = 378, OY = 10;

class Minimap : public ::testing::Test {
protected:
    void SetUp() override {
        vxtest::open_headless(640, 480);
        minimap_init();
        game_wire_modules();
        status_init("/tmp/");
        status_reset();
        paint(BLACK);
    }
    static void paint(uint32_t c) {
        vx_set_color(c >> 16, (c >> 8) & 0xFF, c & 0xFF);
        vx_fill_rect(0, 0, 639, 479);
    }
    static void enter(int area) {
        set_cur_area(area);
        flag_set(F_VISITED_BASE + area);
    }
    static uint32_t at(int x, int y) { return vxtest::pixel(x + OX, y + OY); }
};

TEST_F(Minimap, NewGameShowsTheMailboxArrowOnly) {
    enter(ai_mailbox);
    minimap_draw();
    // Up-right arrow centred at (1,158): shaft and head.
    EXPECT_EQ(at(1, 158), GREY);
    EXPECT_EQ(at(3, 156), GREY);
    EXPECT_EQ(at(1, 156), GREY);
    EXPECT_EQ(at(3, 158), GREY);
    EXPECT_EQ(at(1, 160), BLACK);
    // Frame, coast and house outline.
    EXPECT_EQ(at(-1, -1), GREY);
    EXPECT_EQ(at(241, 161), GREY);
    EXPECT_EQ(at(0, 8), GREY);
    EXPECT_EQ(at(240, 16), GREY);
    EXPECT_EQ(at(110, 50), GREY);
    // The entrance is not known yet; nothing outside the frame.
    EXPECT_EQ(at(162, 90), BLACK);
    EXPECT_EQ(vxtest::count(GREY, 0, 0, OX - 2, 479), 0);
    EXPECT_EQ(vxtest::count(GREY, 0, OY + 162, 639, 479), 0);

    enter(ai_entrance);
    minimap_draw();
    EXPECT_EQ(at(162, 90), GREY); // its outline
    EXPECT_EQ(at(162, 82), GREY); // the arrow at its centre
}

TEST_F(Minimap, OpaqueStyleHidesThePicture) {
    paint(RED);
    enter(ai_mailbox);
    minimap_toggle_translucent();
    minimap_draw();
    minimap_toggle_translucent();
    EXPECT_EQ(at(100, 100), BLACK);
    EXPECT_EQ(at(0, 0), BLACK);
    EXPECT_EQ(at(240, 160), BLACK);
    EXPECT_EQ(at(-1, -1), WHITE);
    EXPECT_EQ(at(1, 158), WHITE);
    EXPECT_EQ(at(-2, 50), RED);
    EXPECT_EQ(vxtest::count(RED, OX - 1, OY - 1, OX + 241, OY + 161), 0);
}

TEST_F(Minimap, CornersCycleBackToTheStart) {
    enter(ai_mailbox);
    minimap_next_loc(); // bottom right
    minimap_draw();
    EXPECT_EQ(vxtest::pixel(378 + 1, 166 + 158), GREY);
    EXPECT_EQ(at(1, 158), BLACK);
    for (int i = 0; i < 3; ++i) minimap_next_loc();
    paint(BLACK);
    minimap_draw();
    EXPECT_EQ(at(1, 158), GREY);

    minimap_toggle_shown();
    paint(BLACK);
    minimap_draw();
    minimap_toggle_shown();
    EXPECT_EQ(vxtest::count(GREY, 0, 0, 639, 479), 0);
}

TEST_F(Minimap, OnlyTheCurrentFloorIsShown) {
    enter(ai_entrance);
    enter(ai_cellar);
    enter(ai_landing);
    minimap_draw();
    EXPECT_EQ(at(150, 66), GREY);  // landing outline
    EXPECT_EQ(at(162, 90), BLACK); // entrance: ground floor
    EXPECT_EQ(at(198, 44), BLACK); // cellar: basement
    EXPECT_EQ(at(0, 8), BLACK);    // no coast upstairs
    EXPECT_EQ(at(110, 50), GREY);  // house outline

    paint(BLACK);
    set_cur_area(ai_cellar);
    minimap_draw();
    EXPECT_EQ(at(198, 44), GREY);  // cellar outline
    EXPECT_EQ(at(150, 66), BLACK);
    EXPECT_EQ(at(0, 8), GREY);     // coast
    EXPECT_EQ(at(110, 50), BLACK); // no house outline
}

TEST_F(Minimap, ScreensAndAreasWithoutARecordDrawNothing) {
    for (int a : {ai_title, ai_game_over, ai_clear, ai_achievements, ai_temple_ceiling, ai_working}) {
        enter(a);
        minimap_draw();
        EXPECT_EQ(vxtest::count(GREY, 0, 0, 639, 479), 0) << a;
    }
}

} // namespace

namespace {

class MinimapKeys : public gametest::GameTest {};

// F2 hides the minimap during a Return-wait too: the ending's scenes wait
// for Return under it.
TEST_F(MinimapKeys, FunctionKeysWorkWhileTheGameWaitsForReturn) {
    gametest::play({"start"});
    set_wait_return_callback([] {});
    ASSERT_TRUE(console_waiting_return());
    EXPECT_GT(vxtest::count(GREY, 20, 8, 620, 328), 0);
    gametest::keys("{F2}{nr}");
    EXPECT_TRUE(console_waiting_return());
    EXPECT_EQ(vxtest::count(GREY, 20, 8, 620, 328), 0);
    gametest::keys("{F2}\n");
    EXPECT_GT(vxtest::count(GREY, 20, 8, 620, 328), 0);
    EXPECT_FALSE(console_waiting_return());
}

}  // namespace
