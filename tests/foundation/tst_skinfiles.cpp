// Every skin file that the library or the gallery names must exist in both shipped skins, and
// the two skins must hold the same files.
#include "KitraTest.h"

#include <QDirIterator>
#include <QRegularExpression>

namespace {

const QStringList kSkins = {QStringLiteral("DustyBlue"), QStringLiteral("Dark")};

QStringList filesBelow(const QString& root, const QStringList& filters = {})
{
    QStringList files;
    const QDir base(QDir(root).absolutePath());
    for (QDirIterator it(base.path(), filters, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << base.relativeFilePath(it.next());
    files.sort();
    return files;
}

// Whether the shipped skins hold what a source names: a "./Skin/..." path ("%1" for each skin), a
// picture named by its last folders, or the style sheet named after the class of its file.
QStringList missingFor(const QString& source, const QString& text)
{
    static const QRegularExpression named(
        QStringLiteral("\"(?:\\./(Skin/[^\"<> ]+)|((?:\\w+/)+\\w+\\.(?:png|svg|gif|jpg|css)))\""));
    static const QRegularExpression classSheet(
        QStringLiteral("SetStyleSheet\\(this,\\s*QStringLiteral\\(\"(\\w+)\"\\),\\s*QString\\(\\)(?:,\\s*QString\\(\\))?\\)"));
    QStringList missing;
    const auto need = [&](const QString& file) {
        for (const QString& skin : kSkins) {
            const QString path = file.contains("%1") ? file.arg(skin) : file;
            if (!QFileInfo::exists(path))
                missing << path + " (named in " + source + ")";
        }
    };
    for (auto it = named.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            need(m.captured(1));
            continue;
        }
        for (const QString& skin : kSkins) {
            const QStringList files = filesBelow("Skin/" + skin);
            if (std::none_of(files.cbegin(), files.cend(), [&](const QString& f) { return f.endsWith('/' + m.captured(2)); }))
                missing << "Skin/" + skin + "/.../" + m.captured(2) + " (named in " + source + ")";
        }
    }
    for (auto it = classSheet.globalMatch(text); it.hasNext();)
        need("Skin/%1/Orvale/" + it.next().captured(1) + '/' + QFileInfo(source).completeBaseName() + ".css");
    return missing;
}

} // namespace

class tst_SkinFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void everyNamedSkinFileExists()
    {
        const QString sources = qEnvironmentVariable("KITRA_SOURCE_DIR");
        QVERIFY2(QFileInfo::exists(sources + "/Base/Kitra"), "KITRA_SOURCE_DIR does not name the sources");
        QStringList missing;
        int scanned = 0;
        for (const char* folder : {"/Base", "/examples"}) {
            for (const QString& name : filesBelow(sources + folder, {"*.cpp", "*.h"})) {
                QFile file(sources + folder + '/' + name);
                QVERIFY(file.open(QIODevice::ReadOnly));
                missing += missingFor(file.fileName(), QString::fromUtf8(file.readAll()));
                ++scanned;
            }
        }
        QVERIFY(scanned > 20);
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable("missing skin files:\n" + missing.join('\n')));
    }

    // Pictures named by the style sheets exist; each sheet parses (Qt warns of one it cannot
    // when a widget is polished with it, and the warning fails the test).
    void styleSheetsParseAndTheirPicturesExist()
    {
        static const QRegularExpression url(QStringLiteral("url\\(\\s*[\"']?([^\"')]+)[\"']?\\s*\\)"));
        QStringList missing;
        for (const QString& skin : kSkins) {
            for (const QString& name : filesBelow("Skin/" + skin, {"*.css"})) {
                QFile css("Skin/" + skin + '/' + name);
                QVERIFY(css.open(QIODevice::ReadOnly));
                const QString sheet = QString::fromUtf8(css.readAll());
                for (auto m = url.globalMatch(sheet); m.hasNext();) {
                    const QString file = m.next().captured(1);
                    if (!file.startsWith(":/") && !QFileInfo::exists(file))
                        missing << file + " (in " + css.fileName() + ")";
                }
                QWidget widget;
                widget.setStyleSheet(sheet);
                widget.ensurePolished();
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable("missing pictures:\n" + missing.join('\n')));
    }

    void bothSkinsHoldTheSameFiles()
    {
        const QStringList light = filesBelow("Skin/DustyBlue");
        QVERIFY(!light.isEmpty());
        QCOMPARE(filesBelow("Skin/Dark"), light);
    }
};

QTEST_MAIN(tst_SkinFiles)
#include "tst_skinfiles.moc"
