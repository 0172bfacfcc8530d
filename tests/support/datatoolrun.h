#pragma once

// Runs one of the build's command-line tools as a user would: arguments,
// optionally standard input and a working folder; back come the exit code and
// what it wrote. An exit code of -1 means it did not start or did not finish.

#include <QProcess>

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

inline ToolRun runTool(const QString& program, const QStringList& arguments,
                       const QByteArray& input = {}, const QString& workingDirectory = {}) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}
