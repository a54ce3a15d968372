#include "ZtTVWallDisplayTitleItem.h"
#include "ZtTVWallDisplayTitleItem_p.h"

#include "ZtWindowTitleLabel.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace ZtGUI {

namespace {

const int kBarHeight = 24;
const int kButtonSlot = 26;      // a button and the spacing that follows it
const int kEdgeMargin = 6;       // width of the resize zones at the bar's edges

Qt::CursorShape edgeCursor(const QRect& bar, const QPoint& pos)
{
    const bool left = pos.x() < bar.left() + kEdgeMargin;
    const bool right = pos.x() > bar.right() - kEdgeMargin;
    const bool top = pos.y() < bar.top() + kEdgeMargin;
    if (top && left)
        return Qt::SizeFDiagCursor;
    if (top && right)
        return Qt::SizeBDiagCursor;
    if (left || right)
        return Qt::SizeHorCursor;
    return top ? Qt::SizeVerCursor : Qt::ArrowCursor;
}

} // namespace

ZtTVWallDisplayTitleItem::ZtTVWallDisplayTitleItem(bool bLight, QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtTVWallDisplayTitleItemPrivate)
{
    Q_D(ZtTVWallDisplayTitleItem);
    d->light = bLight;
    setFixedHeight(kBarHeight);
    setMouseTracking(true);

    d->layout = new QHBoxLayout(this);
    d->layout->setContentsMargins(7, 0, 6, 0);
    d->layout->setSpacing(13);

    d->titleLabel = new ZtWindowTitleLabel(this);
    d->titleLabel->setObjectName(QStringLiteral("pTitleLabel"));
    d->titleLabel->setStyleSheet(QStringLiteral("color:#FFFFFF;"));
    QSizePolicy policy = d->titleLabel->sizePolicy();
    policy.setHorizontalStretch(1);
    policy.setHorizontalPolicy(QSizePolicy::Ignored);     // a long title never widens the bar
    d->titleLabel->setSizePolicy(policy);
    d->layout->addWidget(d->titleLabel);

    d->showMore = new QToolButton(this);
    d->showMore->setObjectName(QStringLiteral("pTitleBtn"));
    d->showMore->setFixedSize(16, 16);
    d->showMore->setToolTip(tr("Show More"));
    d->showMore->setAccessibleName(tr("More"));
    d->showMore->setAccessibleDescription(tr("Show the title buttons that do not fit"));
    d->showMore->setFocusPolicy(Qt::NoFocus);
    d->showMore->hide();
    d->layout->addWidget(d->showMore);
    connect(d->showMore, &QToolButton::clicked, this, &ZtTVWallDisplayTitleItem::SignTitleBtnClicked);
}

ZtTVWallDisplayTitleItem::~ZtTVWallDisplayTitleItem() = default;

void ZtTVWallDisplayTitleItem::SetTitle(const QString& title)
{
    Q_D(ZtTVWallDisplayTitleItem);
    d->titleLabel->SetTitleText(title);
}

void ZtTVWallDisplayTitleItem::AddButton(QToolButton* button)
{
    Q_D(ZtTVWallDisplayTitleItem);
    if (!button || d->buttons.contains(button))
        return;
    d->layout->insertWidget(d->layout->indexOf(d->showMore), button);
    d->buttons.append(button);
    OnGeometryChanged();
}

void ZtTVWallDisplayTitleItem::SetSelected(bool bSelected)
{
    Q_D(ZtTVWallDisplayTitleItem);
    d->selected = bSelected;
    if (!bSelected)
        unsetCursor();
    update();
}

void ZtTVWallDisplayTitleItem::OnGeometryChanged()
{
    Q_D(ZtTVWallDisplayTitleItem);
    const int count = d->buttons.size();
    if (count == 0)
        return;
    const int hidden = qMax(0, count - width() / kButtonSlot);
    // Only the last button (close) stays when even two slots are missing; the pop-up then
    // offers the others, unless the bar is too narrow for the "Show More" button as well.
    const bool roomForAll = hidden < count - 2;
    const bool onlyMore = hidden == count - 2;
    for (int i = 0; i < count; ++i)
        d->buttons.at(i)->setVisible(roomForAll ? i >= hidden : i == count - 1);
    d->titleLabel->setVisible(roomForAll);
    d->showMore->setVisible(onlyMore);
}

void ZtTVWallDisplayTitleItem::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(ZtTVWallDisplayTitleItem);
    QPainter painter(this);
    const int inset = d->selected ? 2 : 1;
    painter.setOpacity(0.8);
    painter.fillRect(rect().adjusted(inset, inset, -inset, -inset),
                     d->light ? QColor(20, 30, 39) : QColor(8, 8, 8));
}

void ZtTVWallDisplayTitleItem::mouseMoveEvent(QMouseEvent* event)
{
    Q_D(ZtTVWallDisplayTitleItem);
    if (d->selected)
        setCursor(edgeCursor(rect(), event->pos()));
    // The window's screen moves and resizes windows: the move goes on to the window.
    event->ignore();
}

} // namespace ZtGUI
