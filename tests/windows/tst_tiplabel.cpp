// The process-wide tip bubble: size from its text, place and pointer beside its anchor, colours
// from the skin and the fade in, display time and fade out.
#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtTipLabel.h"
#include "ZtTipLabel_p.h"

using namespace ZtGUI;

namespace {

// Colours of the test skin, unlike anything the style paints by itself.
const QColor kFill(10, 200, 30);
const QColor kBorder(200, 20, 180);
const int kFade = 100;      // ms, each way, in these tests

QTextEdit* textArea() { return ZtTipLabel::Instance()->findChild<QTextEdit*>("m_tipLabel"); }

// Words until the text is at least `width` pixels wide in the bubble's font.
QString textOfWidth(int width)
{
    QString text = QStringLiteral("tip");
    while (QFontMetrics(textArea()->font()).boundingRect(text).width() < width)
        text += QStringLiteral(" word");
    return text;
}

} // namespace

class tst_TipLabel : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_applicationDir;

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_applicationDir.isValid());
        const QString folder = m_applicationDir.filePath("Skin/DustyBlue/Orvale/Common");
        QVERIFY(QDir().mkpath(folder));
        QFile css(folder + "/ZtTipLabel.css");
        QVERIFY(css.open(QIODevice::WriteOnly));
        css.write("ZtGUI--ZtTipLabel { qproperty-BGColor: rgb(10, 200, 30); qproperty-BorderColor: rgb(200, 20, 180); }\n"
                  "ZtGUI--ZtTipLabel QTextEdit#m_tipLabel { background: transparent; border: none; font-size: 12px; }\n");
        css.close();
        QString version = QStringLiteral("DustyBlue"), dir = m_applicationDir.path();
        SetSkinVersion(version);
        ZtDir::SetCurrentPath(dir);
        QVERIFY(textArea());
        ZtTipLabelPrivate::setFadeTime(ZtTipLabel::Instance(), kFade);
    }

    void cleanup()
    {
        ZtTipLabel::Instance()->hide();
        ZtTipLabel::Instance()->SetShowTime(3000);
    }

    // The bubble's size follows its text (wider than the limit, it wraps into lines of the maximum
    // width), it sits beside the anchor on the side asked for (an unknown side as the right) with
    // its pointer facing the anchor, in the skin's colours.
    void fitsTheTextBesideTheAnchor_data()
    {
        QTest::addColumn<int>("width");     // of the text; 0: "tip"
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("shownAs");
        QTest::addColumn<int>("lines");     // 0: one line as wide as the text
        QTest::newRow("right") << 0 << 0 << 0 << 0;
        QTest::newRow("left") << 0 << 1 << 1 << 0;
        QTest::newRow("above") << 0 << 2 << 2 << 0;
        QTest::newRow("below") << 0 << 3 << 3 << 0;
        QTest::newRow("unknown side 9 as right") << 0 << 9 << 0 << 0;
        QTest::newRow("negative side as right") << 0 << -1 << 0 << 0;
        QTest::newRow("between limits, below") << 250 << 3 << 3 << 0;
        QTest::newRow("two lines, left") << 450 << 1 << 1 << 2;
        QTest::newRow("three lines, right") << 650 << 0 << 0 << 3;
    }
    void fitsTheTextBesideTheAnchor()
    {
        QFETCH(int, width);
        QFETCH(int, side);
        QFETCH(int, shownAs);
        QFETCH(int, lines);
        QWidget window;
        window.resize(400, 300);
        QWidget anchor(&window);
        anchor.setGeometry(150, 120, 80, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        ZtTipLabel* tip = ZtTipLabel::Instance();
        const QString text = textOfWidth(width);
        tip->ShowTip(&anchor, text, side);
        QCOMPARE(ZtTipLabel::Instance(), tip);      // one bubble for the process, a tool-tip window
        QVERIFY(tip->windowFlags() & Qt::ToolTip);
        QCOMPARE(textArea()->toPlainText(), text);
        const QFontMetrics metrics(textArea()->font());
        const QSize box = lines ? QSize(300 + 18, lines * (metrics.lineSpacing() + 2 * metrics.leading()) + 18)
                                : QSize(metrics.boundingRect(text).width() + 18, 28);
        QCOMPARE(tip->size(), box + (shownAs < 2 ? QSize(5, 0) : QSize(0, 5)));
        int laidOut = 0;
        for (QTextBlock block = textArea()->document()->begin(); block.isValid(); block = block.next())
            laidOut += block.layout()->lineCount();
        QCOMPARE(laidOut, qMax(lines, 1));
        QVERIFY(textArea()->document()->idealWidth() <= box.width());

        const QRect a = anchor.geometry();
        const int w = tip->width(), h = tip->height();
        const int c = (w - 10) / 2 + 5;         // the pointer's middle on the top and bottom edges
        // Where the bubble goes, a pixel inside the pointer, one beside the pointer's base that lies
        // outside the rounded box, and one on the border away from the pointer (null: not checked).
        const struct { QPoint pos, pointer, beside, border; } expected[] = {
            {QPoint(a.right() + 5, a.top()), QPoint(3, 14), QPoint(2, 4), QPoint(w / 2, h - 1)},
            {QPoint(a.left() - w - 5, a.top()), QPoint(w - 4, 14), QPoint(w - 3, 4), QPoint(w / 2, h - 1)},
            {QPoint(a.left(), a.top() - h), QPoint(c, h - 3), QPoint(c - 10, h - 2), QPoint()},
            {QPoint(a.left(), a.bottom()), QPoint(c, 3), QPoint(c - 10, 2), QPoint(w / 2, h - 1)}};
        const auto& where = expected[shownAs];
        QCOMPARE(tip->pos(), window.mapToGlobal(where.pos));
        const QImage image = tip->grab().toImage();
        QCOMPARE(image.pixelColor(where.pointer), kFill);
        QCOMPARE(image.pixelColor(where.beside).alpha(), 0);
        const QColor edge = where.border.isNull() ? kBorder : image.pixelColor(where.border);
        QVERIFY2(edge.alpha() > 60 && qAbs(edge.red() - kBorder.red()) < 12 && qAbs(edge.green() - kBorder.green()) < 12
                     && qAbs(edge.blue() - kBorder.blue()) < 12,
                 qPrintable(edge.name(QColor::HexArgb)));
    }

    // A text of more lines than its measure grows the bubble with its text area.
    void growsWithItsText()
    {
        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->ShowTip(nullptr, QStringLiteral("one\ntwo\nthree"), 0);
        const int lines = QFontMetrics(textArea()->font()).lineSpacing() * 3;
        QVERIFY2(textArea()->height() >= lines, qPrintable(QString::number(textArea()->height())));
        QCOMPARE(tip->height(), textArea()->height() + 7);
    }

    // Fades in, stays for the display time, fades out and hides; showing again while it fades
    // restarts the display time; a negative time is refused.
    void displayTime()
    {
        const int show = 3 * kFade;
        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->SetShowTime(show);
        QElapsedTimer clock;
        clock.start();
        tip->ShowTip(nullptr, QStringLiteral("tip"), 0);
        QVERIFY(tip->isVisible() && tip->windowOpacity() < 0.5);
        QTRY_COMPARE(tip->windowOpacity(), 1.0);
        QTRY_VERIFY(tip->windowOpacity() < 1.0);
        QVERIFY2(clock.elapsed() >= show, "the fade-out began before the display time ended");
        QTRY_VERIFY(!tip->isVisible());
        QVERIFY2(clock.elapsed() >= show + kFade, "the bubble hid before the fade-out ended");

        tip->SetShowTime(0);
        QTest::ignoreMessage(QtWarningMsg, "ZtTipLabel::SetShowTime: milliseconds = -5");
        tip->SetShowTime(-5);
        tip->ShowTip(nullptr, QStringLiteral("tip"), 0);
        QTRY_VERIFY(!tip->isVisible());             // the time stayed 0
        tip->ShowTip(nullptr, QStringLiteral("first"), 0);
        QTRY_VERIFY(tip->windowOpacity() > 0.2);    // fading out
        tip->SetShowTime(60000);
        tip->ShowTip(nullptr, QStringLiteral("second"), 0);
        QTRY_COMPARE(tip->windowOpacity(), 1.0);
        QVERIFY(tip->isVisible());
    }
};

QTEST_MAIN(tst_TipLabel)
#include "tst_tiplabel.moc"
