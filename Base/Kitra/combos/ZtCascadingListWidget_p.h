#pragma once

#include <QMap>
#include <QString>

class QListWidgetItem;
class QModelIndex;

namespace ZtGUI {

class ZtCascadingListWidget;
class ZtListWidget;

class ZtCascadingListWidgetPrivate
{
    Q_DECLARE_PUBLIC(ZtCascadingListWidget)

public:
    explicit ZtCascadingListWidgetPrivate(ZtCascadingListWidget* q);

    using ItemSlot = void (ZtCascadingListWidget::*)(QListWidgetItem*);
    /// Calls `slot` for the item at `index` once the list has finished its own handling of the
    /// mouse event, so that a slot deleting the pop-up does not pull the list from under it.
    void Defer(ZtListWidget* list, const QModelIndex& index, ItemSlot slot);

    ZtCascadingListWidget* const q_ptr;
    ZtListWidget* mainList = nullptr;
    ZtListWidget* cascadingList = nullptr;
    QMap<int, QString> mainItems;
    QMap<int, QMap<int, QString>> cascadingItems;
};

} // namespace ZtGUI
