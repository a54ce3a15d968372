// The facade as a host drives it: every call answers from the wall of the shown mode (or fails
// the same way without one), the walls' signals come out once each with the same arguments, the
// display mode zooms and pans its wall inside the facade, random use keeps it consistent, and
// saved layouts go to JSON and back onto either wall, refusing faulty input with one warning.
#include "RandomUse.h"

#include "ZtTVWallDisplayEagleEye.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallLayout.h"

#include <QJsonDocument>

using namespace ZtGUI;
using namespace SceneWallTest;

namespace {

const StructScaleRect kWhole(0, 0, 1, 1);

/// A shown facade with one whole screen on a 2 x 2 grid. A display wall places screens added after
/// it was shown on its next resize, as a host's does.
std::unique_ptr<ZtTVWallOperateWnd> withScreen(int mode)
{
    auto op = shownFacade(mode);
    if (op) {
        op->SetTVWallGridCount(2, 2);
        op->AddScreen(kWhole, QVariant());
        op->resize(op->size() + QSize(1, 0));
        op->resize(op->size() - QSize(1, 0));
    }
    return op;
}

// What is wrong with the facade, if anything.
QString problemIn(ZtTVWallOperateWnd* op)
{
    const int screens = op->GetScreenCount();
    if (op->GetSelectedScreenIndex() < -1 || op->GetSelectedScreenIndex() >= screens)
        return "selected screen out of range";
    for (int s = 0; s < screens; ++s) {
        if (!dense(op->GetAllWindowIndexs(s), op->GetWindowCount(s)))
            return QString("screen %1 numbers its windows with gaps").arg(s);
        for (int w = 0; w < op->GetWindowCount(s); ++w) {
            StructScaleRect r;
            if (!op->GetWindowScale(s, w, r) || r.dLeft < -1e-6 || r.dTop < -1e-6 || r.dRight > 1 + 1e-6
                || r.dBottom > 1 + 1e-6 || r.dLeft >= r.dRight || r.dTop >= r.dBottom)
                return QString("window %1 of screen %2 outside its screen").arg(w).arg(s);
        }
    }
    const auto scene = op->findChildren<ZtTVWallNormalWnd*>();
    const auto display = op->findChildren<ZtTVWallDisplayWnd*>();
    if (scene.size() + display.size() > 1)
        return "more than one wall";
    if (display.size() == 1 && op->GetTVWallRect().isValid()) {
        const QRect g = display.first()->geometry();
        if (g.left() > 0 || g.top() > 0 || g.right() < op->width() - 1 || g.bottom() < op->height() - 1
            || g.width() > op->width() * 10)
            return QString("display wall at %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    return QString();
}

struct Opaque
{
    int value = 0;
    // Qt 6 compares variants of a custom type only through the type's own operator==.
    bool operator==(const Opaque& other) const { return value == other.value; }
};

/// The scene wall, two screens on a 3 x 4 grid; the second carries three windows whose stacking
/// differs from their opening order, one with its volume on, one not free.
void furnish(ZtTVWallOperateWnd& op)
{
    op.SetShowMode(0);
    op.SetTVWallGridCount(3, 4);
    op.AddScreen(StructScaleRect(0, 0, 0.5, 1.0 / 3), QVariant(11));
    op.AddScreen(StructScaleRect(0.5, 0, 1, 1), QVariant(QStringLiteral("east")));
    op.OpenWindow(0, StructScaleRect(0, 0, 1, 1), QVariant(100));
    op.OpenWindow(1, StructScaleRect(0.1, 0.1, 0.6, 0.5), QVariant(200));
    op.OpenWindow(1, StructScaleRect(0.25, 0.3, 0.75, 0.9, false), QVariant(201));
    op.OpenWindow(1, StructScaleRect(0.5, 0.5, 1, 1), QVariant(202));
    op.SetWindowZValue(1, 0, 9, false);
    op.SetWindowVolumeBtn(1, 2, true);
}

/// The layout `op` shows after `json` was applied, or an invalid one when ApplyLayout did not
/// return the wall's window numbers.
ZtTVWallLayout appliedAndReadBack(ZtTVWallOperateWnd& op, const QByteArray& json)
{
    const QVector<QVector<int>> numbers = op.ApplyLayout(ZtTVWallLayout::fromJson(json));
    bool same = numbers.size() == op.GetScreenCount();
    for (int s = 0; s < numbers.size(); ++s)
        same = same && numbers.at(s).toList() == op.GetAllWindowIndexs(s);
    return same ? op.GetLayout() : ZtTVWallLayout();
}

/// `json`, compacted, with `from` replaced by `to`; empty, and so refused, when `from` is not there.
QByteArray edited(const QByteArray& json, const QByteArray& from, const QByteArray& to)
{
    QByteArray compact = QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact);
    return compact.contains(from) ? compact.replace(from, to) : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Opaque)

class tst_OperateWnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useSkin(); KitraTest::failOnUnexpectedWarnings(); }

