// The title bar of a frameless window (moves, size states, stretch strips) and its centring label.
#include "WindowsTest.h"
#include "ZtBaseWindowTitle.h"
#include "ZtWindowTitleLabel.h"

using namespace ZtGUI;
using WindowsTest::calls;

namespace {

const QRect kNormal(100, 120, 300, 200);
const QRect kDesktop(0, 0, 800, 600);   // the offscreen screen; its available area is the whole of it
const QPoint kGrip(40, 15);             // in the title bar

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

    // The grabbed point stays on the desktop; a locked window stays put.
    void dragMovesTheWindowAndKeepsTheGripOnTheDesktop()
    {
        // Where the cursor goes and where the grabbed point ends, global: inside, below the screen, left of
        // it, past its corner; a null end: move disabled.
        const QPair<QPoint, QPoint> drags[] = {{{300, 250}, {300, 250}}, {{300, 750}, {300, 599}},
                                               {{-80, 250}, {0, 250}}, {{900, -30}, {799, 0}}, {{300, 250}, {}}};
        for (const auto& [to, grip] : drags) {
            Window w;
            w.title->SetOpenWidgetMoveEnable(!grip.isNull());
            const QPoint from = w.title->mapToGlobal(kGrip);
            KitraTest::dragGlobal(w.title, from, to);
            QCOMPARE(w.title->mapToGlobal(kGrip), grip.isNull() ? from : grip);
            QCOMPARE(w.window.size(), kNormal.size());
        }
    }

    // Filled (maximised, full screen, by a double click, by the slot and then restored to a size), the
    // window stays put and saves its geometry once; restored, it goes back there.
    void filledWindowsGoBackToTheSavedGeometry()
    {
        for (const QString how : {"max", "full", "double", "slot"}) {
            const uint type = how == "full" ? 2u : 1u;
            const QSize restoreTo = how == "slot" ? QSize(250, 150) : QSize();   // a size keeps the saved place
            Window w;
            QSignalSpy changed(w.title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged);
            const auto state = [&w] {
                return QVariantList{w.window.geometry(), w.type(), w.saved(), w.title->GetNormalGeometry(&w.window),
                                    w.title->IsMaximized(&w.window), w.title->IsFullScreen(&w.window)};
            };
            if (how == "double") {
                KitraTest::doubleClick(w.title, kGrip);
                QCOMPARE(w.window.geometry(), kNormal);
                QVERIFY(!w.window.property("_ZT_WindowType_").isValid());
                w.title->SetOpenDoubleClickEnable(true);
                KitraTest::doubleClick(w.title, kGrip);
            }
            for (int i = 0; i < 2 && how != "double"; ++i)      // twice: the first saved geometry stays
                how == "slot" ? w.title->OnShowMaximized()
                              : how == "full" ? w.title->ShowFullScreen(&w.window) : w.title->ShowMaximized(&w.window);
            QCOMPARE(state(), QVariantList({kDesktop, type, kNormal, kNormal, type == 1u, type == 2u}));
            QVERIFY(changed.count() >= 1 || how == "max" || how == "full");    // the slots report it
            KitraTest::move(w.title, QPoint(0, 0), Qt::NoButton);              // maximised: no stretch strips
            QVERIFY(type != 1u || w.title->cursor().shape() == Qt::ArrowCursor);
            KitraTest::dragGlobal(w.title, w.title->mapToGlobal(kGrip), QPoint(300, 250));
            QCOMPARE(w.window.geometry(), kDesktop);

            changed.clear();
            if (restoreTo.isValid())
                w.title->ShowNormal(&w.window, restoreTo);
            else if (how == "double")
                KitraTest::doubleClick(w.title, kGrip);
            else
                w.title->OnShowMaxOrNormal();
            const QRect normal = restoreTo.isValid() ? QRect(kNormal.topLeft(), restoreTo) : kNormal;
            QCOMPARE(state(), QVariantList({normal, 0u, QRect(), QRect(), false, false}));
            QVERIFY(changed.count() >= 1 || restoreTo.isValid());
        }
    }

    // The strips (sized at the last show) set the cursor and report the stretch, which the window performs.
    void stretchStripsSetTheCursorAndReportTheGesture()
    {
        using T = ZtBaseWindowTitle;
        const int fdiag = Qt::SizeFDiagCursor, hor = Qt::SizeHorCursor;
        const struct { QPoint pos; int state, cursor; } strips[] = {
            {{0, 0}, T::STRETCH_TOP_LEFT, fdiag}, {{3, 3}, T::STRETCH_TOP_LEFT, fdiag},   // the corner's edge included
            {{298, 2}, T::STRETCH_TOP_RIGHT, Qt::SizeBDiagCursor}, {{197, 1}, T::STRETCH_TOP, Qt::SizeVerCursor},
            {{299, 15}, T::STRETCH_RIGHT, hor}, {{2, 20}, T::STRETCH_LEFT, hor}};
        for (const auto& strip : strips) {
            const QPoint pos = strip.pos;
            auto* host = new Window;
            Window& w = *host;
            w.title->resize(200, 30);
            KitraTest::move(w.title, pos, Qt::NoButton);
            QCOMPARE(int(w.title->cursor().shape()), strip.cursor);
            QSignalSpy start(w.title, &T::SignalStartTitleStretch), stretching(w.title, &T::SignalTitleStretching);
            QSignalSpy end(w.title, &T::SignalEndTitleStretch);
            const QPoint to = pos + QPoint(-30, -20);
            KitraTest::drag(w.title, pos, to, 1);
            QCOMPARE(w.window.geometry(), kNormal);
            // The gesture is over: the next move hovers again, and a click there stretches nothing.
            KitraTest::move(w.title, QPoint(150, 15), Qt::NoButton);
            QCOMPARE(int(w.title->cursor().shape()), int(Qt::ArrowCursor));
            KitraTest::click(w.title, QPoint(150, 15));
            QCOMPARE(calls(start), QList<QVariantList>({{strip.state, w.title->mapToGlobal(pos)}}));
            QCOMPARE(calls(stretching), QList<QVariantList>({{w.title->mapToGlobal(to)}}));
            QCOMPARE(end.count(), 1);
            // The host may delete the window from the end of a stretch.
            const QPointer<QWidget> guard(&w.window);
            connect(w.title, &T::SignalEndTitleStretch, &w.window, [host] { delete host; });
            KitraTest::move(w.title, pos, Qt::NoButton);
            KitraTest::click(w.title, pos);
            QVERIFY(guard.isNull());
        }
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

    // A 40-pixel picture is centred on the bar (centre x = 199, QRect::center of 0..399) while it fits.
    void pictureIsCentredOnTheParentWhileItFits()
    {
        QPixmap block(40, 10);
        block.fill(kInk);
        const struct { QRect label; int first, last; } cases[] = {
            {{0, 0, 300, 30}, 179, 218},      // centred on the bar
            {{0, 0, 210, 30}, 170, 209},      // no room right: right-aligned
            {{190, 0, 210, 30}, 190, 229},    // centre left of the label: left-aligned
            {{0, 0, 150, 30}, 110, 149},      // centre right of the label: right-aligned
            {{100, 0, 30, 30}, 100, 129}};    // wider than the label: own alignment
        for (const auto& c : cases) {
            TitleBar bar(c.label);
            bar.label->setPixmap(block);
            QCOMPARE(bar.inkColumns(), qMakePair(c.first, c.last));
        }
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
