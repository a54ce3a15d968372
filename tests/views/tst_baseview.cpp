#include "KitraTest.h"

#include "ZtBaseView.h"
#include "ZtBaseViewItemDelegate.h"

#include <QStandardItemModel>

using namespace ZtGUI;
using Role = struTreeViewData::ZtItemDataRole;

namespace {
QString cellName(const QModelIndex& index)
{
    return QStringLiteral("%1,%2").arg(index.row()).arg(index.column());
}
} // namespace

// A host's delegate, declared outside the library's namespace, that logs what the view routes to it.
class RecordingDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    RecordingDelegate(QStringList* log, QObject* parent) : QStyledItemDelegate(parent), m_log(log) {}

    Q_INVOKABLE ZtGUI::struTreeViewData::ZtItemDataRole mouseEvent(QMouseEvent* event, QAbstractItemView* view,
                                                                   const QStyleOptionViewItem& option,
                                                                   const QModelIndex& index)
    {
        record(event->type(), view, option, index);
        return answer;
    }
    Q_INVOKABLE void hoverEvent(QHoverEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
    {
        record(event->type(), view, option, index);
    }

    Role answer = struTreeViewData::NoneRole;

private:
    void record(QEvent::Type type, QAbstractItemView* view, const QStyleOptionViewItem& option,
                const QModelIndex& index)
    {
        static const QHash<int, QString> names{{QEvent::MouseButtonPress, "press"}, {QEvent::MouseButtonRelease, "release"},
                                               {QEvent::MouseButtonDblClick, "double"}, {QEvent::HoverMove, "hover"}};
        // The option covers the cell, so that a delegate can hit-test what it drew there.
        const bool fits = option.rect == view->visualRect(index);
        *m_log << names.value(type, "other") + ' ' + cellName(index) + (fits ? "" : " (wrong rectangle)");
    }

    QStringList* m_log;
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
        QObject::connect(view, qOverload<const QModelIndex&, int>(&ZtBaseView::SignalClicked), [this](const QModelIndex& i, int b) {
            log << QStringLiteral("clicked %1 button %2").arg(cellName(i)).arg(b);
        });
        QObject::connect(view, &ZtBaseView::SignalPixmapClicked, [this](const QModelIndex& i, Role role) {
            log << QStringLiteral("image %1 %2").arg(cellName(i)).arg(role);
        });
    }
    ~Fixture() { delete view; }

    RecordingDelegate* recordingDelegate(Role answer = struTreeViewData::NoneRole)
    {
        auto* delegate = new RecordingDelegate(&log, view);
        delegate->answer = answer;
        view->setItemDelegate(delegate);
        return delegate;
    }
    QPoint at(int row, int column) const
    {
        return row < 0 ? QPoint(40, view->viewport()->height() - 5) : view->visualRect(model.index(row, column)).center();
    }
};

