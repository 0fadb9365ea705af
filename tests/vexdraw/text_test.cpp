// Text output with the bitmap fonts, and the Shift-JIS conversions.
#include "test_support.h"
#include "vx_internal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t RED = 0xFF0000;
constexpr uint32_t BLUE = 0x0000FF;

// A bitmap with one guard row above and below its pixels, so that a write
// outside the target shows up as a changed guard.
struct Guarded {
    std::vector<uint32_t> store;
    VxBitmap bm;
    Guarded(int w, int h, uint32_t fill = 0) : store((size_t)w * (h + 2), fill) {
        bm = VxBitmap{w, h, store.data() + w};
        for (int x = 0; x < w; ++x) store[x] = store[(size_t)w * (h + 1) + x] = 0xABCDEF;
    }
    uint32_t at(int x, int y) const { return bm.px[y * bm.w + x]; }
    bool guards_intact() const {
        for (int x = 0; x < bm.w; ++x)
            if (store[x] != 0xABCDEF || store[(size_t)bm.w * (bm.h + 1) + x] != 0xABCDEF)
                return false;
        return true;
    }
    // Bounding box of the pixels equal to c; false when there are none.
    bool bounds(uint32_t c, int *x1, int *y1, int *x2, int *y2) const {
        *x1 = *y1 = 1 << 30;
        *x2 = *y2 = -1;
        for (int y = 0; y < bm.h; ++y)
            for (int x = 0; x < bm.w; ++x)
                if (at(x, y) == c) {
                    if (x < *x1) *x1 = x;
                    if (y < *y1) *y1 = y;
                    if (x > *x2) *x2 = x;
                    if (y > *y2) *y2 = y;
                }
        return *x2 >= 0;
    }
    // The lit pattern of a rectangle, one character per pixel.
    std::string pattern(int x, int y, int w, int h, uint32_t c) const {
        std::string s;
        for (int r = y; r < y + h; ++r) {
            for (int k = x; k < x + w; ++k) s += at(k, r) == c ? '#' : '.';
            s += '\n';
        }
        return s;
    }
};

std::string glyph(const char *text, int size, int w) {
    Guarded g(w, size);
    vxi_draw_text_on(&g.bm, 0, 0, text, size, RED);
    return g.pattern(0, 0, w, size, RED);
}

// 72 bytes of mixed kana, kanji and ASCII: the width of one console line.
const char *const LINE72 = "あいうえおカキクケコ Keldary 館の扉は固く閉ざされている。ｱｲｳｴｵ 12345678!";

}  // namespace

TEST(TextPlacement, TopOfCellIsYMinusSizeAndGlyphsStayInTheirCells) {
    vxtest::open_headless(640, 480);
    vx_set_color(255, 0, 0);
    // At y = 16 with size 16 the text starts on row 0.
    EXPECT_EQ(0, vx_draw_string(0, 16, "Aあ"));
    EXPECT_GT(vxtest::count(RED, 0, 0, 23, 1), 0);
    EXPECT_EQ(0, vxtest::count(RED, 0, 16, 23, 40));

    // Further down, nothing lands above the cell or at/below y.
    vx_draw_string(100, 116, "A");
    EXPECT_GT(vxtest::count(RED, 100, 100, 107, 115), 0);
    EXPECT_EQ(0, vxtest::count(RED, 90, 80, 130, 99));
    EXPECT_EQ(0, vxtest::count(RED, 90, 116, 130, 140));
    EXPECT_EQ(0, vxtest::count(RED, 108, 100, 130, 115));

    vx_draw_string(200, 216, "あ");
    int inside = vxtest::count(RED, 200, 200, 215, 215);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(inside, vxtest::count(RED, 180, 180, 240, 240));
}

