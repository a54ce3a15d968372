#include "ZtTableView.h"

#include <QMouseEvent>
#include "ZtTableViewItemDelegateSvg.h"

namespace ZtGUI {

namespace {
// The bit of EditTriggerRole that opens a cell's editor on a single left press.
constexpr int SinglePressBit = 0x2;
} // namespace

ZtTableView::ZtTableView(QWidget* parent)
    : ZtTableView(PixmapNormal, parent)
{
}

ZtTableView::ZtTableView(ZtTableView::ItemDelegateEnum enumDelegate, QWidget* parent)
    : ZtBaseView(parent)
{
    // The base view's default delegate is replaced, not kept beside the new one.
    QAbstractItemDelegate* const previous = itemDelegate();
    if (enumDelegate == PixmapSvg)
        setItemDelegate(new ZtTableViewItemDelegateSvg(this));
    else
        setItemDelegate(new ZtTableViewItemDelegate(this));
    delete previous;
    setIndentation(0);
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(false);
}

ZtTableView::~ZtTableView() = default;

bool ZtTableView::edit(const QModelIndex& index, QAbstractItemView::EditTrigger trigger, QEvent* event)
{
    // A mouse press asks with NoEditTriggers; such a cell answers as to a double click.
    if (event && event->type() == QEvent::MouseButtonPress && trigger == QAbstractItemView::NoEditTriggers
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && (index.data(struTreeViewData::EditTriggerRole).toInt() & SinglePressBit)) {
        trigger = QAbstractItemView::DoubleClicked;
    }
    return ZtBaseView::edit(index, trigger, event);
}

} // namespace ZtGUI
