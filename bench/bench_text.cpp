// Text helpers against what a host would write with bare Qt.
#include "CommonFun.h"
#include "ZtListWidget.h"

#include <QtTest>
#include <QTextLayout>

using namespace ZtGUI;

namespace {

// Drops the last character until the UTF-8 form fits: the obvious bare-Qt way.
QString naiveCut(QString s, int maxBytes)
{
    s.truncate(maxBytes);
    while (!s.isEmpty() && s.toUtf8().size() > maxBytes)
        s.chop(1);
    return s;
}

QString layoutWrap(const QFont& font, const QString& text, int width)
{
    QTextLayout layout(text, font);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines.join('\n');
}

} // namespace

class bench_Text : public QObject
{
    Q_OBJECT

private slots:
    void byteBudget_data()
    {
        QTest::addColumn<bool>("bare");
        QTest::addColumn<int>("repeat");
        for (int repeat : {10, 1000}) {
            QTest::addRow("kitra %d", repeat * 3) << false << repeat;
            QTest::addRow("bare Qt %d", repeat * 3) << true << repeat;
        }
    }
    void byteBudget()
    {
        QFETCH(bool, bare);
        QFETCH(int, repeat);
        const QString text = QString::fromUtf8("\xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97").repeated(repeat);
        const int budget = text.size() * 3 / 2;
        QString cut;
        QBENCHMARK { cut = bare ? naiveCut(text, budget) : CommonFun::GetUtf8ValidByteLenString(text, budget); }
        QCOMPARE(cut.size(), budget / 3);
    }

    void wrap_data()
    {
        QTest::addColumn<bool>("bare");
        QTest::newRow("kitra") << false;
        QTest::newRow("bare Qt") << true;
    }
    void wrap()
    {
        QFETCH(bool, bare);
        const QFont font = QApplication::font();
        const QFontMetrics metrics(font);
        const QString text = QStringLiteral("The operator opens a window on screen two of the wall. ").repeated(20);
        QString wrapped;
        QBENCHMARK { wrapped = bare ? layoutWrap(font, text, 300) : ConvertWarpText(metrics, text, 300); }
        QVERIFY(wrapped.count('\n') > 5);
    }

    void buildList_data()
    {
        QTest::addColumn<bool>("bare");
        QTest::newRow("kitra") << false;
        QTest::newRow("bare Qt") << true;
    }
    void buildList()
    {
        QFETCH(bool, bare);
        QBENCHMARK {
            QScopedPointer<QListWidget> list(bare ? new QListWidget : new ZtListWidget);
            for (int i = 0; i < 100; ++i)
                list->addItem(QString::number(i));
        }
    }
};

QTEST_MAIN(bench_Text)
#include "bench_text.moc"
