#include "ZtPushButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ZtGUI {

namespace {

// Pressed wins over hovered, hovered over disabled: a pressed button is always under the mouse.
QIcon::Mode modeForState(QStyle::State state)
{
    if (state & QStyle::State_Sunken)
        return QIcon::Selected;
    if (state & QStyle::State_MouseOver)
        return QIcon::Active;
    if (!(state & QStyle::State_Enabled))
        return QIcon::Disabled;
    return QIcon::Normal;
}

} // namespace

ZtPushButton::ZtPushButton(QWidget* parent)
    : QPushButton(parent)
{
}

ZtPushButton::ZtPushButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

ZtPushButton::ZtPushButton(const QIcon& icon, const QString& text, QWidget* parent)
    : QPushButton(icon, text, parent)
{
}

void ZtPushButton::initStyleOption(QStyleOptionButton* option) const
{
    if (!option)
        return;
    QPushButton::initStyleOption(option);
    if (icon().isNull())
        return;
    const int extent = style()->pixelMetric(QStyle::PM_SmallIconSize, option, this);
    option->icon = QIcon(icon().pixmap(QSize(extent, extent), modeForState(option->state), QIcon::Off));
}

void ZtPushButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace ZtGUI
