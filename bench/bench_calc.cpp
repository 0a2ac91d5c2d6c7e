// ns per call of the φ and φe routines.
#include "calc/RodCalc.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Fi_SNiP(benchmark::State& state) {
    double lambda = 10;
    for (auto _ : state) {
        double fi = 0;
        Fi_SNiP(240, lambda, fi);
        benchmark::DoNotOptimize(fi);
        lambda = lambda > 200 ? 10 : lambda + 1.7;
    }
}
BENCHMARK(BM_Fi_SNiP);

void BM_Fi_SP(benchmark::State& state) {
    double lambda = 10;
    for (auto _ : state) {
        double fi = 0;
        Fi_SP(2, 240, lambda, fi);
        benchmark::DoNotOptimize(fi);
        lambda = lambda > 200 ? 10 : lambda + 1.7;
    }
}
BENCHMARK(BM_Fi_SP);

void BM_Fie_Calc(benchmark::State& state) {
    double m = 0.05;
    for (auto _ : state) {
        double fie = 0;
        benchmark::DoNotOptimize(Fie_Calc(0, m, 3.3, fie));
        benchmark::DoNotOptimize(fie);
        m = m > 21 ? 0.05 : m + 0.37;
    }
}
BENCHMARK(BM_Fie_Calc);

} // namespace
