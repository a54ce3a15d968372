#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWindow_p.h"

#include "KitraGuard_p.h"
#include "NotifyManager.h"
#include "TVWallDisplayPTZSlider.h"
#include "TVWallDisplayTitleItemEx.h"
#include "ZtTVWallDisplayTitleItem.h"
#include "ZtTVWallDisplayVideo.h"
#include "ZtTVWallDisplayAccessible_p.h"
#include "ZtTVWallDisplayHistory_p.h"

#include <QHBoxLayout>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <utility>

namespace ZtGUI {

namespace {

const int kTitleHeight = 24;
const int kTitleButtonSize = 13;
const int kPtzMinWidth = 250;
const int kPtzMinHeight = 150;
const int kPtzWatchMs = 40;
const int kDirectionSize = 30;
const int kLensButtonSize = 16;
const int kSpeedPanelHeight = 154;

struct ButtonText
{
    const char* offName;
    const char* offTip;
    const char* onName;
    const char* onTip;
};

// By ZtTVWallDisplayWindowPrivate::TitleButton.
const ButtonText kTitleButtons[] = {
    {"pWindowCircleOffBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Open WindowCircle"),
     "pWindowCircleOnBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "close WindowCircle")},
    {"pWindowPtzOffBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Open WindowPtz"),
     "pWindowPtzOnBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Close WindowPtz")},
    {"pWindowUnLockBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "WindowLock"),
     "pWindowLockBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "WindowUnLock")},
    {"pWindowVolumeOffBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Open Volume"),
     "pWindowVolumeOnBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Close Volume")},
    {"pWindowDockOffBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Dock"),
     "pWindowDockOnBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Move")},
    {"pWindowMaxBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Max"),
     "pWindowMaxBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Restore")},
    {"pWindowCloseBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Close"),
     "pWindowCloseBtn", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Close")},
};

struct AccessibleText
{
    const char* name;
    const char* description;
};

// Accessible name and description of each title button, by ZtTVWallDisplayWindowPrivate::TitleButton.
const AccessibleText kTitleAccessible[] = {
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Tour"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Ask to start or stop the window's tour")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "PTZ"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Show or hide the pan, tilt and zoom controls")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Lock"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Ask to lock or unlock the window")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Volume"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Ask to turn the window's sound on or off")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Fit to cells"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Ask to snap the window to the screen's cells or free it")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Maximise"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Fill the screen with the window, or restore it")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Close"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Ask to close the window")},
};

// Accessible name and description of each PTZ control, by event code.
const AccessibleText kPtzAccessible[] = {
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Up"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera up")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Down"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera down")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Left"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera left")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Right"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera right")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Up left"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera up and left")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Down left"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera down and left")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Up right"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera up and right")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Down right"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Turn the camera down and right")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Zoom in"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Zoom the camera in")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Focus near"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Focus the camera nearer")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Open aperture"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Open the camera's aperture")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Zoom out"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Zoom the camera out")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Focus far"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Focus the camera farther")},
    {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Close aperture"),
     QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Close the camera's aperture")},
};

// By event code: the eight directions float over the video, the lens controls sit in the tool bar.
const char* const kPtzNames[ZtTVWallDisplayWindowPrivate::kPtzButtons] = {
    "PTZTopBtn", "PTZBottomBtn", "PTZLeftBtn", "PTZRightBtn", "PTZLeftTopBtn", "PTZLeftBottomBtn",
    "PTZRightTopBtn", "PTZRightBottomBtn", "PTZZoomIncBtn", "PTZFocusIncBtn", "PTZApertureIncBtn",
    "PTZZoomDecBtn", "PTZFocusDecBtn", "PTZApertureDecBtn"};

enum PtzCode { ZoomInc = 8, FocusInc = 9, ApertureInc = 10, ZoomDec = 11, FocusDec = 12, ApertureDec = 13 };

const char* const kHidePtzMoved = QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Hide ptz, window moved");
const char* const kHidePtzResized = QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Hide ptz, window resized");
const char* const kHidePtzUnselected = QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Hide ptz, window unselected");

void nameForTools(QWidget* widget, const AccessibleText& text)
{
    widget->setAccessibleName(ZtTVWallDisplayWindow::tr(text.name));
    widget->setAccessibleDescription(ZtTVWallDisplayWindow::tr(text.description));
}

