#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class GalleryLog;
class QMdiArea;

namespace ZtGUI {
class ZtTVWallDisplayWindow;
struct StructScaleRect;
}

/// The display window page: display windows of different sizes on one screen-like MDI area, each
/// video placeholder in another stream state, the host answering their buttons as an application
/// does, PTZ open on the large window, and a live log of every signal they report.
class DisplayWindowPage : public QWidget
{
    Q_OBJECT

public:
    explicit DisplayWindowPage(QWidget* parent = nullptr);

    /// A picture of the gallery with PTZ open on the large window and the overflow pop-up open on
    /// the narrow one, as `folder`/displaywindow-ptz.png.
    bool SaveScreenshots(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ZtGUI::ZtTVWallDisplayWindow* openWindow(const QString& title, const ZtGUI::StructScaleRect& scale,
                                             const QVariant& state);
    void connectWindow(ZtGUI::ZtTVWallDisplayWindow* window);
    void select(ZtGUI::ZtTVWallDisplayWindow* window);
    void openPtz();
    void log(const QObject* window, const QString& signal, const QString& details = QString());

    QMdiArea* m_screen = nullptr;
    QList<QPointer<ZtGUI::ZtTVWallDisplayWindow>> m_windows;
    GalleryLog* m_log = nullptr;
};
