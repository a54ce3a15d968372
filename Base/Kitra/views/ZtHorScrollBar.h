#pragma once

#include "ZtScrollBar.h"

namespace ZtGUI {

/// The library's horizontal scroll bar (ZtGUI--ZtHorScrollBar in style sheets).
class KITRA_EXPORT ZtHorScrollBar : public ZtScrollBar
{
    Q_OBJECT

public:
    /// A horizontal scroll bar.
    explicit ZtHorScrollBar(QWidget* parent = nullptr);
    ~ZtHorScrollBar() override;
};

} // namespace ZtGUI
