// The desktop's own association mechanism (freedesktop.org): the default
// application of the document's MIME type from the mimeapps.list files, then
// the added associations, then the desktop database's cache, the way
// "xdg-mime query default" answers; the program and its arguments come from
// that application's desktop entry.
#include "documentation/association.h"
#include "documentation/fileassociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

#include <optional>

namespace rvl92 {

namespace {

QString envOr(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QStringList pathList(const char* name, const QString& fallback) {
    return envOr(name, fallback).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString configHome() {
    return envOr("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
}

QString dataHome() {
    return envOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
}

QStringList applicationDirs() {
    QStringList dirs{dataHome() + QStringLiteral("/applications")};
    for (const QString& d :
         pathList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        dirs << d + QStringLiteral("/applications");
    return dirs;
}

// The list files in their order of precedence; the desktop-specific file of
// each directory comes before its general one.
QStringList mimeAppsFiles() {
    QStringList dirs{configHome()};
    dirs << pathList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    dirs << applicationDirs();
    QStringList desktops;
    for (const QString& d : pathList("XDG_CURRENT_DESKTOP", QString()))
        desktops << d.toLower();
    QStringList files;
    for (const QString& dir : dirs) {
        for (const QString& desktop : desktops)
            files << dir + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        files << dir + QStringLiteral("/mimeapps.list");
    }
    // The older name, still written by some systems.
    for (const QString& dir : applicationDirs())
        files << dir + QStringLiteral("/defaults.list");
    return files;
}

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString resolveProgram(const QString& program) {
    if (QFileInfo(program).isAbsolute()) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? program : QString();
    }
    return QStandardPaths::findExecutable(program);
}

QString findEntryFile(const QString& desktopId) {
    for (const QString& dir : applicationDirs())
        for (const QString& rel : desktopIdPaths(desktopId))
            if (QFileInfo(dir + QLatin1Char('/') + rel).isFile())
                return dir + QLatin1Char('/') + rel;
    return QString();
}

std::optional<Association> fromEntry(const QString& desktopId) {
    const QString file = findEntryFile(desktopId);
    if (file.isEmpty())
        return std::nullopt;
    const DesktopEntry entry = parseDesktopEntry(readText(file));
    if (!entry.valid || entry.hidden)
        return std::nullopt;
    if (!entry.tryExec.isEmpty() && resolveProgram(entry.tryExec).isEmpty())
        return std::nullopt;
    bool ok = false;
    QStringList args = splitExecLine(entry.exec, &ok);
    if (!ok || args.isEmpty())
        return std::nullopt;
    const QString program = resolveProgram(args.takeFirst());
    if (program.isEmpty())
        return std::nullopt;
    return Association{program, args, file, entry.name, entry.icon};
}

} // namespace

Association findAssociation(const QString& extension) {
    if (extension.isEmpty())
        return {};
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(QStringLiteral("document") + extension,
                                                           QMimeDatabase::MatchExtension);
    if (!mime.isValid() || mime.isDefault())
        return {};
    const QStringList names = QStringList{mime.name()} + mime.aliases();
    const QStringList files = mimeAppsFiles();
    QStringList texts;
    for (const QString& f : files)
        texts << readText(f);

    // The defaults first, from the file of highest precedence on.
    for (const QString& text : texts)
        for (const QString& name : names)
            for (const QString& id :
                 mimeAppsEntries(text, QStringLiteral("Default Applications"), name))
                if (auto a = fromEntry(id))
                    return *a;

    // Then what was added by hand, unless a file of higher precedence took it
    // away again.
    QStringList removed;
    for (const QString& text : texts) {
        for (const QString& name : names) {
            removed << mimeAppsEntries(text, QStringLiteral("Removed Associations"), name);
            for (const QString& id :
                 mimeAppsEntries(text, QStringLiteral("Added Associations"), name))
                if (!removed.contains(id))
                    if (auto a = fromEntry(id))
                        return *a;
        }
    }

    // Last, the applications that say they can open the type.
    for (const QString& dir : applicationDirs()) {
        const QString cache = readText(dir + QStringLiteral("/mimeinfo.cache"));
        for (const QString& name : names)
            for (const QString& id : mimeCacheEntries(cache, name))
                if (!removed.contains(id))
                    if (auto a = fromEntry(id))
                        return *a;
    }
    return {};
}

} // namespace rvl92
