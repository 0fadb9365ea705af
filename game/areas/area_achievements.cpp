// The achievements room, reached by the hidden verb on the title screen.
#include "areas.h"

#include "area.h"
#include "console.h"
#include "noun.h"

int area_achievements_handler(int vid, int nid, int *noun_here) {
    *noun_here = 1;
    if (nid == ni_invalid) {
        if (vid == vi_backward || vid == vi_exit) {
            go_to_title();
            return 1;
        }
        if (vid == vi_look) {
            area_print_description(ai_achievements);
            message("この部屋は未実装です。");
            message("「%v」と入力して、タイトル画面に戻ってください。", vi_backward);
            return 1;
        }
        return 0;
    }
    if (nid != ni_wall && nid != ni_floor && nid != ni_ceiling) *noun_here = 0;
    return 0;
}

void area_achievements_draw() {}
