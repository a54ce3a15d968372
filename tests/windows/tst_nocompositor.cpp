// On an X server without a compositing manager translucent windows show black: a frameless dialog
// then has no black margin but a plain frame in the skin's colour. Runs on an X server of its own.
#include "KitraTest.h"
#include "ZtDialog.h"

using namespace ZtGUI;

namespace {

const QColor kBackdrop(Qt::yellow);
const QColor kFrame(120, 120, 120);     // the default skin's shadow colour

// The colours of the screen at `distance` pixels outside `area`.
QSet<QRgb> ringColours(const QImage& screen, const QRect& area, int distance)
{
    const QRect ring = area.adjusted(-distance, -distance, distance, distance);
    QSet<QRgb> colours;
    for (int x = ring.left(); x <= ring.right(); ++x)
        colours << screen.pixel(x, ring.top()) << screen.pixel(x, ring.bottom());
    for (int y = ring.top(); y <= ring.bottom(); ++y)
        colours << screen.pixel(ring.left(), y) << screen.pixel(ring.right(), y);
    return colours;
}

} // namespace

class tst_NoCompositor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server without a compositing manager");
    }

    void dialogHasAPlainFrameAndNoBlackMargin()
    {
        QWidget backdrop(nullptr, Qt::FramelessWindowHint);   // black there can come only from the dialog
        backdrop.setPalette(QPalette(kBackdrop));
        backdrop.setAutoFillBackground(true);
        backdrop.setGeometry(0, 0, 600, 500);
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        ZtDialog dialog;
        dialog.setGeometry(150, 120, 300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        const QRect area = dialog.geometry();
        const auto grab = [&] { return dialog.screen()->grabWindow(0).toImage(); };
        QTRY_COMPARE(ringColours(grab(), area, 1), QSet<QRgb>{kFrame.rgb()});
        const QImage screen = grab();
        for (int distance = 2; distance <= 8; ++distance)
            QCOMPARE(ringColours(screen, area, distance), QSet<QRgb>{kBackdrop.rgb()});
    }
};

QTEST_MAIN(tst_NoCompositor)
#include "tst_nocompositor.moc"
