// Drawing speed: a scene picture as the game draws one (hundreds of lines,
// occluders filled black and outlined white, rectangles, arcs) on 640 x 480.
#include "host.h"
#include "vx_internal.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void open_page() {
    static bool open = false;
    if (open) return;
    std::string dir = (std::filesystem::temp_directory_path() / "vexdraw-bench").string();
    std::filesystem::create_directories(dir);
    std::string exe = dir + "/bench";
    vxi_set_host(vx_headless_host());
    vxi_layer_startup(exe.c_str(), exe.c_str());
    vx_open_window(640, 480);
    open = true;
}

const VxPoint stump[] = {{60, 328}, {70, 250}, {62, 230}, {75, 238}, {80, 215}, {90, 236},
                         {98, 220}, {104, 240}, {115, 226}, {112, 255}, {122, 328}};
const VxPoint roof[] = {{300, 60}, {420, 20}, {560, 60}, {540, 80}, {320, 80}};
const VxPoint post[] = {{470, 328}, {470, 230}, {486, 226}, {486, 328}, {478, 332}};
const VxPoint star[] = {{300, 100}, {359, 281}, {205, 169}, {395, 169}, {241, 281}};

// One redraw; returns the number of drawing calls made.
int draw_scene() {
    int calls = 0;
    vx_set_color(-1, -1, -1);
    vx_draw_rect(19, 7, 621, 329);
    vx_set_color(0, 0, 0);
    vx_fill_rect(20, 8, 620, 328);
    vx_set_color(-1, -1, -1);
    calls += 4;
    // Perspective room and line work: the bulk of a picture.
    for (int i = 0; i < 300; ++i) {
        int x = 20 + (i * 37) % 600, y = 8 + (i * 53) % 320;
        vx_draw_line(x, y, 20 + (i * 91) % 600, 8 + (i * 29) % 320);
        ++calls;
    }
    // Window panes and book spines.
    for (int i = 0; i < 20; ++i) {
        vx_draw_rect(40 + i * 28, 30, 60 + i * 28, 70);
        ++calls;
    }
    // Occluders: black silhouette, then the white outline.
    const VxPoint *polys[] = {stump, roof, post, star};
    const int sizes[] = {11, 5, 5, 5};
    for (int k = 0; k < 3; ++k)
        for (int p = 0; p < 4; ++p) {
            vx_set_color(0, 0, 0);
            vx_fill_polygon(sizes[p], polys[p]);
            vx_set_color(-1, -1, -1);
            calls += 3;
            for (int i = 0; i < sizes[p]; ++i) {
                const VxPoint &a = polys[p][i], &b = polys[p][(i + 1) % sizes[p]];
                vx_draw_line(a.x, a.y, b.x, b.y);
                ++calls;
            }
        }
    for (int i = 0; i < 10; ++i) {
        vx_set_color(0, 0, 0);
        vx_fill_rect(100 + i * 40, 200, 130 + i * 40, 260);
        vx_fill_arc(120 + i * 40, 150, 15, 10, 0, 360);
        vx_set_color(-1, -1, -1);
        vx_draw_rect(100 + i * 40, 200, 130 + i * 40, 260);
        vx_draw_arc(120 + i * 40, 150, 15, 10, 0, 360);
        vx_draw_arc(120 + i * 40, 290, 20, 12, 0, 180);
        vx_draw_circle(115 + i * 40, 230, 3);
        vx_fill_arc(300, 250, 40, 30, i * 36, i * 36 + 60);
        calls += 9;
    }
    return calls;
}

void BM_ScenePicture(benchmark::State &state) {
    open_page();
    int calls = 0;
    for (auto _ : state) {
        calls = draw_scene();
        benchmark::ClobberMemory();
    }
    state.counters["calls"] = calls;
    state.counters["ns_per_call"] = benchmark::Counter(
        (double)calls * (double)state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(state.iterations() * calls);
}
BENCHMARK(BM_ScenePicture)->Unit(benchmark::kMicrosecond);

void BM_Line(benchmark::State &state) {
    open_page();
    int i = 0;
    for (auto _ : state) {
        vx_draw_line(20 + i % 600, 8, 620 - i % 600, 328);
        ++i;
    }
}
BENCHMARK(BM_Line);

void BM_FillPolygon(benchmark::State &state) {
    open_page();
    for (auto _ : state) vx_fill_polygon(11, stump);
}
BENCHMARK(BM_FillPolygon);

void BM_FillPie(benchmark::State &state) {
    open_page();
    for (auto _ : state) vx_fill_arc(320, 170, 100, 80, 30, 300);
}
BENCHMARK(BM_FillPie);

void BM_Ellipse(benchmark::State &state) {
    open_page();
    for (auto _ : state) vx_draw_arc(320, 170, 100, 80, 0, 360);
}
BENCHMARK(BM_Ellipse);

}  // namespace

// A thousand mixed primitives, as a busy scene picture issues them: mostly
// lines of the lengths pictures use (up to about 100 pixels), with filled
// rectangles, polygons and ellipse arcs among them.
void BM_ThousandPrimitives(benchmark::State &state) {
    open_page();
    for (auto _ : state) {
        unsigned seed = 12345;
        auto next = [&seed](int n) {
            seed = seed * 1103515245u + 12345u;
            return static_cast<int>((seed >> 8) % static_cast<unsigned>(n));
        };
        for (int i = 0; i < 1000; ++i) {
            int x = 20 + next(560), y = 8 + next(280);
            switch (i % 20) {
            case 0:
            case 1: vx_fill_rect(x, y, x + next(60), y + next(40)); break;
            case 2: {
                VxPoint pts[6];
                for (VxPoint &p : pts) p = {x + next(80), y + next(60)};
                vx_fill_polygon(6, pts);
                break;
            }
            case 3: vx_draw_arc(x, y, 5 + next(40), 5 + next(30), 0, 360); break;
            default: vx_draw_line(x, y, x + next(161) - 80, y + next(121) - 60); break;
            }
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ThousandPrimitives)->Unit(benchmark::kMicrosecond);
