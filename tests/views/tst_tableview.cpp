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
QPixmap solid(const QColor& colour, int width, int height = 16)
{
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    return pixmap;
}

QString writeSvg(const QString& path, const QColor& colour)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                                  "<rect width='8' height='8' fill='%1'/></svg>").arg(colour.name()).toUtf8());
    return path;
}

QVariant slotValue(const QVariant& normal, const QVariant& hover = {}, const QVariant& pressed = {},
                   const QVariant& disabled = {}, const QSize& size = {})
{
    ItemPixmapValue value;
    const QVariant pictures[] = {normal, hover, pressed, disabled};
    for (int key = 0; key < 4; ++key) {
        if (pictures[key].isValid())
            value.insert(key, pictures[key]);
    }
    if (size.isValid())
        value.insert(ItemPixmapValue::SizeKey, size);
    return QVariant::fromValue(value);
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
    }
    ~Table() { delete view; }

    void set(int column, const QVariant& value, int role) { model.setData(model.index(0, column), value, role); }
    QWidget* viewport() const { return view->viewport(); }
    /// A point of cell (0, column), `x` from its left and `dy` from its middle.
    QPoint at(int x, int dy = 0, int column = 0) const
    {
        const QRect cell = view->visualRect(model.index(0, column));
        return QPoint(cell.left() + x, cell.center().y() + dy);
    }
    void hover(const QPoint& pos) const { KitraTest::move(viewport(), pos, Qt::NoButton); }
    QColor colourAt(const QPoint& pos) const { return viewport()->grab().toImage().pixelColor(pos); }
};

