#include "ZtCalendarGrid_p.h"

#include <utility>

namespace ZtGUI {

ZtCalendarGrid::ZtCalendarGrid(QWidget* parent)
    : QTableWidget(parent)
{
    // Noted while Qt's handler runs, passed on after it.
    connect(this, &QTableWidget::itemClicked, this, [this](QTableWidgetItem* item) { m_clicked = item; });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { m_doubleClicked = QPoint(column, row); });
}

void ZtCalendarGrid::mouseReleaseEvent(QMouseEvent* event)
{
    m_clicked = nullptr;
    QTableWidget::mouseReleaseEvent(event);
    if (QTableWidgetItem* item = std::exchange(m_clicked, nullptr))
        emit SgnItemClicked(item);
}

void ZtCalendarGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_doubleClicked = QPoint(-1, -1);
    QTableWidget::mouseDoubleClickEvent(event);
    const QPoint cell = std::exchange(m_doubleClicked, QPoint(-1, -1));
    if (cell.x() >= 0)
        emit SgnCellDoubleClicked(cell.y(), cell.x());
}

} // namespace ZtGUI
