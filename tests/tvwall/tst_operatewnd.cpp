// The facade as a host drives it: every call answers from the wall of the shown mode (or fails
// the same way without one), the walls' signals come out once each with the same arguments, and
// the display mode zooms and pans its wall inside the facade.
#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtTVWallDisplayEagleEye.h"
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallOperateWnd.h"

#include <memory>

using namespace ZtGUI;

namespace {

const StructScaleRect kWhole(0, 0, 1, 1);

std::unique_ptr<ZtTVWallOperateWnd> shownFacade(int mode)
{
    auto op = std::make_unique<ZtTVWallOperateWnd>();
    op->resize(800, 600);
    op->SetShowMode(mode);
    op->SetTVWallGridCount(2, 2);
    op->show();
    if (!QTest::qWaitForWindowExposed(op.get()))
        return nullptr;
    return op;
}

/// A display wall places screens added after it was shown on its next resize, as a host's does.
void addWholeScreen(ZtTVWallOperateWnd* op)
{
    op->AddScreen(kWhole, QVariant());
    op->resize(op->size() + QSize(1, 0));
    op->resize(op->size() - QSize(1, 0));
}

/// The widget a real pointer at `pos` of the facade would reach, and the position there.
QPair<QWidget*, QPoint> under(QWidget* top, const QPoint& pos)
{
    QWidget* target = top->childAt(pos);
    target = target ? target : top;
    return { target, target->mapFrom(top, pos) };
}

void dragOn(QWidget* top, const QPoint& from, const QPoint& to)
{
    const auto start = under(top, from);
    KitraTest::press(start.first, start.second);
    KitraTest::move(start.first, start.second + (to - from) / 2);
    KitraTest::move(start.first, start.second + (to - from));
    KitraTest::release(start.first, start.second + (to - from));
}

} // namespace

