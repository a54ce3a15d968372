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

} // namespace

class tst_ShadowEffect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void windowShadowSurroundsAndFollowsItsTarget()
    {
        QWidget target;
        target.setGeometry(200, 150, 100, 50);
        ShadowEffect shadow(Qt::black, 5, kAllSides, false, 80);
        shadow.attachWidget(&target);
        QVERIFY(!shadow.isVisible());
        QVERIFY(static_cast<QWidget&>(shadow).isWindow());

        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        QVERIFY(shadow.isVisible());
        QTRY_COMPARE(shadow.geometry(), target.geometry().adjusted(-5, -5, 5, 5));
        QCOMPARE(shadow.size(), QSize(110, 60));

        target.move(320, 240);
        QTRY_COMPARE(shadow.geometry(), target.geometry().adjusted(-5, -5, 5, 5));
        target.resize(160, 90);
        QTRY_COMPARE(shadow.geometry(), target.geometry().adjusted(-5, -5, 5, 5));

        target.hide();
        QVERIFY(!shadow.isVisible());
        target.show();
        QVERIFY(shadow.isVisible());
        target.close();
        QVERIFY(!shadow.isVisible());
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
        QWidget target;
        target.setGeometry(200, 150, 100, 50);
        ShadowEffect shadow(QColor(0, 0, 0), 5, ShadowEffect::Frame(frame), false, 80);
        shadow.attachWidget(&target);
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        QTRY_COMPARE(shadow.size(), QSize(110, 60));

        const QImage image = shadow.grab().toImage();
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
        QWidget target;
        target.setGeometry(200, 150, 100, 50);
        ShadowEffect shadow(Qt::black, 5, kAllSides, true, 80);
        shadow.attachWidget(&target);
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        QVERIFY(!shadow.isVisible());
        shadow.setDefaultVisible(true);
        QVERIFY(shadow.isVisible());
        shadow.setDefaultVisible(false);
        QVERIFY(!shadow.isVisible());
        target.hide();
        target.show();
        QVERIFY(!shadow.isVisible());
    }

    void validRectCastsTheShadow()
    {
        QWidget target;
        target.setGeometry(200, 150, 100, 50);
        ShadowEffect shadow(Qt::black, 4, kAllSides, false, 80);
        shadow.attachWidget(&target);
        shadow.setValidRect(QRect(10, 5, 60, 30));
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        QTRY_COMPARE(shadow.geometry(), QRect(target.geometry().topLeft() + QPoint(6, 1), QSize(68, 38)));
        target.move(250, 200);
        QTRY_COMPARE(shadow.geometry(), QRect(target.geometry().topLeft() + QPoint(6, 1), QSize(68, 38)));
    }

    void detachHidesUntilTheTargetShowsAgain()
    {
        QWidget target;
        target.setGeometry(200, 150, 100, 50);
        ShadowEffect shadow(Qt::black, 5, kAllSides, false, 80);
        shadow.attachWidget(&target);
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        shadow.dettachWidget();
        QVERIFY(!shadow.isVisible());
        target.hide();
        target.show();
        QVERIFY(shadow.isVisible());
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
