// The wall's overview in the wall's bottom-right corner: folded to a button, opened to a map of the
// wall that shows its grid, frames what the view shows and steers the view.
#include "SceneWall.h"

#include "ZtTVWallNormalEagleEye.h"

using namespace ZtGUI;
using namespace SceneWallTest;

namespace {

// Plain-coloured pictures, so that pixels tell the overview's parts apart.
const QColor kExpand(0x2c, 0x8a, 0xe0);
const QColor kShrink(0xe0, 0x8a, 0x2c);
const QColor kPanel(0x1e, 0x2a, 0x38);
const QColor kGrid(77, 77, 80);
const QRectF kFolded(776, 476, 24, 24);     // in the 800 x 500 viewport
const QRectF kOpen(600, 380, 200, 120);

void useSkin(const QString& version, const QString& dir, const QStringList& files)
{
    QString skin = version, path = dir;
    SetSkinVersion(skin);
    ZtDir::SetCurrentPath(path);
    const QString folder = dir + "/Skin/DustyBlue/Orvale/TVWallOperateWnd/";
    QVERIFY(QDir().mkpath(folder));
    const auto triangle = [](const QColor& fill) {     // lower-right half
        QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainterPath path;
        path.addPolygon(QPolygonF({QPointF(0, 24), QPointF(24, 24), QPointF(24, 0)}));
        QPainter(&image).fillPath(path, fill);
        return image;
    };
    QImage panel(200, 120, QImage::Format_ARGB32_Premultiplied);
    panel.fill(kPanel);
    const QMap<QString, QImage> pictures{{"EagleEyeArea.png", panel}, {"ShrinkEagleEye.png", triangle(kShrink)},
                                         {"ExpandEagleEye.png", triangle(kExpand)}};
    for (const QString& file : files)
        QVERIFY(pictures.value(file).save(folder + file));
}

struct EyeWall : Wall
{
    EyeWall() : Wall(4, 4, QSize(800, 500))
    {
        addScreen(rect(0, 0, 1, 1));
        for (QGraphicsItem* item : get()->scene()->items())
            eye = eye ? eye : dynamic_cast<ZtTVWallNormalEagleEye*>(item);
    }
    QTransform toViewport() const { return eye->deviceTransform(get()->viewportTransform()); }
    QPoint at(const QPointF& local) const { return toViewport().map(local).toPoint(); }
    QRectF shown() const { return toViewport().mapRect(eye->boundingRect()); }
    QColor pixel(const QImage& image, const QPointF& local) const { return image.pixelColor(at(local)); }
    QImage picture() const { return viewport()->grab().toImage(); }
    void zoom(int notches) const { KitraTest::wheel(viewport(), QPoint(300, 200), notches); }
    QPointF viewCentre() const { return get()->mapToScene(viewport()->rect().center()); }

    ZtTVWallNormalEagleEye* eye = nullptr;
};

} // namespace

