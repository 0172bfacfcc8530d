// rvl92-bench: the performance figures of RVL92 at scale, each against its
// floor in the same run, with a summary of ratios and targets at the end.
// Google Benchmark's own options apply (--benchmark_filter=jump, ...).
#include "benchmarks.h"
#include "comparison.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    bench::registerJump();
    bench::registerOpen();
    bench::registerSearch();
    bench::registerMemory();
    bench::registerStartup();
    benchmark::RunSpecifiedBenchmarks();
    const int missed = bench::printSummary();
    benchmark::Shutdown();
    return missed == 0 ? 0 : 1;
}
