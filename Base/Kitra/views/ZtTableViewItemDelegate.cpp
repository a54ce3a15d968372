#include "ZtTableViewItemDelegate.h"
#include "ZtTableViewItemDelegate_p.h"

#include "KitraCompat_p.h"

#include <QHelpEvent>
#include <QHoverEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QToolTip>
#include "ZtComboBox.h"
#include "ZtDateTimeEdit.h"
#include "ZtLineEdit.h"

namespace ZtGUI {

namespace {
using Role = struTreeViewData::ZtItemDataRole;

// A line editor of a checkable cell starts this far right of the decoration, so that the check
// box stays visible and clickable.
constexpr int CheckBoxGap = 4;

QSize pixmapSize(const ItemPixmapValue& value)
{
    const QPixmap normal = value.value(ItemPixmapValue::NormalKey).value<QPixmap>();
    return normal.isNull() ? QSize() : normal.size();
}

Role slotRole(int slot)
{
    return Role(struTreeViewData::Pixmap1Role + slot);
}

void drawPixmap(QPainter* painter, const QRect& rect, const QVariant& picture)
{
    painter->drawPixmap(rect, picture.value<QPixmap>());
}

void fillCombo(QComboBox* combo, const QModelIndex& index)
{
    QAbstractItemModel* items = combo->model();
    const auto maps = index.data(struTreeViewData::ComboBoxItemsRole).value<QList<ZtVariantMap>>();
    for (int row = 0; row < maps.size(); ++row) {
        items->insertRow(row);
        const QModelIndex item = items->index(row, 0);
        for (auto it = maps.at(row).cbegin(); it != maps.at(row).cend(); ++it)
            items->setData(item, it.value(), it.key());
    }
}

int comboIndexOf(const QComboBox* combo, const QModelIndex& index)
{
    const QVariant stored = index.data(struTreeViewData::ComboBoxIndexRole);
    const int current = stored.isValid() ? stored.toInt() : -1;
    if (current != -1)
        return current;
    return combo->findText(index.data(Qt::DisplayRole).toString(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void commitCombo(const QComboBox* combo, QAbstractItemModel* model, const QModelIndex& index)
{
    const int current = combo->currentIndex();
    model->setData(index, current, struTreeViewData::ComboBoxIndexRole);
    model->setData(index, combo->itemIcon(current), Qt::DecorationRole);
    model->setData(index, combo->currentText(), Qt::EditRole);
    const QVariant user = combo->itemData(current, Qt::UserRole);
    if (user.isValid())
        model->setData(index, user, Qt::UserRole);
}

void commitDateTime(const QDateTimeEdit* edit, QAbstractItemModel* model, const QModelIndex& index)
{
    const QDateTime value = edit->dateTime();
    model->setData(index, value, struTreeViewData::DateTimeEditorRole);
    model->setData(index, value.toString(edit->displayFormat()), Qt::EditRole);
}

QWidget* newEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (index.data(struTreeViewData::ComboBoxEditorRole).isValid()) {
        auto* combo = new ZtComboBox(parent);
        fillCombo(combo, index);
        const QVariant current = index.data(struTreeViewData::ComboBoxIndexRole);
        combo->setCurrentIndex(current.isValid() ? current.toInt() : -1);
        combo->setFixedSize(option.rect.size());
        return combo;
    }
    const QVariant dateTime = index.data(struTreeViewData::DateTimeEditorRole);
    if (dateTime.isValid()) {
        auto* edit = new ZtDateTimeEdit(parent);
        const QString format = index.data(struTreeViewData::DateTimeFormatRole).toString();
        // Without a format of its own the edit keeps the library's.
        if (!format.isEmpty())
            edit->setDisplayFormat(format);
        edit->setDateTime(dateTime.toDateTime());
        return edit;
    }
    auto* line = new ZtLineEdit(parent);
    line->setText(index.data(Qt::DisplayRole).toString());
    return line;
}

} // namespace

ItemPixmapValue ZtTableViewItemDelegatePrivate::slotValue(const QModelIndex& index, int slot)
{
    return index.data(slotRole(slot)).value<ItemPixmapValue>();
}

QRect ZtTableViewItemDelegatePrivate::cellRect(const QStyleOptionViewItem& option)
{
    QRect rect = option.rect;
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
        rect.setRight(qMin(rect.right(), view->viewport()->rect().right()));
    return rect;
}

ZtTableViewItemDelegatePrivate::Slots ZtTableViewItemDelegatePrivate::cellSlots(const QModelIndex& index, SizeOf sizeOf)
{
    Slots images;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QVariant data = index.data(slotRole(slot));
        images[slot].held = data.userType() == qMetaTypeId<ItemPixmapValue>();
        images[slot].size = sizeOf(data.value<ItemPixmapValue>());
    }
    return images;
}

int ZtTableViewItemDelegatePrivate::leftX(const Slots& images, const QRect& rect, int wanted) const
{
    // The group starts at the margin only when slot 1 is present. A value without a picture of
    // its own still takes its place in the row, with no width.
    int x = rect.x();
    int right = 0;
    bool placed = false;
    for (int slot = 0; slot <= wanted; ++slot) {
        if (!images[slot].held)
            continue;
        x = slot == 0 ? rect.x() + margin : (placed ? right : rect.x()) + space;
        right = x + (images[slot].size.isValid() ? images[slot].size.width() : 0) - 1;
        placed = true;
    }
    return x;
}

int ZtTableViewItemDelegatePrivate::groupX(const Slots& images, const QRect& rect, Qt::Alignment alignment) const
{
    int count = 0;
    int widths = 0;
    int x = rect.right();
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QSize& size = images[slot].size;
        if (!size.isValid())
            continue;
        ++count;
        widths += size.width();
        x -= size.width() + (slot < 3 ? margin : space);
    }
    if (alignment & Qt::AlignRight)
        return x;
    return rect.x() + (rect.width() - (widths + (count - 1) * space + 2 * margin)) / 2;
}

QRect ZtTableViewItemDelegatePrivate::slotRect(int role, const QStyleOptionViewItem& option, const QModelIndex& index,
                                               Qt::Alignment alignment, SizeOf sizeOf) const
{
    const int wanted = role - struTreeViewData::Pixmap1Role;
    if (wanted < 0 || wanted >= SlotCount)
        return QRect();
    const Slots images = cellSlots(index, sizeOf);
    const QSize size = images[wanted].size;
    if (!size.isValid())
        return QRect();
    const QRect rect = cellRect(option);
    int x = 0;
    if (alignment & Qt::AlignLeft) {
        x = leftX(images, rect, wanted);
    } else {
        // Right and centred groups run from their start, each image after the previous one's right edge.
        x = groupX(images, rect, alignment);
        for (int slot = 0; slot < wanted; ++slot) {
            if (images[slot].size.isValid())
                x += images[slot].size.width() - 1 + space;
        }
    }
    return QRect(x, rect.top() + (rect.height() - size.height()) / 2, size.width(), size.height());
}

QRect ZtTableViewItemDelegatePrivate::imageArea(const QStyleOptionViewItem& option, const QModelIndex& index,
                                                Qt::Alignment alignment, SizeOf sizeOf) const
{
    if (!(alignment & Qt::AlignRight) || (alignment & Qt::AlignLeft))
        return QRect();
    const QRect rect = cellRect(option);
    int x = rect.right();
    for (const Slot& slot : cellSlots(index, sizeOf)) {
        if (slot.size.isValid())
            x -= slot.size.width() + space;
    }
    x = qMax(x, rect.x() + space);
    return QRect(QPoint(x, rect.top()), rect.bottomRight());
}

int ZtTableViewItemDelegatePrivate::pictureKey(const ItemPixmapValue& value, const QRect& rect, bool enabled,
                                               const QPoint& cursor) const
{
    if (!enabled)
        return ItemPixmapValue::DisabledKey;
    if (!rect.contains(cursor))
        return ItemPixmapValue::NormalKey;
    return pressed && value.contains(ItemPixmapValue::PressedKey) ? ItemPixmapValue::PressedKey
                                                                  : ItemPixmapValue::HoverKey;
}

ZtTableViewItemDelegate::ZtTableViewItemDelegate(QObject* parent)
    : ZtBaseViewItemDelegate(parent)
    , d_ptr(new ZtTableViewItemDelegatePrivate(this))
{
}

ZtTableViewItemDelegate::~ZtTableViewItemDelegate() = default;

void ZtTableViewItemDelegate::SetPixmapSpace(int iSpace)
{
    Q_D(ZtTableViewItemDelegate);
    d->space = iSpace;
}

void ZtTableViewItemDelegate::SetPixmapMargin(int iMargin)
{
    Q_D(ZtTableViewItemDelegate);
    d->margin = iMargin;
}

void ZtTableViewItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    Q_D(const ZtTableViewItemDelegate);
    d->paintCell(painter, option, index, true, drawPixmap);
}

