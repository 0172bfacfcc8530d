#pragma once

#include "app/form.h"

#include <QList>
#include <QPointer>

class QGroupBox;
class QLabel;
class QPushButton;

namespace rvl92 {

// The start screen: the first window, alive as long as the program runs.
class frmStartschermViewRvl : public Form {
    Q_OBJECT
public:
    explicit frmStartschermViewRvl(QWidget* parent = nullptr);

    void formLoad() override;
    void formResize() override;
    void formActivate() override;
    void formUnload() override;

    void cmdZoekprogramma_Click();
    void cmdInfo_Click();
    void cmdHelp_Click();
    void cmdPublicatietekst_Click();
    void cmdClassificatieschema_Click();
    void cmdCodelijsten_Click();
    void cmdConversie_Click();
    void cmdSluiten_Click();

private:
    void openDocumentChoice(const QString& prompt);

    QLabel* Image1;
    QLabel* lblTekst1;
    QGroupBox* Frame1;
    QPushButton* cmdZoekprogramma;
    QPushButton* cmdHelp;
    QPushButton* cmdInfo;
    QPushButton* cmdSluiten;
    QGroupBox* fraDocumentatie;
    QPushButton* cmdPublicatietekst;
    QPushButton* cmdClassificatieschema;
    QPushButton* cmdCodelijsten;
    QPushButton* cmdConversie;

    // Forms hidden because the start screen was minimised; they come back
    // when it is restored.
    QList<QPointer<Form>> m_hiddenByMinimise;
};

} // namespace rvl92
