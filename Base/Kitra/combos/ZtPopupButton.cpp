#include "ZtPopupButton.h"
#include "ZtPopupButton_p.h"

#include <QKeyEvent>
#include <QLayout>

namespace ZtGUI {

ZtPopupButtonPopupContainer* ZtPopupButtonPrivate::Container()
{
    if (!container)
        container = new ZtPopupButtonPopupContainer(q_ptr);
    return container;
}

ZtPopupButton::ZtPopupButton(QWidget* parent)
    : QToolButton(parent)
    , d_ptr(new ZtPopupButtonPrivate(this))
{
}

ZtPopupButton::~ZtPopupButton() = default;

void ZtPopupButton::SetPopupWidget(QWidget* pWidget)
{
    Q_D(ZtPopupButton);
    if (pWidget)
        d->Container()->SetContent(pWidget);
}

void ZtPopupButton::showPopup()
{
    Q_D(ZtPopupButton);
    ZtPopupButtonPopupContainer* const container = d->Container();
    container->layout()->activate();
    const QPoint anchor = mapToGlobal(QPoint(width() / 2, height()));
    container->setGeometry(anchor.x() - container->width() / 2, anchor.y(), container->width(),
                           container->height());
    if (!container->isVisible()) {
        container->show();
        container->update();
    }
}

void ZtPopupButton::hidePopup()
{
    Q_D(ZtPopupButton);
    if (d->container)
        d->container->hide();
}

void ZtPopupButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    showPopup();
}

bool ZtPopupButton::event(QEvent* event)
{
    Q_D(ZtPopupButton);
    if (event->type() == QEvent::KeyPress && d->PopupVisible()) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        // Only an open pop-up takes these keys, so that a closed button still lets Escape and
        // Return reach its dialog.
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            hidePopup();
            event->accept();
            return true;
        }
    }
    return QToolButton::event(event);
}

} // namespace ZtGUI
