#include "ZtCascadingListWidget.h"
#include "ZtCascadingListWidget_p.h"

#include "KitraGuard_p.h"

#include <QBoxLayout>
#include <QScopedValueRollback>

#include <utility>

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

ZtCascadingItemList* NewList(const QString& name, QWidget* parent)
{
    auto* list = new ZtCascadingItemList(parent);
    list->setObjectName(name);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

void ZtCascadingItemList::React(std::function<void()> reaction)
{
    if (m_handling)
        m_pending = std::move(reaction);
    else
        reaction();
}

bool ZtCascadingItemList::viewportEvent(QEvent* event)
{
    bool handled = false;
    {
        const QScopedValueRollback<bool> handling(m_handling, true);
        handled = ZtListWidget::viewportEvent(event);
    }
    if (m_handling || !m_pending)
        return handled;
    const std::function<void()> reaction = std::exchange(m_pending, nullptr);
    // Accepted, so that the event does not travel on to the parents of a list the reaction deleted.
    event->accept();
    reaction();
    return true;
}

void ZtCascadingListWidgetPrivate::Enter(QListWidgetItem* item)
{
    Q_Q(ZtCascadingListWidget);
    mainList->setCurrentItem(item);
    const QMap<int, QString>* subItems = q->GetCascadingMapByMainListItem(item->data(kMainKeyRole).toInt());
    // An empty sub-map opens no empty list beside the item.
    if (!subItems || subItems->isEmpty()) {
        q->SetCascadingListVisible(false);
        return;
    }
    cascadingList->clear();
    for (auto it = subItems->cbegin(); it != subItems->cend(); ++it)
        NewItem(it.value(), kCascadingKeyRole, it.key(), cascadingList);
    cascadingList->scrollToTop();
    cascadingList->show();
    q->AdjustListSize();
    emit q->SignalCascadingListVisibleChange(true);
}

void ZtCascadingListWidgetPrivate::ReportClick(ZtCascadingItemList* list, const QListWidgetItem* item, int keyRole,
                                               ClickSignal signal)
{
    Q_Q(ZtCascadingListWidget);
    if (!item)
        return;
    list->React([q, signal, key = item->data(keyRole).toInt(), text = item->text()] {
        if (EmitAlive(q, signal, key, text))
            q->SetCascadingListVisible(false);
    });
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

    connect(d->mainList, &QListWidget::itemEntered, this, &ZtCascadingListWidget::OnMainListItemEnter);
    connect(d->mainList, &QListWidget::itemClicked, this, &ZtCascadingListWidget::OnMainListItemClicked);
    connect(d->cascadingList, &QListWidget::itemClicked, this, &ZtCascadingListWidget::OnCascadingListItemClicked);
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
    const bool subListShown = !d->cascadingList->isHidden();
    int listHeight = rows * rowHeight;
    if (subListShown)
        listHeight = qMax(listHeight, d->cascadingList->count() * rowHeight);
    // Side by side, both lists and the pop-up take the height of the longer list.
    d->mainList->setFixedHeight(listHeight);
    d->cascadingList->setFixedHeight(listHeight);
    if (subListShown) {
        setFixedHeight(listHeight);
        return;
    }
    // Freed from the height fixed while the sub-list showed, so that the combo box may shorten
    // the pop-up to the room near a screen edge.
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    resize(width(), listHeight);
}

void ZtCascadingListWidget::OnMainListItemEnter(QListWidgetItem* pItem)
{
    Q_D(ZtCascadingListWidget);
    if (pItem)
        d->mainList->React([d, pItem] { d->Enter(pItem); });
}

void ZtCascadingListWidget::OnMainListItemClicked(QListWidgetItem* pItem)
{
    Q_D(ZtCascadingListWidget);
    d->ReportClick(d->mainList, pItem, kMainKeyRole, &ZtCascadingListWidget::SignalMainListItemClicked);
}

void ZtCascadingListWidget::OnCascadingListItemClicked(QListWidgetItem* pItem)
{
    Q_D(ZtCascadingListWidget);
    d->ReportClick(d->cascadingList, pItem, kCascadingKeyRole, &ZtCascadingListWidget::SignalCascadingListItemClicked);
}

} // namespace ZtGUI
