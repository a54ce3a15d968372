// Thousands of random host calls through the facade, often with invalid numbers, interleaved
// with random mouse and wheel input and with mode switches, from a fixed seed (KITRA_SEED
// overrides it). After every step: dense window numbers, scales inside their screens, a selected
// screen that exists, one wall of the shown kind covering the facade, and no warning.
#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallOperateWnd.h"

#include <QRandomGenerator>

using namespace ZtGUI;

namespace {

const int kSteps = 2500;

class Fuzzer
{
public:
    Fuzzer(ZtTVWallOperateWnd* op, quint32 seed) : m_op(op), m_random(seed) {}

    int opened() const { return m_opened; }

    QString step()
    {
        ZtTVWallOperateWnd* op = m_op;
        const int s = number(op->GetScreenCount());
        const int w = number(op->GetWindowCount(s));
        switch (m_random.bounded(20)) {
        case 0:
            if (chance(3)) {
                m_button = Qt::NoButton;    // the gesture ends with its wall
                m_mode = chance(10) ? 5 : m_random.bounded(2);
                op->SetShowMode(m_mode);
                return "mode";
            }
            return "nothing";
        case 1:
            if (chance(20))
                op->SetTVWallGridCount(m_random.bounded(0, 5), m_random.bounded(0, 5));
            return "grid";
        case 2:
            if (m_mode != 5 && (op->GetRowCount() < 1 || op->GetColumnCount() < 1))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("AddScreen: iRows"));
            if (op->AddScreen(span(0.3), QVariant()) >= 0)
                op->resize(op->size() + QSize(1, 0));    // screens are placed on resize
            return "add screen";
        case 3:
            if (chance(10))
                op->DeleteAllScreen();
            return "delete screens";
        case 4: case 5:
            m_opened += op->OpenWindow(s, span(0.3), QVariant(w)) >= 0;
            return "open window";
        case 6:
            op->DeleteWindow(s, w);
            return "delete window";
        case 7:
            op->SetWindowScale(s, w, span(0.3));
            return "scale";
        case 8:
            op->SetWindowZValue(s, w, m_random.bounded(-2, 6), chance(50));
            return "z";
        case 9:
            op->SetSelectedScreenIndex(s);
            op->SetSelectedWindowIndexs(s, w, chance(70));
            return "select";
        case 10:
            op->SetWindowSelectionMode(ZtTVWallOperateWnd::SelectionMode(m_random.bounded(3)));
            return "selection mode";
        case 11:
            op->SetWindowLockBtn(s, w, chance(30));
            op->SetTVWallLockStatus(chance(10));
            return "lock";
        case 12:
            if (chance(20))
                op->DeleteAllWindows(s);
            return "delete windows";
        case 13:
            KitraTest::wheel(op, randomPoint(), chance(50) ? 1 : -1);
            return "wheel";
        case 14:
            op->SetScreenFreeMode(s, chance(70));
            op->SetWindowTitleShow(chance(50));
            return "free mode";
        default:
            return mouse();
        }
    }

private:
    int number(int count) { return m_random.bounded(-1, count + 1); }     // -1 and count are invalid
    bool chance(int percent) { return m_random.bounded(100) < percent; }

    StructScaleRect span(double minimum)
    {
        const double w = minimum + (1.0 - minimum) * m_random.bounded(1.0);
        const double h = minimum + (1.0 - minimum) * m_random.bounded(1.0);
        const double l = (1.0 - w) * m_random.bounded(1.0);
        const double t = (1.0 - h) * m_random.bounded(1.0);
        return StructScaleRect(l, t, l + w, t + h, !chance(15));
    }

    QPoint randomPoint()
    {
        return QPoint(m_random.bounded(m_op->width()), m_random.bounded(m_op->height()));
    }

