// A long operator session on the scene wall: 10,000 random steps of the random test's host and
// operator (opens, moves, resizes, selections, closes, zooms, through public calls and the mouse),
// each followed by the repaint a host's event loop would run. Reports the time per step and the
// resident memory before the wall, at the end of the session and once the wall is closed.
#include "BenchSupport.h"
#include "RandomUse.h"

#include <QtTest>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <malloc.h>
#include <vector>

using namespace ZtGUI;
using namespace SceneWallTest;
using namespace BenchSupport;

namespace {

const int kSteps = 10000;
const quint32 kSeed = 20261207u;

// VmRSS of /proc/self/status, in KiB, after handing freed heap back to the system.
qint64 residentKiB()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

int windowsOn(const ZtTVWallNormalWnd* wall)
{
    int count = 0;
    for (int s = 0; s < wall->GetScreenCount(); ++s)
        count += wall->GetWindowCount(s);
    return count;
}

// The host's answers, as in the random test: a drawn area opens a window, the close and volume
// buttons do what they say.
void answerAsAHost(ZtTVWallNormalWnd* w)
{
    QObject::connect(w, &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow, w, [w](int s, StructScaleRect r) {
        if (r.dRight - r.dLeft >= 0.4 && r.dBottom - r.dTop >= 0.4)
            w->OpenWindow(s, r, {});
    });
    QObject::connect(w, &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked, w, [w](int s, int i) { w->DeleteWindow(s, i); });
    QObject::connect(w, &ZtTVWallNormalWnd::SignalWindowVolumeBtnClicked, w,
                     [w](int s, int i) { w->SetWindowVolumeBtn(s, i, !w->GetWindowVolumeBtnStatus(s, i)); });
}

struct Session
{
    std::vector<double> steps;     // ms per step, its repaint included
    int open = 0;                  // windows open at the end
    qint64 during = 0;             // resident KiB at the end, the wall still open
};

// A wall of 4 x 4 cells driven `kSteps` random steps from `seed`, then closed.
Session runSession(quint32 seed)
{
    Session session;
    session.steps.reserve(kSteps);
    Wall wall(4, 4, QSize(1280, 720));
    answerAsAHost(wall.get());
    QElapsedTimer timer;
    timer.start();
    RandomUse<ZtTVWallNormalWnd>(wall.get(), seed).run(kSteps, [&](bool) {
        paintPending();
        session.steps.push_back(elapsedMs(timer));
        timer.restart();
        return QString();
    });
    session.open = windowsOn(wall.get());
    session.during = residentKiB();
    wall->DeleteAllScreen();
    return session;
}

} // namespace

class bench_Session : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useSkin(); }

    void operatorSession()
    {
        if (underCallgrind())
            QSKIP("a session of 10,000 steps is timed by hand");
        const qint64 start = residentKiB();
        // The first session fills what Qt keeps for the process (fonts at every size the zoom
        // asked for, glyphs, style data); the second, from another seed, shows what a session
        // leaves behind.
        const Session first = runSession(kSeed);
        QCoreApplication::processEvents();
        const qint64 before = residentKiB();
        const Session second = runSession(kSeed + 1);
        QCoreApplication::processEvents();
        const qint64 after = residentKiB();
        QVERIFY(start > 0 && before > 0 && after > 0);
        QCOMPARE(int(second.steps.size()), kSteps);

        for (const Session* s : {&first, &second}) {
            std::vector<double> sorted = s->steps;
            std::sort(sorted.begin(), sorted.end());
            const auto at = [&sorted](double q) { return sorted[std::min(sorted.size() - 1, size_t(q * sorted.size()))]; };
            qInfo("session %d, %d steps: median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms (step %d)",
                  s == &first ? 1 : 2, kSteps, at(0.5), at(0.99), sorted.back(),
                  int(std::max_element(s->steps.begin(), s->steps.end()) - s->steps.begin()));
        }
        qInfo("resident memory: %lld KiB at the start; %lld KiB after session 1 (%d windows open at its end: %lld KiB)",
              start, before, first.open, first.during);
        qInfo("session 2: %lld KiB before, %lld KiB at its end with %d windows open, %lld KiB after closing "
              "(%+.1f %% of before)",
              before, second.during, second.open, after, 100.0 * (after - before) / before);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench_Session bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_session.moc"
