// The scene wall as a host and an operator use it: public calls, mouse input on the viewport,
// and the public signals with their screen and window numbers.
#include "SceneWall.h"

#include "ZtTVWallNormalEagleEye.h"
#include "ZtTVWallNormalScene.h"

using namespace ZtGUI;
using namespace SceneWallTest;

namespace {
// A press or release of `button` while `held` stays down, as a window system reports a chord.
void chord(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

class tst_SceneWall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        useShippedSkin();
    }

    void gridLinesFollowRowsAndColumns_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QList<int>>("ys");
        QTest::addColumn<QList<int>>("xs");
        QTest::newRow("4 x 6") << 4 << 6 << QList<int>{270, 540, 810} << QList<int>{320, 640, 960, 1280, 1600};
        QTest::newRow("no rows") << 0 << 3 << QList<int>{} << QList<int>{640, 1280};
    }
    void gridLinesFollowRowsAndColumns()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QList<int>, ys);
        QFETCH(QList<int>, xs);
        ZtTVWallNormalScene scene;
        scene.setSceneRect(0, 0, 1920, 1080);
        scene.SetGridCount(rows, cols);
        QImage image(1920, 1080, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
        painter.end();
        // Rows and columns with more lit pixels than a crossing line gives them.
        const auto lit = [&image](bool rows, int enough) {
            QList<int> found;
            for (int i = 0; i < (rows ? image.height() : image.width()); ++i) {
                int n = 0;
                for (int j = 0; j < (rows ? image.width() : image.height()); ++j)
                    n += (rows ? image.pixel(j, i) : image.pixel(i, j)) != qRgb(0, 0, 0);
                if (n > enough)
                    found << i;
            }
            return found;
        };
        const QList<int> litRows = lit(true, 500), litCols = lit(false, 300);
        QCOMPARE(litRows, ys);      // the last line lies on the far edge, outside the picture
        QCOMPARE(litCols, xs);
        const QColor line = image.pixelColor(xs.first(), 2);    // a dash starts at the top
        QVERIFY(line.value() > 30 && line.value() < 80);        // white at alpha 50
    }

    void addScreenNeedsAGrid()
    {
        Wall wall(0, 0);
        QTest::ignoreMessage(QtWarningMsg, "---ZtGUI--- ZtTVWallNormalWnd::AddScreen: iRows = 0, iCols = 0");
        QCOMPARE(wall->AddScreen(rect(0, 0, 1, 1), QVariant()), -1);
        QCOMPARE(wall->GetScreenCount(), 0);
        wall->SetTVWallGridCount(4, 4);
        QCOMPARE(wall->AddScreen(rect(0, 0, 0.5, 0.26), QVariant()), 0);
        QCOMPARE(wall->AddScreen(rect(0.5, 0, 1, 1), QIcon(), "ignored", QVariant("u")), 1);
        QCOMPARE(wall->GetScreenUserData(1), QVariant("u"));
    }

    void screensLayOutFromTheirScale()
    {
        Wall wall(4, 4);
        wall.addScreen(rect(0.5, 0.5, 1.0, 1.0));
        wall.addScreen(rect(0.0, 0.0, 0.5, 0.26));
        wall->scene()->setSceneRect(0, 0, 1920, 1080);
        QCOMPARE(wall.screen(0)->geometry(), QRectF(QPointF(960, 540), QPointF(1920, 1080)));
        QCOMPARE(wall.screen(1)->geometry(), QRectF(QPointF(0, 0), QPointF(960, 281)));   // 280.8 rounds up
        wall->scene()->setSceneRect(0, 0, 333, 333);
        QCOMPARE(wall.screen(0)->geometry(), QRectF(QPointF(166, 166), QPointF(333, 333)));   // near corner truncated
        QCOMPARE(wall.screen(1)->GetRowSpan(), 1);
        QCOMPARE(wall.screen(1)->GetColumnSpan(), 2);
        StructScaleRect scale;
        QVERIFY(wall->GetScreenScale(1, scale));
        QCOMPARE_SCALE(scale, 0.0, 0.0, 0.5, 0.26);
        QCOMPARE(wall.screen(0)->GetContentText(), QStringLiteral("Screen 1"));
        QCOMPARE(wall.screen(1)->GetContentText(), QStringLiteral("Screen 2"));
    }

    void windowsAreNumberedDenselyAndRetitled()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        QCOMPARE(wall->OpenWindow(0, rect(0, 0, 0.5, 0.5), "a"), 0);
        QCOMPARE(wall->OpenWindow(0, rect(0.5, 0, 1, 0.5), "b"), 1);
        QCOMPARE(wall->OpenWindow(0, rect(0, 0.5, 0.5, 1), "c"), 2);
        QCOMPARE(wall.window(0, 2)->GetTitle(), QStringLiteral("Window 3"));
        wall->SetSelectedWindowIndexs(0, 0);
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        QVERIFY(wall->DeleteWindow(0, 0));
        QCOMPARE(selection.count(), 1);                                // it was selected
        QCOMPARE(selection.at(0).at(0).toInt(), 0);
        QCOMPARE(wall->GetWindowCount(0), 2);
        QCOMPARE(wall->GetAllWindowIndexs(0), (QList<int>{0, 1}));
        QCOMPARE(wall->GetWindowUserData(0, 0), QVariant("b"));
        QCOMPARE(wall.window(0, 0)->GetTitle(), QStringLiteral("Window 1"));
        QCOMPARE(wall.window(0, 1)->GetTitle(), QStringLiteral("Window 2"));
        QCOMPARE(wall->OpenWindow(0, rect(0.5, 0.5, 1, 1), "d"), 2);   // the freed number is reused
        QVERIFY(wall->DeleteWindow(0, 1));
        QCOMPARE(selection.count(), 1);                                // an unselected one is not reported
        QCOMPARE(wall.window(0, 1)->GetTitle(), QStringLiteral("Window 2"));
        wall->DeleteAllWindows();
        QCOMPARE(wall->GetWindowCount(0), 0);
        QVERIFY(wall->DeleteAllScreen());
        QCOMPARE(wall->GetScreenCount(), 0);
        QCOMPARE(wall.addScreen(rect(0, 0, 1, 1)), 0);                 // numbering starts again
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
        wall.addScreen(rect(0, 0, 0.5, 1));
        wall.addScreen(rect(0.5, 0, 1, 1));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.5, 0.5), "w");
        QSignalSpy anything(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        StructScaleRect scale(0.3, 0.3, 0.6, 0.6);
        const bool screenValid = screen == 0;

        QCOMPARE(wall->DeleteWindow(screen, window), false);
        QCOMPARE(wall->SetWindowScale(screen, window, rect(0, 0, 1, 1)), false);
        QCOMPARE(wall->GetWindowScale(screen, window, scale), false);
        QCOMPARE_SCALE(scale, 0.3, 0.3, 0.6, 0.6);
        QCOMPARE(wall->SetWindowZValue(screen, window, 9.0), false);
        QCOMPARE(wall->GetWindowZValue(screen, window), -1.0);
        QCOMPARE(wall->GetWindowVolumeBtnStatus(screen, window), false);
        QVERIFY(!wall->GetWindowUserData(screen, window).isValid());
        wall->SetWindowUserData(screen, window, "x");
        wall->SetWindowVolumeBtn(screen, window, true);
        wall->SetWindowContentText(screen, window, "x");
        wall->SetSelectedWindowIndexs(screen, window);
        if (!screenValid) {
            QCOMPARE(wall->OpenWindow(screen, rect(0, 0, 1, 1), {}), -1);
            QCOMPARE(wall->GetWindowCount(screen), 0);
            QCOMPARE(wall->GetAllWindowIndexs(screen), QList<int>());
            QCOMPARE(wall->GetMaxWindowZValue(screen), 1.0);
            QCOMPARE(wall->GetScreenScale(screen, scale), false);
            QCOMPARE(wall->SetScreenTitle(screen, "t"), false);
            QCOMPARE(wall->SetScreenContentText(screen, "t"), false);
            QCOMPARE(wall->IsScreenFreeMode(screen), false);
            QVERIFY(!wall->GetScreenUserData(screen).isValid());
            wall->SetScreenUserData(screen, "x");
            wall->SetScreenFreeMode(screen, false);
            wall->SetSelectedScreenIndex(screen);
            wall->DeleteAllWindows(screen);
            QCOMPARE(wall->GetSelectedScreenIndex(), -1);
        }
        // Nothing else changed.
        QCOMPARE(wall->GetScreenCount(), 2);
        QCOMPARE(wall->GetWindowCount(0), 1);
        QCOMPARE(wall->GetWindowUserData(0, 0), QVariant("w"));
        QVERIFY(wall->IsScreenFreeMode(1));
        QCOMPARE(anything.count(), 0);
    }

    void newWindowsOpenOnTop()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall.addScreen(rect(0.5, 0, 1, 0.5));
        QCOMPARE(wall->GetMaxWindowZValue(0), 0.0);
        wall->OpenWindow(0, rect(0, 0, 0.6, 0.6), {});
        QCOMPARE(wall->GetWindowZValue(0, 0), 1.0);
        wall->OpenWindow(0, rect(0.4, 0.4, 1, 1), {});
        QVERIFY(wall->SetWindowZValue(0, 1, 3.0));
        wall->OpenWindow(0, rect(0.2, 0.2, 0.8, 0.8), {});
        QCOMPARE(wall->GetWindowZValue(0, 2), 4.0);
        wall->SetWindowZValue(0, 0, -5.0);
        wall->SetWindowZValue(0, 1, -1.0);
        wall->SetWindowZValue(0, 2, -2.0);
        QCOMPARE(wall->GetMaxWindowZValue(0), 0.0);

        // Clicking the window at the back selects it but leaves it behind.
        wall->SetWindowZValue(0, 0, 1.0);
        wall->SetWindowZValue(0, 1, 2.0);
        KitraTest::click(wall.viewport(), wall.onWindow(0, 0, QPointF(20, 40)));
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>{0});
        QCOMPARE(wall->GetWindowZValue(0, 0), 1.0);
    }

    void equalWithinThePrecisionChangesNothing_data()
    {
        QTest::addColumn<double>("delta");
        QTest::addColumn<bool>("applied");
        QTest::newRow("0.002") << 0.002 << false;
        QTest::newRow("-0.002") << -0.002 << false;
        QTest::newRow("0.0021") << 0.0021 << true;
    }
    void equalWithinThePrecisionChangesNothing()
    {
        QFETCH(double, delta);
        QFETCH(bool, applied);
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        QCOMPARE(wall->GetWindowScalePrecision(), 0.002);
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        QVERIFY(wall->SetWindowScale(0, 0, rect(0.25, 0.25, 0.75 + delta, 0.75)));
        StructScaleRect now;
        wall->GetWindowScale(0, 0, now);
        QCOMPARE(geo.count(), applied ? 1 : 0);
        QCOMPARE(qAbs(now.dRight - (0.75 + delta)) < 1e-9, applied);
        if (applied) {
            QCOMPARE(geo.at(0).at(0).toInt(), 0);
            QCOMPARE(geo.at(0).at(1).toInt(), 0);
            QCOMPARE_SCALE(scaleOf(geo.at(0).at(2)), 0.25, 0.25, 0.75 + delta, 0.75);
        }
    }

    void drawingAnAreaAsksForAWindow_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("expected");   // left, top, right, bottom as x, y, width, height
        QTest::newRow("down right") << QPointF(10, 10) << QPointF(110, 60) << QRectF(0.025, 0.05, 0.275, 0.3);
        QTest::newRow("up left") << QPointF(110, 60) << QPointF(10, 10) << QRectF(0.025, 0.05, 0.275, 0.3);
        QTest::newRow("one pixel") << QPointF(200, 100) << QPointF(201, 101) << QRectF(0.5, 0.5, 0.5025, 0.505);
        QTest::newRow("flat") << QPointF(40, 20) << QPointF(240, 20) << QRectF(0.1, 0.1, 0.6, 0.1);
        QTest::newRow("past the edge") << QPointF(300, 150) << QPointF(600, 300) << QRectF(0.75, 0.75, 1.0, 1.0);
    }
    void drawingAnAreaAsksForAWindow()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QRectF, expected);
        Wall wall;
        wall.addScreen(rect(0.5, 0.5, 1.0, 1.0));   // 400 x 200 pixels
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        QSignalSpy draw(wall.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow);
        KitraTest::drag(wall.viewport(), wall.onScreen(1, from), wall.onScreen(1, to));
        QCOMPARE(draw.count(), 1);
        QCOMPARE(draw.at(0).at(0).toInt(), 1);
        const StructScaleRect r = scaleOf(draw.at(0).at(1));
        QCOMPARE_SCALE(r, expected.x(), expected.y(), expected.width(), expected.height());
        QVERIFY(r.bFreeMode);
        QCOMPARE(wall->GetWindowCount(1), 0);        // the host decides whether to open one

        KitraTest::click(wall.viewport(), wall.onScreen(1, from));
        QCOMPARE(draw.count(), 1);                   // a click draws nothing
    }

    void multiSelectionBandSelectsTouchedWindows()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.3, 0.3), {});
        wall->OpenWindow(0, rect(0.6, 0.6, 0.9, 0.9), {});
        wall->OpenWindow(0, rect(0.8, 0.05, 0.95, 0.3), {});
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        QSignalSpy draw(wall.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow);
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        // From the empty middle over the corners of windows 0 and 1 only.
        KitraTest::drag(wall.viewport(), wall.onScreen(0, QPointF(250, 50)), wall.onScreen(0, QPointF(110, 130)));
        QCOMPARE(draw.count(), 0);
        QCOMPARE(wall->GetSelectedWindowIndexs(), (QList<int>{0, 1}));
        QCOMPARE(wall->GetUnSelectedWindowIndexs(), QList<int>{2});
        QCOMPARE(selection.count(), 1);

        // Clicks toggle in multi-selection.
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 2));
        QCOMPARE(wall->GetSelectedWindowIndexs(), (QList<int>{0, 1, 2}));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
        QCOMPARE(wall->GetSelectedWindowIndexs(), (QList<int>{1, 2}));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 1), Qt::RightButton);   // only the left button deselects
        QCOMPARE(wall->GetSelectedWindowIndexs(), (QList<int>{1, 2}));

        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SingleSelection);
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>());
    }

    void clicksSelectScreensAndWindows()
    {
        Wall wall;
        for (int i = 0; i < 4; ++i)
            wall.addScreen(rect(0.25 * i, 0, 0.25 * (i + 1), 0.5));
        wall->OpenWindow(1, rect(0.2, 0.2, 0.8, 0.8), {});
        QSignalSpy screens(wall.get(), &ZtTVWallNormalWnd::SignalScreenSelectedChanged);
        QSignalSpy windows(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        QCOMPARE(wall->GetSelectedScreenIndex(), -1);

        wall->SetSelectedScreenIndex(2);
        wall->SetSelectedScreenIndex(2);
        QCOMPARE(screens.count(), 1);
        QCOMPARE(screens.at(0).at(0).toInt(), 2);
        QCOMPARE(wall->GetSelectedScreenIndex(), 2);

        KitraTest::click(wall.viewport(), wall.bodyOf(1, 0));
        QCOMPARE(screens.count(), 2);
        QCOMPARE(screens.at(1).at(0).toInt(), 1);
        QCOMPARE(windows.count(), 1);
        QCOMPARE(windows.at(0).at(0).toInt(), 1);
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>{0});
        KitraTest::click(wall.viewport(), wall.bodyOf(1, 0));
        QCOMPARE(windows.count(), 1);                       // already selected

        KitraTest::click(wall.viewport(), wall.onScreen(1, QPointF(5, 5)));
        QCOMPARE(windows.count(), 2);
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>());
        QCOMPARE(wall->GetSelectedScreenIndex(), 1);
        QCOMPARE(screens.count(), 2);

        KitraTest::click(wall.viewport(), wall.onScreen(3, QPointF(5, 5)));
        QCOMPARE(screens.count(), 3);
        QCOMPARE(wall->GetSelectedScreenIndex(), 3);
        wall->SetSelectedWindowIndexs(1, 0);
        QCOMPARE(windows.count(), 3);
        QCOMPARE(wall->GetSelectedScreenIndex(), 1);        // the screen with a selected window comes first
    }

    void groupDragStopsAtTheScreenEdge()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));                     // 400 x 200
        wall.addScreen(rect(0.5, 0, 1, 0.5));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.3, 0.5), {});        // x 40 .. 120
        wall->OpenWindow(0, rect(0.5, 0.1, 0.7, 0.5), {});        // x 200 .. 280
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 1));
        QCOMPARE(wall->GetSelectedWindowIndexs(), (QList<int>{0, 1}));
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);

        const QPoint start = wall.bodyOf(0, 1);
        KitraTest::drag(wall.viewport(), start, start + QPoint(500, 0));   // towards screen 1
        QCOMPARE(geo.count(), 2);
        StructScaleRect a, b;
        wall->GetWindowScale(0, 0, a);
        wall->GetWindowScale(0, 1, b);
        QCOMPARE_SCALE(b, 0.8, 0.1, 1.0, 0.5);                     // stopped on the common edge
        QCOMPARE_SCALE(a, 0.4, 0.1, 0.6, 0.5);                     // kept its distance
        QCOMPARE(wall->GetWindowCount(1), 0);
        QCOMPARE(wall.window(0, 1)->geometry().right(), 400.0);
    }

    void shortDragsMoveNothing()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        const QPoint start = wall.bodyOf(0, 0);
        KitraTest::drag(wall.viewport(), start, start + QPoint(6, 4));      // Manhattan length 10
        QCOMPARE(geo.count(), 0);
        KitraTest::drag(wall.viewport(), start, start + QPoint(-40, -20));
        QCOMPARE(geo.count(), 1);
        QCOMPARE_SCALE(scaleOf(geo.at(0).at(2)), 0.15, 0.15, 0.65, 0.65);
    }

    void resizeZonesKeepLimits_data()
    {
        // The window is 200 x 100 at (100, 50) on a 400 x 200 screen.
        QTest::addColumn<QPointF>("press");     // in window coordinates
        QTest::addColumn<QPointF>("to");        // in screen coordinates
        QTest::addColumn<QRectF>("expected");   // left, top, right, bottom
        QTest::newRow("left, out of the screen") << QPointF(2, 50) << QPointF(-500, 100) << QRectF(0, 0.25, 0.75, 0.75);
        QTest::newRow("left, past the right") << QPointF(2, 50) << QPointF(390, 100) << QRectF(0.62, 0.25, 0.75, 0.75);
        QTest::newRow("top-left, out") << QPointF(2, 2) << QPointF(-500, -500) << QRectF(0, 0, 0.75, 0.75);
        QTest::newRow("top, out") << QPointF(100, 2) << QPointF(150, -500) << QRectF(0.25, 0, 0.75, 0.75);
        QTest::newRow("top, past the bottom") << QPointF(100, 2) << QPointF(150, 190) << QRectF(0.25, 0.615, 0.75, 0.75);
        QTest::newRow("top-right, out") << QPointF(198, 2) << QPointF(1000, -500) << QRectF(0.25, 0, 1.0, 0.75);
        QTest::newRow("top-right, inverted") << QPointF(198, 2) << QPointF(-500, 1000) << QRectF(0.25, 0.625, 0.375, 0.75);
        QTest::newRow("right, out") << QPointF(198, 50) << QPointF(1000, 100) << QRectF(0.25, 0.25, 1.0, 0.75);
        QTest::newRow("right, past the left") << QPointF(198, 50) << QPointF(-500, 100) << QRectF(0.25, 0.25, 0.38, 0.75);
        QTest::newRow("bottom-right, out") << QPointF(198, 98) << QPointF(1000, 1000) << QRectF(0.25, 0.25, 1.0, 1.0);
        QTest::newRow("bottom, past the top") << QPointF(100, 98) << QPointF(150, -500) << QRectF(0.25, 0.25, 0.75, 0.385);
        QTest::newRow("bottom-left, out") << QPointF(2, 98) << QPointF(-500, 1000) << QRectF(0, 0.25, 0.75, 1.0);
    }
    void resizeZonesKeepLimits()
    {
        QFETCH(QPointF, press);
        QFETCH(QPointF, to);
        QFETCH(QRectF, expected);
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        KitraTest::drag(wall.viewport(), wall.onWindow(0, 0, press), wall.onScreen(0, to), 5);
        QCOMPARE(geo.count(), 1);
        StructScaleRect now;
        wall->GetWindowScale(0, 0, now);
        QCOMPARE_SCALE(now, expected.x(), expected.y(), expected.width(), expected.height());
    }

    // A press that moves onto a title button before its release clicks nothing.
    void releaseAfterADragOverATitleButtonClicksNothing()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        QSignalSpy closed(wall.get(), &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked);
        const QPoint button = wall.buttonAt(0, 0, ZtTVWallNormalWindow::CloseButton);
        KitraTest::drag(wall.viewport(), button - QPoint(6, 0), button);      // too short to move the window
        KitraTest::drag(wall.viewport(), button, button - QPoint(60, 0));     // the button follows the mouse
        QCOMPARE(wall.buttonAt(0, 0, ZtTVWallNormalWindow::CloseButton), button - QPoint(60, 0));
        QCOMPARE(closed.count(), 0);
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::CloseButton));
        QCOMPARE(closed.count(), 1);
    }

    // A selected window on a free screen shows the resize cursor of the edge under the mouse.
    void hoverCursorShowsTheResizeZone_data()
    {
        QTest::addColumn<QPointF>("at");        // in the 200 x 100 window
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("shape");
        QTest::newRow("left") << QPointF(2, 50) << true << int(Qt::SizeHorCursor);
        QTest::newRow("top-left") << QPointF(2, 2) << true << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom") << QPointF(100, 98) << true << int(Qt::SizeVerCursor);
        QTest::newRow("bottom-left") << QPointF(2, 98) << true << int(Qt::SizeBDiagCursor);
        QTest::newRow("inside") << QPointF(100, 60) << true << int(Qt::ArrowCursor);
        QTest::newRow("left, not selected") << QPointF(2, 50) << false << int(Qt::ArrowCursor);
    }
    void hoverCursorShowsTheResizeZone()
    {
        QFETCH(QPointF, at);
        QFETCH(bool, selected);
        QFETCH(int, shape);
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        if (selected)
            wall->SetSelectedWindowIndexs(0, 0);
        KitraTest::move(wall.viewport(), wall.onWindow(0, 0, QPointF(100, 50)), Qt::NoButton);
        KitraTest::move(wall.viewport(), wall.onWindow(0, 0, at), Qt::NoButton);
        QCOMPARE(int(wall.window(0, 0)->cursor().shape()), shape);
    }

    void titleButtonsThatDoNotFitAreHidden()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));                             // 400 x 200
        wall->OpenWindow(0, rect(0, 0, 0.1, 0.5), {});                   // 40 pixels: room for one
        const auto shown = [&wall] {
            QList<int> ids;
            for (int id : {ZtTVWallNormalWindow::CloseButton, ZtTVWallNormalWindow::MaxButton,
                           ZtTVWallNormalWindow::SelfAdaptionButton, ZtTVWallNormalWindow::VolumeButton})
                if (wall.button(0, 0, id)->isVisible())
                    ids << id;
            return ids;
        };
        QCOMPARE(shown(), QList<int>{ZtTVWallNormalWindow::CloseButton});
        wall->SetWindowScale(0, 0, rect(0, 0, 1, 0.5));
        QCOMPARE(shown().size(), 4);
    }

    void maximiseThenRestore()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        QVERIFY(wall.button(0, 0, ZtTVWallNormalWindow::MaxButton)->isVisible());
        QCOMPARE(wall.button(0, 0, ZtTVWallNormalWindow::MaxButton)->toolTip(), QStringLiteral("Max"));
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::MaxButton));
        QCOMPARE(geo.count(), 1);
        QCOMPARE_SCALE(scaleOf(geo.at(0).at(2)), 0.0, 0.0, 1.0, 1.0);
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(0, 0, 400, 200));
        QCOMPARE(wall.button(0, 0, ZtTVWallNormalWindow::MaxButton)->toolTip(), QStringLiteral("Restore"));
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::MaxButton));
        QCOMPARE(geo.count(), 2);
        QCOMPARE_SCALE(scaleOf(geo.at(1).at(2)), 0.25, 0.25, 0.75, 0.75);
    }

    void fitToCells_data()
    {
        QTest::addColumn<QRectF>("window");     // left, top, right, bottom
        QTest::addColumn<bool>("moves");
        QTest::addColumn<QRectF>("fitted");
        QTest::newRow("snaps outward") << QRectF(0.24, 0.26, 0.49, 0.74) << true << QRectF(0, 0, 0.5, 1.0);
        QTest::newRow("on cell lines") << QRectF(0.25, 0, 0.5, 0.5) << false << QRectF(0.25, 0, 0.5, 0.5);
        QTest::newRow("within the precision") << QRectF(0.251, 0.001, 0.749, 0.5) << false << QRectF(0.251, 0.001, 0.749, 0.5);
    }
    void fitToCells()
    {
        QFETCH(QRectF, window);
        QFETCH(bool, moves);
        QFETCH(QRectF, fitted);
        Wall wall(2, 4);
        wall.addScreen(rect(0, 0, 1, 1));                             // 2 rows, 4 columns
        wall->OpenWindow(0, rect(window.x(), window.y(), window.width(), window.height()), {});
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::SelfAdaptionButton));
        QCOMPARE(geo.count(), moves ? 1 : 0);
        StructScaleRect now;
        wall->GetWindowScale(0, 0, now);
        QCOMPARE_SCALE(now, fitted.x(), fitted.y(), fitted.width(), fitted.height());
        if (!moves)
            return;
        // Fitted: the same button restores.
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::SelfAdaptionButton));
        wall->GetWindowScale(0, 0, now);
        QCOMPARE_SCALE(now, window.x(), window.y(), window.width(), window.height());
    }

    void doubleClickFitsAndReportsASelection()
    {
        Wall wall(2, 4);
        wall.addScreen(rect(0, 0, 1, 1));
        wall->OpenWindow(0, rect(0.24, 0.26, 0.49, 0.74), {});
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        QSignalSpy doubleClicked(wall.get(), &ZtTVWallNormalWnd::SignalWindowDoubleClicked);
        KitraTest::doubleClick(wall.viewport(), wall.bodyOf(0, 0));
        QCOMPARE(doubleClicked.count(), 0);
        QCOMPARE(selection.count(), 2);              // the press, then the double click
        QCOMPARE(selection.at(1).at(0).toInt(), 0);
        StructScaleRect now;
        wall->GetWindowScale(0, 0, now);
        QCOMPARE_SCALE(now, 0, 0, 0.5, 1.0);
    }

    void lockedScreensStopReporting()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        QSignalSpy closed(wall.get(), &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked);

        wall->SetScreenFreeMode(0, false);
        QVERIFY(!wall->IsScreenFreeMode(0));
        QVERIFY(!wall.button(0, 0, ZtTVWallNormalWindow::CloseButton)->isVisible());
        QVERIFY(wall->SetWindowScale(0, 0, rect(0.1, 0.1, 0.5, 0.5, false)));
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(40, 20, 160, 80));   // moved, but silently
        KitraTest::click(wall.viewport(), wall.onWindow(0, 0, QPointF(150, 10)));   // where the hidden close button is
        const QPoint body = wall.bodyOf(0, 0);
        KitraTest::drag(wall.viewport(), body, body + QPoint(60, 40));     // not movable
        QCOMPARE(geo.count(), 0);
        QCOMPARE(closed.count(), 0);
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>{0});           // still selectable
        StructScaleRect now;
        wall->GetWindowScale(0, 0, now);
        QCOMPARE_SCALE(now, 0.1, 0.1, 0.5, 0.5);

        wall->SetScreenFreeMode(0, true);
        QVERIFY(wall->SetWindowScale(0, 0, rect(0.25, 0.25, 0.75, 0.75)));
        QCOMPARE(geo.count(), 1);
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::CloseButton));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.at(0), (QList<QVariant>{0, 0}));
    }

    void lockedWindowsShowTitlesWithoutButtons()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75, false), {});
        QVERIFY(!wall.window(0, 0)->GetTitleItem()->isVisible());          // no title, no buttons
        wall->SetWindowTitleShow(true);
        QVERIFY(wall.window(0, 0)->GetTitleItem()->isVisible());
        for (int id : {ZtTVWallNormalWindow::CloseButton, ZtTVWallNormalWindow::MaxButton,
                       ZtTVWallNormalWindow::SelfAdaptionButton})
            QVERIFY(!wall.button(0, 0, id)->isVisible());
        QVERIFY(!wall.button(0, 0, ZtTVWallNormalWindow::VolumeButton));    // only free windows get one
        wall->OpenWindow(0, rect(0, 0, 0.5, 0.5), {});
        QVERIFY(wall.button(0, 1, ZtTVWallNormalWindow::CloseButton)->isVisible());
        QVERIFY(wall.window(0, 1)->GetTitleItem()->IsShowTitle());
    }

    void titlesAreDrawnWhenShown()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0, 0, 1, 1), {});
        const auto whiteInTitle = [&wall] {
            const QImage image = wall.viewport()->grab().toImage();
            int white = 0;
            for (int y = 2; y < 24; ++y)
                for (int x = 8; x < 120; ++x)
                    white += image.pixel(x, y) == qRgb(255, 255, 255);
            return white;
        };
        QCOMPARE(whiteInTitle(), 0);                // the bar shows buttons, but no title
        wall->SetWindowTitleShow(true);
        const int shown = whiteInTitle();
        QVERIFY(shown > 10);
        wall->SetWindowScale(0, 0, rect(0, 0, 0.6, 1));   // room for part of the text: elided, still drawn
        QVERIFY(whiteInTitle() > 0);
        wall->SetWindowTitleShow(false);
        QCOMPARE(whiteInTitle(), 0);
    }

    void volumeButton()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0, 0, 1, 1), {});
        wall->SetAudioBtnVisible(false);
        wall->OpenWindow(0, rect(0, 0, 0.5, 0.5), {});
        QVERIFY(!wall.button(0, 1, ZtTVWallNormalWindow::VolumeButton));
        QSignalSpy volume(wall.get(), &ZtTVWallNormalWnd::SignalWindowVolumeBtnClicked);
        wall->SetWindowZValue(0, 1, -1.0);                                 // window 0 in front
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::VolumeButton));
        QCOMPARE(volume.count(), 1);
        QCOMPARE(volume.at(0), (QList<QVariant>{0, 0}));
        QVERIFY(!wall->GetWindowVolumeBtnStatus(0, 0));                     // the host decides
        wall->SetWindowVolumeBtn(0, 0, true);
        QVERIFY(wall->GetWindowVolumeBtnStatus(0, 0));
        QCOMPARE(wall.button(0, 0, ZtTVWallNormalWindow::VolumeButton)->toolTip(), QStringLiteral("Close Volume"));
    }

    void noSelectionStillReportsEvents()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.25, 0.25, 0.75, 0.75), {});
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::NoSelection);
        QList<QEvent::Type> types;      // the event lives only while the signal is delivered
        connect(wall.get(), &ZtTVWallNormalWnd::SignalWindowEvent, this,
                [&types](int, int, QEvent* event) {
                    if (event->type() != QEvent::GraphicsSceneHoverMove)
                        types << event->type();
                });
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        const QPoint body = wall.bodyOf(0, 0);
        KitraTest::drag(wall.viewport(), body, body + QPoint(60, 30), 2);
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>());
        QCOMPARE(geo.count(), 0);
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(100, 50, 200, 100));
        QCOMPARE(types, (QList<QEvent::Type>{QEvent::GraphicsSceneMousePress, QEvent::GraphicsSceneMouseMove,
                                             QEvent::GraphicsSceneMouseMove, QEvent::GraphicsSceneMouseRelease}));
    }

    void screenCloseButtonOfTheHost()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall.addScreen(rect(0.5, 0, 1, 0.5));
        auto* close = new QGraphicsRectItem(0, 0, 20, 20, wall.screen(1));
        close->setPos(370, 10);
        close->setData(100, 200u);
        QSignalSpy closed(wall.get(), &ZtTVWallNormalWnd::SignalScreenCloseBtnClicked);
        KitraTest::click(wall.viewport(), wall.onScreen(1, QPointF(380, 20)));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.at(0).at(0).toInt(), 1);
        KitraTest::click(wall.viewport(), wall.onScreen(1, QPointF(300, 20)));
        QCOMPARE(closed.count(), 1);
    }

    void wheelZoomIsClamped()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 1, 1));
        const QPoint middle(300, 150);
        QTest::mouseMove(wall.viewport(), middle);      // through the window system: the view sees the mouse enter
        const QPointF under = wall->mapToScene(middle);
        KitraTest::wheel(wall.viewport(), middle, 6);
        QCOMPARE(wall->transform().m11(), 10.0);
        // The point under the mouse stays, but for the scroll rounding of each step (centred: 90 away).
        QVERIFY(QLineF(wall->mapToScene(middle), under).length() < 5.0);
        QCOMPARE(wall->transform().m22(), 10.0);
        KitraTest::wheel(wall.viewport(), middle, -1);
        QVERIFY(qAbs(wall->transform().m11() - 10.0 / 1.5) < 1e-9);
        KitraTest::wheel(wall.viewport(), middle, -9);
        QCOMPARE(wall->transform().m11(), 1.0);
        // The overview's corner takes no zoom.
        KitraTest::wheel(wall.viewport(), QPoint(798, 398), 1);
        QCOMPARE(wall->transform().m11(), 1.0);
    }

    void recoverEagleEyeCollapsesAndResetsTheZoom()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 1, 1));
        ZtTVWallNormalEagleEye* eye = nullptr;
        for (QGraphicsItem* item : wall->scene()->items())
            eye = eye ? eye : dynamic_cast<ZtTVWallNormalEagleEye*>(item);
        QVERIFY(eye);
        KitraTest::wheel(wall.viewport(), QPoint(200, 100), 2);
        QVERIFY(wall->transform().m11() > 2.0);
        KitraTest::click(wall.viewport(), QPoint(797, 397));       // the folded overview's corner
        QVERIFY(!eye->IsCollapsed());
        QSignalSpy area(eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        wall->RecoverEagleEye();
        QVERIFY(wall->transform().isIdentity());
        QVERIFY(eye->IsCollapsed());
        QCOMPARE(area.count(), 1);
        wall->RecoverEagleEye();
        QCOMPARE(area.count(), 1);
    }

    // Screens lay out from the scene rectangle; were it grown from the items' bounds, each layout
    // would grow it again.
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
        for (QGraphicsItem* item : wall.scene()->items()) {
            if (item->data(101) == QVariant(1))
                QCOMPARE(static_cast<QGraphicsWidget*>(item)->geometry(), QRectF(QPointF(164, 229), QPointF(338, 331)));
        }
    }

    // The host closes the window that the operator is dragging: the drag ends there.
    void closingTheDraggedWindowEndsItsDrag_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("single selection") << int(ZtTVWallNormalWnd::SingleSelection);
        QTest::newRow("multi-selection") << int(ZtTVWallNormalWnd::MultiSelection);
    }
    void closingTheDraggedWindowEndsItsDrag()
    {
        QFETCH(int, mode);
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));                       // 400 x 200
        wall->OpenWindow(0, rect(0.1, 0.1, 0.3, 0.5), {});
        wall->OpenWindow(0, rect(0.5, 0.1, 0.7, 0.5), {});          // x 200 .. 280
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SelectionMode(mode));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 1));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
        const QPoint start = wall.bodyOf(0, 0);
        KitraTest::press(wall.viewport(), start);
        KitraTest::move(wall.viewport(), start + QPoint(30, 0));
        KitraTest::move(wall.viewport(), start + QPoint(60, 0));
        QVERIFY(wall->DeleteWindow(0, 0));
        KitraTest::release(wall.viewport(), start + QPoint(60, 0));
        QCOMPARE(wall.window(0, 0)->geometry(), QRectF(200, 20, 80, 80));   // drawn where its rectangle says

        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        KitraTest::drag(wall.viewport(), wall.bodyOf(0, 0), wall.bodyOf(0, 0) - QPoint(40, 0));
        QCOMPARE(geo.count(), 1);
        QCOMPARE_SCALE(scaleOf(geo.at(0).at(2)), 0.4, 0.1, 0.6, 0.5);
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
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        wall->OpenWindow(0, rect(0.5, 0.5, 0.9, 0.9), {});
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
        QCOMPARE(draw.count(), 0);
        QCOMPARE(selection.count(), 0);
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>());
    }

    void secondButtonKeepsTheDrawOnItsScreen()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 0.5));                       // 400 x 200
        wall.addScreen(rect(0.5, 0, 1, 0.5));
        QSignalSpy draw(wall.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow);
        const QPoint end = wall.onScreen(0, QPointF(300, 150));
        KitraTest::press(wall.viewport(), wall.onScreen(0, QPointF(100, 50)));
        KitraTest::move(wall.viewport(), wall.onScreen(0, QPointF(150, 100)));
        chord(wall.viewport(), QEvent::MouseButtonPress, wall.onScreen(1, QPointF(100, 50)), Qt::RightButton,
              Qt::LeftButton | Qt::RightButton);
        KitraTest::move(wall.viewport(), end, Qt::LeftButton | Qt::RightButton);
        chord(wall.viewport(), QEvent::MouseButtonRelease, end, Qt::RightButton, Qt::LeftButton);
        KitraTest::release(wall.viewport(), end);
        QCOMPARE(draw.count(), 1);
        QCOMPARE(draw.at(0).at(0).toInt(), 0);
        QCOMPARE_SCALE(scaleOf(draw.at(0).at(1)), 0.25, 0.25, 0.75, 0.75);
    }

    void hostMayDeleteFromItsSlots_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("close deletes the window") << "close-window";
        QTest::newRow("close deletes every screen") << "close-screens";
        QTest::newRow("draw deletes every screen") << "draw-screens";
        QTest::newRow("release event deletes every screen") << "release-screens";
        QTest::newRow("press event deletes the window") << "press-window";
        QTest::newRow("screen press deletes every screen") << "screen-screens";
        QTest::newRow("selection deletes every window") << "select-windows";
        QTest::newRow("geometry deletes every screen") << "geo-screens";
        QTest::newRow("screen selection deletes every screen") << "selected-screens";
    }
    void hostMayDeleteFromItsSlots()
    {
        QFETCH(QString, scenario);
        Wall wall;
        ZtTVWallNormalWnd* w = wall.get();
        wall.addScreen(rect(0, 0, 0.5, 0.5));
        w->OpenWindow(0, rect(0.1, 0.1, 0.4, 0.6), {});
        w->OpenWindow(0, rect(0.5, 0.1, 0.8, 0.6), {});
        const QPoint close = wall.buttonAt(0, 1, ZtTVWallNormalWindow::CloseButton);
        const QPoint body = wall.bodyOf(0, 1);
        const QPoint empty = wall.onScreen(0, QPointF(390, 190));
        const auto type = [](QEvent* e) { return e->type(); };

        if (scenario == "close-window") {
            connect(w, &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked, w, [w](int s, int i) { w->DeleteWindow(s, i); });
            KitraTest::click(wall.viewport(), close);
            QCOMPARE(w->GetWindowCount(0), 1);
            return;
        }
        if (scenario == "selected-screens") {
            connect(w, &ZtTVWallNormalWnd::SignalScreenSelectedChanged, w, [w] { w->DeleteAllScreen(); });
            KitraTest::click(wall.viewport(), empty);
            QCOMPARE(w->GetScreenCount(), 0);
        }
        if (scenario == "close-screens")
            connect(w, &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked, w, [w] { w->DeleteAllScreen(); });
        if (scenario == "draw-screens")
            connect(w, &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow, w, [w] { w->DeleteAllScreen(); });
        if (scenario == "release-screens")
            connect(w, &ZtTVWallNormalWnd::SignalWindowEvent, w, [w, type](int, int, QEvent* e) {
                if (type(e) == QEvent::GraphicsSceneMouseRelease)
                    w->DeleteAllScreen();
            });
        if (scenario == "press-window")
            connect(w, &ZtTVWallNormalWnd::SignalWindowEvent, w, [w, type](int s, int i, QEvent* e) {
                if (type(e) == QEvent::GraphicsSceneMousePress)
                    w->DeleteWindow(s, i);
            });
        if (scenario == "screen-screens")
            connect(w, &ZtTVWallNormalWnd::SignalScreenEvent, w, [w, type](int, QEvent* e) {
                if (type(e) == QEvent::GraphicsSceneMousePress)
                    w->DeleteAllScreen();
            });
        if (scenario == "select-windows")
            connect(w, &ZtTVWallNormalWnd::SignalWindowSelectedChanged, w, [w] { w->DeleteAllWindows(); });
        if (scenario == "geo-screens") {
            w->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
            KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
            KitraTest::click(wall.viewport(), body);
            connect(w, &ZtTVWallNormalWnd::SignalWindowGeoChanged, w, [w] { w->DeleteAllScreen(); });
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
};

QTEST_MAIN(tst_SceneWall)
#include "tst_scenewall.moc"
