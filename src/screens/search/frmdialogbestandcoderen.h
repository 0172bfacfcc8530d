#pragma once

#include "app/form.h"
#include "coding/batchcoder.h"

#include <QByteArray>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

namespace rvl92 {

// "Bestand coderen": codes every row of a text or CSV file on a worker thread
// and writes it with its proposals to a new file. The user sees what was
// read (first rows, character set, separator), chooses the column and the
// output, and can cancel; the coding screen waits while it is up.
class frmDialogBestandCoderen : public Form {
    Q_OBJECT
public:
    explicit frmDialogBestandCoderen(QWidget* parent = nullptr);
    ~frmDialogBestandCoderen() override;

    void formLoad() override;
    void formUnload() override;

    bool isRunning() const { return m_thread != nullptr; }
    // Waits for a running job and shows its outcome (tests).
    void waitForJob();

    // Opens `path` as the file to code, as if chosen in the file dialog.
    void openInput(const QString& path);

private:
    struct Job;

    void cmdKiesInvoer_Click();
    void cmdKiesUitvoer_Click();
    void cboKolom_Click(int index);
    void cmdCoderen_Click();
    void cmdAnnuleren_Click();
    void cmdSluiten_Click();

    bool leesKolom(const QString& column, QString* error);
    void toonInvoer();
    void toonVoorbeeld();
    void knoppenBijwerken();
    void meld(const QString& text);
    void klaar(std::shared_ptr<Job> job);

    QLineEdit* txtInvoer = nullptr;
    QPushButton* cmdKiesInvoer = nullptr;
    QLabel* lblHerkend = nullptr;
    QTableWidget* grdVoorbeeld = nullptr;
    QComboBox* cboKolom = nullptr;
    QLineEdit* txtUitvoer = nullptr;
    QPushButton* cmdKiesUitvoer = nullptr;
    QProgressBar* prbVoortgang = nullptr;
    QLabel* lblResultaat = nullptr;
    QPushButton* cmdCoderen = nullptr;
    QPushButton* cmdAnnuleren = nullptr;
    QPushButton* cmdSluiten = nullptr;

    QString m_inputPath;
    QByteArray m_bytes;
    std::optional<coding::BatchInput> m_input;
    coding::BatchOptions m_options;
    std::shared_ptr<Job> m_job;
    QThread* m_thread = nullptr;
};

} // namespace rvl92
