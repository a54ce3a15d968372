#pragma once

#include <QMetaType>
#include "KitraExport.h"

namespace ZtGUI {

/// A rectangle whose corners are fractions of the containing area: a screen's rectangle is in
/// fractions of the wall, a window's in fractions of its screen. (0, 0, 1, 1) is the whole area.
struct KITRA_EXPORT StructScaleRect
{
    StructScaleRect() = default;
    StructScaleRect(double left, double top, double right, double bottom, bool freeMode = true)
        : dLeft(left), dTop(top), dRight(right), dBottom(bottom), bFreeMode(freeMode)
    {
    }

    double dLeft = 0.0;
    double dTop = 0.0;
    double dRight = 0.0;     ///< x of the right edge, not a width
    double dBottom = 0.0;    ///< y of the bottom edge, not a height
    /// Whether the screen or window may be moved, resized and closed by the operator.
    bool bFreeMode = true;

    /// True when each of the four corners differs by at most `precision`; the flag is not compared.
    bool IsEqual(const StructScaleRect& other, double precision) const;
};

} // namespace ZtGUI

Q_DECLARE_METATYPE(ZtGUI::StructScaleRect)
