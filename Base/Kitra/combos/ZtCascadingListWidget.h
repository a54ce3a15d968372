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
/// sub-items theirs in Qt::UserRole + 2. A click reports the key and the text of its item.
class KITRA_EXPORT ZtCascadingListWidget : public ZtComboBoxPopupContainer
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCascadingListWidget)

public:
    explicit ZtCascadingListWidget(QWidget* parent = nullptr);
    ~ZtCascadingListWidget() override;

    /// Keeps the catalogue and lists its main items in key order.
    void InitDate(QMap<int, QString> mapMainItems, QMap<int, QMap<int, QString>> mapCascadingItems);
    /// The sub-items of main key `key`, or null when it has none; valid until the next InitDate.
    const QMap<int, QString>* GetCascadingMapByMainListItem(int key);
    void SetCascadingListVisible(bool bVisible);
    /// Sizes the lists to their rows, side by side at the height of the longer one.
    void AdjustListSize();

signals:
    void SignalMainListItemClicked(int nItemValue, QString strItemName);
    void SignalCascadingListItemClicked(int nItemValue, QString strItemName);
    void SignalCascadingListVisibleChange(bool bVisible);

public slots:
    void OnMainListItemEnter(QListWidgetItem* pItem);
    void OnMainListItemClicked(QListWidgetItem* pItem);
    void OnCascadingListItemClicked(QListWidgetItem* pItem);

private:
    QScopedPointer<ZtCascadingListWidgetPrivate> d_ptr;
};

} // namespace ZtGUI
