// The quit question the layer draws itself: what answers it, that the
// program waits meanwhile, and that it reads in the 16-dot font.
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<unsigned> keys_seen;
void note_key(unsigned keysym) { keys_seen.push_back(keysym); }

class Question : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override {
        dir = vxtest::temp_dir("question");
        vxtest::open_headless(640, 480, dir);
        keys_seen.clear();
        vx_set_key_press_callback(note_key);
        vx_set_key_release_callback(note_key);
    }
    void TearDown() override { vxi_question_close(); }
    static void tap(int k) {
        vxi_host_key_down(k, {});
        vxi_host_key_up(k, {});
    }
    bool closed() const { return vxi_quit_posted() && std::filesystem::exists(dir + "/Vexdraw.ini"); }
    // A point inside the left (はい) or right (いいえ) button.
    static void button_point(bool yes, int *x, int *y) {
        int bx, by, bw, bh;
        vxi_question_rect(&bx, &by, &bw, &bh);
        *x = bx + (yes ? bw / 3 : 2 * bw / 3);
        *y = by + 3 * bh / 4;
    }
    static void click(bool yes, int button = 1) {
        int x, y;
        button_point(yes, &x, &y);
        vxi_host_button(x, y, button, 1);
        vxi_host_button(x, y, button, 0);
    }
};

TEST_F(Question, KeysAnswerItAndNeverReachTheProgram) {
    vxi_close_request();
    ASSERT_TRUE(vxi_question_is_open());
    tap('A');
    tap(VK_SPACE);
    EXPECT_TRUE(vxi_key_queue_empty()) << "keys while asking are the question's";
    tap('N');
    EXPECT_FALSE(vxi_question_is_open());
    EXPECT_FALSE(vxi_quit_posted()) << "no goes back to the program";
    EXPECT_TRUE(vxi_key_queue_empty()) << "the release of N is not the program's either";

    vxi_close_request();
    tap(VK_ESCAPE);
    EXPECT_FALSE(vxi_question_is_open());
    EXPECT_FALSE(vxi_quit_posted());

    vxi_close_request();
    vxi_close_request();  // asked again while open: still one question
    tap('Y');
    EXPECT_TRUE(closed()) << "yes writes the settings and closes the window";

    vxtest::open_headless(640, 480, dir);
    vxi_close_request();
    tap(VK_RETURN);
    EXPECT_TRUE(closed());
}

TEST_F(Question, KeysTypedBeforeItStayQueuedAndThoseDuringItAreDropped) {
    tap('B');
    vxi_close_request();
    tap('C');
    tap('N');
    tap('D');
    vxi_run_queued_keys();
    EXPECT_EQ(keys_seen, (std::vector<unsigned>{'b', 'b', 'd', 'd'}));
}

TEST_F(Question, ButtonsAnswerWhenReleasedOverThePressedOne) {
    vxi_close_request();
    int x, y;
    button_point(true, &x, &y);
    vxi_host_button(x, y, 1, 1);
    vxi_host_button(x, y - 60, 1, 0);  // dragged off before the release
    EXPECT_TRUE(vxi_question_is_open());
    click(true, 3);  // other buttons do nothing
    EXPECT_TRUE(vxi_question_is_open());
    int px, py, pb;
    EXPECT_FALSE(vxi_button_pending(1, &px, &py, &pb)) << "clicks are the question's too";
    click(false);
    EXPECT_FALSE(vxi_question_is_open());
    EXPECT_FALSE(vxi_quit_posted());
    vxi_close_request();
    click(true);
    EXPECT_TRUE(closed());
}

// Finds the set pixels of pattern (drawn white on black) in bm inside the
// rectangle, exactly: true when they are there.
bool find_pattern(const VxBitmap *bm, const VxBitmap *pattern, int pw, int x1, int y1, int x2, int y2,
                  uint32_t ink) {
    for (int y = y1; y + 16 <= y2; ++y)
        for (int x = x1; x + pw <= x2; ++x) {
            bool same = true;
            for (int r = 0; r < 16 && same; ++r)
                for (int c = 0; c < pw && same; ++c) {
                    bool on = pattern->px[r * pattern->w + c] != 0;
                    bool there = bm->px[(y + r) * bm->w + x + c] == ink;
                    same = on == there;
                }
            if (same) return true;
        }
    return false;
}

TEST_F(Question, ItIsDrawnOverTheClientInTheSixteenDotFont) {
    VxBitmap *bm = vxi_bitmap_new(640, 480);
    vxi_question_paint(bm, 0, 0);
    int drawn = 0;
    for (int i = 0; i < 640 * 480; ++i) drawn += bm->px[i] != 0;
    EXPECT_EQ(drawn, 0) << "nothing is drawn while it is closed";

    vxi_close_request();
    vxi_bitmap_free(bm);
    bm = vxi_bitmap_new(640, 480);
    vxi_fill_bitmap(bm, 0x123456);
    vxi_question_paint(bm, 0, 0);
    int bx, by, bw, bh;
    vxi_question_rect(&bx, &by, &bw, &bh);
    EXPECT_EQ(bm->px[by * 640 + bx], 0xFFFFFFu) << "a white border";
    EXPECT_EQ(bm->px[(by - 1) * 640 + bx], 0x123456u) << "nothing outside the box";
    EXPECT_EQ(bm->px[(by + bh) * 640 + bx + bw], 0x123456u);

    struct Text {
        const char *text;
        uint32_t ink;
    };
    for (Text t : {Text{"プログラムを終了しますか？", 0xFFFFFF}, Text{"確認", 0x000000}, Text{"はい", 0xFFFFFF},
                   Text{"いいえ", 0xFFFFFF}}) {
        VxBitmap *glyphs = vxi_bitmap_new(400, 16);
        int w = vxi_draw_text_on(glyphs, 0, 0, t.text, 16, 0xFFFFFF);
        EXPECT_TRUE(find_pattern(bm, glyphs, w, bx, by, bx + bw, by + bh, t.ink)) << t.text;
        vxi_bitmap_free(glyphs);
    }

    // The button under the pointer lights up (white, with black text).
    int x, y;
    button_point(false, &x, &y);
    EXPECT_EQ(bm->px[y * 640 + x - 30], 0x000000u);
    EXPECT_EQ(vxi_question_pointer(x, y), 1);
    EXPECT_EQ(vxi_question_pointer(x + 1, y), 0) << "no change, no repaint";
    vxi_question_paint(bm, 0, 0);
    EXPECT_EQ(bm->px[y * 640 + x - 30], 0xFFFFFFu);
    vxi_bitmap_free(bm);
}

}  // namespace
