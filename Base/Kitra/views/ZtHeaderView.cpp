#include "ZtHeaderView.h"
#include "ZtHeaderView_p.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include "KitraGuard_p.h"
#include "struTreeViewData.h"

namespace ZtGUI {

namespace {
// The box and the text sit this far in from the section's left edge.
constexpr int BoxIndent = 12;
// Room a check box adds to a section sized from its text.
constexpr int BoxWidth = 18;

QFont sectionFont(QFont font)
{
    // Where the typeface is missing, font matching falls back to the default family.
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(9);
    font.setWeight(QFont::Bold);
    return font;
}
} // namespace

QVariant ZtHeaderViewPrivate::headerState() const
{
    Q_Q(const ZtHeaderView);
    const QAbstractItemModel* model = q->model();
    return model ? model->headerData(0, Qt::Horizontal, Qt::CheckStateRole) : QVariant();
}

Qt::CheckState ZtHeaderViewPrivate::rowsState() const
{
    Q_Q(const ZtHeaderView);
    const QAbstractItemModel* model = q->model();
    int checked = 0;
    bool someUnchecked = false;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(Qt::CheckStateRole).toUInt() == Qt::Checked)
            ++checked;
        else
            someUnchecked = true;
    }
    if (checked == 0)
        return Qt::Unchecked;
    if (!someUnchecked)
        return Qt::Checked;
    // A model may count a number of checked rows as "all", though other rows stay unchecked.
    const QVariant all = model->headerData(0, Qt::Horizontal, struTreeViewData::HeaderCheckedCountRole);
    return all.isValid() && all.toInt() == checked ? Qt::Checked : Qt::PartiallyChecked;
}

QStyleOptionViewItem ZtHeaderViewPrivate::sectionOption(int logicalIndex) const
{
    Q_Q(const ZtHeaderView);
    QStyleOptionViewItem option;
    option.initFrom(q);
    const QAbstractItemModel* model = q->model();
    const Qt::Orientation orientation = q->orientation();
    if (!model)
        return option;
    const QVariant check = model->headerData(logicalIndex, orientation, Qt::CheckStateRole);
    if (check.isValid()) {
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        option.checkState = Qt::CheckState(check.toInt());
    }
    const QVariant text = model->headerData(logicalIndex, orientation, Qt::DisplayRole);
    if (text.isValid() && !text.isNull()) {
        option.features |= QStyleOptionViewItem::HasDisplay;
        option.text = text.toString();
    }
    const QVariant alignment = model->headerData(logicalIndex, orientation, Qt::TextAlignmentRole);
    option.displayAlignment = alignment.isValid() ? Qt::Alignment(alignment.toInt()) : q->defaultAlignment();
    option.font = sectionFont(q->font());
    option.fontMetrics = QFontMetrics(option.font);
    option.viewItemPosition = QStyleOptionViewItem::OnlyOne;
    const int position = q->sectionViewportPosition(logicalIndex);
    option.rect = orientation == Qt::Horizontal
        ? QRect(position + BoxIndent, 0, q->sectionSize(logicalIndex), q->viewport()->height())
        : QRect(0, position, q->viewport()->width(), q->sectionSize(logicalIndex));
    return option;
}

bool ZtHeaderViewPrivate::isBoxClickable() const
{
    Q_Q(const ZtHeaderView);
    const QAbstractItemModel* model = q->model();
    return model && q->sectionsClickable() && headerState().isValid()
        && model->headerData(0, Qt::Horizontal, struTreeViewData::HeaderCheckableRole).toBool();
}

QRect ZtHeaderViewPrivate::boxRect(int section) const
{
    Q_Q(const ZtHeaderView);
    const QStyleOptionViewItem option = sectionOption(section);
    if (!option.features.testFlag(QStyleOptionViewItem::HasCheckIndicator))
        return QRect();
    return q->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, q);
}

bool ZtHeaderViewPrivate::isOnCheckBox(const QPoint& pos) const
{
    Q_Q(const ZtHeaderView);
    const int section = q->logicalIndexAt(pos);
    return isBoxClickable() && section >= 0 && boxRect(section).contains(pos);
}

void ZtHeaderViewPrivate::announceBoxState()
{
    Q_Q(ZtHeaderView);
    // Without a listening tool, no interface is made just to announce.
    QAccessibleInterface* header = QAccessible::isActive() ? QAccessible::queryAccessibleInterface(q) : nullptr;
    QAccessibleInterface* box = header ? header->child(0) : nullptr;
    if (!box)
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.checkStateMixed = true;
    QAccessibleStateChangeEvent event(box, changed);
    QAccessible::updateAccessibility(&event);
}

void ZtHeaderViewPrivate::toggleFromBox()
{
    Q_Q(ZtHeaderView);
    const Qt::CheckState state = headerState().toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    // Read before the host's slots run: they may delete the header, and a member read after the
    // emit, even one the compiler merely hoists, would touch freed memory.
    const bool change = autoChange;
    if (EmitAlive(q, &ZtHeaderView::SignalHeadClicked, state) && change)
        setRowsState(state);
}

