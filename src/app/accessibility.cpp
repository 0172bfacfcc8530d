#include "app/accessibility.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace rvl92 {

namespace {

class CurrentCellFrame : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        painter->save();
        QPen pen(option.palette.color(QPalette::Active, QPalette::WindowText), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

} // namespace

QString codeDigitName(int digit) {
    return QStringLiteral("RVL92-code, cijfer %1").arg(digit);
}

void nameCodeBoxes(const std::array<QLineEdit*, 5>& boxes) {
    for (size_t k = 0; k < boxes.size(); ++k)
        if (boxes[k])
            boxes[k]->setAccessibleName(codeDigitName(int(k) + 1));
}

void nameControl(QWidget* control, const QString& name) {
    if (control)
        control->setAccessibleName(name);
}

void nameItemView(QAbstractItemView* view, const QString& name, const QString& description) {
    if (!view)
        return;
    view->setAccessibleName(name);
    view->setAccessibleDescription(description.isEmpty() ? view->toolTip() : description);
}

void markCurrentCell(QAbstractItemView* view) {
    if (view)
        view->setItemDelegate(new CurrentCellFrame(view));
}

void setTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void keepFocusVisible(QWidget* window) {
    if (window)
        window->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace rvl92
