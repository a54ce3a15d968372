#pragma once

#include "ZtScrollBar.h"

namespace ZtGUI {

/// The library's vertical scroll bar (ZtGUI--ZtVerScrollBar in style sheets).
class KITRA_EXPORT ZtVerScrollBar : public ZtScrollBar
{
    Q_OBJECT

public:
    /// A vertical scroll bar.
    explicit ZtVerScrollBar(QWidget* parent = nullptr);
    ~ZtVerScrollBar() override;
};

} // namespace ZtGUI
