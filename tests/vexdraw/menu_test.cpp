// The window's menu bar without a window: which title and row the keys and
// clicks select, what they choose, and how the selection is drawn.
#include "sdl/menu.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int QUIT = 0, VIEW = 1;  // the titles
constexpr int LAST_ROW = 4;        // コンソール, 拡大, 縮小, 全画面, スクリーンショット
constexpr uint32_t NAVY = 0x0A246A, WHITE = 0xFFFFFF;

class Menu : public ::testing::Test {
protected:
    VxModifiers held = {};
    void SetUp() override { menu_reset(); }
    void TearDown() override { menu_reset(); }

    // One key event as the host reports it (bit 0 of a modifier: its left
    // key); returns whether the menu took it.
    bool event(int vk, int down, MenuAction *action = nullptr) {
        unsigned char *side = vk == VK_MENU ? &held.alt : vk == VK_SHIFT ? &held.shift
                              : vk == VK_CONTROL ? &held.control : nullptr;
        if (side) *side = down ? 1 : 0;
        MenuAction a;
        const bool taken = menu_key(vk, down, held, &a) != 0;
        if (action) *action = a;
        return taken;
    }
    // Presses and releases each key in turn; the action of the last press.
    MenuAction keys(const std::vector<int> &vks) {
        MenuAction last = MENU_NOTHING;
        for (int vk : vks) {
            event(vk, 1, &last);
            event(vk, 0);
        }
        return last;
    }
    MenuAction alt_with(int vk) {
        event(VK_MENU, 1);
        MenuAction a = keys({vk});
        event(VK_MENU, 0);
        return a;
    }
    static void expect_state(int title, int open, int row) {
        EXPECT_EQ(menu_selected_title(), title);
        EXPECT_EQ(menu_active(), title >= 0 ? 1 : 0);
        EXPECT_EQ(menu_dropdown_open(), open);
        EXPECT_EQ(menu_highlighted_row(), row);
    }
};

TEST_F(Menu, AltAloneOrF10EntersAndLeavesButAltCombinationsDoNot) {
    EXPECT_EQ(keys({VK_MENU}), MENU_NOTHING);
    expect_state(QUIT, 0, -1);
    keys({VK_MENU});
    expect_state(-1, 0, -1);
    keys({VK_F10});
    expect_state(QUIT, 0, -1);
    keys({VK_F10});
    expect_state(-1, 0, -1);

    // A key while Alt is held makes its release do nothing: a key the menu
    // ignores, Shift, or Shift held when Alt went down.
    EXPECT_EQ(alt_with('X'), MENU_NOTHING);
    expect_state(-1, 0, -1);
    alt_with(VK_SHIFT);
    expect_state(-1, 0, -1);
    event(VK_SHIFT, 1);
    keys({VK_MENU});
    event(VK_SHIFT, 0);
    expect_state(-1, 0, -1);

    // Both Alt keys: the menu comes when the last of them goes up.
    MenuAction a;
    menu_key(VK_MENU, 1, VxModifiers{0, 0, 1}, &a);
    menu_key(VK_MENU, 1, VxModifiers{0, 0, 3}, &a);
    menu_key(VK_MENU, 0, VxModifiers{0, 0, 2}, &a);
    expect_state(-1, 0, -1);
    menu_key(VK_MENU, 0, VxModifiers{0, 0, 0}, &a);
    expect_state(QUIT, 0, -1);

    // Leaving (a lost focus) forgets a held Alt: its release does nothing.
    menu_leave();
    event(VK_MENU, 1);
    menu_leave();
    event(VK_MENU, 0);
    expect_state(-1, 0, -1);
}

