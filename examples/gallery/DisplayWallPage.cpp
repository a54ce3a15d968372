#include "DisplayWallPage.h"

#include "GalleryLog.h"

#include "ZtTVWallDisplayEagleEye.h"
#include "ZtTVWallDisplayVideo.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallLayout.h"
#include "ZtTVWallOperateWnd.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace ZtGUI;

namespace {

const int kGrid = 4;

// Screens of 1 to 4 cells on the 4 x 4 grid, and the windows each opens with.
struct ScreenPlan
{
    StructScaleRect rect;
    QList<StructScaleRect> windows;
};

QList<ScreenPlan> wallPlan()
{
    return {
        {{0.0, 0.0, 0.5, 0.5}, {{0.0, 0.0, 0.5, 0.5}, {0.5, 0.0, 1.0, 0.5}, {0.0, 0.5, 1.0, 1.0}}},
        {{0.5, 0.0, 1.0, 0.25}, {{0.0, 0.0, 0.5, 1.0}}},
        {{0.5, 0.25, 0.75, 0.5}, {}},
        {{0.75, 0.25, 1.0, 0.5}, {{0.1, 0.1, 0.9, 0.9}}},
        {{0.0, 0.5, 0.25, 1.0}, {{0.0, 0.0, 1.0, 0.5}, {0.0, 0.5, 1.0, 1.0}}},
        {{0.25, 0.5, 1.0, 1.0}, {{0.0, 0.0, 0.6, 1.0}}},
    };
}

// The host's renderer: colour bars painted into the placeholder a window hands out, found again
// by the parameter its refresh callback passes.
QHash<QString, QPointer<ZtTVWallDisplayVideo>>& videos()
{
    static QHash<QString, QPointer<ZtTVWallDisplayVideo>> all;
    return all;
}

void paintTestPattern(const char* param)
{
    ZtTVWallDisplayVideo* video = videos().value(QString::fromLocal8Bit(param));
    // A stream still being requested has no picture yet: the placeholder says so.
    if (!video || video->size().isEmpty() || video->property("state").toString() == QLatin1String("request")
        || video->property("patternSize").toSize() == video->size())
        return;
    static const QColor bars[] = { Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue };
    QPixmap frame(video->size());
    QPainter painter(&frame);
    const int count = int(sizeof bars / sizeof bars[0]);
    for (int i = 0; i < count; ++i)
        painter.fillRect(QRect(i * frame.width() / count, 0, frame.width() / count + 1, frame.height()),
                         bars[i].darker(130));
    painter.end();
    QPalette palette = video->palette();
    palette.setBrush(QPalette::Window, frame);
    video->setPalette(palette);
    video->setAutoFillBackground(true);
    video->setProperty("patternSize", video->size());
}

StructOSDInfo osdText(const char* text, int left, int top, int right, int bottom, int align)
{
    StructOSDInfo info;
    info.bShow = true;
    info.struTextColor = { 255, 220, 0, 0 };
    info.struBackColor = { 0, 0, 0, 64 };
    info.struRect = { left, top, right, bottom };
    info.cFontScale = 70;
    info.cAlign = char(align);
    info.strText = text;
    info.strFontName = "simHei";
    info.bTransparency = true;
    return info;
}

} // namespace

DisplayWallPage::DisplayWallPage(QWidget* parent)
    : QWidget(parent)
    , m_wall(new ZtTVWallOperateWnd(this))
{
    m_wall->setObjectName(QStringLiteral("DisplayWall"));
    m_wall->installEventFilter(this);
    m_wall->setMinimumSize(360, 240);
    m_log = new GalleryLog(tr("Signals"), QStringLiteral("DisplayWallLog"), this);

    auto* side = new QWidget(this);
    side->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(createControls());
    sideLayout->addWidget(m_log, 1);

    auto* keys = new QLabel(tr("Keys on the wall: arrows move the selected windows, Shift+arrows by a "
                               "cell, Ctrl+arrows resize, Delete closes, Return maximises or restores, Tab and "
                               "Shift+Tab select, Esc unselects; Ctrl+Z and Ctrl+Shift+Z undo and redo."), this);
    keys->setObjectName(QStringLiteral("DisplayWallKeys"));
    keys->setWordWrap(true);
    auto* wallColumn = new QVBoxLayout;
    wallColumn->addWidget(m_wall, 1);
    wallColumn->addWidget(keys);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(wallColumn, 1);
    layout->addWidget(side);

    connectWall();
    m_wall->SetShowMode(1);
    buildWall();
}

