// The verb handlers common to every area: what the portable items do
// wherever the player is (look, examine, use, read, combine, take apart,
// detach), the inventory listing, the recall of documents read earlier, and
// the common outcomes the area handlers use (an item taken or put down, a
// door passed).
#include "command.h"

#include "area.h"
#include "console.h"
#include "flags.h"
#include "game_assert.h"
#include "message.h"
#include "noun.h"
#include "status.h"
#include "vexdraw.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace {

// ---- Combine question ----
int combine_first = ni_invalid;
int combine_wanted = 0;
int combine_count = 0;
int combine_selected[NID_COUNT];

void combine_select(int nid) {
    GAME_ASSERT(nid != ni_invalid);
    if (nid < 0 || nid >= NID_COUNT) return; // not a noun: selects nothing
    if (combine_selected[nid]) return;
    combine_selected[nid] = 1;
    ++combine_count;
}

// A part takes part only when it was named and is carried: naming a toy
// the player does not have must not conjure it into a combination.
bool selected(int nid) { return combine_selected[nid] != 0 && has_item(nid); }

// Every item is carried at most once: results of combining and taking
// apart are only added when not already there (add_item guards as well).
void gain_item(int nid) {
    if (!has_item(nid)) add_item(nid);
}

void combine_decide() {
    switch (combine_first) {
    case ni_swordman:
    case ni_lion:
    case ni_bird:
        if (combine_count < 3) {
            message("これは三体合体する玩具のようだ。");
        } else if (selected(ni_swordman) && selected(ni_lion) && selected(ni_bird)) {
            message("玩具を三体合体させて%nlにした。", ni_robot);
            gain_item(ni_robot);
            remove_item(ni_swordman);
            remove_item(ni_lion);
            remove_item(ni_bird);
        } else {
            msg_cannot_combine();
        }
        break;
    case ni_robot:
    case ni_dragon:
        if (selected(ni_robot) && selected(ni_dragon)) {
            message("玩具を合体させて%nlにした。", ni_large_robot);
            gain_item(ni_large_robot);
            remove_item(ni_robot);
            remove_item(ni_dragon);
        } else {
            msg_cannot_combine();
        }
        break;
    case ni_rubber_strip:
    case ni_branch:
        if (selected(ni_branch) && selected(ni_rubber_strip)) {
            message("%nnに%nnを結びつけて%nlを作った。", ni_branch, ni_rubber_strip, ni_slingshot);
            flag_set(F_SLINGSHOT_REPAIRED);
            gain_item(ni_slingshot);
            remove_item(ni_branch);
            remove_item(ni_rubber_strip);
        } else {
            msg_cannot_combine();
        }
        break;
    case ni_fishing_rod:
    case ni_sponge:
        if (selected(ni_fishing_rod) && selected(ni_sponge)) {
            if (flag_test(F_SPONGE_HOOKED)) {
                message("%nnはもう釣り針に引っかけてある。", ni_sponge);
            } else {
                // Both stay in the inventory; the flag ties them together.
                message("釣り針に%nnを引っかけた。", ni_sponge);
                flag_set(F_SPONGE_HOOKED);
            }
        } else {
            msg_cannot_combine();
        }
        break;
    default:
        msg_cannot_combine();
        break;
    }
}

// Shared by dismantling the rod or the sponge and detaching the sponge.
void unhook_sponge() {
    message("%nnを%nnから外した。", ni_sponge, ni_fishing_rod);
    flag_clear(F_SPONGE_HOOKED);
}

// ---- Recall ----
struct recall_row {
    int flag;
    int nid;
    void (*show)();
};

constexpr recall_row recall_table[] = {
    {F_POSTCARD_READ, ni_postcard, doc_postcard},
    {F_STUDY_NOTES_READ, ni_study_note, doc_study_note},
    {F_SEANCE_READ, ni_necromancy, doc_seance_rules},
    {F_MIRROR_MESSAGE_READ, ni_1f_bathroom, doc_mirror_message},
    {F_WALL_WRITING_READ, ni_2f_bathroom, doc_spell_fragment},
    {F_NOTEBOOK_READ, ni_secret_room_note, doc_owner_confession},
    {F_SECRET_LETTER_READ, ni_secret_room_letter, doc_ritual_letter},
    {F_SECRET_BOOK_READ, ni_another_world, doc_spell_book},
    {F_BOILER_NOTES_READ, ni_boiler_room, doc_colonel_notes},
};