QToolButton* makeTitleButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setFixedSize(kTitleButtonSize, kTitleButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A style sheet addresses the button by its object name: a new name needs a new polish, once
// the button has had its first (a new button is polished when first shown, under its last name).
void rename(QToolButton* button, const QString& name, const QString& tip)
{
    button->setObjectName(name);
    button->setToolTip(tip);
    if (!button->testAttribute(Qt::WA_WState_Polished))
        return;
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}

// Floating controls are windows of their own, owned by the display window so that they go with it.
void makeFloating(QWidget* widget)
{
    widget->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    widget->setAttribute(Qt::WA_TranslucentBackground);
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
}

// The window-local top-left corner of a direction button, by event code.
QPoint directionPosition(int code, const QSize& window)
{
    const int w = window.width();
    const int h = window.height();
    const int left = 5;
    const int right = w - 35;
    const int centreX = w / 2 - 15;
    const int top = kTitleHeight + 5;
    const int bottom = h - kTitleHeight - 35;
    const int centreY = h / 2 - 15;
    const QPoint positions[ZtTVWallDisplayWindowPrivate::kDirectionButtons] = {
        {centreX, top}, {centreX, bottom}, {left, centreY}, {right, centreY},
        {left, top}, {left, bottom}, {right, top}, {right, bottom}};
    return positions[code];
}

// The rows and columns of monitor cells that the window's screen spans; one cell without a screen.
QSize cellsOf(QMdiArea* screen)
{
    const auto ask = [screen](const char* method) {
        int count = 1;
        if (screen && screen->metaObject()->indexOfMethod(QByteArray(method) + "()") >= 0)
            QMetaObject::invokeMethod(screen, method, Qt::DirectConnection, Q_RETURN_ARG(int, count));
        return qMax(1, count);
    };
    return QSize(ask("GetCols"), ask("GetRows"));
}

} // namespace

ZtTVWallDisplayWindowPrivate::ZtTVWallDisplayWindowPrivate(ZtTVWallDisplayWindow* window)
    : q_ptr(window)
{
}

void ZtTVWallDisplayWindowPrivate::createTitleButtons()
{
    Q_Q(ZtTVWallDisplayWindow);
    const bool wanted[TitleButtonCount] = {showCircle, true, showLock, showAudio, true, true, true};
    const bool copied[TitleButtonCount] = {true, false, true, true, true, true, false};
    for (int i = 0; i < TitleButtonCount; ++i) {
        if (!wanted[i])
            continue;
        buttons[i] = makeTitleButton(titleItem);
        nameForTools(buttons[i], kTitleAccessible[i]);
        if (copied[i]) {
            copies[i] = makeTitleButton(titleItemEx);
            nameForTools(copies[i], kTitleAccessible[i]);
        }
        // Named before the bars show them, so that the style polishes each button once.
        setButtonState(TitleButton(i), false);
        titleItem->AddButton(buttons[i]);
        if (copies[i])
            titleItemEx->AddButton(copies[i]);
    }
}

void ZtTVWallDisplayWindowPrivate::connectTitleButtons()
{
    Q_Q(ZtTVWallDisplayWindow);
    using W = ZtTVWallDisplayWindow;
    q->connect(titleItem, &ZtTVWallDisplayTitleItem::SignTitleBtnClicked, q, &W::OnTitleBtnClicked);
    q->connect(q, &W::SignalGeometryChanged, titleItem, &ZtTVWallDisplayTitleItem::OnGeometryChanged);
    const auto both = [this, q](TitleButton button, void (W::*signal)()) {
        for (QToolButton* b : {buttons[button], copies[button]}) {
            if (b)
                q->connect(b, &QToolButton::clicked, q, signal);
        }
    };
    both(Circle, &W::SignalTourBtnClicked);
    both(Lock, &W::SignalLockBtnClicked);
    both(Volume, &W::SignalVolemeBtnClicked);
    q->connect(buttons[Ptz], &QToolButton::clicked, q, &W::OnPTZBtnClicked);
    q->connect(buttons[Ptz], &QToolButton::clicked, q, &W::SignalPTZBtnClicked);
    q->connect(buttons[Close], &QToolButton::clicked, q, &W::SignalCloseBtnClicked);
    // The pop-up closes before the click is reported, so that nothing is left to do after a
    // slot that deletes the window.
    q->connect(copies[Dock], &QToolButton::clicked, q, &W::OnTitleItemExHide);
    q->connect(copies[Max], &QToolButton::clicked, q, &W::OnTitleItemExHide);
    both(Dock, &W::SignalDockBtnClicked);
    both(Max, &W::OnShowMaxOrNormal);
}

