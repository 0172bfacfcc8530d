#include "data/database.h"

#include "data/jetlike.h"
#ifdef RVL92_HAVE_JET
#include "data/jetimport.h"
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

#include <sqlite3.h>

#include <mutex>

namespace rvl92 {

struct Database::Handle {
    sqlite3* db = nullptr;
    ~Handle() {
        if (db)
            sqlite3_close_v2(db);
    }
};

namespace {

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

void setError(DbError* e, int number, const QString& text) {
    if (e) {
        e->number = number;
        e->description = text;
    }
}

// Imported Jet files, by canonical path: read once per process. The coding
// index opens its own connection on a worker thread, so the table is only
// touched under its lock.
std::mutex& jetImportsLock() {
    static std::mutex lock;
    return lock;
}
QHash<QString, std::shared_ptr<Database::Handle>>& jetImports() {
    static QHash<QString, std::shared_ptr<Database::Handle>> imports;
    return imports;
}
} // namespace

Database::Database() = default;

Database::~Database() {
    close();
}

QString Database::databasePath(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("Programmabestanden/RVL92.MDB"));
}

Database::Format Database::detectFormat(const QString& file) {
    QFile f(file);
    if (!f.exists())
        return Format::Missing;
    if (!f.open(QIODevice::ReadOnly))
        return Format::Unknown;
    const QByteArray head = f.read(32);
    if (head.isEmpty())
        return Format::Empty;
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return Format::SQLite;
    const QByteArray sig = head.mid(4, 15);
    if (sig == "Standard Jet DB" || sig == "Standard ACE DB")
        return Format::Jet;
    return Format::Unknown;
}

