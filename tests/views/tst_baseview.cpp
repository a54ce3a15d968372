#include "KitraTest.h"

#include "ZtBaseView.h"
#include "ZtBaseViewItemDelegate.h"

#include <QStandardItemModel>

using namespace ZtGUI;
using Role = struTreeViewData::ZtItemDataRole;

static QString cellName(const QModelIndex& i) { return QStringLiteral("%1,%2").arg(i.row()).arg(i.column()); }

// A host's delegate, declared outside the library's namespace, that logs what the view routes to it
// and whether the option covers the cell (so that a delegate can hit-test what it drew there).
class RecordingDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    RecordingDelegate(QStringList* log, Role answer, QObject* parent)
        : QStyledItemDelegate(parent), m_log(log), m_answer(answer) {}

    Q_INVOKABLE ZtGUI::struTreeViewData::ZtItemDataRole mouseEvent(QMouseEvent* event, QAbstractItemView* view,
                                                                   const QStyleOptionViewItem& option,
                                                                   const QModelIndex& index)
    {
        record(event, view, option, index);
        return m_answer;
    }
    Q_INVOKABLE void hoverEvent(QHoverEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
    {
        record(event, view, option, index);
    }

private:
    void record(const QEvent* event, const QAbstractItemView* view, const QStyleOptionViewItem& option,
                const QModelIndex& index) const
    {
        static const QHash<int, QString> names{{QEvent::MouseButtonPress, "press"}, {QEvent::MouseButtonRelease, "release"},
                                               {QEvent::HoverMove, "hover"}, {QEvent::MouseButtonDblClick, "double"}};
        *m_log << names.value(event->type(), "other") + ' ' + cellName(index)
                      + (option.rect == view->visualRect(index) ? "" : " (wrong rectangle)");
    }

    QStringList* const m_log;
    const Role m_answer;
};

// A shown view over 4 x 2 cells whose signals are logged, with the delegate's calls, in one list.
struct Fixture
{
    QStandardItemModel model{4, 2};
    QPointer<ZtBaseView> view = new ZtBaseView;
    QStringList log;

    Fixture()
    {
        view->setModel(&model);
        view->resize(320, 240);
        view->show();
        QObject::connect(view, qOverload<const QModelIndex&>(&ZtBaseView::SignalClicked),
                         [this](const QModelIndex& i) { log << "clicked " + cellName(i); });
        QObject::connect(view, qOverload<const QModelIndex&, int>(&ZtBaseView::SignalClicked),
                         [this](const QModelIndex& i, int b) { log << QString("clicked %1 button %2").arg(cellName(i)).arg(b); });
        QObject::connect(view, &ZtBaseView::SignalPixmapClicked,
                         [this](const QModelIndex& i, Role role) { log << QString("image %1 %2").arg(cellName(i)).arg(role); });
    }
    ~Fixture() { delete view; }

    void record(Role answer) { view->setItemDelegate(new RecordingDelegate(&log, answer, view)); }
    QPoint at(int row, int column) const
    {
        return row < 0 ? QPoint(40, view->viewport()->height() - 5)
                       : view->visualRect(model.index(row, column)).center();
    }
};

