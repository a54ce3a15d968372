#pragma once

namespace ZtGUI {

class ZtTVWallDisplayFramePrivate
{
public:
    int kind = 0;
    bool light = true;
};

} // namespace ZtGUI
