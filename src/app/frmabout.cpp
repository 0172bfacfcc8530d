#include "app/frmabout.h"

#include "app/formnames.h"
#include "app/forms.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace rvl92 {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : Form(form::About, parent) {
    setWindowTitle(QStringLiteral("RVL92 Informatie"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    picIcon = label(this, "picIcon", QString());
    QLabel* lblTitle = label(this, "lblTitle", QStringLiteral("RVL 1992;  verbeterde editie 2001"));
    QFont f = lblTitle->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    lblTitle->setFont(f);
    // The publisher and its details are fictional demonstration values.
    QLabel* lblCopy = label(this, "lblCopy", QString());
    QLabel* lbl2 = label(this, "lbl2", QString());
    QLabel* lbl3 = label(this, "lbl3", QStringLiteral("Voor meer informatie:"));
    QLabel* lblKVD = label(this, "lblKVD", QStringLiteral("KVD, Kenniscentrum Voor Demonstratie"));
    QLabel* lblTel = label(this, "lblTel", QStringLiteral("Tel.: 0000 - 00 00 00 (fictief)"));
    QLabel* lblFax = label(this, "lblFax", QStringLiteral("Fax: 0000 - 00 00 01 (fictief)"));
    QLabel* lblEmail = label(this, "lblEmail", QStringLiteral("E-mail: info@kvd.example"));
    QLabel* lbl1 = label(this, "lbl1", QStringLiteral("Ravelstad, 2001"));
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblCopy, 1, 1);
    grid->addWidget(lbl2, 2, 1);
    grid->addWidget(lbl3, 3, 1);
    grid->addWidget(lblKVD, 4, 1);
    grid->addWidget(lblTel, 5, 1);
    grid->addWidget(lblFax, 6, 1);
    grid->addWidget(lblEmail, 7, 1);
    grid->addWidget(lbl1, 8, 1);
    grid->addWidget(cmdOK, 9, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cmdOK, &QPushButton::click);
}

void frmAbout::formLoad() {
    setWindowIcon(programIcon());
    picIcon->setPixmap(QPixmap(programFile(QStringLiteral("Programmabestanden/KVD Logo.bmp"))));
}

void frmAbout::cmdOK_Click() {
    forms().unload(this);
}

} // namespace rvl92
