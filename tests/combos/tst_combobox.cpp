#include <QtTest>
#include <QtWidgets>

#include "KitraTest.h"
#include "ZtComboBox.h"
#include "ZtComboBoxPopupContainer.h"
#include "ZtCustomComboBox.h"

using namespace ZtGUI;

namespace {

// A frameless window covering the 800 x 600 offscreen screen, holding a custom combo box at a
// global rectangle whose pop-up (with a button inside) has the given height.
struct Host
{
    explicit Host(const QRect& comboRect = QRect(100, 100, 200, 30), int popupHeight = 150)
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        combo = new ZtCustomComboBox(&window);
        popup = new ZtComboBoxPopupContainer;
        popup->resize(50, popupHeight);
        button = new QPushButton(QStringLiteral("pick"), popup);
        combo->SetPopupContainer(popup);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->setGeometry(QRect(comboRect.topLeft() - window.mapToGlobal(QPoint()), comboRect.size()));
    }
    void open() { KitraTest::click(combo, combo->rect().center()); }

    QWidget window;
    QPointer<ZtCustomComboBox> combo;
    QPointer<ZtComboBoxPopupContainer> popup;
    QPushButton* button = nullptr;
};

} // namespace

class tst_ComboBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(!QApplication::activePopupWidget()); }

    void popupIsPlacedOnTheScreen_data()
    {
        QTest::addColumn<QRect>("comboRect");
        QTest::addColumn<int>("popupHeight");
        QTest::addColumn<QRect>("expected");
        // Below, the pop-up overlaps the combo box's bottom pixel.
        QTest::newRow("below") << QRect(100, 100, 200, 30) << 150 << QRect(100, 129, 200, 150);
        QTest::newRow("above, no room below") << QRect(100, 540, 200, 30) << 150 << QRect(100, 391, 200, 150);
        QTest::newRow("above, shrunk") << QRect(100, 300, 200, 30) << 500 << QRect(100, 1, 200, 300);
        QTest::newRow("below, shrunk") << QRect(100, 200, 200, 30) << 500 << QRect(100, 229, 200, 371);
        QTest::newRow("clamped right") << QRect(700, 100, 200, 30) << 150 << QRect(600, 129, 200, 150);
        QTest::newRow("clamped left") << QRect(-50, 100, 200, 30) << 150 << QRect(0, 129, 200, 150);
        QTest::newRow("wider than the screen") << QRect(-10, 100, 900, 30) << 150 << QRect(0, 129, 800, 150);
    }
    void popupIsPlacedOnTheScreen()
    {
        QFETCH(QRect, comboRect);
        QFETCH(int, popupHeight);
        Host host(comboRect, popupHeight);
        host.open();
        QCOMPARE(QApplication::activePopupWidget(), host.popup.data());
        QTEST(host.popup->geometry(), "expected");
        host.popup->hide();
    }

    void keysOpenAndClose_data()
    {
        QTest::addColumn<int>("openKey");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("closeKey");
        QTest::newRow("F4, Escape") << int(Qt::Key_F4) << Qt::KeyboardModifiers() << int(Qt::Key_Escape);
        QTest::newRow("Alt+Down, Return") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::AltModifier)
                                          << int(Qt::Key_Return);
        QTest::newRow("Space, Enter") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << int(Qt::Key_Enter);
    }
    void keysOpenAndClose()
    {
        QFETCH(int, openKey);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, closeKey);
        Host host;
        QTest::keyClick(host.combo, Qt::Key(openKey), modifiers);
        QCOMPARE(host.popup->geometry(), QRect(100, 129, 200, 150));
        for (const bool open : {true, false}) {
            QKeyEvent key(QEvent::KeyPress, closeKey, Qt::NoModifier);
            QApplication::sendEvent(host.combo, &key);
            QVERIFY(!host.popup->isVisible());
            // Closed, the combo box leaves the key to its window (a dialog's Escape or default button).
            QCOMPARE(key.isAccepted(), open);
        }
    }

    void pressesClose_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("outside") << QStringLiteral("outside");
        QTest::newRow("on the combo box") << QStringLiteral("combo");
        QTest::newRow("on the arrow, sent to the combo box") << QStringLiteral("arrow");
    }
    void pressesClose()
    {
        QFETCH(QString, where);
        Host host;
        host.open();
        QVERIFY(host.popup->isVisible());
        if (where == QLatin1String("arrow")) {
            QStyleOptionComboBox option;
            option.initFrom(host.combo);
            KitraTest::click(host.combo, host.combo->style()->subControlRect(
                QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, host.combo).center());
        } else {
            // Through the window system, where the open pop-up takes the press.
            const QPoint pos = where == QLatin1String("combo") ? QPoint(200, 115) : QPoint(550, 450);
            QTest::mouseClick(host.window.windowHandle(), Qt::LeftButton, {}, pos);
        }
        QVERIFY(!host.popup->isVisible());
        // The press on the combo box must not be handed on again once the pop-up closed, or it
        // would reopen it; the offscreen platform never hands presses on, so the mark is checked.
        QCOMPARE(host.popup->testAttribute(Qt::WA_NoMouseReplay), where == QLatin1String("combo"));
    }

    void containers()
    {
        Host host;
        ZtCustomComboBox bare(&host.window);
        KitraTest::click(&bare, bare.rect().center());
        QVERIFY(!QApplication::activePopupWidget());        // nothing to open
        host.combo->SetPopupContainer(nullptr);
        host.combo->SetPopupContainer(host.popup);          // the same one again stays
        auto* next = new ZtComboBoxPopupContainer;
        next->resize(10, 80);
        QVERIFY(host.popup);
        host.combo->SetPopupContainer(next);
        QVERIFY(!host.popup);
        host.open();
        QCOMPARE(QApplication::activePopupWidget(), next);
        QCOMPARE(next->geometry(), QRect(100, 129, 200, 80));
        next->hide();
    }

    void deletion_data()
    {
        QTest::addColumn<bool>("fromContent");
        QTest::newRow("while open") << false;
        QTest::newRow("from a slot of the pop-up's content") << true;
    }
    void deletion()
    {
        QFETCH(bool, fromContent);
        Host host;
        QObject::connect(host.button, &QPushButton::clicked, host.combo, [&host] { delete host.combo; });
        host.open();
        if (fromContent)
            QTest::mouseClick(host.popup->windowHandle(), Qt::LeftButton, {}, host.button->geometry().center());
        else
            delete host.combo;
        QVERIFY(!host.combo);
        QVERIFY(!host.popup);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void listItemShowsItsTextAsTooltip()
    {
        QWidget window;
        ZtComboBox combo(&window);
        const QString name = QStringLiteral("Parking level 2, north gate camera");
        combo.addItems({QStringLiteral("one"), name});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&combo, Qt::Key_F4);
        QAbstractItemView* const view = combo.view();
        QTRY_VERIFY(view->isVisible());
        const QPoint pos = view->visualRect(combo.model()->index(1, 0)).center();
        QHelpEvent help(QEvent::ToolTip, pos, view->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), name);
        QToolTip::hideText();
        combo.hidePopup();
    }

    void autoTooltip()
    {
        Host host;
        const QString fits = QStringLiteral("Lobby");
        const QString longer = QStringLiteral("Camera 12, Parking level 2, north gate");
        host.combo->SetAutoTooltip(longer);
        QCOMPARE(host.combo->toolTip(), longer);
        host.combo->SetAutoTooltip(fits);
        QCOMPARE(host.combo->toolTip(), QString());

        QStringList names;
        for (int i = 1; i <= 300; ++i)
            names << QStringLiteral("Camera %1").arg(i);
        // Spaces around the names and an empty part do not reach the tool tip.
        const QString sep = QStringLiteral(" , ");
        host.combo->SetAutoTooltip(names.mid(0, 150).join(sep) + QStringLiteral(",,") + names.mid(150).join(sep));
        const QStringList lines = host.combo->toolTip().split(QLatin1Char('\n'));
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines.join(QString()), names.join(QLatin1Char(',')));
        const QFontMetrics metrics = host.combo->fontMetrics();
        for (const QString& line : lines.mid(0, lines.size() - 1)) {
            // Broken after the first name that takes the line to 500 pixels.
            QVERIFY(line.endsWith(QLatin1Char(',')));
            QVERIFY(metrics.horizontalAdvance(line) >= 500);
            QVERIFY(metrics.horizontalAdvance(line.left(line.lastIndexOf(QLatin1Char(','), -2) + 1)) < 500);
        }
    }
};

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
