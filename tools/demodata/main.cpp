// rvl92-demodata: builds the demonstration database of RVL92 from the word
// lists in installdata/demodata. The real classification cannot be shipped, so
// the program comes with a fictional one of the same shape.
//
// Hierarchy of an RVL92 code, five digits "LKGnn":
//   L   the occupational level (beroepsniveaus.txt: 1 elementair ... 5 wetenschappelijk);
//   LK  the occupational class: the level and the class digit of a field's
//       class (beroepsklassen.txt); named "<level adjective> <class name>",
//       e.g. 34 "Middelbare technische beroepen";
//   LKG the occupational group: G numbers, from 1, the fields of work
//       (vakgebieden.txt) of that class that have roles on that level, in file
//       order; named "<level adjective> <group name>", e.g. 342 "Middelbare
//       beroepen in de elektrotechniek";
//   nn  the occupation within its group, from 01 upwards with an occasional gap.
// An occupation is a role of its field on its level plus one of the field's
// specialisations ("Monteur schakelkasten"). Levels share out the occupations
// by their weights, evenly over their groups. The skill level follows the
// occupational level, now and then one step off; the direction is usually
// the field's own, else another one under the same main direction; work types
// and skills mostly come from the ones usual in the class.
//
// Job titles are the occupation's name and variants of it: a qualifier before
// the role ("Allround", "Leerling-"), another form of the role, and additions
// after it ("in opleiding", "(buitendienst)"), plus the special titles of
// bijzondere_functienamen.txt. They are stored alphabetically by a
// locale-independent key (accents and case folded, then the exact text).
//
// Everything is drawn from a SplitMix64 stream per purpose, seeded by --zaad:
// the same arguments always give the same file, byte for byte.

#include "classification.h"
#include "database.h"
#include "jobtitles.h"
#include "options.h"
#include "wordlists.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#ifndef RVL92_DEMODATA_DIR
#define RVL92_DEMODATA_DIR ""
#endif

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    using namespace demodata;

    QString error;
    const std::optional<Options> options =
        parseOptions(app.arguments().mid(1), QStringLiteral(RVL92_DEMODATA_DIR), &error);
    if (!options) {
        err << "rvl92-demodata: " << error << "\n\n" << usage();
        return 2;
    }
    if (options->help) {
        out << usage();
        return 0;
    }
    const std::optional<WordLists> lists = loadWordLists(options->wordLists, &error);
    if (!lists) {
        err << "rvl92-demodata: " << error << '\n';
        return 1;
    }
    const std::optional<Classification> classification =
        buildClassification(*lists, options->occupations, options->seed, &error);
    if (!classification) {
        err << "rvl92-demodata: " << error << '\n';
        return 1;
    }
    const std::optional<JobTitles> titles =
        generateJobTitles(*lists, *classification, options->jobTitles, options->seed, &error);
    if (!titles) {
        err << "rvl92-demodata: " << error << '\n';
        return 1;
    }
    if (!writeDatabase(options->output, *lists, *classification, *titles, &error)) {
        err << "rvl92-demodata: " << error << '\n';
        return 1;
    }
    out << QDir::toNativeSeparators(options->output) << ": " << classification->occupations.size()
        << " beroepen, " << titles->titles.size() << " functienamen, " << titles->occupationsWithout
        << " beroepen zonder functienaam\n";
    return 0;
}
