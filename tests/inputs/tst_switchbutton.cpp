// The switch: a click toggles it once and slides the thumb to its end, setToggle is silent,
// and the track takes the colour of its state and of the skin kind.
#include "KitraTest.h"

#include "ZtSetting.h"
#include "ZtSwitchButton.h"

using namespace ZtGUI;

namespace {

const QColor kThumb(255, 255, 255);

// Left edge of the thumb on the middle row of what the switch paints, -1 when none is seen.
int thumbLeft(ZtSwitchButton* button)
{
    const QImage image = button->grab().toImage();
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, image.height() / 2) == kThumb)
            return x;
    }
    return -1;
}

// A 40 x 20 switch shown in a window, off and at rest.
struct Window
{
    QWidget window;
    ZtSwitchButton* button = new ZtSwitchButton(&window);
    Window()
    {
        window.resize(120, 60);
        button->setGeometry(10, 10, 40, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void click(Qt::MouseButton mouseButton = Qt::LeftButton) { KitraTest::click(button, QPoint(10, 10), mouseButton); }
};

// Makes the settings file name `skinFolder` as the active skin for widgets built afterwards.
void useSkin(const QString& iniPath, const QString& skinFolder)
{
    QFile ini(iniPath);
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[SkinStyle]\nSkinFolder=" + skinFolder.toUtf8() + "\n");
    ini.close();
    ZtSetting::UnInstance();
    ZtSetting::setIniPath(iniPath);
}

} // namespace

class tst_SwitchButton : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_settings.isValid());
        useSkin(m_settings.filePath("skin.ini"), "DustyBlue");
    }

    void clickTogglesAndSlidesTheThumbToItsEnd_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("midSlide");
        QTest::addColumn<int>("end");
        QTest::newRow("one click: on") << 1 << false << 21;    // the step that passes the right edge
        QTest::newRow("two clicks: off again") << 2 << false << 2;
        QTest::newRow("second click mid-slide reverses") << 2 << true << 2;
    }
    void clickTogglesAndSlidesTheThumbToItsEnd()
    {
        QFETCH(int, clicks);
        QFETCH(bool, midSlide);
        QFETCH(int, end);
        Window w;
        QSignalSpy toggled(w.button, &ZtSwitchButton::toggled);
        QCOMPARE(thumbLeft(w.button), 2);
        w.click();
        if (clicks == 2) {
            if (midSlide)
                QTRY_VERIFY(thumbLeft(w.button) > 6);
            else
                QTRY_COMPARE(thumbLeft(w.button), 21);
            QVERIFY(thumbLeft(w.button) < 21 || !midSlide);
            w.click();
        }
        QTRY_COMPARE(thumbLeft(w.button), end);
        QCOMPARE(toggled.count(), clicks);
        for (int i = 0; i < clicks; ++i)
            QCOMPARE(toggled.at(i).at(0).toBool(), i == 0);
        QCOMPARE(w.button->isToggled(), clicks == 1);
    }

    void setToggleIsSilent_data()
    {
        QTest::addColumn<bool>("animate");
        QTest::addColumn<int>("end");
        QTest::newRow("at once") << false << 20;
        QTest::newRow("animated") << true << 21;
    }
    void setToggleIsSilent()
    {
        QFETCH(bool, animate);
        QFETCH(int, end);
        Window w;
        QSignalSpy toggled(w.button, &ZtSwitchButton::toggled);
        w.button->setToggle(true, animate);
        if (!animate)
            QCOMPARE(thumbLeft(w.button), end);
        QTRY_COMPARE(thumbLeft(w.button), end);
        QVERIFY(w.button->isToggled());
        QCOMPARE(toggled.count(), 0);
    }

    void onlyAnEnabledLeftClickToggles_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("button");
        QTest::newRow("right button") << true << int(Qt::RightButton);
        QTest::newRow("disabled") << false << int(Qt::LeftButton);
    }
    void onlyAnEnabledLeftClickToggles()
    {
        QFETCH(bool, enabled);
        QFETCH(int, button);
        Window w;
        w.button->SetDisableThumbColor(kThumb);
        w.button->setEnabled(enabled);
        QSignalSpy toggled(w.button, &ZtSwitchButton::toggled);
        w.click(Qt::MouseButton(button));
        QCOMPARE(toggled.count(), 0);
        QVERIFY(!w.button->isToggled());
        QCOMPARE(thumbLeft(w.button), 2);
    }

    void coloursFollowStateAndSkin_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QColor>("track");
        QTest::addColumn<QColor>("thumb");
        QTest::newRow("off") << "DustyBlue" << true << false << QColor(0, 0, 0) << kThumb;
        QTest::newRow("off, dark skin") << "Dark" << true << false << QColor(0x80, 0x80, 0x80) << kThumb;
        QTest::newRow("on") << "DustyBlue" << true << true << QColor(24, 144, 255) << kThumb;
        QTest::newRow("disabled off") << "DustyBlue" << false << false << QColor(10, 20, 30) << QColor(70, 80, 90);
        QTest::newRow("disabled on") << "Dark" << false << true << QColor(40, 50, 60) << QColor(70, 80, 90);
    }
    void coloursFollowStateAndSkin()
    {
        QFETCH(QString, skin);
        QFETCH(bool, enabled);
        QFETCH(bool, on);
        QFETCH(QColor, track);
        QFETCH(QColor, thumb);
        useSkin(m_settings.filePath("skin.ini"), skin);
        ZtSwitchButton button;
        useSkin(m_settings.filePath("skin.ini"), "DustyBlue");
        button.resize(40, 20);
        button.SetDisableCloseColor(QColor(10, 20, 30));
        button.SetDisableOpenColor(QColor(40, 50, 60));
        button.SetDisableThumbColor(QColor(70, 80, 90));
        button.setEnabled(enabled);
        button.setToggle(on, false);
        const QImage image = button.grab().toImage();
        QCOMPARE(image.pixelColor(on ? 1 : 39, 10), track);
        QCOMPARE(image.pixelColor(on ? 30 : 10, 1), track);     // above the thumb
        QCOMPARE(image.pixelColor(on ? 30 : 10, 10), thumb);
    }

    void hostMayDeleteTheSwitchWhenToggled()
    {
        Window w;
        QPointer<ZtSwitchButton> button = w.button;
        connect(w.button, &ZtSwitchButton::toggled, w.button, [&button] { delete button; });
        w.click();
        QVERIFY(button.isNull());
    }
};

QTEST_MAIN(tst_SwitchButton)
#include "tst_switchbutton.moc"
