// The title, game-over and ending screens: what the player can type there.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "noun.h"

int area_title_handler(int vid, int nid, int *) {
    switch (vid) {
    case vi_start:
        start_new_game();
        return 1;
    case HIDDEN_VERB:
        if (nid == ni_invalid)
            go_to_achievements();
        else
            start_new_game();
        return 1;
    case vi_look:
        if (nid != ni_invalid) break;
        message("いつまでもタイトル画面を見ていてもしかたがない。");
        return 1;
    case vi_help:
    case vi_load:
    case vi_quit:
    case vi_config:
        return 0;
    default:
        break;
    }
    msg_title_prompt();
    return 1;
}

namespace {

// Game over and the ending answer alike, apart from a few remarks.
int end_screen_handler(int vid, int nid, bool ending) {
    switch (vid) {
    case vi_help: message("もう誰もあなたを助けられない。"); return 1;
    case vi_inventory: message("生前の持ち物はここにはない。"); return 1;
    case vi_save: message("いまさらセーブしても手遅れだ。"); return 1;
    case vi_load:
    case vi_quit:
    case vi_config:
    case vi_score: return 0;
    case vi_start: start_new_game(); return 1;
    case vi_title: go_to_title(); return 1;
    case vi_pray: message("死んでから祈ってもしかたがない。"); return 1;
    case vi_look:
        if (nid == ni_invalid) {
            message(ending ? "ここはエンディングだ。" : "ここは死後の世界だ。");
            return 1;
        }
        [[fallthrough]];
    case vi_examine:
        if (ending) {
            message("なにか書いてある。");
            message("「タイトル画面で『%v』と入力すると…」", HIDDEN_VERB);
        } else {
            message("いくら調べても、現世に戻る手段はない。");
        }
        return 1;
    default: msg_end_prompt(); return 1;
    }
}

}  // namespace

int area_game_over_handler(int vid, int nid, int *) { return end_screen_handler(vid, nid, false); }

int area_clear_handler(int vid, int nid, int *) { return end_screen_handler(vid, nid, true); }

void area_title_draw() {}
void area_game_over_draw() {}
void area_clear_draw() {}
