// Times what a user waits for in the editor: a full tree rebuild (start-up, model or destination
// change), a 240-row channel grid fill (every click on a bank) and a name typed into a grid cell,
// from Enter to the row painted again. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
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

void BM_GridEditRoundTrip(benchmark::State& state)
{
    ShownEditor shown;
    QApplication::setActiveWindow(&shown.editor);
    shown.editor.SelectNodeByKey("PU");
    auto* grid = shown.editor.findChild<QTableWidget*>("MSFlexGrid1");
    const int name = grid->columnCount() - 1;
    grid->setFocus();
    grid->setCurrentCell(32, name);
    QCoreApplication::processEvents();
    const QRect row = grid->visualRect(grid->model()->index(32, 0))
                          .united(grid->visualRect(grid->model()->index(32, name)));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        grid->setCurrentCell(32, name);
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), (n++ % 2) != 0 ? "A" : "B");
        state.ResumeTiming();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        grid->viewport()->repaint(row);
    }
    if (shown.data.UsaChannels[32].ChTag.empty())
        state.SkipWithError("the edit never reached the record");
}
BENCHMARK(BM_GridEditRoundTrip)->Unit(benchmark::kMillisecond);

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