void ZtTVWallDisplayWindowPrivate::setButtonState(TitleButton button, bool on)
{
    const ButtonText& text = kTitleButtons[button];
    const QString name = QString::fromLatin1(on ? text.onName : text.offName);
    const QString tip = ZtTVWallDisplayWindow::tr(on ? text.onTip : text.offTip);
    if (buttons[button])
        rename(buttons[button], name, tip);
    if (copies[button])
        rename(copies[button], name + QStringLiteral("Ex"), tip);
}

bool ZtTVWallDisplayWindowPrivate::applyScale(StructScaleRect newScale, bool maximise)
{
    Q_Q(ZtTVWallDisplayWindow);
    if (newScale.IsEqual(scale, precision) || !place(newScale, maximise))
        return true;
    return EmitAlive(q, &ZtTVWallDisplayWindow::SignalGeoChanged, scale);
}

bool ZtTVWallDisplayWindowPrivate::putBack(const StructScaleRect& to, bool maximise, const StructScaleRect& saved)
{
    Q_Q(ZtTVWallDisplayWindow);
    // Exact, not within the precision: undoing everything must give back the very rectangles.
    if ((maximized == maximise && exactlyAt(to)) || !place(to, maximise))
        return true;
    savedScale = saved;
    return EmitAlive(q, &ZtTVWallDisplayWindow::SignalGeoChanged, scale);
}

bool ZtTVWallDisplayWindowPrivate::stepTo(const StructScaleRect& to)
{
    Q_Q(ZtTVWallDisplayWindow);
    const StructScaleRect target = dockOn ? snapped(to) : to;
    if (exactlyAt(target) || !place(target, false))
        return true;
    return EmitAlive(q, &ZtTVWallDisplayWindow::SignalGeoChanged, scale);
}

bool ZtTVWallDisplayWindowPrivate::exactlyAt(const StructScaleRect& to) const
{
    return to.dLeft == scale.dLeft && to.dTop == scale.dTop && to.dRight == scale.dRight
           && to.dBottom == scale.dBottom && to.bFreeMode == scale.bFreeMode;
}

bool ZtTVWallDisplayWindowPrivate::toggleMaximizedByOperator()
{
    Q_Q(ZtTVWallDisplayWindow);
    DisplayGesture gesture(q, QString());
    gesture.track(q);
    return toggleMaximized();
}

bool ZtTVWallDisplayWindowPrivate::place(const StructScaleRect& newScale, bool maximise)
{
    Q_Q(ZtTVWallDisplayWindow);
    if (lockOn || wallLocked)
        return false;
    maximized = maximise;
    setButtonState(Max, maximized);
    savedScale = scale;
    scale = newScale;
    const QWidget* area = q->parentWidget();
    const double w = area ? area->width() : 0.0;
    const double h = area ? area->height() : 0.0;
    q->setGeometry(int(w * scale.dLeft + 0.5), int(h * scale.dTop + 0.5),
                   int(w * (scale.dRight - scale.dLeft) + 0.5), int(h * (scale.dBottom - scale.dTop) + 0.5));
    placeChildren();     // the free-mode flag may have changed without the size
    return true;
}

StructScaleRect ZtTVWallDisplayWindowPrivate::snapped(const StructScaleRect& from) const
{
    Q_Q(const ZtTVWallDisplayWindow);
    const QSize cells = cellsOf(q->mdiArea());
    const double cols = cells.width();
    const double rows = cells.height();
    // A corner within the precision of a cell's edge stays on that edge; others move outward.
    const double slack = 2.0 * precision;
    const int left = int(from.dLeft * cols + slack);
    const int top = int(from.dTop * rows + slack);
    int right = int(from.dRight * cols - slack);
    if (right < from.dRight * cols)
        ++right;
    int bottom = int(from.dBottom * rows - slack);
    if (bottom < from.dBottom * rows)
        ++bottom;
    return StructScaleRect(left / cols, top / rows, right / cols, bottom / rows, from.bFreeMode);
}

bool ZtTVWallDisplayWindowPrivate::snap()
{
    return applyScale(snapped(scale), false);
}

