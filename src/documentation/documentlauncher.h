#pragma once

#include <QObject>
#include <QString>

#include <map>

class QProcess;

namespace rvl92 {

// An error of the document launcher: what went wrong, with the launcher's
// source text "Module WinProcess (0.2.0)".
struct WinProcessError {
    int number = 0;
    QString description;
    QString source;
};

QString winProcessSource();

// Error numbers of the launcher.
namespace winerr {
constexpr int FileNotFound = 53; // no program for the document type, or it cannot start
} // namespace winerr

// Finds the program that the system opens a document type with, starts it on a
// document and waits until it has ended. The only part of the program that
// starts other programs; it never goes through a shell: the program gets the
// document as one argument, whatever characters its path holds.
class clsWinProcess : public QObject {
    Q_OBJECT
public:
    explicit clsWinProcess(QObject* parent = nullptr);
    ~clsWinProcess() override;

    // Waits until the process `taskId`, started by this object, has ended: at
    // most `msecs` milliseconds, -1 without end, 0 not at all. The program's
    // own events go on meanwhile (windows are painted); a caller that must take
    // no input blocks it itself. A process that this object does not know, or
    // that has already ended, needs no wait. True when the wait is done.
    bool WaitForProcess(qint64 taskId, int msecs = -1);

    // Starts the program associated with the file's extension (its last three
    // characters) on `strFile`; with `blnWait` returns only when that program
    // has ended. Throws WinProcessError when there is no such program or it
    // cannot be started.
    bool StartApplication(const QString& strFile, bool blnWait = false);

    // The path of the program associated with the extension, or "" when there
    // is none. Puts the leading dot in front of `strExtension` when it lacks it.
    QString GetFileAssociation(QString& strExtension);

private:
    std::map<qint64, QProcess*> m_running; // by process id, started to be waited for
};

} // namespace rvl92
