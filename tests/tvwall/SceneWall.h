#pragma once

// A shown scene wall with a known pixel size, and ways to reach its items and to point at them.
#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalTitleItem.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"

#include <QGraphicsPixmapItem>
#include <memory>

namespace SceneWallTest {

using namespace ZtGUI;

/// Skin paths are built when widgets are, so the skin is set before any wall exists.
inline void useShippedSkin()
{
    QString version = QStringLiteral("DustyBlue");
    QString dir = QCoreApplication::applicationDirPath();
    SetSkinVersion(version);
    ZtDir::SetCurrentPath(dir);
}

inline StructScaleRect rect(double l, double t, double r, double b, bool free = true)
{
    return StructScaleRect(l, t, r, b, free);
}

inline StructScaleRect scaleOf(const QVariant& v)
{
    return v.value<StructScaleRect>();
}

/// The wall's viewport is exactly `size` and shows the scene 1:1 from the origin.
class Wall
{
public:
    explicit Wall(int rows = 4, int cols = 4, QSize size = QSize(800, 400))
        : m_wall(new ZtTVWallNormalWnd)
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

    /// Adds a screen whose user data is its number, so that its item can be found again.
    int addScreen(const StructScaleRect& scale)
    {
        const int number = m_wall->GetScreenCount();
        return m_wall->AddScreen(scale, QVariant(number));
    }

    ZtTVWallNormalScreen* screen(int s) const
    {
        for (QGraphicsItem* item : m_wall->scene()->items()) {
            auto* screen = dynamic_cast<ZtTVWallNormalScreen*>(item);
            if (screen && screen->GetUserData() == QVariant(s))
                return screen;
        }
        return nullptr;
    }

    ZtTVWallNormalWindow* window(int s, int w) const
    {
        ZtTVWallNormalScreen* item = screen(s);
        return item ? item->GetWindow(w) : nullptr;
    }

    /// A point in screen `s`'s own coordinates, as a viewport position.
    QPoint onScreen(int s, const QPointF& p) const { return m_wall->mapFromScene(screen(s)->mapToScene(p)); }
    /// A point in window coordinates, as a viewport position.
    QPoint onWindow(int s, int w, const QPointF& p) const
    {
        return m_wall->mapFromScene(window(s, w)->mapToScene(p));
    }
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

} // namespace SceneWallTest

#define QCOMPARE_SCALE(actual, l, t, r, b)                 \
    do {                                                   \
        const ZtGUI::StructScaleRect a_ = (actual);        \
        QVERIFY2(qAbs(a_.dLeft - (l)) < 1e-6 && qAbs(a_.dTop - (t)) < 1e-6 && qAbs(a_.dRight - (r)) < 1e-6 \
                     && qAbs(a_.dBottom - (b)) < 1e-6,     \
                 qPrintable(QStringLiteral("(%1, %2, %3, %4)").arg(a_.dLeft).arg(a_.dTop).arg(a_.dRight).arg(a_.dBottom))); \
    } while (false)
