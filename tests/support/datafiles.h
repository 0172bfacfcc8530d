#pragma once

// Whole files and folder listings for the checks of the data layer, the
// command-line tools and the coder.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

// Everything in a file; empty when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces what a file holds; false unless all of it was written.
inline bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// Every name in a folder, hidden ones included, in name order.
inline QStringList folderEntries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
