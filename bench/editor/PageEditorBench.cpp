// Times what a user waits for in the editor: a full tree rebuild (start-up, model or destination
// change) and a 240-row channel grid fill (every click on a bank). Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include "editor/PageEditor.h"
#include "model/ImagePasses.h"

namespace kelpie {
namespace {

// An editor on the largest tree a radio gives: every group usable and both directories offered.
struct ShownEditor
{
    RadioData data{0};
    ShellState shell;
    PageEditor editor{data, shell};

    ShownEditor()
    {
        ResetEditModel(data);
        for (UsableGroup& group : data.UsableGroups)
            group.Enable = true;
        editor.resize(607, 360);
        editor.show();
        editor.BuildPageTree();
    }
};

void BM_BuildPageTree(benchmark::State& state)
{
    ShownEditor shown;
    for (auto _ : state) {
        shown.editor.BuildPageTree();
        shown.editor.RefreshGroupCaptions();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_BuildPageTree)->Unit(benchmark::kMillisecond);

void BM_FillChannelGrid(benchmark::State& state)
{
    ShownEditor shown;
    QTreeWidgetItem* usa = shown.editor.findChild<QTreeWidget*>("tvTreeView")
                               ->findItems("USA", Qt::MatchExactly | Qt::MatchRecursive)
                               .value(0);
    for (auto _ : state) {
        shown.editor.ShowPage(usa);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FillChannelGrid)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelpie

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
