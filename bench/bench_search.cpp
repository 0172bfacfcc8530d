// The three searches as the search screens run them (our like() on the
// program's connection), against the same rows from SQLite's own LIKE or GLOB
// on a plain connection, each result copied once. Every single query is held
// to the target, not only their sum.
#include "benchdata.h"
#include "benchmarks.h"
#include "comparison.h"
#include "rawsqlite.h"

#include "data/database.h"
#include "data/recordset.h"
#include "screens/search/codepattern.h"
#include "screens/search/searchcondition.h"
#include "screens/search/searchtext.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

namespace bench {

namespace {

constexpr double Target = 1.3;

// CPU time of this thread: a query runs on one thread and reads a file that
// the system holds in memory, so this is the time it takes on a quiet machine,
// without the time the thread waits for a core that others' builds hold.
double cpuNow() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// One search: the SQL the screen runs, the written query when the screen runs
// another form of it (then both must give the same rows in the same order),
// and the floor's SQL for the same rows.
struct Query {
    std::string label;
    QString program;
    QString written;
    std::string floor;
    rvl92::Recordset::Order order = rvl92::Recordset::Order::AsReturned;
};

const char* const TitleSelect = "select RVL92, functienaam, beroep  from functienamen where ";

std::vector<Query> textSearches(const rvl92::Database&) {
    // Typed texts, from common to absent; plain letters, so SQLite's LIKE
    // (ASCII case folding only) must give exactly our rows.
    std::vector<Query> q;
    for (const char* text : {"e", "monteur", "medewerker", "techn", "ass", "qxz"}) {
        q.push_back({std::string("Like '%") + text + "%'",
                     rvl92::search::jobTitleQuery(QString::fromLatin1(text)),
                     {},
                     std::string(TitleSelect) + " functienaam Like '%" + text + "%'"});
    }
    return q;
}

std::vector<Query> codeSearches(const rvl92::Database& db) {
    // Code boxes left empty become "#"; SQLite's GLOB says the same with
    // "[0-9]" and reads the rows with fixed leading digits from its index.
    const bool index = db.hasTextIndex(QStringLiteral("functienamen"), QStringLiteral("RVL92"));
    std::vector<Query> q;
    for (const char* pattern : {"3####", "34###", "#4###", "##1#2", "51201"}) {
        std::string glob;
        for (const char* p = pattern; *p; ++p)
            glob += *p == '#' ? std::string("[0-9]") : std::string(1, *p);
        const QString patroon = QString::fromLatin1(pattern);
        const rvl92::search::QueryPlan run = rvl92::search::codeSearchPlan(patroon, index);
        q.push_back({std::string("Like '") + pattern + "' / GLOB '" + glob + "'", run.sql,
                     rvl92::search::codeSearchQuery(patroon),
                     std::string(TitleSelect) + " RVL92 GLOB '" + glob + "'", run.order});
    }
    return q;
}

std::vector<Query> characteristicSearches(const rvl92::Database&) {
    using rvl92::search::VullenZoekstring;
    const QStringList niets, werksoort{QStringLiteral("101")}, vaardigheid{QStringLiteral("012")};
    const struct {
        const char* label;
        QString where;
    } searches[] = {
        {"level 3", VullenZoekstring({QStringLiteral("3")}, niets, niets, niets)},
        {"work type 101", VullenZoekstring(niets, niets, werksoort, niets)},
        {"work type 101, skill 012", VullenZoekstring(niets, niets, werksoort, vaardigheid)},
        {"level 4, main direction 04, work type 101, skill 012",
         VullenZoekstring({QStringLiteral("4")}, {QStringLiteral("04")}, werksoort, vaardigheid)},
    };
    std::vector<Query> q;
    for (const auto& s : searches) {
        const QString sql = rvl92::search::characteristicsQuery(s.where);
        q.push_back({s.label, sql, {}, sql.toStdString()});
    }
    return q;
}

using Cell = std::string_view;

Cell cellOf(const rvl92::Recordset& rs, long long row, int column) {
    const QByteArrayView v = rs.rawAt(int(row), column);
    return Cell(v.data(), size_t(v.size()));
}

// Same rows, in any order: SQLite may read the floor through an index.
bool sameRows(const RawResult& raw, const rvl92::Recordset& rs) {
    if (raw.rows != rs.recordCount() || raw.columns != rs.fieldCount())
        return false;
    auto key = [&](auto cell, long long r) {
        std::string k;
        for (int c = 0; c < raw.columns; ++c) {
            k += cell(r, c);
            k += '\x1f';
        }
        return k;
    };
    std::vector<std::string> a, b;
    for (long long r = 0; r < raw.rows; ++r) {
        a.push_back(key([&](long long row, int c) { return raw.cell(row, c); }, r));
        b.push_back(key([&](long long row, int c) { return cellOf(rs, row, c); }, r));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// Same rows in the same order, NULLs included.
bool sameRowsInOrder(const rvl92::Recordset& a, const rvl92::Recordset& b) {
    if (a.recordCount() != b.recordCount() || a.fieldCount() != b.fieldCount())
        return false;
    for (long long r = 0; r < a.recordCount(); ++r)
        for (int c = 0; c < a.fieldCount(); ++c)
            if (cellOf(a, r, c) != cellOf(b, r, c) ||
                a.isNullAt(int(r), c) != b.isNullAt(int(r), c))
                return false;
    return true;
}

double minimum(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

void search(benchmark::State& state, const char* what,
            std::vector<Query> (*make)(const rvl92::Database&), int titles) {
    QString error;
    const QString file = database(titles, &error);
    RawConnection raw;
    rvl92::Database db;
    rvl92::DbError dbError;
    if (file.isEmpty() || !raw.open(file, &error) || !db.open(file, &dbError)) {
        state.SkipWithError(qPrintable(error + dbError.description));
        return;
    }
    const std::vector<Query> queries = make(db);
    std::vector<long long> rowsOf;
    for (const Query& q : queries) {
        RawResult r;
        rvl92::Recordset rs, written;
        if (!raw.run(q.floor.c_str(), r, &error) || !rs.open(q.program, db, &dbError, q.order) ||
            (!q.written.isEmpty() && !written.open(q.written, db, &dbError))) {
            state.SkipWithError(qPrintable(error + dbError.description));
            return;
        }
        if (!sameRows(r, rs)) {
            state.SkipWithError(("different rows: " + q.program).toStdString().c_str());
            return;
        }
        if (!q.written.isEmpty() && !sameRowsInOrder(rs, written)) {
            state.SkipWithError(
                ("not the rows of the written query: " + q.program).toStdString().c_str());
            return;
        }
        rowsOf.push_back(r.rows);
    }

    // The two sides alternate query by query, and which goes first swaps
    // every round, so that a change of the machine's load falls on both. The
    // fastest of all rounds is each side's figure: noise only ever adds time.
    // A recordset is destroyed outside the timing, as the floor's result is.
    std::vector<std::vector<double>> programOf(queries.size()), floorOf(queries.size());
    int round = 0;
    for (auto _ : state) {
        double p = 0;
        for (size_t i = 0; i < queries.size(); ++i) {
            const Query& q = queries[i];
            for (int k = 0; k < 2; ++k) {
                if ((k + round + int(i)) % 2 == 0) {
                    RawResult r;
                    const double t0 = cpuNow();
                    raw.run(q.floor.c_str(), r, &error);
                    floorOf[i].push_back(cpuNow() - t0);
                } else {
                    rvl92::Recordset rs;
                    const double t0 = cpuNow();
                    rs.open(q.program, db, &dbError, q.order);
                    programOf[i].push_back(cpuNow() - t0);
                    p += programOf[i].back();
                }
            }
        }
        state.SetIterationTime(p);
        ++round;
    }

    double p = 0, f = 0, worst = 0;
    std::vector<Outcome> single;
    for (size_t i = 0; i < queries.size(); ++i) {
        const double pi = minimum(programOf[i]), fi = minimum(floorOf[i]);
        p += pi;
        f += fi;
        worst = std::max(worst, pi / fi);
        single.push_back(
            {"  " + queries[i].label + ", " + thousands(rowsOf[i]).toStdString() + " rows",
             duration(pi), duration(fi), times(pi / fi), "<= 1.3x", pi / fi <= Target});
    }
    state.counters["floor_ms"] = f * 1e3;
    state.counters["ratio"] = p / f;
    state.counters["worst_ratio"] = worst;
    record({std::string(what) + " (" + std::to_string(queries.size()) + " queries, fastest of " +
                std::to_string(round) + "), " + thousands(titles).toStdString() + " titles",
            duration(p), duration(f), times(p / f), "<= 1.3x", p / f <= Target});
    for (const Outcome& o : single)
        record(o);
}

} // namespace

void registerSearch() {
    const int titles = 1'000'000;
    benchmark::RegisterBenchmark(
        "search/text/1000000",
        [](benchmark::State& s) { search(s, "Job-title text search", textSearches, titles); })
        ->Iterations(15)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        "search/code/1000000",
        [](benchmark::State& s) { search(s, "Code search", codeSearches, titles); })
        ->Iterations(15)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("search/characteristics/1000000",
                                 [](benchmark::State& s) {
                                     search(s, "Characteristic search", characteristicSearches,
                                            titles);
                                 })
        ->Iterations(101)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
