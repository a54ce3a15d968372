#include "ZtDateEdit.h"

#include "CommonFun.h"

namespace ZtGUI {

ZtDateEdit::ZtDateEdit(QWidget* parent)
    : QDateEdit(parent)
{
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
}

ZtDateEdit::~ZtDateEdit() = default;

} // namespace ZtGUI