bool DisplayWallPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_wall || event->type() != QEvent::Wheel)
        return QWidget::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    auto* display = m_wall->findChild<ZtTVWallDisplayWnd*>();
    const int delta = wheel->angleDelta().y();
    if (!display || !display->isVisible() || delta == 0)
        return false;
    const QPoint at = display->mapFromGlobal(wheel->globalPosition().toPoint());
    QMetaObject::invokeMethod(m_wall, "OnWheelEvent", Q_ARG(int, delta), Q_ARG(QPoint, at));
    return true;
}

QWidget* DisplayWallPage::createControls()
{
    auto* box = new QWidget(this);
    m_mode = new QComboBox(box);
    m_mode->setObjectName(QStringLiteral("DisplayWallMode"));
    m_mode->addItem(tr("Scene wall"), 0);
    m_mode->addItem(tr("Display wall"), 1);
    m_mode->setCurrentIndex(1);
    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        m_wall->SetShowMode(m_mode->currentData().toInt());
        buildWall();
    });

    m_selectionMode = new QComboBox(box);
    m_selectionMode->setObjectName(QStringLiteral("DisplayWallSelectionMode"));
    m_selectionMode->addItem(tr("No selection"), ZtTVWallOperateWnd::NoSelection);
    m_selectionMode->addItem(tr("Single selection"), ZtTVWallOperateWnd::SingleSelection);
    m_selectionMode->addItem(tr("Multi selection"), ZtTVWallOperateWnd::MultiSelection);
    m_selectionMode->setCurrentIndex(1);
    connect(m_selectionMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        m_wall->SetWindowSelectionMode(ZtTVWallOperateWnd::SelectionMode(m_selectionMode->currentData().toInt()));
    });

    auto* lock = new QCheckBox(tr("Lock the wall"), box);
    lock->setObjectName(QStringLiteral("DisplayWallLock"));
    connect(lock, &QCheckBox::toggled, m_wall, &ZtTVWallOperateWnd::SetTVWallLockStatus);

    auto* deleteAll = new QPushButton(tr("Delete all windows"), box);
    deleteAll->setObjectName(QStringLiteral("DisplayWallDeleteAll"));
    connect(deleteAll, &QPushButton::clicked, m_wall, [this] { m_wall->DeleteAllWindows(); });

    auto* hint = new QLabel(tr("Drag on a screen to open a window; the wheel zooms the display wall."), box);
    hint->setWordWrap(true);
    hint->setMaximumWidth(220);

    m_undoButton = new QToolButton(box);
    m_undoButton->setText(tr("Undo"));
    m_undoButton->setObjectName(QStringLiteral("DisplayWallUndo"));
    m_redoButton = new QToolButton(box);
    m_redoButton->setText(tr("Redo"));
    m_redoButton->setObjectName(QStringLiteral("DisplayWallRedo"));
    auto* edit = new QHBoxLayout;
    edit->addWidget(m_undoButton);
    edit->addWidget(m_redoButton);
    edit->addStretch();

    auto* save = new QPushButton(tr("Save layout"), box);
    save->setObjectName(QStringLiteral("DisplayWallSaveLayout"));
    connect(save, &QPushButton::clicked, this, &DisplayWallPage::saveLayout);
    auto* load = new QPushButton(tr("Load layout"), box);
    load->setObjectName(QStringLiteral("DisplayWallLoadLayout"));
    connect(load, &QPushButton::clicked, this, &DisplayWallPage::loadLayout);
    auto* layouts = new QHBoxLayout;
    layouts->addWidget(save);
    layouts->addWidget(load);

    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Wall"), m_mode);
    form->addRow(tr("Selection"), m_selectionMode);
    form->addRow(lock);
    form->addRow(deleteAll);
    form->addRow(hint);
    form->addRow(tr("Edit"), edit);
    form->addRow(layouts);
    return box;
}

void DisplayWallPage::buildWall()
{
    m_wall->SetTVWallGridCount(kGrid, kGrid);
    m_wall->SetWindowTitleShow(true);
    m_wall->SetWindowSelectionMode(ZtTVWallOperateWnd::SelectionMode(m_selectionMode->currentData().toInt()));
    m_opened = 0;
    const QList<ScreenPlan> plan = wallPlan();
    for (int s = 0; s < plan.size(); ++s) {
        const int screen = m_wall->AddScreen(plan.at(s).rect, QVariant(s));
        for (const StructScaleRect& window : plan.at(s).windows)
            openWindow(screen, window);
    }
    std::vector<StructOSDInfo> texts = {
        osdText("CONTROL ROOM A", 256, 256, 7936, 1280, 1),
        osdText("Recording\nall channels", 5120, 6400, 7936, 7936, 2),
    };
    m_wall->SetScreenOSDInfo(0, texts);
    // Placement follows the facade's size: a resize places the new wall's screens.
    m_wall->resize(m_wall->size() + QSize(1, 0));
    m_wall->resize(m_wall->size() - QSize(1, 0));
    connectUndo();
}