class tst_OperateWnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString skin = QStringLiteral("DustyBlue");
        QString dir = QCoreApplication::applicationDirPath();
        SetSkinVersion(skin);
        ZtDir::SetCurrentPath(dir);
        KitraTest::failOnUnexpectedWarnings();
    }

    void withoutItsWallEveryCallFails_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("wallMode");
        QTest::newRow("before any mode") << -1 << -1;
        QTest::newRow("mode 5 over a scene wall") << 5 << 0;
        QTest::newRow("mode 5 over a display wall") << 5 << 1;
    }
    void withoutItsWallEveryCallFails()
    {
        QFETCH(int, mode);
        QFETCH(int, wallMode);
        ZtTVWallOperateWnd op;
        if (wallMode >= 0) {
            op.SetShowMode(wallMode);
            op.SetTVWallGridCount(2, 2);
            QCOMPARE(op.AddScreen(kWhole, QVariant(7)), 0);
            QCOMPARE(op.OpenWindow(0, StructScaleRect(0, 0, 0.5, 0.5), QVariant(3)), 0);
        }
        if (mode >= 0)
            op.SetShowMode(mode);
        const int children = op.findChildren<QWidget*>().size();

        op.SetTVWallGridCount(3, 3);
        QCOMPARE(op.GetRowCount(), 0);
        QCOMPARE(op.GetTVWallRect(), QRect());
        QCOMPARE(op.AddScreen(kWhole, QVariant()), -1);
        QCOMPARE(op.GetScreenCount(), 0);
        QCOMPARE(op.GetScreenUserData(0), QVariant());
        StructScaleRect scale(0.1, 0.1, 0.2, 0.2);
        QVERIFY(!op.GetScreenScale(0, scale));
        QVERIFY(!op.GetWindowScale(0, 0, scale));
        QCOMPARE(scale.dLeft, 0.1);
        QCOMPARE(op.GetSelectedScreenIndex(), -1);
        QCOMPARE(op.OpenWindow(0, kWhole, QVariant()), -1);
        QVERIFY(!op.DeleteWindow(0, 0));
        QCOMPARE(op.GetWindowCount(0), 0);
        QVERIFY(op.GetAllWindowIndexs(0).isEmpty());
        QCOMPARE(op.GetWindowUserData(0, 0), QVariant());
        QCOMPARE(op.GetWindowScalePrecision(), 0.0);
        QCOMPARE(op.GetWindowZValue(0, 0), 0);
        QCOMPARE(op.GetMaxWindowZValue(0), 0);
        QCOMPARE(op.GetWindowSelectionMode(), ZtTVWallOperateWnd::NoSelection);
        QVERIFY(op.IsScreenFreeMode(12));
        QVERIFY(!op.DeleteAllScreen());
        int rows = -7, cols = -7, window = -7, z = -7;
        op.GetScreenGrid(0, rows, cols);
        op.GetMaxWindowZValue(0, window, z);
        QCOMPARE(QList<int>({ rows, cols, window, z }), QList<int>({ -7, -7, -7, -7 }));
        std::vector<StructOSDInfo> osd(1);
        QVERIFY(!op.SetScreenOSDInfo(0, osd));
        QCOMPARE(op.GetWindowWidget(0, 0), nullptr);
        QCOMPARE(op.findChildren<QWidget*>().size(), children);

        if (wallMode >= 0) {    // the wall kept everything for when its mode comes back
            op.SetShowMode(wallMode);
            QCOMPARE(op.GetScreenCount(), 1);
            QCOMPARE(op.GetWindowUserData(0, 0), QVariant(3));
        }
    }

    void switchingModesKeepsOrReplacesTheWall()
    {
        ZtTVWallOperateWnd op;
        op.SetShowMode(0);
        op.SetTVWallGridCount(2, 2);
        op.AddScreen(kWhole, QVariant());
        QPointer<ZtTVWallNormalWnd> scene = op.findChild<ZtTVWallNormalWnd*>();
        op.SetShowMode(0);
        QCOMPARE(op.findChild<ZtTVWallNormalWnd*>(), scene.data());
        QCOMPARE(op.GetScreenCount(), 1);

        op.SetShowMode(1);
        QVERIFY(!op.findChild<ZtTVWallNormalWnd*>());
        QCOMPARE(op.findChildren<ZtTVWallDisplayWnd*>().size(), 1);
        QCOMPARE(op.GetScreenCount(), 0);
        QVERIFY(op.IsScreenFreeMode(0));
        op.SetShowMode(0);
        QVERIFY(!op.findChild<ZtTVWallDisplayWnd*>());
        QVERIFY(!op.findChild<ZtTVWallDisplayEagleEye*>());
        QVERIFY(op.findChild<ZtTVWallNormalWnd*>() != scene.data());
        QCOMPARE(op.GetScreenCount(), 0);
        QTRY_VERIFY(!scene);    // the dropped walls are deleted, not leaked
    }

    void sceneWallAnswersItsOwnWay()
    {
        ZtTVWallOperateWnd op;
        op.SetShowMode(0);
        op.SetTVWallGridCount(2, 2);
        op.AddScreen(kWhole, QVariant());
        op.OpenWindow(0, StructScaleRect(0, 0, 0.5, 0.5), QVariant());
        op.OpenWindow(0, StructScaleRect(0.5, 0.5, 1, 1), QVariant());
        op.findChild<ZtTVWallNormalWnd*>()->SetWindowZValue(0, 1, 3.7);
        QCOMPARE(op.GetWindowZValue(0, 1), 3);
        QCOMPARE(op.GetMaxWindowZValue(0), 3);
        QVERIFY(op.SetWindowZValue(0, 0, 5, false));
        QCOMPARE(op.GetMaxWindowZValue(0), 5);

        op.SetSelectedWindowIndexs(0, 1, false);    // the scene wall selects whatever the flag says
        QCOMPARE(op.GetSelectedWindowIndexs(), QList<int>({ 1 }));
        op.SetScreenFreeMode(0, false);
        QVERIFY(!op.IsScreenFreeMode(0));

        op.SetWindowLockBtn(0, 0, true);
        op.SetWindowTourBtn(0, 0, true);
        QVERIFY(!op.GetWindowLockBtnStatus(0, 0));
        QVERIFY(!op.GetWindowTourBtnStatus(0, 0));
        op.SetTVWallLockStatus(true);
        QVERIFY(!op.GetTVWallLockStatus());
        QVERIFY(!op.SetScreenWindowColor(0, Qt::red, true));
    }

    void displayWallTakesItsOwnCalls()
    {
        ZtTVWallOperateWnd op;
        op.SetShowMode(1);
        op.SetTVWallGridCount(4, 4);
        op.AddScreen(StructScaleRect(0, 0, 0.5, 0.75), QVariant());
        int rows = 0, cols = 0;
        op.GetScreenGrid(0, rows, cols);
        QCOMPARE(QList<int>({ rows, cols }), QList<int>({ 3, 2 }));
        op.OpenWindow(0, StructScaleRect(0, 0, 0.5, 0.5), QVariant(11));
        op.OpenWindow(0, StructScaleRect(0.5, 0, 1, 0.5), QVariant(12));
        QCOMPARE(op.GetAllWindowUserDatas(0), QList<int>({ 11, 12 }));
        op.SetWindowLockBtn(0, 1, true);
        QVERIFY(op.GetWindowLockBtnStatus(0, 1));
        QVERIFY(op.SetWindowZValue(0, 0, 4, true));
        int window = -1, z = -1;
        op.GetMaxWindowZValue(0, window, z);
        QCOMPARE(QList<int>({ window, z }), QList<int>({ 0, 4 }));
        op.SetSelectedWindowIndexs(0, 1, true);
        op.SetSelectedScreenIndex(0);
        QCOMPARE(op.GetSelectedWindowIndexs(), QList<int>({ 1 }));
        op.SetSelectedWindowIndexs(0, 1, false);
        QVERIFY(op.GetSelectedWindowIndexs().isEmpty());
        op.SetTVWallLockStatus(true);
        QVERIFY(op.GetTVWallLockStatus());
        QVERIFY(op.SetScreenWindowColor(0, Qt::red, true));
        QVERIFY(op.GetWindowWidget(0, 0));
    }

    // A drawn area reaches the host once, with the wall's own arguments, in either mode.
    void drawnAreaIsRelayedOnce_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("scene wall") << 0;
        QTest::newRow("display wall") << 1;
    }
    void drawnAreaIsRelayedOnce()
    {
        QFETCH(int, mode);
        auto op = shownFacade(mode);
        QVERIFY(op);
        addWholeScreen(op.get());
        const auto fromWall = mode == 0
            ? std::make_unique<QSignalSpy>(op->findChild<ZtTVWallNormalWnd*>(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow)
            : std::make_unique<QSignalSpy>(op->findChild<ZtTVWallDisplayWnd*>(), &ZtTVWallDisplayWnd::SignalDrawAreaOpenWindow);
        QSignalSpy relayed(op.get(), &ZtTVWallOperateWnd::SignalDrawAreaOpenWindow);
        QSignalSpy selected(op.get(), &ZtTVWallOperateWnd::SignalScreenSelectedChanged);
        dragOn(op.get(), QPoint(200, 150), QPoint(400, 300));
        QCOMPARE(relayed.count(), 1);
        QCOMPARE(fromWall->count(), 1);
        QCOMPARE(relayed.at(0).at(0), QVariant(0));
        QVERIFY(relayed.at(0).at(1).value<StructScaleRect>().IsEqual(fromWall->at(0).at(1).value<StructScaleRect>(), 1e-9));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0), QVariant(0));
    }

    // 800 x 600 zoomed three notches around its centre: 2700 x 2025 at (-950, -712); then at most
    // ten times the facade, and back to the facade's size and origin.
    void wheelZoomsTheDisplayWallAroundThePointer()
    {
        auto op = shownFacade(1);
        QVERIFY(op);
        addWholeScreen(op.get());
        QWidget* wall = op->findChild<ZtTVWallDisplayWnd*>();
        QCOMPARE(wall->geometry(), QRect(0, 0, 800, 600));
        const auto wheelAt = [&](QPoint pos, int notches) { KitraTest::wheel(op.get(), pos, notches); };
        wheelAt(QPoint(400, 300), 3);
        QCOMPARE(wall->geometry(), QRect(-950, -712, 2700, 2025));
        wheelAt(QPoint(400, 300), 10);
        QCOMPARE(wall->size(), QSize(8000, 6000));
        QVERIFY(wall->x() <= 0 && wall->x() + wall->width() >= 800);
        wheelAt(QPoint(0, 0), -1);
        QCOMPARE(wall->size(), QSize(5333, 4000));
        wheelAt(QPoint(700, 500), -20);
        QCOMPARE(wall->geometry(), QRect(0, 0, 800, 600));

        // A resize keeps the zoom relative to the new size.
        wheelAt(QPoint(400, 300), 1);
        op->resize(400, 300);
        QTRY_COMPARE(wall->size(), QSize(600, 450));
        QVERIFY(wall->x() <= 0 && wall->x() + wall->width() >= 400);
    }

    void overviewLocatesAndStaysInTheCorner()
    {
        auto op = shownFacade(1);
        QVERIFY(op);
        auto* overview = op->findChild<ZtTVWallDisplayEagleEye*>();
        QVERIFY(overview);
        QCOMPARE(overview->geometry().bottomRight(), QPoint(799, 599));
        QWidget* wall = op->findChild<ZtTVWallDisplayWnd*>();
        KitraTest::wheel(op.get(), QPoint(400, 300), 2);    // 1800 x 1350
        QVERIFY(QMetaObject::invokeMethod(op.get(), "OnEagleEyeLocated", Q_ARG(float, 0.25f), Q_ARG(float, 0.9f)));
        QCOMPARE(wall->pos(), QPoint(-450, 600 - 1350));     // y clamped at the bottom edge
        op->resize(640, 480);
        QTRY_COMPARE(overview->geometry().bottomRight(), QPoint(639, 479));
    }

    // A host may drop the facade, or switch its mode, from a slot of a relayed signal.
    void hostMayDropTheWallFromItsSignal_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("deleteFacade");
        QTest::newRow("scene wall, facade deleted") << 0 << true;
        QTest::newRow("scene wall, mode switched") << 0 << false;
        QTest::newRow("display wall, facade deleted") << 1 << true;
        QTest::newRow("display wall, mode switched") << 1 << false;
    }
    void hostMayDropTheWallFromItsSignal()
    {
        QFETCH(int, mode);
        QFETCH(bool, deleteFacade);
        auto op = shownFacade(mode);
        QVERIFY(op);
        addWholeScreen(op.get());
        QPointer<ZtTVWallOperateWnd> alive(op.get());
        connect(op.get(), &ZtTVWallOperateWnd::SignalScreenSelectedChanged, this, [&] {
            if (deleteFacade)
                op.reset();
            else
                op->SetShowMode(1 - mode);
        });
        const auto target = under(op.get(), QPoint(300, 300));
        QPointer<QWidget> receiver(target.first);
        KitraTest::press(target.first, target.second);
        if (receiver)
            KitraTest::release(target.first, target.second);
        QCOMPARE(alive.isNull(), deleteFacade);
        if (!deleteFacade)
            QCOMPARE(op->GetScreenCount(), 0);
    }
};

QTEST_MAIN(tst_OperateWnd)
#include "tst_operatewnd.moc"
