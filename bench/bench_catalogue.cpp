// The catalogue window: creating it with all its grids (start-up work), and a
// click's evaluation of a row with the automatic-mode check.
#include "app/DesignState.h"
#include "catalogue/RowEvaluation.h"
#include "catalogue/TForm2.h"
#include "common/StringGrid.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace {

void BM_CreateCatalogueWindow(benchmark::State& state) {
    for (auto _ : state) {
        TForm2 window;
        benchmark::DoNotOptimize(window.StringGrid8->rowCount());
    }
}
BENCHMARK(BM_CreateCatalogueWindow)->Unit(benchmark::kMillisecond);

void BM_ClickEvaluation(benchmark::State& state) {
    TForm2 window;
    window.isAutoMode = [] { return true; };
    window.isTension = [] { return false; };
    DesignState& ds = designState();
    ds.SechType = SechPipe;
    ds.SortVariant = SortPipesSeamless;
    ds.Nforce = 400;
    ds.Lgeom = ds.Lx = ds.Ly = 3000;
    ds.LandaType = 1;
    window.showOnlyTab(3);
    StringGrid* grid = window.StringGrid8;
    int row = 1;
    for (auto _ : state) {
        grid->setRow(row);
        emit grid->rowClicked();
        row = row % 1276 + 1;
    }
}
BENCHMARK(BM_ClickEvaluation)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
