// Designer's view of the library: the built plugin loads, offers every form widget of the library
// under "Kitra", and each entry builds the class that the generated code of a form would include.
#include "KitraTest.h"

#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace {

// Windows, parts of one and actions: nothing a form holds as a widget.
const QStringList kNotForForms = {"ZtMessageBox", "WaitWidget", "ZtWindowTitleLabel", "ZtDialogFlash",
                                  "ZtDialogTitle", "ZtMenu", "ZtAction", "TVWallDisplayPTZSlider",
                                  "ZtComboBoxPopupContainer", "ZtPopupButtonPopupContainer", "ZtCascadingListWidget"};

QString sourceFolder() { return qEnvironmentVariable("KITRA_SOURCE_DIR"); }

} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

    QPluginLoader m_loader{QCoreApplication::applicationDirPath() + "/../plugins/designer/libkitra_designer.so"};
    QList<QDesignerCustomWidgetInterface*> m_widgets;

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(m_loader.instance());
        QVERIFY2(collection, qPrintable(m_loader.errorString()));
        m_widgets = collection->customWidgets();
    }

    void everyEntryBuildsItsClass()
    {
        QWidget form;
        for (QDesignerCustomWidgetInterface* widget : qAsConst(m_widgets)) {
            const QString name = widget->name();
            QCOMPARE(widget->group(), QStringLiteral("Kitra"));
            QVERIFY2(!widget->toolTip().isEmpty() && !widget->icon().isNull(), qPrintable(name));
            QWidget* built = widget->createWidget(&form);
            QVERIFY2(built && QString::fromLatin1(built->metaObject()->className()) == name, qPrintable(name));
            QVERIFY2(!built->isWindow(), qPrintable(name));
            QCOMPARE(widget->includeFile(), name.section("::", -1) + ".h");
            QXmlStreamReader xml(widget->domXml());
            while (xml.readNextStartElement() && xml.name() != QLatin1String("widget")) {}
            QCOMPARE(xml.attributes().value("class").toString(), name);
            QVERIFY(!xml.attributes().value("name").isEmpty());
        }
    }

    // A public widget built from a parent alone belongs in the plugin, unless it is a window.
    void everyFormWidgetOfTheLibraryIsOffered()
    {
        QStringList offered;
        for (QDesignerCustomWidgetInterface* widget : qAsConst(m_widgets))
            offered << widget->includeFile();
        QVERIFY(QFileInfo::exists(sourceFolder() + "/Base/Kitra"));
        QStringList missing;
        static const QRegularExpression constructor(QStringLiteral("explicit (\\w+)\\(QWidget\\* parent = nullptr\\)"));
        for (QDirIterator it(sourceFolder() + "/Base/Kitra", {"*.h"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile header(it.next());
            QVERIFY(header.open(QIODevice::ReadOnly));
            const QString cls = QFileInfo(header).completeBaseName();
            if (cls.endsWith("_p") || kNotForForms.contains(cls))
                continue;
            const QRegularExpressionMatch m = constructor.match(QString::fromUtf8(header.readAll()));
            if (m.hasMatch() && m.captured(1) == cls && !offered.contains(cls + ".h"))
                missing << cls;
        }
        QVERIFY2(missing.isEmpty(), qPrintable("not offered to Designer: " + missing.join(", ")));
    }
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
