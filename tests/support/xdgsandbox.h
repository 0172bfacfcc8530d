#pragma once

// A desktop of its own for a test: empty XDG directories in a temporary folder,
// with helpers to install a desktop entry and to name defaults in a
// mimeapps.list, so that the association lookup sees only what the test put
// there.

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

class XdgSandbox {
public:
    XdgSandbox() {
        const QString root = m_dir.path();
        for (const char* d : {"config", "sysconfig", "data/applications", "sysdata/applications"})
            QDir(root).mkpath(QString::fromLatin1(d));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/config"));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root + "/sysconfig"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/data"));
        // The MIME database stays the system's, seen through a folder that
        // holds nothing else.
        static const QString mime = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                           "mime", QStandardPaths::LocateDirectory);
        QDir(root).mkpath("mimeonly");
        QFile::link(mime, root + "/mimeonly/mime");
        qputenv("XDG_DATA_DIRS", QFile::encodeName(root + "/sysdata:" + root + "/mimeonly"));
        qunsetenv("XDG_CURRENT_DESKTOP");
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path(const QString& rel) const { return m_dir.path() + '/' + rel; }

    // Writes a file below the sandbox, making its folders.
    bool write(const QString& rel, const QByteArray& content) const {
        const QString file = path(rel);
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               f.write(content) == content.size();
    }

    // A desktop entry in the user's applications folder.
    bool addEntry(const QString& id, const QString& exec, const QString& extra = QString()) const {
        return write("data/applications/" + id, ("[Desktop Entry]\nType=Application\nName=" + id +
                                                 "\nExec=" + exec + "\n" + extra)
                                                    .toUtf8());
    }

    // A mimeapps.list, by default the one in the user's applications folder.
    bool setDefaults(const QStringList& lines,
                     const QString& rel = "data/applications/mimeapps.list") const {
        return write(rel, ("[Default Applications]\n" + lines.join('\n') + '\n').toUtf8());
    }

private:
    QTemporaryDir m_dir;
};

// What the stand-in viewer wrote to its log, one argument a line and "einde"
// when it ended; nothing when it did not start.
inline QStringList viewerLog(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
               : QStringList();
}