TEST_F(Menu, ArrowsWalkTitlesAndRowsWithWrapping) {
    keys({VK_MENU, VK_RIGHT});
    expect_state(VIEW, 0, -1);
    keys({VK_RIGHT});
    expect_state(QUIT, 0, -1);  // wrapped
    keys({VK_LEFT});
    expect_state(VIEW, 0, -1);  // wrapped back
    keys({VK_DOWN});
    expect_state(VIEW, 1, 0);
    keys({VK_DOWN, VK_DOWN});
    expect_state(VIEW, 1, 2);
    keys({VK_DOWN, VK_DOWN, VK_DOWN});
    expect_state(VIEW, 1, 0);  // past the last row to the first
    keys({VK_UP});
    expect_state(VIEW, 1, LAST_ROW);

    // From an open drop-down the next title is selected, and a pop-up
    // reached that way opens at its first row.
    keys({VK_RIGHT});
    expect_state(QUIT, 0, -1);
    keys({VK_LEFT});
    expect_state(VIEW, 1, 0);

    // Escape closes the drop-down and keeps the title, then leaves.
    keys({VK_ESCAPE});
    expect_state(VIEW, 0, -1);
    keys({VK_UP});
    expect_state(VIEW, 1, LAST_ROW);  // Up opens at the last row
    keys({VK_ESCAPE, VK_ESCAPE});
    expect_state(-1, 0, -1);
    // Escape on a plain title leaves at once.
    keys({VK_F10, VK_ESCAPE});
    expect_state(-1, 0, -1);
}

TEST_F(Menu, ReturnAndMnemonicsChooseAndLeave) {
    // Alt, Right, Down, Return: the console item.
    EXPECT_EQ(keys({VK_MENU, VK_RIGHT, VK_DOWN, VK_RETURN}), MENU_CONSOLE);
    expect_state(-1, 0, -1);
    EXPECT_EQ(keys({VK_F10, VK_RIGHT, VK_RETURN}), MENU_NOTHING);  // Return opens the pop-up
    expect_state(VIEW, 1, 0);
    EXPECT_EQ(keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}), MENU_FULLSCREEN);
    expect_state(-1, 0, -1);
    EXPECT_EQ(keys({VK_MENU, VK_RETURN}), MENU_QUIT);  // 終了 is a plain item
    expect_state(-1, 0, -1);

    EXPECT_EQ(keys({VK_F10, 'Q'}), MENU_QUIT);
    EXPECT_EQ(keys({VK_MENU, 'V'}), MENU_NOTHING);
    expect_state(VIEW, 1, 0);
    EXPECT_EQ(keys({'O'}), MENU_ZOOM_OUT);
    expect_state(-1, 0, -1);
    EXPECT_EQ(keys({VK_F10, 'V', 'S'}), MENU_SCREENSHOT);

    // Alt combinations work with or without the menu.
    EXPECT_EQ(alt_with('V'), MENU_NOTHING);
    expect_state(VIEW, 1, 0);
    EXPECT_EQ(keys({'I'}), MENU_ZOOM_IN);
    EXPECT_EQ(alt_with('Q'), MENU_QUIT);
    EXPECT_EQ(alt_with('S'), MENU_SCREENSHOT);
    EXPECT_EQ(alt_with(VK_RETURN), MENU_FULLSCREEN);
    keys({VK_F10});
    EXPECT_EQ(alt_with(VK_F1 + 3), MENU_CLOSE);
    expect_state(-1, 0, -1);
    alt_with('V');
    alt_with('V');  // the second closes it again
    expect_state(-1, 0, -1);
}

TEST_F(Menu, WhileActiveEveryPressIsTheMenusAndNoReleaseIs) {
    MenuAction a;
    EXPECT_FALSE(event('A', 1));
    EXPECT_FALSE(event(VK_DOWN, 1));
    EXPECT_TRUE(event(VK_F10, 1));  // F10 always is
    event(VK_F10, 0);
    for (int vk : std::vector<int>{'A', '1', VK_SPACE, VK_BACK, VK_F1, VK_F1 + 10}) {
        EXPECT_TRUE(event(vk, 1, &a)) << vk;
        EXPECT_EQ(a, MENU_NOTHING) << vk;
        EXPECT_FALSE(event(vk, 0)) << vk;
    }
    expect_state(QUIT, 0, -1);
}

