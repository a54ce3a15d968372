#include "ZtTVWallNormalAccessible_p.h"

#include "KitraAccessible_p.h"
#include "ZtTVWallItemData_p.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalScreen_p.h"
#include "ZtTVWallNormalTitleItem.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallNormalWnd_p.h"

#include <QGraphicsPixmapItem>

namespace ZtGUI {

namespace {

/// Where `item` stands on the screen of the desktop, as the view shows it now.
QRect globalRect(const ZtTVWallNormalWnd* wall, const QGraphicsItem* item)
{
    if (!wall || !item)
        return QRect();
    const QRect inViewport = wall->viewportTransform().mapRect(item->sceneBoundingRect()).toAlignedRect();
    return inViewport.translated(wall->viewport()->mapToGlobal(QPoint(0, 0)));
}

QWindow* windowOf(const ZtTVWallNormalWnd* wall)
{
    return wall ? wall->window()->windowHandle() : nullptr;
}

QString describe(const StructScaleRect& scale)
{
    return ZtTVWallNormalWnd::tr("Left %1, top %2, right %3, bottom %4")
        .arg(scale.dLeft, 0, 'f', 3).arg(scale.dTop, 0, 'f', 3)
        .arg(scale.dRight, 0, 'f', 3).arg(scale.dBottom, 0, 'f', 3);
}

ZtTVWallNormalWnd* ownerOf(ZtTVWallNormalScreen* screen)
{
    return screen ? ZtTVWallNormalScreenPrivate::get(screen)->owner : nullptr;
}

int numberOf(ZtTVWallNormalScreen* screen)
{
    ZtTVWallNormalWnd* wall = ownerOf(screen);
    return wall ? ZtTVWallNormalWndPrivate::get(wall)->screens.indexOf(screen) : -1;
}

int numberOf(ZtTVWallNormalScreen* screen, const QObject* window)
{
    for (int i = 0; screen && i < screen->GetWindowCount(); ++i) {
        if (screen->GetWindow(i) == window)
            return i;
    }
    return -1;
}

struct ButtonText
{
    int id;
    const char* name;
    const char* description;
};

const ButtonText kButtonTexts[] = {
    {ZtTVWallNormalWindow::CloseButton, QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Close"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Ask to close the window")},
    {ZtTVWallNormalWindow::MaxButton, QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Maximise"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Fill the screen with the window, or restore it")},
    {ZtTVWallNormalWindow::VolumeButton, QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Volume"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Ask to turn the window's sound on or off")},
    {ZtTVWallNormalWindow::SelfAdaptionButton, QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Fit to cells"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWnd", "Snap the window to whole grid cells, or restore it")},
};

const ButtonText* buttonText(int id)
{
    for (const ButtonText& text : kButtonTexts) {
        if (text.id == id)
            return &text;
    }
    return nullptr;
}

int buttonId(const QGraphicsItem* button)
{
    return button->data(TVWallItemData::ButtonId).toInt();
}

/// A picture button of a window's title bar. It belongs to no object of its own: the window's
/// interface registers it and deletes it with itself.
class ButtonAccessible : public QAccessibleInterface
{
public:
    ButtonAccessible(ZtTVWallNormalWindow* window, int id) : m_window(window), m_id(id) {}

    bool isValid() const override { return button() && button()->isVisible(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        const QAccessibleInterface* p = parent();
        return p ? p->window() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_window); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PushButton; }

    QString text(QAccessible::Text t) const override
    {
        const ButtonText* text = buttonText(m_id);
        if (!text)
            return QString();
        if (t == QAccessible::Name)
            return ZtTVWallNormalWnd::tr(text->name);
        if (t == QAccessible::Description)
            return ZtTVWallNormalWnd::tr(text->description);
        return QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !isValid();
        return s;
    }

    QRect rect() const override
    {
        const QGraphicsItem* b = button();
        return b && b->scene() && !b->scene()->views().isEmpty()
            ? globalRect(qobject_cast<ZtTVWallNormalWnd*>(b->scene()->views().first()), b) : QRect();
    }

private:
    QGraphicsPixmapItem* button() const
    {
        if (!m_window)
            return nullptr;
        for (QGraphicsPixmapItem* b : m_window->GetTitleItem()->GetButtons()) {
            if (buttonId(b) == m_id)
                return b;
        }
        return nullptr;
    }

    QPointer<ZtTVWallNormalWindow> m_window;
    int m_id;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ZtGUI::ZtTVWallNormalWnd"))
        return new ZtTVWallNormalWndAccessible(static_cast<ZtTVWallNormalWnd*>(object));
    if (className == QLatin1String("ZtGUI::ZtTVWallNormalScreen"))
        return new ZtTVWallNormalScreenAccessible(static_cast<ZtTVWallNormalScreen*>(object));
    if (className == QLatin1String("ZtGUI::ZtTVWallNormalWindow"))
        return new ZtTVWallNormalWindowAccessible(static_cast<ZtTVWallNormalWindow*>(object));
    return nullptr;
}

