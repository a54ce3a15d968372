#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtSetting.h"
#include "ZtTVWallNormalEagleEye.h"

using namespace ZtGUI;

namespace {

// Colours of the test skin's pictures and of the screen that lies under the overview.
const QColor kExpandFill(0x2c, 0x8a, 0xe0);
const QColor kShrinkFill(0xe0, 0x8a, 0x2c);
const QColor kPanel(0x1e, 0x2a, 0x38);
const QColor kGrid(77, 77, 80);
const QColor kScreen(Qt::white);
const QColor kFrame(Qt::red);

const QSize kViewport(800, 500);

void useSkin(QString version, QString applicationDir)
{
    SetSkinVersion(version);
    ZtDir::SetCurrentPath(applicationDir);
}

const char* const kPictureFolder = "/Skin/DustyBlue/Orvale/TVWallOperateWnd/";

// The overview's pictures in plain colours, so that the tests can tell them apart by pixel
// whatever the shipped artwork looks like.
void writeTestPictures(const QString& applicationDir, const QStringList& files)
{
    const QString folder = applicationDir + kPictureFolder;
    QVERIFY(QDir().mkpath(folder));
    const auto triangle = [](const QColor& fill) {
        QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPolygon(QPolygonF(QVector<QPointF>{QPointF(0, 24), QPointF(24, 24), QPointF(24, 0)}));
        return image;
    };
    QImage panel(200, 120, QImage::Format_ARGB32_Premultiplied);
    panel.fill(kPanel);
    const QMap<QString, QImage> pictures{{"EagleEyeArea.png", panel},
                                         {"ShrinkEagleEye.png", triangle(kShrinkFill)},
                                         {"ExpandEagleEye.png", triangle(kExpandFill)}};
    for (const QString& file : files)
        QVERIFY(pictures.value(file).save(folder + file));
}

// A view on a scene as large as its viewport, covered by a selectable screen as the wall's scene
// is, with the overview kept in the view's bottom-right corner the way the wall keeps it.
class Wall
{
public:
    Wall()
        : view(&scene)
    {
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(kViewport);
        view.setOptimizationFlag(QGraphicsView::DontSavePainterState);     // as the wall paints
        scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(kViewport)));
        screen = scene.addRect(scene.sceneRect(), Qt::NoPen, kScreen);
        screen->setFlag(QGraphicsItem::ItemIsSelectable);
        screen->setZValue(6000.0);
        eye = new ZtTVWallNormalEagleEye;
        scene.addItem(eye);
        QObject::connect(eye, &ZtTVWallNormalEagleEye::SignalAreaChanged, &scene, [this] { anchor(); });
        for (QScrollBar* bar : {view.horizontalScrollBar(), view.verticalScrollBar()})
            QObject::connect(bar, &QScrollBar::valueChanged, &scene, [this] { anchor(); });
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.viewport()->size(), kViewport);
        anchor();
    }
    Wall(const Wall&) = delete;
    Wall& operator=(const Wall&) = delete;

    void anchor()
    {
        const QRect v = view.viewport()->rect();
        const QRectF o = eye->boundingRect();
        eye->setPos(view.mapToScene(QPoint(v.right() - qRound(o.width()) + 1, v.bottom() - qRound(o.height()) + 1)));
    }

    void zoom(qreal sx, qreal sy, const QPointF& centre)
    {
        view.setTransform(QTransform::fromScale(sx, sy));
        view.centerOn(centre);
        anchor();
    }

    // Where a point of the overview appears in the viewport.
    QPoint at(const QPointF& local) const
    {
        return eye->deviceTransform(view.viewportTransform()).map(local).toPoint();
    }
    QRectF onScreen() const { return eye->deviceTransform(view.viewportTransform()).mapRect(eye->boundingRect()); }

    void press(const QPoint& pos) { QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos); }
    void release(const QPoint& pos) { QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos); }
    void click(const QPoint& pos)
    {
        press(pos);
        release(pos);
    }
    void clickAt(const QPointF& local) { click(at(local)); }

    void expand()
    {
        clickAt(QPointF(22, 22));
        QVERIFY(!eye->IsCollapsed());
    }

    QImage picture() const { return view.viewport()->grab().toImage(); }
    QColor pixel(const QImage& image, const QPointF& local) const { return image.pixelColor(at(local)); }

    QPointF shownCentre() const { return view.mapToScene(view.viewport()->rect()).boundingRect().center(); }

    QGraphicsScene scene;
    QGraphicsView view;
    QGraphicsRectItem* screen = nullptr;
    ZtTVWallNormalEagleEye* eye = nullptr;
};

} // namespace

