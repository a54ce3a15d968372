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
            {4, {{41, "Terminal A"}, {42, "Terminal B"}, {43, "Cargo"}, {44, "Runway"}, {45, "Tower"}, {46, "Fuel farm"}}}};
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
            QMap<int, QString> main{{9, "Replaced"}};
            SubItems sub;
            combo->InitMenu(main, sub);                 // a second catalogue replaces the first
            main = mainItems();
            sub = subItems();
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
    ZtCascadingListWidget* popup() const { return qobject_cast<ZtCascadingListWidget*>(combo->GetPopupContainer()); }
    QListWidget* list(const char* name) const { return popup()->template findChild<QListWidget*>(QLatin1String(name)); }

    QWidget window;
    QPointer<Combo> combo;
};

QPoint rowCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }
void hover(QListWidget* list, int row) { KitraTest::move(list->viewport(), rowCentre(list, row), Qt::NoButton); }
void clickRow(QListWidget* list, int row) { KitraTest::click(list->viewport(), rowCentre(list, row)); }

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
void clickAction(QMenu* menu, int row)
{
    const QPoint centre = menu->actionGeometry(menu->actions().at(row)).center();
    KitraTest::move(menu, centre, Qt::NoButton);
    KitraTest::click(menu, centre);
}

} // namespace

