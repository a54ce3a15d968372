#pragma once

#include <QWidget>

#include "StructScaleRect.h"

class QCheckBox;
class QComboBox;
class QEvent;
class QLabel;
class GalleryLog;
class QPlainTextEdit;

namespace ZtGUI {
class ZtTVWallNormalWnd;
}

/// The scene wall page: a 4 x 4 wall of screens of different spans with a few video windows, the
/// host's answers to the wall's requests, its controls and a live log of every signal it reports.
class SceneWallPage : public QWidget
{
    Q_OBJECT

public:
    explicit SceneWallPage(QWidget* parent = nullptr);

    /// The log keeps no more than this many entries, dropping the oldest.

private:
    QWidget* createControls();
    QWidget* createLog();
    void connectWall();
    void buildWall();
    int openCamera(int iScreen, const ZtGUI::StructScaleRect& rect);
    void syncSelection();
    /// Appends one entry; a '\n' in `arguments` starts another line of the entry.
    void log(const QString& signal, const QString& arguments);
    static QString rectText(const ZtGUI::StructScaleRect& rect);
    static QString eventText(const QEvent* event);

    ZtGUI::ZtTVWallNormalWnd* m_wall = nullptr;
    QComboBox* m_selectionMode = nullptr;
    QCheckBox* m_freeMode = nullptr;
    QCheckBox* m_titles = nullptr;
    QLabel* m_selection = nullptr;
    GalleryLog* m_log = nullptr;
    int m_cameras = 0;
};
