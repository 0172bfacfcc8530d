#include "screens/search/keuzedialoog.h"

#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/kenmerkcodes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace rvl92 {

KeuzeDialoog::KeuzeDialoog(const QString& formName, const QString& caption, QWidget* parent)
    : Form(formName, parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setWindowTitle(caption);
}

void KeuzeDialoog::formLoad() {
    setWindowIcon(programIcon());
    forms().disableCaller(this, form::ZoekenKenmerken);
    adjustSize();
    if (const Form* scherm = zoekscherm()) {
        const QRect g = scherm->frameGeometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
}

void KeuzeDialoog::formDeactivate() {
    ActiveerAanroeper();
    forms().unload(this);
}

frmZoekenKenmerken* KeuzeDialoog::zoekscherm() {
    return qobject_cast<frmZoekenKenmerken*>(forms().find(form::ZoekenKenmerken));
}

void KeuzeDialoog::toonZoekscherm() {
    forms().setEnabled(form::ZoekenKenmerken, true);
    forms().show(form::ZoekenKenmerken);
}

VervangVraag::VervangVraag(const QString& formName, const QString& vraag, QWidget* parent)
    : KeuzeDialoog(formName, QString(), parent) {
    lblText = new QLabel(vraag, this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setAlignment(Qt::AlignCenter);
    cmdYes = new QPushButton(QStringLiteral("Ja"), this);
    cmdYes->setObjectName(QStringLiteral("cmdYes"));
    cmdYes->setDefault(true);
    cmdYes->setAutoDefault(true);
    cmdNo = new QPushButton(QStringLiteral("Nee"), this);
    cmdNo->setObjectName(QStringLiteral("cmdNo"));
    cmdNo->setAutoDefault(true);

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(cmdYes);
    knoppen->addStretch();
    knoppen->addWidget(cmdNo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText);
    layout->addLayout(knoppen);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdYes, &QPushButton::clicked, this, [this] { cmdYes_Click(); });
    connect(cmdNo, &QPushButton::clicked, this, [this] { cmdNo_Click(); });
    setCancelButton(cmdNo);
}

void VervangVraag::cmdNo_Click() {
    forms().unload(this);
    toonZoekscherm();
}

VervangKeuze::VervangKeuze(const QString& formName, const QString& caption, const QString& tekst,
                           const QString& knopNaam, int aantal, int perRij, QWidget* parent)
    : KeuzeDialoog(formName, caption, parent) {
    lblTekst = new QLabel(tekst, this);
    lblTekst->setObjectName(QStringLiteral("lblTekst"));
    auto* rooster = new QGridLayout;
    for (int i = 0; i < aantal; ++i) {
        auto* knop = new QPushButton(this);
        knop->setObjectName(QStringLiteral("%1(%2)").arg(knopNaam).arg(i));
        knop->setAutoDefault(true);
        knop->setMinimumWidth(twipsToPixels(1200));
        rooster->addWidget(knop, i / perRij, i % perRij);
        connect(knop, &QPushButton::clicked, this, [this, i] { knop_Click(i); });
        knoppen << knop;
    }
    const int rijen = (aantal + perRij - 1) / perRij;
    cmdCancel = new QPushButton(QStringLiteral("Annuleren"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(true);
    // Below the middle of the row(s) of code buttons.
    if (perRij % 2 == 1)
        rooster->addWidget(cmdCancel, rijen, perRij / 2);
    else
        rooster->addWidget(cmdCancel, rijen, perRij / 2 - 1, 1, 2, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTekst);
    layout->addLayout(rooster);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdCancel, &QPushButton::clicked, this, &VervangKeuze::cmdCancel_Click);
    setCancelButton(cmdCancel);
}

void VervangKeuze::formLoad() {
    const frmZoekenKenmerken* scherm = zoekscherm();
    const QStringList codes = scherm ? gekozen(*scherm) : QStringList();
    for (int i = 0; i < knoppen.size(); ++i)
        knoppen[i]->setText(zoeken::knopTekst(codes.value(i)));
    KeuzeDialoog::formLoad();
}

void VervangKeuze::knop_Click(int index) {
    QPointer<frmZoekenKenmerken> scherm = zoekscherm();
    toonZoekscherm();
    if (scherm)
        vervang(*scherm, index);
    forms().unload(this);
}

void VervangKeuze::cmdCancel_Click() {
    forms().unload(this);
    toonZoekscherm();
}

} // namespace rvl92
