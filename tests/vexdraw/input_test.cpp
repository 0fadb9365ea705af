// Host key events through the translation into the keysyms a program sees.
#include "headless/key_script.h"
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Events = std::vector<std::pair<unsigned, int>>; // keysym, down

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        vxi_input_init();
        vxi_input_reset();
    }
    static Events drain() {
        Events out;
        unsigned k;
        int d;
        while (vxi_key_queue_pop(&k, &d)) out.emplace_back(k, d);
        return out;
    }
    static VxModifiers mods(int shift, int control = 0, int alt = 0) {
        return VxModifiers{static_cast<unsigned char>(shift), static_cast<unsigned char>(control),
                           static_cast<unsigned char>(alt)};
    }
    static void tap(int k, VxModifiers held = {}) {
        vxi_host_key_down(k, held);
        vxi_host_key_up(k, held);
    }
};

TEST_F(Input, LettersDigitsAndShiftedSymbolsFollowTheTable) {
    tap('A');
    tap('5');
    tap(VK_RETURN);
    tap(VK_BACK);
    tap(VK_DELETE);
    tap(VK_F1);
    EXPECT_EQ(drain(), (Events{{97, 1}, {97, 0}, {53, 1}, {53, 0}, {13, 1}, {13, 0}, {8, 1}, {8, 0},
                               {127, 1}, {127, 0}, {65470, 1}, {65470, 0}}));

    vxi_host_key_down(VK_SHIFT, mods(1));
    tap('A', mods(1));
    tap('2', mods(1));   // the Japanese layout: Shift+2 is a double quote
    tap(189, mods(1));   // - key: =
    vxi_host_key_up(VK_SHIFT, mods(0));
    EXPECT_EQ(drain(), (Events{{65505, 1}, {65, 1}, {65, 0}, {34, 1}, {34, 0}, {61, 1}, {61, 0},
                               {65505, 0}}));
}

TEST_F(Input, ShiftedZeroAndSeparatorSendNothingButCountAsHeld) {
    vxi_host_key_down(VK_SHIFT, mods(1));
    drain();
    vxi_host_key_down('0', mods(1));
    vxi_host_key_down(VK_SEPARATOR, mods(1));
    EXPECT_TRUE(drain().empty());
    unsigned char map[32];
    vx_get_key_state(map);
    EXPECT_TRUE(map['0' / 8] & (1 << ('0' % 8)));
    EXPECT_EQ(vx_key_is_down(map, '0'), -1);
    EXPECT_EQ(vx_key_is_down(map, 65505), -1);  // left Shift
    EXPECT_EQ(vx_key_is_down(map, ')'), 0);     // the 9 key is not held
    vxi_host_key_up('0', mods(1));
    vx_get_key_state(map);
    EXPECT_EQ(vx_key_is_down(map, '0'), 0);
}

TEST_F(Input, ControlWithALetterSendsItsControlCode) {
    vxi_host_key_down(VK_CONTROL, mods(0, 2));
    tap('C', mods(0, 2));
    tap('3', mods(0, 2));  // Control with a digit sends the plain value
    vxi_host_key_up(VK_CONTROL, mods(0, 0));
    EXPECT_EQ(drain(), (Events{{65508, 1}, {3, 1}, {3, 0}, {51, 1}, {51, 0}, {65508, 0}}));
}

TEST_F(Input, AutoRepeatBecomesReleaseAndPressButShiftRepeatsAreDropped) {
    vxi_host_key_down('K', {});
    vxi_host_key_down('K', {});
    vxi_host_key_down('K', {});
    vxi_host_key_up('K', {});
    EXPECT_EQ(drain(), (Events{{107, 1}, {107, 0}, {107, 1}, {107, 0}, {107, 1}, {107, 0}}));

    vxi_host_key_down(VK_SHIFT, mods(2));
    vxi_host_key_down(VK_SHIFT, mods(2));
    vxi_host_key_down(VK_SHIFT, mods(2));
    vxi_host_key_up(VK_SHIFT, mods(0));
    EXPECT_EQ(drain(), (Events{{65506, 1}, {65506, 0}}));
}

TEST_F(Input, BothShiftKeysInOneEventAreIgnored) {
    vxi_host_key_down(VK_SHIFT, mods(3));
    EXPECT_TRUE(drain().empty());
    tap('A', mods(3));  // the side state was left alone: not shifted
    EXPECT_EQ(drain(), (Events{{97, 1}, {97, 0}}));
}

TEST_F(Input, KeysOutsideTheTableAndFromOutOfRangeCodesSendNothing) {
    tap(19);   // Pause
    tap(-5);
    tap(100000);
    EXPECT_TRUE(drain().empty());
}

TEST_F(Input, AFullQueueDropsTheNewEvents) {
    for (int i = 0; i < 20; ++i) vxi_host_key_down('A' + i, {});
    Events got = drain();
    ASSERT_EQ(got.size(), size_t(VX_KEY_QUEUE_SIZE - 1));
    EXPECT_EQ(got.front().first, 97u);
    EXPECT_EQ(got.back().first, 97u + VX_KEY_QUEUE_SIZE - 2);
}

