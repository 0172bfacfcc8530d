#include "variants.h"

#include "textchange.h"

#include <QRegularExpression>

namespace codeertest {

namespace {

const char* const KeyboardRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

QChar neighbour(QChar c, Random& random) {
    const char lower = char(c.toLower().unicode());
    for (const char* row : KeyboardRows) {
        const QByteArray r(row);
        const int i = r.indexOf(lower);
        if (i < 0)
            continue;
        const int j = i == 0 ? 1 : i == r.size() - 1 ? i - 1 : (random.below(2) ? i - 1 : i + 1);
        return QChar(r.at(j));
    }
    return c;
}

} // namespace

QString typo(const QString& word, Random& random) {
    if (word.size() < 3)
        return word;
    // Not the first letter: people rarely get that wrong.
    const int at = 1 + random.below(int(word.size()) - 1);
    QString w = word;
    switch (random.below(4)) {
    case 0:
        w.remove(at, 1);
        break;
    case 1:
        w.insert(at, w.at(at));
        break;
    case 2:
        if (at + 1 < w.size()) {
            const QChar c = w.at(at);
            w[at] = w.at(at + 1);
            w[at + 1] = c;
        } else {
            w.remove(at, 1);
        }
        break;
    default:
        w[at] = neighbour(w.at(at), random);
        break;
    }
    return w;
}

std::optional<QString> variant(const QString& title, const QString& kind, Random& random,
                               const std::function<bool(const QString&)>& isWord) {
    QStringList words = title.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;
    if (kind == QLatin1String("tikfout") || kind == QLatin1String("twee tikfouten")) {
        const int i = textchange::longestWord(words);
        if (words[i].size() < 5)
            return std::nullopt;
        words[i] = typo(words[i], random);
        if (kind == QLatin1String("twee tikfouten")) {
            // The second error in another word when there is one long enough.
            int j = random.below(int(words.size()));
            if (words[j].size() < 5)
                j = i;
            words[j] = typo(words[j], random);
        }
    } else if (kind == QLatin1String("accenten weg")) {
        const QString plain = textchange::stripAccents(title);
        if (plain == title)
            return std::nullopt;
        return plain;
    } else if (kind == QLatin1String("woord weg")) {
        if (words.size() < 3)
            return std::nullopt;
        words.removeAt(1 + random.below(int(words.size()) - 1));
    } else if (kind == QLatin1String("woord erbij")) {
        static const QStringList before{"senior", "junior", "assistent", "hoofd"};
        static const QStringList after{"in opleiding", "nachtdienst", "parttime"};
        if (random.below(2))
            words.prepend(before.at(random.below(int(before.size()))));
        else
            words.append(after.at(random.below(int(after.size()))));
    } else if (kind == QLatin1String("andere volgorde")) {
        if (words.size() < 2)
            return std::nullopt;
        words.prepend(words.takeLast());
    } else if (kind == QLatin1String("samengevoegd")) {
        if (words.size() < 2)
            return std::nullopt;
        const int i = random.below(int(words.size()) - 1);
        words[i] += words.takeAt(i + 1).toLower();
    } else if (kind == QLatin1String("gesplitst")) {
        // A compound split where its first part is a word of its own.
        const int i = textchange::longestWord(words);
        const QString w = words[i];
        bool done = false;
        for (int cut = 4; cut + 4 <= w.size() && !done; ++cut) {
            if (isWord(w.left(cut).toLower())) {
                words[i] = w.left(cut) + u' ' + w.mid(cut);
                done = true;
            }
        }
        if (!done)
            return std::nullopt;
    } else if (kind == QLatin1String("afkorting")) {
        static const QList<QPair<QString, QStringList>> abbreviations{
            {"medewerker", {"medew.", "mdw", "mw."}},
            {"administratief", {"adm.", "adm"}},
            {"administratieve", {"adm."}},
            {"assistent", {"ass."}},
            {"technisch", {"techn."}},
            {"technische", {"techn."}},
            {"senior", {"sr."}},
            {"junior", {"jr."}},
            {"algemeen", {"alg."}},
            {"hoofd", {"hfd"}}};
        bool done = false;
        for (QString& w : words) {
            for (const auto& [full, shorts] : abbreviations) {
                if (w.compare(full, Qt::CaseInsensitive) == 0) {
                    w = shorts.at(random.below(int(shorts.size())));
                    done = true;
                    break;
                }
            }
        }
        if (!done)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    return words.join(u' ');
}

} // namespace codeertest
