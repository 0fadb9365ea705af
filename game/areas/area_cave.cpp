// The sea cave behind the temple: the way out to the shore, which starts
// the ending.
#include "areas.h"

#include "area.h"
#include "console.h"
#include "flags.h"
#include "message.h"
#include "noun.h"
#include "status.h"
#include "vexdraw.h"
#include "area_kit.h"

#include <cmath>

namespace {

// The ending: each page waits for Return.
void ending_clear() { game_clear(); }

void ending_last_picture() {
    flag_set(F_THE_END);
    set_wait_return_callback(ending_clear);
}

void ending_house_burns() {
    message("\n見守るうちに、屋敷の窓からも黒煙が上がり、まもなく火の手が上がった。そして、忌まわしいものに支配されていた屋敷は、すべてを浄化する炎の中に焼け落ちていった。");
    flag_set(F_HOUSE_BURNS);
    set_wait_return_callback(ending_last_picture);
}

void ending_fire_pillar() {
    message("\n洞窟の中からは、なおも爆発音が続き、やがて大音響と共に、崖上に炎の柱が立ち上った。");
    flag_set(F_FIRE_PILLAR);
    set_wait_return_callback(ending_house_burns);
}

void run_for_the_exit() {
    message("神殿の方からは、残ったドラム缶が爆発する音が聞こえてくる。あなたは炎に追われるようにして、洞窟の出口へと走った。");
    area_request_move(ai_cliff);
    set_wait_return_callback(ending_fire_pillar);
}

}  // namespace

int area_cave_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        switch (vid) {
        case vi_backward:
            message("神殿の中はすっかり火が回っていて、とても引き返せない。");
            return 1;
        case vi_forward:
        case vi_exit:
            run_for_the_exit();
            return 1;
        case vi_look:
            area_print_description(ai_cave);
            message("ここは自然にできた洞窟のようだ。奥の方に光が見える。どうやら外に出られそうだ。");
            return 1;
        default:
            return 0;
        }
    case ni_wall:
        return look_reply(vid, "波に削られた岩肌が、ごつごつと奥まで続いている。潮の匂いがする。");
    case ni_floor:
        return look_reply(vid, "濡れた岩の床だ。ところどころに潮溜まりができている。");
    case ni_ceiling:
        return look_reply(vid, "低い岩の天井から、しずくが滴り落ちている。");
    case ni_passage:
        if (vid == vi_enter || vid == vi_forward) return redispatch(vi_forward, noun_here);
        return look_reply(vid, "洞窟は奥へ行くほど狭まり、その先に外の光が見えている。");
    case ni_water:
        return look_reply(vid, "潮溜まりに、外から差し込む光が揺れている。");
    default:
        *noun_here = 0;
        return 0;
    }
}

// ---- Picture ----

namespace {

constexpr int CX = 330, CY = 160; // the far end of the tunnel

int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// A stroke of rock along the ray at angle degrees from r1 to r2 out of the
// tunnel (the cave is wider than high); it ends on the frame at most.
void ray(int degrees, int r1, int r2) {
    double a = degrees * 3.14159265359 / 180.0;
    double c = std::cos(a), s = std::sin(a);
    vx_draw_line(clamp(CX + static_cast<int>(r1 * c), 20, 620), clamp(CY - static_cast<int>(r1 * s * 0.7), 8, 328),
                 clamp(CX + static_cast<int>(r2 * c), 20, 620), clamp(CY - static_cast<int>(r2 * s * 0.7), 8, 328));
}

// The tunnel's rings of rock, narrowing to the far opening.
constexpr VxPoint ring_far[] = {{276, 160}, {284, 128}, {306, 112}, {336, 108}, {364, 116},
                                {382, 138}, {386, 164}, {376, 190}, {350, 204}, {312, 202}, {286, 186}};
constexpr VxPoint ring_mid[] = {{222, 168}, {232, 116}, {268, 84},  {320, 72},  {372, 78},  {414, 104},
                                {438, 146}, {440, 190}, {414, 230}, {360, 250}, {296, 248}, {244, 222}};
constexpr VxPoint ring_near[] = {{150, 180}, {160, 104}, {206, 52}, {280, 26},  {360, 24},  {438, 48},
                                 {496, 96},  {520, 160}, {510, 226}, {470, 282}, {396, 312}, {290, 314},
                                 {206, 284}, {164, 236}};
// Pools of sea water on the floor.
constexpr int pools[][3] = {{250, 294, 40}, {440, 300, 30}, {340, 272, 22}};

}  // namespace

void area_cave_draw() {
    // The light at the far end, then the rings of rock towards the viewer.
    vx_draw_arc(CX, CY, 24, 18, 0, 360);
    for (int d = 0; d < 360; d += 30) ray(d, 30, 40);
    outline(ring_far);
    outline(ring_mid);
    outline(ring_near);
    // The rock walls: strokes radiating from the tunnel, long and short.
    for (int d = 0; d < 360; d += 6) {
        int k = d / 6;
        ray(d, 70 + (k % 4) * 8, 120 + (k % 5) * 14);
        ray(d + 3, 170 + (k % 3) * 12, 230 + (k % 4) * 30);
        if (k % 2) ray(d + 2, 290 + (k % 3) * 20, 420);
    }
    for (const auto &p : pools) {
        black();
        vx_fill_arc(p[0], p[1], p[2], p[2] / 5, 0, 360);
        white();
        vx_draw_arc(p[0], p[1], p[2], p[2] / 5, 0, 360);
        vx_draw_line(p[0] - p[2] / 2, p[1], p[0] - p[2] / 4, p[1]);
    }
}
