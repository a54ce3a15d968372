#include "ZtCascadingListWidget.h"
#include "ZtCascadingListWidget_p.h"

#include "KitraGuard_p.h"
#include "ZtListWidget.h"

#include <QBoxLayout>
#include <QPersistentModelIndex>

namespace ZtGUI {

namespace {

constexpr int kMainKeyRole = Qt::UserRole + 1;
constexpr int kCascadingKeyRole = Qt::UserRole + 2;

QListWidgetItem* NewItem(const QString& text, int role, int key, QListWidget* list)
{
    auto* item = new QListWidgetItem(text, list);
    item->setData(role, key);
    return item;
}

ZtListWidget* NewList(const QString& name, QWidget* parent)
{
    auto* list = new ZtListWidget(parent);
    list->setObjectName(name);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The pop-up may be mirrored to open its sub-list on the left; the texts never are.
    list->setLayoutDirection(Qt::LeftToRight);
    return list;
}

QVBoxLayout* Column(QWidget* list)
{
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(list);
    column->addStretch();
    return column;
}

} // namespace

ZtCascadingListWidgetPrivate::ZtCascadingListWidgetPrivate(ZtCascadingListWidget* q)
    : q_ptr(q)
{
}

void ZtCascadingListWidgetPrivate::Defer(ZtListWidget* list, const QModelIndex& index, ItemSlot slot)
{
    Q_Q(ZtCascadingListWidget);
    const QPersistentModelIndex row(index);
    QMetaObject::invokeMethod(
        q, [q, list, row, slot] {
            if (row.isValid())
                (q->*slot)(list->item(row.row()));
        },
        Qt::QueuedConnection);
}

ZtCascadingListWidget::ZtCascadingListWidget(QWidget* parent)
    : ZtComboBoxPopupContainer(parent)
    , d_ptr(new ZtCascadingListWidgetPrivate(this))
{
    Q_D(ZtCascadingListWidget);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(tr("Choices"));
    d->mainList = NewList(QStringLiteral("MainList"), this);
    d->mainList->setAccessibleName(tr("Main items"));
    d->mainList->setMouseTracking(true);
    d->cascadingList = NewList(QStringLiteral("CascadingList"), this);
    d->cascadingList->setAccessibleName(tr("Sub-items"));
    d->cascadingList->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The combo box places and sizes the pop-up, which may be shorter than its lists near a
    // screen edge.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addLayout(Column(d->mainList));
    layout->addLayout(Column(d->cascadingList));

    connect(d->mainList, &QAbstractItemView::entered, this,
            [d](const QModelIndex& index) { d->Defer(d->mainList, index, &ZtCascadingListWidget::OnMainListItemEnter); });
    connect(d->mainList, &QAbstractItemView::clicked, this,
            [d](const QModelIndex& index) { d->Defer(d->mainList, index, &ZtCascadingListWidget::OnMainListItemClicked); });
    connect(d->cascadingList, &QAbstractItemView::clicked, this, [d](const QModelIndex& index) {
        d->Defer(d->cascadingList, index, &ZtCascadingListWidget::OnCascadingListItemClicked);
    });
}

ZtCascadingListWidget::~ZtCascadingListWidget() = default;

void ZtCascadingListWidget::InitDate(QMap<int, QString> mapMainItems, QMap<int, QMap<int, QString>> mapCascadingItems)
{
    Q_D(ZtCascadingListWidget);
    d->mainItems = std::move(mapMainItems);
    d->cascadingItems = std::move(mapCascadingItems);
    d->mainList->clear();
    d->cascadingList->clear();
    for (auto it = d->mainItems.cbegin(); it != d->mainItems.cend(); ++it)
        NewItem(it.value(), kMainKeyRole, it.key(), d->mainList);
}

const QMap<int, QString>* ZtCascadingListWidget::GetCascadingMapByMainListItem(int key)
{
    Q_D(const ZtCascadingListWidget);
    const auto it = d->cascadingItems.constFind(key);
    return it == d->cascadingItems.cend() ? nullptr : &it.value();
}

void ZtCascadingListWidget::SetCascadingListVisible(bool bVisible)
{
    Q_D(ZtCascadingListWidget);
    d->cascadingList->setVisible(bVisible);
    emit SignalCascadingListVisibleChange(bVisible);
}

void ZtCascadingListWidget::AdjustListSize()
{
    Q_D(ZtCascadingListWidget);
    const int rows = d->mainList->count();
    const int rowHeight = rows ? d->mainList->visualItemRect(d->mainList->item(0)).height() : 0;
    int listHeight = rows * rowHeight;
    if (!d->cascadingList->isHidden())
        listHeight = qMax(listHeight, d->cascadingList->count() * rowHeight);
    // Side by side, both lists and the pop-up take the height of the longer list.
    d->mainList->setFixedHeight(listHeight);
    d->cascadingList->setFixedHeight(listHeight);
    resize(width(), listHeight);
}

void ZtCascadingListWidget::OnMainListItemEnter(QListWidgetItem* pItem)
{
    Q_D(ZtCascadingListWidget);
    if (!pItem)
        return;
    d->mainList->setCurrentItem(pItem);
    const QMap<int, QString>* subItems = GetCascadingMapByMainListItem(pItem->data(kMainKeyRole).toInt());
    // An empty sub-map opens no empty list beside the item.
    if (!subItems || subItems->isEmpty()) {
        SetCascadingListVisible(false);
        return;
    }
    d->cascadingList->clear();
    for (auto it = subItems->cbegin(); it != subItems->cend(); ++it)
        NewItem(it.value(), kCascadingKeyRole, it.key(), d->cascadingList);
    d->cascadingList->scrollToTop();
    d->cascadingList->show();
    AdjustListSize();
    emit SignalCascadingListVisibleChange(true);
}

void ZtCascadingListWidget::OnMainListItemClicked(QListWidgetItem* pItem)
{
    if (pItem && EmitAlive(this, &ZtCascadingListWidget::SignalMainListItemClicked,
                           pItem->data(kMainKeyRole).toInt(), pItem->text()))
        SetCascadingListVisible(false);
}

void ZtCascadingListWidget::OnCascadingListItemClicked(QListWidgetItem* pItem)
{
    if (pItem && EmitAlive(this, &ZtCascadingListWidget::SignalCascadingListItemClicked,
                           pItem->data(kCascadingKeyRole).toInt(), pItem->text()))
        SetCascadingListVisible(false);
}

} // namespace ZtGUI
