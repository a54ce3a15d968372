// The display wall against the same wall built from bare Qt MDI areas: 8 x 8 screens, 16 windows
// on each (1,024 windows), in a 1920 x 1080 wall. The scene wall of the same size is measured
// beside them, so that a host can see what each wall costs.
#include "BenchSupport.h"
#include "CommonFun.h"
#include "StructOSDInfo.h"
#include "StructScaleRect.h"
#include "ZtDir.h"
#include "ZtSetting.h"
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"

#include <QtTest>
#include <QBoxLayout>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace ZtGUI;
using namespace BenchSupport;

namespace {

const int kGrid = 8;                 // rows and columns of the wall, one screen per cell
const int kWindowsPerSide = 4;       // a 4 x 4 arrangement of windows on every screen
const int kWindowsPerScreen = kWindowsPerSide * kWindowsPerSide;
const int kWindowCount = kGrid * kGrid * kWindowsPerScreen;
const int kOSDTexts = 8;
const QSize kWallSize(1920, 1080);
const int kDragHalfStep = 20;        // moves alternate 40 px apart, either side of the press
const int kBuildSamples = 7;         // builds are slow: fewer repetitions behind their median

enum Kind { Display, Bare, Scene, BareSkinned };
const char* const kKindNames[] = {"display wall", "bare QMdiArea", "scene wall", "bare + skin"};

// Each window is a fifth of its screen wide, the four columns centred, so that a dragged group
// has a tenth of the screen (24 px) of room on either side; rows fill the screen.
StructScaleRect windowScale(int k)
{
    const int row = k / kWindowsPerSide;
    const int col = k % kWindowsPerSide;
    const double left = 0.1 + 0.2 * col;
    const double top = 1.0 / kWindowsPerSide * row;
    return StructScaleRect(left, top, left + 0.2, top + 1.0 / kWindowsPerSide, true);
}

StructScaleRect screenScale(int row, int col)
{
    return StructScaleRect(double(col) / kGrid, double(row) / kGrid, double(col + 1) / kGrid, double(row + 1) / kGrid, true);
}

// The pixels a display screen takes on its wall: a one-pixel seam to its right and bottom
// neighbours, none at the wall's far edges.
QRect screenPixels(const StructScaleRect& s)
{
    const QSize r = kWallSize;
    int right = int(r.width() * s.dRight - 1.0);
    int bottom = int(r.height() * s.dBottom - 1.0);
    right -= s.dRight != 1.0 ? 1 : 0;
    bottom -= s.dBottom != 1.0 ? 1 : 0;
    return QRect(QPoint(int(r.width() * s.dLeft), int(r.height() * s.dTop)), QPoint(right, bottom));
}

QRect windowPixels(const StructScaleRect& s, const QSize& area)
{
    const double w = area.width();
    const double h = area.height();
    return QRect(int(w * s.dLeft + 0.5), int(h * s.dTop + 0.5), int(w * (s.dRight - s.dLeft) + 0.5),
                 int(h * (s.dBottom - s.dTop) + 0.5));
}

// The host's order: grid and screens first, shown at the final size (which places the screens),
// then the windows, which place themselves in their screen.
std::unique_ptr<QWidget> makeDisplayWall()
{
    std::unique_ptr<ZtTVWallDisplayWnd> wall(new ZtTVWallDisplayWnd);
    wall->SetTVWallGridCount(kGrid, kGrid);
    wall->SetWindowTitleShow(true);
    for (int row = 0; row < kGrid; ++row) {
        for (int col = 0; col < kGrid; ++col)
            wall->AddScreen(screenScale(row, col), QVariant());
    }
    wall->resize(kWallSize);
    wall->show();
    for (int screen = 0; screen < kGrid * kGrid; ++screen) {
        for (int k = 0; k < kWindowsPerScreen; ++k)
            wall->OpenWindow(screen, windowScale(k), QVariant(k));
    }
    return std::unique_ptr<QWidget>(wall.release());
}

// What a host would build with bare Qt: an MDI area per screen, at the display screens' places,
// holding plain sub-windows (the style's title bar, an empty widget for the video) at the
// windows' places. Skinned, it carries the display wall's skin style sheet, under which Qt
// polishes every widget through its style-sheet style: that share of the wall's cost is Qt's.
std::unique_ptr<QWidget> makeBareWall(bool skinned = false)
{
    std::unique_ptr<QWidget> wall(new QWidget);
    if (skinned)
        CommonFun::SetStyleSheet(wall.get(), QStringLiteral("TVWallOperateWnd"), QStringLiteral("ZtTVWallDisplayWnd.css"), QString());
    wall->resize(kWallSize);
    std::vector<QMdiArea*> areas;
    for (int row = 0; row < kGrid; ++row) {
        for (int col = 0; col < kGrid; ++col) {
            auto* area = new QMdiArea(wall.get());
            area->setFrameShape(QFrame::NoFrame);
            area->setGeometry(screenPixels(screenScale(row, col)));
            areas.push_back(area);
        }
    }
    wall->show();
    for (QMdiArea* area : areas) {
        for (int k = 0; k < kWindowsPerScreen; ++k) {
            QMdiSubWindow* window = area->addSubWindow(new QWidget);
            window->setWindowTitle(QStringLiteral("Window %1").arg(k + 1));
            window->setGeometry(windowPixels(windowScale(k), area->viewport()->size()));
            window->show();
        }
    }
    return wall;
}

std::unique_ptr<QWidget> makeSceneWall()
{
    std::unique_ptr<ZtTVWallNormalWnd> wall(new ZtTVWallNormalWnd);
    wall->resize(kWallSize);
    wall->show();
    wall->SetTVWallGridCount(kGrid, kGrid);
    wall->SetWindowTitleShow(true);
    for (int row = 0; row < kGrid; ++row) {
        for (int col = 0; col < kGrid; ++col) {
            const int screen = wall->AddScreen(screenScale(row, col), QVariant());
            for (int k = 0; k < kWindowsPerScreen; ++k)
                wall->OpenWindow(screen, windowScale(k), QVariant());
        }
    }
    return std::unique_ptr<QWidget>(wall.release());
}

std::unique_ptr<QWidget> makeWall(Kind kind)
{
    switch (kind) {
    case Display: return makeDisplayWall();
    case Bare: return makeBareWall();
    case Scene: return makeSceneWall();
    case BareSkinned: return makeBareWall(true);
    }
    return nullptr;
}

// The screens of a wall in the order they were added (the bare wall's MDI areas likewise).
QList<QMdiArea*> screensOf(QWidget* wall)
{
    return wall->findChildren<QMdiArea*>(QString(), Qt::FindDirectChildrenOnly);
}

// The windows of a screen in opening order: the display screen's own, the bare area's sub-windows.
QList<QWidget*> windowsOf(QMdiArea* area)
{
    QList<QWidget*> windows;
    if (auto* screen = qobject_cast<ZtTVWallDisplayScreen*>(area)) {
        for (int k = 0; k < screen->GetWindowCount(); ++k)
            windows << screen->GetWindow(k);
    } else {
        for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder))
            windows << window;
    }
    return windows;
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void click(QWidget* widget, const QPoint& pos)
{
    sendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}


