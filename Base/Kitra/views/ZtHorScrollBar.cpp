#include "ZtHorScrollBar.h"

namespace ZtGUI {

ZtHorScrollBar::ZtHorScrollBar(QWidget* parent)
    : ZtScrollBar(Qt::Horizontal, parent)
{
}

ZtHorScrollBar::~ZtHorScrollBar() = default;

} // namespace ZtGUI
