// The quit question, drawn by the layer itself in the 16-dot font over the
// client area: a bordered box with the caption "確認", the question and the
// buttons はい and いいえ.  Every host shows it the same way: it paints the
// box over what it presents and hands keys and clicks to it while it is
// open.  Return or Y answers yes, Escape or N no; a click answers when the
// button is released over the button it was pressed on.
#include "vx_internal.h"

namespace {

constexpr int FONT = 16;
constexpr int BOX_W = 288;
constexpr int BOX_H = 128;
constexpr int CAPTION_H = 22;   // the caption bar inside the double border
constexpr int BUTTON_W = 80;
constexpr int BUTTON_H = 26;
constexpr int BUTTON_GAP = 24;
constexpr int BUTTON_TOP = 86;  // from the box's top
constexpr int TEXT_TOP = 44;    // the question's cell top, from the box's top

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;

constexpr const char caption[] = "確認";
constexpr const char question[] = "プログラムを終了しますか？";
constexpr const char *labels[2] = {"はい", "いいえ"};

enum { NONE = -1, YES = 0, NO = 1 };

int shown = 0;
int hover = NONE;  // the button under the pointer
int armed = NONE;  // the button the mouse was pressed on

void box_origin(int *x, int *y) {
    *x = (vxi_client_width() - BOX_W) / 2;
    *y = (vxi_client_height() - BOX_H) / 2;
}

// A button's rectangle in client coordinates, corners included.
void button_rect(int which, int *x1, int *y1, int *x2, int *y2) {
    int bx, by;
    box_origin(&bx, &by);
    *x1 = bx + (BOX_W - 2 * BUTTON_W - BUTTON_GAP) / 2 + which * (BUTTON_W + BUTTON_GAP);
    *y1 = by + BUTTON_TOP;
    *x2 = *x1 + BUTTON_W - 1;
    *y2 = *y1 + BUTTON_H - 1;
}

int button_at(int x, int y) {
    for (int which : {YES, NO}) {
        int x1, y1, x2, y2;
        button_rect(which, &x1, &y1, &x2, &y2);
        if (x >= x1 && x <= x2 && y >= y1 && y <= y2) return which;
    }
    return NONE;
}

void answer(int which) {
    vxi_question_close();
    vxi_question_answered(which == YES ? 1 : 0);
}

}  // namespace

void vxi_question_open(void) {
    shown = 1;
    hover = armed = NONE;
}

void vxi_question_close(void) {
    shown = 0;
    hover = armed = NONE;
}

int vxi_question_is_open(void) { return shown; }

void vxi_question_rect(int *x, int *y, int *w, int *h) {
    box_origin(x, y);
    *w = BOX_W;
    *h = BOX_H;
}

int vxi_question_key(int host_key) {
    if (!shown) return 0;
    if (host_key == VK_RETURN || host_key == 'Y')
        answer(YES);
    else if (host_key == VK_ESCAPE || host_key == 'N')
        answer(NO);
    return 1;
}

int vxi_question_pointer(int x, int y) {
    if (!shown) return 0;
    int now = button_at(x, y);
    if (now == hover) return 0;
    hover = now;
    return 1;
}

void vxi_question_button(int x, int y, int button, int down) {
    if (!shown || button != 1) return;
    int at = button_at(x, y);
    if (down) {
        armed = at;
    } else {
        int was = armed;
        armed = NONE;
        if (at != NONE && at == was) answer(at);
    }
    vxi_window_changed();
}

void vxi_question_paint(VxBitmap *bm, int ox, int oy) {
    if (!shown || !bm) return;
    int bx, by;
    box_origin(&bx, &by);
    bx += ox;
    by += oy;
    const int x2 = bx + BOX_W - 1, y2 = by + BOX_H - 1;
    // A double white border around a black box, as the picture is framed.
    vxi_fill_rect_on(bm, bx, by, x2, y2, BLACK);
    vxi_draw_rect_on(bm, bx, by, x2, y2, WHITE);
    vxi_draw_rect_on(bm, bx + 2, by + 2, x2 - 2, y2 - 2, WHITE);
    // The caption bar: black text on white.
    vxi_fill_rect_on(bm, bx + 2, by + 2, x2 - 2, by + 2 + CAPTION_H, WHITE);
    vxi_draw_text_on(bm, bx + 10, by + 2 + (CAPTION_H - FONT) / 2 + 1, caption, FONT, BLACK);
    const int qw = vxi_text_width(question, FONT);
    vxi_draw_text_on(bm, bx + (BOX_W - qw) / 2, by + TEXT_TOP, question, FONT, WHITE);
    for (int which : {YES, NO}) {
        int x1, y1, bx2, by2;
        button_rect(which, &x1, &y1, &bx2, &by2);
        x1 += ox, y1 += oy, bx2 += ox, by2 += oy;
        const bool lit = which == armed || (armed == NONE && which == hover);
        uint32_t ink = WHITE;
        if (lit) {
            vxi_fill_rect_on(bm, x1, y1, bx2, by2, WHITE);
            ink = BLACK;
        }
        vxi_draw_rect_on(bm, x1, y1, bx2, by2, WHITE);
        // The default button, the one Return chooses, has a second frame.
        if (which == YES) vxi_draw_rect_on(bm, x1 - 2, y1 - 2, bx2 + 2, by2 + 2, WHITE);
        const int lw = vxi_text_width(labels[which], FONT);
        vxi_draw_text_on(bm, x1 + (BUTTON_W - lw) / 2, y1 + (BUTTON_H - FONT) / 2, labels[which],
                         FONT, ink);
    }
}