    // Without a wall (before any mode, or in mode 5) every call fails alike and changes nothing;
    // with one, the same calls answer each wall's way: z-values, selection flags, locks, colours. A
    // mode switch keeps the wall of the same mode (and, under mode 5, everything on it) and replaces,
    // and deletes, the other.
    void eachWallAnswersItsOwnWay()
    {
        ZtTVWallOperateWnd op;
        const auto everyCallFails = [&op] {
            const int children = op.findChildren<QWidget*>().size();
            op.SetTVWallGridCount(3, 3);
            StructScaleRect scale(0.1, 0.1, 0.2, 0.2);
            std::vector<StructOSDInfo> osd(1);
            int rows = -7, cols = -7, window = -7, z = -7;
            op.GetScreenGrid(0, rows, cols);
            op.GetMaxWindowZValue(0, window, z);
            const QVariantList answers{
                op.GetRowCount(), op.GetTVWallRect(), op.AddScreen(kWhole, QVariant()), op.GetScreenCount(),
                op.GetScreenUserData(0), op.GetScreenScale(0, scale), op.GetWindowScale(0, 0, scale), scale.dLeft,
                op.GetSelectedScreenIndex(), op.OpenWindow(0, kWhole, QVariant()), op.DeleteWindow(0, 0),
                op.GetWindowCount(0), op.GetAllWindowIndexs(0).size(), op.GetWindowUserData(0, 0),
                op.GetWindowScalePrecision(), op.GetWindowZValue(0, 0), op.GetMaxWindowZValue(0),
                int(op.GetWindowSelectionMode()), op.IsScreenFreeMode(12), op.DeleteAllScreen(),
                op.SetScreenOSDInfo(0, osd), op.GetWindowWidget(0, 0) == nullptr, rows, cols, window, z,
                op.findChildren<QWidget*>().size() - children};
            QCOMPARE(answers, (QVariantList{0, QRect(), -1, 0, QVariant(), false, false, 0.1, -1, -1, false, 0, 0,
                                            QVariant(), 0.0, 0, 0, int(ZtTVWallOperateWnd::NoSelection), true,
                                            false, false, true, -7, -7, -7, -7, 0}));
        };
        everyCallFails();
        op.SetShowMode(0);
        op.SetTVWallGridCount(2, 2);
        op.AddScreen(kWhole, QVariant());
        op.OpenWindow(0, StructScaleRect(0, 0, 0.5, 0.5), QVariant());
        op.OpenWindow(0, StructScaleRect(0.5, 0.5, 1, 1), QVariant(3));
        QPointer<ZtTVWallNormalWnd> scene = op.findChild<ZtTVWallNormalWnd*>();
        scene->SetWindowZValue(0, 1, 3.7);
        QCOMPARE(Ids({op.GetWindowZValue(0, 1), op.GetMaxWindowZValue(0)}), Ids({3, 3}));
        QVERIFY(op.SetWindowZValue(0, 0, 5, false));
        QCOMPARE(op.GetMaxWindowZValue(0), 5);
        op.SetSelectedWindowIndexs(0, 1, false);      // the scene wall selects whatever the flag says
        QCOMPARE(op.GetSelectedWindowIndexs(), Ids{1});
        op.SetScreenFreeMode(0, false);
        op.SetWindowLockBtn(0, 0, true);
        op.SetWindowTourBtn(0, 0, true);
        op.SetTVWallLockStatus(true);
        QCOMPARE((QVariantList{op.IsScreenFreeMode(0), op.GetWindowLockBtnStatus(0, 0), op.GetWindowTourBtnStatus(0, 0),
                               op.GetTVWallLockStatus(), op.SetScreenWindowColor(0, Qt::red, true)}),
                 (QVariantList{false, false, false, false, false}));
        op.SetShowMode(5);
        everyCallFails();
        op.SetShowMode(0);
        QCOMPARE(op.findChild<ZtTVWallNormalWnd*>(), scene.data());
        QCOMPARE((QVariantList{op.GetScreenCount(), op.GetWindowUserData(0, 1)}), (QVariantList{1, 3}));

        op.SetShowMode(1);
        QCOMPARE(op.findChildren<ZtTVWallDisplayWnd*>().size(), 1);
        QCOMPARE((QVariantList{op.GetScreenCount(), op.IsScreenFreeMode(0)}), (QVariantList{0, true}));
        op.SetTVWallGridCount(4, 4);
        op.AddScreen(StructScaleRect(0, 0, 0.5, 0.75), QVariant());
        op.OpenWindow(0, StructScaleRect(0, 0, 0.5, 0.5), QVariant(11));
        op.OpenWindow(0, StructScaleRect(0.5, 0, 1, 0.5), QVariant(12));
        op.SetWindowLockBtn(0, 1, true);
        op.SetTVWallLockStatus(true);
        QVERIFY(op.SetWindowZValue(0, 0, 4, true));
        int rows = 0, cols = 0, window = -1, z = -1;
        op.GetScreenGrid(0, rows, cols);
        op.GetMaxWindowZValue(0, window, z);
        QCOMPARE(Ids({rows, cols, window, z}), Ids({3, 2, 0, 4}));
        QCOMPARE(op.GetAllWindowUserDatas(0), Ids({11, 12}));
        op.SetSelectedWindowIndexs(0, 1, true);
        op.SetSelectedScreenIndex(0);
        QCOMPARE(op.GetSelectedWindowIndexs(), Ids{1});
        op.SetSelectedWindowIndexs(0, 1, false);
        QCOMPARE((QVariantList{op.GetSelectedWindowIndexs().size(), op.GetWindowLockBtnStatus(0, 1),
                               op.GetTVWallLockStatus(), op.SetScreenWindowColor(0, Qt::red, true),
                               op.GetWindowWidget(0, 0) != nullptr}),
                 (QVariantList{0, true, true, true, true}));
        op.SetShowMode(5);
        everyCallFails();
        op.SetShowMode(1);
        QCOMPARE(op.GetAllWindowUserDatas(0), Ids({11, 12}));

        op.SetShowMode(0);
        QVERIFY(!op.findChild<ZtTVWallDisplayWnd*>() && !op.findChild<ZtTVWallDisplayEagleEye*>());
        QVERIFY(op.findChild<ZtTVWallNormalWnd*>() != scene.data());
        QCOMPARE(op.GetScreenCount(), 0);
        QTRY_VERIFY(!scene);    // the dropped walls are deleted, not leaked
    }

