#pragma once

#include "export/exportlines.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace rvl92::exports {

// What one screen's export gives the frame.
struct ExportJob {
    // The number of rows of the screen's result, shown in the dialog title.
    int recordCount = 0;
    // The proposed file name, without extension.
    QString defaultName;
    // Writes the lines in the layout asked for. Returns false, with a Dutch
    // reason for the user, when something other than the file fails (the
    // file's own failures are seen through ExportLines).
    std::function<bool(ExportType, ExportLines&, QString* reason)> write;
    // Runs once writing has been tried, whether it succeeded or not (grid
    // screens put their result back on the first row).
    std::function<void()> afterWriting;
};

enum class ExportResult {
    Saved,     // the file holds the export
    Cancelled, // the user cancelled the save dialog; nothing was written
    Failed,    // the file could not be made or written; the user has been told
    NoResult   // the screen had no result to export; nothing was asked
};

// Asks for a file name and type, writes the file and reports a cancel or a
// failure to the user. The start screen is disabled while it runs. A file is
// replaced only once it has been written completely, so a failed export never
// leaves a half-written file or destroys the one it was to replace.
ExportResult runExport(QWidget* parent, const ExportJob& job);

// Where the save dialog starts: the program directory when the user may write
// there, otherwise the user's documents folder.
QString exportStartDirectory();

// The texts of the save dialog.
QString saveDialogTitle(int recordCount);
inline const QString textFilter = QStringLiteral("Text (*.txt)");
inline const QString csvFilter = QStringLiteral("CSV (*.csv)");

// The file dialogs of other parts of the program, answered through the same
// test seam as the save dialog of the exports (a "proposal" answer takes
// `proposal`). Both return nothing when the user cancels.
// A file to read, starting in `directory`.
std::optional<QString> askOpenFileName(QWidget* parent, const QString& title,
                                       const QStringList& filters, const QString& directory);
// A file to write, proposing `proposal` (a full path); the user confirms
// replacing an existing file in the dialog itself.
std::optional<QString> askSaveFileName(QWidget* parent, const QString& title,
                                       const QStringList& filters, const QString& proposal);

// Test seam for the save dialog: an answer set beforehand is taken by the next
// export, which then shows no dialog; every dialog's set-up is recorded.
namespace savedialog {

struct Setup {
    QString title;
    QStringList filters;
    QString defaultSuffix;
    QString fileName;
    QString directory;
};

// The user chooses `path` with the filter of `filter` selected.
void setNextFileName(const QString& path, ExportType filter);
// The user presses "Opslaan" without changing anything.
void setNextAcceptProposal();
void setNextCancel();
bool hasPendingAnswers();
QList<Setup> shown();
void clear();

} // namespace savedialog

} // namespace rvl92::exports
