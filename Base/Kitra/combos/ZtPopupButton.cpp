#include "ZtPopupButton.h"
#include "ZtPopupButton_p.h"

#include "ZtComboBoxPopupContainer_p.h"

#include <QKeyEvent>
#include <QLayout>

namespace ZtGUI {

ZtPopupButtonPopupContainer* ZtPopupButtonPrivate::Container()
{
    if (!container) {
        container = new ZtPopupButtonPopupContainer(q_ptr);
        container->setAccessibleName(ZtPopupButton::tr("Pop-up"));
    }
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
    if (ComboPopup::IsClosingKey(event)) {
        hidePopup();
        event->accept();
        return true;
    }
    return QToolButton::event(event);
}

} // namespace ZtGUI
