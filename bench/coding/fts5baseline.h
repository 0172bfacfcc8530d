#pragma once

#include "coding/codingengine.h"

#include <QStringList>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace bench {

// The baseline the coding engine is measured against: SQLite FTS5 with its
// trigram tokenizer over the same job titles, ranked by bm25. A text becomes
// the OR of its trigrams; the first occupations of the ranked titles are the
// candidates.
class Fts5Baseline {
public:
    explicit Fts5Baseline(const std::vector<rvl92::coding::TitleSource>& titles);
    ~Fts5Baseline();
    Fts5Baseline(const Fts5Baseline&) = delete;
    Fts5Baseline& operator=(const Fts5Baseline&) = delete;

    bool ok() const { return m_query != nullptr; }
    QStringList codes(const QString& text, int count) const;

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_query = nullptr;
};

} // namespace bench
