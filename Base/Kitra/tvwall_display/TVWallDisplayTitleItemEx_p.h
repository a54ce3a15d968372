#pragma once

class QVBoxLayout;

namespace ZtGUI {

class TVWallDisplayTitleItemExPrivate
{
public:
    QVBoxLayout* layout = nullptr;
    int items = 0;
    bool light = true;
};

} // namespace ZtGUI
