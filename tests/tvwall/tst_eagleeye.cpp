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
const QRectF kFolded(776, 476, 24, 24);     // where the overview shows in the viewport
const QRectF kOpen(600, 380, 200, 120);

// Chooses a skin whose overview pictures, those named, are plain colours that tests tell apart.
void useSkin(QString version, QString applicationDir, const QStringList& files)
{
    SetSkinVersion(version);
    ZtDir::SetCurrentPath(applicationDir);
    const QString folder = applicationDir + "/Skin/DustyBlue/Orvale/TVWallOperateWnd/";
    QVERIFY(QDir().mkpath(folder));
    const auto triangle = [](const QColor& fill) {
        QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainterPath path;
        path.addPolygon(QPolygonF(QVector<QPointF>{QPointF(0, 24), QPointF(24, 24), QPointF(24, 0)}));
        QPainter(&image).fillPath(path, fill);
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
    QPoint at(const QPointF& local) const { return eye->deviceTransform(view.viewportTransform()).map(local).toPoint(); }
    QRectF onScreen() const { return eye->deviceTransform(view.viewportTransform()).mapRect(eye->boundingRect()); }

    void press(const QPoint& pos) { QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos); }
    void release(const QPoint& pos) { QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos); }
    void click(const QPoint& pos) { press(pos), release(pos); }

    void expand() { click(at(QPointF(22, 22))); QVERIFY(!eye->IsCollapsed()); }

    QImage picture() const { return view.viewport()->grab().toImage(); }
    QColor pixel(const QImage& image, const QPointF& local) const { return image.pixelColor(at(local)); }

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
    }

    // Pictures are loaded while the overview is built, so the skin is chosen first.
    void init() { useSkin("DustyBlue", m_skin.path(), {"EagleEyeArea.png", "ShrinkEagleEye.png", "ExpandEagleEye.png"}); }

    // The button and the open map keep their pixel size on screen whatever the view's zoom, and
    // items above them (the frame drawn while the operator marks an area) still paint.
    void foldedButtonInTheCornerAtAnyZoom_data()
    {
        QTest::addColumn<QSizeF>("zoom");
        QTest::newRow("1:1") << QSizeF(1, 1);
        QTest::newRow("2x") << QSizeF(2, 2);
        QTest::newRow("2x wide, 3x high") << QSizeF(2, 3);
    }
    void foldedButtonInTheCornerAtAnyZoom()
    {
        QFETCH(QSizeF, zoom);
        Wall wall;
        QVERIFY(wall.eye->IsCollapsed());
        wall.zoom(zoom.width(), zoom.height(), QPointF(400, 250));
        wall.scene.addRect(QRectF(380, 230, 5, 5), Qt::NoPen, Qt::green)->setZValue(65535.0);
        QCOMPARE(wall.onScreen(), kFolded);
        const QPoint origin = kFolded.topLeft().toPoint();
        QImage image = wall.picture();
        QCOMPARE(image.pixelColor(wall.view.mapFromScene(QPointF(382.5, 232.5))), QColor(Qt::green));
        QCOMPARE(image.pixelColor(origin + QPoint(22, 22)), kExpandFill);
        QCOMPARE(image.pixelColor(origin + QPoint(6, 21)), kExpandFill);
        for (const QPoint& off : {QPoint(3, 3), QPoint(8, 8), QPoint(-6, -6)})   // transparent half, no map
            QCOMPARE(image.pixelColor(origin + off), kScreen);

        wall.click(origin + QPoint(6, 21));
        QVERIFY(!wall.eye->IsCollapsed());
        QCOMPARE(wall.onScreen(), kOpen);
        image = wall.picture();
        QCOMPARE(image.pixelColor(QPoint(600 + 196, 380 + 116)), kShrinkFill);
        QCOMPARE(image.pixelColor(QPoint(600 + 10, 380 + 10)), kPanel);
        QCOMPARE(image.pixelColor(wall.view.mapFromScene(QPointF(382.5, 232.5))), QColor(Qt::green));
    }

    void clickTogglesOnlyOnTheButton_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QLineF>("drag");       // press to release, on the overview
        QTest::addColumn<bool>("toggles");
        QTest::addColumn<bool>("reachesScreen");
        QTest::newRow("folded, below the diagonal") << false << QLineF(13, 13, 13, 13) << true << false;
        QTest::newRow("folded, above the diagonal") << false << QLineF(10, 11, 10, 11) << false << true;
        QTest::newRow("folded, let go beside") << false << QLineF(22, 22, -40, -40) << false << false;
        QTest::newRow("open, shrink corner") << true << QLineF(196, 116, 196, 116) << true << false;
        QTest::newRow("open, shrink diagonal") << true << QLineF(188, 110, 188, 110) << true << false;
        QTest::newRow("open, beside shrink") << true << QLineF(180, 100, 180, 100) << false << false;
    }
    void clickTogglesOnlyOnTheButton()
    {
        QFETCH(bool, open);
        QFETCH(QLineF, drag);
        QFETCH(bool, toggles);
        QFETCH(bool, reachesScreen);
        Wall wall;
        if (open)
            wall.expand();
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        wall.press(wall.at(drag.p1()));
        wall.release(wall.at(drag.p2()));
        QCOMPARE(changed.count(), toggles ? 1 : 0);
        QCOMPARE(wall.eye->IsCollapsed(), open == toggles);
        QCOMPARE(wall.screen->isSelected(), reachesScreen);
        QCOMPARE(wall.onScreen(), open == toggles ? kFolded : kOpen);   // re-anchored on the signal

        // Folding by call reports only a change.
        const bool wasOpen = open != toggles;
        wall.eye->Collapse();
        QCOMPARE(changed.count(), (toggles ? 1 : 0) + (wasOpen ? 1 : 0));
        QCOMPARE(wall.onScreen(), kFolded);
        QCOMPARE(wall.pixel(wall.picture(), QPointF(-100, -60)), kScreen);   // the map is gone
    }

    // The map frames the part of the scene that the view shows, and a click on it centres the view
    // there.
    void mapFramesAndSteersTheView_data()
    {
        QTest::addColumn<QSizeF>("zoom");
        QTest::addColumn<QLineF>("drag");       // press to release on the overview; null: no click
        QTest::addColumn<QPointF>("centre");    // of the view in the 800 x 500 scene
        QTest::addColumn<QRect>("frame");       // on the overview; the 192 x 112 map starts at (4, 4)
        QTest::newRow("whole scene") << QSizeF(1, 1) << QLineF() << QPointF(400, 250) << QRect(4, 4, 192, 112);
        QTest::newRow("2x, middle") << QSizeF(2, 2) << QLineF() << QPointF(400, 250) << QRect(52, 32, 96, 56);
        QTest::newRow("4x, right") << QSizeF(4, 4) << QLineF() << QPointF(700, 250) << QRect(148, 46, 48, 28);
        QTest::newRow("2x, click") << QSizeF(2, 2) << QLineF(124, 74, 124, 74) << QPointF(500, 312.5)
                                   << QRect(76, 46, 96, 56);
        QTest::newRow("4x, click") << QSizeF(4, 4) << QLineF(52, 32, 52, 32) << QPointF(200, 125) << QRect(28, 18, 48, 28);
        QTest::newRow("2x wide, 3x high, click") << QSizeF(2, 3) << QLineF(100, 60, 100, 60) << QPointF(400, 250)
                                                 << QRect(52, 41, 96, 37);
        QTest::newRow("3x wide, 2x high, click") << QSizeF(3, 2) << QLineF(148, 88, 148, 88) << QPointF(600, 375)
                                                 << QRect(116, 60, 64, 56);
        QTest::newRow("let go beside the map") << QSizeF(2, 2) << QLineF(124, 74, -30, 74) << QPointF(200, 125)
                                               << QRect(4, 4, 96, 56);
    }
    void mapFramesAndSteersTheView()
    {
        QFETCH(QSizeF, zoom);
        QFETCH(QLineF, drag);
        QFETCH(QPointF, centre);
        QFETCH(QRect, frame);
        Wall wall;
        wall.expand();
        const bool click = drag != QLineF();
        wall.zoom(zoom.width(), zoom.height(), click ? QPointF(0, 0) : centre);
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        if (click)
            wall.press(wall.at(drag.p1())), wall.release(wall.at(drag.p2()));
        const QPointF shown = wall.view.mapToScene(wall.view.viewport()->rect()).boundingRect().center();
        QVERIFY2(qAbs(shown.x() - centre.x()) <= 1.5 && qAbs(shown.y() - centre.y()) <= 1.5,
                 qPrintable(QStringLiteral("centre (%1, %2)").arg(shown.x()).arg(shown.y())));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(wall.onScreen(), kOpen);

        const QImage image = wall.picture();
        const auto redNear = [&](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (wall.pixel(image, QPointF(x + dx, y + dy)) == kFrame)
                        return true;
            return false;
        };
        const int l = frame.left(), t = frame.top(), r = l + frame.width(), b = t + frame.height();
        const int midX = l + frame.width() / 2, midY = t + frame.height() / 2;
        QVERIFY2(redNear(l, midY) && redNear(r, midY) && redNear(midX, t) && redNear(midX, b), "edges");
        QVERIFY2(!redNear(l + 4, midY) && !redNear(r - 4, midY) && !redNear(midX, t + 4) && !redNear(midX, b - 4),
                 "inside");
        QCOMPARE(wall.pixel(image, QPointF(midX, midY)), kPanel);
    }

    void mapShowsTheLatestWallGrid_data()
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
    void mapShowsTheLatestWallGrid()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QList<int>, lineYs);
        QFETCH(QList<int>, lineXs);
        Wall wall;
        wall.eye->SetGrid(3, 2);
        wall.eye->SetGrid(rows, cols);
        wall.expand();
        wall.zoom(2.0, 2.0, QPointF(400, 250));     // keeps the view's frame off the map's edge
        const QImage image = wall.picture();

        QVector<int> perY(120), perX(200);     // grid-coloured pixels per row and column of the map
        for (int y = 6; y <= 114; ++y)
            for (int x = 6; x <= 194; ++x)
                if (wall.pixel(image, QPointF(x, y)) == kGrid)
                    ++perY[y], ++perX[x];
        // A grid line has many of them, with gaps between its dashes (a solid line shows negated).
        const auto lines = [](const QVector<int>& counts, int length) {
            QList<int> found;
            for (int i = 0; i < counts.size(); ++i)
                if (counts[i] > 20)
                    found << (counts[i] < length * 9 / 10 ? i : -i);
            return found;
        };
        QCOMPARE(lines(perY, 189), lineYs);
        QCOMPARE(lines(perX, 109), lineXs);
        // Each line starts one pixel inside the map, which starts 4 inside the overview.
        for (int y : lineYs)
            QVERIFY(wall.pixel(image, QPointF(5, y)) == kGrid && wall.pixel(image, QPointF(4, y)) == kPanel);
        for (int x : lineXs)
            QVERIFY(wall.pixel(image, QPointF(x, 5)) == kGrid && wall.pixel(image, QPointF(x, 4)) == kPanel);
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
        useSkin(skin, appDir.path(), files);

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
    }
};

QTEST_MAIN(tst_EagleEye)
#include "tst_eagleeye.moc"
