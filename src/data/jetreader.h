#pragma once

// glib.h has to come before mdbtools.h: the latter includes it inside an
// extern "C" block, where glib's C++ parts do not compile.
#include <glib.h>
#include <mdbtools.h>

#include "data/jetformat.h"
#include "data/jettablewriter.h"

#include <QList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Reading of tables from a Jet file opened with libmdb. libmdb supplies the
// table definitions and the decoding of single values; the rows are walked
// here, because libmdb's own row fetch renders every value as text in a
// fixed-size buffer (cutting long memos), cannot tell NULL from "", puts
// overflowed rows out of their place and, when it reads the catalog, parses
// property blobs in ways a damaged file can send into an endless loop.

namespace rvl92::jet {

// Receives one row, a value per column; returns false to stop the read.
using RowSink = std::function<bool(const QList<JetValue>&)>;

enum class ReadResult {
    Complete,
    Damaged, // the table's pages contradict themselves or are missing
    Stopped, // the sink returned false
};

class TableReader {
public:
    // `pageCount` is the number of pages in the file; no page beyond it is
    // ever followed.
    TableReader(MdbHandle* mdb, MdbTableDef* table, qint64 pageCount);

    ReadResult read(const RowSink& sink);

private:
    bool validPage(std::uint32_t page) const;
    std::optional<RowSlot> followPointer(const RowSlot& pointer);
    bool readRow(const RowSlot& slot, QList<JetValue>* values);
    bool readValue(const MdbColumn* column, const MdbField& field, const RowSlot& slot,
                   JetValue* value);
    QByteArray decodeText(const unsigned char* data, int size);
    bool readLongValue(const unsigned char* field, int fieldSize, QByteArray* bytes);
    bool loadLongValueRow(const RowAddress& address, const unsigned char** row, int* size);

    MdbHandle* mdb_;
    MdbTableDef* table_;
    qint64 pageCount_;
    int pageSize_;
    std::vector<MdbColumn*> columns_;
    std::vector<MdbField> fields_;
};

struct TableDefFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDef = std::unique_ptr<MdbTableDef, TableDefFreer>;

// The table definition and columns of the catalog entry; null when damaged.
TableDef readTableDef(MdbCatalogEntry* entry);

struct Catalog {
    int objectCount = 0; // every object listed, system tables included
    std::vector<std::unique_ptr<MdbCatalogEntry>> userTables;
};

// The file's catalog; nothing when it cannot be read.
std::optional<Catalog> readCatalog(MdbHandle* mdb, qint64 pageCount);

} // namespace rvl92::jet