// Eight texts on a screen, two columns of four, with colours, transparency and two-line captions;
// the two variants differ in every text, so that each application has something to change.
std::vector<StructOSDInfo> osdTexts(int screen, int variant)
{
    std::vector<StructOSDInfo> texts(kOSDTexts);
    for (int i = 0; i < kOSDTexts; ++i) {
        StructOSDInfo& t = texts[i];
        t.bShow = true;
        t.struTextColor = {255, 255, 0, 0};
        t.struBackColor = {20 * i, 40 + 100 * variant, 80, 64};
        t.bTransparency = i % 2 == 0;
        const int left = (i % 2) * 4096;
        const int top = (i / 2) * 2048;
        t.struRect = {left, top, left + 4000, top + 2000};
        t.cFontScale = 80;
        t.cAlign = char(i % 3);
        t.strText = "Screen " + std::to_string(screen + 1) + "\nText " + std::to_string(i + 1) + (variant ? "b" : "a");
        t.strFontName = i % 3 == 0 ? "simHei" : i % 3 == 1 ? "simKai" : "song";
    }
    return texts;
}

// The hidden edit and close buttons of a text, in the label's top-right corner, with the style
// sheets of pictures that the display wall gives them: restyling a label restyles them too.
void addHoverButtons(QLabel* label)
{
    auto* column = new QVBoxLayout(label);
    auto* corner = new QHBoxLayout;
    column->addLayout(corner);
    column->addStretch();
    corner->addStretch();
    for (const char* name : {"edit", "close"}) {
        auto* button = new QPushButton(label);
        button->setFixedSize(15, 15);
        button->setStyleSheet(QStringLiteral("QPushButton{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_%1_normal.png);} "
                                             "QPushButton:hover{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_%1_hover.png);} "
                                             "QPushButton:pressed{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_%1_select.png);}")
                                  .arg(QLatin1String(name)));
        button->hide();
        corner->addWidget(button);
    }
}

