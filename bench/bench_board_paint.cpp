// A steady-state repaint of the board: the picture and the seven ready ring
// images, beside a plain copy of the same bytes in the same run.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstring>

#include "bench/GreyBoard.h"

using namespace bench;

namespace {

constexpr long long kBoardPixels = static_cast<long long>(kBoardWidth) * kBoardHeight;

void SetPixelCounts(benchmark::State& state, long long pixelsPerIteration) {
    state.SetItemsProcessed(state.iterations() * pixelsPerIteration);
    state.SetBytesProcessed(state.iterations() * pixelsPerIteration * 4);
}

void BM_BoardPaintSteadyState(benchmark::State& state) {
    TGreyBoard board;
    board.Form->Show();
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
    for (TBoardHighlight* h : board.Highlights) {
        if (!h->FirstPaintDone()) {
            state.SkipWithError("the highlights were not painted");
            return;
        }
    }
    for (auto _ : state) board.Board->Update();
    SetPixelCounts(state, kBoardPixels + SevenHighlightPixels());
}
BENCHMARK(BM_BoardPaintSteadyState);

void BM_CopyBoardAndSevenRings(benchmark::State& state) {
    const QImage picture = GreyImage(kBoardWidth, kBoardHeight);
    QImage buffer(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    TRectCopier rings(1);
    for (auto _ : state) {
        std::memcpy(buffer.bits(), picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes()));
        rings.Copy(buffer);
        benchmark::ClobberMemory();
    }
    SetPixelCounts(state, kBoardPixels + SevenHighlightPixels());
}
BENCHMARK(BM_CopyBoardAndSevenRings);

}  // namespace
