// What an assistive tool hears while the operator and the host change the display wall.
#include "DisplayTest.h"

#include <QAccessible>

namespace {

QStringList heard;     // each event as "type state name", named as its item stands then

void hear(QAccessibleEvent* event)
{
    heard << KitraTest::describeEvent(event);
}

} // namespace

class tst_DisplayAccessible : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void changesAreHeard_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("item");     // state and name
        QTest::addColumn<bool>("alone");       // no other item heard with that type
        const int changed = QAccessible::StateChanged, renamed = QAccessible::NameChanged;
        QTest::newRow("click selects") << "click" << changed << "selected Window 2 on screen 1" << false;
        QTest::newRow("click deselects") << "click" << changed << "selected Window 1 on screen 1: Gate east" << false;
        QTest::newRow("click selects screen") << "click screen" << changed << "selected Screen 2" << false;
        QTest::newRow("click deselects screen") << "click screen" << changed << "selected Screen 1" << false;
        QTest::newRow("tab") << "tab" << int(QAccessible::Focus) << "Window 2 on screen 1" << true;
        QTest::newRow("lock") << "lock" << changed << "readOnly Window 2 on screen 1" << false;
        QTest::newRow("rename") << "rename" << renamed << "Window 2 on screen 1: Dock" << true;
        QTest::newRow("delete renumbers") << "delete" << renamed << "Window 1 on screen 1" << true;
        QTest::newRow("open on a screen") << "open" << renamed << "Window 1 on screen 2" << false;
        QTest::newRow("drag") << "drag" << int(QAccessible::LocationChanged) << "Window 2 on screen 1" << false;
        QTest::newRow("placed by host") << "place" << int(QAccessible::LocationChanged) << "Window 1 on screen 1: Gate east" << true;
    }

    void changesAreHeard()
    {
        QFETCH(QString, action);
        QFETCH(int, type);
        QFETCH(QString, item);
        QFETCH(bool, alone);
        DisplayWallHost host(0);
        host.wall->ShowWndLockBtn(true);     // before the screens: their windows get the button
        host.wall->AddScreen({0.0, 0.0, 0.5, 0.5}, QVariant(0));
        host.wall->AddScreen({0.5, 0.0, 1.0, 0.5}, QVariant(1));
        host.open(0, QRect(10, 10, 100, 80));
        host.open(0, QRect(150, 10, 100, 80));
        host.wall->SetWindowContentText(0, 0, QStringLiteral("Gate east"));
        host.wall->SetSelectedScreenIndex(0);
        host.wall->SetSelectedWindowIndexs(0, 0, true);
        host.wall->setFocus();
        ZtTVWallDisplayWindow* second = host.window(0, 1);
        const QMap<QString, std::function<void()>> actions{
            {"click", [&] { KitraTest::click(second, QPoint(50, 50)); }},
            {"click screen", [&] { KitraTest::click(host.viewport(1), QPoint(200, 150)); }},
            {"tab", [&] { QTest::keyClick(host.wall.get(), Qt::Key_Tab); }},
            {"lock", [&] { host.wall->SetWindowLockBtn(0, 1, true); }},
            {"rename", [&] { host.wall->SetWindowContentText(0, 1, QStringLiteral("Dock")); }},
            {"delete", [&] { host.wall->DeleteWindow(0, 0); }},
            {"open", [&] { host.screen(1)->OpenWindow({0.1, 0.1, 0.5, 0.5}, QVariant(), false); }},
            {"drag", [&] { KitraTest::drag(second, QPoint(50, 50), QPoint(80, 90)); }},
            {"place", [&] { host.wall->SetWindowScale(0, 0, {0.2, 0.2, 0.6, 0.6}); }}};
        heard.clear();
        {
            const KitraTest::AccessibilityOn listening(hear);
            actions.value(action)();
        }
        const QString expected = QStringLiteral("%1 %2").arg(type).arg(item), all = heard.join(" | ");
        // Once, but on each step of a drag.
        QVERIFY2(heard.count(expected) == 1 || (action == "drag" && heard.contains(expected)), qPrintable(all));
        QVERIFY2(!alone || heard.filter(QRegularExpression(QStringLiteral("^%1 ").arg(type))).size() == 1, qPrintable(all));
    }
};

QTEST_MAIN(tst_DisplayAccessible)
#include "tst_displayaccessible.moc"
