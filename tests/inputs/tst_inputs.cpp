// The smaller inputs: push buttons, the picture button, the check box, the colour selector, the folder
// bar, the actions' check icons, the menu that keeps inside the screen and the switch.
#include "KitraTest.h"

#include "ColorSelector.h"
#include "FolderBar.h"
#include "PicButton.h"
#include "WPushButton.h"
#include "ZtAction.h"
#include "ZtCheckBox.h"
#include "ZtMenu.h"
#include "ZtPushButton.h"
#include "ZtSetting.h"
#include "ZtSubPushButton.h"
#include "ZtSwitchButton.h"

using namespace ZtGUI;

namespace {

const int kHeader = 30;

// Answers the colour dialog that the next click opens, with `colour` or by cancelling.
void answerColourDialog(const QColor& colour)
{
    QTimer::singleShot(10, [colour] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return answerColourDialog(colour);
        if (!colour.isValid())
            return dialog->reject();
        dialog->setCurrentColor(colour);
        dialog->accept();
    });
}

// The folder bar at rest: headers stacked, the open page under its header, the rest below it. A bar
// shorter than its headers has a negative page height: the later headers move up over the others.
QList<QRect> restingLayout(int open, int count, const QSize& size)
{
    const int page = size.height() - count * kHeader;
    QList<QRect> rects;
    for (int i = 0; i < count; ++i) {
        const int y = i * kHeader + (i > open ? page : 0);
        rects << QRect(0, y, size.width(), kHeader) << QRect(0, y + kHeader, size.width(), page);
    }
    return rects;
}

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

QPixmap filled(const QColor& colour, const QSize& size = QSize(16, 16))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}
QColor centreOf(QWidget* widget) { return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2); }

// The mouse as the window system moves it, entering at the window corner, so Qt sends enter and leave.
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

