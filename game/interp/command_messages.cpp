// The short replies that several handlers share, and the prompts of the
// title and end screens. Each is one message with its arguments built in,
// so that the handlers never repeat the wording.
#include "command.h"
#include "console.h"
#include "message.h"
#include "noun.h"

#include <algorithm>
#include <string>

void msg_cannot_do_here() { message("ここではできない。"); }
void msg_cannot_break() { message("壊すのは無理そうだ。"); }
void msg_cannot_read() { message("それは読めない。"); }
void msg_does_not_budge() { message("びくともしない。"); }
void msg_cannot_climb() { message("よじ登るのは無理だ。"); }
void msg_nothing_happened() { message("なにも起こらなかった。"); }
void msg_nothing_special() { message("とくに変わったところはない。"); }
void msg_not_here() { message("ここには見あたらない。"); }
void msg_nothing_left() { message("もう何もない。"); }
void msg_pick_up_first() { message("まずは手に取ってみたほうがいい。"); }
void msg_no_need_to_carry() { message("持って行く必要はないだろう。"); }
void msg_several_doors() { message("扉は複数ある。"); }
void msg_several_doors(std::initializer_list<int> doors) { msg_several("扉は複数ある。", doors); }
void msg_several_bookshelves() {
    msg_several("本棚は複数ある。", {ni_front_bookshelf, ni_left_bookshelf, ni_right_bookshelf});
}

// "…は複数ある。" and, after it, each of the things with its word in
// brackets, so that the player can name the one meant.
void msg_several(const char *several, std::initializer_list<int> nids) {
    int n[4] = {ni_invalid, ni_invalid, ni_invalid, ni_invalid};
    int count = 0;
    std::string format = several;
    for (int nid : nids) {
        if (count == 4) break;  // no place has more than four of a kind
        if (count > 0) format += count + 1 == static_cast<int>(std::min<size_t>(nids.size(), 4)) ? "と" : "、";
        format += "%nl";
        n[count++] = nid;
    }
    if (count > 0) format += "がある。";
    message(format.c_str(), n[0], n[1], n[2], n[3]);
}
void msg_door_locked() { message("扉には鍵が掛かっている。"); }
void msg_door_unlocked() { message("ガチャリと音を立てて扉の鍵が開いた。"); }
void msg_door_already_unlocked() { message("扉の鍵はすでに開いている。"); }
void msg_door_closed() { message("扉が閉まっている。"); }
void msg_door_already_closed() { message("扉はすでに閉まっている。"); }
void msg_handle_unlocks() { message("扉の取っ手を回すと、ガチャリと鍵が外れた。"); }
void msg_key_does_not_fit() { message("この鍵は鍵穴に合わない。"); }
void msg_too_big() { message("持っていくには大きすぎる。"); }
void msg_too_heavy() { message("重すぎる。"); }
void msg_too_far() { message("ここからでは遠すぎる。"); }
void msg_cannot_combine() { message("これは組み合わせられない。"); }

// Climbing out of reach: only the baron who pulled himself out of a bog by
// his own hair could manage it.
void msg_tall_tale() { message("そんな芸当ができるのは、ほら吹き男爵くらいのものだ。"); }

void msg_no_higher() { message("これ以上どこへ登ろうというのか。"); }
void msg_armor_stands() { message("目の前には%nnが立っている。", ni_samurai_armor); }
void msg_armor_threatens() { message("%nlを構え、今にもあなたに斬りかかろうとしている！", ni_samurai_sword); }
void msg_no_circle_left() { message("もう魔法陣は残っていない。"); }
void msg_furniture_in_way() { message("並んだ家具が邪魔で近づけない。"); }
void msg_no_room_to_move() { message("動かす場所がない。"); }
void msg_lying_beside() { message("%nnの傍には%nlが落ちている。", ni_skeleton, ni_pocket_notebook); }
void msg_too_dark() { message("真っ暗で何も見えない。灯りを見つけてきた方がよさそうだ。"); }
void msg_time_prompt() { message("(「0715」のように数字4桁で入れてください。リターンキーで中止)"); }

void msg_title_prompt() {
    message("「%v」(最初から)または「%v」(前回の続き)と入力してください。", vi_start, vi_load);
}

void msg_end_prompt() {
    message("タイトルに戻るなら「%v」、データをロードするなら「%v」と入力してください。", vi_title, vi_load);
}