// ---- Inventory ----
constexpr int INVENTORY_ITEMS_MAX = ni_item_end - ni_newspaper; // 58 portable items
constexpr int INVENTORY_ENTRY_MAX = 96; // "name[word] "; the longest is about 40 bytes
constexpr int INVENTORY_LINE_SIZE = INVENTORY_ITEMS_MAX * INVENTORY_ENTRY_MAX + 1;

} // namespace

int item_command(int vid, int nid, int noun_here) {
    bool carried = has_item(nid) != 0;
    switch (vid) {
    case vi_look:
        if (!noun_here) return 0;
        look_item(nid);
        return 1;
    case vi_examine:
        if (carried) {
            examine_item(nid);
            return 1;
        }
        if (!noun_here) return 0;
        msg_pick_up_first();
        return 1;
    case vi_get:
        if (!carried) return 0;
        message("%nnはもう持っている。", nid);
        return 1;
    case vi_put:
        if (!carried) return 0;
        msg_cannot_do_here();
        return 1;
    case vi_use:
        if (!carried) return 0;
        use_item(nid);
        return 1;
    case vi_remove:
        detach_item(nid);
        return 1;
    case vi_touch:
        if (!carried) return 0;
        msg_nothing_happened();
        return 1;
    case vi_read:
        if (carried) {
            read_item(nid);
            return 1;
        }
        if (!noun_here) return 0;
        msg_pick_up_first();
        return 1;
    case vi_combine:
        if (!carried) return 0;
        combine_item(nid);
        return 1;
    case vi_dismantle:
        if (!carried) return 0;
        dismantle_item(nid);
        return 1;
    default:
        return 0;
    }
}

void look_item(int nid) {
    switch (nid) {
    case ni_newspaper:
        doc_newspaper_clipping();
        flag_set(F_CLIPPING_SEEN);
        break;
    case ni_slingshot:
        if (flag_test(F_SLINGSHOT_REPAIRED))
            message("%nnだ。", ni_slingshot);
        else
            message("壊れた%nnだ。", ni_slingshot);
        break;
    case ni_belt:
        message("大型犬用の首輪だ。小さな革袋がぶら下がっている。");
        break;
    case ni_fishing_rod:
        message("普通の%nnだ。\\", ni_fishing_rod);
        if (flag_test(F_SPONGE_HOOKED))
            message("釣り針に%nnを引っかけてある。", ni_sponge);
        else
            message("");
        break;
    case ni_sponge:
        if (flag_test(F_SPONGE_HOOKED)) message("釣り針に引っかけた、\\");
        message("入浴用のスポンジだ。\\");
        if (flag_test(F_SPONGE_WET))
            message("水をたっぷりと含んでいる。");
        else
            message("");
        break;
    case ni_candle:
        if (flag_test(F_CANDLE_LIT))
            message("火のついた%nnだ。", ni_candle);
        else
            message("%nnだ。", ni_candle);
        break;
    case ni_lantern:
        if (flag_test(F_LANTERN_LIT))
            message("灯りのついた%nnだ。", ni_lantern);
        else
            message("持ち歩き用の%nnだ。", ni_lantern);
        break;
    default: {
        const char *desc = noun_description(nid);
        message("%s", desc ? desc : "");
        break;
    }
    }
}

