#include "TableViewPage.h"

#include "GalleryLog.h"

#include "ZtHeaderView.h"
#include "ZtTableView.h"
#include "ZtTableViewItemDelegate.h"
#include "ZtTableViewSvg.h"
#include "struTreeViewData.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QStandardItemModel>
#include <QTabWidget>

using namespace ZtGUI;
using Data = struTreeViewData;

namespace {

const int kRows = 3000;
const int kIconSize = 16;
const int kRowHeight = 30;
const QString kDateFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

enum Column { NameColumn, StatusColumn, StreamColumn, SinceColumn, ActionColumn, ColumnCount };

// EditTriggerRole shares its number with the flags QStandardItem keeps for itself, so the host
// serves it from data() instead of storing it on an item: the stream type opens on one press.
class DeviceModel : public QStandardItemModel
{
public:
    using QStandardItemModel::QStandardItemModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Data::EditTriggerRole)
            return index.column() == StreamColumn ? QVariant(0x2) : QVariant();
        return QStandardItemModel::data(index, role);
    }
};

// The icons as outlines in a 16 x 16 box, drawn as pixmaps or written as SVG files from one shape.
QPainterPath shape(const QString& name)
{
    QPainterPath path;
    if (name == QLatin1String("play")) {
        path.addPolygon(QPolygonF({QPointF(5, 3), QPointF(13, 8), QPointF(5, 13), QPointF(5, 3)}));
    } else if (name == QLatin1String("playback")) {
        QPainterPath ring;
        ring.addEllipse(QRectF(1.5, 1.5, 13, 13));
        QPainterPath hole;
        hole.addEllipse(QRectF(3.5, 3.5, 9, 9));
        path = ring.subtracted(hole);
        path.addPolygon(QPolygonF({QPointF(7, 5), QPointF(11, 8), QPointF(7, 11), QPointF(7, 5)}));
    } else if (name == QLatin1String("settings")) {
        QPainterPath gear;
        gear.addEllipse(QRectF(3, 3, 10, 10));
        for (const QRectF& tooth : {QRectF(7, 1, 2, 14), QRectF(1, 7, 14, 2)})
            gear.addRect(tooth);
        QPainterPath hole;
        hole.addEllipse(QRectF(6, 6, 4, 4));
        path = gear.simplified().subtracted(hole);
    } else if (name == QLatin1String("delete")) {
        QPainterPath cross;
        cross.moveTo(4, 4);
        cross.lineTo(12, 12);
        cross.moveTo(12, 4);
        cross.lineTo(4, 12);
        QPainterPathStroker stroker;
        stroker.setWidth(2.2);
        stroker.setCapStyle(Qt::RoundCap);
        path = stroker.createStroke(cross).simplified();
    } else {
        path.addEllipse(QRectF(3.5, 3.5, 9, 9));       // a status dot
    }
    return path;
}

QString svgPathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6 ").arg(e.x).arg(e.y).arg(c2.x).arg(c2.y).arg(end.x).arg(end.y);
            i += 2;
        } else {
            data += QStringLiteral("%1%2 %3 ").arg(e.type == QPainterPath::MoveToElement ? 'M' : 'L').arg(e.x).arg(e.y);
        }
    }
    return data;
}

// The states of an icon: normal, hover, pressed and disabled.
QList<QColor> actionColours(const QString& name)
{
    if (name == QLatin1String("delete"))
        return {QColor(0xc6, 0x28, 0x28), QColor(0xe5, 0x39, 0x35), QColor(0x8e, 0x1b, 0x1b), QColor(0xc4, 0xc9, 0xcf)};
    return {QColor(0x6f, 0x8c, 0xab), QColor(0x2f, 0x6f, 0xb0), QColor(0x1d, 0x4c, 0x80), QColor(0xc4, 0xc9, 0xcf)};
}

QColor statusColour(int status)
{
    static const QColor colours[] = {QColor(0x2e, 0x9d, 0x4f), QColor(0x9a, 0xa4, 0xae), QColor(0xd9, 0x48, 0x2b)};
    return colours[status];
}

const char* const kStatusNames[] = {QT_TRANSLATE_NOOP("TableViewPage", "Online"),
                                    QT_TRANSLATE_NOOP("TableViewPage", "Offline"),
                                    QT_TRANSLATE_NOOP("TableViewPage", "Alarm")};
const char* const kStreams[] = {QT_TRANSLATE_NOOP("TableViewPage", "Main stream"),
                                QT_TRANSLATE_NOOP("TableViewPage", "Sub stream"),
                                QT_TRANSLATE_NOOP("TableViewPage", "Third stream")};
const char* const kActionTips[] = {QT_TRANSLATE_NOOP("TableViewPage", "Live video"),
                                   QT_TRANSLATE_NOOP("TableViewPage", "Play back recordings"),
                                   QT_TRANSLATE_NOOP("TableViewPage", "Settings"),
                                   QT_TRANSLATE_NOOP("TableViewPage", "Delete")};
