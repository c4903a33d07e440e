// Times an import of a full bank E of 40 CHIRP rows: every row checked, then written as one edit.
// It must stay well under 20 ms, the time a user notices.
#include <benchmark/benchmark.h>

#include "edit/ChannelCsv.h"
#include "model/Format.h"
#include "model/ImagePasses.h"

namespace kelpie {
namespace {

std::string FortyRows()
{
    std::string text =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power\r\n";
    for (int n = 1; n <= 40; ++n) {
        text += std::to_string(n) + ",WORK " + std::to_string(n) + "," +
                Format(150.0 + 0.025 * n, "0.000000") +
                (n % 2 ? ",+,0.600000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,5.0W\r\n"
                       : ",,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,S,1.0W\r\n");
    }
    return text;
}

void BM_ImportFortyChirpRows(benchmark::State& state)
{
    RadioData fresh(5);
    ResetEditModel(fresh);
    const std::string text = FortyRows();
    for (auto _ : state) {
        state.PauseTiming();
        RadioData data = fresh;
        ShellState shell;
        EditContext ctx{data, shell};
        state.ResumeTiming();
        const ChannelImport checked = CheckChirpCsv(data, text, ChirpPlacing::AtLocation);
        if (!ApplyChannelImport(ctx, checked, false, "Import Channels") || checked.Changes.size() != 40) {
            state.SkipWithError("the forty rows were not all written");
            break;
        }
    }
}

}  // namespace

BENCHMARK(BM_ImportFortyChirpRows)->Unit(benchmark::kMillisecond);

}  // namespace kelpie
