// The underground temple: the master of the house sits in the flooded hall.
// Here the incantation banishes it, the hall drains and collapses, and the
// spilled gasoline is set alight so the player can run for the sea cave.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "message.h"
#include "noun.h"
#include "spell.h"
#include "status.h"
#include "sjis.h"
#include "vexdraw.h"
#include "area_kit.h"

#include <cstring>

namespace {

bool circle_shining() { return flag_test(F_CIRCLE_CHARGED) && flag_test(F_MACHINE_RUNNING); }

// ---- The incantation ----


// A line typed in katakana mode reads as the hiragana it stands for, and
// letters in either case as lower case. In Shift-JIS the katakana ァ..ミ
// (0x8340..0x837E) and ム..ン (0x8380..0x8393) lie in the order of the
// hiragana ぁ..み (0x829F..0x82DD) and む..ん (0x82DE..0x82F1).
void fold_spelling(char *text) {
    for (unsigned char *p = reinterpret_cast<unsigned char *>(text); *p;) {
        if (vx_sjis_lead(p[0]) && p[1]) {
            if (p[0] == 0x83 && p[1] >= 0x40 && p[1] <= 0x93 && p[1] != 0x7F) {
                int k = p[1] - 0x40 - (p[1] > 0x7F ? 1 : 0);
                p[0] = 0x82;
                p[1] = static_cast<unsigned char>(0x9F + k);
            }
            p += 2;
        } else {
            if (*p >= 'A' && *p <= 'Z') *p = static_cast<unsigned char>(*p - 'A' + 'a');
            ++p;
        }
    }
}

// The last step: the mass runs wild and the hall drains.
void banish_aftermath() {
    message("\nだが、それで終わりではなかった。主を失った肉塊は激しく痙攣したかと思うと、狂ったように触手を振り回し始めた。");
    message("唸りを上げて振り下ろされた触手が石柱を打ち砕き、崩れ落ちた柱と瓦礫が、あなたの背後の通路を埋め尽くしてしまった。");
    message("気が付くと、どこかに亀裂が入ったのか溜まっていた水が流れ出し、神殿の床が姿を現していた。");
    flag_set(F_TEMPLE_DRAINED);
    end_line_handler();
}

void banish_shadow_gone() {
    message("\n耳をつんざくような絶叫と共に、影は魔法陣の中へと吸い込まれ、光と共にかき消えた。");
    message("後には、主を失った巨大な肉塊だけが、抜け殻のように取り残されている。");
    flag_set(F_BANISHED);
    set_wait_return_callback(banish_aftermath);
}

void banish_or_fade() {
    if (!has_item(ni_stone)) {
        message("\nしかし、呪文を唱え終えると同時に光は消え失せ、周りを満たしていた力もそのまま去っていった。");
        end_line_handler();
        return;
    }
    message("\nあなたは%nnを高く掲げ、呪文の最後の一節を唱え終えた。", ni_stone);
    message("天井から降り注ぐ光が、肉塊の奥に潜んでいた黒い影を絡め取った。影は身をよじって逃れようとするが、光の鎖はじわじわとそれを締め上げ、天井の魔法陣へと引きずり上げていく。");
    set_wait_return_callback(banish_shadow_gone);
}

// The answer to "何と唱える?". Spaces between the words do not matter; the
// phrase may come in romaji, hiragana or katakana.
int answer_incantation(char *line) {
    remove_spaces(line);
    fold_spelling(line);
    if (std::strcmp(line, SPELL_HIRAGANA) != 0 && std::strcmp(line, SPELL_ROMAJI) != 0) {
        msg_nothing_happened();
        return 0;
    }
    message("あなたが呪文を唱え始めると、眼前のそれは、わずかにたじろいだかに見えた。");
    if (!circle_shining()) {
        message("しかし、なにも起こらなかった。");
        return 0;
    }
    message("あなたの言葉と共に、天井の魔法陣が強く光り輝き、神殿内が強い力で満たされていくのを感じる。");
    // The question stays open until the last page of the banishing.
    set_wait_return_callback(banish_or_fade);
    return 1;
}

int cast() {
    // Once the master is gone the words have nothing left to bind; saying
    // them again must not replay the banishing.
    if (flag_test(F_BANISHED)) {
        message("呪文はすでに唱え終えた。支配者の影は、もうこの肉塊には残っていない。");
        return 1;
    }
    message("何と唱える?");
    set_line_handler(answer_incantation, "?");
    return 1;
}

// ---- Commands ----

void look_around() {
    area_print_description(ai_temple);
    message("巨大な柱が何本も立ち並んでいるが、その角度はどこか狂っている。見つめていると、遠近の感覚がおかしくなってくる。");
    message("向こう側の壁には、%nlの入り口らしきものが見えている。", ni_passage);
    if (flag_test_not(F_TEMPLE_DRAINED)) {
        message("背後には、地下室へと続く通路がある。");
        message("床は完全に水没しており、中央には巨大ななにか%nwが浮かんでいる。", ni_it);
        return;
    }
    message("背後は崩れてしまい、地下室へ戻る道は閉ざされている。");
    message("床の中央には、名状し難い存在%nwが根を下ろしている。", ni_it);
    if (flag_test(F_CEILING_COLLAPSED))
        message("崩れた天井から落ちてきた%nlと%nlが、瓦礫の間に転がっている。", ni_car, ni_drum);
    if (flag_test(F_GASOLINE_ABLAZE)) message("床に広がったガソリンが燃え上がり、神殿の中は炎に包まれている。");
}

int go_forward() {
    if (flag_test_not(F_TEMPLE_DRAINED))
        message("床は水没しており、そこまでたどり着けない。");
    else if (flag_test_not(F_GASOLINE_ABLAZE))
        message("触手が行く手を塞いでいる。");
    else {
        message("あなたは斜面を滑り降りると、荒れ狂う炎と触手を掻い潜るようにして神殿を走り抜け、%nnへと飛び込んだ！",
                ni_passage);
        area_request_move(ai_cave);
    }
    return 1;
}

int no_noun(int vid) {
    switch (vid) {
    case vi_backward:
    case vi_exit:
        if (flag_test(F_BANISHED))
            message("壁が崩れて、来た道を塞いでしまっている。");
        else
            area_request_move(ai_corridor_0f);
        return 1;
    case vi_forward:
    case vi_enter:
        return go_forward();
    case vi_down:
        // Once the water has gone the slope leads down to the floor.
        if (flag_test_not(F_TEMPLE_DRAINED)) return 0;
        return go_forward();
    case vi_look:
        look_around();
        return 1;
    case vi_cast:
        return cast();
    default:
        return 0;
    }
}

// The three faces of the master: before the banishing, raging after it,
// and burning.
struct creature_part {
    int nid;
    const char *calm;
    const char *raging;
    const char *burning;
};
constexpr creature_part creature_parts[] = {
    {ni_it,
     "巨大な肉の塊だ。表面には無数の目が開いては閉じ、塊全体がゆっくりと脈打っている。その奥には、黒い影のようなものが潜んでいるのが感じられる。",
     "主を失った肉塊は、怒り狂ったように身を震わせ、四方に触手を振り回している。",
     "炎に包まれた肉塊は、無数の目を見開き、苦しげに身悶えしている。"},
    {ni_face,
     "肉塊の表面に、人のものとも獣のものともつかない顔が浮かび上がっている。じっとこちらを見ているようだ。",
     "肉塊に浮かんだ顔は苦悶に歪み、声にならない叫びを上げている。",
     "炎に炙られた顔が、どろりと溶けるように崩れていく。"},
    {ni_tentacle,
     "肉塊から伸びた太い触手が、水面の下でゆっくりとうごめいている。",
     "太い触手が床を叩き、柱をなぎ払いながら暴れ回っている。",
     "炎に包まれた触手が、宙を掻きむしるようにのたうち回っている。"},
};

int creature(int vid, const creature_part &part) {
    switch (vid) {
    case vi_look:
    case vi_examine:
        if (flag_test(F_GASOLINE_ABLAZE))
            message(part.burning);
        else if (flag_test(F_BANISHED))
            message(part.raging);
        else
            message(part.calm);
        return 1;
    case vi_touch:
    case vi_get:
    case vi_hit:
    case vi_kick:
    case vi_break:
    case vi_pull:
    case vi_push:
        if (flag_test_not(F_TEMPLE_DRAINED))
            msg_too_far();
        else
            message("暴れ狂う触手に近づくのは自殺行為だ。");
        return 1;
    case vi_talk:
        message("言葉の通じる相手とは思えない。");
        return 1;
    case vi_cast:
        return cast();
    default:
        return 0;
    }
}

int floor_(int vid) {
    if (flag_test_not(F_BANISHED)) {
        message("床は完全に水没している。");
        return 1;
    }
    if (vid != vi_look && vid != vi_examine) return 0;
    message("水が引いた後には、石の床が見えている。");
    message("中央には%nlが根を下ろし、向こう側には壁の通路へと続く階段が見える。", ni_it);
    message("こちら側は急な斜面になっており、なんとか床まで降りられそうだ。");
    if (flag_test(F_CEILING_COLLAPSED)) message("%nnの周りには、ドラム缶から流れ出したガソリンが広がっている。", ni_it);
    return 1;
}

int water(int vid, int *noun_here) {
    if (flag_test(F_TEMPLE_DRAINED) || has_item(ni_water)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
    case vi_examine:
        message("黒く澱んだ水が、神殿の床を覆い尽くしている。水面の下は見通せない。");
        return 1;
    case vi_get:
    case vi_touch:
    case vi_drink:
    case vi_enter:
        message("水面に手を伸ばしかけたが、中央に浮かぶものの気配に、思わず手を引っ込めた。");
        return 1;
    default:
        return 0;
    }
}

// The fallen car and the drums lie here only after the collapse.
int wreck(int vid, int nid, int *noun_here) {
    if (flag_test_not(F_CEILING_COLLAPSED)) {
        *noun_here = 0;
        return 0;
    }
    switch (vid) {
    case vi_look:
    case vi_examine:
        if (nid == ni_car)
            message("天井の崩落と共に落ちてきた車だ。ひしゃげた車体が、床の上で腹を見せている。");
        else if (flag_test(F_GASOLINE_ABLAZE))
            message("潰れたドラム缶が炎に包まれている。残りのドラム缶に火が回るのも時間の問題だ。");
        else
            message("車に積まれていたドラム缶だ。潰れたものからは、ガソリンが床に流れ出している。");
        return 1;
    case vi_get:
    case vi_move:
    case vi_push:
    case vi_pull:
        msg_too_heavy();
        return 1;
    default:
        return 0;
    }
}

int lantern(int vid, int *noun_here) {
    if (!has_item(ni_lantern)) {
        *noun_here = 0;
        return 0;
    }
    if (vid != vi_throw) return 0;
    // Before the gasoline lies on the floor there is nothing to set alight,
    // and the lantern is the only light down here.
    if (flag_test_not(F_CEILING_COLLAPSED)) {
        message("ランタンはこの地下で唯一の灯りだ。投げ捨てるわけにはいかない。");
        return 1;
    }
    message("ランタンを思い切り遠くへ投げると、たちまちガソリンに引火し、燃え広がった。");
    message("肉塊は炎から逃れようと触手を持ち上げ、激しく悶え狂っている。");
    flag_set(F_GASOLINE_ABLAZE);
    remove_item(ni_lantern);
    return 1;
}

int stone(int vid, int *noun_here) {
    if (!has_item(ni_stone)) {
        *noun_here = 0;
        return 0;
    }
    if ((vid == vi_use || vid == vi_show) && flag_test_not(F_BANISHED)) {
        message("%nnを掲げてみたが、それだけではなにも起こらない。呪文を唱える必要がありそうだ。", ni_stone);
        return 1;
    }
    return 0;
}

}  // namespace

int area_temple_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;

    if (nid == ni_invalid) return no_noun(vid);

    for (const creature_part &part : creature_parts)
        if (part.nid == nid) return creature(vid, part);

    switch (nid) {
    case ni_spell:
        return vid == vi_cast ? cast() : 0;
    case ni_passage:
        if (vid == vi_enter || vid == vi_forward) return go_forward();
        return look_reply(vid, "向こう側の壁の高いところに、通路の入り口が黒々と口を開けている。");
    case ni_stairs:
        if (flag_test_not(F_TEMPLE_DRAINED)) {
            *noun_here = 0;
            return 0;
        }
        return look_reply(vid, "向こう側の壁の通路へと、石の階段が続いている。");
    case ni_ceiling:
        if (circle_shining())
            message("空洞の天井部の岩肌には、魔法陣が浮かび上がっている。");
        else
            message("自然の浸食作用で削られたのか、神殿の建設者によるものかわからないが、ドーム状の天井になっている。");
        return 1;
    case ni_magic_circle:
        if (!circle_shining()) {
            *noun_here = 0;
            return 0;
        }
        if (vid != vi_look && vid != vi_examine) return 0;
        return area_call_handler(get_cur_area(), vid, ni_ceiling, noun_here);
    case ni_floor:
        return floor_(vid);
    case ni_wall:
        return look_reply(vid, "岩壁には、見たこともない文字や図形が一面に刻まれている。");
    case ni_water:
        return water(vid, noun_here);
    case ni_car:
    case ni_drum:
        return wreck(vid, nid, noun_here);
    case ni_lantern:
        return lantern(vid, noun_here);
    case ni_stone:
        return stone(vid, noun_here);
    case ni_room:
        return room_noun(vid, noun_here);
    default:
        *noun_here = 0;
        return 0;
    }
}