const char* const kPlaces[] = {"Gate", "Lobby", "Car park", "Stairs", "Loading bay", "Roof"};
const QString kActions[] = {QStringLiteral("play"), QStringLiteral("playback"), QStringLiteral("settings"),
                            QStringLiteral("delete")};

QString actionName(const QModelIndex& index, Data::ZtItemDataRole role)
{
    if (index.column() == StatusColumn)
        return QStringLiteral("status");
    const int slot = role - Data::Pixmap1Role;
    return slot >= 0 && slot < 4 ? kActions[slot] : QString::number(role);
}

} // namespace

TableViewPage::TableViewPage(QWidget* parent)
    : QWidget(parent)
{
    m_tabs = new QTabWidget(this);
    m_table = createTable(new ZtTableView(this), createModel(false));
    m_tabs->addTab(m_table, tr("Pixmap icons"));
    m_tabs->addTab(createTable(new ZtTableViewSvg(this), createModel(true)), tr("SVG icons"));
    m_log = new GalleryLog(tr("Signals"), QStringLiteral("tableViewLog"), this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_tabs, 3);
    layout->addWidget(m_log, 1);
}

TableViewPage::~TableViewPage() = default;

QStandardItemModel* TableViewPage::createModel(bool svg)
{
    auto* model = new DeviceModel(kRows, ColumnCount, this);
    const QStringList titles{tr("Device"), tr("Status"), tr("Stream"), tr("Recording since"), tr("Actions")};
    const int widths[] = {180, 64, 130, 200, 140};
    for (int column = 0; column < ColumnCount; ++column) {
        model->setHeaderData(column, Qt::Horizontal, titles.at(column));
        model->setHeaderData(column, Qt::Horizontal, uint(widths[column]), Data::HeaderSectionWidthRole);
    }
    model->setHeaderData(NameColumn, Qt::Horizontal, Qt::Unchecked, Qt::CheckStateRole);
    model->setHeaderData(NameColumn, Qt::Horizontal, true, Data::HeaderCheckableRole);
    for (int row = 0; row < kRows; ++row)
        fillRow(model, row, svg);
    return model;
}

void TableViewPage::fillRow(QStandardItemModel* model, int row, bool svg)
{
    const auto set = [model, row](int column, const QVariant& value, int role) {
        model->setData(model->index(row, column), value, role);
    };
    const int status = row % 7 == 3 ? 2 : (row % 5 == 4 ? 1 : 0);
    set(NameColumn, QStringLiteral("%1 %2").arg(QLatin1String(kPlaces[row % 6])).arg(row / 6 + 1), Qt::DisplayRole);
    set(NameColumn, Qt::Unchecked, Qt::CheckStateRole);
    set(NameColumn, kRowHeight, Data::RowHeightRole);
    model->item(row, NameColumn)->setCheckable(true);

    set(StatusColumn, icon(QStringLiteral("status%1").arg(status), svg), Data::Pixmap1Role);
    set(StatusColumn, tr(kStatusNames[status]), Data::Pixmap1ToolTipRole);
    set(StatusColumn, uint(Qt::AlignHCenter), Data::PixmapAlignmentRole);

    QList<ZtVariantMap> streams;
    for (int i = 0; i < 3; ++i)
        streams << ZtVariantMap{{Qt::DisplayRole, tr(kStreams[i])}, {Qt::UserRole, i}};
    set(StreamColumn, true, Data::ComboBoxEditorRole);
    set(StreamColumn, QVariant::fromValue(streams), Data::ComboBoxItemsRole);
    set(StreamColumn, row % 3, Data::ComboBoxIndexRole);
    set(StreamColumn, tr(kStreams[row % 3]), Qt::DisplayRole);

    const QDateTime since = QDateTime(QDate(2026, 3, 1), QTime(8, 0)).addSecs(-row * 937);
    set(SinceColumn, since, Data::DateTimeEditorRole);
    set(SinceColumn, kDateFormat, Data::DateTimeFormatRole);
    set(SinceColumn, since.toString(kDateFormat), Qt::DisplayRole);

    set(ActionColumn, uint(Qt::AlignRight), Data::PixmapAlignmentRole);
    for (int slot = 0; slot < 4; ++slot) {
        set(ActionColumn, icon(kActions[slot], svg), Data::Pixmap1Role + slot);
        set(ActionColumn, tr(kActionTips[slot]), Data::Pixmap1ToolTipRole + slot);
    }
    // No playback of a device that is not recording, and no deleting one that raises an alarm.
    set(ActionColumn, status != 1, Data::Pixmap2EnabledRole);
    set(ActionColumn, status != 2, Data::Pixmap4EnabledRole);
    for (const int column : {StatusColumn, ActionColumn})
        model->item(row, column)->setEditable(false);
}

