// rvl92-codeertest: makes an evaluation set for the coding engine from a
// classification database: its job titles changed as people write them
// (typing errors, lost accents, words dropped or added, another word order,
// compounds joined or split, abbreviations), each with the code of the title
// it came from. A variant that is another occupation's title is left out: its
// right answer would be that other occupation.
//
//   rvl92-codeertest --database RVL92.MDB --uit set.tsv [--zaad N] [--per-soort N]
//
// Output: tab-separated, a header line, then kind, text, code, original title.

#include "variants.h"

#include "coding/normaliser.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>

#include <sqlite3.h>

#include <cstdio>

using namespace codeertest;

namespace {

struct Title {
    QString text;
    QString code;
};

int fail(const QString& message) {
    std::fprintf(stderr, "rvl92-codeertest: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString database, output;
    uint64_t seed = 1992;
    int perKind = 400;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--database"))
            database = args[i + 1];
        else if (args[i] == QLatin1String("--uit"))
            output = args[i + 1];
        else if (args[i] == QLatin1String("--zaad"))
            seed = args[i + 1].toULongLong();
        else if (args[i] == QLatin1String("--per-soort"))
            perKind = args[i + 1].toInt();
        else
            return fail(QStringLiteral("onbekende optie %1").arg(args[i]));
    }
    if (database.isEmpty() || output.isEmpty() || perKind < 1)
        return fail(QStringLiteral("gebruik: --database BESTAND --uit BESTAND [--zaad N] "
                                   "[--per-soort N]"));

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK)
        return fail(QStringLiteral("kan %1 niet openen").arg(database));
    std::vector<Title> titles;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "select Functienaam, RVL92 from functienamen order by id", -1, &st,
                       nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        titles.push_back(
            {QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))),
             QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)))});
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (titles.empty())
        return fail(QStringLiteral("geen functienamen in %1").arg(database));

    // Which occupations have each normalised title, and every word of a title.
    QHash<QString, QSet<QString>> owners;
    QSet<QString> words;
    for (const Title& t : titles) {
        const QString n = rvl92::coding::normaliseTitle(t.text);
        owners[n].insert(t.code);
        for (const QString& w : n.split(u' ', Qt::SkipEmptyParts))
            words.insert(w);
    }
    const auto isWord = [&](const QString& w) { return words.contains(w); };

    QFile out(output);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("kan %1 niet schrijven").arg(output));
    out.write("soort\tinvoer\tRVL92\tfunctienaam\n");
    Random random(seed);
    for (const QString& kind : kinds()) {
        int made = 0;
        QSet<QString> seen;
        // Titles in random order until there are enough variants of this kind.
        for (int tries = 0; made < perKind && tries < int(titles.size()) * 3; ++tries) {
            const Title& t = titles[size_t(random.below(int(titles.size())))];
            const std::optional<QString> v = variant(t.text, kind, random, isWord);
            if (!v || seen.contains(*v))
                continue;
            const auto it = owners.constFind(rvl92::coding::normaliseTitle(*v));
            if (it != owners.constEnd() && !it->contains(t.code))
                continue;
            seen.insert(*v);
            out.write(QStringLiteral("%1\t%2\t%3\t%4\n").arg(kind, *v, t.code, t.text).toUtf8());
            ++made;
        }
    }
    if (!out.flush())
        return fail(QStringLiteral("kan %1 niet schrijven").arg(output));
    return 0;
}
