#include <QtTest>
#include <QtWidgets>

#include "KitraTest.h"
#include "ZtCascadingListComBox.h"
#include "ZtCascadingListWidget.h"
#include "ZtMenuCustomCombox.h"

using namespace ZtGUI;

namespace {

using SubItems = QMap<int, QMap<int, QString>>;

QMap<int, QString> mainItems()
{
    return {{1, "North district"}, {2, "South district"}, {3, "Harbour"}, {4, "Airport"}};
}
SubItems subItems()
{
    return {{1, {{11, "Gate 1"}, {12, "Gate 2"}, {13, "Car park"}}}, {2, {{21, "Depot"}}},
            {4, {{41, "Terminal A"}, {42, "Terminal B"}, {43, "Cargo"}, {44, "Runway"}, {45, "Tower"},
                 {46, "Fuel farm"}}}};
}

// A frameless window covering the 800 x 600 offscreen screen with a filled combo box at a
// global rectangle.
template <typename Combo>
struct Host
{
    explicit Host(const QRect& comboRect = QRect(100, 100, 200, 30))
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        combo = new Combo(&window);
        if constexpr (std::is_same_v<Combo, ZtCascadingListComBox>) {
            combo->InitDate(mainItems(), subItems());
            combo->InitDate({{9, "Ignored"}}, {});      // a second catalogue is ignored
        } else {
            QMap<int, QString> replaced{{9, "Replaced"}}, main = mainItems();
            SubItems none, sub = subItems();
            combo->InitMenu(replaced, none);            // a second catalogue replaces the first
            combo->InitMenu(main, sub);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->setGeometry(QRect(comboRect.topLeft() - window.mapToGlobal(QPoint()), comboRect.size()));
    }
    QVector<int> chosen() const
    {
        QVector<int> keys{-1};
        combo->GetCurrentChosenItem(keys);
        return keys;
    }
    auto* popup() const { return qobject_cast<ZtCascadingListWidget*>(combo->GetPopupContainer()); }
    auto* list(const char* name) const { return popup()->template findChild<QListWidget*>(QLatin1String(name)); }

    QWidget window;
    QPointer<Combo> combo;
};

QPoint rowCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }
// The mouse rests on a row or clicks it, or the list only reports it so.
void enter(QListWidget* list, int row, bool bySignal = false)
{
    bySignal ? emit list->itemEntered(list->item(row))
             : KitraTest::move(list->viewport(), rowCentre(list, row), Qt::NoButton);
}
void choose(QListWidget* list, int row, bool bySignal = false)
{
    bySignal ? emit list->itemClicked(list->item(row)) : KitraTest::click(list->viewport(), rowCentre(list, row));
}

// A menu combo box runs its menu inside the press: the release follows only when it outlived it.
template <typename Combo>
void openByMouse(const QPointer<Combo>& combo)
{
    KitraTest::press(combo, combo->rect().center());
    if (combo)
        KitraTest::release(combo, combo->rect().center());
}

// Runs `drive` inside the menu's own event loop once it is open, then closes whatever is still
// open, so that a failed check cannot leave the loop running.
template <typename Drive>
void whileMenuOpen(Drive drive)
{
    QTimer::singleShot(0, [drive] {
        struct Closer { ~Closer() { while (QWidget* p = QApplication::activePopupWidget()) p->close(); } } closer;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        drive(menu);
    });
}
QPoint actionCentre(QMenu* menu, int row) { return menu->actionGeometry(menu->actions().at(row)).center(); }
void hoverAction(QMenu* menu, int row) { KitraTest::move(menu, actionCentre(menu, row), Qt::NoButton); }
void clickAction(QMenu* menu, int row) { hoverAction(menu, row); KitraTest::click(menu, actionCentre(menu, row)); }

// Where the list pop-up stands (x, width and rows), opened by a key or a click (0), with the mouse
// moving to a main row (-1: none); then a sub-row or the main row (-1) is chosen, or the pop-up
// closed by Escape or a click outside, and the signals and the combo box's state noted. The rows
// are entered and chosen by the mouse or by the lists' own signals.
enum Choice { MainRow = -1, Escape = -2, Outside = -3 };
struct ListCase
{
    QRect comboRect;
    int openKey, hoverRow, x, width, rows;
    bool below;
    int choice;
    QStringList seen;
    bool bySignals = false;
};
// Where the menu opens and what it reports when a row (and a sub-row, -1: none) is chosen.
struct MenuCase
{
    QRect comboRect;
    int x;
    bool below, byKeys;
    int mainRow, subRow;
    QString text;
    int key;
};

} // namespace

Q_DECLARE_METATYPE(ListCase)
Q_DECLARE_METATYPE(MenuCase)

