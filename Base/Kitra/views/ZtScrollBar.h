#pragma once

#include <QScrollBar>
#include "KitraExport.h"

namespace ZtGUI {

/// The library's scroll bar. It behaves as QScrollBar; its class name is what the skins'
/// style sheets address (ZtGUI--ZtScrollBar).
class KITRA_EXPORT ZtScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    /// A vertical scroll bar, as QScrollBar(parent).
    explicit ZtScrollBar(QWidget* parent = nullptr);
    /// A scroll bar of the given orientation.
    explicit ZtScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~ZtScrollBar() override;
};

} // namespace ZtGUI
