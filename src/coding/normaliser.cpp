#include "coding/normaliser.h"

#include <QChar>
#include <QStringList>

#include <array>

namespace rvl92::coding {

namespace {

struct Abbreviation {
    const char* shortForm;
    const char* longForm;
    // Only with a full stop: without one the short form is an ordinary word
    // ("ass" or "dir" could be the start of something else).
    bool needsDot;
};

// Abbreviations seen in vacancies and survey answers. An abbreviation that
// stands for several words is left out: guessing would hide the other reading.
constexpr std::array<Abbreviation, 30> Abbreviations{{
    {"medew", "medewerker", false},
    {"mdw", "medewerker", false},
    {"mw", "medewerker", false},
    {"mdwr", "medewerker", false},
    {"adm", "administratief", false},
    {"admin", "administratief", true},
    {"ass", "assistent", true},
    {"assist", "assistent", true},
    {"techn", "technisch", false},
    {"tech", "technisch", true},
    {"alg", "algemeen", true},
    {"afd", "afdeling", true},
    {"dir", "directeur", true},
    {"secr", "secretaris", false},
    {"coord", "coordinator", true},
    {"vpk", "verpleegkundige", false},
    {"verpl", "verpleegkundige", true},
    {"vz", "voorzitter", true},
    {"mgr", "manager", false},
    {"jr", "junior", false},
    {"sr", "senior", false},
    {"hfd", "hoofd", false},
    {"vert", "vertegenwoordiger", true},
    {"instr", "instructeur", true},
    {"elektr", "elektrotechnisch", true},
    {"prod", "productie", true},
    {"bedr", "bedrijf", true},
    {"ond", "onderwijs", true},
    {"ped", "pedagogisch", true},
    {"soc", "sociaal", true},
}};

// Letters that have no decomposition but a usual plain spelling.
QString plainLetter(char32_t c) {
    switch (c) {
    case U'ß':
        return QStringLiteral("ss");
    case U'æ':
        return QStringLiteral("ae");
    case U'œ':
        return QStringLiteral("oe");
    case U'ø':
        return QStringLiteral("o");
    case U'ł':
        return QStringLiteral("l");
    case U'đ':
    case U'ð':
        return QStringLiteral("d");
    case U'þ':
        return QStringLiteral("th");
    case U'ı':
        return QStringLiteral("i");
    default:
        return {};
    }
}

// Lower case without accents; anything that is not a letter, digit, full stop
// or slash becomes a blank. Apostrophes vanish ("auto's" is "autos").
QString foldCharacters(QStringView text) {
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    // Decomposing can bring back capitals (a compatibility character such as
    // U+03D4 decomposes to a capital), so outside ASCII the text is lowered
    // after decomposing, and once more decomposed in case lowering composed.
    QString source = text.toString();
    if (!ascii)
        source = source.normalized(QString::NormalizationForm_KD)
                     .toLower()
                     .normalized(QString::NormalizationForm_KD);
    else
        source = source.toLower();
    QString out;
    out.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        const ushort u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '.' || u == '/') {
            out += c;
            continue;
        }
        if (u < 0x80) {
            if (u == '\'' || u == '`')
                continue;
            out += u' ';
            continue;
        }
        char32_t cp = u;
        if (c.isHighSurrogate() && i + 1 < source.size() && source.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, source.at(i + 1));
            ++i;
        }
        const QChar::Category cat = QChar::category(cp);
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing || cp == 0x2019 || cp == 0x2018)
            continue;
        const QString plain = plainLetter(cp);
        if (!plain.isEmpty()) {
            out += plain;
        } else if (QChar::isLetterOrNumber(cp)) {
            out += QString::fromUcs4(&cp, 1);
        } else {
            out += u' ';
        }
    }
    return out;
}

bool isGenderLetter(QChar c) {
    switch (c.unicode()) {
    case 'm':
    case 'v':
    case 'w':
    case 'x':
    case 'h':
    case 'd':
    case 'f':
    case 'o':
    case 'i':
        return true;
    default:
        return false;
    }
}

// "m/v", "v/m", "m/v/x", "m/w/d", ... : two to four single letters joined by
// slashes, at least one of them "m". Found as one blank-separated token once
// the brackets around it are blanks.
bool isGenderMarker(QStringView token) {
    if (token.size() < 3 || token.size() > 7 || token.size() % 2 == 0)
        return false;
    bool male = false;
    for (qsizetype i = 0; i < token.size(); ++i) {
        const QChar c = token.at(i);
        if (i % 2 == 1) {
            if (c != u'/')
                return false;
        } else {
            if (!isGenderLetter(c))
                return false;
            male = male || c == u'm' || c == u'h';
        }
    }
    return male;
}

QString expandAbbreviation(QStringView word, bool dotted) {
    for (const Abbreviation& a : Abbreviations) {
        if ((dotted || !a.needsDot) && word == QLatin1String(a.shortForm))
            return QString::fromLatin1(a.longForm);
    }
    return {};
}

} // namespace

QString normaliseTitle(QStringView text) {
    const QString folded = foldCharacters(text);
    QStringList words;
    for (QStringView token : QStringView(folded).split(u' ', Qt::SkipEmptyParts)) {
        if (token.contains(u'/')) {
            if (isGenderMarker(token))
                continue;
        }
        // "medew./adm." and "t.b.v." are cut into their parts; an abbreviation
        // is recognised by the full stop that follows it.
        qsizetype start = 0;
        while (start < token.size()) {
            qsizetype end = start;
            while (end < token.size() && token.at(end) != u'.' && token.at(end) != u'/')
                ++end;
            const QStringView part = token.mid(start, end - start);
            const bool dotted = end < token.size() && token.at(end) == u'.';
            if (!part.isEmpty()) {
                const QString expanded = expandAbbreviation(part, dotted);
                words << (expanded.isEmpty() ? part.toString() : expanded);
            }
            start = end + 1;
        }
    }
    return words.join(u' ');
}

std::string normaliseTitleUtf8(QStringView text) {
    return normaliseTitle(text).toStdString();
}

} // namespace rvl92::coding
