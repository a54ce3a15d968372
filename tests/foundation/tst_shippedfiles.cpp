// What ships beside the library: the skin files the sources name, in both skins alike, and the
// translations of every marked text, which a host sees in Chinese once it loads them.
#include "KitraTest.h"

#include "ZtCalendar.h"
#include "ZtDialog.h"
#include "ZtMessageBox.h"
#include "ZtSetting.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace ZtGUI;

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

// "context: source" of each message of a .ts file, with the finished ones in `finished`.
QStringList messagesIn(const QString& tsFile, QStringList* finished = nullptr)
{
    QFile file(tsFile);
    QStringList messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages << context + ": " + xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && finished && !messages.isEmpty()
                 && xml.attributes().value("type").isEmpty() && !xml.readElementText().isEmpty())
            *finished << messages.last();
    }
    return messages;
}

} // namespace

class tst_ShippedFiles : public QObject
{
    Q_OBJECT

    const QString m_sources = qEnvironmentVariable("KITRA_SOURCE_DIR");

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // What lupdate finds in the sources today must stand translated in every shipped .ts file.
    void everySourceTextIsTranslated()
    {
        const QString lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
        QVERIFY2(!lupdate.isEmpty(), "lupdate is not installed");
        QTemporaryDir scratch;
        const QString current = scratch.filePath(QStringLiteral("current.ts"));
        QCOMPARE(QProcess::execute(lupdate, {"-silent", "-locations", "none", m_sources + "/Base/Kitra", "-ts", current}), 0);
        QStringList missing;
        for (const char* ts : {"kitra_zh_CN.ts", "kitra_en.ts"}) {
            QStringList finished;
            QVERIFY(!messagesIn(m_sources + "/translations/" + ts, &finished).isEmpty());
            for (const QString& wanted : messagesIn(current))
                if (!finished.contains(wanted))
                    missing << ts + QStringLiteral(": ") + wanted;
        }
        QVERIFY2(missing.isEmpty(), qPrintable("not translated (run the kitra_lupdate target):\n" + missing.join('\n')));
    }

    void hostSeesTheLibraryInChinese()
    {
        QTranslator translator;
        QVERIFY(!LoadTranslation(translator, QStringLiteral("xx_XX")) && LoadTranslation(translator, QStringLiteral("zh_CN")));
        QCoreApplication::installTranslator(&translator);
        ZtMessageBox box(QStringLiteral("t"), QStringLiteral("x"), ZtMessageBox::Ok | ZtMessageBox::Cancel);
        QCOMPARE(box.findChild<QAbstractButton*>(QStringLiteral("MsgBtnOk"))->text(), QStringLiteral("确定"));
        QCOMPARE(box.findChild<QAbstractButton*>(QStringLiteral("MsgBtnCancel"))->text(), QStringLiteral("取消"));
        ZtDialog dialog(nullptr, ZtDialog::MinMaxButtonsHint | ZtDialog::CloseButtonHint);
        QCOMPARE(dialog.findChild<QWidget*>(QStringLiteral("pCloseBtn"))->toolTip(), QStringLiteral("关闭"));
        QCOMPARE(dialog.findChild<QWidget*>(QStringLiteral("pMaxBtn"))->toolTip(), QStringLiteral("最大化"));
        ZtCalendar calendar;                              // quick choices are translated where shown
        const QString last = calendar.findChild<QAbstractButton*>(QStringLiteral("BtnLast"))->text();
        QVERIFY2(QStringList({"昨天", "上周", "上月", "去年"}).contains(last), qPrintable(last));
        ZtTVWallNormalWnd wall;
        wall.SetTVWallGridCount(1, 1);
        const int screen = wall.AddScreen(StructScaleRect(0, 0, 1, 1), QVariant());
        wall.OpenWindow(screen, StructScaleRect(0, 0, 1, 1), QVariant());
        QStringList titles;
        for (QGraphicsItem* item : wall.scene()->items()) {
            if (auto* s = dynamic_cast<ZtTVWallNormalScreen*>(item))
                titles << s->GetContentText();
            if (auto* w = dynamic_cast<ZtTVWallNormalWindow*>(item))
                titles << w->GetTitle();
        }
        titles.sort();
        QCOMPARE(titles, QStringList({QStringLiteral("屏幕 1"), QStringLiteral("窗口 1")}));
        QCoreApplication::removeTranslator(&translator);
    }

    // "./Skin/..." paths, pictures by their folders, class sheets: in both skins, which hold the same
    // files; the pictures their sheets name exist; each sheet parses (a warning from Qt fails).
    void everyNamedSkinFileExistsInBothSkins()
    {
        static const QRegularExpression named(QStringLiteral(
            "\"(?:\\./(Skin/[^\"<> ]+)|((?:\\w+/)+\\w+\\.(?:png|svg|gif|jpg|css)))\""
            "|SetStyleSheet\\(this,\\s*QStringLiteral\\(\"(\\w+)\"\\),\\s*QString\\(\\)(?:,\\s*QString\\(\\))?\\)"));
        QMap<QString, QString> listed; // each skin's files as "\n/folder/file\n" lines
        for (const QString& skin : kSkins)
            listed[skin] = "\n/" + filesBelow("Skin/" + skin).join("\n/") + '\n';
        QStringList missing, scanned;
        for (const char* folder : {"/Base", "/examples"})
            for (const QString& name : filesBelow(m_sources + folder, {"*.cpp", "*.h"}))
                scanned << m_sources + folder + '/' + name;
        QVERIFY(scanned.size() > 20);
        for (const QString& source : scanned) {
            QFile file(source);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString sheet = "\n/Orvale/%1/" + QFileInfo(source).completeBaseName() + ".css\n";
            for (auto it = named.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const QString path = m.captured(1);
                for (const QString& skin : kSkins) {
                    const bool found = !path.isEmpty() ? QFileInfo::exists(path.contains("%1") ? path.arg(skin) : path)
                                       : !m.captured(2).isEmpty() ? listed[skin].contains('/' + m.captured(2) + '\n')
                                                                  : listed[skin].contains(sheet.arg(m.captured(3)));
                    if (!found)
                        missing << skin + ": " + m.captured(0) + " (named in " + source + ")";
                }
            }
        }
        static const QRegularExpression url(QStringLiteral("url\\(\\s*[\"']?([^\"')]+)[\"']?\\s*\\)"));
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
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable("missing skin files:\n" + missing.join('\n')));
        const QStringList light = filesBelow("Skin/DustyBlue");
        QVERIFY(!light.isEmpty());
        QCOMPARE(filesBelow("Skin/Dark"), light);
    }
};

QTEST_MAIN(tst_ShippedFiles)
#include "tst_shippedfiles.moc"
