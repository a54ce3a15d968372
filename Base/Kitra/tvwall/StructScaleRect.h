#pragma once

#include <QMetaType>
#include "KitraExport.h"

namespace ZtGUI {

/// A rectangle whose corners are fractions of the containing area: a screen's rectangle is in
/// fractions of the wall, a window's in fractions of its screen. (0, 0, 1, 1) is the whole area.
struct KITRA_EXPORT StructScaleRect
{
    /// All four corners 0.0 and free mode on.
    StructScaleRect() = default;
    /// The corners `left`, `top`, `right`, `bottom` (fractions, right and bottom are edges, not
    /// sizes) and the free-mode flag.
    StructScaleRect(double left, double top, double right, double bottom, bool freeMode = true)
        : dLeft(left), dTop(top), dRight(right), dBottom(bottom), bFreeMode(freeMode)
    {
    }

    double dLeft = 0.0;      ///< x of the left edge: 0.0 is the area's left side, 1.0 its right side
    double dTop = 0.0;       ///< y of the top edge: 0.0 is the area's top, 1.0 its bottom
    double dRight = 0.0;     ///< x of the right edge, not a width
    double dBottom = 0.0;    ///< y of the bottom edge, not a height
    /// Whether the screen or window may be moved, resized and closed by the operator (and reports
    /// those changes); rectangles the walls produce themselves carry true.
    bool bFreeMode = true;

    /// True when each of the four doubles differs by at most `precision` (the scene wall uses
    /// 0.002); the flag is not compared.
    bool IsEqual(const StructScaleRect& other, double precision) const;
};

} // namespace ZtGUI

Q_DECLARE_METATYPE(ZtGUI::StructScaleRect)
