// The window title label centres its content on the whole title bar while it fits there.
#include "KitraTest.h"
#include "ZtWindowTitleLabel.h"

using namespace ZtGUI;

namespace {

const QColor kBackground(Qt::white);
const QColor kInk(Qt::red);

// A 400-pixel title bar holding one centred title label.
struct TitleBar
{
    explicit TitleBar(const QRect& labelGeometry)
    {
        bar.resize(400, 30);
        QPalette palette = bar.palette();
        palette.setColor(QPalette::Window, kBackground);
        palette.setColor(QPalette::WindowText, kInk);
        bar.setPalette(palette);
        bar.setAutoFillBackground(true);
        label = new ZtWindowTitleLabel(&bar);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(labelGeometry);
    }
    // First and last column of the bar's middle row that hold drawn content.
    QPair<int, int> inkColumns()
    {
        const QImage image = bar.grab().toImage();
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (QColor(image.pixel(x, y)) != kBackground) {
                    if (first < 0)
                        first = x;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }
    QWidget bar;
    ZtWindowTitleLabel* label = nullptr;
};

QPixmap block(int width)
{
    QPixmap pixmap(width, 10);
    pixmap.fill(kInk);
    return pixmap;
}

} // namespace

class tst_WindowTitleLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void pictureIsCentredOnTheParentWhileItFits_data()
    {
        QTest::addColumn<QRect>("label");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        // A 40-pixel picture; the bar's centre is x = 199 (QRect::center of 0..399).
        QTest::newRow("centred on the bar") << QRect(0, 0, 300, 30) << 179 << 218;
        QTest::newRow("no room right: right-aligned") << QRect(0, 0, 210, 30) << 170 << 209;
        QTest::newRow("centre left of the label: left-aligned") << QRect(190, 0, 210, 30) << 190 << 229;
        QTest::newRow("centre right of the label: right-aligned") << QRect(0, 0, 150, 30) << 110 << 149;
        QTest::newRow("wider than the label: own alignment") << QRect(100, 0, 30, 30) << 100 << 129;
    }
    void pictureIsCentredOnTheParentWhileItFits()
    {
        QFETCH(QRect, label);
        QFETCH(int, first);
        QFETCH(int, last);
        TitleBar bar(label);
        bar.label->setPixmap(block(40));
        const auto ink = bar.inkColumns();
        QCOMPARE(ink.first, first);
        QCOMPARE(ink.second, last);
    }

    void titleTextIsCentredOnTheParent()
    {
        TitleBar bar(QRect(0, 0, 300, 30));
        bar.label->SetTitleText(QStringLiteral("Camera"));
        QCOMPARE(bar.label->TitleText(), QStringLiteral("Camera"));
        const auto ink = bar.inkColumns();
        QVERIFY(ink.first >= 0);
        const int centre = (ink.first + ink.second) / 2;
        QVERIFY2(qAbs(centre - 199) <= 3, qPrintable(QString::number(centre)));
    }

    void labelTextIsNotDrawnButTheTitleIs()
    {
        TitleBar bar(QRect(0, 0, 300, 30));
        bar.label->setText(QStringLiteral("Ignored"));
        QCOMPARE(bar.inkColumns().first, -1);
    }

    void emptyTitleDrawsNotEvenTheFrame()
    {
        TitleBar bar(QRect(50, 0, 300, 30));
        bar.label->setFrameStyle(QFrame::Box | QFrame::Plain);
        bar.label->setLineWidth(2);
        QCOMPARE(bar.inkColumns().first, -1);
        bar.label->SetTitleText(QStringLiteral("x"));
        QCOMPARE(bar.inkColumns().first, 50);        // now the frame is drawn too
    }
};

QTEST_MAIN(tst_WindowTitleLabel)
#include "tst_windowtitlelabel.moc"
