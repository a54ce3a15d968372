#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtSetting.h"

#include <QTemporaryDir>

using namespace ZtGUI;

class tst_Settings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_ini;

    void writeIni(const QByteArray& content)
    {
        ZtSetting::UnInstance();
        QFile file(m_ini);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        ZtSetting::setIniPath(m_ini);
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
        m_ini = m_dir.filePath(QStringLiteral("settings.ini"));
    }
    void cleanup() { ZtSetting::UnInstance(); }

    void singletonFollowsThePathOnlyAfterUnInstance()
    {
        writeIni("[A]\nk=first\n");
        ZtSetting* first = ZtSetting::GetInstance();
        QCOMPARE(ZtSetting::GetInstance(), first);
        QCOMPARE(first->fileName(), m_ini);

        const QString other = m_dir.filePath(QStringLiteral("other.ini"));
        ZtSetting::setIniPath(other);
        QCOMPARE(ZtSetting::GetInstance()->fileName(), m_ini);   // the live singleton keeps its file
        QCOMPARE(ZtSetting::GetInstance()->ReadValue("A", "k", {}).toString(), QStringLiteral("first"));

        ZtSetting::UnInstance();
        QVERIFY(ZtSetting::g_setting == nullptr);
        ZtSetting::UnInstance();                                  // twice is harmless
        QCOMPARE(ZtSetting::GetInstance()->fileName(), other);
    }

    void readValueJoinsCommaLists_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("unquoted list") << QByteArray("v=a,b") << QVariant(QStringLiteral("a,b"));
        QTest::newRow("three items") << QByteArray("v=1, 2,3") << QVariant(QStringLiteral("1,2,3"));
        QTest::newRow("quoted") << QByteArray("v=\"a,b\"") << QVariant(QStringLiteral("a,b"));
        QTest::newRow("plain") << QByteArray("v=Dark") << QVariant(QStringLiteral("Dark"));
        QTest::newRow("absent") << QByteArray("w=1") << QVariant(42);
    }
    void readValueJoinsCommaLists()
    {
        QFETCH(QByteArray, line);
        QFETCH(QVariant, expected);
        writeIni("[G]\n" + line + "\n");
        const QVariant value = ZtSetting::GetInstance()->ReadValue("G", "v", 42);
        QVERIFY(value.type() != QVariant::StringList);
        QCOMPARE(value.toString(), expected.toString());
    }

    void writeValueReachesTheFileOnRelease()
    {
        writeIni("");
        ZtSetting::GetInstance()->WriteValue("Dialog", "Size", QStringLiteral("300x200"));
        QCOMPARE(ZtSetting::GetInstance()->ReadValue("Dialog", "Size", {}).toString(), QStringLiteral("300x200"));
        ZtSetting::UnInstance();
        QSettings check(m_ini, QSettings::IniFormat);
        QCOMPARE(check.value("Dialog/Size").toString(), QStringLiteral("300x200"));
    }

    void emptyPathReadsDefaults()
    {
        ZtSetting::setIniPath(QString());
        QCOMPARE(ZtSetting::GetInstance()->ReadValue("SkinStyle", "SkinFolder", "x").toString(), QStringLiteral("x"));
        QCOMPARE(CommonFun::GetSkinFolderPath(), QStringLiteral("./Skin/DustyBlue"));
    }

    void httpsSwitch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("abc") << "abc" << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("-5") << "-5" << true;
        QTest::newRow("12x") << "12x" << false;
    }
    void httpsSwitch()
    {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        SetHttpsEnable(text);
        QCOMPARE(GetHttpsEnable(), enabled);
        QCOMPARE(CommonFun::GetHttpsEnableStatus(), enabled);
    }

    void skinFolderAndKind_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("type");
        QTest::newRow("Dark") << QByteArray("[SkinStyle]\nSkinFolder=Dark\n") << "./Skin/Dark" << int(CommonFun::E_SKIN_DARK);
        QTest::newRow("DarkBlue") << QByteArray("[SkinStyle]\nSkinFolder=DarkBlue\n") << "./Skin/DarkBlue" << int(CommonFun::E_SKIN_DARK);
        QTest::newRow("lower dark") << QByteArray("[SkinStyle]\nSkinFolder=dark\n") << "./Skin/dark" << int(CommonFun::E_SKIN_NORMAL);
        QTest::newRow("DustyBlue") << QByteArray("[SkinStyle]\nSkinFolder=DustyBlue\n") << "./Skin/DustyBlue" << int(CommonFun::E_SKIN_NORMAL);
        QTest::newRow("absent key") << QByteArray("[SkinStyle]\nOther=Dark\n") << "./Skin/DustyBlue" << int(CommonFun::E_SKIN_NORMAL);
        QTest::newRow("malformed file") << QByteArray("\x01\x02[[[=\n=\n[SkinStyle\n") << "./Skin/DustyBlue" << int(CommonFun::E_SKIN_NORMAL);
    }
    void skinFolderAndKind()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, folder);
        QFETCH(int, type);
        writeIni(ini);
        QCOMPARE(CommonFun::GetSkinFolderPath(), folder);
        QCOMPARE(int(CommonFun::GetSkinType()), type);
    }

    void skinPathsAreBuiltFromTheApplicationDirectory()
    {
        QString dir = QStringLiteral("D:/Wall");
        QString version = QStringLiteral("DustyBlue");
        ZtDir::SetCurrentPath(dir);
        SetSkinVersion(version);
        QCOMPARE(CommonFun::GetSkinPath("Kitra", "TVWallOperateWnd/Close.png"),
                 QStringLiteral("D:/Wall/Skin/DustyBlue/Kitra/TVWallOperateWnd/Close.png"));
        QCOMPARE(CommonFun::GetSkinPathEx("Dark/ZtGui/a.png"), QStringLiteral("D:/Wall/Skin/Dark/ZtGui/a.png"));
        QString none;
        ZtDir::SetCurrentPath(none);                             // falls back to the application's folder
        QCOMPARE(ZtDir::GetCurrentPath(), QCoreApplication::applicationDirPath());
        QCOMPARE(CommonFun::GetSkinPath("Kitra", "x.png"),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/Skin/DustyBlue/Kitra/x.png"));
    }
};

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
