// The frameless dialog: parts, keys, exec() loops, the close animation, stored sizes, stretching.
#include "ShadowEffect.h"
#include "WindowsTest.h"
#include "ZtDialog.h"

using namespace ZtGUI;
using namespace WindowsTest;

namespace {

const QRect kPlace(100, 100, 400, 300);

// done() is protected: hosts reach it through their own dialogs, as this one does.
class Dialog : public ZtDialog
{
public:
    using ZtDialog::ZtDialog;
    using ZtDialog::done;
};

// Logs the geometries a widget passes through; runs `action` from the event loop after the first.
class GeometryLog : public QObject
{
public:
    GeometryLog(QWidget* w, std::function<void()> action = {}) : widget(w), action(std::move(action))
    {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
            seen.append(widget->geometry());
            if (action)
                QTimer::singleShot(0, this, std::exchange(action, nullptr));
        }
        return false;
    }
    QWidget* widget;
    std::function<void()> action;
    QList<QRect> seen;
};

struct Border { bool stretchable; QPoint at, delta; int cursor; QRect expected; };   // at: in the dialog
// config: "DialogCfg.ini" before the dialog opens
struct Stored { QString config; bool stretchable; QString name, other; QSize opened, reopened; };

} // namespace

Q_DECLARE_METATYPE(Border)
Q_DECLARE_METATYPE(Stored)

