// Start-up to a shown window: the load (settings, tables, the default image of the remembered
// destination, the page tree) and the first paint. Goal: under 0.5 s.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/frmMain.h"
#include "settings/QtSettingsStore.h"

namespace {

void StartupToShownWindow(benchmark::State& state)
{
    // The user's own settings are only read at start-up; nothing is written before a close.
    kelpie::QtSettingsStore settings;
    const kelpie::AppEnvironment environment{settings, KELPIE_BIN_DIR, KELPIE_BIN_DIR, {}, true};
    for (auto _ : state) {
        kelpie::frmMain window(environment);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(StartupToShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelpie"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
