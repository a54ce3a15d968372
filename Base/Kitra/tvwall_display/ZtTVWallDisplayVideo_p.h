#pragma once

#include <QString>

namespace ZtGUI {

class ZtTVWallDisplayVideoPrivate
{
public:
    QString text;
};

} // namespace ZtGUI