QSize ZtTableViewItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QVariant height = index.data(struTreeViewData::RowHeightRole);
    if (height.isValid() && height.toInt() > 0)
        size.setHeight(height.toInt());
    return size;
}

QWidget* ZtTableViewItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const
{
    if (!index.isValid())
        return nullptr;
    QWidget* editor = newEditor(parent, option, index);
    // The editor sits in the view, out of a host's reach: it goes by its column's header.
    const QString header = index.model()->headerData(index.column(), Qt::Horizontal).toString();
    editor->setAccessibleName(header.isEmpty() ? tr("Row %1, column %2").arg(index.row() + 1).arg(index.column() + 1)
                                               : header);
    return editor;
}

void ZtTableViewItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(comboIndexOf(combo, index));
    else if (auto* edit = qobject_cast<QDateTimeEdit*>(editor))
        edit->setDateTime(index.data(struTreeViewData::DateTimeEditorRole).toDateTime());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void ZtTableViewItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    // Without an editor or a model there is nothing to write, but the host still hears of the commit.
    if (editor && model) {
        if (const auto* combo = qobject_cast<const QComboBox*>(editor))
            commitCombo(combo, model, index);
        else if (const auto* edit = qobject_cast<const QDateTimeEdit*>(editor))
            commitDateTime(edit, model, index);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }
    emit SignalEditorDataChanged(index);
}

void ZtTableViewItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                   const QModelIndex& index) const
{
    if (!editor)
        return;
    if (qobject_cast<QLineEdit*>(editor) && (index.flags() & Qt::ItemIsUserCheckable)) {
        QRect rect = option.rect;
        rect.setLeft(rect.left() + option.decorationSize.width() + CheckBoxGap);
        editor->setGeometry(rect);
    } else if (qobject_cast<QComboBox*>(editor)) {
        editor->setGeometry(option.rect);
    } else {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    }
}

bool ZtTableViewItemDelegate::helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView,
                                        const QStyleOptionViewItem& optionItem, const QModelIndex& miItem)
{
    if (!pEvent || !pView)
        return false;
    if (pEvent->type() == QEvent::ToolTip) {
        const Qt::Alignment alignment = GetMousePixmapAlignment(optionItem, miItem);
        const int x = pEvent->pos().x();
        for (int slot = 0; slot < ZtTableViewItemDelegatePrivate::SlotCount; ++slot) {
            const QRect rect = GetItemPixmapRect(slotRole(slot), optionItem, miItem, alignment);
            const QVariant tip = miItem.data(struTreeViewData::Pixmap1ToolTipRole + slot);
            // Only the columns count: a tip shows above and below its image as well.
            if (rect.isEmpty() || x < rect.x() || x > rect.right() || !tip.canConvert<QString>())
                continue;
            QToolTip::showText(pEvent->globalPos(), tip.toString(), pView,
                               QRect(rect.x(), rect.top(), rect.right() - rect.x(), rect.height()));
            return true;
        }
    }
    return ZtBaseViewItemDelegate::helpEvent(pEvent, pView, optionItem, miItem);
}

