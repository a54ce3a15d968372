#pragma once

#include "ZtBaseView.h"

namespace ZtGUI {

/// A ZtBaseView set up as a flat table (no indentation, no root decoration, no expanding on a
/// double click) whose delegate draws up to five clickable images per cell and creates the cell
/// editors the model asks for (ZtTableViewItemDelegate, or ZtTableViewItemDelegateSvg for SVG
/// images). A cell whose EditTriggerRole has the bit 0x2 opens its editor on a single left press.
class KITRA_EXPORT ZtTableView : public ZtBaseView
{
    Q_OBJECT

public:
    /// The images' kind: PixmapSvg draws SVG files, any other value pixmaps.
    enum ItemDelegateEnum { PixmapNormal = 0, PixmapSvg = 1 };
    Q_ENUM(ItemDelegateEnum)

    /// A table drawing pixmaps.
    explicit ZtTableView(QWidget* parent = nullptr);
    /// A table drawing SVG images for PixmapSvg and pixmaps for any other value.
    ZtTableView(ZtTableView::ItemDelegateEnum enumDelegate, QWidget* parent);
    ~ZtTableView() override;

    // The public edit(index) slot stays reachable beside the override below.
    using QAbstractItemView::edit;

protected:
    /// Opens the editor on a single left press when the cell's EditTriggerRole has the bit 0x2.
    bool edit(const QModelIndex& index, QAbstractItemView::EditTrigger trigger, QEvent* event) override;
};

} // namespace ZtGUI