TEST(TextPlacement, AsciiAdvancesHalfAndKanjiFullWidth) {
    EXPECT_EQ(8 * 3, vxi_text_width("abc", 16));
    EXPECT_EQ(16 * 2 + 8, vxi_text_width("漢字A", 16));
    EXPECT_EQ(8 * 3, vxi_text_width("ｱｲｳ", 16));
    EXPECT_EQ(7 * 2 + 14, vxi_text_width("Aa字", 14));
    EXPECT_EQ(0, vxi_text_width("", 16));

    // Each character lands where the widths before it say.
    const std::string a = glyph("A", 16, 8), kan = glyph("漢", 16, 16);
    Guarded g(64, 16);
    EXPECT_EQ(8 + 16 + 8, vxi_draw_text_on(&g.bm, 0, 0, "A漢A", 16, RED));
    EXPECT_EQ(a, g.pattern(0, 0, 8, 16, RED));
    EXPECT_EQ(kan, g.pattern(8, 0, 16, 16, RED));
    EXPECT_EQ(a, g.pattern(24, 0, 8, 16, RED));
    EXPECT_NE(a, glyph("B", 16, 8));
    EXPECT_NE(std::string::npos, kan.find('#'));
}

TEST(TextPlacement, HalfWidthKanaAndFullWidthKanaAreDrawn) {
    for (const char *s : {"ｱ", "ﾟ", "~", " "}) {
        const bool lit = glyph(s, 16, 8).find('#') != std::string::npos;
        EXPECT_EQ(std::strcmp(s, " ") != 0, lit) << s;
    }
    EXPECT_NE(glyph("ア", 16, 16), glyph("あ", 16, 16));
}

TEST(TextPlacement, UnknownAndMalformedCodesDrawABoxAndAdvance) {
    // 0x8540 is unassigned in JIS X 0208: a box of full width.
    Guarded g(64, 16);
    EXPECT_EQ(16 + 8, vxi_draw_text_on(&g.bm, 0, 0, "\x85\x40" "A", 16, RED));
    std::string box = g.pattern(0, 0, 16, 16, RED);
    EXPECT_EQ('#', box[2 * 17 + 1]);   // top-left corner
    EXPECT_EQ('#', box[13 * 17 + 14]); // bottom-right corner
    EXPECT_EQ('.', box[7 * 17 + 7]);   // hollow
    EXPECT_EQ(glyph("A", 16, 8), g.pattern(16, 0, 8, 16, RED));

    // A lead byte before the NUL, a lead before a byte that cannot trail,
    // a user-area code and control bytes each take the width of their slot.
    char tail[3] = {'A', '\x82', '\0'};
    EXPECT_EQ(16, vxi_text_width(tail, 16));
    EXPECT_EQ(8 + 8 + 8, vxi_text_width("\x82 A", 16));
    EXPECT_EQ(16, vxi_text_width("\xF0\x40", 16));
    EXPECT_EQ(16, vxi_text_width("\t\x7F", 16));
    EXPECT_EQ(8, vxi_text_width("\xFF", 16));

    Guarded b(64, 16);
    EXPECT_EQ(8 + 8 + 8, vxi_draw_text_on(&b.bm, 0, 0, "\x82 A", 16, RED));
    std::string narrow = b.pattern(0, 0, 8, 16, RED);
    EXPECT_EQ('#', narrow[2 * 9 + 1]);
    EXPECT_EQ('.', narrow[7 * 9 + 3]);
    EXPECT_EQ(glyph("A", 16, 8), b.pattern(16, 0, 8, 16, RED));
    EXPECT_TRUE(b.guards_intact());
}

TEST(TextAtlas, BothSizesHoldTheKanaKanjiAndAsciiAndRedrawTheSame) {
    Guarded g(640, 16);
    const int w = vxi_draw_text_on(&g.bm, 0, 0, LINE72, 16, RED);
    EXPECT_EQ((int)std::strlen(LINE72) * 8, w);
    Guarded again(640, 16);
    vxi_draw_text_on(&again.bm, 0, 0, LINE72, 16, RED);
    EXPECT_EQ(g.pattern(0, 0, w, 16, RED), again.pattern(0, 0, w, 16, RED));

    // Every hiragana, the first kanji and every printable ASCII character
    // has its own glyph in both sizes: none is drawn as the box of an
    // unassigned code, and no two neighbours look alike.
    for (int size : {16, 14}) {
        const int wide = size, narrow = size / 2;
        const std::string box = glyph("\x85\x40", size, wide);
        std::string prev;
        for (unsigned code = 0x829F; code <= 0x82F1; ++code) {
            const char s[3] = {(char)(code >> 8), (char)(code & 0xFF), 0};
            const std::string p = glyph(s, size, wide);
            EXPECT_NE(box, p) << size << " " << std::hex << code;
            EXPECT_NE(prev, p) << size << " " << std::hex << code;
            prev = p;
        }
        EXPECT_NE(box, glyph("亜", size, wide));
        EXPECT_NE(box, glyph("熙", size, wide)); // the last JIS X 0208 kanji
        const std::string narrow_box = glyph("\x80", size, narrow);
        for (char c = '!'; c <= '~'; ++c) {
            const char s[2] = {c, 0};
            EXPECT_NE(narrow_box, glyph(s, size, narrow)) << size << " " << c;
        }
    }
}

