// The tip balloon: where its pointer is drawn and which skin colours it takes.
#include "KitraTest.h"

#include <QTemporaryDir>
#include "TipWidget.h"
#include "ZtSetting.h"

using namespace ZtGUI;

namespace {

const QColor kLightFill(255, 255, 255);
const QColor kDarkFill(81, 81, 81);

} // namespace

class tst_TipWidget : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void useSkin(const QString& style)
    {
        ZtSetting::GetInstance()->WriteValue("SkinStyle", "SkinFolder", style);
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
        ZtSetting::UnInstance();
        ZtSetting::setIniPath(m_dir.filePath("settings.ini"));
        useSkin("DustyBlue");
    }
    void cleanupTestCase() { ZtSetting::UnInstance(); }

    // The pointer's place and depth by its settings, on a tip 200 pixels wide.
    void pointerFollowsItsSettings_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<int>("centre");       // x of the pointer's tip
        QTest::addColumn<int>("depth");
        QTest::newRow("default: centred below") << -1 << -1 << false << 100 << 10;
        QTest::newRow("moved left") << 20 << -1 << false << 30 << 10;
        QTest::newRow("deeper") << -1 << 16 << false << 100 << 16;
        QTest::newRow("on top, centred") << -1 << -1 << true << 100 << 10;
        QTest::newRow("on top, moved right") << 140 << -1 << true << 150 << 10;
    }
    void pointerFollowsItsSettings()
    {
        QFETCH(int, left);
        QFETCH(int, height);
        QFETCH(bool, onTop);
        QFETCH(int, centre);
        QFETCH(int, depth);
        TipWidget tip(QStringLiteral("A tip"));
        tip.setFixedSize(200, 80);
        tip.setTriangleLeft(left);
        tip.setTriangleHeight(height);
        tip.setTriangleOnTop(onTop);
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));

        const QRect label = tip.findChild<QLabel*>()->geometry();
        // Halfway down the pointer: inside at its middle, outside well beside it.
        const int y = onTop ? label.top() - depth / 2 : label.bottom() + depth / 2;
        const QImage image = tip.grab().toImage();
        QCOMPARE(image.pixelColor(centre, y), kLightFill);
        const int beside = centre > 100 ? centre - depth - 8 : centre + depth + 8;
        QVERIFY2(image.pixelColor(beside, y).alpha() < 100, "the pointer is wider than it should be");
        QCOMPARE(image.pixelColor(label.center()), kLightFill);    // the box itself
    }

    void coloursFollowTheSkinAtEachShow()
    {
        TipWidget tip(QStringLiteral("A tip"));
        tip.setFixedSize(200, 80);
        const QPoint inBox(180, 60);

        useSkin("Dark");
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QCOMPARE(tip.grab().toImage().pixelColor(inBox), kDarkFill);

        tip.hide();
        useSkin("DustyBlue");
        QCOMPARE(tip.grab().toImage().pixelColor(inBox), kDarkFill);  // read again only when shown
        tip.show();
        QCOMPARE(tip.grab().toImage().pixelColor(inBox), kLightFill);

        tip.hide();
        useSkin("Unknown");
        tip.show();
        QCOMPARE(tip.grab().toImage().pixelColor(inBox), kLightFill);   // an unknown skin keeps them
    }

    void contentWidgetTakesThePlaceOfTheTextUntilTheHostDeletesIt()
    {
        TipWidget tip(QStringLiteral("A tip"));
        auto* content = new QWidget;
        content->setFixedSize(120, 40);
        tip.setWidget(content);
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QVERIFY(!tip.findChild<QLabel*>()->isVisible());
        // The box is drawn round the content: its pointer hangs below the content's bottom edge.
        const QPoint pointer(tip.width() / 2, content->geometry().bottom() + 5);
        QCOMPARE(tip.grab().toImage().pixelColor(pointer), kLightFill);
        delete content;
        QCOMPARE(tip.grab().toImage().pixelColor(pointer).alpha(), 0);

        QTest::ignoreMessage(QtWarningMsg, "TipWidget::setWidget: Attempt to insert null QWidget");
        tip.setWidget(nullptr);
    }

    void textAndItsColour()
    {
        TipWidget tip(QStringLiteral("first"));
        auto label = tip.findChild<QLabel*>();
        QCOMPARE(label->text(), QStringLiteral("first"));
        QCOMPARE(label->styleSheet(), QStringLiteral("color:red;"));
        tip.setTipText(QStringLiteral("second"));
        QCOMPARE(label->text(), QStringLiteral("second"));
        tip.setTipTextColor(QColor(0, 128, 255));
        QCOMPARE(label->styleSheet(), QStringLiteral("color:rgb(0, 128, 255);"));
    }
};

QTEST_MAIN(tst_TipWidget)
#include "tst_tipwidget.moc"
