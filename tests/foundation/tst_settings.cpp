// The settings file and its backup, the skin it names, and the style sheets found in a skin.
#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtFile.h"
#include "ZtSetting.h"

#include <QTemporaryDir>

using namespace ZtGUI;

namespace {

const QByteArray kMissing("<missing>");

// Writes `content` to `file` (making its folder), or removes the file for kMissing.
void put(const QString& file, const QByteArray& content)
{
    QFile out(file);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (content == kMissing)
        out.remove();
    else if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(content);
}

QByteArray read(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : kMissing;
}

} // namespace

// Sheets are named after the class, without its namespaces.
namespace Outer::Inner {
class NsWidget : public QWidget
{
    Q_OBJECT
};
} // namespace Outer::Inner

class BareWidget : public QWidget
{
    Q_OBJECT
};

class tst_Settings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_ini;

    /// A fresh singleton on an ini file holding `content`.
    void writeIni(const QByteArray& content)
    {
        ZtSetting::UnInstance();
        put(m_ini, content);
        ZtSetting::setIniPath(m_ini);
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
        m_ini = m_dir.filePath(QStringLiteral("settings.ini"));
        const QString walls = m_dir.filePath("Skin/Test/Orvale/Walls/");
        put(walls + "NsWidget.css", "QWidget { color: red; }");
        put(walls + "BareWidget.css", "QWidget { color: green; }");
        put(walls + "Named.css", "/* \xe4\xb8\xad */ QWidget { color: blue; }");
        put(walls + "Empty.css", "");
        put(m_dir.filePath("Skin/Test/Kitra/Walls/NsWidget.css"), "QWidget { color: white; }");
        put(m_dir.filePath("Skin/Shared/Common.css"), "QWidget { color: gray; }");
    }
    void cleanup() { ZtSetting::UnInstance(); }

    // The singleton keeps its file until released; values join lists; the https switch takes numbers.
    void theSingletonKeepsItsFileUntilReleased()
    {
        writeIni("[A]\nk=first\n");
        QCOMPARE(ZtSetting::GetInstance(), ZtSetting::GetInstance());
        const QString other = m_dir.filePath(QStringLiteral("other.ini"));
        ZtSetting::setIniPath(other);
        QCOMPARE(ZtSetting::GetInstance()->fileName(), m_ini); // the live singleton keeps its file
        QCOMPARE(ZtSetting::GetInstance()->ReadValue("A", "k", {}).toString(), QStringLiteral("first"));
        ZtSetting::UnInstance();
        QVERIFY(ZtSetting::g_setting == nullptr);
        ZtSetting::UnInstance(); // twice is harmless
        QCOMPARE(ZtSetting::GetInstance()->fileName(), other);
        const QList<QPair<QByteArray, QString>> lines{
            {"v=a,b", "a,b"}, {"v=1, 2,3", "1,2,3"}, {"v=\"a,b\"", "a,b"}, {"v=Dark", "Dark"}, {"w=1", "42"}};
        for (const auto& line : lines) {
            writeIni("[G]\n" + line.first + "\n");
            const QVariant value = ZtSetting::GetInstance()->ReadValue("G", "v", 42);
            QVERIFY(value.userType() != QMetaType::QStringList);
            QCOMPARE(value.toString(), line.second);
        }
        ZtSetting::GetInstance()->WriteValue("Dialog", "Size", QStringLiteral("300x200"));
        ZtSetting::UnInstance();
        QCOMPARE(QSettings(m_ini, QSettings::IniFormat).value("Dialog/Size").toString(), QStringLiteral("300x200"));
        const QList<QPair<QString, bool>> texts{
            {QString(), true}, {"0", false}, {"abc", false}, {"1", true}, {"-5", true}, {"12x", false}};
        for (auto text : texts) {
            SetHttpsEnable(text.first);
            QCOMPARE(GetHttpsEnable(), text.second);
            QCOMPARE(CommonFun::GetHttpsEnableStatus(), text.second);
        }
    }

    // Only a folder starting with "Dark" is a dark skin; paths start at the application folder.
    void skinFolderKindAndPaths()
    {
        const QList<std::tuple<QByteArray, QString, bool>> skins{
            {QByteArray(), "./Skin/DustyBlue", false}, {"[SkinStyle]\nSkinFolder=Dark\n", "./Skin/Dark", true},
            {"[SkinStyle]\nSkinFolder=DarkBlue\n", "./Skin/DarkBlue", true},
            {"[SkinStyle]\nSkinFolder=dark\n", "./Skin/dark", false}, {"[SkinStyle]\nOther=Dark\n", "./Skin/DustyBlue", false},
            {"[SkinStyle]\nSkinFolder=DustyBlue\n", "./Skin/DustyBlue", false},
            {"\x01\x02[[[=\n=\n[SkinStyle\n", "./Skin/DustyBlue", false}};
        for (const auto& [ini, folder, dark] : skins) {
            writeIni(ini);
            if (ini.isNull())
                ZtSetting::setIniPath(QString());
            QCOMPARE(CommonFun::GetSkinFolderPath(), folder);
            QCOMPARE(CommonFun::GetSkinType(), dark ? CommonFun::E_SKIN_DARK : CommonFun::E_SKIN_NORMAL);
        }
        QString dir = QStringLiteral("D:/Wall"), version = QStringLiteral("DustyBlue"), none;
        ZtDir::SetCurrentPath(dir);
        SetSkinVersion(version);
        QCOMPARE(CommonFun::GetSkinPath("Kitra", "TVWallOperateWnd/Close.png"),
                 QStringLiteral("D:/Wall/Skin/DustyBlue/Kitra/TVWallOperateWnd/Close.png"));
        QCOMPARE(CommonFun::GetSkinPathEx("Dark/ZtGui/a.png"), QStringLiteral("D:/Wall/Skin/Dark/ZtGui/a.png"));
        ZtDir::SetCurrentPath(none); // falls back to the application's folder
        QCOMPARE(CommonFun::GetSkinPath("Kitra", "x.png"),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/Skin/DustyBlue/Kitra/x.png"));
    }

    // A broken file (empty, zeros, control bytes) never overwrites a good backup, which repairs it.
    void aBrokenFileIsNeverBackedUpAndIsRepaired()
    {
        const QList<QPair<QByteArray, bool>> contents{
            {"[Section]\nkey=1\n", true}, {QByteArray(), false}, {QByteArray(10, '\0') + "abc", false}, {"\nkey=1", true},
            {QByteArray(9, '\0') + "abc", true}, {QByteArray("\x01\x00\x01\x00\x01\x00\x01\x00\x01\x00xyz", 13), false},
            {QByteArray("\0\0\n[a]", 6), true}, // the line feed is data
            {QByteArray(12, '\x01') + "\nabc", false}, {"\x80\xff\xe4\xb8\xad", false}, {"\x01\x02", true}};
        for (const auto& [content, hasData] : contents) {
            put(m_ini, content);
            QCOMPARE(CommonFun::CheckFileHasData(m_ini), hasData);
            QVERIFY(QFile::remove(m_ini)); // closed again: it can be removed at once
            QVERIFY(!CommonFun::CheckFileHasData(m_ini));
        }
        const QByteArray good("[a]\nk=1\n"), other("[b]\nv=2\n"), zeroed(12, '\0');
        put(m_ini + ".usertmp", "old");
        for (const QByteArray& content : {good, zeroed, kMissing}) {
            put(m_ini, content);
            CommonFun::BackupConfigFile(m_ini);
            QCOMPARE(read(m_ini + ".usertmp"), good);
        }
        const QList<std::tuple<QByteArray, QByteArray, QByteArray>> repairs{
            {zeroed, other, other}, {kMissing, other, other}, {good, other, good},
            {zeroed, QByteArray(3, '\x01'), zeroed}, {QByteArray(), kMissing, QByteArray()}};
        for (const auto& [content, saved, after] : repairs) {
            put(m_ini, content);
            put(m_ini + ".usertmp", saved);
            QCOMPARE(CommonFun::GetHasBackupConfigFileName(m_ini), m_ini);
            QCOMPARE(read(m_ini), after);
            QCOMPARE(read(m_ini + ".usertmp"), saved);
        }
    }

    // Named after the class, read as UTF-8, from Orvale unless a module is given; else kept.
    void theSheetIsFoundByClassFileAndModule()
    {
        QString path = m_dir.path(), version = QStringLiteral("Test"); // the scratch skin holds the sheets
        ZtDir::SetCurrentPath(path);
        SetSkinVersion(version);
        const QString kept = "QWidget { margin: 3px; }";
        Outer::Inner::NsWidget ns;
        BareWidget bare;
        const QList<std::tuple<QWidget*, QString, QString, QString, QString>> sheets{
            {&ns, "Walls", QString(), QString(), "QWidget { color: red; }"},
            {&bare, "Walls", QString(), QString(), "QWidget { color: green; }"},
            {&bare, "Walls", "Named.css", QString(), QString::fromUtf8("/* \xe4\xb8\xad */ QWidget { color: blue; }")},
            {&ns, "Walls", QString(), "Kitra", "QWidget { color: white; }"},
            {&ns, "Walls", "Nope.css", QString(), kept}, {&ns, "Walls", "Empty.css", QString(), kept},
            {&ns, "Nowhere", QString(), QString(), kept}, {&ns, "Walls", QString(), "Orvale2", kept}};
        for (const auto& [widget, folder, file, module, expected] : sheets) {
            widget->setStyleSheet(kept);
            CommonFun::SetStyleSheet(widget, folder, file, module);
            QCOMPARE(widget->styleSheet(), expected);
            CommonFun::SetStyleSheet(nullptr, folder, file, module); // no widget: nothing to do
        }
        QWidget widget;
        for (const char* folder : {"Shared", "Test"}) { // none in Test: the sheet stays
            CommonFun::SetStyleSheetEx(&widget, "Common.css", folder);
            QCOMPARE(widget.styleSheet(), QStringLiteral("QWidget { color: gray; }"));
        }
        const QString folder = m_dir.filePath("Skin/Test/Orvale/Walls");
        QCOMPARE(ZtFile::ReadAll({"NsWidget.css", "Missing.css", "BareWidget.css"}, folder),
                 QByteArray("QWidget { color: red; }QWidget { color: green; }"));
        QCOMPARE(ZtFile::ReadAll(folder + "/Named.css", QString()).size(), 34);
        QVERIFY(ZtFile::ReadAll("Missing.css", folder).isEmpty());
    }
};

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
