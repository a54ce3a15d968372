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
    explicit ZtTableViewItemDelegateSvg(QObject* parent = nullptr);
    ~ZtTableViewItemDelegateSvg() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    QRect GetItemPixmapRect(struTreeViewData::ZtItemDataRole enumRole, const QStyleOptionViewItem& optionItem,
                            const QModelIndex& miItem, QFlags<Qt::AlignmentFlag> alignment) override;
    QRect GetAllItemPixmapRect(const QStyleOptionViewItem& optionItem, const QModelIndex& miItem,
                               QFlags<Qt::AlignmentFlag> alignment) override;

private:
    QScopedPointer<ZtTableViewItemDelegateSvgPrivate> d_ptr;
};

} // namespace ZtGUI