void DisplayWallPage::connectUndo()
{
    delete m_undo;
    delete m_redo;
    QUndoStack* stack = m_wall->GetUndoStack();
    m_undoButton->setEnabled(stack);
    m_redoButton->setEnabled(stack);
    if (!stack)
        return;
    m_undo = stack->createUndoAction(this, tr("Undo"));
    m_undo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    m_redo = stack->createRedoAction(this, tr("Redo"));
    m_redo->setShortcut(QKeySequence(tr("Ctrl+Shift+Z")));
    addAction(m_undo);
    addAction(m_redo);
    m_undoButton->setDefaultAction(m_undo);
    m_redoButton->setDefaultAction(m_redo);
}

int DisplayWallPage::openWindow(int screen, const StructScaleRect& scale)
{
    const int window = m_wall->OpenWindow(screen, scale, QVariant(m_opened++));
    attachVideo(screen, window);
    return window;
}

void DisplayWallPage::attachVideo(int screen, int window)
{
    auto* video = qobject_cast<ZtTVWallDisplayVideo*>(m_wall->GetWindowWidget(screen, window));
    if (!video)
        return;
    const QString key = QStringLiteral("video-%1").arg(quintptr(video));
    videos().insert(key, video);
    video->SetRefreshCallback(&paintTestPattern, key);
    video->setProperty("state", m_opened % 4 == 0 ? QStringLiteral("request") : QString());
}

void DisplayWallPage::saveLayout()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save layout"), QString(), tr("Layouts (*.json)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(m_wall->GetLayout().toJson()) >= 0;
    log(tr("Save layout"), saved ? path : tr("%1 cannot be written").arg(path));
}

// The wall rebuilds the saved layout; the host then attaches video to the new windows again.
void DisplayWallPage::loadLayout()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Load layout"), QString(), tr("Layouts (*.json)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const ZtTVWallLayout layout = ZtTVWallLayout::fromJson(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    const QVector<QVector<int>> windows = layout.isValid() ? m_wall->ApplyLayout(layout) : QVector<QVector<int>>();
    for (int screen = 0; screen < windows.size(); ++screen) {
        for (int window : windows.at(screen))
            attachVideo(screen, window);
    }
    log(tr("Load layout"), windows.isEmpty() ? tr("%1 holds no layout for this wall").arg(path) : path);
}

void DisplayWallPage::toggle(int screen, int window, bool (ZtTVWallOperateWnd::*get)(int, int) const,
                             void (ZtTVWallOperateWnd::*set)(int, int, bool), const QString& name)
{
    const bool on = !(m_wall->*get)(screen, window);
    (m_wall->*set)(screen, window, on);
    log(name, tr("screen %1, window %2 → %3").arg(screen).arg(window).arg(on ? tr("on") : tr("off")));
}

