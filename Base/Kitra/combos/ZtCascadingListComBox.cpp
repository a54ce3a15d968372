#include "ZtCascadingListComBox.h"
#include "ZtCascadingListComBox_p.h"

#include "ZtComboBoxPopupContainer_p.h"

#include <QPointer>

namespace ZtGUI {

void ZtCascadingListComBoxPrivate::ShowChoice(const QString& text)
{
    Q_Q(ZtCascadingListComBox);
    if (ComboPopup::ShowOnlyItem(q, text))
        q->hidePopup();
}

ZtCascadingListComBox::ZtCascadingListComBox(QWidget* parent)
    : ZtCustomComboBox(parent)
    , d_ptr(new ZtCascadingListComBoxPrivate(this))
{
}

ZtCascadingListComBox::~ZtCascadingListComBox() = default;

void ZtCascadingListComBox::InitDate(QMap<int, QString> mapMainItems, QMap<int, QMap<int, QString>> mapCascadingItems)
{
    Q_D(ZtCascadingListComBox);
    if (d->list)
        return;
    d->list = new ZtCascadingListWidget(this);
    d->list->InitDate(std::move(mapMainItems), std::move(mapCascadingItems));
    d->list->AdjustListSize();
    SetPopupContainer(d->list);
    connect(d->list, &ZtCascadingListWidget::SignalMainListItemClicked, this, &ZtCascadingListComBox::OnMainListItemClicked);
    connect(d->list, &ZtCascadingListWidget::SignalCascadingListItemClicked, this,
            &ZtCascadingListComBox::OnCascadingListItemClicked);
    connect(d->list, &ZtCascadingListWidget::SignalCascadingListVisibleChange, this,
            &ZtCascadingListComBox::OnCascadingListVisibleChange);
}

void ZtCascadingListComBox::GetCurrentChosenItem(QVector<int>& vecChosenItems)
{
    Q_D(const ZtCascadingListComBox);
    vecChosenItems = d->chosen;
}

void ZtCascadingListComBox::OnMainListItemClicked(int nItemValue, QString strItemName)
{
    Q_D(ZtCascadingListComBox);
    const QMap<int, QString>* subItems = d->list ? d->list->GetCascadingMapByMainListItem(nItemValue) : nullptr;
    d->chosen = subItems ? subItems->keys().toVector() : QVector<int>();
    d->ShowChoice(strItemName);
}

void ZtCascadingListComBox::OnCascadingListItemClicked(int nItemValue, QString strItemName)
{
    Q_D(ZtCascadingListComBox);
    d->chosen = {nItemValue};
    d->ShowChoice(strItemName);
}

void ZtCascadingListComBox::OnCascadingListVisibleChange(bool bVisible)
{
    Q_D(ZtCascadingListComBox);
    if (!d->list)
        return;
    // The pop-up stays where it opened: the sub-list takes the room on the right of the main list.
    d->list->setFixedWidth((bVisible ? 2 : 1) * width());
    d->list->AdjustListSize();
    if (bVisible)
        d->list->setFixedHeight(d->list->sizeHint().height());
}

void ZtCascadingListComBox::showPopup()
{
    Q_D(ZtCascadingListComBox);
    const QPointer<ZtCascadingListComBox> alive(this);
    if (d->list)
        d->list->SetCascadingListVisible(false);
    if (alive)     // a host's slot for the visibility signal may have deleted the box
        ZtCustomComboBox::showPopup();
}

} // namespace ZtGUI
