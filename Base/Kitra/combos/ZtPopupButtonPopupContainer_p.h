#pragma once

#include <QPointer>
#include <QWidget>

namespace ZtGUI {

class ZtPopupButtonPopupContainerPrivate
{
public:
    // Guarded: the application may delete its widget at any time.
    QPointer<QWidget> content;
};

} // namespace ZtGUI