TEST(TextSize, SizeChangeMovesTheCellAndPatternChangesNothing) {
    vxtest::open_headless(640, 480);
    vx_set_color(255, 0, 0);
    EXPECT_EQ(16, vxi_font_size());
    vx_draw_string(0, 50, "漢A");
    const int at16 = vxtest::count(RED, 0, 0, 639, 479);
    EXPECT_EQ(at16, vxtest::count(RED, 0, 34, 23, 49));

    vx_clear();
    EXPECT_EQ(0, vx_set_font("-misc-fixed-medium-r-normal--%d-*-*-*-c-*-iso8859-1"));
    vx_draw_string(0, 50, "漢A");
    EXPECT_EQ(at16, vxtest::count(RED, 0, 34, 23, 49));

    vx_clear();
    EXPECT_EQ(0, vx_set_font_size(14));
    vx_draw_string(0, 50, "漢A");
    const int at14 = vxtest::count(RED, 0, 0, 639, 479);
    EXPECT_GT(at14, 0);
    EXPECT_EQ(at14, vxtest::count(RED, 0, 36, 20, 49)); // 14 + 7 wide, 14 high
    EXPECT_EQ(0, vxtest::count(RED, 0, 34, 30, 35));

    // Opening the window restores size 16.
    vxtest::open_headless(640, 480);
    EXPECT_EQ(16, vxi_font_size());
}

TEST(TextClip, RightAndBottomEdgesCutWithoutWrapping) {
    Guarded g(40, 20, BLUE);
    // Starts 6 pixels before the right edge: must not continue on the next
    // row's left side.
    vxi_draw_text_on(&g.bm, 34, 0, "ああああ", 16, RED);
    vxi_draw_text_on(&g.bm, 0, 12, "漢字", 16, RED);    // bottom cut
    vxi_draw_text_on(&g.bm, -10, -8, "漢字", 16, RED);  // top-left cut
    vxi_draw_text_on(&g.bm, 1000, 1000, "漢字", 16, RED);
    vxi_draw_text_on(&g.bm, -1000, 5, "漢字", 16, RED);
    EXPECT_TRUE(g.guards_intact());
    int x1, y1, x2, y2;
    ASSERT_TRUE(g.bounds(RED, &x1, &y1, &x2, &y2));
    EXPECT_EQ(0, y1);
    EXPECT_EQ(19, y2);
    // The right-edge string covers only columns 34..39 of rows 0..15.
    Guarded right(40, 20, BLUE);
    vxi_draw_text_on(&right.bm, 34, 0, "ああああ", 16, RED);
    ASSERT_TRUE(right.bounds(RED, &x1, &y1, &x2, &y2));
    EXPECT_GE(x1, 34);
    EXPECT_LE(y2, 15);
    EXPECT_TRUE(right.guards_intact());

    // On the window: a string at x = 630 and one below the bottom.
    vxtest::open_headless(640, 480);
    vx_set_color(255, 0, 0);
    vx_draw_string(630, 100, "ABCDEFGH");
    vx_draw_string(0, 490, "ABCDEFGH");
    EXPECT_GT(vxtest::count(RED, 630, 84, 639, 99), 0);
    EXPECT_EQ(0, vxtest::count(RED, 0, 85, 629, 120));
    EXPECT_GT(vxtest::count(RED, 0, 474, 63, 479), 0);
}

