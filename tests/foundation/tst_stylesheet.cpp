#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtFile.h"

#include <QTemporaryDir>

using namespace ZtGUI;

namespace Outer {
namespace Inner {
class NsWidget : public QWidget
{
    Q_OBJECT
};
} // namespace Inner
} // namespace Outer

class BareWidget : public QWidget
{
    Q_OBJECT
};

class tst_StyleSheet : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_app;

    void put(const QString& relative, const QByteArray& content)
    {
        const QString path = m_app.filePath(relative);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_app.isValid());
        QString path = m_app.path();
        QString version = QStringLiteral("Test");
        ZtDir::SetCurrentPath(path);
        SetSkinVersion(version);
        put("Skin/Test/Orvale/Walls/NsWidget.css", "QWidget { color: red; }");
        put("Skin/Test/Orvale/Walls/BareWidget.css", "QWidget { color: green; }");
        put("Skin/Test/Orvale/Walls/Named.css", "/* \xe4\xb8\xad */ QWidget { color: blue; }");
        put("Skin/Test/Orvale/Walls/Empty.css", "");
        put("Skin/Test/Kitra/Walls/NsWidget.css", "QWidget { color: white; }");
        put("Skin/Shared/Common.css", "QWidget { color: gray; }");
    }

    // The file is named after the class (without its namespaces) unless given, read as UTF-8,
    // from the Orvale folder unless a module is given.
    void theSheetIsFoundByClassFileAndModule_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("expected");
        QTest::newRow("namespaced class") << "ns" << QString() << QString() << "QWidget { color: red; }";
        QTest::newRow("class outside namespaces") << "bare" << QString() << QString() << "QWidget { color: green; }";
        QTest::newRow("named file, UTF-8") << "bare" << "Named.css" << QString()
                                           << QString::fromUtf8("/* \xe4\xb8\xad */ QWidget { color: blue; }");
        QTest::newRow("module") << "ns" << QString() << "Kitra" << "QWidget { color: white; }";
    }
    void theSheetIsFoundByClassFileAndModule()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, module);
        QFETCH(QString, expected);
        Outer::Inner::NsWidget ns;
        BareWidget bare;
        QWidget* widget = kind == "ns" ? static_cast<QWidget*>(&ns) : &bare;
        CommonFun::SetStyleSheet(widget, "Walls", file, module);
        QCOMPARE(widget->styleSheet(), expected);
    }

    void missingOrEmptyFileLeavesTheStyleSheet_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("module");
        QTest::newRow("missing file") << "Walls" << "Nope.css" << QString();
        QTest::newRow("empty file") << "Walls" << "Empty.css" << QString();
        QTest::newRow("missing folder") << "Nowhere" << QString() << QString();
        QTest::newRow("missing module") << "Walls" << QString() << "Orvale2";
    }
    void missingOrEmptyFileLeavesTheStyleSheet()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, module);
        QWidget widget;
        widget.setStyleSheet("QWidget { margin: 3px; }");
        CommonFun::SetStyleSheet(&widget, folder, file, module);
        QCOMPARE(widget.styleSheet(), QStringLiteral("QWidget { margin: 3px; }"));
        CommonFun::SetStyleSheet(nullptr, folder, file, module);      // no widget: nothing to do
    }

    void styleSheetExSkipsTheSkinVersion()
    {
        QWidget widget;
        CommonFun::SetStyleSheetEx(&widget, "Common.css", "Shared");
        QCOMPARE(widget.styleSheet(), QStringLiteral("QWidget { color: gray; }"));
        CommonFun::SetStyleSheetEx(&widget, "Common.css", "Test");
        QCOMPARE(widget.styleSheet(), QStringLiteral("QWidget { color: gray; }"));
    }

    void readAllJoinsReadableFiles()
    {
        const QString folder = m_app.filePath("Skin/Test/Orvale/Walls");
        QCOMPARE(ZtFile::ReadAll("NsWidget.css", folder), QByteArray("QWidget { color: red; }"));
        QCOMPARE(ZtFile::ReadAll({"NsWidget.css", "Missing.css", "BareWidget.css"}, folder),
                 QByteArray("QWidget { color: red; }QWidget { color: green; }"));
        QCOMPARE(ZtFile::ReadAll(folder + "/Named.css", QString()).size(), 34);
        QVERIFY(ZtFile::ReadAll("Missing.css", folder).isEmpty());
    }
};

QTEST_MAIN(tst_StyleSheet)
#include "tst_stylesheet.moc"
