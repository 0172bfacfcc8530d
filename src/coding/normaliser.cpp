#include "coding/normaliser.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <string>

namespace rvl92::coding {

namespace {

struct Abbreviation {
    std::string_view shortForm;
    std::string_view longForm;
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

constexpr size_t LongestShortForm = [] {
    size_t n = 0;
    for (const Abbreviation& a : Abbreviations)
        n = std::max(n, a.shortForm.size());
    return n;
}();

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

bool isGenderLetter(char c) {
    switch (c) {
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
bool isGenderMarker(std::string_view token) {
    if (token.size() < 3 || token.size() > 7 || token.size() % 2 == 0)
        return false;
    bool male = false;
    for (size_t i = 0; i < token.size(); ++i) {
        const char c = token[i];
        if (i % 2 == 1) {
            if (c != '/')
                return false;
        } else {
            if (!isGenderLetter(c))
                return false;
            male = male || c == 'm' || c == 'h';
        }
    }
    return male;
}

std::string_view expandAbbreviation(std::string_view word, bool dotted) {
    if (word.size() > LongestShortForm)
        return {};
    for (const Abbreviation& a : Abbreviations) {
        if ((dotted || !a.needsDot) && word == a.shortForm)
            return a.longForm;
    }
    return {};
}

// ASCII folds byte by byte, as foldCharacters does for these characters.
bool foldAscii(std::string_view text, std::string* out) {
    out->clear();
    out->reserve(text.size());
    for (const char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 0x80)
            return false;
        if (u >= 'A' && u <= 'Z')
            *out += char(u - 'A' + 'a');
        else if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '.' || u == '/')
            *out += char(u);
        else if (u != '\'' && u != '`')
            *out += ' ';
    }
    return true;
}

// Words of a folded text (UTF-8): gender markers dropped, dotted runs such
// as "medew./adm." and "t.b.v." cut into their parts, abbreviations written
// out. Every character that splits is ASCII, so bytes will do.
std::string joinWords(std::string_view folded) {
    std::string out;
    out.reserve(folded.size() + 8);
    size_t pos = 0;
    while (pos < folded.size()) {
        const size_t blank = folded.find(' ', pos);
        const size_t stop = blank == folded.npos ? folded.size() : blank;
        const std::string_view token = folded.substr(pos, stop - pos);
        pos = stop + 1;
        if (token.empty() || (token.find('/') != token.npos && isGenderMarker(token)))
            continue;
        size_t start = 0;
        while (start < token.size()) {
            size_t end = start;
            while (end < token.size() && token[end] != '.' && token[end] != '/')
                ++end;
            const std::string_view part = token.substr(start, end - start);
            const bool dotted = end < token.size() && token[end] == '.';
            if (!part.empty()) {
                if (!out.empty())
                    out += ' ';
                const std::string_view expanded = expandAbbreviation(part, dotted);
                out += expanded.empty() ? part : expanded;
            }
            start = end + 1;
        }
    }
    return out;
}

} // namespace

std::string normaliseTitleUtf8(std::string_view utf8) {
    std::string folded;
    if (foldAscii(utf8, &folded))
        return joinWords(folded);
    return joinWords(
        foldCharacters(QString::fromUtf8(utf8.data(), qsizetype(utf8.size()))).toStdString());
}

std::string normaliseTitleUtf8(QStringView text) {
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return normaliseTitleUtf8(text.toLatin1().toStdString());
    return joinWords(foldCharacters(text).toStdString());
}

QString normaliseTitle(QStringView text) {
    return QString::fromStdString(normaliseTitleUtf8(text));
}

} // namespace rvl92::coding
