#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace rvl92 {

// How the program finds the viewer of a document type, as plain text rules:
// the registered-command rules of the Windows registry and the rules of the
// freedesktop.org desktop entries and mimeapps.list files. The platform files
// (fileassociation_*.cpp) read the system; everything that decides lives here.

// The extension with its leading dot ("pdf" and ".pdf" both give ".pdf").
QString withLeadingDot(const QString& extension);

// --- Registered commands (Windows) -------------------------------------------

// A placeholder that a registered command may contain and the folder it
// stands for, in the order in which they are tried.
struct FolderPlaceholder {
    QString placeholder; // "%Desktop%", ...
    QString folder;      // its path; empty when the system cannot give it
};

// The four placeholders, in their fixed order, with the system's shell folder
// identifier of each: "%Desktop%" 0, "%SystemRoot%" 36, "%MyDocuments%" 5,
// "%ProgramFiles%" 38.
QList<QPair<QString, int>> folderPlaceholderIds();

// Expands the first of the placeholders that occurs in the command (without
// regard to case): every occurrence of that one is replaced by its folder; the
// others stay as they are.
QString expandFolderPlaceholder(const QString& command, const QList<FolderPlaceholder>& folders);

// The program path cut from a registered open command, or "" when the command
// names no program (no ":\" or no ".exe").
QString programFromCommand(const QString& command);

// Both steps: expansion, then the cut.
QString programFromRegisteredCommand(const QString& command,
                                     const QList<FolderPlaceholder>& folders);

// The cut keeps what the registry gave, and that is not always a bare path: a
// quoted path followed by " /" options keeps its closing quote, and an
// unquoted path followed by arguments and a "," keeps the arguments. A program
// is started from the bare path: blanks and quotes dropped, and everything
// after the ".exe" that ends the path.
QString bareProgramPath(const QString& cut);

// --- Desktop entries (freedesktop.org) ----------------------------------------

struct DesktopEntry {
    QString exec;    // the Exec line, string escapes already undone
    QString tryExec; // TryExec: a program that must exist for the entry to count
    QString name;
    QString icon;
    bool hidden = false; // Hidden=true: the entry counts as deleted
    bool valid = false;  // a [Desktop Entry] group with an Exec line
};

// Reads the [Desktop Entry] group of a .desktop file's text.
DesktopEntry parseDesktopEntry(const QString& text);

// Splits an Exec line into its arguments by the quoting rules of desktop
// entries. `ok` is false for a line that breaks them (an unclosed quote, a
// reserved character outside quotes); the result is then empty.
QStringList splitExecLine(const QString& exec, bool* ok = nullptr);

// The arguments that open `file`, from the split Exec line without the
// program: field codes %f %F %u %U become the file, %i the icon option, %c the
// name, %k the entry's own file, %% a percent sign; deprecated codes are
// dropped. When the line names no file code, the file is added at the end.
QStringList expandFieldCodes(const QStringList& arguments, const QString& file,
                             const DesktopEntry& entry = {}, const QString& entryFile = {});

// The desktop-file ids that a mimeapps.list text names for a MIME type in one
// of its groups ("Default Applications", "Added Associations", "Removed
// Associations"), in their order.
QStringList mimeAppsEntries(const QString& text, const QString& group, const QString& mimeType);

// The desktop-file ids that a mimeinfo.cache text lists for a MIME type.
QStringList mimeCacheEntries(const QString& text, const QString& mimeType);

// Where a desktop-file id may lie below an applications directory: the id
// itself, and for ids with dashes the forms with leading parts as folders
// ("kde-foo.desktop" also as "kde/foo.desktop").
QStringList desktopIdPaths(const QString& desktopId);

} // namespace rvl92