TEST_F(Input, ButtonsKeepOnlyTheLatestPressAndRelease) {
    vxi_host_button(1, 2, 1, 1);
    vxi_host_button(3, 4, 3, 1);
    vxi_host_button(5, 6, 2, 0);
    int x, y, b;
    ASSERT_TRUE(vxi_button_pending(1, &x, &y, &b));
    EXPECT_EQ(std::make_tuple(x, y, b), std::make_tuple(3, 4, 3));
    EXPECT_FALSE(vxi_button_pending(1, &x, &y, &b));
    ASSERT_TRUE(vxi_button_pending(0, &x, &y, &b));
    EXPECT_EQ(b, 2);
}

// Key scripts type through the same translation as a keyboard.
Events typed(const std::string &line, std::string *error = nullptr) {
    std::vector<VxScriptEvent> ev;
    std::string err;
    vx_parse_key_script_line(line, ev, err);
    if (error) *error = err;
    for (const VxScriptEvent &e : ev) {
        if (e.kind == VxScriptEvent::KEY_DOWN) vxi_host_key_down(e.key, e.held);
        if (e.kind == VxScriptEvent::KEY_UP) vxi_host_key_up(e.key, e.held);
    }
    Events presses;
    unsigned k;
    int d;
    while (vxi_key_queue_pop(&k, &d))
        if (d) presses.emplace_back(k, d);
    return presses;
}

TEST_F(Input, KeyScriptLinesTypeCharactersSpecialKeysAndReturn) {
    EXPECT_EQ(typed("go 2-x"), (Events{{'g', 1}, {'o', 1}, {' ', 1}, {'2', 1}, {'-', 1}, {'x', 1}, {13, 1}}));
    EXPECT_EQ(typed("Hi?{nr}"), (Events{{65505, 1}, {'H', 1}, {'i', 1}, {65505, 1}, {'?', 1}}));
    EXPECT_EQ(typed("{F1}{Up}{PageDown}{C-c}{BackSpace}{Escape}{nr}"),
              (Events{{65470, 1}, {65362, 1}, {65366, 1}, {65507, 1}, {3, 1}, {8, 1}, {27, 1}}));
    EXPECT_EQ(typed(""), (Events{{13, 1}}));
}

TEST_F(Input, KeyScriptProblemsAreReportedAndTheRestIsTyped) {
    std::string err;
    EXPECT_EQ(typed("a{Bogus}b\xe4\xb8\x80\xff{nr}", &err), (Events{{'a', 1}, {'b', 1}}));
    EXPECT_EQ(err, "unknown key {Bogus} (and 2 more)"); // one message for the line
    EXPECT_EQ(typed("\xe4\xb8\x80{nr}", &err), Events{});
    EXPECT_EQ(err, "no key types U+4E00"); // a kanji
    EXPECT_EQ(typed("\xff{nr}", &err), Events{});
    EXPECT_EQ(err, "the byte 255 is not UTF-8");
    EXPECT_EQ(typed("{F13}{nr}", &err), Events{});
    EXPECT_EQ(typed("{a{nr}", &err), (Events{{65505, 1}, {'{', 1}, {'a', 1}}));
    // A NUL byte is no character (Shift+0 sends the keysym 0).
    EXPECT_EQ(typed(std::string(1000, '\0') + "{nr}", &err), Events{});
    EXPECT_EQ(err, "no key types the byte 0 (and 999 more)");
}

TEST(KeyScriptReader, LinesAreCutAtTheLimitAndTheRestDropped) {
    std::string text = std::string(VX_SCRIPT_LINE_MAX, 'a') + "\n" + std::string(VX_SCRIPT_LINE_MAX + 1, 'b') +
                       "tail\r\nnext\r\n\nlast";
    std::FILE *f = fmemopen(text.data(), text.size(), "r");
    ASSERT_NE(f, nullptr);
    std::string copy = text, line, from_text;
    bool cut = false, text_cut = false;
    const std::pair<std::string, bool> expected[] = {
        {std::string(VX_SCRIPT_LINE_MAX, 'a'), false},
        {std::string(VX_SCRIPT_LINE_MAX, 'b'), true},
        {"next", false},
        {"", false},
        {"last", false},
    };
    for (const auto &[want, want_cut] : expected) {
        ASSERT_TRUE(vx_read_script_line(f, line, cut));
        EXPECT_EQ(line, want);
        EXPECT_EQ(cut, want_cut);
        ASSERT_TRUE(vx_take_script_line(copy, from_text, text_cut));
        EXPECT_EQ(from_text, want);
        EXPECT_EQ(text_cut, want_cut);
    }
    EXPECT_FALSE(vx_read_script_line(f, line, cut));
    EXPECT_FALSE(vx_take_script_line(copy, from_text, text_cut));
    std::fclose(f);
}

TEST_F(Input, KeyScriptShotsAreMarkedInOrder) {
    std::vector<VxScriptEvent> ev;
    std::string err;
    vx_parse_key_script_line("a{shot /tmp/x y.png}b{nr}", ev, err);
    ASSERT_EQ(ev.size(), 5u);
    EXPECT_EQ(ev[2].kind, VxScriptEvent::SHOT);
    EXPECT_EQ(ev[2].path, "/tmp/x y.png");
}

}  // namespace
