#pragma once

#include <QList>

class QHBoxLayout;
class QToolButton;

namespace ZtGUI {

class ZtWindowTitleLabel;

class ZtTVWallDisplayTitleItemPrivate
{
public:
    QHBoxLayout* layout = nullptr;
    ZtWindowTitleLabel* titleLabel = nullptr;
    QToolButton* showMore = nullptr;
    QList<QToolButton*> buttons;     // in the order they were added
    bool light = true;
    bool selected = false;
};

} // namespace ZtGUI
