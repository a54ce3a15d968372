#pragma once

// A shown display wall of 800 x 600 on a 2 x 2 grid, as a host builds it, with helpers that find
// the screens and windows the operator sees.
#include "KitraTest.h"
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtSetting.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <memory>

using ZtGUI::StructScaleRect;
using ZtGUI::ZtTVWallDisplayScreen;
using ZtGUI::ZtTVWallDisplayWindow;
using ZtGUI::ZtTVWallDisplayWnd;

Q_DECLARE_METATYPE(QEvent*)

struct DisplayWallHost
{
    // Screens as quarters of the wall: 0 top-left, 1 top-right, 2 the bottom half.
    explicit DisplayWallHost(int screens = 1)
    {
        // Skin paths are built with the widgets, so the skin comes first.
        QString version = QStringLiteral("DustyBlue");
        ZtGUI::SetSkinVersion(version);
        wall.reset(new ZtTVWallDisplayWnd);
        qRegisterMetaType<StructScaleRect>();
        qRegisterMetaType<QEvent*>();
        wall->SetTVWallGridCount(2, 2);
        const StructScaleRect places[] = {{0.0, 0.0, 0.5, 0.5}, {0.5, 0.0, 1.0, 0.5}, {0.0, 0.5, 1.0, 1.0}};
        for (int i = 0; i < screens; ++i)
            wall->AddScreen(places[i], QVariant(i));
        wall->resize(800, 600);
        wall->show();
        QVERIFY(QTest::qWaitForWindowExposed(wall.get()));
    }

    ZtTVWallDisplayScreen* screen(int i) const
    {
        const auto all = wall->findChildren<ZtTVWallDisplayScreen*>(QString(), Qt::FindDirectChildrenOnly);
        return i < all.size() ? all.at(i) : nullptr;
    }
    QWidget* viewport(int i) const { return screen(i)->viewport(); }
    ZtTVWallDisplayWindow* window(int s, int w) const { return screen(s)->GetWindow(w); }

    // Opens a window on the pixels `r` of screen `s`.
    int open(int s, const QRect& r, bool free = true)
    {
        const QSize size = viewport(s)->size();
        const StructScaleRect scale(double(r.left()) / size.width(), double(r.top()) / size.height(),
                                    double(r.right() + 1) / size.width(), double(r.bottom() + 1) / size.height(), free);
        return wall->OpenWindow(s, scale, QVariant(wall->GetWindowCount(s)));
    }

    // The window on top at a point of a screen's viewport.
    ZtTVWallDisplayWindow* topAt(int s, const QPoint& p) const
    {
        for (QWidget* w = viewport(s)->childAt(p); w; w = w->parentWidget()) {
            if (auto* window = qobject_cast<ZtTVWallDisplayWindow*>(w))
                return window;
        }
        return nullptr;
    }

    std::unique_ptr<ZtTVWallDisplayWnd> wall;
};
