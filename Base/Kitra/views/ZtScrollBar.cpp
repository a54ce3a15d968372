#include "ZtScrollBar.h"

namespace ZtGUI {

ZtScrollBar::ZtScrollBar(QWidget* parent)
    : QScrollBar(parent)
{
}

ZtScrollBar::ZtScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
}

ZtScrollBar::~ZtScrollBar() = default;

} // namespace ZtGUI
