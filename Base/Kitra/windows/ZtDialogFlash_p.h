#pragma once

#include <QPixmap>

namespace ZtGUI {

class ZtDialogFlashPrivate
{
public:
    QPixmap snapshot;
};

} // namespace ZtGUI
