#include "WindowStretch_p.h"

namespace ZtGUI {

void WindowStretchRegions::compute(const QSize& size, Edges edges)
{
    const int w = size.width();
    const int h = size.height();
    const int sw = kStretchStripWidth;
    const int sh = kStretchStripHeight;
    const bool bottom = edges == AllEdges;
    // Corners first, so that they win over the edges they touch.
    m_regions.clear();
    m_regions.append({QRect(0, 0, sw, sh), ZtBaseWindowTitle::STRETCH_TOP_LEFT});
    m_regions.append({QRect(w - sw, 0, sw, sh), ZtBaseWindowTitle::STRETCH_TOP_RIGHT});
    if (bottom) {
        m_regions.append({QRect(w - sw, h - sh, sw, sh), ZtBaseWindowTitle::STRETCH_BOTTOM_RIGHT});
        m_regions.append({QRect(0, h - sh, sw, sh), ZtBaseWindowTitle::STRETCH_BOTTOM_LEFT});
    }
    m_regions.append({QRect(sw, 0, w - 2 * sw, sh), ZtBaseWindowTitle::STRETCH_TOP});
    m_regions.append({QRect(w - sw, sh, sw, h - 2 * sh), ZtBaseWindowTitle::STRETCH_RIGHT});
    if (bottom)
        m_regions.append({QRect(sw, h - sh, w - 2 * sw, sh), ZtBaseWindowTitle::STRETCH_BOTTOM});
    m_regions.append({QRect(0, sh, sw, h - 2 * sh), ZtBaseWindowTitle::STRETCH_LEFT});
}

WindowStretchRegions::State WindowStretchRegions::stateAt(const QPoint& pos) const
{
    for (const auto& region : m_regions) {
        if (region.first.contains(pos))
            return region.second;
    }
    return ZtBaseWindowTitle::STRETCH_NONE;
}

Qt::CursorShape StretchCursor(ZtBaseWindowTitle::WindowStretchRectState state)
{
    switch (state) {
    case ZtBaseWindowTitle::STRETCH_TOP_LEFT:
    case ZtBaseWindowTitle::STRETCH_BOTTOM_RIGHT:
        return Qt::SizeFDiagCursor;
    case ZtBaseWindowTitle::STRETCH_TOP:
    case ZtBaseWindowTitle::STRETCH_BOTTOM:
        return Qt::SizeVerCursor;
    case ZtBaseWindowTitle::STRETCH_TOP_RIGHT:
    case ZtBaseWindowTitle::STRETCH_BOTTOM_LEFT:
        return Qt::SizeBDiagCursor;
    case ZtBaseWindowTitle::STRETCH_RIGHT:
    case ZtBaseWindowTitle::STRETCH_LEFT:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace ZtGUI