void DisplayWallPage::connectWall()
{
    using Op = ZtTVWallOperateWnd;
    connect(m_wall, &Op::SignalDrawAreaOpenWindow, this, [this](int screen, StructScaleRect r) {
        log(QStringLiteral("SignalDrawAreaOpenWindow"),
            tr("screen %1, (%2, %3)–(%4, %5)").arg(screen).arg(r.dLeft, 0, 'f', 2).arg(r.dTop, 0, 'f', 2)
                .arg(r.dRight, 0, 'f', 2).arg(r.dBottom, 0, 'f', 2));
        openWindow(screen, r);
    });
    connect(m_wall, &Op::SignalWindowCloseBtnClicked, this, [this](int screen, int window) {
        log(QStringLiteral("SignalWindowCloseBtnClicked"), tr("screen %1, window %2").arg(screen).arg(window));
        m_wall->DeleteWindow(screen, window);
    });
    connect(m_wall, &Op::SignalWindowVolumeBtnClicked, this, [this](int s, int w) {
        toggle(s, w, &Op::GetWindowVolumeBtnStatus, &Op::SetWindowVolumeBtn, QStringLiteral("SignalWindowVolumeBtnClicked"));
    });
    connect(m_wall, &Op::SignalWindowLockBtnClicked, this, [this](int s, int w) {
        toggle(s, w, &Op::GetWindowLockBtnStatus, &Op::SetWindowLockBtn, QStringLiteral("SignalWindowLockBtnClicked"));
    });
    connect(m_wall, &Op::SignalWindowDockBtnClicked, this, [this](int s, int w) {
        toggle(s, w, &Op::GetWindowDockBtnStatus, &Op::SetWindowDockBtn, QStringLiteral("SignalWindowDockBtnClicked"));
    });
    connect(m_wall, &Op::SignalWindowMeetingBtnClicked, this, [this](int s, int w) {
        toggle(s, w, &Op::GetWindowMeetingBtnStatus, &Op::SetWindowMeetingBtn, QStringLiteral("SignalWindowMeetingBtnClicked"));
    });
    connect(m_wall, &Op::SignalWindowTourBtnClicked, this, [this](int s, int w) {
        toggle(s, w, &Op::GetWindowTourBtnStatus, &Op::SetWindowTourBtn, QStringLiteral("SignalWindowTourBtnClicked"));
    });
    connect(m_wall, &Op::SignalWindowPTZBtnClicked, this, [this](int s, int w) {
        log(QStringLiteral("SignalWindowPTZBtnClicked"), tr("screen %1, window %2").arg(s).arg(w));
        m_wall->SetWindowPTZBtn(s, w, true);
    });
    connect(m_wall, &Op::SignalScreenSelectedChanged, this, [this](int s) {
        log(QStringLiteral("SignalScreenSelectedChanged"), tr("screen %1").arg(s));
    });
    connect(m_wall, &Op::SignalWindowSelectedChanged, this, [this](int s) {
        QStringList selected;
        for (int w : m_wall->GetSelectedWindowIndexs())
            selected << QString::number(w);
        log(QStringLiteral("SignalWindowSelectedChanged"),
            tr("screen %1, selected: %2").arg(s).arg(selected.isEmpty() ? tr("none") : selected.join(", ")));
    });
    connect(m_wall, &Op::SignalWindowGeoChanged, this, [this](int s, int w, StructScaleRect r) {
        log(QStringLiteral("SignalWindowGeoChanged"),
            tr("screen %1, window %2, (%3, %4)–(%5, %6)").arg(s).arg(w).arg(r.dLeft, 0, 'f', 3)
                .arg(r.dTop, 0, 'f', 3).arg(r.dRight, 0, 'f', 3).arg(r.dBottom, 0, 'f', 3));
    });
    connect(m_wall, &Op::SignalWindowDoubleClicked, this, [this](int s) {
        log(QStringLiteral("SignalWindowDoubleClicked"), tr("screen %1").arg(s));
    });
    connect(m_wall, &Op::SignalLockEvent, this, [this](const QString& text) {
        log(QStringLiteral("SignalLockEvent"), text);
    });
    connect(m_wall, &Op::SignalOSDGeoChanged, this, [this](int s, int id, QRect r, bool moved) {
        log(QStringLiteral("SignalOSDGeoChanged"), tr("screen %1, text %2, %3, %4, %5 × %6, %7").arg(s).arg(id)
                .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).arg(moved ? tr("moved") : tr("resized")));
    });
    connect(m_wall, &Op::SignalOSDEvent, this, [this](int s, int id, int event) {
        log(QStringLiteral("SignalOSDEvent"),
            tr("screen %1, text %2, %3").arg(s).arg(id).arg(event == 1 ? tr("edit") : tr("close")));
    });
    connect(m_wall, &Op::SignalPTZEvent, this, [this](int s, int w, int type, int step, bool stop) {
        log(QStringLiteral("SignalPTZEvent"), tr("screen %1, window %2, control %3, step %4%5")
                .arg(s).arg(w).arg(type).arg(step).arg(stop ? tr(", stop") : QString()));
    });
}

void DisplayWallPage::openOverview()
{
    auto* overview = m_wall->findChild<ZtTVWallDisplayEagleEye*>();
    if (!overview || !overview->IsCollapsed())
        return;
    // A click on the folded overview's corner button opens it.
    const QPoint corner(overview->width() - 3, overview->height() - 3);
    QMouseEvent release(QEvent::MouseButtonRelease, corner, overview->mapToGlobal(corner), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(overview, &release);
}

void DisplayWallPage::log(const QString& signal, const QString& details)
{
    m_log->Append(signal, details);
}

bool DisplayWallPage::SaveScreenshots(const QString& folder)
{
    QWidget* host = window();
    bool saved = true;
    for (int mode : { 0, 1 }) {
        m_mode->setCurrentIndex(mode);
        m_wall->SetSelectedScreenIndex(0);
        m_wall->SetSelectedWindowIndexs(0, 0, true);
        if (mode == 1) {
            QWheelEvent zoom(QPointF(m_wall->width() / 3, m_wall->height() / 3), m_wall->mapToGlobal(QPoint()),
                             QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(m_wall, &zoom);
            openOverview();
        }
        QCoreApplication::processEvents();
        const QString file = folder + (mode == 0 ? QStringLiteral("/displaywall-scene.png")
                                                 : QStringLiteral("/displaywall-display.png"));
        if (!host->grab().save(file)) {
            qCritical("Cannot write %s", qPrintable(file));
            saved = false;
        }
    }
    return saved;
}
