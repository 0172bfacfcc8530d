#include "data/jetreader.h"

#include <cstring>

namespace rvl92::jet {

TableReader::TableReader(MdbHandle* mdb, MdbTableDef* table, qint64 pageCount)
    : mdb_(mdb), table_(table), pageCount_(pageCount), pageSize_(int(mdb->fmt->pg_size)) {
    for (guint i = 0; i < table_->num_cols; ++i)
        columns_.push_back(static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, i)));
    fields_.assign(columns_.size(), MdbField{});
}

ReadResult TableReader::read(const RowSink& sink) {
    mdb_rewind_table(table_);
    qint64 pagesSeen = 0;
    qint64 rowsRead = 0;
    QList<JetValue> values;
    while (mdb_read_next_dpg(table_)) {
        if (++pagesSeen > pageCount_)
            return ReadResult::Damaged;
        const guint32 dataPage = table_->cur_phys_pg;
        const int rows = rowCount(mdb_->pg_buf, pageSize_);
        for (int row = 0; row < rows; ++row) {
            // Following an overflow pointer leaves another page loaded.
            if (mdb_->cur_pg != dataPage && mdb_read_pg(mdb_, dataPage) != pageSize_)
                return ReadResult::Damaged;
            const auto slot = rowSlot(mdb_->pg_buf, pageSize_, row);
            if (!slot)
                return ReadResult::Damaged;
            if (slot->deleted || slot->overflowTarget || slot->length == 0)
                continue;
            const auto data = slot->overflowPointer ? followPointer(*slot) : slot;
            if (!data || !readRow(*data, &values))
                return ReadResult::Damaged;
            if (!sink(values))
                return ReadResult::Stopped;
            ++rowsRead;
        }
    }
    // The table definition counts the rows; fewer found means pages went
    // missing, and a silently shorter table would be worse than none.
    return rowsRead >= qint64(table_->num_rows) ? ReadResult::Complete : ReadResult::Damaged;
}

bool TableReader::validPage(std::uint32_t page) const {
    return page > 0 && qint64(page) < pageCount_;
}

// Loads the page an overflow pointer leads to and returns the real row.
std::optional<RowSlot> TableReader::followPointer(const RowSlot& pointer) {
    if (pointer.length < 4)
        return std::nullopt;
    const auto address = rowAddress(guint32(mdb_get_int32(mdb_->pg_buf, pointer.offset)));
    if (!validPage(address.page) || mdb_read_pg(mdb_, address.page) != pageSize_)
        return std::nullopt;
    if (mdb_->pg_buf[0] != MDB_PAGE_DATA ||
        guint32(mdb_get_int32(mdb_->pg_buf, 4)) != guint32(table_->entry->table_pg))
        return std::nullopt;
    auto target = rowSlot(mdb_->pg_buf, pageSize_, address.row);
    if (!target || target->deleted || target->overflowPointer || target->length == 0)
        return std::nullopt;
    return target;
}

// The row at `slot` of the page in mdb->pg_buf, one value per column.
bool TableReader::readRow(const RowSlot& slot, QList<JetValue>* values) {
    if (mdb_crack_row(table_, slot.offset, size_t(slot.length), fields_.data()) < 0)
        return false;
    values->clear();
    values->reserve(qsizetype(columns_.size()));
    for (size_t i = 0; i < columns_.size(); ++i) {
        JetValue value;
        if (!readValue(columns_[i], fields_[i], slot, &value))
            return false;
        values->append(std::move(value));
    }
    return true;
}

namespace {

JetValue ownedText(char* text) {
    JetValue value = JetValue::fromUtf8(QByteArray(text ? text : ""));
    g_free(text);
    return value;
}

} // namespace

