// The area table, the current and pending area, moves between areas and
// the flows between the title, a game, its end and the ending.
#include "area.h"

#include "areas/areas.h"
#include "command.h"
#include "console.h"
#include "main.h"
#include "noun.h"
#include "status.h"

#include "vexdraw.h"

#include <cstdlib>

namespace {

constexpr area_info area_table[] = {
    {ai_title, FLAG_VISITED_BASE + ai_title, "タイトル画面",
     "「動詞」もしくは「動詞 名詞」の形式で入力してください。",
     area_title_handler, nullptr, area_title_draw},
    {ai_game_over, FLAG_VISITED_BASE + ai_game_over, "ゲームオーバー",
     "あなたは死にました。",
     area_game_over_handler, nullptr, area_game_over_draw},
    {ai_clear, FLAG_VISITED_BASE + ai_clear, "クリア画面",
     "おめでとう、あなたは無事に屋敷を脱出した。",
     area_clear_handler, nullptr, area_clear_draw},
    {ai_achievements, FLAG_VISITED_BASE + ai_achievements, "達成度",
     "ゲームの達成度",
     area_achievements_handler, nullptr, area_achievements_draw},
    {ai_mailbox, FLAG_VISITED_BASE + ai_mailbox, "郵便受け",
     "あなたは屋敷の敷地に踏み込んだところだ。",
     area_mailbox_handler, nullptr, area_mailbox_draw},
    {ai_entrance, FLAG_VISITED_BASE + ai_entrance, "玄関",
     "あなたは玄関の前にいる。",
     area_entrance_handler, nullptr, area_entrance_draw},
    {ai_opened_window, FLAG_VISITED_BASE + ai_opened_window, "窓の下",
     "あなたは玄関右手の壁際にいる。",
     area_opened_window_handler, nullptr, area_opened_window_draw},
    {ai_washtub, FLAG_VISITED_BASE + ai_washtub, "洗い桶",
     "あなたは屋敷の玄関右手にいる。",
     area_washtub_handler, nullptr, area_washtub_draw},
    {ai_backdoor, FLAG_VISITED_BASE + ai_backdoor, "裏口",
     "あなたは裏口の前にいる。",
     area_backdoor_handler, nullptr, area_backdoor_draw},
    {ai_under_tree, FLAG_VISITED_BASE + ai_under_tree, "屋敷裏",
     "あなたは屋敷の裏にいる。",
     area_under_tree_handler, nullptr, area_under_tree_draw},
    {ai_garden, FLAG_VISITED_BASE + ai_garden, "庭園",
     "あなたは庭園にいる。",
     area_garden_handler, nullptr, area_garden_draw},
    {ai_entrance_hall, FLAG_VISITED_BASE + ai_entrance_hall, "玄関ホール",
     "あなたは玄関ホールにいる。",
     area_entrance_hall_handler, nullptr, area_entrance_hall_draw},
    {ai_corridor_1f_fl, FLAG_VISITED_BASE + ai_corridor_1f_fl, "一階左翼廊下",
     "あなたは一階の廊下にいる。",
     area_corridor_1f_fl_handler, nullptr, area_corridor_1f_fl_draw},
    {ai_corridor_1f_bl, FLAG_VISITED_BASE + ai_corridor_1f_bl, "一階左翼廊下",
     "あなたは一階の廊下にいる。",
     area_corridor_1f_bl_handler, nullptr, area_corridor_1f_bl_draw},
    {ai_corridor_1f_fr, FLAG_VISITED_BASE + ai_corridor_1f_fr, "一階右翼廊下",
     "あなたは一階の廊下にいる。",
     area_corridor_1f_fr_handler, nullptr, area_corridor_1f_fr_draw},
    {ai_corridor_1f_mr, FLAG_VISITED_BASE + ai_corridor_1f_mr, "一階右翼廊下",
     "あなたは一階の廊下にいる。",
     area_corridor_1f_mr_handler, nullptr, area_corridor_1f_mr_draw},
    {ai_corridor_1f_br, FLAG_VISITED_BASE + ai_corridor_1f_br, "1階右翼廊下",
     "あなたは1階の廊下にいる。",
     area_corridor_1f_br_handler, nullptr, area_corridor_1f_br_draw},
    {ai_bathroom, FLAG_VISITED_BASE + ai_bathroom, "浴室",
     "あなたは浴室にいる。",
     area_bathroom_handler, nullptr, area_bathroom_draw},
    {ai_dining, FLAG_VISITED_BASE + ai_dining, "食堂",
     "あなたは食堂にいる。",
     area_dining_handler, nullptr, area_dining_draw},
    {ai_kitchen, FLAG_VISITED_BASE + ai_kitchen, "台所",
     "あなたは台所にいる。",
     area_kitchen_handler, nullptr, area_kitchen_draw},
    {ai_laundry, FLAG_VISITED_BASE + ai_laundry, "洗濯室",
     "あなたは洗濯室にいる。",
     area_laundry_handler, nullptr, area_laundry_draw},
    {ai_living, FLAG_VISITED_BASE + ai_living, "居間",
     "あなたは居間にいる。",
     area_living_handler, area_living_turn_hook, area_living_draw},
    {ai_guestroom_1f, FLAG_VISITED_BASE + ai_guestroom_1f, "客室",
     "あなたは客室にいる。",
     area_guestroom_1f_handler, nullptr, area_guestroom_1f_draw},
    {ai_storage, FLAG_VISITED_BASE + ai_storage, "物置部屋",
     "あなたは物置部屋にいる。",
     area_storage_handler, nullptr, area_storage_draw},
    {ai_playroom, FLAG_VISITED_BASE + ai_playroom, "遊戯室",
     "あなたは遊戯室にいる。",
     area_playroom_handler, nullptr, area_playroom_draw},
    {ai_landing, FLAG_VISITED_BASE + ai_landing, "踊り場",
     "あなたは階段二階の踊り場にいる。",
     area_landing_handler, nullptr, area_landing_draw},
    {ai_corridor_2f_l, FLAG_VISITED_BASE + ai_corridor_2f_l, "二階階左翼廊下",
     "あなたは二階の廊下にいる。",
     area_corridor_2f_l_handler, nullptr, area_corridor_2f_l_draw},
    {ai_corridor_2f_c, FLAG_VISITED_BASE + ai_corridor_2f_c, "二階階廊下中央",
     "あなたは二階の廊下にいる。",
     area_corridor_2f_c_handler, nullptr, area_corridor_2f_c_draw},
    {ai_corridor_2f_cr, FLAG_VISITED_BASE + ai_corridor_2f_cr, "二階階右翼廊下手前",
     "あなたは二階の廊下にいる。",
     area_corridor_2f_cr_handler, area_corridor_2f_cr_turn_hook, area_corridor_2f_cr_draw},
    {ai_corridor_2f_r, FLAG_VISITED_BASE + ai_corridor_2f_r, "二階階右翼廊下奥",
     "あなたは二階の廊下にいる。",
     area_corridor_2f_r_handler, nullptr, area_corridor_2f_r_draw},
    {ai_boys_room, FLAG_VISITED_BASE + ai_boys_room, "子供部屋",
     "あなたは子供部屋にいる。",
     area_boys_room_handler, nullptr, area_boys_room_draw},
    {ai_bed, FLAG_VISITED_BASE + ai_bed, "二段ベッド上段",
     "あなたは二段ベッドの梯子の上にいる。",
     area_bed_handler, nullptr, area_bed_draw},
    {ai_girls_room, FLAG_VISITED_BASE + ai_girls_room, "子供部屋",
     "あなたは子供部屋にいる。",
     area_girls_room_handler, nullptr, area_girls_room_draw},
    {ai_guestroom_2f, FLAG_VISITED_BASE + ai_guestroom_2f, "客室",
     "あなたは客室にいる。",
     area_guestroom_2f_handler, area_guestroom_2f_turn_hook, area_guestroom_2f_draw},
    {ai_study, FLAG_VISITED_BASE + ai_study, "書斎",
     "あなたは書斎にいる。",
     area_study_handler, area_study_turn_hook, area_study_draw},
    {ai_library, FLAG_VISITED_BASE + ai_library, "図書室",
     "あなたは図書室にいる。",
     area_library_handler, area_library_turn_hook, area_library_draw},
    {ai_bookshelf, FLAG_VISITED_BASE + ai_bookshelf, "本棚の上",
     "あなたは梯子に上って本棚の上を見ている。",
     area_bookshelf_handler, nullptr, area_bookshelf_draw},
    {ai_bedroom, FLAG_VISITED_BASE + ai_bedroom, "寝室",
     "あなたは寝室にいる。",
     area_bedroom_handler, nullptr, area_bedroom_draw},
    {ai_ladys_room, FLAG_VISITED_BASE + ai_ladys_room, "婦人部屋",
     "あなたは婦人部屋にいる。",
     area_ladys_room_handler, area_ladys_room_turn_hook, area_ladys_room_draw},
    {ai_wardrobe, FLAG_VISITED_BASE + ai_wardrobe, "洋服箪笥",
     "あなたは洋服箪笥の中にいる。",
     area_wardrobe_handler, area_wardrobe_turn_hook, area_wardrobe_draw},
    {ai_secret_room, FLAG_VISITED_BASE + ai_secret_room, "隠し部屋",
     "あなたは隠し部屋にいる。",
     area_secret_room_handler, nullptr, area_secret_room_draw},
    {ai_music_room, FLAG_VISITED_BASE + ai_music_room, "音楽室",
     "あなたは音楽室にいる。",
     area_music_room_handler, nullptr, area_music_room_draw},
    {ai_bathroom_2f, FLAG_VISITED_BASE + ai_bathroom_2f, "浴室",
     "あなたは浴室にいる。",
     area_bathroom_2f_handler, nullptr, area_bathroom_2f_draw},
    {ai_balcony, FLAG_VISITED_BASE + ai_balcony, "バルコニー",
     "あなたはバルコニーにいる。",
     area_balcony_handler, nullptr, area_balcony_draw},
    {ai_balcony_down, FLAG_VISITED_BASE + ai_balcony_down, "バルコニー",
     "あなたはバルコニーから庭園を見下ろしている。",
     area_balcony_down_handler, nullptr, area_balcony_down_draw},
    {ai_cellar, FLAG_VISITED_BASE + ai_cellar, "地下室",
     "あなたは地下室にいる。",
     area_cellar_handler, nullptr, area_cellar_draw},
    {ai_boiler_room, FLAG_VISITED_BASE + ai_boiler_room, "ボイラー室",
     "あなたはボイラー室にいる。",
     area_boiler_room_handler, nullptr, area_boiler_room_draw},
    {ai_corridor_0f, FLAG_VISITED_BASE + ai_corridor_0f, "地下通路",
     "あなたは地下へ下っていく通路にいる。",
     area_corridor_0f_handler, nullptr, area_corridor_0f_draw},
    {ai_temple, FLAG_VISITED_BASE + ai_temple, "神殿",
     "あなたは神殿にいる。",
     area_temple_handler, area_temple_turn_hook, area_temple_draw},
    {ai_temple_ceiling, FLAG_VISITED_BASE + ai_temple_ceiling, "神殿の天井",
     "あなたは神殿の天井を見上げている。",
     area_temple_ceiling_handler, nullptr, area_temple_ceiling_draw},
    {ai_cave_entrance, FLAG_VISITED_BASE + ai_cave_entrance, "洞窟の入口",
     "あなたは洞窟の入口に立って神殿を覗き込んでいる。",
     area_cave_entrance_handler, nullptr, area_cave_entrance_draw},
    {ai_cave, FLAG_VISITED_BASE + ai_cave, "洞窟",
     "あなたは洞窟にいる。",
     area_cave_handler, nullptr, area_cave_draw},
    {ai_cliff, FLAG_VISITED_BASE + ai_cliff, "崖下",
     "洞窟を出ると、そこは海岸だった。振り返ると、波に浸食された海食崖の下に洞窟の口が開いており、崖の上には、屋敷の駒形切妻屋根が見えている。",
     area_cliff_handler, nullptr, area_cliff_draw},
    {ai_working, FLAG_VISITED_BASE + ai_working, "工事中の部屋",
     "あなたは工事中の部屋にいる。この部屋はいろいろテストするためのダミー部屋のようだ。",
     area_working_handler, nullptr, area_working_draw},};
static_assert(sizeof area_table / sizeof area_table[0] == ai_end, "one record per area");

int next_area = -1;

const area_info *record(int ai) { return ai >= 0 && ai < ai_end ? &area_table[ai] : nullptr; }

}  // namespace

void area_check_ids_in(const area_info *table, int count) {
    for (int i = 0; i < count; ++i) {
        if (table[i].id != i) {
            vx_printf("システムエラー: エリア「%s」のID(%d->%d)がずれています。\n", table[i].name, i, table[i].id);
            std::exit(1);
        }
    }
}

void area_check_ids() { area_check_ids_in(area_table, ai_end); }

void area_request_move(int ai) { next_area = ai; }

int area_next() { return next_area; }

void area_perform_move() {
    const area_info *a = record(next_area);
    next_area = -1;
    if (!a) return;
    set_cur_area(a->id);
    flag_set(a->visited_flag);
    console_print(a->description);
    draw_scene_frame();
}

void area_print_description(int ai) {
    if (const area_info *a = record(ai)) console_print(a->description);
}

int area_call_handler(int ai, int vid, int nid, int *noun_here) {
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
