#pragma once

// Shown walls with a known pixel size, ways to reach their items and point at them, and compact
// forms of scales and signal arguments for whole-list comparisons.
#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalTitleItem.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallOperateWnd.h"

#include <QGraphicsPixmapItem>
#include <memory>

namespace SceneWallTest {

using namespace ZtGUI;
using Ids = QList<int>;
using Sides = QList<double>;
using Calls = QList<Sides>;

/// Skin paths are built when widgets are, so the skin is set before any wall exists.
inline void useSkin(const QString& dir = QCoreApplication::applicationDirPath())
{
    QString version = QStringLiteral("DustyBlue"), path = dir;
    SetSkinVersion(version);
    ZtDir::SetCurrentPath(path);
}

inline StructScaleRect rect(double l, double t, double r, double b, bool free = true)
{
    return StructScaleRect(l, t, r, b, free);
}

/// Left, top, right, bottom to a millionth, so that a rectangle compares with its literals.
inline Sides sides(const StructScaleRect& r)
{
    Sides out;
    for (double v : {r.dLeft, r.dTop, r.dRight, r.dBottom})
        out << qRound64(v * 1e6) / 1e6;
    return out;
}

/// Every call a spy saw, flattened: numbers as they are, a scale as its four sides.
inline Calls calls(const QSignalSpy& spy)
{
    Calls out;
    for (const QList<QVariant>& args : spy) {
        out << Sides();
        for (const QVariant& arg : args)
            out.last() << (arg.canConvert<double>() ? Sides{arg.toDouble()} : sides(arg.value<StructScaleRect>()));
    }
    return out;
}

/// How many pixels of `area` of `widget`, as it paints itself now, are `colour`.
inline int pixelsOf(QWidget* widget, const QRect& area, const QColor& colour)
{
    const QImage image = widget->grab().toImage();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    }
    return n;
}

/// The screen item whose user data is `s`.
inline ZtTVWallNormalScreen* screenOf(ZtTVWallNormalWnd* wall, int s)
{
    for (QGraphicsItem* item : wall->scene()->items()) {
        auto* screen = dynamic_cast<ZtTVWallNormalScreen*>(item);
        if (screen && screen->GetUserData() == QVariant(s))
            return screen;
    }
    return nullptr;
}

/// The wall's viewport is exactly `size` and shows the scene 1:1 from the origin.
class Wall
{
public:
    explicit Wall(int rows = 4, int cols = 4, QSize size = QSize(800, 400)) : m_wall(new ZtTVWallNormalWnd)
    {
        m_wall->setFrameShape(QFrame::NoFrame);
        m_wall->resize(size);
        m_wall->SetTVWallGridCount(rows, cols);
        m_wall->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wall.get()));
    }

    ZtTVWallNormalWnd* operator->() const { return m_wall.get(); }
    ZtTVWallNormalWnd* get() const { return m_wall.get(); }
    QWidget* viewport() const { return m_wall->viewport(); }
    /// Hands the wall over to a caller that deletes it itself.
    ZtTVWallNormalWnd* release() { return m_wall.release(); }

    /// Adds a screen whose user data is its number, so that its item can be found again.
    int addScreen(const StructScaleRect& scale) { return m_wall->AddScreen(scale, QVariant(m_wall->GetScreenCount())); }
    /// Screen 0 as the wall's top-left quarter (400 x 200), with windows at `windows`.
    void furnish(const QList<StructScaleRect>& windows)
    {
        addScreen(rect(0, 0, 0.5, 0.5));
        for (const StructScaleRect& w : windows)
            m_wall->OpenWindow(0, w, {});
    }

    ZtTVWallNormalScreen* screen(int s) const { return screenOf(m_wall.get(), s); }
    ZtTVWallNormalWindow* window(int s, int w) const { return screen(s) ? screen(s)->GetWindow(w) : nullptr; }
    Sides scale(int s, int w) const
    {
        StructScaleRect r;
        return m_wall->GetWindowScale(s, w, r) ? sides(r) : Sides();
    }

    /// Points in a screen's or a window's own coordinates, as viewport positions.
    QPoint onScreen(int s, const QPointF& p) const { return m_wall->mapFromScene(screen(s)->mapToScene(p)); }
    QPoint onWindow(int s, int w, const QPointF& p) const { return m_wall->mapFromScene(window(s, w)->mapToScene(p)); }
    /// The middle of the window's body, below its title bar.
    QPoint bodyOf(int s, int w) const
    {
        const QRectF r = window(s, w)->boundingRect();
        return onWindow(s, w, QPointF(r.center().x(), (r.top() + 30 + r.bottom()) / 2));
    }
    QGraphicsPixmapItem* button(int s, int w, int id) const
    {
        for (QGraphicsPixmapItem* b : window(s, w)->GetTitleItem()->GetButtons()) {
            if (b->data(100).toInt() == id)
                return b;
        }
        return nullptr;
    }
    QPoint buttonAt(int s, int w, int id) const
    {
        return m_wall->mapFromScene(button(s, w, id)->sceneBoundingRect().center());
    }

private:
    std::unique_ptr<ZtTVWallNormalWnd> m_wall;
};

/// An 800 x 600 facade shown in `mode`, or null when the window system does not show it.
inline std::unique_ptr<ZtTVWallOperateWnd> shownFacade(int mode)
{
    auto op = std::make_unique<ZtTVWallOperateWnd>();
    op->resize(800, 600);
    op->SetShowMode(mode);
    op->show();
    return QTest::qWaitForWindowExposed(op.get()) ? std::move(op) : nullptr;
}

} // namespace SceneWallTest
