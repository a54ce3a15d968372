#pragma once

#include "KitraAccessible_p.h"

#include <QAccessibleWidget>

namespace ZtGUI {

class ZtTVWallDisplayScreen;
class ZtTVWallDisplayWindow;
class ZtTVWallDisplayWnd;

/// Lets assistive tools see the display wall's screens and windows with their selection; their
/// names are the widgets' accessible names, which the wall keeps current. Installed once, by the
/// first wall.
void ZtTVWallDisplayInstallAccessible();

/// Tells assistive tools of a change of `item`'s selected state (nothing while none listens).
void ZtTVWallDisplayNotifySelected(QObject* item);
/// Likewise for its read-only (locked) state.
void ZtTVWallDisplayNotifyLocked(QObject* item);
/// The name of window `window` (from 0) on screen `screen` (from 0) showing `text`.
QString ZtTVWallDisplayWindowName(int window, int screen, const QString& text);

/// The wall: named "TV wall" until the host names it, as the scene wall is.
class ZtTVWallDisplayWndAccessible : public QAccessibleWidget
{
public:
    /// The interface of `wall`.
    explicit ZtTVWallDisplayWndAccessible(ZtTVWallDisplayWnd* wall);

    /// The host's accessible name, else "TV wall".
    QString text(QAccessible::Text t) const override;
};

/// A screen: its children are its windows, in number order.
class ZtTVWallDisplayScreenAccessible : public QAccessibleWidget
{
public:
    /// The interface of `screen`.
    explicit ZtTVWallDisplayScreenAccessible(ZtTVWallDisplayScreen* screen);

    /// The number of windows.
    int childCount() const override;
    /// Window `index`, or null.
    QAccessibleInterface* child(int index) const override;
    /// The number of the window `child` stands for, or -1.
    int indexOfChild(const QAccessibleInterface* child) const override;
    /// The front window under the global point (`x`, `y`), or null.
    QAccessibleInterface* childAt(int x, int y) const override;
    /// Selectable; selected while it is the wall's selected screen.
    QAccessible::State state() const override;

private:
    ZtTVWallDisplayScreen* screen() const;
};

/// A window: a widget with its selection, and read-only while locked.
class ZtTVWallDisplayWindowAccessible : public QAccessibleWidget
{
public:
    /// The interface of `window`.
    explicit ZtTVWallDisplayWindowAccessible(ZtTVWallDisplayWindow* window);

    /// The screen (the widget's own parent is the screen's viewport).
    QAccessibleInterface* parent() const override;
    /// The accessible name the wall gave; the rectangle in fractions of the screen as description.
    QString text(QAccessible::Text t) const override;
    /// Selectable, selected, read-only while the window or the wall is locked.
    QAccessible::State state() const override;

private:
    ZtTVWallDisplayWindow* subWindow() const;
};

} // namespace ZtGUI
