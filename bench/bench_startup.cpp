// Start-up of the program on the demonstration installation, as a whole
// process (`rvl92 --afsluiten-na-start`, which quits once the start screen is
// painted), against a bare Qt window that does the same.
#include "benchdata.h"
#include "benchmarks.h"
#include "comparison.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>

namespace bench {

namespace {

// Wall time of one run, in seconds; -1 when it failed.
double timeRun(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    return double(t.nsecsElapsed()) / 1e9;
}

void startup(benchmark::State& state) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        state.SkipWithError("needs a display: run the benchmarks under xvfb-run -a");
        return;
    }
    const QString program = QStringLiteral(RVL92_PROGRAM_EXE);
    const QStringList args{QStringLiteral("--afsluiten-na-start"), QStringLiteral("--programmamap"),
                           demoProgramDir()};
    const QString bare = QStringLiteral(RVL92_BARE_EXE);
    // Once each untimed: libraries and files into the page cache.
    if (timeRun(program, args) < 0 || timeRun(bare, {}) < 0) {
        state.SkipWithError("rvl92 --afsluiten-na-start did not end normally");
        return;
    }
    std::vector<double> runs, floor;
    int round = 0;
    for (auto _ : state) {
        for (int k = 0; k < 2; ++k) {
            if ((k + round) % 2 == 0)
                floor.push_back(timeRun(bare, {}));
            else
                runs.push_back(timeRun(program, args));
        }
        state.SetIterationTime(runs.back());
        ++round;
    }
    const double p = median(runs), f = median(floor);
    state.counters["floor_ms"] = f * 1e3;
    state.counters["ratio"] = p / f;
    record({"Start-up to the painted start screen (median)", duration(p),
            duration(f) + " bare window", times(p / f), "<= 0.3 s", p <= 0.3});
}

} // namespace

void registerStartup() {
    benchmark::RegisterBenchmark("startup", startup)
        ->Iterations(21)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
