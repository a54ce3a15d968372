// A display screen as the operator drives it: drawing areas and bands, clicks per selection mode,
// group moves, resizes, locks, stacking and deletion, and its on-screen-display texts.
#include "DisplayWallHost.h"

#include "MovableSub.h"
#include "QOSDShowLabel.h"
#include "ZtTVWallDisplayFrame.h"

#include <QLabel>
#include <QPushButton>
#include <log4cpp/AppenderSkeleton.hh>
#include <log4cpp/Category.hh>

namespace {

// Collects what the OSD code writes to its log category.
class TraceCapture : public log4cpp::AppenderSkeleton
{
public:
    TraceCapture() : AppenderSkeleton("capture") {}
    bool reopen() override { return true; }
    void close() override {}
    bool requiresLayout() const override { return false; }
    void setLayout(log4cpp::Layout*) override {}
    QStringList messages;

protected:
    void _append(const log4cpp::LoggingEvent& event) override { messages << QString::fromStdString(event.message); }
};

ZtGUI::StructOSDInfo osdRecord(int left, int top, int right, int bottom, int alpha, bool transparency)
{
    ZtGUI::StructOSDInfo info;
    info.bShow = true;
    info.struRect = {left, top, right, bottom};
    info.struTextColor = {255, 255, 0, 0};
    info.struBackColor = {0, 0, 255, alpha};
    info.bTransparency = transparency;
    info.cFontScale = 80;
    info.strText = "OSD";
    return info;
}

QList<ZtGUI::MovableSub*> shownTexts(ZtTVWallDisplayScreen* screen)
{
    QList<ZtGUI::MovableSub*> shown;
    for (auto* sub : screen->findChildren<ZtGUI::MovableSub*>()) {
        if (sub->isVisible())
            shown << sub;
    }
    return shown;
}

} // namespace

