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

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void screenshotsShowEveryPage_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("dark");
        QTest::newRow("DustyBlue") << "DustyBlue" << false;
        QTest::newRow("Dark") << "Dark" << true;
    }
    void screenshotsShowEveryPage()
    {
        QFETCH(QString, skin);
        QFETCH(bool, dark);
        QTemporaryDir out;
        QProcess process;
        process.start(gallery(), {"--skin", skin, "--screenshot", out.path()});
        QVERIFY2(process.waitForFinished(60000), qPrintable(process.errorString()));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);

        const QImage page(out.filePath("foundation.png"));
        QVERIFY(!page.isNull());
        QVERIFY(page.width() >= 800 && page.height() >= 500);
        QVERIFY(distinctColours(page) > 20);                     // real widgets, not an empty frame
        const QColor corner = page.pixelColor(page.width() - 2, page.height() - 2);
        QCOMPARE(corner.lightness() < 128, dark);
    }

    void unknownSkinIsRefused()
    {
        QProcess process;
        process.start(gallery(), {"--skin", "Purple", "--screenshot", QDir::tempPath()});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
    }
};

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
