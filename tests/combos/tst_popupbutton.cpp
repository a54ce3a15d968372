#include <QtTest>
#include <QtWidgets>

#include "KitraTest.h"
#include "ZtComboBoxPopupContainer.h"
#include "ZtCustomComboBox.h"
#include "ZtPopupButton.h"

using namespace ZtGUI;

namespace {

// A frameless window covering the 800 x 600 offscreen screen, holding a custom combo box or a
// pop-up button at a global rectangle; the pop-up's content has the given size and a button inside.
struct Host
{
    Host(bool combo, const QRect& ownerRect, const QSize& contentSize = QSize(200, 150))
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        owner = combo ? static_cast<QWidget*>(new ZtCustomComboBox(&window)) : new ZtPopupButton(&window);
        content = combo ? new ZtComboBoxPopupContainer : new QWidget;
        content->resize(contentSize);
        inner = new QPushButton(QStringLiteral("pick"), content);
        setContent(content);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        owner->setGeometry(QRect(ownerRect.topLeft() - window.mapToGlobal(QPoint()), ownerRect.size()));
    }
    void setContent(QWidget* widget)
    {
        if (auto* box = qobject_cast<ZtCustomComboBox*>(owner))
            box->SetPopupContainer(static_cast<ZtComboBoxPopupContainer*>(widget));
        else
            qobject_cast<ZtPopupButton*>(owner)->SetPopupWidget(widget);
    }
    void open() { KitraTest::click(owner, owner->rect().center()); }
    QWidget* popup() const { return QApplication::activePopupWidget(); }
    // Through the window system, where the open pop-up takes the press.
    void press(const QPoint& global) { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, global); }

    QWidget window;
    QPointer<QWidget> owner, content;
    QPushButton* inner = nullptr;
};

const QRect comboRect(100, 100, 200, 30), buttonRect(100, 100, 40, 30);

} // namespace

