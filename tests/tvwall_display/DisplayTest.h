#pragma once

// What the display tests share: a wall and a window hosted as a host does it, and small helpers.
#include "KitraTest.h"
#include "NotifyManager.h"
#include "NotifyWidget.h"
#include "ZtSetting.h"
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWnd.h"

#include <QMdiArea>
#include <functional>
#include <memory>

using ZtGUI::StructScaleRect;
using ZtGUI::ZtTVWallDisplayScreen;
using ZtGUI::ZtTVWallDisplayWindow;
using ZtGUI::ZtTVWallDisplayWnd;

Q_DECLARE_METATYPE(QEvent*)

// A slot for signals named at run time.
class Slot : public QObject
{
    Q_OBJECT

public:
    std::function<void()> run;
public slots:
    void call() { run(); }
};

// A spy's calls as one list, to compare with an expected one in a single check.
inline QList<QVariantList> calls(const QSignalSpy& spy) { return spy; }

// The scale that covers `pixels` of an area of `size`.
inline StructScaleRect scaleOf(const QRect& pixels, const QSizeF& size, bool free = true)
{
    return StructScaleRect(pixels.left() / size.width(), pixels.top() / size.height(),
                           (pixels.right() + 1) / size.width(), (pixels.bottom() + 1) / size.height(), free);
}

// The bounds of the pixels of `image` that differ from `ground`.
inline QRect inkBounds(const QImage& image, QRgb ground)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != ground)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// A shown wall of 800 x 600 on a 2 x 2 grid; screens 0 top-left, 1 top-right, 2 the bottom half.
struct DisplayWallHost
{
    explicit DisplayWallHost(int screens = 1)
    {
        QString version = QStringLiteral("DustyBlue");      // skin paths are built with the widgets
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

    ZtTVWallDisplayScreen* screen(int i) const { return wall->findChildren<ZtTVWallDisplayScreen*>().value(i); }
    QWidget* viewport(int i) const { return screen(i)->viewport(); }
    ZtTVWallDisplayWindow* window(int s, int w) const { return screen(s)->GetWindow(w); }
    // Opens a window on `pixels` of screen `s`.
    int open(int s, const QRect& pixels, bool free = true)
    {
        return wall->OpenWindow(s, scaleOf(pixels, viewport(s)->size(), free), QVariant(wall->GetWindowCount(s)));
    }

    std::unique_ptr<ZtTVWallDisplayWnd> wall;
};

// A shown on-screen text in 8192ths of its screen, red on a blue background of `alpha`.
inline ZtGUI::StructOSDInfo osdRecord(int left, int top, int right, int bottom, int alpha = 0, bool scaled = false)
{
    ZtGUI::StructOSDInfo info;
    info.bShow = true;
    info.struRect = {left, top, right, bottom};
    info.struTextColor = {255, 255, 0, 0};
    info.struBackColor = {0, 0, 255, alpha};
    info.bTransparency = scaled;
    info.cFontScale = 80;
    info.strText = "OSD";
    return info;
}

// An MDI area whose invokable cell counts drive a window's self-adaption, as a screen's do.
class CellArea : public QMdiArea
{
    Q_OBJECT

public:
    Q_INVOKABLE int GetRows() const { return rows; }
    Q_INVOKABLE int GetCols() const { return cols; }
    int rows = 1, cols = 1;
};

// A window hosted as a screen hosts it, with notices shown in an area of their own.
struct DisplayWindowHost
{
    // The window is placed on `selectedAt` of the area and selected, unless that is empty.
    explicit DisplayWindowHost(const QRect& selectedAt = QRect(), bool light = true, bool allButtons = true)
    {
        area.resize(1000, 600);
        area.move(40, 40);
        area.show();
        notices.resize(300, 300);
        NotifyManager::setNotifyArea(&notices, 0, 0, 300, 300);
        window = new ZtTVWallDisplayWindow(nullptr, true, allButtons, allButtons, allButtons, light, nullptr);
        area.addSubWindow(window, Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
        window->show();
        if (selectedAt.isValid()) {
            place(selectedAt);
            window->SetSelected(true);
        }
    }

    void place(const QRect& pixels) { window->SetScale(scaleOf(pixels, area.viewport()->size())); }
    template <typename T = QToolButton>
    T* child(const QString& name) const { return window->findChild<T*>(name); }

    QStringList noticeTexts() const
    {
        QStringList texts;
        for (const NotifyWidget* notice : notices.findChildren<NotifyWidget*>())
            texts << notice->Text();
        return texts;
    }

    // The PTZ controls that float over the video as windows of their own.
    static QList<QWidget*> floatingControls(bool visibleOnly = false)
    {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName().startsWith(QLatin1String("PTZ")) && (w->isVisible() || !visibleOnly))
                found << w;
        }
        return found;
    }

    CellArea area;
    QWidget notices;
    QPointer<ZtTVWallDisplayWindow> window;
};