// The bare counterpart of a screen's eight texts: a frameless sub-window holding a label each,
// and with `hoverButtons` the two buttons of each text as well.
std::vector<QLabel*> addBareTexts(QMdiArea* area, bool hoverButtons)
{
    std::vector<QLabel*> labels;
    for (int i = 0; i < kOSDTexts; ++i) {
        auto* label = new QLabel;
        if (hoverButtons)
            addHoverButtons(label);
        QMdiSubWindow* sub = area->addSubWindow(label, Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
        sub->hide();
        labels.push_back(label);
    }
    return labels;
}

// What the bare host does per text: the same style sheet, text, alignment and place, shown on top.
void setBareTexts(QMdiArea* area, const std::vector<QLabel*>& labels, const std::vector<StructOSDInfo>& texts)
{
    const QSize s = area->viewport()->size();
    for (size_t i = 0; i < labels.size(); ++i) {
        const StructOSDInfo& t = texts[i];
        QLabel* label = labels[i];
        QWidget* sub = label->parentWidget();
        const QRect r(int(t.struRect.iLeft * s.width() / 8192.0 + 0.5), int(t.struRect.iTop * s.height() / 8192.0 + 0.5),
                      int((t.struRect.iRight - t.struRect.iLeft) * s.width() / 8192.0 + 0.5),
                      int((t.struRect.iBottom - t.struRect.iTop) * s.height() / 8192.0 + 0.5));
        sub->setGeometry(r);
        label->setStyleSheet(QStringLiteral("QLabel {font-size: %1px;color: rgb(255, 255, 0);background-color: rgba(%2, %3, 80, 127)}")
                                 .arg(qMin(r.height() / 2, r.width()) * 80 / 100)
                                 .arg(t.struBackColor.iRed)
                                 .arg(t.struBackColor.iGreen));
        label->setAlignment(t.cAlign == 1 ? Qt::AlignCenter : t.cAlign == 2 ? Qt::AlignRight : Qt::AlignLeft);
        label->setText(QString::fromLocal8Bit(t.strText.c_str()));
        sub->show();
        sub->raise();
    }
}

} // namespace

class bench_DisplayWall : public QObject
{
    Q_OBJECT

private:
    QMap<QString, QMap<int, double>> m_results;     // figure -> kind -> median
    QStringList m_figures;

    void record(const QString& figure, Kind kind, double value)
    {
        if (!m_figures.contains(figure))
            m_figures << figure;
        m_results[figure][kind] = value;
    }

    static void addRows(bool withScene = true, bool withSkinned = false)
    {
        QTest::addColumn<int>("kind");
        QTest::newRow(kKindNames[Display]) << int(Display);
        QTest::newRow(kKindNames[Bare]) << int(Bare);
        if (withSkinned)
            QTest::newRow(kKindNames[BareSkinned]) << int(BareSkinned);
        if (withScene)
            QTest::newRow(kKindNames[Scene]) << int(Scene);
    }

