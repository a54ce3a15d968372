// The gallery's scene wall page as its operator uses it: the host answers the wall's requests,
// the controls reach the wall and every report lands in the log.
#include "KitraTest.h"

#include "GalleryLog.h"
#include "GalleryPageTest.h"
#include "SceneWallPage.h"
#include "ZtDir.h"
#include "ZtSetting.h"
#include "ZtTVWallNormalWnd.h"

using namespace ZtGUI;

namespace {

const double kTitleHeight = 24.0;
const double kButtonStep = 16.0 + 7.0;   // a title button and the gap to its neighbour

struct Page : ShownPage<SceneWallPage>
{
    Page()
        : ShownPage("SceneWallLogText")
        , wall(child<ZtTVWallNormalWnd>("SceneWall"))
    {
        QVERIFY(wall);
    }

    // A screen's rectangle in the viewport: the scene fills the viewport at 1:1.
    QRectF screenRect(int iScreen) const
    {
        StructScaleRect s;
        if (!wall->GetScreenScale(iScreen, s))
            return {};
        const QSizeF size = wall->viewport()->size();
        return QRectF(QPointF(int(size.width() * s.dLeft), int(size.height() * s.dTop)),
                      QPointF(int(0.5 + size.width() * s.dRight), int(0.5 + size.height() * s.dBottom)));
    }
    QRectF windowRect(int iScreen, int iWindow) const
    {
        StructScaleRect w;
        if (!wall->GetWindowScale(iScreen, iWindow, w))
            return {};
        const QRectF s = screenRect(iScreen);
        return QRectF(s.x() + s.width() * w.dLeft, s.y() + s.height() * w.dTop,
                      s.width() * (w.dRight - w.dLeft), s.height() * (w.dBottom - w.dTop));
    }
    QPoint inScreen(int iScreen, double fx, double fy) const
    {
        const QRectF s = screenRect(iScreen);
        return QPointF(s.x() + s.width() * fx, s.y() + s.height() * fy).toPoint();
    }
    // The n-th title button from the right (0 close, 1 maximise, 2 volume).
    QPoint titleButton(int iScreen, int iWindow, int n) const
    {
        const QRectF w = windowRect(iScreen, iWindow);
        return QPointF(w.right() - 2.0 - (n + 1) * kButtonStep + 8.0, w.top() + kTitleHeight / 2.0).toPoint();
    }
    void click(const QPoint& at) const { KitraTest::click(wall->viewport(), at); }
    int fixedScreen() const { return wall->GetScreenCount() - 1; }

    ZtTVWallNormalWnd* wall = nullptr;
};

} // namespace