bool ZtTVWallDisplayWindowPrivate::toggleMaximized()
{
    if (!maximized)
        return applyScale(StructScaleRect(0.0, 0.0, 1.0, 1.0, true), true);
    if (dockOn)
        return true;     // a self-adapting window stays on its cells
    return applyScale(savedScale, false);
}

QRect ZtTVWallDisplayWindowPrivate::videoRect() const
{
    Q_Q(const ZtTVWallDisplayWindow);
    const int w = q->width();
    const int h = q->height();
    // A selected free window shows its title bar above the video and a wider border around it.
    if (selected && scale.bFreeMode)
        return QRect(2, kTitleHeight - 2, w - 4, h - kTitleHeight);
    return QRect(1, 2, w - 2, h - 4);
}

void ZtTVWallDisplayWindowPrivate::announceLock(bool wasLocked)
{
    Q_Q(ZtTVWallDisplayWindow);
    if (locked() != wasLocked)
        ZtTVWallDisplayNotifyLocked(q);
}

void ZtTVWallDisplayWindowPrivate::announcePlace()
{
    Q_Q(ZtTVWallDisplayWindow);
    // Qt sends no location event for a moved widget; setGeometry sends a move and a resize event.
    if (announcedPlace == q->geometry())
        return;
    announcedPlace = q->geometry();
    NotifyAccessible(q, QAccessible::LocationChanged);
}

void ZtTVWallDisplayWindowPrivate::placeChildren()
{
    Q_Q(ZtTVWallDisplayWindow);
    titleItem->setGeometry(0, 0, q->width(), kTitleHeight);
    titleItem->setVisible(selected);
    if (video)
        video->setGeometry(videoRect());
}

