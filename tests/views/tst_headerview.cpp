#include "KitraTest.h"

#include "ZtBaseView.h"
#include "ZtHeaderView.h"

#include <QProxyStyle>
#include <QStandardItemModel>
#include <functional>

using namespace ZtGUI;

namespace {

// Where a check box is drawn: the centre of the pixels that change when it is ticked.
QPoint tickCentre(QWidget* widget, const std::function<void(int)>& setState, int restore)
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

// A shown table whose rows' check boxes are given as "0", "1", "2", under a matching check-all box.
struct Table
{
    QStandardItemModel model{0, 3};
    QPointer<ZtBaseView> view = new ZtBaseView;
    ZtHeaderView* header = nullptr;
    QPoint headerBox, boxInRow;     // the second from the top of a row

    explicit Table(const QString& rows, int checkedCount = -1, bool checkable = true)
    {
        for (const QChar state : rows)
            model.appendRow({checkRow(Qt::CheckState(state.digitValue())), new QStandardItem("camera")});
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("Name"));
        const int all = rows.contains('0') ? rows.contains('2') ? 1 : 0 : 2;
        model.setHeaderData(0, Qt::Horizontal, all, Qt::CheckStateRole);
        model.setHeaderData(0, Qt::Horizontal, checkable, struTreeViewData::HeaderCheckableRole);
        model.setHeaderData(1, Qt::Horizontal, 64u, struTreeViewData::HeaderSectionWidthRole);
        if (checkedCount >= 0)
            model.setHeaderData(0, Qt::Horizontal, checkedCount, struTreeViewData::HeaderCheckedCountRole);
        view->setRootIsDecorated(false);
        view->setModel(&model);
        view->resize(400, 300);
        view->show();
        header = qobject_cast<ZtHeaderView*>(view->header());
        const auto setHeader = [this](int state) { model.setHeaderData(0, Qt::Horizontal, state, Qt::CheckStateRole); };
        headerBox = tickCentre(header->viewport(), setHeader, headerState());
        const auto setFirst = [this](int state) { model.item(0)->setCheckState(Qt::CheckState(state)); };
        const int top = view->visualRect(model.index(0, 0)).top();
        boxInRow = tickCentre(view->viewport(), setFirst, model.item(0)->checkState()) - QPoint(0, top);
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
    QPoint rowBox(int row) const { return boxInRow + QPoint(0, view->visualRect(model.index(row, 0)).top()); }
};

QString describe(const QAccessibleInterface* box)
{
    return box->state().checked ? "checked" : box->state().checkStateMixed ? "mixed" : "unchecked";
}

// Keeps the font of every item a widget draws.
class FontRecorder : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element == CE_ItemViewItem)
            fonts << qstyleoption_cast<const QStyleOptionViewItem*>(option)->font;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QList<QFont> fonts;
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
        QTest::addColumn<int>("checkedCount");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("states");        // the box's state after each step
        QTest::addColumn<QString>("reported");      // its changes, as signalled
        QTest::newRow("rows change") << "22220" << -1
            << QStringList{"remove 4", "add", "click 4", "click 2", "click 0", "clear"} << "212110" << "21210";
        QTest::newRow("first row checked") << "00000" << -1 << QStringList{"click 0"} << "1" << "1";
        // That many checked rows count as all.
        QTest::newRow("checked count") << "22000" << 3 << QStringList{"click 2", "click 3"} << "21" << "21";
    }
    void boxFollowsTheRows()
    {
        QFETCH(QString, rows);
        QFETCH(int, checkedCount);
        QFETCH(QStringList, steps);
        Table t(rows, checkedCount);
        QString states, reported;
        connect(t.header, &ZtHeaderView::SignalCheckStateChanged,
                [&reported](Qt::CheckState state) { reported += QString::number(state); });
        for (const QString& step : steps) {
            const int row = step.section(' ', 1).toInt();
            if (step.startsWith("click"))
                KitraTest::click(t.view->viewport(), t.rowBox(row));
            else if (step.startsWith("remove"))
                t.model.removeRow(row);
            else if (step == QLatin1String("add"))
                t.model.appendRow(Table::checkRow(Qt::Unchecked));
            else
                t.model.removeRows(0, t.model.rowCount());
            states += QString::number(t.headerState());
        }
        QTEST(states, "states");
        QTEST(reported, "reported");
    }

    void clicksGoToTheBoxOrTheSections_data()
    {
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QString>("deleteFrom");        // a signal from whose slot the host deletes the view
        QTest::addColumn<QStringList>("clicks");        // "manual": on the box, the rows left to the host
        QTest::addColumn<QStringList>("expected");
        const QStringList boxClicks{"box", "box", "box", "manual"};
        // Partly checked, all checked, none checked; then the rows left to the host.
        QTest::newRow("box") << true << "" << boxClicks << QStringList{"head 2 over 20200", "state 2", "rows 22222",
                                                                       "head 0 over 22222", "state 0", "rows 00000",
                                                                       "head 2 over 00000", "state 2", "rows 22222",
                                                                       "head 0 over 22222", "rows 22222"};
        QTest::newRow("deleted from SignalHeadClicked") << true << "head" << boxClicks
                                                        << QStringList{"head 2 over 20200", "rows 20200"};
        QTest::newRow("deleted from SignalCheckStateChanged") << true << "state" << boxClicks
                                                              << QStringList{"head 2 over 20200", "state 2", "rows 22222"};
        // The first click sorts the other way round, the table being sorted by that section already.
        QTest::newRow("beside the box, the box, the next section") << true << "" << QStringList{"beside", "box", "next"}
            << QStringList{"section 0 sorted 0 ascending", "rows 20200", "head 2 over 20200", "state 2", "rows 22222",
                           "section 1 sorted 1 ascending", "rows 22222"};
        QTest::newRow("on a box that is not checkable") << false << "" << QStringList{"box"}
                                                        << QStringList{"section 0 sorted 0 ascending", "rows 20200"};
    }
    void clicksGoToTheBoxOrTheSections()
    {
        QFETCH(bool, checkable);
        QFETCH(QString, deleteFrom);
        QFETCH(QStringList, clicks);
        Table t("20200", -1, checkable);
        t.view->setSortingEnabled(true);
        QStringList log;
        const auto note = [&](const QString& line) {            // "head ..." or "state ..."
            log << line;
            if (line.startsWith(deleteFrom + ' '))
                delete t.view;
        };
        connect(t.header, &ZtHeaderView::SignalHeadClicked,
                [&](int state) { note(QStringLiteral("head %1 over %2").arg(state).arg(t.rows())); });
        connect(t.header, &ZtHeaderView::SignalCheckStateChanged, [&](int state) { note(QString("state %1").arg(state)); });
        connect(t.header, &QHeaderView::sectionClicked, [&](int section) {
            const bool ascending = t.header->sortIndicatorOrder() == Qt::AscendingOrder;
            log << QString("section %1 sorted %2 %3").arg(section).arg(t.header->sortIndicatorSection())
                       .arg(ascending ? "ascending" : "descending");
        });
        const QPoint next(t.header->sectionViewportPosition(1) + 30, t.headerBox.y());
        for (const QString& click : clicks) {
            if (!t.view)
                break;
            t.header->SetAutoChangeCheckbox(click != "manual");
            KitraTest::click(t.header->viewport(), click == "next" ? next : click == "beside" ? t.headerBox + QPoint(60, 0)
                                                                                                : t.headerBox);
            log << "rows " + t.rows();      // the names are all alike: sorting keeps the rows in place
        }
        QTEST(log, "expected");
        QCOMPARE(t.view.isNull(), !deleteFrom.isEmpty());
    }

    // The box's section in the header font; a width from the model, the default without one.
    void sectionsTakeTheirFontAndWidth()
    {
        FontRecorder style;
        Table t("20");
        t.header->setStyle(&style);
        t.header->viewport()->grab();
        QCOMPARE(style.fonts.size(), 1);        // the one section with a box
        const QFont font = style.fonts.first();
        QCOMPARE(QStringList({font.family(), QString::number(font.pointSize()), QString::number(font.weight())}),
                 (QStringList{"Microsoft YaHei", "9", QString::number(QFont::Bold)}));   // 75 on Qt 5's scale
        QCOMPARE(t.header->sectionSize(1), 64);
        QCOMPARE(t.header->sectionSize(0), t.header->defaultSectionSize());
    }

    void checkAllBoxForAssistiveTools_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("expected");      // the box as read, then what a toggle does
        const QStringList ticks{"head 2", "announced checked", "state 2", "rows 222"};
        QTest::newRow("none checked") << "000" << "Name" << QStringList{"unchecked Name"} + ticks;
        QTest::newRow("some checked, untitled") << "020" << "" << QStringList{"mixed Select all"} + ticks;
        QTest::newRow("all checked") << "222" << "Name"
                                     << QStringList{"checked Name", "head 0", "announced unchecked", "state 0", "rows 000"};
    }
    // A screen reader finds the painted box where it is drawn and toggles it as a click does.
    void checkAllBoxForAssistiveTools()
    {
        QFETCH(QString, rows);
        QFETCH(QString, title);
        Table t(rows);
        t.model.setHeaderData(0, Qt::Horizontal, title);
        t.view->move(120, 90);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(t.header)->child(0);
        QVERIFY(box && box->role() == QAccessible::CheckBox);
        QVERIFY(box->rect().contains(t.header->viewport()->mapToGlobal(t.headerBox)));
        QStringList log{describe(box) + ' ' + box->text(QAccessible::Name)};
        connect(t.header, &ZtHeaderView::SignalHeadClicked, [&log](int state) { log << QString("head %1").arg(state); });
        connect(t.header, &ZtHeaderView::SignalCheckStateChanged, [&log](int state) { log << QString("state %1").arg(state); });
        static QStringList announced;
        announced.clear();
        {
            const KitraTest::AccessibilityOn listening([](QAccessibleEvent* event) {
                const QAccessibleInterface* changed = event->accessibleInterface();
                if (event->type() == QAccessible::StateChanged && changed && changed->role() == QAccessible::CheckBox)
                    announced << "announced " + describe(changed);
            });
            box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
        log.insert(2, announced.value(0));
        QTEST(log << "rows " + t.rows(), "expected");
    }
};

QTEST_MAIN(tst_HeaderView)
#include "tst_headerview.moc"
