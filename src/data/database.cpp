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

// Imported Jet files, by canonical path: read once per process.
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

void Database::clearSharedImports() {
    jetImports().clear();
}

} // namespace rvl92
