#include "ZtTVWallDisplayAccessible_p.h"

#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWnd.h"

namespace ZtGUI {

void ZtTVWallDisplayNotifySelected(QObject* item)
{
    QAccessible::State changed;
    changed.selected = true;
    NotifyAccessibleState(item, changed);
}

void ZtTVWallDisplayNotifyLocked(QObject* item)
{
    QAccessible::State changed;
    changed.readOnly = true;
    NotifyAccessibleState(item, changed);
}

QString ZtTVWallDisplayWindowName(int window, int screen, const QString& text)
{
    const QString name = ZtTVWallDisplayWnd::tr("Window %1 on screen %2").arg(window + 1).arg(screen + 1);
    return text.isEmpty() ? name : ZtTVWallDisplayWnd::tr("%1: %2").arg(name, text);
}

void ZtTVWallDisplayInstallAccessible()
{
    static const bool installed = [] {
        RegisterAccessible(ZtTVWallDisplayWnd::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
            return new ZtTVWallDisplayWndAccessible(static_cast<ZtTVWallDisplayWnd*>(object));
        });
        RegisterAccessible(ZtTVWallDisplayScreen::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
            return new ZtTVWallDisplayScreenAccessible(static_cast<ZtTVWallDisplayScreen*>(object));
        });
        RegisterAccessible(ZtTVWallDisplayWindow::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
            return new ZtTVWallDisplayWindowAccessible(static_cast<ZtTVWallDisplayWindow*>(object));
        });
        return true;
    }();
    Q_UNUSED(installed)
}

ZtTVWallDisplayWndAccessible::ZtTVWallDisplayWndAccessible(ZtTVWallDisplayWnd* wall)
    : QAccessibleWidget(wall, QAccessible::Client)
{
}

QString ZtTVWallDisplayWndAccessible::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    return t == QAccessible::Name && own.isEmpty() ? ZtTVWallDisplayWnd::tr("TV wall") : own;
}

ZtTVWallDisplayScreenAccessible::ZtTVWallDisplayScreenAccessible(ZtTVWallDisplayScreen* screen)
    : QAccessibleWidget(screen, QAccessible::Grouping)
{
}

ZtTVWallDisplayScreen* ZtTVWallDisplayScreenAccessible::screen() const
{
    return static_cast<ZtTVWallDisplayScreen*>(widget());
}

int ZtTVWallDisplayScreenAccessible::childCount() const
{
    return screen()->GetWindowCount();
}

QAccessibleInterface* ZtTVWallDisplayScreenAccessible::child(int index) const
{
    ZtTVWallDisplayWindow* window = screen()->GetWindow(index);
    return window ? QAccessible::queryAccessibleInterface(window) : nullptr;
}

int ZtTVWallDisplayScreenAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; child && i < childCount(); ++i) {
        if (screen()->GetWindow(i) == child->object())
            return i;
    }
    return -1;
}

QAccessibleInterface* ZtTVWallDisplayScreenAccessible::childAt(int x, int y) const
{
    // Windows are stacked as the widgets are: the child under the point is the front one.
    const QWidget* viewport = screen()->viewport();
    QWidget* under = viewport->childAt(viewport->mapFromGlobal(QPoint(x, y)));
    for (; under && under != viewport; under = under->parentWidget()) {
        if (auto* window = qobject_cast<ZtTVWallDisplayWindow*>(under))
            return QAccessible::queryAccessibleInterface(window);
    }
    return nullptr;
}

QAccessible::State ZtTVWallDisplayScreenAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.selectable = true;
    s.selected = screen()->IsSelected();
    return s;
}

ZtTVWallDisplayWindowAccessible::ZtTVWallDisplayWindowAccessible(ZtTVWallDisplayWindow* window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

ZtTVWallDisplayWindow* ZtTVWallDisplayWindowAccessible::subWindow() const
{
    return static_cast<ZtTVWallDisplayWindow*>(widget());
}

QAccessibleInterface* ZtTVWallDisplayWindowAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(subWindow()->GetScreen());
}

QString ZtTVWallDisplayWindowAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return subWindow()->accessibleName();
    if (t == QAccessible::Description && subWindow()->accessibleDescription().isEmpty()) {
        const StructScaleRect scale = subWindow()->GetScale();
        return ZtTVWallDisplayWnd::tr("Left %1, top %2, right %3, bottom %4")
            .arg(scale.dLeft, 0, 'f', 3).arg(scale.dTop, 0, 'f', 3)
            .arg(scale.dRight, 0, 'f', 3).arg(scale.dBottom, 0, 'f', 3);
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State ZtTVWallDisplayWindowAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.selectable = true;
    s.selected = subWindow()->IsSelected();
    s.readOnly = subWindow()->GetLockBtnStatus() || subWindow()->IsWallLocked();
    return s;
}

} // namespace ZtGUI
