// The display window: title-bar buttons and their overflow pop-up, scales, maximise and restore,
// the PTZ controls and what a host may do from the window's own signals.
#include "DisplayWindowHost.h"

#include <QPushButton>

using ZtGUI::StructScaleRect;
using ZtGUI::ZtTVWallDisplayWindow;

namespace {

enum Setter { Tour, Lock, Volume, Dock };

void setState(ZtTVWallDisplayWindow* window, Setter setter, bool on)
{
    switch (setter) {
    case Tour: window->SetTourBtn(on); break;
    case Lock: window->SetLockBtn(on); break;
    case Volume: window->SetVolumeBtn(on); break;
    case Dock: window->SetDockBtn(on); break;
    }
}

bool stateOf(const ZtTVWallDisplayWindow* window, Setter setter)
{
    switch (setter) {
    case Tour: return window->GetTourBtnStatus();
    case Lock: return window->GetLockBtnStatus();
    case Volume: return window->GetVolumeBtnStatus();
    case Dock: return window->GetDockBtnStatus();
    }
    return false;
}

// A press and, unless a slot deleted the widget on the press, its release.
void clickOn(QWidget* widget)
{
    QVERIFY2(widget, "no such widget");
    const QPointer<QWidget> alive(widget);
    const QPoint centre = widget->rect().center();
    KitraTest::press(widget, centre);
    if (alive)
        KitraTest::release(widget, centre);
}

// A real double click, whose last release goes nowhere once a slot deleted the widget.
void doubleClickOn(QWidget* widget, const QPoint& pos)
{
    const QPointer<QWidget> alive(widget);
    KitraTest::click(widget, pos);
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    if (alive)
        KitraTest::release(widget, pos);
}

QColor pixel(QWidget* widget, const QPoint& at)
{
    return widget->grab().toImage().pixelColor(at);
}

bool sameScale(const StructScaleRect& a, const StructScaleRect& b)
{
    return a.IsEqual(b, 1e-9);
}

// Deletes the window on the n-th signal it is connected to.
class Deleter : public QObject
{
    Q_OBJECT

public:
    Deleter(ZtTVWallDisplayWindow* window, int onCall) : m_window(window), m_onCall(onCall) {}

public slots:
    void deleteWindow()
    {
        if (++m_calls == m_onCall)
            delete m_window;
    }

private:
    ZtTVWallDisplayWindow* m_window;
    int m_onCall;
    int m_calls = 0;
};

// All fourteen PTZ controls with their event codes.
const QList<QPair<QString, int>> kPtzCodes = {
    {"PTZTopBtn", 0}, {"PTZBottomBtn", 1}, {"PTZLeftBtn", 2}, {"PTZRightBtn", 3}, {"PTZLeftTopBtn", 4},
    {"PTZLeftBottomBtn", 5}, {"PTZRightTopBtn", 6}, {"PTZRightBottomBtn", 7}, {"PTZZoomIncBtn", 8},
    {"PTZFocusIncBtn", 9}, {"PTZApertureIncBtn", 10}, {"PTZZoomDecBtn", 11}, {"PTZFocusDecBtn", 12},
    {"PTZApertureDecBtn", 13}};

QPushButton* ptzControl(const QString& name)
{
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->objectName() == name)
            return qobject_cast<QPushButton*>(w);
    }
    return nullptr;
}

} // namespace

