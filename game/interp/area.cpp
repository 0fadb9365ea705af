// The area table, the current and pending area, moves between areas and
// the flows between the title, a game, its end and the ending.
#include "area.h"

#include "command.h"
#include "console.h"
#include "game_assert.h"
#include "message.h"
#include "scene.h"
#include "noun.h"
#include "status.h"

#include "vexdraw.h"

#include <cstdlib>

namespace {

const area_info *area_table = nullptr;

int next_area = -1;

const area_info *record(int ai) { return area_table && ai >= 0 && ai < ai_end ? &area_table[ai] : nullptr; }

}  // namespace

void area_check_ids_in(const area_info *table, int count) {
    for (int i = 0; i < count; ++i) {
        if (table[i].id != i) {
            vx_printf("システムエラー: エリア「%s」のID(%d->%d)がずれています。\n", table[i].name, i, table[i].id);
            std::exit(1);
        }
    }
}

void area_set_table(const area_info *table) { area_table = table; }

void area_check_ids() {
    if (area_table) area_check_ids_in(area_table, ai_end);
}

void area_request_move(int ai) { next_area = ai; }

int area_next() { return next_area; }

void area_perform_move() {
    const area_info *a = record(next_area);
    next_area = -1;
    if (!a) return;
    set_cur_area(a->id);
    flag_set(a->visited_flag);
    console_print(a->description);
}

const area_info *area_record(int ai) { return record(ai); }

void area_print_description(int ai) {
    if (const area_info *a = record(ai)) console_print(a->description);
}

int area_call_handler(int ai, int vid, int nid, int *noun_here) {
    GAME_ASSERT(vid != vi_invalid);
    const area_info *a = record(ai);
    return a ? a->handler(vid, nid, noun_here) : 0;
}

void area_call_turn_hook(int ai, int counted) {
    const area_info *a = record(ai);
    if (a && a->turn_hook) a->turn_hook(counted);
}

int area_is_visited(int ai) {
    const area_info *a = record(ai);
    return a ? flag_test(a->visited_flag) : 0;
}

void area_draw_picture(int ai) {
    if (const area_info *a = record(ai)) a->draw_picture();
}

void go_to_title() {
    status_reset();
    message("Keldary of the Houseの世界へようこそ。");
    area_request_move(ai_title);
    help_basic();
    msg_title_prompt();
}

void start_new_game() {
    doc_intro();
    status_reset();
    undo_reset(UNDO_LIMIT_NEW_GAME);
    add_item(ni_newspaper);
    area_request_move(ai_mailbox);
}

void go_to_achievements() { area_request_move(ai_achievements); }

void game_over() {
    message("      + + + + + + +  ゲームオーバー  + + + + + + + +");
    area_request_move(ai_game_over);
    area_perform_move();
    msg_end_prompt();
}

void die() {
    message("あなたの意識はそのまま途切れた…。");
    set_wait_return_callback(game_over);
}

void die_by_water() {
    event_water_death();
    die();
}

void die_by_shadow() {
    event_shadow_death();
    die();
}

void die_by_armour() {
    event_armor_death();
    die();
}

void die_by_window() {
    event_window_death();
    die();
}

void game_clear() {
    message("      + + + + + + +  ゲームクリア  + + + + + + + +");
    area_request_move(ai_clear);
    area_perform_move();
    message("なおこのゲームはフィクションであり、実在の人物・団体・事件・小説・ゲーム・アニメ・漫画・旧支配者などには一切関係ありません。");
    msg_end_prompt();
}
