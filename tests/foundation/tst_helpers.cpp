// The free helpers: byte budgets, blank text, codecs, word wrap, waits, the desktop point, laid-out text.
#include "KitraTest.h"

#include "CommonFun.h"
#include "KitraLaidOutText_p.h"
#include "ZtPoint.h"

#include <QPainter>
#include <QScreen>
#include <QTextCodec>

using namespace ZtGUI;

namespace {
const QString kThreeHan = QString::fromUtf8("\xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97"); // 3 x 3 bytes in UTF-8
}

class tst_Helpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // Cuts never split a surrogate pair or a combining mark; blank text; conversions between codecs.
    void textIsCutWholeAndConverted()
    {
        const QString mixed = QString::fromUtf8("a\xe4\xb8\xad" "b");
        const QList<std::tuple<QString, int, QString>> cuts{
            {kThreeHan, 7, kThreeHan.left(2)}, {kThreeHan, 9, kThreeHan},   {kThreeHan, 100, kThreeHan},
            {kThreeHan, 2, QString()},         {kThreeHan, -4, QString()},  {mixed, 3, "a"},
            {mixed, 4, mixed.left(2)},         {"abcdef", 4, "abcd"},       {QString(), 5, QString()}};
        for (const auto& [text, budget, expected] : cuts)
            QCOMPARE(CommonFun::GetUtf8ValidByteLenString(text, budget), expected);
        const QString text = QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("e\u0301b");
        int budget = 0;       // bytes 0 to 10 keep these UTF-16 units
        for (int units : {0, 1, 1, 1, 1, 3, 3, 3, 5, 6, 6})
            QCOMPARE(CommonFun::GetUtf8ValidByteLenString(text, budget++), text.left(units));
        const QString longText = kThreeHan.repeated(40000); // 360000 bytes
        QCOMPARE(CommonFun::GetUtf8ValidByteLenString(longText, 100000), longText.left(33333));
        QTextCodec* const saved = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("GBK")); // two bytes per Han character
        const QStringList local{CommonFun::GetLocal8BitValidByteLenString(kThreeHan, 5),
                               CommonFun::GetLocal8BitValidByteLenString(kThreeHan, 6),
                               CommonFun::GetUtf8ValidByteLenString(kThreeHan, 6)};
        QTextCodec::setCodecForLocale(saved);
        QCOMPARE(local, QStringList({kThreeHan.left(2), kThreeHan, kThreeHan.left(2)}));
        const QList<QPair<QString, bool>> texts{{"   ", true}, {" a ", false}, {QString(), true}, {"\t", false}, {" \n ", false},
                                                {QString::fromUtf8("\xA1\xA1 "), true}, {QString(QChar(0x3000)) + " ", true}};
        for (const auto& [text, blank] : texts)
            QCOMPARE(CommonFun::IsQStrEmpty(text), blank);
        const QString han = QString::fromUtf8("\xe4\xb8\xad");
        QCOMPARE(ConvertToUnicode("\xd6\xd0", "GBK"), han);
        QCOMPARE(ConvertToUnicode("\xe4\xb8\xad", "NoSuchCodec"), han); // unknown codec: UTF-8
        QCOMPARE(ConvertToUnicode("\xe4\xb8\xad", nullptr), han);
        QCOMPARE(ConvertToUnicode(nullptr, "GBK"), QString());
        QCOMPARE(ConvertFromUnicode(han, "GBK"), QByteArray("\xd6\xd0"));
        QCOMPARE(ConvertFromUnicode(han, "UTF-8"), QByteArray("\xe4\xb8\xad"));
        QCOMPARE(ConvertFromUnicode(han, "NoSuchCodec"), han.toLocal8Bit());
        QCOMPARE(ConvertFromUnicode(han, nullptr), han.toLocal8Bit());
    }

    // Widths in characters of a fixed-pitch font; Han text breaks anywhere.
    void wordWrap()
    {
        QFont font(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setPixelSize(12);
        const QFontMetrics metrics(font);
        const auto span = [&metrics](int n) { return metrics.horizontalAdvance(QString(n, QLatin1Char('x'))); };
        QCOMPARE(metrics.horizontalAdvance("abcdefghij 1234567890,"), span(22)); // really fixed pitch
        const QList<std::tuple<QString, int, QString>> wraps{
            {"ab\ncd ", 10, "ab\ncd "}, {"hello world foo", 12, "hello world\nfoo"}, {"ab cdefg", 5, "ab\ncdefg"},
            {"abcdefghij", 4, "abcd\nefgh\nij"}, {"1234567890", 4, "1234\n5678\n90"}, {"ab,cdef", 4, "ab,c\ndef"},
            {"one two three four", 8, "one two\nthree\nfour"}};
        for (const auto& [text, columns, expected] : wraps)
            QCOMPARE(ConvertWarpText(metrics, text, span(columns)), expected);
        const QFontMetrics hanMetrics(QApplication::font());
        const int width = hanMetrics.horizontalAdvance(kThreeHan.left(4)) - 1;
        const QStringList lines = ConvertWarpText(hanMetrics, kThreeHan.repeated(4), width).split('\n');
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()), kThreeHan.repeated(4)); // nothing lost, nothing added
        for (int i = 0; i + 1 < lines.size(); ++i) {
            QVERIFY(hanMetrics.horizontalAdvance(lines.at(i)) >= width);
            QVERIFY(hanMetrics.horizontalAdvance(lines.at(i).chopped(1)) < width);
        }
    }

    // qWait processes events and lasts at least its time; qSleep blocks events for at least its time.
    // How many timer ticks a wait sees depends on the machine's load, so none are counted.
    void waitProcessesEventsAndSleepDoesNot()
    {
        bool fired = false;
        QTimer::singleShot(0, this, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        qWait(0); // one round of events, then a 10 ms nap
        QVERIFY(fired && clock.elapsed() >= 10);
        QTimer timer;
        QSignalSpy ticks(&timer, &QTimer::timeout);
        timer.start(5);
        clock.restart();
        qWait(60);
        QVERIFY(clock.elapsed() >= 60);
        const int before = ticks.count();
        qSleep(15);
        QVERIFY(clock.elapsed() >= 75);
        QCOMPARE(ticks.count(), before);
    }

    void desktopPointStaysOnTheAvailableArea()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint middle = area.center();
        const QList<QPair<QPoint, QPoint>> cases{
            {middle, middle}, {area.topLeft(), area.topLeft()},
            {QPoint(area.left() - 50, middle.y()), QPoint(area.left(), middle.y())},
            {area.bottomRight() + QPoint(300, 40), area.bottomRight()}, {QPoint(area.right() + 1, area.top()), area.topRight()},
            {QPoint(middle.x(), -100000), QPoint(middle.x(), area.top())}};
        for (const auto& c : cases)
            QCOMPARE(ZtPoint::GetDesktopAvailablePoint(c.first), c.second);
    }

    // Drawn from one layout kept across repaints, a text takes exactly drawText's pixels: at fractional
    // places, under zoom, clipped, after its text or font changed, and in the cases handed back to drawText.
    void laidOutTextDrawsAsDrawText()
    {
        const QList<int> alignments{Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignBottom,
                                    Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignVCenter};
        const QStringList texts{"Screen 12", "A title far too long for its rectangle", "two\nlines", "tab\there",
                                "&Mnemonic", QString::fromUtf8("\xe4\xb8\xad\xe6\x96\x87 wall")};
        const QList<QTransform> zooms{QTransform(), QTransform::fromTranslate(0.3, 0.7), QTransform::fromScale(0.5, 0.5),
                                      QTransform::fromScale(1.37, 1.37).translate(2.25, 0)};
        const QList<QRectF> rects{{5, 7, 240, 135}, {3.5, 2.25, 60, 24}, {10, 10, 31, 12}};
        KitraLaidOutText laidOut;     // one across all cases: each change of text or font must relayout
        int drawn = 0;
        for (const QString& text : texts)
            for (const QTransform& zoom : zooms)
                for (const QRectF& rect : rects)
                    for (int pointSize : {int(rect.height() / 12), 14})
                        for (int alignment : alignments) {
                            const auto paint = [&](bool kept) {
                                QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
                                image.fill(Qt::black);
                                QPainter painter(&image);
                                painter.setTransform(zoom);
                                QFont font = painter.font();
                                font.setPointSize(qMax(1, pointSize));
                                painter.setFont(font);
                                painter.setPen(Qt::white);
                                kept ? laidOut.draw(&painter, rect, alignment, text) : painter.drawText(rect, alignment, text);
                                painter.end();
                                return image;
                            };
                            const QImage expected = paint(false), actual = paint(true);
                            QVERIFY2(actual == expected, qPrintable(QStringLiteral("\"%1\" aligned %2 in %3,%4 %5x%6 at %7 pt")
                                                                        .arg(text).arg(alignment).arg(rect.x()).arg(rect.y())
                                                                        .arg(rect.width()).arg(rect.height()).arg(pointSize)));
                            drawn += expected != QImage(expected.size(), expected.format()) ? 1 : 0;
                        }
        QVERIFY(drawn > 0);
    }
};

QTEST_MAIN(tst_Helpers)
#include "tst_helpers.moc"