class tst_BaseView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void inputIsRoutedAndReported_data()
    {
        QTest::addColumn<QString>("input");         // led by "library" or "plain": that delegate, else a recording one
        QTest::addColumn<int>("row");               // -1: the empty space below the rows
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("expected");
        const int none = struTreeViewData::NoneRole, image1 = struTreeViewData::Pixmap1Role;
        const QString pressed = "press 1,1; release 1,1; ", clicked = "clicked 1,1; clicked 1,1 button 1";
        QTest::newRow("image in a cell") << "click" << 1 << image1 + 1 << pressed + clicked + "; image 1,1 437";
        QTest::newRow("right button") << "right" << 0 << image1 + 4
                                      << "press 0,1; release 0,1; clicked 0,1; clicked 0,1 button 2; image 0,1 440";
        QTest::newRow("empty space") << "click" << -1 << none
                                     << "press -1,-1; release -1,-1; clicked -1,-1; clicked -1,-1 button 1";
        QTest::newRow("double click") << "double" << 1 << none << pressed + clicked + "; double 1,1; release 1,1; " + clicked;
        // Disabled, the delegate still sees the mouse, the host hears of no release.
        QTest::newRow("disabled view") << "disabled" << 1 << image1 << pressed + "hover 2,1";
        // Signals after a slot removed the row carry an invalid index.
        QTest::newRow("row removed by a slot") << "remove" << 1 << image1
                                               << pressed + "clicked 1,1; clicked -1,-1 button 1; image -1,-1 436";
        QTest::newRow("library delegate") << "library click" << 1 << 0 << clicked;
        QTest::newRow("delegate without the methods") << "plain click" << 1 << 0 << clicked;
        // A host deletes the view from a slot of each signal in turn: nothing follows.
        QTest::newRow("deleted from SignalClicked") << "delete 0" << 1 << image1 << pressed + "clicked 1,1";
        QTest::newRow("deleted from SignalClicked with button") << "delete 1" << 1 << image1 << pressed + clicked;
        QTest::newRow("deleted from SignalPixmapClicked") << "delete 2" << 1 << image1 << pressed + clicked + "; image 1,1 436";
    }
    void inputIsRoutedAndReported()
    {
        QFETCH(QString, input);
        QFETCH(int, row);
        QFETCH(int, answer);
        Fixture f;
        if (input.startsWith("plain"))
            f.view->setItemDelegate(new QStyledItemDelegate(f.view));
        else if (!input.startsWith("library"))
            f.record(Role(answer));
        if (input == QLatin1String("remove"))
            connect(f.view, qOverload<const QModelIndex&>(&ZtBaseView::SignalClicked),
                    [&f](const QModelIndex& index) { f.model.removeRow(index.row()); });
        int heard = 0;
        const auto kill = [&f, &heard, &input] {
            if (input == QStringLiteral("delete %1").arg(heard++))
                delete f.view;
        };
        connect(f.view, qOverload<const QModelIndex&>(&ZtBaseView::SignalClicked), kill);
        connect(f.view, qOverload<const QModelIndex&, int>(&ZtBaseView::SignalClicked), kill);
        connect(f.view, &ZtBaseView::SignalPixmapClicked, kill);
        f.view->setEnabled(input != QLatin1String("disabled"));
        QWidget* const viewport = f.view->viewport();
        if (input == QLatin1String("double"))
            KitraTest::doubleClick(viewport, f.at(row, 1));
        else
            KitraTest::click(viewport, f.at(row, 1), input == "right" ? Qt::RightButton : Qt::LeftButton);
        if (input == QLatin1String("disabled"))
            KitraTest::move(viewport, f.at(2, 1), Qt::NoButton);
        QTEST(f.log.join("; "), "expected");
        QCOMPARE(f.view.isNull(), input.startsWith("delete"));
    }

    void gridLinesFollowTheirFlags()
    {
        Fixture f;
        const QRect cell = f.view->visualRect(f.model.index(1, 0));
        const QPoint under(cell.center().x(), cell.bottom()), between(cell.right(), cell.center().y());
        QStringList seen;
        for (const int hidden : {0, 1, 2, 3}) {        // bit 1: the lines under rows, bit 0: between columns
            f.view->SetHorizontalGridVisible(!(hidden & 2));
            f.view->SetVerizontalGridVisible(!(hidden & 1));
            const QImage image = f.view->viewport()->grab().toImage();
            const QRgb background = image.pixel(cell.center());
            seen << QStringList{image.pixel(under) != background ? "under rows" : "",
                                image.pixel(between) != background ? "between columns" : ""}.join('|');
        }
        QCOMPARE(seen, (QStringList{"under rows|between columns", "under rows|", "|between columns", "|"}));
    }

    void columnFollowsItsContentsAfterChanges()
    {
        const auto text = [](int length) { return QString(length, QLatin1Char('W')); };
        QStandardItemModel model;
        auto* parent = new QStandardItem("parent");
        parent->appendRow(new QStandardItem(text(60)));
        model.appendRow({parent, new QStandardItem("x")});
        model.appendRow(new QStandardItem("short"));
        ZtBaseView view;
        view.header()->setStretchLastSection(false);
        view.setModel(&model);
        view.SetColumnResizeToContents(0);
        const auto fits = [&view] { return static_cast<QAbstractItemView&>(view).sizeHintForColumn(0); };
        QTRY_COMPARE(view.columnWidth(0), fits());
        // A row inserted, a text changed, the longest row removed, a parent expanded.
        const std::function<void()> changes[] = {[&] { model.appendRow(new QStandardItem(text(30))); },
                                                 [&] { model.item(1)->setText(text(45)); }, [&] { model.removeRow(1); },
                                                 [&] { view.expand(parent->index()); }};
        for (const auto& change : changes) {
            const int before = view.columnWidth(0);
            change();
            QCOMPARE(view.columnWidth(0), before);              // not at once: after a short delay
            QTRY_VERIFY(view.columnWidth(0) != before);
            QCOMPARE(view.columnWidth(0), fits());
        }
    }

    void toolTipShowsTheCellTextWrapped()
    {
        const auto numbers = [](int from) {
            QString text;
            for (int i = from; i < from + 40; ++i)
                text += QStringLiteral("%1-").arg(i);
            return text;
        };
        Fixture f;
        f.model.setData(f.model.index(0, 0), QStringLiteral("short"));
        f.model.setData(f.model.index(0, 0), numbers(1000), Qt::ToolTipRole);    // before the display text
        f.model.setData(f.model.index(1, 0), numbers(2000));
        for (const auto& [row, text] : {std::pair(0, numbers(1000)), {1, numbers(2000)}}) {
            const QPoint pos = f.at(row, 0);
            QHelpEvent help(QEvent::ToolTip, pos, f.view->viewport()->mapToGlobal(pos));
            QApplication::sendEvent(f.view->viewport(), &help);
            QTRY_COMPARE(QToolTip::text().remove(QLatin1Char('\n')), text);
            // A line ends with the character that makes it reach 500 pixels.
            const QString first = QToolTip::text().section(QLatin1Char('\n'), 0, 0);
            QVERIFY(f.view->fontMetrics().horizontalAdvance(first) >= 500);
            QVERIFY(f.view->fontMetrics().horizontalAdvance(first.chopped(1)) < 500);
        }
        QToolTip::hideText();
    }

    void valueTypesAreKnownByTheirNames()
    {
        const auto typeNamed = [](const char* name) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            return QMetaType::fromName(name).id();
#else
            return QMetaType::type(name);
#endif
        };
        QCOMPARE(typeNamed("struTreeViewData::ZtItemDataRole"), qMetaTypeId<Role>());
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)     // Qt 6 names a type after its declaration
        QCOMPARE(QVariant::fromValue(struTreeViewData::Pixmap1Role).typeName(), "struTreeViewData::ZtItemDataRole");
#endif
        // The spelling of signal signatures names the same type.
        QCOMPARE(typeNamed("ZtGUI::struTreeViewData::ZtItemDataRole"), qMetaTypeId<Role>());
        QCOMPARE(typeNamed("ZtGUI::ItemPixmapValue"), qMetaTypeId<ItemPixmapValue>());
        QCOMPARE(typeNamed("QList<ZtGUI::ZtVariantMap>"), qMetaTypeId<QList<ZtVariantMap>>());
        // A plain map converts to a slot's value.
        const QMap<int, QVariant> map{{ItemPixmapValue::NormalKey, QPixmap(4, 4)}};
        const ItemPixmapValue value = map;
        QCOMPARE(QVariant::fromValue(value).typeName(), "ZtGUI::ItemPixmapValue");
    }
};

QTEST_MAIN(tst_BaseView)
#include "tst_baseview.moc"
