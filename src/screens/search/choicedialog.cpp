#include "screens/search/choicedialog.h"

#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "screens/search/characteristiccodes.h"
#include "screens/search/frmzoekenkenmerken.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace rvl92 {

ChoiceDialog::ChoiceDialog(const QString& formName, const QString& caption, QWidget* parent)
    : Form(formName, parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setWindowTitle(caption);
}

void ChoiceDialog::formLoad() {
    setWindowIcon(programIcon());
    forms().disableCaller(this, form::ZoekenKenmerken);
    adjustSize();
    if (const Form* searchForm = searchScreen()) {
        const QRect g = searchForm->frameGeometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
}

void ChoiceDialog::formDeactivate() {
    ActiveerAanroeper();
    forms().unload(this);
}

frmZoekenKenmerken* ChoiceDialog::searchScreen() {
    return qobject_cast<frmZoekenKenmerken*>(forms().find(form::ZoekenKenmerken));
}

void ChoiceDialog::showSearchScreen() {
    forms().setEnabled(form::ZoekenKenmerken, true);
    forms().show(form::ZoekenKenmerken);
}

ReplaceQuestion::ReplaceQuestion(const QString& formName, const QString& question, QWidget* parent)
    : ChoiceDialog(formName, QString(), parent) {
    lblText = new QLabel(question, this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setAlignment(Qt::AlignCenter);
    cmdYes = new QPushButton(QStringLiteral("Ja"), this);
    cmdYes->setObjectName(QStringLiteral("cmdYes"));
    cmdYes->setDefault(true);
    cmdYes->setAutoDefault(true);
    cmdNo = new QPushButton(QStringLiteral("Nee"), this);
    cmdNo->setObjectName(QStringLiteral("cmdNo"));
    cmdNo->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdYes);
    buttons->addStretch();
    buttons->addWidget(cmdNo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdYes, &QPushButton::clicked, this, [this] { cmdYes_Click(); });
    connect(cmdNo, &QPushButton::clicked, this, [this] { cmdNo_Click(); });
    setCancelButton(cmdNo);
}

void ReplaceQuestion::cmdNo_Click() {
    forms().unload(this);
    showSearchScreen();
}

ReplaceChoice::ReplaceChoice(const QString& formName, const QString& caption, const QString& text,
                             const QString& buttonName, int count, int perRow, QWidget* parent)
    : ChoiceDialog(formName, caption, parent) {
    lblTekst = new QLabel(text, this);
    lblTekst->setObjectName(QStringLiteral("lblTekst"));
    auto* grid = new QGridLayout;
    for (int i = 0; i < count; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("%1(%2)").arg(buttonName).arg(i));
        button->setAutoDefault(true);
        button->setMinimumWidth(twipsToPixels(1200));
        grid->addWidget(button, i / perRow, i % perRow);
        connect(button, &QPushButton::clicked, this, [this, i] { codeButton_Click(i); });
        buttons << button;
    }
    const int rows = (count + perRow - 1) / perRow;
    cmdCancel = new QPushButton(QStringLiteral("Annuleren"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(true);
    // Below the middle of the row(s) of code buttons.
    if (perRow % 2 == 1)
        grid->addWidget(cmdCancel, rows, perRow / 2);
    else
        grid->addWidget(cmdCancel, rows, perRow / 2 - 1, 1, 2, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTekst);
    layout->addLayout(grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdCancel, &QPushButton::clicked, this, &ReplaceChoice::cmdCancel_Click);
    setCancelButton(cmdCancel);
}

void ReplaceChoice::formLoad() {
    const frmZoekenKenmerken* searchForm = searchScreen();
    const QStringList codes = searchForm ? chosen(*searchForm) : QStringList();
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(search::buttonText(codes.value(i)));
    ChoiceDialog::formLoad();
}

void ReplaceChoice::codeButton_Click(int index) {
    QPointer<frmZoekenKenmerken> searchForm = searchScreen();
    showSearchScreen();
    if (searchForm)
        replace(*searchForm, index);
    forms().unload(this);
}

void ReplaceChoice::cmdCancel_Click() {
    forms().unload(this);
    showSearchScreen();
}

} // namespace rvl92
