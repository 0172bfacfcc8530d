#include "documentation/documentlauncher.h"

#include "documentation/association.h"
#include "documentation/fileassociation.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace rvl92 {

QString winProcessSource() {
    return QStringLiteral("Module WinProcess") + QStringLiteral(" (") + QStringLiteral("0.2.0") +
           QStringLiteral(")");
}

namespace {

[[noreturn]] void raise(int number, const QString& description) {
    throw WinProcessError{number, description, winProcessSource()};
}

} // namespace

clsWinProcess::clsWinProcess(QObject* parent) : QObject(parent) {}

clsWinProcess::~clsWinProcess() {
    // A viewer that is still running outlives the launcher: destroying its
    // QProcess would end it.
    for (auto& [pid, process] : m_running) {
        process->setParent(nullptr);
        if (process->state() == QProcess::NotRunning)
            delete process;
        else
            connect(process, &QProcess::finished, process, &QObject::deleteLater);
    }
}

bool clsWinProcess::WaitForProcess(qint64 taskId, int msecs) {
    const auto it = m_running.find(taskId);
    if (it == m_running.end())
        return true;
    QProcess* process = it->second;
    if (msecs != 0 && process->state() != QProcess::NotRunning) {
        QEventLoop loop;
        connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        if (msecs > 0)
            limit.start(msecs);
        loop.exec();
    }
    if (process->state() == QProcess::NotRunning) {
        m_running.erase(taskId);
        delete process;
    }
    return true;
}

bool clsWinProcess::StartApplication(const QString& strFile, bool blnWait) {
    const Association association = findAssociation(withLeadingDot(strFile.right(3)));
    if (!association.isValid())
        raise(winerr::FileNotFound, QStringLiteral("Bestand niet gevonden"));
    const QStringList arguments = association.argumentsFor(strFile);

    qint64 pid = 0;
    if (!blnWait) {
        // Not waited for: a process of its own, which lives on after us.
        if (!QProcess::startDetached(association.program, arguments, QString(), &pid))
            raise(winerr::FileNotFound,
                  QStringLiteral("%1 kan niet worden gestart").arg(association.program));
        return WaitForProcess(pid, 0);
    }
    auto* process = new QProcess(this);
    process->setProgram(association.program);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(-1)) {
        const QString why = process->errorString();
        delete process;
        raise(winerr::FileNotFound,
              QStringLiteral("%1 kan niet worden gestart: %2").arg(association.program, why));
    }
    pid = process->processId();
    m_running[pid] = process;
    return WaitForProcess(pid, -1);
}

QString clsWinProcess::GetFileAssociation(QString& strExtension) {
    if (strExtension.isEmpty())
        return QString();
    strExtension = withLeadingDot(strExtension);
    return findAssociation(strExtension).program;
}

} // namespace rvl92
