#include "app/databinding.h"

#include "data/recordset.h"
#include "data/recordsetmodel.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

namespace rvl92 {

DataBinding::DataBinding(Recordset* rs, QObject* parent) : QObject(parent), m_rs(rs) {
    connect(rs, &Recordset::positionChanged, this, &DataBinding::onPositionChanged);
    connect(rs, &Recordset::reset, this, &DataBinding::refresh);
}

void DataBinding::bindGrid(QTableView* view, RecordsetModel* model) {
    m_view = view;
    m_model = model;
    model->setRecordset(m_rs);
    if (view->model() != model)
        view->setModel(model);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    onViewRowChanged(current.row());
                keepHighlight();
            });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DataBinding::keepHighlight);
    // A new model replaces the selection model; keep listening to the new one.
    connect(model, &QAbstractItemModel::modelReset, this, [this] { syncView(); });
    syncView();
}

void DataBinding::bindField(QLineEdit* box, const QString& fieldName) {
    m_fields.push_back({box, fieldName});
    updateFields();
}

void DataBinding::clearFields() {
    m_fields.clear();
}

void DataBinding::refresh() {
    syncView();
    updateFields();
}

void DataBinding::beginBatch() {
    if (m_batch++ == 0)
        m_movedInBatch = false;
}

void DataBinding::endBatch() {
    if (m_batch <= 0 || --m_batch > 0 || !m_movedInBatch)
        return;
    refresh();
    if (m_rs)
        emit rowChanged(m_rs->currentRow());
}

void DataBinding::onPositionChanged(int row) {
    if (m_batch > 0) {
        m_movedInBatch = true;
        return;
    }
    syncView();
    updateFields();
    if (!m_syncing)
        emit rowChanged(row);
}

void DataBinding::onViewRowChanged(int row) {
    if (m_syncing || !m_rs)
        return;
    if (m_rs->currentRow() == row)
        return;
    m_syncing = true;
    m_rs->moveTo(row);
    m_syncing = false;
    updateFields();
    emit rowChanged(row);
}

void DataBinding::syncView() {
    if (!m_view || !m_model || !m_rs)
        return;
    const int row = m_rs->currentRow();
    if (!m_rs->onRow())
        return; // at BOF/EOF the grid keeps showing the last row it had
    const QModelIndex cur = m_view->currentIndex();
    if (cur.isValid() && cur.row() == row)
        return;
    const int col = cur.isValid() ? cur.column() : 0;
    const bool was = m_syncing;
    m_syncing = true;
    const QModelIndex idx = m_model->index(row, col);
    m_view->selectionModel()->setCurrentIndex(
        idx, m_view->selectionMode() == QAbstractItemView::NoSelection
                 ? QItemSelectionModel::Clear
                 : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(idx);
    m_syncing = was;
}

void DataBinding::keepHighlight() {
    if (!m_view || !m_view->selectionModel())
        return;
    QItemSelectionModel* sel = m_view->selectionModel();
    const QModelIndex cur = m_view->currentIndex();
    if (m_view->selectionMode() == QAbstractItemView::NoSelection || !cur.isValid()) {
        if (sel->hasSelection())
            sel->clearSelection();
        return;
    }
    const QModelIndexList rows = sel->selectedRows();
    if (rows.size() != 1 || rows.constFirst().row() != cur.row())
        sel->select(cur, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void DataBinding::updateFields() {
    if (!m_rs)
        return;
    for (const Field& f : m_fields)
        if (f.box)
            f.box->setText(m_rs->text(f.name));
}

} // namespace rvl92