TEST_F(Menu, ClicksOpenChooseAndLeave) {
    // The drop-down lies below the title 表示 and starts where it does.
    int dx, dy, dw, dh;
    menu_dropdown_rect(&dx, &dy, &dw, &dh);
    const int view_x = dx + 5, mid_y = dy + dh / 2;  // the middle row: 縮小
    EXPECT_EQ(menu_click(view_x, 5), MENU_NOTHING);
    expect_state(VIEW, 1, -1);  // opened by the mouse: no row yet
    EXPECT_EQ(menu_click(view_x, 5), MENU_NOTHING);
    expect_state(-1, 0, -1);    // a second click closes it

    menu_click(view_x, 5);
    EXPECT_EQ(menu_hover(view_x, mid_y), 1);
    EXPECT_EQ(menu_hover(view_x, mid_y), 0);  // no change
    expect_state(VIEW, 1, 2);
    keys({VK_DOWN});
    expect_state(VIEW, 1, 3);                 // the keys go on from there
    EXPECT_EQ(menu_click(view_x, mid_y), MENU_ZOOM_OUT);
    expect_state(-1, 0, -1);

    // A click elsewhere leaves, with or without the drop-down.
    menu_click(view_x, 5);
    keys({VK_ESCAPE});
    expect_state(VIEW, 0, -1);
    EXPECT_EQ(menu_click(300, MENU_H + 200), MENU_NOTHING);
    expect_state(-1, 0, -1);
    keys({VK_F10});
    menu_click(dx + dw + 200, 5);  // the strip beyond the titles
    expect_state(-1, 0, -1);
    keys({VK_MENU});
    EXPECT_EQ(menu_click(5, 5), MENU_QUIT);
    expect_state(-1, 0, -1);
}

// The columns (or rows) of bm along one line where the colour shows.
struct Span {
    int first = -1, last = -1;
};
Span span(const VxBitmap *bm, uint32_t colour, bool columns, int at) {
    Span s;
    const int n = columns ? bm->w : bm->h;
    for (int i = 0; i < n; ++i) {
        const uint32_t p = columns ? bm->px[(size_t)at * bm->w + i] : bm->px[(size_t)i * bm->w + at];
        if ((p & 0xFFFFFF) != colour) continue;
        if (s.first < 0) s.first = i;
        s.last = i;
    }
    return s;
}

TEST_F(Menu, TheSelectionIsDrawnInverted) {
    VxBitmap *strip = vxi_bitmap_new(640, MENU_H);
    ASSERT_NE(strip, nullptr);
    const int mid = MENU_H / 2;
    menu_paint_strip(strip);
    EXPECT_EQ(span(strip, NAVY, true, mid).first, -1);  // nothing selected
    keys({VK_MENU});
    menu_paint_strip(strip);
    const Span quit = span(strip, NAVY, true, mid);
    keys({VK_RIGHT});
    menu_paint_strip(strip);
    const Span view = span(strip, NAVY, true, mid);
    ASSERT_GE(quit.first, 0);
    EXPECT_LT(quit.last, view.first);  // one title at a time, 終了 left of 表示
    EXPECT_GT(view.last, view.first);
    // White text on the navy title.
    bool white = false;
    for (int y = 0; y < MENU_H; ++y)
        for (int x = view.first; x <= view.last; ++x) white |= strip->px[(size_t)y * 640 + x] == WHITE;
    EXPECT_TRUE(white);

    // The drop-down's highlighted row moves down by whole rows.
    int dx, dy, dw, dh;
    menu_dropdown_rect(&dx, &dy, &dw, &dh);
    VxBitmap *drop = vxi_bitmap_new(dw, dh);
    ASSERT_NE(drop, nullptr);
    std::vector<Span> rows;
    keys({VK_DOWN});
    for (int r = 0; r <= LAST_ROW; ++r) {
        menu_paint_dropdown(drop);
        rows.push_back(span(drop, NAVY, false, 5));
        keys({VK_DOWN});
    }
    const int row_h = rows[0].last - rows[0].first + 1;
    EXPECT_GT(row_h, 10);
    for (int r = 0; r <= LAST_ROW; ++r) EXPECT_EQ(rows[r].first, rows[0].first + r * row_h) << r;
    EXPECT_LE(rows[LAST_ROW].last, dh - 1);
    vxi_bitmap_free(drop);
    vxi_bitmap_free(strip);
}

}  // namespace
