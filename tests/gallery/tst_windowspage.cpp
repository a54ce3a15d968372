// The gallery's windows page as its operator uses it: the frameless window follows its title bar,
// notices land in the page's area, the wait indicator ends by itself and every report is logged.
#include "KitraTest.h"

#include "GalleryPageTest.h"
#include "NotifyWidget.h"
#include "WaitWidget.h"
#include "WindowsPage.h"
#include "ZtBaseWindowTitle.h"
#include "ZtDir.h"
#include "ZtMessageBox.h"
#include "ZtSetting.h"

using namespace ZtGUI;

namespace {

struct Page : ShownPage<WindowsPage>
{
    Page() : ShownPage("WindowsLogText") {}

    void click(const char* name) const
    {
        QAbstractButton* button = child<QAbstractButton>(name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Opens the frameless window and hands it out with its title bar.
    QWidget* openWindow()
    {
        click("OpenWindowButton");
        window = child<QWidget>("FramelessWindow");
        title = child<ZtBaseWindowTitle>("FramelessWindowTitle");
        return window && title && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    QString state() const { return child<QLabel>("WindowState")->text(); }
    void dragTitle(const QPoint& at, const QPoint& by) const
    {
        KitraTest::dragGlobal(title, title->mapToGlobal(at), title->mapToGlobal(at) + by);
    }

    QWidget* window = nullptr;
    ZtBaseWindowTitle* title = nullptr;
};

} // namespace

class tst_WindowsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
        // Notices and tips read the skin from the host's settings, as in the gallery.
        ZtSetting::setIniPath(m_dir.filePath(QStringLiteral("settings.ini")));
        ZtSetting::GetInstance()->WriteValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"),
                                             QStringLiteral("DustyBlue"));
        QString skin = QStringLiteral("DustyBlue"), appDir = QCoreApplication::applicationDirPath();
        SetSkinVersion(skin);
        ZtDir::SetCurrentPath(appDir);
    }

