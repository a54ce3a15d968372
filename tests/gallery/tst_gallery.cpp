// The gallery as a host runs it: --screenshot pictures every page in the asked skin; bad options fail.
#include "KitraTest.h"

#include <QTemporaryDir>

namespace {

// The gallery's exit code, or -1 when it crashed or hung.
int runGallery(const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + "/kitra-gallery", arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// How many pixels are within 2 of `colour` in each channel.
int pixelsNear(const QImage& image, const QColor& colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    return int(std::count_if(pixels, pixels + rgb.width() * rgb.height(), [&colour](QRgb c) {
        return qAbs(qRed(c) - colour.red()) <= 2 && qAbs(qGreen(c) - colour.green()) <= 2
               && qAbs(qBlue(c) - colour.blue()) <= 2;
    }));
}

} // namespace

class tst_Gallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void screenshotsShowEveryPageInTheSkinAndBadOptionsFail()
    {
        QTemporaryDir out;
        QCOMPARE(runGallery({"--skin", "Dark", "--screenshot", out.path()}), 0);
        QHash<QString, QImage> shots;
        for (const QString name : {"foundation", "scenewall", "datetime", "windows", "windows-messagebox",
                                    "windows-dialog"}) {
            const QImage page(out.filePath(name + ".png"));
            QVERIFY2(page.width() >= 800 && page.height() >= 500, qPrintable(name));
            QVERIFY2(page.pixelColor(page.width() - 2, page.height() - 2).lightness() < 128, qPrintable(name));
            QSet<QRgb> colours;
            for (int i = 0; i < page.width() * page.height(); i += 997)
                colours << page.pixel(i % page.width(), i / page.width());
            QVERIFY2(colours.size() > 20, qPrintable(name));     // real widgets, not an empty frame
            shots.insert(name, page);
        }
        // The wall opens with video windows under their title bars, one of them selected.
        QVERIFY(pixelsNear(shots["scenewall"], QColor(63, 71, 78)) > 5000);
        QVERIFY(pixelsNear(shots["scenewall"], QColor(24, 144, 255)) > 200);
        // The windows page draws the host's record picture, and opens its dialogs over itself.
        QVERIFY(pixelsNear(shots["windows"], QColor(0xd6, 0x45, 0x45)) > 60);
        QVERIFY(shots["windows-messagebox"] != shots["windows"] && shots["windows-dialog"] != shots["windows"]);
        QCOMPARE(runGallery({"--skin", "Purple", "--screenshot", QDir::tempPath()}), 2);
        QCOMPARE(runGallery({"--language", "fr_FR", "--screenshot", QDir::tempPath()}), 2);
    }
};

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
