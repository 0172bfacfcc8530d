#include "benchdata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace bench {

namespace {

QString dataFolder(QString* error) {
    const QString kept = qEnvironmentVariable("RVL92_BENCH_DATA");
    if (!kept.isEmpty()) {
        if (!QDir().mkpath(kept)) {
            *error = QStringLiteral("cannot create %1").arg(kept);
            return {};
        }
        return QDir(kept).absolutePath();
    }
    static std::unique_ptr<QTemporaryDir> temp;
    if (!temp) {
        temp = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/rvl92-bench-XXXXXX");
        if (!temp->isValid()) {
            *error =
                QStringLiteral("cannot create a temporary folder: %1").arg(temp->errorString());
            temp.reset();
            return {};
        }
    }
    return temp->path();
}

} // namespace

QString database(int titles, QString* error) {
    static QMap<int, QString> made;
    if (made.contains(titles))
        return made.value(titles);
    const QString folder = dataFolder(error);
    if (folder.isEmpty())
        return {};
    const QString file = QDir(folder).filePath(QStringLiteral("functienamen-%1.db").arg(titles));
    // A file of an earlier run is only reused when complete: the generator
    // writes a temporary name first.
    if (!QFileInfo::exists(file)) {
        const QString part = file + QStringLiteral(".deel");
        QFile::remove(part);
        std::fprintf(stderr, "Generating a database of %s job titles in %s ...\n",
                     qPrintable(thousands(titles)), qPrintable(folder));
        QElapsedTimer t;
        t.start();
        QProcess gen;
        gen.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        gen.start(QStringLiteral(RVL92_DEMODATA_EXE),
                  {QStringLiteral("--functienamen"), QString::number(titles),
                   QStringLiteral("--uit"), part});
        if (!gen.waitForFinished(-1) || gen.exitStatus() != QProcess::NormalExit ||
            gen.exitCode() != 0) {
            *error = QStringLiteral("rvl92-demodata failed for %1 titles").arg(titles);
            QFile::remove(part);
            return {};
        }
        if (!QFile::rename(part, file)) {
            *error = QStringLiteral("cannot rename %1").arg(part);
            return {};
        }
        std::fprintf(stderr, "  done in %.1f s\n", double(t.elapsed()) / 1000.0);
    }
    made.insert(titles, file);
    return file;
}

QString programDir(int titles, QString* error) {
    const QString db = database(titles, error);
    if (db.isEmpty())
        return {};
    const QDir dir(QFileInfo(db).absolutePath() + QStringLiteral("/programma-%1").arg(titles));
    const QString files = dir.filePath(QStringLiteral("Programmabestanden"));
    if (!QDir().mkpath(files)) {
        *error = QStringLiteral("cannot create %1").arg(files);
        return {};
    }
    const QDir demo(demoProgramDir() + QStringLiteral("/Programmabestanden"));
    const QList<QPair<QString, QString>> links{
        {db, QStringLiteral("RVL92.MDB")},
        {demo.filePath(QStringLiteral("KVD Logo.bmp")), QStringLiteral("KVD Logo.bmp")},
        {demo.filePath(QStringLiteral("KVD Icoon.ico")), QStringLiteral("KVD Icoon.ico")}};
    for (const auto& [target, name] : links) {
        const QString link = QDir(files).filePath(name);
        QFile::remove(link);
        if (!QFile::link(target, link)) {
            *error = QStringLiteral("cannot link %1").arg(link);
            return {};
        }
    }
    return dir.absolutePath();
}

QString demoProgramDir() {
    return QStringLiteral(RVL92_TREE_DIR);
}

QString thousands(long long n) {
    QString digits = QString::number(n < 0 ? -n : n);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return n < 0 ? QStringLiteral("-") + digits : digits;
}

} // namespace bench
