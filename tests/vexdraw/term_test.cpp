// Terminal play's pieces: typing kana through key scripts, the keysym
// text, the terminal's answers, and the picture encoders.
#include "headless/key_script.h"
#include "term/term.h"
#include "term/term_internal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace {

std::string u(const char8_t *s) { return reinterpret_cast<const char *>(s); }

VxtImage image(int w, int h, std::initializer_list<std::pair<int, int>> lit, uint32_t colour = 0xFFFFFF) {
    VxtImage img;
    img.w = w;
    img.h = h;
    img.px.assign(static_cast<size_t>(w) * h, 0);
    for (auto [x, y] : lit) img.px[static_cast<size_t>(y) * w + x] = colour;
    return img;
}

std::vector<unsigned char> unbase64(const std::string &s) {
    std::vector<unsigned char> out;
    uint32_t v = 0;
    int bits = 0;
    for (char c : s) {
        const char *digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        const char *p = c ? std::strchr(digits, c) : nullptr;
        if (!p) continue;
        v = v << 6 | static_cast<uint32_t>(p - digits);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<unsigned char>(v >> bits));
        }
    }
    return out;
}

}  // namespace

TEST(TermInput, KanaAndFullWidthFormsAreTypedOthersAreNot) {
    std::vector<VxScriptEvent> ev;
    std::string error;
    vx_parse_key_script_line(u(u8"よむ　ｋａ"), ev, error);
    EXPECT_EQ(error, "");
    ASSERT_GE(ev.size(), 3u);
    EXPECT_EQ(ev[0].kind, VxScriptEvent::KEYSYM);
    EXPECT_EQ(static_cast<unsigned>(ev[0].key), VX_KEY_UNICODE + 0x3088);
    EXPECT_EQ(static_cast<unsigned>(ev[1].key), VX_KEY_UNICODE + 0x3080);
    EXPECT_EQ(ev[2].kind, VxScriptEvent::KEY_DOWN); // the full-width space is the space key
    EXPECT_EQ(ev[2].key, 32);

    for (const char8_t *bad : {u8"読む", u8"😀", u8"・", u8"\u0085"}) {
        error.clear();
        vx_parse_key_script_line(u(bad), ev, error);
        EXPECT_NE(error.find("no key types U+"), std::string::npos) << u(bad);
    }
    error.clear();
    vx_parse_key_script_line("a\xe3\x81", ev, error); // cut off
    EXPECT_NE(error.find("not UTF-8"), std::string::npos);
    error.clear();
    vx_parse_key_script_line("\xc0\xaf", ev, error); // overlong "/"
    EXPECT_NE(error.find("not UTF-8"), std::string::npos);

    EXPECT_TRUE(vx_script_can_type(0x30F4));  // ヴ
    EXPECT_TRUE(vx_script_can_type(0x30FC));  // ー
    EXPECT_FALSE(vx_script_can_type(0x30FB)); // ・
    EXPECT_FALSE(vx_script_can_type(0x4E00)); // 一
}

TEST(TermInput, KeysymsTypeTheirShiftJisText) {
    char buf[8];
    EXPECT_EQ(vx_keysym_to_text(VX_KEY_UNICODE + 0x304B, buf, sizeof buf), 2); // か
    EXPECT_EQ(std::string(buf), "か");
    EXPECT_EQ(vx_keysym_to_text(VX_KEY_UNICODE + 0x30FC, buf, sizeof buf), 2);
    EXPECT_EQ(std::string(buf), "ー");
    // Hiragana vu has no code of its own: as the romaji va-row spells it.
    EXPECT_EQ(vx_keysym_to_text(VX_KEY_UNICODE + 0x3094, buf, sizeof buf), 4);
    EXPECT_EQ(std::string(buf), "う゛");
    EXPECT_EQ(vx_keysym_to_text('a', buf, sizeof buf), 1);
    EXPECT_EQ(vx_keysym_to_text(VX_KEY_UNICODE + 0x1F600, buf, sizeof buf), 0); // no Shift-JIS form
    EXPECT_EQ(vx_keysym_to_text(VX_KEY_CLOSE, buf, sizeof buf), 0);
    EXPECT_EQ(vx_keysym_to_text(VX_KEY_UNICODE + 0x304B, buf, 2), 0); // no room for it and the NUL
}

