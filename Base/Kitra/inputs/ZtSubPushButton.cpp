#include "ZtSubPushButton.h"

namespace ZtGUI {

ZtSubPushButton::ZtSubPushButton(QWidget* parent)
    : ZtPushButton(parent)
{
}

ZtSubPushButton::ZtSubPushButton(const QString& text, QWidget* parent)
    : ZtPushButton(text, parent)
{
}

ZtSubPushButton::ZtSubPushButton(const QIcon& icon, const QString& text, QWidget* parent)
    : ZtPushButton(icon, text, parent)
{
}

} // namespace ZtGUI
