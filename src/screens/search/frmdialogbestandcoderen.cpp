#include "screens/search/frmdialogbestandcoderen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/datascreen.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "coding/codingindex.h"
#include "export/exportframe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>

namespace rvl92 {

namespace {

constexpr int PreviewRows = 10;

const QString runningText = QStringLiteral("Bezig met coderen…");
const QString cancelledText =
    QStringLiteral("Het coderen is geannuleerd; er is geen bestand geschreven.");
const QString preparingText = QStringLiteral(
    "De functienamen worden nog voorbereid voor het coderen; daarna kunt u beginnen.");

bool samePath(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

} // namespace

// What one run shares with its worker. The worker writes summary and done;
// the GUI thread reads the summary only after the worker has finished.
struct frmDialogBestandCoderen::Job {
    std::atomic<bool> cancel{false};
    std::atomic<int> percent{-1};
    coding::BatchSummary summary;
    QString outputPath;
};

frmDialogBestandCoderen::frmDialogBestandCoderen(QWidget* parent)
    : Form(form::DialogBestandCoderen, parent) {
    setWindowTitle(QStringLiteral("Bestand coderen"));
    setWindowIcon(programIcon());

    auto* lblInvoer = new QLabel(QStringLiteral("&Invoerbestand:"), this);
    txtInvoer = new QLineEdit(this);
    txtInvoer->setObjectName(QStringLiteral("txtInvoer"));
    txtInvoer->setReadOnly(true);
    txtInvoer->setMinimumWidth(twipsToPixels(6000));
    lblInvoer->setBuddy(txtInvoer);
    cmdKiesInvoer = new QPushButton(QStringLiteral("&Kiezen…"), this);
    cmdKiesInvoer->setObjectName(QStringLiteral("cmdKiesInvoer"));
    cmdKiesInvoer->setToolTip(QStringLiteral("Een tekst- of CSV-bestand met functienamen kiezen"));

    lblHerkend = new QLabel(this);
    lblHerkend->setObjectName(QStringLiteral("lblHerkend"));
    lblHerkend->setWordWrap(true);

    auto* lblVoorbeeld = new QLabel(QStringLiteral("Eerste regels:"), this);
    grdVoorbeeld = new QTableWidget(this);
    grdVoorbeeld->setObjectName(QStringLiteral("grdVoorbeeld"));
    grdVoorbeeld->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdVoorbeeld->setSelectionBehavior(QAbstractItemView::SelectColumns);
    grdVoorbeeld->setSelectionMode(QAbstractItemView::SingleSelection);
    grdVoorbeeld->setTabKeyNavigation(false);
    grdVoorbeeld->setWordWrap(false);
    grdVoorbeeld->verticalHeader()->setVisible(false);
    nameItemView(grdVoorbeeld, QStringLiteral("Eerste regels van het bestand"));
    lblVoorbeeld->setBuddy(grdVoorbeeld);

    auto* lblKolom = new QLabel(QStringLiteral("K&olom met de functienaam:"), this);
    cboKolom = new QComboBox(this);
    cboKolom->setObjectName(QStringLiteral("cboKolom"));
    cboKolom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblKolom->setBuddy(cboKolom);

    auto* lblUitvoer = new QLabel(QStringLiteral("&Uitvoerbestand:"), this);
    txtUitvoer = new QLineEdit(this);
    txtUitvoer->setObjectName(QStringLiteral("txtUitvoer"));
    lblUitvoer->setBuddy(txtUitvoer);
    cmdKiesUitvoer = new QPushButton(QStringLiteral("Kie&zen…"), this);
    cmdKiesUitvoer->setObjectName(QStringLiteral("cmdKiesUitvoer"));
    cmdKiesUitvoer->setToolTip(QStringLiteral("Kiezen waar het gecodeerde bestand komt"));
    auto* chkUtf8 = new QCheckBox(QStringLiteral("Uitvoer in UTF-&8 (bewaart tekens die "
                                                 "Windows-1252 niet kent)"),
                                  this);
    chkUtf8->setObjectName(QStringLiteral("chkUtf8"));
    connect(chkUtf8, &QCheckBox::toggled, this, [this](bool on) {
        m_options.encoding =
            on ? coding::OutputEncoding::Utf8Bom : coding::OutputEncoding::Windows1252;
    });

    prbVoortgang = new QProgressBar(this);
    prbVoortgang->setObjectName(QStringLiteral("prbVoortgang"));
    prbVoortgang->setRange(0, 100);
    prbVoortgang->setValue(0);
    nameControl(prbVoortgang, QStringLiteral("Voortgang"));
    lblResultaat = new QLabel(this);
    lblResultaat->setObjectName(QStringLiteral("lblResultaat"));
    lblResultaat->setWordWrap(true);
    lblResultaat->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdCoderen = new QPushButton(QStringLiteral("&Coderen"), this);
    cmdCoderen->setObjectName(QStringLiteral("cmdCoderen"));
    cmdCoderen->setDefault(true);
    cmdAnnuleren = new QPushButton(QStringLiteral("Annuleren"), this);
    cmdAnnuleren->setObjectName(QStringLiteral("cmdAnnuleren"));
    cmdAnnuleren->setToolTip(
        QStringLiteral("Het coderen stoppen; er wordt geen bestand geschreven"));
    cmdSluiten = new QPushButton(QStringLiteral("&Sluiten"), this);
    cmdSluiten->setObjectName(QStringLiteral("cmdSluiten"));

    auto* raster = new QGridLayout;
    raster->addWidget(lblInvoer, 0, 0);
    raster->addWidget(txtInvoer, 0, 1);
    raster->addWidget(cmdKiesInvoer, 0, 2);
    raster->addWidget(lblHerkend, 1, 1, 1, 2);
    raster->addWidget(lblVoorbeeld, 2, 0, Qt::AlignTop);
    raster->addWidget(grdVoorbeeld, 2, 1, 1, 2);
    raster->addWidget(lblKolom, 3, 0);
    raster->addWidget(cboKolom, 3, 1, Qt::AlignLeft);
    raster->addWidget(lblUitvoer, 4, 0);
    raster->addWidget(txtUitvoer, 4, 1);
    raster->addWidget(cmdKiesUitvoer, 4, 2);
    raster->addWidget(chkUtf8, 5, 1, 1, 2);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(1, 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(cmdCoderen);
    knoppen->addWidget(cmdAnnuleren);
    knoppen->addWidget(cmdSluiten);
    auto* opmaak = new QVBoxLayout(this);
    opmaak->addLayout(raster, 1);
    opmaak->addWidget(prbVoortgang);
    opmaak->addWidget(lblResultaat);
    opmaak->addLayout(knoppen);
    setTabChain({cmdKiesInvoer, grdVoorbeeld, cboKolom, txtUitvoer, cmdKiesUitvoer, chkUtf8,
                 cmdCoderen, cmdAnnuleren, cmdSluiten});
    resize(twipsToPixels(11000), twipsToPixels(7500));

    connect(cmdKiesInvoer, &QPushButton::clicked, this,
            &frmDialogBestandCoderen::cmdKiesInvoer_Click);
    connect(cmdKiesUitvoer, &QPushButton::clicked, this,
            &frmDialogBestandCoderen::cmdKiesUitvoer_Click);
    connect(cboKolom, &QComboBox::activated, this, &frmDialogBestandCoderen::cboKolom_Click);
    connect(cmdCoderen, &QPushButton::clicked, this, &frmDialogBestandCoderen::cmdCoderen_Click);
    connect(cmdAnnuleren, &QPushButton::clicked, this,
            &frmDialogBestandCoderen::cmdAnnuleren_Click);
    connect(cmdSluiten, &QPushButton::clicked, this, &frmDialogBestandCoderen::cmdSluiten_Click);
    connect(txtUitvoer, &QLineEdit::textChanged, this, [this] { knoppenBijwerken(); });
    coding::CodingIndex& index = coding::codingIndex();
    connect(&index, &coding::CodingIndex::ready, this, [this] {
        if (lblResultaat->text() == preparingText)
            lblResultaat->clear();
        knoppenBijwerken();
    });
    connect(&index, &coding::CodingIndex::failed, this, [this](const QString& message) {
        lblResultaat->setText(message);
        knoppenBijwerken();
    });
}

frmDialogBestandCoderen::~frmDialogBestandCoderen() {
    // However the dialog goes, no worker outlives it.
    if (m_job)
        m_job->cancel.store(true);
    if (m_thread)
        m_thread->wait();
}

void frmDialogBestandCoderen::formLoad() {
    forms().disableCaller(this, form::Coderen);
    const coding::CodingIndex& index = coding::codingIndex();
    if (index.state() == coding::CodingIndex::State::Building)
        lblResultaat->setText(preparingText);
    else if (index.state() == coding::CodingIndex::State::Failed)
        lblResultaat->setText(index.errorText());
    else if (index.state() == coding::CodingIndex::State::Idle)
        lblResultaat->setText(
            QStringLiteral("Zonder database kunnen er geen functienamen worden gecodeerd."));
    knoppenBijwerken();
    cmdKiesInvoer->setFocus();
}

void frmDialogBestandCoderen::formUnload() {
    if (m_job)
        m_job->cancel.store(true);
    if (m_thread) {
        BusyCursor busy;
        m_thread->wait();
    }
}

void frmDialogBestandCoderen::knoppenBijwerken() {
    const bool bezig = isRunning();
    const bool gereed = coding::codingIndex().state() == coding::CodingIndex::State::Ready;
    cmdKiesInvoer->setEnabled(!bezig);
    cboKolom->setEnabled(!bezig && m_input.has_value());
    txtUitvoer->setEnabled(!bezig && m_input.has_value());
    cmdKiesUitvoer->setEnabled(!bezig && m_input.has_value());
    findChild<QCheckBox*>(QStringLiteral("chkUtf8"))->setEnabled(!bezig);
    cmdCoderen->setEnabled(!bezig && gereed && m_input && cboKolom->currentIndex() >= 0 &&
                           !txtUitvoer->text().trimmed().isEmpty());
    cmdAnnuleren->setEnabled(bezig);
    prbVoortgang->setEnabled(bezig);
    // Escape stops a run; otherwise it closes the dialog.
    setCancelButton(bezig ? cmdAnnuleren : cmdSluiten);
}

void frmDialogBestandCoderen::meld(const QString& text) {
    lblResultaat->setText(text);
    msgbox::warn(this, msgbox::applicationTitle(), text);
}

void frmDialogBestandCoderen::cmdKiesInvoer_Click() {
    const QString start = m_inputPath.isEmpty() ? exports::exportStartDirectory()
                                                : QFileInfo(m_inputPath).absolutePath();
    const std::optional<QString> pad = exports::askOpenFileName(
        this, QStringLiteral("Bestand met functienamen kiezen"),
        {QStringLiteral("Tekst en CSV (*.txt *.csv *.tsv)"), QStringLiteral("Alle bestanden (*)")},
        start);
    if (pad)
        openInput(*pad);
}

void frmDialogBestandCoderen::openInput(const QString& path) {
    const QString getoond = QDir::toNativeSeparators(path);
    QByteArray bytes;
    {
        BusyCursor busy;
        QFile file(path);
        if (QFileInfo(path).isDir()) {
            meld(QStringLiteral("Het bestand %1 kan niet worden gelezen: het is een map.")
                     .arg(getoond));
            return;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            meld(QStringLiteral("Het bestand %1 kan niet worden gelezen: %2")
                     .arg(getoond, file.errorString()));
            return;
        }
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            meld(QStringLiteral("Het bestand %1 kan niet worden gelezen: %2")
                     .arg(getoond, file.errorString()));
            return;
        }
    }
    QString error;
    if (!coding::decodeText(bytes, &error)) {
        meld(QStringLiteral("Het bestand %1 kan niet worden gecodeerd. %2").arg(getoond, error));
        return;
    }
    // The file is taken only once it has been read; a failure above keeps
    // the one chosen before.
    m_inputPath = path;
    m_bytes = std::move(bytes);
    m_input.reset();
    lblResultaat->clear();
    prbVoortgang->setValue(0);
    QString kolomFout;
    if (!leesKolom(QString(), &kolomFout)) {
        // No column of its own name: read as it is, and let the user choose.
        QString fout;
        if (!leesKolom(QStringLiteral("1"), &fout)) {
            meld(QStringLiteral("Het bestand %1 kan niet worden gecodeerd. %2").arg(getoond, fout));
            m_bytes.clear();
            m_inputPath.clear();
            toonInvoer();
            return;
        }
        m_input->column = -1;
        lblResultaat->setText(kolomFout);
    }
    txtInvoer->setText(getoond);
    txtUitvoer->setText(QDir::toNativeSeparators(coding::BatchCoder::defaultOutputPath(path)));
    toonInvoer();
}

bool frmDialogBestandCoderen::leesKolom(const QString& column, QString* error) {
    BusyCursor busy;
    coding::BatchOptions options = m_options;
    options.column = column;
    std::optional<coding::BatchInput> input = coding::BatchCoder::read(m_bytes, options, error);
    if (!input)
        return false;
    m_input = std::move(input);
    return true;
}

void frmDialogBestandCoderen::toonInvoer() {
    cboKolom->clear();
    if (!m_input) {
        txtInvoer->clear();
        txtUitvoer->clear();
        lblHerkend->clear();
        grdVoorbeeld->clear();
        grdVoorbeeld->setRowCount(0);
        grdVoorbeeld->setColumnCount(0);
        knoppenBijwerken();
        return;
    }
    const coding::BatchInput& in = *m_input;
    const auto first = std::find_if(in.records.begin(), in.records.end(),
                                    [](const QStringList& r) { return !r.isEmpty(); });
    for (int c = 0; c < in.width; ++c) {
        const QString kop = in.header && first != in.records.end() ? first->value(c) : QString();
        cboKolom->addItem(kop.trimmed().isEmpty()
                              ? QStringLiteral("Kolom %1").arg(c + 1)
                              : QStringLiteral("Kolom %1: %2").arg(c + 1).arg(kop));
    }
    cboKolom->setCurrentIndex(in.column);
    qsizetype rijen = 0;
    for (const QStringList& r : in.records)
        rijen += r.isEmpty() ? 0 : 1;
    if (in.header)
        --rijen;
    lblHerkend->setText(QStringLiteral("Tekenset: %1; scheidingsteken: %2; kopregel: %3; "
                                       "%4 regels met gegevens.")
                            .arg(coding::encodingText(in.encoding),
                                 coding::separatorText(in.separator),
                                 in.header ? QStringLiteral("ja") : QStringLiteral("nee"))
                            .arg(rijen));
    toonVoorbeeld();
    knoppenBijwerken();
}

void frmDialogBestandCoderen::toonVoorbeeld() {
    const coding::BatchInput& in = *m_input;
    grdVoorbeeld->clear();
    grdVoorbeeld->setColumnCount(in.width);
    QStringList koppen;
    for (int c = 0; c < in.width; ++c)
        koppen << cboKolom->itemText(c);
    grdVoorbeeld->setHorizontalHeaderLabels(koppen);
    QList<const QStringList*> rijen;
    bool kopOvergeslagen = !in.header;
    for (const QStringList& r : in.records) {
        if (!kopOvergeslagen && !r.isEmpty()) {
            kopOvergeslagen = true;
            continue;
        }
        if (rijen.size() == PreviewRows)
            break;
        rijen << &r;
    }
    grdVoorbeeld->setRowCount(int(rijen.size()));
    for (int r = 0; r < rijen.size(); ++r)
        for (int c = 0; c < rijen[r]->size() && c < in.width; ++c)
            grdVoorbeeld->setItem(r, c, new QTableWidgetItem(rijen[r]->at(c)));
    // Wide enough to read, never so wide that one long field hides the rest.
    grdVoorbeeld->resizeColumnsToContents();
    for (int c = 0; c < in.width; ++c)
        grdVoorbeeld->setColumnWidth(c,
                                     std::min(grdVoorbeeld->columnWidth(c), twipsToPixels(4000)));
    if (in.column >= 0)
        grdVoorbeeld->selectColumn(in.column);
}

void frmDialogBestandCoderen::cboKolom_Click(int index) {
    if (!m_input || index < 0)
        return;
    QString fout;
    if (!leesKolom(QString::number(index + 1), &fout)) {
        meld(fout);
        return;
    }
    if (lblResultaat->text().contains(QStringLiteral("kies de kolom")))
        lblResultaat->clear();
    toonInvoer();
}

void frmDialogBestandCoderen::cmdKiesUitvoer_Click() {
    const QString voorstel = txtUitvoer->text().trimmed().isEmpty()
                                 ? coding::BatchCoder::defaultOutputPath(m_inputPath)
                                 : QDir::fromNativeSeparators(txtUitvoer->text().trimmed());
    const std::optional<QString> pad = exports::askSaveFileName(
        this, QStringLiteral("Gecodeerd bestand opslaan"), {exports::csvFilter}, voorstel);
    if (pad)
        txtUitvoer->setText(QDir::toNativeSeparators(*pad));
}

void frmDialogBestandCoderen::cmdCoderen_Click() {
    const std::shared_ptr<const coding::CodingEngine> engine = coding::codingIndex().engine();
    if (!m_input || m_input->column < 0 || !engine || isRunning())
        return;
    const QString uitvoer = QDir::fromNativeSeparators(txtUitvoer->text().trimmed());
    if (uitvoer.isEmpty()) {
        meld(QStringLiteral("Geef op waar het gecodeerde bestand moet komen."));
        return;
    }
    if (samePath(uitvoer, m_inputPath)) {
        meld(QStringLiteral("Het uitvoerbestand is het invoerbestand. Kies een andere naam: het "
                            "invoerbestand blijft zoals het is."));
        return;
    }
    if (QFileInfo(uitvoer).isDir()) {
        meld(QStringLiteral("%1 is een map. Geef een bestandsnaam op.")
                 .arg(QDir::toNativeSeparators(uitvoer)));
        return;
    }
    if (QFileInfo::exists(uitvoer) &&
        msgbox::askYesNo(this, msgbox::applicationTitle(),
                         QStringLiteral("Het bestand %1 bestaat al.\nWilt u het vervangen?")
                             .arg(QDir::toNativeSeparators(uitvoer))) != msgbox::Answer::Yes)
        return;

    auto job = std::make_shared<Job>();
    job->outputPath = uitvoer;
    m_job = job;
    auto input = std::make_shared<const coding::BatchInput>(*m_input);
    const coding::BatchOptions options = m_options;
    const QString invoer = m_inputPath;
    QProgressBar* balk = prbVoortgang;
    m_thread = QThread::create([job, engine, input, options, invoer, balk] {
        const auto progress = [&job, &balk](qint64 done, qint64 total) {
            const int percent = total > 0 ? int(done * 100 / total) : 100;
            // One update per percent: the window is told, not flooded.
            if (job->percent.exchange(percent) != percent)
                // Dropped if the bar is gone by then.
                QMetaObject::invokeMethod(
                    balk, [balk, percent] { balk->setValue(percent); }, Qt::QueuedConnection);
        };
        job->summary = coding::BatchCoder::writeFile(*engine, *input, options, invoer,
                                                     job->outputPath, progress, &job->cancel);
    });
    m_thread->setParent(this);
    QThread* thread = m_thread;
    connect(thread, &QThread::finished, this, [this, job, thread] {
        thread->deleteLater();
        if (m_thread == thread)
            m_thread = nullptr;
        klaar(job);
    });
    prbVoortgang->setValue(0);
    lblResultaat->setText(runningText);
    m_thread->start();
    knoppenBijwerken();
    cmdAnnuleren->setFocus();
}

void frmDialogBestandCoderen::klaar(std::shared_ptr<Job> job) {
    if (job != m_job)
        return;
    m_job.reset();
    knoppenBijwerken();
    const coding::BatchSummary& s = job->summary;
    switch (s.status) {
    case coding::BatchSummary::Status::Cancelled:
        prbVoortgang->setValue(0);
        lblResultaat->setText(cancelledText);
        cmdCoderen->setFocus();
        break;
    case coding::BatchSummary::Status::Failed:
        prbVoortgang->setValue(0);
        meld(s.error);
        cmdCoderen->setFocus();
        break;
    case coding::BatchSummary::Status::Done: {
        prbVoortgang->setValue(100);
        QString tekst = coding::BatchCoder::describeSummary(s) +
                        QStringLiteral("\nHet resultaat staat in %1.")
                            .arg(QDir::toNativeSeparators(job->outputPath));
        if (s.replacedCharacters > 0)
            tekst += QStringLiteral("\nLet op: %1 tekens bestaan niet in Windows-1252 en staan "
                                    "als ? in het bestand; kies UTF-8 om ze te bewaren.")
                         .arg(s.replacedCharacters);
        lblResultaat->setText(tekst);
        cmdSluiten->setFocus();
        break;
    }
    }
}

void frmDialogBestandCoderen::waitForJob() {
    if (!m_thread)
        return;
    QThread* thread = m_thread;
    thread->wait();
    m_thread = nullptr;
    if (m_job)
        klaar(m_job);
}

void frmDialogBestandCoderen::cmdAnnuleren_Click() {
    if (m_job)
        m_job->cancel.store(true);
}

void frmDialogBestandCoderen::cmdSluiten_Click() {
    forms().unload(this);
    if (forms().isLoaded(form::Coderen))
        forms().show(form::Coderen);
}

} // namespace rvl92
