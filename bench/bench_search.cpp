// The three searches as the search screens run them (our like() on the
// program's connection), against the same rows from SQLite's own LIKE or GLOB
// on a plain connection, each result copied once.
#include "benchdata.h"
#include "benchmarks.h"
#include "comparison.h"
#include "rawsqlite.h"

#include "data/database.h"
#include "data/recordset.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// One search: the program's SQL and the floor's SQL for the same rows, and
// how the summary names it (empty: not listed on its own).
struct Query {
    std::string program;
    std::string floor;
    std::string label;
};

const char* const TitleSelect = "select RVL92, functienaam, beroep  from functienamen where ";

std::vector<Query> textSearches() {
    // Typed texts, from common to absent; plain letters, so SQLite's LIKE
    // (ASCII case folding only) must give exactly our rows.
    std::vector<Query> q;
    for (const char* text : {"e", "monteur", "medewerker", "techn", "ass", "qxz"}) {
        const std::string sql = std::string(TitleSelect) + " functienaam Like '%" + text + "%'";
        q.push_back({sql, sql, std::string("Like '%") + text + "%'"});
    }
    return q;
}

std::vector<Query> codeSearches() {
    // Code boxes left empty become "#"; SQLite's GLOB says the same with
    // "[0-9]".
    std::vector<Query> q;
    for (const char* pattern : {"3####", "34###", "#4###", "##1#2", "51201"}) {
        std::string glob;
        for (const char* p = pattern; *p; ++p)
            glob += *p == '#' ? std::string("[0-9]") : std::string(1, *p);
        q.push_back({std::string(TitleSelect) + " RVL92 Like '" + pattern + "'",
                     std::string(TitleSelect) + " RVL92 GLOB '" + glob + "'",
                     std::string("Like '") + pattern + "' / GLOB '" + glob + "'"});
    }
    return q;
}

std::vector<Query> characteristicSearches() {
    const std::string select = "select RVL92, werksoortCode1, werksoort1, werksoortCode2,  "
                               "werksoort2, werksoortCode3, werksoort3, beroep  from RVL where ";
    const std::string worktype = " (WerksoortCode1 = '101' OR WerksoortCode2 = '101' OR "
                                 "WerksoortCode3 = '101')";
    std::string skill = " AND (VaardighedenCode1 = '012'";
    for (int k = 2; k <= 7; ++k)
        skill += " OR VaardighedenCode" + std::to_string(k) + " ='012'";
    skill += ")";
    std::vector<Query> q;
    for (const std::string& where :
         {std::string("NiveauBekwaamhedenCode = '3'"), worktype, worktype + skill,
          std::string("NiveauBekwaamhedenCode = '4' AND HoofdrichtingCode = '04'") + " AND" +
              worktype + skill}) {
        q.push_back({select + where, select + where, ""});
    }
    return q;
}

// Same rows, in any order: SQLite may read the floor through an index.
bool sameRows(const RawResult& raw, const rvl92::Recordset& rs) {
    if (raw.rows != rs.recordCount() || raw.columns != rs.fieldCount())
        return false;
    auto key = [](auto cell, int columns, long long r) {
        std::string k;
        for (int c = 0; c < columns; ++c) {
            k += cell(r, c);
            k += '\x1f';
        }
        return k;
    };
    std::vector<std::string> a, b;
    for (long long r = 0; r < raw.rows; ++r) {
        a.push_back(key([&](long long row, int c) { return raw.cell(row, c); }, raw.columns, r));
        b.push_back(key(
            [&](long long row, int c) {
                const QByteArrayView v = rs.rawAt(int(row), c);
                return std::string_view(v.data(), size_t(v.size()));
            },
            raw.columns, r));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

void search(benchmark::State& state, const char* what, const std::vector<Query>& queries,
            int titles) {
    QString error;
    const QString file = database(titles, &error);
    RawConnection raw;
    rvl92::Database db;
    rvl92::DbError dbError;
    if (file.isEmpty() || !raw.open(file, &error) || !db.open(file, &dbError)) {
        state.SkipWithError(qPrintable(error + dbError.description));
        return;
    }
    long long rows = 0;
    std::vector<long long> rowsOf;
    for (const Query& q : queries) {
        RawResult r;
        rvl92::Recordset rs;
        if (!raw.run(q.floor.c_str(), r, &error) ||
            !rs.open(QString::fromStdString(q.program), db, &dbError)) {
            state.SkipWithError(qPrintable(error + dbError.description));
            return;
        }
        if (!sameRows(r, rs)) {
            state.SkipWithError(("different rows: " + q.program).c_str());
            return;
        }
        rows += r.rows;
        rowsOf.push_back(r.rows);
    }

    std::vector<double> program, floor;
    std::vector<std::vector<double>> programOf(queries.size()), floorOf(queries.size());
    int round = 0;
    for (auto _ : state) {
        double p = 0, f = 0;
        for (size_t i = 0; i < queries.size(); ++i) {
            const Query& q = queries[i];
            for (int k = 0; k < 2; ++k) {
                if ((k + round) % 2 == 0) {
                    RawResult r;
                    const auto t0 = Clock::now();
                    raw.run(q.floor.c_str(), r, &error);
                    floorOf[i].push_back(since(t0));
                    f += floorOf[i].back();
                } else {
                    rvl92::Recordset rs;
                    const QString sql = QString::fromStdString(q.program);
                    const auto t0 = Clock::now();
                    rs.open(sql, db, &dbError);
                    programOf[i].push_back(since(t0));
                    p += programOf[i].back();
                }
            }
        }
        program.push_back(p);
        floor.push_back(f);
        state.SetIterationTime(p);
        ++round;
    }
    const double p = median(program), f = median(floor);
    state.counters["floor_ms"] = f * 1e3;
    state.counters["ratio"] = p / f;
    state.counters["rows"] = double(rows);
    record({std::string(what) + " (" + std::to_string(queries.size()) + " queries), " +
                thousands(titles).toStdString() + " titles",
            duration(p), duration(f), times(p / f), "<= 1.3x", p / f <= 1.3});
    for (size_t i = 0; i < queries.size(); ++i) {
        if (queries[i].label.empty())
            continue;
        const double pi = median(programOf[i]), fi = median(floorOf[i]);
        record({"  " + queries[i].label + ", " + thousands(rowsOf[i]).toStdString() + " rows",
                duration(pi), duration(fi), times(pi / fi), "", true});
    }
}

} // namespace

void registerSearch() {
    const int titles = 1'000'000;
    benchmark::RegisterBenchmark(
        "search/text/1000000",
        [](benchmark::State& s) { search(s, "Job-title text search", textSearches(), titles); })
        ->Iterations(7)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        "search/code/1000000",
        [](benchmark::State& s) { search(s, "Code search", codeSearches(), titles); })
        ->Iterations(7)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("search/characteristics/1000000",
                                 [](benchmark::State& s) {
                                     search(s, "Characteristic search", characteristicSearches(),
                                            titles);
                                 })
        ->Iterations(101)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
