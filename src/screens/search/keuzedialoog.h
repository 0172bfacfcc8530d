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
class KeuzeDialoog : public Form {
    Q_OBJECT
public:
    KeuzeDialoog(const QString& formName, const QString& caption, QWidget* parent = nullptr);

    void formLoad() override;
    void formDeactivate() override;

protected:
    // The search screen, or null when it is not loaded.
    static frmZoekenKenmerken* zoekscherm();
    static void toonZoekscherm();
};

// "Er is al een ... opgegeven. Wilt u deze vervangen" with "Ja" and "Nee".
class VervangVraag : public KeuzeDialoog {
    Q_OBJECT
public:
    VervangVraag(const QString& formName, const QString& vraag, QWidget* parent = nullptr);

    virtual void cmdYes_Click() = 0;
    void cmdNo_Click();

protected:
    QLabel* lblText;
    QPushButton* cmdYes;
    QPushButton* cmdNo;
};

// One button per chosen code, in ascending order; the one pressed is replaced.
class VervangKeuze : public KeuzeDialoog {
    Q_OBJECT
public:
    VervangKeuze(const QString& formName, const QString& caption, const QString& tekst,
                 const QString& knopNaam, int aantal, int perRij, QWidget* parent = nullptr);

    void formLoad() override;
    void knop_Click(int index);
    void cmdCancel_Click();

protected:
    // The chosen codes the buttons show, and the replacement of one of them.
    virtual QStringList gekozen(const frmZoekenKenmerken& scherm) const = 0;
    virtual void vervang(frmZoekenKenmerken& scherm, int index) = 0;

    QLabel* lblTekst;
    QList<QPushButton*> knoppen;
    QPushButton* cmdCancel;
};

} // namespace rvl92
