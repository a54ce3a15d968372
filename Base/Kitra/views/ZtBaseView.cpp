#include "ZtBaseView.h"
#include "ZtBaseView_p.h"

#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>
#include "KitraCompat_p.h"
#include "KitraGuard_p.h"
#include "ZtBaseViewItemDelegate.h"
#include "ZtHeaderView.h"
#include "ZtHorScrollBar.h"
#include "ZtVerScrollBar.h"

namespace ZtGUI {

namespace {
// Bursts of model changes end in one resize, this long after the last of them.
constexpr int ResizeDelay = 50;

// Invokes a method of the delegate by its signature; a delegate without it receives nothing,
// and no warning is written for it.
template <typename... Args>
void invokeOnDelegate(QAbstractItemDelegate* delegate, const char* signature, Args... args)
{
    if (!delegate)
        return;
    const QMetaObject* meta = delegate->metaObject();
    meta->method(meta->indexOfMethod(signature)).invoke(delegate, Qt::DirectConnection, args...);
}
} // namespace

QStyleOptionViewItem ZtBaseViewPrivate::optionAt(const QPoint& pos, QModelIndex* index) const
{
    Q_Q(const ZtBaseView);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QStyleOptionViewItem option;
    q->initViewItemOption(&option);
#else
    QStyleOptionViewItem option = q->viewOptions();
#endif
    *index = q->indexAt(pos);
    option.rect = q->visualRect(*index);
    return option;
}

bool ZtBaseViewPrivate::routeMouse(QMouseEvent* event)
{
    Q_Q(ZtBaseView);
    QAbstractItemView* const view = q;
    QModelIndex index;
    const QStyleOptionViewItem option = optionAt(event->pos(), &index);
    struTreeViewData::ZtItemDataRole role = struTreeViewData::NoneRole;
    invokeOnDelegate(KitraCompat::DelegateFor(q, index), "mouseEvent(QMouseEvent*,QAbstractItemView*,QStyleOptionViewItem,QModelIndex)",
                     Q_RETURN_ARG(struTreeViewData::ZtItemDataRole, role), Q_ARG(QMouseEvent*, event),
                     Q_ARG(QAbstractItemView*, view), Q_ARG(QStyleOptionViewItem, option), Q_ARG(QModelIndex, index));
    if (event->type() != QEvent::MouseButtonRelease || !q->isEnabled())
        return true;
    // A slot may remove the clicked row: the later signals then carry an invalid index.
    const QPersistentModelIndex cell(index);
    const int button = event->button();
    return EmitAlive(q, qOverload<const QModelIndex&>(&ZtBaseView::SignalClicked), QModelIndex(cell))
        && EmitAlive(q, qOverload<const QModelIndex&, int>(&ZtBaseView::SignalClicked), QModelIndex(cell), button)
        && (role == struTreeViewData::NoneRole
            || EmitAlive(q, &ZtBaseView::SignalPixmapClicked, QModelIndex(cell), role));
}

void ZtBaseViewPrivate::routeHover(QHoverEvent* event)
{
    Q_Q(ZtBaseView);
    QAbstractItemView* const view = q;
    QModelIndex index;
    const QStyleOptionViewItem option = optionAt(KitraCompat::EventPos(event), &index);
    invokeOnDelegate(KitraCompat::DelegateFor(q, index), "hoverEvent(QHoverEvent*,QAbstractItemView*,QStyleOptionViewItem,QModelIndex)",
                     Q_ARG(QHoverEvent*, event), Q_ARG(QAbstractItemView*, view), Q_ARG(QStyleOptionViewItem, option),
                     Q_ARG(QModelIndex, index));
}

void ZtBaseViewPrivate::startResize()
{
    Q_Q(ZtBaseView);
    if (resizeColumn != -1)
        resizeTimer.start(ResizeDelay, q);
}

ZtBaseView::ZtBaseView(QWidget* parent)
    : QTreeView(parent)
    , d_ptr(new ZtBaseViewPrivate(this))
{
    setHorizontalScrollBar(new ZtHorScrollBar(this));
    setVerticalScrollBar(new ZtVerScrollBar(this));
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    ensurePolished();
    auto* header = new ZtHeaderView(Qt::Horizontal, this);
    setHeader(header);
    header->setSectionsClickable(true);
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    setItemDelegate(new ZtBaseViewItemDelegate(this));
    // Hover events reach the viewport, and so the delegate, only when asked for.
    viewport()->setAttribute(Qt::WA_Hover);
    connect(this, &QTreeView::expanded, this, &ZtBaseView::OnExpanded);
}

ZtBaseView::~ZtBaseView() = default;

void ZtBaseView::SetHorizontalGridVisible(bool bVisible)
{
    Q_D(ZtBaseView);
    d->horizontalGrid = bVisible;
    viewport()->update();
}

void ZtBaseView::SetVerizontalGridVisible(bool bVisible)
{
    Q_D(ZtBaseView);
    d->verticalGrid = bVisible;
    viewport()->update();
}

void ZtBaseView::SetColumnResizeToContents(int column)
{
    Q_D(ZtBaseView);
    if (column == -1)
        return;
    d->resizeColumn = column;
    d->startResize();
}

void ZtBaseView::OnExpanded(const QModelIndex& index)
{
    Q_D(ZtBaseView);
    if (index.isValid())
        d->startResize();
}

void ZtBaseView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_D(const ZtBaseView);
    QTreeView::drawRow(painter, option, index);
    if (!(d->horizontalGrid || d->verticalGrid) || !model())
        return;
    painter->save();
    painter->setPen(QColor(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this))));
    const QRect& rect = option.rect;
    if (d->horizontalGrid)
        painter->drawLine(rect.x(), rect.bottom(), rect.right(), rect.bottom());
    if (d->verticalGrid) {
        for (int column = 0; column < model()->columnCount(); ++column) {
            const int x = columnViewportPosition(column) - 1;
            painter->drawLine(x, rect.y(), x, rect.bottom());
        }
    }
    painter->restore();
}

bool ZtBaseView::viewportEvent(QEvent* event)
{
    Q_D(ZtBaseView);
    // Qt's view handles the event first, so that a slot of ours runs after it has finished.
    const bool result = QTreeView::viewportEvent(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (!d->routeMouse(static_cast<QMouseEvent*>(event))) {
            // A slot deleted the view: the event is spent and must not reach the dead viewport.
            event->accept();
            return true;
        }
        break;
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
        d->routeHover(static_cast<QHoverEvent*>(event));
        break;
    default:
        break;
    }
    return result;
}

void ZtBaseView::resizeEvent(QResizeEvent* event)
{
    Q_D(ZtBaseView);
    QTreeView::resizeEvent(event);
    d->startResize();
}

void ZtBaseView::timerEvent(QTimerEvent* event)
{
    Q_D(ZtBaseView);
    if (event->timerId() == d->resizeTimer.timerId()) {
        if (model() && model()->rowCount() != 0)
            resizeColumnToContents(d->resizeColumn);
        d->resizeTimer.stop();
    }
    QTreeView::timerEvent(event);
}

void ZtBaseView::dataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight, const QVector<int>& roles)
{
    Q_D(ZtBaseView);
    QTreeView::dataChanged(miTopLeft, miBottomRight, roles);
    update();
    d->startResize();
}

void ZtBaseView::rowsInserted(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(ZtBaseView);
    QTreeView::rowsInserted(miParent, iStart, iEnd);
    d->startResize();
}

void ZtBaseView::rowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(ZtBaseView);
    QTreeView::rowsAboutToBeRemoved(miParent, iStart, iEnd);
    d->startResize();
}

} // namespace ZtGUI
