// The mailbox by the drive, where a new game begins: the box with its lid,
// the leaflet and the medal inside, and the mansion in the distance.
#include "areas.h"

#include "area.h"
#include "command.h"
#include "console.h"
#include "flags.h"
#include "message.h"
#include "noun.h"
#include "status.h"
#include "vexdraw.h"
#include "area_kit.h"

namespace {

constexpr area_exit exits[] = {
    {vi_forward, ai_entrance},
};

bool leaflet_lying() {
    return flag_test(F_MAILBOX_OPEN) && flag_test_not(F_LEAFLET_TAKEN) && !has_item(ni_leaflet);
}

// The medal lies under the leaflet, so it shows once the leaflet is out.
bool medal_lying() {
    return flag_test(F_MAILBOX_OPEN) && flag_test(F_LEAFLET_TAKEN) && flag_test_not(F_MEDAL_TAKEN) &&
           !has_item(ni_medal);
}

void say_contents() {
    if (leaflet_lying())
        message("中に%nlが入っている。", ni_leaflet);
    else if (medal_lying())
        message("中に%nlが入っている。", ni_medal);
    else if (flag_test(F_MAILBOX_OPEN))
        message("中は空っぽだ。");
}

int look_around() {
    area_print_description(ai_mailbox);
    message("道端に古びた%nlが立っている。", ni_mailbox);
    if (flag_test(F_MAILBOX_OPEN)) {
        message("郵便受けの蓋は開いている。");
        say_contents();
    }
    message("%nlの先には、崖の上に建つ%nlが見える。", ni_path, ni_house);
    message("道の脇には枯れた%nlの切り株がある。", ni_tree);
    return 1;
}

int mailbox_command(int vid) {
    switch (vid) {
    case vi_look:
        message("錆の浮いた金属製の郵便受けだ。側面には赤い旗が付いている。");
        if (flag_test(F_MAILBOX_OPEN))
            say_contents();
        else
            message("蓋は閉まっている。");
        return 1;
    case vi_open:
        if (flag_test_not(F_MAILBOX_OPEN)) {
            flag_set(F_MAILBOX_OPEN);
            message("郵便受けを開けた。");
            if (flag_test_not(F_LEAFLET_TAKEN)) message("なにか入っているようだ。");
        } else {
            message("郵便受けはすでに開いている。");
        }
        return 1;
    case vi_close:
        if (flag_test(F_MAILBOX_OPEN)) {
            flag_clear(F_MAILBOX_OPEN);
            flag_set(F_MAILBOX_CLOSED_AGAIN);
            message("郵便受けを閉めた。");
        } else {
            message("郵便受けは閉まっている。");
        }
        return 1;
    case vi_get:
        message("地面にしっかりと立てられている。");
        return 1;
    case vi_hit:
    case vi_kick:
        message("郵便受けは鈍い音を立てて揺れた。");
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int area_mailbox_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    switch (nid) {
    case ni_invalid:
        if (take_exit(exits, vid)) return 1;
        switch (vid) {
        case vi_backward:
        case vi_left:
        case vi_right:
            message("ここまで来て帰るわけにはいかない。");
            return 1;
        case vi_look:
            return look_around();
        default:
            return 0;
        }
    case ni_mailbox:
        return mailbox_command(vid);
    case ni_leaflet:
        return lying_item(vid, nid, leaflet_lying(), F_LEAFLET_TAKEN, noun_here);
    case ni_medal:
        return lying_item(vid, nid, medal_lying(), F_MEDAL_TAKEN, noun_here);
    case ni_house:
        if (vid == vi_look) {
            message("崖の上に古い洋館が建っている。あれがケルダリーの屋敷だ。");
            return 1;
        }
        if (vid == vi_examine || vid == vi_touch || vid == vi_enter) {
            msg_too_far();
            return 1;
        }
        return 0;
    case ni_path:
        return look_reply(vid, "屋敷の玄関へと続く小道だ。轍の跡はすっかり雑草に埋もれている。");
    case ni_tree:
        if (vid == vi_look) {
            message("立ち枯れた木の切り株だ。上の方はぎざぎざに裂けている。");
            return 1;
        }
        if (vid == vi_up) {
            message("切り株に登っても、何も見えはしない。");
            return 1;
        }
        return 0;
    default:
        break;
    }
    *noun_here = 0;
    return 0;
}

// ---- Picture ----

namespace {

constexpr VxPoint post[] = {{458, 328}, {458, 214}, {466, 208}, {478, 210}, {478, 328}};
constexpr VxPoint box_side[] = {{440, 228}, {440, 180}, {420, 162}, {492, 144}, {512, 158}, {512, 206}};
constexpr VxPoint box_front[] = {{400, 228}, {400, 180}, {406, 168}, {420, 162}, {434, 168}, {440, 180}, {440, 228}};
constexpr VxPoint signal_flag[] = {{496, 196}, {496, 146}, {520, 142}, {520, 156}, {503, 159}, {503, 195}};
// The lid turned down on its hinge at the foot of the box front.
constexpr VxPoint open_lid[] = {{400, 228}, {440, 228}, {412, 258}, {400, 266}, {384, 270},
                                {370, 268}, {360, 262}, {364, 252}};
constexpr VxPoint stump[] = {{52, 300},  {62, 286},  {66, 236},  {58, 214},  {72, 226},
                             {78, 204},  {88, 222},  {96, 198},  {104, 220}, {116, 210},
                             {112, 236}, {118, 288}, {132, 302}, {92, 306}};
constexpr VxPoint horizon[] = {{20, 160},  {74, 157},  {128, 162}, {190, 158}, {262, 163},
                               {334, 159}, {402, 166}, {470, 158}, {548, 163}, {620, 156}};
constexpr VxPoint tufts[] = {{168, 298}, {236, 214}, {270, 190}, {140, 226}, {330, 250},
                             {360, 300}, {560, 246}, {590, 300}, {548, 196}, {40, 200}};
constexpr VxPoint drive_left[] = {{312, 170}, {290, 196}, {262, 232}, {226, 282}, {196, 328}};
constexpr VxPoint drive_right[] = {{338, 170}, {368, 198}, {410, 236}, {470, 284}, {522, 328}};

// Distant mansion: a front wall, a side wall running back to the right, and
// the roofs over both.
constexpr VxPoint house_side[] = {{300, 164}, {300, 104}, {346, 110}, {346, 158}};
constexpr VxPoint house_front[] = {{186, 164}, {186, 104}, {300, 104}, {300, 164}};
constexpr VxPoint roof_side[] = {{300, 104}, {290, 84}, {336, 90}, {352, 110}, {346, 110}};
constexpr VxPoint roof_front[] = {{180, 106}, {198, 80}, {290, 80}, {306, 106}};
constexpr VxPoint dormer[] = {{232, 96}, {232, 86}, {243, 76}, {254, 86}, {254, 96}};
constexpr VxPoint porch_roof[] = {{226, 134}, {243, 124}, {260, 134}};
// What lies in the open box: the folded leaflet, the medal's ribbon.
constexpr VxPoint leaflet[] = {{408, 220}, {426, 190}, {434, 196}, {418, 221}};
constexpr VxPoint ribbon[] = {{410, 218}, {415, 212}, {420, 218}, {425, 212}, {430, 218}};

void draw_mansion() {
    occlude(house_side);
    occlude(house_front);
    occlude(roof_side);
    occlude(roof_front);
    occlude(dormer);
    vx_draw_rect(238, 88, 248, 95); // the dormer's window
    // Two chimneys on the ridge.
    occlude_rect(206, 70, 212, 80);
    occlude_rect(272, 70, 278, 80);
    // Rows of windows on the front, skipping the porch in the middle.
    for (int x = 194; x < 296; x += 14) {
        if (x > 226 && x < 258) continue;
        vx_draw_rect(x, 112, x + 6, 122);
        vx_draw_rect(x, 142, x + 6, 154);
    }
    for (int x = 306; x < 344; x += 12) { // the side wall, foreshortened
        vx_draw_line(x, 113 + (x - 300) / 8, x, 122 + (x - 300) / 8);
        vx_draw_line(x + 5, 113 + (x - 300) / 8, x + 5, 122 + (x - 300) / 8);
        vx_draw_line(x, 144 + (x - 300) / 10, x, 153 + (x - 300) / 10);
        vx_draw_line(x + 5, 144 + (x - 300) / 10, x + 5, 153 + (x - 300) / 10);
    }
    // The balcony over the porch, with its balusters.
    vx_draw_rect(230, 116, 256, 124);
    for (int x = 233; x < 256; x += 4) vx_draw_line(x, 118, x, 124);
    vx_draw_rect(238, 106, 248, 116); // the balcony door
    // The porch: a little pediment on columns, steps below.
    occlude(porch_roof);
    for (int x = 230; x <= 256; x += 6) vx_draw_line(x, 134, x, 158);
    vx_draw_rect(238, 140, 248, 158); // the front door
    vx_draw_line(224, 160, 262, 160);
    vx_draw_line(222, 162, 264, 162);
    vx_draw_line(220, 164, 266, 164);
}

}  // namespace

void area_mailbox_draw() {
    // The ground: the drive from the house past the mailbox, the horizon.
    polyline(drive_left);
    polyline(drive_right);
    polyline(horizon);
    for (const VxPoint &t : tufts) { // grass along the drive's verges
        vx_draw_line(t.x, t.y, t.x - 5, t.y - 7);
        vx_draw_line(t.x, t.y, t.x - 1, t.y - 10);
        vx_draw_line(t.x, t.y, t.x + 4, t.y - 8);
        vx_draw_line(t.x + 3, t.y, t.x + 9, t.y - 6);
    }

    // The mailbox on its post.
    occlude(post);
    for (int y = 240; y < 328; y += 22) vx_draw_line(462, y, 474, y + 3); // the post's grain
    occlude(box_side);
    vx_draw_line(440, 180, 512, 158); // the box's shoulder
    occlude(box_front);
    occlude(signal_flag);

    // The lid: shut (only its knob), or hanging open in front of the box.
    if (flag_test_not(F_MAILBOX_OPEN)) {
        vx_draw_arc(420, 195, 3, 4, 0, 360);
    } else {
        occlude(open_lid);
        vx_draw_arc(386, 244, 2, 2, 0, 360);
        vx_draw_line(404, 222, 436, 222); // the floor at the opening
        vx_draw_line(404, 222, 420, 206);
        vx_draw_line(436, 222, 420, 206);
    }

    // What is inside the open box: the leaflet first, the medal under it.
    if (flag_test(F_MAILBOX_OPEN) && flag_test_not(F_LEAFLET_TAKEN)) {
        polyline(leaflet);
    }
    if (flag_test(F_MAILBOX_OPEN) && flag_test(F_LEAFLET_TAKEN) && flag_test_not(F_MEDAL_TAKEN)) {
        polyline(ribbon);
    }

    // The dead tree stump at left.
    occlude(stump);
    vx_draw_line(70, 296, 76, 240);
    vx_draw_line(92, 300, 94, 232);
    vx_draw_line(108, 292, 104, 246);
    vx_draw_arc(88, 304, 40, 6, 180, 360); // its roots in the grass

    // The mansion on the cliff, far away.
    draw_mansion();
}
