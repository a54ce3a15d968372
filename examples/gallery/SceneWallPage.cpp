#include "SceneWallPage.h"

#include "GalleryLog.h"

#include "ZtTVWallNormalWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGraphicsSceneMouseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

using namespace ZtGUI;

namespace {

// Where the wall's screens lie, in fractions of the wall: blocks of 1 to 4 cells of the 4 x 4 grid.
struct ScreenPlan
{
    StructScaleRect rect;
    QList<StructScaleRect> windows;
};

QList<ScreenPlan> wallPlan()
{
    const bool free = true;
    const bool fixed = false;   // a screen whose layout the operator may not change
    return {
        {{0.0, 0.0, 0.5, 0.5, free},                                      // 2 x 2
         {{0.0, 0.0, 0.5, 0.5}, {0.5, 0.0, 1.0, 0.5}, {0.0, 0.5, 1.0, 1.0}}},
        {{0.5, 0.0, 0.75, 0.25, free}, {{0.0, 0.0, 1.0, 1.0}}},           // 1 x 1
        {{0.75, 0.0, 1.0, 0.25, free}, {}},                               // 1 x 1
        {{0.5, 0.25, 1.0, 0.5, free}, {{0.15, 0.1, 0.85, 0.9}}},          // 2 wide, a loose window
        {{0.0, 0.5, 0.25, 1.0, free}, {{0.0, 0.0, 1.0, 0.5}, {0.0, 0.5, 1.0, 1.0}}},   // 1 x 2 tall
        {{0.25, 0.5, 1.0, 0.75, free}, {{0.0, 0.0, 1.0, 1.0}}},           // 3 wide
        {{0.25, 0.75, 0.5, 1.0, free}, {}},                               // 1 x 1
        {{0.5, 0.75, 1.0, 1.0, fixed}, {{0.0, 0.0, 0.5, 1.0, fixed}, {0.5, 0.0, 1.0, 1.0, fixed}}},
    };
}

const char* const kCameraNames[] = {
    QT_TRANSLATE_NOOP("SceneWallPage", "Lobby entrance"),
    QT_TRANSLATE_NOOP("SceneWallPage", "Gate 3"),
    QT_TRANSLATE_NOOP("SceneWallPage", "Car park north"),
    QT_TRANSLATE_NOOP("SceneWallPage", "Loading bay"),
    QT_TRANSLATE_NOOP("SceneWallPage", "Reception"),
    QT_TRANSLATE_NOOP("SceneWallPage", "Server room"),
    QT_TRANSLATE_NOOP("SceneWallPage", "Corridor B2"),
    QT_TRANSLATE_NOOP("SceneWallPage", "Roof east"),
};

QString buttonText(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return QStringLiteral("left");
    case Qt::RightButton: return QStringLiteral("right");
    case Qt::MiddleButton: return QStringLiteral("middle");
    default: return QString::number(int(button));
    }
}

} // namespace

