#include "ZtVerScrollBar.h"

namespace ZtGUI {

ZtVerScrollBar::ZtVerScrollBar(QWidget* parent)
    : ZtScrollBar(Qt::Vertical, parent)
{
}

ZtVerScrollBar::~ZtVerScrollBar() = default;

} // namespace ZtGUI
