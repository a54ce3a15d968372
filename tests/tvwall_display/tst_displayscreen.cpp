// A display screen as the operator drives it: areas, bands, selection, gestures, stacking and texts.
#include "DisplayTest.h"

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
    void _append(const log4cpp::LoggingEvent& event) override { messages << event.message.c_str(); }
};

QList<ZtGUI::MovableSub*> shownTexts(ZtTVWallDisplayScreen* screen)
{
    QList<ZtGUI::MovableSub*> shown = screen->findChildren<ZtGUI::MovableSub*>();
    shown.erase(std::remove_if(shown.begin(), shown.end(), [](QWidget* w) { return !w->isVisible(); }), shown.end());
    return shown;
}

QtMessageHandler g_previousHandler = nullptr;

// While alive, swallows Qt's complaint about a font size below 1, which a text sized to nothing
// or a zero scale leads to; every other message still reaches the test's handler.
struct QtFontSizeTolerated
{
    QtFontSizeTolerated()
    {
        g_previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& at, const QString& m) {
            if (!m.startsWith(QLatin1String("QFont::setPixelSize: Pixel size <= 0")))
                g_previousHandler(type, at, m);
        });
    }
    ~QtFontSizeTolerated() { qInstallMessageHandler(g_previousHandler); }
};

// A drag between two points of `w`, in its own pixels when it starts, for widgets that move with it.
void dragIn(QWidget* w, const QPoint& from, const QPoint& to)
{
    KitraTest::dragGlobal(w, w->mapToGlobal(from), w->mapToGlobal(to));
}

} // namespace

