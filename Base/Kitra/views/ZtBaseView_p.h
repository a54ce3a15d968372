#pragma once

#include <QBasicTimer>
#include <QStyleOptionViewItem>
#include "ZtBaseView.h"

class QHoverEvent;
class QMouseEvent;

namespace ZtGUI {

class ZtBaseViewPrivate
{
    Q_DECLARE_PUBLIC(ZtBaseView)

public:
    explicit ZtBaseViewPrivate(ZtBaseView* view) : q_ptr(view) {}

    /// The view's item option over the cell at `pos`, and that cell (invalid over empty space).
    QStyleOptionViewItem optionAt(const QPoint& pos, QModelIndex* index) const;
    /// Hands a press, release or double click to the delegate's "mouseEvent", and reports a
    /// release on an enabled view with the delegate's answer; false when a slot deleted the view.
    bool routeMouse(QMouseEvent* event);
    void routeHover(QHoverEvent* event);
    /// (Re)starts the single-shot delay of the column resize, when a column is kept resized.
    void startResize();

    ZtBaseView* q_ptr;
    bool horizontalGrid = true;
    bool verticalGrid = true;
    int resizeColumn = -1;
    QBasicTimer resizeTimer;
};

} // namespace ZtGUI