class tst_Dialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void cleanup()
    {
        setAppDir(QString());
        useSkinStyle(m_dir.filePath("settings.ini"), QString());
    }

    // One dialog through its title buttons, central widget, keys, maximise button, mask, skin and shadow.
    void formButtonsKeysMaskAndCentring_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("buttons");     // object name = tool tip, in the title bar's order
        QTest::addColumn<QString>("style");
        QTest::newRow("close, dark") << int(ZtDialog::CloseButtonHint) << QStringList{"pCloseBtn=Close"} << "Dark";
        QTest::newRow("min max close") << int(ZtDialog::MinMaxButtonsHint | ZtDialog::CloseButtonHint)
                                       << QStringList{"pMinBtn=Minimize", "pMaxBtn=Maximize", "pCloseBtn=Close"}
                                       << "DustyBlue";
        QTest::newRow("maximise only, no skin") << int(ZtDialog::MaximizeButtonHint) << QStringList{"pMaxBtn=Maximize"}
                                                << "";
        QTest::newRow("none") << 0 << QStringList() << "DustyBlue";
    }
    void formButtonsKeysMaskAndCentring()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, buttons);
        QFETCH(QString, style);
        useSkinStyle(m_dir.filePath("settings.ini"), style);
        ZtDialog dialog(nullptr, QFlags<ZtDialog::DialogFlag>(flags));
        dialog.SetCloseAnimaEnable(false);
        QCOMPARE(dialog.findChild<QFrame*>("line")->styleSheet(),
                 QString("QFrame#line{color:#%1;}").arg(style == "Dark" ? "626262" : "e3e3e3"));
        QTest::ignoreMessage(QtWarningMsg, "ZtDialog::AddCentralWidget: Attempt to insert null QWidget");
        dialog.AddCentralWidget(nullptr);
        QVERIFY(!dialog.GetCentralWidget()->layout());
        auto* edit = new QTextEdit;
        dialog.AddCentralWidget(edit);
        for (const char* name : {"second", "first"}) {
            auto* extra = new QToolButton;
            extra->setObjectName(name);
            dialog.InsertTitleWidget(extra, 0);
        }
        QImage border(40, 60, QImage::Format_ARGB32);
        border.fill(Qt::black);
        for (int i = 0; i < 16; ++i)
            border.setPixel(i % 4, i / 4, 0);                        // a cut-off top-left corner
        QVERIFY(dialog.setProperty("pixBorderImage", QPixmap::fromImage(border)));
        showAt(dialog, kPlace);
        const QRegion mask = dialog.mask();
        QVERIFY(!mask.contains(QPoint(1, 1)) && mask.contains(QPoint(200, 150)) && mask.contains(QPoint(399, 299)));
        QCOMPARE(edit->geometry(), dialog.GetCentralWidget()->rect());
        QWidget* title = dialog.findChild<QWidget*>("pDialogTitle");
        const auto describe = [](QToolButton* b) { return b->objectName() + '=' + b->toolTip(); };
        QCOMPARE(leftToRight<QToolButton>(title, describe), QStringList({"first=", "second="}) + buttons);
        for (QToolButton* b : title->findChildren<QToolButton*>(QRegularExpression("^p")))
            QCOMPARE(b->accessibleName(), b->toolTip());      // an icon alone: a screen reader reads the tip

        edit->setFocus();
        for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Select}) {
            for (QWidget* to : {static_cast<QWidget*>(edit), static_cast<QWidget*>(&dialog)}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(to, &press);
            }
        }
        QVERIFY(dialog.isVisible());
        if (auto* button = dialog.findChild<QToolButton*>("pMaxBtn")) {
            const auto state = [&] {
                return QVariantList{button->objectName(), button->toolTip(), button->accessibleName(), dialog.geometry()};
            };
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(state(), QVariantList({"pReductionBtn", "Restore", "Restore", QRect(0, 0, 800, 600)}));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(state(), QVariantList({"pMaxBtn", "Maximize", "Maximize", kPlace}));
            dialog.SetWndMaxOrNormal();
            QCOMPARE(button->objectName(), QString("pReductionBtn"));
            dialog.SetWndMaxOrNormal();
        }
        dialog.SetTitleHide(true);
        QVERIFY(!title->isVisible());
        dialog.moveToCenter();
        QCOMPARE(dialog.pos(), QPoint(200, 150));
        QWidget* shadow = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            shadow = qobject_cast<ShadowEffect*>(w) && w->isVisible() ? w : shadow;
        QVERIFY(shadow);
        QCOMPARE(shadow->geometry(), dialog.geometry().adjusted(-5, -5, 5, 5));
        dialog.hide();
        QVERIFY(!shadow->isVisible());
    }

    // QuitExec rejects all running loops, nested too, and forgets those answered, quit or deleted.
    void quitExecRejectsEveryRunningLoopOnce()
    {
        for (const bool animated : {true, false}) {
            ZtDialog answered, outer, inner;
            auto* doomed = new ZtDialog;
            int rejected = 0;
            for (ZtDialog* dialog : {&answered, &outer, &inner}) {
                dialog->SetCloseAnimaEnable(animated);
                connect(dialog, &QDialog::rejected, this, [&rejected] { ++rejected; });
            }
            QTimer::singleShot(0, &answered, [&answered] { answered.accept(); });
            QCOMPARE(answered.exec(), int(QDialog::Accepted));
            answered.show();
            QList<int> results;                       // innermost first
            QTimer::singleShot(0, &outer, [&] {
                QTimer::singleShot(0, &inner, [&] {
                    QTimer::singleShot(0, [&] {
                        delete doomed;
                        ZtDialog::QuitExec();
                    });
                    results << doomed->exec();
                });
                results << inner.exec();
            });
            results << outer.exec();
            QCOMPARE(results, QList<int>({QDialog::Rejected, QDialog::Rejected, QDialog::Rejected}));
            ZtDialog::QuitExec();
            QCOMPARE(rejected, 2);                    // outer and inner, once each
            QVERIFY(answered.isVisible());
        }
    }

    // Closing shrinks, reports and restores; reopened meanwhile it stays open, deleted it is left alone.
    void closeAnimation_data()
    {
        QTest::addColumn<QString>("then");       // what the host does once the close began
        QTest::addColumn<bool>("midAnimation");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("nothing, not animated") << "at once" << false;
        QTest::newRow("show, instant") << "show" << false;
        QTest::newRow("show, mid-animation") << "show" << true;
        QTest::newRow("exec, instant") << "exec" << false;
        QTest::newRow("exec, mid-animation") << "exec" << true;
        QTest::newRow("delete, mid-animation") << "delete" << true;
        QTest::newRow("delete from finished") << "finished" << false;
    }
    void closeAnimation()
    {
        QFETCH(QString, then);
        QFETCH(bool, midAnimation);
        const bool modal = then == "exec", reopened = modal || then == "show", animated = then != "at once";
        const bool deleted = then == "delete" || then == "finished", left = then.isEmpty() || !animated;
        const QRect place(90, 100, 300, 210);
        QPointer<Dialog> dialog = new Dialog;
        dialog->SetCloseAnimaEnable(animated);
        dialog->setMinimumSize(120, 90);
        showAt(*dialog, place);
        ZtDialog witness;                         // its close ends after the dropped one would have
        witness.SetCloseAnimaEnable(!left);
        showAt(witness, place.translated(20, 20));
        QSignalSpy finished(dialog.data(), &QDialog::finished), witnessFinished(&witness, &QDialog::finished);
        bool openAtWitness = false;
        connect(&witness, &QDialog::finished, this, [&] {
            openAtWitness = dialog && dialog->isVisible() && finished.isEmpty() && dialog->geometry() == place
                && dialog->windowOpacity() == 1.0 && (!modal || QApplication::activeModalWidget() == dialog);
            if (modal) {
                dialog->SetCloseAnimaEnable(false);
                dialog->done(5);                  // the operator's answer
            }
        });
        if (then == "finished")
            connect(dialog.data(), &QDialog::finished, dialog.data(), [&dialog] { delete dialog; });
        int execResult = -2;
        const auto act = [&] {
            if (then == "delete")
                delete dialog;
            else if (reopened)
                modal ? void(execResult = dialog->exec()) : dialog->show();
        };
        GeometryLog log(dialog, midAnimation ? act : std::function<void()>());
        QElapsedTimer clock;
        clock.start();
        dialog->done(7);
        QCOMPARE(finished.count(), int(!animated));
        witness.accept();
        if (!midAnimation)
            act();
        QVERIFY(witnessFinished.count() == 1 || witnessFinished.wait(3000));
        QVERIFY(left || openAtWitness == reopened);
        QTRY_COMPARE(execResult, modal ? 5 : -2);
        QTRY_COMPARE(dialog.isNull(), deleted);
        if (left) {
            QTRY_COMPARE(calls(finished), QList<QVariantList>{{7}});
            QVERIFY2(!animated || clock.elapsed() >= 180, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(log.seen.contains(QRect(190, 170, 66, 46)), animated);
            QCOMPARE(QVariantList({dialog->isVisible(), dialog->result(), dialog->geometry(), dialog->windowOpacity(),
                                   dialog->minimumSize()}),
                     QVariantList({false, 7, place, 1.0, QSize(120, 90)}));
        }
        QCOMPARE(finished.count(), int(left || modal || then == "finished"));
        delete dialog;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);   // the animation's own
    }

    // Valid stored sizes open a named dialog; closing a stretchable one stores its size, under its name only.
    void sizesAreKeptUnderTheDialogsName_data()
    {
        QTest::addColumn<Stored>("stored");
        const QSize given(360, 250), form(425, 324), closed(510, 377);
        QTest::newRow("width 0") << Stored{"[Cam]\nwidth=0\nheight=410\n", false, "Cam", "Map", form, form};
        QTest::newRow("height negative") << Stored{"[Cam]\nwidth=500\nheight=-3\n", false, "Cam", "Map", form, form};
        QTest::newRow("a list") << Stored{"[Cam]\nwidth=500,1\nheight=410\n", false, "Cam", "Map", form, form};
        QTest::newRow("only width") << Stored{"[Cam]\nwidth=500\n", false, "Cam", "Map", given, given};
        QTest::newRow("fixed") << Stored{"", false, "Cam", "Map", given, given};
        QTest::newRow("stretchable") << Stored{"", true, "Cam", "Map", given, closed};
        QTest::newRow("doubled slash") << Stored{"", true, "a//b", "a/b", given, closed};
        QTest::newRow("leading slash") << Stored{"", true, "/lead", "lead", given, closed};
        QTest::newRow("trailing slash") << Stored{"", true, "tail", "tail/", given, closed};
        QTest::newRow("escape-like") << Stored{"", true, "a%2Fb", "a/b", given, closed};
    }
    void sizesAreKeptUnderTheDialogsName()
    {
        QFETCH(Stored, stored);
        QTemporaryDir folder;
        setAppDir(folder.path());
        QFile file(folder.filePath("DialogCfg.ini"));
        QVERIFY(stored.config.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(stored.config.toUtf8()) > 0));
        file.close();
        const QSize given(360, 250);
        {
            ZtDialog dialog(stored.name, given, nullptr, ZtDialog::CloseButtonHint);
            QCOMPARE(dialog.size(), stored.opened);
            dialog.SetCloseAnimaEnable(false);
            dialog.SetSupportStretch(stored.stretchable);
            showAt(dialog, QRect(50, 60, 510, 377));
            QTest::mouseClick(dialog.findChild<QToolButton*>("pCloseBtn"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(ZtDialog(stored.name, given).size(), stored.reopened);
        QCOMPARE(ZtDialog(stored.other, given).size(), given);
        const QSettings settings(file.fileName(), QSettings::IniFormat);   // a plain name is a section
        QVERIFY(stored.name != "Cam" || settings.value("Cam/width").toInt() == (stored.stretchable ? 510 : 0)
                || !stored.config.isEmpty());
    }

    // Borders and the title's top strips show their cursor and stretch the dialog down to its minimum.
    void bordersShowTheirCursorAndStretchTheDialog_data()
    {
        QTest::addColumn<Border>("border");
        const int hor = Qt::SizeHorCursor, ver = Qt::SizeVerCursor, fdiag = Qt::SizeFDiagCursor, arrow = Qt::ArrowCursor;
        QTest::newRow("right") << Border{true, {398, 150}, {50, 0}, hor, {100, 100, 450, 300}};
        QTest::newRow("bottom-right") << Border{true, {399, 299}, {30, 20}, fdiag, {100, 100, 430, 320}};
        QTest::newRow("bottom-left") << Border{true, {0, 298}, {-20, 20}, Qt::SizeBDiagCursor, {80, 100, 420, 320}};
        // Halfway the left edge is at 275; past the minimum it stays there.
        QTest::newRow("left past the minimum") << Border{true, {1, 150}, {350, 0}, hor, {275, 100, 200, 300}};
        QTest::newRow("bottom past the minimum") << Border{true, {200, 299}, {0, -250}, ver, {100, 100, 400, 150}};
        QTest::newRow("inside") << Border{true, {200, 150}, {30, 30}, arrow, kPlace};
        QTest::newRow("title top") << Border{true, {200, 1}, {0, -30}, ver, {100, 70, 400, 330}};
        QTest::newRow("title left") << Border{true, {1, 20}, {-40, 0}, hor, {60, 100, 440, 300}};
        QTest::newRow("top-left") << Border{true, {2, 2}, {-10, -10}, fdiag, {90, 90, 410, 310}};
        QTest::newRow("title top past the minimum") << Border{true, {200, 1}, {0, 260}, ver, {100, 230, 400, 150}};
        QTest::newRow("left, fixed") << Border{false, {1, 150}, {-40, 0}, arrow, kPlace};
        QTest::newRow("bottom-right, fixed") << Border{false, {399, 299}, {30, 20}, arrow, kPlace};
        // Without stretching the top strip is only part of the title: dragging it moves the dialog.
        QTest::newRow("title, fixed") << Border{false, {200, 1}, {0, -30}, arrow, kPlace.translated(0, -30)};
    }
    void bordersShowTheirCursorAndStretchTheDialog()
    {
        QFETCH(Border, border);
        ZtDialog dialog;
        dialog.setMinimumSize(200, 150);
        dialog.SetSupportStretch(border.stretchable);
        showAt(dialog, kPlace);
        QWidget* under = dialog.childAt(border.at);
        QVERIFY(under);
        QCOMPARE(under->hasMouseTracking(), border.stretchable);
        KitraTest::move(under, under->mapFrom(&dialog, border.at), Qt::NoButton);
        QCOMPARE(int(under->cursor().shape()), border.cursor);
        // In global positions: the dialog moves under the mouse while it is stretched.
        const QPoint from = dialog.mapToGlobal(border.at);
        KitraTest::dragGlobal(under, from, from + border.delta, 2);
        QCOMPARE(dialog.geometry(), border.expected);
    }

    // On an X server without a compositor the dialog has a plain frame, not a black margin.
    void plainFrameWithoutACompositor()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server without a compositing manager");
        QWidget backdrop(nullptr, Qt::FramelessWindowHint);     // black there can come only from the dialog
        backdrop.setPalette(QPalette(Qt::yellow));
        backdrop.setAutoFillBackground(true);
        showAt(backdrop, QRect(0, 0, 600, 500));
        ZtDialog dialog;
        showAt(dialog, QRect(150, 120, 300, 200));
        const auto ring = [&dialog](const QImage& screen, int distance) {   // colours that far outside
            const QRect r = dialog.geometry().adjusted(-distance, -distance, distance, distance);
            QSet<QRgb> colours;
            for (int x = r.left(); x <= r.right(); ++x)
                colours << screen.pixel(x, r.top()) << screen.pixel(x, r.bottom());
            for (int y = r.top(); y <= r.bottom(); ++y)
                colours << screen.pixel(r.left(), y) << screen.pixel(r.right(), y);
            return colours;
        };
        const auto grab = [&dialog] { return dialog.screen()->grabWindow(0).toImage(); };
        QTRY_COMPARE(ring(grab(), 1), QSet<QRgb>{qRgb(120, 120, 120)});    // the default skin's shadow colour
        const QImage screen = grab();
        for (int distance = 2; distance <= 8; ++distance)
            QCOMPARE(ring(screen, distance), QSet<QRgb>{QColor(Qt::yellow).rgb()});
    }
};

QTEST_MAIN(tst_Dialog)
#include "tst_dialog.moc"
