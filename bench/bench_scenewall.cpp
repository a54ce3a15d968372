// The scene wall against the same wall drawn with plain graphics items of bare Qt, and against one
// built from the wall's own item kinds, in a 1920 x 1080 view: 4 x 4, 8 x 8 and 16 x 16 screens
// with 16 windows on each (256, 1,024 and 4,096 windows).
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
#include <QGraphicsWidget>
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
const QSize kViewSize(1920, 1080);
const int kButtonsPerWindow = 8;
const qreal kTitleHeight = 24.0;
const qreal kButtonSpacing = 7.0;
const int kGrids[] = {4, 8, 16};     // the three walls measured, by screens per side
const int kDetailThreshold = 64;     // simplified drawing under this size: catches the 1,024-window wall
const int kCrowdedScreen = 2000;     // windows stacked on the one screen that the clearing figure empties
const QColor kWallBackground(0x1b, 0x23, 0x2c);

// The walls measured: the scene wall; the bare view drawn with the fewest items that show the same
// picture; and the bare view built from the very item kinds the wall's windows are made of (a graphics
// widget for the window and one for its title bar, pictures with tool tips and identifiers), which
// tells what the wall adds to those items from what the items themselves cost.
enum Kind { Kitra, Bare, SameItems };

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

int windowsOf(int grid)
{
    return grid * grid * kWindowsPerScreen;
}

// Moves alternate twice this apart, either side of the press, within the room a window has on its
// screen (a tenth of the screen's width on either side).
int dragHalfStep(int grid)
{
    return 176 / grid;     // more than the drag distance, 10 pixels, at every size
}

