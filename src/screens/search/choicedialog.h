#pragma once

#include "app/form.h"

#include <QList>

class QLabel;
class QPushButton;

namespace rvl92 {

namespace form {
inline const QString DialogNiveau = QStringLiteral("frmDialogNiveau");
inline const QString DialogRichting = QStringLiteral("frmDialogRichting");
inline const QString DialoogWerksoorten = QStringLiteral("frmDialoogWerksoorten");
inline const QString DialoogVaardigheden = QStringLiteral("frmDialoogVaardigheden");
} // namespace form

class frmZoekenKenmerken;

// A dialog of the search on characteristics that asks what to replace when a
// kind of characteristic is full. While it is up the search screen takes no
// input; Escape and the close button leave it as "Nee" / "Annuleren" do.
class ChoiceDialog : public Form {
    Q_OBJECT
public:
    ChoiceDialog(const QString& formName, const QString& caption, QWidget* parent = nullptr);

    void formLoad() override;
    void formDeactivate() override;

protected:
    // The search screen, or null when it is not loaded.
    static frmZoekenKenmerken* searchScreen();
    static void showSearchScreen();
};

// "Er is al een ... opgegeven. Wilt u deze vervangen" with "Ja" and "Nee".
class ReplaceQuestion : public ChoiceDialog {
    Q_OBJECT
public:
    ReplaceQuestion(const QString& formName, const QString& question, QWidget* parent = nullptr);

    virtual void cmdYes_Click() = 0;
    void cmdNo_Click();

protected:
    QLabel* lblText;
    QPushButton* cmdYes;
    QPushButton* cmdNo;
};

// One button per chosen code, in ascending order; the one pressed is replaced.
class ReplaceChoice : public ChoiceDialog {
    Q_OBJECT
public:
    ReplaceChoice(const QString& formName, const QString& caption, const QString& text,
                  const QString& buttonName, int count, int perRow, QWidget* parent = nullptr);

    void formLoad() override;
    void codeButton_Click(int index);
    void cmdCancel_Click();

protected:
    // The chosen codes the buttons show, and the replacement of one of them.
    virtual QStringList chosen(const frmZoekenKenmerken& searchForm) const = 0;
    virtual void replace(frmZoekenKenmerken& searchForm, int index) = 0;

    QLabel* lblTekst;
    QList<QPushButton*> buttons;
    QPushButton* cmdCancel;
};

} // namespace rvl92
