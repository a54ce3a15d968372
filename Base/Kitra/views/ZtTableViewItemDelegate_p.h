#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QPersistentModelIndex>
#include <array>
#include <optional>
#include "ZtTableViewItemDelegate.h"

namespace ZtGUI {

class ZtTableViewItemDelegatePrivate
{
    Q_DECLARE_PUBLIC(ZtTableViewItemDelegate)

public:
    static constexpr int SlotCount = 5;
    /// The size of a slot's image, invalid when the slot holds none.
    using SizeOf = QSize (*)(const ItemPixmapValue& value);

    explicit ZtTableViewItemDelegatePrivate(ZtTableViewItemDelegate* delegate) : q_ptr(delegate) {}

    /// One image slot of a cell: whether its role holds an ItemPixmapValue, and the size of its image
    /// (invalid when the value has none).
    struct Slot
    {
        bool held = false;
        QSize size;
    };
    using Slots = std::array<Slot, SlotCount>;

    static ItemPixmapValue slotValue(const QModelIndex& index, int slot);
    static Slots cellSlots(const QModelIndex& index, SizeOf sizeOf);
    /// Where slot `wanted` starts in a left-aligned group.
    int leftX(const Slots& images, const QRect& rect, int wanted) const;
    /// Where the first image of a right-aligned or centred group starts.
    int groupX(const Slots& images, const QRect& rect, Qt::Alignment alignment) const;
    /// The cell's rectangle, cut at the viewport's right edge so that images of a wide last
    /// column stay visible.
    static QRect cellRect(const QStyleOptionViewItem& option);
    QRect slotRect(int role, const QStyleOptionViewItem& option, const QModelIndex& index,
                   Qt::Alignment alignment, SizeOf sizeOf) const;
    QRect imageArea(const QStyleOptionViewItem& option, const QModelIndex& index, Qt::Alignment alignment,
                    SizeOf sizeOf) const;
    /// Which picture of `value` to draw, by the slot's state and where the cursor is on the viewport.
    int pictureKey(const ItemPixmapValue& value, const QRect& rect, bool enabled, const QPoint& cursor) const;

    /// Paints the cell's text and background, then hands each present image to `draw` with its
    /// rectangle and the picture chosen for it (an invalid picture draws nothing).
    template <typename Draw>
    void paintCell(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                   bool slotEnabledRoles, Draw draw) const;

    ZtTableViewItemDelegate* q_ptr;
    bool pressed = false;
    int space = 4;
    int margin = 15;
    // The cell last hovered, repainted when the mouse leaves it so that no hover picture stays.
    QPersistentModelIndex hovered;
};

template <typename Draw>
void ZtTableViewItemDelegatePrivate::paintCell(QPainter* painter, const QStyleOptionViewItem& option,
                                               const QModelIndex& index, bool slotEnabledRoles, Draw draw) const
{
    // The geometry hooks are non-const for subclasses' sake; painting only reads through them.
    ZtTableViewItemDelegate* const q = q_ptr;
    const Qt::Alignment alignment = q->GetMousePixmapAlignment(option, index);
    if (alignment == Qt::AlignRight) {
        const int areaWidth = q->GetAllItemPixmapRect(option, index, alignment).width();
        QStyleOptionViewItem textOption(option);
        textOption.rect.setRight(option.rect.right() - areaWidth);
        q->QStyledItemDelegate::paint(painter, textOption, index);
        // The images' area gets the row's background and selection only.
        QStyleOptionViewItem areaOption(option);
        areaOption.rect.setLeft(option.rect.right() - areaWidth + 1);
        const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &areaOption, painter, option.widget);
    } else {
        q->QStyledItemDelegate::paint(painter, option, index);
    }
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    // The cursor decides between the normal and the hover picture; it is asked for once per cell,
    // and only for a cell that has a hover picture.
    std::optional<QPoint> cursor;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const auto role = struTreeViewData::ZtItemDataRole(struTreeViewData::Pixmap1Role + slot);
        const ItemPixmapValue value = slotValue(index, slot);
        if (value.isEmpty())
            continue;
        const QRect rect = q->GetItemPixmapRect(role, option, index, alignment);
        if (rect.isEmpty())
            continue;
        int key = ItemPixmapValue::NormalKey;
        if (view && value.contains(ItemPixmapValue::HoverKey)) {
            bool enabled = view->isEnabled();
            const QVariant enabledRole = index.data(struTreeViewData::Pixmap1EnabledRole + slot);
            if (slotEnabledRoles && enabledRole.isValid())
                enabled = enabledRole.toBool();
            if (!cursor)
                cursor = view->viewport()->mapFromGlobal(QCursor::pos());
            key = pictureKey(value, rect, enabled, *cursor);
        }
        draw(painter, rect, value.value(key));
    }
}

} // namespace ZtGUI
