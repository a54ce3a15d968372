// The display window (title bar, scales, maximise, PTZ, deleting hosts) and the video, frames and overview.
#include "DisplayTest.h"
#include "ZtTVWallDisplayEagleEye.h"
#include "ZtTVWallDisplayFrame.h"
#include "ZtTVWallDisplayVideo.h"

#include <QPushButton>

using ZtGUI::StructScaleRect;
using W = ZtGUI::ZtTVWallDisplayWindow;
using Video = ZtGUI::ZtTVWallDisplayVideo;

namespace {

QStringList g_refreshed;
void onRefresh(const char* param) { g_refreshed << QString::fromLocal8Bit(param); }

// A press and, unless a slot deleted the widget on the press, its release.
void clickOn(QWidget* widget)
{
    QVERIFY2(widget, "no such widget");
    const QPointer<QWidget> alive(widget);
    KitraTest::press(widget, widget->rect().center());
    if (alive)
        KitraTest::release(widget, widget->rect().center());
}

bool sameScale(const StructScaleRect& a, const StructScaleRect& b) { return a.IsEqual(b, 1e-9); }

// A PTZ control, wherever it floats.
template <typename T = QPushButton>
T* ptzControl(const QString& name)
{
    const auto all = QApplication::allWidgets();
    const auto found = std::find_if(all.begin(), all.end(), [&name](QWidget* w) { return w->objectName() == name; });
    return found == all.end() ? nullptr : qobject_cast<T*>(*found);
}

} // namespace

