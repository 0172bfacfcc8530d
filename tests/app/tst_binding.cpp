#include "app/databinding.h"
#include "data/database.h"
#include "data/recordset.h"
#include "data/recordsetmodel.h"

#include "support/fixturedb.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace rvl92;

class TestBinding : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(testdb::writeSmall(m_dir.filePath("t.db")));
        DbError err;
        QVERIFY(m_db.open(m_dir.filePath("t.db"), &err));
    }

    void init() {
        m_rs = new Recordset;
        DbError err;
        QVERIFY(m_rs->open(" select RVL92, Functienaam, beroep, id from functienamen", m_db, &err));
        m_view = new QTableView;
        m_model = new RecordsetModel(m_view);
        m_box = new QLineEdit;
        m_binding = new DataBinding(m_rs, m_view);
        m_binding->bindGrid(m_view, m_model);
        m_binding->bindField(m_box, "functienaam");
        m_view->show();
    }

    void cleanup() {
        delete m_view;
        delete m_box;
        delete m_rs;
    }

    void modelShowsValues() {
        QCOMPARE(m_model->rowCount(), 9);
        QCOMPARE(m_model->columnCount(), 4);
        QCOMPARE(m_model->index(3, 1).data().toString(), QString("Chef d'équipe"));
        QCOMPARE(m_model->index(7, 1).data().toString(), QString()); // NULL shows empty
        QCOMPARE(m_model->headerData(1, Qt::Horizontal).toString(), QString("Functienaam"));
        m_model->setCaptions({"RVL92-code", "Functienaam"});
        QCOMPARE(m_model->headerData(0, Qt::Horizontal).toString(), QString("RVL92-code"));
        QCOMPARE(m_model->headerData(2, Qt::Horizontal).toString(), QString("beroep"));
        QCOMPARE(m_box->text(), QString("Bakker"));
    }

    void recordsetMovesTheGrid() {
        QCOMPARE(m_view->currentIndex().row(), 0);
        m_rs->moveLast();
        QCOMPARE(m_view->currentIndex().row(), 8);
        QCOMPARE(m_box->text(), QString());
        m_rs->find({1, FindCriterion::Op::Prefix, "ch"}, 0, Recordset::Direction::Backward);
        QCOMPARE(m_view->currentIndex().row(), 3);
        QCOMPARE(m_box->text(), QString("Chef d'équipe"));
    }

    void gridMovesTheRecordset() {
        QSignalSpy changed(m_binding, &DataBinding::rowChanged);
        m_view->setCurrentIndex(m_model->index(4, 2));
        QCOMPARE(m_rs->absolutePosition(), 5);
        QCOMPARE(m_box->text(), QString("Écoleur"));
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(m_view, Qt::Key_Down);
        QCOMPARE(m_rs->absolutePosition(), 6);
        QCOMPARE(m_box->text(), QString("ecru-verver"));
    }

    void notFoundKeepsGridRow() {
        m_rs->setAbsolutePosition(3);
        QVERIFY(!m_rs->find({1, FindCriterion::Op::Prefix, "zz"}));
        QVERIFY(m_rs->eof());
        QCOMPARE(m_view->currentIndex().row(), 2);
        QCOMPARE(m_box->text(), QString()); // no current row
    }

    void requeryRefreshesEverything() {
        m_rs->moveLast();
        DbError err;
        QVERIFY(m_rs->open(
            "SELECT RVL92,Functienaam,beroep FROM Functienamen where RVL92 = '11010'", m_db, &err));
        QCOMPARE(m_model->rowCount(), 3);
        QCOMPARE(m_model->columnCount(), 3);
        QCOMPARE(m_view->currentIndex().row(), 0);
        QCOMPARE(m_box->text(), QString("Bakker"));
    }

private:
    QTemporaryDir m_dir;
    Database m_db;
    Recordset* m_rs = nullptr;
    RecordsetModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLineEdit* m_box = nullptr;
    DataBinding* m_binding = nullptr;
};

QTEST_MAIN(TestBinding)
#include "tst_binding.moc"