void ZtTVWallDisplayWindowPrivate::buildPtz()
{
    Q_Q(ZtTVWallDisplayWindow);
    if (toolBar)
        return;
    toolBar = new QWidget(q);
    toolBar->setObjectName(QStringLiteral("PTZToolBar"));
    // Every PTZ button starts as a floating window; the tool bar's layout below takes the lens and
    // speed buttons in, which makes them its children (they keep the frameless, translucent look).
    for (int code = 0; code < kPtzButtons; ++code) {
        auto* button = new QPushButton(q);
        button->setObjectName(QString::fromLatin1(kPtzNames[code]));
        nameForTools(button, kPtzAccessible[code]);
        button->setFocusPolicy(Qt::NoFocus);
        makeFloating(button);
        const int side = code < kDirectionButtons ? kDirectionSize : kLensButtonSize;
        button->setFixedSize(side, side);
        button->installEventFilter(q);
        ptzButtons[code] = button;
    }
    speedButton = new QPushButton(q);
    makeFloating(speedButton);
    speedButton->setObjectName(QStringLiteral("PTZSpeedBtn"));
    nameForTools(speedButton, {QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Speed"),
                               QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallDisplayWindow", "Show or hide the PTZ speed slider")});
    speedButton->setFixedSize(30, 16);
    speedButton->setCheckable(true);
    speedButton->setFocusPolicy(Qt::NoFocus);
    q->connect(speedButton, &QPushButton::clicked, q, &ZtTVWallDisplayWindow::OnPTZSpeedBtnClicked);

    auto* bar = new QHBoxLayout(toolBar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);
    for (const auto& pair : {std::make_pair(ZoomDec, ZoomInc), std::make_pair(FocusDec, FocusInc),
                             std::make_pair(ApertureDec, ApertureInc)}) {
        bar->addStretch();
        bar->addWidget(ptzButtons[pair.first]);
        bar->addSpacing(20);
        bar->addWidget(ptzButtons[pair.second]);
    }
    bar->addStretch();
    bar->addWidget(speedButton);
    bar->addSpacing(30);

    speedWidget = new QWidget(q);
    speedWidget->setObjectName(QStringLiteral("PTZSpeedWidget"));
    makeFloating(speedWidget);
    slider = new TVWallDisplayPTZSlider(speedWidget);
    speedWidget->setFixedSize(slider->size());
    q->connect(slider, &TVWallDisplayPTZSlider::valueChanged, q, &ZtTVWallDisplayWindow::OnPTZSliderValueChanged);
}

void ZtTVWallDisplayWindowPrivate::layoutPtz()
{
    Q_Q(ZtTVWallDisplayWindow);
    for (int code = 0; code < kDirectionButtons; ++code)
        ptzButtons[code]->setGeometry(QRect(q->mapToGlobal(directionPosition(code, q->size())),
                                            QSize(kDirectionSize, kDirectionSize)));
    toolBar->setGeometry(2, q->height() - kTitleHeight - 3, q->width() - 5, kTitleHeight);
}

void ZtTVWallDisplayWindowPrivate::showPtz(bool show)
{
    Q_Q(ZtTVWallDisplayWindow);
    ptzShown = show;
    setButtonState(Ptz, show);
    if (show) {
        buildPtz();
        layoutPtz();
        for (int code = 0; code < kDirectionButtons; ++code) {
            ptzButtons[code]->show();
            ptzButtons[code]->raise();
        }
        toolBar->show();
        toolBar->raise();
        if (ptzTimer == -1)
            ptzTimer = q->startTimer(kPtzWatchMs, Qt::CoarseTimer);
        parentRectAtPtzOpen = parentGlobalRect();
        return;
    }
    if (ptzTimer != -1)
        q->killTimer(ptzTimer);
    ptzTimer = -1;
    if (!toolBar)
        return;
    for (int code = 0; code < kDirectionButtons; ++code)
        ptzButtons[code]->hide();
    toolBar->hide();
    speedButton->setChecked(false);
    speedWidget->hide();
}

void ZtTVWallDisplayWindowPrivate::hidePtz(const char* notice)
{
    showPtz(false);
    NotifyManager::addNotify(ZtTVWallDisplayWindow::tr(notice), NotifyManager::MsgCorrect);
}

QRect ZtTVWallDisplayWindowPrivate::parentGlobalRect() const
{
    Q_Q(const ZtTVWallDisplayWindow);
    const QWidget* parent = q->parentWidget();
    return parent ? QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size()) : QRect();
}

int ZtTVWallDisplayWindowPrivate::ptzCode(const QObject* object) const
{
    for (int code = 0; code < kPtzButtons; ++code) {
        if (ptzButtons[code] == object)
            return code;
    }
    return -1;
}

void ZtTVWallDisplayWindowPrivate::paintSelection(QPainter& painter) const
{
    Q_Q(const ZtTVWallDisplayWindow);
    const QRect r = q->rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(QColor(24, 144, 255), 4));
    painter.drawLine(r.left(), r.top(), r.right() + 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() + 1);
    painter.drawLine(r.right() + 1, r.top(), r.right() + 1, r.bottom() + 1);
    painter.drawLine(r.left(), r.bottom() + 1, r.right() + 1, r.bottom() + 1);

    // The grip in the bottom-right corner.
    const int right = q->rect().right();
    const int bottom = q->rect().bottom();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    for (int length : {6, 4, 2})
        painter.drawLine(QPoint(right - 1, bottom - length), QPoint(right - length, bottom - 1));
    painter.restore();
}

void ZtTVWallDisplayWindowPrivate::paintContentText(QPainter& painter) const
{
    Q_Q(const ZtTVWallDisplayWindow);
    // A narrow window is usually a tall strip: a text sized by its height would not fit.
    const int pointSize = q->width() < 61 ? q->height() / 50 : q->height() / 12;
    if (pointSize < 1)
        return;
    QFont font = q->font();
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.setPen(light ? QColor(39, 46, 54) : QColor(Qt::white));
    painter.drawText(q->rect(), Qt::AlignCenter,
                     painter.fontMetrics().elidedText(contentText, Qt::ElideRight, q->width()));
}

ZtTVWallDisplayWindow::ZtTVWallDisplayWindow(ZtTVWallDisplayScreen* screen, bool bTitleShow, bool bShowLock,
                                             bool bShowAudio, bool bShowCircle, bool bLight, QWidget* parent)
    : QMdiSubWindow(parent, Qt::FramelessWindowHint | Qt::CustomizeWindowHint)
    , d_ptr(new ZtTVWallDisplayWindowPrivate(this))
{
    Q_D(ZtTVWallDisplayWindow);
    d->screen = screen;
    // Whether a window is titled is its screen's choice: the screen calls SetTitle only then.
    Q_UNUSED(bTitleShow);
    d->showLock = bShowLock;
    d->showAudio = bShowAudio;
    d->showCircle = bShowCircle;
    d->light = bLight;
    setMouseTracking(true);
    setAcceptDrops(true);

    d->titleItem = new ZtTVWallDisplayTitleItem(bLight, this);
    d->titleItem->hide();
    d->titleItemEx = new TVWallDisplayTitleItemEx(bLight, this);
    d->createTitleButtons();
    d->connectTitleButtons();
}

