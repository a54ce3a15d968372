#include "KitraTest.h"

#include "CommonFun.h"

#include <QTextCodec>

using namespace ZtGUI;

namespace {
const QString kThreeHan = QString::fromUtf8("\xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97");   // 3 x 3 bytes in UTF-8
}

class tst_Text : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void utf8Budget_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("budget");
        QTest::addColumn<QString>("expected");
        QTest::newRow("7 bytes keep two Han") << kThreeHan << 7 << kThreeHan.left(2);
        QTest::newRow("exact fit") << kThreeHan << 9 << kThreeHan;
        QTest::newRow("budget beyond text") << kThreeHan << 100 << kThreeHan;
        QTest::newRow("one byte short of one Han") << kThreeHan << 2 << QString();
        QTest::newRow("zero budget") << kThreeHan << 0 << QString();
        QTest::newRow("negative budget") << kThreeHan << -4 << QString();
        QTest::newRow("mixed, stops before Han") << QString::fromUtf8("a\xe4\xb8\xad" "b") << 3 << "a";
        QTest::newRow("mixed, Han fits") << QString::fromUtf8("a\xe4\xb8\xad" "b") << 4 << QString::fromUtf8("a\xe4\xb8\xad");
        QTest::newRow("ASCII cut by characters") << "abcdef" << 4 << "abcd";
        QTest::newRow("empty") << QString() << 5 << QString();
    }
    void utf8Budget()
    {
        QFETCH(QString, text);
        QFETCH(int, budget);
        QFETCH(QString, expected);
        QCOMPARE(CommonFun::GetUtf8ValidByteLenString(text, budget), expected);
    }

    // "a", an emoji (a surrogate pair, 4 bytes), "e" with a combining acute (1 + 2 bytes), "b":
    // every budget cuts after a whole character, never inside the pair or before the accent.
    void utf8BudgetKeepsWholeCharacters_data()
    {
        QTest::addColumn<int>("budget");
        QTest::addColumn<int>("units");
        const int unitsByBudget[] = {0, 1, 1, 1, 1, 3, 3, 3, 5, 6, 6};
        for (int budget = 0; budget < 11; ++budget)
            QTest::addRow("%d bytes", budget) << budget << unitsByBudget[budget];
    }
    void utf8BudgetKeepsWholeCharacters()
    {
        QFETCH(int, budget);
        QFETCH(int, units);
        const QString text = QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("e\u0301b");
        QCOMPARE(CommonFun::GetUtf8ValidByteLenString(text, budget), text.left(units));
    }

    void utf8BudgetOnLongText()
    {
        const QString text = kThreeHan.repeated(40000);            // 120000 characters, 360000 bytes
        const QString cut = CommonFun::GetUtf8ValidByteLenString(text, 100000);
        QCOMPARE(cut.size(), 33333);
        QCOMPARE(cut, text.left(33333));
    }

    void local8BitBudgetUsesTheLocaleCodec()
    {
        QTextCodec* const saved = QTextCodec::codecForLocale();
        QTextCodec* const gbk = QTextCodec::codecForName("GBK");
        QVERIFY(gbk);
        QTextCodec::setCodecForLocale(gbk);                        // two bytes per Han character
        const QString five = CommonFun::GetLocal8BitValidByteLenString(kThreeHan, 5);
        const QString six = CommonFun::GetLocal8BitValidByteLenString(kThreeHan, 6);
        const QString utf8 = CommonFun::GetUtf8ValidByteLenString(kThreeHan, 6);
        QTextCodec::setCodecForLocale(saved);
        QCOMPARE(five, kThreeHan.left(2));
        QCOMPARE(six, kThreeHan);
        QCOMPARE(utf8, kThreeHan.left(2));
    }

    void blankText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("blank");
        QTest::newRow("three spaces") << "   " << true;
        QTest::newRow("letter between spaces") << " a " << false;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("GB2312 space read as UTF-8") << QString::fromUtf8("\xA1\xA1 ") << true;
        QTest::newRow("ideographic space") << QString(QChar(0x3000)) + " " << true;
        QTest::newRow("tab") << "\t" << false;
        QTest::newRow("line feed") << " \n " << false;
    }
    void blankText()
    {
        QFETCH(QString, text);
        QFETCH(bool, blank);
        QCOMPARE(CommonFun::IsQStrEmpty(text), blank);
    }

    void codecConversion()
    {
        const QString han = QString::fromUtf8("\xe4\xb8\xad");
        QCOMPARE(ConvertToUnicode("\xd6\xd0", "GBK"), han);
        QCOMPARE(ConvertToUnicode("\xe4\xb8\xad", "NoSuchCodec"), han);   // unknown codec: UTF-8
        QCOMPARE(ConvertToUnicode("\xe4\xb8\xad", nullptr), han);
        QCOMPARE(ConvertToUnicode(nullptr, "GBK"), QString());
        QCOMPARE(ConvertFromUnicode(han, "GBK"), QByteArray("\xd6\xd0"));
        QCOMPARE(ConvertFromUnicode(han, "UTF-8"), QByteArray("\xe4\xb8\xad"));
        QCOMPARE(ConvertFromUnicode(han, "NoSuchCodec"), han.toLocal8Bit());
        QCOMPARE(ConvertFromUnicode(han, nullptr), han.toLocal8Bit());
    }

    void wordWrap_data()
    {
        // Widths are in characters of a fixed-pitch font.
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fits, line feeds kept") << "ab\ncd " << 10 << "ab\ncd ";
        QTest::newRow("break at the last space") << "hello world foo" << 12 << "hello world\nfoo";
        QTest::newRow("word moves whole") << "ab cdefg" << 5 << "ab\ncdefg";
        QTest::newRow("long word breaks inside") << "abcdefghij" << 4 << "abcd\nefgh\nij";
        QTest::newRow("digits break anywhere") << "1234567890" << 4 << "1234\n5678\n90";
        QTest::newRow("no space after punctuation") << "ab,cdef" << 4 << "ab,c\ndef";
        QTest::newRow("several lines") << "one two three four" << 8 << "one two\nthree\nfour";
    }
    void wordWrap()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QString, expected);
        QFont font(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setPixelSize(12);
        const QFontMetrics metrics(font);
        const auto span = [&metrics](int n) { return metrics.horizontalAdvance(QString(n, QLatin1Char('x'))); };
        QCOMPARE(metrics.horizontalAdvance("abcdefghij 1234567890,"), span(22));   // really fixed pitch
        QCOMPARE(ConvertWarpText(metrics, text, span(columns)), expected);
    }

    void wordWrapBreaksHanAnywhere()
    {
        const QFontMetrics metrics(QApplication::font());
        const QString text = kThreeHan.repeated(4);
        const int width = metrics.horizontalAdvance(kThreeHan.left(4)) - 1;
        const QStringList lines = ConvertWarpText(metrics, text, width).split('\n');
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()), text);                     // nothing lost, nothing added
        for (int i = 0; i + 1 < lines.size(); ++i) {
            QVERIFY(metrics.horizontalAdvance(lines.at(i)) >= width);
            QVERIFY(metrics.horizontalAdvance(lines.at(i).chopped(1)) < width);
        }
    }
};

QTEST_MAIN(tst_Text)
#include "tst_text.moc"
