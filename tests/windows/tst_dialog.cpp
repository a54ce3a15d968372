// The frameless dialog: its parts and title buttons, keys it swallows, exec() loops cancelled all
// at once, the close animation and what it restores, sizes kept in "DialogCfg.ini", border
// stretching with its cursors, the border-image mask and dialogs deleted while they close.
#include "KitraTest.h"
#include "ShadowEffect.h"
#include "ZtDialog.h"
#include "ZtDir.h"
#include "ZtSetting.h"

using namespace ZtGUI;

namespace {

const QRect kPlace(100, 100, 400, 300);

// done() is protected: hosts reach it through their own dialogs, as this one does.
class Dialog : public ZtDialog
{
public:
    using ZtDialog::ZtDialog;
    using ZtDialog::done;
};

// Mouse events at a global position: the dialog moves under the mouse while it is stretched.
void sendAt(QWidget* w, QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, w->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Hover at `local`, press there, move by `delta` in two steps and release.
void stretch(QWidget* w, const QPoint& local, const QPoint& delta)
{
    const QPoint from = w->mapToGlobal(local);
    sendAt(w, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    sendAt(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendAt(w, QEvent::MouseMove, from + delta / 2, Qt::NoButton, Qt::LeftButton);
    sendAt(w, QEvent::MouseMove, from + delta, Qt::NoButton, Qt::LeftButton);
    sendAt(w, QEvent::MouseButtonRelease, from + delta, Qt::LeftButton, Qt::NoButton);
}

void showAt(QWidget& w, const QRect& geometry)
{
    w.setGeometry(geometry);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

// Every geometry a widget passes through.
class GeometryLog : public QObject
{
public:
    explicit GeometryLog(QWidget* w) : widget(w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            seen.append(widget->geometry());
        return false;
    }
    QWidget* widget;
    QList<QRect> seen;
};

// Runs `action` once, from the event loop, after the first step of the widget's geometry.
class AfterFirstStep : public QObject
{
public:
    AfterFirstStep(QWidget* w, std::function<void()> action) : action(std::move(action)) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (action && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
            QTimer::singleShot(0, this, std::exchange(action, nullptr));
        return false;
    }
    std::function<void()> action;
};

// A key press and release as the focus widget receives them (QTest has no text for every key).
void pressKey(QWidget* w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void writeConfig(const QString& folder, const QString& text)
{
    QFile file(folder + "/DialogCfg.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

void setAppDir(const QString& path)
{
    QString copy = path;
    ZtDir::SetCurrentPath(copy);
}

// A settings file naming the skin style, in force for the dialogs built after it.
void useSkinStyle(const QString& folder, const QString& style)
{
    const QString ini = folder + "/settings.ini";
    {
        QSettings settings(ini, QSettings::IniFormat);
        settings.setValue("SkinStyle/SkinFolder", style);
    }
    ZtSetting::UnInstance();
    ZtSetting::setIniPath(ini);
}

} // namespace

class tst_Dialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void cleanup()
    {
        setAppDir(QString());
        ZtSetting::UnInstance();
        ZtSetting::setIniPath(QString());
    }

    void formHoldsTheNamedPartsAndTheRequestedButtons_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("buttons");     // object name = tool tip, in the title bar's order
        QTest::newRow("close") << int(ZtDialog::CloseButtonHint) << QStringList{"pCloseBtn=Close"};
        QTest::newRow("min max close") << int(ZtDialog::MinMaxButtonsHint | ZtDialog::CloseButtonHint)
                                       << QStringList{"pMinBtn=Minimize", "pMaxBtn=Maximize", "pCloseBtn=Close"};
        QTest::newRow("maximise only") << int(ZtDialog::MaximizeButtonHint) << QStringList{"pMaxBtn=Maximize"};
        QTest::newRow("none") << 0 << QStringList();
    }
    void formHoldsTheNamedPartsAndTheRequestedButtons()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, buttons);
        ZtDialog dialog(nullptr, QFlags<ZtDialog::DialogFlag>(flags));
        QCOMPARE(dialog.objectName(), QString("CDialogUI"));
        QCOMPARE(dialog.size(), QSize(425, 324));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        for (const char* name : {"pBackgroundWidget", "pDialogTitle", "line", "pCentralFrame"})
            QVERIFY2(dialog.findChild<QWidget*>(name), name);
        QCOMPARE(dialog.GetCentralWidget(), dialog.findChild<QWidget*>("pCentralFrame"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget* title = dialog.findChild<QWidget*>("pDialogTitle");
        QCOMPARE(title->height(), 45);
        QStringList found;
        QList<QToolButton*> tools = title->findChildren<QToolButton*>();
        std::sort(tools.begin(), tools.end(), [](QToolButton* a, QToolButton* b) { return a->x() < b->x(); });
        for (QToolButton* button : qAsConst(tools))
            found << button->objectName() + '=' + button->toolTip();
        QCOMPARE(found, buttons);
    }

    void titleTextAndExtraTitleWidgets()
    {
        ZtDialog dialog(nullptr, ZtDialog::CloseButtonHint);
        dialog.SetTitle("Cameras");
        QCOMPARE(dialog.GetTitle(), QString("Cameras"));
        auto* second = new QLabel("second");
        auto* first = new QLabel("first");
        dialog.InsertTitleWidget(second, 0);
        dialog.InsertTitleWidget(first, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QWidget* close = dialog.findChild<QWidget*>("pCloseBtn");
        QVERIFY(first->x() < second->x());
        QVERIFY(second->x() < close->x());
        dialog.SetTitleHide(true);
        QVERIFY(!dialog.findChild<QWidget*>("pDialogTitle")->isVisible());
    }

    void addCentralWidgetFillsTheFrameAndRefusesNull()
    {
        ZtDialog dialog;
        QTest::ignoreMessage(QtWarningMsg, "ZtDialog::AddCentralWidget: Attempt to insert null QWidget");
        dialog.AddCentralWidget(nullptr);
        QVERIFY(!dialog.GetCentralWidget()->layout());
        auto* content = new QTextEdit;
        dialog.AddCentralWidget(content);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(content->parentWidget(), dialog.GetCentralWidget());
        QCOMPARE(content->geometry(), dialog.GetCentralWidget()->rect());
    }

    void lineAndShadowFollowTheSkinStyle_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("lineSheet");
        QTest::newRow("dark") << "Dark" << "QFrame#line{color:#626262;}";
        QTest::newRow("dusty blue") << "DustyBlue" << "QFrame#line{color:#e3e3e3;}";
        QTest::newRow("none") << "" << "QFrame#line{color:#e3e3e3;}";
    }
    void lineAndShadowFollowTheSkinStyle()
    {
        QFETCH(QString, style);
        QFETCH(QString, lineSheet);
        QTemporaryDir folder;
        useSkinStyle(folder.path(), style);
        ZtDialog dialog;
        QCOMPARE(dialog.findChild<QFrame*>("line")->styleSheet(), lineSheet);
        showAt(dialog, kPlace);
        const auto windows = QApplication::topLevelWidgets();
        const auto shadow = std::find_if(windows.cbegin(), windows.cend(), [](QWidget* w) {
            return qobject_cast<ShadowEffect*>(w) && w->isVisible();
        });
        QVERIFY(shadow != windows.cend());
        QCOMPARE((*shadow)->geometry(), kPlace.adjusted(-5, -5, 5, 5));
        dialog.hide();
        QVERIFY(!(*shadow)->isVisible());
    }

    void escapeReturnEnterAndSelectAreSwallowed_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
        QTest::newRow("select") << int(Qt::Key_Select);
    }
    void escapeReturnEnterAndSelectAreSwallowed()
    {
        QFETCH(int, key);
        ZtDialog dialog;
        dialog.SetCloseAnimaEnable(false);
        auto* edit = new QLineEdit;
        dialog.AddCentralWidget(edit);
        bool openAfterKey = false;
        QTimer::singleShot(0, &dialog, [&] {
            edit->setFocus();
            pressKey(edit, key);
            pressKey(&dialog, key);
            openAfterKey = dialog.isVisible();
            dialog.accept();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(openAfterKey);
    }

    void quitExecRejectsNestedLoopsAndForgetsThem_data()
    {
        QTest::addColumn<bool>("animated");
        QTest::newRow("animated") << true;
        QTest::newRow("at once") << false;
    }
    void quitExecRejectsNestedLoopsAndForgetsThem()
    {
        QFETCH(bool, animated);
        ZtDialog outer;
        ZtDialog inner;
        outer.SetCloseAnimaEnable(animated);
        inner.SetCloseAnimaEnable(animated);
        int innerResult = -2;
        QTimer::singleShot(0, &outer, [&] {
            QTimer::singleShot(0, &inner, [] { ZtDialog::QuitExec(); });
            innerResult = inner.exec();
        });
        QCOMPARE(outer.exec(), int(QDialog::Rejected));
        QCOMPARE(innerResult, int(QDialog::Rejected));

        // Both left the list: a later QuitExec touches neither.
        QSignalSpy outerRejected(&outer, &QDialog::rejected);
        QSignalSpy innerRejected(&inner, &QDialog::rejected);
        ZtDialog::QuitExec();
        QCOMPARE(outerRejected.count() + innerRejected.count(), 0);
    }

    void quitExecLeavesADialogThatLeftItsLoop()
    {
        ZtDialog dialog;
        dialog.SetCloseAnimaEnable(false);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        dialog.show();
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        ZtDialog::QuitExec();
        QCOMPARE(rejected.count(), 0);
        QVERIFY(dialog.isVisible());
    }

    void quitExecSkipsADialogDeletedInsideItsLoop()
    {
        auto* doomed = new ZtDialog;
        ZtDialog survivor;
        survivor.SetCloseAnimaEnable(false);
        int doomedResult = -2;
        QTimer::singleShot(0, &survivor, [&] {
            QTimer::singleShot(0, [&] {
                delete doomed;
                ZtDialog::QuitExec();
            });
            doomedResult = doomed->exec();
        });
        QCOMPARE(survivor.exec(), int(QDialog::Rejected));
        QCOMPARE(doomedResult, int(QDialog::Rejected));
    }

    void doneDeliversTheResultAndRestoresTheDialog_data()
    {
        QTest::addColumn<bool>("animated");
        QTest::addColumn<int>("result");
        QTest::newRow("animated, accepted") << true << int(QDialog::Accepted);
        QTest::newRow("animated, own code") << true << 7;
        QTest::newRow("at once, rejected") << false << int(QDialog::Rejected);
        QTest::newRow("at once, own code") << false << 7;
    }
    void doneDeliversTheResultAndRestoresTheDialog()
    {
        QFETCH(bool, animated);
        QFETCH(int, result);
        const QRect place(90, 100, 300, 210);
        Dialog dialog;
        dialog.SetCloseAnimaEnable(animated);
        dialog.setMinimumSize(120, 90);
        showAt(dialog, place);
        GeometryLog log(&dialog);
        QSignalSpy finished(&dialog, &QDialog::finished);
        QElapsedTimer clock;
        clock.start();
        dialog.done(result);
        if (animated) {
            QCOMPARE(finished.count(), 0);
            QVERIFY(dialog.isVisible());
            QVERIFY(finished.wait(3000));
            QVERIFY2(clock.elapsed() >= 180, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(log.seen.contains(QRect(190, 170, 66, 46)));   // the middle third
        } else {
            QCOMPARE(finished.count(), 1);
            QVERIFY(log.seen.isEmpty());
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(finished.at(0).at(0).toInt(), result);
        QCOMPARE(dialog.result(), result);
        QCOMPARE(dialog.geometry(), place);
        QCOMPARE(dialog.windowOpacity(), 1.0);
        QCOMPARE(dialog.minimumSize(), QSize(120, 90));
    }

    // Shown or run again while it shrinks, the dialog drops the pending close: it stays open as it
    // was and delivers only what the operator answers later.
    void reopenedWhileClosingItStaysOpen_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::addColumn<bool>("midAnimation");
        QTest::newRow("show, instant") << false << false;
        QTest::newRow("show, mid-animation") << false << true;
        QTest::newRow("exec, instant") << true << false;
        QTest::newRow("exec, mid-animation") << true << true;
    }
    void reopenedWhileClosingItStaysOpen()
    {
        QFETCH(bool, modal);
        QFETCH(bool, midAnimation);
        Dialog dialog;
        showAt(dialog, kPlace);
        ZtDialog witness;                         // its close ends after the dropped one would have
        showAt(witness, kPlace.translated(20, 20));
        QSignalSpy finished(&dialog, &QDialog::finished);
        bool witnessDone = false;
        bool openAtWitness = false;
        connect(&witness, &QDialog::finished, &dialog, [&] {
            witnessDone = true;
            openAtWitness = dialog.isVisible() && finished.isEmpty() && dialog.geometry() == kPlace
                && dialog.windowOpacity() == 1.0 && (!modal || QApplication::activeModalWidget() == &dialog);
            if (modal)
                dialog.done(5);                   // the operator's answer
        });
        int execResult = -2;
        const auto reopen = [&] {
            if (modal)
                execResult = dialog.exec();
            else
                dialog.show();
        };
        AfterFirstStep step(&dialog, midAnimation ? reopen : std::function<void()>());
        dialog.accept();
        witness.accept();
        if (!midAnimation)
            reopen();
        QTRY_VERIFY(witnessDone);
        QVERIFY(openAtWitness);
        QTRY_COMPARE(execResult, modal ? 5 : -2);
        QCOMPARE(finished.count(), modal ? 1 : 0);
    }

    void aDialogDeletedWhileItClosesIsLeftAlone_data()
    {
        QTest::addColumn<bool>("fromFinished");
        QTest::newRow("deleted during the animation") << false;
        QTest::newRow("deleted by its finished signal") << true;
    }
    void aDialogDeletedWhileItClosesIsLeftAlone()
    {
        QFETCH(bool, fromFinished);
        QPointer<ZtDialog> doomed = new ZtDialog;
        showAt(*doomed, kPlace);
        ZtDialog witness;                        // closes alongside, to wait out the animation
        showAt(witness, kPlace.translated(20, 20));
        QSignalSpy witnessFinished(&witness, &QDialog::finished);
        if (fromFinished)
            connect(doomed.data(), &QDialog::finished, doomed.data(), [&doomed] { delete doomed; });
        doomed->accept();
        witness.accept();
        if (!fromFinished)
            delete doomed;
        QVERIFY(witnessFinished.wait(3000));
        QTRY_VERIFY(doomed.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);   // the animation's own
    }

    void namedDialogTakesItsStoredSize_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QSize>("expected");
        const QSize given(360, 250);
        QTest::newRow("both stored") << "[Cam]\nwidth=500\nheight=410\n" << QSize(500, 410);
        QTest::newRow("width 0") << "[Cam]\nwidth=0\nheight=410\n" << QSize(425, 324);
        QTest::newRow("height negative") << "[Cam]\nwidth=500\nheight=-3\n" << QSize(425, 324);
        QTest::newRow("a list") << "[Cam]\nwidth=500,1\nheight=410\n" << QSize(425, 324);
        QTest::newRow("only width") << "[Cam]\nwidth=500\n" << given;
        QTest::newRow("other dialog") << "[Map]\nwidth=500\nheight=410\n" << given;
        QTest::newRow("no file") << "" << given;
    }
    void namedDialogTakesItsStoredSize()
    {
        QFETCH(QString, config);
        QFETCH(QSize, expected);
        QTemporaryDir folder;
        setAppDir(folder.path());
        if (!config.isEmpty())
            writeConfig(folder.path(), config);
        ZtDialog dialog("Cam", QSize(360, 250), nullptr, ZtDialog::CloseButtonHint);
        QCOMPARE(dialog.size(), expected);
    }

    // The close button stores the size of a stretchable dialog, under its name only: names that the
    // settings file would fold into one another keep sizes of their own.
    void closeButtonStoresTheSizeUnderItsOwnName_data()
    {
        QTest::addColumn<bool>("stretchable");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("other");
        QTest::newRow("fixed") << false << "Cam" << "Map";
        QTest::newRow("stretchable") << true << "Cam" << "Map";
        QTest::newRow("doubled slash") << true << "a//b" << "a/b";
        QTest::newRow("leading slash") << true << "/lead" << "lead";
        QTest::newRow("trailing slash") << true << "tail" << "tail/";
        QTest::newRow("escape-like") << true << "a%2Fb" << "a/b";
    }
    void closeButtonStoresTheSizeUnderItsOwnName()
    {
        QFETCH(bool, stretchable);
        QFETCH(QString, name);
        QFETCH(QString, other);
        QTemporaryDir folder;
        setAppDir(folder.path());
        const QSize given(360, 250);
        {
            ZtDialog dialog(name, given, nullptr, ZtDialog::CloseButtonHint);
            dialog.SetCloseAnimaEnable(false);
            dialog.SetSupportStretch(stretchable);
            QCOMPARE(dialog.GetSupportStretch(), stretchable);
            showAt(dialog, QRect(50, 60, 510, 377));
            QTest::mouseClick(dialog.findChild<QToolButton*>("pCloseBtn"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(ZtDialog(name, given).size(), stretchable ? QSize(510, 377) : given);
        QCOMPARE(ZtDialog(other, given).size(), given);
        if (name == "Cam") {   // a plain name is a readable section of its own
            const QSettings stored(folder.path() + "/DialogCfg.ini", QSettings::IniFormat);
            QCOMPARE(stored.value("Cam/width").toInt(), stretchable ? 510 : 0);
        }
    }

    // The borders and the title bar's top strips stretch a stretchable dialog down to its minimum.
    void bordersStretchTheDialog_data()
    {
        QTest::addColumn<bool>("inTitle");
        QTest::addColumn<bool>("stretchable");
        QTest::addColumn<QPoint>("at");       // where the press starts, in the dialog or its title
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("right wider") << false << true << QPoint(398, 150) << QPoint(50, 0) << QRect(100, 100, 450, 300);
        QTest::newRow("bottom-right") << false << true << QPoint(398, 298) << QPoint(30, 20) << QRect(100, 100, 430, 320);
        QTest::newRow("bottom-left") << false << true << QPoint(1, 298) << QPoint(-20, 20) << QRect(80, 100, 420, 320);
        // Halfway the left edge is at 275; past the minimum it stays there.
        QTest::newRow("left past the minimum") << false << true << QPoint(1, 150) << QPoint(350, 0) << QRect(275, 100, 200, 300);
        QTest::newRow("bottom past the minimum") << false << true << QPoint(200, 298) << QPoint(0, -250) << QRect(100, 100, 400, 150);
        QTest::newRow("inside") << false << true << QPoint(200, 150) << QPoint(30, 30) << kPlace;
        QTest::newRow("title top higher") << true << true << QPoint(200, 1) << QPoint(0, -30) << QRect(100, 70, 400, 330);
        QTest::newRow("title left wider") << true << true << QPoint(1, 20) << QPoint(-40, 0) << QRect(60, 100, 440, 300);
        QTest::newRow("title top-right") << true << true << QPoint(398, 1) << QPoint(20, -20) << QRect(100, 80, 420, 320);
        QTest::newRow("title top past the minimum") << true << true << QPoint(200, 1) << QPoint(0, 260) << QRect(100, 230, 400, 150);
        // Without stretching the strip is only part of the title: dragging it moves the dialog.
        QTest::newRow("title, not stretchable") << true << false << QPoint(200, 1) << QPoint(0, -30) << kPlace.translated(0, -30);
    }
    void bordersStretchTheDialog()
    {
        QFETCH(bool, inTitle);
        QFETCH(bool, stretchable);
        QFETCH(QPoint, at);
        QFETCH(QPoint, delta);
        QFETCH(QRect, expected);
        ZtDialog dialog;
        dialog.setMinimumSize(200, 150);
        dialog.SetSupportStretch(stretchable);
        showAt(dialog, kPlace);
        stretch(inTitle ? dialog.findChild<QWidget*>("pDialogTitle") : &dialog, at, delta);
        QCOMPARE(dialog.geometry(), expected);
    }

    void cursorShowsTheBorderOnlyWhenStretchable_data()
    {
        QTest::addColumn<bool>("stretchable");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("shape");
        QTest::newRow("left") << true << QPoint(1, 150) << int(Qt::SizeHorCursor);
        QTest::newRow("right") << true << QPoint(398, 150) << int(Qt::SizeHorCursor);
        QTest::newRow("bottom") << true << QPoint(200, 299) << int(Qt::SizeVerCursor);
        QTest::newRow("bottom-right") << true << QPoint(399, 299) << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-left") << true << QPoint(0, 298) << int(Qt::SizeBDiagCursor);
        QTest::newRow("top-left") << true << QPoint(2, 2) << int(Qt::SizeFDiagCursor);
        QTest::newRow("inside") << true << QPoint(200, 150) << int(Qt::ArrowCursor);
        QTest::newRow("left, fixed") << false << QPoint(1, 150) << int(Qt::ArrowCursor);
        QTest::newRow("bottom-right, fixed") << false << QPoint(399, 299) << int(Qt::ArrowCursor);
    }
    void cursorShowsTheBorderOnlyWhenStretchable()
    {
        QFETCH(bool, stretchable);
        QFETCH(QPoint, at);
        QFETCH(int, shape);
        ZtDialog dialog;
        dialog.SetSupportStretch(stretchable);
        showAt(dialog, kPlace);
        // Through the child under the border, as the window system delivers a hover.
        QWidget* under = dialog.childAt(at);
        QVERIFY(under);
        QCOMPARE(dialog.hasMouseTracking(), stretchable);
        QCOMPARE(under->hasMouseTracking(), stretchable);
        KitraTest::move(under, under->mapFrom(&dialog, at), Qt::NoButton);
        QCOMPARE(int(under->cursor().shape()), shape);
    }

    void maximiseButtonSwapsItsTipAndName()
    {
        ZtDialog dialog(nullptr, ZtDialog::MinMaxButtonsHint | ZtDialog::CloseButtonHint);
        showAt(dialog, kPlace);
        auto* button = dialog.findChild<QToolButton*>("pMaxBtn");
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->toolTip(), QString("Restore"));
        QCOMPARE(button->objectName(), QString("pReductionBtn"));
        QCOMPARE(dialog.geometry(), QRect(0, 0, 800, 600));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->toolTip(), QString("Maximize"));
        QCOMPARE(button->objectName(), QString("pMaxBtn"));
        QCOMPARE(dialog.geometry(), kPlace);
        dialog.SetWndMaxOrNormal();
        QCOMPARE(button->objectName(), QString("pReductionBtn"));
    }

    void borderImageMasksTheDialog()
    {
        QPixmap border(40, 60);
        border.fill(Qt::black);
        {
            QPainter painter(&border);
            painter.setCompositionMode(QPainter::CompositionMode_Clear);
            painter.fillRect(0, 0, 4, 4, Qt::transparent);   // a cut-off top-left corner
        }
        ZtDialog dialog;
        QVERIFY(dialog.setProperty("pixBorderImage", border));
        QCOMPARE(dialog.property("pixBorderImage").value<QPixmap>().size(), QSize(40, 60));
        dialog.resize(300, 200);
        QApplication::sendPostedEvents();
        showAt(dialog, kPlace);
        const QRegion mask = dialog.mask();
        QVERIFY(!mask.isEmpty());
        QVERIFY(!mask.contains(QPoint(1, 1)));
        QVERIFY(mask.contains(QPoint(200, 150)));
        QVERIFY(mask.contains(QPoint(399, 299)));
    }

    void moveToCenterCentresOnTheDesktop()
    {
        ZtDialog dialog;
        dialog.resize(400, 300);
        dialog.moveToCenter();
        QCOMPARE(dialog.pos(), QPoint(200, 150));
    }
};

QTEST_MAIN(tst_Dialog)
#include "tst_dialog.moc"
