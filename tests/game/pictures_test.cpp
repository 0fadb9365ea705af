// Every scene picture, in many flag states: only white and black, nothing
// outside the frame, white current at the end, and places that share a
// name drawn differently.
#include "area.h"
#include "flags.h"
#include "game_support.h"
#include "main.h"
#include "status.h"
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr uint32_t SENTINEL = 0x123456;

// Draws area's picture on a page filled with a sentinel colour around the
// frame; returns a hash of the picture area.
size_t draw(int area) {
    vxi_fill_bitmap(vxi_shown_page(), SENTINEL);
    set_cur_area(area);
    return gametest::picture_hash(area);
}

void check(int area, const std::string &state) {
    draw(area);
    EXPECT_EQ(vxi_current_color(), 0xFFFFFFu) << "area " << area << " " << state << ": ends without white";
    VxBitmap *page = vxi_shown_page();
    int outside = 0, grey = 0;
    for (int y = 0; y < page->h; ++y) {
        for (int x = 0; x < page->w; ++x) {
            uint32_t p = page->px[y * page->w + x];
            bool in_frame = x >= 19 && x <= 621 && y >= 7 && y <= 329;
            if (!in_frame && p != SENTINEL) ++outside;
            if (in_frame && p != 0 && p != 0xFFFFFF && p != SENTINEL) ++grey;
        }
    }
    EXPECT_EQ(outside, 0) << "area " << area << " " << state << ": drawn outside the frame";
    EXPECT_EQ(grey, 0) << "area " << area << " " << state << ": colours other than white and black";
}

class Pictures : public ::testing::Test {
protected:
    void SetUp() override {
        vxtest::open_headless(640, 480, vxtest::temp_dir("pictures"));
        game_wire_modules();
        status_init(nullptr);
        status_reset();
    }
};

TEST_F(Pictures, StayInsideTheFrameInBlackAndWhiteInEveryFlagState) {
    std::mt19937 rng(1);
    for (int area = 0; area < ai_end; ++area) {
        status_reset();
        check(area, "all flags clear");
        for (int f = 0; f < FLAG_NUM; ++f) flag_set(f);
        check(area, "all flags set");
        for (int round = 0; round < 12; ++round) {
            status_reset();
            if (round % 2) fseq_start(0);
            for (int f = 1; f < F_VISITED_BASE; ++f)
                if (rng() % 2) flag_set(f);
            check(area, "random flags, round " + std::to_string(round));
        }
    }
}

TEST_F(Pictures, PlacesSharingANameLookDifferent) {
    const int pairs[][2] = {{ai_corridor_1f_fl, ai_corridor_1f_bl}, {ai_corridor_1f_fr, ai_corridor_1f_mr},
                           {ai_boys_room, ai_girls_room}, {ai_bathroom, ai_bathroom_2f},
                           {ai_guestroom_1f, ai_guestroom_2f}, {ai_balcony, ai_balcony_down}};
    for (const auto &p : pairs) EXPECT_NE(draw(p[0]), draw(p[1])) << p[0] << " and " << p[1];
}

// The pixels of the picture area, drawn over a ground of one colour.
std::vector<uint32_t> picture_over(int area, uint32_t ground) {
    VxBitmap *page = vxi_shown_page();
    vxi_fill_bitmap(page, ground);
    vx_set_color(255, 255, 255);
    area_draw_picture(area);
    return {page->px, page->px + page->w * page->h};
}

TEST_F(Pictures, TheEndOnTheCliffHidesWhatStandsBehindIt) {
    flag_set(F_FIRE_PILLAR);
    flag_set(F_HOUSE_BURNS);
    const std::vector<uint32_t> before = picture_over(ai_cliff, 0);
    flag_set(F_THE_END);
    const std::vector<uint32_t> after = picture_over(ai_cliff, 0);
    // Where the words are: the box of what changes when they appear.
    const int w = vxi_shown_page()->w;
    int x1 = w, y1 = w, x2 = -1, y2 = -1;
    for (size_t i = 0; i < after.size(); ++i) {
        if (after[i] == before[i]) continue;
        int x = static_cast<int>(i) % w, y = static_cast<int>(i) / w;
        x1 = std::min(x1, x), x2 = std::max(x2, x), y1 = std::min(y1, y), y2 = std::max(y2, y);
    }
    ASSERT_GT(x2 - x1, 300);
    ASSERT_GT(y2 - y1, 60);
    // Over a white ground, whatever would lie behind the words is white: in
    // their box they look just as they do over black, strokes, holes, gaps
    // and all.
    const std::vector<uint32_t> over_white = picture_over(ai_cliff, 0xFFFFFF);
    int showing = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) showing += over_white[y * w + x] != after[y * w + x];
    EXPECT_EQ(showing, 0) << "pixels behind THE END show through in (" << x1 << "," << y1 << ")-(" << x2 << ","
                          << y2 << ")";
}

// With KELDARY_PICTURE_DIR set, writes every picture with all flags clear
// and all set, for looking at them.
TEST_F(Pictures, DumpWhenAsked) {
    const char *dir = std::getenv("KELDARY_PICTURE_DIR");
    if (!dir) GTEST_SKIP() << "set KELDARY_PICTURE_DIR to write the pictures";
    for (int area = 0; area < ai_end; ++area) {
        status_reset();
        draw(area);
        vx_save_screenshot((std::string(dir) + "/area" + std::to_string(area) + ".png").c_str());
        for (int f = 0; f < FLAG_NUM; ++f) flag_set(f);
        draw(area);
        vx_save_screenshot((std::string(dir) + "/area" + std::to_string(area) + "-set.png").c_str());
    }
}

}  // namespace
