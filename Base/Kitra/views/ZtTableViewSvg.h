#pragma once

#include "ZtTableView.h"

namespace ZtGUI {

/// A ZtTableView whose cells draw their images from SVG files (ZtTableViewItemDelegateSvg): each
/// image slot holds the files' paths and the size to draw them at.
class KITRA_EXPORT ZtTableViewSvg : public ZtTableView
{
    Q_OBJECT

public:
    /// A table built with ZtTableView::PixmapSvg.
    explicit ZtTableViewSvg(QWidget* parent = nullptr);
    ~ZtTableViewSvg() override;
};

} // namespace ZtGUI
