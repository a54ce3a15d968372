// The title bar of a frameless window (moves, size states, stretch strips) and its centring label.
#include "WindowsTest.h"
#include "ZtBaseWindowTitle.h"
#include "ZtWindowTitleLabel.h"

using namespace ZtGUI;
using WindowsTest::calls;

namespace {

const QRect kNormal(100, 120, 300, 200);
const QRect kDesktop(0, 0, 800, 600);   // the offscreen screen; its available area is the whole of it

// A frameless window whose first 30 pixels are its title bar.
struct Window
{
    Window()
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(kNormal);
        title = new ZtBaseWindowTitle(&window);
        title->setGeometry(0, 0, kNormal.width(), 30);
        title->setMouseTracking(true);      // as the frameless dialog sets it, so hovering sets the cursor
        window.show();
    }
    uint type() const { return window.property("_ZT_WindowType_").toUInt(); }
    QRect saved() const { return window.property("_ZT_WindowGeometry_").toRect(); }

    QWidget window;
    ZtBaseWindowTitle* title = nullptr;
};

const QColor kBackground(Qt::white);
const QColor kInk(Qt::red);

// A 400-pixel title bar holding one centred title label.
struct TitleBar
{
    explicit TitleBar(const QRect& labelGeometry)
    {
        bar.resize(400, 30);
        bar.setPalette(QPalette(kInk, kBackground));      // window text, window
        bar.setAutoFillBackground(true);
        label = new ZtWindowTitleLabel(&bar);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(labelGeometry);
    }
    // First and last column of the bar that hold drawn content; -1, -1 when none does.
    QPair<int, int> inkColumns()
    {
        const QImage image = bar.grab().toImage();
        QPair<int, int> ink(-1, -1);
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                ink = QColor(image.pixel(x, y)) == kBackground ? ink : qMakePair(ink.first < 0 ? x : ink.first, x);
        return ink;
    }
    QWidget bar;
    ZtWindowTitleLabel* label = nullptr;
};

} // namespace

