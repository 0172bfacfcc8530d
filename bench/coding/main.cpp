// rvl92-bench-coding: the quality and the speed of the coding engine, each
// against SQLite FTS5 (trigram tokenizer, bm25) in the same run.
//
//   rvl92-bench-coding [--zonder-1m]
//
// Quality on (a) real Dutch occupation labels (bench/data): about half of each
// occupation's alternative labels are its job titles, the other half are
// queries the engine never saw; plus spoiled and exactly retyped titles; and
// (b) the demonstration titles changed as people write them (rvl92-codeertest).
// Speed on the demonstration database and on 1,000,000 job titles.

#include "../benchdata.h"
#include "evaluation.h"
#include "fts5baseline.h"
#include "textchange.h"

#include "coding/codingengine.h"
#include "coding/normaliser.h"
#include "data/database.h"
#include "data/recordset.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace rvl92;
using namespace rvl92::coding;
using namespace bench;

namespace {

struct Target {
    QString what;
    double value;
    double target;
    bool higherIsBetter;
    QString unit;
};
std::vector<Target> targets;

void check(const QString& what, double value, double target, bool higherIsBetter,
           const QString& unit) {
    targets.push_back({what, value, target, higherIsBetter, unit});
}

// Deterministic pseudo-random numbers for the spoiled titles.
uint64_t nextRandom(uint64_t& state) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

// One typing error in the longest word of a title.
QString spoil(const QString& title, uint64_t& random) {
    QStringList words = title.split(u' ', Qt::SkipEmptyParts);
    const int longest = textchange::longestWord(words);
    QString w = words[longest];
    if (w.size() < 5)
        return {};
    const int at = 1 + int(nextRandom(random) % uint64_t(w.size() - 1));
    switch (nextRandom(random) % 3) {
    case 0:
        w.remove(at, 1);
        break;
    case 1:
        w.insert(at, w.at(at));
        break;
    default:
        w[at] = QChar(u'a' + char16_t(nextRandom(random) % 26));
        break;
    }
    words[longest] = w;
    return words.join(u' ');
}

// A title as someone might retype it: other case, accents dropped, stray
// punctuation and blanks. The same after normalising.
QString retype(const QString& title, int variant) {
    switch (variant % 3) {
    case 0:
        return QStringLiteral("  ") + textchange::stripAccents(title).toUpper() +
               QStringLiteral(" .");
    case 1:
        return QString(title).replace(u' ', QStringLiteral("  ")) + QStringLiteral(" (m/v)");
    default:
        return QStringLiteral("\"") + title.toLower() + QStringLiteral("\"!");
    }
}

struct Esco {
    std::vector<TitleSource> titles;      // the database: preferred + every other label
    std::vector<Query> unseen;            // the other labels
    QHash<QString, QSet<QString>> owners; // normalised title -> codes in the database
};

Esco readEsco(const QString& file) {
    Esco e;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return e;
    f.readLine(); // header
    // Every label's occupations, for queries that more than one occupation has.
    QHash<QString, QSet<QString>> labelOwners;
    struct Pending {
        QString code, label;
    };
    std::vector<Pending> queries;
    int number = 0;
    while (!f.atEnd()) {
        const QStringList cols = QString::fromUtf8(f.readLine()).trimmed().split(u'\t');
        if (cols.size() < 2)
            continue;
        const QString code = QString::number(10000 + ++number);
        const QString occupation = cols[1];
        const QStringList alternatives =
            cols.size() > 2 ? cols[2].split(u'|', Qt::SkipEmptyParts) : QStringList();
        e.titles.push_back({code, occupation, occupation});
        labelOwners[normaliseTitle(occupation)].insert(code);
        for (int i = 0; i < alternatives.size(); ++i) {
            labelOwners[normaliseTitle(alternatives[i])].insert(code);
            if (i % 2 == 0)
                e.titles.push_back({code, occupation, alternatives[i]});
            else
                queries.push_back({code, alternatives[i]});
        }
    }
    for (const TitleSource& t : e.titles)
        e.owners[normaliseTitle(t.title)].insert(t.code);
    for (const Pending& p : queries) {
        QSet<QString> right = labelOwners.value(normaliseTitle(p.label));
        right.insert(p.code);
        e.unseen.push_back({QStringLiteral("ongezien"), p.label, right});
    }
    return e;
}

Ranker engineRanker(const CodingEngine& engine) {
    return [&engine](const QString& text, bool* sure) {
        const CodingResult r = engine.code(text, 3);
        *sure = r.certainty == Certainty::Sure;
        QStringList codes;
        for (const Candidate& c : r.candidates)
            codes << c.code;
        return codes;
    };
}

Ranker baselineRanker(const Fts5Baseline& fts) {
    return [&fts](const QString& text, bool* sure) {
        *sure = false;
        return fts.codes(text, 3);
    };
}

// Exact titles: a title of one occupation is first at 100; a title of several
// lists them all at 100.
std::pair<int, int> exactTitles(const CodingEngine& engine,
                                const QHash<QString, QSet<QString>>& owners,
                                const std::vector<TitleSource>& titles, int step) {
    int right = 0, total = 0;
    for (size_t i = 0; i < titles.size(); i += size_t(step)) {
        const TitleSource& t = titles[i];
        const QSet<QString> codes = owners.value(normaliseTitle(t.title));
        const CodingResult r = engine.code(retype(t.title, int(i)), CodingEngine::MaxCandidates);
        QSet<QString> at100;
        for (const Candidate& c : r.candidates)
            if (c.score == 100)
                at100.insert(c.code);
        ++total;
        right +=
            at100 == codes && !r.candidates.empty() && codes.contains(r.candidates[0].code) ? 1 : 0;
    }
    return {right, total};
}

// CPU time of this thread: what one core spends, however busy the machine
// is with other work.
double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double quantile(std::vector<double> v, double q) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(q * double(v.size())))];
}

