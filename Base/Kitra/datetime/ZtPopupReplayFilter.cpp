#include "ZtPopupReplayFilter_p.h"

#include "KitraCompat_p.h"

#include <QMouseEvent>
#include <QWidget>

namespace ZtGUI {

ZtPopupReplayFilter::ZtPopupReplayFilter(QWidget* button, QWidget* popup)
    : QObject(button)
    , m_button(button)
    , m_popup(popup)
{
    popup->installEventFilter(this);
}

bool ZtPopupReplayFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popup && event->type() == QEvent::MouseButtonPress) {
        const QPoint global = KitraCompat::EventGlobalPos(static_cast<QMouseEvent*>(event));
        m_popup->setAttribute(Qt::WA_NoMouseReplay, m_button->rect().contains(m_button->mapFromGlobal(global)));
    }
    return false;
}

} // namespace ZtGUI
