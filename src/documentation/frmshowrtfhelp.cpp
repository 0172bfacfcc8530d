#include "documentation/frmshowrtfhelp.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "documentation/helptexts.h"
#include "documentation/placement.h"
#include "documentation/rtfreader.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace rvl92 {

frmShowRtfHelp::frmShowRtfHelp(QWidget* parent) : Form(form::ShowRtfHelp, parent) {
    setWindowTitle(QStringLiteral("Dialog Caption"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    layout->setMenuBar(m_menuBar);
    mnuAfsluitenScherm = m_menuBar->addAction(QStringLiteral("&Afsluiten scherm"));
    mnuAfsluitenScherm->setObjectName(QStringLiteral("mnuAfsluitenScherm"));
    mnuAfsluitenScherm->setVisible(false);
    // Escape closes the help as well, as a help window is expected to.
    mnuAfsluitenScherm->setShortcut(QKeySequence(Qt::Key_Escape));
    mnuAfsluitenScherm->setShortcutContext(Qt::WindowShortcut);
    connect(mnuAfsluitenScherm, &QAction::triggered, this,
            &frmShowRtfHelp::mnuAfsluitenScherm_Click);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichTextBox1->document()->setDocumentMargin(12);
    nameControl(RichTextBox1, QStringLiteral("Helptekst"));
    layout->addWidget(RichTextBox1);
    setFocusProxy(RichTextBox1);
    resize(twipsToPixels(9600), twipsToPixels(7800));
}

void frmShowRtfHelp::formLoad() {
    setWindowIcon(programIcon());
    LaadHelptekst();
    mnuAfsluitenScherm->setVisible(true);
}

void frmShowRtfHelp::showText(const QString& plain) {
    RichTextBox1->setPlainText(plain);
}

void frmShowRtfHelp::LaadHelptekst() {
    const std::optional<HelpText> help = helpTextFor(appState().gsHuidigScherm);
    if (!help)
        return;
    Form* screen = forms().find(help->screen);
    if (screen) {
        forms().disableCaller(this, help->screen);
        centreOver(this, screen->frameGeometry());
    }
    setWindowTitle(help->caption);

    // The file comes with the program; should it be missing or damaged, the
    // window says so instead of staying blank.
    const QString path = programFile(help->file);
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.exists())
        return showText(helpFileMissingText(shown));
    if (!file.open(QIODevice::ReadOnly))
        return showText(helpFileUnreadableText(shown));
    constexpr qint64 kMaxHelpBytes = 8 << 20; // far beyond any help text
    if (readRtf(file.read(kMaxHelpBytes), RichTextBox1->document()) == RtfStatus::NotRtf)
        showText(helpFileUnreadableText(shown));
    RichTextBox1->moveCursor(QTextCursor::Start);
}

void frmShowRtfHelp::formDeactivate() {
    forms().unload(this);
}

void frmShowRtfHelp::mnuAfsluitenScherm_Click() {
    forms().unload(this);
}

} // namespace rvl92