ZtTVWallDisplayWindow::~ZtTVWallDisplayWindow() = default;

ZtTVWallDisplayScreen* ZtTVWallDisplayWindow::GetScreen() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->screen;
}

void ZtTVWallDisplayWindow::SetTitle(QString title)
{
    Q_D(ZtTVWallDisplayWindow);
    d->titleItem->SetTitle(title);
}

void ZtTVWallDisplayWindow::SetContentText(QString text)
{
    Q_D(ZtTVWallDisplayWindow);
    d->contentText = text;
    update();
}

QString ZtTVWallDisplayWindow::GetContentText() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->contentText;
}

void ZtTVWallDisplayWindow::SetUserData(const QVariant& userData)
{
    Q_D(ZtTVWallDisplayWindow);
    d->userData = userData;
}

QVariant ZtTVWallDisplayWindow::GetUserData() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->userData;
}

void ZtTVWallDisplayWindow::SetPrecision(double precision)
{
    Q_D(ZtTVWallDisplayWindow);
    d->precision = precision;
}

void ZtTVWallDisplayWindow::SetScale(const StructScaleRect& scale)
{
    Q_D(ZtTVWallDisplayWindow);
    d->applyScale(d->dockOn ? d->snapped(scale) : scale, false);
}

StructScaleRect ZtTVWallDisplayWindow::GetScale() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->scale;
}

void ZtTVWallDisplayWindow::SetZValue(int iZ)
{
    Q_D(ZtTVWallDisplayWindow);
    d->zValue = iZ;
}

int ZtTVWallDisplayWindow::GetZValue() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->zValue;
}

void ZtTVWallDisplayWindow::SetSelected(bool bSelected)
{
    Q_D(ZtTVWallDisplayWindow);
    if (!bSelected && d->ptzShown)
        d->hidePtz(kHidePtzUnselected);
    const bool changed = d->selected != bSelected;
    d->selected = bSelected;
    d->titleItem->SetSelected(bSelected);
    d->placeChildren();
    update();
    if (changed)
        ZtTVWallDisplayNotifySelected(this);
}

bool ZtTVWallDisplayWindow::IsSelected() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->selected;
}

void ZtTVWallDisplayWindow::SetLock(bool bLock)
{
    Q_D(ZtTVWallDisplayWindow);
    const bool wasLocked = d->locked();
    d->wallLocked = bLock;
    d->announceLock(wasLocked);
}

bool ZtTVWallDisplayWindow::IsWallLocked() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->wallLocked;
}

void ZtTVWallDisplayWindow::SetVolumeBtn(bool bOn)
{
    Q_D(ZtTVWallDisplayWindow);
    if (!d->buttons[ZtTVWallDisplayWindowPrivate::Volume] || d->volumeOn == bOn)
        return;
    d->volumeOn = bOn;
    d->setButtonState(ZtTVWallDisplayWindowPrivate::Volume, bOn);
}

bool ZtTVWallDisplayWindow::GetVolumeBtnStatus() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->volumeOn;
}

void ZtTVWallDisplayWindow::SetDockBtn(bool bOn)
{
    Q_D(ZtTVWallDisplayWindow);
    if (d->dockOn == bOn)
        return;
    d->dockOn = bOn;
    d->setButtonState(ZtTVWallDisplayWindowPrivate::Dock, bOn);
    OnWindowSelfAdaptionBtnClicked();
}

bool ZtTVWallDisplayWindow::GetDockBtnStatus() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->dockOn;
}

void ZtTVWallDisplayWindow::SetLockBtn(bool bOn)
{
    Q_D(ZtTVWallDisplayWindow);
    if (!d->buttons[ZtTVWallDisplayWindowPrivate::Lock] || d->lockOn == bOn)
        return;
    const bool wasLocked = d->locked();
    d->lockOn = bOn;
    d->setButtonState(ZtTVWallDisplayWindowPrivate::Lock, bOn);
    d->announceLock(wasLocked);
}

bool ZtTVWallDisplayWindow::GetLockBtnStatus() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->lockOn;
}

void ZtTVWallDisplayWindow::SetMeetingBtn(bool bOn)
{
    Q_D(ZtTVWallDisplayWindow);
    d->meetingOn = bOn;
}