QVariant TableViewPage::icon(const QString& name, bool svg)
{
    const QString key = name + (svg ? QStringLiteral(".svg") : QString());
    const auto found = m_icons.constFind(key);
    if (found != m_icons.cend())
        return found.value();
    const bool status = name.startsWith(QLatin1String("status"));
    // A status dot has one picture; an action has its hover, pressed and disabled states too.
    const QList<QColor> colours = status ? QList<QColor>{statusColour(name.right(1).toInt())} : actionColours(name);
    const QPainterPath path = shape(status ? QStringLiteral("dot") : name);
    ItemPixmapValue value;
    for (int state = 0; state < colours.size(); ++state) {
        if (svg) {
            value.insert(state, svgFile(status ? name : name + QString::number(state), colours.at(state)));
            continue;
        }
        const qreal ratio = qApp->devicePixelRatio();
        QPixmap pixmap(QSize(kIconSize, kIconSize) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(path, colours.at(state));
        value.insert(state, pixmap);
    }
    if (svg)
        value.insert(ItemPixmapValue::SizeKey, QSize(kIconSize, kIconSize));
    return m_icons.insert(key, QVariant::fromValue(value)).value();
}

QString TableViewPage::svgFile(const QString& name, const QColor& colour) const
{
    const QPainterPath path = shape(name.startsWith(QLatin1String("status")) ? QStringLiteral("dot") : name.chopped(1));
    const QString file = m_svgFolder.filePath(name + QStringLiteral(".svg"));
    QFile out(file);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\" viewBox=\"0 0 16 16\">"
                                 "<path d=\"%1\" fill=\"%2\" fill-rule=\"%3\"/></svg>")
                      .arg(svgPathData(path), colour.name(),
                           path.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd") : QStringLiteral("nonzero"))
                      .toUtf8());
    }
    return file;
}

ZtTableView* TableViewPage::createTable(ZtTableView* table, QStandardItemModel* model)
{
    table->setObjectName(qobject_cast<ZtTableViewSvg*>(table) ? QStringLiteral("svgDeviceTable")
                                                                : QStringLiteral("deviceTable"));
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setUniformRowHeights(true);
    const QString source = table->objectName();
    connect(table, &ZtBaseView::SignalPixmapClicked, this, [this, source](const QModelIndex& index, Data::ZtItemDataRole role) {
        m_log->Append(source + QStringLiteral(" SignalPixmapClicked"),
                      QStringLiteral("row %1, %2 (role %3)").arg(index.row()).arg(actionName(index, role)).arg(role));
    });
    if (auto* delegate = qobject_cast<ZtTableViewItemDelegate*>(table->itemDelegate())) {
        connect(delegate, &ZtTableViewItemDelegate::SignalEditorDataChanged, this, [this, source](const QModelIndex& index) {
            m_log->Append(source + QStringLiteral(" SignalEditorDataChanged"),
                          QStringLiteral("row %1, column %2: %3").arg(index.row()).arg(index.column()).arg(index.data().toString()));
        });
    }
    if (auto* header = qobject_cast<ZtHeaderView*>(table->header())) {
        connect(header, &ZtHeaderView::SignalHeadClicked, this, [this, source](Qt::CheckState state) {
            m_log->Append(source + QStringLiteral(" SignalHeadClicked"), QStringLiteral("check state %1").arg(state));
        });
    }
    return table;
}

bool TableViewPage::save(const QString& file)
{
    QCoreApplication::processEvents();
    if (window()->grab().save(file))
        return true;
    qCritical("Cannot write %s", qPrintable(file));
    return false;
}

bool TableViewPage::SaveScreenshots(const QString& folder)
{
    m_tabs->setCurrentWidget(m_table);
    m_table->scrollToTop();
    QCoreApplication::processEvents();
    QWidget* viewport = m_table->viewport();

    // The play icon of the second row: right-aligned icons begin this far left of the cell's
    // right edge (three margins of 15 and one space of 4 beside four 16-pixel icons).
    const QRect actions = m_table->visualRect(m_table->model()->index(1, ActionColumn));
    const QPoint play(actions.right() - 3 * (kIconSize + 15) - (kIconSize + 4) + kIconSize / 2, actions.center().y());
    QMouseEvent move(QEvent::MouseMove, play, viewport->mapToGlobal(play), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    bool saved = save(folder + QStringLiteral("/tableview-hover.png"));

    const QModelIndex stream = m_table->model()->index(1, StreamColumn);
    m_table->setCurrentIndex(stream);
    m_table->edit(stream);
    saved = save(folder + QStringLiteral("/tableview-editor.png")) && saved;
    if (QWidget* editor = m_table->indexWidget(stream)) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(editor, &escape);
    }
    return saved;
}
