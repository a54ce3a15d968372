// The gallery's windows page as its operator uses it: the frameless window follows its title bar,
// notices land in the page's area, the wait indicator ends by itself and every report is logged.
#include "KitraTest.h"

#include "GalleryPageTest.h"
#include "NotifyWidget.h"
#include "WaitWidget.h"
#include "WaitWidget_p.h"
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
        SetWaitTimeOutSecondForTests(50);
    }

    // The page's controls reach the frameless window (the gestures are the title bar's own tests):
    // its maximise button and full screen (left with Escape) fill the screen and restore it; a
    // double click and a drag of the title work until the page switches them off; each state is
    // shown and logged.
    void controlsReachTheFramelessWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("state");
        QTest::newRow("maximise button") << "button" << "maximised";
        QTest::newRow("full screen") << "full" << "full screen";
        QTest::newRow("double click") << "double" << "maximised";
    }
    void controlsReachTheFramelessWindow()
    {
        QFETCH(QString, how);
        QFETCH(QString, state);
        Page p;
        QCOMPARE(p.state(), QStringLiteral("closed"));
        QWidget* window = p.openWindow();
        QVERIFY(window);
        QCOMPARE(p.state(), QStringLiteral("normal"));
        const QRect normal = window->geometry();
        const auto toggle = [&] {
            if (how == "double")
                KitraTest::doubleClick(p.title, QPoint(60, p.title->height() / 2));
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
        if (how == "double") {
            p.child<QCheckBox>("WindowDoubleClick")->click();
            toggle();
            QCOMPARE(window->geometry(), normal);
            p.dragTitle(QPoint(80, 12), QPoint(40, 30));
            QCOMPARE(window->geometry(), normal.translated(40, 30));
            QCOMPARE(p.entries().filter(QStringLiteral("window dragged to")).size(), 1);
            p.child<QCheckBox>("WindowDragMoves")->click();
            p.dragTitle(QPoint(80, 12), QPoint(40, 30));
            QCOMPARE(window->geometry(), normal.translated(40, 30));
        }
        p.click("FramelessWindowClose");
        QVERIFY(!window->isVisible());
        QCOMPARE(p.state(), QStringLiteral("closed"));
    }

    void noticesLandInThePagesArea()
    {
        Page p;
        QWidget* area = p.child<QWidget>("NoticeArea");
        p.click("NoticeSuccess");
        p.click("NoticeError");
        QCOMPARE(area->findChildren<NotifyWidget*>().size(), 2);
        QVERIFY(p.entries().at(p.entries().size() - 2).contains(QStringLiteral("NotifyManager success: ")));
        QVERIFY(p.lastEntry().contains(QStringLiteral("NotifyManager error: ")));
    }

    // The page's time-out and Escape reach the indicator (a time-out second is short here).
    void waitEndsByTimeOutOrEscape_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("ending");
        QTest::newRow("time-out") << false << "timed out after";
        QTest::newRow("Escape") << true << "cancelled by Escape after";
    }
    void waitEndsByTimeOutOrEscape()
    {
        QFETCH(bool, escape);
        QFETCH(QString, ending);
        Page p;
        p.child<QSpinBox>("WaitTimeOut")->setValue(escape ? 60 : 1);
        if (escape) {
            QTimer::singleShot(0, &p.page, [] {
                QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
            });
        }
        p.click("WaitStart");                                       // returns when the waiting ends
        const QString result = p.child<QLabel>("WaitResult")->text();
        QVERIFY2(result.startsWith(ending), qPrintable(result));
        QVERIFY(p.lastEntry().contains(QStringLiteral("WaitWidget ended: ") + ending));
        QVERIFY(!p.entries().filter(QStringLiteral("sgnUnNormalExit")).isEmpty());
    }

    // The field's tip shows with the focus and turns red for a refused name; the button's tip
    // shows when it is clicked.
    void tipsAnswerTheirWidgets()
    {
        Page p;
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
        QVERIFY(p.lastEntry().contains(QStringLiteral("camera name refused")));
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!text->styleSheet().contains(QStringLiteral("198, 40, 40")));
        p.click("TipButton");
        QTRY_VERIFY(!tip->isVisible());
        QVERIFY(p.child<QWidget>("ButtonTip")->isVisible());
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
    }

    void dialogButtonsOpenTheLibraryDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answerWith");   // object name of the button a timer clicks
        QTest::addColumn<QString>("logged");
        QTest::newRow("question, no") << "Question" << "MsgBtnCancel" << "ShowQuestion answered No";
        QTest::newRow("information") << "Information" << "MsgBtnOk" << "ShowInformation answered Yes";
    }
    void dialogButtonsOpenTheLibraryDialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, answerWith);
        QFETCH(QString, logged);
        Page p;
        const auto buttons = p.child<QGroupBox>("DialogsGroup")->findChildren<QPushButton*>();
        const auto open = std::find_if(buttons.begin(), buttons.end(), [&](QPushButton* b) { return b->text() == button; });
        QVERIFY(open != buttons.end());
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<ZtMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->findChild<QPushButton*>(answerWith)->click();
        });
        (*open)->click();                    // returns when the box is answered
        QTRY_VERIFY(p.entries().join(QLatin1Char('\n')).contains(logged));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_WindowsPage)
#include "tst_windowspage.moc"
