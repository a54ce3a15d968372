#pragma once

#include <QPointer>
#include <QWidget>

class GalleryLog;
class QAction;
class QComboBox;
class QToolButton;

namespace ZtGUI {
class ZtTVWallOperateWnd;
struct StructScaleRect;
}

/// The display wall page: a host of the operating facade. A mode switch between the scene wall
/// and the display wall, a 4 x 4 wall of screens of different spans, areas drawn by the operator
/// answered by opening windows, title-bar buttons answered by their setters, a few on-screen
/// texts, video placeholders painted by the host through their refresh callback, wheel zoom with
/// the overview, Undo and Redo of the operator's gestures (Ctrl+Z, Ctrl+Shift+Z), the wall's
/// keys, and a live log of every signal.
class DisplayWallPage : public QWidget
{
    Q_OBJECT

public:
    explicit DisplayWallPage(QWidget* parent = nullptr);

    /// Pictures of the page in both modes, as `folder`/displaywall-scene.png and
    /// displaywall-display.png (zoomed, with the overview open).
    bool SaveScreenshots(const QString& folder);

protected:
    /// Zooms the display wall with the mouse wheel, as a host wires the facade's zoom.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createControls();
    void connectWall();
    /// The wall of the current mode, built afresh: screens, windows and on-screen texts.
    void buildWall();
    int openWindow(int screen, const ZtGUI::StructScaleRect& scale);
    /// Renders the test pattern into the window's video placeholder, as a host attaches video.
    void attachVideo(int screen, int window);
    /// The wall's layout to a JSON file the operator picks, and back.
    void saveLayout();
    void loadLayout();
    void toggle(int screen, int window, bool (ZtGUI::ZtTVWallOperateWnd::*get)(int, int) const,
                void (ZtGUI::ZtTVWallOperateWnd::*set)(int, int, bool), const QString& name);
    void openOverview();
    /// Points Undo and Redo at the undo stack of the wall now shown.
    void connectUndo();
    void log(const QString& signal, const QString& details = QString());

    ZtGUI::ZtTVWallOperateWnd* m_wall = nullptr;
    QComboBox* m_mode = nullptr;
    QComboBox* m_selectionMode = nullptr;
    GalleryLog* m_log = nullptr;
    QToolButton* m_undoButton = nullptr;
    QToolButton* m_redoButton = nullptr;
    QPointer<QAction> m_undo;
    QPointer<QAction> m_redo;
    int m_opened = 0;
};