class tst_BaseView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void releaseIsRoutedAndReported_data()
    {
        QTest::addColumn<QString>("delegate");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected");
        const int left = Qt::LeftButton;
        QTest::newRow("cell without image") << "recording" << 1 << left << int(struTreeViewData::NoneRole)
            << QStringList{"press 1,1", "release 1,1", "clicked 1,1", "clicked 1,1 button 1"};
        QTest::newRow("image in a cell") << "recording" << 2 << left << int(struTreeViewData::Pixmap2Role)
            << QStringList{"press 2,1", "release 2,1", "clicked 2,1", "clicked 2,1 button 1", "image 2,1 437"};
        QTest::newRow("right button") << "recording" << 0 << int(Qt::RightButton) << int(struTreeViewData::Pixmap5Role)
            << QStringList{"press 0,1", "release 0,1", "clicked 0,1", "clicked 0,1 button 2", "image 0,1 440"};
        QTest::newRow("empty space") << "recording" << -1 << left << int(struTreeViewData::NoneRole)
            << QStringList{"press -1,-1", "release -1,-1", "clicked -1,-1", "clicked -1,-1 button 1"};
        QTest::newRow("library delegate") << "library" << 1 << left << 0 << QStringList{"clicked 1,1", "clicked 1,1 button 1"};
        QTest::newRow("delegate without the methods") << "plain" << 1 << left << 0
            << QStringList{"clicked 1,1", "clicked 1,1 button 1"};
    }

    void releaseIsRoutedAndReported()
    {
        QFETCH(QString, delegate);
        QFETCH(int, row);
        QFETCH(int, button);
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        Fixture f;
        if (delegate == QLatin1String("recording"))
            f.recordingDelegate(Role(answer));
        else if (delegate == QLatin1String("plain"))
            f.view->setItemDelegate(new QStyledItemDelegate(f.view));
        KitraTest::click(f.view->viewport(), f.at(row, 1), Qt::MouseButton(button));
        QCOMPARE(f.log, expected);
    }

    void doubleClickIsRoutedToo()
    {
        Fixture f;
        f.recordingDelegate();
        KitraTest::doubleClick(f.view->viewport(), f.at(3, 0));
        QCOMPARE(f.log.mid(4), (QStringList{"double 3,0", "release 3,0", "clicked 3,0", "clicked 3,0 button 1"}));
    }

    void disabledViewRoutesButReportsNoRelease()
    {
        Fixture f;
        f.recordingDelegate(struTreeViewData::Pixmap1Role);
        f.view->setEnabled(false);
        KitraTest::click(f.view->viewport(), f.at(1, 0));
        KitraTest::move(f.view->viewport(), f.at(2, 0), Qt::NoButton);
        QCOMPARE(f.log, (QStringList{"press 1,0", "release 1,0", "hover 2,0"}));
    }

    void hostMayDeleteTheViewFromItsSignals_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SignalClicked") << 0;
        QTest::newRow("SignalClicked with button") << 1;
        QTest::newRow("SignalPixmapClicked") << 2;
    }

    void hostMayDeleteTheViewFromItsSignals()
    {
        QFETCH(int, signal);
        Fixture f;
        f.recordingDelegate(struTreeViewData::Pixmap3Role);
        ZtBaseView* view = f.view;
        const auto kill = [view] { delete view; };
        if (signal == 0)
            connect(view, qOverload<const QModelIndex&>(&ZtBaseView::SignalClicked), kill);
        else if (signal == 1)
            connect(view, qOverload<const QModelIndex&, int>(&ZtBaseView::SignalClicked), kill);
        else
            connect(view, &ZtBaseView::SignalPixmapClicked, kill);
        KitraTest::click(view->viewport(), f.at(1, 0));
        QVERIFY(f.view.isNull());
        QCOMPARE(f.log.size(), 3 + signal);     // press, release, then the signals up to the deleting one
    }

    void rowRemovedFromASlotLeavesTheLaterSignalsAnInvalidIndex()
    {
        Fixture f;
        f.recordingDelegate(struTreeViewData::Pixmap1Role);
        connect(f.view, qOverload<const QModelIndex&>(&ZtBaseView::SignalClicked),
                [&f](const QModelIndex& index) { f.model.removeRow(index.row()); });
        KitraTest::click(f.view->viewport(), f.at(1, 0));
        QCOMPARE(f.log.mid(2), (QStringList{"clicked 1,0", "clicked -1,-1 button 1", "image -1,-1 436"}));
    }

    void gridLinesFollowTheirFlags_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("both") << true << true;
        QTest::newRow("under rows") << true << false;
        QTest::newRow("between columns") << false << true;
        QTest::newRow("none") << false << false;
    }

    void gridLinesFollowTheirFlags()
    {
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        Fixture f;
        f.view->SetHorizontalGridVisible(horizontal);
        f.view->SetVerizontalGridVisible(vertical);
        const QImage image = f.view->viewport()->grab().toImage();
        const QRect cell = f.view->visualRect(f.model.index(1, 0));
        const QRgb background = image.pixel(cell.center());
        QCOMPARE(image.pixel(cell.center().x(), cell.bottom()) != background, horizontal);
        QCOMPARE(image.pixel(f.view->columnViewportPosition(1) - 1, cell.center().y()) != background, vertical);
    }

    void columnFollowsItsContentsAfterChanges_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("row inserted") << "insert";
        QTest::newRow("text changed") << "edit";
        QTest::newRow("long row removed") << "remove";
        QTest::newRow("parent expanded") << "expand";
    }

    void columnFollowsItsContentsAfterChanges()
    {
        QFETCH(QString, change);
        const QString longText(60, QLatin1Char('W'));
        QStandardItemModel model;
        auto* parent = new QStandardItem("parent");
        parent->appendRow(new QStandardItem(longText));
        model.appendRow({parent, new QStandardItem("x")});
        model.appendRow(new QStandardItem(change == QLatin1String("remove") ? longText : QStringLiteral("short")));
        ZtBaseView view;
        view.header()->setStretchLastSection(false);
        view.setModel(&model);
        view.SetColumnResizeToContents(0);
        const auto contentsWidth = [&view] { return static_cast<QAbstractItemView&>(view).sizeHintForColumn(0); };
        QTRY_COMPARE(view.columnWidth(0), contentsWidth());
        const int before = view.columnWidth(0);

        if (change == QLatin1String("insert"))
            model.appendRow(new QStandardItem(longText));
        else if (change == QLatin1String("edit"))
            model.item(1)->setText(longText);
        else if (change == QLatin1String("remove"))
            model.removeRow(1);
        else
            view.expand(parent->index());
        QCOMPARE(view.columnWidth(0), before);              // not at once: after a short delay
        QTRY_VERIFY(view.columnWidth(0) != before);
        QCOMPARE(view.columnWidth(0), contentsWidth());
    }

    void toolTipShowsTheCellTextWrapped_data()
    {
        QTest::addColumn<int>("role");
        QTest::newRow("tool tip role") << int(Qt::ToolTipRole);
        QTest::newRow("display text only") << int(Qt::DisplayRole);
    }

    void toolTipShowsTheCellTextWrapped()
    {
        QFETCH(int, role);
        QString text;
        for (int i = 0; i < 40; ++i)
            text += QStringLiteral("%1-").arg(1000 + i);
        Fixture f;
        f.model.setData(f.model.index(0, 0), QStringLiteral("short"));
        f.model.setData(f.model.index(0, 0), text, role);      // a tool tip comes before the display text
        const QPoint pos = f.at(0, 0);
        QHelpEvent help(QEvent::ToolTip, pos, f.view->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(f.view->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        const QStringList lines = QToolTip::text().split(QLatin1Char('\n'));
        QToolTip::hideText();
        QCOMPARE(lines.join(QString()), text);
        // A line ends with the character that makes it reach 500 pixels.
        QVERIFY(f.view->fontMetrics().horizontalAdvance(lines.first()) >= 500);
        QVERIFY(f.view->fontMetrics().horizontalAdvance(lines.first().chopped(1)) < 500);
    }

    void valueTypesAreKnownByTheirNames()
    {
        QCOMPARE(QMetaType::type("struTreeViewData::ZtItemDataRole"), qMetaTypeId<Role>());
        QCOMPARE(QMetaType::type("ZtGUI::ItemPixmapValue"), qMetaTypeId<ItemPixmapValue>());
        QCOMPARE(QMetaType::type("QList<ZtGUI::ZtVariantMap>"), qMetaTypeId<QList<ZtVariantMap>>());
    }
};

QTEST_MAIN(tst_BaseView)
#include "tst_baseview.moc"
