// Notices slide into their area from above, stack with the newest on top, fade and go away.
#include "NotifyManager.h"
#include "NotifyWidget.h"
#include "WindowsTest.h"

using namespace WindowsTest;

namespace {

const QString kLong("This notice carries a text far too long for one line of its card");

struct Area
{
    Area()
    {
        area.resize(400, 300);
        area.show();
        NotifyManager::setNotifyArea(&area, 0, 0, 400, 300);
    }
    QList<NotifyWidget*> notices() const { return area.findChildren<NotifyWidget*>(); }
    NotifyWidget* newest() const { return notices().isEmpty() ? nullptr : notices().last(); }
    QWidget area;
};

// Alpha at `x` on the notice's first line: its card at x = 200 (opaque until it fades), its shadow at x = 5.
int alphaAt(NotifyWidget* notice, int x)
{
    return qAlpha(notice->grab().toImage().pixel(x, 20));
}

} // namespace

class tst_Notify : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }
    void init() { useSkinStyle(m_dir.filePath("settings.ini"), "DustyBlue"); }

    // Without a living area notices go nowhere; one the host deletes is forgotten by the next.
    void noticesNeedALivingAreaAndForgetDeletedOnes()
    {
        NotifyManager::addNotify("lost");
        {
            Area gone;
            NotifyManager::addNotify("one");
            NotifyManager::addNotify("two");
            QCOMPARE(gone.notices().count(), 2);
        }
        NotifyManager::addNotify("lost again", NotifyManager::MsgError);
        const QWidgetList all = QApplication::allWidgets();
        QVERIFY(std::none_of(all.cbegin(), all.cend(), [](QWidget* w) { return w->inherits("NotifyWidget"); }));

        Area area;
        NotifyManager::addNotify("older");
        const QPointer<NotifyWidget> older = area.newest();
        NotifyManager::addNotify("newer");
        delete area.newest();
        NotifyManager::addNotify("next");
        NotifyWidget* next = area.newest();
        QCOMPARE(next->y(), older->y() - 40);
        QTRY_VERIFY(next->y() > -80);                // sliding on together
        QVERIFY(older);
        QCOMPARE(older->y(), next->y() + 40);
    }

    // Waiting above the area, a notice shows its type's icon on a card of the skin's colour, in a soft shadow.
    void noticeSlidesInWithItsSizeIconAndSkin_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("skin");
        QTest::newRow("short, correct") << "Saved" << 0 << 40 << "DustyBlue";
        QTest::newRow("long, error") << kLong << 1 << 60 << "DustyBlue";
        QTest::newRow("unknown type is an error, dark") << "Odd" << 7 << 40 << "Dark";
        QTest::newRow("no type is correct") << "Done" << -1 << 40 << "DustyBlue";
    }
    void noticeSlidesInWithItsSizeIconAndSkin()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        QFETCH(int, height);
        QFETCH(QString, skin);
        useSkinStyle(m_dir.filePath("settings.ini"), skin);
        Area area;
        type < 0 ? NotifyManager::addNotify(text) : NotifyManager::addNotify(text, NotifyManager::MsgType(type));
        NotifyWidget* notice = area.newest();
        QVERIFY(notice && notice->isVisible());
        const QColor card = skin == "Dark" ? QColor("#515151") : QColor(Qt::white);
        const QColor icon(type <= 0 ? "#2fb36b" : "#e5484d");                  // correct, or an error
        QCOMPARE(QColor(notice->grab().toImage().pixel(200, 3)), card);      // above the text
        QCOMPARE(QVariantList({notice->Text(), notice->size(), notice->pos()}),
                 QVariantList({text, QSize(240, height), QPoint(0, -40)}));     // waits above the area
        // Left of the icon's centre: the disc's colour, away from its white mark.
        QCOMPARE(QColor(notice->findChild<QWidget*>("NotifyIcon")->grab().toImage().pixel(9, 15)), icon);
        const int shadow = alphaAt(notice, 5);
        QVERIFY2(shadow > 0 && shadow < 38, qPrintable(QString::number(shadow)));
    }

    // In place, a notice stays its delay, fades with its shadow and goes; deleted or faded, it is forgotten.
    void noticesStackWithTheNewestOnTopAndFade()
    {
        Area area;
        NotifyManager::addNotify("first");
        NotifyManager::addNotify(kLong);
        NotifyManager::addNotify("third");
        const QList<NotifyWidget*> notices = area.notices();
        QCOMPARE(notices.count(), 3);
        QList<QPointer<NotifyWidget>> guards(notices.cbegin(), notices.cend());
        for (NotifyWidget* notice : notices)
            notice->SetFadeDelay(120);
        QTRY_COMPARE(notices.at(2)->y(), 0);
        QElapsedTimer inPlace;
        inPlace.start();
        QCOMPARE(QList<int>({notices.at(1)->y(), notices.at(0)->y()}), QList<int>({40, 100}));   // below 60 pixels
        QCOMPARE(alphaAt(notices.at(2), 200), 255);
        QTRY_VERIFY(alphaAt(notices.at(2), 200) < 255);
        QVERIFY2(inPlace.elapsed() >= 100, qPrintable(QString::number(inPlace.elapsed())));
        QVERIFY(alphaAt(notices.at(2), 5) > 0);

        delete notices.at(2);
        NotifyManager::addNotify("next");
        QCOMPARE(area.newest()->pos(), QPoint(0, 0));       // just above the second notice
        area.newest()->SetFadeDelay(0);
        guards << area.newest();
        QTRY_COMPARE_WITH_TIMEOUT(guards.count(QPointer<NotifyWidget>()), guards.count(), 5000);   // all gone
        NotifyManager::addNotify("again");
        QCOMPARE(area.newest()->pos(), QPoint(0, -40));
    }
};

QTEST_MAIN(tst_Notify)
#include "tst_notify.moc"
