#include "documentation/frmdialogpdforword.h"

#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "documentation/documentlauncher.h"
#include "documentation/placement.h"
#include "documentation/viewerwait.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace rvl92 {

namespace {

QString prompt(bool manual) {
    return manual
               ? QStringLiteral("Geef aan in welk bestandsformaat u de handleiding wilt bekijken.")
               : QStringLiteral(
                     "Geef aan in welk bestandsformaat u de publicatietekst wilt bekijken.");
}

QString document(const QString& name) {
    return QDir::toNativeSeparators(Form::programFile(name));
}

} // namespace

frmDialogPdfOrWord::frmDialogPdfOrWord(QWidget* parent) : Form(form::DialogPdfOrWord, parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral("Keuze bestandsformaat"));

    lblTekst = new QLabel(this);
    lblTekst->setObjectName(QStringLiteral("lblTekst"));
    lblTekst->setWordWrap(true);
    lblTekst->setAlignment(Qt::AlignCenter);
    cmdPdf = new QPushButton(QStringLiteral("PDF-file"), this);
    cmdPdf->setObjectName(QStringLiteral("cmdPdf"));
    cmdWord = new QPushButton(QStringLiteral("Word-file"), this);
    cmdWord->setObjectName(QStringLiteral("cmdWord"));
    cmdAnnuleren = new QPushButton(QStringLiteral("Annuleren"), this);
    cmdAnnuleren->setObjectName(QStringLiteral("cmdAnnuleren"));
    cmdPdf->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPdf);
    buttons->addWidget(cmdWord);
    buttons->addWidget(cmdAnnuleren);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(16);
    layout->addWidget(lblTekst, 1);
    layout->addLayout(buttons);
    resize(twipsToPixels(5400), twipsToPixels(1800));

    connect(cmdPdf, &QPushButton::clicked, this, &frmDialogPdfOrWord::cmdPdf_Click);
    connect(cmdWord, &QPushButton::clicked, this, &frmDialogPdfOrWord::cmdWord_Click);
    connect(cmdAnnuleren, &QPushButton::clicked, this, &frmDialogPdfOrWord::cmdAnnuleren_Click);
    // Escape cancels, as in every dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmDialogPdfOrWord::cmdAnnuleren_Click);
}

void frmDialogPdfOrWord::formLoad() {
    setWindowIcon(programIcon());
    lblTekst->setText(prompt(appState().gbHandleiding == True));
    if (Form* start = forms().find(form::Startscherm))
        centreOver(this, start->frameGeometry());
}

void frmDialogPdfOrWord::OpenDocument(const QString& path) {
    if (!m_process)
        m_process = new clsWinProcess(this);
    const ViewerWait wait;
    m_process->StartApplication(path, true);
}

void frmDialogPdfOrWord::cmdPdf_Click() {
    QPointer<frmDialogPdfOrWord> self(this);
    AppState& s = appState();
    try {
        if (s.gbHandleiding == True) {
            OpenDocument(document(QStringLiteral("Handleiding.pdf")));
            s.gbHandleiding = False;
        } else {
            OpenDocument(document(QStringLiteral("PubRVL.pdf")));
        }
    } catch (const WinProcessError&) {
        msgbox::inform(self, msgbox::applicationTitle(),
                       QStringLiteral("De Acrobat- of Adobe-Reader is niet op het systeem "
                                      "aangetroffen!"));
    }
    if (self)
        forms().unload(self);
}

void frmDialogPdfOrWord::cmdWord_Click() {
    QPointer<frmDialogPdfOrWord> self(this);
    AppState& s = appState();
    try {
        if (s.gbHandleiding == True) {
            OpenDocument(document(QStringLiteral("Handleiding.doc")));
            s.gbHandleiding = False;
        } else {
            OpenDocument(document(QStringLiteral("PubRVL.doc")));
        }
    } catch (const WinProcessError&) {
        // The dialog stays, so that the PDF can still be chosen.
        msgbox::inform(self, msgbox::applicationTitle(),
                       QStringLiteral("De applicatie heeft geen MS-Word aangetroffen.") +
                           QStringLiteral("\r\n") +
                           QStringLiteral("De publicatietekst kunt u bekijken met de Pdf-file "
                                          "of met een eigen viewer."));
        return;
    }
    if (self)
        forms().unload(self);
}

void frmDialogPdfOrWord::cmdAnnuleren_Click() {
    forms().unload(this);
}

} // namespace rvl92
