// Typed find criteria on a result large enough for the find index: every find
// must give the same answer through the index as through the plain scan, and
// the scan must agree with a straightforward reading of the criterion.

#include "data/database.h"
#include "data/jetlike.h"
#include "data/recordset.h"
#include "fuzzinput.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace rvl92;

namespace {

constexpr int kRows = 5000;

// Values that stress folding and wildcards: accents, a ligature, digits,
// quotes, the Like wildcards as plain text, empty and NULL.
QString rowValue(int i) {
    static const char* const pieces[] = {"bakker", "Bäcker", "ÉCLAIR", "école", "'s-Hertogenbosch",
                                         "50%",    "a_b",    "[x]",    "#1",    "*?",
                                         "ß",      "İ",      "ﬁ",      "Ωμέγα", "数据",
                                         "😀",      " ",      "",       "z"};
    constexpr int n = int(sizeof pieces / sizeof *pieces);
    QString v = QString::fromUtf8(pieces[i % n]);
    if (i % 7 == 0)
        v += QString::fromUtf8(pieces[(i / 7) % n]);
    if (i % 11 == 0)
        v += QString::number(i);
    return v;
}

struct Fixture {
    QTemporaryDir dir;
    Database db;
    Recordset indexed;
    Recordset scanned;
    bool ok = false;
};

Fixture* fixture() {
    static Fixture* f = [] {
        auto* x = new Fixture;
        const QString file = x->dir.filePath(QStringLiteral("find.db"));
        sqlite3* w = nullptr;
        sqlite3_open(file.toUtf8().constData(), &w);
        sqlite3_exec(w, "CREATE TABLE t (a TEXT, b TEXT); BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(w, "INSERT INTO t VALUES (?, ?)", -1, &st, nullptr);
        for (int i = 0; i < kRows; ++i) {
            const QByteArray a = rowValue(i).toUtf8();
            const QByteArray b = rowValue(i * 31 + 5).toUtf8();
            sqlite3_bind_text(st, 1, a.constData(), int(a.size()), SQLITE_TRANSIENT);
            if (i % 13 == 0)
                sqlite3_bind_null(st, 2);
            else
                sqlite3_bind_text(st, 2, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(w, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(w);

        DbError err;
        const QString sql = QStringLiteral("select a, b from t");
        x->ok = x->db.open(file, &err) && x->indexed.open(sql, x->db, &err) &&
                x->scanned.open(sql, x->db, &err);
        x->scanned.setIndexingEnabled(false);
        // Build both columns' indexes now, so the finds below really use them.
        for (int c = 0; c < 2 && x->ok; ++c) {
            x->indexed.moveFirst();
            x->indexed.find({c, FindCriterion::Op::Prefix, QStringLiteral("b")});
        }
        x->indexed.waitForIndexes();
        return x;
    }();
    return f;
}

bool reference(const Recordset& rs, int row, const FindCriterion& c) {
    if (rs.isNullAt(row, c.column))
        return false;
    const QString v = foldCase(*rs.valueAt(row, c.column));
    const QString key = foldCase(c.value);
    switch (c.op) {
    case FindCriterion::Op::Equals:
        return v == key;
    case FindCriterion::Op::Prefix:
        return v.startsWith(key);
    case FindCriterion::Op::Contains:
        return v.contains(key);
    case FindCriterion::Op::Like:
        return jetLike(*rs.valueAt(row, c.column), c.value);
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fixture* f = fixture();
    if (!f->ok)
        abort();
    fuzz::Input in(data, size);
    FindCriterion c;
    c.op = FindCriterion::Op(in.byte() % 4);
    c.column = in.byte() % 2;
    const auto direction =
        in.byte() % 2 ? Recordset::Direction::Backward : Recordset::Direction::Forward;
    const int start = in.number(-1, kRows); // -1 BOF, kRows EOF
    const int skip = in.number(-3, 3);
    c.value = in.text();

    for (Recordset* rs : {&f->indexed, &f->scanned}) {
        rs->moveFirst();
        if (start < 0)
            rs->movePrevious();
        else
            rs->move(start);
    }
    const bool foundIndexed = f->indexed.find(c, skip, direction);
    const bool foundScanned = f->scanned.find(c, skip, direction);
    FUZZ_CHECK(foundIndexed == foundScanned);
    FUZZ_CHECK(f->indexed.currentRow() == f->scanned.currentRow());
    if (foundScanned)
        FUZZ_CHECK(reference(f->scanned, f->scanned.currentRow(), c));
    else
        FUZZ_CHECK(f->scanned.currentRow() ==
                   (direction == Recordset::Direction::Forward ? kRows : -1));
    return 0;
}
