#include "app/frmdialogyesno.h"

#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rvl92 {

frmDialogYesNo::frmDialogYesNo(QWidget* parent) : Form(form::DialogYesNo, parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setWindowTitle(QString());
    lblText = new QLabel(QStringLiteral("Weet u zeker dat u RVL92 wilt afsluiten"), this);
    lblText->setObjectName(QStringLiteral("lblText"));
    cmdYes = new QPushButton(QStringLiteral("Ja"), this);
    cmdYes->setObjectName(QStringLiteral("cmdYes"));
    cmdNo = new QPushButton(QStringLiteral("Nee"), this);
    cmdNo->setObjectName(QStringLiteral("cmdNo"));
    cmdYes->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdNo);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText, 0, Qt::AlignCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdYes, &QPushButton::clicked, this, &frmDialogYesNo::cmdYes_Click);
    connect(cmdNo, &QPushButton::clicked, this, &frmDialogYesNo::cmdNo_Click);
    setCancelButton(cmdNo);
}

void frmDialogYesNo::formLoad() {
    setWindowIcon(programIcon());
    forms().disableCaller(this, appState().gsHuidigScherm);
}

void frmDialogYesNo::formActivate() {
    forms().disableCaller(this, appState().gsHuidigScherm);
    cmdYes->setFocus();
}

void frmDialogYesNo::formDeactivate() {
    ActiveerAanroeper();
    forms().unload(this);
}

void frmDialogYesNo::cmdYes_Click() {
    forms().unload(form::Startscherm);
}

void frmDialogYesNo::cmdNo_Click() {
    Form* caller = forms().find(appState().gsHuidigScherm);
    if (!caller)
        return; // no such screen: the dialog stays
    caller->setEnabled(true);
    forms().show(caller);
    forms().unload(this);
}

} // namespace rvl92