bool ZtTVWallDisplayWindow::GetMeetingBtnStatus() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->meetingOn;
}

void ZtTVWallDisplayWindow::SetTourBtn(bool bOn)
{
    Q_D(ZtTVWallDisplayWindow);
    if (!d->buttons[ZtTVWallDisplayWindowPrivate::Circle] || d->tourOn == bOn)
        return;
    d->tourOn = bOn;
    d->setButtonState(ZtTVWallDisplayWindowPrivate::Circle, bOn);
}

bool ZtTVWallDisplayWindow::GetTourBtnStatus() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->tourOn;
}

void ZtTVWallDisplayWindow::SetPTZBtn(bool bOn)
{
    Q_D(ZtTVWallDisplayWindow);
    d->showPtz(bOn);
}

bool ZtTVWallDisplayWindow::GetPTZBtnStatus() const
{
    Q_D(const ZtTVWallDisplayWindow);
    return d->ptzShown;
}

QWidget* ZtTVWallDisplayWindow::GetVideoWidget()
{
    Q_D(ZtTVWallDisplayWindow);
    if (!d->video) {
        d->video = new ZtTVWallDisplayVideo(this);
        d->video->setGeometry(d->videoRect());
        d->video->show();
        if (d->toolBar && d->toolBar->isVisible())
            d->toolBar->raise();
    }
    return d->video;
}

void ZtTVWallDisplayWindow::DeleteVideoWidget()
{
    Q_D(ZtTVWallDisplayWindow);
    delete d->video;
    update();
}

void ZtTVWallDisplayWindow::SetVideoUpdateEnable(bool bEnable)
{
    Q_D(ZtTVWallDisplayWindow);
    if (d->video)
        d->video->setUpdatesEnabled(bEnable);
}

void ZtTVWallDisplayWindow::SetVideoText(QString text)
{
    Q_D(ZtTVWallDisplayWindow);
    if (d->video)
        d->video->SetText(text);
}

void ZtTVWallDisplayWindow::OnShowMaxOrNormal()
{
    Q_D(ZtTVWallDisplayWindow);
    if (d->lockOn) {
        NotifyManager::addNotify(tr("Window locked!"), NotifyManager::MsgError);
        return;
    }
    d->toggleMaximizedByOperator();
}

void ZtTVWallDisplayWindow::OnWindowSelfAdaptionBtnClicked()
{
    Q_D(ZtTVWallDisplayWindow);
    if (d->dockOn)
        d->snap();
    else if (d->maximized)
        d->toggleMaximized();
}

void ZtTVWallDisplayWindow::OnPTZBtnClicked()
{
    Q_D(ZtTVWallDisplayWindow);
    if (!d->ptzShown && (width() < kPtzMinWidth || height() < kPtzMinHeight)) {
        NotifyManager::addNotify(tr("Window too small to open ptz."), NotifyManager::MsgError);
        return;
    }
    d->showPtz(!d->ptzShown);
}

void ZtTVWallDisplayWindow::OnPTZSpeedBtnClicked()
{
    Q_D(ZtTVWallDisplayWindow);
    if (!d->speedWidget)
        return;
    if (d->speedWidget->isVisible()) {
        d->speedWidget->hide();
    } else {
        // Above the speed button, its lower edge on the tool bar's top.
        const QPoint centre = d->speedButton->mapToGlobal(QPoint(d->speedButton->width() / 2, 0));
        const int toolBarTop = d->toolBar->mapToGlobal(QPoint(0, 0)).y();
        d->speedWidget->setGeometry(QRect(QPoint(centre.x() - 8, toolBarTop - kSpeedPanelHeight), d->speedWidget->size()));
        d->speedWidget->show();
        d->speedWidget->raise();
    }
    d->speedButton->setChecked(d->speedWidget->isVisible());
}

void ZtTVWallDisplayWindow::OnPTZLeftBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZTopBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZRightBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZBottomBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZLeftTopBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZRightTopBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZLeftBottomBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZRightBottomBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZZoomDecBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZZoomIncBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZFocusDecBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZFocusIncBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZApertureDecBtnClicked() {}
void ZtTVWallDisplayWindow::OnPTZApertureIncBtnClicked() {}

void ZtTVWallDisplayWindow::OnPTZSliderValueChanged(int value)
{
    Q_D(ZtTVWallDisplayWindow);
    d->ptzSpeed = value;
}