void examine_item(int nid) {
    switch (nid) {
    case ni_glasses:
        if (flag_test(F_PHOTO_MAN_SEEN))
            doc_glasses_remark();
        else
            msg_nothing_special();
        break;
    case ni_swordman:
    case ni_lion:
    case ni_bird:
    case ni_dragon:
        message("変形合体できるようになっている。");
        break;
    case ni_robot:
        message("剣士・ライオン・鳥の玩具を変形合体させたものだ。");
        break;
    case ni_large_robot:
        message("ロボットとドラゴンの玩具を変形合体させたものだ。");
        break;
    case ni_slingshot:
        message("ゴムの力で小石などを飛ばす玩具だ。\\");
        if (flag_test(F_SLINGSHOT_REPAIRED))
            message("折れた柄を%nnで代用してある。", ni_branch);
        else
            message("残念ながら、柄が折れているため使えない。");
        break;
    case ni_roast_chicken:
        message("ずいぶん古いもののはずだが、不思議なことに腐りもせず、今でも食べられそうに見える。");
        break;
    case ni_mirror:
        message("裏側になにか書いてある。");
        break;
    case ni_belt:
        message("首輪にぶら下げられた革袋の口を開けると、中から小さな石版のようなものが出てきた。");
        remove_item(ni_belt);
        gain_item(ni_stone);
        break;
    case ni_hat:
        if (flag_test(F_CLIPPING_SEEN)) message("新聞の写真で大佐がかぶっていたものと同じだ。\\");
        message("乾いた血のような、茶色い染みが広がっている。");
        break;
    case ni_origami_plane:
        message("字が書いてある。ノートのページかなにかを折って作ったようだ。");
        break;
    case ni_score:
        message("ピアノ用の楽譜のようだ。");
        break;
    case ni_bottle:
        message("中には奇妙な香りのする黒い粉末が入っている。香だろうか。");
        break;
    case ni_diary:
        doc_diary_torn();
        break;
    case ni_paper:
        message("日記帳のページを破いたもののようだ。");
        break;
    case ni_lantern:
        if (flag_test(F_LANTERN_LIT))
            message("ランタンは点いている。\\");
        else
            message("ランタンは消えている。\\");
        message("油はまだ十分入っている。");
        break;
    case ni_wastepaper:
        message("広げてみると、なにか書いてある。");
        message("どうやら子供の%nlのようだ。", ni_essay);
        gain_item(ni_essay);
        remove_item(ni_wastepaper);
        break;
    case ni_fossil:
        message("ずっしりと重い。");
        break;
    case ni_stone:
        message("灰白色の小さな石だ。奇妙に歪んだ星型の印が彫られている。");
        break;
    default:
        msg_nothing_special();
        break;
    }
}

void use_item(int nid) {
    switch (nid) {
    case ni_slingshot:
        // Shooting at a target is the business of the areas that have one.
        if (!flag_test(F_SLINGSHOT_REPAIRED))
            message("パチンコは壊れている。");
        else if (has_item(ni_marble))
            message("撃つ相手がいない。");
        else
            message("弾にするものがない。");
        break;
    case ni_lantern:
        if (flag_test(F_LANTERN_LIT)) {
            message("%nnはもう点いている。", ni_lantern);
        } else if (has_item(ni_candle) && flag_test(F_CANDLE_LIT)) {
            message("%nnを使って%nnを点けた。", ni_candle, ni_lantern);
            flag_set(F_LANTERN_LIT);
        } else {
            message("燃料の油は入っているが、火種がない。");
        }
        break;
    default:
        msg_cannot_do_here();
        break;
    }
}

void read_item(int nid) {
    switch (nid) {
    case ni_newspaper: doc_newspaper_article(); break;
    case ni_leaflet: doc_leaflet(); break;
    case ni_mirror: doc_mirror_back(); break;
    case ni_origami_plane: message("折りたたんであるので、このままでは読めない。"); break;
    case ni_score: doc_score_title(); break;
    case ni_diary: doc_diary_last_pages(); break;
    case ni_paper: doc_diary_page(); break;
    case ni_postcard: doc_postcard(); break;
    case ni_logbook: doc_logbook(); break;
    case ni_essay: doc_essay(); break;
    case ni_necromancy: doc_seance_book(); break;
    case ni_letter: doc_ritual_letter(); break;
    default: msg_cannot_read(); break;
    }
}

void combine_item(int nid) {
    std::memset(combine_selected, 0, sizeof combine_selected);
    combine_count = 0;
    combine_wanted = 1;
    // The three small toys join into one: two more parts are asked for.
    if (nid == ni_swordman || nid == ni_lion || nid == ni_bird) combine_wanted = 2;
    combine_select(nid);
    combine_first = nid;
    message("何と合体させる?");
    set_line_handler(answer_combine, "?");
}