bool TableReader::readValue(const MdbColumn* column, const MdbField& field, const RowSlot& slot,
                            JetValue* value) {
    // A Yes/No column keeps its value in the null flag and is never NULL.
    if (column->col_type == type::Boolean) {
        *value = JetValue::fromInteger(field.is_null ? 0 : 1);
        return true;
    }
    // The null flags, not the length, tell NULL from a zero-length text.
    if (field.is_null) {
        *value = JetValue::null();
        return true;
    }
    if (field.siz < 0 || field.start < slot.offset ||
        field.start + field.siz > slot.offset + slot.length)
        return false;
    unsigned char* page = mdb_->pg_buf;
    const unsigned char* data = page + field.start;
    // Fixed-size types must find all their bytes inside the row.
    auto fits = [&](int bytes) { return field.siz >= bytes; };

    switch (column->col_type) {
    case type::Byte:
        if (!fits(1))
            return false;
        *value = JetValue::fromInteger(data[0]);
        return true;
    case type::Integer:
        if (!fits(2))
            return false;
        *value = JetValue::fromInteger(qint16(mdb_get_int16(page, field.start)));
        return true;
    case type::Long:
    case type::Complex:
        if (!fits(4))
            return false;
        *value = JetValue::fromInteger(qint32(mdb_get_int32(page, field.start)));
        return true;
    case type::Single:
        if (!fits(4))
            return false;
        *value = JetValue::fromReal(singleToDouble(mdb_get_single(page, field.start)));
        return true;
    case type::Double:
        if (!fits(8))
            return false;
        *value = JetValue::fromReal(mdb_get_double(page, field.start));
        return true;
    case type::DateTime: {
        if (!fits(8))
            return false;
        const double days = mdb_get_double(page, field.start);
        // A value that is no date keeps its number rather than being lost.
        const auto text = dateTimeText(days);
        *value = text ? JetValue::fromText(*text) : JetValue::fromReal(days);
        return true;
    }
    case type::Currency:
        if (!fits(8))
            return false;
        *value = ownedText(mdb_money_to_string(mdb_, field.start));
        return true;
    case type::Decimal:
        if (!fits(17))
            return false;
        *value = ownedText(
            mdb_numeric_to_string(mdb_, field.start, column->col_scale, column->col_prec));
        return true;
    case type::ReplicationId:
        if (!fits(16))
            return false;
        *value = ownedText(mdb_uuid_to_string(page, field.start));
        return true;
    case type::Text:
        *value = JetValue::fromUtf8(decodeText(data, field.siz));
        return true;
    case type::Memo:
    case type::OleObject: {
        QByteArray bytes;
        if (field.siz > 0 && !readLongValue(data, field.siz, &bytes))
            return false;
        if (column->col_type == type::OleObject) {
            *value = JetValue::fromBlob(bytes);
        } else {
            const auto* text = reinterpret_cast<const unsigned char*>(bytes.constData());
            *value = JetValue::fromUtf8(decodeText(text, int(bytes.size())));
        }
        return true;
    }
    default:
        // Binary columns, and types this program does not know: the bytes as
        // stored.
        *value = JetValue::fromBlob(QByteArray(reinterpret_cast<const char*>(data), field.siz));
        return true;
    }
}

// Jet text (UCS-2, possibly in Jet's compressed form; a code page in Jet 3)
// as UTF-8. The buffer holds the longest possible result, so nothing is cut.
QByteArray TableReader::decodeText(const unsigned char* data, int size) {
    if (size <= 0)
        return QByteArray("");
    QByteArray text(qsizetype(size) * 3 + 16, Qt::Uninitialized);
    const int length = mdb_unicode2ascii(mdb_, reinterpret_cast<const char*>(data), size_t(size),
                                         text.data(), size_t(text.size()));
    text.truncate(qMax(0, length));
    return text;
}

// A memo or OLE value, whole, from the row and the long-value pages it
// refers to.
bool TableReader::readLongValue(const unsigned char* field, int fieldSize, QByteArray* bytes) {
    const LongValueRef ref = longValueRef(field, fieldSize);
    if (ref.kind == LongValueRef::Kind::Invalid || qint64(ref.length) > pageCount_ * pageSize_)
        return false;
    if (ref.kind == LongValueRef::Kind::Inline) {
        *bytes = QByteArray(reinterpret_cast<const char*>(field) + 12, qsizetype(ref.length));
        return true;
    }
    bytes->clear();
    bytes->reserve(qsizetype(ref.length));
    RowAddress address = ref.first;
    // Every piece of a value lies on another page, so a chain with more
    // pieces than the file has pages runs in a circle.
    for (qint64 pieces = 0; pieces < pageCount_; ++pieces) {
        const unsigned char* piece = nullptr;
        int pieceSize = 0;
        if (!loadLongValueRow(address, &piece, &pieceSize))
            return false;
        if (ref.kind == LongValueRef::Kind::SinglePage) {
            if (pieceSize < qint64(ref.length))
                return false;
            bytes->append(reinterpret_cast<const char*>(piece), qsizetype(ref.length));
            return true;
        }
        // A piece of a chain starts with the address of the next piece.
        if (pieceSize < 4)
            return false;
        const auto next = guint32(mdb_get_int32(const_cast<unsigned char*>(piece), 0));
        const qint64 wanted = qMin<qint64>(pieceSize - 4, qint64(ref.length) - bytes->size());
        bytes->append(reinterpret_cast<const char*>(piece) + 4, qsizetype(wanted));
        if (bytes->size() >= qsizetype(ref.length))
            return true;
        if (next == 0)
            return false; // the chain ends before the value does
        address = rowAddress(next);
    }
    return false;
}