class tst_EagleEye : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_skin;

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_skin.isValid());
        writeTestPictures(m_skin.path(), {"EagleEyeArea.png", "ShrinkEagleEye.png", "ExpandEagleEye.png"});
    }

    // Pictures are loaded while the overview is built, so the skin is chosen first.
    void init() { useSkin(QStringLiteral("DustyBlue"), m_skin.path()); }

    void startsAsTheExpandButtonInTheCorner()
    {
        Wall wall;
        QVERIFY(wall.eye->IsCollapsed());
        QCOMPARE(wall.eye->boundingRect(), QRectF(0, 0, 24, 24));
        QCOMPARE(wall.onScreen(), QRectF(776, 476, 24, 24));
        const QImage image = wall.picture();
        QCOMPARE(wall.pixel(image, QPointF(22, 22)), kExpandFill);
        QCOMPARE(wall.pixel(image, QPointF(6, 21)), kExpandFill);
        QCOMPARE(wall.pixel(image, QPointF(3, 3)), kScreen);      // the button's transparent half
        QCOMPARE(wall.pixel(image, QPointF(8, 8)), kScreen);
        QCOMPARE(wall.pixel(image, QPointF(-6, -6)), kScreen);    // no map around it
    }

    void clickOnTheExpandButton_data()
    {
        QTest::addColumn<QPointF>("pressAt");
        QTest::addColumn<QPointF>("releaseAt");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("reachesScreen");

        QTest::newRow("corner of the triangle") << QPointF(22, 22) << QPointF(22, 22) << true << false;
        QTest::newRow("just below the diagonal") << QPointF(13, 13) << QPointF(13, 13) << true << false;
        QTest::newRow("just above the diagonal") << QPointF(10, 11) << QPointF(10, 11) << false << true;
        QTest::newRow("transparent upper-left half") << QPointF(3, 3) << QPointF(3, 3) << false << true;
        QTest::newRow("let go beside the button") << QPointF(22, 22) << QPointF(-40, -40) << false << false;
    }

    void clickOnTheExpandButton()
    {
        QFETCH(QPointF, pressAt);
        QFETCH(QPointF, releaseAt);
        QFETCH(bool, opens);
        QFETCH(bool, reachesScreen);

        Wall wall;
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        wall.press(wall.at(pressAt));
        wall.release(wall.at(releaseAt));

        QCOMPARE(changed.count(), opens ? 1 : 0);
        QCOMPARE(wall.eye->IsCollapsed(), !opens);
        QCOMPARE(wall.screen->isSelected(), reachesScreen);
        // Re-anchored by the wall on the signal: the open map fills the corner.
        QCOMPARE(wall.onScreen(), opens ? QRectF(600, 380, 200, 120) : QRectF(776, 476, 24, 24));
    }

    void clickOnTheOpenMap_data()
    {
        QTest::addColumn<QPointF>("clickAt");
        QTest::addColumn<bool>("folds");

        QTest::newRow("corner of the shrink triangle") << QPointF(196, 116) << true;
        QTest::newRow("shrink triangle near its diagonal") << QPointF(188, 110) << true;
        QTest::newRow("beside the shrink triangle") << QPointF(180, 100) << false;
        QTest::newRow("middle of the map") << QPointF(100, 60) << false;
    }

    void clickOnTheOpenMap()
    {
        QFETCH(QPointF, clickAt);
        QFETCH(bool, folds);

        Wall wall;
        wall.expand();
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        wall.clickAt(clickAt);

        QCOMPARE(changed.count(), folds ? 1 : 0);
        QCOMPARE(wall.eye->IsCollapsed(), folds);
        QCOMPARE(wall.onScreen(), folds ? QRectF(776, 476, 24, 24) : QRectF(600, 380, 200, 120));
        QVERIFY(!wall.screen->isSelected());
    }

    void collapseReportsOnlyAChange()
    {
        Wall wall;
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        wall.eye->Collapse();
        QCOMPARE(changed.count(), 0);

        wall.expand();
        QCOMPARE(changed.count(), 1);
        wall.eye->Collapse();
        QCOMPARE(changed.count(), 2);
        QVERIFY(wall.eye->IsCollapsed());
        QCOMPARE(wall.onScreen(), QRectF(776, 476, 24, 24));
        QCOMPARE(wall.pixel(wall.picture(), QPointF(-100, -60)), kScreen);   // the map is gone

        wall.eye->Collapse();
        QCOMPARE(changed.count(), 2);
    }

    void clickOnTheMapCentresTheView_data()
    {
        QTest::addColumn<qreal>("sx");
        QTest::addColumn<qreal>("sy");
        QTest::addColumn<QPointF>("pressAt");     // on the overview; the map starts 4 inside it
        QTest::addColumn<QPointF>("releaseAt");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<QPointF>("centre");      // expected, in the 800 x 500 scene

        // The 192 x 112 map stands for the whole scene.
        QTest::newRow("2x") << 2.0 << 2.0 << QPointF(124, 74) << QPointF(124, 74) << true << QPointF(500, 312.5);
        QTest::newRow("4x") << 4.0 << 4.0 << QPointF(52, 32) << QPointF(52, 32) << true << QPointF(200, 125);
        QTest::newRow("2x wide, 3x high") << 2.0 << 3.0 << QPointF(100, 60) << QPointF(100, 60) << true << QPointF(400, 250);
        QTest::newRow("3x wide, 2x high") << 3.0 << 2.0 << QPointF(148, 88) << QPointF(148, 88) << true << QPointF(600, 375);
        QTest::newRow("pressed on the map, let go beside it")
            << 2.0 << 2.0 << QPointF(124, 74) << QPointF(-30, 74) << false << QPointF();
    }

    void clickOnTheMapCentresTheView()
    {
        QFETCH(qreal, sx);
        QFETCH(qreal, sy);
        QFETCH(QPointF, pressAt);
        QFETCH(QPointF, releaseAt);
        QFETCH(bool, moves);
        QFETCH(QPointF, centre);

        Wall wall;
        wall.expand();
        wall.zoom(sx, sy, QPointF(0, 0));
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        const QPointF before = wall.shownCentre();
        if (moves)
            QVERIFY(QLineF(before, centre).length() > 20);
        else
            centre = before;

        wall.press(wall.at(pressAt));
        wall.release(wall.at(releaseAt));

        const QPointF after = wall.shownCentre();
        QVERIFY2(qAbs(after.x() - centre.x()) <= 1.5 && qAbs(after.y() - centre.y()) <= 1.5,
                 qPrintable(QStringLiteral("centre (%1, %2)").arg(after.x()).arg(after.y())));
        QCOMPARE(changed.count(), 0);
        QVERIFY(!wall.eye->IsCollapsed());
        QCOMPARE(wall.onScreen(), QRectF(600, 380, 200, 120));
    }

    void keepsItsSizeOnScreenWhileTheViewZooms_data()
    {
        QTest::addColumn<qreal>("sx");
        QTest::addColumn<qreal>("sy");
        QTest::newRow("2x") << 2.0 << 2.0;
        QTest::newRow("4x") << 4.0 << 4.0;
        QTest::newRow("2x wide, 3x high") << 2.0 << 3.0;
    }

    void keepsItsSizeOnScreenWhileTheViewZooms()
    {
        QFETCH(qreal, sx);
        QFETCH(qreal, sy);

        Wall wall;
        wall.zoom(sx, sy, QPointF(400, 250));
        QCOMPARE(wall.onScreen(), QRectF(776, 476, 24, 24));
        // Screen pixels, not overview points: at the view's zoom this spot would miss the triangle.
        const QPoint origin = wall.onScreen().topLeft().toPoint();
        QCOMPARE(wall.picture().pixelColor(origin + QPoint(6, 21)), kExpandFill);
        wall.click(origin + QPoint(6, 21));
        QVERIFY(!wall.eye->IsCollapsed());

        QCOMPARE(wall.onScreen(), QRectF(600, 380, 200, 120));
        const QImage image = wall.picture();
        QCOMPARE(image.pixelColor(QPoint(600 + 196, 380 + 116)), kShrinkFill);
        QCOMPARE(image.pixelColor(QPoint(600 + 10, 380 + 10)), kPanel);
    }

    void mapShowsTheWallGrid_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QList<int>>("lineYs");     // on the overview; the map is 4 .. 196 x 4 .. 116
        QTest::addColumn<QList<int>>("lineXs");

        QTest::newRow("1 x 1") << 1 << 1 << QList<int>{} << QList<int>{};
        QTest::newRow("2 x 3") << 2 << 3 << QList<int>{60} << QList<int>{68, 132};
        QTest::newRow("4 x 1") << 4 << 1 << QList<int>{32, 60, 88} << QList<int>{};
        QTest::newRow("1 x 4") << 1 << 4 << QList<int>{} << QList<int>{52, 100, 148};
        QTest::newRow("counts below 1") << 0 << -3 << QList<int>{} << QList<int>{};
    }

    void mapShowsTheWallGrid()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QList<int>, lineYs);
        QFETCH(QList<int>, lineXs);

        Wall wall;
        wall.eye->SetGrid(3, 2);        // replaced below: the latest grid is the one drawn
        wall.eye->SetGrid(rows, cols);
        wall.expand();
        wall.zoom(2.0, 2.0, QPointF(400, 250));     // keeps the view's frame off the map's edge
        const QImage image = wall.picture();

        // A grid line is a row or column of the map with many grid-coloured pixels; a line across
        // it adds only one. Dashes leave gaps.
        QList<int> foundYs, foundXs;
        for (int y = 6; y <= 114; ++y) {
            int n = 0;
            for (int x = 6; x <= 194; ++x)
                n += wall.pixel(image, QPointF(x, y)) == kGrid;
            if (n > 20) {
                foundYs << y;
                QVERIFY2(n < 170, qPrintable(QStringLiteral("line at y %1 is not dashed").arg(y)));
            }
        }
        for (int x = 6; x <= 194; ++x) {
            int n = 0;
            for (int y = 6; y <= 114; ++y)
                n += wall.pixel(image, QPointF(x, y)) == kGrid;
            if (n > 20) {
                foundXs << x;
                QVERIFY2(n < 96, qPrintable(QStringLiteral("line at x %1 is not dashed").arg(x)));
            }
        }
        QCOMPARE(foundYs, lineYs);
        QCOMPARE(foundXs, lineXs);
        // Each line starts one pixel inside the map, which starts 4 inside the overview.
        for (int y : lineYs) {
            QCOMPARE(wall.pixel(image, QPointF(5, y)), kGrid);
            QCOMPARE(wall.pixel(image, QPointF(4, y)), kPanel);
        }
        for (int x : lineXs) {
            QCOMPARE(wall.pixel(image, QPointF(x, 5)), kGrid);
            QCOMPARE(wall.pixel(image, QPointF(x, 4)), kPanel);
        }
    }

    void mapFramesThePartTheViewShows_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<QRect>("frame");     // on the overview; the 192 x 112 map starts at (4, 4)

        QTest::newRow("whole scene") << 1.0 << QPointF(400, 250) << QRect(4, 4, 192, 112);
        QTest::newRow("2x, middle") << 2.0 << QPointF(400, 250) << QRect(52, 32, 96, 56);
        QTest::newRow("2x, top left") << 2.0 << QPointF(0, 0) << QRect(4, 4, 96, 56);
        QTest::newRow("4x, right") << 4.0 << QPointF(700, 250) << QRect(148, 46, 48, 28);
    }

    void mapFramesThePartTheViewShows()
    {
        QFETCH(qreal, zoom);
        QFETCH(QPointF, centre);
        QFETCH(QRect, frame);

        Wall wall;
        wall.expand();
        wall.zoom(zoom, zoom, centre);
        const QImage image = wall.picture();
        const auto redNear = [&](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (wall.pixel(image, QPointF(x + dx, y + dy)) == kFrame)
                        return true;
            return false;
        };
        const int midX = frame.left() + frame.width() / 2;
        const int midY = frame.top() + frame.height() / 2;
        const int right = frame.left() + frame.width();
        const int bottom = frame.top() + frame.height();
        QVERIFY2(redNear(frame.left(), midY), "left edge");
        QVERIFY2(redNear(right, midY), "right edge");
        QVERIFY2(redNear(midX, frame.top()), "top edge");
        QVERIFY2(redNear(midX, bottom), "bottom edge");
        QVERIFY2(!redNear(frame.left() + 4, midY) && !redNear(right - 4, midY), "inside");
        QVERIFY2(!redNear(midX, frame.top() + 4) && !redNear(midX, bottom - 4), "inside");
        QCOMPARE(wall.pixel(image, QPointF(midX, midY)), kPanel);
    }

    void itemsAboveTheOverviewStillPaint_data()
    {
        QTest::addColumn<bool>("open");
        QTest::newRow("folded") << false;
        QTest::newRow("open") << true;
    }

    void itemsAboveTheOverviewStillPaint()
    {
        QFETCH(bool, open);

        Wall wall;
        if (open)
            wall.expand();
        // Like the frame that the wall shows while the operator draws an area: above everything.
        QGraphicsRectItem* above = wall.scene.addRect(QRectF(100, 100, 50, 50), Qt::NoPen, Qt::green);
        above->setZValue(65535.0);
        const QImage image = wall.picture();
        QCOMPARE(image.pixelColor(125, 125), QColor(Qt::green));
        QCOMPARE(wall.pixel(image, open ? QPointF(100, 60) : QPointF(22, 22)), open ? kPanel : kExpandFill);
    }

    void missingPicturesLeaveAnEmptyOverview_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QStringList>("files");     // the pictures that this skin does have

        QTest::newRow("unknown skin") << QStringLiteral("NoSuchSkin") << QStringList{};
        QTest::newRow("buttons without the panel") << QStringLiteral("DustyBlue")
                                                   << QStringList{"ShrinkEagleEye.png", "ExpandEagleEye.png"};
    }

    void missingPicturesLeaveAnEmptyOverview()
    {
        QFETCH(QString, skin);
        QFETCH(QStringList, files);

        QTemporaryDir appDir;
        QVERIFY(appDir.isValid());
        writeTestPictures(appDir.path(), files);
        useSkin(skin, appDir.path());

        Wall wall;
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        QVERIFY(wall.eye->boundingRect().isEmpty());
        wall.eye->SetGrid(2, 2);

        const QImage image = wall.picture();
        for (int y = kViewport.height() - 130; y < kViewport.height(); ++y)
            for (int x = kViewport.width() - 210; x < kViewport.width(); ++x)
                QCOMPARE(image.pixelColor(x, y), kScreen);

        wall.click(QPoint(kViewport.width() - 2, kViewport.height() - 2));
        QVERIFY(wall.screen->isSelected());      // nothing invisible catches the click
        wall.eye->Collapse();
        QCOMPARE(changed.count(), 0);
        QVERIFY(wall.eye->IsCollapsed());
    }
};

QTEST_MAIN(tst_EagleEye)
#include "tst_eagleeye.moc"
