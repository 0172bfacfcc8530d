#include "app/frmdialogbericht.h"

#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "documentation/notices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace rvl92 {

MessageDialog::MessageDialog(const QString& formName, int designWidthTwips, QWidget* parent)
    : Form(formName, parent), m_width(twipsToPixels(designWidthTwips)) {
    // A fixed dialog: no resizing, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    lblText = new QLabel(this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OKButton);
    layout->addLayout(row);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    setCancelButton(OKButton);
    fitSize();
}

void MessageDialog::setWidthTwips(int twips) {
    m_width = twipsToPixels(twips);
    fitSize();
}

void MessageDialog::setText(const QString& text) {
    lblText->setText(text);
    fitSize();
}

// The dialog has its written width, but each line of the text stays one line
// in the font the desktop gives it: a wider font widens the dialog. Only a
// text wider than the screen is wrapped.
void MessageDialog::fitSize() {
    const QMargins m = layout()->contentsMargins();
    lblText->setWordWrap(false);
    int targetWidth = qMax(m_width, lblText->sizeHint().width() + m.left() + m.right());
    const QScreen* s = screen();
    const int room = s ? s->availableGeometry().width() * 9 / 10 : targetWidth;
    if (targetWidth > room) {
        lblText->setWordWrap(true);
        targetWidth = room;
    }
    const int targetHeight =
        qMax(twipsToPixels(1500), layout()->hasHeightForWidth()
                                      ? layout()->totalHeightForWidth(targetWidth)
                                      : layout()->totalSizeHint().height());
    setFixedSize(targetWidth, targetHeight);
}

QString MessageDialog::text() const {
    return lblText->text();
}

void MessageDialog::formLoad() {
    setWindowIcon(programIcon());
    forms().disableCaller(this, appState().gsHuidigScherm);
}

void MessageDialog::formDeactivate() {
    ActiveerAanroeper();
    forms().unload(this);
}

frmDialogNietGevonden::frmDialogNietGevonden(QWidget* parent)
    : MessageDialog(form::DialogNietGevonden, 5070, parent) {
    lblText->setTextFormat(Qt::PlainText);
}

void frmDialogNietGevonden::OKButton_Click() {
    QPointer<frmDialogNietGevonden> self(this);
    const QString name = appState().gsHuidigScherm;
    if (Form* caller = forms().find(name)) {
        caller->setEnabled(true);
        if (!sameName(name, screen::ZoekenFuncties)) {
            forms().show(caller);
        } else if (Form* searchForm = forms().show(form::ZoekenFuncties)) {
            // Back to the search text, ready to change it.
            if (auto* box = searchForm->findChild<QLineEdit*>(QStringLiteral("txtZoekstr"))) {
                box->setFocus();
                box->setCursorPosition(int(box->text().size()));
            }
        }
    }
    if (self)
        forms().unload(self);
}

frmDialogExporteren::frmDialogExporteren(QWidget* parent)
    : MessageDialog(form::DialogExporteren, 6870, parent) {
    lblText->setTextFormat(Qt::PlainText);
}

void frmDialogExporteren::OKButton_Click() {
    forms().unload(this);
    if (Form* caller = forms().find(appState().gsHuidigScherm)) {
        caller->setEnabled(true);
        forms().show(caller);
    }
}

void showNotice(const Notice& notice) {
    auto* dlg = qobject_cast<frmDialogExporteren*>(forms().load(form::DialogExporteren));
    if (!dlg)
        return;
    dlg->setWindowTitle(notice.caption);
    auto* label = dlg->findChild<QLabel*>(QStringLiteral("lblText"));
    label->setWordWrap(false);
    label->setAlignment(notice.leftAligned ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignHCenter);
    label->setText(notice.text);
    // A notice has its OK button in the middle; under the code lists it keeps
    // a wide margin to the bottom edge.
    auto* box = qobject_cast<QBoxLayout*>(dlg->layout());
    if (auto* row = box ? qobject_cast<QBoxLayout*>(box->itemAt(1)->layout()) : nullptr;
        row && row->count() == 2)
        row->addStretch();
    if (box) {
        QMargins m = box->contentsMargins();
        m.setBottom(notice.leftAligned ? Form::twipsToPixels(750)
                                       : dlg->style()->pixelMetric(QStyle::PM_LayoutBottomMargin));
        box->setContentsMargins(m);
    }
    const int margin = Form::twipsToPixels(500);
    int height = dlg->layout()->totalSizeHint().height();
    if (notice.leftAligned)
        height = label->sizeHint().height() + Form::twipsToPixels(1500);
    dlg->setFixedSize(label->sizeHint().width() + margin, height);
    if (Form* start = forms().find(form::Startscherm)) {
        const QRect g = start->frameGeometry();
        dlg->move(g.x() + (g.width() - dlg->width()) / 2, g.y() + (g.height() - dlg->height()) / 2);
    }
    forms().show(dlg);
}

} // namespace rvl92
