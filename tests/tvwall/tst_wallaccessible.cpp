// Both walls as an assistive tool sees them: walked through QAccessible alone, every screen and
// window is found by name, with its rectangle on the desktop and its selected and locked states.
#include "SceneWall.h"
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWnd.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMap>
#include <QRegularExpression>

using namespace ZtGUI;
using namespace SceneWallTest;

namespace {

using Found = QMap<QString, QAccessibleInterface*>;

/// Every interface below `node` by name, down to `depth` levels; each child must name `node` as
/// its parent and answer its own index, or the walk fails.
void walk(QAccessibleInterface* node, int depth, Found& found)
{
    for (int i = 0; depth > 0 && i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        const QString where = QStringLiteral("child %1 of %2").arg(i).arg(node->text(QAccessible::Name));
        QVERIFY2(child && child->isValid(), qPrintable(where));
        QCOMPARE(child->parent(), node);
        QCOMPARE(node->indexOfChild(child), i);
        found.insert(child->text(QAccessible::Name), child);
        walk(child, depth - 1, found);
    }
}

Found walkFrom(QWidget* wall, int depth)
{
    Found found;
    walk(QAccessible::queryAccessibleInterface(wall), depth, found);
    return found;
}

/// The screens' and windows' names only: what an assistive tool would list.
QStringList itemNames(const Found& found)
{
    return QStringList(found.keys()).filter(QRegularExpression(QStringLiteral("^(Screen|Window) ")));
}

/// Whether two rectangles agree within a pixel on each side (fractions are rounded to pixels).
bool near(const QRect& a, const QRect& b)
{
    return qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 && qAbs(a.right() - b.right()) <= 1
        && qAbs(a.bottom() - b.bottom()) <= 1;
}

QString show(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

/// Fractions of `area` (a rectangle in `widget`) as global pixels.
QRect globalOf(const QWidget* widget, const QRect& area, const StructScaleRect& s)
{
    const auto x = [&](double f) { return qRound(area.x() + f * area.width()); };
    const auto y = [&](double f) { return qRound(area.y() + f * area.height()); };
    const QRect r(QPoint(x(s.dLeft), y(s.dTop)), QPoint(x(s.dRight) - 1, y(s.dBottom) - 1));
    return r.translated(widget->mapToGlobal(QPoint(0, 0)));
}

/// A scene wall of 800 x 400: screen 1 the left half with one window, screen 2 the right half
/// with three ("Gate east", one untitled and selected, "Lobby" locked).
void furnishScene(Wall& wall)
{
    wall.addScreen(rect(0, 0, 0.5, 1));
    wall.addScreen(rect(0.5, 0, 1, 1));
    wall->OpenWindow(0, rect(0.5, 0.5, 1, 1), {});
    wall->OpenWindow(1, rect(0, 0, 0.5, 0.5), {});
    wall->OpenWindow(1, rect(0.5, 0.5, 1, 1), {});
    wall->OpenWindow(1, rect(0.25, 0.25, 0.75, 0.75, false), {});
    wall->SetWindowContentText(1, 0, QStringLiteral("Gate east"));
    wall->SetWindowContentText(1, 2, QStringLiteral("Lobby"));
    wall->SetSelectedWindowIndexs(1, 1);
}

/// A display wall of 800 x 600 on a 2 x 2 grid: screen 1 the top-left quarter, screen 2 the
/// bottom half, with windows as on the scene wall.
struct DisplayWall
{
    DisplayWall()
    {
        wall.SetTVWallGridCount(2, 2);
        wall.AddScreen(rect(0, 0, 0.5, 0.5), QVariant(0));
        wall.AddScreen(rect(0, 0.5, 1, 1), QVariant(1));
        wall.resize(800, 600);
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        wall.OpenWindow(0, rect(0.5, 0.5, 1, 1), QVariant(0));
        wall.OpenWindow(1, rect(0, 0, 0.5, 0.5), QVariant(0));
        wall.OpenWindow(1, rect(0.5, 0.5, 1, 1), QVariant(1));
        wall.OpenWindow(1, rect(0.25, 0.25, 0.75, 0.75), QVariant(2));
        wall.SetWindowContentText(1, 0, QStringLiteral("Gate east"));
        wall.SetWindowContentText(1, 2, QStringLiteral("Lobby"));
        wall.SetWindowLockBtn(1, 2, true);
        wall.SetSelectedScreenIndex(1);
        wall.SetSelectedWindowIndexs(1, 1, true);
    }

    ZtTVWallDisplayScreen* screen(int s) const { return wall.findChildren<ZtTVWallDisplayScreen*>().value(s); }

    ZtTVWallDisplayWnd wall;
};

/// What an assistive tool heard: each event and the name of its item at that moment.
QStringList heardEvents;

void hear(QAccessibleEvent* event) { heardEvents << KitraTest::describeEvent(event); }

} // namespace

class tst_WallAccessible : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); useSkin(); }

    // Rows: name, rectangle (fractions of the parent: the wall for a screen, the screen for a
    // window), screen number (-1 for a screen), selected, locked; on either wall.
    void namesRectanglesAndStates_data()
    {
        QTest::addColumn<bool>("display");
        QTest::addColumn<QString>("name");
        QTest::addColumn<StructScaleRect>("scale");
        QTest::addColumn<int>("onScreen");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("locked");
        for (bool d : {false, true}) {
            const auto row = [d](const char* tag, const char* name, StructScaleRect r, int s, bool sel, bool lk) {
                QTest::addRow("%s %s", d ? "display" : "scene", tag) << d << QString(name) << r << s << sel << lk;
            };
            row("screen 1", "Screen 1", rect(0, 0, 0.5, 1), -1, false, false);
            row("screen 2", "Screen 2", rect(0.5, 0, 1, 1), -1, true, false);
            row("untitled", "Window 1 on screen 1", rect(0.5, 0.5, 1, 1), 0, false, false);
            row("titled", "Window 1 on screen 2: Gate east", rect(0, 0, 0.5, 0.5), 1, false, false);
            row("selected", "Window 2 on screen 2", rect(0.5, 0.5, 1, 1), 1, true, false);
            row("locked", "Window 3 on screen 2: Lobby", rect(0.25, 0.25, 0.75, 0.75), 1, false, true);
        }
    }
    void namesRectanglesAndStates()
    {
        QFETCH(bool, display);
        QFETCH(QString, name);
        QFETCH(StructScaleRect, scale);
        QFETCH(int, onScreen);
        QFETCH(bool, selected);
        QFETCH(bool, locked);
        std::unique_ptr<Wall> scene;
        std::unique_ptr<DisplayWall> host;
        QRect expected;
        if (display) {      // screens: 1 the top-left quarter, 2 the bottom half
            host = std::make_unique<DisplayWall>();
            const StructScaleRect place = name == "Screen 1" ? rect(0, 0, 0.5, 0.5) : rect(0, 0.5, 1, 1);
            const QWidget* viewport = host->screen(qMax(onScreen, 0))->viewport();
            expected = onScreen < 0 ? globalOf(&host->wall, host->wall.rect(), place)
                                    : globalOf(viewport, viewport->rect(), scale);
        } else {
            scene = std::make_unique<Wall>(2, 2, QSize(800, 400));
            furnishScene(*scene);
            const QRect parent = onScreen < 0 ? QRect(0, 0, 800, 400) : QRect(onScreen * 400, 0, 400, 400);
            expected = globalOf(scene->viewport(), parent, scale);
        }
        QWidget* const top = display ? static_cast<QWidget*>(&host->wall) : scene->get();
        const Found found = walkFrom(top, display ? 3 : 2);
        QCOMPARE(itemNames(found).size(), 6);
        QAccessibleInterface* item = found.value(name);
        QVERIFY2(item, qPrintable(itemNames(found).join(QLatin1String(" | "))));

        QCOMPARE(item->role(), onScreen < 0 ? QAccessible::Grouping : QAccessible::Window);
        QVERIFY2(near(item->rect(), expected), qPrintable(show(item->rect()) + " != " + show(expected)));
        QCOMPARE(bool(item->state().selected), selected);
        QCOMPARE(bool(item->state().readOnly), locked);
        QVERIFY(item->state().selectable);
        // Either wall is the root, named before the host names it.
        QCOMPARE(found.value(QStringLiteral("TV wall"), nullptr), nullptr);
        QCOMPARE(QAccessible::queryAccessibleInterface(top)->text(QAccessible::Name), QStringLiteral("TV wall"));
    }

    // After the host deletes a window, the next walk shows the later windows renumbered.
    void deletionRenumbers()
    {
        Wall wall(2, 2, QSize(800, 400));
        furnishScene(wall);
        QVERIFY(wall->DeleteWindow(1, 0));
        const Found found = walkFrom(wall.get(), 2);
        QCOMPARE(itemNames(found), QStringList({"Screen 1", "Screen 2", "Window 1 on screen 1", "Window 1 on screen 2",
                                                "Window 2 on screen 2: Lobby"}));
        QVERIFY(found.value(QStringLiteral("Window 1 on screen 2"))->state().selected);
        wall->DeleteAllWindows();
        QCOMPARE(itemNames(walkFrom(wall.get(), 2)), QStringList({"Screen 1", "Screen 2"}));
    }

    // A window's description tells its rectangle; the point in its middle leads from the wall to it.
    // The painted title buttons of a free window are push buttons with names, placed on its bar;
    // a locked window shows none.
    void descriptionHitTestAndTitleButtons()
    {
        Wall wall(2, 2, QSize(800, 400));
        furnishScene(wall);
        const Found found = walkFrom(wall.get(), 3);
        QAccessibleInterface* gate = found.value(QStringLiteral("Window 1 on screen 2: Gate east"));
        QAccessibleInterface* lobby = found.value(QStringLiteral("Window 3 on screen 2: Lobby"));
        QVERIFY(gate && lobby);
        QCOMPARE(lobby->text(QAccessible::Description),
                 QStringLiteral("Left 0.250, top 0.250, right 0.750, bottom 0.750"));
        const QPoint middle = lobby->rect().center();
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(wall.get());
        QAccessibleInterface* screen = root->childAt(middle.x(), middle.y());
        QVERIFY(screen);
        QCOMPARE(screen->text(QAccessible::Name), QStringLiteral("Screen 2"));
        QCOMPARE(screen->childAt(middle.x(), middle.y()), lobby);      // opened last: in front
        QStringList names;
        for (int i = 0; i < gate->childCount(); ++i) {
            QAccessibleInterface* button = gate->child(i);
            QCOMPARE(button->role(), QAccessible::PushButton);
            QVERIFY(!button->text(QAccessible::Description).isEmpty());
            QVERIFY2(gate->rect().contains(button->rect()), qPrintable(show(button->rect())));
            QCOMPARE(button->rect().top() - gate->rect().top() < 24, true);     // on the title bar
            QCOMPARE(gate->childAt(button->rect().center().x(), button->rect().center().y()), button);
            names << button->text(QAccessible::Name);
        }
        QVERIFY2(names.contains("Close") && names.contains("Maximise") && names.contains("Volume"),
                 qPrintable(names.join(QLatin1Char(','))));
        QCOMPARE(lobby->childCount(), 0);
    }

    // What the operator and the host do to the wall reaches assistive tools as events about the
    // right item, named as it stands when the event is sent (a deleted window before it goes).
    void changesAreAnnounced_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("heard");     // state and name
        const int changed = QAccessible::StateChanged, destroyed = QAccessible::ObjectDestroyed;
        const int created = QAccessible::ObjectCreated, renamed = QAccessible::NameChanged;
        QTest::newRow("click selects") << "click" << changed << "selected Window 1 on screen 1";
        QTest::newRow("click deselects") << "click" << changed << "selected Window 2 on screen 2";
        QTest::newRow("click selects screen") << "click" << changed << "selected Screen 1";
        QTest::newRow("drag") << "drag" << int(QAccessible::LocationChanged) << "Window 1 on screen 1";
        QTest::newRow("rename") << "rename" << renamed << "Window 2 on screen 2: Dock";
        QTest::newRow("lock window") << "lock" << changed << "readOnly Window 1 on screen 2: Gate east";
        QTest::newRow("lock screen") << "lock screen" << changed << "readOnly Screen 2";
        QTest::newRow("delete") << "delete" << destroyed << "Window 1 on screen 2: Gate east";
        QTest::newRow("delete renumbers") << "delete" << renamed << "Window 1 on screen 2";
        QTest::newRow("delete screens") << "delete screens" << destroyed << "Screen 2";
        QTest::newRow("open") << "open" << created << "Window 2 on screen 1";
        QTest::newRow("add screen") << "add screen" << created << "Screen 3";
        QTest::newRow("tab") << "tab" << int(QAccessible::Focus) << "Window 3 on screen 2: Lobby";
    }

    void changesAreAnnounced()
    {
        QFETCH(QString, action);
        QFETCH(int, type);
        QFETCH(QString, heard);
        const KitraTest::AccessibilityOn listening(hear);     // the wall goes while tools listen, too
        Wall wall(2, 2, QSize(800, 400));
        furnishScene(wall);
        wall->setFocus();
        heardEvents.clear();
        const QMap<QString, std::function<void()>> actions{
            {"click", [&] { KitraTest::click(wall.viewport(), wall.bodyOf(0, 0)); }},
            {"drag", [&] { KitraTest::drag(wall.viewport(), wall.bodyOf(0, 0), wall.bodyOf(0, 0) - QPoint(30, 20)); }},
            {"rename", [&] { wall->SetWindowContentText(1, 1, QStringLiteral("Dock")); }},
            {"lock", [&] { wall->SetWindowScale(1, 0, rect(0, 0, 0.4, 0.4, false)); }},
            {"lock screen", [&] { wall->SetScreenFreeMode(1, false); }},
            {"delete", [&] { wall->DeleteWindow(1, 0); }},
            {"delete screens", [&] { wall->DeleteAllScreen(); }},
            {"open", [&] { wall->OpenWindow(0, rect(0, 0, 0.5, 0.5), {}); }},
            {"add screen", [&] { wall.addScreen(rect(0, 0, 0.25, 0.25)); }},
            {"tab", [&] { QTest::keyClick(wall.get(), Qt::Key_Tab); }}};
        actions.value(action)();
        const QString expected = QStringLiteral("%1 %2").arg(type).arg(heard);
        QVERIFY2(heardEvents.contains(expected), qPrintable(heardEvents.join(" | ")));
    }

    // Deleting a window renumbers the later ones; a new content text renames its window.
    void displayWallRenumbersAndRetitles()
    {
        DisplayWall host;
        QVERIFY(host.wall.DeleteWindow(1, 0));
        host.wall.SetWindowContentText(0, 0, QStringLiteral("North"));
        QCOMPARE(itemNames(walkFrom(&host.wall, 3)),
                 QStringList({"Screen 1", "Screen 2", "Window 1 on screen 1: North", "Window 1 on screen 2",
                              "Window 2 on screen 2: Lobby"}));
        QVERIFY(walkFrom(&host.wall, 3).value(QStringLiteral("Window 1 on screen 2"))->state().selected);
        QCOMPARE(host.wall.AddScreen(rect(0.5, 0, 1, 0.5), QVariant(2)), 2);
        QVERIFY(itemNames(walkFrom(&host.wall, 3)).contains(QStringLiteral("Screen 3")));
    }

    // Every title-bar and PTZ button of a display window has its own name and a description.
    void displayWallButtonsAreNamed()
    {
        DisplayWall host;
        ZtTVWallDisplayWindow* window = host.screen(1)->GetWindow(1);
        window->resize(400, 300);     // room for the PTZ controls
        window->SetPTZBtn(true);
        QStringList names;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
            QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(button->objectName()));
            QVERIFY2(!iface->text(QAccessible::Description).isEmpty(), qPrintable(button->objectName()));
            names << iface->text(QAccessible::Name);
        }
        for (const char* expected : {"Close", "Maximise", "Up", "Down", "Up left", "Down right", "Zoom in", "Speed"})
            QVERIFY2(names.contains(QLatin1String(expected)), expected);
    }
};

QTEST_MAIN(tst_WallAccessible)
#include "tst_wallaccessible.moc"