// The mass, robbed of its master, beats the hall until the roof gives way.
void area_temple_turn_hook(int counted) {
    if (counted != 1) return;
    if (flag_test(F_TEMPLE_DRAINED) && flag_test_not(F_CEILING_COLLAPSED)) {
        message("\n暴れ狂う触手に幾度も打ちのめされ、ついに天井が崩れ落ちた。");
        message("瓦礫と共に落下してきた車が肉塊にぶつかり、ガソリンをまき散らしながら床の上に転がった。積まれていたドラム缶のいくつかが潰れ、床の上に広がっていく。");
        flag_set(F_CEILING_COLLAPSED);
    }
}

// ---- Picture ----

namespace {

// The back wall's foot, where the dome meets the floor.
constexpr int WALL_FOOT = 196;

// The pillars, each leaning its own wrong way: far ones first.
constexpr VxPoint far_pillar_left[] = {{132, 60}, {176, 66}, {186, 206}, {140, 212}};
constexpr VxPoint far_pillar_right[] = {{486, 70}, {524, 56}, {512, 210}, {476, 204}};
constexpr VxPoint near_pillar_left[] = {{58, 8}, {150, 8}, {122, 328}, {20, 328}, {20, 140}};
constexpr VxPoint near_pillar_right[] = {{506, 8}, {604, 8}, {620, 60}, {620, 328}, {548, 328}};
// Their capitals and feet, drawn askew on purpose.
constexpr VxPoint far_cap_left[] = {{124, 52}, {184, 58}, {180, 70}, {128, 64}};
constexpr VxPoint far_cap_right[] = {{478, 64}, {532, 48}, {530, 60}, {482, 76}};
constexpr VxPoint near_cap_left[] = {{48, 8}, {162, 8}, {156, 30}, {44, 22}};
constexpr VxPoint near_cap_right[] = {{496, 8}, {614, 8}, {604, 28}, {502, 36}};

// The passage high in the far wall.
constexpr VxPoint passage_mouth[] = {{432, 168}, {432, 142}, {438, 132}, {450, 126}, {462, 132},
                                     {468, 142}, {468, 168}};

// The mass: flooded, its foot is the waterline; drained, it stands on roots.
constexpr VxPoint body_flooded[] = {{226, 228}, {216, 204}, {220, 180}, {214, 160}, {226, 138}, {236, 120},
                                    {252, 108}, {262, 94},  {282, 88},  {298, 78},  {320, 80},  {340, 76},
                                    {358, 88},  {378, 94},  {392, 110}, {406, 120}, {414, 140}, {426, 160},
                                    {420, 182}, {426, 204}, {414, 228}};
constexpr VxPoint body_rooted[] = {{196, 264}, {222, 248}, {216, 204}, {220, 180}, {214, 160}, {226, 138},
                                   {236, 120}, {252, 108}, {262, 94},  {282, 88},  {298, 78},  {320, 80},
                                   {340, 76},  {358, 88},  {378, 94},  {392, 110}, {406, 120}, {414, 140},
                                   {426, 160}, {420, 182}, {426, 204}, {418, 248}, {446, 264}, {400, 256},
                                   {372, 266}, {346, 254}, {320, 268}, {294, 254}, {268, 266}, {240, 256}};
// The eyes all over it: centre and half-width.
constexpr int eyes[][3] = {{262, 130, 7}, {292, 112, 5}, {350, 110, 6}, {384, 128, 8}, {240, 168, 6},
                           {404, 170, 5}, {250, 204, 5}, {394, 206, 7}, {286, 214, 4}, {360, 216, 5},
                           {322, 102, 4}, {232, 150, 3}, {412, 146, 3}, {320, 222, 3}};
// The face in the middle of the mass: the mouth's jagged line.
constexpr VxPoint mouth[] = {{280, 190}, {288, 198}, {296, 190}, {304, 200}, {312, 190}, {320, 202},
                             {328, 190}, {336, 200}, {344, 190}, {352, 198}, {360, 190}};
// The tentacles sweeping across the hall, and lifted from the flames.
constexpr VxPoint sweep_left[] = {{232, 168}, {200, 160}, {170, 150}, {142, 132}, {118, 112}, {96, 96},
                                  {78, 88},   {70, 92},   {84, 104},  {104, 120}, {130, 142}, {160, 164},
                                  {196, 182}, {232, 196}};
constexpr VxPoint sweep_right[] = {{412, 188}, {450, 200}, {490, 214}, {530, 224}, {566, 224}, {590, 214},
                                   {600, 204}, {606, 210}, {598, 226}, {570, 238}, {528, 240}, {486, 232},
                                   {446, 220}, {414, 212}};
constexpr VxPoint sweep_floor[] = {{330, 250}, {360, 262}, {392, 270}, {424, 274}, {456, 276}, {484, 282},
                                   {492, 290}, {478, 292}, {450, 288}, {418, 288}, {384, 284}, {352, 276},
                                   {326, 264}};
constexpr VxPoint raised_left[] = {{236, 168}, {214, 146}, {198, 118}, {194, 90},  {204, 64},
                                   {206, 40},  {196, 20},  {200, 12},  {212, 20},  {220, 42},
                                   {218, 66},  {210, 92},  {214, 116}, {228, 138}, {244, 152}};
constexpr VxPoint raised_right[] = {{404, 172}, {428, 148}, {444, 120}, {448, 92},  {438, 66},
                                    {436, 42},  {446, 22},  {442, 12},  {430, 20},  {422, 42},
                                    {424, 66},  {432, 92},  {428, 116}, {414, 138}, {398, 154}};
constexpr VxPoint raised_middle[] = {{308, 96}, {298, 72}, {306, 50}, {300, 30}, {310, 14},
                                     {320, 26}, {316, 50}, {312, 72}, {324, 92}};
// Suckers along the tentacles.
constexpr VxPoint suckers_sweep[] = {{100, 108}, {126, 130}, {156, 150}, {190, 166}, {456, 212},
                                     {496, 224}, {536, 230}, {572, 226}, {376, 272}, {410, 280}, {444, 282}};
constexpr VxPoint suckers_raised[] = {{206, 94}, {210, 122}, {208, 66}, {436, 94}, {432, 122},
                                      {430, 66}, {308, 60}, {310, 36}};

// The striped column at right; while the hall is flooded only its top
// shows above the water, a small box.
constexpr int COLUMN_X1 = 438, COLUMN_X2 = 462;

// The fallen car on its back, and the drums.
constexpr VxPoint car_body[] = {{140, 254}, {150, 240}, {250, 236}, {264, 250}, {258, 268}, {150, 272}};
constexpr VxPoint car_cabin[] = {{162, 270}, {174, 292}, {226, 290}, {240, 268}};
constexpr VxPoint spill[] = {{150, 296}, {200, 280}, {300, 282}, {380, 278}, {470, 286},
                             {530, 298}, {420, 304}, {300, 304}, {220, 304}};
// A drum on its side: the can and its near end.
constexpr VxPoint drum_side[] = {{0, -10}, {30, -14}, {30, 6}, {0, 10}};

// One tongue of flame around the middle of its foot.
constexpr VxPoint flame[] = {{-14, 0}, {-12, -14}, {-16, -26}, {-6, -18}, {-4, -40},
                             {4, -22}, {10, -32},  {12, -16},  {16, 0}};
constexpr int flame_x[] = {60, 104, 150, 196, 244, 290, 336, 384, 430, 476, 522, 566, 584};

// This side of the hall: the brow of the slope the player stands on.
constexpr VxPoint ledge[] = {{20, 306}, {70, 300}, {130, 308}, {190, 302}, {260, 310}, {330, 304},
                             {400, 310}, {470, 302}, {540, 308}, {620, 300}, {620, 328}, {20, 328}};

void draw_dome() {
    vx_draw_arc(320, WALL_FOOT, 296, 186, 0, 180);
    // Ribs of the dome running up to its crown.
    for (int rx = 60; rx < 296; rx += 60) vx_draw_arc(320, WALL_FOOT, rx, 186, 0, 180);
    for (int ry = 40; ry < 186; ry += 40) vx_draw_arc(320, WALL_FOOT, 296 * ry / 186 + 10, ry, 0, 180);
    vx_draw_line(24, WALL_FOOT, 616, WALL_FOOT);
}

void draw_pillar(const VxPoint (&shaft)[4], const VxPoint (&cap)[4]) {
    occlude(shaft);
    // Flutes that run not quite parallel to the edges.
    for (int i = 1; i < 4; ++i) {
        int tx = shaft[0].x + (shaft[1].x - shaft[0].x) * i / 4;
        int ty = shaft[0].y + (shaft[1].y - shaft[0].y) * i / 4;
        int bx = shaft[3].x + (shaft[2].x - shaft[3].x) * i / 4 + (i - 2) * 3;
        int by = shaft[3].y + (shaft[2].y - shaft[3].y) * i / 4;
        vx_draw_line(tx, ty + 8, bx, by - 4);
    }
    occlude(cap);
}

void draw_near_pillars() {
    occlude(near_pillar_left);
    for (int i = 1; i < 5; ++i) vx_draw_line(58 + i * 18, 30, 20 + i * 22, 328);
    for (int y = 90; y < 328; y += 70) vx_draw_line(20 + (y - 90) / 20, y + 20, 150 - (y - 8) * 28 / 320, y);
    occlude(near_cap_left);
    occlude(near_pillar_right);
    for (int i = 1; i < 5; ++i) vx_draw_line(506 + i * 20, 36, 548 + i * 14, 328);
    for (int y = 100; y < 328; y += 64) vx_draw_line(506 + (y - 8) * 42 / 320, y, 620, y + 24);
    occlude(near_cap_right);
}

void draw_passage() {
    occlude(passage_mouth);
    vx_draw_line(428, 168, 472, 168);
    if (flag_test(F_TEMPLE_DRAINED)) {
        // The stairs down from the passage to the floor.
        for (int i = 0; i < 6; ++i) {
            int y = 168 + i * 6;
            vx_draw_line(424 - i * 6, y, 476 + i * 4, y);
            vx_draw_line(424 - i * 6, y, 424 - i * 6, y + 6);
        }
        vx_draw_line(400, 204, 500, 204);
    }
}

void draw_water() {
    // The still black water, ripples thickening towards this side.
    for (int y = WALL_FOOT - 4, row = 0; y < 300; y += 6 + row * 2, ++row)
        for (int x = 40 + (row % 3) * 14; x < 600; x += 46 + row * 4) vx_draw_line(x, y, x + 12 + row * 2, y);
}

void draw_floor() {
    // Flagstones in perspective, and the roots of the mass spreading on them.
    for (int x = 40; x <= 600; x += 56) vx_draw_line(320 + (x - 320) * 2 / 3, WALL_FOOT, x, 306);
    for (int y = WALL_FOOT + 10, step = 8; y < 306; y += step, step += 4) vx_draw_line(24, y, 616, y);
}

void draw_eye(int x, int y, int r) {
    occlude_ellipse(x, y, r + 2, r);
    vx_fill_circle(x, y, r / 2);
}

void draw_mass() {
    if (flag_test_not(F_TEMPLE_DRAINED)) {
        occlude(body_flooded);
        // It floats: rings on the water around it.
        vx_draw_arc(320, 228, 110, 8, 180, 360);
        vx_draw_arc(320, 232, 136, 12, 190, 350);
        vx_draw_arc(320, 238, 160, 16, 200, 340);
    } else {
        occlude(body_rooted);
        for (int i = 0; i < 6; ++i) vx_draw_line(214 + i * 44, 262, 194 + i * 52, 290);
    }
    // Folds of the flesh.
    vx_draw_arc(320, 140, 70, 30, 200, 340);
    vx_draw_arc(320, 170, 90, 40, 200, 340);
    for (const auto &e : eyes) draw_eye(e[0], e[1], e[2]);
    // The face: two great eyes and the jagged mouth.
    draw_eye(296, 160, 12);
    draw_eye(344, 160, 12);
    polyline(mouth);
}

void draw_column() {
    if (flag_test_not(F_TEMPLE_DRAINED)) {
        occlude_rect(COLUMN_X1 - 2, 176, COLUMN_X2 + 2, 192);
        vx_draw_line(COLUMN_X1 + 2, 180, COLUMN_X2 - 2, 180);
        vx_draw_arc(450, 186, 4, 3, 0, 360);
        vx_draw_line(COLUMN_X1 - 10, 194, COLUMN_X2 + 10, 194);
        vx_draw_line(COLUMN_X1 - 4, 198, COLUMN_X2 + 4, 198);
        return;
    }
    occlude_rect(COLUMN_X1, 176, COLUMN_X2, 262);
    for (int y = 184; y < 262; y += 10) vx_draw_line(COLUMN_X1, y + 6, COLUMN_X2, y);
    occlude_rect(COLUMN_X1 - 4, 168, COLUMN_X2 + 4, 176);
    occlude_rect(COLUMN_X1 - 4, 262, COLUMN_X2 + 4, 268);
}

void draw_suckers(const VxPoint *p, int n) {
    for (int i = 0; i < n; ++i) vx_draw_circle(p[i].x, p[i].y, 2);
}

void draw_tentacles() {
    if (flag_test_not(F_TEMPLE_DRAINED)) return;
    if (flag_test_not(F_GASOLINE_ABLAZE)) {
        occlude(sweep_left);
        occlude(sweep_right);
        occlude(sweep_floor);
        draw_suckers(suckers_sweep, sizeof suckers_sweep / sizeof suckers_sweep[0]);
    } else {
        occlude(raised_left);
        occlude(raised_right);
        occlude(raised_middle);
        draw_suckers(suckers_raised, sizeof suckers_raised / sizeof suckers_raised[0]);
    }
}

void draw_wreck() {
    if (flag_test_not(F_CEILING_COLLAPSED)) return;
    // Gasoline spreading from the drums towards the mass.
    outline(spill);
    // A crushed drum standing behind the car.
    occlude_rect(262, 246, 288, 280);
    vx_draw_line(262, 258, 274, 254);
    vx_draw_line(274, 254, 288, 262);
    vx_draw_arc(275, 246, 13, 3, 0, 360);
    // The car on its back, wheels in the air.
    constexpr int wheel_x[] = {166, 238};
    for (int x : wheel_x) {
        occlude_circle(x, 240, 10);
        vx_draw_circle(x, 240, 3);
    }
    occlude(car_body);
    occlude(car_cabin);
    vx_draw_line(200, 270, 202, 290);
    vx_draw_line(140, 254, 264, 250);
    vx_draw_rect(250, 256, 258, 262);
    // Two drums rolled out in front of it.
    occlude_at(drum_side, 270, 288);
    occlude_ellipse(300, 284, 4, 10);
    occlude_at(drum_side, 214, 298);
    occlude_ellipse(244, 294, 4, 10);
    // Rubble from the roof.
    for (int i = 0; i < 6; ++i) occlude_rect(320 + i * 34, 292 - (i % 3) * 4, 328 + i * 34 + (i % 2) * 4, 298);
}

void draw_flames() {
    if (flag_test_not(F_GASOLINE_ABLAZE)) return;
    for (int i = 0; i < static_cast<int>(sizeof flame_x / sizeof flame_x[0]); ++i) {
        int y = 306 - (i % 2) * 6;
        occlude_at(flame, flame_x[i], y, 3 + i % 2, 2);
        vx_draw_line(flame_x[i] - 2, y - 4, flame_x[i] + 2, y - 20 - (i % 3) * 6);
    }
}

}  // namespace

void area_temple_draw() {
    draw_dome();
    draw_passage();
    draw_pillar(far_pillar_left, far_cap_left);
    draw_pillar(far_pillar_right, far_cap_right);
    if (flag_test_not(F_TEMPLE_DRAINED))
        draw_water();
    else
        draw_floor();
    draw_mass();
    draw_column();
    draw_tentacles();
    draw_flames();
    draw_wreck();
    occlude(ledge);
    for (int x = 40; x < 620; x += 60) vx_draw_line(x, 316, x + 20, 322);
    draw_near_pillars();
}
