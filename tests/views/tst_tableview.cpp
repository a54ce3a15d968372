#include "KitraTest.h"

#include "ZtComboBox.h"
#include "ZtDateTimeEdit.h"
#include "ZtLineEdit.h"
#include "ZtTableView.h"
#include "ZtTableViewItemDelegate.h"
#include "ZtTableViewSvg.h"

#include <QStandardItemModel>
#include <QTemporaryDir>

using namespace ZtGUI;
using Role = struTreeViewData::ZtItemDataRole;

namespace {
QPixmap solid(const QColor& colour, int width = 16)
{
    QPixmap pixmap(width, 16);
    pixmap.fill(colour);
    return pixmap;
}

// A host fills a plain map and wraps it.
QVariant slotValue(const QVariantList& pictures, const QSize& size = {})
{
    QMap<int, QVariant> map;
    for (int key = 0; key < pictures.size(); ++key)
        if (pictures[key].isValid())
            map.insert(key, pictures[key]);
    if (size.isValid())
        map.insert(ItemPixmapValue::SizeKey, size);
    return QVariant::fromValue(ItemPixmapValue(std::move(map)));
}
} // namespace

// EditTriggerRole shares its number with QStandardItem's flags, so a host serves it from data().
class TableModel : public QStandardItemModel
{
public:
    using QStandardItemModel::QStandardItemModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == struTreeViewData::EditTriggerRole)
            return editTrigger.value(index.column());
        return QStandardItemModel::data(index, role);
    }
    QHash<int, QVariant> editTrigger;
};

// A shown table of 2 x 3 cells, the first column 200 pixels wide and rows 40 pixels high.
struct Table
{
    TableModel model{2, 3};
    QPointer<ZtTableView> view;

    explicit Table(ZtTableView* table = new ZtTableView) : view(table)
    {
        for (int row = 0; row < 2; ++row)
            model.setData(model.index(row, 0), 40, struTreeViewData::RowHeightRole);
        view->setModel(&model);
        view->header()->resizeSection(0, 200);
        view->resize(480, 200);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QCursor::setPos(0, 0);      // hover pictures follow the global cursor: keep it off the cells
    }
    ~Table() { delete view; }

    void set(int column, const QVariant& value, int role) { model.setData(model.index(0, column), value, role); }
    QWidget* viewport() const { return view->viewport(); }
    QPoint at(int x, int dy = 0, int column = 0) const      // in cell (0, column): x from its left, dy from its middle
    {
        const QRect cell = view->visualRect(model.index(0, column));
        return QPoint(cell.left() + x, cell.center().y() + dy);
    }
    QColor colourAt(const QPoint& pos) const { return viewport()->grab().toImage().pixelColor(pos); }
    QWidget* editor(int column) const { return view->indexWidget(model.index(0, column)); }
};

