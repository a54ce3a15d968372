#pragma once

#include <QStyledItemDelegate>
#include "KitraExport.h"
#include "struTreeViewData.h"

class QHoverEvent;
class QMouseEvent;

namespace ZtGUI {

/// The default delegate of ZtBaseView: word-wrapped tool tips from the tool-tip or display text,
/// and the two methods the view invokes by name for every mouse and hover event on its viewport.
/// A delegate that draws clickable images answers `mouseEvent` with the slot under the mouse.
class KITRA_EXPORT ZtBaseViewItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    /// A delegate owned by `parent` (usually the view).
    explicit ZtBaseViewItemDelegate(QObject* parent = nullptr);
    ~ZtBaseViewItemDelegate() override;

    /// Shows the cell's tool tip (else its display text) wrapped at 500 pixels.
    Q_INVOKABLE bool helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView,
                               const QStyleOptionViewItem& optionItem, const QModelIndex& miItem) override;

    /// Called by ZtBaseView for every hover on a cell; does nothing here.
    Q_INVOKABLE void hoverEvent(QHoverEvent* pHoverEvent, QAbstractItemView* pView,
                                const QStyleOptionViewItem& optionItem, const QModelIndex& miItem);
    /// The image slot under the mouse; this delegate draws none and answers NoneRole.
    Q_INVOKABLE struTreeViewData::ZtItemDataRole mouseEvent(QMouseEvent* pMouseEvent, QAbstractItemView* pView,
                                                            const QStyleOptionViewItem& optionItem,
                                                            const QModelIndex& miItem);
};

} // namespace ZtGUI
