#pragma once

// A program directory of its own for a test: a copy of the installed tree that
// the build laid out (database, logo, icon, help texts), which a test may then
// damage. Plus the helpers to drive the forms by their names.

#include "app/appstate.h"
#include "app/form.h"
#include "app/forms.h"
#include "support/formdriver.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace programdir {

using namespace rvl92;

// Copies the built tree's Programmabestanden (and nothing else) into
// `programDir`, replacing what was there.
inline bool kopieer(const QString& programDir) {
    const QDir bron(QStringLiteral(RVL92_TREE_DIR "/Programmabestanden"));
    const QString doel = QDir(programDir).filePath(QStringLiteral("Programmabestanden"));
    if (!QDir(doel).removeRecursively() || !QDir().mkpath(doel))
        return false;
    const QStringList namen = bron.entryList(QDir::Files);
    if (!namen.contains(QStringLiteral("RVL92.MDB")))
        return false;
    for (const QString& naam : namen)
        if (!QFile::copy(bron.filePath(naam), QDir(doel).filePath(naam)))
            return false;
    return true;
}

inline QString bestand(const QString& programDir, const QString& rel) {
    return QDir(programDir).filePath(rel);
}

inline QString database(const QString& programDir) {
    return bestand(programDir, QStringLiteral("Programmabestanden/RVL92.MDB"));
}

// What a file is now: its SHA-256, size and modification time.
inline QString vingerafdruk(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<onleesbaar>");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    const QFileInfo info(file);
    return QString::fromLatin1(hash.result().toHex()) + ' ' + QString::number(info.size()) + ' ' +
           info.lastModified().toString(Qt::ISODateWithMs) + ' ' +
           QString::number(int(info.permissions()), 16);
}

// Every file below `dir` with its size: a new file (a journal, a lock, an
// export) or a changed size shows up here.
inline QStringList inhoud(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        out << QDir(dir).relativeFilePath(it.filePath()) + ' ' +
                   QString::number(it.fileInfo().size());
    }
    out.sort();
    return out;
}

// A process running as root writes wherever it likes, whatever the
// permissions say. The fault tests are about what an ordinary user meets, so
// such a process gives up the capabilities that override file permissions.
// Returns false when the permissions still would not hold.
inline bool zonderBeheerdersrechten() {
#ifdef __linux__
    if (geteuid() != 0)
        return true;
    __user_cap_header_struct kop{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &kop, data) != 0)
        return false;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        const unsigned bit = 1u << (cap % 32);
        data[cap / 32].effective &= ~bit;
        data[cap / 32].permitted &= ~bit;
        data[cap / 32].inheritable &= ~bit;
    }
    if (syscall(SYS_capset, &kop, data) != 0)
        return false;
#endif
    // The proof: a folder without write permission refuses a new file.
    QTemporaryDir proef;
    QFile::setPermissions(proef.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile f(proef.filePath(QStringLiteral("x")));
    const bool geweigerd = !f.open(QIODevice::WriteOnly);
    QFile::setPermissions(proef.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return geweigerd;
}

using drive::child;
using drive::click;
using drive::grid;
using drive::menu;

// The rows a screen's grid shows; none while it is hidden.
inline int rijen(const QString& form) {
    QTableView* g = grid(form);
    return g && g->model() && g->isVisible() ? g->model()->rowCount() : 0;
}

} // namespace programdir