struct Speed {
    double buildMs = 0;
    double buildCpuMs = 0;
    double titlesPerSecond = 0;
    double titlesPerCpuSecond = 0;
    double keyMedianMs = 0;
    double keyP99Ms = 0;
    double ftsTitlesPerSecond = 0;
};

// Codes the queries over and over for at least a second and a half: titles
// per second of wall-clock time and of CPU time.
std::pair<double, double> throughput(const std::function<void(const QString&)>& code,
                                     const std::vector<Query>& queries) {
    QElapsedTimer t;
    t.start();
    const double cpu = cpuMs();
    long long done = 0;
    while (t.elapsed() < 1500 || done < 1000) {
        for (const Query& q : queries) {
            code(q.text);
            ++done;
        }
    }
    return {double(done) * 1000.0 / double(t.elapsed()), double(done) * 1000.0 / (cpuMs() - cpu)};
}

// Every prefix of each text, as a user types it: the time per key.
std::pair<double, double> perKey(const CodingEngine& engine, const std::vector<Query>& queries) {
    std::vector<double> times;
    QElapsedTimer t;
    for (size_t i = 0; i < queries.size() && i < 400; ++i) {
        const QString& text = queries[i].text;
        for (qsizetype n = 1; n <= text.size(); ++n) {
            t.start();
            const CodingResult r = engine.code(QStringView(text).left(n), 3);
            times.push_back(double(t.nsecsElapsed()) / 1e6);
            (void)r;
        }
    }
    return {median(times), quantile(times, 0.99)};
}