SceneWallPage::SceneWallPage(QWidget* parent)
    : QWidget(parent)
    , m_wall(new ZtTVWallNormalWnd(this))
{
    m_wall->setObjectName(QStringLiteral("SceneWall"));
    m_wall->setMinimumSize(360, 240);

    auto* hint = new QLabel(tr("Drag on an empty part of a screen to open a window. Drag a title bar to move, "
                               "an edge to resize; the wheel zooms, the corner triangle opens the overview."),
                            this);
    hint->setWordWrap(true);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    hint->setFont(small);

    auto* wallColumn = new QVBoxLayout;
    wallColumn->addWidget(m_wall, 1);
    wallColumn->addWidget(hint);

    // A narrow side panel leaves the wall most of the page, so window titles fit beside the buttons.
    auto* side = new QWidget(this);
    side->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(createControls());
    sideLayout->addWidget(createLog(), 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(wallColumn, 1);
    layout->addWidget(side);

    // Connected before the wall is built, so that the log shows what the start-up selection reports.
    connectWall();
    buildWall();
    syncSelection();
}

QWidget* SceneWallPage::createControls()
{
    auto* box = new QGroupBox(tr("Wall"), this);
    box->setObjectName(QStringLiteral("SceneWallControls"));

    m_selectionMode = new QComboBox(box);
    m_selectionMode->setObjectName(QStringLiteral("SceneWallSelectionMode"));
    m_selectionMode->addItem(tr("No selection"), ZtTVWallNormalWnd::NoSelection);
    m_selectionMode->addItem(tr("Single selection"), ZtTVWallNormalWnd::SingleSelection);
    m_selectionMode->addItem(tr("Multi selection"), ZtTVWallNormalWnd::MultiSelection);
    m_selectionMode->setCurrentIndex(m_selectionMode->findData(m_wall->GetWindowSelectionMode()));
    connect(m_selectionMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        m_wall->SetWindowSelectionMode(
            ZtTVWallNormalWnd::SelectionMode(m_selectionMode->currentData().toInt()));
    });

    m_freeMode = new QCheckBox(tr("Free mode of the selected screen"), box);
    m_freeMode->setObjectName(QStringLiteral("SceneWallFreeMode"));
    connect(m_freeMode, &QCheckBox::toggled, this, [this](bool checked) {
        m_wall->SetScreenFreeMode(m_wall->GetSelectedScreenIndex(), checked);
        syncSelection();
    });

    m_titles = new QCheckBox(tr("Window titles"), box);
    m_titles->setObjectName(QStringLiteral("SceneWallTitles"));
    m_titles->setChecked(true);
    connect(m_titles, &QCheckBox::toggled, m_wall, &ZtTVWallNormalWnd::SetWindowTitleShow);

    auto* deleteAll = new QPushButton(tr("Delete all windows"), box);
    deleteAll->setObjectName(QStringLiteral("SceneWallDeleteAll"));
    connect(deleteAll, &QPushButton::clicked, this, [this] {
        m_wall->DeleteAllWindows();
        syncSelection();
    });
    auto* resetZoom = new QPushButton(tr("Reset zoom"), box);
    resetZoom->setObjectName(QStringLiteral("SceneWallResetZoom"));
    connect(resetZoom, &QPushButton::clicked, m_wall, &ZtTVWallNormalWnd::RecoverEagleEye);

    m_selection = new QLabel(box);
    m_selection->setObjectName(QStringLiteral("SceneWallSelection"));
    m_selection->setWordWrap(true);

    auto* form = new QFormLayout(box);
    form->addRow(tr("Windows"), m_selectionMode);
    form->addRow(m_freeMode);
    form->addRow(m_titles);
    form->addRow(deleteAll);
    form->addRow(resetZoom);
    form->addRow(tr("Selected"), m_selection);
    return box;
}

QWidget* SceneWallPage::createLog()
{
    m_log = new GalleryLog(tr("Signals"), QStringLiteral("SceneWallLog"), this);
    return m_log;
}

void SceneWallPage::connectWall()
{
    using Wall = ZtTVWallNormalWnd;
    const auto screen = [](int iScreen) { return QStringLiteral("screen %1").arg(iScreen); };
    const auto window = [](int iScreen, int iWindow) {
        return QStringLiteral("screen %1, window %2").arg(iScreen).arg(iWindow);
    };

    // Pointer movement would drown the operator's clicks: only clicks and menus are logged.
    connect(m_wall, &Wall::SignalScreenEvent, this, [=](int iScreen, QEvent* pEvent) {
        const QString what = eventText(pEvent);
        if (!what.isEmpty())
            log(QStringLiteral("SignalScreenEvent"), screen(iScreen) + QStringLiteral(", ") + what);
    });
    connect(m_wall, &Wall::SignalWindowEvent, this, [=](int iScreen, int iWindow, QEvent* pEvent) {
        const QString what = eventText(pEvent);
        if (!what.isEmpty())
            log(QStringLiteral("SignalWindowEvent"), window(iScreen, iWindow) + QStringLiteral(", ") + what);
    });
    connect(m_wall, &Wall::SignalScreenSelectedChanged, this, [=](int iScreen) {
        log(QStringLiteral("SignalScreenSelectedChanged"), screen(iScreen));
        syncSelection();
    });
    connect(m_wall, &Wall::SignalScreenCloseBtnClicked, this, [=](int iScreen) {
        log(QStringLiteral("SignalScreenCloseBtnClicked"), screen(iScreen));
    });
    connect(m_wall, &Wall::SignalWindowSelectedChanged, this, [=](int iScreen) {
        log(QStringLiteral("SignalWindowSelectedChanged"), screen(iScreen));
        syncSelection();
    });
    connect(m_wall, &Wall::SignalWindowCloseBtnClicked, this, [=](int iScreen, int iWindow) {
        log(QStringLiteral("SignalWindowCloseBtnClicked"), window(iScreen, iWindow));
        m_wall->DeleteWindow(iScreen, iWindow);
        syncSelection();
    });
    connect(m_wall, &Wall::SignalWindowVolumeBtnClicked, this, [=](int iScreen, int iWindow) {
        log(QStringLiteral("SignalWindowVolumeBtnClicked"), window(iScreen, iWindow));
        m_wall->SetWindowVolumeBtn(iScreen, iWindow, !m_wall->GetWindowVolumeBtnStatus(iScreen, iWindow));
    });
    connect(m_wall, &Wall::SignalWindowGeoChanged, this, [=](int iScreen, int iWindow, StructScaleRect rect) {
        log(QStringLiteral("SignalWindowGeoChanged"), window(iScreen, iWindow) + QLatin1Char('\n') + rectText(rect));
    });
    connect(m_wall, &Wall::SignalDrawAreaOpenWindow, this, [=](int iScreen, StructScaleRect rect) {
        log(QStringLiteral("SignalDrawAreaOpenWindow"), screen(iScreen) + QLatin1Char('\n') + rectText(rect));
        openCamera(iScreen, rect);
        syncSelection();
    });
    connect(m_wall, &Wall::SignalWindowDoubleClicked, this, [=](int iScreen) {
        log(QStringLiteral("SignalWindowDoubleClicked"), screen(iScreen));
    });
}