// Loads a long-value page into libmdb's second page buffer, which leaves the
// data page being read in place.
bool TableReader::loadLongValueRow(const RowAddress& address, const unsigned char** row,
                                   int* size) {
    if (!validPage(address.page) || mdb_read_alt_pg(mdb_, address.page) != pageSize_)
        return false;
    const unsigned char* page = mdb_->alt_pg_buf;
    if (page[0] != MDB_PAGE_DATA)
        return false;
    const auto slot = rowSlot(page, pageSize_, address.row);
    if (!slot || slot->deleted)
        return false;
    *row = page + slot->offset;
    *size = slot->length;
    return true;
}

TableDef readTableDef(MdbCatalogEntry* entry) {
    TableDef table(mdb_read_table(entry));
    // libmdb walks a table's pages through its usage map without checking
    // that there is one.
    if (!table || !table->usage_map || table->map_sz < 5)
        return nullptr;
    if (!mdb_read_columns(table.get()) || table->num_cols == 0)
        return nullptr;
    return table;
}

namespace {

// The table definition of the catalog (MSysObjects) is always on this page.
constexpr unsigned long catalogPage = 2;

std::optional<qint64> integerAt(const QList<JetValue>& row, int column) {
    if (column < 0 || column >= row.size() || row.at(column).kind != JetValue::Kind::Integer)
        return std::nullopt;
    return row.at(column).integer;
}

} // namespace

std::optional<Catalog> readCatalog(MdbHandle* mdb, qint64 pageCount) {
    MdbCatalogEntry catalogEntry{};
    catalogEntry.mdb = mdb;
    std::strcpy(catalogEntry.object_name, "MSysObjects");
    catalogEntry.object_type = MDB_TABLE;
    catalogEntry.table_pg = catalogPage;
    TableDef table = readTableDef(&catalogEntry);
    if (!table)
        return std::nullopt;

    int idColumn = -1, nameColumn = -1, typeColumn = -1, flagsColumn = -1;
    for (guint i = 0; i < table->num_cols; ++i) {
        const char* name = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i))->name;
        int* column = !std::strcmp(name, "Id")      ? &idColumn
                      : !std::strcmp(name, "Name")  ? &nameColumn
                      : !std::strcmp(name, "Type")  ? &typeColumn
                      : !std::strcmp(name, "Flags") ? &flagsColumn
                                                    : nullptr;
        if (column)
            *column = int(i);
    }
    if (idColumn < 0 || nameColumn < 0 || typeColumn < 0 || flagsColumn < 0)
        return std::nullopt;

    Catalog catalog;
    bool consistent = true;
    TableReader reader(mdb, table.get(), pageCount);
    const ReadResult result = reader.read([&](const QList<JetValue>& row) {
        const auto id = integerAt(row, idColumn);
        const auto type = integerAt(row, typeColumn);
        const JetValue& name = row.at(nameColumn);
        if (!id || !type || name.kind != JetValue::Kind::Text) {
            consistent = false;
            return false;
        }
        ++catalog.objectCount;
        auto entry = std::make_unique<MdbCatalogEntry>();
        std::memset(entry.get(), 0, sizeof(MdbCatalogEntry));
        entry->mdb = mdb;
        // The same masks libmdb applies: the object kind in the low bits, the
        // page of a table's definition in the low three bytes of its id.
        entry->object_type = int(*type & 0x7f);
        entry->table_pg = static_cast<unsigned long>(*id & 0x00ffffff);
        entry->flags = int(integerAt(row, flagsColumn).value_or(0));
        const QByteArray objectName = name.bytes.left(MDB_MAX_OBJ_NAME);
        std::memcpy(entry->object_name, objectName.constData(), size_t(objectName.size()));
        // Skips system tables (MSys...) and tables hidden in the file.
        if (mdb_is_user_table(entry.get()) && !objectName.isEmpty())
            catalog.userTables.push_back(std::move(entry));
        return true;
    });
    if (result != ReadResult::Complete || !consistent)
        return std::nullopt;
    return catalog;
}

} // namespace rvl92::jet
