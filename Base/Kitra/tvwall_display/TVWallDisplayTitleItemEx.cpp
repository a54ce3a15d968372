#include "TVWallDisplayTitleItemEx.h"
#include "TVWallDisplayTitleItemEx_p.h"

#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace ZtGUI {

namespace {
const int kWidth = 17;
const int kItemHeight = 20;
} // namespace

TVWallDisplayTitleItemEx::TVWallDisplayTitleItemEx(bool bLight, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , d_ptr(new TVWallDisplayTitleItemExPrivate)
{
    Q_D(TVWallDisplayTitleItemEx);
    d->light = bLight;
    d->layout = new QVBoxLayout(this);
    d->layout->setContentsMargins(2, 2, 2, 2);
    d->layout->setSpacing(5);
    setFixedSize(kWidth, 0);
    hide();
}

TVWallDisplayTitleItemEx::~TVWallDisplayTitleItemEx() = default;

void TVWallDisplayTitleItemEx::AddButton(QToolButton* button)
{
    Q_D(TVWallDisplayTitleItemEx);
    if (!button)
        return;
    d->layout->addWidget(button, 0, Qt::AlignHCenter);
    ++d->items;
    setFixedSize(kWidth, kItemHeight * d->items);
}

void TVWallDisplayTitleItemEx::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(TVWallDisplayTitleItemEx);
    QPainter painter(this);
    painter.setOpacity(0.8);
    painter.fillRect(rect(), d->light ? QColor(145, 155, 168) : QColor(53, 53, 53));
}

} // namespace ZtGUI
