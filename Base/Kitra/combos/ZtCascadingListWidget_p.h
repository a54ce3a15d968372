#pragma once

#include <QMap>
#include <QString>
#include <functional>
#include "ZtListWidget.h"

namespace ZtGUI {

class ZtCascadingListWidget;

/// A list of the pop-up that carries out the reaction to one of its item signals once the item
/// view is done with the mouse event that emitted it: the view goes on with itself after the
/// signal, while a host may delete the pop-up from a slot of what the reaction emits.
class ZtCascadingItemList : public ZtListWidget
{
public:
    using ZtListWidget::ZtListWidget;

    /// Runs `reaction` now, or at the end of the mouse event the list is handling.
    void React(std::function<void()> reaction);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    bool m_handling = false;
    std::function<void()> m_pending;
};

class ZtCascadingListWidgetPrivate
{
    Q_DECLARE_PUBLIC(ZtCascadingListWidget)

public:
    explicit ZtCascadingListWidgetPrivate(ZtCascadingListWidget* q) : q_ptr(q) {}

    /// Makes `item` current and lists its sub-items beside it, or hides the sub-list.
    void Enter(QListWidgetItem* item);

    ZtCascadingListWidget* const q_ptr;
    ZtCascadingItemList* mainList = nullptr;
    ZtCascadingItemList* cascadingList = nullptr;
    QMap<int, QString> mainItems;
    QMap<int, QMap<int, QString>> cascadingItems;
};

} // namespace ZtGUI