class tst_Cascading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(!QApplication::activePopupWidget()); }

    void subListOpensBesideTheRestingItemOnTheScreen_data()
    {
        QTest::addColumn<QRect>("comboRect");
        QTest::addColumn<int>("openKey");      // 0: a click
        QTest::addColumn<int>("hoverRow");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("below");
        QTest::addColumn<bool>("subOnLeft");
        QTest::addColumn<bool>("escape");      // else a click outside
        const QRect middle(100, 100, 200, 30);
        const QRect bottom(100, 560, 200, 30);
        const int altDown = Qt::Key_Down | Qt::AltModifier;
        QTest::newRow("closed sub-list") << middle << 0 << -1 << 100 << 200 << 4 << true << false << false;
        QTest::newRow("longer sub-list") << middle << int(Qt::Key_F4) << 3 << 100 << 400 << 6 << true << false << true;
        QTest::newRow("shorter sub-list") << middle << altDown << 0 << 100 << 400 << 4 << true << false << false;
        QTest::newRow("right edge") << QRect(600, 100, 200, 30) << 0 << 0 << 400 << 400 << 4 << true << true << true;
        QTest::newRow("clamped right") << QRect(700, 100, 200, 30) << 0 << 1 << 400 << 400 << 4 << true << true << false;
        QTest::newRow("bottom edge") << bottom << int(Qt::Key_F4) << 3 << 100 << 400 << 6 << false << false << true;
        QTest::newRow("no sub-items") << bottom << 0 << 2 << 100 << 200 << 4 << false << false << false;
    }
    void subListOpensBesideTheRestingItemOnTheScreen()
    {
        QFETCH(QRect, comboRect);
        QFETCH(int, openKey);
        QFETCH(int, hoverRow);
        QFETCH(int, width);
        QFETCH(int, rows);
        QFETCH(bool, below);
        QFETCH(bool, subOnLeft);
        QFETCH(int, x);
        Host<ZtCascadingListComBox> host(comboRect);
        QSignalSpy text(host.combo.data(), &QComboBox::currentTextChanged);
        if (openKey)
            QTest::keyClick(host.combo, Qt::Key(openKey & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(openKey & Qt::KeyboardModifierMask));
        else
            openByMouse(host.combo);
        QCOMPARE(QApplication::activePopupWidget(), host.popup());
        QListWidget* const main = host.list("MainList");
        QListWidget* const sub = host.list("CascadingList");
        if (hoverRow >= 0)
            hover(main, hoverRow);
        QTRY_COMPARE(sub->isVisible(), width > 200);
        const int height = rows * main->visualItemRect(main->item(0)).height();
        const int y = below ? comboRect.bottom() : comboRect.top() - height + 1;
        QTRY_COMPARE(host.popup()->geometry(), QRect(x, y, width, height));
        // The main list stays under the combo box (within the screen), the sub-list beside it.
        QCOMPARE(main->mapToGlobal(QPoint()).x(), subOnLeft ? x + 200 : x);
        if (sub->isVisible())
            QCOMPARE(sub->mapToGlobal(QPoint()).x(), subOnLeft ? x : x + 200);

        // Through the window system, where the open pop-up takes the input.
        QFETCH(bool, escape);
        if (escape)
            QTest::keyClick(host.window.windowHandle(), Qt::Key_Escape);
        else
            QTest::mouseClick(host.window.windowHandle(), Qt::LeftButton, {}, QPoint(350, 300));
        QVERIFY(!host.popup()->isVisible());
        QCOMPARE(text.count(), 0);
        QCOMPARE(host.chosen(), QVector<int>());
    }

    void listChoiceShowsItsTextAndKeepsItsKeys_data()
    {
        QTest::addColumn<int>("mainRow");
        QTest::addColumn<int>("subRow");       // -1: the main item is clicked
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("keys");
        QTest::newRow("sub-item") << 0 << 1 << "Gate 2" << QVector<int>{12};
        QTest::newRow("last of a long sub-list") << 3 << 5 << "Fuel farm" << QVector<int>{46};
        QTest::newRow("main item: all its sub-items") << 0 << -1 << "North district" << QVector<int>{11, 12, 13};
        QTest::newRow("main item without sub-items") << 2 << -1 << "Harbour" << QVector<int>();
    }
    void listChoiceShowsItsTextAndKeepsItsKeys()
    {
        QFETCH(int, mainRow);
        QFETCH(int, subRow);
        QFETCH(QString, text);
        QFETCH(QVector<int>, keys);
        Host<ZtCascadingListComBox> host;
        QSignalSpy mainClicked(host.popup(), &ZtCascadingListWidget::SignalMainListItemClicked);
        QSignalSpy subClicked(host.popup(), &ZtCascadingListWidget::SignalCascadingListItemClicked);
        QSignalSpy visible(host.popup(), &ZtCascadingListWidget::SignalCascadingListVisibleChange);
        openByMouse(host.combo);
        QListWidget* const main = host.list("MainList");
        QListWidget* const sub = host.list("CascadingList");
        hover(main, 0);                         // a sub-list opens, then follows the mouse
        QTRY_VERIFY(sub->isVisible());
        hover(main, mainRow);
        QTRY_COMPARE(sub->isVisible(), subItems().contains(mainRow + 1));
        if (subRow >= 0) {
            QTRY_COMPARE(sub->count(), subItems().value(mainRow + 1).size());
            clickRow(sub, subRow);
        } else {
            clickRow(main, mainRow);
        }
        QTRY_VERIFY(!host.popup()->isVisible());
        QCOMPARE(host.combo->count(), 1);
        QCOMPARE(host.combo->currentText(), text);
        QCOMPARE(host.chosen(), keys);
        QCOMPARE(mainClicked.count() + subClicked.count(), 1);
        const QVariantList reported = (subRow >= 0 ? subClicked : mainClicked).value(0);
        QCOMPARE(reported, QVariantList({subRow >= 0 ? keys.value(0) : mainRow + 1, text}));
        QCOMPARE(visible.last(), QVariantList{false});
        QVERIFY(!sub->isVisibleTo(host.popup()));
    }

    void menuIsPlacedAndReportsMainAndSubKeys_data()
    {
        QTest::addColumn<QRect>("comboRect");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("below");
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<int>("mainRow");
        QTest::addColumn<int>("subRow");       // -1: the main item is chosen
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::newRow("sub-item by mouse, below") << QRect(100, 100, 200, 30) << 100 << true << false << 0 << 2 << "Car park" << 13;
        QTest::newRow("sub-item by keys, above") << QRect(100, 560, 200, 30) << 100 << false << true << 3 << 1 << "Terminal B" << 42;
        QTest::newRow("main item by mouse, clamped right") << QRect(700, 100, 200, 30) << 600 << true << false << 2 << -1 << "Harbour" << 3;
        QTest::newRow("main item by keys, clamped left") << QRect(-50, 560, 200, 30) << 0 << false << true << 2 << -1 << "Harbour" << 3;
    }
    void menuIsPlacedAndReportsMainAndSubKeys()
    {
        QFETCH(QRect, comboRect);
        QFETCH(bool, byKeys);
        QFETCH(int, mainRow);
        QFETCH(int, subRow);
        QFETCH(int, key);
        Host<ZtMenuCustomCombox> host(comboRect);
        QSignalSpy change(host.combo.data(), &ZtMenuCustomCombox::SignalItemChange);
        QRect geometry;
        whileMenuOpen([=, &geometry](QMenu* menu) {
            geometry = menu->geometry();
            if (byKeys) {
                for (int i = 0; i <= mainRow; ++i)
                    QTest::keyClick(menu, Qt::Key_Down);
                if (subRow >= 0)
                    QTest::keyClick(menu, Qt::Key_Right);
                for (int i = 0; i < subRow; ++i)
                    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
                return;
            }
            KitraTest::move(menu, menu->actionGeometry(menu->actions().at(3)).center(), Qt::NoButton);
            if (subRow < 0)
                return clickAction(menu, mainRow);
            KitraTest::move(menu, menu->actionGeometry(menu->actions().at(mainRow)).center(), Qt::NoButton);
            QMenu* const subMenu = menu->actions().at(mainRow)->menu();
            QVERIFY(subMenu);
            QTRY_VERIFY(subMenu->isVisible());
            clickAction(subMenu, subRow);
        });
        openByMouse(host.combo);
        QTEST(geometry.x(), "x");
        QCOMPARE(geometry.width(), 200);
        QFETCH(bool, below);
        QCOMPARE(below ? geometry.top() : geometry.bottom(), below ? comboRect.bottom() : comboRect.top());
        QCOMPARE(change.count(), 1);
        QCOMPARE(change.at(0), QVariantList({mainRow + 1, key}));    // the main item last hovered
        QCOMPARE(host.combo->count(), 1);
        QTEST(host.combo->currentText(), "text");
        QCOMPARE(host.chosen(), QVector<int>{key});
    }

    void deletionFromOwnSignalsIsSafe_data()
    {
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("when");
        for (const bool menu : {false, true}) {
            for (const char* when : {"while open", "currentIndexChanged", "currentTextChanged"})
                QTest::addRow("%s, %s", menu ? "menu" : "list", when) << menu << when;
        }
        QTest::newRow("menu, SignalItemChange") << true << "SignalItemChange";
        QTest::newRow("list, SignalCascadingListItemClicked") << false << "SignalCascadingListItemClicked";
    }
    void deletionFromOwnSignalsIsSafe()
    {
        QFETCH(bool, menu);
        QFETCH(QString, when);
        if (menu)
            deleteFrom<ZtMenuCustomCombox>(when);
        else
            deleteFrom<ZtCascadingListComBox>(when);
    }

private:
    // A host deletes the combo box from a slot of `when`, reached as a user reaches it.
    template <typename Combo>
    void deleteFrom(const QString& when)
    {
        Host<Combo> host;
        QPointer<Combo>& combo = host.combo;
        const auto deleter = [&combo] { delete combo; };
        if (when == QLatin1String("currentIndexChanged"))
            connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), deleter);
        if (when == QLatin1String("currentTextChanged"))
            connect(combo, &QComboBox::currentTextChanged, deleter);
        if constexpr (std::is_same_v<Combo, ZtMenuCustomCombox>) {
            if (when == QLatin1String("SignalItemChange"))
                connect(combo, &ZtMenuCustomCombox::SignalItemChange, deleter);
            whileMenuOpen([&](QMenu* open) {
                if (when == QLatin1String("while open"))
                    delete combo;
                else
                    clickAction(open, 2);
            });
            openByMouse(combo);
        } else {
            if (when == QLatin1String("SignalCascadingListItemClicked"))
                connect(host.popup(), &ZtCascadingListWidget::SignalCascadingListItemClicked, deleter);
            openByMouse(combo);
            if (when == QLatin1String("while open")) {
                delete combo;
            } else {
                hover(host.list("MainList"), 0);
                QTRY_VERIFY(host.list("CascadingList")->isVisible());
                clickRow(host.list("CascadingList"), 0);
            }
        }
        QTRY_VERIFY(!combo);
        QVERIFY(!QApplication::activePopupWidget());
    }
};

QTEST_MAIN(tst_Cascading)
#include "tst_cascading.moc"