    // 800 x 600 zoomed three notches around its centre: 2700 x 2025 at (-950, -712); then at most
    // ten times the facade, and back to the facade's size and origin. The wheel itself is the
    // host's to wire: a wheel event alone zooms nothing.
    void wheelZoomsTheDisplayWallAroundThePointer()
    {
        auto op = withScreen(1);
        QVERIFY(op);
        QWidget* wall = op->findChild<ZtTVWallDisplayWnd*>();
        QCOMPARE(wall->geometry(), QRect(0, 0, 800, 600));
        KitraTest::wheel(op.get(), QPoint(400, 300), 3);
        QCOMPARE(wall->geometry(), QRect(0, 0, 800, 600));
        // As a host calls the zoom slot, with a point of the facade mapped into the wall.
        const auto zoom = [&op, wall](const QPoint& at, int notches) {
            for (int i = 0; i < qAbs(notches); ++i) {
                QVERIFY(QMetaObject::invokeMethod(op.get(), "OnWheelEvent", Q_ARG(int, notches > 0 ? 120 : -120),
                                                  Q_ARG(QPoint, wall->mapFrom(op.get(), at))));
            }
        };
        zoom(QPoint(400, 300), 3);
        QCOMPARE(wall->geometry(), QRect(-950, -712, 2700, 2025));
        zoom(QPoint(400, 300), 10);
        QCOMPARE(wall->size(), QSize(8000, 6000));
        zoom(QPoint(0, 0), -1);
        QCOMPARE(wall->size(), QSize(5333, 4000));
        zoom(QPoint(700, 500), -20);
        QCOMPARE(wall->geometry(), QRect(0, 0, 800, 600));
        zoom(QPoint(400, 300), 2);    // 1800 x 1350
        // The overview locates the wall, clamped at the facade's edges.
        QVERIFY(QMetaObject::invokeMethod(op.get(), "OnEagleEyeLocated", Q_ARG(float, 0.25f), Q_ARG(float, 0.9f)));
        QCOMPARE(wall->pos(), QPoint(-450, 600 - 1350));
        // A resize keeps the zoom relative to the new size, and the overview in the corner.
        op->resize(400, 300);
        QTRY_COMPARE(wall->size(), QSize(900, 675));
        QCOMPARE(op->findChild<ZtTVWallDisplayEagleEye*>()->geometry().bottomRight(), QPoint(399, 299));
    }

