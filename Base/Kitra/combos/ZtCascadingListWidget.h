#pragma once

#include <QMap>
#include <QScopedPointer>
#include <QString>
#include "ZtComboBoxPopupContainer.h"

class QListWidgetItem;

namespace ZtGUI {

class ZtCascadingListWidgetPrivate;

/// The pop-up of a two-level choice: a list of main items and, beside it, the list of the
/// sub-items of the main item under the mouse. Main items carry their key in Qt::UserRole + 1,
/// sub-items theirs in Qt::UserRole + 2. A click reports the key and the text of its item before
/// the mouse event that made it has been delivered, once the list is done with that event.
class KITRA_EXPORT ZtCascadingListWidget : public ZtComboBoxPopupContainer
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCascadingListWidget)

public:
    /// An empty, translucent pop-up; the main list follows the mouse, the sub-list is hidden.
    explicit ZtCascadingListWidget(QWidget* parent = nullptr);
    ~ZtCascadingListWidget() override;

    /// Keeps the catalogue (main key to text; main key to sub key to text) and lists its main items
    /// in key order, replacing the earlier items.
    void InitDate(QMap<int, QString> mapMainItems, QMap<int, QMap<int, QString>> mapCascadingItems);
    /// The sub-items of main key `key`, or null when it has none; valid until the next InitDate.
    const QMap<int, QString>* GetCascadingMapByMainListItem(int key);
    /// Shows or hides the sub-list, then emits SignalCascadingListVisibleChange(`bVisible`).
    void SetCascadingListVisible(bool bVisible);
    /// Sizes the lists to their rows, side by side at the height of the longer one (0 without main
    /// items), and the pop-up's height with them, fixed while the sub-list shows.
    void AdjustListSize();

signals:
    /// The main item with key `nItemValue` and text `strItemName` was clicked; the sub-list hides next.
    void SignalMainListItemClicked(int nItemValue, QString strItemName);
    /// The sub-item with key `nItemValue` and text `strItemName` was clicked; the sub-list hides next.
    void SignalCascadingListItemClicked(int nItemValue, QString strItemName);
    /// The sub-list was shown (`bVisible` true) for the main item under the mouse, or hidden.
    void SignalCascadingListVisibleChange(bool bVisible);

public slots:
    /// Makes `pItem` current and lists its sub-items beside it, or hides the sub-list when it has
    /// none (an empty sub-map counts as none). Null is ignored.
    void OnMainListItemEnter(QListWidgetItem* pItem);
    /// Emits SignalMainListItemClicked() for `pItem`, then hides the sub-list; null is ignored.
    void OnMainListItemClicked(QListWidgetItem* pItem);
    /// Emits SignalCascadingListItemClicked() for `pItem`, then hides the sub-list; null is ignored.
    void OnCascadingListItemClicked(QListWidgetItem* pItem);

private:
    QScopedPointer<ZtCascadingListWidgetPrivate> d_ptr;
};

} // namespace ZtGUI
