// Times undo and redo of a step that changed all 40 channels of the extra bank, as a paste or an
// import of the whole bank does; each must feel immediate (well under 20 ms).
#include <benchmark/benchmark.h>

#include "edit/EditContext.h"
#include "edit/EditHistory.h"
#include "model/ImagePasses.h"

namespace kelpie {
namespace {

// A model 5 radio edited with a history.
struct Edited
{
    Edited()
    {
        ResetEditModel(data);
        shell.History = &history;
    }

    RadioData data{5};
    ShellState shell;
    EditHistory history;
    EditContext ctx{data, shell};
};

void BM_UndoRedoFortyChannelStep(benchmark::State& state)
{
    Edited edited;
    RadioData& data = edited.data;
    EditHistory& history = edited.history;
    EditContext& ctx = edited.ctx;
    {
        EditStep step(ctx, {"Paste 40 channels", "ExpChannel"});
        for (ChannelRecord& record : data.ExpChannels) {
            record.Enable = true;
            record.ChTag = "PASTED";
            record.Rxfreq = 156.05;
            record.Txfreq = 156.05;
        }
    }
    for (auto _ : state) {
        history.Undo(ctx);
        history.Redo(ctx);
        benchmark::DoNotOptimize(data.ExpChannels.data());
    }
}

// The cost every edit pays: the step around one field change.
void BM_OneFieldStep(benchmark::State& state)
{
    Edited edited;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        EditField(edited.ctx, edited.data.CommonSetup.DualWatch, on);
    }
}

}  // namespace

BENCHMARK(BM_UndoRedoFortyChannelStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneFieldStep)->Unit(benchmark::kMicrosecond);

}  // namespace kelpie
