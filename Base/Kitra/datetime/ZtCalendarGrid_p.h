#pragma once

#include <QPoint>
#include <QTableWidget>

class QMouseEvent;

namespace ZtGUI {

/// The calendar's day and page grids. Qt's item views go on working on themselves after they
/// report a click, so the grid passes a click on only once its own mouse handler has finished:
/// the calendar's owner may then be deleted by whoever hears of the choice.
class ZtCalendarGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit ZtCalendarGrid(QWidget* parent = nullptr);

signals:
    void SgnItemClicked(QTableWidgetItem* item);
    void SgnCellDoubleClicked(int row, int column);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QTableWidgetItem* m_clicked = nullptr;
    QPoint m_doubleClicked{-1, -1}; // column, row
};

} // namespace ZtGUI
