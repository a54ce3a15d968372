#pragma once

#include <QMap>
#include <QScopedPointer>
#include <QVector>
#include "ZtCustomComboBox.h"

namespace ZtGUI {

class ZtCascadingListComBoxPrivate;

/// A combo box for a two-level catalogue whose drop-down is a ZtCascadingListWidget: resting
/// the mouse on a main item opens its sub-items beside it (on the left when the screen has no
/// room on the right). Choosing an item shows its text as the only item and remembers the keys
/// chosen: the one sub key, or all the sub keys of a main item.
class KITRA_EXPORT ZtCascadingListComBox : public ZtCustomComboBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCascadingListComBox)

public:
    explicit ZtCascadingListComBox(QWidget* parent = nullptr);
    ~ZtCascadingListComBox() override;

    /// Builds the drop-down from the catalogue on the first call; later calls are ignored.
    void InitDate(QMap<int, QString> mapMainItems, QMap<int, QMap<int, QString>> mapCascadingItems);
    void GetCurrentChosenItem(QVector<int>& vecChosenItems);

public slots:
    void OnMainListItemClicked(int nItemValue, QString strItemName);
    void OnCascadingListItemClicked(int nItemValue, QString strItemName);
    void OnCascadingListVisibleChange(bool bVisible);

protected:
    void showPopup() override;

private:
    QScopedPointer<ZtCascadingListComBoxPrivate> d_ptr;
};

} // namespace ZtGUI
