#include "WPushButton.h"
#include "WPushButton_p.h"

#include "KitraAccessible_p.h"

namespace ZtGUI {

WPushButton::WPushButton(QWidget* parent)
    : QPushButton(parent)
    , d_ptr(new WPushButtonPrivate)
{
    // An icon alone says nothing to a screen reader: the button goes by its text or tool tip.
    RegisterAccessible(staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new ZtPictureButtonAccessible(static_cast<QAbstractButton*>(object),
                                             [](const QAbstractButton*) { return WPushButton::tr("Icon button"); });
    });
}

WPushButton::~WPushButton() = default;

void WPushButton::SetIcon(QIcon* const icons, int count)
{
    Q_D(WPushButton);
    if (!icons) {
        if (count > 0)
            qWarning("WPushButton::SetIcon: null icon array for %d icons", count);
        return;
    }
    for (int i = 0; i < count && i < WPushButtonPrivate::kIconCount; ++i)
        d->icons[i] = icons[i];
}

void WPushButton::enterEvent(KitraEnterEvent* /*event*/)
{
    Q_D(WPushButton);
    setIcon(d->icons[1]);
}

void WPushButton::leaveEvent(QEvent* /*event*/)
{
    Q_D(WPushButton);
    setIcon(d->icons[0]);
}

} // namespace ZtGUI
