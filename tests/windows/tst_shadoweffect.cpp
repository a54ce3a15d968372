// The drop shadow: where it sits, what it paints and how it follows its target.
#include "KitraTest.h"
#include "ShadowEffect.h"

namespace {

const ShadowEffect::Frame kAllSides = ShadowEffect::FrameLeft | ShadowEffect::FrameTop
                                      | ShadowEffect::FrameRight | ShadowEffect::FrameBottom;

// A shown 100 x 50 window at (200, 150) with its shadow, five pixels wide.
struct Shadowed
{
    explicit Shadowed(ShadowEffect::Frame frame = kAllSides, bool suppressed = false)
        : shadow(Qt::black, 5, frame, suppressed, 80)
    {
        target.setGeometry(200, 150, 100, 50);
        shadow.attachWidget(&target);
        QVERIFY(!shadow.isVisible());
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
    }
    QRect around(const QRect& cast) const { return cast.translated(target.geometry().topLeft()).adjusted(-5, -5, 5, 5); }
    bool shownAgain()
    {
        target.hide();
        target.show();
        return shadow.isVisible();
    }
    QWidget target;
    ShadowEffect shadow;
};

QWidget* filled(QWidget* widget, const QColor& colour, const QRect& geometry)
{
    widget->setAutoFillBackground(true);
    widget->setPalette(QPalette(colour));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

class tst_ShadowEffect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // A window's shadow is a window that follows its target; a valid rectangle casts it from part of it.
    void windowShadowFollowsItsTarget()
    {
        Shadowed w;
        QVERIFY(w.shadow.isVisible() && static_cast<QWidget&>(w.shadow).isWindow());
        QTRY_COMPARE(w.shadow.geometry(), QRect(195, 145, 110, 60));
        for (const QRect& geometry : {QRect(320, 240, 100, 50), QRect(320, 240, 160, 90)}) {   // moved, then resized
            w.target.setGeometry(geometry);
            QTRY_COMPARE(w.shadow.geometry(), w.around(w.target.rect()));
        }
        w.target.hide();
        QVERIFY(!w.shadow.isVisible() && w.shownAgain());
        w.shadow.setValidRect(QRect(10, 5, 60, 30));
        QTRY_COMPARE(w.shadow.geometry(), w.around(QRect(10, 5, 60, 30)));
        w.target.move(250, 200);
        QTRY_COMPARE(w.shadow.geometry(), w.around(QRect(10, 5, 60, 30)));
        w.shadow.dettachWidget();                 // hidden until the next show
        QVERIFY(!w.shadow.isVisible() && w.shownAgain());
        w.target.close();
        QVERIFY(!w.shadow.isVisible());
    }

    // Each chosen side darkens towards the target, up to the maximum; a suppressed shadow waits.
    void paintsOnlyTheChosenSidesAndFadesOutwards_data()
    {
        QTest::addColumn<int>("frame");
        QTest::newRow("all sides") << int(kAllSides);
        QTest::newRow("left only") << int(ShadowEffect::FrameLeft);
        QTest::newRow("right and bottom") << int(ShadowEffect::FrameRight | ShadowEffect::FrameBottom);
    }
    void paintsOnlyTheChosenSidesAndFadesOutwards()
    {
        QFETCH(int, frame);
        Shadowed w(ShadowEffect::Frame(frame), true);
        QVERIFY(!w.shadow.isVisible());
        w.shadow.setDefaultVisible(true);
        QTRY_COMPARE(w.shadow.size(), QSize(110, 60));
        const QImage image = w.shadow.grab().toImage();
        const auto alpha = [&image](const QPoint& at) { return image.pixelColor(at).alpha(); };
        QCOMPARE(alpha({55, 30}), 0);        // the target's own area stays clear
        const struct { int side; QPoint inner, outer; } sides[] = {
            {ShadowEffect::FrameLeft, {3, 30}, {1, 30}}, {ShadowEffect::FrameTop, {55, 3}, {55, 1}},
            {ShadowEffect::FrameRight, {106, 30}, {108, 30}}, {ShadowEffect::FrameBottom, {55, 56}, {55, 58}}};
        for (const auto& s : sides)
            QVERIFY((frame & s.side) ? alpha(s.inner) > alpha(s.outer) && alpha(s.inner) <= 80
                                           && image.pixelColor(s.inner).rgb() == qRgb(0, 0, 0)
                                     : alpha(s.inner) == 0);
        w.shadow.setDefaultVisible(false);
        QVERIFY(!w.shownAgain());
    }

    // A child's shadow sits in the parent, under the target.
    void childShadowSitsUnderItsTargetInTheParent()
    {
        QWidget parent;
        filled(&parent, Qt::white, QRect(0, 0, 300, 200));
        QWidget* target = filled(new QWidget(&parent), Qt::red, QRect(50, 40, 100, 50));
        ShadowEffect shadow(Qt::black, 6, kAllSides, false, 120);
        shadow.attachWidget(target);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent) && shadow.isVisible());
        QCOMPARE(shadow.geometry(), QRect(44, 34, 112, 62));
        const QImage image = parent.grab().toImage();
        QCOMPARE(QList<QColor>({image.pixelColor(100, 65), image.pixelColor(20, 65)}), QList<QColor>({Qt::red, Qt::white}));
        QVERIFY(image.pixelColor(48, 65).red() < 255);          // grey beside the target
        target->move(120, 100);
        QCOMPARE(shadow.geometry(), QRect(114, 94, 112, 62));
    }

    // Deleted first, the target leaves a hidden shadow that nothing shows again; a null one is refused.
    void targetDeletedFirstOrNullLeavesAHiddenShadow_data()
    {
        QTest::addColumn<int>("target");
        QTest::newRow("window target") << 0;
        QTest::newRow("child target") << 1;
        QTest::newRow("null target") << 2;
    }
    void targetDeletedFirstOrNullLeavesAHiddenShadow()
    {
        QFETCH(int, target);
        QWidget parent;
        ShadowEffect shadow(Qt::black, 5, kAllSides, false, 80);
        if (target == 2)
            QTest::ignoreMessage(QtWarningMsg, "ShadowEffect::attachWidget: null target");
        QWidget* widget = target == 2 ? nullptr : new QWidget(target ? &parent : nullptr);
        shadow.attachWidget(widget);
        QCOMPARE(shadow.parentWidget(), target == 1 ? &parent : nullptr);
        parent.show();
        if (widget) {
            widget->show();
            QVERIFY(QTest::qWaitForWindowExposed(&parent) && shadow.isVisible());
            delete widget;
        }
        QVERIFY(!shadow.isVisible());
        shadow.setDefaultVisible(true);
        shadow.setValidRect(QRect(0, 0, 10, 10));
        QVERIFY(!shadow.isVisible());
    }
};

QTEST_MAIN(tst_ShadowEffect)
#include "tst_shadoweffect.moc"
