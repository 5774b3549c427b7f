// The drawing work of one control redraw: text into a score cell, a die face through its
// mask, the offer panel, and a layer copied to the screen.
#include <benchmark/benchmark.h>

#include "draw/painter.h"
#include "gdi_test_support.h"
#include "resources/program_resources.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 153, 51);
constexpr COLORREF kPanel = RGB(0, 204, 51);

CPainter& Painter() {
  static CPainter painter;
  return painter;
}

void BM_DrawTextLargeInScoreCell(benchmark::State& state) {
  TestCanvas layer(33, 22, kGreen);
  Painter().SetTarget(&layer.Dc());
  const CString text = u"190";
  const CRect rect(1, 1, 32, 21);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Painter().DrawTextLarge(text, rect, RGB(0, 102, 51), kPanel, 1));
  }
}
BENCHMARK(BM_DrawTextLargeInScoreCell);

void BM_DrawMaskedDieFace(benchmark::State& state) {
  InstallProgramResources();
  TestCanvas layer(35, 36, kGreen);
  Painter().SetTarget(&layer.Dc());
  for (auto _ : state) Painter().DrawIcon(1, 1, 135);
}
BENCHMARK(BM_DrawMaskedDieFace);

void BM_FillOfferPanel(benchmark::State& state) {
  TestCanvas layer(33, 22, kGreen);
  Painter().SetTarget(&layer.Dc());
  const CRect rect(0, 0, 33, 22);
  for (auto _ : state) Painter().FillRoundRect(rect, 10, kPanel);
}
BENCHMARK(BM_FillOfferPanel);

void BM_CopyDieLayer(benchmark::State& state) {
  TestCanvas source(35, 36, kPanel);
  TestCanvas target(35, 36, kGreen);
  for (auto _ : state) target.Dc().BitBlt(0, 0, 35, 36, &source.Dc(), 0, 0, SRCCOPY);
}
BENCHMARK(BM_CopyDieLayer);

void BM_FillRectBackground(benchmark::State& state) {
  TestCanvas layer(35, 36, kGreen);
  Painter().SetTarget(&layer.Dc());
  const CRect rect(0, 0, 35, 36);
  for (auto _ : state) Painter().FillRect(rect, kGreen);
}
BENCHMARK(BM_FillRectBackground);

}  // namespace
