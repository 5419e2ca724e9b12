// The ring blend and the rendering of the ring images, each beside a plain
// copy of the same pixels in the same run.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/GreyBoard.h"

using namespace bench;

namespace {

constexpr int kRingWidth = 152;  // the largest highlight of the board
constexpr int kRingHeight = 222;
constexpr long long kRingPixels = static_cast<long long>(kRingWidth) * kRingHeight;

void SetPixelCounts(benchmark::State& state, long long pixelsPerIteration) {
    state.SetItemsProcessed(state.iterations() * pixelsPerIteration);
    state.SetBytesProcessed(state.iterations() * pixelsPerIteration * 4);
}

// Blending in place again and again: the cost does not depend on the pixels.
void BM_BlendRing(benchmark::State& state) {
    const bool bright = state.range(0) != 0;
    TBitmap image(kRingWidth, kRingHeight);
    image.Image() = GreyImage(kRingWidth, kRingHeight);
    const THighlightLook* look = LookOf(htOptions);
    for (auto _ : state) {
        BlendRing(image, kRingWidth - 1, kRingHeight - 1, bright ? look->BrightStrength : look->RestingStrength,
                  look->RingColor, bright);
        benchmark::ClobberMemory();
    }
    SetPixelCounts(state, kRingPixels);
}
BENCHMARK(BM_BlendRing)->ArgName("bright")->Arg(0)->Arg(1);

void BM_MemcpyRingBytes(benchmark::State& state) {
    const QImage source = GreyImage(kRingWidth, kRingHeight);
    QImage target(kRingWidth, kRingHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), static_cast<std::size_t>(source.sizeInBytes()));
        benchmark::ClobberMemory();
    }
    SetPixelCounts(state, kRingPixels);
}
BENCHMARK(BM_MemcpyRingBytes);

// The three ring images of all seven highlights, each copied from a board
// buffer the way a paint pass offers it and then blended.
void BM_BuildRingImagesSevenHighlights(benchmark::State& state) {
    TGreyBoard board;
    QImage buffer = GreyImage(kBoardWidth, kBoardHeight);
    for (TBoardHighlight* h : board.Highlights) {
        h->Canvas()->SetTarget(&buffer);
        h->Canvas()->SetOrigin(TPoint{h->Left(), h->Top()});
    }
    for (auto _ : state) {
        for (TBoardHighlight* h : board.Highlights) h->BuildRingImages();
        benchmark::ClobberMemory();
    }
    for (TBoardHighlight* h : board.Highlights) {
        h->Canvas()->SetOrigin(TPoint{0, 0});
        h->Canvas()->SetTarget(nullptr);
    }
    SetPixelCounts(state, 3 * SevenHighlightPixels());
}
BENCHMARK(BM_BuildRingImagesSevenHighlights);

void BM_CopySevenHighlightAreasThrice(benchmark::State& state) {
    const QImage buffer = GreyImage(kBoardWidth, kBoardHeight);
    TRectCopier copier(3);
    for (auto _ : state) {
        copier.Copy(buffer);
        benchmark::ClobberMemory();
    }
    SetPixelCounts(state, 3 * SevenHighlightPixels());
}
BENCHMARK(BM_CopySevenHighlightAreasThrice);

}  // namespace
