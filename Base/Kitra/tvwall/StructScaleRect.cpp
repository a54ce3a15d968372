#include "StructScaleRect.h"

#include <QtMath>

namespace ZtGUI {

namespace {
// Registered by name at load time so that queued and string-based connections can carry it.
[[maybe_unused]] const int g_scaleRectTypeId = qRegisterMetaType<StructScaleRect>("ZtGUI::StructScaleRect");
}

bool StructScaleRect::IsEqual(const StructScaleRect& other, double precision) const
{
    // The slack absorbs binary rounding, so that 0.5 and 0.502 count as 0.002 apart.
    const double limit = precision + 1e-9;
    return qAbs(dLeft - other.dLeft) <= limit && qAbs(dTop - other.dTop) <= limit
        && qAbs(dRight - other.dRight) <= limit && qAbs(dBottom - other.dBottom) <= limit;
}

} // namespace ZtGUI
