#include "KitraTest.h"

#include "ZtBaseView.h"
#include "ZtHeaderView.h"

#include <QStandardItemModel>
#include <functional>

using namespace ZtGUI;

namespace {

// A table of names whose rows carry check boxes given as "0", "1", "2" per row, under a header
// whose first section shows the check-all box.
struct Table
{
    QStandardItemModel model{0, 2};
    QPointer<ZtBaseView> view = new ZtBaseView;
    ZtHeaderView* header = nullptr;

    Table(const QString& rows, int headerState, bool checkable = true, int checkedCount = -1)
    {
        for (const QChar state : rows)
            model.appendRow({checkRow(Qt::CheckState(state.digitValue())), new QStandardItem("camera")});
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("Name"));
        model.setHeaderData(0, Qt::Horizontal, headerState, Qt::CheckStateRole);
        model.setHeaderData(0, Qt::Horizontal, checkable, struTreeViewData::HeaderCheckableRole);
        if (checkedCount >= 0)
            model.setHeaderData(0, Qt::Horizontal, checkedCount, struTreeViewData::HeaderCheckedCountRole);
        view->setRootIsDecorated(false);
        view->setModel(&model);
        view->resize(400, 300);
        view->show();
        header = qobject_cast<ZtHeaderView*>(view->header());
    }
    ~Table() { delete view; }

    static QStandardItem* checkRow(Qt::CheckState state)
    {
        auto* item = new QStandardItem(QStringLiteral("Gate"));
        item->setCheckable(true);
        item->setCheckState(state);
        return item;
    }
    QString rows() const
    {
        QString states;
        for (int row = 0; row < model.rowCount(); ++row)
            states += QString::number(model.item(row)->checkState());
        return states;
    }
    int headerState() const { return model.headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(); }

    // Where a check box is drawn: the centre of the pixels that change when it is ticked.
    static QPoint tickCentre(QWidget* widget, const std::function<void(int)>& setState, int restore)
    {
        setState(Qt::Unchecked);
        const QImage off = widget->grab().toImage();
        setState(Qt::Checked);
        const QImage on = widget->grab().toImage();
        setState(restore);
        QRect changed;
        for (int y = 0; y < on.height(); ++y)
            for (int x = 0; x < on.width(); ++x)
                changed |= on.pixel(x, y) != off.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
        return changed.center();
    }
    QPoint headerBox()
    {
        return tickCentre(header->viewport(), [this](int state) {
            model.setHeaderData(0, Qt::Horizontal, state, Qt::CheckStateRole);
        }, headerState());
    }
    QPoint rowBox(int row)
    {
        QStandardItem* item = model.item(row);
        return tickCentre(view->viewport(), [item](int state) { item->setCheckState(Qt::CheckState(state)); },
                          item->checkState());
    }
};

} // namespace