Speed measure(const QString& file, const std::vector<Query>& queries, int builds,
              const Fts5Baseline* fts) {
    Speed s;
    std::vector<double> buildTimes, buildCpu;
    std::unique_ptr<CodingEngine> engine;
    for (int i = 0; i < builds; ++i) {
        Database db;
        DbError error;
        if (!db.open(file, &error))
            return s;
        QElapsedTimer t;
        t.start();
        const double cpu = cpuMs();
        engine = CodingEngine::fromDatabase(db, &error);
        buildCpu.push_back(cpuMs() - cpu);
        buildTimes.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    if (!engine)
        return s;
    s.buildMs = median(buildTimes);
    s.buildCpuMs = median(buildCpu);
    std::tie(s.titlesPerSecond, s.titlesPerCpuSecond) =
        throughput([&](const QString& q) { (void)engine->code(q, 3); }, queries);
    std::tie(s.keyMedianMs, s.keyP99Ms) = perKey(*engine, queries);
    if (fts)
        s.ftsTitlesPerSecond =
            throughput([&](const QString& q) { (void)fts->codes(q, 3); }, queries).second;
    return s;
}

std::vector<Query> readEvaluationSet(const QString& file) {
    std::vector<Query> queries;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return queries;
    f.readLine();
    while (!f.atEnd()) {
        const QStringList cols = QString::fromUtf8(f.readLine()).chopped(1).split(u'\t');
        if (cols.size() >= 3)
            queries.push_back({cols[0], cols[1], {cols[2]}});
    }
    return queries;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool withMillion = !app.arguments().contains(QStringLiteral("--zonder-1m"));

    // (a) Real labels.
    const Esco esco = readEsco(QStringLiteral(RVL92_ESCO_TSV));
    if (esco.titles.empty()) {
        std::fprintf(stderr, "cannot read %s\n", RVL92_ESCO_TSV);
        return 2;
    }
    const CodingEngine escoEngine(esco.titles);
    const Fts5Baseline escoFts(esco.titles);
    if (!escoFts.ok()) {
        std::fprintf(stderr, "SQLite has no FTS5 trigram tokenizer\n");
        return 2;
    }
    std::vector<Query> spoiled;
    uint64_t random = 1992;
    for (const TitleSource& t : esco.titles) {
        const QSet<QString> right = esco.owners.value(normaliseTitle(t.title));
        const QString typo = spoil(t.title, random);
        if (!typo.isEmpty())
            spoiled.push_back({QStringLiteral("tikfout in langste woord"), typo, right});
        const QString plain = textchange::stripAccents(t.title);
        if (plain != t.title)
            spoiled.push_back({QStringLiteral("accenten weg"), plain, right});
        spoiled.push_back({QStringLiteral("hoofdletters"), t.title.toUpper(), right});
    }
    std::vector<QualityRow> rows = evaluate(QStringLiteral("ESCO"), esco.unseen,
                                            engineRanker(escoEngine), baselineRanker(escoFts));
    for (QualityRow& r : evaluate(QStringLiteral("ESCO bedorven"), spoiled,
                                  engineRanker(escoEngine), baselineRanker(escoFts)))
        rows.push_back(r);
    const auto [escoExact, escoExactTotal] = exactTitles(escoEngine, esco.owners, esco.titles, 1);

    // (b) The demonstration titles, changed.
    const QString demoDb = demoProgramDir() + QStringLiteral("/Programmabestanden/RVL92.MDB");
    QTemporaryDir work;
    const QString setFile = work.filePath(QStringLiteral("evaluatieset.tsv"));
    QProcess gen;
    gen.setProcessChannelMode(QProcess::ForwardedChannels);
    gen.start(QStringLiteral(RVL92_CODEERTEST_EXE),
              {QStringLiteral("--database"), demoDb, QStringLiteral("--uit"), setFile,
               QStringLiteral("--zaad"), QStringLiteral("1992")});
    if (!gen.waitForFinished(-1) || gen.exitCode() != 0) {
        std::fprintf(stderr, "rvl92-codeertest failed\n");
        return 2;
    }
    const std::vector<Query> demoQueries = readEvaluationSet(setFile);
    Database demo;
    DbError error;
    if (!demo.open(demoDb, &error)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(demoDb));
        return 2;
    }
    std::vector<TitleSource> demoTitles;
    {
        Recordset rs;
        if (!rs.open(QStringLiteral("select RVL92, beroep, Functienaam from functienamen"), demo,
                     &error))
            return 2;
        for (int i = 0; i < rs.recordCount(); ++i)
            demoTitles.push_back({rs.valueAt(i, 0).value_or(QString()),
                                  rs.valueAt(i, 1).value_or(QString()),
                                  rs.valueAt(i, 2).value_or(QString())});
    }
    const std::unique_ptr<CodingEngine> demoEngine = CodingEngine::fromDatabase(demo, &error);
    const Fts5Baseline demoFts(demoTitles);
    std::vector<QualityRow> demoRows = evaluate(QStringLiteral("demo"), demoQueries,
                                                engineRanker(*demoEngine), baselineRanker(demoFts));
    QHash<QString, QSet<QString>> demoOwners;
    // An occupation's name is one of its titles as well.
    for (const TitleSource& t : demoTitles) {
        demoOwners[normaliseTitle(t.title)].insert(t.code);
        demoOwners[normaliseTitle(t.occupation)].insert(t.code);
    }
    const auto [demoExact, demoExactTotal] = exactTitles(*demoEngine, demoOwners, demoTitles, 1);

    std::printf("\n## Quality\n\n");
    rows.insert(rows.end(), demoRows.begin(), demoRows.end());
    printQuality(rows);
    std::printf("\nExact titles retyped (case, accents, punctuation, blanks): ESCO %d of %d "
                "(%s), demo %d of %d (%s)\n",
                escoExact, escoExactTotal, qPrintable(percent(escoExact, escoExactTotal)),
                demoExact, demoExactTotal, qPrintable(percent(demoExact, demoExactTotal)));

    const auto rowOf = [&](const QString& set, const QString& kind) {
        for (const QualityRow& r : rows)
            if (r.set == set && r.kind == kind)
                return r;
        return QualityRow{};
    };
    const auto pct = [](int a, int b) { return b == 0 ? 0.0 : 100.0 * a / b; };
    const QualityRow unseen = rowOf(QStringLiteral("ESCO"), QStringLiteral("ongezien"));
    const QualityRow typo = rowOf(QStringLiteral("ESCO bedorven"), QStringLiteral("alles"));
    const QualityRow changed = rowOf(QStringLiteral("demo"), QStringLiteral("alles"));
    check("ESCO unseen labels, top-1", pct(unseen.engine.top1, unseen.engine.queries), 65, true,
          "%");
    check("ESCO unseen labels, top-3", pct(unseen.engine.top3, unseen.engine.queries), 80, true,
          "%");
    check("ESCO spoiled titles, top-1", pct(typo.engine.top1, typo.engine.queries), 95, true, "%");
    check("ESCO spoiled titles, top-3", pct(typo.engine.top3, typo.engine.queries), 99, true, "%");
    check("Exact titles, top-1 (ESCO and demo)",
          pct(escoExact + demoExact, escoExactTotal + demoExactTotal), 100, true, "%");
    check("Demo changed titles, top-1", pct(changed.engine.top1, changed.engine.queries), 90, true,
          "%");
    check("Demo changed titles, top-3", pct(changed.engine.top3, changed.engine.queries), 97, true,
          "%");
    check("Demo \"zeker\" precision", pct(changed.engine.sureRight, changed.engine.sure), 98, true,
          "%");
    check("Demo \"zeker\" coverage", pct(changed.engine.sure, changed.engine.queries), 70, true,
          "%");
    int belowBaseline = 0;
    for (const QualityRow& r : demoRows)
        if (r.engine.top1 <= r.baseline.top1)
            ++belowBaseline;
    check("Demo kinds not above the FTS5 baseline (top-1)", belowBaseline, 0, false, "");

    // Speed.
    std::printf(
        "\n## Speed (one core)\n\nIndex and titles/s in CPU time of the one thread that does "
        "the work (wall-clock time in brackets); per typed key in wall-clock time.\n\n"
        "| database | index ready | titles/s | per typed key, median | per key, 99th "
        "percentile | FTS5 titles/s |\n|---|---:|---:|---:|---:|---:|\n");
    const Speed small = measure(demoDb, demoQueries, 5, &demoFts);
    std::printf(
        "| demo (%d titles) | %.0f ms (%.0f ms) | %.0f (%.0f) | %.3f ms | %.3f ms | %.0f |\n",
        demoEngine->titleCount(), small.buildCpuMs, small.buildMs, small.titlesPerCpuSecond,
        small.titlesPerSecond, small.keyMedianMs, small.keyP99Ms, small.ftsTitlesPerSecond);
    std::fflush(stdout);
    check("Demo: index ready (CPU)", small.buildCpuMs, 300, false, "ms");
    check("Demo: titles per second (CPU)", small.titlesPerCpuSecond, 20000, true, "/s");
    check("Demo: per typed key (99th percentile)", small.keyP99Ms, 10, false, "ms");
    if (withMillion) {
        QString why;
        const QString big = bench::database(1000000, &why);
        if (big.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return 2;
        }
        const Speed large = measure(big, demoQueries, 2, nullptr);
        std::printf(
            "| 1,000,000 titles | %.0f ms (%.0f ms) | %.0f (%.0f) | %.3f ms | %.3f ms | - |\n",
            large.buildCpuMs, large.buildMs, large.titlesPerCpuSecond, large.titlesPerSecond,
            large.keyMedianMs, large.keyP99Ms);
        check("1M: index ready (CPU)", large.buildCpuMs, 5000, false, "ms");
        check("1M: titles per second (CPU)", large.titlesPerCpuSecond, 500, true, "/s");
        check("1M: per typed key (99th percentile)", large.keyP99Ms, 50, false, "ms");
    }

    std::printf("\n## Targets\n\n| what | measured | target | met |\n|---|---:|---:|---|\n");
    bool allMet = true;
    for (const Target& t : targets) {
        const bool met = t.higherIsBetter ? t.value >= t.target : t.value <= t.target;
        allMet = allMet && met;
        std::printf("| %s | %.1f%s | %s %.0f%s | %s |\n", qPrintable(t.what), t.value,
                    qPrintable(t.unit), t.higherIsBetter ? ">=" : "<=", t.target,
                    qPrintable(t.unit), met ? "yes" : "**no**");
    }
    return allMet ? 0 : 1;
}
