#include "ZtListWidget.h"

#include "ZtHorScrollBar.h"
#include "ZtVerScrollBar.h"

namespace ZtGUI {

ZtListWidget::ZtListWidget(QWidget* parent)
    : QListWidget(parent)
{
    // The view takes ownership of the bars it is given.
    setHorizontalScrollBar(new ZtHorScrollBar(this));
    setVerticalScrollBar(new ZtVerScrollBar(this));
    ensurePolished();
}

ZtListWidget::~ZtListWidget() = default;

} // namespace ZtGUI