    // A drawn area is relayed once; the host may delete the facade or switch its mode from a slot.
    void relayedSignalsReachTheHost_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("host");      // 0: listens, 1: deletes the facade, 2: switches its mode
        for (int mode : {0, 1})
            for (int host : {0, 1, 2})
                QTest::addRow("mode %d, host %d", mode, host) << mode << host;
    }
    void relayedSignalsReachTheHost()
    {
        QFETCH(int, mode);
        QFETCH(int, host);
        auto op = withScreen(mode);
        QVERIFY(op);
        QPointer<ZtTVWallOperateWnd> alive(op.get());
        QObject* wall = mode == 0 ? static_cast<QObject*>(op->findChild<ZtTVWallNormalWnd*>())
                                  : op->findChild<ZtTVWallDisplayWnd*>();
        QSignalSpy fromWall(wall, SIGNAL(SignalDrawAreaOpenWindow(int, ZtGUI::StructScaleRect)));
        QSignalSpy relayed(op.get(), &ZtTVWallOperateWnd::SignalDrawAreaOpenWindow);
        QSignalSpy selected(op.get(), &ZtTVWallOperateWnd::SignalScreenSelectedChanged);
        connect(op.get(), &ZtTVWallOperateWnd::SignalScreenSelectedChanged, this, [&] {
            if (host == 1)
                op.reset();
            else if (host == 2)
                op->SetShowMode(1 - mode);
        });
        // The widget a real pointer at (200, 150) of the facade reaches, and the position there.
        const QPointer<QWidget> target(op->childAt(200, 150) ? op->childAt(200, 150) : op.get());
        const QPoint start = target->mapFrom(op.get(), QPoint(200, 150));
        KitraTest::press(target, start);
        for (const QPoint& to : {start + QPoint(100, 75), start + QPoint(200, 150)}) {
            if (target)
                KitraTest::move(target, to);
        }
        if (target)
            KitraTest::release(target, start + QPoint(200, 150));
        QCOMPARE(alive.isNull(), host == 1);
        QCOMPARE(calls(selected), (Calls{{0}}));
        if (host == 0) {
            QCOMPARE(relayed.count(), 1);
            QCOMPARE(calls(relayed), calls(fromWall));
        }
        if (host == 2)
            QCOMPARE(op->GetScreenCount(), 0);
    }

    void randomUseKeepsTheFacadeConsistent()
    {
        auto op = withScreen(1);
        QVERIFY(op);
        op->resize(640, 400);
        ZtTVWallOperateWnd* facade = op.get();
        // The host closes what it is told about and opens what was drawn, as a real host does; an
        // area drawn flat or squeezed against the screen's edge has nothing to show.
        connect(facade, &ZtTVWallOperateWnd::SignalWindowCloseBtnClicked, facade, &ZtTVWallOperateWnd::DeleteWindow);
        connect(facade, &ZtTVWallOperateWnd::SignalDrawAreaOpenWindow, facade, [facade](int s, StructScaleRect r) {
            if (r.dRight > r.dLeft && r.dBottom > r.dTop)
                facade->OpenWindow(s, r, QVariant());
        });
        RandomUse<ZtTVWallOperateWnd>(facade, 20261207u).run(2500, [facade](bool) {
            return problemIn(facade);
        });
    }

    void sceneLayoutRebuildsTheDisplayWallAndComesBack()
    {
        auto scene = shownFacade(0);
        auto display = shownFacade(1);
        QVERIFY(scene && display);
        furnish(*scene);
        const ZtTVWallLayout original = scene->GetLayout();
        QCOMPARE(original.screens().at(1).windows.size(), 3);
        const ZtTVWallLayout onDisplay = appliedAndReadBack(*display, original.toJson());
        QVERIFY(onDisplay == original);
        // The display wall stacks its windows by their z-values: window 0, opened first, covers
        // window 1 where they overlap.
        QWidget* top = display->GetWindowWidget(1, 0);
        QWidget* below = display->GetWindowWidget(1, 1);
        const QRect overlap = QRect(top->mapTo(display.get(), QPoint()), top->size())
                              & QRect(below->mapTo(display.get(), QPoint()), below->size());
        QVERIFY(!overlap.isEmpty());
        QWidget* hit = display->childAt(overlap.center());
        QVERIFY(hit == top || top->isAncestorOf(hit));

        scene->SetTVWallGridCount(5, 5);    // what the layout replaces
        scene->OpenWindow(0, StructScaleRect(0, 0, 0.5, 0.5), QVariant(999));
        QVERIFY(appliedAndReadBack(*scene, onDisplay.toJson()) == original);
        QCOMPARE(scene->GetWindowZValue(1, 0), 9);
        QVERIFY(scene->GetWindowVolumeBtnStatus(1, 2));
    }

    void faultyInputIsRefusedWithOneWarning_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("warning");
        ZtTVWallOperateWnd scene;
        furnish(scene);
        const QByteArray good = scene.GetLayout().toJson();
        QTest::newRow("malformed JSON") << good.left(good.size() / 2) << "malformed JSON";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "malformed JSON";
        QTest::newRow("no version") << edited(good, ",\"version\":1", "") << "no format version";
        QTest::newRow("future version") << edited(good, "\"version\":1", "\"version\":2")
                                        << "format version 2 is newer than 1";
        QTest::newRow("no rows") << edited(good, "\"rows\":3", "\"rows\":\"3\"") << "\"rows\" is not an integer";
        QTest::newRow("rows 0") << edited(good, "\"rows\":3", "\"rows\":0") << "grid 0 x 4 is out of range";
        QTest::newRow("65 columns") << edited(good, "\"columns\":4", "\"columns\":65") << "grid 3 x 65 is out of range";
        QTest::newRow("window outside its screen") << edited(good, "[0.5,0.5,1,1]", "[0.5,0.5,1.01,1]")
                                                   << "window 2 lies outside screen 1";
        QTest::newRow("user data of no known type")
            << edited(good, "{\"type\":\"int\",\"value\":11}", "{\"type\":\"Opaque\",\"value\":1}")
            << "user data cannot be read";
    }
    void faultyInputIsRefusedWithOneWarning()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, warning);
        ZtTVWallOperateWnd op;
        furnish(op);
        const ZtTVWallLayout before = op.GetLayout();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("ZtTVWallLayout::fromJson: .*" + QRegularExpression::escape(warning)));
        const ZtTVWallLayout layout = ZtTVWallLayout::fromJson(json);
        QVERIFY(!layout.isValid() && layout.toJson().isEmpty());
        QVERIFY(op.ApplyLayout(layout).isEmpty());
        QVERIFY(op.GetLayout() == before);
    }

    void userDataKeepsItsKindThroughJson_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        const QVariantList list{1, QStringLiteral("2"), true, 2.5};
        const QVariantMap map{{"camera", 12}, {"tags", QStringList{"gate", "east"}}, {"list", list}};
        const auto same = [](const char* name, const QVariant& value) { QTest::newRow(name) << value << value; };
        same("int", 7);
        same("digits stay a string", "0042");
        same("double", 0.1);
        same("64-bit", Q_INT64_C(9007199254740993));
        same("bytes", QByteArray("\0\xff", 2));
        same("list", list);
        same("map", map);
        same("none", QVariant());
        QTest::newRow("unregistered type dropped") << QVariant::fromValue(Opaque{5}) << QVariant();
        QTest::newRow("inside a list, the whole list dropped")
            << QVariant(QVariantList{1, QVariant::fromValue(Opaque{5})}) << QVariant();
    }
    void userDataKeepsItsKindThroughJson()
    {
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        ZtTVWallOperateWnd scene, other;
        scene.SetShowMode(0);
        other.SetShowMode(0);
        scene.SetTVWallGridCount(1, 1);
        scene.AddScreen(StructScaleRect(0, 0, 1, 1), QVariant(1));
        scene.OpenWindow(0, StructScaleRect(0, 0, 1, 1), value);
        const ZtTVWallLayout layout = scene.GetLayout();
        QCOMPARE(layout.screens().at(0).windows.at(0).userData, value);
        const QByteArray dropped = "---ZtGUI--- ZtTVWallLayout::toJson: user data of window 0 on screen 0 (type "
                                   + QByteArray(value.typeName()) + ") left out: JSON cannot hold it";
        if (!expected.isValid() && value.isValid())
            QTest::ignoreMessage(QtWarningMsg, dropped.constData());
        QCOMPARE(other.ApplyLayout(ZtTVWallLayout::fromJson(layout.toJson())).size(), 1);
        const QVariant read = other.GetWindowUserData(0, 0);
        QCOMPARE(read.userType(), expected.userType());
        QCOMPARE(read, expected);
    }
};

QTEST_MAIN(tst_OperateWnd)
#include "tst_operatewnd.moc"
