#include "export/exportframe.h"

#include "app/appstate.h"
#include "app/datascreen.h"
#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QQueue>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace rvl92::exports {

namespace {

const QString cancelledText = QStringLiteral("Het opslaan is geannuleerd");

QString cannotCreateText(const QString& path) {
    return QStringLiteral("Het bestand kan niet worden aangemaakt:\n%1\n\n"
                          "Kies een andere map of een andere bestandsnaam.")
        .arg(QDir::toNativeSeparators(path));
}

QString cannotWriteText(const QString& path) {
    return QStringLiteral("Het bestand kan niet worden geschreven:\n%1\n\n"
                          "Er is niets opgeslagen. Controleer of er genoeg ruimte op de schijf is.")
        .arg(QDir::toNativeSeparators(path));
}

// ---- the save dialog and its seam ----

struct Answer {
    enum class Kind { File, Proposal, Cancel } kind;
    QString path;
    ExportType filter = ExportType::Text;
};

QQueue<Answer>& pending() {
    static QQueue<Answer> q;
    return q;
}

QList<savedialog::Setup>& setups() {
    static QList<savedialog::Setup> l;
    return l;
}

struct Choice {
    QString path;
    ExportType filter = ExportType::Text;
};

QString suffixOf(ExportType type) {
    return type == ExportType::Csv ? QStringLiteral("csv") : QStringLiteral("txt");
}

// Qt's file dialogs keep their folders and history in a settings file in the
// user's configuration folder. The program writes nothing but the files the
// user asks for, so those settings go nowhere.
void keepDialogSettingsAway() {
    for (const QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(f, QSettings::UserScope, QProcess::nullDevice());
}

// The chosen file, or nullopt when the user cancelled.
std::optional<Choice> askFileName(QWidget* parent, const savedialog::Setup& setup) {
    setups().append(setup);
    if (!pending().isEmpty()) {
        const Answer a = pending().dequeue();
        switch (a.kind) {
        case Answer::Kind::Cancel:
            return std::nullopt;
        case Answer::Kind::Proposal:
            return Choice{QDir(setup.directory)
                              .filePath(setup.fileName + QLatin1Char('.') + setup.defaultSuffix),
                          ExportType::Text};
        case Answer::Kind::File:
            return Choice{a.path, a.filter};
        }
    }
    keepDialogSettingsAway();
    QFileDialog dialog(parent, setup.title, setup.directory);
    dialog.setWindowIcon(Form::programIcon());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(setup.filters);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    dialog.selectFile(setup.fileName);
    // A name typed without extension gets the one of the filter in view.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(suffixOf(f == csvFilter ? ExportType::Csv : ExportType::Text));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice{dialog.selectedFiles().constFirst(),
                  dialog.selectedNameFilter() == csvFilter ? ExportType::Csv : ExportType::Text};
}

// The start screen stays disabled while an export runs, on every way out.
class StartScreenDisabled {
public:
    StartScreenDisabled() { forms().setEnabled(form::Startscherm, false); }
    ~StartScreenDisabled() { forms().setEnabled(form::Startscherm, true); }
    StartScreenDisabled(const StartScreenDisabled&) = delete;
    StartScreenDisabled& operator=(const StartScreenDisabled&) = delete;
};

enum class WriteOutcome { Written, NotCreated, NotWritten };

// Writes the file. An ordinary file is written beside its final place and
// takes that place only when complete. A device or pipe cannot be replaced
// that way (and must not be replaced by a plain file): it is written directly.
WriteOutcome writeFile(const QString& path, ExportType type, const ExportJob& job,
                       QString* reason) {
    const QFileInfo info(path);
    if (info.isDir())
        return WriteOutcome::NotCreated;
    const bool special = info.exists() && !info.isFile();

    std::unique_ptr<QFileDevice> file;
    if (special)
        file = std::make_unique<QFile>(path);
    else
        file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteOutcome::NotCreated;

    ExportLines lines(file.get());
    bool ok = job.write ? job.write(type, lines, reason) : true;
    ok = ok && lines.ok();
    if (special) {
        ok = file->flush() && ok;
        file->close();
        ok = ok && file->error() == QFileDevice::NoError;
    } else {
        auto* save = static_cast<QSaveFile*>(file.get());
        // The last lines are still in the device's buffer: a full disk shows
        // only when they are flushed, and commit() would not report that.
        ok = ok && save->flush();
        if (!ok)
            save->cancelWriting();
        ok = save->commit() && ok;
    }
    return ok ? WriteOutcome::Written : WriteOutcome::NotWritten;
}

} // namespace

