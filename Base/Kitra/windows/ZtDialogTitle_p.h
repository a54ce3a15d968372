#pragma once

class QHBoxLayout;

namespace ZtGUI {

class ZtWindowTitleLabel;

class ZtDialogTitlePrivate
{
public:
    QHBoxLayout* layout = nullptr;           // owned by the title bar
    ZtWindowTitleLabel* titleLabel = nullptr; // child of the title bar
};

} // namespace ZtGUI
