// The push-button family: state pictures from one icon, the hover icon swap and the picture button.
#include "KitraTest.h"

#include <QTemporaryDir>
#include "PicButton.h"
#include "WPushButton.h"
#include "ZtPushButton.h"
#include "ZtSubPushButton.h"

using namespace ZtGUI;

namespace {

QPixmap filled(const QColor& colour, const QSize& size = QSize(16, 16))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

QIcon icon(const QColor& colour)
{
    return QIcon(filled(colour));
}

QColor centreOf(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}

// The mouse as the window system moves it, so that Qt sends enter and leave and marks the widget
// under the mouse. Qt drops a move to where the mouse already is, and a new window may open where
// the last one was: the mouse first enters the window at its corner.
void hover(QWidget* widget, const QPoint& pos)
{
    QWidget* window = widget->window();
    QTest::mouseMove(window->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, pos));
}

void leave(QWidget* widget)
{
    QWidget* window = widget->window();
    QTest::mouseMove(window->windowHandle(), QPoint(window->width() - 1, window->height() - 1));
}

} // namespace

class tst_PushButtons : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_pictures;

    QString writePictures(const QString& base, const QMap<QString, QColor>& suffixes)
    {
        for (auto it = suffixes.cbegin(); it != suffixes.cend(); ++it)
            filled(it.value(), QSize(20, 10)).save(m_pictures.filePath(base + it.key() + ".png"));
        return m_pictures.filePath(base);
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_pictures.isValid());
    }

    void iconFollowsTheButtonState_data()
    {
        QTest::addColumn<bool>("sub");
        QTest::newRow("ZtPushButton") << false;
        QTest::newRow("ZtSubPushButton") << true;
    }
    void iconFollowsTheButtonState()
    {
        QFETCH(bool, sub);
        QIcon states;
        states.addPixmap(filled(Qt::red), QIcon::Normal);
        states.addPixmap(filled(Qt::green), QIcon::Active);
        states.addPixmap(filled(Qt::blue), QIcon::Selected);
        QWidget window;
        window.resize(200, 100);
        ZtPushButton* button = sub ? new ZtSubPushButton(states, QString(), &window)
                                   : new ZtPushButton(states, QString(), &window);
        button->setGeometry(20, 20, 60, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        leave(button);

        QCOMPARE(centreOf(button), QColor(Qt::red));
        hover(button, QPoint(30, 20));
        QTRY_VERIFY(button->underMouse());
        QCOMPARE(centreOf(button), QColor(Qt::green));
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
        QCOMPARE(centreOf(button), QColor(Qt::blue));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
        QCOMPARE(centreOf(button), QColor(Qt::green));
        leave(button);
        QTRY_VERIFY(!button->underMouse());
        QCOMPARE(centreOf(button), QColor(Qt::red));
    }

    void subButtonCarriesItsOwnClassName()
    {
        QWidget window;
        window.setStyleSheet("ZtGUI--ZtSubPushButton { background: rgb(0, 200, 0); border: none; }");
        ZtPushButton primary("OK", &window);
        ZtSubPushButton secondary("Cancel", &window);
        primary.setGeometry(0, 0, 60, 30);
        secondary.setGeometry(70, 0, 60, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(secondary.grab().toImage().pixelColor(2, 2), QColor(0, 200, 0));
        QVERIFY(primary.grab().toImage().pixelColor(2, 2) != QColor(0, 200, 0));
    }

    void hoverSwapsBetweenTheFirstTwoIcons_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QColor>("outside");
        QTest::addColumn<QColor>("inside");
        QTest::newRow("three icons, the third ignored") << 3 << QColor(Qt::red) << QColor(Qt::green);
        QTest::newRow("one icon, hover icon left empty") << 1 << QColor(Qt::red) << QColor();
    }
    void hoverSwapsBetweenTheFirstTwoIcons()
    {
        QFETCH(int, count);
        QFETCH(QColor, outside);
        QFETCH(QColor, inside);
        QIcon icons[3] = {icon(Qt::red), icon(Qt::green), icon(Qt::blue)};
        QWidget window;
        window.resize(200, 100);
        WPushButton button(&window);
        button.setGeometry(20, 20, 60, 40);
        button.SetIcon(icons, count);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const auto shown = [&button] {
            const QImage image = button.icon().pixmap(16).toImage();
            return image.isNull() ? QColor() : image.pixelColor(8, 8);
        };
        hover(&button, QPoint(30, 20));
        QTRY_COMPARE(shown(), inside);
        leave(&button);
        QTRY_COMPARE(shown(), outside);
    }

    void nullIconArrayIsRefused()
    {
        WPushButton button;
        QTest::ignoreMessage(QtWarningMsg, "WPushButton::SetIcon: null icon array for 2 icons");
        button.SetIcon(nullptr, 2);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&button, &enter);
        QVERIFY(button.icon().isNull());
    }

    void picButtonTakesTheIdlePictureSize()
    {
        PicButton button;
        const QString base = writePictures("size", {{"", Qt::red}});
        button.setPicName(base);
        QCOMPARE(button.getPicName(), base);
        QCOMPARE(button.size(), QSize(20, 10));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("PicButton::setPicName: no picture .*nothing"));
        button.setPicName(m_pictures.filePath("nothing"));
        QCOMPARE(button.size(), QSize(20, 10));
    }

    // Each step: an input, then the picture shown and whether it clicked.
    void picButtonPaintsItsStatePicture_data()
    {
        QTest::addColumn<bool>("releaseInside");
        QTest::addColumn<QColor>("afterRelease");
        QTest::addColumn<int>("clicks");
        QTest::newRow("released inside") << true << QColor(Qt::green) << 1;
        QTest::newRow("released outside") << false << QColor(Qt::blue) << 0;
    }
    void picButtonPaintsItsStatePicture()
    {
        QFETCH(bool, releaseInside);
        QFETCH(QColor, afterRelease);
        QFETCH(int, clicks);
        const QString base = writePictures("state", {{"", Qt::red}, {"_hover", Qt::green}, {"_pressed", Qt::blue}});
        QWidget window;
        window.resize(200, 100);
        PicButton button(&window);
        button.setPicName(base);
        button.move(20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        leave(&button);
        QSignalSpy clicked(&button, &QAbstractButton::clicked);

        QCOMPARE(centreOf(&button), QColor(Qt::red));
        hover(&button, QPoint(5, 5));
        QTRY_COMPARE(centreOf(&button), QColor(Qt::green));
        KitraTest::press(&button, QPoint(5, 5));
        QCOMPARE(centreOf(&button), QColor(Qt::blue));
        KitraTest::release(&button, releaseInside ? QPoint(5, 5) : QPoint(50, 50));
        QCOMPARE(centreOf(&button), afterRelease);
        QCOMPARE(clicked.count(), clicks);
        if (clicks)
            QCOMPARE(clicked.at(0).at(0).toBool(), false);
        leave(&button);
        QTRY_COMPARE(centreOf(&button), QColor(Qt::red));
    }

    void picButtonWithoutHoverPicturePaintsNothingWhileHovered()
    {
        const QString base = writePictures("nohover", {{"", Qt::red}, {"_pressed", Qt::blue}});
        QWidget window;
        window.resize(200, 100);
        PicButton button(&window);
        button.setPicName(base);
        button.move(20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        hover(&button, QPoint(5, 5));
        QTRY_VERIFY(button.underMouse());
        const QImage image = button.grab().toImage();
        for (const QPoint& p : {QPoint(1, 1), QPoint(10, 5), QPoint(18, 8)})
            QVERIFY2(image.pixelColor(p) != QColor(Qt::red), "the idle picture shows under the mouse");
    }
};

QTEST_MAIN(tst_PushButtons)
#include "tst_pushbuttons.moc"
