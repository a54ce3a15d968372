// The process-wide tip bubble: size from its text, place and pointer beside its anchor, colours
// from the skin and the fade in, display time and fade out.
#include "KitraTest.h"

#include <QTemporaryDir>
#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtTipLabel.h"

using namespace ZtGUI;

namespace {

// Colours of the test skin, unlike anything the style paints by itself.
const QColor kFill(10, 200, 30);
const QColor kBorder(200, 20, 180);

const char* const kStyleSheet =
    "ZtGUI--ZtTipLabel { qproperty-BGColor: rgb(10, 200, 30); qproperty-BorderColor: rgb(200, 20, 180); }\n"
    "ZtGUI--ZtTipLabel QTextEdit#m_tipLabel { background: transparent; border: none; font-size: 12px; }\n";

QTextEdit* textArea()
{
    return ZtTipLabel::Instance()->findChild<QTextEdit*>("m_tipLabel");
}

// Words until the text is at least `width` pixels wide in the bubble's font.
QString textOfWidth(int width)
{
    const QFontMetrics metrics(textArea()->font());
    QString text = QStringLiteral("tip");
    while (metrics.boundingRect(text).width() < width)
        text += QStringLiteral(" word");
    return text;
}

int textWidth(const QString& text)
{
    return QFontMetrics(textArea()->font()).boundingRect(text).width();
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
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
        css.write(kStyleSheet);
        css.close();
        QString version = QStringLiteral("DustyBlue");
        SetSkinVersion(version);
        QString dir = m_applicationDir.path();
        ZtDir::SetCurrentPath(dir);
        QVERIFY(textArea());
    }

    void cleanup()
    {
        ZtTipLabel::Instance()->hide();
        ZtTipLabel::Instance()->SetShowTime(3000);
    }

    void oneBubbleForTheProcess()
    {
        QCOMPARE(ZtTipLabel::Instance(), ZtTipLabel::Instance());
        QVERIFY(ZtTipLabel::Instance()->windowFlags() & Qt::ToolTip);
    }

    void styleSheetGivesTheColours()
    {
        ZtTipLabel* tip = ZtTipLabel::Instance();
        QCOMPARE(tip->property("BGColor").value<QColor>(), kFill);
        QCOMPARE(tip->property("BorderColor").value<QColor>(), kBorder);

        tip->ShowTip(nullptr, QStringLiteral("tip"), 0);
        const QImage image = tip->grab().toImage();
        QCOMPARE(image.pixelColor(3, 14), kFill);                      // inside the pointer
        const QColor edge = image.pixelColor(tip->width() / 2, tip->height() - 1);
        QVERIFY2(edge.alpha() > 60 && near(edge, kBorder), qPrintable(edge.name(QColor::HexArgb)));
        QCOMPARE(image.pixelColor(tip->width() - 5, tip->height() - 5), kFill);  // box, off the text
    }

