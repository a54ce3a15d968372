// The scene wall against the same wall drawn with plain graphics items of bare Qt: 8 x 8 screens,
// 16 windows on each (1,024 windows), in a 1920 x 1080 view.
#include "BenchSupport.h"
#include "StructScaleRect.h"
#include "ZtDir.h"
#include "ZtSetting.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalTitleItem.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"

#include <QtTest>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <malloc.h>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace ZtGUI;
using namespace BenchSupport;

namespace {

const int kGrid = 8;                 // rows and columns of the wall, one screen per cell
const int kWindowsPerSide = 4;       // a 4 x 4 arrangement of windows on every screen
const int kWindowsPerScreen = kWindowsPerSide * kWindowsPerSide;
const int kWindowCount = kGrid * kGrid * kWindowsPerScreen;
const QSize kViewSize(1920, 1080);
const int kButtonsPerWindow = 8;
const qreal kTitleHeight = 24.0;
const qreal kButtonSpacing = 7.0;
const int kDragHalfStep = 20;        // moves alternate 40 px apart, either side of the press
const int kCrowdedScreen = 2000;     // windows stacked on the one screen that the clearing figure empties
const QColor kWallBackground(0x1b, 0x23, 0x2c);

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

StructScaleRect screenScale(int row, int col, int grid)
{
    return StructScaleRect(double(col) / grid, double(row) / grid, double(col + 1) / grid, double(row + 1) / grid, true);
}

std::unique_ptr<QGraphicsView> makeWall(int grid = kGrid, int windowsPerScreen = kWindowsPerScreen)
{
    std::unique_ptr<ZtTVWallNormalWnd> wall(new ZtTVWallNormalWnd);
    // Shown at its final size first, so that screens lay out once, from the real scene rectangle.
    wall->resize(kViewSize);
    wall->show();
    wall->SetTVWallGridCount(grid, grid);
    wall->SetWindowTitleShow(true);
    for (int row = 0; row < grid; ++row) {
        for (int col = 0; col < grid; ++col) {
            const int screen = wall->AddScreen(screenScale(row, col, grid), QVariant());
            for (int k = 0; k < windowsPerScreen; ++k)
                wall->OpenWindow(screen, windowScale(k % kWindowsPerScreen), QVariant());
        }
    }
    return std::unique_ptr<QGraphicsView>(wall.release());
}

// What a host would draw by hand: a rectangle per screen and per window, and the window's buttons
// as pictures placed like the wall's title bar places them (from the right, hidden when they do
// not fit), so that both walls put the same buttons on screen.
std::unique_ptr<QGraphicsView> makeBareView(int grid = kGrid, int windowsPerScreen = kWindowsPerScreen)
{
    std::unique_ptr<QGraphicsView> view(new QGraphicsView);
    // The wall's own view settings, so that only the items make the difference.
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setOptimizationFlag(QGraphicsView::DontSavePainterState);
    view->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    view->setBackgroundBrush(kWallBackground);
    auto* scene = new QGraphicsScene(view.get());
    view->setScene(scene);
    view->resize(kViewSize);
    view->show();
    scene->setSceneRect(QRectF(QPointF(0, 0), kViewSize));

    QPixmap button(16, 16);
    button.fill(Qt::transparent);
    {
        QPainter p(&button);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xe6, 0xeb, 0xf0), 1.5));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    const QPen screenPen(QBrush(QColor(233, 234, 236)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    const QPen windowPen(QColor(76, 81, 87), 1.0);
    const QBrush windowBrush(QColor(233, 234, 236));
    for (int row = 0; row < grid; ++row) {
        for (int col = 0; col < grid; ++col) {
            const StructScaleRect s = screenScale(row, col, grid);
            const QRectF area(QPointF(int(kViewSize.width() * s.dLeft), int(kViewSize.height() * s.dTop)),
                              QPointF(int(0.5 + kViewSize.width() * s.dRight), int(0.5 + kViewSize.height() * s.dBottom)));
            auto* screen = scene->addRect(QRectF(QPointF(), area.size()), screenPen);
            screen->setPos(area.topLeft());
            for (int k = 0; k < windowsPerScreen; ++k) {
                const StructScaleRect w = windowScale(k % kWindowsPerScreen);
                const QSizeF size(area.width() * (w.dRight - w.dLeft), area.height() * (w.dBottom - w.dTop));
                auto* window = new QGraphicsRectItem(QRectF(QPointF(), size), screen);
                window->setPos(area.width() * w.dLeft, area.height() * w.dTop);
                window->setPen(windowPen);
                window->setBrush(windowBrush);
                const QRectF bar(0.0, 0.0, qMax<qreal>(0.0, size.width() - 3.0), kTitleHeight);
                qreal x = bar.right();
                for (int b = 0; b < kButtonsPerWindow; ++b) {
                    auto* picture = new QGraphicsPixmapItem(button, window);
                    x -= button.width() + kButtonSpacing;
                    picture->setPos(1.0 + x, 1.0 + (kTitleHeight - button.height()) / 2.0);
                    picture->setVisible(bar.contains(QRectF(QPointF(x, 0.0), QSizeF(button.size()))));
                }
            }
        }
    }
    return view;
}

std::unique_ptr<QGraphicsView> makeView(bool bare, int grid = kGrid, int windowsPerScreen = kWindowsPerScreen)
{
    return bare ? makeBareView(grid, windowsPerScreen) : makeWall(grid, windowsPerScreen);
}

// The windows of the screen under a scene point: the wall's through its screen item, the bare
// scene's as the children of the screen rectangle.
QList<QGraphicsItem*> windowsOfScreenAt(QGraphicsView* view, const QPointF& scenePoint)
{
    QList<QGraphicsItem*> windows;
    const QList<QGraphicsItem*> hits = view->scene()->items(scenePoint);
    for (QGraphicsItem* item : hits) {
        if (auto* screen = dynamic_cast<ZtTVWallNormalScreen*>(item)) {
            for (int k = 0; k < screen->GetWindowCount(); ++k)
                windows << screen->GetWindow(k);
            return windows;
        }
        if (!item->parentItem() && item->type() == QGraphicsRectItem::Type)
            return item->childItems();
    }
    return windows;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

void sendMove(QWidget* viewport, const QPoint& pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}


} // namespace

class bench_SceneWall : public QObject
{
    Q_OBJECT

private:
    // figure -> row name -> value, for the closing table
    QMap<QString, QMap<QString, double>> m_results;
    QStringList m_figures;

    void record(const QString& figure, bool bare, double value)
    {
        if (!m_figures.contains(figure))
            m_figures << figure;
        m_results[figure][bare ? QStringLiteral("bare Qt") : QStringLiteral("kitra")] = value;
    }

    static void addRows()
    {
        QTest::addColumn<bool>("bare");
        QTest::newRow("kitra") << false;
        QTest::newRow("bare Qt") << true;
    }

private slots:
    void initTestCase()
    {
        // The title bar pictures come from the skin copied next to the executable.
        auto wall = makeWall(1, 1);
        const QList<QGraphicsItem*> windows = windowsOfScreenAt(wall.get(), QPointF(1, 1));
        QCOMPARE(windows.size(), 1);
        auto* window = dynamic_cast<ZtTVWallNormalWindow*>(windows.first());
        QVERIFY(window);
        const QList<QGraphicsPixmapItem*> buttons = window->GetTitleItem()->GetButtons();
        QCOMPARE(buttons.size(), kButtonsPerWindow);
        QVERIFY2(!buttons.first()->pixmap().isNull(), "skin pictures not found next to the executable");
        QCOMPARE(buttons.first()->pixmap().size(), QSize(16, 16));
    }

    // First, while the heap holds little that a build could reuse.
    void memoryPerWindow_data() { addRows(); }
    void memoryPerWindow()
    {
        QFETCH(bool, bare);
        if (underCallgrind())
            QSKIP("resident memory means nothing under valgrind");
        // A tiny wall first pays the one-time costs (fonts, style sheet, pictures) outside the figure.
        makeView(bare, 1, 1).reset();
        malloc_trim(0);
        const qint64 before = residentBytes();
        auto view = makeView(bare);
        const qint64 after = residentBytes();
        QVERIFY(before > 0 && after > 0);
        const double perWindow = double(after - before) / kWindowCount;
        qInfo("%s: resident memory grew by %.1f MiB for %d windows, %.0f bytes per window",
              QTest::currentDataTag(), (after - before) / 1048576.0, kWindowCount, perWindow);
        record(QStringLiteral("memory per window (KiB)"), bare, perWindow / 1024.0);
    }

    void build_data() { addRows(); }
    void build()
    {
        QFETCH(bool, bare);
        makeView(bare, 1, 1).reset();
        // Built walls outlive the measured block: tearing down is not part of the figure. Each is
        // hidden at once: beside other shown walls, a new one took several times longer to build,
        // a cost of the benchmark's pile of top-level windows, not of building.
        std::vector<std::unique_ptr<QGraphicsView>> built;
        QBENCHMARK {
            built.push_back(makeView(bare));
            built.back()->hide();
        }
        QVERIFY(built.back()->scene()->items().size() >= kWindowCount * (1 + kButtonsPerWindow));
        built.clear();
        if (underCallgrind())
            return;
        record(QStringLiteral("build (ms)"), bare, medianOf([bare] {
            QElapsedTimer timer;
            timer.start();
            auto view = makeView(bare);
            const double ms = elapsedMs(timer);
            view.reset();
            return ms;
        }));
    }

    // Closing a large wall: destroying it with every screen and window.
    void teardown_data() { addRows(); }
    void teardown()
    {
        QFETCH(bool, bare);
        if (underCallgrind())
            QSKIP("timed by hand: QBENCHMARK would count the building too");
        record(QStringLiteral("teardown (ms)"), bare, medianOf([bare] {
            auto built = makeView(bare);
            built->hide();
            QElapsedTimer timer;
            timer.start();
            built.reset();
            return elapsedMs(timer);
        }));
    }

    // Emptying one crowded screen: the wall renumbers nothing while its windows go.
    void clearScreen_data() { addRows(); }
    void clearScreen()
    {
        QFETCH(bool, bare);
        if (underCallgrind())
            QSKIP("timed by hand: QBENCHMARK would count the building too");
        record(QStringLiteral("clear a screen of 2,000 windows (ms)"), bare, medianOf([bare] {
            auto view = makeView(bare, 1, kCrowdedScreen);
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            if (bare)
                qDeleteAll(windowsOfScreenAt(view.get(), QPointF(1, 1)));
            else
                static_cast<ZtTVWallNormalWnd*>(view.get())->DeleteAllWindows(0);
            return elapsedMs(timer);
        }));
    }

    void render_data() { addRows(); }
    void render()
    {
        QFETCH(bool, bare);
        auto view = makeView(bare);
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QImage target(kViewSize, QImage::Format_ARGB32_Premultiplied);
        {
            // Glyphs and pictures are cached by the first render, as on a running wall.
            QPainter p(&target);
            view->render(&p);
        }
        QBENCHMARK {
            QPainter p(&target);
            view->render(&p);
        }
        if (underCallgrind())
            return;
        record(QStringLiteral("render (ms)"), bare, medianOf([&] {
            QElapsedTimer timer;
            timer.start();
            QPainter p(&target);
            view->render(&p);
            p.end();
            return elapsedMs(timer);
        }));
    }

    void dragStep_data() { addRows(); }
    void dragStep()
    {
        QFETCH(bool, bare);
        auto view = makeView(bare);
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QWidget* viewport = view->viewport();
        const QPointF screenCentre(kViewSize.width() / kGrid * 3.5, kViewSize.height() / kGrid * 3.5);
        const QList<QGraphicsItem*> group = windowsOfScreenAt(view.get(), screenCentre);
        QCOMPARE(group.size(), kWindowsPerScreen);
        QGraphicsItem* pressed = group.at(5);
        const QPointF startPos = pressed->pos();
        const QPointF lastStart = group.last()->pos();

        PaintCounter paints;
        viewport->installEventFilter(&paints);
        int step = 0;
        std::function<void()> dragBy;
        if (bare) {
            QList<QPointF> origins;
            for (QGraphicsItem* window : group)
                origins << window->pos();
            dragBy = [&, origins] {
                const qreal dx = (step++ % 2 == 0 ? kDragHalfStep : -kDragHalfStep);
                for (int i = 0; i < group.size(); ++i)
                    group.at(i)->setPos(origins.at(i) + QPointF(dx, 0));
                paintPending();
            };
        } else {
            auto* wall = static_cast<ZtTVWallNormalWnd*>(view.get());
            // A press in multi-selection keeps the selection that the drag then moves as a group.
            wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
            for (QGraphicsItem* window : group)
                window->setSelected(true);
            // Inside the window, clear of its resize margins.
            const QPoint press = view->mapFromScene(pressed->mapToScene(QPointF(24.0, 16.0)));
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, press);
            QCOMPARE(wall->GetSelectedWindowIndexs().size(), kWindowsPerScreen);
            dragBy = [&, press] {
                const int dx = (step++ % 2 == 0 ? kDragHalfStep : -kDragHalfStep);
                sendMove(viewport, press + QPoint(dx, 0));
                paintPending();
            };
        }
        paintPending();

        // Both positions once, checked: the whole group moves 40 px and each step paints.
        const int paintsBefore = paints.count;
        dragBy();
        QCOMPARE(pressed->pos(), startPos + QPointF(kDragHalfStep, 0));
        QCOMPARE(group.last()->pos(), lastStart + QPointF(kDragHalfStep, 0));
        dragBy();
        QCOMPARE(pressed->pos(), startPos - QPointF(kDragHalfStep, 0));
        QVERIFY2(paints.count >= paintsBefore + 2, "a drag step did not repaint the viewport");

        QBENCHMARK { dragBy(); }

        if (!underCallgrind()) {
            record(QStringLiteral("drag step (ms)"), bare, medianOf([&] {
                QElapsedTimer timer;
                timer.start();
                dragBy();
                return elapsedMs(timer);
            }));
        }
        if (!bare)
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, view->mapFromScene(pressed->sceneBoundingRect().center()));
        viewport->removeEventFilter(&paints);
    }

    void cleanupTestCase()
    {
        if (m_figures.isEmpty())
            return;
        qInfo("%-26s %12s %12s %18s", "figure (median of 20)", "kitra", "bare Qt", "kitra / bare Qt");
        for (const QString& figure : qAsConst(m_figures)) {
            const QMap<QString, double>& row = m_results.value(figure);
            const auto cell = [&row](const char* name) {
                return row.contains(QLatin1String(name)) ? QString::number(row.value(QLatin1String(name)), 'f', 2)
                                                         : QStringLiteral("-");
            };
            const QString ratio = row.contains(QStringLiteral("kitra")) && row.contains(QStringLiteral("bare Qt"))
                    && row.value(QStringLiteral("bare Qt")) > 0
                ? QString::number(row.value(QStringLiteral("kitra")) / row.value(QStringLiteral("bare Qt")), 'f', 2)
                : QStringLiteral("-");
            qInfo("%-26s %12s %12s %18s", qPrintable(figure), qPrintable(cell("kitra")), qPrintable(cell("bare Qt")),
                  qPrintable(ratio));
        }
        // Times move with the machine's load; instruction counts do not.
        qInfo("steady counts of build, render and drag step: run again with -callgrind");
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
    bench_SceneWall bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_scenewall.moc"