class tst_DisplayWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // Both copies (bar and pop-up) report; the host's setter renames them and the skin restyles them.
    void titleButtonReportsAndRenamesBothCopies()
    {
        struct Case { QString off, on, onTip; const char* signal; void (W::*set)(bool); bool (W::*get)() const; };
        const Case cases[] = {{"pWindowCircleOffBtn", "pWindowCircleOnBtn", "close WindowCircle",
                               SIGNAL(SignalTourBtnClicked()), &W::SetTourBtn, &W::GetTourBtnStatus},
                              {"pWindowUnLockBtn", "pWindowLockBtn", "WindowUnLock",
                               SIGNAL(SignalLockBtnClicked()), &W::SetLockBtn, &W::GetLockBtnStatus},
                              {"pWindowVolumeOffBtn", "pWindowVolumeOnBtn", "Close Volume",
                               SIGNAL(SignalVolemeBtnClicked()), &W::SetVolumeBtn, &W::GetVolumeBtnStatus},
                              {"pWindowDockOffBtn", "pWindowDockOnBtn", "Move",
                               SIGNAL(SignalDockBtnClicked()), &W::SetDockBtn, &W::GetDockBtnStatus}};
        for (const Case& c : cases) {
            DisplayWindowHost host(QRect(10, 10, 400, 300));
            W* w = host.window;
            // A rule by object name shows whether the renamed button was styled again.
            host.area.setStyleSheet(QString("QToolButton#%1 { background: red; border: none; }").arg(c.on));
            QSignalSpy clicked(w, c.signal);
            clickOn(host.child(c.off));
            clickOn(host.child(c.off + "Ex"));
            QCOMPARE(clicked.count(), 2);
            QVERIFY(!(w->*c.get)());     // the host decides
            (w->*c.set)(true);
            QVERIFY(!host.child(c.off) && !host.child(c.off + "Ex") && host.child(c.on + "Ex"));
            QCOMPARE(host.child(c.on)->toolTip(), c.onTip);
            QCOMPARE(host.child(c.on)->grab().toImage().pixelColor(5, 5), QColor(255, 0, 0));
            clickOn(host.child(c.on));
            QCOMPARE(clicked.count(), 3);
            (w->*c.set)(false);
            QVERIFY(host.child(c.off));
        }
        // Without their buttons tour, lock and volume keep no state; meeting, never a button, does.
        DisplayWindowHost bare(QRect(), true, false);
        W* w = bare.window;
        for (auto set : {&W::SetTourBtn, &W::SetLockBtn, &W::SetVolumeBtn, &W::SetMeetingBtn})
            (w->*set)(true);
        const QList<bool> states{w->GetTourBtnStatus(), w->GetLockBtnStatus(), w->GetVolumeBtnStatus(),
                                 w->GetMeetingBtnStatus()};
        QCOMPARE(states, (QList<bool>{false, false, false, true}));
    }

    // Buttons give way from the left, then the title; a "more" pop-up below holds the rest.
    void barFitsButtonsIntoSlotsAndShowsMore()
    {
        struct Case { int width; QStringList shown; bool title; bool more; };
        const QStringList all = {"pWindowCircleOffBtn", "pWindowPtzOffBtn", "pWindowUnLockBtn",
                                 "pWindowVolumeOffBtn", "pWindowDockOffBtn", "pWindowMaxBtn", "pWindowCloseBtn"};
        const Case cases[] = {{182, all, true, false}, {181 - 26, all.mid(2), true, false},
                              {51, {"pWindowCloseBtn"}, false, false}, {77, {"pWindowCloseBtn"}, false, true}};
        DisplayWindowHost host(QRect(20, 20, 182, 120));
        for (const Case& c : cases) {
            host.place(QRect(20, 20, c.width, 120));
            QStringList visible;
            for (QToolButton* b : host.window->findChildren<QToolButton*>()) {
                if (b->isVisible() && b->objectName().startsWith("pWindow"))
                    visible << b->objectName();
            }
            QCOMPARE(visible, c.shown);
            QCOMPARE(host.child<QLabel>("pTitleLabel")->isVisible(), c.title);
            QCOMPARE(host.child("pTitleBtn")->isVisible(), c.more);
        }
        QToolButton* more = host.child("pTitleBtn");
        QWidget* popUp = host.child("pWindowMaxBtnEx")->window();
        clickOn(more);
        QCOMPARE(popUp->geometry(), QRect(host.window->mapToGlobal(QPoint(77 - 18, 23)), QSize(17, 100)));
        QVERIFY(popUp->isVisible());
        clickOn(more);
        QVERIFY(!popUp->isVisible());
        // The maximise copy closes the pop-up and maximises.
        clickOn(more);
        clickOn(host.child("pWindowMaxBtnEx"));
        QVERIFY(!popUp->isVisible());
        QVERIFY(sameScale(host.window->GetScale(), StructScaleRect(0, 0, 1, 1)));
    }

    // Within the precision or locked nothing moves; docked snaps to cells; a change is reported.
    void scaleRulesAndMaximise()
    {
        struct Case { bool dock, lockButton, wallLock; StructScaleRect scale, expected; };
        const StructScaleRect start(0.1, 0.1, 0.3, 0.3);
        const StructScaleRect corner(0.5, 0.5, 1, 1);
        const Case cases[] = {{false, false, false, {0.1005, 0.1005, 0.3005, 0.3005}, start},
                              {false, false, false, {0.1011, 0.1, 0.3, 0.3}, {0.1011, 0.1, 0.3, 0.3}},
                              {true, false, false, {0.1, 0.1, 0.6, 0.4}, {0, 0, 1, 0.5}},
                              {true, false, false, corner, corner},
                              {false, true, false, corner, start},
                              {false, false, true, corner, start}};
        for (const Case& c : cases) {
            DisplayWindowHost host;
            host.area.rows = 2;
            host.area.cols = 2;
            host.window->SetScale(start);
            host.window->SetLockBtn(c.lockButton);
            host.window->SetLock(c.wallLock);
            host.window->SetDockBtn(c.dock);      // snaps the window where it is
            const StructScaleRect before = host.window->GetScale();
            QVERIFY(sameScale(before, c.dock ? StructScaleRect(0, 0, 0.5, 0.5) : start));
            const QRect placed = host.window->geometry();
            QSignalSpy geo(host.window.data(), &W::SignalGeoChanged);
            host.window->SetScale(c.scale);
            QVERIFY(sameScale(host.window->GetScale(), c.expected));
            const bool changes = !sameScale(c.expected, before);
            QCOMPARE(geo.count(), changes ? 1 : 0);
            QVERIFY(!changes || sameScale(geo.at(0).at(0).value<StructScaleRect>(), c.expected));
            const QSize area = host.area.viewport()->size();
            const QRect scaled(qRound(c.expected.dLeft * area.width()), qRound(c.expected.dTop * area.height()),
                               qRound((c.expected.dRight - c.expected.dLeft) * area.width()),
                               qRound((c.expected.dBottom - c.expected.dTop) * area.height()));
            QCOMPARE(host.window->geometry(), changes ? scaled : placed);
        }
        // The maximise button or a double click fills the area and restores it; locked, a notice.
        for (const bool doubleClick : {false, true}) {
            DisplayWindowHost host;
            host.place(QRect(100, 100, 300, 200));
            const StructScaleRect normal = host.window->GetScale();
            QSignalSpy selected(host.window.data(), &W::SignalDoubleClickedSelectedChanged);
            QToolButton* max = host.child("pWindowMaxBtn");
            const auto toggle = [&] {
                if (doubleClick)
                    KitraTest::doubleClick(host.window, QPoint(150, 100));
                else
                    clickOn(max);
            };
            host.window->SetSelected(!doubleClick);
            toggle();
            QVERIFY(sameScale(host.window->GetScale(), StructScaleRect(0, 0, 1, 1)));
            QCOMPARE(host.window->geometry(), QRect(QPoint(0, 0), host.area.viewport()->size()));
            QCOMPARE(max->toolTip(), QStringLiteral("Restore"));
            QCOMPARE(selected.count(), doubleClick ? 1 : 0);
            QVERIFY(host.window->IsSelected());
            toggle();
            QVERIFY(sameScale(host.window->GetScale(), normal));
            QCOMPARE(host.window->geometry(), QRect(100, 100, 300, 200));
            QCOMPARE(max->toolTip(), QStringLiteral("Max"));
            host.window->SetLockBtn(true);
            QSignalSpy geo(host.window.data(), &W::SignalGeoChanged);
            clickOn(max);
            QCOMPARE(geo.count(), 0);
            QCOMPARE(host.noticeTexts(), QStringList{"Window locked!"});
        }
    }

    // PTZ opens from 250 x 150 up, else a notice; each of its fourteen controls reports its code,
    // pressed and released, at the slider's speed; it closes with a notice, silently when hidden.
    void ptzOpensReportsAndCloses()
    {
        DisplayWindowHost host(QRect(100, 100, 249, 400));
        QSignalSpy clicked(host.window.data(), &W::SignalPTZBtnClicked);
        for (const QSize& size : {QSize(249, 400), QSize(400, 149), QSize(250, 150)}) {
            host.place(QRect(QPoint(100, 100), size));
            clickOn(host.child("pWindowPtzOffBtn"));
        }
        QCOMPARE(clicked.count(), 3);
        const QString tooSmall = "Window too small to open ptz.";
        QCOMPARE(host.noticeTexts(), (QStringList{tooSmall, tooSmall}));
        QCOMPARE(host.floatingControls(true).size(), 8);
        // The tool bar's buttons keep the floating controls' frameless, see-through look.
        for (const char* name : {"PTZZoomDecBtn", "PTZFocusIncBtn", "PTZApertureDecBtn", "PTZSpeedBtn"}) {
            const QPushButton* button = ptzControl(name);
            QCOMPARE(button->parentWidget(), host.child<QWidget>("PTZToolBar"));
            QVERIFY2(button->testAttribute(Qt::WA_TranslucentBackground)
                         && button->windowFlags().testFlag(Qt::FramelessWindowHint), name);
        }
        // The left control floats 5 pixels in from the window's left edge, centred in height.
        QCOMPARE(ptzControl("PTZLeftBtn")->geometry(), QRect(host.window->mapToGlobal(QPoint(5, 60)), QSize(30, 30)));
        const QStringList names = {"PTZTopBtn", "PTZBottomBtn", "PTZLeftBtn", "PTZRightBtn", "PTZLeftTopBtn",
                                   "PTZLeftBottomBtn", "PTZRightTopBtn", "PTZRightBottomBtn", "PTZZoomIncBtn",
                                   "PTZFocusIncBtn", "PTZApertureIncBtn", "PTZZoomDecBtn", "PTZFocusDecBtn",
                                   "PTZApertureDecBtn"};
        QSignalSpy ptz(host.window.data(), &W::SignalPTZEvent);
        QList<QVariantList> expected;
        for (int code = 0; code < names.size(); ++code) {
            clickOn(ptzControl(names.at(code)));
            expected << QVariantList{code, 1, false} << QVariantList{code, 1, true};
        }
        QCOMPARE(calls(ptz), expected);
        // The slider panel stands over the speed button's centre less 8; its handle from where it
        // starts: one step up, to the top, to the bottom, then two up by moves that report no button
        // (and a move after the release that changes nothing).
        auto* speedButton = ptzControl("PTZSpeedBtn");
        clickOn(speedButton);
        QVERIFY(speedButton->isChecked());
        QCOMPARE(ptzControl<QWidget>("PTZSpeedWidget")->x(), speedButton->mapToGlobal(QPoint(15 - 8, 0)).x());
        auto* handle = ptzControl<QWidget>("PTZSpeedWidget")->findChild<QPushButton*>();
        struct Step { int travel; int speed; bool buttonless; };
        for (const Step& step : {Step{-17, 5, false}, Step{-200, 8, false}, Step{400, 1, false}, Step{-34, 3, true}}) {
            QVERIFY(handle->isVisible());
            const QPoint centre = handle->rect().center();
            const QPoint to = centre + QPoint(0, step.travel);
            if (step.buttonless) {
                KitraTest::press(handle, centre);
                KitraTest::move(handle, to, Qt::NoButton);
                KitraTest::release(handle, centre);      // the handle followed the pointer
                KitraTest::move(handle, centre + QPoint(0, -60), Qt::NoButton);
            } else {
                KitraTest::dragGlobal(handle, handle->mapToGlobal(centre), handle->mapToGlobal(to));
            }
            ptz.clear();
            KitraTest::click(ptzControl("PTZTopBtn"), QPoint(5, 5));
            QCOMPARE(calls(ptz), (QList<QVariantList>{{0, step.speed, false}, {0, step.speed, true}}));
        }
        clickOn(host.child("pWindowPtzOnBtn"));
        QVERIFY(!host.window->GetPTZBtnStatus());
        QCOMPARE(host.floatingControls(true).size(), 0);
        const QList<QPair<std::function<void()>, QString>> closers{
            {[&host] { host.window->SetSelected(false); }, "Hide ptz, window unselected"},
            {[&host] { host.place(QRect(120, 100, 250, 150)); }, "Hide ptz, window moved"},
            {[&host] { host.place(QRect(120, 100, 270, 150)); }, "Hide ptz, window resized"},
            {[&host] { host.area.move(host.area.pos() + QPoint(0, 25)); }, "Hide ptz, window moved"},
            {[&host] { host.area.hide(); }, QString()}};
        for (const auto& closer : closers) {
            host.window->SetSelected(true);
            clickOn(host.child("pWindowPtzOffBtn"));
            QVERIFY(host.window->GetPTZBtnStatus());
            const int before = host.noticeTexts().size();
            closer.first();
            QTRY_VERIFY(!host.window->GetPTZBtnStatus());
            const QStringList notice = closer.second.isEmpty() ? QStringList() : QStringList{closer.second};
            QCOMPARE(host.noticeTexts().mid(before), notice);
            QVERIFY(host.child("pWindowPtzOffBtn"));
            QCOMPARE(host.floatingControls(true).size(), 0);
        }
    }

    // A host may delete the window from its signals (on the n-th call), or with PTZ open.
    void hostMayDeleteTheWindowFromItsSignals()
    {
        struct Case { const char* signal; QString control; int onCall; };
        const Case cases[] = {{SIGNAL(SignalPTZBtnClicked()), "pWindowPtzOffBtn", 1},
                              {SIGNAL(SignalGeoChanged(ZtGUI::StructScaleRect)), "pWindowMaxBtn", 1},
                              {SIGNAL(SignalPTZEvent(int, int, bool)), "PTZLeftBtn", 1},       // pressed
                              {SIGNAL(SignalPTZEvent(int, int, bool)), "PTZZoomIncBtn", 2},    // released
                              {SIGNAL(SignalDoubleClickedSelectedChanged()), "", 1},
                              {nullptr, "", 0}};
        for (const Case& c : cases) {
            DisplayWindowHost host(QRect(100, 100, 400, 300));
            W* w = host.window;
            if (!c.control.startsWith("pWindowPtz"))
                clickOn(host.child("pWindowPtzOffBtn"));
            int calls = 0;
            Slot deleter;
            deleter.run = [&] {
                if (++calls == c.onCall)
                    delete host.window;
            };
            if (c.signal)
                QVERIFY(connect(w, c.signal, &deleter, SLOT(call())));
            else
                delete w;
            if (c.control.startsWith("PTZ")) {
                clickOn(ptzControl(c.control));
            } else if (!c.control.isEmpty()) {
                clickOn(host.child(c.control));
            } else if (c.signal) {
                // A real double click, whose last release would go nowhere once the window is gone.
                KitraTest::click(w, QPoint(200, 150));
                QMouseEvent event(QEvent::MouseButtonDblClick, QPoint(200, 150), w->mapToGlobal(QPoint(200, 150)),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w, &event);
            }
            QVERIFY2(host.window.isNull(), qPrintable(c.control));
            QVERIFY(host.floatingControls().isEmpty());
        }
    }

    // On the wall, under its style sheet, a selected window's title is written in white: the
    // wall's own title, or a host's title given to a window opened untitled.
    void titleIsWhiteOnTheWall()
    {
        for (const bool wallTitles : {true, false}) {
            DisplayWallHost host;
            host.wall->SetWindowTitleShow(wallTitles);
            host.open(0, QRect(20, 20, 300, 200));
            if (!wallTitles)
                host.window(0, 0)->SetTitle("Cam");
            host.window(0, 0)->SetSelected(true);
            auto* title = host.window(0, 0)->findChild<QLabel*>("pTitleLabel");
            QVERIFY(title && title->isVisible());
            const QImage image = title->grab().toImage();
            int brightest = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    brightest = qMax(brightest, qGray(image.pixel(x, y)));
            }
            QVERIFY2(brightest > 250, qPrintable(QString::number(brightest)));
        }
    }

    // Skin sets the background, selection the edge and grip; content text only without video.
    void paintsSkinAndSelection()
    {
        for (const bool light : {true, false}) {
            DisplayWindowHost host(QRect(), light);
            host.place(QRect(100, 100, 300, 200));
            host.window->SetSelected(!light);
            const QImage image = host.window->grab().toImage();
            const QColor background = light ? QColor(233, 234, 236) : QColor(41, 41, 41);
            const QColor edge = light ? QColor(76, 81, 87) : QColor(24, 144, 255);
            const QList<QColor> seen{image.pixelColor(150, 100), image.pixelColor(0, 100), image.pixelColor(299, 100)};
            QCOMPARE(seen, (QList<QColor>{background, edge, edge}));
            // The grip's lines cross the corner's diagonal, in white only when selected.
            QCOMPARE(image.pixelColor(295, 196) == background, light);
            const auto middle = [&host] { return host.window->grab().toImage().copy(100, 90, 100, 20); };
            host.window->SetContentText(QStringLiteral("Camera 12"));
            QVERIFY(middle() != image.copy(100, 90, 100, 20));
            host.window->GetVideoWidget();
            QCOMPARE(middle(), image.copy(100, 90, 100, 20));
        }
        // Under 61 pixels wide the text is a fiftieth of the height (8 points), else a twelfth (40).
        for (const int width : {60, 61}) {
            DisplayWindowHost host(QRect(), false);
            host.place(QRect(0, 0, width, 480));
            host.window->SetContentText(QStringLiteral("W"));
            const QImage image = host.window->grab().toImage();
            const int height = inkBounds(image.copy(2, 2, width - 4, 476), qRgb(41, 41, 41)).height();
            QVERIFY2(height > 0 && (height <= 20) == (width < 61), qPrintable(QString::number(height)));
        }
        // The rubber band is a white outline; the drawing area is filled in the skin's colours.
        struct Case { int kind; bool light; QList<QColor> edgesAndInside; };
        const QColor grey(76, 81, 87);
        for (const Case& c : {Case{0, true, {Qt::white, Qt::white, QColor(0, 0, 0, 0)}},
                              Case{1, true, {grey, grey, QColor(233, 234, 236)}},
                              Case{1, false, {grey, grey, QColor(41, 41, 41)}}}) {
            QWidget screen;
            screen.setAttribute(Qt::WA_TranslucentBackground);
            auto* frame = new ZtGUI::ZtTVWallDisplayFrame(c.kind, &screen);
            frame->SetSkin(c.light);
            frame->setGeometry(0, 0, 60, 40);
            QImage image(frame->size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            frame->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            QCOMPARE(QList<QColor>({image.pixelColor(0, 20), image.pixelColor(59, 39), image.pixelColor(30, 20)}),
                     c.edgesAndInside);
        }
    }

    // The state is read at every repaint: "request" is longer than "timeout", others show nothing.
    // The host is called back with its text at every repaint, only with both an address and a text.
    void videoShowsTheStateAndCallsTheHostBack()
    {
        DisplayWindowHost host(QRect(0, 0, 480, 240));
        auto* video = qobject_cast<Video*>(host.window->GetVideoWidget());
        QVERIFY(video && QTest::qWaitForWindowExposed(&host.area));
        video->setAutoFillBackground(true);
        QList<int> widths;
        for (const QVariant& state : {QVariant("request"), QVariant("timeout"), QVariant("empty"),
                                      QVariant("playing"), QVariant()}) {
            video->setProperty("state", state);
            const QImage image = video->grab().toImage();
            widths << inkBounds(image, image.pixel(0, 0)).width();
        }
        QVERIFY(widths.at(0) > widths.at(1) && widths.at(1) > 0);
        QCOMPARE(widths.mid(2), (QList<int>{0, 0, 0}));
        // A resize leaves a title bar's room above the picture; an unselected window's repaint takes it back.
        host.window->SetSelected(true);
        host.window->resize(420, 210);
        QCOMPARE(video->geometry(), QRect(2, 22, 416, 186));
        host.window->SetSelected(false);
        host.window->resize(400, 200);
        QCOMPARE(video->geometry(), QRect(1, 22, 398, 176));
        host.window->repaint();
        QCOMPARE(video->geometry(), QRect(1, 2, 398, 196));
        const auto repainted = [&host] {
            g_refreshed.clear();
            host.window->repaint();
            return g_refreshed;
        };
        video->SetRefreshCallback(&onRefresh, "cam-8");
        QCOMPARE(repainted(), QStringList{"cam-8"});
        struct ByProperties { Video::RefreshCallback callback; QString param; QStringList heard; };
        for (const ByProperties& p : {ByProperties{nullptr, "cam-9", {}}, ByProperties{&onRefresh, "", {}},
                                      ByProperties{&onRefresh, "cam-7", {"cam-7"}}}) {
            const quint64 callback = reinterpret_cast<quintptr>(p.callback);
            video->setProperty("refresh-callback", QVariant::fromValue(callback));
            video->setProperty("refresh-callback-param", p.param);
            QCOMPARE(repainted(), p.heard);
        }
        host.window->DeleteVideoWidget();      // nobody left to call back
        QCOMPARE(repainted(), QStringList());
    }

    // The triangle's opaque half opens the map, a click locates the viewport, the corner folds it.
    void eagleEyeOpensLocatesAndFolds()
    {
        QString skin = QStringLiteral("DustyBlue");      // the overview's pictures come from the skin
        ZtGUI::SetSkinVersion(skin);
        QWidget host;
        host.resize(400, 300);
        auto* eye = new ZtGUI::ZtTVWallDisplayEagleEye(&host);
        host.show();
        QSignalSpy area(eye, &ZtGUI::ZtTVWallDisplayEagleEye::SignalAreaChanged);
        QSignalSpy located(eye, &ZtGUI::ZtTVWallDisplayEagleEye::SignalLocated);
        const QSize folded = eye->size();
        QVERIFY(!folded.isEmpty());
        KitraTest::click(eye, QPoint(2, 2));            // the transparent half of the triangle
        QCOMPARE(area.count(), 0);
        KitraTest::click(eye, QPoint(folded.width() - 3, folded.height() - 3));
        QCOMPARE(area.count(), 1);
        QVERIFY(!eye->IsCollapsed());
        QCOMPARE(eye->size(), QSize(208, 128));          // the map and its border
        eye->SetViewportRect(0.25f, 0.25f, 0.5f, 0.5f);
        for (const QPoint& onMap : {QPoint(100, 60), QPoint(0, 0), QPoint(150, 60)})
            KitraTest::click(eye, onMap + QPoint(4, 4));     // 4 pixels of border
        QCOMPARE(calls(located), (QList<QVariantList>{{0.25f, 0.25f}, {-0.25f, -0.25f}, {0.5f, 0.25f}}));
        KitraTest::click(eye, QPoint(eye->width() - 3, eye->height() - 3));
        QCOMPARE(area.count(), 2);
        QVERIFY(eye->IsCollapsed());
        QCOMPARE(eye->size(), folded);
    }
};

QTEST_MAIN(tst_DisplayWindow)
#include "tst_displaywindow.moc"
