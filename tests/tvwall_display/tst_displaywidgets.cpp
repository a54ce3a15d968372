// The small widgets of the display wall: the video placeholder, the drag frames and the overview.
#include "DisplayWindowHost.h"
#include "ZtTVWallDisplayEagleEye.h"
#include "ZtTVWallDisplayFrame.h"
#include "ZtTVWallDisplayVideo.h"
#include "ZtSetting.h"

using ZtGUI::ZtTVWallDisplayEagleEye;
using ZtGUI::ZtTVWallDisplayFrame;
using ZtGUI::ZtTVWallDisplayVideo;

namespace {

QStringList g_refreshed;

void onRefresh(const char* param)
{
    g_refreshed << QString::fromLocal8Bit(param);
}

// The columns of `image` that hold a pixel different from its top-left one.
int inkWidth(const QImage& image)
{
    const QRgb ground = image.pixel(0, 0);
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != ground) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return last < first ? 0 : last - first + 1;
}

} // namespace

class tst_DisplayWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QString skin = QStringLiteral("DustyBlue");      // the overview's pictures come from the skin
        ZtGUI::SetSkinVersion(skin);
    }

    void videoShowsTheStreamState_data()
    {
        QTest::addColumn<QVariant>("state");
        QTest::addColumn<bool>("text");
        QTest::newRow("request") << QVariant("request") << true;
        QTest::newRow("timeout") << QVariant("timeout") << true;
        QTest::newRow("empty") << QVariant("empty") << false;
        QTest::newRow("unknown") << QVariant("playing") << false;
        QTest::newRow("not set") << QVariant() << false;
    }
    void videoShowsTheStreamState()
    {
        QFETCH(QVariant, state);
        QFETCH(bool, text);
        DisplayWindowHost host;
        host.place(QRect(0, 0, 480, 240));
        auto* video = qobject_cast<ZtTVWallDisplayVideo*>(host.window->GetVideoWidget());
        QVERIFY(video);
        video->setAutoFillBackground(true);
        video->setProperty("state", state);
        const int ink = inkWidth(video->grab().toImage());
        QCOMPARE(ink > 0, text);
        // The request text is the longer one, and the state is read at every repaint.
        video->setProperty("state", "timeout");
        const int timeout = inkWidth(video->grab().toImage());
        if (state == QVariant("request"))
            QVERIFY(ink > timeout);
        video->setProperty("state", "empty");
        QCOMPARE(inkWidth(video->grab().toImage()), 0);
    }

    void videoCallsTheHostBackOnRepaint_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("address");
        QTest::addColumn<QString>("param");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("address and text") << false << true << "cam-7" << QStringList{"cam-7"};
        QTest::newRow("typed registration") << true << true << "cam-8" << QStringList{"cam-8"};
        QTest::newRow("no text") << false << true << "" << QStringList();
        QTest::newRow("no address") << false << false << "cam-9" << QStringList();
    }
    void videoCallsTheHostBackOnRepaint()
    {
        QFETCH(bool, typed);
        QFETCH(bool, address);
        QFETCH(QString, param);
        QFETCH(QStringList, calls);
        DisplayWindowHost host;
        host.place(QRect(0, 0, 300, 200));
        auto* video = qobject_cast<ZtTVWallDisplayVideo*>(host.window->GetVideoWidget());
        const ZtTVWallDisplayVideo::RefreshCallback callback = address ? &onRefresh : nullptr;
        if (typed) {
            video->SetRefreshCallback(callback, param);
        } else {
            video->setProperty("refresh-callback", QVariant::fromValue<quint64>(reinterpret_cast<quintptr>(callback)));
            video->setProperty("refresh-callback-param", param);
        }
        QVERIFY(QTest::qWaitForWindowExposed(&host.area));
        g_refreshed.clear();
        host.window->repaint();
        QCOMPARE(g_refreshed, calls);
        // Without a video widget the window has nobody to call back.
        host.window->DeleteVideoWidget();
        g_refreshed.clear();
        host.window->repaint();
        QVERIFY(g_refreshed.isEmpty());
    }

    void frameDrawsItsKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("light");
        QTest::addColumn<QColor>("edge");
        QTest::addColumn<QColor>("inside");
        QTest::newRow("rubber band") << 0 << true << QColor(Qt::white) << QColor(0, 0, 0, 0);
        QTest::newRow("draw area, light") << 1 << true << QColor(76, 81, 87) << QColor(233, 234, 236);
        QTest::newRow("draw area, dark") << 1 << false << QColor(76, 81, 87) << QColor(41, 41, 41);
    }
    void frameDrawsItsKind()
    {
        QFETCH(int, kind);
        QFETCH(bool, light);
        QFETCH(QColor, edge);
        QFETCH(QColor, inside);
        QWidget screen;
        screen.setAttribute(Qt::WA_TranslucentBackground);
        auto* frame = new ZtTVWallDisplayFrame(kind, &screen);
        frame->SetSkin(light);
        frame->setGeometry(0, 0, 60, 40);
        QImage image(frame->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        frame->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(image.pixelColor(0, 20), edge);
        QCOMPARE(image.pixelColor(59, 39), edge);
        QCOMPARE(image.pixelColor(30, 20), inside);
    }

    void eagleEyeOpensAndFolds()
    {
        QWidget host;
        host.resize(400, 300);
        auto* eye = new ZtTVWallDisplayEagleEye(&host);
        host.show();
        QSignalSpy area(eye, &ZtTVWallDisplayEagleEye::SignalAreaChanged);
        QSignalSpy located(eye, &ZtTVWallDisplayEagleEye::SignalLocated);
        const QSize folded = eye->size();
        QVERIFY(!folded.isEmpty());

        KitraTest::click(eye, QPoint(2, 2));            // the transparent half of the triangle
        QCOMPARE(area.count(), 0);
        KitraTest::click(eye, QPoint(folded.width() - 3, folded.height() - 3));
        QCOMPARE(area.count(), 1);
        QVERIFY(!eye->IsCollapsed());
        QVERIFY(eye->width() > folded.width() && eye->height() > folded.height());
        QCOMPARE(located.count(), 0);

        KitraTest::click(eye, QPoint(eye->width() - 3, eye->height() - 3));
        QCOMPARE(area.count(), 2);
        QVERIFY(eye->IsCollapsed());
        QCOMPARE(eye->size(), folded);
    }

    void eagleEyeLocatesTheViewport_data()
    {
        QTest::addColumn<QPoint>("onMap");       // from the map's top-left corner, 4 pixels in
        QTest::addColumn<QPointF>("located");
        QTest::newRow("centre") << QPoint(100, 60) << QPointF(0.25, 0.25);
        QTest::newRow("top-left") << QPoint(0, 0) << QPointF(-0.25, -0.25);
        QTest::newRow("right") << QPoint(150, 60) << QPointF(0.5, 0.25);
    }
    void eagleEyeLocatesTheViewport()
    {
        QFETCH(QPoint, onMap);
        QFETCH(QPointF, located);
        QWidget host;
        host.resize(400, 300);
        auto* eye = new ZtTVWallDisplayEagleEye(&host);
        host.show();
        KitraTest::click(eye, QPoint(eye->width() - 3, eye->height() - 3));
        QCOMPARE(eye->size(), QSize(208, 128));      // the 200 x 120 map and its border
        eye->SetViewportRect(0.25f, 0.25f, 0.5f, 0.5f);
        QSignalSpy spy(eye, &ZtTVWallDisplayEagleEye::SignalLocated);
        KitraTest::click(eye, onMap + QPoint(4, 4));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(QPointF(spy.at(0).at(0).toFloat(), spy.at(0).at(1).toFloat()), located);
        QVERIFY(!eye->IsCollapsed());
    }
};

QTEST_MAIN(tst_DisplayWidgets)
#include "tst_displaywidgets.moc"
