#include "app/frmzoekprogramma.h"

#include "app/appstate.h"
#include "app/formnames.h"
#include "app/modrvl92.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace rvl92 {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, bool heading) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(!heading);
    if (heading) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

frmZoekprogramma::frmZoekprogramma(QWidget* parent)
    : MenuScreen(form::Zoekprogramma, screen::Zoekprogramma, parent) {
    setWindowTitle(QStringLiteral("Zoekprogramma en classificatielijsten"));
    auto* frame = new QGroupBox(QStringLiteral("Onderdelen van het menu"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(10);
    // Each part of the menu, its heading to the left of its explanation; the
    // list items are indented below "Zoeken" as they stand in its menu.
    struct Row {
        const char* headName;
        const char* head;
        const char* textName;
        const char* text;
        int indent;
    };
    const Row rows[] = {
        {"Label3", "Bestand", "Label1",
         "Exporteren van deelbestanden en afsluiten van het programma.", 0},
        {"lbl1", "Zoeken", "lbl7", "Direct zoeken op functienaam, RVL92-code of kenmerken.", 0},
        {"Label2", "Lijst functienamen", "lbl8",
         "Alfabetische lijst met functienamen. Door het typen van (een) letter(s) verspringt de "
         "lijst.",
         1},
        {"lbl3", "Lijst beroepen", "lbl9", "Lijst van beroepen geordend volgens RVL92-code.", 1},
        {"lbl4", "Functienamen bij beroep", "lbl10",
         "Alfabetische lijst van functienamen bij een selectie.", 1},
        {"lbl5", "Kenmerken bij beroep", "lbl11",
         "Kenmerken van een geselecteerd beroep of een functienaam.", 1},
        {"Label5", "Navigatie", "Label4", "Wisselen van scherm of record.", 0},
        {"lbl6", "Help", "lbl12", "Handleiding", 0},
        {"Label6", "?", "Label7", "Korte toelichting op huidige scherm.", 1},
    };
    int r = 0;
    for (const Row& row : rows) {
        QLabel* head = label(frame, row.headName, QString::fromUtf8(row.head), row.indent == 0);
        head->setIndent(row.indent * 16);
        grid->addWidget(head, r, 0, Qt::AlignTop);
        grid->addWidget(label(frame, row.textName, QString::fromUtf8(row.text), false), r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    body()->addWidget(frame);
    body()->addStretch();
    resize(720, 460);
}

void frmZoekprogramma::formLoad() {
    setWindowIcon(programIcon());
}

void frmZoekprogramma::formResize() {
    AppState& s = appState();
    s.gsHuidigScherm = screen::Zoekprogramma;
    if (s.gbVorigScherm == True)
        s.gbVorigScherm = False;
    else
        HistorieToevoegen();
}

void frmZoekprogramma::formActivate() {
    CheckSchermResolutie();
    SynchroniseerRecordselector();
    appState().gsHuidigScherm = screen::Zoekprogramma;
}

void frmZoekprogramma::formUnload() {
    HistorieVerwijderen();
}

void frmZoekprogramma::mnuRecordselector_Click() {
    QAction* a = menuItem(MenuRole::Recordselector);
    const bool wasChecked = a && !a->isChecked();
    appState().gbRecordselector = wasChecked ? False : True;
    SynchroniseerRecordselector();
}

} // namespace rvl92
