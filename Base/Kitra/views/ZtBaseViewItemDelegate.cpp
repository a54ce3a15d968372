#include "ZtBaseViewItemDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>
#include "CommonFun.h"

namespace ZtGUI {

namespace {
// Long tool tips are wrapped to this many pixels rather than spanning the screen.
constexpr int ToolTipWidth = 500;

// The cell's tool tip, else its display text; invalid when neither is text.
QVariant toolTipOf(const QModelIndex& index)
{
    for (const int role : {int(Qt::ToolTipRole), int(Qt::DisplayRole)}) {
        const QVariant value = index.data(role);
        if (value.canConvert<QString>())
            return value;
    }
    return QVariant();
}
} // namespace

ZtBaseViewItemDelegate::ZtBaseViewItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

ZtBaseViewItemDelegate::~ZtBaseViewItemDelegate() = default;

bool ZtBaseViewItemDelegate::helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView,
                                       const QStyleOptionViewItem& optionItem, const QModelIndex& miItem)
{
    if (!pEvent || !pView)
        return false;
    if (pEvent->type() != QEvent::ToolTip)
        return QAbstractItemDelegate::helpEvent(pEvent, pView, optionItem, miItem);
    const QVariant tip = toolTipOf(miItem);
    if (!tip.isValid())
        return false;
    QToolTip::showText(pEvent->globalPos(), ConvertWarpText(optionItem.fontMetrics, tip.toString(), ToolTipWidth),
                       pView);
    return true;
}

void ZtBaseViewItemDelegate::hoverEvent(QHoverEvent*, QAbstractItemView*, const QStyleOptionViewItem&,
                                        const QModelIndex&)
{
}

struTreeViewData::ZtItemDataRole ZtBaseViewItemDelegate::mouseEvent(QMouseEvent*, QAbstractItemView*,
                                                                    const QStyleOptionViewItem&,
                                                                    const QModelIndex&)
{
    return struTreeViewData::NoneRole;
}

} // namespace ZtGUI
