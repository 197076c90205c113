// Making the tile sheet for a dense screen: the large art (2048 x 1536, faces
// of 192 x 240) averaged by area to faces of 144 x 180 (144 DPI at 100 %)
// and 192 x 240 (192 DPI). The Windows side decodes the PNG first; its whole
// road is timed under Wine by bench/win32/paint_bench.exe.
#include <benchmark/benchmark.h>

#include "view/area_scale.h"

namespace {

// A sheet of the large art's size whose every pixel differs from its
// neighbours, as the faces' edges and strokes do.
Pixels largeSheet() {
    Pixels sheet{2048, 1536, std::vector<uint32_t>(2048u * 1536u)};
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            sheet.data[y * sheet.width + x] = 0xFF000000u | static_cast<uint32_t>((x * 7 + y * 13) & 0xFF) << 16 |
                                              static_cast<uint32_t>((x ^ y) & 0xFF) << 8 | ((x * y) & 0xFF);
    return sheet;
}

void BM_SheetFromLargeArt(benchmark::State& state) {
    static const Pixels sheet = largeSheet();
    const int width = static_cast<int>(state.range(0)), height = width * 5 / 4;
    Pixels scaled{};
    for (auto _ : state) {
        scaleByArea(sheet, Ratio{width, 192}, Ratio{height, 240}, scaled);
        benchmark::DoNotOptimize(scaled.data.data());
    }
}
BENCHMARK(BM_SheetFromLargeArt)->Arg(120)->Arg(144)->Arg(192)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
