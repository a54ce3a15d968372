#include "ZtMenu.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace ZtGUI {

ZtMenu::ZtMenu(QWidget* parent)
    : QMenu(parent)
{
}

ZtMenu::ZtMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
}

bool ZtMenu::event(QEvent* event)
{
    if (event->type() == QEvent::Show) {
        const QScreen* holder = QGuiApplication::screenAt(pos());
        const QRect available = (holder ? holder : screen())->availableGeometry();
        const int overhang = geometry().bottom() - available.bottom();
        if (overhang > 0)
            move(x(), y() - overhang);
    }
    return QMenu::event(event);
}

} // namespace ZtGUI
