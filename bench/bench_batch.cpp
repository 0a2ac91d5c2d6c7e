// The lightest adequate section over the largest catalogue (1276 seamless
// pipes) and the batch design of 1,000 generated truss members.

#include "app/DesignState.h"
#include "batch/BatchRun.h"
#include "batch/LightestSection.h"
#include "report/ReportFiles.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

batch::Member pipeMember(double force, double length, bool tension) {
    batch::Member m;
    m.number = 1;
    m.name = QStringLiteral("Р1");
    m.force = force;
    m.length = length;
    m.muX = m.muY = 1;
    m.tension = tension;
    m.gammaN = 0.95;
    m.gammaC = 0.95;
    m.steelName = QStringLiteral("C245");
    m.ry = 240;
    m.landaType = tension ? LandaTension : Landa180Minus60a;
    m.landaU = tension ? 400 : 0;
    m.sechType = SechPipe;
    m.sortVariant = SortPipesSeamless;
    m.lightest = true;
    return m;
}

void lightestPipe(benchmark::State& state, double force, double length, bool tension) {
    resetDesignState();
    const batch::Member m = pipeMember(force, length, tension);
    batch::applyMember(m);
    lightestAdequateRow(m.grid(), m.tension); // the grid's rows are read once
    for (auto _ : state)
        benchmark::DoNotOptimize(lightestAdequateRow(m.grid(), m.tension));
}

void BM_LightestSeamlessPipeCompression(benchmark::State& state) {
    lightestPipe(state, 500, 3000, false);
}
BENCHMARK(BM_LightestSeamlessPipeCompression)->Unit(benchmark::kMicrosecond);

void BM_LightestSeamlessPipeTension(benchmark::State& state) {
    lightestPipe(state, 800, 6000, true);
}
BENCHMARK(BM_LightestSeamlessPipeTension)->Unit(benchmark::kMicrosecond);

// A force no pipe can carry: the least-area bound rules out every row.
void BM_NoSeamlessPipePasses(benchmark::State& state) {
    lightestPipe(state, 50000, 3000, false);
}
BENCHMARK(BM_NoSeamlessPipePasses)->Unit(benchmark::kMicrosecond);

// 1,000 members of many trusses: chords, diagonals and posts of every
// section type, forces 20 … 1200 kN, lengths 1.5 … 6 m, half of them in
// tension, written into one report and one table.
batch::Project generatedProject() {
    batch::Project p;
    p.passport.norms = QStringLiteral("СНиП II-23-81*");
    p.passport.file = QStringLiteral("Bench");
    const int types[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < 1000; ++i) {
        batch::Member m = pipeMember(20 + (i * 37) % 1180, 1500 + (i * 113) % 4500, i % 2 == 1);
        m.number = i + 1;
        m.name = QStringLiteral("Стержень %1").arg(i + 1);
        m.sechType = types[i % 9];
        m.sortVariant = m.sechType == 9 ? (i / 9) % 2 * 3 : 0;
        if (m.tension)
            m.landaU = 400;
        p.members.push_back(m);
    }
    return p;
}

void BM_Batch1000Members(benchmark::State& state) {
    const batch::Project project = generatedProject();
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    int written = 0;
    for (auto _ : state) {
        resetDesignState();
        resetReportLines();
        written = batch::runProject(project).written();
    }
    state.counters["written"] = written;
    QDir::setCurrent(previous);
}
BENCHMARK(BM_Batch1000Members)->Unit(benchmark::kMillisecond);

} // namespace
