#pragma once

#include <QScopedPointer>
#include "ZtTableViewItemDelegate.h"

namespace ZtGUI {

class ZtTableViewItemDelegateSvgPrivate;

/// The delegate of ZtTableViewSvg: the images of a cell are SVG files (paths at the keys of
/// ItemPixmapValue) drawn at the size stored under SizeKey. Each file is rendered once per size
/// and device pixel ratio and kept; hit-testing, hover, tool tips and editors are those of
/// ZtTableViewItemDelegate.
class KITRA_EXPORT ZtTableViewItemDelegateSvg : public ZtTableViewItemDelegate
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTableViewItemDelegateSvg)

public:
    /// A delegate with margin 15 and space 4 pixels, owned by `parent` (usually the view).
    explicit ZtTableViewItemDelegateSvg(QObject* parent = nullptr);
    ~ZtTableViewItemDelegateSvg() override;

    /// Paints the cell, then its SVG images in their normal, hover, pressed or disabled file.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    /// The rectangle of one image slot at its SizeKey size; empty when the slot holds no image.
    QRect GetItemPixmapRect(struTreeViewData::ZtItemDataRole enumRole, const QStyleOptionViewItem& optionItem,
                            const QModelIndex& miItem, QFlags<Qt::AlignmentFlag> alignment) override;
    /// The area the SVG images take in right alignment; empty in any other.
    QRect GetAllItemPixmapRect(const QStyleOptionViewItem& optionItem, const QModelIndex& miItem,
                               QFlags<Qt::AlignmentFlag> alignment) override;

private:
    QScopedPointer<ZtTableViewItemDelegateSvgPrivate> d_ptr;
};

} // namespace ZtGUI
