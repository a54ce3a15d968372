#pragma once

#include <QListWidget>
#include "KitraExport.h"

namespace ZtGUI {

/// A QListWidget that scrolls with the library's scroll bars, so that the skins style it.
class KITRA_EXPORT ZtListWidget : public QListWidget
{
    Q_OBJECT

public:
    /// A list widget with a ZtHorScrollBar and a ZtVerScrollBar.
    explicit ZtListWidget(QWidget* parent = nullptr);
    ~ZtListWidget() override;
};

} // namespace ZtGUI