class tst_Inputs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings; // also holds the pictures written for picture buttons

    QString writePictures(const QString& base, const QMap<QString, QColor>& suffixes)
    {
        for (auto it = suffixes.cbegin(); it != suffixes.cend(); ++it)
            filled(it.value(), QSize(20, 10)).save(m_settings.filePath(base + it.key() + ".png"));
        return m_settings.filePath(base);
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QString skin = QStringLiteral("DustyBlue");
        SetSkinVersion(skin);
        QVERIFY(m_settings.isValid());
        useSkin(m_settings.filePath("skin.ini"), skin);
    }

    // The code is white on dark colours (green below 120); a cancelled dialog keeps the colour.
    void colourSelectorPaintsItsCodeAndAsksForAColour()
    {
        QWidget window;
        auto* selector = new ColorSelector(&window);
        selector->setGeometry(10, 10, 90, 26);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<std::tuple<QColor, QString, QColor>> codes{
            {QColor(100, 100, 100), "646464", Qt::white}, {QColor(100, 200, 100), "64C864", Qt::black},
            {QColor(0, 0, 255), "0000FF", Qt::black},     {QColor(0, 0, 0), "000000", Qt::white}};
        for (const auto& [colour, code, pen] : codes) {
            selector->setColor(colour);
            const QImage painted = selector->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(painted.pixelColor(0, 0), QColor(180, 180, 180));
            // What the code looks like in that colour and font on that fill, at the widget's DPI.
            QImage expected(painted.size(), QImage::Format_RGB32);
            expected.setDotsPerMeterX(qRound(selector->logicalDpiX() / 0.0254));
            expected.setDotsPerMeterY(qRound(selector->logicalDpiY() / 0.0254));
            expected.fill(colour);
            QPainter p(&expected);
            p.setPen(pen);
            p.setFont(QFont("Microsoft YaHei", 9));
            p.drawText(QRect(QPoint(), painted.size()), Qt::AlignCenter, code);
            p.end();
            QCOMPARE(painted.copy(1, 1, 88, 24), expected.copy(1, 1, 88, 24));
        }
        for (const QColor& answer : {QColor(), QColor(255, 128, 0)}) {
            answerColourDialog(answer);
            KitraTest::click(selector, QPoint(40, 13));
            QCOMPARE(selector->getColor(), answer.isValid() ? answer : QColor(0, 0, 0));
        }
    }

    // Clicks (-1 waits for a slide under way) end in the resting layout; only the open one has a border.
    void folderBarSlidesToItsRestingLayout()
    {
        QWidget window;
        window.resize(260, 340);
        auto* bar = new FolderBar(&window);
        bar->setGeometry(10, 20, 200, 300);
        QList<QWidget*> pages{new QWidget, new QWidget, new QWidget};
        (new QVBoxLayout(pages.at(0)))->addWidget(new QLabel("Content"));    // a page with a layout
        for (int i = 0; i < 3; ++i)
            bar->addItem(pages.at(i), QString("Folder %1").arg(i));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QPushButton*> headers = bar->findChildren<QPushButton*>(); // in the order of their titles
        std::sort(headers.begin(), headers.end(), [](QPushButton* a, QPushButton* b) { return a->text() < b->text(); });
        QCOMPARE(headers.size(), 3);
        const auto layout = [&] {
            QList<QRect> rects;
            for (int i = 0; i < 3; ++i)
                rects << headers.at(i)->geometry() << pages.at(i)->geometry();
            return rects;
        };
        QCOMPARE(layout(), restingLayout(0, 3, bar->size())); // the first page added is open
        int open = 0;
        for (const QList<int>& clicks : QList<QList<int>>{{0}, {2}, {0}, {2, -1, 1}, {2, -1, 0}}) {
            for (int index : clicks) {
                if (index >= 0) {
                    KitraTest::click(headers.at(index), QPoint(50, 15));
                    continue;
                }
                QTRY_VERIFY(layout() != restingLayout(open, 3, bar->size()));
                QVERIFY(layout() != restingLayout(clicks.first(), 3, bar->size()));
            }
            open = clicks.last();
            QTRY_COMPARE(layout(), restingLayout(open, 3, bar->size()));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(headers.at(i)->property("hasBottomBorder").toBool(), i == open);
        }
        bar->resize(200, 400);
        QCOMPARE(layout(), restingLayout(0, 3, bar->size()));
        bar->resize(200, 50);       // the size of a page of negative height is Qt's to settle
        const QList<QRect> rest = restingLayout(0, 3, bar->size());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(headers.at(i)->geometry(), rest.at(2 * i));
            QCOMPARE(pages.at(i)->pos(), rest.at(2 * i + 1).topLeft());
        }
    }

    // Partly checked shows only with a sub-menu; a plain menu at the same point shows the unmoved place.
    void actionsShowSkinCheckIconsInAMenuThatStaysOnScreen()
    {
        const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
        const QString folder = QStringLiteral("./Skin/DustyBlue/ZtGui/CheckBox/");
        const QString checked = folder + "select-n.svg", partly = folder + "indeterminate-n.svg";
        // The three pictures differ, so that the comparisons below tell them apart.
        QVERIFY(image(QIcon(checked)) != image(QIcon(folder + "unselect-n.svg")));
        QVERIFY(image(QIcon(checked)) != image(QIcon(partly)));
        const QList<std::tuple<Qt::CheckState, bool, QString, Qt::CheckState>> states{
            {Qt::Unchecked, false, folder + "unselect-n.svg", Qt::Unchecked}, {Qt::Checked, false, checked, Qt::Checked},
            {Qt::PartiallyChecked, true, partly, Qt::PartiallyChecked}, {Qt::PartiallyChecked, false, checked, Qt::Checked}};
        for (const auto& [state, subMenu, picture, shown] : states) {
            ZtAction action("Screen 1");
            action.SetHasSubMenu(subMenu);
            action.SetCheckState(state);
            QCOMPARE(action.CheckState(), shown);
            QCOMPARE(image(action.icon()), image(QIcon(picture)));
        }
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        for (int fromBottom : {20, 400}) {
            ZtMenu menu("Layouts");
            QMenu plain("Layouts");
            for (QMenu* m : {static_cast<QMenu*>(&menu), &plain}) {
                for (const char* text : {"Single", "Quad", "Nine", "Sixteen"})
                    m->addAction(new ZtAction(text, m));
                m->move(available.left() + 30, available.bottom() - fromBottom);
                m->show();
                QVERIFY(QTest::qWaitForWindowExposed(m));
            }
            const bool moved = plain.geometry().bottom() > available.bottom();
            QCOMPARE(moved, fromBottom == 20);
            QCOMPARE(menu.pos(), moved ? QPoint(plain.x(), available.bottom() - menu.height() + 1) : plain.pos());
        }
    }

    // The thumb rests at 2 off, 20 set on at once, 21 slid on; only an enabled left click toggles.
    void clicksToggleAndSlideWhileSetToggleIsSilent()
    {
        QWidget window;
        window.resize(120, 60);
        QPointer<ZtSwitchButton> button = new ZtSwitchButton(&window);
        button->setGeometry(10, 10, 40, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy toggled(button, &ZtSwitchButton::toggled);
        const auto click = [&button](Qt::MouseButton mouse) { KitraTest::click(button, QPoint(10, 10), mouse); };
        QCOMPARE(thumbLeft(button), 2);
        click(Qt::RightButton);
        click(Qt::LeftButton);
        QTRY_COMPARE(thumbLeft(button), 21);
        click(Qt::LeftButton);
        QTRY_COMPARE(thumbLeft(button), 2);
        click(Qt::LeftButton);
        QTRY_VERIFY(thumbLeft(button) > 6);
        QVERIFY(thumbLeft(button) < 21);
        click(Qt::LeftButton); // mid-slide: the thumb turns back
        QTRY_COMPARE(thumbLeft(button), 2);
        QCOMPARE(QList<QVariantList>(toggled), (QList<QVariantList>{{true}, {false}, {true}, {false}}));
        QVERIFY(!button->isToggled());
        toggled.clear();
        button->setToggle(true, false);
        QCOMPARE(thumbLeft(button), 20);
        button->setToggle(false, false);
        QCOMPARE(thumbLeft(button), 2);
        button->setToggle(true, true);
        QTRY_COMPARE(thumbLeft(button), 21);
        button->SetDisableThumbColor(kThumb);
        button->setEnabled(false);
        click(Qt::LeftButton);
        QCOMPARE(thumbLeft(button), 21);
        QVERIFY(button->isToggled() && toggled.isEmpty());
        button->setEnabled(true); // a host may delete the switch when told of a toggle
        connect(button, &ZtSwitchButton::toggled, button, [&button] { delete button; });
        click(Qt::LeftButton);
        QVERIFY(button.isNull());
    }

    // The track is black off (grey on a dark skin), blue on; disabled, the colours set for that.
    void coloursFollowStateAndSkin()
    {
        const QColor grey(0x80, 0x80, 0x80), closed(10, 20, 30), open(40, 50, 60), thumb(70, 80, 90);
        const QList<std::tuple<QString, bool, bool, QColor, QColor>> looks{
            {"DustyBlue", true, false, Qt::black, kThumb},     {"Dark", true, false, grey, kThumb},
            {"DustyBlue", true, true, QColor(24, 144, 255), kThumb}, {"DustyBlue", false, false, closed, thumb},
            {"Dark", false, true, open, thumb}};
        for (const auto& [skin, enabled, on, track, thumbColour] : looks) {
            useSkin(m_settings.filePath("skin.ini"), skin);
            ZtSwitchButton button;
            useSkin(m_settings.filePath("skin.ini"), "DustyBlue");
            button.resize(40, 20);
            button.SetDisableCloseColor(closed);
            button.SetDisableOpenColor(open);
            button.SetDisableThumbColor(thumb);
            button.setEnabled(enabled);
            button.setToggle(on, false);
            const QImage image = button.grab().toImage();
            const QList<QColor> seen{image.pixelColor(on ? 1 : 39, 10), image.pixelColor(on ? 30 : 10, 1), // above the thumb
                                     image.pixelColor(on ? 30 : 10, 10)};
            QCOMPARE(seen, (QList<QColor>{track, track, thumbColour}));
        }
    }

    // State pictures from one icon or a hover swap; the sub-button and the check box carry class names.
    void iconsFollowTheButtonState()
    {
        QIcon states;
        states.addPixmap(filled(Qt::red), QIcon::Normal);
        states.addPixmap(filled(Qt::green), QIcon::Active);
        states.addPixmap(filled(Qt::blue), QIcon::Selected);
        QWidget window;
        window.resize(200, 160);
        window.setStyleSheet("ZtGUI--ZtSubPushButton { background: rgb(0, 200, 0); border: none; }"
                             "ZtGUI--ZtCheckBox { background: rgb(0, 200, 0); }");
        ZtPushButton primary(states, QString(), &window);
        ZtSubPushButton secondary(states, QString(), &window);
        ZtCheckBox ours("Record", &window);
        QCheckBox plain("Record", &window);
        primary.setGeometry(20, 20, 60, 40);
        secondary.setGeometry(100, 20, 60, 40);
        ours.setGeometry(0, 70, 100, 24);
        plain.setGeometry(100, 70, 100, 24);
        QIcon icons[3] = {QIcon(filled(Qt::red)), QIcon(filled(Qt::green)), QIcon(filled(Qt::blue))};
        WPushButton three(&window), one(&window); // hover swaps the first two icons; one has no hover icon
        three.setGeometry(20, 100, 60, 40);
        one.setGeometry(100, 100, 60, 40);
        three.SetIcon(icons, 3);
        one.SetIcon(icons, 1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto green = [](QWidget& w, const QPoint& p) { return w.grab().toImage().pixelColor(p) == QColor(0, 200, 0); };
        QVERIFY(green(secondary, {2, 2}) && !green(primary, {2, 2}) && green(ours, {98, 12}) && !green(plain, {98, 12}));
        for (ZtPushButton* button : {&primary, static_cast<ZtPushButton*>(&secondary)}) {
            leave(button);
            QTRY_VERIFY(!button->underMouse());
            QCOMPARE(centreOf(button), QColor(Qt::red));
            hover(button, QPoint(30, 20));
            QTRY_VERIFY(button->underMouse());
            QCOMPARE(centreOf(button), QColor(Qt::green));
            QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
            QCOMPARE(centreOf(button), QColor(Qt::blue));
            QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
            QCOMPARE(centreOf(button), QColor(Qt::green));
        }
        const auto shown = [](const WPushButton& button) {
            const QImage image = button.icon().pixmap(16).toImage();
            return image.isNull() ? QColor() : image.pixelColor(8, 8);
        };
        for (const auto& [button, hovered] : {qMakePair(&three, QColor(Qt::green)), qMakePair(&one, QColor())}) {
            hover(button, QPoint(30, 20));
            QTRY_COMPARE(shown(*button), hovered);
            leave(button);
            QTRY_COMPARE(shown(*button), QColor(Qt::red));
        }
        QTest::ignoreMessage(QtWarningMsg, "WPushButton::SetIcon: null icon array for 2 icons");
        WPushButton none;
        none.SetIcon(nullptr, 2);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&none, &enter);
        QVERIFY(none.icon().isNull());
    }

    // Idle picture size (0 x 0 without one), state pictures, a click released inside; none painted
    // without a hover one.
    void picButtonPaintsItsStatePicture()
    {
        QWidget window;
        window.resize(200, 100);
        PicButton button(&window);
        button.setPicName(writePictures("state", {{"", Qt::red}, {"_hover", Qt::green}, {"_pressed", Qt::blue}}));
        button.move(20, 20);
        QCOMPARE(button.size(), QSize(20, 10));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("PicButton::setPicName: no picture .*nothing"));
        button.setPicName(m_settings.filePath("nothing"));
        QCOMPARE(button.size(), QSize(0, 0));
        button.setPicName(m_settings.filePath("state"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        for (const QPoint& releasedAt : {QPoint(50, 50), QPoint(5, 5)}) {
            leave(&button);
            QTRY_COMPARE(centreOf(&button), QColor(Qt::red));
            hover(&button, QPoint(5, 5));
            QTRY_COMPARE(centreOf(&button), QColor(Qt::green));
            KitraTest::press(&button, QPoint(5, 5));
            QCOMPARE(centreOf(&button), QColor(Qt::blue));
            KitraTest::release(&button, releasedAt);
            QCOMPARE(centreOf(&button), releasedAt == QPoint(5, 5) ? QColor(Qt::green) : QColor(Qt::blue));
        }
        QCOMPARE(QList<QVariantList>(clicked), QList<QVariantList>{{false}});
        button.setPicName(writePictures("nohover", {{"", Qt::red}, {"_pressed", Qt::blue}}));
        leave(&button);
        hover(&button, QPoint(5, 5));
        QTRY_VERIFY(button.underMouse());
        const QImage image = button.grab().toImage();
        for (const QPoint& p : {QPoint(1, 1), QPoint(10, 5), QPoint(18, 8)})
            QVERIFY2(image.pixelColor(p) != QColor(Qt::red), "the idle picture shows under the mouse");
    }
};

QTEST_MAIN(tst_Inputs)
#include "tst_inputs.moc"
