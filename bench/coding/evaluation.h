#pragma once

#include "coding/codingengine.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace bench {

// One coding question whose answer is known: any of `codes` is right.
struct Query {
    QString kind;
    QString text;
    QSet<QString> codes;
};

// Top-1 and top-3 accuracy, and how often "zeker" is claimed and right.
struct Quality {
    int queries = 0;
    int top1 = 0;
    int top3 = 0;
    int sure = 0;
    int sureRight = 0;
};

struct QualityRow {
    QString set;
    QString kind;
    Quality engine;
    Quality baseline;
};

using Ranker = std::function<QStringList(const QString& text, bool* sure)>;

// Quality per kind and over all, in the order the kinds first appear.
std::vector<QualityRow> evaluate(const QString& set, const std::vector<Query>& queries,
                                 const Ranker& engine, const Ranker& baseline);

QString percent(int part, int whole);
void printQuality(const std::vector<QualityRow>& rows);

} // namespace bench