class tst_Cascading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(!QApplication::activePopupWidget()); }

    void listOpensBesideTheRestingItemAndReportsTheChoice_data()
    {
        QTest::addColumn<ListCase>("c");
        const QRect middle(100, 100, 200, 30), edge(600, 100, 200, 30), right(700, 100, 200, 30);
        const QRect bottom(100, 560, 200, 30);
        const int f4 = Qt::Key_F4, altDown = int(Qt::Key_Down) | int(Qt::AltModifier);
        const QStringList none{"shows '', keys []"};
        QTest::newRow("closed sub-list") << ListCase{middle, 0, -1, 100, 200, 4, true, Outside, none};
        QTest::newRow("longer sub-list") << ListCase{middle, f4, 3, 100, 400, 6, true, 5,
                                                     {"sub 46 Fuel farm", "shows 'Fuel farm', keys [46]"}};
        QTest::newRow("shorter sub-list") << ListCase{middle, altDown, 0, 100, 400, 4, true, 1,
                                                      {"sub 12 Gate 2", "shows 'Gate 2', keys [12]"}};
        // A main item stands for all its sub-items. The pop-up keeps the place where it opened,
        // even where the sub-list passes the screen's edge.
        const QStringList north{"main 1 North district", "shows 'North district', keys [11,12,13]"};
        QTest::newRow("right edge") << ListCase{edge, 0, 0, 600, 400, 4, true, MainRow, north};
        QTest::newRow("clamped right") << ListCase{right, 0, 1, 600, 400, 4, true, Escape, none};
        QTest::newRow("bottom edge") << ListCase{bottom, f4, 3, 100, 400, 6, false, Escape, none};
        QTest::newRow("no sub-items") << ListCase{bottom, 0, 2, 100, 200, 4, false, MainRow,
                                                  {"main 3 Harbour", "shows 'Harbour', keys []"}};
        QTest::newRow("by the lists' signals") << ListCase{middle, 0, 0, 100, 400, 4, true, 2,
                                                           {"sub 13 Car park", "shows 'Car park', keys [13]"}, true};
    }
    void listOpensBesideTheRestingItemAndReportsTheChoice()
    {
        QFETCH(ListCase, c);
        Host<ZtCascadingListComBox> host(c.comboRect);
        QStringList seen;
        connect(host.popup(), &ZtCascadingListWidget::SignalMainListItemClicked,
                [&seen](int key, const QString& text) { seen << QString("main %1 %2").arg(key).arg(text); });
        connect(host.popup(), &ZtCascadingListWidget::SignalCascadingListItemClicked,
                [&seen](int key, const QString& text) { seen << QString("sub %1 %2").arg(key).arg(text); });
        QSignalSpy visible(host.popup(), &ZtCascadingListWidget::SignalCascadingListVisibleChange);
        c.openKey ? QTest::keySequence(host.combo, QKeySequence(c.openKey)) : openByMouse(host.combo);
        QCOMPARE(QApplication::activePopupWidget(), host.popup());
        QListWidget* const main = host.list("MainList");
        QListWidget* const sub = host.list("CascadingList");
        const int rowHeight = main->visualItemRect(main->item(0)).height();
        // Opened at the height of the four main rows, and it stays there while the sub-list comes and goes.
        const int y = c.below ? c.comboRect.bottom() : c.comboRect.top() - 4 * rowHeight + 1;
        if (c.hoverRow >= 0) {
            enter(main, 3, c.bySignals);        // a sub-list opens at once, then follows the mouse
            QVERIFY(sub->isVisible());
            enter(main, c.hoverRow, c.bySignals);
        }
        QCOMPARE(sub->isVisible(), c.width > 200);
        QCOMPARE(host.popup()->geometry(), QRect(c.x, y, c.width, c.rows * rowHeight));
        // The main list stays under the combo box, the sub-list beside it on the right.
        QCOMPARE(main->mapToGlobal(QPoint()).x(), c.x);
        if (sub->isVisible())
            QCOMPARE(sub->mapToGlobal(QPoint()).x(), c.x + 200);
        // Closed through the window system, where the open pop-up takes the input.
        if (c.choice == Escape)
            QTest::keyClick(host.window.windowHandle(), Qt::Key_Escape);
        else if (c.choice == Outside)
            QTest::mouseClick(host.window.windowHandle(), Qt::LeftButton, {}, QPoint(350, 300));
        else
            choose(c.choice == MainRow ? main : sub, c.choice == MainRow ? c.hoverRow : c.choice, c.bySignals);
        QVERIFY(!host.popup()->isVisible());            // chosen before the click returns
        if (c.choice >= MainRow) {          // the sub-list is closed for the next opening
            QVERIFY(!sub->isVisibleTo(host.popup()));
            QCOMPARE(visible.last(), QVariantList{false});
        }
        QCOMPARE(host.combo->count(), c.choice >= MainRow ? 1 : 0);
        QStringList keys;
        for (const int key : host.chosen())
            keys << QString::number(key);
        seen << QString("shows '%1', keys [%2]").arg(host.combo->currentText(), keys.join(','));
        QCOMPARE(seen, c.seen);
    }

    void menuIsPlacedAndReportsMainAndSubKeys_data()
    {
        QTest::addColumn<MenuCase>("c");
        QTest::newRow("sub-item by mouse, below")
            << MenuCase{QRect(100, 100, 200, 30), 100, true, false, 0, 2, "Car park", 13};
        QTest::newRow("sub-item by keys, above")
            << MenuCase{QRect(100, 560, 200, 30), 100, false, true, 3, 1, "Terminal B", 42};
        QTest::newRow("main item by mouse, clamped right")
            << MenuCase{QRect(700, 100, 200, 30), 600, true, false, 2, -1, "Harbour", 3};
        QTest::newRow("main item by keys, clamped left")
            << MenuCase{QRect(-50, 560, 200, 30), 0, false, true, 2, -1, "Harbour", 3};
    }
    void menuIsPlacedAndReportsMainAndSubKeys()
    {
        QFETCH(MenuCase, c);
        Host<ZtMenuCustomCombox> host(c.comboRect);
        QSignalSpy change(host.combo.data(), &ZtMenuCustomCombox::SignalItemChange);
        QRect geometry;
        whileMenuOpen([&c, &geometry](QMenu* menu) {
            geometry = menu->geometry();
            if (c.byKeys) {
                for (int i = 0; i <= c.mainRow; ++i)
                    QTest::keyClick(menu, Qt::Key_Down);
                if (c.subRow >= 0)
                    QTest::keyClick(menu, Qt::Key_Right);
                for (int i = 0; i < c.subRow; ++i)
                    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
                return;
            }
            hoverAction(menu, 3);
            if (c.subRow < 0)
                return clickAction(menu, c.mainRow);
            hoverAction(menu, c.mainRow);
            QMenu* const subMenu = menu->actions().at(c.mainRow)->menu();
            QVERIFY(subMenu);
            QTRY_VERIFY(subMenu->isVisible());
            clickAction(subMenu, c.subRow);
        });
        openByMouse(host.combo);
        const int edge = c.below ? c.comboRect.bottom() : c.comboRect.top();
        QCOMPARE(geometry, QRect(c.x, c.below ? edge : edge - geometry.height() + 1, 200, geometry.height()));
        // The main item last hovered, and the chosen entry.
        QCOMPARE(QList<QVariantList>(change), (QList<QVariantList>{{c.mainRow + 1, c.key}}));
        QCOMPARE(host.combo->count(), 1);
        QCOMPARE(host.combo->currentText(), c.text);
        QCOMPARE(host.chosen(), QVector<int>{c.key});
    }

    void deletionFromOwnSignalsIsSafe_data()
    {
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("when");
        for (const char* when : {"while open", "currentIndexChanged", "currentTextChanged", "SignalItemChange"})
            QTest::addRow("menu, %s", when) << true << when;
        for (const char* when : {"while open", "currentIndexChanged", "currentTextChanged",
                                 "SignalMainListItemClicked", "SignalCascadingListItemClicked",
                                 "SignalCascadingListVisibleChange"})
            QTest::addRow("list, %s", when) << false << when;
    }
    void deletionFromOwnSignalsIsSafe()
    {
        QFETCH(bool, menu);
        QFETCH(QString, when);
        menu ? deleteFrom<ZtMenuCustomCombox>(when) : deleteFrom<ZtCascadingListComBox>(when);
    }