class tst_SceneWallPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QString skin = QStringLiteral("DustyBlue"), appDir = QCoreApplication::applicationDirPath();
        SetSkinVersion(skin);
        ZtDir::SetCurrentPath(appDir);
    }

    // The host answers the wall: an area drawn on an empty screen opens a window there, the close
    // button closes it, the volume button toggles, and each report is logged.
    void hostAnswersTheWallsRequests()
    {
        Page p;
        QCOMPARE(p.wall->GetSelectedWindowIndexs().size(), 1);
        QVERIFY(p.log->toPlainText().contains(QStringLiteral("SignalWindowSelectedChanged")));
        const int empty = 2;
        QCOMPARE(p.wall->GetWindowCount(empty), 0);
        KitraTest::drag(p.wall->viewport(), p.inScreen(empty, 0.2, 0.3), p.inScreen(empty, 0.7, 0.8));
        QCOMPARE(p.wall->GetWindowCount(empty), 1);
        StructScaleRect opened;
        QVERIFY(p.wall->GetWindowScale(empty, 0, opened));
        QVERIFY(qAbs(opened.dLeft - 0.2) < 0.02 && qAbs(opened.dBottom - 0.8) < 0.02);
        QCOMPARE(p.entries().filter(QStringLiteral("SignalDrawAreaOpenWindow")).size(), 1);

        const int screen = 1;                        // one window filling a single cell
        for (bool on : {true, false}) {
            p.click(p.titleButton(screen, 0, 2));
            QCOMPARE(p.wall->GetWindowVolumeBtnStatus(screen, 0), on);
        }
        p.click(p.titleButton(screen, 0, 0));
        QCOMPARE(p.wall->GetWindowCount(screen), 0);
        QVERIFY(p.log->toPlainText().contains(QStringLiteral("SignalWindowCloseBtnClicked")));
    }

    void freeModeBoxFollowsTheSelectedScreen()
    {
        Page p;
        auto* freeMode = p.child<QCheckBox>("SceneWallFreeMode");
        QVERIFY(freeMode->isChecked());             // the selected screen starts free
        const int fixed = p.fixedScreen();
        p.click(p.windowRect(fixed, 0).center().toPoint());
        QCOMPARE(p.wall->GetSelectedScreenIndex(), fixed);
        QVERIFY(!freeMode->isChecked());
        freeMode->click();
        QVERIFY(p.wall->IsScreenFreeMode(fixed));
        QVERIFY(p.wall->IsScreenFreeMode(0));        // only the selected screen changes
    }

    // The page's controls reach the wall: selection mode, title bars, deleting every window and
    // resetting the zoom.
    void controlsReachTheWall()
    {
        Page p;
        auto* mode = p.child<QComboBox>("SceneWallSelectionMode");
        QCOMPARE(p.wall->GetWindowSelectionMode(), ZtTVWallNormalWnd::SingleSelection);
        mode->setCurrentIndex(mode->findText(QStringLiteral("Multi selection")));
        QCOMPARE(p.wall->GetWindowSelectionMode(), ZtTVWallNormalWnd::MultiSelection);
        mode->setCurrentIndex(mode->findText(QStringLiteral("No selection")));
        QCOMPARE(p.wall->GetWindowSelectionMode(), ZtTVWallNormalWnd::NoSelection);

        auto* titles = p.child<QCheckBox>("SceneWallTitles");
        const QPoint inTitle = (p.windowRect(p.fixedScreen(), 0).topRight() + QPointF(-10.0, kTitleHeight / 2.0)).toPoint();
        const auto grabbed = [&] { return p.wall->viewport()->grab().toImage().pixel(inTitle); };
        const QRgb without = grabbed();
        titles->click();
        QVERIFY(grabbed() != without);             // a fixed screen's window shows its bar only with titles

        KitraTest::wheel(p.wall->viewport(), p.inScreen(0, 0.5, 0.5), 1);
        QCOMPARE(p.wall->transform().m11(), 1.5);
        p.child<QPushButton>("SceneWallResetZoom")->click();
        QCOMPARE(p.wall->transform().m11(), 1.0);

        p.child<QPushButton>("SceneWallDeleteAll")->click();
        for (int s = 0; s < p.wall->GetScreenCount(); ++s)
            QCOMPARE(p.wall->GetWindowCount(s), 0);
    }

    // Clicks are logged, pointer moves are not, and the log keeps only the newest entries.
    void logShowsClicksButNotPointerMoves()
    {
        Page p;
        p.log->clear();
        const QPoint centre = p.windowRect(0, 0).center().toPoint();
        KitraTest::move(p.wall->viewport(), centre, Qt::NoButton);
        KitraTest::move(p.wall->viewport(), centre + QPoint(5, 5), Qt::NoButton);
        QCOMPARE(p.log->toPlainText(), QString());

        p.click(centre);
        const QStringList events = p.entries().filter(QStringLiteral("SignalWindowEvent"));
        QCOMPARE(events.size(), 2);
        QVERIFY2(events.at(0).contains(QStringLiteral("screen 0, window 0, press left")), qPrintable(events.at(0)));
        QVERIFY2(events.at(1).contains(QStringLiteral("release left")), qPrintable(events.at(1)));

        for (int i = 0; i < GalleryLog::kEntries; ++i)
            p.click(p.inScreen(2, 0.5, 0.7));         // a press and a release each, on an empty screen
        QCOMPARE(p.log->document()->blockCount(), GalleryLog::kEntries);
        QVERIFY(p.lastEntry().contains(QStringLiteral("release left")));
    }
};

QTEST_MAIN(tst_SceneWallPage)
#include "tst_scenewallpage.moc"
