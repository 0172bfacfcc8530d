#pragma once

#include "app/form.h"

class QLabel;
class QPushButton;

namespace rvl92 {

class clsWinProcess;

// "Keuze bestandsformaat": opens the manual or the publication text as a PDF
// or a word-processor file in the viewer that the system associates with it,
// and waits until that viewer has ended. Modeless; its caller stays enabled.
class frmDialogPdfOrWord : public Form {
    Q_OBJECT
public:
    explicit frmDialogPdfOrWord(QWidget* parent = nullptr);

    void formLoad() override;

    void cmdPdf_Click();
    void cmdWord_Click();
    void cmdAnnuleren_Click();

private:
    // Starts the viewer on the document; returns when it has ended. Throws
    // WinProcessError when no viewer can be started.
    void OpenDocument(const QString& path);

    QLabel* lblTekst;
    QPushButton* cmdPdf;
    QPushButton* cmdWord;
    QPushButton* cmdAnnuleren;
    clsWinProcess* m_process = nullptr; // made on first use, kept while loaded
};

} // namespace rvl92
