// The gallery's windows page as its operator uses it: the frameless window follows its title bar,
// notices land in the page's area, the wait indicator ends by itself and every report is logged.
#include "KitraTest.h"

#include "GalleryPageTest.h"
#include "NotifyWidget.h"
#include "ShadowEffect.h"
#include "WaitWidget.h"
#include "WindowsPage.h"
#include "ZtBaseWindowTitle.h"
#include "ZtDir.h"
#include "ZtMessageBox.h"
#include "ZtSetting.h"

using namespace ZtGUI;

namespace {

const int kShadowWidth = 12;

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
    uint windowType() const { return window->property("_ZT_WindowType_").toUInt(); }
    QString maximiseTip() const { return child<QToolButton>("FramelessWindowMaximize")->toolTip(); }
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

    // The frameless window opens with its title bar on top and its shadow around it. The title
    // bar's buttons, a double click on the title (until switched off) and full screen (left with
    // Escape) fill the screen and restore it; the page shows and logs the state. It closes.
    void framelessWindowFillsTheScreenAndRestores_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QString>("state");
        QTest::newRow("maximise button") << "button" << 1u << "maximised";
        QTest::newRow("double click") << "double" << 1u << "maximised";
        QTest::newRow("full screen") << "full" << 2u << "full screen";
    }
    void framelessWindowFillsTheScreenAndRestores()
    {
        QFETCH(QString, how);
        QFETCH(uint, type);
        QFETCH(QString, state);
        Page p;
        QCOMPARE(p.state(), QStringLiteral("closed"));
        QWidget* window = p.openWindow();
        QVERIFY(window && window->isWindow() && (window->windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(p.title->geometry(), QRect(0, 0, window->width(), p.title->height()));
        QCOMPARE(p.state(), QStringLiteral("normal"));
        QCOMPARE(p.entries().filter(QStringLiteral("window opened at")).size(), 1);
        auto* shadow = p.child<ShadowEffect>("FramelessWindowShadow");
        QVERIFY(shadow);
        QTRY_VERIFY(shadow->isVisible());
        QCOMPARE(shadow->geometry(), window->geometry().adjusted(-kShadowWidth, -kShadowWidth, kShadowWidth, kShadowWidth));

        const QRect normal = window->geometry();
        const auto toggle = [&] {
            if (how == "double")
                KitraTest::doubleClick(p.title, QPoint(60, p.title->height() / 2));   // on the text
            else
                p.click(how == "full" ? "FramelessWindowFullScreen" : "FramelessWindowMaximize");
        };
        toggle();
        QCOMPARE(window->geometry(), how == "full" ? QApplication::desktop()->screenGeometry(window)
                                                   : QApplication::desktop()->availableGeometry(window));
        QVERIFY(window->geometry() != normal);
        QCOMPARE(p.windowType(), type);
        QCOMPARE(p.state(), state);
        QCOMPARE(p.maximiseTip(), QStringLiteral("Restore"));
        QVERIFY(p.lastEntry().contains(QStringLiteral("window ") + state));

        if (how == "full") {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            toggle();
        }
        QCOMPARE(window->geometry(), normal);
        QCOMPARE(p.windowType(), 0u);
        QCOMPARE(p.state(), QStringLiteral("normal"));
        QCOMPARE(p.maximiseTip(), QStringLiteral("Maximise"));
        QVERIFY(p.lastEntry().contains(QStringLiteral("window normal")));
        if (how == "double") {
            p.child<QCheckBox>("WindowDoubleClick")->click();
            toggle();
            QCOMPARE(window->geometry(), normal);
        }

        p.click("FramelessWindowClose");
        QVERIFY(!window->isVisible() && !shadow->isVisible());
        QCOMPARE(p.state(), QStringLiteral("closed"));
    }

    // Dragging the title moves the window (logged once, until switched off); stretching the top
    // edge resizes it down to its minimum height with the bottom edge in place.
    void titleBarMovesAndStretchesTheWindow()
    {
        Page p;
        QWidget* window = p.openWindow();
        QVERIFY(window);
        const QRect moved = window->geometry().translated(40, 30);
        p.dragTitle(QPoint(80, 12), QPoint(40, 30));
        QCOMPARE(window->geometry(), moved);
        QCOMPARE(p.entries().filter(QStringLiteral("window dragged to")).size(), 1);

        p.title->setMouseTracking(true);
        const QPoint topEdge(p.title->width() / 2, 1);
        KitraTest::move(p.title, topEdge, Qt::NoButton);            // hover finds the strip
        p.dragTitle(topEdge, QPoint(0, -50));
        QCOMPARE(window->geometry(), moved.adjusted(0, -50, 0, 0));
        QVERIFY(p.lastEntry().contains(QStringLiteral("SignalEndTitleStretch")));
        KitraTest::move(p.title, topEdge, Qt::NoButton);
        p.dragTitle(topEdge, QPoint(0, 1000));
        QCOMPARE(window->height(), window->minimumHeight());
        QCOMPARE(window->geometry().bottom(), moved.bottom());

        const QRect stretched = window->geometry();
        p.child<QCheckBox>("WindowDragMoves")->click();
        KitraTest::move(p.title, QPoint(80, 12), Qt::NoButton);
        p.dragTitle(QPoint(80, 12), QPoint(40, 30));
        QCOMPARE(window->geometry(), stretched);
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
        // Both ends come after about a second (coarse timers may be a little early).
        const QString result = p.child<QLabel>("WaitResult")->text();
        const QRegularExpressionMatch seconds = QRegularExpression(QStringLiteral("after ([0-9.]+) s")).match(result);
        QVERIFY2(result.startsWith(ending) && seconds.hasMatch(), qPrintable(result));
        QVERIFY2(qAbs(seconds.captured(1).toDouble() - 1.0) <= 0.3, qPrintable(result));
        QVERIFY2(p.lastEntry().contains(QStringLiteral("WaitWidget ended: ") + ending), qPrintable(p.lastEntry()));
        QCOMPARE(!p.entries().filter(QStringLiteral("sgnUnNormalExit")).isEmpty(), unNormal);
    }

    // The field's tip shows below it with the focus and turns red for a refused name; the button's
    // tip shows above the button and goes by itself.
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
        QTRY_VERIFY_WITH_TIMEOUT(!buttonTip->isVisible(), 6000);
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
