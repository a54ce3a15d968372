#include "ZtListView.h"

#include "ZtHorScrollBar.h"
#include "ZtVerScrollBar.h"

namespace ZtGUI {

ZtListView::ZtListView(QWidget* parent)
    : QListView(parent)
{
    // The view takes ownership of the bars it is given.
    setHorizontalScrollBar(new ZtHorScrollBar(this));
    setVerticalScrollBar(new ZtVerScrollBar(this));
    ensurePolished();
}

ZtListView::~ZtListView() = default;

} // namespace ZtGUI