bool Database::open(const QString& file, DbError* error) {
    close();
    setError(error, 0, QString());
    const QString path = QFileInfo(file).absoluteFilePath();
    switch (detectFormat(path)) {
    case Format::Missing:
        setError(error, dberr::FileNotFound,
                 QStringLiteral("Het databasebestand %1 is niet gevonden.").arg(shown(path)));
        return false;
    case Format::Empty:
        setError(error, dberr::NotADatabase,
                 QStringLiteral("Het databasebestand %1 is leeg.").arg(shown(path)));
        return false;
    case Format::Unknown: {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            // The user reads why in Dutch, not in the system's words.
            const QFileInfo info(path);
            const QString why = info.isDir() ? QStringLiteral("het is een map.")
                                : !info.isReadable()
                                    ? QStringLiteral("u hebt geen toestemming om het te lezen.")
                                    : f.errorString();
            setError(error, dberr::CannotOpen,
                     QStringLiteral("Het databasebestand %1 kan niet worden gelezen: %2")
                         .arg(shown(path), why));
        } else {
            setError(error, dberr::NotADatabase,
                     QStringLiteral("Het bestand %1 is geen database van RVL92.").arg(shown(path)));
        }
        return false;
    }
    case Format::Jet: {
#ifdef RVL92_HAVE_JET
        const QString key = QFileInfo(path).canonicalFilePath();
        const std::lock_guard<std::mutex> guard(jetImportsLock());
        auto it = jetImports().constFind(key);
        if (it != jetImports().constEnd()) {
            m_handle = *it;
            m_file = path;
            return true;
        }
        auto h = std::make_shared<Handle>();
        if (sqlite3_open_v2(":memory:", &h->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            setError(error, dberr::CannotOpen,
                     QStringLiteral("Er is onvoldoende geheugen om de database te lezen."));
            return false;
        }
        if (!importJetFile(path, h->db, error))
            return false;
        installJetLike(h->db);
        // Nothing may change the imported copy either.
        sqlite3_exec(h->db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
        jetImports().insert(key, h);
        m_handle = h;
        m_file = path;
        return true;
#else
        setError(error, dberr::JetNotSupported,
                 QStringLiteral("Het databasebestand %1 is een Jet-database; deze versie van "
                                "RVL92 kan dat formaat nog niet lezen.")
                     .arg(shown(path)));
        return false;
#endif
    }
    case Format::SQLite:
        break;
    }

    // immutable=1: no locks, no journal; the file is read as it stands, also from
    // read-only media and folders.
    const QByteArray uri = "file:" + QUrl::toPercentEncoding(path, "/") + "?immutable=1";
    auto h = std::make_shared<Handle>();
    int rc =
        sqlite3_open_v2(uri.constData(), &h->db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(h->db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = h->db ? QString::fromUtf8(sqlite3_errmsg(h->db)) : QString();
        if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT)
            setError(error, dberr::NotADatabase,
                     QStringLiteral("Het databasebestand %1 is beschadigd of geen database (%2).")
                         .arg(shown(path), msg));
        else
            setError(error, dberr::CannotOpen,
                     QStringLiteral("Het databasebestand %1 kan niet worden geopend (%2).")
                         .arg(shown(path), msg));
        return false;
    }
    installJetLike(h->db);
    m_handle = std::move(h);
    m_file = path;
    return true;
}

void Database::close() {
    m_handle.reset();
    m_file.clear();
}

sqlite3* Database::handle() const {
    return m_handle ? m_handle->db : nullptr;
}

namespace {

// Rows of a one-parameter query on the schema, as text per column.
QList<QStringList> schemaRows(sqlite3* db, const char* sql, const QString& arg) {
    QList<QStringList> rows;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        return rows;
    }
    const QByteArray a = arg.toUtf8();
    sqlite3_bind_text(st, 1, a.constData(), int(a.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
        rows << row;
    }
    sqlite3_finalize(st);
    return rows;
}

QString quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

// SQLite's rule for the affinity of a declared type, text part only.
bool hasTextAffinity(const QString& declared) {
    const QString t = declared.toUpper();
    return !t.contains(u"INT") &&
           (t.contains(u"CHAR") || t.contains(u"CLOB") || t.contains(u"TEXT"));
}

} // namespace

bool Database::hasTextIndex(const QString& table, const QString& column) const {
    sqlite3* db = handle();
    if (!db)
        return false;
    const QByteArray t = table.toUtf8(), c = column.toUtf8();
    const char* type = nullptr;
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(db, nullptr, t.constData(), c.constData(), &type, &collation,
                                      nullptr, nullptr, nullptr) != SQLITE_OK ||
        !hasTextAffinity(QString::fromUtf8(type)) || qstricmp(collation, "BINARY") != 0)
        return false;
    // "rowid" must name the row id itself: the table has one, and no column of
    // that name hides it.
    if (sqlite3_table_column_metadata(db, nullptr, t.constData(), "rowid", nullptr, nullptr,
                                      nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    for (const QStringList& col : schemaRows(db, "select name from pragma_table_xinfo(?1)", table))
        if (col.value(0).compare(QLatin1String("rowid"), Qt::CaseInsensitive) == 0)
            return false;
    for (const QStringList& index :
         schemaRows(db, "select name from pragma_index_list(?1) where partial = 0", table)) {
        const QList<QStringList> first = schemaRows(
            db, "select name, coll from pragma_index_xinfo(?1) where seqno = 0", index.value(0));
        if (!first.isEmpty() && first[0].value(0).compare(column, Qt::CaseInsensitive) == 0 &&
            first[0].value(1).compare(QLatin1String("BINARY"), Qt::CaseInsensitive) == 0) {
            // A blob sorts after every text, yet Like reads it as text: with
            // any blob in the column a range could miss a match.
            const QString blob = QStringLiteral("select 1 from %1 where %2 >= x'' limit 1")
                                     .arg(quoted(table), quoted(column));
            sqlite3_stmt* st = nullptr;
            const bool asked =
                sqlite3_prepare_v2(db, blob.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK;
            const int rc = asked ? sqlite3_step(st) : SQLITE_ERROR;
            sqlite3_finalize(st);
            return rc == SQLITE_DONE;
        }
    }
    return false;
}

void Database::clearSharedImports() {
    const std::lock_guard<std::mutex> guard(jetImportsLock());
    jetImports().clear();
}

} // namespace rvl92
