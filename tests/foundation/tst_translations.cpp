// The library's texts in Chinese: every text the sources mark is translated, and a host that loads
// the library's translation sees it on buttons, tool tips and the wall's default titles.
#include "KitraTest.h"

#include "ZtCalendar.h"
#include "ZtDialog.h"
#include "ZtMessageBox.h"
#include "ZtSetting.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace ZtGUI;

namespace {

struct Message
{
    QString context, source;
    bool finished = false;
};

QList<Message> messagesIn(const QString& tsFile)
{
    QFile file(tsFile);
    QList<Message> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            messages.append({context, xml.readElementText()});
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.last().finished = !unfinished && !xml.readElementText().isEmpty();
        }
    }
    return messages;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // What lupdate finds in the sources today must stand translated in every shipped .ts file.
    void everySourceTextIsTranslated_data()
    {
        QTest::addColumn<QString>("ts");
        QTest::newRow("zh_CN") << "kitra_zh_CN.ts";
        QTest::newRow("en") << "kitra_en.ts";
    }
    void everySourceTextIsTranslated()
    {
        QFETCH(QString, ts);
        const QString sources = qEnvironmentVariable("KITRA_SOURCE_DIR");
        const QString lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
        QVERIFY2(!lupdate.isEmpty(), "lupdate is not installed");
        QTemporaryDir scratch;
        const QString current = scratch.filePath(QStringLiteral("current.ts"));
        QCOMPARE(QProcess::execute(lupdate, {"-silent", "-locations", "none", sources + "/Base/Kitra", "-ts", current}), 0);

        const QList<Message> shipped = messagesIn(sources + "/translations/" + ts);
        QVERIFY(!shipped.isEmpty());
        QStringList missing;
        for (const Message& wanted : messagesIn(current)) {
            const bool done = std::any_of(shipped.cbegin(), shipped.cend(), [&](const Message& m) {
                return m.context == wanted.context && m.source == wanted.source && m.finished;
            });
            if (!done)
                missing << wanted.context + ": " + wanted.source;
        }
        QVERIFY2(missing.isEmpty(), qPrintable("not translated (run the kitra_lupdate target):\n" + missing.join('\n')));
    }

    void hostSeesTheLibraryInChinese()
    {
        QTranslator translator;
        QVERIFY(LoadTranslation(translator, QStringLiteral("zh_CN")));
        QVERIFY(!LoadTranslation(translator, QStringLiteral("xx_XX")));
        QVERIFY(LoadTranslation(translator, QStringLiteral("zh_CN")));
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
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
