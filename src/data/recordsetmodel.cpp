#include "data/recordsetmodel.h"

#include "data/recordset.h"

namespace rvl92 {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::setRecordset(Recordset* rs) {
    if (rs == m_rs)
        return;
    beginResetModel();
    if (m_rs)
        disconnect(m_rs, nullptr, this, nullptr);
    m_rs = rs;
    if (m_rs) {
        connect(m_rs, &Recordset::aboutToReset, this, &RecordsetModel::beginResetModel);
        connect(m_rs, &Recordset::reset, this, &RecordsetModel::endResetModel);
        connect(m_rs, &QObject::destroyed, this, [this] {
            beginResetModel();
            m_rs = nullptr;
            endResetModel();
        });
    }
    endResetModel();
}

void RecordsetModel::setCaptions(const QStringList& captions) {
    m_captions = captions;
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void RecordsetModel::setAlignment(int column, Qt::Alignment alignment) {
    m_alignment.insert(column, alignment);
    if (rowCount() > 0 && column < columnCount())
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return (parent.isValid() || !m_rs) ? 0 : m_rs->recordCount();
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return (parent.isValid() || !m_rs) ? 0 : m_rs->fieldCount();
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!m_rs || !index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const QByteArrayView raw = m_rs->rawAt(index.row(), index.column());
        return QString::fromUtf8(raw.data(), raw.size());
    }
    if (role == Qt::TextAlignmentRole) {
        auto it = m_alignment.constFind(index.column());
        if (it != m_alignment.constEnd())
            return QVariant::fromValue(*it | Qt::AlignVCenter);
    }
    return {};
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < m_captions.size() && !m_captions[section].isNull())
        return m_captions[section];
    return m_rs ? m_rs->fieldName(section) : QVariant();
}

} // namespace rvl92
