#include "documentation/frmdialogschakelschema.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "documentation/notices.h"
#include "documentation/placement.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace rvl92 {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumHeight(44);
    return b;
}

} // namespace

frmDialogSchakelSchema::frmDialogSchakelSchema(QWidget* parent)
    : Form(form::DialogSchakelSchema, parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral("Schakelschema's naar andere classificaties"));

    // A read-only text box without a frame serves as the heading.
    txtInfo = new QLineEdit(
        QStringLiteral("Handleidingen en overige informatie met betrekking tot:"), this);
    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setReadOnly(true);
    txtInfo->setFrame(false);
    txtInfo->setFocusPolicy(Qt::NoFocus);
    txtInfo->setStyleSheet(QStringLiteral("background: transparent;"));
    QFont heading = txtInfo->font();
    heading.setBold(true);
    txtInfo->setFont(heading);
    // A heading, not a box to fill in: it is read out by its own text.
    nameControl(txtInfo, txtInfo->text());

    cmdIsco = button(this, "cmdIsco", QString());
    cmdLk82Beroep = button(this, "cmdLk82Beroep", QStringLiteral("LK84 naar beroep RVL92"));
    cmdLk84Beroepsgroep =
        button(this, "cmdLk84Beroepsgroep", QStringLiteral("LK84 naar beroepsgroep RVL92"));
    cmdSocStratificatie = button(this, "cmdSocStratificatie", QString());
    cmdAfsluiten = new QPushButton(QStringLiteral("Afsluiten"), this);
    cmdAfsluiten->setObjectName(QStringLiteral("cmdAfsluiten"));

    auto* grid = new QGridLayout;
    grid->addWidget(cmdIsco, 0, 0);
    grid->addWidget(cmdLk82Beroep, 0, 1);
    grid->addWidget(cmdSocStratificatie, 1, 0);
    grid->addWidget(cmdLk84Beroepsgroep, 1, 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdAfsluiten);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(txtInfo);
    layout->addLayout(grid);
    layout->addLayout(closeRow);

    connect(cmdIsco, &QPushButton::clicked, this, &frmDialogSchakelSchema::cmdIsco_Click);
    connect(cmdLk82Beroep, &QPushButton::clicked, this,
            &frmDialogSchakelSchema::cmdLk82Beroep_Click);
    connect(cmdLk84Beroepsgroep, &QPushButton::clicked, this,
            &frmDialogSchakelSchema::cmdLk84Beroepsgroep_Click);
    connect(cmdSocStratificatie, &QPushButton::clicked, this,
            &frmDialogSchakelSchema::cmdSocStratificatie_Click);
    connect(cmdAfsluiten, &QPushButton::clicked, this, &frmDialogSchakelSchema::cmdAfsluiten_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmDialogSchakelSchema::cmdAfsluiten_Click);
}

void frmDialogSchakelSchema::formLoad() {
    setWindowIcon(programIcon());
    cmdIsco->setText(QStringLiteral("RVL92 naar International standard") + QStringLiteral("\r\n") +
                     QStringLiteral("classification of occupations 1988"));
    cmdSocStratificatie->setText(QStringLiteral("Sociale stratificatie") + QStringLiteral("\r\n") +
                                 QStringLiteral("(drie verschillende classificaties)"));
    // Stays in front of the start screen, also when a notice has brought that
    // screen forward. Only the window system is told so: as a child of the
    // start screen it would be disabled with it while a notice is up, and the
    // user could not pick the next conversion.
    if (Form* start = forms().find(form::Startscherm)) {
        start->winId();
        winId();
        windowHandle()->setTransientParent(start->windowHandle());
        adjustSize();
        centreOver(this, start->frameGeometry());
    }
}

void frmDialogSchakelSchema::cmdIsco_Click() {
    showNotice(notice::isco(appState().programDir));
}

void frmDialogSchakelSchema::cmdLk82Beroep_Click() {
    showNotice(notice::lk84ToOccupation(appState().programDir));
}

void frmDialogSchakelSchema::cmdLk84Beroepsgroep_Click() {
    showNotice(notice::lk84ToOccupationGroup(appState().programDir));
}

void frmDialogSchakelSchema::cmdSocStratificatie_Click() {
    showNotice(notice::socialStratification(appState().programDir));
}

void frmDialogSchakelSchema::cmdAfsluiten_Click() {
    forms().unload(this);
}

} // namespace rvl92