void SceneWallPage::buildWall()
{
    m_wall->SetTVWallGridCount(4, 4);
    m_wall->SetWindowTitleShow(m_titles->isChecked());
    const QList<ScreenPlan> plan = wallPlan();
    for (const ScreenPlan& screen : plan) {
        // The host keeps which decoder output drives each screen.
        const QString decoder = QStringLiteral("decoder-%1").arg(m_wall->GetScreenCount() + 1);
        const int iScreen = m_wall->AddScreen(screen.rect, QVariant(decoder));
        for (const StructScaleRect& rect : screen.windows)
            openCamera(iScreen, rect);
    }
    m_wall->SetSelectedScreenIndex(0);
    m_wall->SetSelectedWindowIndexs(0, 1);
}

int SceneWallPage::openCamera(int iScreen, const StructScaleRect& rect)
{
    // A window on a fixed screen is fixed too, or it would bring back the buttons the screen hides.
    StructScaleRect placed = rect;
    placed.bFreeMode = rect.bFreeMode && m_wall->IsScreenFreeMode(iScreen);
    const int count = int(sizeof kCameraNames / sizeof *kCameraNames);
    const QString camera = m_cameras < count ? tr(kCameraNames[m_cameras]) : tr("Camera %1").arg(m_cameras + 1);
    ++m_cameras;
    const int iWindow = m_wall->OpenWindow(iScreen, placed, QVariant(camera));
    m_wall->SetWindowContentText(iScreen, iWindow, camera);
    return iWindow;
}

void SceneWallPage::syncSelection()
{
    const int iScreen = m_wall->GetSelectedScreenIndex();
    {
        const QSignalBlocker blocker(m_freeMode);
        m_freeMode->setEnabled(iScreen >= 0);
        m_freeMode->setChecked(iScreen >= 0 && m_wall->IsScreenFreeMode(iScreen));
    }
    if (iScreen < 0) {
        m_selection->setText(tr("no screen"));
        return;
    }
    QStringList windows;
    for (int iWindow : m_wall->GetSelectedWindowIndexs())
        windows << QString::number(iWindow);
    m_selection->setText(tr("screen %1, window %2 (%3 open)")
                             .arg(iScreen)
                             .arg(windows.isEmpty() ? tr("none") : windows.join(QStringLiteral(", ")))
                             .arg(m_wall->GetWindowCount(iScreen)));
}

void SceneWallPage::log(const QString& signal, const QString& arguments)
{
    m_log->Append(signal, arguments);
}

QString SceneWallPage::rectText(const StructScaleRect& rect)
{
    return QStringLiteral("(%1, %2, %3, %4)")
        .arg(rect.dLeft, 0, 'f', 3)
        .arg(rect.dTop, 0, 'f', 3)
        .arg(rect.dRight, 0, 'f', 3)
        .arg(rect.dBottom, 0, 'f', 3);
}

QString SceneWallPage::eventText(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
        return QStringLiteral("press ") + buttonText(static_cast<const QGraphicsSceneMouseEvent*>(event)->button());
    case QEvent::GraphicsSceneMouseRelease:
        return QStringLiteral("release ") + buttonText(static_cast<const QGraphicsSceneMouseEvent*>(event)->button());
    case QEvent::GraphicsSceneMouseDoubleClick:
        return QStringLiteral("double click ") + buttonText(static_cast<const QGraphicsSceneMouseEvent*>(event)->button());
    case QEvent::GraphicsSceneContextMenu:
        return QStringLiteral("context menu");
    default:
        return QString();
    }
}
