#pragma once

#include <QString>

namespace ZtGUI {

class ZtWindowTitleLabelPrivate
{
public:
    QString titleText;
};

} // namespace ZtGUI
