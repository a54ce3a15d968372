// The gallery's pages as an operator uses them: controls reach their widgets, reports reach the log.
#include "KitraTest.h"

#include "NotifyWidget.h"
#include "SceneWallPage.h"
#include "WaitWidget.h"
#include "WaitWidget_p.h"
#include "WindowsPage.h"
#include "ZtBaseWindowTitle.h"
#include "ZtDir.h"
#include "ZtMessageBox.h"
#include "ZtSetting.h"
#include "ZtTVWallNormalWnd.h"

using namespace ZtGUI;

namespace {

// A page shown at the gallery's size, with handles on its widgets and on the entries of its log.
template <typename PageType>
struct ShownPage
{
    explicit ShownPage(const char* logName)
    {
        page.resize(800, 640);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        log = child<QPlainTextEdit>(logName);
        QVERIFY(log);
    }

    template <typename T>
    T* child(const char* name) const { return page.template findChild<T*>(QString::fromLatin1(name)); }
    // One string per log entry, its lines joined by spaces.
    QStringList entries() const
    {
        QStringList all;
        for (QTextBlock b = log->document()->begin(); b.isValid(); b = b.next()) {
            if (!b.text().isEmpty())
                all << b.text().replace(QRegularExpression(QStringLiteral("\u2028 *")), QStringLiteral(" "));
        }
        return all;
    }
    QString lastEntry() const { return entries().value(entries().size() - 1); }
    bool logged(const QString& text) const { return !entries().filter(text).isEmpty(); }

    PageType page;
    QPlainTextEdit* log = nullptr;
};

struct WallPage : ShownPage<SceneWallPage>
{
    WallPage() : ShownPage("SceneWallLogText"), wall(child<ZtTVWallNormalWnd>("SceneWall")) { QVERIFY(wall); }

    // A point at fractions of a screen, or of a window on it, in the viewport: the scene fills it at 1:1.
    QPoint at(int iScreen, int iWindow, double fx, double fy) const
    {
        StructScaleRect s;
        StructScaleRect w(0, 0, 1, 1);
        wall->GetScreenScale(iScreen, s);
        if (iWindow >= 0)
            wall->GetWindowScale(iScreen, iWindow, w);
        const double x = s.dLeft + (s.dRight - s.dLeft) * (w.dLeft + (w.dRight - w.dLeft) * fx);
        const double y = s.dTop + (s.dBottom - s.dTop) * (w.dTop + (w.dBottom - w.dTop) * fy);
        return QPointF(x * wall->viewport()->width(), y * wall->viewport()->height()).toPoint();
    }
    void click(const QPoint& pos) const { KitraTest::click(wall->viewport(), pos); }

    ZtTVWallNormalWnd* wall = nullptr;
};

struct WindowPage : ShownPage<WindowsPage>
{
    WindowPage() : ShownPage("WindowsLogText") {}

    void click(const char* name) const
    {
        QAbstractButton* button = child<QAbstractButton>(name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString state() const { return child<QLabel>("WindowState")->text(); }
};

} // namespace

class tst_GalleryPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
        // Notices and tips read the skin from the host's settings, as in the gallery.
        ZtSetting::setIniPath(m_dir.filePath(QStringLiteral("settings.ini")));
        ZtSetting::GetInstance()->WriteValue("SkinStyle", "SkinFolder", "DustyBlue");
        QString skin = QStringLiteral("DustyBlue"), appDir = QCoreApplication::applicationDirPath();
        SetSkinVersion(skin);
        ZtDir::SetCurrentPath(appDir);
        SetWaitTimeOutSecondForTests(50);
    }

