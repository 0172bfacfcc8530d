#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

namespace rvl92 {

class Recordset;

// Shows a Recordset in a table view. Answers data() straight from the
// recordset's stored values; columns may be given captions, widths are the
// view's business.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordsetModel(QObject* parent = nullptr);

    void setRecordset(Recordset* rs);
    Recordset* recordset() const { return m_rs; }

    // Header texts by column; a column without one shows its field name.
    void setCaptions(const QStringList& captions);
    void setAlignment(int column, Qt::Alignment alignment);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QPointer<Recordset> m_rs;
    QStringList m_captions;
    QHash<int, Qt::Alignment> m_alignment;
};

} // namespace rvl92
