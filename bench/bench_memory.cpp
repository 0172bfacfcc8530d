// Peak memory of the program holding the 1,000,000-title overview, against
// the raw text bytes of the overview's values.
#include "benchdata.h"
#include "benchmarks.h"
#include "comparison.h"
#include "rawsqlite.h"

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace bench {

namespace {

// Runs the holding process; its peak resident memory in bytes, or -1.
double peakOfHolder(const QStringList& args, QString* error) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral(RVL92_HOLD_EXE), args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QStringLiteral("rvl92-bench-hold failed: ") +
                 QString::fromLocal8Bit(p.readAllStandardOutput());
        return -1;
    }
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith("peak_kb ") && line.mid(8).toDouble() > 0)
            return line.mid(8).toDouble() * 1024.0;
    *error = QStringLiteral("rvl92-bench-hold printed no peak");
    return -1;
}

void memory(benchmark::State& state, int titles) {
    QString error;
    const QString file = database(titles, &error);
    const QString dir = file.isEmpty() ? QString() : programDir(titles, &error);
    RawConnection raw;
    RawResult all;
    if (dir.isEmpty() || !raw.open(file, &error) || !raw.run(OverviewQuery, all, &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const double rawBytes = double(all.text.size());
    all.text.clear();
    all.offsets.clear();

    std::vector<double> peaks, empties;
    for (auto _ : state) {
        const double peak = peakOfHolder({dir}, &error);
        const double empty = peakOfHolder({dir, QStringLiteral("--leeg")}, &error);
        if (peak < 0 || empty < 0) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        peaks.push_back(peak);
        empties.push_back(empty);
    }
    const double peak = median(peaks), empty = median(empties);
    const double limit = 2.5 * rawBytes + 50.0 * 1024 * 1024;
    state.counters["peak_MB"] = peak / (1024 * 1024);
    state.counters["raw_MB"] = rawBytes / (1024 * 1024);
    state.counters["empty_MB"] = empty / (1024 * 1024);
    state.counters["ratio"] = peak / rawBytes;
    record({"Peak memory holding the overview, " + thousands(titles).toStdString() + " titles",
            megabytes(peak), megabytes(rawBytes) + " raw text", times(peak / rawBytes),
            "<= 2.5x raw + 50 MB (" + megabytes(limit) + ")", peak <= limit});
    record({"  the program on its start screen only", megabytes(empty), "", "", "", true});
}

} // namespace

void registerMemory() {
    benchmark::RegisterBenchmark("memory/1000000",
                                 [](benchmark::State& s) { memory(s, 1'000'000); })
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
