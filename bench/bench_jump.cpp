// Type-ahead jump on the job-title overview: the find behind every typed key
// (from the first row, the first title in table order that begins with the
// typed text), with the find index against the plain scan on the same result.
#include "benchdata.h"
#include "benchmarks.h"
#include "comparison.h"

#include "data/database.h"
#include "data/recordset.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include <chrono>

using rvl92::FindCriterion;
using rvl92::Recordset;

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

constexpr int TitleColumn = 1;

// What a user types: the first one to six characters of a title, a key at a
// time, in any letter case; every fourth session ends with a letter that
// matches nothing (the screen takes it back).
QStringList typedKeys(const Recordset& rs, int count) {
    QRandomGenerator rng(1992);
    QStringList keys;
    while (keys.size() < count) {
        const QString title = rs.valueAt(int(rng.bounded(rs.recordCount())), TitleColumn)
                                  .value_or(QString())
                                  .toLower();
        const int typed = 1 + int(rng.bounded(6));
        QString k;
        for (int i = 0; i < typed && i < title.size(); ++i) {
            k += rng.bounded(3) == 0 ? title[i].toUpper() : title[i];
            keys << k;
        }
        if (rng.bounded(4) == 0)
            keys << k + QStringLiteral("q");
    }
    keys.resize(count);
    return keys;
}

void jump(benchmark::State& state, int titles) {
    QString error;
    const QString file = database(titles, &error);
    rvl92::Database db;
    rvl92::DbError dbError;
    Recordset rs;
    if (file.isEmpty() || !db.open(file, &dbError) || !rs.open(OverviewQuery, db, &dbError)) {
        state.SkipWithError(qPrintable(error + dbError.description));
        return;
    }
    const QStringList keys = typedKeys(rs, int(state.max_iterations));

    // The first key starts building the index of the title column and is
    // answered by the scan; the keys after it use the index once it is ready.
    rs.moveFirst();
    auto t0 = Clock::now();
    rs.find({TitleColumn, FindCriterion::Op::Prefix, keys.front()});
    const double firstKey = since(t0);
    rs.waitForIndexes();
    const double indexReady = since(t0);

    std::vector<double> indexed, scanned;
    int mismatches = 0, i = 0;
    for (auto _ : state) {
        const FindCriterion c{TitleColumn, FindCriterion::Op::Prefix, keys[i++]};
        rs.setIndexingEnabled(true);
        rs.moveFirst();
        t0 = Clock::now();
        const bool a = rs.find(c);
        const double ti = since(t0);
        const int rowA = rs.absolutePosition();

        rs.setIndexingEnabled(false);
        rs.moveFirst();
        t0 = Clock::now();
        const bool b = rs.find(c);
        const double ts = since(t0);
        mismatches += (a != b || rowA != rs.absolutePosition());

        state.SetIterationTime(ti);
        indexed.push_back(ti);
        scanned.push_back(ts);
    }
    if (mismatches) {
        state.SkipWithError("the index and the scan found different rows");
        return;
    }
    const double mi = median(indexed), ms = median(scanned);
    state.counters["index_us"] = mi * 1e6;
    state.counters["scan_us"] = ms * 1e6;
    state.counters["speedup"] = ms / mi;
    state.counters["first_key_ms"] = firstKey * 1e3;

    const std::string size = thousands(titles).toStdString() + " titles";
    const bool target = titles == 1'000'000;
    record({"Type-ahead jump, median per key, " + size, duration(mi), duration(ms),
            times(ms / mi) + " faster", target ? "<= 1 ms, >= 20x faster than scan" : "",
            mi <= 1e-3 && ms / mi >= 20});
    state.counters["index_ready_ms"] = indexReady * 1e3;
    record({"  first key (index still being built), " + size, duration(firstKey), duration(ms),
            times(firstKey / ms), "", true});
    record({"  index ready after the first key, " + size, duration(indexReady), "", "", "", true});
}

} // namespace

void registerJump() {
    for (int titles : {10'000, 100'000, 1'000'000})
        benchmark::RegisterBenchmark(("jump/" + std::to_string(titles)).c_str(),
                                     [titles](benchmark::State& s) { jump(s, titles); })
            ->Iterations(titles >= 1'000'000 ? 1000 : 3000)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
}

} // namespace bench
