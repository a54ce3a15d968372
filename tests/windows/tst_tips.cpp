// The process-wide tip bubble (size, place, colours, fades) and the tip balloon (pointer, colours).
#include "CommonFun.h"
#include "TipWidget.h"
#include "WindowsTest.h"
#include "ZtTipLabel.h"
#include "ZtTipLabel_p.h"

using namespace ZtGUI;
using namespace WindowsTest;

namespace {

// Colours of the test skin, unlike anything the style paints by itself.
const QColor kFill(10, 200, 30);
const QColor kBorder(200, 20, 180);
const QColor kLightFill(255, 255, 255);
const QColor kDarkFill(81, 81, 81);
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

class tst_Tips : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QColor shownFill(TipWidget& tip, const QString& style, const QPoint& at = QPoint(180, 60))
    {
        tip.hide();
        useSkinStyle(m_dir.filePath("settings.ini"), style);
        tip.show();
        return tip.grab().toImage().pixelColor(at);
    }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        const QString folder = m_dir.filePath("Skin/DustyBlue/Orvale/Common");
        QVERIFY(QDir().mkpath(folder));
        QFile css(folder + "/ZtTipLabel.css");
        QVERIFY(css.open(QIODevice::WriteOnly));
        css.write("ZtGUI--ZtTipLabel { qproperty-BGColor: rgb(10, 200, 30); qproperty-BorderColor: rgb(200, 20, 180); }\n"
                  "ZtGUI--ZtTipLabel QTextEdit#m_tipLabel { background: transparent; border: none; font-size: 12px; }\n");
        css.close();
        QString version = QStringLiteral("DustyBlue");
        SetSkinVersion(version);
        setAppDir(m_dir.path());
        useSkinStyle(m_dir.filePath("settings.ini"), "DustyBlue");
        QVERIFY(textArea());
        ZtTipLabelPrivate::setFadeTime(ZtTipLabel::Instance(), kFade);
    }
    void cleanupTestCase() { ZtSetting::UnInstance(); }
    void cleanup()
    {
        ZtTipLabel::Instance()->hide();
        ZtTipLabel::Instance()->SetShowTime(3000);
    }

    // Sized by its text (wrapped past the limit), beside the anchor (unknown sides: right), skin colours.
    void fitsTheTextBesideTheAnchor_data()
    {
        QTest::addColumn<int>("width");     // of the text; 0: "tip"
        QTest::addColumn<int>("side");      // 0 right, 1 left, 2 above, 3 below
        QTest::addColumn<int>("lines");     // 0: one line as wide as the text
        QTest::newRow("right") << 0 << 0 << 0;
        QTest::newRow("left") << 0 << 1 << 0;
        QTest::newRow("above") << 0 << 2 << 0;
        QTest::newRow("below") << 0 << 3 << 0;
        QTest::newRow("unknown side 9 as right") << 0 << 9 << 0;
        QTest::newRow("negative side as right") << 0 << -1 << 0;
        QTest::newRow("between limits, below") << 250 << 3 << 0;
        QTest::newRow("two lines, left") << 450 << 1 << 2;
        QTest::newRow("three lines, right") << 650 << 0 << 3;
    }
    void fitsTheTextBesideTheAnchor()
    {
        QFETCH(int, width);
        QFETCH(int, side);
        QFETCH(int, lines);
        const int shownAs = side >= 0 && side <= 3 ? side : 0;
        QWidget window;
        QWidget anchor(&window);
        anchor.setGeometry(150, 120, 80, 24);
        showAt(window, QRect(100, 100, 400, 300));
        ZtTipLabel* tip = ZtTipLabel::Instance();
        const QString text = textOfWidth(width);
        tip->ShowTip(&anchor, text, side);
        QVERIFY(tip->windowFlags() & Qt::ToolTip);
        QCOMPARE(textArea()->toPlainText(), text);   // through Instance() again: one bubble for the process
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
        const int off = qMax(qAbs(edge.red() - kBorder.red()),
                             qMax(qAbs(edge.green() - kBorder.green()), qAbs(edge.blue() - kBorder.blue())));
        QVERIFY2(edge.alpha() > 60 && off < 12, qPrintable(edge.name(QColor::HexArgb)));
    }

    // Fades in, stays its display time (restarted by a new show), fades out; grows with many lines.
    void displayTime()
    {
        const int show = 3 * kFade;
        ZtTipLabel* tip = ZtTipLabel::Instance();
        tip->SetShowTime(show);
        QElapsedTimer clock;
        clock.start();
        tip->ShowTip(nullptr, QStringLiteral("one\ntwo\nthree"), 0);
        QVERIFY(tip->isVisible() && tip->windowOpacity() < 0.5);
        QVERIFY(textArea()->height() >= QFontMetrics(textArea()->font()).lineSpacing() * 3);
        QCOMPARE(tip->height(), textArea()->height() + 7);
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

    // The pointer's place and depth by its settings, on a tip 200 pixels wide.
    void pointerFollowsItsSettings()
    {
        const struct { int left, height; bool onTop; int centre, depth; } cases[] = {   // centre: x of its tip
            {-1, -1, false, 100, 10},    // default: centred below
            {20, -1, false, 30, 10},     // moved left
            {-1, 16, false, 100, 16},    // deeper
            {-1, -1, true, 100, 10},     // on top, centred
            {140, -1, true, 150, 10}};   // on top, moved right
        for (const auto& c : cases) {
            TipWidget tip(QStringLiteral("A tip"));
            tip.setFixedSize(200, 80);
            tip.setTriangleLeft(c.left);
            tip.setTriangleHeight(c.height);
            tip.setTriangleOnTop(c.onTop);
            tip.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tip));
            const QRect label = tip.findChild<QLabel*>()->geometry();
            // Halfway down the pointer: inside at its middle, outside well beside it.
            const int y = c.onTop ? label.top() - c.depth / 2 : label.bottom() + c.depth / 2;
            const QImage image = tip.grab().toImage();
            QCOMPARE(image.pixelColor(c.centre, y), kLightFill);
            const int beside = c.centre > 100 ? c.centre - c.depth - 8 : c.centre + c.depth + 8;
            QVERIFY2(image.pixelColor(beside, y).alpha() < 100, "the pointer is wider than it should be");
            QCOMPARE(image.pixelColor(label.center()), kLightFill);    // the box itself
        }
    }

    // Colours are read at each show only (unknown skins keep them); a content widget replaces the text.
    void balloonTextColoursAndContent()
    {
        TipWidget tip(QStringLiteral("A tip"));
        const QLabel* label = tip.findChild<QLabel*>();
        tip.setFixedSize(200, 80);
        QCOMPARE(shownFill(tip, "Dark"), kDarkFill);
        tip.hide();
        useSkinStyle(m_dir.filePath("settings.ini"), "DustyBlue");
        QCOMPARE(tip.grab().toImage().pixelColor(180, 60), kDarkFill);
        QCOMPARE(shownFill(tip, "DustyBlue"), kLightFill);
        QCOMPARE(shownFill(tip, "Unknown"), kLightFill);

        auto* content = new QWidget;
        content->setFixedSize(120, 40);
        tip.setWidget(content);
        QTRY_VERIFY(!label->isVisible());
        const QPoint pointer(tip.width() / 2, content->geometry().bottom() + 5);   // below the content
        QCOMPARE(tip.grab().toImage().pixelColor(pointer), kLightFill);
        delete content;
        QCOMPARE(tip.grab().toImage().pixelColor(pointer).alpha(), 0);
        QTest::ignoreMessage(QtWarningMsg, "TipWidget::setWidget: Attempt to insert null QWidget");
        tip.setWidget(nullptr);
    }
};

QTEST_MAIN(tst_Tips)
#include "tst_tips.moc"
