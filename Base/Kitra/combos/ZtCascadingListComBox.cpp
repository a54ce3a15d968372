#include "ZtCascadingListComBox.h"
#include "ZtCascadingListComBox_p.h"

#include "ZtComboBoxPopupContainer_p.h"

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
    const QRect available = ComboPopup::AvailableGeometry(this);
    const int listWidth = qMin(width(), available.width());
    d->list->AdjustListSize();
    QRect geometry = ComboPopup::Geometry(this, listWidth, d->list->height());
    // The sub-list opens on the right of the main list, or on its left when only there it
    // stays on the screen, so that the main list never moves from under the mouse.
    const bool onLeft = bVisible && geometry.right() + listWidth > available.right();
    d->list->setLayoutDirection(onLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (bVisible) {
        geometry.setWidth(2 * listWidth);
        if (onLeft)
            geometry.moveLeft(qMax(available.left(), geometry.left() - listWidth));
    }
    if (d->list->isVisible())
        d->list->setGeometry(geometry);
    else
        d->list->resize(geometry.size());
}

void ZtCascadingListComBox::showPopup()
{
    Q_D(ZtCascadingListComBox);
    if (d->list)
        d->list->SetCascadingListVisible(false);
    ZtCustomComboBox::showPopup();
}

} // namespace ZtGUI
