#include "app/frmstartscherm.h"

#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "documentation/notices.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace rvl92 {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumHeight(32);
    // The caption keeps a margin of about a line's height to either edge,
    // whatever font the desktop gives it.
    const QFontMetrics fm = b->fontMetrics();
    b->setMinimumWidth(fm.horizontalAdvance(QString(caption).remove(QLatin1Char('&'))) +
                       2 * fm.height() + 4);
    return b;
}

} // namespace

frmStartschermViewRvl::frmStartschermViewRvl(QWidget* parent) : Form(form::Startscherm, parent) {
    setWindowTitle(QStringLiteral("Startscherm RVL92"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    lblTekst1 = new QLabel(this);
    lblTekst1->setObjectName(QStringLiteral("lblTekst1"));
    lblTekst1->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTekst1->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTekst1->setFont(titleFont);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cmdZoekprogramma = button(Frame1, "cmdZoekprogramma",
                              QStringLiteral("&Zoekprogramma en classificatielijsten"));
    cmdHelp = button(Frame1, "cmdHelp", QStringLiteral("&Handleiding"));
    cmdInfo = button(Frame1, "cmdInfo", QStringLiteral("&Info"));
    cmdSluiten = button(Frame1, "cmdSluiten", QStringLiteral("&Afsluiten"));
    auto* upper = new QGridLayout(Frame1);
    upper->addWidget(cmdZoekprogramma, 0, 0, 1, 3);
    upper->addWidget(cmdHelp, 1, 0);
    upper->addWidget(cmdInfo, 1, 1);
    upper->addWidget(cmdSluiten, 1, 2);

    fraDocumentatie = new QGroupBox(QStringLiteral(" Documentatie "), this);
    fraDocumentatie->setObjectName(QStringLiteral("fraDocumentatie"));
    cmdPublicatietekst =
        button(fraDocumentatie, "cmdPublicatietekst", QStringLiteral("&Publicatietekst"));
    cmdClassificatieschema = button(fraDocumentatie, "cmdClassificatieschema",
                                    QStringLiteral("&Classificatieschema RVL92"));
    cmdCodelijsten = button(fraDocumentatie, "cmdCodelijsten", QStringLiteral("C&odelijsten"));
    cmdConversie = button(fraDocumentatie, "cmdConversie",
                          QStringLiteral("&Schakelschema's naar andere classificaties"));
    auto* docs = new QGridLayout(fraDocumentatie);
    docs->addWidget(cmdPublicatietekst, 0, 0);
    docs->addWidget(cmdClassificatieschema, 0, 1);
    docs->addWidget(cmdCodelijsten, 1, 0);
    docs->addWidget(cmdConversie, 1, 1);

    auto* head = new QHBoxLayout;
    head->addWidget(Image1);
    head->addWidget(lblTekst1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(14);
    layout->addLayout(head);
    layout->addWidget(Frame1);
    layout->addWidget(fraDocumentatie);

    connect(cmdZoekprogramma, &QPushButton::clicked, this,
            &frmStartschermViewRvl::cmdZoekprogramma_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmStartschermViewRvl::cmdInfo_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmStartschermViewRvl::cmdHelp_Click);
    connect(cmdPublicatietekst, &QPushButton::clicked, this,
            &frmStartschermViewRvl::cmdPublicatietekst_Click);
    connect(cmdClassificatieschema, &QPushButton::clicked, this,
            &frmStartschermViewRvl::cmdClassificatieschema_Click);
    connect(cmdCodelijsten, &QPushButton::clicked, this,
            &frmStartschermViewRvl::cmdCodelijsten_Click);
    connect(cmdConversie, &QPushButton::clicked, this, &frmStartschermViewRvl::cmdConversie_Click);
    connect(cmdSluiten, &QPushButton::clicked, this, &frmStartschermViewRvl::cmdSluiten_Click);
}

void frmStartschermViewRvl::formLoad() {
    // A missing logo or icon leaves the picture empty; the program runs on.
    const QPixmap logo(programFile(QStringLiteral("Programmabestanden/KVD Logo.bmp")));
    Image1->setPixmap(logo);
    setWindowIcon(programIcon());
    lblTekst1->setText(QStringLiteral("Ravelstelsel 1992\r\nVerbeterde editie 2001"));
    appState().gsHuidigScherm = screen::Start;
    CheckSchermResolutie();
    // At start the record selectors are on; each data screen runs the check
    // again when it is loaded.
    appState().gbRecordselector = True;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(sizeHint().expandedTo(QSize(560, 0)));
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmStartschermViewRvl::formResize() {
    appState().gsSchermHistorie[0] = screen::Start;
    if (isMinimized()) {
        for (Form* f : forms().loaded()) {
            if (f == this)
                continue;
            const Qt::WindowStates st = f->windowState();
            if (!(st & (Qt::WindowMinimized | Qt::WindowMaximized)) && f->isVisible()) {
                f->hide();
                m_hiddenByMinimise.append(f);
            }
        }
        return;
    }
    if (isMaximized()) {
        for (Form* f : forms().loaded())
            if (f != this && !f->isVisible())
                f->setWindowState(Qt::WindowMaximized);
    }
    // Restored from a minimise: bring back what the minimise hid, so that no
    // screen is lost from view.
    const auto hidden = std::exchange(m_hiddenByMinimise, {});
    for (const QPointer<Form>& f : hidden)
        if (f && !f->isUnloading() && !f->isVisible())
            f->show();
}

void frmStartschermViewRvl::formActivate() {
    AppState& s = appState();
    for (int i = 0; i <= AppState::HistoryUpper; ++i) {
        const QString& entry = s.gsSchermHistorie[i];
        if (entry.isEmpty())
            return;
        Form* f = forms().find(entry);
        if (f && sameName(f->objectName(), s.gsHuidigScherm)) {
            if (f != this) {
                f->raise();
                f->activateWindow();
                forms().activated(f);
            }
            return;
        }
    }
    s.gsHuidigScherm = screen::Start;
}

void frmStartschermViewRvl::formUnload() {
    for (Form* f : forms().loaded()) {
        if (f == this)
            continue;
        f->closeData();
        forms().unload(f);
    }
}

void frmStartschermViewRvl::cmdZoekprogramma_Click() {
    forms().show(form::Zoekprogramma);
}

void frmStartschermViewRvl::cmdInfo_Click() {
    forms().show(form::About);
}

void frmStartschermViewRvl::openDocumentChoice(const QString& prompt) {
    // Setting the prompt loads the dialog first, as touching a form does.
    Form* f = forms().load(form::DialogPdfOrWord);
    if (!f)
        return;
    if (auto* label = f->findChild<QLabel*>(QStringLiteral("lblTekst")))
        label->setText(prompt);
    forms().show(f);
}

void frmStartschermViewRvl::cmdHelp_Click() {
    appState().gbHandleiding = True;
    openDocumentChoice(
        QStringLiteral("Geef aan in welk bestandsformaat u de handleiding wilt bekijken."));
}

void frmStartschermViewRvl::cmdPublicatietekst_Click() {
    appState().gbHandleiding = False;
    openDocumentChoice(
        QStringLiteral("Geef aan in welk bestandsformaat u de publicatietekst wilt bekijken."));
}

void frmStartschermViewRvl::cmdClassificatieschema_Click() {
    showNotice(notice::classificationScheme(appState().programDir));
}

void frmStartschermViewRvl::cmdCodelijsten_Click() {
    showNotice(notice::codeLists(appState().programDir));
}

void frmStartschermViewRvl::cmdConversie_Click() {
    forms().show(form::DialogSchakelSchema);
}

void frmStartschermViewRvl::cmdSluiten_Click() {
    if (msgbox::askYesNo(this, QStringLiteral("Afsluiten RVL92"),
                         QStringLiteral("Weet u zeker dat u RVL92 wilt afsluiten")) ==
        msgbox::Answer::Yes)
        forms().unload(this);
}

} // namespace rvl92
