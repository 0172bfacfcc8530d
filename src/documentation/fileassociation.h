#pragma once

#include <QString>
#include <QStringList>

namespace rvl92 {

// The program that the system opens a document type with. One implementation
// file per platform: the registry's open command on Windows, the desktop's
// default application for the MIME type elsewhere.
struct Association {
    QString program;       // full path of the program; empty: none found
    QStringList arguments; // argument templates; "%f" marks the document
    QString entryFile;     // the desktop entry it came from (for %k), if any
    QString name;          // the application's name (for %c), if known
    QString icon;          // its icon (for %i), if known

    bool isValid() const { return !program.isEmpty(); }
    // The arguments that open `file`.
    QStringList argumentsFor(const QString& file) const;
};

// The association of an extension given with its leading dot (".pdf").
Association findAssociation(const QString& extension);

} // namespace rvl92
