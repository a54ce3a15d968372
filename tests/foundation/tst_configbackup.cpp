#include "KitraTest.h"

#include "CommonFun.h"

#include <QTemporaryDir>

using namespace ZtGUI;

class tst_ConfigBackup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    static void write(const QString& file, const QByteArray& content)
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
    }

    static QByteArray read(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_dir.isValid());
    }

    void checkFileHasData_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("hasData");
        QTest::newRow("text") << QByteArray("[Section]\nkey=1\n") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("ten zero bytes then text") << QByteArray(10, '\0') + "abc" << false;
        QTest::newRow("nine zero bytes then text") << QByteArray(9, '\0') + "abc" << true;
        QTest::newRow("ones and zeros") << QByteArray("\x01\x00\x01\x00\x01\x00\x01\x00\x01\x00xyz", 13) << false;
        QTest::newRow("short zero line then text") << QByteArray("\0\0\n[a]", 6) << true;  // the line feed itself is data
        QTest::newRow("starts with line feed") << QByteArray("\nkey=1") << true;
        QTest::newRow("second line only") << QByteArray("\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\nabc") << false;
        QTest::newRow("high bytes") << QByteArray("\x80\xff\xe4\xb8\xad") << false;
        QTest::newRow("two-byte control line") << QByteArray("\x01\x02") << true;
    }
    void checkFileHasData()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, hasData);
        write(path("check.ini"), content);
        QCOMPARE(CommonFun::CheckFileHasData(path("check.ini")), hasData);
        // The file is closed again: it can be removed at once.
        QVERIFY(QFile::remove(path("check.ini")));
        QVERIFY(!CommonFun::CheckFileHasData(path("check.ini")));
    }

    void backupCopiesOnlyFilesWithData()
    {
        const QString file = path("backup.ini");
        const QString backup = file + ".usertmp";
        write(file, "[a]\nk=1\n");
        write(backup, "old");
        CommonFun::BackupConfigFile(file);
        QCOMPARE(read(backup), QByteArray("[a]\nk=1\n"));

        write(file, QByteArray(16, '\0'));
        CommonFun::BackupConfigFile(file);
        QCOMPARE(read(backup), QByteArray("[a]\nk=1\n"));   // a broken file never overwrites a good backup

        QFile::remove(file);
        CommonFun::BackupConfigFile(file);
        QCOMPARE(read(backup), QByteArray("[a]\nk=1\n"));
    }

    void repairRestoresFromTheBackup_data()
    {
        QTest::addColumn<QByteArray>("file");     // "<missing>" for no file
        QTest::addColumn<QByteArray>("backup");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("zeroed file, good backup") << QByteArray(12, '\0') << QByteArray("[b]\nv=2\n") << QByteArray("[b]\nv=2\n");
        QTest::newRow("missing file, good backup") << QByteArray("<missing>") << QByteArray("[b]\nv=2\n") << QByteArray("[b]\nv=2\n");
        QTest::newRow("good file, other backup") << QByteArray("[a]\nk=1\n") << QByteArray("[b]\nv=2\n") << QByteArray("[a]\nk=1\n");
        QTest::newRow("zeroed file, zeroed backup") << QByteArray(12, '\0') << QByteArray(3, '\x01') << QByteArray(12, '\0');
        QTest::newRow("empty file, no backup") << QByteArray() << QByteArray("<missing>") << QByteArray();
    }
    void repairRestoresFromTheBackup()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, backup);
        QFETCH(QByteArray, after);
        const QString name = path("repair.ini");
        QFile::remove(name);
        QFile::remove(name + ".usertmp");
        if (file != "<missing>")
            write(name, file);
        if (backup != "<missing>")
            write(name + ".usertmp", backup);
        QCOMPARE(CommonFun::GetHasBackupConfigFileName(name), name);
        QCOMPARE(read(name), after);
        QCOMPARE(read(name + ".usertmp"), backup);
    }
};

QTEST_MAIN(tst_ConfigBackup)
#include "tst_configbackup.moc"
