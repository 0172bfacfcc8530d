#include "fts5baseline.h"

#include <QSet>

#include <sqlite3.h>

namespace bench {

Fts5Baseline::Fts5Baseline(const std::vector<rvl92::coding::TitleSource>& titles) {
    if (sqlite3_open(":memory:", &m_db) != SQLITE_OK)
        return;
    if (sqlite3_exec(m_db,
                     "create virtual table t using fts5(title, code unindexed, "
                     "tokenize='trigram')",
                     nullptr, nullptr, nullptr) != SQLITE_OK)
        return;
    sqlite3_exec(m_db, "begin", nullptr, nullptr, nullptr);
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(m_db, "insert into t(title, code) values (?, ?)", -1, &ins, nullptr);
    QSet<QString> occupations;
    const auto insert = [&](const QString& title, const QString& code) {
        const QByteArray t = title.toUtf8(), c = code.toUtf8();
        sqlite3_bind_text(ins, 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 2, c.constData(), int(c.size()), SQLITE_TRANSIENT);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    };
    for (const auto& s : titles) {
        // The occupation names are titles for the engine too.
        if (!occupations.contains(s.code)) {
            occupations.insert(s.code);
            insert(s.occupation, s.code);
        }
        insert(s.title, s.code);
    }
    sqlite3_finalize(ins);
    sqlite3_exec(m_db, "commit", nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(m_db, "select code from t where t match ? order by bm25(t) limit 50", -1,
                       &m_query, nullptr);
}

Fts5Baseline::~Fts5Baseline() {
    sqlite3_finalize(m_query);
    sqlite3_close(m_db);
}

QStringList Fts5Baseline::codes(const QString& text, int count) const {
    const QString lower = text.toLower();
    QStringList terms;
    QSet<QString> seen;
    for (qsizetype i = 0; i + 3 <= lower.size(); ++i) {
        QString tri = lower.mid(i, 3);
        if (seen.contains(tri))
            continue;
        seen.insert(tri);
        tri.replace(u'"', QStringLiteral("\"\""));
        terms << u'"' + tri + u'"';
    }
    QStringList out;
    if (terms.isEmpty())
        return out;
    const QByteArray match = terms.join(QStringLiteral(" OR ")).toUtf8();
    sqlite3_bind_text(m_query, 1, match.constData(), int(match.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(m_query) == SQLITE_ROW && out.size() < count) {
        const QString code =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_query, 0)));
        if (!out.contains(code))
            out << code;
    }
    sqlite3_reset(m_query);
    return out;
}

} // namespace bench
