#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QLineEdit;
class QTableView;

namespace rvl92 {

class Recordset;
class RecordsetModel;

// Binds a grid and text boxes to a Recordset the way a bound grid works: the
// grid's current row and the recordset's position follow each other, and each
// bound box shows its column of the current row (NULL as empty).
class DataBinding : public QObject {
    Q_OBJECT
public:
    DataBinding(Recordset* rs, QObject* parent = nullptr);

    // The grid shows the recordset through `model` (which this binding points
    // at the recordset).
    void bindGrid(QTableView* view, RecordsetModel* model);
    void bindField(QLineEdit* box, const QString& fieldName);
    void clearFields();

    // Pushes the recordset's state to the grid and boxes.
    void refresh();

    // Moves between beginBatch and endBatch reach the grid and boxes once, at
    // the end: a search that passes many rows and comes back to the row it
    // started from leaves the view where it was.
    void beginBatch();
    void endBatch();

signals:
    // The current row changed, from either side.
    void rowChanged(int row);

private:
    void onPositionChanged(int row);
    void onViewRowChanged(int row);
    void syncView();
    void updateFields();
    // The highlight shows exactly the current row, or no row at all when the
    // grid is set to select nothing (the record selector is off).
    void keepHighlight();

    QPointer<Recordset> m_rs;
    QPointer<QTableView> m_view;
    QPointer<RecordsetModel> m_model;
    struct Field {
        QPointer<QLineEdit> box;
        QString name;
    };
    std::vector<Field> m_fields;
    bool m_syncing = false;
    int m_batch = 0;
    bool m_movedInBatch = false;
};

} // namespace rvl92