class tst_DisplayScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // A seam between screens (not as devices); a drag on the background asks for a window unless thin.
    void seamsDrawnAreasAndFixedWindows()
    {
        DisplayWallHost host(2);
        QCOMPARE(host.screen(0)->geometry().right() + 2, host.screen(1)->geometry().left());
        QCOMPARE(host.screen(1)->geometry().right(), 799);
        QSignalSpy draw(host.wall.get(), &ZtTVWallDisplayWnd::SignalDrawAreaOpenWindow);
        QSignalSpy selected(host.wall.get(), &ZtTVWallDisplayWnd::SignalScreenSelectedChanged);
        // Down-right and up-left open; two pixels wide or high do not.
        const QPoint a(40, 30), b(240, 130);
        for (const QLine& drag : {QLine(a, b), QLine(b, a), QLine(a, QPoint(42, 130)), QLine(a, QPoint(240, 28))}) {
            KitraTest::drag(host.viewport(1), drag.p1(), drag.p2());
            QCOMPARE(selected.takeFirst(), QVariantList{1});
        }
        QCOMPARE(host.wall->GetSelectedScreenIndex(), 1);
        QCOMPARE(draw.count(), 2);
        for (const QVariantList& request : draw) {
            const auto scale = request.at(1).value<StructScaleRect>();
            const QSize size = host.viewport(1)->size();
            QCOMPARE(request.at(0).toInt(), 1);
            QVERIFY(scale.bFreeMode && qAbs(scale.dLeft * size.width() - 40) < 1.0);
            QVERIFY(qAbs(scale.dBottom * size.height() - 130) < 1.0);
        }
        for (const QWidget* frame : host.screen(1)->findChildren<ZtGUI::ZtTVWallDisplayFrame*>())
            QVERIFY(!frame->isVisible());
        // A fixed window does not move and reports only releases and double clicks.
        host.open(1, QRect(100, 50, 100, 80), false);
        QSignalSpy doubles(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowDoubleClicked);
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        QList<int> events;
        connect(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowEvent,
                [&events](int, int, QEvent* e) { events << e->type(); });
        dragIn(host.window(1, 0), QPoint(50, 40), QPoint(120, 90));
        QCOMPARE(host.window(1, 0)->geometry(), QRect(100, 50, 100, 80));
        QCOMPARE(events, QList<int>{QEvent::MouseButtonRelease});
        KitraTest::doubleClick(host.window(1, 0), QPoint(50, 40));
        QCOMPARE(calls(doubles), QList<QVariantList>{{1}});
        QCOMPARE(geo.count(), 0);
        host.wall->SetDeviceType(true);
        host.wall->resize(801, 600);
        QCOMPARE(host.screen(0)->geometry().right() + 1, host.screen(1)->geometry().left());
    }

    // Single keeps the last (a second click is plain), multi adds and toggles; clicks are relayed.
    void clicksSelectByTheMode()
    {
        struct Case { ZtTVWallDisplayWnd::SelectionMode mode; QList<int> clicked, selected; int changes, plain; };
        const auto single = ZtTVWallDisplayWnd::SingleSelection;
        const auto multi = ZtTVWallDisplayWnd::MultiSelection;
        for (const Case& c : {Case{single, {0, 1}, {1}, 2, 0}, Case{single, {0, 0}, {0}, 1, 1},
                              Case{multi, {0, 1}, {0, 1}, 2, 0}, Case{multi, {0, 1, 0}, {1}, 3, 0}}) {
            DisplayWallHost host;
            host.wall->SetWindowSelectionMode(c.mode);
            host.open(0, QRect(10, 10, 100, 80));
            host.open(0, QRect(200, 10, 100, 80));
            QSignalSpy changed(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
            QSignalSpy plain(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowClicked);
            QSignalSpy events(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowEvent);
            for (int w : c.clicked)
                KitraTest::click(host.window(0, w), QPoint(50, 40));
            QCOMPARE(host.wall->GetSelectedWindowIndexs(), c.selected);
            QCOMPARE(QList<int>({int(changed.count()), int(plain.count()), int(events.count())}),
                     QList<int>({c.changes, c.plain, 2 * int(c.clicked.size())}));
        }
    }

    // A band toggles what it touches (selects from a window); the group moves until one hits the edge.
    void bandSelectsAndTheGroupMovesToTheEdge()
    {
        DisplayWallHost host;
        host.wall->SetWindowSelectionMode(ZtTVWallDisplayWnd::MultiSelection);
        for (const QPoint& at : {QPoint(10, 10), QPoint(200, 10), QPoint(40, 200)})
            host.open(0, QRect(at, QSize(100, 80)));
        QSignalSpy changed(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QSignalSpy draw(host.wall.get(), &ZtTVWallDisplayWnd::SignalDrawAreaOpenWindow);
        KitraTest::drag(host.viewport(0), QPoint(390, 150), QPoint(50, 50));
        QCOMPARE(host.wall->GetSelectedWindowIndexs(), (QList<int>{0, 1}));
        QCOMPARE(calls(changed), QList<QVariantList>{{0}});
        QCOMPARE(draw.count(), 0);
        KitraTest::click(host.window(0, 0), QPoint(50, 40));
        KitraTest::drag(host.window(0, 2), QPoint(50, 40), QPoint(150, -150));
        QCOMPARE(host.wall->GetSelectedWindowIndexs(), (QList<int>{0, 1, 2}));
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        dragIn(host.window(0, 1), QPoint(50, 40), QPoint(-300, 40));
        QCOMPARE(geo.count(), 3);
        QCOMPARE(geo.at(0).at(1).toInt(), 0);
        QCOMPARE(geo.at(0).at(2).value<StructScaleRect>().dLeft, 0.0);
        const QList<QPoint> moved{host.window(0, 0)->pos(), host.window(0, 1)->pos(), host.window(0, 2)->pos()};
        QCOMPARE(moved, (QList<QPoint>{{0, 10}, {190, 10}, {30, 200}}));     // spacing kept
    }

    // Resizes stay within 50 x 25 and the screen (narrower only moves); locks refuse and say why.
    void resizeKeepsItsLimitsAndLocksRefuse()
    {
        struct Case { QRect place; QPoint grip; QPoint offset; QRect result; };
        const Case cases[] = {{{100, 50, 200, 100}, {198, 50}, {-400, 0}, {100, 50, 50, 100}},
                              {{100, 50, 200, 100}, {198, 98}, {400, 400}, {100, 50, 299, 249}},
                              {{100, 50, 200, 100}, {100, 1}, {0, 300}, {100, 125, 200, 25}},
                              {{100, 50, 49, 100}, {47, 50}, {20, 0}, {120, 50, 49, 100}}};
        DisplayWallHost host;
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        for (const Case& c : cases) {
            host.open(0, c.place);
            KitraTest::click(host.window(0, 0), QPoint(20, 40));
            geo.clear();
            dragIn(host.window(0, 0), c.grip, c.grip + c.offset);
            QCOMPARE(host.window(0, 0)->geometry(), c.result);
            QCOMPARE(geo.count(), 1);
            host.wall->DeleteWindow(0, 0);
        }
        // Hovering over a selected window's edge shows the arrow; only a press there resizes.
        host.open(0, QRect(100, 50, 100, 80));
        ZtTVWallDisplayWindow* hovered = host.window(0, 0);
        KitraTest::click(hovered, QPoint(20, 40));
        QVERIFY(hovered->IsSelected() && host.wall->GetSelectedScreenIndex() == 0);
        KitraTest::move(hovered, QPoint(2, 40), Qt::NoButton);
        QCOMPARE(hovered->cursor().shape(), Qt::ArrowCursor);
        KitraTest::press(hovered, QPoint(2, 40));
        KitraTest::move(hovered, QPoint(2, 40));
        QCOMPARE(hovered->cursor().shape(), Qt::SizeHorCursor);
        KitraTest::release(hovered, QPoint(2, 40));
        host.wall->DeleteWindow(0, 0);
        host.open(0, QRect(100, 50, 100, 80));
        QSignalSpy lock(host.wall.get(), &ZtTVWallDisplayWnd::SignalLockEvent);
        geo.clear();
        for (const bool wallLock : {false, true}) {
            host.wall->SetWindowLockBtn(0, 0, !wallLock);
            host.wall->SetTVWallLockStatus(wallLock);
            for (const QPoint grip : {QPoint(50, 40), QPoint(98, 78)})     // a move and a resize
                dragIn(host.window(0, 0), grip, grip + QPoint(60, 60));
        }
        const QVariantList window{"Window locked!"};
        const QVariantList wall{"TVWall Locked!"};
        QCOMPARE(calls(lock), (QList<QVariantList>{window, window, wall, wall}));
        QCOMPARE(geo.count(), 0);
        QCOMPARE(host.window(0, 0)->geometry(), QRect(100, 50, 100, 80));
    }

    // Z values restack without renumbering, clicks do not; deleting renumbers, texts stay on top.
    void stackingAndDeletion()
    {
        DisplayWallHost host;
        for (int i = 0; i < 3; ++i)
            host.open(0, QRect(50 + 20 * i, 50, 100, 80));
        const auto top = [&host] {      // the window on top where the three overlap
            QWidget* w = host.viewport(0)->childAt(130, 90);
            while (w && !qobject_cast<ZtTVWallDisplayWindow*>(w))
                w = w->parentWidget();
            return qobject_cast<ZtTVWallDisplayWindow*>(w);
        };
        QCOMPARE(top(), host.window(0, 2));
        QVERIFY(host.wall->SetWindowZValue(0, 0, 5, true));
        QCOMPARE(top(), host.window(0, 0));
        QVERIFY(host.wall->SetWindowZValue(0, 2, 7, true));
        QCOMPARE(top(), host.window(0, 2));
        QCOMPARE(host.wall->GetAllWindowIndexs(0), (QList<int>{0, 1, 2}));
        int window = -1, z = -1;
        host.wall->GetMaxWindowZValue(0, window, z);
        QCOMPARE(QPoint(window, z), QPoint(2, 7));
        QVERIFY(QTest::qWaitForWindowActive(host.wall.get()));
        QTest::mouseClick(host.window(0, 1), Qt::LeftButton, {}, QPoint(60, 40));     // as the system sends it
        QCOMPARE(top(), host.window(0, 2));
        QSignalSpy changed(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QVERIFY(host.wall->DeleteWindow(0, 0));
        QCOMPARE(changed.count(), 0);
        QVERIFY(host.wall->DeleteWindow(0, 0));     // the selected one, renumbered
        QCOMPARE(changed.count(), 1);
        QCOMPARE(host.wall->GetAllWindowUserDatas(0), QList<int>{2});
        QCOMPARE(host.window(0, 0)->x(), 90);
        QVERIFY(!host.wall->DeleteWindow(0, 1));
        std::vector<ZtGUI::StructOSDInfo> list{osdRecord(0, 0, 8192, 8192)};
        host.wall->SetScreenOSDInfo(0, list);
        host.open(0, QRect(50, 50, 200, 100));
        QCOMPARE(top(), nullptr);
    }

    // Texts are placed and report back in 8192ths, sized by lines, width and font (two; narrow; bold).
    // Nonsense records and scales are shown without complaint.
    void osdTextsArePlacedSizedAndPainted()
    {
        DisplayWallHost host;
        host.wall->resize(2002, 1602);      // a screen of 1000 x 800
        QCOMPARE(host.viewport(0)->size(), QSize(1000, 800));
        std::vector<ZtGUI::StructOSDInfo> list{osdRecord(0, 0, 4096, 4096), osdRecord(0, 0, 2457, 1024),
                                               osdRecord(0, 0, 409, 2048), osdRecord(0, 0, 4096, 1024)};
        const char* texts[] = {"OSD", "a\nb", "a", "a"};
        const char* fonts[] = {"", "simSun", "simKai", "simHei"};
        for (int i = 0; i < 4; ++i) {
            list[i].strText = texts[i];
            list[i].strFontName = fonts[i];
        }
        QVERIFY(host.wall->SetScreenOSDInfo(0, list));
        const auto shown = shownTexts(host.screen(0));
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown.at(0)->geometry(), QRect(0, 0, 500, 400));
        QCOMPARE(shown.at(0)->styleSheet(), QStringLiteral("MovableSub {background-color: rgba(0,0,0,0);}"));
        QStringList sizes;
        for (int i = 1; i < 4; ++i) {
            const QFont font = shown.at(i)->findChild<QLabel*>()->font();
            sizes << QString::number(font.pixelSize()) + ' ' + (font.bold() ? QStringLiteral("bold") : font.family());
        }
        QCOMPARE(sizes, (QStringList{"40 SimSun", "40 KaiTi", "80 bold"}));
        QSignalSpy geo(host.wall.get(), &ZtTVWallDisplayWnd::SignalOSDGeoChanged);
        dragIn(shown.at(0), QPoint(100, 100), QPoint(350, 300));
        dragIn(shown.at(0), QPoint(498, 200), QPoint(398, 200));
        QCOMPARE(geo.count(), 2);
        QCOMPARE(geo.at(0), (QVariantList{0, 0, QRect(2048, 2048, 4096, 4096), true}));
        QCOMPARE(geo.at(1).at(3).toBool(), false);
        QCOMPARE(shown.at(0)->width(), 400);
        // Over the light fill a scaled transparency halves the alpha, unscaled clears it, none is opaque.
        list = {osdRecord(0, 0, 2730, 8192, 64, true), osdRecord(2731, 0, 5460, 8192, 64),
                osdRecord(5461, 0, 8192, 8192)};
        for (auto& record : list)
            record.strText.clear();
        host.wall->SetScreenOSDInfo(0, list);
        const QImage image = host.screen(0)->grab().toImage();
        const QColor expected[] = {QColor(73, 78, 211), QColor(145, 155, 168), QColor(0, 0, 255)};
        for (int i = 0; i < 3; ++i) {
            const QColor seen = image.pixelColor(image.width() * (2 * i + 1) / 6, 200);
            QVERIFY2(qAbs(seen.red() - expected[i].red()) <= 2 && qAbs(seen.blue() - expected[i].blue()) <= 2,
                     qPrintable(seen.name()));
        }
        // A zero scale writes a zero size, which Qt's own font code complains about.
        const QtFontSizeTolerated tolerated;
        list = {osdRecord(0, 0, 4096, 4096)};
        list[0].cFontScale = 0;
        host.wall->SetScreenOSDInfo(0, list);
        QVERIFY(shownTexts(host.screen(0)).at(0)->widget()->styleSheet().startsWith("QLabel {font-size: 0px;"));
        list = {osdRecord(6000, 6000, 1000, 1000, 300, true), osdRecord(-9000, 9000, 20000, 30000, -4)};
        list[0].cFontScale = -50;
        list[0].cAlign = 7;
        host.wall->SetScreenOSDInfo(0, list);
        QVERIFY(shownTexts(host.screen(0)).size() <= 2);
        const int w = host.wall->OpenWindow(0, StructScaleRect(0.9, 0.9, 0.1, -3.0), QVariant());
        KitraTest::drag(host.viewport(0), QPoint(5, 5), QPoint(300, 250));
        host.wall->SetWindowZValue(0, w, -7, true);
        host.wall->resize(500, 700);
        QVERIFY(!host.screen(0)->grab().isNull());
    }

    // A second list updates the texts in place: fewer or unshown records hide theirs, and a new
    // font name or colour alone still reaches the text that stays. Bold, once set, stays; making a
    // text bold keeps its family (chosen by the skin through the object name).
    void osdTextsFollowTheNextList()
    {
        struct Case { QString change; int shown; const char *firstFont, *nextFont; QString family, name; bool bold; };
        for (const Case& c : {Case{"fewer", 1, "simKai", "simKai", "KaiTi", "KaiStyle", false},
                              Case{"unshown", 2, "simKai", "simKai", "KaiTi", "KaiStyle", false},
                              Case{"", 3, "simKai", "simSun", "SimSun", "SongStyle", false},
                              Case{"colour", 3, "simKai", "simKai", "KaiTi", "KaiStyle", false},
                              Case{"", 3, "simKai", "simHei", "KaiTi", "KaiStyle", true},
                              Case{"", 3, "simHei", "simKai", "KaiTi", "KaiStyle", true}}) {
            DisplayWallHost host;
            std::vector<ZtGUI::StructOSDInfo> list{osdRecord(0, 0, 4096, 2048), osdRecord(0, 4096, 4096, 6144),
                                                   osdRecord(4096, 0, 8192, 2048)};
            list[0].strFontName = c.firstFont;
            host.wall->SetScreenOSDInfo(0, list);
            QCOMPARE(shownTexts(host.screen(0)).size(), 3);
            list[0].strFontName = c.nextFont;
            if (c.change == "fewer")
                list.resize(1);
            else if (c.change == "unshown")
                list[1].bShow = false;
            else if (c.change == "colour")
                list[0].struBackColor = {0, 200, 0, 0};
            list[0].strText = "Next";
            host.wall->SetScreenOSDInfo(0, list);
            QCOMPARE(shownTexts(host.screen(0)).size(), c.shown);
            QLabel* label = nullptr;     // the first text's, at the top-left corner
            for (ZtGUI::MovableSub* sub : shownTexts(host.screen(0)))
                label = sub->pos().isNull() ? qobject_cast<QLabel*>(sub->widget()) : label;
            QVERIFY(label);
            QCOMPARE(label->text(), QStringLiteral("Next"));
            QCOMPARE(label->font().family(), c.family);
            QCOMPARE(label->objectName(), c.name);
            QCOMPARE(label->font().bold(), c.bold);
            const QColor back(list[0].struBackColor.iRed, list[0].struBackColor.iGreen, list[0].struBackColor.iBlue);
            QCOMPARE(label->grab().toImage().pixelColor(label->width() - 3, label->height() - 3), back);
        }
    }

    // Eight texts kept silently and traced; buttons report once; a right click reports with a background only.
    void osdListsButtonsAndLabels()
    {
        DisplayWallHost host(2);
        TraceCapture capture;      // by reference: the category does not take it over
        log4cpp::Category& category = log4cpp::Category::getInstance("TARN");
        category.setPriority(log4cpp::Priority::INFO);
        category.addAppender(capture);
        std::vector<ZtGUI::StructOSDInfo> list(10, osdRecord(0, 0, 1000, 1000));
        host.wall->SetScreenOSDInfo(0, list);      // silently: only unexpected warnings fail
        QCOMPARE(shownTexts(host.screen(0)).size(), 8);
        QCOMPARE(host.screen(0)->findChildren<QPushButton*>("btnEdit").size(), 8);
        host.wall->SetScreenOSDVisible(0, {}, false);
        QCOMPARE(shownTexts(host.screen(0)).size(), 0);
        category.removeAppender(&capture);
        const QString show = "[Debug OSD] [ZtTVWallDisplayScreen::ShowStaticOSDInfo] ";
        const QString set = "[Debug OSD] [ZtTVWallDisplayScreen::SetOSDInfo] ";
        const QString visible = "[Debug OSD] [ZtTVWallDisplayScreen::SetOSDVisible] ";
        QCOMPARE(capture.messages, (QStringList{set + "Enter.", show + "Enter.", show + "m_vsStaticOSDInfo.size(): 8.",
                                                show + "Leave.", set + "Leave.", visible + "Enter.",
                                                visible + "m_vsStaticOSDInfo.size(): 8.", visible + "Leave."}));
        list.resize(1);
        host.wall->SetScreenOSDInfo(1, list);
        auto* label = shownTexts(host.screen(1)).at(0)->findChild<QLabel*>();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(label, &enter);
        QSignalSpy osd(host.wall.get(), &ZtTVWallDisplayWnd::SignalOSDEvent);
        const auto buttons = label->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 2);
        QVERIFY(buttons.at(0)->isVisible());
        for (QPushButton* button : buttons)
            KitraTest::click(button, QPoint(5, 5));
        QCOMPARE(calls(osd), (QList<QVariantList>{{1, 0, 1}, {1, 0, 0}}));
        QSignalSpy labels(host.wall.get(), &ZtTVWallDisplayWnd::SignalLabelEvent);
        host.wall->SetScreenWindowBackgroudColor(1, Qt::black, true);
        KitraTest::click(label, QPoint(20, 20), Qt::RightButton);
        QCOMPARE(labels.count(), 1);
        QCOMPARE(labels.at(0).mid(0, 2), (QVariantList{1, 0}));
        host.wall->SetScreenWindowBackgroudColor(1, Qt::black, false);
        QVERIFY(shownTexts(host.screen(1)).isEmpty());
        // The marquee pads its text to its width and moves.
        QWidget parent;
        parent.resize(300, 50);
        auto* marquee = new ZtGUI::QOSDShowLabel(&parent, 3);
        marquee->setGeometry(0, 0, 200, 30);
        marquee->SetInfo("ab", Qt::yellow, Qt::blue, 4, 0, 1);
        QVERIFY(marquee->sizeHint().width() > 190);      // padded with spaces to the label's width
        parent.show();
        const QImage first = marquee->grab().toImage();
        QCOMPARE(first.pixelColor(199, 29), QColor(Qt::blue));
        QTRY_VERIFY(marquee->grab().toImage() != first);
        marquee->ClearInfo();
        QVERIFY(marquee->grab().toImage().pixelColor(199, 29) != QColor(Qt::blue));
    }
};

QTEST_MAIN(tst_DisplayScreen)
#include "tst_displayscreen.moc"
