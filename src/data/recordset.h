#pragma once

#include "data/dberror.h"
#include "data/growbuffer.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace rvl92 {

class Database;
class PrefixIndex;

// A typed find criterion: the value is matched as the criterion says, never
// parsed, so a quote, "*", "%" or "#" typed by a user is just a character.
struct FindCriterion {
    enum class Op {
        Equals,   // the whole value, case-insensitive
        Prefix,   // begins with the value, case-insensitive
        Contains, // holds the value somewhere, case-insensitive
        Like      // a Jet `Like` pattern
    };
    int column = 0;
    Op op = Op::Equals;
    QString value;
};

// A static, client-side, read-only query result (a screen's `Rs`): every row is
// fetched once, so the record count and the absolute position are known at once.
// Values are text; NULL stays distinct from "".
//
// Positions follow the usual recordset rules: after open the current row is the
// first; moving before the first row gives BOF, past the last EOF; an empty result
// is BOF and EOF at once.
class Recordset : public QObject {
    Q_OBJECT
public:
    // Values of absolutePosition() when not on a row.
    static constexpr int PosUnknown = -1;
    static constexpr int PosBOF = -2;
    static constexpr int PosEOF = -3;

    enum class Direction { Forward, Backward };

    explicit Recordset(QObject* parent = nullptr);
    ~Recordset() override;

    // How the rows of a result are ordered.
    enum class Order {
        AsReturned, // as the statement returns them
        // By the statement's last column, a whole number unique per row (such
        // as its rowid), ascending; that column is not one of the fields. Lets
        // a statement read its rows through an index and still give them in
        // table order.
        ByKeyColumn
    };

    // Runs `sql` on `cnn` and fetches every row. An open result is closed first.
    bool open(const QString& sql, const Database& cnn, DbError* error,
              Order order = Order::AsReturned);
    void close();
    bool isOpen() const { return m_open; }
    int state() const { return m_open ? 1 : 0; }
    QString source() const { return m_sql; }

    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    QString fieldName(int column) const { return m_fields.value(column); }
    // Index of a column by name, without regard to case; -1 when absent.
    int fieldIndex(const QString& name) const;

    int recordCount() const { return m_rows; }
    bool bof() const { return m_pos < 0 || m_rows == 0; }
    bool eof() const { return m_pos >= m_rows || m_rows == 0; }
    bool onRow() const { return m_pos >= 0 && m_pos < m_rows; }
    // 0-based current row, or -1 before the first / m_rows past the last.
    int currentRow() const { return m_pos; }

    int absolutePosition() const;
    bool setAbsolutePosition(int position);

    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();
    bool move(int rows);
    // Row-index form of the moves, for views; returns false when out of range.
    bool moveTo(int row);

    // Value of the current row; nullopt for NULL and when not on a row.
    std::optional<QString> value(int column) const;
    std::optional<QString> value(const QString& fieldName) const;
    // Value as text with NULL shown as "" (what a bound box shows).
    QString text(int column) const { return value(column).value_or(QString()); }
    QString text(const QString& fieldName) const { return value(fieldName).value_or(QString()); }

    std::optional<QString> valueAt(int row, int column) const;
    bool isNullAt(int row, int column) const;
    // The stored UTF-8 bytes of a cell (empty for NULL); cheap, no copy.
    QByteArrayView rawAt(int row, int column) const;

    // Searches from the current row (skipping `skip` rows first) in `direction`
    // for the first row that satisfies `criterion`. Found: that row becomes
    // current. Not found: EOF (forward) or BOF (backward), as a recordset does.
    bool find(const FindCriterion& criterion, int skip = 0,
              Direction direction = Direction::Forward);

    // The filter is always none; the screens only ever clear it.
    int filter() const { return 0; }
    void setFilterNone() {}

    // Bytes held for the values (text and offsets) and any find indexes.
    size_t storageBytes() const;

    // Results at least this long get an index for forward Prefix/Equals finds.
    // The first such find of a column starts building it in the background and
    // is answered by the scan, as are the finds until the index is ready: the
    // answers are the same, and no key typed waits for the build.
    static constexpr int IndexThreshold = 4096;
    // Finds without the index (the plain scan); for tests and benchmarks.
    void setIndexingEnabled(bool on) { m_indexing = on; }
    // Waits until every index being built is ready (tests and benchmarks).
    void waitForIndexes();

signals:
    // Before and after the whole content changes (open, close).
    void aboutToReset();
    void reset();
    // The current row changed (by a move, a find or a position set).
    void positionChanged(int row);

private:
    bool setPos(int pos);
    // The cell's place in m_offsets.
    size_t cellOf(int row, int column) const;
    bool rowMatches(int row, const FindCriterion& c, const void* compiled) const;
    const PrefixIndex* readyIndex(int column);
    void dropIndexes();

    bool m_open = false;
    QString m_sql;
    QStringList m_fields;
    int m_rows = 0;
    int m_pos = -1;
    // All values of the result as UTF-8, one after the other; m_offsets[cell]
    // is where a cell starts, with the top bit marking NULL. Cell i ends where
    // cell i+1 starts.
    GrowBuffer<char> m_text;
    GrowBuffer<uint32_t> m_offsets;
    // Where row i is stored, when the rows were put in key order; empty when
    // they are stored in their order.
    std::vector<int> m_stored;
    // Find indexes by column, made when first needed, dropped with the rows.
    // A builder thread only reads the stored values, which stay as they are
    // until the indexes are dropped (after joining it).
    struct IndexSlot;
    std::vector<std::unique_ptr<IndexSlot>> m_indexes;
    bool m_indexing = true;
};

} // namespace rvl92