bool standing(QObject* item)
{
    const QAccessibleInterface* iface = item ? QAccessible::queryAccessibleInterface(item) : nullptr;
    return iface && iface->isValid();
}

} // namespace

void ZtTVWallNormalNotify(QObject* item, QAccessible::Event type)
{
    if (QAccessible::isActive() && standing(item))
        NotifyAccessible(item, type);
}

void ZtTVWallNormalNotifyState(QObject* item, QAccessible::State changed)
{
    if (QAccessible::isActive() && standing(item))
        NotifyAccessibleState(item, changed);
}

void ZtTVWallNormalNotifySelected(QGraphicsItem* item)
{
    QAccessible::State selected;
    selected.selected = true;
    ZtTVWallNormalNotifyState(item->toGraphicsObject(), selected);
    if (QGraphicsItem* screen = item->parentItem())
        ZtTVWallNormalNotifyState(screen->toGraphicsObject(), selected);
}

void ZtTVWallNormalInstallAccessible()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(factory);
    installed = true;
}

// The wall.

ZtTVWallNormalWndAccessible::ZtTVWallNormalWndAccessible(ZtTVWallNormalWnd* wall)
    : QAccessibleWidget(wall, QAccessible::Client)
{
}

ZtTVWallNormalWnd* ZtTVWallNormalWndAccessible::wall() const
{
    return static_cast<ZtTVWallNormalWnd*>(widget());
}

int ZtTVWallNormalWndAccessible::childCount() const
{
    return wall()->GetScreenCount();
}

QAccessibleInterface* ZtTVWallNormalWndAccessible::child(int index) const
{
    ZtTVWallNormalScreen* screen = ZtTVWallNormalWndPrivate::get(wall())->screen(index);
    return screen ? QAccessible::queryAccessibleInterface(screen) : nullptr;
}

int ZtTVWallNormalWndAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return ZtTVWallNormalWndPrivate::get(wall())->screens.indexOf(qobject_cast<ZtTVWallNormalScreen*>(child->object()));
}

QAccessibleInterface* ZtTVWallNormalWndAccessible::childAt(int x, int y) const
{
    for (int i = childCount() - 1; i >= 0; --i) {
        QAccessibleInterface* screen = child(i);
        if (screen && screen->rect().contains(x, y))
            return screen;
    }
    return nullptr;
}

QString ZtTVWallNormalWndAccessible::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    return t == QAccessible::Name && own.isEmpty() ? ZtTVWallNormalWnd::tr("TV wall") : own;
}

// A screen.

ZtTVWallNormalScreenAccessible::ZtTVWallNormalScreenAccessible(ZtTVWallNormalScreen* screen)
    : QAccessibleObject(screen)
{
}

ZtTVWallNormalScreen* ZtTVWallNormalScreenAccessible::screen() const
{
    return static_cast<ZtTVWallNormalScreen*>(object());
}

int ZtTVWallNormalScreenAccessible::number() const
{
    return QAccessibleObject::isValid() ? numberOf(screen()) : -1;
}

bool ZtTVWallNormalScreenAccessible::isValid() const
{
    return number() >= 0;
}

QWindow* ZtTVWallNormalScreenAccessible::window() const
{
    return isValid() ? windowOf(ownerOf(screen())) : nullptr;
}

QAccessibleInterface* ZtTVWallNormalScreenAccessible::parent() const
{
    return isValid() ? QAccessible::queryAccessibleInterface(ownerOf(screen())) : nullptr;
}

int ZtTVWallNormalScreenAccessible::childCount() const
{
    return isValid() ? screen()->GetWindowCount() : 0;
}

QAccessibleInterface* ZtTVWallNormalScreenAccessible::child(int index) const
{
    ZtTVWallNormalWindow* window = isValid() ? screen()->GetWindow(index) : nullptr;
    return window ? QAccessible::queryAccessibleInterface(window) : nullptr;
}

int ZtTVWallNormalScreenAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && isValid() ? numberOf(screen(), child->object()) : -1;
}

QAccessibleInterface* ZtTVWallNormalScreenAccessible::childAt(int x, int y) const
{
    ZtTVWallNormalWindow* front = nullptr;
    for (int i = 0; i < childCount(); ++i) {
        ZtTVWallNormalWindow* window = screen()->GetWindow(i);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
        if (window->isVisible() && iface->rect().contains(x, y) && (!front || window->zValue() >= front->zValue()))
            front = window;
    }
    return front ? QAccessible::queryAccessibleInterface(front) : nullptr;
}

QString ZtTVWallNormalScreenAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    if (t == QAccessible::Name)
        return ZtTVWallNormalWnd::tr("Screen %1").arg(number() + 1);
    if (t == QAccessible::Description) {
        StructScaleRect scale;
        screen()->GetScale(scale);
        return describe(scale);
    }
    return QString();
}

QAccessible::Role ZtTVWallNormalScreenAccessible::role() const
{
    return QAccessible::Grouping;
}

QAccessible::State ZtTVWallNormalScreenAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.selected = screen()->IsSelected();
    s.readOnly = !screen()->IsFreeMode();
    s.invisible = !screen()->isVisible();
    return s;
}

QRect ZtTVWallNormalScreenAccessible::rect() const
{
    return isValid() ? globalRect(ownerOf(screen()), screen()) : QRect();
}

// A window.

ZtTVWallNormalWindowAccessible::ZtTVWallNormalWindowAccessible(ZtTVWallNormalWindow* window)
    : QAccessibleObject(window)
{
}

ZtTVWallNormalWindowAccessible::~ZtTVWallNormalWindowAccessible()
{
    for (QAccessible::Id id : qAsConst(m_buttonIds))
        QAccessible::deleteAccessibleInterface(id);
}

ZtTVWallNormalWindow* ZtTVWallNormalWindowAccessible::item() const
{
    return static_cast<ZtTVWallNormalWindow*>(object());
}

ZtTVWallNormalScreen* ZtTVWallNormalWindowAccessible::screen() const
{
    return QAccessibleObject::isValid() ? qobject_cast<ZtTVWallNormalScreen*>(item()->parentWidget()) : nullptr;
}

ZtTVWallNormalWnd* ZtTVWallNormalWindowAccessible::wall() const
{
    return ownerOf(screen());
}

bool ZtTVWallNormalWindowAccessible::isValid() const
{
    return numberOf(screen()) >= 0 && numberOf(screen(), item()) >= 0;
}

QWindow* ZtTVWallNormalWindowAccessible::window() const
{
    return isValid() ? windowOf(wall()) : nullptr;
}

QAccessibleInterface* ZtTVWallNormalWindowAccessible::parent() const
{
    return isValid() ? QAccessible::queryAccessibleInterface(screen()) : nullptr;
}

QList<int> ZtTVWallNormalWindowAccessible::shownButtons() const
{
    QList<int> ids;
    if (!isValid())
        return ids;
    for (const QGraphicsPixmapItem* button : item()->GetTitleItem()->GetButtons()) {
        if (button->isVisible() && buttonText(buttonId(button)))
            ids << buttonId(button);
    }
    return ids;
}

int ZtTVWallNormalWindowAccessible::childCount() const
{
    return shownButtons().size();
}

QAccessibleInterface* ZtTVWallNormalWindowAccessible::child(int index) const
{
    const QList<int> ids = shownButtons();
    if (index < 0 || index >= ids.size())
        return nullptr;
    QAccessible::Id& id = m_buttonIds[ids.at(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new ButtonAccessible(item(), ids.at(index)));
    return QAccessible::accessibleInterface(id);
}

int ZtTVWallNormalWindowAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const QList<int> ids = shownButtons();
    for (int i = 0; i < ids.size(); ++i) {
        if (m_buttonIds.value(ids.at(i)) && QAccessible::accessibleInterface(m_buttonIds.value(ids.at(i))) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* ZtTVWallNormalWindowAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* button = child(i);
        if (button && button->rect().contains(x, y))
            return button;
    }
    return nullptr;
}

QString ZtTVWallNormalWindowAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    if (t == QAccessible::Name) {
        const QString name = ZtTVWallNormalWnd::tr("Window %1 on screen %2")
                                 .arg(numberOf(screen(), item()) + 1).arg(numberOf(screen()) + 1);
        const QString content = item()->GetContentText();
        return content.isEmpty() ? name : ZtTVWallNormalWnd::tr("%1: %2").arg(name, content);
    }
    if (t == QAccessible::Description)
        return describe(item()->GetScale());
    return QString();
}

QAccessible::Role ZtTVWallNormalWindowAccessible::role() const
{
    return QAccessible::Window;
}

QAccessible::State ZtTVWallNormalWindowAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = wall()->GetWindowSelectionMode() != ZtTVWallNormalWnd::NoSelection;
    s.selected = item()->isSelected();
    s.readOnly = !item()->IsFreeMode() || !screen()->IsFreeMode();
    s.invisible = !item()->isVisible();
    return s;
}

QRect ZtTVWallNormalWindowAccessible::rect() const
{
    return isValid() ? globalRect(wall(), item()) : QRect();
}

} // namespace ZtGUI