QString saveDialogTitle(int recordCount) {
    return QStringLiteral("Opslaan van ") + QString::number(recordCount) +
           QStringLiteral(" records");
}

QString exportStartDirectory() {
    const QFileInfo program(appState().programDir);
    if (!appState().programDir.isEmpty() && program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    // A documents folder that does not exist (yet) would make the export
    // fail: then the home folder.
    const QFileInfo documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!documents.filePath().isEmpty() && documents.isDir() && documents.isWritable())
        return documents.absoluteFilePath();
    return QDir::homePath();
}

ExportResult runExport(QWidget* parent, const ExportJob& job) {
    StartScreenDisabled startScreen;

    savedialog::Setup setup;
    setup.title = saveDialogTitle(job.recordCount);
    setup.filters = QStringList{textFilter, csvFilter};
    setup.defaultSuffix = QStringLiteral("txt");
    setup.fileName = job.defaultName;
    setup.directory = exportStartDirectory();

    const std::optional<Choice> choice = askFileName(parent, setup);
    if (!choice) {
        msgbox::inform(parent, msgbox::applicationTitle(), cancelledText);
        return ExportResult::Cancelled;
    }

    const ExportType type = exportTypeFor(choice->path, choice->filter);
    QString reason;
    WriteOutcome outcome;
    {
        BusyCursor busy;
        outcome = writeFile(choice->path, type, job, &reason);
        if (outcome != WriteOutcome::NotCreated && job.afterWriting)
            job.afterWriting();
    }
    switch (outcome) {
    case WriteOutcome::Written:
        return ExportResult::Saved;
    case WriteOutcome::NotCreated:
        msgbox::warn(parent, msgbox::applicationTitle(), cannotCreateText(choice->path));
        return ExportResult::Failed;
    case WriteOutcome::NotWritten:
        msgbox::warn(parent, msgbox::applicationTitle(),
                     reason.isEmpty() ? cannotWriteText(choice->path) : reason);
        return ExportResult::Failed;
    }
    return ExportResult::Failed;
}

namespace {

// A test answer for a dialog outside the exports, if one is waiting: the
// outer optional says whether there was one, the inner what it chose.
std::optional<std::optional<QString>> pendingPath(const savedialog::Setup& setup,
                                                  const QString& proposal) {
    setups().append(setup);
    if (pending().isEmpty())
        return std::nullopt;
    const Answer a = pending().dequeue();
    switch (a.kind) {
    case Answer::Kind::Cancel:
        return std::optional<QString>();
    case Answer::Kind::Proposal:
        return std::optional<QString>(proposal);
    case Answer::Kind::File:
        break;
    }
    return std::optional<QString>(a.path);
}

} // namespace

std::optional<QString> askOpenFileName(QWidget* parent, const QString& title,
                                       const QStringList& filters, const QString& directory) {
    savedialog::Setup setup{title, filters, QString(), QString(), directory};
    if (const auto answer = pendingPath(setup, QString()))
        return *answer;
    keepDialogSettingsAway();
    QFileDialog dialog(parent, title, directory);
    dialog.setWindowIcon(Form::programIcon());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> askSaveFileName(QWidget* parent, const QString& title,
                                       const QStringList& filters, const QString& proposal) {
    const QFileInfo info(proposal);
    savedialog::Setup setup{title, filters, info.suffix(), info.fileName(), info.absolutePath()};
    if (const auto answer = pendingPath(setup, proposal))
        return *answer;
    keepDialogSettingsAway();
    QFileDialog dialog(parent, title, info.absolutePath());
    dialog.setWindowIcon(Form::programIcon());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(info.suffix());
    dialog.selectFile(info.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

namespace savedialog {

void setNextFileName(const QString& path, ExportType filter) {
    pending().enqueue({Answer::Kind::File, path, filter});
}

void setNextAcceptProposal() {
    pending().enqueue({Answer::Kind::Proposal, QString(), ExportType::Text});
}

void setNextCancel() {
    pending().enqueue({Answer::Kind::Cancel, QString(), ExportType::Text});
}

bool hasPendingAnswers() {
    return !pending().isEmpty();
}

QList<Setup> shown() {
    return setups();
}

void clear() {
    pending().clear();
    setups().clear();
}

} // namespace savedialog

} // namespace rvl92::exports