class tst_DisplayWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void titleButtonReportsAndRenamesBothCopies_data()
    {
        QTest::addColumn<QString>("offName");
        QTest::addColumn<QString>("onName");
        QTest::addColumn<QString>("onTip");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("setter");
        QTest::newRow("tour") << "pWindowCircleOffBtn" << "pWindowCircleOnBtn" << "close WindowCircle"
                              << QByteArray(SIGNAL(SignalTourBtnClicked())) << int(Tour);
        QTest::newRow("lock") << "pWindowUnLockBtn" << "pWindowLockBtn" << "WindowUnLock"
                              << QByteArray(SIGNAL(SignalLockBtnClicked())) << int(Lock);
        QTest::newRow("volume") << "pWindowVolumeOffBtn" << "pWindowVolumeOnBtn" << "Close Volume"
                                << QByteArray(SIGNAL(SignalVolemeBtnClicked())) << int(Volume);
        QTest::newRow("dock") << "pWindowDockOffBtn" << "pWindowDockOnBtn" << "Move"
                              << QByteArray(SIGNAL(SignalDockBtnClicked())) << int(Dock);
    }
    void titleButtonReportsAndRenamesBothCopies()
    {
        QFETCH(QString, offName);
        QFETCH(QString, onName);
        QFETCH(QString, onTip);
        QFETCH(QByteArray, signal);
        QFETCH(int, setter);
        DisplayWindowHost host;
        host.place(QRect(10, 10, 400, 300));
        host.window->SetSelected(true);
        // A rule by object name shows whether the renamed button was styled again.
        host.area.setStyleSheet(QStringLiteral("QToolButton#%1 { background: rgb(255, 0, 0); border: none; }").arg(onName));
        QSignalSpy clicked(host.window, signal.constData());

        clickOn(host.child(offName));
        clickOn(host.child(offName + "Ex"));
        QCOMPARE(clicked.count(), 2);
        QVERIFY(!stateOf(host.window, Setter(setter)));     // the host decides

        setState(host.window, Setter(setter), true);
        QVERIFY(!host.child(offName) && !host.child(offName + "Ex"));
        QToolButton* on = host.child(onName);
        QVERIFY(on && host.child(onName + "Ex"));
        QCOMPARE(on->toolTip(), onTip);
        QCOMPARE(pixel(on, on->rect().center()), QColor(255, 0, 0));
        clickOn(on);
        QCOMPARE(clicked.count(), 3);
        setState(host.window, Setter(setter), false);
        QVERIFY(host.child(offName));
    }

    void missingButtonsKeepNoState_data()
    {
        QTest::addColumn<int>("setter");
        QTest::newRow("tour") << int(Tour);
        QTest::newRow("lock") << int(Lock);
        QTest::newRow("volume") << int(Volume);
    }
    void missingButtonsKeepNoState()
    {
        QFETCH(int, setter);
        DisplayWindowHost host(true, false);
        setState(host.window, Setter(setter), true);
        QVERIFY(!stateOf(host.window, Setter(setter)));
        // The meeting state has no button in any window and is kept all the same.
        host.window->SetMeetingBtn(true);
        QVERIFY(host.window->GetMeetingBtnStatus());
    }

    void barFitsButtonsIntoSlots_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("titleShown");
        QTest::addColumn<bool>("moreShown");
        const QStringList all = {"pWindowCircleOffBtn", "pWindowPtzOffBtn", "pWindowUnLockBtn",
                                 "pWindowVolumeOffBtn", "pWindowDockOffBtn", "pWindowMaxBtn", "pWindowCloseBtn"};
        QTest::newRow("room for all") << 182 << all << true << false;
        QTest::newRow("two give way") << 181 - 26 << QStringList(all.mid(2)) << true << false;
        QTest::newRow("close and more") << 77 << QStringList{"pWindowCloseBtn"} << false << true;
        QTest::newRow("close alone") << 51 << QStringList{"pWindowCloseBtn"} << false << false;
    }
    void barFitsButtonsIntoSlots()
    {
        QFETCH(int, width);
        QFETCH(QStringList, shown);
        QFETCH(bool, titleShown);
        QFETCH(bool, moreShown);
        DisplayWindowHost host;
        host.place(QRect(20, 20, width, 120));
        host.window->SetSelected(true);
        QStringList visible;
        for (QToolButton* b : host.window->findChildren<QToolButton*>()) {
            if (b->isVisible() && b->objectName().startsWith("pWindow"))
                visible << b->objectName();
        }
        QCOMPARE(visible, shown);
        QCOMPARE(host.child<QLabel>("pTitleLabel")->isVisible(), titleShown);
        QCOMPARE(host.child("pTitleBtn")->isVisible(), moreShown);
    }

    void showMoreTogglesThePopUpBelowIt()
    {
        DisplayWindowHost host;
        host.place(QRect(100, 50, 60, 200));
        host.window->SetSelected(true);
        QToolButton* more = host.child("pTitleBtn");
        QWidget* popUp = host.child("pWindowMaxBtnEx")->window();
        clickOn(more);
        QVERIFY(popUp->isVisible());
        QCOMPARE(popUp->pos(), host.window->mapToGlobal(QPoint(60 - 18, 23)));
        QCOMPARE(popUp->size(), QSize(17, 100));     // five copies
        clickOn(more);
        QVERIFY(!popUp->isVisible());

        // The maximise copy closes the pop-up and maximises.
        clickOn(more);
        clickOn(host.child("pWindowMaxBtnEx"));
        QVERIFY(!popUp->isVisible());
        QVERIFY(sameScale(host.window->GetScale(), StructScaleRect(0, 0, 1, 1)));
    }

    void scaleRules_data()
    {
        QTest::addColumn<bool>("dock");
        QTest::addColumn<bool>("lockButton");
        QTest::addColumn<bool>("wallLock");
        QTest::addColumn<StructScaleRect>("scale");
        QTest::addColumn<StructScaleRect>("expected");
        const StructScaleRect start(0.1, 0.1, 0.3, 0.3);
        QTest::newRow("within precision") << false << false << false << StructScaleRect(0.1005, 0.1005, 0.3005, 0.3005) << start;
        QTest::newRow("beyond precision") << false << false << false << StructScaleRect(0.1011, 0.1, 0.3, 0.3)
                                          << StructScaleRect(0.1011, 0.1, 0.3, 0.3);
        QTest::newRow("snapped to cells") << true << false << false << StructScaleRect(0.1, 0.1, 0.6, 0.4)
                                          << StructScaleRect(0, 0, 1, 0.5);
        QTest::newRow("already on cells") << true << false << false << StructScaleRect(0.5, 0.5, 1, 1)
                                          << StructScaleRect(0.5, 0.5, 1, 1);
        QTest::newRow("window locked") << false << true << false << StructScaleRect(0.5, 0.5, 1, 1) << start;
        QTest::newRow("wall locked") << false << false << true << StructScaleRect(0.5, 0.5, 1, 1) << start;
    }
    void scaleRules()
    {
        QFETCH(bool, dock);
        QFETCH(bool, lockButton);
        QFETCH(bool, wallLock);
        QFETCH(StructScaleRect, scale);
        QFETCH(StructScaleRect, expected);
        DisplayWindowHost host;
        host.area.rows = 2;
        host.area.cols = 2;
        host.window->SetScale(StructScaleRect(0.1, 0.1, 0.3, 0.3));
        host.window->SetLockBtn(lockButton);
        host.window->SetLock(wallLock);
        if (dock) {
            host.window->SetDockBtn(true);      // snaps the window where it is
            QVERIFY(sameScale(host.window->GetScale(), StructScaleRect(0, 0, 0.5, 0.5)));
        }
        const QRect before = host.window->geometry();
        QSignalSpy geo(host.window.data(), &ZtTVWallDisplayWindow::SignalGeoChanged);
        host.window->SetScale(scale);
        QVERIFY(sameScale(host.window->GetScale(), expected));
        const QSize area = host.area.viewport()->size();
        const QRect placed(qRound(expected.dLeft * area.width()), qRound(expected.dTop * area.height()),
                           qRound((expected.dRight - expected.dLeft) * area.width()),
                           qRound((expected.dBottom - expected.dTop) * area.height()));
        const bool changes = !sameScale(expected, dock ? StructScaleRect(0, 0, 0.5, 0.5) : StructScaleRect(0.1, 0.1, 0.3, 0.3));
        QCOMPARE(geo.count(), changes ? 1 : 0);
        QCOMPARE(host.window->geometry(), changes ? placed : before);
        if (changes)
            QVERIFY(sameScale(geo.at(0).at(0).value<StructScaleRect>(), expected));
    }

    void maximiseAndRestore_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("max button") << false;
        QTest::newRow("double click") << true;
    }
    void maximiseAndRestore()
    {
        QFETCH(bool, doubleClick);
        DisplayWindowHost host;
        host.place(QRect(100, 100, 300, 200));
        const StructScaleRect normal = host.window->GetScale();
        QSignalSpy selected(host.window.data(), &ZtTVWallDisplayWindow::SignalDoubleClickedSelectedChanged);
        const auto toggle = [&] {
            if (doubleClick)
                KitraTest::doubleClick(host.window, QPoint(150, 100));
            else
                clickOn(host.child("pWindowMaxBtn"));
        };
        host.window->SetSelected(!doubleClick);
        toggle();
        QVERIFY(sameScale(host.window->GetScale(), StructScaleRect(0, 0, 1, 1)));
        QCOMPARE(host.window->geometry(), QRect(QPoint(0, 0), host.area.viewport()->size()));
        QCOMPARE(host.child("pWindowMaxBtn")->toolTip(), QStringLiteral("Restore"));
        QCOMPARE(selected.count(), doubleClick ? 1 : 0);
        QVERIFY(host.window->IsSelected());
        toggle();
        QVERIFY(sameScale(host.window->GetScale(), normal));
        QCOMPARE(host.window->geometry(), QRect(100, 100, 300, 200));
        QCOMPARE(host.child("pWindowMaxBtn")->toolTip(), QStringLiteral("Max"));
        QVERIFY(host.noticeTexts().isEmpty());
    }

    void lockedWindowRefusesToMaximise()
    {
        DisplayWindowHost host;
        host.place(QRect(100, 100, 300, 200));
        host.window->SetSelected(true);
        host.window->SetLockBtn(true);
        QSignalSpy geo(host.window.data(), &ZtTVWallDisplayWindow::SignalGeoChanged);
        clickOn(host.child("pWindowMaxBtn"));
        QCOMPARE(geo.count(), 0);
        QCOMPARE(host.noticeTexts(), QStringList{"Window locked!"});
    }

    void ptzOpensFromItsSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("opens");
        QTest::newRow("249 wide") << QSize(249, 400) << false;
        QTest::newRow("149 high") << QSize(400, 149) << false;
        QTest::newRow("250 x 150") << QSize(250, 150) << true;
    }
    void ptzOpensFromItsSize()
    {
        QFETCH(QSize, size);
        QFETCH(bool, opens);
        DisplayWindowHost host;
        host.place(QRect(QPoint(100, 100), size));
        host.window->SetSelected(true);
        QSignalSpy clicked(host.window.data(), &ZtTVWallDisplayWindow::SignalPTZBtnClicked);
        clickOn(host.child("pWindowPtzOffBtn"));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(host.window->GetPTZBtnStatus(), opens);
        QCOMPARE(host.noticeTexts(), opens ? QStringList() : QStringList{"Window too small to open ptz."});
        QCOMPARE(bool(host.child("pWindowPtzOnBtn")), opens);
        QCOMPARE(host.visibleCount(host.floatingControls()), opens ? 8 : 0);
        if (opens) {
            // The left control floats 5 pixels in from the window's left edge, centred in height.
            QCOMPARE(ptzControl("PTZLeftBtn")->geometry(),
                     QRect(host.window->mapToGlobal(QPoint(5, size.height() / 2 - 15)), QSize(30, 30)));
            clickOn(host.child("pWindowPtzOnBtn"));
            QCOMPARE(host.visibleCount(host.floatingControls()), 0);
        }
    }

    void ptzClosesWithNotice_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("notice");
        QTest::newRow("unselected") << 0 << "Hide ptz, window unselected";
        QTest::newRow("moved") << 1 << "Hide ptz, window moved";
        QTest::newRow("resized") << 2 << "Hide ptz, window resized";
        QTest::newRow("screen moved") << 3 << "Hide ptz, window moved";
        QTest::newRow("screen hidden") << 4 << QString();
    }
    void ptzClosesWithNotice()
    {
        QFETCH(int, action);
        QFETCH(QString, notice);
        DisplayWindowHost host;
        host.place(QRect(100, 100, 300, 200));
        host.window->SetSelected(true);
        clickOn(host.child("pWindowPtzOffBtn"));
        QVERIFY(host.window->GetPTZBtnStatus());
        switch (action) {
        case 0: host.window->SetSelected(false); break;
        case 1: host.place(QRect(120, 100, 300, 200)); break;
        case 2: host.place(QRect(100, 100, 320, 200)); break;
        case 3: host.area.move(host.area.pos() + QPoint(0, 25)); break;
        case 4: host.area.hide(); break;
        }
        QTRY_VERIFY(!host.window->GetPTZBtnStatus());
        QCOMPARE(host.noticeTexts(), notice.isEmpty() ? QStringList() : QStringList{notice});
        QVERIFY(host.child("pWindowPtzOffBtn"));
        QCOMPARE(host.visibleCount(host.floatingControls()), 0);
    }

    void ptzControlsReportTheirCodeAtTheSpeed_data()
    {
        QTest::addColumn<int>("handleTravel");
        QTest::addColumn<int>("speed");
        QTest::newRow("slider untouched") << 0 << 1;
        QTest::newRow("to the top") << -200 << 8;
        QTest::newRow("one step up") << -17 << 5;
        QTest::newRow("to the bottom") << 200 << 1;
    }
    void ptzControlsReportTheirCodeAtTheSpeed()
    {
        QFETCH(int, handleTravel);
        QFETCH(int, speed);
        DisplayWindowHost host;
        host.place(QRect(100, 100, 400, 300));
        host.window->SetSelected(true);
        clickOn(host.child("pWindowPtzOffBtn"));
        if (handleTravel != 0) {
            auto* speedButton = host.child<QPushButton>("PTZSpeedBtn");
            clickOn(speedButton);
            QVERIFY(speedButton->isChecked());
            QPushButton* handle = nullptr;
            for (QWidget* w : host.floatingControls()) {
                if (w->objectName() == "PTZSpeedWidget" && w->isVisible())
                    handle = w->findChild<QPushButton*>();
            }
            QVERIFY(handle);
            const QPoint from = handle->mapToGlobal(handle->rect().center());
            KitraTest::dragGlobal(handle, from, from + QPoint(0, handleTravel));
        }
        QSignalSpy ptz(host.window.data(), &ZtTVWallDisplayWindow::SignalPTZEvent);
        for (const auto& control : kPtzCodes) {
            QPushButton* button = ptzControl(control.first);
            QVERIFY2(button, qPrintable(control.first));
            KitraTest::click(button, button->rect().center());
            QCOMPARE(ptz.count(), 2);
            QCOMPARE(ptz.at(0), QVariantList({control.second, speed, false}));
            QCOMPARE(ptz.at(1), QVariantList({control.second, speed, true}));
            ptz.clear();
        }
    }

    void hostMayDeleteTheWindowFromItsSignals_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("onCall");
        QTest::newRow("close") << QByteArray(SIGNAL(SignalCloseBtnClicked())) << "pWindowCloseBtn" << 1;
        QTest::newRow("ptz button") << QByteArray(SIGNAL(SignalPTZBtnClicked())) << "pWindowPtzOffBtn" << 1;
        QTest::newRow("maximise") << QByteArray(SIGNAL(SignalGeoChanged(ZtGUI::StructScaleRect))) << "pWindowMaxBtn" << 1;
        QTest::newRow("ptz press") << QByteArray(SIGNAL(SignalPTZEvent(int, int, bool))) << "PTZLeftBtn" << 1;
        QTest::newRow("ptz release") << QByteArray(SIGNAL(SignalPTZEvent(int, int, bool))) << "PTZZoomIncBtn" << 2;
        QTest::newRow("double click") << QByteArray(SIGNAL(SignalDoubleClickedSelectedChanged())) << QString() << 1;
        QTest::newRow("deleted with ptz open") << QByteArray() << QString() << 0;
    }
    void hostMayDeleteTheWindowFromItsSignals()
    {
        QFETCH(QByteArray, signal);
        QFETCH(QString, control);
        QFETCH(int, onCall);
        DisplayWindowHost host;
        host.place(QRect(100, 100, 400, 300));
        host.window->SetSelected(true);
        if (!control.startsWith("pWindowPtz"))
            clickOn(host.child("pWindowPtzOffBtn"));
        Deleter deleter(host.window, onCall);
        if (!signal.isEmpty())
            QVERIFY(connect(host.window, signal.constData(), &deleter, SLOT(deleteWindow())));
        QWidget* target = control.isEmpty() ? nullptr : static_cast<QWidget*>(ptzControl(control));
        if (!target && !control.isEmpty())
            target = host.child(control);
        if (signal.isEmpty())
            delete host.window;
        else if (target)
            clickOn(target);
        else
            doubleClickOn(host.window, QPoint(200, 150));
        QVERIFY(host.window.isNull());
        QVERIFY(host.floatingControls().isEmpty());
    }

    void paintsSkinAndSelection_data()
    {
        QTest::addColumn<bool>("light");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("edge");
        QTest::newRow("light") << true << false << QColor(233, 234, 236) << QColor(76, 81, 87);
        QTest::newRow("dark") << false << false << QColor(41, 41, 41) << QColor(76, 81, 87);
        QTest::newRow("light selected") << true << true << QColor(233, 234, 236) << QColor(24, 144, 255);
        QTest::newRow("dark selected") << false << true << QColor(41, 41, 41) << QColor(24, 144, 255);
    }
    void paintsSkinAndSelection()
    {
        QFETCH(bool, light);
        QFETCH(bool, selected);
        QFETCH(QColor, background);
        QFETCH(QColor, edge);
        DisplayWindowHost host(light);
        host.place(QRect(100, 100, 300, 200));
        host.window->SetSelected(selected);
        const QImage image = host.window->grab().toImage();
        QCOMPARE(image.pixelColor(150, 100), background);
        QCOMPARE(image.pixelColor(0, 100), edge);
        QCOMPARE(image.pixelColor(299, 100), edge);
        // The grip's lines cross the corner's diagonal, in white only when selected.
        QCOMPARE(image.pixelColor(295, 196) == background, !selected);

        // A content text is drawn in the middle of a window without video, and no longer with one.
        host.window->SetContentText(QStringLiteral("Camera 12"));
        QVERIFY(host.window->grab().toImage().copy(100, 90, 100, 20) != image.copy(100, 90, 100, 20));
        host.window->GetVideoWidget();
        QCOMPARE(host.window->grab().toImage().copy(100, 90, 100, 20), image.copy(100, 90, 100, 20));
    }

    void contentTextSizesToTheWindow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("large");
        // A strip narrower than 61 pixels sizes its text by a fiftieth of its height, not a twelfth.
        QTest::newRow("narrow strip") << 60 << false;
        QTest::newRow("wide enough") << 61 << true;
    }
    void contentTextSizesToTheWindow()
    {
        QFETCH(int, width);
        QFETCH(bool, large);
        DisplayWindowHost host(false);
        host.place(QRect(0, 0, width, 480));
        host.window->SetContentText(QStringLiteral("W"));
        const QImage image = host.window->grab().toImage();
        int top = image.height();
        int bottom = -1;
        for (int y = 2; y < image.height() - 2; ++y) {
            for (int x = 2; x < image.width() - 2; ++x) {
                if (image.pixelColor(x, y) != QColor(41, 41, 41)) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
            }
        }
        QVERIFY(bottom >= top);
        // 480 / 50 gives an 8-point letter, 480 / 12 a 40-point one.
        QCOMPARE(bottom - top + 1 > 20, large);
    }
};

QTEST_MAIN(tst_DisplayWindow)
#include "tst_displaywindow.moc"
