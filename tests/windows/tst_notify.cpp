// Notices slide into their area from above, stack with the newest on top, fade and go away.
#include "KitraTest.h"
#include "NotifyManager.h"
#include "NotifyWidget.h"
#include "ZtSetting.h"

namespace {

const QString kLong = QStringLiteral("This notice carries a text far too long for one line of its card");

// Makes `folder` the skin that notices read from the settings.
void useSkin(const QString& iniPath, const QString& folder)
{
    ZtGUI::ZtSetting::UnInstance();
    ZtGUI::ZtSetting::setIniPath(iniPath);
    ZtGUI::ZtSetting::GetInstance()->WriteValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"), folder);
}

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

// Left of the icon's centre: the disc's colour, away from its white mark.
QColor iconCentre(NotifyWidget* notice)
{
    QWidget* icon = notice->findChild<QWidget*>(QStringLiteral("NotifyIcon"));
    return icon ? QColor(icon->grab().toImage().pixel(9, 15)) : QColor();
}

// Opacity of the card as the area shows it: 255 until the notice fades.
int cardAlpha(NotifyWidget* notice)
{
    return qAlpha(notice->grab().toImage().pixel(200, 20));
}

// The soft shadow in the margin left of the card.
int shadowAlpha(NotifyWidget* notice)
{
    return qAlpha(notice->grab().toImage().pixel(5, 20));
}

} // namespace

class tst_Notify : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
        useSkin(m_dir.filePath("settings.ini"), QStringLiteral("DustyBlue"));
    }
    void cleanup() { useSkin(m_dir.filePath("settings.ini"), QStringLiteral("DustyBlue")); }

    void nothingIsShownWithoutAnArea()
    {
        NotifyManager::addNotify(QStringLiteral("lost"));
        {
            Area gone;
            NotifyManager::addNotify(QStringLiteral("in the area"));
            QCOMPARE(gone.notices().count(), 1);
        }
        // The area was deleted with its notice: later notices go nowhere.
        NotifyManager::addNotify(QStringLiteral("lost again"), NotifyManager::MsgError);
        const QWidgetList all = QApplication::allWidgets();
        QVERIFY(std::none_of(all.cbegin(), all.cend(), [](QWidget* w) { return w->inherits("NotifyWidget"); }));
    }

    // A notice waits above the area, slides into place and shows its type's icon on a card of
    // the skin's colour, in a soft shadow.
    void noticeSlidesInWithItsSizeIconAndSkin_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("height");
        QTest::addColumn<QColor>("icon");
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QColor>("card");
        const QColor white(Qt::white), dark("#515151");
        QTest::newRow("short, correct") << "Saved" << 0 << 40 << QColor("#2fb36b") << "DustyBlue" << white;
        QTest::newRow("long, error") << kLong << 1 << 60 << QColor("#e5484d") << "DustyBlue" << QColor();   // text there
        QTest::newRow("unknown type is an error, dark") << "Odd" << 7 << 40 << QColor("#e5484d") << "Dark" << dark;
        QTest::newRow("no type is correct") << "Done" << -1 << 40 << QColor("#2fb36b") << "DustyBlue" << white;
    }
    void noticeSlidesInWithItsSizeIconAndSkin()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        QFETCH(int, height);
        QFETCH(QColor, icon);
        QFETCH(QString, skin);
        QFETCH(QColor, card);
        useSkin(m_dir.filePath("settings.ini"), skin);
        Area area;
        if (type < 0)
            NotifyManager::addNotify(text);
        else
            NotifyManager::addNotify(text, NotifyManager::MsgType(type));
        NotifyWidget* notice = area.newest();
        QVERIFY(notice);
        if (card.isValid())
            QCOMPARE(QColor(notice->grab().toImage().pixel(200, 20)), card);
        QCOMPARE(notice->Text(), text);
        QCOMPARE(notice->size(), QSize(240, height));
        QCOMPARE(notice->pos(), QPoint(0, -40));     // waits above the area
        QVERIFY(notice->isVisible());
        QTRY_COMPARE(notice->pos(), QPoint(0, 0));
        QCOMPARE(iconCentre(notice), icon);
        const int shadow = shadowAlpha(notice);
        QVERIFY2(shadow > 0 && shadow < 38, qPrintable(QString::number(shadow)));
    }

    void noticesStackWithTheNewestOnTopAndFade()
    {
        Area area;
        NotifyManager::addNotify(QStringLiteral("first"));
        NotifyManager::addNotify(kLong);
        NotifyManager::addNotify(QStringLiteral("third"));
        const QList<NotifyWidget*> notices = area.notices();
        QCOMPARE(notices.count(), 3);
        for (NotifyWidget* notice : notices)
            notice->SetFadeDelay(300);
        QTRY_COMPARE(notices.at(2)->y(), 0);
        QElapsedTimer inPlace;
        inPlace.start();
        QCOMPARE(notices.at(1)->y(), 40);
        QCOMPARE(notices.at(0)->y(), 100);           // below the 60-pixel second notice
        // In place, but not yet faded: it stays its delay first.
        QCOMPARE(cardAlpha(notices.at(2)), 255);

        QList<QPointer<NotifyWidget>> guards(notices.cbegin(), notices.cend());
        QTRY_VERIFY(cardAlpha(notices.at(2)) < 255);
        QVERIFY2(inPlace.elapsed() >= 250, qPrintable(QString::number(inPlace.elapsed())));
        QVERIFY(shadowAlpha(notices.at(2)) > 0);     // the shadow fades with the card
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(guards.cbegin(), guards.cend(), [](const auto& g) { return g.isNull(); }), 5000);

        // Faded notices are forgotten: the next one starts alone above the area.
        NotifyManager::addNotify(QStringLiteral("again"));
        QCOMPARE(area.newest()->pos(), QPoint(0, -40));
    }

    void hostMayDeleteNoticesWhileTheyMove_data()
    {
        QTest::addColumn<bool>("whileFading");
        QTest::newRow("sliding") << false;
        QTest::newRow("fading") << true;
    }
    void hostMayDeleteNoticesWhileTheyMove()
    {
        QFETCH(bool, whileFading);
        Area area;
        NotifyManager::addNotify(QStringLiteral("older"));
        NotifyManager::addNotify(QStringLiteral("newer"));
        QPointer<NotifyWidget> older = area.notices().at(0);
        QPointer<NotifyWidget> newer = area.notices().at(1);
        newer->SetFadeDelay(0);
        if (whileFading)
            QTRY_VERIFY(newer && cardAlpha(newer) < 255);
        delete newer;
        // The deleted notice is forgotten: the next one waits just above the older one, and both
        // go on into place.
        NotifyManager::addNotify(QStringLiteral("next"));
        NotifyWidget* next = area.newest();
        QCOMPARE(next->y(), older->y() - 40);
        QTRY_VERIFY(next->y() >= 0);
        QVERIFY(older);
        QCOMPARE(older->y(), next->y() + 40);
    }

    void hostMayDeleteTheAreaWhileNoticesSlide()
    {
        auto area = std::make_unique<Area>();
        NotifyManager::addNotify(QStringLiteral("one"));
        NotifyManager::addNotify(QStringLiteral("two"));
        area.reset();
        Area next;
        NotifyManager::addNotify(QStringLiteral("three"));
        QCOMPARE(next.newest()->pos(), QPoint(0, -40));
        QTRY_COMPARE(next.newest()->pos(), QPoint(0, 0));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_Notify)
#include "tst_notify.moc"