class tst_WindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // The grabbed point stays on the desktop; a filled or locked window stays put.
    void dragMovesTheWindowAndKeepsTheGripOnTheDesktop_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QPoint>("to");          // where the cursor goes, global
        QTest::addColumn<QPoint>("grip");        // where the grabbed point ends, global; null: unmoved
        QTest::newRow("inside") << "" << QPoint(300, 250) << QPoint(300, 250);
        QTest::newRow("below the screen") << "" << QPoint(300, 750) << QPoint(300, 599);
        QTest::newRow("left of the screen") << "" << QPoint(-80, 250) << QPoint(0, 250);
        QTest::newRow("past the corner") << "" << QPoint(900, -30) << QPoint(799, 0);
        QTest::newRow("move disabled") << "locked" << QPoint(300, 250) << QPoint();
    }
    void dragMovesTheWindowAndKeepsTheGripOnTheDesktop()
    {
        QFETCH(QString, how);
        QFETCH(QPoint, to);
        QFETCH(QPoint, grip);
        Window w;
        w.title->SetOpenWidgetMoveEnable(how != "locked");
        const QRect before = w.window.geometry();
        const QPoint inTitle(40, 15);
        KitraTest::dragGlobal(w.title, w.title->mapToGlobal(inTitle), to);
        if (grip.isNull())
            QCOMPARE(w.window.geometry(), before);
        else
            QCOMPARE(w.title->mapToGlobal(inTitle), grip);
        QCOMPARE(w.window.size(), before.size());
    }

    // Filled, the window stays put and saves its geometry once; restored, it goes back there.
    void filledWindowsGoBackToTheSavedGeometry_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QSize>("restoreTo");     // valid: a size, that keeps the saved place
        QTest::newRow("maximised") << "max" << 1u << QSize();
        QTest::newRow("full screen") << "full" << 2u << QSize();
        QTest::newRow("double click") << "double" << 1u << QSize();
        QTest::newRow("maximised by the slot, restored to a size") << "slot" << 1u << QSize(250, 150);
    }
    void filledWindowsGoBackToTheSavedGeometry()
    {
        QFETCH(QString, how);
        QFETCH(uint, type);
        QFETCH(QSize, restoreTo);
        Window w;
        QSignalSpy changed(w.title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged);
        const auto state = [&w] {
            return QVariantList{w.window.geometry(), w.type(), w.saved(), w.title->GetNormalGeometry(&w.window),
                                w.title->IsMaximized(&w.window), w.title->IsFullScreen(&w.window)};
        };
        if (how == "double") {
            KitraTest::doubleClick(w.title, QPoint(40, 15));
            QCOMPARE(w.window.geometry(), kNormal);
            QVERIFY(!w.window.property("_ZT_WindowType_").isValid());
            w.title->SetOpenDoubleClickEnable(true);
            KitraTest::doubleClick(w.title, QPoint(40, 15));
        }
        for (int i = 0; i < 2 && how != "double"; ++i)      // twice: the first saved geometry stays
            how == "slot" ? w.title->OnShowMaximized()
                          : how == "full" ? w.title->ShowFullScreen(&w.window) : w.title->ShowMaximized(&w.window);
        QCOMPARE(state(), QVariantList({kDesktop, type, kNormal, kNormal, type == 1u, type == 2u}));
        QVERIFY(changed.count() >= 1 || how == "max" || how == "full");    // the slots report it
        KitraTest::move(w.title, QPoint(0, 0), Qt::NoButton);              // maximised: no stretch strips
        QVERIFY(type != 1u || w.title->cursor().shape() == Qt::ArrowCursor);
        KitraTest::dragGlobal(w.title, w.title->mapToGlobal(QPoint(40, 15)), QPoint(300, 250));
        QCOMPARE(w.window.geometry(), kDesktop);

        changed.clear();
        if (restoreTo.isValid())
            w.title->ShowNormal(&w.window, restoreTo);
        else if (how == "double")
            KitraTest::doubleClick(w.title, QPoint(40, 15));
        else
            w.title->OnShowMaxOrNormal();
        const QRect normal = restoreTo.isValid() ? QRect(kNormal.topLeft(), restoreTo) : kNormal;
        QCOMPARE(state(), QVariantList({normal, 0u, QRect(), QRect(), false, false}));
        QVERIFY(changed.count() >= 1 || restoreTo.isValid());
    }

    // The strips (sized at the last show) set the cursor and report the stretch, which the window performs.
    void stretchStripsSetTheCursorAndReportTheGesture_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("cursor");
        using T = ZtBaseWindowTitle;
        const int fdiag = Qt::SizeFDiagCursor, hor = Qt::SizeHorCursor;
        QTest::newRow("top-left corner") << QPoint(0, 0) << int(T::STRETCH_TOP_LEFT) << fdiag;
        QTest::newRow("corner edge included") << QPoint(3, 3) << int(T::STRETCH_TOP_LEFT) << fdiag;
        QTest::newRow("top-right corner") << QPoint(298, 2) << int(T::STRETCH_TOP_RIGHT) << int(Qt::SizeBDiagCursor);
        QTest::newRow("top edge") << QPoint(197, 1) << int(T::STRETCH_TOP) << int(Qt::SizeVerCursor);
        QTest::newRow("right edge") << QPoint(299, 15) << int(T::STRETCH_RIGHT) << hor;
        QTest::newRow("left edge") << QPoint(2, 20) << int(T::STRETCH_LEFT) << hor;
    }
    void stretchStripsSetTheCursorAndReportTheGesture()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, state);
        QFETCH(int, cursor);
        auto* host = new Window;
        Window& w = *host;
        w.title->resize(200, 30);
        KitraTest::move(w.title, pos, Qt::NoButton);
        QCOMPARE(int(w.title->cursor().shape()), cursor);
        QSignalSpy start(w.title, &ZtBaseWindowTitle::SignalStartTitleStretch);
        QSignalSpy stretching(w.title, &ZtBaseWindowTitle::SignalTitleStretching);
        QSignalSpy end(w.title, &ZtBaseWindowTitle::SignalEndTitleStretch);
        const QPoint to = pos + QPoint(-30, -20);
        KitraTest::drag(w.title, pos, to, 1);
        QCOMPARE(w.window.geometry(), kNormal);
        // The gesture is over: the next move hovers again, and a click there stretches nothing.
        KitraTest::move(w.title, QPoint(150, 15), Qt::NoButton);
        QCOMPARE(int(w.title->cursor().shape()), int(Qt::ArrowCursor));
        KitraTest::click(w.title, QPoint(150, 15));
        QCOMPARE(calls(start), QList<QVariantList>({{state, w.title->mapToGlobal(pos)}}));
        QCOMPARE(calls(stretching), QList<QVariantList>({{w.title->mapToGlobal(to)}}));
        QCOMPARE(end.count(), 1);
        // The host may delete the window from the end of a stretch.
        const QPointer<QWidget> guard(&w.window);
        connect(w.title, &ZtBaseWindowTitle::SignalEndTitleStretch, &w.window, [host] { delete host; });
        KitraTest::move(w.title, pos, Qt::NoButton);
        KitraTest::click(w.title, pos);
        QVERIFY(guard.isNull());
    }

    // Null windows and empty sizes change nothing; a normal window only resizes; GetTopWindow skips a class.
    void nullWindowsAndEmptySizesAreIgnored()
    {
        QWidget outer;
        QDialog dialog(&outer);
        QWidget inner(&dialog);
        QCOMPARE(QList<QWidget*>({GetTopWindow(&inner, nullptr), GetTopWindow(&inner, "QDialog"),
                                  GetTopWindow(&inner, "QWidget"), GetTopWindow(nullptr, nullptr)}),
                 QList<QWidget*>({&dialog, &outer, nullptr, nullptr}));
        ZtWindowGeometryFactory factory;
        factory.ShowMaximized(nullptr);
        factory.ShowNormal(nullptr, QSize(10, 10));
        factory.ShowFullScreen(nullptr);
        factory.ShowMinimized(nullptr);
        factory.ResizeWindow(nullptr, QSize(10, 10));
        factory.SetWindowGeometry(nullptr, QRect(0, 0, 10, 10));
        QVERIFY(!factory.IsMinimized(nullptr) && !factory.IsMaximized(nullptr) && !factory.IsFullScreen(nullptr));
        QVERIFY(factory.GetNormalGeometry(nullptr).isEmpty());
        Window w;
        w.title->ResizeWindow(&w.window, QSize(0, 50));
        w.title->SetWindowGeometry(&w.window, QRect(10, 10, 0, 0));
        w.title->ShowNormal(&w.window, QSize());
        QCOMPARE(w.window.geometry(), kNormal);
        w.title->ShowNormal(&w.window, QSize(220, 140));
        QCOMPARE(w.window.geometry(), QRect(kNormal.topLeft(), QSize(220, 140)));
        QCOMPARE(w.type(), 0u);
    }

    // A 40-pixel picture; the bar's centre is x = 199 (QRect::center of 0..399).
    void pictureIsCentredOnTheParentWhileItFits_data()
    {
        QTest::addColumn<QRect>("label");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("centred on the bar") << QRect(0, 0, 300, 30) << 179 << 218;
        QTest::newRow("no room right: right-aligned") << QRect(0, 0, 210, 30) << 170 << 209;
        QTest::newRow("centre left of the label: left-aligned") << QRect(190, 0, 210, 30) << 190 << 229;
        QTest::newRow("centre right of the label: right-aligned") << QRect(0, 0, 150, 30) << 110 << 149;
        QTest::newRow("wider than the label: own alignment") << QRect(100, 0, 30, 30) << 100 << 129;
    }
    void pictureIsCentredOnTheParentWhileItFits()
    {
        QFETCH(QRect, label);
        QFETCH(int, first);
        QFETCH(int, last);
        TitleBar bar(label);
        QPixmap block(40, 10);
        block.fill(kInk);
        bar.label->setPixmap(block);
        QCOMPARE(bar.inkColumns(), qMakePair(first, last));
    }

    // Only the title is drawn, centred on the bar; an empty title draws not even the frame.
    void onlyTheTitleIsDrawnCentredOnTheParent()
    {
        TitleBar bar(QRect(0, 0, 300, 30));
        bar.label->setText(QStringLiteral("Ignored"));
        QCOMPARE(bar.inkColumns().first, -1);
        bar.label->SetTitleText(QStringLiteral("Camera"));
        const auto ink = bar.inkColumns();
        const int centre = (ink.first + ink.second) / 2;
        QVERIFY2(ink.first >= 0 && qAbs(centre - 199) <= 3, qPrintable(QString::number(centre)));

        TitleBar framed(QRect(50, 0, 300, 30));
        framed.label->setFrameStyle(QFrame::Box | QFrame::Plain);
        framed.label->setLineWidth(2);
        QCOMPARE(framed.inkColumns().first, -1);
        framed.label->SetTitleText(QStringLiteral("x"));
        QCOMPARE(framed.inkColumns().first, 50);
    }
};

QTEST_MAIN(tst_WindowTitle)
#include "tst_windowtitle.moc"
