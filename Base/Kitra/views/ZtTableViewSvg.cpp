#include "ZtTableViewSvg.h"

namespace ZtGUI {

ZtTableViewSvg::ZtTableViewSvg(QWidget* parent)
    : ZtTableView(PixmapSvg, parent)
{
}

ZtTableViewSvg::~ZtTableViewSvg() = default;

} // namespace ZtGUI