class tst_EagleEye : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_skin;

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void init() { useSkin("DustyBlue", m_skin.path(), {"EagleEyeArea.png", "ShrinkEagleEye.png", "ExpandEagleEye.png"}); }

    // Only the drawn half of the button toggles; a press let go beside it toggles nothing, and a
    // click on the transparent half reaches the screen below.
    void clickTogglesOnlyOnTheButtonAtAnyZoom_data()
    {
        QTest::addColumn<int>("notches");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QLineF>("press");      // press to release, on the overview
        QTest::addColumn<bool>("toggles");
        QTest::addColumn<bool>("reachesScreen");
        QTest::newRow("folded, drawn half") << 0 << false << QLineF(13, 13, 13, 13) << true << false;
        QTest::newRow("folded, drawn half, zoomed") << 2 << false << QLineF(6, 21, 6, 21) << true << false;
        QTest::newRow("folded, transparent half") << 0 << false << QLineF(10, 11, 10, 11) << false << true;
        QTest::newRow("folded, let go beside") << 0 << false << QLineF(22, 22, -40, -40) << false << false;
        QTest::newRow("open, shrink corner") << 0 << true << QLineF(196, 116, 196, 116) << true << false;
        QTest::newRow("open, beside shrink, zoomed") << 3 << true << QLineF(180, 100, 180, 100) << false << false;
    }
    void clickTogglesOnlyOnTheButtonAtAnyZoom()
    {
        QFETCH(int, notches);
        QFETCH(bool, open);
        QFETCH(QLineF, press);
        QFETCH(bool, toggles);
        QFETCH(bool, reachesScreen);
        EyeWall wall;
        wall.zoom(notches);
        QCOMPARE(wall.shown(), kFolded);                       // the size of its picture at any zoom
        const QImage folded = wall.picture();
        QCOMPARE(wall.pixel(folded, QPointF(22, 22)), kExpand);
        QVERIFY(wall.pixel(folded, QPointF(3, 3)) != kExpand);
        if (open)
            KitraTest::click(wall.viewport(), wall.at(QPointF(22, 22)));
        QCOMPARE(wall.shown(), open ? kOpen : kFolded);
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        KitraTest::press(wall.viewport(), wall.at(press.p1()));
        KitraTest::release(wall.viewport(), wall.at(press.p2()));
        QCOMPARE(changed.count(), toggles ? 1 : 0);
        QCOMPARE(wall.eye->IsCollapsed(), open == toggles);
        QCOMPARE(wall->GetSelectedScreenIndex(), reachesScreen ? 0 : -1);
        QCOMPARE(wall.shown(), open == toggles ? kFolded : kOpen);   // kept in the corner
        if (!wall.eye->IsCollapsed()) {
            const QImage image = wall.picture();
            QCOMPARE(wall.pixel(image, QPointF(196, 116)), kShrink);
            QCOMPARE(wall.pixel(image, QPointF(10, 10)), kPanel);
        }
    }

    // The 192 x 112 map at (4, 4) frames the part of the 800 x 500 wall that the view shows; a
    // click on the map centres the view there.
    void mapFramesAndSteersTheView_data()
    {
        QTest::addColumn<int>("notches");
        QTest::addColumn<QPointF>("click");     // on the overview; null: none
        QTest::addColumn<QPointF>("centre");    // expected, in the scene; null: unchanged
        QTest::newRow("whole wall") << 0 << QPointF() << QPointF(400, 250);
        QTest::newRow("zoomed") << 2 << QPointF() << QPointF();
        QTest::newRow("zoomed, click left") << 2 << QPointF(52, 32) << QPointF(200, 125);
        QTest::newRow("zoomed in more, click right") << 4 << QPointF(148, 88) << QPointF(600, 375);
    }
    void mapFramesAndSteersTheView()
    {
        QFETCH(int, notches);
        QFETCH(QPointF, click);
        QFETCH(QPointF, centre);
        EyeWall wall;
        KitraTest::click(wall.viewport(), wall.at(QPointF(22, 22)));
        wall.zoom(notches);
        if (!click.isNull())
            KitraTest::click(wall.viewport(), wall.at(click));
        if (!centre.isNull())
            QVERIFY2(QLineF(wall.viewCentre(), centre).length() <= 2.0,
                     qPrintable(QStringLiteral("%1, %2").arg(wall.viewCentre().x()).arg(wall.viewCentre().y())));
        QVERIFY(!wall.eye->IsCollapsed());
        QCOMPARE(wall.shown(), kOpen);

        const QRectF seen = wall->mapToScene(wall.viewport()->rect()).boundingRect();
        const QRectF frame(4 + seen.x() * 0.24, 4 + seen.y() * 0.224, seen.width() * 0.24, seen.height() * 0.224);
        const QImage image = wall.picture();
        const auto redNear = [&](const QPointF& p) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (wall.pixel(image, p + QPointF(dx, dy)) == QColor(Qt::red))
                        return true;
            return false;
        };
        const QPointF mid = frame.center();
        QVERIFY(redNear({frame.left(), mid.y()}) && redNear({frame.right(), mid.y()}));
        QVERIFY(redNear({mid.x(), frame.top()}) && redNear({mid.x(), frame.bottom()}));
        QVERIFY(!redNear({frame.left() + 4, mid.y()}) && !redNear({mid.x(), frame.top() + 4}));
    }

    // Dashed lines (a solid line would be reported negated) from one pixel inside the map.
    void mapShowsTheWallGrid_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QList<int>>("lineYs");
        QTest::addColumn<QList<int>>("lineXs");
        QTest::newRow("1 x 1") << 1 << 1 << QList<int>{} << QList<int>{};
        QTest::newRow("2 x 3") << 2 << 3 << QList<int>{60} << QList<int>{68, 132};
        QTest::newRow("4 x 1") << 4 << 1 << QList<int>{32, 60, 88} << QList<int>{};
    }
    void mapShowsTheWallGrid()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QList<int>, lineYs);
        QFETCH(QList<int>, lineXs);
        EyeWall wall;
        wall->SetTVWallGridCount(rows, cols);
        KitraTest::click(wall.viewport(), wall.at(QPointF(22, 22)));
        wall.zoom(2);                                           // keeps the view's frame off the map's edge
        KitraTest::click(wall.viewport(), wall.at(QPointF(100, 60)));
        const QImage image = wall.picture();
        QVector<int> perY(120), perX(200);
        for (int y = 6; y <= 114; ++y)
            for (int x = 6; x <= 194; ++x)
                if (wall.pixel(image, QPointF(x, y)) == kGrid)
                    ++perY[y], ++perX[x];
        const auto lines = [](const QVector<int>& counts, int length) {
            QList<int> found;
            for (int i = 0; i < counts.size(); ++i)
                if (counts[i] > 20)
                    found << (counts[i] < length * 9 / 10 ? i : -i);
            return found;
        };
        QCOMPARE(lines(perY, 189), lineYs);
        QCOMPARE(lines(perX, 109), lineXs);
        for (int y : lineYs)
            QVERIFY(wall.pixel(image, QPointF(5, y)) == kGrid && wall.pixel(image, QPointF(4, y)) == kPanel);
    }

    void missingPicturesLeaveNothingToClick()
    {
        QTemporaryDir appDir;
        useSkin("DustyBlue", appDir.path(), {"ShrinkEagleEye.png", "ExpandEagleEye.png"});
        EyeWall wall;
        QSignalSpy changed(wall.eye, &ZtTVWallNormalEagleEye::SignalAreaChanged);
        QVERIFY(wall.eye->boundingRect().isEmpty());
        const QImage image = wall.picture();
        QVERIFY(image.pixelColor(790, 490) != kExpand);
        KitraTest::click(wall.viewport(), QPoint(798, 498));
        QCOMPARE(wall->GetSelectedScreenIndex(), 0);            // nothing invisible catches the click
        QCOMPARE(changed.count(), 0);
    }
};

QTEST_MAIN(tst_EagleEye)
#include "tst_eagleeye.moc"
