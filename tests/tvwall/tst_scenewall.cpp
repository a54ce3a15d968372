// The scene wall as a host and an operator use it: public calls, mouse input on the viewport,
// the public signals with their screen and window numbers, the overview in its corner, and
// thousands of random steps (RandomUse.h) after each of which the wall must be consistent.
#include "RandomUse.h"

#include "ZtTVWallNormalEagleEye.h"
#include "ZtTVWallNormalScene.h"

using namespace ZtGUI;
using namespace SceneWallTest;

namespace {

const StructScaleRect kMiddle(0.25, 0.25, 0.75, 0.75);     // 200 x 100 at (100, 50) on screen 0

// A press or release of `button` while `held` stays down, as a window system reports a chord.
void chord(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Plain-coloured pictures, so that pixels tell the overview's parts apart.
const QColor kExpand(0x2c, 0x8a, 0xe0);
const QColor kShrink(0xe0, 0x8a, 0x2c);
const QColor kPanel(0x1e, 0x2a, 0x38);
const QColor kGrid(77, 77, 80);
const QPoint kCorner(798, 498);

// The overview's pictures, in a skin folder of their own that lives until the next test.
void writeSkin(bool withPanel)
{
    static std::unique_ptr<QTemporaryDir> dir;
    dir = std::make_unique<QTemporaryDir>();
    useSkin(dir->path());
    const QString folder = dir->path() + "/Skin/DustyBlue/Orvale/TVWallOperateWnd/";
    QVERIFY(QDir().mkpath(folder));
    for (const QColor& fill : {kShrink, kExpand}) {     // the lower-right half of a 24 x 24 square
        QImage image(24, 24, QImage::Format_ARGB32);
        for (int i = 0; i < 24 * 24; ++i)
            image.setPixelColor(i % 24, i / 24, i % 24 + i / 24 >= 23 ? fill : QColor(Qt::transparent));
        QVERIFY(image.save(folder + (fill == kShrink ? "ShrinkEagleEye.png" : "ExpandEagleEye.png")));
    }
    QImage panel(200, 120, QImage::Format_ARGB32_Premultiplied);
    panel.fill(kPanel);
    QVERIFY(!withPanel || panel.save(folder + "EagleEyeArea.png"));
}

struct EyeWall : Wall
{
    EyeWall() : Wall(3, 2, QSize(800, 500))     // 3 rows, 2 columns
    {
        addScreen(rect(0, 0, 1, 1));
        for (QGraphicsItem* item : get()->scene()->items())
            eye = eye ? eye : dynamic_cast<ZtTVWallNormalEagleEye*>(item);
    }
    QColor at(int x, int y) const { return viewport()->grab().toImage().pixelColor(x, y); }
    bool showsFolded() const
    {
        return at(798, 498) == kExpand && at(777, 499) == kExpand && at(775, 499) != kExpand && at(779, 479) != kExpand;
    }
    bool showsOpen() const { return at(796, 496) == kShrink && at(607, 387) == kPanel && at(602, 387) != kPanel; }
    void zoom(int notches) const { KitraTest::wheel(viewport(), QPoint(300, 200), notches); }

    ZtTVWallNormalEagleEye* eye = nullptr;
};

// What is wrong with the wall, if anything; between gestures windows lie where their rectangles say.
QString problemIn(const Wall& wall, bool gesture)
{
    ZtTVWallNormalWnd* w = wall.get();
    int screenItems = 0;
    for (QGraphicsItem* item : w->scene()->items())
        screenItems += dynamic_cast<ZtTVWallNormalScreen*>(item) != nullptr;
    if (screenItems != w->GetScreenCount())
        return QStringLiteral("%1 screen items for %2 screens").arg(screenItems).arg(w->GetScreenCount());
    int firstSelected = -1;
    for (int s = 0; s < w->GetScreenCount(); ++s) {
        ZtTVWallNormalScreen* screen = wall.screen(s);
        if (!screen)
            return QStringLiteral("screen %1 lost its item").arg(s);
        if (firstSelected < 0 && screen->IsSelected())
            firstSelected = s;
        const int count = w->GetWindowCount(s);
        Ids parts = screen->GetSelectedWindowIndexs() + screen->GetUnSelectedWindowIndexs();
        std::sort(parts.begin(), parts.end());
        if (!dense(w->GetAllWindowIndexs(s), count) || !dense(parts, count))
            return QStringLiteral("screen %1: window numbers not dense, or not split by selection").arg(s);
        // A drag may leave a window by the few pixels of its press offset, no more.
        const QSizeF size = screen->boundingRect().size();
        const QPointF slack(12.0 / qMax(size.width(), 1e-9), 12.0 / qMax(size.height(), 1e-9));
        for (int i = 0; i < count; ++i) {
            StructScaleRect r;
            const QString where = QStringLiteral("screen %1 window %2: %3").arg(s).arg(i);
            if (!w->GetWindowScale(s, i, r) || screen->GetWindow(i)->parentItem() != screen)
                return where.arg("no scale, or on another screen");
            if (r.dLeft < -slack.x() || r.dTop < -slack.y() || r.dRight > 1 + slack.x() || r.dBottom > 1 + slack.y()
                || r.dRight < r.dLeft || r.dBottom < r.dTop)
                return where.arg("left its screen");
            const QRectF expected(size.width() * r.dLeft, size.height() * r.dTop,
                                  size.width() * (r.dRight - r.dLeft), size.height() * (r.dBottom - r.dTop));
            const QRectF drawn = screen->GetWindow(i)->geometry();
            const QPointF tl = drawn.topLeft() - expected.topLeft(), br = drawn.bottomRight() - expected.bottomRight();
            const double dx = 0.002 * size.width() + 1e-6, dy = 0.002 * size.height() + 1e-6;
            if (!gesture && (qAbs(tl.x()) > dx || qAbs(br.x()) > dx || qAbs(tl.y()) > dy || qAbs(br.y()) > dy))
                return where.arg("drawn away from its rectangle");
        }
    }
    if (w->GetSelectedScreenIndex() != firstSelected)
        return QStringLiteral("selected screen %1, expected %2").arg(w->GetSelectedScreenIndex()).arg(firstSelected);
    return QString();
}

} // namespace

class tst_SceneWall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void init() { useSkin(); }

