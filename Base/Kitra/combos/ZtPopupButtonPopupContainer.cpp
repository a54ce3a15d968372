#include "ZtPopupButtonPopupContainer.h"
#include "ZtPopupButtonPopupContainer_p.h"

#include "KitraCompat_p.h"

#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace ZtGUI {

ZtPopupButtonPopupContainer::ZtPopupButtonPopupContainer(QWidget* parent)
    : QWidget(parent, Qt::Popup)
    , d_ptr(new ZtPopupButtonPopupContainerPrivate)
{
    auto* const layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
}

ZtPopupButtonPopupContainer::~ZtPopupButtonPopupContainer()
{
    Q_D(ZtPopupButtonPopupContainer);
    // The content dies with the container below: it must not ask for a replacement then.
    if (d->content)
        disconnect(d->content, nullptr, this, nullptr);
}

void ZtPopupButtonPopupContainer::SetContent(QWidget* widget)
{
    Q_D(const ZtPopupButtonPopupContainer);
    if (widget == d->content)
        return;
    // An application widget keeps the size it was given; one never sized brings its size hint.
    const QSize size = widget->testAttribute(Qt::WA_Resized) ? widget->size() : widget->sizeHint();
    Install(widget);
    resize(size.expandedTo(minimumSize()));
}

void ZtPopupButtonPopupContainer::Install(QWidget* widget)
{
    Q_D(ZtPopupButtonPopupContainer);
    if (d->content) {
        disconnect(d->content, nullptr, this, nullptr);
        if (isAncestorOf(d->content))
            delete d->content;
    }
    d->content = widget;
    widget->setParent(this);
    widget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    static_cast<QBoxLayout*>(layout())->insertWidget(0, widget);
    connect(widget, &QObject::destroyed, this, &ZtPopupButtonPopupContainer::WidgetDestroyed);
}

void ZtPopupButtonPopupContainer::WidgetDestroyed()
{
    Q_D(ZtPopupButtonPopupContainer);
    // A widget announces its end before its guards clear: it must not be deleted again here.
    d->content = nullptr;
    // The pop-up keeps its size, empty, rather than pointing at a widget that is gone.
    Install(new QWidget(this));
}

void ZtPopupButtonPopupContainer::mousePressEvent(QMouseEvent* event)
{
    if (auto* const button = qobject_cast<QToolButton*>(parentWidget())) {
        QStyleOptionToolButton option;
        option.initFrom(button);
        option.subControls = QStyle::SC_All;
        const QStyle::SubControl hit = button->style()->hitTestComplexControl(
            QStyle::CC_ToolButton, &option, button->mapFromGlobal(KitraCompat::EventGlobalPos(event)), button);
        // The press that closes the pop-up over its button must not reach the button again,
        // or it would reopen the pop-up at once.
        setAttribute(Qt::WA_NoMouseReplay, hit == QStyle::SC_ToolButton);
    }
    if (rect().contains(event->pos()))
        QWidget::mousePressEvent(event);
    else
        hide();
}

} // namespace ZtGUI
