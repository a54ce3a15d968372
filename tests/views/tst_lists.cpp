#include "KitraTest.h"

#include "ZtHorScrollBar.h"
#include "ZtListView.h"
#include "ZtListWidget.h"
#include "ZtScrollBar.h"
#include "ZtVerScrollBar.h"

#include <QStringListModel>

using namespace ZtGUI;

class tst_Lists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // A style sheet reaches the views' bars by their class names; Qt's own bars are left alone.
    void viewsScrollWithTheLibraryBars()
    {
        QCOMPARE(ZtHorScrollBar().orientation(), Qt::Horizontal);
        QCOMPARE(ZtVerScrollBar().orientation(), Qt::Vertical);
        QCOMPARE(ZtScrollBar(Qt::Horizontal).orientation(), Qt::Horizontal);
        QWidget host;
        host.setStyleSheet(QStringLiteral("ZtGUI--ZtVerScrollBar { width: 23px; background: rgb(10, 200, 30); }"
                                          "ZtGUI--ZtHorScrollBar { height: 17px; }"));
        QStringList rows;
        for (int i = 0; i < 100; ++i)
            rows << QStringLiteral("A long enough row to need horizontal scrolling %1").arg(i);
        auto* view = new ZtListView(&host);
        view->setModel(new QStringListModel(rows, &host));
        auto* widget = new ZtListWidget(&host);
        auto* plain = new QListWidget(&host);
        auto* layout = new QHBoxLayout(&host);
        for (QWidget* list : QList<QWidget*>{view, widget, plain})
            layout->addWidget(list);
        widget->addItems(rows);
        plain->addItems(rows);
        host.resize(600, 200);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        for (QAbstractScrollArea* area : QList<QAbstractScrollArea*>{view, widget}) {
            QTRY_COMPARE(area->verticalScrollBar()->width(), 23);
            QCOMPARE(area->horizontalScrollBar()->height(), 17);
            const QImage bar = area->verticalScrollBar()->grab().toImage();
            QCOMPARE(QColor(bar.pixel(bar.width() / 2, bar.height() - 3)), QColor(10, 200, 30));
        }
        QVERIFY(plain->verticalScrollBar()->width() != 23);
        widget->scrollToBottom();
        QVERIFY(widget->verticalScrollBar()->maximum() > 0);
        QCOMPARE(widget->verticalScrollBar()->value(), widget->verticalScrollBar()->maximum());
        QVERIFY(widget->viewport()->rect().intersects(widget->visualItemRect(widget->item(99))));
    }
};

QTEST_MAIN(tst_Lists)
#include "tst_lists.moc"