    // Dashed lines, white at alpha 50, between the rows and columns of the scene's grid.
    void gridLinesFollowRowsAndColumns()
    {
        QImage image(1920, 1080, QImage::Format_RGB32);
        // Rows (or columns) of the rendered grid with more lit pixels than a crossing line gives them.
        const auto lines = [&image](int rows, int cols, bool horizontal) {
            ZtTVWallNormalScene scene;
            scene.setSceneRect(0, 0, 1920, 1080);
            scene.SetGridCount(rows, cols);
            image.fill(Qt::black);
            QPainter painter(&image);
            scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
            Ids found;
            for (int i = 0; i < (horizontal ? 1080 : 1920); ++i) {
                int n = 0;
                for (int j = 0; j < (horizontal ? 1920 : 1080); ++j)
                    n += (horizontal ? image.pixel(j, i) : image.pixel(i, j)) != qRgb(0, 0, 0);
                if (n > (horizontal ? 500 : 300))
                    found << i;
            }
            return found;
        };
        QCOMPARE(lines(0, 3, true), Ids());
        QCOMPARE(lines(0, 3, false), (Ids{640, 1280}));
        QCOMPARE(lines(4, 6, true), (Ids{270, 540, 810}));      // the last line lies on the far edge
        QCOMPARE(lines(4, 6, false), (Ids{320, 640, 960, 1280, 1600}));
        const QColor line = image.pixelColor(320, 2);           // a dash starts at the top
        QVERIFY(line.value() > 30 && line.value() < 80);
    }

    void hostBuildsAndNumbersTheWall()
    {
        Wall wall(0, 0);
        QTest::ignoreMessage(QtWarningMsg, "---ZtGUI--- ZtTVWallNormalWnd::AddScreen: iRows = 0, iCols = 0");
        QCOMPARE(wall->AddScreen(rect(0, 0, 1, 1), QVariant()), -1);
        wall->SetTVWallGridCount(4, 4);
        QCOMPARE(wall.addScreen(rect(0.5, 0.5, 1.0, 1.0)), 0);
        QCOMPARE(wall->AddScreen(rect(0, 0, 0.5, 0.26), QIcon(), "ignored", QVariant(1)), 1);
        wall->scene()->setSceneRect(0, 0, 1920, 1080);
        QCOMPARE(wall.screen(0)->geometry(), QRectF(QPointF(960, 540), QPointF(1920, 1080)));
        QCOMPARE(wall.screen(1)->geometry(), QRectF(QPointF(0, 0), QPointF(960, 281)));   // 280.8 rounds up
        wall->scene()->setSceneRect(0, 0, 333, 333);
        QCOMPARE(wall.screen(0)->geometry(), QRectF(QPointF(166, 166), QPointF(333, 333)));   // near corner truncated
        QCOMPARE(Ids({wall.screen(1)->GetRowSpan(), wall.screen(1)->GetColumnSpan()}), Ids({1, 2}));
        StructScaleRect scale;
        QVERIFY(wall->GetScreenScale(1, scale));
        QCOMPARE(sides(scale), (Sides{0, 0, 0.5, 0.26}));
        QCOMPARE(wall.screen(1)->GetContentText(), QStringLiteral("Screen 2"));

        // Windows open on top, numbered densely and titled by their number.
        QCOMPARE(wall->GetMaxWindowZValue(1), 0.0);
        QCOMPARE(wall->OpenWindow(1, kMiddle, "a"), 0);
        QCOMPARE(wall->OpenWindow(1, kMiddle, "b"), 1);
        QVERIFY(wall->SetWindowZValue(1, 1, 3.0));
        QCOMPARE(wall->OpenWindow(1, kMiddle, "c"), 2);
        QCOMPARE((Sides{wall->GetWindowZValue(1, 0), wall->GetWindowZValue(1, 2)}), (Sides{1.0, 4.0}));
        QCOMPARE(wall.window(1, 2)->GetTitle(), QStringLiteral("Window 3"));
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        for (double delta : {0.002, -0.002, 0.0021})        // equal within the precision: no change
            QVERIFY(wall->SetWindowScale(1, 2, rect(0.25, 0.25, 0.75 + delta, 0.75)));
        QCOMPARE(calls(geo), (Calls{{1, 2, 0.25, 0.25, 0.7521, 0.75}}));
        QCOMPARE(wall.scale(1, 2), (Sides{0.25, 0.25, 0.7521, 0.75}));
        wall->SetSelectedWindowIndexs(1, 0);
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        QVERIFY(wall->DeleteWindow(1, 0));                              // selected: reported
        QCOMPARE(wall->GetAllWindowIndexs(1), (Ids{0, 1}));
        QCOMPARE(wall->GetWindowUserData(1, 0), QVariant("b"));
        QCOMPARE(wall->OpenWindow(1, kMiddle, "d"), 2);                 // the freed number is reused
        QVERIFY(wall->DeleteWindow(1, 1));                              // not selected: not reported
        QCOMPARE(calls(selection), (Calls{{1}}));
        QCOMPARE(QStringList({wall.window(1, 0)->GetTitle(), wall.window(1, 1)->GetTitle()}),
                 QStringList({"Window 1", "Window 2"}));
        QCOMPARE(wall->GetWindowUserData(1, 1), QVariant("d"));
        wall->SetWindowZValue(1, 0, -5.0);
        wall->SetWindowZValue(1, 1, -1.0);
        QCOMPARE(wall->GetMaxWindowZValue(1), 0.0);
        wall->DeleteAllWindows();
        QCOMPARE(wall->GetWindowCount(1), 0);
        QVERIFY(wall->DeleteAllScreen());
        QCOMPARE(wall.addScreen(rect(0, 0, 1, 1)), 0);                  // numbering starts again
    }

