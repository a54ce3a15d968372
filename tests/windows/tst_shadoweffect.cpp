// The drop shadow: where it sits, what it paints and how it follows its target.
#include "KitraTest.h"

#include "ShadowEffect.h"

namespace {

const ShadowEffect::Frame kAllSides = ShadowEffect::FrameLeft | ShadowEffect::FrameTop
                                      | ShadowEffect::FrameRight | ShadowEffect::FrameBottom;

int alphaAt(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y).alpha();
}

// A 100 x 50 window at (200, 150) with its shadow, shown unless asked otherwise.
struct Shadowed
{
    explicit Shadowed(int width = 5, ShadowEffect::Frame frame = kAllSides, bool suppressed = false, bool show = true)
        : shadow(Qt::black, width, frame, suppressed, 80)
    {
        target.setGeometry(200, 150, 100, 50);
        shadow.attachWidget(&target);
        if (show) {
            target.show();
            QVERIFY(QTest::qWaitForWindowExposed(&target));
        }
    }
    QRect around(int width = 5) const { return target.geometry().adjusted(-width, -width, width, width); }
    QWidget target;
    ShadowEffect shadow;
};

} // namespace

class tst_ShadowEffect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void windowShadowSurroundsAndFollowsItsTarget()
    {
        Shadowed w(5, kAllSides, false, false);
        QVERIFY(!w.shadow.isVisible());
        QVERIFY(static_cast<QWidget&>(w.shadow).isWindow());
        w.target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.target));
        QVERIFY(w.shadow.isVisible());
        QTRY_COMPARE(w.shadow.geometry(), QRect(195, 145, 110, 60));
        w.target.move(320, 240);
        QTRY_COMPARE(w.shadow.geometry(), w.around());
        w.target.resize(160, 90);
        QTRY_COMPARE(w.shadow.geometry(), w.around());
        w.target.hide();
        QVERIFY(!w.shadow.isVisible());
        w.target.show();
        QVERIFY(w.shadow.isVisible());
        w.target.close();
        QVERIFY(!w.shadow.isVisible());
    }

    void paintsOnlyTheChosenSidesAndFadesOutwards_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("top");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("bottom");
        QTest::newRow("all sides") << int(kAllSides) << true << true << true << true;
        QTest::newRow("left only") << int(ShadowEffect::FrameLeft) << true << false << false << false;
        QTest::newRow("right and bottom") << int(ShadowEffect::FrameRight | ShadowEffect::FrameBottom)
                                          << false << false << true << true;
    }
    void paintsOnlyTheChosenSidesAndFadesOutwards()
    {
        QFETCH(int, frame);
        QFETCH(bool, left);
        QFETCH(bool, top);
        QFETCH(bool, right);
        QFETCH(bool, bottom);
        Shadowed w(5, ShadowEffect::Frame(frame));
        QTRY_COMPARE(w.shadow.size(), QSize(110, 60));
        const QImage image = w.shadow.grab().toImage();
        QCOMPARE(alphaAt(image, 55, 30), 0);        // the target's own area stays clear
        // Bands, middle of each side, two pixels apart and both wholly inside the band: the one
        // nearer the target is darker.
        const struct { bool drawn; QPoint inner; QPoint outer; } sides[] = {
            {left, {3, 30}, {1, 30}}, {top, {55, 3}, {55, 1}},
            {right, {106, 30}, {108, 30}}, {bottom, {55, 56}, {55, 58}}};
        for (const auto& side : sides) {
            if (!side.drawn) {
                QCOMPARE(alphaAt(image, side.inner.x(), side.inner.y()), 0);
                continue;
            }
            QVERIFY(alphaAt(image, side.inner.x(), side.inner.y()) > alphaAt(image, side.outer.x(), side.outer.y()));
            QVERIFY(alphaAt(image, side.inner.x(), side.inner.y()) <= 80);
            QCOMPARE(image.pixelColor(side.inner.x(), side.inner.y()).rgb(), QColor(Qt::black).rgb());
        }
    }

    void childShadowSitsUnderItsTargetInTheParent()
    {
        QWidget parent;
        parent.resize(300, 200);
        parent.setAutoFillBackground(true);
        parent.setPalette(QPalette(Qt::white));
        QWidget target(&parent);
        target.setGeometry(50, 40, 100, 50);
        target.setAutoFillBackground(true);
        target.setPalette(QPalette(Qt::red));
        ShadowEffect shadow(Qt::black, 6, kAllSides, false, 120);
        shadow.attachWidget(&target);
        QCOMPARE(shadow.parentWidget(), &parent);
        QVERIFY(!static_cast<QWidget&>(shadow).isWindow());
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QVERIFY(shadow.isVisible());
        QCOMPARE(shadow.geometry(), QRect(44, 34, 112, 62));

        const QImage image = parent.grab().toImage();
        QCOMPARE(image.pixelColor(100, 65), QColor(Qt::red));   // target drawn over its shadow
        QVERIFY(image.pixelColor(48, 65).red() < 255);          // grey beside it
        QCOMPARE(image.pixelColor(20, 65), QColor(Qt::white));

        target.move(120, 100);
        QCOMPARE(shadow.geometry(), QRect(114, 94, 112, 62));
    }

    void suppressedShadowWaitsForDefaultVisible()
    {
        Shadowed w(5, kAllSides, true);
        QVERIFY(!w.shadow.isVisible());
        w.shadow.setDefaultVisible(true);
        QVERIFY(w.shadow.isVisible());
        w.shadow.setDefaultVisible(false);
        QVERIFY(!w.shadow.isVisible());
        w.target.hide();
        w.target.show();
        QVERIFY(!w.shadow.isVisible());
    }

    void validRectCastsTheShadow()
    {
        Shadowed w(4);
        w.shadow.setValidRect(QRect(10, 5, 60, 30));
        QTRY_COMPARE(w.shadow.geometry(), QRect(206, 151, 68, 38));
        w.target.move(250, 200);
        QTRY_COMPARE(w.shadow.geometry(), QRect(w.target.geometry().topLeft() + QPoint(6, 1), QSize(68, 38)));
    }

    void detachHidesUntilTheTargetShowsAgain()
    {
        Shadowed w;
        w.shadow.dettachWidget();
        QVERIFY(!w.shadow.isVisible());
        w.target.hide();
        w.target.show();
        QVERIFY(w.shadow.isVisible());
    }

    void targetDeletedFirstLeavesAHiddenShadow_data()
    {
        QTest::addColumn<bool>("window");
        QTest::newRow("window target") << true;
        QTest::newRow("child target") << false;
    }
    void targetDeletedFirstLeavesAHiddenShadow()
    {
        QFETCH(bool, window);
        QWidget parent;
        parent.resize(300, 200);
        auto target = new QWidget(window ? nullptr : &parent);
        target->setGeometry(50, 40, 100, 50);
        ShadowEffect shadow(Qt::black, 5, kAllSides, false, 80);
        shadow.attachWidget(target);
        parent.show();
        target->show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QVERIFY(shadow.isVisible());
        delete target;
        QVERIFY(!shadow.isVisible());
        shadow.setDefaultVisible(true);
        QVERIFY(!shadow.isVisible());
        shadow.setValidRect(QRect(0, 0, 10, 10));
        QVERIFY(!shadow.isVisible());
    }

    void nullTargetIsRefused()
    {
        ShadowEffect shadow(Qt::black, 5, kAllSides, false, 80);
        QTest::ignoreMessage(QtWarningMsg, "ShadowEffect::attachWidget: null target");
        shadow.attachWidget(nullptr);
        QVERIFY(!shadow.isVisible());
        QVERIFY(!shadow.parentWidget());
    }
};

QTEST_MAIN(tst_ShadowEffect)
#include "tst_shadoweffect.moc"