class tst_TableView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void imageUnderTheMouseIsClickedAndTipped_data()
    {
        // Images 16, 20, 16 wide in slots 1, 2, 4 (margin 15, space 4, cell 200): starts, then between two.
        QTest::addColumn<int>("alignment");         // -1: the role left empty
        QTest::addColumn<bool>("hollowThird");      // slot 3 holds a value without a normal picture
        QTest::addColumn<QVector<int>>("x");
        QTest::newRow("default") << -1 << false << QVector<int>{15, 34, 57, 32};
        QTest::newRow("right") << int(Qt::AlignRight) << false << QVector<int>{113, 132, 155, 130};
        QTest::newRow("centre") << int(Qt::AlignHCenter) << false << QVector<int>{55, 74, 97, 72};
        // On the left such a value still takes its place, with no width; elsewhere it is absent.
        QTest::newRow("left, hollow third") << int(Qt::AlignLeft) << true << QVector<int>{15, 34, 60, 32};
        QTest::newRow("right, hollow third") << int(Qt::AlignRight) << true << QVector<int>{113, 132, 155, 130};
    }
    void imageUnderTheMouseIsClickedAndTipped()
    {
        QFETCH(int, alignment);
        QFETCH(bool, hollowThird);
        QFETCH(QVector<int>, x);
        Table t;
        for (const int slot : {0, 1, 3})
            t.set(0, slotValue({solid(Qt::red, slot == 1 ? 20 : 16)}), struTreeViewData::Pixmap1Role + slot);
        if (hollowThird)
            t.set(0, slotValue({QVariant(), solid(Qt::green)}), struTreeViewData::Pixmap3Role);
        t.set(0, false, struTreeViewData::Pixmap2EnabledRole);     // disabled images hit-test all the same
        t.set(0, "Play", struTreeViewData::Pixmap1ToolTipRole);
        t.set(0, "Record", struTreeViewData::Pixmap2ToolTipRole);
        t.set(0, "Camera 1", Qt::ToolTipRole);
        if (alignment != -1)
            t.set(0, uint(alignment), struTreeViewData::PixmapAlignmentRole);
        QSignalSpy clicked(t.view.data(), &ZtBaseView::SignalPixmapClicked);
        QStringList seen;
        // The first and (low) the last column of each image; between two, above one, past the last.
        for (const QPoint& pos : {t.at(x[0]), t.at(x[0] + 15, 7), t.at(x[1]), t.at(x[1] + 19, 7), t.at(x[2]),
                                  t.at(x[2] + 15, 7), t.at(x[3]), t.at(x[0], -9), t.at(x[2] + 16)}) {
            clicked.clear();
            KitraTest::click(t.viewport(), pos);
            QHelpEvent help(QEvent::ToolTip, pos, t.viewport()->mapToGlobal(pos));
            QApplication::sendEvent(t.viewport(), &help);
            const int slot = clicked.isEmpty() ? 0 : clicked.at(0).at(1).value<Role>() - struTreeViewData::Pixmap1Role + 1;
            seen << (clicked.isEmpty() ? QString("none") : QString::number(slot)) + ' ' + QToolTip::text();
        }
        QToolTip::hideText();
        // A tip is found by x alone.
        QCOMPARE(seen, (QStringList{"1 Play", "1 Play", "2 Record", "2 Record", "4 Camera 1", "4 Camera 1",
                                    "none Camera 1", "none Play", "none Camera 1"}));
    }

    void pictureAndCursorFollowTheSlotState()
    {
        Table t;
        const auto pictures = [&t](bool hover, bool disabled) {
            const QVariantList all{solid(Qt::red), hover ? solid(Qt::green) : QVariant(), solid(Qt::blue),
                                   disabled ? solid(Qt::gray) : QVariant()};
            t.set(0, slotValue(all), struTreeViewData::Pixmap1Role);
        };
        // The cursor (and when `routed` a move event) to x; the colour of the image at x 15 to 30, and the hand.
        QList<QPair<QColor, bool>> seen;
        const auto look = [&t, &seen](int x, bool routed = true) {
            QCursor::setPos(t.viewport()->mapToGlobal(t.at(x)));
            if (routed)
                KitraTest::move(t.viewport(), t.at(x), Qt::NoButton);
            seen << qMakePair(t.colourAt(t.at(22)), t.view->cursor().shape() == Qt::PointingHandCursor);
        };
        pictures(true, true);
        look(22, false);        // the cursor alone decides, before any event reaches the view
        look(22);
        KitraTest::press(t.viewport(), t.at(22));
        look(22);
        look(100, false);
        KitraTest::release(t.viewport(), QPoint(5, t.viewport()->height() - 5));     // below the rows
        look(22);
        KitraTest::release(t.viewport(), t.at(100));
        look(22);
        look(100);
        t.set(0, true, struTreeViewData::HandCursorRole);
        look(100);
        t.set(0, QVariant(), struTreeViewData::HandCursorRole);
        t.set(0, true, struTreeViewData::Pixmap1EnabledRole);
        look(22);
        t.set(0, false, struTreeViewData::Pixmap1EnabledRole);
        look(22);
        pictures(true, false);
        look(22);
        pictures(false, true);      // without a hover picture the slot has no states
        look(22);
        const QColor background = t.colourAt(t.at(60));
        QCOMPARE(seen, (QList<QPair<QColor, bool>>{{Qt::green, false}, {Qt::green, true}, {Qt::blue, true}, {Qt::red, true},
                                                   {Qt::blue, true}, {Qt::green, true}, {Qt::red, false}, {Qt::red, true},
                                                   {Qt::green, true}, {Qt::gray, false}, {background, false}, {Qt::red, false}}));
    }

    void editorsAreFilledFromTheModelAndCommitBack()
    {
        Table t;
        QList<ZtVariantMap> items;
        for (const auto& name : {"Main stream", "Sub stream", "Third stream"})
            items << ZtVariantMap{{Qt::DisplayRole, name}, {Qt::UserRole, 10 + int(items.size())}};
        t.set(0, true, struTreeViewData::ComboBoxEditorRole);
        t.set(0, QVariant::fromValue(items), struTreeViewData::ComboBoxItemsRole);
        t.set(0, 1, struTreeViewData::ComboBoxIndexRole);
        t.set(1, QDateTime(QDate(2024, 1, 2), QTime(3, 4)), struTreeViewData::DateTimeEditorRole);
        t.set(1, "yyyy-MM-dd hh:mm", struTreeViewData::DateTimeFormatRole);
        t.set(2, "Camera 1", Qt::DisplayRole);
        t.model.item(0, 2)->setCheckable(true);
        t.view->setIconSize(QSize(20, 20));
        auto* const delegate = qobject_cast<ZtTableViewItemDelegate*>(t.view->itemDelegate());
        QSignalSpy changed(delegate, &ZtTableViewItemDelegate::SignalEditorDataChanged);
        for (int column = 0; column < 3; ++column) {
            KitraTest::doubleClick(t.viewport(), t.at(60, 0, column));
            QWidget* const editor = t.editor(column);       // none at all fails the line edit's check
            if (auto* combo = qobject_cast<ZtComboBox*>(editor)) {
                QCOMPARE(combo->count(), 3);
                QCOMPARE(combo->currentText(), QStringLiteral("Sub stream"));
                QTest::keyClick(combo, Qt::Key_Down);
            } else if (auto* edit = qobject_cast<ZtDateTimeEdit*>(editor)) {
                QCOMPARE(edit->dateTime(), QDateTime(QDate(2024, 1, 2), QTime(3, 4)));
                QCOMPARE(edit->displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm"));
                edit->setDateTime(QDateTime(QDate(2024, 5, 6), QTime(7, 8)));
            } else {
                auto* line = qobject_cast<ZtLineEdit*>(editor);
                QVERIFY(line);
                QCOMPARE(line->text(), QStringLiteral("Camera 1"));
                QCOMPARE(line->x(), t.view->visualRect(t.model.index(0, 2)).left() + 24);     // beside the box, still shown
                line->selectAll();
                QTest::keyClicks(line, "Camera 9");
            }
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(changed.count(), column + 1);
            QCOMPARE(changed.last().at(0).toModelIndex(), t.model.index(0, column));
        }
        // Nothing to write without an editor or a model, but the commit is still told.
        delegate->setModelData(nullptr, &t.model, t.model.index(0, 2));
        delegate->setModelData(t.view, nullptr, t.model.index(0, 2));
        QCOMPARE(changed.count(), 5);
        const auto written = [&t](int column, int role) {
            const QVariant value = t.model.index(0, column).data(role);
            return QStringLiteral("%1 %2").arg(value.typeName(), value.toString());
        };
        QCOMPARE((QStringList{written(0, struTreeViewData::ComboBoxIndexRole), written(0, Qt::DisplayRole),
                              written(0, Qt::UserRole), written(1, struTreeViewData::DateTimeEditorRole),
                              written(1, Qt::DisplayRole), written(2, Qt::DisplayRole)}),
                 (QStringList{"int 2", "QString Third stream", "int 12", "QDateTime 2024-05-06T07:08:00.000",
                              "QString 2024-05-06 07:08", "QString Camera 9"}));

        // Without an index, the combo box selects the item whose text is exactly the cell's.
        t.set(0, QVariant(), struTreeViewData::ComboBoxIndexRole);
        QList<int> indexes;
        for (const char* display : {"Sub stream", "sub stream", "Sub"}) {
            t.set(0, display, Qt::DisplayRole);
            KitraTest::doubleClick(t.viewport(), t.at(100));
            auto* combo = qobject_cast<ZtComboBox*>(t.editor(0));
            QVERIFY(combo);
            indexes << combo->currentIndex();
            QTest::keyClick(combo, Qt::Key_Escape);
            QTRY_VERIFY(!t.editor(0));
        }
        QCOMPARE(indexes, (QList<int>{1, -1, -1}));
    }

    void singlePressOpensOnlyWithTheBitAndTheLeftButton()
    {
        Table t;
        t.model.editTrigger = {{0, 0x3}, {1, 0x5}};          // column 2: no role
        QList<bool> opened;
        for (const auto& [column, button] : {std::pair(0, Qt::RightButton), {1, Qt::LeftButton},
                                             {2, Qt::LeftButton}, {0, Qt::LeftButton}}) {
            KitraTest::press(t.viewport(), t.at(10, 0, column), button);
            opened << (t.editor(column) != nullptr);
        }
        QCOMPARE(opened, (QList<bool>{false, false, false, true}));
    }

    void svgCellsDrawTheirFilesAtTheirSize()
    {
        QTemporaryDir folder;
        const auto svg = [&folder](const char* name, const QColor& colour) {      // a square of one colour
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::WriteOnly))
                file.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                                          "<rect width='8' height='8' fill='%1'/></svg>").arg(colour.name()).toUtf8());
            return file.fileName();
        };
        Table t(new ZtTableViewSvg);
        const QString normal = svg("normal", Qt::red);
        const auto setFirst = [&](int size) {
            const QVariantList pictures{normal, svg("hover", Qt::green), {}, svg("disabled", Qt::gray)};
            t.set(0, slotValue(pictures, QSize(size, size)), struTreeViewData::Pixmap1Role);
        };
        setFirst(24);
        t.set(0, slotValue({svg("second", Qt::blue)}, QSize(12, 12)), struTreeViewData::Pixmap2Role);
        // Slot 1 covers x 15 to 38 and y -11 to 12 around the middle; slot 2 x 42 to 53, y -5 to 6.
        const auto corners = [&t] {
            return QList<QColor>{t.colourAt(t.at(15, -11)), t.colourAt(t.at(38, 12)), t.colourAt(t.at(42, -5)),
                                 t.colourAt(t.at(53, 6))};
        };
        QCOMPARE(corners(), (QList<QColor>{Qt::red, Qt::red, Qt::blue, Qt::blue}));
        QVERIFY(t.colourAt(t.at(53, 7)) != QColor(Qt::blue));
        t.view->setEnabled(false);
        QCOMPARE(corners(), (QList<QColor>{Qt::gray, Qt::gray, Qt::blue, Qt::blue}));
        t.view->setEnabled(true);
        svg("normal", Qt::blue);
        QCOMPARE(t.colourAt(t.at(20)), QColor(Qt::red));          // drawn from the picture kept
        setFirst(20);
        QCOMPARE(t.colourAt(t.at(20)), QColor(Qt::blue));         // another size reads the file again
    }
};

QTEST_MAIN(tst_TableView)
#include "tst_tableview.moc"