    // Clicks are logged, pointer moves not; the host opens, toggles and closes windows.
    void wallPageAnswersAndReachesTheWall()
    {
        WallPage p;
        QCOMPARE(p.wall->GetSelectedWindowIndexs().size(), 1);
        QVERIFY(p.logged("SignalWindowSelectedChanged"));
        p.log->clear();
        const QPoint centre = p.at(0, 0, 0.5, 0.5);
        KitraTest::move(p.wall->viewport(), centre, Qt::NoButton);
        KitraTest::move(p.wall->viewport(), centre + QPoint(5, 5), Qt::NoButton);
        QCOMPARE(p.log->toPlainText(), QString());
        p.click(centre);
        const QStringList events = p.entries().filter("SignalWindowEvent");
        QCOMPARE(events.size(), 2);
        QVERIFY2(events.at(0).contains("screen 0, window 0, press left"), qPrintable(events.at(0)));
        QVERIFY2(events.at(1).contains("release left"), qPrintable(events.at(1)));
        const int empty = 2;
        KitraTest::drag(p.wall->viewport(), p.at(empty, -1, 0.2, 0.3), p.at(empty, -1, 0.7, 0.8));
        QCOMPARE(p.wall->GetWindowCount(empty), 1);
        StructScaleRect opened;
        QVERIFY(p.wall->GetWindowScale(empty, 0, opened));
        QVERIFY(qAbs(opened.dLeft - 0.2) < 0.02 && qAbs(opened.dBottom - 0.8) < 0.02);
        QCOMPARE(p.entries().filter("SignalDrawAreaOpenWindow").size(), 1);
        // One window filling a single cell; its title buttons from the right: close, maximise, volume.
        const auto titleButton = [&p](int n) { return p.at(1, 0, 1, 0) + QPoint(-17 - 23 * n, 12); };
        for (bool on : {true, false}) {
            p.click(titleButton(2));
            QCOMPARE(p.wall->GetWindowVolumeBtnStatus(1, 0), on);
        }
        p.click(titleButton(0));
        QCOMPARE(p.wall->GetWindowCount(1), 0);
        QVERIFY(p.logged("SignalWindowCloseBtnClicked"));
        // Title bars, free mode, selection mode, zoom reset and deleting every window reach the wall.
        const int fixed = p.wall->GetScreenCount() - 1;
        // A window of a fixed screen shows its title bar only with titles on.
        const QPoint inTitle = p.at(fixed, 0, 1, 0) + QPoint(-10, 12);
        const auto grabbed = [&] { return p.wall->viewport()->grab().toImage().pixel(inTitle); };
        const QRgb without = grabbed();
        p.child<QCheckBox>("SceneWallTitles")->click();
        QVERIFY(grabbed() != without);
        auto* freeMode = p.child<QCheckBox>("SceneWallFreeMode");
        QVERIFY(freeMode->isChecked());             // the selected screen starts free
        p.click(p.at(fixed, 0, 0.5, 0.5));
        QCOMPARE(p.wall->GetSelectedScreenIndex(), fixed);
        QVERIFY(!freeMode->isChecked());
        freeMode->click();
        QVERIFY(p.wall->IsScreenFreeMode(fixed));
        QVERIFY(p.wall->IsScreenFreeMode(0));        // only the selected screen changes
        auto* mode = p.child<QComboBox>("SceneWallSelectionMode");
        QCOMPARE(p.wall->GetWindowSelectionMode(), ZtTVWallNormalWnd::SingleSelection);
        mode->setCurrentIndex(mode->findText("Multi selection"));
        QCOMPARE(p.wall->GetWindowSelectionMode(), ZtTVWallNormalWnd::MultiSelection);
        mode->setCurrentIndex(mode->findText("No selection"));
        QCOMPARE(p.wall->GetWindowSelectionMode(), ZtTVWallNormalWnd::NoSelection);
        KitraTest::wheel(p.wall->viewport(), p.at(0, -1, 0.5, 0.5), 1);
        QCOMPARE(p.wall->transform().m11(), 1.5);
        p.child<QPushButton>("SceneWallResetZoom")->click();
        QCOMPARE(p.wall->transform().m11(), 1.0);
        p.child<QPushButton>("SceneWallDeleteAll")->click();
        for (int s = 0; s < p.wall->GetScreenCount(); ++s)
            QCOMPARE(p.wall->GetWindowCount(s), 0);
    }