class tst_TableView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void clickReportsTheImageSlotUnderTheMouse_data()
    {
        QTest::addColumn<int>("alignment");         // -1: the role left empty
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("role");
        // Images of 16, 20 and 16 pixels in slots 1, 2 and 4, margin 15, space 4, a 200-pixel cell.
        const struct { const char* name; int alignment; int starts[3]; int gap; } groups[] = {
            {"default", -1, {15, 34, 57}, 32},
            {"left", Qt::AlignLeft, {15, 34, 57}, 32},
            {"right", Qt::AlignRight, {113, 132, 155}, 130},
            {"centre", Qt::AlignHCenter, {55, 74, 97}, 72},
        };
        const int widths[] = {16, 20, 16};
        const int roles[] = {struTreeViewData::Pixmap1Role, struTreeViewData::Pixmap2Role, struTreeViewData::Pixmap4Role};
        for (const auto& group : groups) {
            for (int i = 0; i < 3; ++i) {
                QTest::addRow("%s slot %d first column", group.name, i) << group.alignment << group.starts[i] << 0 << roles[i];
                QTest::addRow("%s slot %d last column", group.name, i)
                    << group.alignment << group.starts[i] + widths[i] - 1 << 7 << roles[i];
            }
            QTest::addRow("%s between images", group.name) << group.alignment << group.gap << 0 << int(struTreeViewData::NoneRole);
            QTest::addRow("%s above an image", group.name) << group.alignment << group.starts[0] << -9 << int(struTreeViewData::NoneRole);
        }
        QTest::newRow("left past the last image") << int(Qt::AlignLeft) << 73 << 0 << int(struTreeViewData::NoneRole);
    }

    void clickReportsTheImageSlotUnderTheMouse()
    {
        QFETCH(int, alignment);
        QFETCH(int, x);
        QFETCH(int, dy);
        QFETCH(int, role);
        Table t;
        t.set(0, slotValue(solid(Qt::red, 16)), struTreeViewData::Pixmap1Role);
        t.set(0, slotValue(solid(Qt::red, 20)), struTreeViewData::Pixmap2Role);
        t.set(0, slotValue(solid(Qt::red, 16)), struTreeViewData::Pixmap4Role);
        t.set(0, false, struTreeViewData::Pixmap2EnabledRole);     // disabled images hit-test all the same
        if (alignment != -1)
            t.set(0, uint(alignment), struTreeViewData::PixmapAlignmentRole);
        QCOMPARE(t.view->visualRect(t.model.index(0, 0)).height(), 40);
        QSignalSpy clicked(t.view.data(), &ZtBaseView::SignalPixmapClicked);
        KitraTest::click(t.viewport(), t.at(x, dy));
        QCOMPARE(clicked.count(), role == struTreeViewData::NoneRole ? 0 : 1);
        if (!clicked.isEmpty())
            QCOMPARE(clicked.at(0).at(1).value<Role>(), Role(role));
    }

    void hoverPictureAndCursorFollowTheSlotState_data()
    {
        QTest::addColumn<bool>("disabledPicture");
        QTest::addColumn<QVariant>("enabled");
        QTest::addColumn<bool>("withHover");
        QTest::addColumn<bool>("handRole");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("press");                 // 1: pressed there, 2: and released below the rows
        QTest::addColumn<QColor>("colour");              // invalid: the cell's own background
        QTest::addColumn<int>("cursor");
        const int hand = Qt::PointingHandCursor, arrow = Qt::ArrowCursor;
        QTest::newRow("hovered") << true << QVariant() << true << false << 22 << 0 << QColor(Qt::green) << hand;
        QTest::newRow("hovered, enabled") << true << QVariant(true) << true << false << 22 << 0 << QColor(Qt::green) << hand;
        QTest::newRow("pressed") << true << QVariant() << true << false << 22 << 1 << QColor(Qt::blue) << hand;
        QTest::newRow("released elsewhere") << true << QVariant() << true << false << 22 << 2 << QColor(Qt::green) << hand;
        QTest::newRow("mouse beside") << true << QVariant() << true << false << 100 << 0 << QColor(Qt::red) << arrow;
        QTest::newRow("disabled") << true << QVariant(false) << true << false << 22 << 0 << QColor(Qt::gray) << arrow;
        QTest::newRow("disabled, no picture") << false << QVariant(false) << true << false << 22 << 0 << QColor() << arrow;
        QTest::newRow("no hover picture") << true << QVariant(false) << false << false << 22 << 0 << QColor(Qt::red) << arrow;
        QTest::newRow("hand over the cell") << true << QVariant() << true << true << 100 << 0 << QColor(Qt::red) << hand;
    }

    void hoverPictureAndCursorFollowTheSlotState()
    {
        QFETCH(bool, disabledPicture);
        QFETCH(QVariant, enabled);
        QFETCH(bool, withHover);
        QFETCH(bool, handRole);
        QFETCH(int, x);
        QFETCH(int, press);
        QFETCH(QColor, colour);
        QFETCH(int, cursor);
        Table t;
        t.set(0, slotValue(solid(Qt::red, 16), withHover ? solid(Qt::green, 16) : QVariant(), solid(Qt::blue, 16),
                           disabledPicture ? solid(Qt::gray, 16) : QVariant()),
              struTreeViewData::Pixmap1Role);
        t.set(0, enabled, struTreeViewData::Pixmap1EnabledRole);
        if (handRole)
            t.set(0, true, struTreeViewData::HandCursorRole);
        t.hover(t.at(x));
        if (press)
            KitraTest::press(t.viewport(), t.at(x));
        if (press == 2) {
            KitraTest::release(t.viewport(), QPoint(5, t.viewport()->height() - 5));
            t.hover(t.at(x));
        }
        QCOMPARE(int(t.view->cursor().shape()), cursor);
        // The image lies at x 15 to 30; beside it the cell shows its background.
        QCOMPARE(t.colourAt(t.at(22)), colour.isValid() ? colour : t.colourAt(t.at(60)));
    }

    void toolTipIsFoundByX_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("tip");
        QTest::newRow("on image 1") << 22 << 0 << "Play";
        QTest::newRow("above image 1") << 22 << -17 << "Play";
        QTest::newRow("on image 2") << 43 << 0 << "Record";
        QTest::newRow("image without a tip") << 64 << 0 << "Camera 1";
        QTest::newRow("between images") << 32 << 0 << "Camera 1";
    }

    void toolTipIsFoundByX()
    {
        QFETCH(int, x);
        QFETCH(int, dy);
        QFETCH(QString, tip);
        Table t;
        for (int slot = 0; slot < 3; ++slot)
            t.set(0, slotValue(solid(Qt::red, slot == 1 ? 20 : 16)), struTreeViewData::Pixmap1Role + slot);
        t.set(0, "Play", struTreeViewData::Pixmap1ToolTipRole);
        t.set(0, "Record", struTreeViewData::Pixmap2ToolTipRole);
        t.set(0, "Camera 1", Qt::ToolTipRole);
        QToolTip::hideText();
        const QPoint pos = t.at(x, dy);
        QHelpEvent help(QEvent::ToolTip, pos, t.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(t.viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }

    void editorIsFilledFromTheModelAndCommitsBack_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("singlePress");
        QTest::addColumn<ZtVariantMap>("written");
        const ZtVariantMap combo{{struTreeViewData::ComboBoxIndexRole, 2}, {Qt::DisplayRole, "Third stream"}, {Qt::UserRole, 12}};
        const ZtVariantMap dateTime{{struTreeViewData::DateTimeEditorRole, QDateTime(QDate(2024, 5, 6), QTime(7, 8))},
                                    {Qt::DisplayRole, "2024-05-06 07:08"}};
        const ZtVariantMap line{{Qt::DisplayRole, "Camera 9"}};
        QTest::newRow("combo box, double click") << 0 << false << combo;
        QTest::newRow("combo box, single press") << 0 << true << combo;
        QTest::newRow("date-time, double click") << 1 << false << dateTime;
        QTest::newRow("date-time, single press") << 1 << true << dateTime;
        QTest::newRow("line edit, double click") << 2 << false << line;
        QTest::newRow("line edit, single press") << 2 << true << line;
    }

    void editorIsFilledFromTheModelAndCommitsBack()
    {
        QFETCH(int, column);
        QFETCH(bool, singlePress);
        QFETCH(ZtVariantMap, written);
        Table t;
        QList<ZtVariantMap> items;
        for (const auto& name : {"Main stream", "Sub stream", "Third stream"})
            items << ZtVariantMap{{Qt::DisplayRole, name}, {Qt::UserRole, 10 + items.size()}};
        t.set(0, true, struTreeViewData::ComboBoxEditorRole);
        t.set(0, QVariant::fromValue(items), struTreeViewData::ComboBoxItemsRole);
        t.set(0, 1, struTreeViewData::ComboBoxIndexRole);
        t.set(1, QDateTime(QDate(2024, 1, 2), QTime(3, 4)), struTreeViewData::DateTimeEditorRole);
        t.set(1, "yyyy-MM-dd hh:mm", struTreeViewData::DateTimeFormatRole);
        t.set(2, "Camera 1", Qt::DisplayRole);
        if (singlePress)
            t.model.editTrigger.insert(column, 0x3);
        auto* delegate = qobject_cast<ZtTableViewItemDelegate*>(t.view->itemDelegate());
        QSignalSpy changed(delegate, &ZtTableViewItemDelegate::SignalEditorDataChanged);

        const QPoint centre = t.view->visualRect(t.model.index(0, column)).center();
        if (singlePress)
            KitraTest::press(t.viewport(), centre);
        else
            KitraTest::doubleClick(t.viewport(), centre);
        QWidget* editor = t.view->indexWidget(t.model.index(0, column));
        QVERIFY(editor);
        if (auto* combo = qobject_cast<ZtComboBox*>(editor)) {
            QCOMPARE(combo->currentText(), QStringLiteral("Sub stream"));
            QCOMPARE(combo->count(), 3);
            QTest::keyClick(combo, Qt::Key_Down);
        } else if (auto* edit = qobject_cast<ZtDateTimeEdit*>(editor)) {
            QCOMPARE(edit->dateTime(), QDateTime(QDate(2024, 1, 2), QTime(3, 4)));
            QCOMPARE(edit->displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm"));
            edit->setDateTime(QDateTime(QDate(2024, 5, 6), QTime(7, 8)));
        } else {
            auto* line = qobject_cast<ZtLineEdit*>(editor);
            QVERIFY(line);
            QCOMPARE(line->text(), QStringLiteral("Camera 1"));
            line->selectAll();
            QTest::keyClicks(line, "Camera 9");
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), t.model.index(0, column));
        for (auto it = written.cbegin(); it != written.cend(); ++it) {
            const QVariant value = t.model.index(0, column).data(it.key());
            QCOMPARE(value.userType(), it.value().userType());
            QCOMPARE(value, it.value());
        }
    }

    void singlePressOpensOnlyWithTheBitAndTheLeftButton_data()
    {
        QTest::addColumn<QVariant>("trigger");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("bit 0x2, left") << QVariant(0x2) << int(Qt::LeftButton) << true;
        QTest::newRow("bit 0x2, right") << QVariant(0x2) << int(Qt::RightButton) << false;
        QTest::newRow("other bits") << QVariant(0x5) << int(Qt::LeftButton) << false;
        QTest::newRow("no role") << QVariant() << int(Qt::LeftButton) << false;
    }

    void singlePressOpensOnlyWithTheBitAndTheLeftButton()
    {
        QFETCH(QVariant, trigger);
        QFETCH(int, button);
        QFETCH(bool, opens);
        Table t;
        t.set(2, "Camera 1", Qt::DisplayRole);
        t.model.editTrigger.insert(2, trigger);
        KitraTest::press(t.viewport(), t.at(10, 0, 2), Qt::MouseButton(button));
        QCOMPARE(t.view->indexWidget(t.model.index(0, 2)) != nullptr, opens);
    }

    void comboWithoutIndexSelectsTheExactDisplayText_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("index");
        QTest::newRow("exact") << "Sub stream" << 1;
        QTest::newRow("other case") << "sub stream" << -1;
        QTest::newRow("part") << "Sub" << -1;
    }

    void comboWithoutIndexSelectsTheExactDisplayText()
    {
        QFETCH(QString, display);
        QFETCH(int, index);
        Table t;
        QList<ZtVariantMap> items{{{Qt::DisplayRole, "Main stream"}}, {{Qt::DisplayRole, "Sub stream"}}};
        t.set(0, true, struTreeViewData::ComboBoxEditorRole);
        t.set(0, QVariant::fromValue(items), struTreeViewData::ComboBoxItemsRole);
        t.set(0, display, Qt::DisplayRole);
        KitraTest::doubleClick(t.viewport(), t.at(100));
        auto* combo = qobject_cast<ZtComboBox*>(t.view->indexWidget(t.model.index(0, 0)));
        QVERIFY(combo);
        QCOMPARE(combo->currentIndex(), index);
    }

    void lineEditorOfACheckableCellLeavesTheCheckBoxVisible()
    {
        Table t;
        t.view->setIconSize(QSize(20, 20));
        t.set(2, "Camera 1", Qt::DisplayRole);
        t.model.item(0, 2)->setCheckable(true);
        KitraTest::doubleClick(t.viewport(), t.at(60, 0, 2));
        QWidget* editor = t.view->indexWidget(t.model.index(0, 2));
        QVERIFY(editor);
        QCOMPARE(editor->x(), t.view->visualRect(t.model.index(0, 2)).left() + 24);
    }

    void svgCellsDrawTheirFilesAtTheirSize_data()
    {
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QColor>("first");
        QTest::newRow("normal") << false << true << QColor(Qt::red);
        QTest::newRow("hovered") << true << true << QColor(Qt::green);
        QTest::newRow("disabled view") << false << false << QColor(Qt::gray);
    }

    void svgCellsDrawTheirFilesAtTheirSize()
    {
        QFETCH(bool, hovered);
        QFETCH(bool, enabled);
        QFETCH(QColor, first);
        QTemporaryDir folder;
        const auto svg = [&folder](const char* name, const QColor& colour) {
            return writeSvg(folder.filePath(name), colour);
        };
        Table t(new ZtTableViewSvg);
        t.set(0, slotValue(svg("normal", Qt::red), svg("hover", Qt::green), {}, svg("disabled", Qt::gray), QSize(24, 24)),
              struTreeViewData::Pixmap1Role);
        t.set(0, slotValue(svg("second", Qt::blue), {}, {}, {}, QSize(12, 12)), struTreeViewData::Pixmap2Role);
        t.view->setEnabled(enabled);
        // Slot 1 covers x 15 to 38 and y -11 to 12 around the middle; slot 2 x 42 to 53, y -5 to 6.
        t.hover(hovered ? t.at(27) : t.at(150));
        QCOMPARE(t.colourAt(t.at(15, -11)), first);
        QCOMPARE(t.colourAt(t.at(38, 12)), first);
        QCOMPARE(t.colourAt(t.at(42, -5)), QColor(Qt::blue));
        QCOMPARE(t.colourAt(t.at(53, 6)), QColor(Qt::blue));
        QVERIFY(t.colourAt(t.at(53, 7)) != QColor(Qt::blue));
    }

    void svgFilesAreReadOncePerSize()
    {
        QTemporaryDir folder;
        const QString path = writeSvg(folder.filePath("icon.svg"), Qt::red);
        Table t(new ZtTableViewSvg);
        t.set(0, slotValue(path, {}, {}, {}, QSize(16, 16)), struTreeViewData::Pixmap1Role);
        QCOMPARE(t.colourAt(t.at(20)), QColor(Qt::red));
        writeSvg(path, Qt::blue);
        QCOMPARE(t.colourAt(t.at(20)), QColor(Qt::red));          // drawn from the picture kept
        t.set(0, slotValue(path, {}, {}, {}, QSize(18, 18)), struTreeViewData::Pixmap1Role);
        QCOMPARE(t.colourAt(t.at(20)), QColor(Qt::blue));         // another size reads the file again
    }
};

QTEST_MAIN(tst_TableView)
#include "tst_tableview.moc"
