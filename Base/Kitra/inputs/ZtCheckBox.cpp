#include "ZtCheckBox.h"

namespace ZtGUI {

ZtCheckBox::ZtCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
}

ZtCheckBox::ZtCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
}

} // namespace ZtGUI