    // One press on a window of a screen in the middle of the wall and moves either side of it,
    // with every window of that screen selected: the group moves together and repaints.
    std::function<void()> groupMover(Kind kind, QWidget* wall, int& step)
    {
        if (kind == Scene) {
            auto* view = static_cast<ZtTVWallNormalWnd*>(wall);
            view->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
            const QPointF centre(kWallSize.width() / kGrid * 3.5, kWallSize.height() / kGrid * 3.5);
            QList<QGraphicsItem*> group;
            for (QGraphicsItem* item : view->scene()->items(centre)) {
                if (auto* screen = dynamic_cast<ZtTVWallNormalScreen*>(item)) {
                    for (int k = 0; k < screen->GetWindowCount(); ++k)
                        group << screen->GetWindow(k);
                    break;
                }
            }
            for (QGraphicsItem* window : group)
                window->setSelected(true);
            const QPoint press = view->mapFromScene(group.at(5)->mapToScene(QPointF(24.0, 16.0)));
            QWidget* viewport = view->viewport();
            sendMouse(viewport, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
            return [viewport, press, &step] {
                const int dx = (step++ % 2 == 0 ? kDragHalfStep : -kDragHalfStep);
                sendMouse(viewport, QEvent::MouseMove, press + QPoint(dx, 0), Qt::NoButton, Qt::LeftButton);
                paintPending();
            };
        }
        const QList<QWidget*> group = windowsOf(screensOf(wall).at(3 * kGrid + 3));
        if (kind == Bare) {
            QList<QPoint> origins;
            for (QWidget* window : group)
                origins << window->pos();
            return [group, origins, &step] {
                const int dx = (step++ % 2 == 0 ? kDragHalfStep : -kDragHalfStep);
                for (int i = 0; i < group.size(); ++i)
                    group.at(i)->move(origins.at(i) + QPoint(dx, 0));
                paintPending();
            };
        }
        // Clicks toggle the windows into the selection, then a press inside one starts the move.
        static_cast<ZtTVWallDisplayWnd*>(wall)->SetWindowSelectionMode(ZtTVWallDisplayWnd::MultiSelection);
        const QPoint inside(24, 20);
        for (QWidget* window : group)
            click(window, inside);
        QWidget* pressed = group.at(5);
        const QPoint anchor = pressed->mapToGlobal(inside);
        sendMouse(pressed, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
        return [pressed, anchor, &step] {
            const int dx = (step++ % 2 == 0 ? kDragHalfStep : -kDragHalfStep);
            // The window moves under the pointer: each event is local to where the window is now.
            sendMouse(pressed, QEvent::MouseMove, pressed->mapFromGlobal(anchor + QPoint(dx, 0)), Qt::NoButton,
                      Qt::LeftButton);
            paintPending();
        };
    }

private slots:
    void initTestCase()
    {
        if (underCallgrind())
            return;     // checked natively; under valgrind it would only double the run
        auto wall = makeDisplayWall();
        auto* display = static_cast<ZtTVWallDisplayWnd*>(wall.get());
        QCOMPARE(display->GetScreenCount(), kGrid * kGrid);
        QCOMPARE(display->GetWindowCount(kGrid * kGrid - 1), kWindowsPerScreen);
        const QList<QMdiArea*> screens = screensOf(wall.get());
        QCOMPARE(screens.size(), kGrid * kGrid);
        QCOMPARE(screens.at(9)->geometry(), screenPixels(screenScale(1, 1)));
        auto bare = makeBareWall();
        QCOMPARE(screensOf(bare.get()).at(9)->geometry(), screens.at(9)->geometry());
        QCOMPARE(windowsOf(screensOf(bare.get()).at(9)).at(6)->geometry(), windowsOf(screens.at(9)).at(6)->geometry());
        QCOMPARE(makeBareWall(true)->styleSheet(), display->styleSheet());
    }

    void build_data() { addRows(true, true); }
    void build()
    {
        QFETCH(int, kind);
        makeWall(Kind(kind)).reset();
        // Built walls outlive the measured block: tearing down is not part of the figure; each
        // is hidden at once so that a pile of shown walls does not slow the next build.
        std::vector<std::unique_ptr<QWidget>> built;
        QBENCHMARK {
            built.push_back(makeWall(Kind(kind)));
            built.back()->hide();
        }
        built.clear();
        if (underCallgrind())
            return;
        record(QStringLiteral("build (ms)"), Kind(kind), buildMedian(Kind(kind)));
    }

    void render_data() { addRows(); }
    void render()
    {
        QFETCH(int, kind);
        auto wall = makeWall(Kind(kind));
        QVERIFY(QTest::qWaitForWindowExposed(wall.get()));
        QImage target(kWallSize, QImage::Format_ARGB32_Premultiplied);
        {
            // Glyphs and pictures are cached by the first render, as on a running wall.
            QPainter p(&target);
            wall->render(&p);
        }
        QBENCHMARK {
            QPainter p(&target);
            wall->render(&p);
        }
        if (underCallgrind())
            return;
        record(QStringLiteral("render (ms)"), Kind(kind), medianMs([&] {
            QPainter p(&target);
            wall->render(&p);
        }));
    }

    void moveStep_data() { addRows(); }
    void moveStep()
    {
        QFETCH(int, kind);
        auto wall = makeWall(Kind(kind));
        QVERIFY(QTest::qWaitForWindowExposed(wall.get()));
        PaintCounter paints;
        QWidget* painted = kind == Scene ? static_cast<QGraphicsView*>(wall.get())->viewport()
                                         : screensOf(wall.get()).at(3 * kGrid + 3)->viewport();
        painted->installEventFilter(&paints);
        QWidget* probe = kind == Scene ? nullptr : windowsOf(screensOf(wall.get()).at(3 * kGrid + 3)).last();
        int step = 0;
        const std::function<void()> stepOnce = groupMover(Kind(kind), wall.get(), step);
        paintPending();
        const QPoint start = probe ? probe->pos() : QPoint();

        // Both positions once, checked: the whole group moves 40 px and each step paints.
        const int paintsBefore = paints.count;
        stepOnce();
        if (probe)
            QCOMPARE(probe->pos(), start + QPoint(kDragHalfStep, 0));
        stepOnce();
        if (probe)
            QCOMPARE(probe->pos(), start - QPoint(kDragHalfStep, 0));
        QVERIFY2(paints.count >= paintsBefore + 2, "a move step did not repaint");

        QBENCHMARK { stepOnce(); }

        if (!underCallgrind())
            record(QStringLiteral("16-window move step (ms)"), Kind(kind), medianMs(stepOnce));
        painted->removeEventFilter(&paints);
    }

    // Bare with skin: the bare texts also carry the display wall's two hover buttons each.
    void osd_data() { addRows(false, true); }
    void osd()
    {
        QFETCH(int, kind);
        auto wall = makeWall(Kind(kind));
        QVERIFY(QTest::qWaitForWindowExposed(wall.get()));
        const QList<QMdiArea*> screens = screensOf(wall.get());
        std::vector<std::vector<StructOSDInfo>> texts[2];
        for (int s = 0; s < screens.size(); ++s) {
            texts[0].push_back(osdTexts(s, 0));
            texts[1].push_back(osdTexts(s, 1));
        }
        int round = 0;
        std::function<void()> apply;
        if (kind == Display) {
            auto* display = static_cast<ZtTVWallDisplayWnd*>(wall.get());
            apply = [display, &texts, &round] {
                std::vector<std::vector<StructOSDInfo>>& next = texts[round++ % 2];
                for (int s = 0; s < int(next.size()); ++s)
                    display->SetScreenOSDInfo(s, next[s]);
                paintPending();
            };
        } else {
            std::vector<std::vector<QLabel*>> labels;
            for (QMdiArea* area : screens)
                labels.push_back(addBareTexts(area, kind == BareSkinned));
            apply = [screens, labels, &texts, &round] {
                const std::vector<std::vector<StructOSDInfo>>& next = texts[round++ % 2];
                for (int s = 0; s < screens.size(); ++s)
                    setBareTexts(screens.at(s), labels[s], next[s]);
                paintPending();
            };
        }
        apply();
        const QList<QLabel*> shown = screens.last()->findChildren<QLabel*>();
        const int visible = int(std::count_if(shown.cbegin(), shown.cend(), [](QLabel* l) {
            return l->isVisible() && l->text().startsWith(QLatin1String("Screen 64")) && l->text().endsWith(QLatin1Char('a'));
        }));
        QCOMPARE(visible, kOSDTexts);

        QBENCHMARK { apply(); }

        if (!underCallgrind())
            record(QStringLiteral("OSD, 8 texts x 64 (ms)"), Kind(kind), medianMs(apply));
    }

    void cleanupTestCase()
    {
        if (m_figures.isEmpty())
            return;
        qInfo("%-28s %14s %14s %16s %12s %14s", "figure (median)", kKindNames[Display], kKindNames[Bare],
              "display / bare", kKindNames[Scene], kKindNames[BareSkinned]);
        for (const QString& figure : qAsConst(m_figures)) {
            const QMap<int, double>& row = m_results.value(figure);
            const auto cell = [&row](Kind kind) {
                return row.contains(kind) ? QString::number(row.value(kind), 'f', 2) : QStringLiteral("-");
            };
            const QString ratio = row.contains(Display) && row.value(Bare) > 0
                ? QString::number(row.value(Display) / row.value(Bare), 'f', 2)
                : QStringLiteral("-");
            qInfo("%-28s %14s %14s %16s %12s %14s", qPrintable(figure), qPrintable(cell(Display)), qPrintable(cell(Bare)),
                  qPrintable(ratio), qPrintable(cell(Scene)), qPrintable(cell(BareSkinned)));
        }
    }

private:
    static double buildMedian(Kind kind)
    {
        std::vector<double> times;
        for (int i = 0; i < kBuildSamples; ++i) {
            QElapsedTimer timer;
            timer.start();
            auto wall = makeWall(kind);
            times.push_back(timer.nsecsElapsed() / 1.0e6);
            wall->hide();
        }
        std::nth_element(times.begin(), times.begin() + kBuildSamples / 2, times.end());
        return times[kBuildSamples / 2];
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The library resolves skin pictures from these before any widget is built.
    QString skin = QStringLiteral("DustyBlue");
    QString appDir = QCoreApplication::applicationDirPath();
    SetSkinVersion(skin);
    ZtDir::SetCurrentPath(appDir);
    bench_DisplayWall bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_displaywall.moc"
