#include "screens/browse/codevakken.h"

namespace rvl92 {

namespace {

constexpr int Laatste = 4;

bool isCijfer(char32_t c) {
    return c >= U'0' && c <= U'9';
}

QString teken(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

} // namespace

bool isLeegVak(const QString& vak) {
    return vak.isEmpty() || vak == QLatin1String(" ");
}

bool isCijferVak(const QString& vak) {
    return vak.size() == 1 && isCijfer(vak.at(0).unicode());
}

CodeBoxes vulCodeVakkenAan(const CodeBoxes& in) {
    CodeBoxes v = in;
    for (int k = 1; k <= Laatste; ++k) {
        if (!isLeegVak(v[k]))
            continue;
        if (isCijferVak(v[k - 1])) {
            v[k] = QStringLiteral("*");
            for (int j = k + 1; j <= Laatste; ++j)
                v[j].clear();
        } else {
            v[k].clear();
        }
    }
    return v;
}

QString nietGevondenTekst(const QString& zoekWaarde) {
    QString cijfers = zoekWaarde;
    if (cijfers.endsWith(QLatin1Char('*')))
        cijfers.chop(1);
    QString tekst = QStringLiteral("Er zijn geen RVL92-codes met de zoekwaarde ") + cijfers;
    for (qsizetype open = 5 - cijfers.size(); open > 0; --open)
        tekst += QStringLiteral(" .");
    return tekst + QStringLiteral(" gevonden");
}

CodeVakStap codeVakTeken(const CodeBoxes& vakken, int vak, char32_t c) {
    CodeVakStap s;
    s.vakken = vakken;
    s.focus = vak;
    if (vak < 0 || vak > Laatste)
        return s;
    if (isCijfer(c)) {
        s.vakken[vak] = teken(c);
        s.focus = qMin(vak + 1, Laatste);
        s.zoekenAan = vak == 0;
        return s;
    }
    if (c == 13)
        return s;
    if (c == 8) {
        if (vak == 0) {
            if (s.vakken[0].isEmpty())
                s.focus = CodeVakStap::Lijst;
            else
                s.vakken[0].clear();
        } else if (vak == Laatste) {
            if (s.vakken[Laatste].isEmpty()) {
                s.vakken[Laatste - 1].clear();
                s.focus = Laatste - 1;
            } else {
                s.vakken[Laatste] = QStringLiteral(" ");
            }
        } else {
            s.vakken[vak - 1].clear();
            s.focus = vak - 1;
        }
        return s;
    }
    // Any other character: never stored as it is, a box only takes digits.
    if (vak == 0) {
        if (c == U'a')
            s.vakken[0].clear();
        else
            s.focus = 1;
    } else if (vak == Laatste) {
        s.vakken[Laatste].clear();
    } else {
        s.vakken[vak] = QStringLiteral(" ");
    }
    return s;
}

CodeVakStap codeVakPijl(const CodeBoxes& vakken, int vak, Pijl pijl) {
    CodeVakStap s;
    s.vakken = vakken;
    s.focus = vak;
    switch (pijl) {
    case Pijl::Links:
        s.focus = qMax(vak - 1, 0);
        break;
    case Pijl::Rechts:
        s.focus = qMin(vak + 1, Laatste);
        break;
    case Pijl::Omhoog:
        s.focus = CodeVakStap::Lijst;
        s.beweging = -1;
        break;
    case Pijl::Omlaag:
        s.focus = CodeVakStap::Lijst;
        s.beweging = 1;
        break;
    }
    return s;
}

CodeVakStap lijstTeken(const CodeBoxes& vakken, const QString& zoekWaarde, char32_t c) {
    CodeVakStap s;
    s.vakken = vakken;
    s.focus = CodeVakStap::Lijst;
    if (isCijfer(c)) {
        // Typing a code in the list starts the boxes.
        s.vakken[0] = teken(c);
        s.zoekenAan = true;
        s.focus = 1;
    } else if (c == 8) {
        const qsizetype n = zoekWaarde.size();
        s.naarEerste = n <= 5;
        if (n >= 1 && n <= 5) {
            s.vakken[n - 1].clear();
            s.focus = int(n - 1);
        }
    }
    return s;
}

} // namespace rvl92
