#pragma once

#include "ZtListWidget.h"

#include <QMap>
#include <QString>
#include <functional>

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
    using ClickSignal = void (ZtCascadingListWidget::*)(int, QString);
    /// Reports a click on `item` of `list` (null is ignored) by `signal` with its key in `keyRole`
    /// and its text, then hides the sub-list unless a slot deleted the pop-up.
    void ReportClick(ZtCascadingItemList* list, const QListWidgetItem* item, int keyRole, ClickSignal signal);

    ZtCascadingListWidget* const q_ptr;
    ZtCascadingItemList* mainList = nullptr;
    ZtCascadingItemList* cascadingList = nullptr;
    QMap<int, QString> mainItems;
    QMap<int, QMap<int, QString>> cascadingItems;
};

} // namespace ZtGUI