    // A row: how wide the text is, the side, and the bubble's expected size in lines of text
    // (0: one short line).
    void sizeFollowsTheText_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("lines");
        QTest::newRow("narrow, right") << 150 << 0 << 0;
        QTest::newRow("narrow, left") << 150 << 1 << 0;
        QTest::newRow("narrow, above") << 150 << 2 << 0;
        QTest::newRow("narrow, below") << 150 << 3 << 0;
        QTest::newRow("between limits") << 250 << 0 << 0;
        QTest::newRow("two lines") << 450 << 0 << 2;
        QTest::newRow("three lines") << 650 << 0 << 3;
    }
    void sizeFollowsTheText()
    {
        QFETCH(int, width);
        QFETCH(int, side);
        QFETCH(int, lines);
        const QString text = textOfWidth(width);
        const int measured = textWidth(text);
        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->ShowTip(nullptr, text, side);

        const QFontMetrics metrics(textArea()->font());
        const QSize text1 = lines ? QSize(300 + 18, lines * (metrics.lineSpacing() + 2 * metrics.leading()) + 18)
                                  : QSize(measured + 18, 28);
        const QSize pointer = side < 2 ? QSize(5, 0) : QSize(0, 5);
        QCOMPARE(tip->size(), text1 + pointer);
        QCOMPARE(textArea()->toPlainText(), text);
        if (lines) {
            int laidOut = 0;
            for (QTextBlock block = textArea()->document()->begin(); block.isValid(); block = block.next())
                laidOut += block.layout()->lineCount();
            QCOMPARE(laidOut, lines);
            QVERIFY(textArea()->document()->idealWidth() <= 318);
        }
    }

    // Where the bubble goes for each side, and that its pointer faces the anchor.
    void placedBesideTheAnchorWithThePointer_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("shownAs");
        QTest::newRow("right") << 0 << 0;
        QTest::newRow("left") << 1 << 1;
        QTest::newRow("above") << 2 << 2;
        QTest::newRow("below") << 3 << 3;
        QTest::newRow("unknown side 9 as right") << 9 << 0;
        QTest::newRow("negative side as right") << -1 << 0;
    }
    void placedBesideTheAnchorWithThePointer()
    {
        QFETCH(int, side);
        QFETCH(int, shownAs);
        QWidget window;
        window.resize(400, 300);
        QWidget anchor(&window);
        anchor.setGeometry(150, 120, 80, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->ShowTip(&anchor, QStringLiteral("tip"), side);
        QVERIFY(tip->isVisible());
        const QRect a = anchor.geometry();
        const int w = tip->width();
        const int h = tip->height();
        const int c = (w - 10) / 2 + 5;         // the pointer's middle on the top and bottom edges
        // Where the bubble goes, a pixel inside the pointer, and one beside the pointer's base
        // that lies outside the rounded box.
        const struct { QPoint pos; QPoint pointer; QPoint beside; } expected[] = {
            {QPoint(a.right() + 5, a.top()), QPoint(3, 14), QPoint(2, 4)},
            {QPoint(a.left() - w - 5, a.top()), QPoint(w - 4, 14), QPoint(w - 3, 4)},
            {QPoint(a.left(), a.top() - h), QPoint(c, h - 3), QPoint(c - 10, h - 2)},
            {QPoint(a.left(), a.bottom()), QPoint(c, 3), QPoint(c - 10, 2)}};
        const auto& where = expected[shownAs];
        QCOMPARE(tip->pos(), window.mapToGlobal(where.pos));
        const QImage image = tip->grab().toImage();
        QCOMPARE(image.pixelColor(where.pointer), kFill);
        QCOMPARE(image.pixelColor(where.beside).alpha(), 0);
    }

    void fadesInStaysForTheDisplayTimeAndFadesOut()
    {
        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->SetShowTime(1200);
        QElapsedTimer clock;
        clock.start();
        tip->ShowTip(nullptr, QStringLiteral("tip"), 0);
        QVERIFY(tip->isVisible());
        QVERIFY(tip->windowOpacity() < 0.5);
        QTRY_COMPARE_WITH_TIMEOUT(tip->windowOpacity(), 1.0, 3000);
        QVERIFY(tip->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(tip->windowOpacity() < 1.0, 3000);
        QVERIFY2(clock.elapsed() >= 1150, "the fade-out began before the display time ended");
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 3000);
        QVERIFY2(clock.elapsed() >= 2150, "the bubble hid before the fade-out ended");
    }

    void showingAgainRestartsTheDisplayTime()
    {
        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->SetShowTime(0);
        tip->ShowTip(nullptr, QStringLiteral("first"), 0);
        QTRY_VERIFY_WITH_TIMEOUT(tip->windowOpacity() > 0.2, 3000);  // fading out
        tip->SetShowTime(60000);
        tip->ShowTip(nullptr, QStringLiteral("second"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(tip->windowOpacity(), 1.0, 3000);
        QVERIFY(tip->isVisible());
    }

    void negativeShowTimeIsRefused()
    {
        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->SetShowTime(0);
        QTest::ignoreMessage(QtWarningMsg, "ZtTipLabel::SetShowTime: milliseconds = -5");
        tip->SetShowTime(-5);
        tip->ShowTip(nullptr, QStringLiteral("tip"), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), 3000);
    }
};

QTEST_MAIN(tst_TipLabel)
#include "tst_tiplabel.moc"