    // Presses, moves and releases in a believable order, on whatever lies under the pointer.
    QString mouse()
    {
        const QPoint pos = randomPoint();
        QWidget* target = m_op->childAt(pos);
        target = target ? target : m_op.data();
        const QPoint local = target->mapFrom(m_op, pos);
        if (m_button == Qt::NoButton) {
            m_button = chance(85) ? Qt::LeftButton : Qt::RightButton;
            KitraTest::press(target, local, m_button);
            return "press";
        }
        if (chance(70)) {
            KitraTest::move(target, local, m_button);
            return "move";
        }
        const Qt::MouseButton button = m_button;
        m_button = Qt::NoButton;
        KitraTest::release(target, local, button);
        return "release";
    }

    QPointer<ZtTVWallOperateWnd> m_op;
    QRandomGenerator m_random;
    Qt::MouseButton m_button = Qt::NoButton;
    int m_mode = 1;
    int m_opened = 0;
};

QString problemIn(ZtTVWallOperateWnd* op)
{
    const int screens = op->GetScreenCount();
    if (op->GetSelectedScreenIndex() < -1 || op->GetSelectedScreenIndex() >= screens)
        return "selected screen out of range";
    for (int s = 0; s < screens; ++s) {
        const int count = op->GetWindowCount(s);
        QList<int> dense;
        for (int w = 0; w < count; ++w)
            dense << w;
        if (op->GetAllWindowIndexs(s) != dense)
            return QString("screen %1 numbers its windows %2").arg(s).arg(op->GetAllWindowIndexs(s).size());
        for (int w = 0; w < count; ++w) {
            StructScaleRect r;
            if (!op->GetWindowScale(s, w, r) || r.dLeft < -1e-6 || r.dTop < -1e-6 || r.dRight > 1 + 1e-6
                || r.dBottom > 1 + 1e-6 || r.dLeft >= r.dRight || r.dTop >= r.dBottom)
                return QString("window %1 of screen %2 outside its screen").arg(w).arg(s);
        }
    }
    const auto scene = op->findChildren<ZtTVWallNormalWnd*>();
    const auto display = op->findChildren<ZtTVWallDisplayWnd*>();
    if (scene.size() > 1 || display.size() > 1 || (!scene.isEmpty() && !display.isEmpty()))
        return "more than one wall";
    if (display.size() == 1 && op->GetTVWallRect().isValid()) {
        const QRect g = display.first()->geometry();
        if (g.left() > 0 || g.top() > 0 || g.right() < op->width() - 1 || g.bottom() < op->height() - 1
            || g.width() > op->width() * 10)
            return QString("display wall at %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    return QString();
}

} // namespace

class tst_OperateWndRandom : public QObject
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

    void randomHostAndOperator()
    {
        bool ok = false;
        const quint32 seed = qEnvironmentVariableIntValue("KITRA_SEED", &ok);
        const quint32 used = ok ? seed : 20261207u;
        qInfo("seed %u (KITRA_SEED repeats a run)", used);

        ZtTVWallOperateWnd op;
        op.resize(640, 400);
        op.SetShowMode(1);
        op.SetTVWallGridCount(2, 3);
        op.show();
        QVERIFY(QTest::qWaitForWindowExposed(&op));
        // The host closes what it is told about, as a real host does.
        connect(&op, &ZtTVWallOperateWnd::SignalWindowCloseBtnClicked, &op, &ZtTVWallOperateWnd::DeleteWindow);
        connect(&op, &ZtTVWallOperateWnd::SignalDrawAreaOpenWindow, &op,
                [&op](int s, StructScaleRect r) { op.OpenWindow(s, r, QVariant()); });

        Fuzzer fuzzer(&op, used);
        for (int i = 0; i < kSteps; ++i) {
            const QString what = fuzzer.step();
            const QString problem = problemIn(&op);
            if (!problem.isEmpty())
                QFAIL(qPrintable(QString("step %1 (%2): %3").arg(i).arg(what, problem)));
            if (i % 100 == 0)
                QCoreApplication::processEvents();
        }
        qInfo("%d windows opened by the host", fuzzer.opened());
    }
};

QTEST_MAIN(tst_OperateWndRandom)
#include "tst_operatewnd_random.moc"