void ZtTVWallDisplayWindow::OnTitleBtnClicked()
{
    Q_D(ZtTVWallDisplayWindow);
    if (d->titleItemEx->isVisible()) {
        d->titleItemEx->hide();
        return;
    }
    const int below = d->titleItem->geometry().bottom() + 1 - (d->selected ? 1 : 0);
    // The geometry, unlike move(), places the client area, whatever frame the platform adds.
    d->titleItemEx->setGeometry(QRect(mapToGlobal(QPoint(width() - 18, below)), d->titleItemEx->size()));
    d->titleItemEx->show();
}

void ZtTVWallDisplayWindow::OnTitleItemExHide()
{
    Q_D(ZtTVWallDisplayWindow);
    d->titleItemEx->hide();
}

void ZtTVWallDisplayWindow::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(ZtTVWallDisplayWindow);
    QPainter painter(this);
    painter.fillRect(rect(), d->light ? QColor(233, 234, 236) : QColor(41, 41, 41));

    // The border keeps to the part of the window inside the screen, so that it stays visible.
    QRect border = rect().adjusted(0, 0, -1, -1);
    if (const QWidget* area = parentWidget())
        border &= QRect(mapFromParent(QPoint(0, 0)), area->size()).adjusted(0, 0, -1, -1);
    painter.setPen(QPen(QColor(76, 81, 87), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(border);

    if (d->selected)
        d->paintSelection(painter);
    if (!d->video && !d->contentText.isEmpty())
        d->paintContentText(painter);
    painter.end();
    if (d->video) {
        // A resize leaves room for a title bar; the picture takes its final place here.
        if (!d->selected || d->scale.bFreeMode)
            d->video->setGeometry(d->videoRect());
        d->video->InvokeRefreshCallback();
    }
}

void ZtTVWallDisplayWindow::resizeEvent(QResizeEvent* event)
{
    Q_D(ZtTVWallDisplayWindow);
    QMdiSubWindow::resizeEvent(event);
    d->placeChildren();
    if (d->video)
        d->video->setGeometry(d->selected ? QRect(2, kTitleHeight - 2, width() - 4, height() - kTitleHeight)
                                          : QRect(1, kTitleHeight - 2, width() - 2, height() - kTitleHeight));
    if (d->ptzShown)
        d->hidePtz(kHidePtzResized);
    d->announcePlace();
    emit SignalGeometryChanged();
}

void ZtTVWallDisplayWindow::moveEvent(QMoveEvent* event)
{
    Q_D(ZtTVWallDisplayWindow);
    QMdiSubWindow::moveEvent(event);
    if (d->ptzShown && event->pos() != event->oldPos())
        d->hidePtz(kHidePtzMoved);
    d->announcePlace();
}

void ZtTVWallDisplayWindow::hideEvent(QHideEvent* event)
{
    Q_D(ZtTVWallDisplayWindow);
    // The floating controls are windows of their own: they would stay behind on the desktop.
    if (d->ptzShown)
        d->showPtz(false);
    QMdiSubWindow::hideEvent(event);
}

void ZtTVWallDisplayWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_D(ZtTVWallDisplayWindow);
    event->accept();
    if (!d->toggleMaximizedByOperator())
        return;
    SetSelected(true);
    emit SignalDoubleClickedSelectedChanged();
}

void ZtTVWallDisplayWindow::timerEvent(QTimerEvent* event)
{
    Q_D(ZtTVWallDisplayWindow);
    if (event->timerId() != d->ptzTimer) {
        QMdiSubWindow::timerEvent(event);
        return;
    }
    if (d->parentGlobalRect() != d->parentRectAtPtzOpen)
        d->hidePtz(kHidePtzMoved);
}

bool ZtTVWallDisplayWindow::eventFilter(QObject* watched, QEvent* event)
{
    Q_D(ZtTVWallDisplayWindow);
    const bool press = event->type() == QEvent::MouseButtonPress;
    const int code = d->ptzCode(watched);
    if (code < 0 || (!press && event->type() != QEvent::MouseButtonRelease))
        return QMdiSubWindow::eventFilter(watched, event);
    // A slot that deleted the window took the control with it: the event must go no further.
    return !EmitAlive(this, &ZtTVWallDisplayWindow::SignalPTZEvent, code, d->ptzSpeed, !press);
}

} // namespace ZtGUI