class tst_PopupButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(!QApplication::activePopupWidget()); }

    void popupIsPlaced_data()
    {
        QTest::addColumn<bool>("combo");
        QTest::addColumn<QRect>("ownerRect");
        QTest::addColumn<QSize>("contentSize");
        QTest::addColumn<QString>("open");      // a click or keys
        QTest::addColumn<QRect>("expected");
        const auto row = [](const char* name, bool combo, const QRect& owner, const QSize& content,
                            const char* open, const QRect& expected) {
            QTest::newRow(name) << combo << owner << content << QString(open) << expected;
        };
        // Below a combo box, overlapping its bottom pixel, as wide as the box and fitted to the screen.
        const QSize normal(50, 150), tall(50, 500);
        row("combo, below", true, comboRect, normal, "click", {100, 129, 200, 150});
        row("combo, above, no room below", true, {100, 540, 200, 30}, normal, "F4", {100, 391, 200, 150});
        row("combo, above, shrunk", true, {100, 300, 200, 30}, tall, "Alt+Down", {100, 1, 200, 300});
        row("combo, below, shrunk", true, {100, 200, 200, 30}, tall, "Space", {100, 229, 200, 371});
        row("combo, clamped right", true, {700, 100, 200, 30}, normal, "click", {600, 129, 200, 150});
        row("combo, clamped left", true, {-50, 100, 200, 30}, normal, "click", {0, 129, 200, 150});
        row("combo, wider than the screen", true, {-10, 100, 900, 30}, normal, "click", {0, 129, 800, 150});
        // Centred under a button, not fitted to the screen.
        row("button", false, buttonRect, {200, 120}, "click", {20, 130, 200, 120});
        row("button, odd width", false, {100, 100, 41, 30}, {201, 50}, "click", {20, 130, 201, 50});
        row("button, past the left edge", false, {0, 0, 40, 30}, {300, 50}, "click", {-130, 30, 300, 50});
        row("button, past the bottom right", false, {760, 560, 40, 30}, {200, 100}, "click", {680, 590, 200, 100});
    }
    void popupIsPlaced()
    {
        QFETCH(bool, combo);
        QFETCH(QRect, ownerRect);
        QFETCH(QSize, contentSize);
        QFETCH(QString, open);
        Host host(combo, ownerRect, contentSize);
        open == QLatin1String("click") ? host.open() : QTest::keySequence(host.owner, QKeySequence(open));
        QVERIFY(host.popup());
        QTEST(host.popup()->geometry(), "expected");
        if (!combo)
            QCOMPARE(host.content->geometry(), QRect(QPoint(), contentSize));
    }

    void keysAndPressesClose_data() { ownerKinds(); }
    void keysAndPressesClose()
    {
        QFETCH(bool, combo);
        Host host(combo, combo ? comboRect : buttonRect);
        host.open();
        QWidget* const popup = host.popup();
        QVERIFY(popup);
        // A press on the pop-up itself closes a combo box's and leaves a button's open; one
        // outside closes either.
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, QPoint(190, 110));
        QCOMPARE(popup->isVisible(), !combo);
        if (combo)
            host.open();
        host.press(QPoint(550, 450));
        QVERIFY(!popup->isVisible());
        QVERIFY(!popup->testAttribute(Qt::WA_NoMouseReplay));
        // Opens the same pop-up again, and tells whether `act` closed it.
        const auto closes = [&](const std::function<void()>& act) {
            host.open();
            const bool reopened = host.popup() == popup;
            act();
            return reopened && !popup->isVisible();
        };
        // The press on the owner must not be handed on again once the pop-up closed, or it would
        // reopen it; the offscreen platform never hands presses on, so the mark is checked.
        QVERIFY(closes([&] { host.press(host.owner->mapToGlobal(host.owner->rect().center())); }));
        QVERIFY(popup->testAttribute(Qt::WA_NoMouseReplay));
        QVERIFY(closes([&] { QTest::keyClick(popup, Qt::Key_Escape); }));
        const QPoint arrow(host.owner->width() - 5, host.owner->height() / 2);        // sent to the combo box
        QVERIFY(!combo || closes([&] { KitraTest::click(host.owner, arrow); }));
        for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {       // taken open or closed
            QKeyEvent whileOpen(QEvent::KeyPress, key, Qt::NoModifier), whileClosed(QEvent::KeyPress, key, {});
            QVERIFY(closes([&] { QApplication::sendEvent(host.owner, &whileOpen); }));
            QApplication::sendEvent(host.owner, &whileClosed);
            QVERIFY(!popup->isVisible());
            QVERIFY(whileOpen.isAccepted() && whileClosed.isAccepted());
        }
        // A host deletes the owner from a slot of the content: the pop-up goes with it.
        QObject::connect(host.inner, &QPushButton::clicked, [&host] { delete host.owner; });
        host.open();
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, host.inner->mapTo(popup, QPoint(5, 5)));
        QVERIFY(!host.owner);
        QVERIFY(!host.content);
    }

    void comboPopupOfAnotherWidgetStaysOpen()
    {
        Host host(true, comboRect);
        auto* const popup = new ZtComboBoxPopupContainer(&host.window);
        popup->setGeometry(100, 100, 200, 150);
        popup->show();
        QCOMPARE(QApplication::activePopupWidget(), popup);
        for (const QPoint& global : {QPoint(190, 210), QPoint(550, 450)}) {     // inside, outside
            // Sent to the pop-up itself, as Qt hands a pop-up every press while it is open.
            QMouseEvent press(QEvent::MouseButtonPress, popup->mapFromGlobal(global), global, Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(popup, &press);
            QVERIFY(popup->isVisible());
        }
    }

    void contentIsReplaced_data() { ownerKinds(); }
    void contentIsReplaced()
    {
        QFETCH(bool, combo);
        const QRect expected = combo ? QRect(100, 129, 200, 40) : QRect(45, 130, 150, 40);
        Host host(combo, combo ? comboRect : buttonRect);
        host.setContent(nullptr);
        host.setContent(host.content);          // the same one again stays
        QVERIFY(host.content);
        QPointer<QWidget> next = combo ? static_cast<QWidget*>(new ZtComboBoxPopupContainer) : new QLabel("next");
        next->resize(150, 40);
        host.setContent(next);
        QVERIFY(!host.content);
        host.open();
        QWidget* const popup = host.popup();
        QCOMPARE(popup->geometry(), expected);
        QVERIFY(popup == next || popup->isAncestorOf(next));
        if (combo) {
            ZtCustomComboBox bare(&host.window);
            KitraTest::click(&bare, bare.rect().center());
            QCOMPARE(QApplication::activePopupWidget(), popup);     // a box without a pop-up opens nothing
        } else {
            // Deleted while open, the content leaves an empty pop-up of the same size in its place.
            delete next;
            QVERIFY(popup->isVisible());
            QCOMPARE(popup->geometry(), expected);
            const QList<QWidget*> children = popup->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            QCOMPARE(children.size(), 1);
            QTRY_COMPARE(children.first()->geometry(), popup->rect());
        }
        const QPointer<QWidget> open = popup;
        delete host.owner;          // deleted while open, the owner takes its pop-up along
        QVERIFY(!open);
    }

private:
    static void ownerKinds()
    {
        QTest::addColumn<bool>("combo");
        QTest::newRow("combo box") << true;
        QTest::newRow("button") << false;
    }
};

QTEST_MAIN(tst_PopupButton)
#include "tst_popupbutton.moc"