private:
    // A host deletes the combo box from a slot of `when`, reached as a user reaches it.
    template <typename Combo>
    void deleteFrom(const QString& when)
    {
        Host<Combo> host;
        QPointer<Combo>& combo = host.combo;
        const auto on = [&](auto* sender, auto signal, const char* name) {
            if (when == QLatin1String(name))
                connect(sender, signal, [&combo] { delete combo; });
        };
        on(combo.data(), QOverload<int>::of(&QComboBox::currentIndexChanged), "currentIndexChanged");
        on(combo.data(), &QComboBox::currentTextChanged, "currentTextChanged");
        const bool whileOpen = when == QLatin1String("while open");
        if constexpr (std::is_same_v<Combo, ZtMenuCustomCombox>) {
            on(combo.data(), &ZtMenuCustomCombox::SignalItemChange, "SignalItemChange");
            whileMenuOpen([&](QMenu* open) { whileOpen ? delete combo : clickAction(open, 2); });
            openByMouse(combo);
        } else {
            using List = ZtCascadingListWidget;
            QListWidget* const main = host.list("MainList");
            on(host.popup(), &List::SignalMainListItemClicked, "SignalMainListItemClicked");
            on(host.popup(), &List::SignalCascadingListItemClicked, "SignalCascadingListItemClicked");
            openByMouse(combo);
            on(host.popup(), &List::SignalCascadingListVisibleChange, "SignalCascadingListVisibleChange");
            if (whileOpen)
                delete combo;
            else if (when == QLatin1String("SignalMainListItemClicked"))
                choose(main, 0);
            else if (combo)
                enter(main, 0);                 // the sub-list opens
            if (combo)
                choose(host.list("CascadingList"), 0);
        }
        QTRY_VERIFY(!combo);
        QVERIFY(!QApplication::activePopupWidget());
    }
};

QTEST_MAIN(tst_Cascading)
#include "tst_cascading.moc"