TEST(TermQuery, RepliesAndHintsChooseThePictures) {
    bool complete = false;
    std::string typed;
    VxtTermReply r = vxt_parse_reply("lo\x1b[6;20;10t\x1b[?63;1;2;4;6cok\x1b[A", &complete, &typed);
    EXPECT_EQ(typed, "look\x1b[A"); // keys typed meanwhile stay keys
    EXPECT_TRUE(complete);
    EXPECT_TRUE(r.answered);
    EXPECT_TRUE(r.sixel);
    EXPECT_EQ(r.cell_w, 10);
    EXPECT_EQ(r.cell_h, 20);
    EXPECT_EQ(vxt_choose_mode(r, "xterm", nullptr), VX_PICTURES_SIXEL);

    r = vxt_parse_reply("\x1b_Gi=31;OK\x1b\\\x1b[?62;22c", &complete, nullptr);
    EXPECT_TRUE(r.kitty);
    EXPECT_FALSE(r.sixel); // 22 is colour text, not 4
    EXPECT_EQ(vxt_choose_mode(r, "xterm-kitty", nullptr), VX_PICTURES_KITTY);

    // "4" as the device class, an error from kitty, half an answer.
    r = vxt_parse_reply("\x1b_Gi=31;EINVAL\x1b\\\x1b[?4;1c", &complete, nullptr);
    EXPECT_FALSE(r.kitty);
    EXPECT_FALSE(r.sixel);
    vxt_parse_reply("\x1b[?62;4", &complete, nullptr);
    EXPECT_FALSE(complete);

    // Without an answer the names decide; an answer outweighs them.
    VxtTermReply none;
    EXPECT_EQ(vxt_choose_mode(none, "xterm-kitty", nullptr), VX_PICTURES_KITTY);
    EXPECT_EQ(vxt_choose_mode(none, "xterm", "WezTerm"), VX_PICTURES_KITTY);
    EXPECT_EQ(vxt_choose_mode(none, "mlterm", nullptr), VX_PICTURES_SIXEL);
    EXPECT_EQ(vxt_choose_mode(none, nullptr, nullptr), VX_PICTURES_BLOCKS);
    VxtTermReply plain_xterm;
    plain_xterm.answered = true;
    EXPECT_EQ(vxt_choose_mode(plain_xterm, "xterm-kitty", nullptr), VX_PICTURES_BLOCKS);

    EXPECT_EQ(vx_term_picture_mode("kitty"), VX_PICTURES_KITTY);
    EXPECT_EQ(vx_term_picture_mode("Sixel"), -1);
}

TEST(TermPictures, ShrinkingKeepsThinLinesAndTextArtPlacesEachDot) {
    // A one-pixel vertical line survives a shrink to a third.
    VxtImage line = image(9, 9, {{4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8}});
    VxtImage small = vxt_shrink(line, 3, 3);
    ASSERT_EQ(small.w, 3);
    for (int y = 0; y < 3; ++y) EXPECT_EQ(small.px[static_cast<size_t>(y) * 3 + 1], 0xFFFFFFu) << y;
    EXPECT_EQ(small.px[0], 0u);
    EXPECT_EQ(vxt_shrink(line, 20, 20).w, 9); // never enlarged

    // Braille: dots 1, 8 and 7 of the first cell; the second cell empty.
    VxtImage dots = image(4, 4, {{0, 0}, {1, 3}, {0, 3}});
    EXPECT_EQ(vxt_braille(dots), u(u8"\u28c1\u2800\n"));
    // Half blocks: upper, lower, both, none; a grey dot counts, a dark one not.
    VxtImage blocks = image(4, 2, {{0, 0}, {1, 1}, {2, 0}, {2, 1}}, 0x808080);
    blocks.px[3] = 0x202020;
    EXPECT_EQ(vxt_half_blocks(blocks), u(u8"\u2580\u2584\u2588 \n"));
}

TEST(TermPictures, SixelAndKittyCarryEveryPixel) {
    VxtImage img = image(5, 7, {{0, 0}, {4, 6}, {2, 3}});
    img.px[1] = 0x808080;
    std::string six = vxt_sixel(img);
    EXPECT_EQ(six.substr(0, 16), "\x1bP0;1;0q\"1;1;5;7");
    EXPECT_NE(six.find(";2;100;100;100#"), std::string::npos);
    EXPECT_NE(six.find(";2;50;50;50#"), std::string::npos);
    EXPECT_EQ(six.substr(six.size() - 2), "\x1b\\");
    EXPECT_EQ(static_cast<int>(std::count(six.begin(), six.end(), '-')), 2); // two bands of six rows

    // Kitty: chunks of base64 that unpack to the RGB pixels.
    VxtImage big = image(300, 200, {{0, 0}, {299, 199}, {150, 100}});
    for (int i = 0; i < 300 * 200; i += 7) big.px[static_cast<size_t>(i)] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
    std::string k = vxt_kitty(big, 30, 10);
    EXPECT_EQ(k.find("\x1b_Ga=T,f=24,q=2,s=300,v=200,c=30,r=10,o=z,m=1;"), 0u);
    std::string data;
    for (size_t at = 0; (at = k.find("\x1b_G", at)) != std::string::npos; at += 3) {
        size_t semi = k.find(';', at), end = k.find("\x1b\\", at);
        ASSERT_LE(end - semi - 1, 4096u);
        data += k.substr(semi + 1, end - semi - 1);
    }
    EXPECT_NE(k.rfind("m=0;"), std::string::npos);
    std::vector<unsigned char> packed = unbase64(data);
    std::vector<unsigned char> rgb(300 * 200 * 3);
    uLongf n = rgb.size();
    ASSERT_EQ(uncompress(rgb.data(), &n, packed.data(), packed.size()), Z_OK);
    ASSERT_EQ(n, rgb.size());
    for (size_t i = 0; i < big.px.size(); ++i)
        ASSERT_EQ(static_cast<uint32_t>(rgb[i * 3] << 16 | rgb[i * 3 + 1] << 8 | rgb[i * 3 + 2]), big.px[i]) << i;
}
