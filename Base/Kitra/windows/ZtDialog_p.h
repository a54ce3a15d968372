#pragma once

#include "WindowStretch_p.h"
#include "ZtBaseWindowTitle.h"
#include "ZtDialog.h"
#include "ui_ZtDialog.h"

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

class QAbstractAnimation;
class QHBoxLayout;
class QStackedLayout;
class QToolButton;
class ShadowEffect;

namespace ZtGUI {

class ZtDialogFlash;

class ZtDialogPrivate
{
    Q_DECLARE_PUBLIC(ZtDialog)

public:
    using StretchState = ZtBaseWindowTitle::WindowStretchRectState;

    explicit ZtDialogPrivate(ZtDialog* q) : q_ptr(q) {}

    void init(QFlags<ZtDialog::DialogFlag> flags);
    void restoreSize(const QSize& size);
    void storeSize();
    QToolButton* addTitleButton(const char* objectName, const QString& toolTip);
    void installPages();
    void applySkin();
    void stretch();
    void endStretch();
    void startCloseAnimation(const QRect& target);
    bool cancelClose();
    void showLivePage();
    void restoreShape();
    void applyBorderImage();

    ZtDialog* q_ptr;
    Ui::CDialogUI ui;
    QPointer<ShadowEffect> shadow;         // a window of its own for a top-level dialog: deleted with the dialog
    QPointer<QStackedLayout> pages;
    QPointer<QAbstractAnimation> closeAnimation;

    QString dialogName;
    QHBoxLayout* titleWidgetsLayout = nullptr;
    QToolButton* maximizeButton = nullptr;
    QPixmap borderImage;
    ZtDialogFlash* flash = nullptr;
    int pendingResult = 0;
    QRect savedGeometry;
    double savedOpacity = 1.0;
    QSize savedMinimumSize;
    bool closeAnimaEnabled = true;

    WindowStretchRegions regions;

    bool pressed = false;
    StretchState stretchState = ZtBaseWindowTitle::STRETCH_NONE;
    QPoint pressPoint;
    QPoint currentPoint;
    QRect startGeometry;
    bool supportStretch = false;
};

} // namespace ZtGUI
