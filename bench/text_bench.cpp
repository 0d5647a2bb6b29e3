// Text: the ending's credit line (a font made and dropped on every call) and
// a wrapped text box.
#include <benchmark/benchmark.h>

#include "bench/support/screen.h"
#include "framework/text/text.h"

namespace {

void BM_DrawTextAtCreditLine(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    int y = 0;
    for (auto _ : state) {
        fwDraw::DrawTextAt(250, y, "サウンドプログラム　STAFF NAME");
        y = y >= 580 ? 0 : y + 1;
    }
    screen.CheckDrawn(state);
}
BENCHMARK(BM_DrawTextAtCreditLine);

void BM_DrawTextLayoutBox(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    for (auto _ : state) {
        fwDraw::BeginText(1, 16, 0, 0, 0, 0);
        fwDraw::SetTextColors(0xFFFFFF, 0x404040, 1);
        fwDraw::DrawTextLayout(100, 100, 400, 300, "敵の艦隊が接近中。全機、迎撃態勢に入れ。繰り返す、全機迎撃態勢。",
                               fwDraw::kTextShadow);
        fwDraw::EndText();
    }
    screen.CheckDrawn(state);
}
BENCHMARK(BM_DrawTextLayoutBox);

}  // namespace