int answer_combine(char *line) {
    char empty[1] = {'\0'};
    char *noun = nullptr;
    trim_spaces(line ? line : empty, &noun);
    // Return alone (or blanks only) names nothing: it ends the question.
    if (!noun) {
        msg_cannot_combine();
        return 0;
    }
    int nid = word2nid(noun);
    --combine_wanted;
    if (nid != ni_unknown) combine_select(nid);
    if (combine_wanted > 0) return 1;
    combine_decide();
    return 0;
}

void dismantle_item(int nid) {
    switch (nid) {
    case ni_robot:
        remove_item(ni_robot);
        gain_item(ni_swordman);
        gain_item(ni_lion);
        gain_item(ni_bird);
        message("%nnを分解した。", ni_robot);
        break;
    case ni_large_robot:
        remove_item(ni_large_robot);
        gain_item(ni_robot);
        gain_item(ni_dragon);
        message("%nnを分解した。", ni_large_robot);
        break;
    case ni_slingshot:
        // The repair stays known: the branch fits again later.
        remove_item(ni_slingshot);
        gain_item(ni_rubber_strip);
        if (flag_test(F_SLINGSHOT_REPAIRED)) gain_item(ni_branch);
        message("%nnを分解した。", ni_slingshot);
        break;
    case ni_origami_plane:
        remove_item(ni_origami_plane);
        gain_item(ni_paper);
        message("%nnを分解した。", ni_origami_plane);
        break;
    case ni_fishing_rod:
    case ni_sponge:
        if (flag_test(F_SPONGE_HOOKED))
            unhook_sponge();
        else
            message("%nnは分解できない。", nid);
        break;
    default:
        message("%nnは分解できない。", nid);
        break;
    }
}

void detach_item(int nid) {
    if (nid == ni_sponge && has_item(ni_fishing_rod) && flag_test(F_SPONGE_HOOKED))
        unhook_sponge();
    else
        message("%nnは外せない。", nid);
}

void show_inventory() {
    console_print("[持ち物]");
    static char line[INVENTORY_LINE_SIZE];
    std::size_t len = 0;
    line[0] = '\0';
    int count = item_count_get();
    for (int i = 0; i < count; ++i) {
        int nid = item_at(i);
        const char *word = nid2noun(nid);
        GAME_ASSERT(nid2noun(nid) != NULL);
        vx_printf("%d\n", i);
        char entry[INVENTORY_ENTRY_MAX];
        int n = std::snprintf(entry, sizeof entry, "%s[%s] ", nid2name(nid), word);
        // Whole entries only, so a Shift-JIS character is never cut.
        if (n < 0 || n >= static_cast<int>(sizeof entry) ||
            len + static_cast<std::size_t>(n) >= sizeof line) {
            vx_printf("show_inventory: item %d does not fit\n", nid);
            continue;
        }
        std::memcpy(line + len, entry, static_cast<std::size_t>(n) + 1);
        len += static_cast<std::size_t>(n);
    }
    if (len == 0) std::snprintf(line, sizeof line, "%s", "(なし)");
    vx_printf("%s\n", line);
    console_print(line);
}

void recall_command(int nid) {
    for (const recall_row &row : recall_table) {
        if (row.nid == nid && flag_test(row.flag)) {
            row.show();
            return;
        }
    }
    int listed = 0;
    for (const recall_row &row : recall_table) {
        if (!flag_test(row.flag)) continue;
        message("%nl \\", row.nid);
        ++listed;
    }
    if (listed > 0) {
        message("");
        message("以上のことを思い出せる。");
    } else {
        message("まだ思い出せるようなことはない。");
    }
}

void take_item(int nid, int flag) {
    message("%nnを手に入れた。", nid);
    // Never twice in the inventory, even if an area offers a carried item.
    gain_item(nid);
    if (flag != -1) flag_set(flag);
}

void put_item(int nid, int flag, const char *text) {
    if (text)
        message(text, nid);
    else
        message("%nnを置いた。", nid);
    remove_item(nid);
    if (flag != -1) flag_set(flag);
}

void door_move(int area, int flag) {
    message("扉を開けて移動した。");
    if (flag != -1) flag_set(flag);
    area_request_move(area);
}