void ZtTableViewItemDelegate::hoverEvent(QHoverEvent* pHoverEvent, QAbstractItemView* pView,
                                         const QStyleOptionViewItem& optionItem, const QModelIndex& miItem)
{
    Q_D(ZtTableViewItemDelegate);
    if (!pHoverEvent || !pView)
        return;
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (pHoverEvent->type() == QEvent::HoverMove && miItem.isValid()) {
        const Role role = CheckMouse(KitraCompat::EventPos(pHoverEvent), optionItem, miItem);
        bool hand = miItem.data(struTreeViewData::HandCursorRole).isValid();
        if (role != struTreeViewData::NoneRole) {
            const int enabledRole = struTreeViewData::Pixmap1EnabledRole + (role - struTreeViewData::Pixmap1Role);
            const QVariant enabled = miItem.data(enabledRole);
            hand = hand || !enabled.isValid() || enabled.toBool();
        }
        if (hand)
            shape = Qt::PointingHandCursor;
    }
    pView->setCursor(shape);
    if (d->hovered != miItem && d->hovered.isValid())
        pView->update(d->hovered);
    d->hovered = miItem;
    pView->update(miItem);
}

struTreeViewData::ZtItemDataRole ZtTableViewItemDelegate::mouseEvent(QMouseEvent* pMouseEvent, QAbstractItemView* pView,
                                                                     const QStyleOptionViewItem& optionItem,
                                                                     const QModelIndex& miItem)
{
    Q_D(ZtTableViewItemDelegate);
    // Over empty space nothing changes: a press held there keeps its pressed picture.
    if (!pMouseEvent || !pView || !miItem.isValid())
        return struTreeViewData::NoneRole;
    const QEvent::Type type = pMouseEvent->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (press || type == QEvent::MouseButtonRelease) {
        d->pressed = press;
        pView->update(miItem);
    }
    return CheckMouse(pMouseEvent->pos(), optionItem, miItem);
}

QFlags<Qt::AlignmentFlag> ZtTableViewItemDelegate::GetMousePixmapAlignment(const QStyleOptionViewItem&,
                                                                           const QModelIndex& miItem)
{
    const QVariant alignment = miItem.data(struTreeViewData::PixmapAlignmentRole);
    return alignment.isValid() ? Qt::Alignment(alignment.toUInt()) : Qt::Alignment(Qt::AlignLeft);
}

struTreeViewData::ZtItemDataRole ZtTableViewItemDelegate::CheckMouse(const QPoint& point,
                                                                     const QStyleOptionViewItem& optionItem,
                                                                     const QModelIndex& miItem)
{
    const Qt::Alignment alignment = GetMousePixmapAlignment(optionItem, miItem);
    for (int slot = 0; slot < ZtTableViewItemDelegatePrivate::SlotCount; ++slot) {
        if (GetItemPixmapRect(slotRole(slot), optionItem, miItem, alignment).contains(point))
            return slotRole(slot);
    }
    return struTreeViewData::NoneRole;
}

QRect ZtTableViewItemDelegate::GetItemPixmapRect(struTreeViewData::ZtItemDataRole enumRole,
                                                 const QStyleOptionViewItem& optionItem, const QModelIndex& miItem,
                                                 QFlags<Qt::AlignmentFlag> alignment)
{
    Q_D(const ZtTableViewItemDelegate);
    return d->slotRect(enumRole, optionItem, miItem, alignment, pixmapSize);
}

QRect ZtTableViewItemDelegate::GetAllItemPixmapRect(const QStyleOptionViewItem& optionItem, const QModelIndex& miItem,
                                                    QFlags<Qt::AlignmentFlag> alignment)
{
    Q_D(const ZtTableViewItemDelegate);
    return d->imageArea(optionItem, miItem, alignment, pixmapSize);
}

} // namespace ZtGUI