void ZtHeaderViewPrivate::setRowsState(Qt::CheckState state)
{
    Q_Q(ZtHeaderView);
    QAbstractItemModel* model = q->model();     // a slot may have replaced it
    if (!model)
        return;
    // The rows change one by one; the box follows once, when all of them have.
    QObject::disconnect(model, &QAbstractItemModel::dataChanged, q, &ZtHeaderView::OnDataChanged);
    for (int row = 0; row < model->rowCount(); ++row)
        model->setData(model->index(row, 0), state, Qt::CheckStateRole);
    QObject::connect(model, &QAbstractItemModel::dataChanged, q, &ZtHeaderView::OnDataChanged);
    q->OnUpdateCheckState();
}

ZtHeaderView::ZtHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
    , d_ptr(new ZtHeaderViewPrivate(this))
{
    ZtHeaderViewPrivate::registerAccessible();
}

ZtHeaderView::~ZtHeaderView() = default;

void ZtHeaderView::SetAutoChangeCheckbox(bool bAuto)
{
    Q_D(ZtHeaderView);
    d->autoChange = bAuto;
}

void ZtHeaderView::setModel(QAbstractItemModel* model)
{
    QAbstractItemModel* old = this->model();
    if (model == old)
        return;
    if (old) {
        disconnect(old, &QAbstractItemModel::dataChanged, this, &ZtHeaderView::OnDataChanged);
        disconnect(old, &QAbstractItemModel::rowsRemoved, this, &ZtHeaderView::OnUpdateCheckState);
        disconnect(old, &QAbstractItemModel::rowsInserted, this, &ZtHeaderView::OnUpdateCheckState);
    }
    QHeaderView::setModel(model);
    if (!model)
        return;
    connect(model, &QAbstractItemModel::dataChanged, this, &ZtHeaderView::OnDataChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ZtHeaderView::OnUpdateCheckState);
    connect(model, &QAbstractItemModel::rowsInserted, this, &ZtHeaderView::OnUpdateCheckState);
    for (int column = 0; column < model->columnCount(); ++column) {
        const QVariant width = model->headerData(column, Qt::Horizontal, struTreeViewData::HeaderSectionWidthRole);
        if (width.isValid())
            resizeSection(column, int(width.toUInt()));
    }
}

void ZtHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    Q_D(const ZtHeaderView);
    if (!rect.isValid())
        return;
    QStyleOptionViewItem item = d->sectionOption(logicalIndex);
    if (!item.features.testFlag(QStyleOptionViewItem::HasCheckIndicator)) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // The frame as a header section, then the box and the text as an item over it.
    QStyleOptionHeader header;
    initStyleOption(&header);
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex)
        header.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortDown
                                                                          : QStyleOptionHeader::SortUp;
    header.rect = rect;
    header.section = logicalIndex;
    // Some styles leave a clip behind after drawing a header, which would hide the item.
    painter->save();
    style()->drawControl(QStyle::CE_Header, &header, painter, this);
    painter->restore();
    item.state &= ~QStyle::State_MouseOver;
    style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, this);
}

QSize ZtHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    const QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (size.width() >= 0)
        return size;
    // A model's size hint may give a height alone: the width then comes from the text and box.
    const QAbstractItemModel* model = this->model();
    const QVariant fontData = model->headerData(logicalIndex, orientation(), Qt::FontRole);
    QFont font = fontData.isValid() ? qvariant_cast<QFont>(fontData) : this->font();
    font.setBold(true);
    QStyleOptionHeader option;
    initStyleOption(&option);
    const QString text = model->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    int width = QFontMetrics(font).horizontalAdvance(text) + 4 + style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this);
    if (model->headerData(logicalIndex, orientation(), Qt::CheckStateRole).isValid())
        width += BoxWidth;
    return QSize(width, size.height());
}

void ZtHeaderView::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtHeaderView);
    // A press on the box belongs to the box: Qt's header would start a section click that the
    // consumed release never finishes, and the next press would then be refused.
    if (d->isOnCheckBox(event->pos()))
        event->accept();
    else
        QHeaderView::mousePressEvent(event);
}

void ZtHeaderView::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(ZtHeaderView);
    if (!d->isOnCheckBox(event->pos())) {
        QHeaderView::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    d->toggleFromBox();
}

void ZtHeaderView::OnDataChanged(const QModelIndex& miTopLeft)
{
    if (miTopLeft.data(Qt::CheckStateRole).isValid())
        OnUpdateCheckState();
}

void ZtHeaderView::OnUpdateCheckState()
{
    Q_D(ZtHeaderView);
    QAbstractItemModel* model = this->model();
    const QVariant current = d->headerState();
    if (!model || !current.isValid())
        return;
    const Qt::CheckState state = d->rowsState();
    if (current.toInt() == state)
        return;
    {
        // The box's own state is header data; other views need not hear of it.
        const QSignalBlocker blocker(model);
        model->setHeaderData(0, Qt::Horizontal, state, Qt::CheckStateRole);
    }
    headerDataChanged(Qt::Horizontal, 0, 0);
    d->announceBoxState();
    emit SignalCheckStateChanged(state);
}

} // namespace ZtGUI