TEST(TextColour, CurrentColourOnTransparentBackgroundAndTargetPages) {
    Guarded g(32, 16, BLUE);
    vxi_draw_text_on(&g.bm, 0, 0, "あ", 16, RED);
    int red = 0, blue = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) {
            if (g.at(x, y) == RED) ++red;
            else if (g.at(x, y) == BLUE) ++blue;
        }
    EXPECT_GT(red, 0);
    EXPECT_EQ(32 * 16, red + blue);

    vxtest::open_headless(640, 480);
    vx_set_color(0, 255, 0);
    vx_draw_string_back(0, 16, "漢");
    EXPECT_EQ(0, vxtest::count(0x00FF00, 0, 0, 15, 15));
    int back = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) back += vxtest::back_pixel(x, y) == 0x00FF00;
    EXPECT_GT(back, 0);
    vx_draw_string(0, 16, "漢");
    EXPECT_EQ(back, vxtest::count(0x00FF00, 0, 0, 15, 15));
    EXPECT_EQ(0, vx_draw_string(0, 16, ""));
}

TEST(TextSjis, ConversionsRoundTripAndReplaceWhatTheyCannotConvert) {
    EXPECT_EQ("\xE3\x81\x82\xE3\x81\x84\xE3\x81\x86", vxi_sjis_to_utf8("あいう"));
    EXPECT_EQ("あいう", vxi_utf8_to_sjis(vxi_sjis_to_utf8("あいう").c_str()));
    EXPECT_EQ("\xEF\xBD\xB1\xEF\xBD\xB2", vxi_sjis_to_utf8("ｱｲ"));
    EXPECT_EQ("ｱｲ", vxi_utf8_to_sjis("\xEF\xBD\xB1\xEF\xBD\xB2"));
    EXPECT_EQ("abc ~", vxi_sjis_to_utf8("abc ~"));
    EXPECT_EQ("", vxi_sjis_to_utf8(""));
    EXPECT_EQ("", vxi_sjis_to_utf8(nullptr));

    // Garbage: a bad pair, a lone lead byte, 0xFF; one "?" each.
    EXPECT_EQ("?x?", vxi_sjis_to_utf8("\x85\x40x\xFF"));
    EXPECT_EQ("a?", vxi_sjis_to_utf8("a\x82"));
    // UTF-8 without a Shift-JIS form, and broken UTF-8.
    EXPECT_EQ("a?b", vxi_utf8_to_sjis("a\xE2\x98\x83" "b"));
    EXPECT_EQ("?あ?", vxi_utf8_to_sjis("\xFF\xE3\x81\x82\xE3\x81"));
    EXPECT_EQ("?", vxi_utf8_to_sjis("\xF0\x9F\x98\x80"));

    // A long text crosses the converter's buffer.
    std::string long_sjis;
    for (int i = 0; i < 500; ++i) long_sjis += "館";
    EXPECT_EQ(long_sjis, vxi_utf8_to_sjis(vxi_sjis_to_utf8(long_sjis.c_str()).c_str()));

    // Code page 932 as glibc has it: ¥ and ‾ are the ASCII bytes, the IBM
    // and NEC forms of ⅰ both read as U+2170 and it is written in the IBM
    // form, as the literals are.
    EXPECT_EQ("\\~", vxi_utf8_to_sjis("\xC2\xA5\xE2\x80\xBE"));
    EXPECT_EQ("\xE2\x85\xB0\xE2\x85\xB0", vxi_sjis_to_utf8("\xFA\x40\xEE\xEF"));
    EXPECT_EQ("\xFA\x40", vxi_utf8_to_sjis("\xE2\x85\xB0"));
    EXPECT_STREQ("ⅰ髙", "\xFA\x40\xFB\xFC");
    // Overlong forms and surrogates are no characters.
    EXPECT_EQ("?", vxi_utf8_to_sjis("\xC1\x81"));
    EXPECT_EQ("?", vxi_utf8_to_sjis("\xED\xA0\x80"));

    EXPECT_EQ(1, vx_sjis_lead(0x81));
    EXPECT_EQ(1, vx_sjis_lead(0xFC));
    EXPECT_EQ(0, vx_sjis_lead(0xA0));
    EXPECT_EQ(0, vx_sjis_lead('A'));
}

TEST(TextSjis, TranscriptWritesUtf8LinesOnlyWithoutAWindow) {
    vxtest::open_headless(640, 480);
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, vx_transcript("館へようこそ"));
    std::string out = testing::internal::GetCapturedStdout();
    if (vx_is_headless() == 1)
        EXPECT_EQ(vxi_sjis_to_utf8("館へようこそ") + "\n", out);
    else
        EXPECT_EQ("", out);
}
