// Every skin file that the library or the gallery names must exist in both shipped skins, and
// the two skins must hold the same files.
#include "KitraTest.h"

#include <QDirIterator>
#include <QRegularExpression>

namespace {

const QStringList kSkins = {QStringLiteral("DustyBlue"), QStringLiteral("Dark")};

// A string argument as the sources write it: "text", QStringLiteral("text") or QString().
const QString kArg = QString::fromLatin1("(?:QStringLiteral\\(\\s*\"([^\"]*)\"\\s*\\)|\"([^\"]*)\"|QString\\(\\s*\\))");

QString argText(const QRegularExpressionMatch& match, int first)
{
    return match.captured(first).isNull() ? match.captured(first + 1) : match.captured(first);
}

struct Reference
{
    QString file;      // relative to the runtime folder, "%1" standing for each skin
    QString source;
    bool tail = false; // a picture named by its last folders only: some file of each skin ends so
};

QList<Reference> referencesIn(const QString& path, const QString& text)
{
    static const QRegularExpression literal(QString::fromLatin1("\"\\./(Skin/[^\"<> ]+)\""));
    static const QRegularExpression tail(
        QString::fromLatin1("\"((?:[A-Za-z0-9_]+/)+[A-Za-z0-9_]+\\.(?:png|svg|gif|jpg|css))\""));
    static const QRegularExpression skinPath(QString::fromLatin1("GetSkinPath\\(\\s*%1\\s*,\\s*%1\\s*\\)").arg(kArg));
    static const QRegularExpression styleSheet(
        QString::fromLatin1("SetStyleSheet\\(\\s*[^,()]+(?:\\(\\))?\\s*,\\s*%1\\s*,\\s*%1\\s*(?:,\\s*%1\\s*)?\\)").arg(kArg));
    const QString where = QFileInfo(path).fileName();
    QList<Reference> found;
    for (auto it = literal.globalMatch(text); it.hasNext();)
        found.append({it.next().captured(1), where});
    for (auto it = tail.globalMatch(text); it.hasNext();)
        found.append({it.next().captured(1), where, true});
    for (auto it = skinPath.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        found.append({QStringLiteral("Skin/%1/") + argText(m, 1) + '/' + argText(m, 3), where});
    }
    for (auto it = styleSheet.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        QString css = argText(m, 3);
        if (css.isEmpty())      // the class name: the source file is named after its class
            css = QFileInfo(path).completeBaseName() + QStringLiteral(".css");
        QString module = argText(m, 5);
        if (module.isEmpty())
            module = QStringLiteral("Orvale");
        found.append({QStringLiteral("Skin/%1/") + module + '/' + argText(m, 1) + '/' + css, where});
    }
    return found;
}

// CTest passes the source folder in the environment; run by hand, the test asks the build's cache.
QString sourceFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("KITRA_SOURCE_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QFile cache(QCoreApplication::applicationDirPath() + QStringLiteral("/../CMakeCache.txt"));
    if (!cache.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    static const QRegularExpression entry(QStringLiteral("^Kitra_SOURCE_DIR:STATIC=(.*)$"),
                                          QRegularExpression::MultilineOption);
    return entry.match(QString::fromUtf8(cache.readAll())).captured(1).trimmed();
}

QStringList filesBelow(const QString& root)
{
    QStringList files;
    const QDir base(QDir(root).absolutePath());
    for (QDirIterator it(base.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << base.relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class tst_SkinFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void everyNamedSkinFileExists()
    {
        const QString sources = sourceFolder();
        QVERIFY2(QFileInfo::exists(sources + "/Base/Kitra"), "the source folder is not found");
        QList<Reference> references;
        for (const char* folder : {"Base", "examples"}) {
            QDirIterator it(sources + '/' + folder, {"*.cpp", "*.h"}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                references += referencesIn(file.fileName(), QString::fromUtf8(file.readAll()));
            }
        }
        QVERIFY2(!references.isEmpty(), "the sources name no skin file: is the scan still right?");
        QStringList missing;
        for (const Reference& ref : qAsConst(references)) {
            if (ref.tail) {
                for (const QString& skin : kSkins) {
                    const QStringList files = filesBelow("Skin/" + skin);
                    if (std::none_of(files.cbegin(), files.cend(), [&ref](const QString& f) { return f.endsWith('/' + ref.file); }))
                        missing << "Skin/" + skin + "/.../" + ref.file + " (named in " + ref.source + ")";
                }
                continue;
            }
            const QStringList skins = ref.file.contains("%1") ? kSkins : QStringList{QString()};
            for (const QString& skin : skins) {
                const QString file = ref.file.contains("%1") ? ref.file.arg(skin) : ref.file;
                if (!QFileInfo::exists(file))
                    missing << file + " (named in " + ref.source + ")";
            }
        }
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable("missing skin files:\n" + missing.join('\n')));
    }

    void styleSheetPicturesExist()
    {
        static const QRegularExpression url(QString::fromLatin1("url\\(\\s*[\"']?([^\"')]+)[\"']?\\s*\\)"));
        QStringList missing;
        for (const QString& skin : kSkins) {
            for (QDirIterator it("Skin/" + skin, {"*.css"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
                QFile css(it.next());
                QVERIFY(css.open(QIODevice::ReadOnly));
                for (auto m = url.globalMatch(QString::fromUtf8(css.readAll())); m.hasNext();) {
                    const QString file = m.next().captured(1);
                    if (!file.startsWith(":/") && !QFileInfo::exists(file))
                        missing << file + " (in " + css.fileName() + ")";
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable("missing pictures:\n" + missing.join('\n')));
    }

    void styleSheetsParse_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& skin : kSkins) {
            for (const QString& css : filesBelow("Skin/" + skin)) {
                if (css.endsWith(".css"))
                    QTest::newRow(qPrintable(skin + '/' + css)) << "Skin/" + skin + '/' + css;
            }
        }
    }
    void styleSheetsParse()
    {
        QFETCH(QString, file);
        QFile css(file);
        QVERIFY(css.open(QIODevice::ReadOnly));
        // Qt only warns about a sheet it cannot parse, when a widget is polished with it; the
        // test fails on that warning.
        QWidget widget;
        widget.setStyleSheet(QString::fromUtf8(css.readAll()));
        widget.ensurePolished();
        QVERIFY(!widget.styleSheet().isEmpty());
    }

    void bothSkinsHoldTheSameFiles()
    {
        const QStringList light = filesBelow("Skin/DustyBlue");
        const QStringList dark = filesBelow("Skin/Dark");
        QVERIFY(!light.isEmpty());
        QStringList onlyOne;
        for (const QString& f : light)
            if (!dark.contains(f))
                onlyOne << "Dark lacks " + f;
        for (const QString& f : dark)
            if (!light.contains(f))
                onlyOne << "DustyBlue lacks " + f;
        QVERIFY2(onlyOne.isEmpty(), qPrintable(onlyOne.join('\n')));
    }
};

QTEST_MAIN(tst_SkinFiles)
#include "tst_skinfiles.moc"
