// The gallery as a host runs it: with --screenshot it writes one real picture per page.
#include "KitraTest.h"

#include <QTemporaryDir>

class tst_Gallery : public QObject
{
    Q_OBJECT

private:
    static QString gallery() { return QCoreApplication::applicationDirPath() + "/kitra-gallery"; }

    static int distinctColours(const QImage& image)
    {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        return colours.size();
    }

    static int pixelsNear(const QImage& image, const QColor& colour)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (qAbs(c.red() - colour.red()) <= 2 && qAbs(c.green() - colour.green()) <= 2
                    && qAbs(c.blue() - colour.blue()) <= 2)
                    ++count;
            }
        }
        return count;
    }

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void screenshotsShowEveryPage_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QColor>("selectedDay");      // the skin's calendar selection
        QTest::newRow("DustyBlue") << "DustyBlue" << false << QColor(0x6f, 0x8c, 0xab);
        QTest::newRow("Dark") << "Dark" << true << QColor(0x3d, 0x7c, 0xc9);
    }
    void screenshotsShowEveryPage()
    {
        QFETCH(QString, skin);
        QFETCH(bool, dark);
        QFETCH(QColor, selectedDay);
        QTemporaryDir out;
        QProcess process;
        process.start(gallery(), {"--skin", skin, "--screenshot", out.path()});
        QVERIFY2(process.waitForFinished(60000), qPrintable(process.errorString()));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);

        for (const char* name : {"foundation", "scenewall", "datetime", "windows"}) {
            const QImage page(out.filePath(QString::fromLatin1(name) + ".png"));
            QVERIFY2(!page.isNull(), name);
            QVERIFY(page.width() >= 800 && page.height() >= 500);
            QVERIFY2(distinctColours(page) > 20, name);          // real widgets, not an empty frame
            const QColor corner = page.pixelColor(page.width() - 2, page.height() - 2);
            QCOMPARE(corner.lightness() < 128, dark);
        }

        // The wall opens with video windows under their title bars, one of them selected.
        const QImage wall(out.filePath("scenewall.png"));
        const QColor titleBar(63, 71, 78);                       // the bar's translucent dark over a window
        const QColor selectedFrame(24, 144, 255);
        QVERIFY(pixelsNear(wall, titleBar) > 5000);
        QVERIFY(pixelsNear(wall, selectedFrame) > 200);

        // The range calendar is drawn in the skin, a day selected in each of its two calendars.
        // Right of the 200-pixel navigation list, whose current row has the same colour.
        const QImage datePage(out.filePath("datetime.png"));
        const QImage dates = datePage.copy(220, 0, datePage.width() - 220, datePage.height());
        QVERIFY(pixelsNear(dates, selectedDay) > 2 * 400);

        // The windows page draws the host's record picture on its picture button.
        // The windows page again, with a message box and with a dialog open over the gallery.
        for (const char* name : {"windows-messagebox.png", "windows-dialog.png"}) {
            const QImage withDialog(out.filePath(name));
            QVERIFY2(!withDialog.isNull(), name);
            QVERIFY(withDialog != QImage(out.filePath("windows.png")));
        }
        const QImage windows(out.filePath("windows.png"));
        QVERIFY(pixelsNear(windows, QColor(0xd6, 0x45, 0x45)) > 60);
    }

    void unknownSkinOrLanguageIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("skin") << QStringList{"--skin", "Purple"};
        QTest::newRow("language") << QStringList{"--language", "fr_FR"};
    }
    void unknownSkinOrLanguageIsRefused()
    {
        QFETCH(QStringList, arguments);
        QProcess process;
        process.start(gallery(), arguments << "--screenshot" << QDir::tempPath());
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
    }
};

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
