// Opening the job-title overview: the query run into a Recordset and a model
// ready for the grid, against stepping the same query with the sqlite3 C API
// and copying the values.
#include "benchdata.h"
#include "benchmarks.h"
#include "comparison.h"
#include "rawsqlite.h"

#include "data/database.h"
#include "data/recordset.h"
#include "data/recordsetmodel.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

bool sameContent(const RawResult& raw, const rvl92::Recordset& rs) {
    if (raw.rows != rs.recordCount() || raw.columns != rs.fieldCount())
        return false;
    for (int r = 0; r < rs.recordCount(); ++r)
        for (int c = 0; c < raw.columns; ++c) {
            const QByteArrayView v = rs.rawAt(r, c);
            const std::string_view w = raw.cell(r, c);
            if (rs.isNullAt(r, c) != raw.isNull(r, c) ||
                std::string_view(v.data(), size_t(v.size())) != w)
                return false;
        }
    return true;
}

void open(benchmark::State& state, int titles) {
    QString error;
    const QString file = database(titles, &error);
    RawConnection raw;
    rvl92::Database db;
    rvl92::DbError dbError;
    if (file.isEmpty() || !raw.open(file, &error) || !db.open(file, &dbError)) {
        state.SkipWithError(qPrintable(error + dbError.description));
        return;
    }
    {
        // Both once untimed: the file into the page cache, and the same rows.
        RawResult rawResult;
        rvl92::Recordset rs;
        if (!raw.run(OverviewQuery, rawResult, &error) || !rs.open(OverviewQuery, db, &dbError)) {
            state.SkipWithError(qPrintable(error + dbError.description));
            return;
        }
        if (!sameContent(rawResult, rs)) {
            state.SkipWithError("the recordset differs from the raw result");
            return;
        }
    }

    std::vector<double> program, floor;
    int round = 0;
    for (auto _ : state) {
        // Alternate which goes first, so that a drift in the machine's load
        // falls on both.
        for (int k = 0; k < 2; ++k) {
            if ((k + round) % 2 == 0) {
                RawResult r;
                const auto t0 = Clock::now();
                raw.run(OverviewQuery, r, &error);
                floor.push_back(since(t0));
            } else {
                auto rs = std::make_unique<rvl92::Recordset>();
                rvl92::RecordsetModel model;
                const auto t0 = Clock::now();
                rs->open(OverviewQuery, db, &dbError);
                model.setRecordset(rs.get());
                benchmark::DoNotOptimize(model.rowCount());
                const double t = since(t0);
                program.push_back(t);
                state.SetIterationTime(t);
            }
        }
        ++round;
    }
    const double p = median(program), f = median(floor);
    state.counters["floor_ms"] = f * 1e3;
    state.counters["ratio"] = p / f;
    const bool target = titles == 1'000'000;
    record({"Opening the overview, " + thousands(titles).toStdString() + " titles", duration(p),
            duration(f), times(p / f), target ? "<= 1.5x and <= 1 s" : "",
            p / f <= 1.5 && p <= 1.0});
}

} // namespace

void registerOpen() {
    for (int titles : {10'000, 100'000, 1'000'000})
        benchmark::RegisterBenchmark(("open/" + std::to_string(titles)).c_str(),
                                     [titles](benchmark::State& s) { open(s, titles); })
            ->Iterations(titles >= 1'000'000 ? 7
                         : titles >= 100'000 ? 21
                                             : 101)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

} // namespace bench