    // Maximise, full screen (Escape leaves), double click and drag reach the window until switched off.
    void controlsReachTheFramelessWindow()
    {
        WindowPage p;
        QCOMPARE(p.state(), QStringLiteral("closed"));
        for (const QString how : {"button", "full", "double"}) {
            p.click("OpenWindowButton");
            auto* window = p.child<QWidget>("FramelessWindow");
            auto* title = p.child<ZtBaseWindowTitle>("FramelessWindowTitle");
            QVERIFY(window && title && QTest::qWaitForWindowExposed(window));
            QCOMPARE(p.state(), QStringLiteral("normal"));
            const QRect normal = window->geometry();
            const auto toggle = [&] {
                if (how == "double")
                    KitraTest::doubleClick(title, QPoint(60, title->height() / 2));
                else
                    p.click(how == "full" ? "FramelessWindowFullScreen" : "FramelessWindowMaximize");
            };
            toggle();
            const QString state = how == "full" ? "full screen" : "maximised";
            QVERIFY(window->geometry() != normal);
            QCOMPARE(p.state(), state);
            QVERIFY(p.lastEntry().contains("window " + state));
            if (how == "full") {
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window));
                QTest::keyClick(window, Qt::Key_Escape);
            } else {
                toggle();
            }
            QCOMPARE(window->geometry(), normal);
            QCOMPARE(p.state(), QStringLiteral("normal"));
            if (how == "double") {
                const QPoint grip = title->mapToGlobal(QPoint(80, 12));
                p.child<QCheckBox>("WindowDoubleClick")->click();
                toggle();
                QCOMPARE(window->geometry(), normal);
                KitraTest::dragGlobal(title, grip, grip + QPoint(40, 30));
                QCOMPARE(window->geometry(), normal.translated(40, 30));
                QCOMPARE(p.entries().filter("window dragged to").size(), 1);
                p.child<QCheckBox>("WindowDragMoves")->click();
                KitraTest::dragGlobal(title, grip + QPoint(40, 30), grip + QPoint(80, 60));
                QCOMPARE(window->geometry(), normal.translated(40, 30));
            }
            p.click("FramelessWindowClose");
            QVERIFY(!window->isVisible());
            QCOMPARE(p.state(), QStringLiteral("closed"));
        }
    }

    // Tips, notices, push buttons, waiting (by time-out or Escape) and dialogs report to the page.
    void noticesButtonsWaitTipsAndDialogs()
    {
        WindowPage p;
        // Tips follow focus, refusal and clicks.
        auto* field = p.child<QLineEdit>("CameraName");
        auto* tip = p.child<QWidget>("FieldTip");
        QVERIFY(!tip->isVisible());
        p.page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.page));
        field->setFocus();
        QTRY_VERIFY(tip->isVisible());
        auto* text = tip->findChild<QLabel*>();
        QTest::keyClicks(field, QStringLiteral("Gate*"));
        QCOMPARE(text->styleSheet(), QStringLiteral("color:rgb(198, 40, 40);"));
        QVERIFY(p.lastEntry().contains("camera name refused"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!text->styleSheet().contains("198, 40, 40"));
        p.click("TipButton");
        QTRY_VERIFY(!tip->isVisible());
        QVERIFY(p.child<QWidget>("ButtonTip")->isVisible());
        p.click("NoticeSuccess");
        p.click("NoticeError");
        QCOMPARE(p.child<QWidget>("NoticeArea")->findChildren<NotifyWidget*>().size(), 2);
        QVERIFY(p.entries().at(p.entries().size() - 2).contains("NotifyManager success: "));
        QVERIFY(p.lastEntry().contains("NotifyManager error: "));
        p.log->clear();
        for (const char* name : {"PlayButton", "CancelButton", "AlarmsButton", "RecordButton", "PlayBackButton"})
            p.click(name);
        for (const char* report : {"ZtPushButton", "ZtSubPushButton", "WPushButton", "PicButton"})
            QVERIFY2(p.logged(report), report);
        QCOMPARE(p.entries().size(), 4);
        for (const bool escape : {false, true}) {
            p.child<QSpinBox>("WaitTimeOut")->setValue(escape ? 60 : 1);
            if (escape)
                QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
            p.log->clear();
            p.click("WaitStart");                                       // returns when the waiting ends
            const QString ending = escape ? "cancelled by Escape after" : "timed out after";
            const QString result = p.child<QLabel>("WaitResult")->text();
            QVERIFY2(result.startsWith(ending), qPrintable(result));
            QVERIFY(p.lastEntry().contains("WaitWidget ended: " + ending));
            QVERIFY(p.logged("sgnUnNormalExit"));
        }
        // The dialog buttons open message boxes and log the answer.
        const auto buttons = p.child<QGroupBox>("DialogsGroup")->findChildren<QPushButton*>();
        for (const QStringList& c : {QStringList{"Question", "MsgBtnCancel", "ShowQuestion answered No"},
                                     QStringList{"Information", "MsgBtnOk", "ShowInformation answered Yes"}}) {
            const auto open = std::find_if(buttons.begin(), buttons.end(),
                                           [&c](QPushButton* b) { return b->text() == c[0]; });
            QVERIFY(open != buttons.end());
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<ZtMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                box->findChild<QPushButton*>(c[1])->click();
            });
            (*open)->click();                    // returns when the box is answered
            QTRY_VERIFY(p.logged(c[2]));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_GalleryPages)
#include "tst_gallerypages.moc"
