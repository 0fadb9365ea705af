// Text drawing with a warm glyph cache: one console line, and the game's
// console redraw (six lines and the input line).
#include "vx_internal.h"

#include <benchmark/benchmark.h>

namespace {

// 72 bytes of kana, kanji and ASCII, the width of one console line.
const char *const LINE72 = "あいうえおカキクケコ Keldary 館の扉は固く閉ざされている。ｱｲｳｴｵ 12345678!";

void BM_TextLine72(benchmark::State &state) {
    VxBitmap *bm = vxi_bitmap_new(640, 480);
    vxi_draw_text_on(bm, 0, 338, LINE72, 16, 0xFFFFFF); // warm the cache
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxi_draw_text_on(bm, 0, 338, LINE72, 16, 0xFFFFFF));
        benchmark::ClobberMemory();
    }
    vxi_bitmap_free(bm);
}
BENCHMARK(BM_TextLine72);

void BM_TextConsoleRedraw(benchmark::State &state) {
    VxBitmap *bm = vxi_bitmap_new(640, 480);
    vxi_draw_text_on(bm, 0, 338, LINE72, 16, 0xFFFFFF);
    for (auto _ : state) {
        for (int i = 0; i < 6; ++i)
            vxi_draw_text_on(bm, 8, 354 + 18 * i - 16, LINE72, 16, 0xFFFFFF);
        vxi_draw_text_on(bm, 8, 462 - 16, ">ひらがな にゅうりょく", 16, 0xFFFFFF);
        benchmark::ClobberMemory();
    }
    vxi_bitmap_free(bm);
}
BENCHMARK(BM_TextConsoleRedraw);

// The diagnostic console window: 25 lines at size 14.
void BM_TextDiagnosticConsolePaint(benchmark::State &state) {
    VxBitmap *bm = vxi_bitmap_new(568, 358);
    vxi_draw_text_on(bm, 4, 4, LINE72, 14, 0xFFFFFF);
    for (auto _ : state) {
        for (int i = 0; i < 25; ++i) vxi_draw_text_on(bm, 4, 4 + 14 * i, LINE72, 14, 0xFFFFFF);
        benchmark::ClobberMemory();
    }
    vxi_bitmap_free(bm);
}
BENCHMARK(BM_TextDiagnosticConsolePaint);

}  // namespace
