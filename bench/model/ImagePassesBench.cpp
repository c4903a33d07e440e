// Times the whole-model passes; each runs once per radio read, write, file load or reset.
#include <benchmark/benchmark.h>

#include "model/ImagePasses.h"

namespace kelpie {
namespace {

RadioData ResetData(int model)
{
    RadioData data(model);
    ResetEditModel(data);
    return data;
}

void BM_DecodeImage(benchmark::State& state)
{
    RadioData data = ResetData(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DecodeImage(data);
        benchmark::DoNotOptimize(data.UsaChannels.data());
    }
}

void BM_EncodeImage(benchmark::State& state)
{
    RadioData data = ResetData(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        EncodeImage(data);
        benchmark::DoNotOptimize(data.RadioImage[0x0100]);
    }
}

void BM_ResetEditModel(benchmark::State& state)
{
    RadioData data(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ResetEditModel(data);
        benchmark::DoNotOptimize(data.RadioImage[0x0100]);
    }
}

BENCHMARK(BM_DecodeImage)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EncodeImage)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResetEditModel)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelpie
