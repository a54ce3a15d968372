// The gallery's windows page as its operator uses it: the frameless window follows its title bar,
// notices land in the page's area, the wait indicator ends by itself and every report is logged.
#include "KitraTest.h"

#include "ZtMessageBox.h"

#include "NotifyWidget.h"
#include "ShadowEffect.h"
#include "WaitWidget.h"
#include "WindowsPage.h"
#include "ZtBaseWindowTitle.h"
#include "ZtDir.h"
#include "ZtSetting.h"

using namespace ZtGUI;

namespace {

const int kShadowWidth = 12;

// Mouse events at a global position: the window moves under the mouse during a drag, so the
// local position must follow it.
void sendAt(QWidget* w, QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, w->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void dragGlobal(QWidget* w, const QPoint& from, const QPoint& to)
{
    sendAt(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i)
        sendAt(w, QEvent::MouseMove, from + (to - from) * i / 4, Qt::NoButton, Qt::LeftButton);
    sendAt(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// The page shown at the gallery's size, with handles on the widgets a test drives.
struct Page
{
    Page()
    {
        page.resize(800, 640);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        log = page.findChild<QPlainTextEdit*>(QStringLiteral("WindowsLogText"));
        QVERIFY(log);
    }

    template <typename T>
    T* child(const char* name) const { return page.findChild<T*>(QString::fromLatin1(name)); }

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
        if (!window || !title)
            return nullptr;
        if (!QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

    QString state() const { return child<QLabel>("WindowState")->text(); }
    uint windowType() const { return window->property("_ZT_WindowType_").toUInt(); }

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

    WindowsPage page;
    QPlainTextEdit* log = nullptr;
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
        QString skin = QStringLiteral("DustyBlue");
        QString appDir = QCoreApplication::applicationDirPath();
        SetSkinVersion(skin);
        ZtDir::SetCurrentPath(appDir);
    }

    void framelessWindowOpensWithTitleBarAndShadow()
    {
        Page p;
        QCOMPARE(p.state(), QStringLiteral("closed"));
        QWidget* window = p.openWindow();
        QVERIFY(window);
        QVERIFY(window->isWindow());
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(p.title->mapTo(window, QPoint(0, 0)), QPoint(0, 0));     // the title bar is the top strip
        QCOMPARE(p.title->width(), window->width());
        QCOMPARE(p.state(), QStringLiteral("normal"));
        QVERIFY(p.entries().filter(QStringLiteral("window opened at")).size() == 1);

        auto* shadow = p.child<ShadowEffect>("FramelessWindowShadow");
        QVERIFY(shadow);
        QTRY_VERIFY(shadow->isVisible());
        const QRect around = window->geometry().adjusted(-kShadowWidth, -kShadowWidth, kShadowWidth, kShadowWidth);
        QCOMPARE(shadow->geometry(), around);

        p.click("FramelessWindowClose");
        QVERIFY(!window->isVisible());
        QVERIFY(!shadow->isVisible());
        QCOMPARE(p.state(), QStringLiteral("closed"));
    }

    void titleBarButtonsMaximiseAndRestore()
    {
        Page p;
        QWidget* window = p.openWindow();
        QVERIFY(window);
        const QRect normal = window->geometry();
        const QRect available = QApplication::desktop()->availableGeometry(window);
        QVERIFY(normal != available);

        p.click("FramelessWindowMaximize");
        QCOMPARE(window->geometry(), available);
        QCOMPARE(p.windowType(), 1u);
        QCOMPARE(p.state(), QStringLiteral("maximised"));
        QCOMPARE(p.child<QToolButton>("FramelessWindowMaximize")->toolTip(), QStringLiteral("Restore"));
        QVERIFY(p.entries().last().contains(QStringLiteral("window maximised")));

        p.click("FramelessWindowMaximize");
        QCOMPARE(window->geometry(), normal);
        QCOMPARE(p.windowType(), 0u);
        QCOMPARE(p.state(), QStringLiteral("normal"));
        QCOMPARE(p.child<QToolButton>("FramelessWindowMaximize")->toolTip(), QStringLiteral("Maximise"));
        QVERIFY(p.entries().last().contains(QStringLiteral("window normal")));
    }

    void doubleClickOnTheTitleMaximisesAndRestoresUntilSwitchedOff()
    {
        Page p;
        QWidget* window = p.openWindow();
        QVERIFY(window);
        const QRect normal = window->geometry();
        const QPoint inTitle(60, p.title->height() / 2);           // on the text, clear of the strips

        KitraTest::doubleClick(p.title, inTitle);
        QCOMPARE(window->geometry(), QApplication::desktop()->availableGeometry(window));
        KitraTest::doubleClick(p.title, inTitle);
        QCOMPARE(window->geometry(), normal);

        p.child<QCheckBox>("WindowDoubleClick")->click();
        KitraTest::doubleClick(p.title, inTitle);
        QCOMPARE(window->geometry(), normal);
    }

    void fullScreenCoversTheScreenAndEscapeRestores()
    {
        Page p;
        QWidget* window = p.openWindow();
        QVERIFY(window);
        const QRect normal = window->geometry();
        p.click("FramelessWindowFullScreen");
        QCOMPARE(window->geometry(), QApplication::desktop()->screenGeometry(window));
        QCOMPARE(p.windowType(), 2u);
        QCOMPARE(p.state(), QStringLiteral("full screen"));

        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(window->geometry(), normal);
        QCOMPARE(p.state(), QStringLiteral("normal"));
    }

    void draggingTheTitleMovesTheWindowAndIsLoggedOnce()
    {
        Page p;
        QWidget* window = p.openWindow();
        QVERIFY(window);
        const QRect before = window->geometry();
        const QPoint from = p.title->mapToGlobal(QPoint(80, p.title->height() / 2));
        dragGlobal(p.title, from, from + QPoint(40, 30));
        QCOMPARE(window->geometry(), before.translated(40, 30));
        QCOMPARE(p.entries().filter(QStringLiteral("window dragged to")).size(), 1);

        p.child<QCheckBox>("WindowDragMoves")->click();
        const QPoint again = p.title->mapToGlobal(QPoint(80, p.title->height() / 2));
        dragGlobal(p.title, again, again + QPoint(40, 30));
        QCOMPARE(window->geometry(), before.translated(40, 30));
    }

    void stretchingTheTopEdgeResizesTheWindowDownToItsMinimum()
    {
        Page p;
        QWidget* window = p.openWindow();
        QVERIFY(window);
        const QRect before = window->geometry();
        const QPoint topEdge = p.title->mapToGlobal(QPoint(p.title->width() / 2, 1));
        p.title->setMouseTracking(true);
        sendAt(p.title, QEvent::MouseMove, topEdge, Qt::NoButton, Qt::NoButton);   // hover finds the strip
        dragGlobal(p.title, topEdge, topEdge + QPoint(0, -50));
        QCOMPARE(window->geometry(), before.adjusted(0, -50, 0, 0));
        QVERIFY(p.entries().last().contains(QStringLiteral("SignalEndTitleStretch")));

        const QPoint newTop = p.title->mapToGlobal(QPoint(p.title->width() / 2, 1));
        sendAt(p.title, QEvent::MouseMove, newTop, Qt::NoButton, Qt::NoButton);
        dragGlobal(p.title, newTop, newTop + QPoint(0, 1000));
        QCOMPARE(window->height(), window->minimumHeight());
        QCOMPARE(window->geometry().bottom(), before.bottom());    // the bottom edge stays put
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
        QVERIFY(first->isVisible());
        QVERIFY(p.entries().last().contains(QStringLiteral("NotifyManager success: ") + first->Text()));

        p.click("NoticeError");
        QTRY_COMPARE(area->findChildren<NotifyWidget*>().size(), 2);
        NotifyWidget* second = area->findChildren<NotifyWidget*>().last();
        QTRY_COMPARE(second->y(), 0);
        QCOMPARE(first->y(), second->height());                      // the older one below it
        QVERIFY(p.entries().last().contains(QStringLiteral("NotifyManager error: ") + second->Text()));
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
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &p.page, [&p] {
            if (auto* wait = p.page.findChild<WaitWidget*>())
                wait->StopWaiting(true);
        });
        guard.start(20000);

        p.click("WaitStart");                                       // returns when the waiting ends

        auto* wait = p.page.findChild<WaitWidget*>();
        QVERIFY(wait);
        QVERIFY(!wait->isVisible());
        const QString result = p.child<QLabel>("WaitResult")->text();
        QVERIFY2(result.startsWith(ending), qPrintable(result));
        // Both ends come after about a second (coarse timers may be a little early).
        const QRegularExpressionMatch seconds = QRegularExpression(QStringLiteral("after ([0-9.]+) s")).match(result);
        QVERIFY2(seconds.hasMatch(), qPrintable(result));
        QVERIFY2(qAbs(seconds.captured(1).toDouble() - 1.0) <= 0.3, qPrintable(result));
        QVERIFY2(p.entries().last().contains(QStringLiteral("WaitWidget ended: ") + ending), qPrintable(p.entries().last()));
        QCOMPARE(!p.entries().filter(QStringLiteral("sgnUnNormalExit")).isEmpty(), unNormal);
    }

    void fieldTipShowsWithTheFocusAndTurnsRedForARefusedName()
    {
        Page p;
        auto* field = p.child<QLineEdit>("CameraName");
        auto* tip = p.child<QWidget>("FieldTip");
        QVERIFY(field && tip);
        QVERIFY(!tip->isVisible());
        p.page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.page));
        field->setFocus();
        QTRY_VERIFY(tip->isVisible());
        QVERIFY(tip->geometry().top() >= field->mapToGlobal(QPoint(0, field->height())).y());   // below the field

        auto* text = tip->findChild<QLabel*>();
        QVERIFY(text);
        QVERIFY(!text->styleSheet().contains(QStringLiteral("198, 40, 40")));
        QTest::keyClicks(field, QStringLiteral("Gate*"));
        QCOMPARE(text->styleSheet(), QStringLiteral("color:rgb(198, 40, 40);"));
        QVERIFY(p.entries().last().contains(QStringLiteral("camera name refused")));
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!text->styleSheet().contains(QStringLiteral("198, 40, 40")));

        p.click("TipButton");                                       // takes the focus away
        QTRY_VERIFY(!tip->isVisible());
    }

    void buttonTipAppearsAboveTheButtonAndGoes()
    {
        Page p;
        auto* button = p.child<QPushButton>("TipButton");
        auto* tip = p.child<QWidget>("ButtonTip");
        p.click("TipButton");
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->geometry().bottom() + 1, button->mapToGlobal(QPoint(0, 0)).y());
        QCOMPARE(tip->geometry().center().x(), button->mapToGlobal(button->rect().center()).x());
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 6000);
    }

    void pushButtonsReportTheirClicks()
    {
        Page p;
        for (const char* name : {"PlayButton", "CancelButton", "AlarmsButton", "RecordButton"})
            p.click(name);
        p.click("PlayBackButton");                                  // disabled: no report
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
        QPushButton* open = nullptr;
        for (QPushButton* b : group->findChildren<QPushButton*>())
            open = b->text() == button ? b : open;
        QVERIFY(open);
        bool answered = false;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* answer = w->isVisible() ? w->findChild<QPushButton*>(answerWith) : nullptr;
                if (answer && qobject_cast<ZtGUI::ZtMessageBox*>(w)) {
                    answer->click();
                    answered = true;
                }
            }
        });
        open->click();                       // returns when the box is answered
        QVERIFY(answered);
        QTRY_VERIFY(p.entries().join(QLatin1Char('\n')).contains(logged));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_WindowsPage)
#include "tst_windowspage.moc"
