#include "evaluation.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

void count(Quality& q, const QStringList& codes, bool sure, const QSet<QString>& right) {
    ++q.queries;
    if (!codes.isEmpty() && right.contains(codes[0]))
        ++q.top1;
    for (int i = 0; i < codes.size() && i < 3; ++i) {
        if (right.contains(codes[i])) {
            ++q.top3;
            break;
        }
    }
    if (sure) {
        ++q.sure;
        q.sureRight += !codes.isEmpty() && right.contains(codes[0]) ? 1 : 0;
    }
}

} // namespace

std::vector<QualityRow> evaluate(const QString& set, const std::vector<Query>& queries,
                                 const Ranker& engine, const Ranker& baseline) {
    std::vector<QualityRow> rows;
    QualityRow all{set, QStringLiteral("alles"), {}, {}};
    for (const Query& q : queries) {
        auto it = std::find_if(rows.begin(), rows.end(),
                               [&](const QualityRow& r) { return r.kind == q.kind; });
        if (it == rows.end()) {
            rows.push_back({set, q.kind, {}, {}});
            it = rows.end() - 1;
        }
        bool sure = false;
        const QStringList mine = engine(q.text, &sure);
        count(it->engine, mine, sure, q.codes);
        count(all.engine, mine, sure, q.codes);
        bool unused = false;
        const QStringList theirs = baseline(q.text, &unused);
        count(it->baseline, theirs, false, q.codes);
        count(all.baseline, theirs, false, q.codes);
    }
    if (rows.size() > 1)
        rows.push_back(all);
    return rows;
}

QString percent(int part, int whole) {
    return whole == 0 ? QStringLiteral("-")
                      : QString::number(100.0 * part / whole, 'f', 1) + QStringLiteral("%");
}

void printQuality(const std::vector<QualityRow>& rows) {
    std::printf(
        "| set | kind | n | top-1 | top-3 | FTS5 top-1 | FTS5 top-3 | \"zeker\" precision | "
        "\"zeker\" coverage |\n|---|---|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const QualityRow& r : rows) {
        std::printf("| %s | %s | %d | %s | %s | %s | %s | %s | %s |\n", qPrintable(r.set),
                    qPrintable(r.kind), r.engine.queries,
                    qPrintable(percent(r.engine.top1, r.engine.queries)),
                    qPrintable(percent(r.engine.top3, r.engine.queries)),
                    qPrintable(percent(r.baseline.top1, r.baseline.queries)),
                    qPrintable(percent(r.baseline.top3, r.baseline.queries)),
                    qPrintable(percent(r.engine.sureRight, r.engine.sure)),
                    qPrintable(percent(r.engine.sure, r.engine.queries)));
    }
    std::fflush(stdout);
}

} // namespace bench
