#include "ZtTimeEdit.h"

#include "CommonFun.h"

namespace ZtGUI {

ZtTimeEdit::ZtTimeEdit(QWidget* parent)
    : QTimeEdit(parent)
{
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
}

ZtTimeEdit::~ZtTimeEdit() = default;

} // namespace ZtGUI
