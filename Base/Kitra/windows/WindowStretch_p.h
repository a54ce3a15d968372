#pragma once

#include "ZtBaseWindowTitle.h"

#include <QRect>
#include <QVector>

#include <utility>

namespace ZtGUI {

// Width of the side strips, and height of the top and bottom strips and of the corners.
constexpr int kStretchStripWidth = 4;
constexpr int kStretchStripHeight = 4;

/// The strips along the border of a frameless window in which a press stretches it: the title bar
/// has the top and the sides, the dialog's frame all four edges.
class WindowStretchRegions
{
public:
    using State = ZtBaseWindowTitle::WindowStretchRectState;
    enum Edges { TopAndSides, AllEdges };

    /// Lays the strips out along a part of `size`.
    void compute(const QSize& size, Edges edges);
    /// The strip that holds `pos`, corners before edges; STRETCH_NONE outside them all.
    State stateAt(const QPoint& pos) const;

private:
    QVector<std::pair<QRect, State>> m_regions;
};

/// The resize cursor of a stretch state; the arrow for none.
Qt::CursorShape StretchCursor(ZtBaseWindowTitle::WindowStretchRectState state);

} // namespace ZtGUI
