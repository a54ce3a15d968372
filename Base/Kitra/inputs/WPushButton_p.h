#pragma once

#include <QIcon>

namespace ZtGUI {

class WPushButtonPrivate
{
public:
    static constexpr int kIconCount = 2;
    QIcon icons[kIconCount];    // 0: mouse outside, 1: mouse over the button
};

} // namespace ZtGUI
