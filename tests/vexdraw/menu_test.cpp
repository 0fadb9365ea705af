// The window's menu bar without a window: which title and row the keys
// select, and what they choose.  (The window test looks at how the
// selection is drawn, and at clicks.)
#include "sdl/menu.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int QUIT = 0, VIEW = 1;  // the titles
constexpr int LAST_ROW = 4;        // コンソール, 拡大, 縮小, 全画面, スクリーンショット

class Menu : public ::testing::Test {
protected:
    VxModifiers held = {};
    void SetUp() override { menu_reset(); }
    void TearDown() override { menu_reset(); }

    // One key event as the host reports it; whether the menu took it.
    bool event(int vk, int down, MenuAction *action = nullptr) {
        if (vk == VK_MENU) held.alt = down ? 1 : 0;
        if (vk == VK_SHIFT) held.shift = down ? 1 : 0;
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
        const MenuAction a = keys({vk});
        event(VK_MENU, 0);
        return a;
    }
    static void expect_state(int title, int open, int row) {
        EXPECT_EQ(menu_selected_title(), title);
        EXPECT_EQ(menu_dropdown_open(), open);
        EXPECT_EQ(menu_highlighted_row(), row);
    }
};

TEST_F(Menu, AltAloneOrF10EntersAndLeavesButAltCombinationsDoNot) {
    keys({VK_MENU});
    expect_state(QUIT, 0, -1);
    keys({VK_MENU});
    expect_state(-1, 0, -1);
    keys({VK_F10});
    expect_state(QUIT, 0, -1);
    keys({VK_F10});
    expect_state(-1, 0, -1);

    // Any key while Alt is held (Shift too, or Shift held before it) makes
    // its release do nothing.
    alt_with('X');
    alt_with(VK_SHIFT);
    event(VK_SHIFT, 1);
    keys({VK_MENU});
    event(VK_SHIFT, 0);
    expect_state(-1, 0, -1);
    // Of both Alt keys, the last one up counts.
    MenuAction a;
    menu_key(VK_MENU, 1, VxModifiers{0, 0, 1}, &a);
    menu_key(VK_MENU, 1, VxModifiers{0, 0, 3}, &a);
    menu_key(VK_MENU, 0, VxModifiers{0, 0, 2}, &a);
    expect_state(-1, 0, -1);
    menu_key(VK_MENU, 0, VxModifiers{0, 0, 0}, &a);
    expect_state(QUIT, 0, -1);
    // Leaving (lost focus) forgets a held Alt.
    menu_leave();
    event(VK_MENU, 1);
    menu_leave();
    event(VK_MENU, 0);
    expect_state(-1, 0, -1);

    // While the menu is active every press is its own, no release is.
    EXPECT_FALSE(event('A', 1));
    keys({VK_F10});
    EXPECT_TRUE(event('A', 1, &a));
    EXPECT_EQ(a, MENU_NOTHING);
    EXPECT_FALSE(event('A', 0));
    EXPECT_TRUE(event(VK_F1, 1));
}

TEST_F(Menu, ArrowsWalkWithWrappingAndEscapeStepsBack) {
    keys({VK_MENU, VK_RIGHT});
    expect_state(VIEW, 0, -1);
    keys({VK_RIGHT});
    expect_state(QUIT, 0, -1);  // wrapped
    keys({VK_LEFT, VK_DOWN});
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
    keys({VK_ESCAPE});
    expect_state(VIEW, 0, -1);
    keys({VK_UP});
    expect_state(VIEW, 1, LAST_ROW);
    keys({VK_ESCAPE, VK_ESCAPE});
    expect_state(-1, 0, -1);
    keys({VK_F10, VK_ESCAPE});  // a plain title: one Escape leaves
    expect_state(-1, 0, -1);
}

TEST_F(Menu, ReturnMnemonicsAndAltCombinationsChoose) {
    EXPECT_EQ(keys({VK_MENU, VK_RIGHT, VK_DOWN, VK_RETURN}), MENU_CONSOLE);
    expect_state(-1, 0, -1);
    EXPECT_EQ(keys({VK_F10, VK_RIGHT, VK_RETURN}), MENU_NOTHING);  // opens
    EXPECT_EQ(keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}), MENU_FULLSCREEN);
    EXPECT_EQ(keys({VK_MENU, VK_RETURN}), MENU_QUIT);
    EXPECT_EQ(keys({VK_F10, 'Q'}), MENU_QUIT);
    EXPECT_EQ(keys({VK_F10, 'V', 'S'}), MENU_SCREENSHOT);
    expect_state(-1, 0, -1);

    EXPECT_EQ(alt_with('V'), MENU_NOTHING);
    expect_state(VIEW, 1, 0);
    EXPECT_EQ(keys({'O'}), MENU_ZOOM_OUT);
    alt_with('V');
    alt_with('V');  // the second closes it
    expect_state(-1, 0, -1);
    keys({VK_F10});
    EXPECT_EQ(alt_with(VK_F1 + 3), MENU_CLOSE);  // Alt+F4 with the menu active
    expect_state(-1, 0, -1);
}

}  // namespace