    // The page's controls reach the frameless window: its buttons, a double click on the title
    // (until switched off) and full screen (left with Escape) fill the screen and restore it, and
    // the page shows and logs each state. The gestures themselves are the title bar's own tests.
    void controlsFillTheWindowAndRestoreIt_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("state");
        QTest::newRow("maximise button") << "button" << "maximised";
        QTest::newRow("double click") << "double" << "maximised";
        QTest::newRow("full screen") << "full" << "full screen";
    }
    void controlsFillTheWindowAndRestoreIt()
    {
        QFETCH(QString, how);
        QFETCH(QString, state);
        Page p;
        QCOMPARE(p.state(), QStringLiteral("closed"));
        QWidget* window = p.openWindow();
        QVERIFY(window);
        QCOMPARE(p.state(), QStringLiteral("normal"));
        QCOMPARE(p.entries().filter(QStringLiteral("window opened at")).size(), 1);

        const QRect normal = window->geometry();
        const auto toggle = [&] {
            if (how == "double")
                KitraTest::doubleClick(p.title, QPoint(60, p.title->height() / 2));   // on the text
            else
                p.click(how == "full" ? "FramelessWindowFullScreen" : "FramelessWindowMaximize");
        };
        toggle();
        QVERIFY(window->geometry() != normal);
        QCOMPARE(p.state(), state);
        QVERIFY(p.lastEntry().contains(QStringLiteral("window ") + state));

        if (how == "full") {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            toggle();
        }
        QCOMPARE(window->geometry(), normal);
        QCOMPARE(p.state(), QStringLiteral("normal"));
        QVERIFY(p.lastEntry().contains(QStringLiteral("window normal")));
        if (how == "double") {
            p.child<QCheckBox>("WindowDoubleClick")->click();
            toggle();
            QCOMPARE(window->geometry(), normal);
        }

        p.click("FramelessWindowClose");
        QVERIFY(!window->isVisible());
        QCOMPARE(p.state(), QStringLiteral("closed"));
    }

    // Dragging the title moves the window and is logged once, until the page switches it off.
    void titleDragMovesTheWindowUntilSwitchedOff()
    {
        Page p;
        QWidget* window = p.openWindow();
        QVERIFY(window);
        const QRect moved = window->geometry().translated(40, 30);
        p.dragTitle(QPoint(80, 12), QPoint(40, 30));
        QCOMPARE(window->geometry(), moved);
        QCOMPARE(p.entries().filter(QStringLiteral("window dragged to")).size(), 1);

        p.child<QCheckBox>("WindowDragMoves")->click();
        p.dragTitle(QPoint(80, 12), QPoint(40, 30));
        QCOMPARE(window->geometry(), moved);
    }

    void noticesLandInThePagesAreaNewestOnTop()
    {
        Page p;
        QWidget* area = p.child<QWidget>("NoticeArea");
        QVERIFY(area);
        p.click("NoticeSuccess");
        QTRY_COMPARE(area->findChildren<NotifyWidget*>().size(), 1);
        NotifyWidget* first = area->findChildren<NotifyWidget*>().first();
        QTRY_COMPARE(first->y(), 0);                                // slid fully into the area
        QVERIFY(p.lastEntry().contains(QStringLiteral("NotifyManager success: ") + first->Text()));

        p.click("NoticeError");
        QTRY_COMPARE(area->findChildren<NotifyWidget*>().size(), 2);
        NotifyWidget* second = area->findChildren<NotifyWidget*>().last();
        QTRY_COMPARE(second->y(), 0);
        QCOMPARE(first->y(), second->height());                      // the older one below it
        QVERIFY(p.lastEntry().contains(QStringLiteral("NotifyManager error: ") + second->Text()));
    }

    void waitEndsByTimeOutOrByTheJob_data()
    {
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<bool>("job");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("unNormal");
        QTest::newRow("time-out") << 1 << false << "timed out after" << true;
        QTest::newRow("job ends first") << 10 << true << "the job ended after" << false;
    }
    void waitEndsByTimeOutOrByTheJob()
    {
        QFETCH(int, timeOut);
        QFETCH(bool, job);
        QFETCH(QString, ending);
        QFETCH(bool, unNormal);
        Page p;
        p.child<QSpinBox>("WaitTimeOut")->setValue(timeOut);
        p.child<QCheckBox>("WaitJob")->setChecked(job);
        // Should neither end come, the test fails instead of hanging in the modal wait.
        QTimer::singleShot(20000, &p.page, [&p] {
            if (auto* wait = p.page.findChild<WaitWidget*>())
                wait->StopWaiting(true);
        });
        p.click("WaitStart");                                       // returns when the waiting ends

        auto* wait = p.page.findChild<WaitWidget*>();
        QVERIFY(wait && !wait->isVisible());
        const QString result = p.child<QLabel>("WaitResult")->text();
        QVERIFY2(result.startsWith(ending) && result.contains(QRegularExpression(QStringLiteral("after [0-9.]+ s"))),
                 qPrintable(result));
        QVERIFY2(p.lastEntry().contains(QStringLiteral("WaitWidget ended: ") + ending), qPrintable(p.lastEntry()));
        QCOMPARE(!p.entries().filter(QStringLiteral("sgnUnNormalExit")).isEmpty(), unNormal);
    }

    // The field's tip shows below it with the focus and turns red for a refused name; the button's
    // tip shows above the button.
    void tipsShowBesideTheirWidgets()
    {
        Page p;
        auto* field = p.child<QLineEdit>("CameraName");
        auto* tip = p.child<QWidget>("FieldTip");
        QVERIFY(field && tip && !tip->isVisible());
        p.page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.page));
        field->setFocus();
        QTRY_VERIFY(tip->isVisible());
        QVERIFY(tip->geometry().top() >= field->mapToGlobal(QPoint(0, field->height())).y());

        auto* text = tip->findChild<QLabel*>();
        QVERIFY(text && !text->styleSheet().contains(QStringLiteral("198, 40, 40")));
        QTest::keyClicks(field, QStringLiteral("Gate*"));
        QCOMPARE(text->styleSheet(), QStringLiteral("color:rgb(198, 40, 40);"));
        QVERIFY(p.lastEntry().contains(QStringLiteral("camera name refused")));
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!text->styleSheet().contains(QStringLiteral("198, 40, 40")));

        auto* button = p.child<QPushButton>("TipButton");
        auto* buttonTip = p.child<QWidget>("ButtonTip");
        p.click("TipButton");                                       // takes the focus away
        QTRY_VERIFY(!tip->isVisible());
        QVERIFY(buttonTip->isVisible());
        QCOMPARE(buttonTip->geometry().bottom() + 1, button->mapToGlobal(QPoint(0, 0)).y());
        QCOMPARE(buttonTip->geometry().center().x(), button->mapToGlobal(button->rect().center()).x());
    }

    void pushButtonsReportTheirClicks()
    {
        Page p;
        for (const char* name : {"PlayButton", "CancelButton", "AlarmsButton", "RecordButton", "PlayBackButton"})
            p.click(name);                                          // the last is disabled: no report
        const QString log = p.log->toPlainText();
        for (const char* report : {"ZtPushButton", "ZtSubPushButton", "WPushButton", "PicButton"})
            QVERIFY2(log.contains(QLatin1String(report)), report);
        QCOMPARE(p.entries().size(), 4);
        QVERIFY(!p.child<QPushButton>("RecordButton")->size().isEmpty());   // the host's pictures were found
    }

    void dialogButtonsOpenTheLibraryDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answerWith");   // object name of the button a timer clicks
        QTest::addColumn<QString>("logged");
        QTest::newRow("question, yes") << "Question" << "MsgBtnOk" << "ShowQuestion answered Yes";
        QTest::newRow("question, no") << "Question" << "MsgBtnCancel" << "ShowQuestion answered No";
        QTest::newRow("information") << "Information" << "MsgBtnOk" << "ShowInformation answered Yes";
    }
    void dialogButtonsOpenTheLibraryDialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, answerWith);
        QFETCH(QString, logged);
        Page p;
        auto* group = p.child<QGroupBox>("DialogsGroup");
        QVERIFY(group);
        const auto buttons = group->findChildren<QPushButton*>();
        const auto open = std::find_if(buttons.begin(), buttons.end(), [&](QPushButton* b) { return b->text() == button; });
        QVERIFY(open != buttons.end());
        bool answered = false;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* answer = w->isVisible() ? w->findChild<QPushButton*>(answerWith) : nullptr;
                if (answer && qobject_cast<ZtMessageBox*>(w))
                    answered = true, answer->click();
            }
        });
        (*open)->click();                    // returns when the box is answered
        QVERIFY(answered);
        QTRY_VERIFY(p.entries().join(QLatin1Char('\n')).contains(logged));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_WindowsPage)
#include "tst_windowspage.moc"