class tst_DisplayScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void screensKeepASeamUnlessTheyAreDevices()
    {
        DisplayWallHost host(2);
        QCOMPARE(host.screen(0)->geometry().right() + 2, host.screen(1)->geometry().left());
        QCOMPARE(host.screen(1)->geometry().right(), 799);      // no seam at the wall's edge
        host.wall->SetDeviceType(true);
        host.wall->resize(801, 600);
        QCOMPARE(host.screen(0)->geometry().right() + 1, host.screen(1)->geometry().left());
    }

    void drawAreaAsksTheHostToOpenAWindow_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("opens");
        QTest::newRow("down-right") << QPoint(40, 30) << QPoint(240, 130) << true;
        QTest::newRow("up-left") << QPoint(240, 130) << QPoint(40, 30) << true;
        QTest::newRow("two pixels wide") << QPoint(40, 30) << QPoint(42, 130) << false;
        QTest::newRow("two pixels high") << QPoint(40, 30) << QPoint(240, 28) << false;
    }
    void drawAreaAsksTheHostToOpenAWindow()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, opens);
        DisplayWallHost host(2);
        QSignalSpy draw(host.wall.get(), &ZtTVWallDisplayWnd::SignalDrawAreaOpenWindow);
        QSignalSpy selected(host.wall.get(), &ZtTVWallDisplayWnd::SignalScreenSelectedChanged);
        KitraTest::drag(host.viewport(1), from, to);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0).toInt(), 1);
        QCOMPARE(host.wall->GetSelectedScreenIndex(), 1);
        QCOMPARE(draw.count(), opens ? 1 : 0);
        if (!opens)
            return;
        QCOMPARE(draw.at(0).at(0).toInt(), 1);
        const auto scale = draw.at(0).at(1).value<StructScaleRect>();
        const QSize size = host.viewport(1)->size();
        const QRect drawn = QRect(from, to).normalized();
        QVERIFY(qAbs(scale.dLeft * size.width() - drawn.left()) < 1.0);
        QVERIFY(qAbs(scale.dBottom * size.height() - drawn.bottom()) < 1.0);
        QVERIFY(scale.bFreeMode);
        for (const QWidget* frame : host.screen(1)->findChildren<ZtGUI::ZtTVWallDisplayFrame*>())
            QVERIFY(!frame->isVisible());
    }

    void clicksSelectByTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("changes");
        QTest::addColumn<int>("plainClicks");
        const int single = ZtTVWallDisplayWnd::SingleSelection;
        const int multi = ZtTVWallDisplayWnd::MultiSelection;
        QTest::newRow("single: the last") << single << QList<int>{0, 1} << QList<int>{1} << 2 << 0;
        QTest::newRow("single: again") << single << QList<int>{0, 0} << QList<int>{0} << 1 << 1;
        QTest::newRow("multi: adds") << multi << QList<int>{0, 1} << QList<int>{0, 1} << 2 << 0;
        QTest::newRow("multi: toggles") << multi << QList<int>{0, 1, 0} << QList<int>{1} << 3 << 0;
    }
    void clicksSelectByTheMode()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, clicked);
        QFETCH(QList<int>, selected);
        QFETCH(int, changes);
        QFETCH(int, plainClicks);
        DisplayWallHost host;
        host.wall->SetWindowSelectionMode(ZtTVWallDisplayWnd::SelectionMode(mode));
        host.open(0, QRect(10, 10, 100, 80));
        host.open(0, QRect(200, 10, 100, 80));
        QSignalSpy changed(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QSignalSpy plain(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowClicked);
        QSignalSpy events(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowEvent);
        for (int w : clicked)
            KitraTest::click(host.window(0, w), QPoint(50, 40));
        QCOMPARE(host.wall->GetSelectedWindowIndexs(), selected);
        QCOMPARE(changed.count(), changes);
        QCOMPARE(plain.count(), plainClicks);
        QCOMPARE(events.count(), 2 * clicked.size());       // press and release, once each
    }

    void bandTogglesEveryWindowItTouches()
    {
        DisplayWallHost host;
        host.wall->SetWindowSelectionMode(ZtTVWallDisplayWnd::MultiSelection);
        host.open(0, QRect(10, 10, 100, 80));
        host.open(0, QRect(200, 10, 100, 80));
        host.open(0, QRect(10, 200, 100, 80));
        QSignalSpy changed(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QSignalSpy draw(host.wall.get(), &ZtTVWallDisplayWnd::SignalDrawAreaOpenWindow);
        KitraTest::drag(host.viewport(0), QPoint(390, 150), QPoint(50, 50));
        QCOMPARE(host.wall->GetSelectedWindowIndexs(), (QList<int>{0, 1}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 0);
        QCOMPARE(draw.count(), 0);
        // A band dragged from an unselected window selects rather than toggles.
        KitraTest::click(host.window(0, 0), QPoint(50, 40));
        KitraTest::drag(host.window(0, 2), QPoint(50, 40), QPoint(150, -150));
        QCOMPARE(host.wall->GetSelectedWindowIndexs(), (QList<int>{0, 1, 2}));
    }

    void groupMoveStopsAtTheScreenEdge()
    {
        DisplayWallHost host;
        host.wall->SetWindowSelectionMode(ZtTVWallDisplayWnd::MultiSelection);
        host.open(0, QRect(40, 10, 100, 80));
        host.open(0, QRect(200, 100, 100, 80));
        KitraTest::click(host.window(0, 0), QPoint(50, 40));
        KitraTest::click(host.window(0, 1), QPoint(50, 40));
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        KitraTest::dragGlobal(host.window(0, 1), host.window(0, 1)->mapToGlobal(QPoint(50, 40)),
                              host.window(0, 1)->mapToGlobal(QPoint(-300, 40)));
        QCOMPARE(geo.count(), 2);
        QCOMPARE(geo.at(0).at(1).toInt(), 0);
        QCOMPARE(geo.at(0).at(2).value<StructScaleRect>().dLeft, 0.0);
        QCOMPARE(host.window(0, 0)->x(), 0);
        QCOMPARE(host.window(0, 1)->x(), 160);      // the pair keeps its spacing
        QCOMPARE(host.window(0, 1)->y(), 100);
    }

    void resizeKeepsTheMinimumSizeAndSmallWindowsOnlyMove_data()
    {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QPoint>("grip");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QRect>("result");
        QTest::newRow("right edge, far left") << QRect(100, 50, 200, 100) << QPoint(198, 50) << QPoint(-400, 0)
                                              << QRect(100, 50, 50, 100);
        QTest::newRow("bottom-right, out of the screen") << QRect(100, 50, 200, 100) << QPoint(198, 98)
                                                         << QPoint(400, 400) << QRect(100, 50, 299, 249);
        QTest::newRow("top edge, far down") << QRect(100, 50, 200, 100) << QPoint(100, 1) << QPoint(0, 300)
                                            << QRect(100, 125, 200, 25);
        QTest::newRow("49 wide: moves") << QRect(100, 50, 49, 100) << QPoint(47, 50) << QPoint(20, 0)
                                        << QRect(120, 50, 49, 100);
    }
    void resizeKeepsTheMinimumSizeAndSmallWindowsOnlyMove()
    {
        QFETCH(QRect, place);
        QFETCH(QPoint, grip);
        QFETCH(QPoint, offset);
        QFETCH(QRect, result);
        DisplayWallHost host;
        host.open(0, place);
        ZtTVWallDisplayWindow* w = host.window(0, 0);
        KitraTest::click(w, QPoint(20, 40));
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        KitraTest::dragGlobal(w, w->mapToGlobal(grip), w->mapToGlobal(grip + offset));
        QCOMPARE(w->geometry(), result);
        QCOMPARE(geo.count(), 1);
    }

    void lockedWindowsRefuseToMove_data()
    {
        QTest::addColumn<bool>("wallLock");
        QTest::addColumn<QString>("message");
        QTest::newRow("wall") << true << "TVWall Locked!";
        QTest::newRow("window") << false << "Window locked!";
    }
    void lockedWindowsRefuseToMove()
    {
        QFETCH(bool, wallLock);
        QFETCH(QString, message);
        DisplayWallHost host;
        host.open(0, QRect(100, 50, 100, 80));
        if (wallLock)
            host.wall->SetTVWallLockStatus(true);
        else
            host.wall->SetWindowLockBtn(0, 0, true);
        ZtTVWallDisplayWindow* w = host.window(0, 0);
        QSignalSpy lock(host.wall.get(), &ZtTVWallDisplayWnd::SignalLockEvent);
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        for (const QPoint grip : {QPoint(50, 40), QPoint(98, 78)})
            KitraTest::dragGlobal(w, w->mapToGlobal(grip), w->mapToGlobal(grip + QPoint(60, 60)));
        QCOMPARE(lock.count(), 2);
        QCOMPARE(lock.at(0).at(0).toString(), message);
        QCOMPARE(lock.at(1).at(0).toString(), message);
        QCOMPARE(geo.count(), 0);
        QCOMPARE(w->geometry(), QRect(100, 50, 100, 80));
    }

    void zOrderRestacksWithoutRenumbering()
    {
        DisplayWallHost host;
        for (int i = 0; i < 3; ++i)
            host.open(0, QRect(50 + 20 * i, 50, 100, 80));
        const QPoint overlap(130, 90);
        QCOMPARE(host.topAt(0, overlap), host.window(0, 2));
        QVERIFY(host.wall->SetWindowZValue(0, 0, 5, true));
        QCOMPARE(host.topAt(0, overlap), host.window(0, 0));
        QVERIFY(host.wall->SetWindowZValue(0, 2, 7, true));
        QCOMPARE(host.topAt(0, overlap), host.window(0, 2));
        QCOMPARE(host.wall->GetAllWindowIndexs(0), (QList<int>{0, 1, 2}));
        int window = -1;
        int z = -1;
        host.wall->GetMaxWindowZValue(0, window, z);
        QCOMPARE(window, 2);
        QCOMPARE(z, 7);
        // Clicks select but leave the stacking to the host; texts stay above new windows.
        QVERIFY(QTest::qWaitForWindowActive(host.wall.get()));
        QTest::mouseClick(host.window(0, 1), Qt::LeftButton, {}, QPoint(60, 40));     // as the system sends it
        QCOMPARE(host.topAt(0, overlap), host.window(0, 2));
        std::vector<ZtGUI::StructOSDInfo> list{osdRecord(0, 0, 8192, 8192, 0, false)};
        host.wall->SetScreenOSDInfo(0, list);
        host.open(0, QRect(50, 50, 200, 100));
        QCOMPARE(host.topAt(0, overlap), nullptr);
    }

    void deletingRenumbersAndReportsALostSelection()
    {
        DisplayWallHost host;
        for (int i = 0; i < 3; ++i)
            host.open(0, QRect(10 + 110 * i, 10, 100, 80));
        KitraTest::click(host.window(0, 0), QPoint(50, 40));
        QSignalSpy changed(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QVERIFY(host.wall->DeleteWindow(0, 1));
        QCOMPARE(changed.count(), 0);
        QVERIFY(host.wall->DeleteWindow(0, 0));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(host.wall->GetAllWindowUserDatas(0), QList<int>{2});
        QCOMPARE(host.window(0, 0)->x(), 230);
        QVERIFY(!host.wall->DeleteWindow(0, 1));
    }

    void osdTextsArePlacedInEighthousandthsAndReportBack()
    {
        DisplayWallHost host;
        host.wall->resize(2002, 1602);      // a screen of 1000 x 800
        QCOMPARE(host.viewport(0)->size(), QSize(1000, 800));
        std::vector<ZtGUI::StructOSDInfo> list{osdRecord(0, 0, 4096, 4096, 0, false)};
        QVERIFY(host.wall->SetScreenOSDInfo(0, list));
        const auto shown = shownTexts(host.screen(0));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0)->geometry(), QRect(0, 0, 500, 400));

        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalOSDGeoChanged);
        ZtGUI::MovableSub* sub = shown.at(0);
        KitraTest::dragGlobal(sub, sub->mapToGlobal(QPoint(100, 100)), sub->mapToGlobal(QPoint(350, 300)));
        QCOMPARE(geo.count(), 1);
        QCOMPARE(geo.at(0).at(0).toInt(), 0);
        QCOMPARE(geo.at(0).at(2).toRect(), QRect(2048, 2048, 4096, 4096));
        QCOMPARE(geo.at(0).at(3).toBool(), true);
        KitraTest::dragGlobal(sub, sub->mapToGlobal(QPoint(498, 200)), sub->mapToGlobal(QPoint(398, 200)));
        QCOMPARE(geo.at(1).at(3).toBool(), false);
        QCOMPARE(sub->width(), 400);
    }

    void osdFontFollowsLinesWidthAndName_data()
    {
        QTest::addColumn<QRect>("pixels");      // on a 1000 x 800 screen
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("font");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::newRow("two lines") << QRect(0, 0, 300, 100) << QByteArray("a\nb") << QByteArray("simSun") << 40
                                   << "SimSun" << false;
        QTest::newRow("narrower than high") << QRect(0, 0, 50, 200) << QByteArray("a") << QByteArray("simKai") << 40
                                            << "KaiTi" << false;
        QTest::newRow("bold") << QRect(0, 0, 500, 100) << QByteArray("a") << QByteArray("simHei") << 80
                              << QString() << true;
    }
    void osdFontFollowsLinesWidthAndName()
    {
        QFETCH(QRect, pixels);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, font);
        QFETCH(int, size);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        DisplayWallHost host;
        host.wall->resize(2002, 1602);
        auto info = osdRecord(0, 0, pixels.width() * 8192 / 1000, pixels.height() * 8192 / 800, 0, false);
        info.strText = text.toStdString();
        info.strFontName = font.toStdString();
        std::vector<ZtGUI::StructOSDInfo> list{info};
        host.wall->SetScreenOSDInfo(0, list);
        auto* label = shownTexts(host.screen(0)).at(0)->findChild<QLabel*>();
        QCOMPARE(label->font().pixelSize(), size);
        QCOMPARE(label->font().bold(), bold);
        if (!family.isEmpty())
            QCOMPARE(label->font().family(), family);
    }

    void nonsenseRecordsAreShownWithoutComplaint()
    {
        DisplayWallHost host;
        auto inverted = osdRecord(6000, 6000, 1000, 1000, 300, true);
        inverted.cFontScale = -50;
        inverted.cAlign = 7;
        auto outside = osdRecord(-9000, 9000, 20000, 30000, -4, false);
        std::vector<ZtGUI::StructOSDInfo> list{inverted, outside};
        host.wall->SetScreenOSDInfo(0, list);
        QVERIFY(shownTexts(host.screen(0)).size() <= 2);
        const int w = host.wall->OpenWindow(0, StructScaleRect(0.9, 0.9, 0.1, -3.0), QVariant());
        KitraTest::drag(host.viewport(0), QPoint(5, 5), QPoint(300, 250));
        host.wall->SetWindowZValue(0, w, -7, true);
        host.wall->resize(500, 700);
        QVERIFY(!host.screen(0)->grab().isNull());
    }

    void fixedWindowsOnlyReportDoubleClicks()
    {
        DisplayWallHost host(2);
        host.open(1, QRect(100, 50, 100, 80), false);
        ZtTVWallDisplayWindow* w = host.window(1, 0);
        QSignalSpy doubles(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowDoubleClicked);
        QList<int> events;
        connect(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowEvent,
                [&events](int, int, QEvent* e) { events << e->type(); });
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        KitraTest::dragGlobal(w, w->mapToGlobal(QPoint(50, 40)), w->mapToGlobal(QPoint(120, 90)));
        QCOMPARE(w->geometry(), QRect(100, 50, 100, 80));
        QCOMPARE(events, QList<int>{QEvent::MouseButtonRelease});
        KitraTest::doubleClick(w, QPoint(50, 40));
        QCOMPARE(doubles.count(), 1);
        QCOMPARE(doubles.at(0).at(0).toInt(), 1);
        QCOMPARE(geo.count(), 0);
    }

    void marqueePadsItsTextAndMoves()
    {
        QWidget parent;
        parent.resize(300, 50);
        auto* label = new ZtGUI::QOSDShowLabel(&parent, 3);
        label->setGeometry(0, 0, 200, 30);
        QCOMPARE(label->GetIndex(), 3);
        label->SetInfo("ab", Qt::yellow, Qt::blue, 4, 0, 1);
        QVERIFY(label->sizeHint().width() > 190);      // padded with spaces to the label's width
        parent.show();
        const QImage first = label->grab().toImage();
        QCOMPARE(first.pixelColor(199, 29), QColor(Qt::blue));
        QTRY_VERIFY(label->grab().toImage() != first);
        label->ClearInfo();
        QVERIFY(label->grab().toImage().pixelColor(199, 29) != QColor(Qt::blue));
    }

    void osdBackgroundAlpha_data()
    {
        QTest::addColumn<int>("transparency");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<int>("alpha");
        QTest::newRow("scaled half") << 64 << true << 127;
        QTest::newRow("unscaled, some") << 64 << false << 0;
        QTest::newRow("unscaled, none") << 0 << false << 255;
    }
    void osdBackgroundAlpha()
    {
        QFETCH(int, transparency);
        QFETCH(bool, scaled);
        QFETCH(int, alpha);
        DisplayWallHost host;
        std::vector<ZtGUI::StructOSDInfo> list{osdRecord(0, 0, 8192, 8192, transparency, scaled)};
        list[0].strText.clear();
        host.wall->SetScreenOSDInfo(0, list);
        const QColor under(145, 155, 168);       // the light screen's fill
        const QColor seen = host.screen(0)->grab().toImage().pixelColor(300, 200);
        QVERIFY2(qAbs(seen.blue() - (255 * alpha + under.blue() * (255 - alpha)) / 255) <= 2,
                 qPrintable(seen.name()));
        QVERIFY(qAbs(seen.red() - under.red() * (255 - alpha) / 255) <= 2);
    }

    void osdListsKeepEightTextsAndTrace()
    {
        DisplayWallHost host;
        TraceCapture capture;      // by reference: the category does not take it over
        log4cpp::Category& category = log4cpp::Category::getInstance("TARN");
        category.setPriority(log4cpp::Priority::INFO);
        category.addAppender(capture);
        std::vector<ZtGUI::StructOSDInfo> list(10, osdRecord(0, 0, 1000, 1000, 0, false));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SetOSDInfo: 10 records"));
        host.wall->SetScreenOSDInfo(0, list);
        QCOMPARE(shownTexts(host.screen(0)).size(), 8);
        host.wall->SetScreenOSDVisible(0, {}, false);
        QCOMPARE(shownTexts(host.screen(0)).size(), 0);
        category.removeAppender(&capture);
        QCOMPARE(capture.messages, (QStringList{
            "[Debug OSD] [ZtTVWallDisplayScreen::SetOSDInfo] Enter.",
            "[Debug OSD] [ZtTVWallDisplayScreen::ShowStaticOSDInfo] Enter.",
            "[Debug OSD] [ZtTVWallDisplayScreen::ShowStaticOSDInfo] m_vsStaticOSDInfo.size(): 8.",
            "[Debug OSD] [ZtTVWallDisplayScreen::ShowStaticOSDInfo] Leave.",
            "[Debug OSD] [ZtTVWallDisplayScreen::SetOSDInfo] Leave.",
            "[Debug OSD] [ZtTVWallDisplayScreen::SetOSDVisible] Enter.",
            "[Debug OSD] [ZtTVWallDisplayScreen::SetOSDVisible] m_vsStaticOSDInfo.size(): 8.",
            "[Debug OSD] [ZtTVWallDisplayScreen::SetOSDVisible] Leave."}));
    }

    void osdButtonsAndLabelsReportOnce()
    {
        DisplayWallHost host(2);
        std::vector<ZtGUI::StructOSDInfo> list{osdRecord(0, 0, 4096, 4096, 0, false)};
        host.wall->SetScreenOSDInfo(1, list);
        ZtGUI::MovableSub* sub = shownTexts(host.screen(1)).at(0);
        auto* label = sub->findChild<QLabel*>();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(label, &enter);
        QSignalSpy osd(host.wall.get(), &ZtTVWallDisplayWnd::SignalOSDEvent);
        const auto buttons = label->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 2);
        QVERIFY(buttons.at(0)->isVisible());
        KitraTest::click(buttons.at(0), QPoint(5, 5));
        KitraTest::click(buttons.at(1), QPoint(5, 5));
        QCOMPARE(osd.count(), 2);
        QCOMPARE(osd.at(0), (QList<QVariant>{1, 0, 1}));
        QCOMPARE(osd.at(1), (QList<QVariant>{1, 0, 0}));

        QSignalSpy labels(host.wall.get(), &ZtTVWallDisplayWnd::SignalLabelEvent);
        host.wall->SetScreenWindowBackgroudColor(1, Qt::black, true);
        KitraTest::click(label, QPoint(20, 20), Qt::RightButton);
        QCOMPARE(labels.count(), 1);
        QCOMPARE(labels.at(0).at(0).toInt(), 1);
        QCOMPARE(labels.at(0).at(1).toInt(), 0);
        host.wall->SetScreenWindowBackgroudColor(1, Qt::black, false);
        QVERIFY(shownTexts(host.screen(1)).isEmpty());
    }
};

QTEST_MAIN(tst_DisplayScreen)
#include "tst_displayscreen.moc"
