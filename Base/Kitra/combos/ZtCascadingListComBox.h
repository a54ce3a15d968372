#pragma once

#include <QMap>
#include <QScopedPointer>
#include <QVector>
#include "ZtCustomComboBox.h"

namespace ZtGUI {

class ZtCascadingListComBoxPrivate;

/// A combo box for a two-level catalogue whose drop-down is a ZtCascadingListWidget: resting
/// the mouse on a main item opens its sub-items on its right. Choosing an item shows its text as
/// the only item and remembers the keys chosen: the one sub key, or all the sub keys of a main item.
class KITRA_EXPORT ZtCascadingListComBox : public ZtCustomComboBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCascadingListComBox)

public:
    /// An empty combo box whose drop-down does not open until InitDate().
    explicit ZtCascadingListComBox(QWidget* parent = nullptr);
    ~ZtCascadingListComBox() override;

    /// Builds the drop-down from the catalogue on the first call; later calls are ignored.
    /// `mapMainItems` maps main keys to texts, `mapCascadingItems` main keys to their sub-items
    /// (sub key to text); both are listed in ascending key order.
    void InitDate(QMap<int, QString> mapMainItems, QMap<int, QMap<int, QString>> mapCascadingItems);
    /// Copies the keys of the last choice into `vecChosenItems`: the one sub key, or every sub key
    /// of a chosen main item (none for a main item without sub-items, and none before any choice).
    /// The combo box's currentIndexChanged and currentTextChanged signals report a new choice.
    void GetCurrentChosenItem(QVector<int>& vecChosenItems);

public slots:
    /// Takes main item `nItemValue` as the choice: shows `strItemName` as the only item, remembers
    /// its sub keys and closes the drop-down.
    void OnMainListItemClicked(int nItemValue, QString strItemName);
    /// Takes sub-item `nItemValue` as the choice: shows `strItemName` as the only item, remembers
    /// its key and closes the drop-down.
    void OnCascadingListItemClicked(int nItemValue, QString strItemName);
    /// Fixes the drop-down's width to twice the combo box's width and its height to that of the
    /// longer list while the sub-list shows, and its width to the combo box's when it hides; the
    /// drop-down does not move.
    void OnCascadingListVisibleChange(bool bVisible);

protected:
    /// Opens the drop-down with the sub-list hidden.
    void showPopup() override;

private:
    QScopedPointer<ZtCascadingListComBoxPrivate> d_ptr;
};

} // namespace ZtGUI
