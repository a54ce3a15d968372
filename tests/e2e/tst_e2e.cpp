// The gallery as an operator meets it: a real X server (xvfb-run, the xcb platform) and real input
// from xdotool. Each step is checked in the page's log, in the widgets' state and in a grab of the
// screen, which shows what the X server really displays.
#include "DateTimePage.h"
#include "GallerySetup.h"
#include "GalleryWindow.h"
#include "KitraTest.h"
#include "SceneWallPage.h"
#include "WindowsPage.h"
#include "ZtCalendar.h"
#include "ZtDateTimeEdit.h"
#include "ZtMessageBox.h"
#include "ZtTVWallNormalWnd.h"

using namespace ZtGUI;

namespace {

const int kTitleHeight = 24;         // of a scene-wall window
const int kPatience = 20000;        // ms: a loaded machine may take its time to answer real input
#define E2E_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, kPatience)
#define E2E_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, kPatience)

// xdotool's input goes through the X server, so the application sees it as it sees a mouse.
void xdo(const QStringList& arguments)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
}
QStringList to(const QPoint& global)
{
    return {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
            QString::number(global.y())};
}
void click(const QPoint& global, int count = 1)
{
    xdo(to(global) + QStringList{QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                                 QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
}
void drag(const QPoint& from, const QPoint& delta)
{
    QStringList steps = to(from) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")};
    for (int step = 1; step <= 4; ++step)
        steps += to(from + delta * step / 4);
    xdo(steps + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")});
}
QPoint centre(const QWidget* w) { return w->mapToGlobal(w->rect().center()); }

// The colour the X server shows at `global`, and the one `w` renders itself at the same place.
QRgb onScreen(const QPoint& global)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage().pixel(0, 0);
}
QRgb rendered(QWidget* w, const QPoint& global) { return w->grab().toImage().pixel(w->mapFromGlobal(global)); }

bool logged(const QWidget* page, const char* log, const QString& text)
{
    const auto* edit = page->findChild<QPlainTextEdit*>(QLatin1String(log));
    return edit && edit->toPlainText().contains(text);
}

} // namespace

class tst_E2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        ConfigureGallery(QStringLiteral("DustyBlue"), QStringLiteral("en_US"), m_scratch);
        m_gallery = std::make_unique<GalleryWindow>();
        m_gallery->setGeometry(40, 40, 1180, 900);
        m_gallery->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_gallery.get()));
    }

    void framelessWindowMovesMaximisesAndRestores()
    {
        auto* page = open<WindowsPage>();
        click(centre(page->findChild<QPushButton*>(QStringLiteral("OpenWindowButton"))));
        QWidget* window = nullptr;   // built by the first click
        E2E_VERIFY((window = page->findChild<QWidget*>(QStringLiteral("FramelessWindow"))) && window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* title = window->findChild<QWidget*>(QStringLiteral("FramelessWindowTitle"));
        const QRect before = window->geometry();
        const auto* state = page->findChild<QLabel*>(QStringLiteral("WindowState"));

        const QPoint grip = title->mapToGlobal(QPoint(60, title->height() / 2)), delta(150, 90);
        drag(grip, delta);
        E2E_COMPARE(window->geometry(), before.translated(delta));
        E2E_VERIFY(logged(page, "WindowsLogText", QStringLiteral("dragged to (%1, %2)")
                                                    .arg(before.x() + delta.x()).arg(before.y() + delta.y())));
        E2E_COMPARE(onScreen(grip + delta), rendered(title, grip + delta));

        const QRect moved = window->geometry();
        click(grip + delta, 2);
        E2E_COMPARE(window->geometry(), window->screen()->availableGeometry());
        E2E_COMPARE(state->text(), QStringLiteral("maximised"));
        const QPoint top = title->mapToGlobal(QPoint(60, title->height() / 2));
        E2E_COMPARE(onScreen(top), rendered(title, top));
        click(top, 2);
        E2E_COMPARE(window->geometry(), moved);
        E2E_COMPARE(state->text(), QStringLiteral("normal"));
        window->close();
    }

    // The box runs its own loop: it is answered from inside that loop, as an operator answers it.
    void messageBoxIsAnsweredWithTheMouse()
    {
        auto* page = open<WindowsPage>();
        QPushButton* question = nullptr;
        for (auto* b : page->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Question"))
                question = b;
        QVERIFY(question);
        bool seen = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<ZtMessageBox*>(QApplication::activeModalWidget());
            auto* no = box ? box->findChild<QPushButton*>(QStringLiteral("MsgBtnCancel")) : nullptr;
            if (!no || !no->isVisible() || !box->windowHandle()->isExposed())
                return;
            answer.stop();
            seen = onScreen(centre(no)) == rendered(no, centre(no));
            click(centre(no));
        });
        answer.start(50);
        click(centre(question));
        E2E_VERIFY(logged(page, "WindowsLogText", QStringLiteral("answered No")));
        QVERIFY(seen);
    }

    void sceneWallAreaOpensAWindowThatIsDragged()
    {
        auto* page = open<SceneWallPage>();
        auto* wall = page->findChild<ZtTVWallNormalWnd*>(QStringLiteral("SceneWall"));
        const int empty = 2;
        QCOMPARE(wall->GetWindowCount(empty), 0);
        const QPoint from = inScreen(wall, empty, 0.2, 0.2);
        drag(from, inScreen(wall, empty, 0.7, 0.7) - from);
        E2E_COMPARE(wall->GetWindowCount(empty), 1);
        QVERIFY(logged(page, "SceneWallLogText", QStringLiteral("SignalDrawAreaOpenWindow")));

        StructScaleRect opened, moved;
        QVERIFY(wall->GetWindowScale(empty, 0, opened));
        const QPoint grip = inScreen(wall, empty, opened.dLeft + 0.05, opened.dTop) + QPoint(0, kTitleHeight / 2);
        const QPoint delta = inScreen(wall, empty, 0.2, 0.2) - inScreen(wall, empty, 0.4, 0.4);
        drag(grip, delta);
        E2E_VERIFY(logged(page, "SceneWallLogText", QStringLiteral("SignalWindowGeoChanged")));
        QVERIFY(wall->GetWindowScale(empty, 0, moved));
        QVERIFY(qAbs(moved.dLeft - (opened.dLeft - 0.2)) < 0.02 && qAbs(moved.dTop - (opened.dTop - 0.2)) < 0.02);
        E2E_COMPARE(onScreen(grip + delta), rendered(wall->viewport(), grip + delta));
    }

    void calendarPopUpPicksADay()
    {
        auto* page = open<DateTimePage>();
        auto* edit = page->findChild<ZtDateTimeEdit*>(QStringLiteral("DateTimePageEdit"));
        click(edit->mapToGlobal(QPoint(10, edit->height() / 2)));
        auto* calendar = edit->findChild<ZtCalendar*>();
        E2E_VERIFY(calendar->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        // A day of this month other than today; days 1 to 21 come first in this month's rows.
        const QDate today = edit->date();
        const int day = today.day() == 1 ? 2 : qMin(today.day() - 1, 21);
        auto* grid = calendar->findChild<QTableWidget*>(QStringLiteral("m_tabCalendar"));
        QTableWidgetItem* cell = nullptr;
        for (int i = grid->rowCount() * grid->columnCount() - 1; i >= 0; --i) {
            QTableWidgetItem* item = grid->item(i / grid->columnCount(), i % grid->columnCount());
            if (item->data(Qt::DisplayRole).toInt() == day && i < 3 * 7 + 7)
                cell = item;
        }
        QVERIFY(cell);
        const QPoint at = grid->viewport()->mapToGlobal(grid->visualItemRect(cell).center());
        QCOMPARE(onScreen(at), rendered(grid->viewport(), at));
        click(at);
        E2E_COMPARE(edit->date(), QDate(today.year(), today.month(), day));
    }

private:
    // Picks the page of type `Page` in the navigation list with the mouse.
    template <typename Page>
    Page* open()
    {
        auto* page = m_gallery->findChild<Page*>();
        auto* pages = m_gallery->findChild<QStackedWidget*>();
        auto* navigation = m_gallery->findChild<QListWidget*>(QStringLiteral("GalleryNavigation"));
        if (!page || !pages || !navigation)
            return nullptr;
        QListWidgetItem* item = navigation->item(pages->indexOf(page));
        click(navigation->viewport()->mapToGlobal(navigation->visualItemRect(item).center()));
        return QTest::qWaitFor([&] { return pages->currentWidget() == page; }, kPatience) ? page : nullptr;
    }
    // A point of a scene-wall screen, in fractions of it; the scene fills the viewport at 1:1.
    static QPoint inScreen(ZtTVWallNormalWnd* wall, int iScreen, double fx, double fy)
    {
        StructScaleRect s;
        wall->GetScreenScale(iScreen, s);
        const QSizeF size = wall->viewport()->size();
        const QPointF local(size.width() * (s.dLeft + (s.dRight - s.dLeft) * fx),
                            size.height() * (s.dTop + (s.dBottom - s.dTop) * fy));
        return wall->viewport()->mapToGlobal(local.toPoint());
    }

    QTemporaryDir m_scratch;
    std::unique_ptr<GalleryWindow> m_gallery;   // built once the library is set up
};

QTEST_MAIN(tst_E2E)
#include "tst_e2e.moc"
