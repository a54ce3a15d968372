#pragma once

// Hosts display windows the way a display screen does: sub-windows of an MDI area whose
// invokable cell counts drive self-adaption, with notices shown in an area of their own.
#include "KitraTest.h"
#include "NotifyManager.h"
#include "NotifyWidget.h"
#include "ZtTVWallDisplayWindow.h"

#include <QMdiArea>
#include <QPointer>

class CellArea : public QMdiArea
{
    Q_OBJECT

public:
    Q_INVOKABLE int GetRows() const { return rows; }
    Q_INVOKABLE int GetCols() const { return cols; }
    int rows = 1;
    int cols = 1;
};

struct DisplayWindowHost
{
    explicit DisplayWindowHost(bool light = true, bool allButtons = true)
    {
        area.resize(1000, 600);
        area.move(40, 40);
        area.show();
        notices.resize(300, 300);
        NotifyManager::setNotifyArea(&notices, 0, 0, 300, 300);
        window = new ZtGUI::ZtTVWallDisplayWindow(nullptr, true, allButtons, allButtons, allButtons, light, nullptr);
        area.addSubWindow(window, Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
        window->show();
    }

    // The scale that puts the window on `pixels` of the area.
    ZtGUI::StructScaleRect scaleOf(const QRect& pixels) const
    {
        const double w = area.viewport()->width();
        const double h = area.viewport()->height();
        return ZtGUI::StructScaleRect(pixels.left() / w, pixels.top() / h, (pixels.right() + 1) / w,
                                      (pixels.bottom() + 1) / h);
    }
    void place(const QRect& pixels) { window->SetScale(scaleOf(pixels)); }

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
    static QList<QWidget*> floatingControls()
    {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName().startsWith(QLatin1String("PTZ")))
                found << w;
        }
        return found;
    }

    static int visibleCount(const QList<QWidget*>& widgets)
    {
        return int(std::count_if(widgets.cbegin(), widgets.cend(), [](QWidget* w) { return w->isVisible(); }));
    }

    CellArea area;
    QWidget notices;
    QPointer<ZtGUI::ZtTVWallDisplayWindow> window;
};