class tst_HeaderView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void boxFollowsTheRows_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("checkedCount");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("reports");
        QTest::newRow("last unchecked row clicked") << "22220" << 1 << -1 << "click 4" << 2 << 1;
        QTest::newRow("one row unchecked by click") << "22222" << 2 << -1 << "click 2" << 1 << 1;
        QTest::newRow("first row checked by click") << "00000" << 0 << -1 << "click 0" << 1 << 1;
        QTest::newRow("still partly checked") << "22000" << 1 << -1 << "click 2" << 1 << 0;
        QTest::newRow("checked count reached") << "22000" << 1 << 3 << "click 2" << 2 << 1;
        QTest::newRow("checked count passed") << "22200" << 2 << 3 << "click 3" << 1 << 1;
        QTest::newRow("unchecked row removed") << "22220" << 1 << -1 << "remove 4" << 2 << 1;
        QTest::newRow("unchecked row added") << "22222" << 2 << -1 << "add" << 1 << 1;
        QTest::newRow("all rows removed") << "22222" << 2 << -1 << "clear" << 0 << 1;
    }

    void boxFollowsTheRows()
    {
        QFETCH(QString, rows);
        QFETCH(int, before);
        QFETCH(int, checkedCount);
        QFETCH(QString, change);
        QFETCH(int, after);
        QFETCH(int, reports);
        Table t(rows, before, true, checkedCount);
        const int row = change.section(' ', 1).toInt();
        const QPoint box = change.startsWith("click") ? t.rowBox(row) : QPoint();
        QCOMPARE(t.headerState(), before);
        QSignalSpy spy(t.header, &ZtHeaderView::SignalCheckStateChanged);

        if (change.startsWith("click"))
            KitraTest::click(t.view->viewport(), box);
        else if (change.startsWith("remove"))
            t.model.removeRow(row);
        else if (change == QLatin1String("add"))
            t.model.appendRow(Table::checkRow(Qt::Unchecked));
        else
            t.model.removeRows(0, t.model.rowCount());
        QCOMPARE(t.headerState(), after);
        QCOMPARE(spy.count(), reports);
        if (reports)
            QCOMPARE(spy.first().first().value<Qt::CheckState>(), Qt::CheckState(after));
    }

    void clickOnTheBoxSetsEveryRow_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("autoChange");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<QString>("after");
        QTest::newRow("all checked") << "22222" << 2 << true
                                     << QStringList{"head 0 over 22222", "state 0"} << "00000";
        QTest::newRow("partly checked") << "20200" << 1 << true
                                        << QStringList{"head 2 over 20200", "state 2"} << "22222";
        QTest::newRow("none checked") << "00000" << 0 << true
                                      << QStringList{"head 2 over 00000", "state 2"} << "22222";
        QTest::newRow("rows left to the host") << "22222" << 2 << false
                                               << QStringList{"head 0 over 22222"} << "22222";
    }

    void clickOnTheBoxSetsEveryRow()
    {
        QFETCH(QString, rows);
        QFETCH(int, before);
        QFETCH(bool, autoChange);
        QFETCH(QStringList, reports);
        QFETCH(QString, after);
        Table t(rows, before);
        t.header->SetAutoChangeCheckbox(autoChange);
        const QPoint box = t.headerBox();
        QStringList log;
        connect(t.header, &ZtHeaderView::SignalHeadClicked, [&](Qt::CheckState state) {
            log << QStringLiteral("head %1 over %2").arg(state).arg(t.rows());
        });
        connect(t.header, &ZtHeaderView::SignalCheckStateChanged, [&](Qt::CheckState state) {
            log << QStringLiteral("state %1").arg(state);
        });
        QSignalSpy sections(t.header, &QHeaderView::sectionClicked);
        KitraTest::click(t.header->viewport(), box);
        QCOMPARE(log, reports);
        QCOMPARE(t.rows(), after);
        QCOMPARE(sections.count(), 0);
    }

    void otherClicksGoToTheSections_data()
    {
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("boxClickedFirst");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("section");
        QTest::newRow("beside the box") << true << false << "beside" << 0;
        QTest::newRow("next section, after a click on the box") << true << true << "next" << 1;
        QTest::newRow("on a box that is not checkable") << false << false << "box" << 0;
    }

    void otherClicksGoToTheSections()
    {
        QFETCH(bool, checkable);
        QFETCH(bool, boxClickedFirst);
        QFETCH(QString, target);
        QFETCH(int, section);
        Table t("2020", 1, checkable);
        t.view->setSortingEnabled(true);
        const QPoint box = t.headerBox();
        if (boxClickedFirst)
            KitraTest::click(t.header->viewport(), box);
        QSignalSpy heads(t.header, &ZtHeaderView::SignalHeadClicked);
        QSignalSpy sections(t.header, &QHeaderView::sectionClicked);
        const QString rows = t.rows();
        const Qt::SortOrder order = t.header->sortIndicatorOrder();
        const QPoint at = target == QLatin1String("box") ? box
            : target == QLatin1String("beside")          ? box + QPoint(60, 0)
                                                         : QPoint(t.header->sectionViewportPosition(1) + 30, box.y());
        KitraTest::click(t.header->viewport(), at);
        QCOMPARE(heads.count(), 0);
        QCOMPARE(sections.count(), 1);
        QCOMPARE(sections.first().first().toInt(), section);
        // Sorted by that section, or the other way round when it was sorted already.
        QVERIFY(t.header->sortIndicatorSection() == section
                && (section != 0 || t.header->sortIndicatorOrder() != order));
        QCOMPARE(t.rows(), rows);
    }

    void hostMayDeleteTheViewFromHeaderSignals_data()
    {
        QTest::addColumn<bool>("fromHeadClicked");
        QTest::newRow("SignalHeadClicked") << true;
        QTest::newRow("SignalCheckStateChanged") << false;
    }

    void hostMayDeleteTheViewFromHeaderSignals()
    {
        QFETCH(bool, fromHeadClicked);
        Table t("0202", 1);
        const QPoint box = t.headerBox();
        ZtBaseView* view = t.view;
        const auto kill = [view] { delete view; };
        if (fromHeadClicked)
            connect(t.header, &ZtHeaderView::SignalHeadClicked, kill);
        else
            connect(t.header, &ZtHeaderView::SignalCheckStateChanged, kill);
        KitraTest::click(t.header->viewport(), box);
        QVERIFY(t.view.isNull());
        QCOMPARE(t.rows(), fromHeadClicked ? QString("0202") : QString("2222"));
    }

    void sectionWidthsComeFromTheModel()
    {
        QStandardItemModel model(2, 4);
        model.setHeaderData(0, Qt::Horizontal, 180u, struTreeViewData::HeaderSectionWidthRole);
        model.setHeaderData(1, Qt::Horizontal, 64u, struTreeViewData::HeaderSectionWidthRole);
        ZtBaseView view;
        const int defaultWidth = view.header()->defaultSectionSize();
        view.setModel(&model);
        QCOMPARE(view.header()->sectionSize(0), 180);
        QCOMPARE(view.header()->sectionSize(1), 64);
        QCOMPARE(view.header()->sectionSize(2), defaultWidth);
    }
};

QTEST_MAIN(tst_HeaderView)
#include "tst_headerview.moc"