    void invalidNumbersAnswerTheirFailureValues_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("window");
        QTest::newRow("screen -1") << -1 << 0;
        QTest::newRow("screen == count") << 2 << 0;
        QTest::newRow("window -1") << 0 << -1;
        QTest::newRow("window == count") << 0 << 1;
    }
    void invalidNumbersAnswerTheirFailureValues()
    {
        QFETCH(int, screen);
        QFETCH(int, window);
        Wall wall;
        wall.furnish({});
        wall.addScreen(rect(0.5, 0, 1, 1));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.5, 0.5), "w");
        QSignalSpy anything(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        wall->SetWindowUserData(screen, window, "x");
        wall->SetWindowVolumeBtn(screen, window, true);
        wall->SetWindowContentText(screen, window, "x");
        wall->SetSelectedWindowIndexs(screen, window);
        StructScaleRect scale(0.3, 0.3, 0.6, 0.6);
        const QVariantList answers{wall->DeleteWindow(screen, window), wall->SetWindowScale(screen, window, kMiddle),
                                   wall->GetWindowScale(screen, window, scale),
                                   wall->SetWindowZValue(screen, window, 9.0), wall->GetWindowZValue(screen, window),
                                   wall->GetWindowVolumeBtnStatus(screen, window),
                                   wall->GetWindowUserData(screen, window)};
        QCOMPARE(answers, (QVariantList{false, false, false, false, -1.0, false, QVariant()}));
        QCOMPARE(sides(scale), (Sides{0.3, 0.3, 0.6, 0.6}));
        if (screen != 0) {
            wall->SetScreenUserData(screen, "x");
            wall->SetScreenFreeMode(screen, false);
            wall->SetSelectedScreenIndex(screen);
            wall->DeleteAllWindows(screen);
            const QVariantList screenAnswers{
                wall->OpenWindow(screen, kMiddle, {}), wall->GetWindowCount(screen),
                wall->GetAllWindowIndexs(screen).isEmpty(), wall->GetMaxWindowZValue(screen),
                wall->GetScreenScale(screen, scale), wall->SetScreenTitle(screen, "t"),
                wall->SetScreenContentText(screen, "t"), wall->IsScreenFreeMode(screen),
                wall->GetScreenUserData(screen), wall->GetSelectedScreenIndex()};
            QCOMPARE(screenAnswers, (QVariantList{-1, 0, true, 1.0, false, false, false, false, QVariant(), -1}));
        }
        // Nothing else changed.
        QCOMPARE(Ids({wall->GetScreenCount(), wall->GetWindowCount(0), int(anything.count())}), Ids({2, 1, 0}));
        QCOMPARE(wall->GetWindowUserData(0, 0), QVariant("w"));
        QVERIFY(wall->IsScreenFreeMode(1));
    }

    // A drawn area asks the host for a window on its screen, whatever the right button did meanwhile.
    void drawingAnAreaAsksForAWindow_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("rightButton");
        QTest::addColumn<Sides>("expected");
        using P = QPointF;
        QTest::newRow("down right") << P(10, 10) << P(110, 60) << false << Sides{0.025, 0.05, 0.275, 0.3};
        QTest::newRow("up left") << P(110, 60) << P(10, 10) << false << Sides{0.025, 0.05, 0.275, 0.3};
        QTest::newRow("one pixel") << P(200, 100) << P(201, 101) << false << Sides{0.5, 0.5, 0.5025, 0.505};
        QTest::newRow("flat") << P(40, 20) << P(240, 20) << false << Sides{0.1, 0.1, 0.6, 0.1};
        QTest::newRow("past the edge") << P(300, 150) << P(600, 300) << false << Sides{0.75, 0.75, 1, 1};
        QTest::newRow("right button") << P(100, 50) << P(300, 150) << true << Sides{0.25, 0.25, 0.75, 0.75};
    }
    void drawingAnAreaAsksForAWindow()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(bool, rightButton);
        QFETCH(Sides, expected);
        Wall wall;
        wall.addScreen(rect(0.5, 0.5, 1.0, 1.0));
        wall.addScreen(rect(0, 0, 0.5, 0.5));       // 400 x 200
        QSignalSpy draw(wall.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow);
        QWidget* view = wall.viewport();
        const QPoint start = wall.onScreen(1, from), end = wall.onScreen(1, to);
        KitraTest::press(view, start);
        KitraTest::move(view, (start + end) / 2);
        if (rightButton) {
            const Qt::MouseButtons both = Qt::LeftButton | Qt::RightButton;
            chord(view, QEvent::MouseButtonPress, wall.onScreen(0, QPointF(100, 50)), Qt::RightButton, both);
            KitraTest::move(view, end, both);
            chord(view, QEvent::MouseButtonRelease, end, Qt::RightButton, Qt::LeftButton);
        }
        KitraTest::move(view, end);
        KitraTest::release(view, end);
        QCOMPARE(calls(draw), (Calls{Sides{1} + expected}));
        QVERIFY(draw.at(0).at(1).value<StructScaleRect>().bFreeMode);
        QCOMPARE(wall->GetWindowCount(1), 0);       // the host decides whether to open one
    }

    // A press and release without movement draws nothing, whatever a switch of the mode left.
    void modeSwitchDuringADrawLeavesNothingBehind_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("drawing, then multi-selection")
            << int(ZtTVWallNormalWnd::SingleSelection) << int(ZtTVWallNormalWnd::MultiSelection);
        QTest::newRow("band, then single selection")
            << int(ZtTVWallNormalWnd::MultiSelection) << int(ZtTVWallNormalWnd::SingleSelection);
    }
    void modeSwitchDuringADrawLeavesNothingBehind()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        Wall wall;
        wall.furnish({rect(0.5, 0.5, 0.9, 0.9)});
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SelectionMode(from));
        QSignalSpy draw(wall.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow);
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        const QPoint start = wall.onScreen(0, QPointF(20, 20));
        const QPoint end = wall.onScreen(0, QPointF(300, 150));         // over the window
        KitraTest::press(wall.viewport(), start);
        KitraTest::move(wall.viewport(), end);
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SelectionMode(to));
        KitraTest::release(wall.viewport(), end);
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SelectionMode(from));
        KitraTest::click(wall.viewport(), start);
        QCOMPARE(Ids({int(draw.count()), int(selection.count())}), Ids({0, 0}));
        QCOMPARE(wall->GetSelectedWindowIndexs(), Ids());
    }

    // Single selection: a click selects a window and its screen, each reported once, and a click
    // beside it deselects; multi-selection: a band selects the windows it touches and left clicks
    // toggle; no selection: window events still come, but nothing selects or moves.
    void selectionFollowsTheMode()
    {
        Wall wall;
        QWidget* view = wall.viewport();
        for (int i = 0; i < 4; ++i)
            wall.addScreen(rect(0.25 * i, 0, 0.25 * (i + 1), 0.5));   // 200 x 200 each
        for (const Sides& r : {Sides{0.1, 0.1, 0.3, 0.3}, Sides{0.6, 0.6, 0.9, 0.9}, Sides{0.8, 0.05, 0.95, 0.3}})
            wall->OpenWindow(0, rect(r[0], r[1], r[2], r[3]), {});
        wall->OpenWindow(1, rect(0.2, 0.2, 0.8, 0.8), {});
        wall->OpenWindow(1, rect(0.6, 0.6, 1, 1), {});
        QSignalSpy screens(wall.get(), &ZtTVWallNormalWnd::SignalScreenSelectedChanged);
        QSignalSpy windows(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        QCOMPARE(wall->GetSelectedScreenIndex(), -1);
        wall->SetSelectedScreenIndex(2);
        wall->SetSelectedScreenIndex(2);
        KitraTest::click(view, wall.bodyOf(1, 0));
        KitraTest::click(view, wall.bodyOf(1, 0));            // already selected
        QCOMPARE(wall->GetSelectedWindowIndexs(), Ids{0});
        QCOMPARE(wall->GetWindowZValue(1, 0), 1.0);           // selected, but left behind
        KitraTest::click(view, wall.onScreen(1, QPointF(5, 5)));
        QCOMPARE(wall->GetSelectedWindowIndexs(), Ids());
        KitraTest::click(view, wall.onScreen(3, QPointF(5, 5)));
        QCOMPARE(wall->GetSelectedScreenIndex(), 3);
        wall->SetSelectedWindowIndexs(1, 0);
        QCOMPARE(wall->GetSelectedScreenIndex(), 1);          // the screen with a selected window comes first
        QCOMPARE(calls(screens), (Calls{{2}, {1}, {3}}));
        QCOMPARE(calls(windows), (Calls{{1}, {1}, {1}}));

        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        windows.clear();
        QSignalSpy draw(wall.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow);
        // From the empty middle of screen 0 over the corners of its windows 0 and 1 only.
        KitraTest::drag(view, wall.onScreen(0, QPointF(125, 50)), wall.onScreen(0, QPointF(55, 130)));
        QCOMPARE(calls(windows), (Calls{{0}}));
        QCOMPARE(wall->GetSelectedWindowIndexs(), (Ids{0, 1}));
        QCOMPARE(wall->GetUnSelectedWindowIndexs(), Ids{2});
        KitraTest::click(view, wall.bodyOf(0, 2));
        KitraTest::click(view, wall.bodyOf(0, 0));
        KitraTest::click(view, wall.bodyOf(0, 1), Qt::RightButton);   // only the left button deselects
        QCOMPARE(wall->GetSelectedWindowIndexs(), (Ids{1, 2}));
        QCOMPARE(draw.count(), 0);

        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SingleSelection);
        QCOMPARE(wall->GetSelectedWindowIndexs(), Ids());
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::NoSelection);
        QList<QEvent::Type> types;      // the event lives only while the signal is delivered
        connect(wall.get(), &ZtTVWallNormalWnd::SignalWindowEvent, this, [&types](int, int, QEvent* event) {
            if (event->type() != QEvent::GraphicsSceneHoverMove)
                types << event->type();
        });
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        KitraTest::drag(view, wall.bodyOf(1, 0), wall.bodyOf(1, 0) + QPoint(60, 30), 2);
        QCOMPARE(Ids({int(wall->GetSelectedWindowIndexs().size()), int(geo.count()), int(draw.count())}), Ids({0, 0, 0}));
        QCOMPARE(wall.window(1, 0)->geometry(), QRectF(40, 40, 120, 120));
        QCOMPARE(types, (QList<QEvent::Type>{QEvent::GraphicsSceneMousePress, QEvent::GraphicsSceneMouseMove,
                                             QEvent::GraphicsSceneMouseMove, QEvent::GraphicsSceneMouseRelease}));

        // A close button the host puts on a screen reports that screen.
        auto* close = new QGraphicsRectItem(0, 0, 20, 20, wall.screen(2));
        close->setPos(170, 10);
        close->setData(100, 200u);
        QSignalSpy closed(wall.get(), &ZtTVWallNormalWnd::SignalScreenCloseBtnClicked);
        KitraTest::click(view, wall.onScreen(2, QPointF(180, 20)));
        KitraTest::click(view, wall.onScreen(2, QPointF(100, 20)));
        QCOMPARE(calls(closed), (Calls{{2}}));
    }

    // Drags stop at the screen's edge, and end with the dragged window when the host closes it.
    void dragsStopAtTheEdgeAndEndWithTheirWindow_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Calls>("moved");       // windows 0 and 1 after a drag of window 0 to the right
        QTest::addColumn<Sides>("last");        // the other window after a drag of 40 pixels to the left
        QTest::newRow("single selection") << int(ZtTVWallNormalWnd::SingleSelection)
            << Calls{{0.8, 0.1, 1, 0.5}, {0.5, 0.1, 0.7, 0.5}} << Sides{0.4, 0.1, 0.6, 0.5};
        QTest::newRow("multi-selection") << int(ZtTVWallNormalWnd::MultiSelection)
            << Calls{{0.4, 0.1, 0.6, 0.5}, {0.8, 0.1, 1, 0.5}} << Sides{0.7, 0.1, 0.9, 0.5};
    }
    void dragsStopAtTheEdgeAndEndWithTheirWindow()
    {
        QFETCH(int, mode);
        QFETCH(Calls, moved);
        QFETCH(Sides, last);
        Wall wall;
        QWidget* view = wall.viewport();
        wall.furnish({rect(0.1, 0.1, 0.3, 0.5), rect(0.5, 0.1, 0.7, 0.5)});    // x 40 .. 120, 200 .. 280
        wall.addScreen(rect(0.5, 0, 1, 0.5));
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SelectionMode(mode));
        KitraTest::click(view, wall.bodyOf(0, 1));
        KitraTest::click(view, wall.bodyOf(0, 0));
        KitraTest::drag(view, wall.bodyOf(0, 0), wall.bodyOf(0, 0) + QPoint(500, 0));   // towards screen 1
        QCOMPARE(Calls({wall.scale(0, 0), wall.scale(0, 1)}), moved);
        QCOMPARE(wall->GetWindowCount(1), 0);
        QCOMPARE(qMax(wall.window(0, 0)->geometry().right(), wall.window(0, 1)->geometry().right()), 400.0);

        const QPoint start = wall.bodyOf(0, 0);
        KitraTest::press(view, start);
        KitraTest::move(view, start - QPoint(30, 0));
        KitraTest::move(view, start - QPoint(60, 0));
        QVERIFY(wall->DeleteWindow(0, 0));
        KitraTest::release(view, start - QPoint(60, 0));
        const Sides r = moved.at(1);        // drawn where its rectangle says
        QCOMPARE(wall.window(0, 0)->geometry(),
                 QRectF(QPointF(400 * r[0], 200 * r[1]), QPointF(400 * r[2], 200 * r[3])));
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        KitraTest::drag(view, wall.bodyOf(0, 0), wall.bodyOf(0, 0) - QPoint(40, 0));
        QCOMPARE(calls(geo), (Calls{Sides{0, 0} + last}));
    }

    // The host resizes the wall in the middle of a drag: the window, laid out anew, stops at the
    // edge, and a drag cut short puts it back where its rectangle says.
    void dragsOnAWallResizedMeanwhile()
    {
        Wall wall;
        QWidget* view = wall.viewport();
        wall.furnish({rect(0.5, 0.1, 1, 0.5)});        // x 200 .. 400
        const QPoint start = wall.bodyOf(0, 0);
        KitraTest::press(view, start);
        KitraTest::move(view, start + QPoint(50, 0));
        wall->resize(400, 200);                         // the screen 200 wide, the window 100
        KitraTest::move(view, start + QPoint(300, 0));
        KitraTest::release(view, start + QPoint(300, 0));
        const Sides r = wall.scale(0, 0);
        QCOMPARE(Sides({r.at(0), r.at(2)}), Sides({0.5, 1.0}));

        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        wall->OpenWindow(0, rect(0, 0.1, 0.4, 0.9), {});
        KitraTest::click(view, wall.bodyOf(0, 1));  // selected beside the window the first drag selected
        KitraTest::press(view, wall.bodyOf(0, 1));
        KitraTest::move(view, wall.bodyOf(0, 1) + QPoint(20, 0));
        wall->resize(800, 400);
        QVERIFY(wall->DeleteWindow(0, 1));          // the group's drag ends with the pressed window
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(400 * r[0], 200 * r[1], 400 * (r[2] - r[0]), 200 * (r[3] - r[1])));

        // An area drawn on a screen that shrinks before the release still lies on the screen.
        Wall drawn;
        drawn.addScreen(rect(0, 0, 0.5, 0.5));       // 400 x 200
        QSignalSpy draw(drawn.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow);
        const QPoint from = drawn.onScreen(0, QPointF(100, 50)), to = drawn.onScreen(0, QPointF(300, 150));
        KitraTest::press(drawn.viewport(), from);
        KitraTest::move(drawn.viewport(), to);
        drawn->resize(400, 200);                     // the screen 200 x 100
        KitraTest::release(drawn.viewport(), to);
        QCOMPARE(calls(draw), (Calls{Sides{0, 0.5, 0.5, 1, 1}}));
    }

    // A resize yields to the host's rectangle set in the middle of it, and to the screen's edge.
    void resizesYieldToTheHostAndTheScreen()
    {
        Wall wall;
        QWidget* view = wall.viewport();
        wall.furnish({rect(0.25, 0.25, 0.75, 0.75)});     // x 100 .. 300, y 50 .. 150
        const QPoint edge = wall.onWindow(0, 0, QPointF(2, 60));
        KitraTest::press(view, edge);
        KitraTest::move(view, edge - QPoint(30, 0));
        QVERIFY(wall->SetWindowScale(0, 0, rect(0.5, 0.5, 0.9, 0.9)));
        KitraTest::move(view, edge - QPoint(60, 0));
        KitraTest::release(view, edge - QPoint(60, 0));
        QCOMPARE(wall.scale(0, 0), (Sides{0.5, 0.5, 0.9, 0.9}));
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(200, 100, 160, 80));

        // Lower than the least height at the screen's top: pulling its top edge keeps it on the screen.
        QVERIFY(wall->SetWindowScale(0, 0, rect(0.25, 0, 0.75, 0.1)));      // 20 pixels high
        const QPoint top = wall.onWindow(0, 0, QPointF(100, 1));
        KitraTest::drag(view, top, top + QPoint(0, 15));
        QCOMPARE(wall.scale(0, 0), (Sides{0.25, 0, 0.75, 0.1}));
    }

    // A selected window shows its zone's cursor; a drag there resizes or moves it within its screen.
    void dragZonesResizeAndMoveWithinTheScreen_data()
    {
        QTest::addColumn<QPointF>("press");     // in the 200 x 100 window
        QTest::addColumn<QPointF>("to");        // on the 400 x 200 screen
        QTest::addColumn<int>("cursor");
        QTest::addColumn<Sides>("expected");    // none: nothing moved
        using P = QPointF;
        const int hor = Qt::SizeHorCursor, ver = Qt::SizeVerCursor, f = Qt::SizeFDiagCursor, b = Qt::SizeBDiagCursor;
        QTest::newRow("left, out") << P(2, 50) << P(-500, 100) << hor << Sides{0, 0.25, 0.75, 0.75};
        QTest::newRow("left, past the right") << P(2, 50) << P(390, 100) << hor << Sides{0.62, 0.25, 0.75, 0.75};
        QTest::newRow("top-left, out") << P(2, 2) << P(-500, -500) << f << Sides{0, 0, 0.75, 0.75};
        QTest::newRow("top, out") << P(100, 2) << P(150, -500) << ver << Sides{0.25, 0, 0.75, 0.75};
        QTest::newRow("top, past the bottom") << P(100, 2) << P(150, 190) << ver << Sides{0.25, 0.615, 0.75, 0.75};
        QTest::newRow("top-right, out") << P(198, 2) << P(1000, -500) << b << Sides{0.25, 0, 1.0, 0.75};
        QTest::newRow("top-right, inverted") << P(198, 2) << P(-500, 1000) << b << Sides{0.25, 0.625, 0.375, 0.75};
        QTest::newRow("right, out") << P(198, 50) << P(1000, 100) << hor << Sides{0.25, 0.25, 1.0, 0.75};
        QTest::newRow("right, past the left") << P(198, 50) << P(-500, 100) << hor << Sides{0.25, 0.25, 0.38, 0.75};
        QTest::newRow("bottom-right, out") << P(198, 98) << P(1000, 1000) << f << Sides{0.25, 0.25, 1.0, 1.0};
        QTest::newRow("bottom, past the top") << P(100, 98) << P(150, -500) << ver << Sides{0.25, 0.25, 0.75, 0.385};
        QTest::newRow("bottom-left, out") << P(2, 98) << P(-500, 1000) << b << Sides{0, 0.25, 0.75, 1.0};
        QTest::newRow("inside, moved") << P(100, 60) << P(160, 90) << int(Qt::ArrowCursor)
                                       << Sides{0.15, 0.15, 0.65, 0.65};
        QTest::newRow("inside, too short") << P(100, 60) << P(206, 114) << int(Qt::ArrowCursor) << Sides{};
    }
    void dragZonesResizeAndMoveWithinTheScreen()
    {
        QFETCH(QPointF, press);
        QFETCH(QPointF, to);
        QFETCH(int, cursor);
        QFETCH(Sides, expected);
        Wall wall;
        wall.furnish({kMiddle});
        const auto hover = [&wall, press] {
            KitraTest::move(wall.viewport(), wall.onWindow(0, 0, QPointF(100, 50)), Qt::NoButton);
            KitraTest::move(wall.viewport(), wall.onWindow(0, 0, press), Qt::NoButton);
            return int(wall.window(0, 0)->cursor().shape());
        };
        QCOMPARE(hover(), int(Qt::ArrowCursor));        // only a selected window offers its edges
        wall->SetSelectedWindowIndexs(0, 0);
        QCOMPARE(hover(), cursor);
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        KitraTest::drag(wall.viewport(), wall.onWindow(0, 0, press), wall.onScreen(0, to), 5);
        QCOMPARE(calls(geo), (expected.isEmpty() ? Calls() : Calls{Sides{0, 0} + expected}));
    }

    // Title buttons act unless a press moved onto or off them, or the screen is locked.
    void titleButtonsActUnlessTheScreenIsLocked()
    {
        Wall wall;
        wall.furnish({kMiddle});
        wall->SetAudioBtnVisible(false);
        wall->OpenWindow(0, rect(0, 0, 0.2, 0.2), {});
        QVERIFY(!wall.button(0, 1, ZtTVWallNormalWindow::VolumeButton));    // opened without audio
        QSignalSpy volume(wall.get(), &ZtTVWallNormalWnd::SignalWindowVolumeBtnClicked);
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        QSignalSpy closed(wall.get(), &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked);
        const auto clickOn = [&wall](int id) { KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, id)); };
        clickOn(ZtTVWallNormalWindow::VolumeButton);
        QVERIFY(!wall->GetWindowVolumeBtnStatus(0, 0));                     // the host decides
        wall->SetWindowVolumeBtn(0, 0, true);
        QCOMPARE(wall.button(0, 0, ZtTVWallNormalWindow::VolumeButton)->toolTip(), QStringLiteral("Close Volume"));
        QCOMPARE(wall.button(0, 0, ZtTVWallNormalWindow::MaxButton)->toolTip(), QStringLiteral("Max"));
        clickOn(ZtTVWallNormalWindow::MaxButton);
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(0, 0, 400, 200));
        QCOMPARE(wall.button(0, 0, ZtTVWallNormalWindow::MaxButton)->toolTip(), QStringLiteral("Restore"));
        clickOn(ZtTVWallNormalWindow::MaxButton);
        QCOMPARE(wall.button(0, 0, ZtTVWallNormalWindow::MaxButton)->toolTip(), QStringLiteral("Max"));
        QCOMPARE(calls(geo), (Calls{{0, 0, 0, 0, 1, 1}, {0, 0, 0.25, 0.25, 0.75, 0.75}}));
        const QPoint button = wall.buttonAt(0, 0, ZtTVWallNormalWindow::CloseButton);
        KitraTest::drag(wall.viewport(), button - QPoint(6, 0), button);      // too short to move the window
        KitraTest::drag(wall.viewport(), button, button - QPoint(60, 0));     // the button follows the mouse
        QCOMPARE(wall.buttonAt(0, 0, ZtTVWallNormalWindow::CloseButton), button - QPoint(60, 0));
        QCOMPARE(Ids({int(closed.count()), int(geo.count())}), Ids({0, 3}));

        wall->SetScreenFreeMode(0, false);
        QVERIFY(!wall.button(0, 0, ZtTVWallNormalWindow::CloseButton)->isVisible());
        QVERIFY(wall->SetWindowScale(0, 0, rect(0.1, 0.1, 0.5, 0.5, false)));
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(40, 20, 160, 80));          // moved, but silently
        KitraTest::click(wall.viewport(), wall.onWindow(0, 0, QPointF(150, 10)));   // on the hidden close button
        KitraTest::drag(wall.viewport(), wall.bodyOf(0, 0), wall.bodyOf(0, 0) + QPoint(60, 40));   // not movable
        QCOMPARE(Ids({int(closed.count()), int(geo.count())}), Ids({0, 3}));
        QCOMPARE(wall->GetSelectedWindowIndexs(), Ids{0});                          // still selectable
        QCOMPARE(wall.scale(0, 0), (Sides{0.1, 0.1, 0.5, 0.5}));
        wall->SetScreenFreeMode(0, true);
        QVERIFY(wall->SetWindowScale(0, 0, kMiddle));
        clickOn(ZtTVWallNormalWindow::CloseButton);
        QCOMPARE(geo.count(), 4);
        QCOMPARE(calls(closed), (Calls{{0, 0}}));
        QCOMPARE(calls(volume), (Calls{{0, 0}}));
    }

    // The bar shows the buttons that fit (none when locked) and the title, elided, while titles show.
    void titleBarShowsWhatFitsAndIsAllowed()
    {
        Wall wall;
        wall.furnish({rect(0, 0, 0.1, 0.5), rect(0.25, 0.25, 0.75, 0.75, false)});
        const auto shown = [&wall](int w) {
            Ids ids;
            for (int id : {ZtTVWallNormalWindow::CloseButton, ZtTVWallNormalWindow::MaxButton,
                           ZtTVWallNormalWindow::SelfAdaptionButton, ZtTVWallNormalWindow::VolumeButton})
                if (wall.button(0, w, id) && wall.button(0, w, id)->isVisible())
                    ids << id;
            return ids;
        };
        const auto whiteInTitle = [&wall] { return pixelsOf(wall.viewport(), QRect(8, 2, 112, 22), Qt::white); };
        QCOMPARE(shown(0), Ids{ZtTVWallNormalWindow::CloseButton});         // 40 pixels: room for one
        QVERIFY(!wall.window(0, 1)->GetTitleItem()->isVisible());
        QVERIFY(!wall.button(0, 1, ZtTVWallNormalWindow::VolumeButton));    // only free windows get one
        wall->SetWindowScale(0, 0, rect(0, 0, 1, 1));
        QCOMPARE(shown(0).size(), 4);
        QCOMPARE(whiteInTitle(), 0);

        wall->SetWindowTitleShow(true);
        QVERIFY(whiteInTitle() > 10);
        QVERIFY(wall.window(0, 1)->GetTitleItem()->isVisible());
        QCOMPARE(shown(1), Ids());
        wall->OpenWindow(0, rect(0.8, 0.8, 1, 1), {});
        QVERIFY(wall.window(0, 2)->GetTitleItem()->IsShowTitle());
        wall->SetWindowScale(0, 0, rect(0, 0, 0.6, 1));       // room for part of the text
        QVERIFY(whiteInTitle() > 0);
        wall->SetWindowTitleShow(false);
        QCOMPARE(whiteInTitle(), 0);
    }

    void fitToCells_data()
    {
        QTest::addColumn<Sides>("window");
        QTest::addColumn<Sides>("fitted");
        QTest::newRow("snaps outward") << Sides{0.24, 0.26, 0.49, 0.74} << Sides{0, 0, 0.5, 1.0};
        QTest::newRow("on cell lines") << Sides{0.25, 0, 0.5, 0.5} << Sides{0.25, 0, 0.5, 0.5};
        QTest::newRow("within the precision") << Sides{0.251, 0.001, 0.749, 0.5} << Sides{0.251, 0.001, 0.749, 0.5};
    }
    void fitToCells()
    {
        QFETCH(Sides, window);
        QFETCH(Sides, fitted);
        Wall wall(2, 4);
        wall.addScreen(rect(0, 0, 1, 1));
        wall->OpenWindow(0, rect(window[0], window[1], window[2], window[3]), {});
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::SelfAdaptionButton));
        QCOMPARE(wall.scale(0, 0), fitted);
        QCOMPARE(geo.count(), fitted == window ? 0 : 1);
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::SelfAdaptionButton));
        QCOMPARE(wall.scale(0, 0), window);         // fitted, the same button restores
        // A double click fits too, and reports a selection rather than a double click.
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        QSignalSpy doubleClicked(wall.get(), &ZtTVWallNormalWnd::SignalWindowDoubleClicked);
        KitraTest::doubleClick(wall.viewport(), wall.bodyOf(0, 0));
        QCOMPARE(wall.scale(0, 0), fitted);
        QCOMPARE(calls(selection), (Calls{{0}}));
        QCOMPARE(doubleClicked.count(), 0);
    }

    void wheelZoomIsClamped()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 1, 1));
        const QPoint middle(300, 150);
        QTest::mouseMove(wall.viewport(), middle);      // through the window system: the view sees the mouse enter
        const QPointF under = wall->mapToScene(middle);
        KitraTest::wheel(wall.viewport(), middle, 6);
        QCOMPARE(Sides({wall->transform().m11(), wall->transform().m22()}), Sides({10.0, 10.0}));
        // The point under the mouse stays, but for the scroll rounding of each step (centred: 90 away).
        QVERIFY(QLineF(wall->mapToScene(middle), under).length() < 5.0);
        KitraTest::wheel(wall.viewport(), middle, -1);
        QVERIFY(qAbs(wall->transform().m11() - 10.0 / 1.5) < 1e-9);
        KitraTest::wheel(wall.viewport(), middle, -9);
        QCOMPARE(wall->transform().m11(), 1.0);
        KitraTest::wheel(wall.viewport(), QPoint(798, 398), 1);        // the overview's corner takes no zoom
        QCOMPARE(wall->transform().m11(), 1.0);
    }

    // Screens lay out from a scene rectangle that follows the wall, not the items' bounds.
    void sceneFollowsTheWallAlone_data()
    {
        QTest::addColumn<bool>("shownFirst");
        QTest::newRow("built, then shown") << false;
        QTest::newRow("shown, then squeezed to nothing") << true;
    }
    void sceneFollowsTheWallAlone()
    {
        QFETCH(bool, shownFirst);
        ZtTVWallNormalWnd wall;
        wall.setFrameShape(QFrame::NoFrame);
        wall.resize(800, 400);
        if (shownFirst) {
            wall.show();
            QVERIFY(QTest::qWaitForWindowExposed(&wall));
        }
        wall.SetTVWallGridCount(4, 4);
        wall.AddScreen(rect(0.1678, 0.99726, 0.5929, 0.99991), {});
        wall.OpenWindow(0, rect(0.781, 0.950, 0.976, 0.984), {});
        wall.AddScreen(rect(0.2053, 0.5731, 0.4230, 0.8263), QVariant(1));
        if (shownFirst)
            wall.resize(0, 0);
        else
            QCOMPARE(wall.sceneRect(), QRectF(wall.viewport()->contentsRect()));
        wall.resize(800, 400);
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        QCOMPARE(wall.sceneRect(), QRectF(0, 0, 800, 400));
        QCOMPARE(screenOf(&wall, 1)->geometry(), QRectF(QPointF(164, 229), QPointF(338, 331)));
    }

    // From a slot of each signal the host deletes the window, every window or every screen.
    void hostMayDeleteFromItsSlots_data()
    {
        QTest::addColumn<QString>("signal");
        QTest::addColumn<int>("event");         // of the event signals
        QTest::addColumn<int>("deletes");       // 0: the window, 1: every window, 2: every screen
        const int none = QEvent::None, press = QEvent::GraphicsSceneMousePress;
        QTest::newRow("close deletes every screen") << "close" << none << 2;
        QTest::newRow("draw deletes every screen") << "draw" << none << 2;
        QTest::newRow("release deletes every screen") << "window" << int(QEvent::GraphicsSceneMouseRelease) << 2;
        QTest::newRow("press deletes the window") << "window" << press << 0;
        QTest::newRow("screen press deletes every screen") << "screen" << press << 2;
        QTest::newRow("selection deletes every window") << "selection" << none << 1;
        QTest::newRow("geometry deletes every screen") << "geometry" << none << 2;
        QTest::newRow("screen selection deletes every screen") << "screen selection" << none << 2;
    }
    void hostMayDeleteFromItsSlots()
    {
        QFETCH(QString, signal);
        QFETCH(int, event);
        QFETCH(int, deletes);
        Wall wall;
        ZtTVWallNormalWnd* w = wall.get();
        wall.furnish({rect(0.1, 0.1, 0.4, 0.6), rect(0.5, 0.1, 0.8, 0.6)});
        const auto act = [w, deletes](bool fire, int s, int i) {
            if (fire && deletes == 0)
                w->DeleteWindow(s, i);
            else if (fire)
                deletes == 1 ? w->DeleteAllWindows() : void(w->DeleteAllScreen());
        };
        using W = ZtTVWallNormalWnd;
        connect(w, &W::SignalWindowCloseBtnClicked, w, [=](int s, int i) { act(signal == "close", s, i); });
        connect(w, &W::SignalDrawAreaOpenWindow, w, [=](int s) { act(signal == "draw", s, -1); });
        connect(w, &W::SignalWindowEvent, w,
                [=](int s, int i, QEvent* e) { act(signal == "window" && e->type() == event, s, i); });
        connect(w, &W::SignalScreenEvent, w,
                [=](int s, QEvent* e) { act(signal == "screen" && e->type() == event, s, -1); });
        connect(w, &W::SignalWindowSelectedChanged, w, [=](int s) { act(signal == "selection", s, -1); });
        connect(w, &W::SignalWindowGeoChanged, w, [=](int s, int i) { act(signal == "geometry", s, i); });
        connect(w, &W::SignalScreenSelectedChanged, w, [=](int s) { act(signal == "screen selection", s, -1); });

        const QPoint close = wall.buttonAt(0, 1, ZtTVWallNormalWindow::CloseButton);
        const QPoint body = wall.bodyOf(0, 1);
        const QPoint empty = wall.onScreen(0, QPointF(390, 190));
        KitraTest::click(wall.viewport(), empty);
        if (signal == "geometry") {     // both selected: the group moves
            w->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
            KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
            KitraTest::click(wall.viewport(), body);
        }
        KitraTest::click(wall.viewport(), close);
        KitraTest::drag(wall.viewport(), body, body + QPoint(-30, 20));
        KitraTest::drag(wall.viewport(), empty, empty - QPoint(50, 50));
        KitraTest::doubleClick(wall.viewport(), body);
        QVERIFY(w->GetScreenCount() == 0 || w->GetWindowCount(0) < 2);
        // The wall still works afterwards.
        w->DeleteAllScreen();
        QCOMPARE(wall.addScreen(rect(0, 0, 1, 1)), 0);
        QCOMPARE(w->OpenWindow(0, rect(0, 0, 1, 1), {}), 0);
    }
    // Only the drawn half of the button opens the overview, at any zoom, in the corner; the map
    // shows the grid dashed from a pixel inside, frames in red what the view shows and centres the
    // view where it is clicked; only the shrink button folds it; recovering also resets the zoom.
    void overviewOpensFramesSteersAndFolds()
    {
        writeSkin(true);
        EyeWall wall;
        QWidget* view = wall.viewport();
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        QVERIFY(wall.showsFolded());
        KitraTest::press(view, kCorner);
        KitraTest::release(view, QPoint(736, 436));              // let go beside the button
        wall.zoom(2);
        QVERIFY(wall.showsFolded());
        QCOMPARE(changed.count(), 0);
        KitraTest::click(view, QPoint(782, 497));
        QVERIFY(!wall.eye->IsCollapsed() && wall.showsOpen());

        const auto redFrame = [&wall] {
            const QImage image = wall.viewport()->grab().toImage();
            const QRectF seen = wall->mapToScene(wall.viewport()->rect()).boundingRect();
            const QRectF f(604 + seen.x() * 0.24, 384 + seen.y() * 0.224, seen.width() * 0.24, seen.height() * 0.224);
            const auto red = [&image](qreal x, qreal y) { return image.pixelColor(qRound(x), qRound(y)) == Qt::red; };
            return red(f.left(), f.center().y()) && red(f.right(), f.center().y()) && red(f.center().x(), f.top())
                   && red(f.center().x(), f.bottom()) && !red(f.left() + 4, f.center().y() + 4);
        };
        const QList<QPair<QPoint, QPointF>> steps{{QPoint(652, 412), QPointF(200, 125)},
                                                  {QPoint(748, 468), QPointF(600, 375)},
                                                  {QPoint(700, 440), QPointF(400, 250)}};
        for (const auto& step : steps) {    // a click on the map, and the scene point it centres
            wall.zoom(1);
            KitraTest::click(view, step.first);
            const QPointF centre = wall->mapToScene(view->rect().center());
            QVERIFY2(QLineF(centre, step.second).length() <= 2.0, qPrintable(QString::number(centre.x())));
            QVERIFY(redFrame());
        }
        const int row = pixelsOf(view, QRect(605, 421, 190, 1), kGrid);        // rows at a third of 112
        QVERIFY(row > 40 && row < 170);
        QCOMPARE(wall.at(604, 421), kPanel);
        QVERIFY(pixelsOf(view, QRect(700, 386, 1, 109), kGrid) > 40);          // the column in the middle
        QCOMPARE(pixelsOf(view, QRect(606, 430, 80, 1), kGrid), 0);            // and no other line
        QCOMPARE(pixelsOf(view, QRect(650, 386, 1, 30), kGrid), 0);

        KitraTest::click(view, QPoint(780, 480));                // beside the shrink button, on the map
        QVERIFY(wall.showsOpen());
        KitraTest::click(view, QPoint(796, 496));
        QVERIFY(wall.showsFolded());
        QCOMPARE(wall->GetSelectedScreenIndex(), -1);            // no click got through to the screen
        KitraTest::click(view, QPoint(786, 487));                // the button's transparent half
        QCOMPARE(wall->GetSelectedScreenIndex(), 0);
        QCOMPARE(changed.count(), 2);
        KitraTest::click(view, kCorner);
        wall->RecoverEagleEye();
        wall->RecoverEagleEye();
        QVERIFY(wall->transform().isIdentity() && wall.showsFolded());
        QCOMPARE(changed.count(), 4);
    }

    void overviewWithoutItsPanelCatchesNoClick()
    {
        writeSkin(false);
        EyeWall wall;
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        QVERIFY(wall.at(790, 490) != kExpand);
        KitraTest::click(wall.viewport(), kCorner);
        QCOMPARE(wall->GetSelectedScreenIndex(), 0);
        QCOMPARE(changed.count(), 0);
    }

    // Windows drawn smaller than the threshold, zoom included, lose title bar, buttons and texts;
    // larger ones look and click as with the rule off.
    void detailThresholdSimplifiesSmallWindows_data()
    {
        QTest::addColumn<StructScaleRect>("opened");
        QTest::addColumn<StructScaleRect>("shown");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("notches");
        QTest::addColumn<bool>("simplified");
        const StructScaleRect small(0.25, 0.25, 0.4, 0.4);      // 60 x 30
        QTest::newRow("zoomed in") << kMiddle << kMiddle << 120 << 2 << false;      // 450 x 225
        QTest::newRow("grown") << small << rect(0, 0, 1, 1) << 120 << 0 << false;
        QTest::newRow("1:1") << kMiddle << kMiddle << 120 << 0 << true;             // 200 x 100
        QTest::newRow("zoomed in, still small") << kMiddle << kMiddle << 300 << 2 << true;
        QTest::newRow("shrunk") << kMiddle << small << 120 << 2 << true;           // 135 x 67
    }
    void detailThresholdSimplifiesSmallWindows()
    {
        QFETCH(StructScaleRect, opened);
        QFETCH(StructScaleRect, shown);
        QFETCH(int, threshold);
        QFETCH(int, notches);
        QFETCH(bool, simplified);
        Wall wall;
        wall->SetWindowTitleShow(true);
        wall.furnish({opened});
        wall->SetWindowContentText(0, 0, "Camera 12");
        wall->SetWindowDetailThreshold(threshold);
        KitraTest::wheel(wall.viewport(), wall.onScreen(0, QPointF(200, 100)), notches);
        wall->SetWindowScale(0, 0, shown);
        const QImage withRule = wall.viewport()->grab().toImage();
        wall->SetWindowDetailThreshold(0);
        QCOMPARE(withRule == wall.viewport()->grab().toImage(), !simplified);
        wall->SetWindowDetailThreshold(threshold);
        QTest::ignoreMessage(QtWarningMsg, "---ZtGUI--- ZtTVWallNormalWnd::SetWindowDetailThreshold: pixels = -1");
        wall->SetWindowDetailThreshold(-1);     // refused: the rule stays
        QCOMPARE(wall->GetWindowDetailThreshold(), threshold);
        QSignalSpy closed(wall.get(), &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked);
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::CloseButton));
        QCOMPARE(closed.count(), simplified ? 0 : 1);
        QCOMPARE(wall->GetSelectedWindowIndexs(), Ids{0});     // a press on the window all the same
    }

    void randomUseKeepsTheWallConsistent()
    {
        Wall wall(4, 4);
        ZtTVWallNormalWnd* w = wall.get();
        // Answer the wall as a host does.
        connect(w, &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow, w, [w](int s, StructScaleRect r) {
            if (r.dRight - r.dLeft >= 0.4 && r.dBottom - r.dTop >= 0.4)
                w->OpenWindow(s, r, {});
        });
        connect(w, &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked, w, [w](int s, int i) { w->DeleteWindow(s, i); });
        connect(w, &ZtTVWallNormalWnd::SignalWindowVolumeBtnClicked, w,
                [w](int s, int i) { w->SetWindowVolumeBtn(s, i, !w->GetWindowVolumeBtnStatus(s, i)); });
        RandomUse<ZtTVWallNormalWnd>(w, 20261206u).run(3000, [&wall](bool inGesture) {
            return problemIn(wall, inGesture);
        });
    }
};

QTEST_MAIN(tst_SceneWall)
#include "tst_scenewall.moc"
