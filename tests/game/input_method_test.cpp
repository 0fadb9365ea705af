// Kana typed through an input method (terminal play), and the terminal's
// request to end.
#include "command.h"
#include "console.h"
#include "game_support.h"
#include "vexdraw.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gametest::keys;
using gametest::play;
using gametest::printed;

// Key scripts are UTF-8, unlike the Shift-JIS narrow literals here.
std::string u(const char8_t *s) { return reinterpret_cast<const char *>(s); }

class InputMethod : public gametest::GameTest {};

TEST_F(InputMethod, KanaStandAsTypedBesideRomaji) {
    play({"hajimeru"});
    keys(u(u8"よむ shinbunn\n"));
    EXPECT_TRUE(printed("幽霊屋敷の調査に向かった"));

    // A kana is deleted whole; romaji pending before it stays as typed.
    keys(u(u8"kよ{BackSpace}む"));
    EXPECT_EQ(std::string(input_line_text()), ">kむ_");
    keys("{C-c}");
    // Katakana and the long-vowel mark need no conversion in any mode.
    keys(u(u8"{F1}{F1}ヨム　シンブン\n"));
    EXPECT_TRUE(printed("幽霊屋敷の調査に向かった"));

    // The typing limit holds for kana too.
    std::string many;
    for (int i = 0; i < 60; ++i) many += u(u8"あ");
    keys(many);
    EXPECT_EQ(std::string(input_line_text()).size(), 72u); // prompt, 35 kana, cursor
}

TEST_F(InputMethod, TheTerminalsEndRequestAsksTheQuitQuestion) {
    play({"hajimeru"});
    console_key_handler(VX_KEY_CLOSE);
    EXPECT_TRUE(printed("プログラムを終了しますか"));
    EXPECT_TRUE(line_handler_active());
    play({"iie"});
    EXPECT_FALSE(line_handler_active());
}

}  // namespace
