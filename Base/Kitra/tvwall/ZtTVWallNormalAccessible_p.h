#pragma once

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QPointer>

class QGraphicsItem;

namespace ZtGUI {

class ZtTVWallNormalScreen;
class ZtTVWallNormalWindow;
class ZtTVWallNormalWnd;

/// Lets assistive tools walk the scene wall: the wall, its screens and their windows answer
/// QAccessible with the interfaces below. Installed once, by the first wall.
void ZtTVWallNormalInstallAccessible();

/// Tells assistive tools that `item` (a screen, or a window on a screen of a wall) had the change
/// `type`. Builds nothing unless assistive tools are active (Qt hands events to an update handler
/// only then too): a wall may hold thousands of windows. Sent only while the item stands on its
/// wall, so a deleted item is announced before it goes, and never from a destructor.
void ZtTVWallNormalNotify(QObject* item, QAccessible::Event type);
/// Likewise for a change of the states set in `changed` (selected, read-only).
void ZtTVWallNormalNotifyState(QObject* item, QAccessible::State changed);
/// The selected state of `item` and of the screen it stands on, if any (a screen counts as
/// selected with its windows).
void ZtTVWallNormalNotifySelected(QGraphicsItem* item);

/// The wall: its children are its screens, in number order.
class ZtTVWallNormalWndAccessible : public QAccessibleWidget
{
public:
    /// The interface of `wall`.
    explicit ZtTVWallNormalWndAccessible(ZtTVWallNormalWnd* wall);

    /// The number of screens.
    int childCount() const override;
    /// Screen `index`, or null.
    QAccessibleInterface* child(int index) const override;
    /// The number of the screen `child` stands for, or -1.
    int indexOfChild(const QAccessibleInterface* child) const override;
    /// The screen under the global point (`x`, `y`), or null.
    QAccessibleInterface* childAt(int x, int y) const override;
    /// The accessible name the host gave, else "TV wall".
    QString text(QAccessible::Text t) const override;

private:
    ZtTVWallNormalWnd* wall() const;
};

/// One screen of the scene wall, named "Screen N" after its number; its children are its windows.
/// The number is looked up on each query, so it follows the wall.
class ZtTVWallNormalScreenAccessible : public QAccessibleObject
{
public:
    /// The interface of `screen`.
    explicit ZtTVWallNormalScreenAccessible(ZtTVWallNormalScreen* screen);

    /// False once the screen is gone or no longer on a wall.
    bool isValid() const override;
    /// The wall's top-level window.
    QWindow* window() const override;
    /// The wall.
    QAccessibleInterface* parent() const override;
    /// The number of windows.
    int childCount() const override;
    /// Window `index`, or null.
    QAccessibleInterface* child(int index) const override;
    /// The number of the window `child` stands for, or -1.
    int indexOfChild(const QAccessibleInterface* child) const override;
    /// The front window under the global point (`x`, `y`), or null.
    QAccessibleInterface* childAt(int x, int y) const override;
    /// "Screen N" as the name, the rectangle in fractions of the wall as the description.
    QString text(QAccessible::Text t) const override;
    /// Grouping.
    QAccessible::Role role() const override;
    /// Selectable; selected with the screen or one of its windows; read-only out of free mode.
    QAccessible::State state() const override;
    /// The screen's rectangle in global pixels.
    QRect rect() const override;

private:
    ZtTVWallNormalScreen* screen() const;
    int number() const;
};

/// One window of the scene wall, named "Window W on screen N" (plus ": text" with a content
/// text); its children are its title bar's shown buttons.
class ZtTVWallNormalWindowAccessible : public QAccessibleObject
{
public:
    /// The interface of `window`.
    explicit ZtTVWallNormalWindowAccessible(ZtTVWallNormalWindow* window);
    /// Drops the button interfaces made for this window.
    ~ZtTVWallNormalWindowAccessible() override;

    /// False once the window is gone or no longer on a screen of a wall.
    bool isValid() const override;
    /// The wall's top-level window.
    QWindow* window() const override;
    /// The screen.
    QAccessibleInterface* parent() const override;
    /// The number of shown title buttons that have a name.
    int childCount() const override;
    /// Title button `index`, or null.
    QAccessibleInterface* child(int index) const override;
    /// The number of the button `child` stands for, or -1.
    int indexOfChild(const QAccessibleInterface* child) const override;
    /// The title button under the global point (`x`, `y`), or null.
    QAccessibleInterface* childAt(int x, int y) const override;
    /// The name above, the rectangle in fractions of the screen as the description.
    QString text(QAccessible::Text t) const override;
    /// Window.
    QAccessible::Role role() const override;
    /// Selectable while the wall lets windows be selected, selected, read-only when the window or
    /// its screen is locked (not free), invisible while hidden.
    QAccessible::State state() const override;
    /// The window's rectangle in global pixels.
    QRect rect() const override;

private:
    ZtTVWallNormalWindow* item() const;
    ZtTVWallNormalScreen* screen() const;
    ZtTVWallNormalWnd* wall() const;
    /// The buttons' identifiers, as they stand from the right.
    QList<int> shownButtons() const;

    mutable QHash<int, QAccessible::Id> m_buttonIds;     // by button identifier
};

} // namespace ZtGUI
