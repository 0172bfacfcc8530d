#include "app/screentext.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92;

class TestScreenText : public QObject {
    Q_OBJECT
private slots:
    void texts_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        row("counter", recordCounterText(1, 10000), " Record  1 van 10000 ");
        row("counter last", recordCounterText(12, 12), " Record  12 van 12 ");
        row("load error", errorText("Load! ", 3024, "Het bestand ontbreekt."),
            "Load! 3024 Het bestand ontbreekt.");
        row("activate error", errorText("Activate! ", 1, "no such table: RVL"),
            "Activate! 1 no such table: RVL");
    }
    void texts() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TestScreenText)
#include "tst_screentext.moc"
