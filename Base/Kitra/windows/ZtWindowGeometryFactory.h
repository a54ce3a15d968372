#pragma once

#include <QRect>
#include <QSize>
#include "KitraExport.h"

class QWidget;

namespace ZtGUI {

/// Maximises, restores, minimises and makes full-screen any top-level widget. The window's normal
/// geometry and its size state live in the dynamic properties "_ZT_WindowGeometry_" (QRect) and
/// "_ZT_WindowType_" (0 normal, 1 maximised, 2 full screen) on the window itself, so that any code
/// holding the window can ask which state it is in. Every operation does nothing for a null window.
class KITRA_EXPORT ZtWindowGeometryFactory
{
public:
    ZtWindowGeometryFactory() = default;
    virtual ~ZtWindowGeometryFactory();

    /// Saves the normal geometry and covers the available area of the window's screen.
    void ShowMaximized(QWidget* w);
    /// Back to the saved geometry, resized to `size` when it is valid; without a saved geometry
    /// only resizes, and only to a valid `size`.
    void ShowNormal(QWidget* w, QSize size);
    /// Saves the normal geometry and covers the whole of the window's screen.
    void ShowFullScreen(QWidget* w);
    /// Minimises `w` through the window system; the saved state properties are left alone.
    void ShowMinimized(QWidget* w);
    /// Whether `w` is minimised; false for null.
    bool IsMinimized(QWidget* w) const;
    /// Whether `w` was maximised by ShowMaximized() and not restored since; false for null.
    bool IsMaximized(QWidget* w) const;
    /// Whether `w` was made full screen by ShowFullScreen() and not restored since; false for null.
    bool IsFullScreen(QWidget* w) const;
    /// The geometry saved before maximising or going full screen, or an empty rectangle.
    QRect GetNormalGeometry(QWidget* w) const;
    /// Resizes to a non-empty `size` once the style sheet has given the window its minimum sizes.
    void ResizeWindow(QWidget* w, QSize size);
    /// Sets a non-empty `rect` (pixels, global for a window) once the style sheet has given the window
    /// its minimum sizes; an empty `rect` changes nothing.
    void SetWindowGeometry(QWidget* w, QRect rect);
};

/// Starting at `w` and walking up the parents, the first window that does not inherit `className`
/// (any window when `className` is null); null when there is none.
KITRA_EXPORT QWidget* GetTopWindow(QWidget* w, const char* className);

} // namespace ZtGUI