// Fewer samples of the largest wall keep the whole run short; each of its times is long enough
// for the clock.
int samplesFor(int grid)
{
    return grid > kGrid ? 7 : kSamples;
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

// Same items: a window is a graphics widget with its own title-bar widget, whose pictures carry a
// tool tip and an identifier (item data 100), and the window the host's value (item data 101), as on
// the wall.
void makeSameItemsWindow(QGraphicsItem* screen, const QRectF& rect, const QPixmap& button)
{
    static const char* const tips[kButtonsPerWindow] = {"Close", "Max", "Open Volume", "SelfAdaption", "Lock",
                                                        "PtzControl", "MeetingMode", "WindowCircle"};
    auto* window = new QGraphicsWidget(screen);
    window->setGeometry(rect);
    window->setData(101, QVariant());
    auto* bar = new QGraphicsWidget(window);
    bar->setGeometry(0.0, 0.0, qMax<qreal>(0.0, rect.width() - 3.0), kTitleHeight);
    qreal x = bar->size().width();
    for (int b = 0; b < kButtonsPerWindow; ++b) {
        auto* picture = new QGraphicsPixmapItem(button, bar);
        picture->setData(100, uint(b));
        picture->setToolTip(QCoreApplication::translate("bench", tips[b]));
        x -= button.width() + kButtonSpacing;
        picture->setPos(1.0 + x, 1.0 + (kTitleHeight - button.height()) / 2.0);
        picture->setVisible(bar->rect().contains(QRectF(QPointF(x, 0.0), QSizeF(button.size()))));
    }
}

// What a host would draw by hand: a rectangle per screen and per window, and the window's buttons
// as pictures placed like the wall's title bar places them (from the right, hidden when they do
// not fit), so that both walls put the same buttons on screen; or, with `sameItems`, the wall's
// item kinds in the same places.
std::unique_ptr<QGraphicsView> makeBareView(int grid = kGrid, int windowsPerScreen = kWindowsPerScreen,
                                            bool sameItems = false)
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
                if (sameItems) {
                    makeSameItemsWindow(screen, QRectF(QPointF(area.width() * w.dLeft, area.height() * w.dTop), size), button);
                    continue;
                }
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

std::unique_ptr<QGraphicsView> makeView(int kind, int grid = kGrid, int windowsPerScreen = kWindowsPerScreen)
{
    return kind == Kitra ? makeWall(grid, windowsPerScreen) : makeBareView(grid, windowsPerScreen, kind == SameItems);
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
    struct Row
    {
        QString figure;
        int windows;
        QMap<int, double> value;     // kind -> value
    };
    QList<Row> m_rows;     // in the order first recorded

    void record(const QString& figure, int windows, int kind, double value)
    {
        for (Row& row : m_rows) {
            if (row.figure == figure && row.windows == windows) {
                row.value[kind] = value;
                return;
            }
        }
        m_rows.append({figure, windows, {{kind, value}}});
    }

    // One row per wall and kind: "kitra 1024", "bare Qt 1024", ... and, for the figures of the
    // items themselves, "bare Qt, same items 1024".
    static void addRows(bool withSameItems = false)
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("grid");
        for (int grid : kGrids) {
            const QByteArray windows = QByteArray::number(windowsOf(grid));
            QTest::newRow("kitra " + windows) << int(Kitra) << grid;
            QTest::newRow("bare Qt " + windows) << int(Bare) << grid;
            if (withSameItems)
                QTest::newRow("bare Qt, same items " + windows) << int(SameItems) << grid;
        }
    }

    static void useDetailThreshold(QGraphicsView* view)
    {
        static_cast<ZtTVWallNormalWnd*>(view)->SetWindowDetailThreshold(kDetailThreshold);
    }

    static QString cell(const Row& row, int kind)
    {
        return row.value.contains(kind) ? QString::number(row.value.value(kind), 'f', 2) : QStringLiteral("-");
    }

    static QString ratio(const Row& row, int kind)
    {
        const bool both = row.value.contains(Kitra) && row.value.value(kind) > 0;
        return both ? QString::number(row.value.value(Kitra) / row.value.value(kind), 'f', 2) : QStringLiteral("-");
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
    void memoryPerWindow_data() { addRows(true); }
    void memoryPerWindow()
    {
        QFETCH(int, kind);
        QFETCH(int, grid);
        if (underCallgrind())
            QSKIP("resident memory means nothing under valgrind");
        // A tiny wall first pays the one-time costs (fonts, style sheet, pictures) outside the figure.
        makeView(kind, 1, 1).reset();
        malloc_trim(0);
        const qint64 before = residentBytes();
        auto view = makeView(kind, grid);
        const qint64 after = residentBytes();
        QVERIFY(before > 0 && after > 0);
        record(QStringLiteral("memory per window (KiB)"), windowsOf(grid), kind,
               double(after - before) / windowsOf(grid) / 1024.0);
        view.reset();
        malloc_trim(0);
    }

    // Building a wall; shown at once, as a host opens it.
    void build_data() { addRows(true); }
    void build()
    {
        QFETCH(int, kind);
        QFETCH(int, grid);
        makeView(kind, 1, 1).reset();
        if (underCallgrind()) {
            // Built walls outlive the measured block: tearing down is not part of the count.
            std::vector<std::unique_ptr<QGraphicsView>> built;
            QBENCHMARK {
                built.push_back(makeView(kind, grid));
                built.back()->hide();
            }
            return;
        }
        std::unique_ptr<QGraphicsView> view;
        record(QStringLiteral("build (ms)"), windowsOf(grid), kind, medianOf([&] {
            view.reset();
            QElapsedTimer timer;
            timer.start();
            view = makeView(kind, grid);
            return elapsedMs(timer);
        }, samplesFor(grid)));
        QVERIFY(view->scene()->items().size() >= windowsOf(grid) * (1 + kButtonsPerWindow));
    }

    // Closing a wall, hidden first as a host closes it (a shown one would first be repainted):
    // at once after building it, before the event loop has polished its items, and settled, once
    // the event loop has seen it, as most walls a host closes. Settled widgets hear of the font and
    // palette they lose; unpolished items are looked up in the scene's list of them as they go.
    void teardown_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("grid");
        QTest::addColumn<bool>("settled");
        for (int grid : kGrids) {
            const QByteArray windows = QByteArray::number(windowsOf(grid));
            for (bool settled : {false, true}) {
                const QByteArray when = settled ? ", settled " : " ";
                QTest::newRow("kitra" + when + windows) << int(Kitra) << grid << settled;
                QTest::newRow("bare Qt" + when + windows) << int(Bare) << grid << settled;
                QTest::newRow("bare Qt, same items" + when + windows) << int(SameItems) << grid << settled;
            }
        }
    }
    void teardown()
    {
        QFETCH(int, kind);
        QFETCH(int, grid);
        QFETCH(bool, settled);
        makeView(kind, 1, 1).reset();
        const auto closingWall = [kind, grid, settled] {
            auto view = makeView(kind, grid);
            if (settled)
                QCoreApplication::processEvents();
            view->hide();
            return view;
        };
        if (underCallgrind()) {
            auto view = closingWall();
            QBENCHMARK_ONCE { view.reset(); }
            return;
        }
        record(settled ? QStringLiteral("teardown, settled (ms)") : QStringLiteral("teardown (ms)"), windowsOf(grid),
               kind, medianOf([&closingWall] {
                   auto view = closingWall();
                   QElapsedTimer timer;
                   timer.start();
                   view.reset();
                   return elapsedMs(timer);
               }, samplesFor(grid)));
    }

    // Closing one window, and emptying one screen of its 16, on a settled 1,024-window wall: an
    // operator's close button and a host's change of layout. The scene's index is brought up to
    // date after, as the next paint would.
    void closeWindows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("wholeScreen");
        for (bool whole : {false, true}) {
            const QByteArray what = whole ? "one screen" : "one window";
            QTest::newRow("kitra, " + what) << int(Kitra) << whole;
            QTest::newRow("bare Qt, " + what) << int(Bare) << whole;
        }
    }
    void closeWindows()
    {
        QFETCH(int, kind);
        QFETCH(bool, wholeScreen);
        const int row = kGrid / 2 - 1, col = kGrid / 2 - 1;
        const QPointF centre(kViewSize.width() / kGrid * (col + 0.5), kViewSize.height() / kGrid * (row + 0.5));
        const auto settledWall = [kind] {
            auto view = makeView(kind, kGrid);
            QCoreApplication::processEvents();
            view->scene()->items(QPointF(1, 1));
            return view;
        };
        const auto close = [&](QGraphicsView* view) {
            if (kind == Kitra) {
                auto* wall = static_cast<ZtTVWallNormalWnd*>(view);
                wholeScreen ? wall->DeleteAllWindows(row * kGrid + col) : void(wall->DeleteWindow(row * kGrid + col, 5));
            } else {
                const QList<QGraphicsItem*> windows = windowsOfScreenAt(view, centre);
                wholeScreen ? qDeleteAll(windows) : delete windows.at(5);
            }
            view->scene()->items(QPointF(1, 1));
        };
        if (underCallgrind()) {
            auto view = settledWall();
            QBENCHMARK_ONCE { close(view.get()); }
            return;
        }
        record(wholeScreen ? QStringLiteral("empty one screen (ms)") : QStringLiteral("close one window (ms)"),
               windowsOf(kGrid), kind, medianOf([&] {
                   auto view = settledWall();
                   QElapsedTimer timer;
                   timer.start();
                   close(view.get());
                   return elapsedMs(timer);
               }));
        auto view = settledWall();
        const int before = windowsOfScreenAt(view.get(), centre).size();
        close(view.get());
        QCOMPARE(windowsOfScreenAt(view.get(), centre).size(), wholeScreen ? 0 : before - 1);
    }

    // Emptying one crowded screen: the wall renumbers nothing while its windows go.
    void clearScreen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("kitra") << int(Kitra);
        QTest::newRow("bare Qt") << int(Bare);
    }
    void clearScreen()
    {
        QFETCH(int, kind);
        if (underCallgrind())
            QSKIP("timed by hand: QBENCHMARK would count the building too");
        record(QStringLiteral("clear one crowded screen (ms)"), kCrowdedScreen, kind, medianOf([kind] {
            auto view = makeView(kind, 1, kCrowdedScreen);
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            if (kind != Kitra)
                qDeleteAll(windowsOfScreenAt(view.get(), QPointF(1, 1)));
            else
                static_cast<ZtTVWallNormalWnd*>(view.get())->DeleteAllWindows(0);
            return elapsedMs(timer);
        }, 7));
    }

    // Drawing the whole view, with every window in full and, on the wall, with the windows under
    // the detail threshold simplified (the bare wall has no such rule and draws the same).
    void render_data()
    {
        addRows();
        for (int grid : kGrids)
            QTest::newRow(("kitra, simplified " + QByteArray::number(windowsOf(grid))).constData()) << int(Kitra) << grid;
    }
    void render()
    {
        QFETCH(int, kind);
        QFETCH(int, grid);
        const bool simplified = QByteArray(QTest::currentDataTag()).contains("simplified");
        auto view = makeView(kind, grid);
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        if (simplified)
            useDetailThreshold(view.get());
        QImage target(kViewSize, QImage::Format_ARGB32_Premultiplied);
        {
            // Glyphs and pictures are cached by the first render, as on a running wall.
            QPainter p(&target);
            view->render(&p);
        }
        if (underCallgrind()) {
            QBENCHMARK {
                QPainter p(&target);
                view->render(&p);
            }
            return;
        }
        const double ms = medianOf([&] {
            QElapsedTimer timer;
            timer.start();
            QPainter p(&target);
            view->render(&p);
            p.end();
            return elapsedMs(timer);
        }, samplesFor(grid));
        record(simplified ? QStringLiteral("render, simplified (ms)") : QStringLiteral("render (ms)"), windowsOf(grid),
               kind, ms);
        if (kind != Kitra)   // the bare wall's figure stands beside the simplified one too
            record(QStringLiteral("render, simplified (ms)"), windowsOf(grid), kind, ms);
    }

    void dragStep_data() { addRows(); }
    void dragStep()
    {
        QFETCH(int, kind);
        QFETCH(int, grid);
        auto view = makeView(kind, grid);
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QWidget* viewport = view->viewport();
        const int halfStep = dragHalfStep(grid);
        const QPointF screenCentre(kViewSize.width() / grid * (grid / 2 - 0.5), kViewSize.height() / grid * (grid / 2 - 0.5));
        const QList<QGraphicsItem*> group = windowsOfScreenAt(view.get(), screenCentre);
        QCOMPARE(group.size(), kWindowsPerScreen);
        QGraphicsItem* pressed = group.at(5);
        const QPointF startPos = pressed->pos();
        const QPointF lastStart = group.last()->pos();

        PaintCounter paints;
        viewport->installEventFilter(&paints);
        int step = 0;
        std::function<void()> dragBy;
        if (kind != Kitra) {
            QList<QPointF> origins;
            for (QGraphicsItem* window : group)
                origins << window->pos();
            dragBy = [&, origins] {
                const qreal dx = (step++ % 2 == 0 ? halfStep : -halfStep);
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
            // The window's middle, clear of its resize margins.
            const QPoint press = view->mapFromScene(pressed->sceneBoundingRect().center());
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, press);
            QCOMPARE(wall->GetSelectedWindowIndexs().size(), kWindowsPerScreen);
            dragBy = [&, press] {
                const int dx = (step++ % 2 == 0 ? halfStep : -halfStep);
                sendMove(viewport, press + QPoint(dx, 0));
                paintPending();
            };
        }
        paintPending();

        // Both positions once, checked: the whole group moves and each step paints.
        const int paintsBefore = paints.count;
        dragBy();
        QCOMPARE(pressed->pos(), startPos + QPointF(halfStep, 0));
        QCOMPARE(group.last()->pos(), lastStart + QPointF(halfStep, 0));
        dragBy();
        QCOMPARE(pressed->pos(), startPos - QPointF(halfStep, 0));
        QVERIFY2(paints.count >= paintsBefore + 2, "a drag step did not repaint the viewport");

        if (underCallgrind()) {
            QBENCHMARK { dragBy(); }
        } else {
            record(QStringLiteral("drag step (ms)"), windowsOf(grid), kind, medianOf([&] {
                QElapsedTimer timer;
                timer.start();
                dragBy();
                return elapsedMs(timer);
            }));
        }
        if (kind == Kitra)
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, view->mapFromScene(pressed->sceneBoundingRect().center()));
        viewport->removeEventFilter(&paints);
    }

    // One table: each figure at each size, the walls and the scene wall's ratios to the bare one and
    // to the bare one of the same items, and how much the scene wall's figure grew from the size
    // before (four times the windows).
    void cleanupTestCase()
    {
        if (m_rows.isEmpty())
            return;
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) { return a.figure < b.figure; });
        qInfo("%-32s %8s %10s %10s %10s %8s %8s %12s", "figure (median)", "windows", "kitra", "bare Qt", "same items",
              "ratio", "to same", "kitra growth");
        for (int i = 0; i < m_rows.size(); ++i) {
            const Row& row = m_rows.at(i);
            QString growth = QStringLiteral("-");
            if (i > 0 && m_rows.at(i - 1).figure == row.figure && m_rows.at(i - 1).value.value(Kitra) > 0)
                growth = QString::number(row.value.value(Kitra) / m_rows.at(i - 1).value.value(Kitra), 'f', 2) + QLatin1Char('x');
            qInfo("%-32s %8d %10s %10s %10s %8s %8s %12s", qPrintable(row.figure), row.windows,
                  qPrintable(cell(row, Kitra)), qPrintable(cell(row, Bare)), qPrintable(cell(row, SameItems)),
                  qPrintable(ratio(row, Bare)), qPrintable(ratio(row, SameItems)), qPrintable(growth));
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
