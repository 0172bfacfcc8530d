// The code boxes and the search conditions: random keys into the code boxes
// of the occupation list and of the code search, random search text and
// random characteristic codes. The boxes must stay well-formed, and every
// query built from them must be one SQL statement that SQLite accepts against
// the program's tables, whatever was typed. The code search's faster form must
// give the rows of its written query, in the same order.

#include "data/database.h"
#include "data/jetlike.h"
#include "data/recordset.h"
#include "fuzzinput.h"
#include "screens/browse/codeboxkeys.h"
#include "screens/browse/jumpvalue.h"
#include "screens/search/characteristiccodes.h"
#include "screens/search/codepattern.h"
#include "screens/search/searchcondition.h"
#include "screens/search/searchtext.h"
#include "support/fixturedb.h"

#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace rvl92;

namespace {

sqlite3* schema() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        installJetLike(d);
        QStringList cols = testdb::rvlColumns();
        for (QString& c : cols)
            c += QStringLiteral(" TEXT");
        testdb::exec(d,
                     QStringLiteral("CREATE TABLE RVL (%1)").arg(cols.join(QStringLiteral(", "))));
        testdb::exec(d, QStringLiteral("CREATE TABLE functienamen (RVL92 TEXT, Functienaam TEXT, "
                                       "beroep TEXT, id INTEGER)"));
        testdb::exec(d, QStringLiteral("CREATE TABLE BekwaamhedenNiveau (NiveauTotaal TEXT)"));
        testdb::exec(d, QStringLiteral("CREATE TABLE richtingen (richting TEXT)"));
        testdb::exec(d, QStringLiteral("CREATE TABLE Werksoorten (Werksoorten TEXT)"));
        testdb::exec(d, QStringLiteral("CREATE TABLE Vaardigheden (Vaardigheden TEXT)"));
        return d;
    }();
    return db;
}

// One complete statement that prepares and runs: nothing typed may end the
// statement early or make it fail.
void checkQuery(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(schema(), utf8.constData(), int(utf8.size()), &st, &tail);
    if (rc != SQLITE_OK || !st) {
        fprintf(stderr, "query rejected: %s\n%s\n", sqlite3_errmsg(schema()), utf8.constData());
        abort();
    }
    FUZZ_CHECK(QByteArray(tail).trimmed().isEmpty());
    while (sqlite3_step(st) == SQLITE_ROW) {
    }
    FUZZ_CHECK(sqlite3_finalize(st) == SQLITE_OK);
}

// Job titles with an index on their code, in an order unlike the codes'.
const Database& titels() {
    static QTemporaryDir dir;
    static Database db;
    if (!db.isOpen()) {
        const QString file = dir.filePath(QStringLiteral("titels.db"));
        sqlite3* w = nullptr;
        sqlite3_open(file.toUtf8().constData(), &w);
        testdb::exec(w, QStringLiteral(
                            "CREATE TABLE functienamen (RVL92 TEXT, Functienaam TEXT, beroep TEXT, "
                            "id INTEGER); CREATE INDEX f ON functienamen (RVL92);"
                            "INSERT INTO functienamen VALUES ('34123','a','b',1), ('10000','b',"
                            "'b',2), ('34000','c','b',3), ('3412','d','b',4), ('99999','e','b',5),"
                            "('34123','f','b',6), ('09999','g','b',7), (NULL,'h','b',8),"
                            "('3:000','i','b',9), ('00000','j','b',10), ('10000','k','b',11);"));
        sqlite3_close(w);
        DbError err;
        db.open(file, &err);
        FUZZ_CHECK(db.hasTextIndex(QStringLiteral("functienamen"), QStringLiteral("RVL92")));
    }
    return db;
}

void checkSameRows(const QString& patroon) {
    const search::QueryPlan snel = search::codeSearchPlan(patroon, true);
    checkQuery(snel.sql);
    Recordset a, b;
    DbError err;
    FUZZ_CHECK(a.open(search::codeSearchQuery(patroon), titels(), &err));
    FUZZ_CHECK(b.open(snel.sql, titels(), &err, snel.order));
    FUZZ_CHECK(a.recordCount() == b.recordCount() && a.fieldCount() == b.fieldCount());
    for (int r = 0; r < a.recordCount(); ++r)
        for (int c = 0; c < a.fieldCount(); ++c)
            FUZZ_CHECK(a.valueAt(r, c) == b.valueAt(r, c));
}

void checkVakken(const std::array<QString, 5>& vakken) {
    for (const QString& v : vakken)
        FUZZ_CHECK(v.size() <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);

    // The occupation list's boxes: keys, arrows and keys in the list.
    CodeBoxes lijst;
    QString laatsteSprong;
    const int stappen = in.number(0, 40);
    for (int i = 0; i < stappen && !in.done(); ++i) {
        const int vak = in.byte() % 5;
        const char32_t teken = char32_t(in.number(0, 0x2FFFF));
        CodeBoxStep stap;
        switch (in.byte() % 3) {
        case 0:
            stap = codeBoxCharacter(lijst, vak, teken);
            break;
        case 1:
            stap = codeBoxArrow(lijst, vak, Arrow(teken % 4));
            break;
        default:
            stap = listCharacter(lijst, laatsteSprong, teken);
            break;
        }
        FUZZ_CHECK(stap.focus == CodeBoxStep::List || (stap.focus >= 0 && stap.focus < 5));
        lijst = stap.boxes;
        checkVakken(lijst);
        laatsteSprong = joinedCodeBoxes(completeCodeBoxes(lijst));
        FUZZ_CHECK(laatsteSprong.size() <= 5);
        (void)codeNotFoundText(laatsteSprong);
    }

    // The code search's boxes, and its query.
    CodeBoxes code;
    for (int i = 0, n = in.number(0, 30); i < n && !in.done(); ++i) {
        const int box = in.byte() % 5;
        const auto gevolg = search::codeBoxKey(code, box, in.number(0, 0x10FFFF));
        FUZZ_CHECK(gevolg.focus >= 0 && gevolg.focus < CodeBoxCount);
        code = gevolg.boxes;
        checkVakken(code);
    }
    const QString patroon = joinedCodeBoxes(search::codeBoxesForSearch(code));
    checkQuery(search::codeSearchQuery(patroon));
    checkSameRows(patroon);

    // The job-title search: any typed text.
    const QString zoektekst = in.text();
    checkQuery(search::jobTitleQuery(zoektekst));
    (void)jumpKey(zoektekst, char32_t(in.number(0, 0x10FFFF)));

    // The characteristic search: codes as cut from any list text.
    QStringList niveau, richting, werksoorten, vaardigheden;
    for (int i = 0, n = in.number(0, 12); i < n && !in.done(); ++i) {
        const QString t = in.text();
        switch (i % 4) {
        case 0:
            niveau = {search::levelCode(t)};
            break;
        case 1:
            richting = {search::directionCode(t)};
            break;
        case 2:
            search::chooseCode(werksoorten, search::workTypeCode(t), search::MaxWorkTypes);
            break;
        default:
            search::chooseCode(vaardigheden, search::skillCode(t), search::MaxSkills);
            break;
        }
    }
    FUZZ_CHECK(werksoorten.size() <= search::MaxWorkTypes);
    FUZZ_CHECK(vaardigheden.size() <= search::MaxSkills);
    const QString voorwaarde =
        search::VullenZoekstring(niveau, richting, werksoorten, vaardigheden);
    if (!voorwaarde.isEmpty())
        checkQuery(search::characteristicsQuery(voorwaarde));
    return 0;
}
