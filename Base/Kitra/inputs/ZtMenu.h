#pragma once

#include <QMenu>
#include "KitraExport.h"

namespace ZtGUI {

/// A menu that moves itself up when it would reach below the available area of its screen.
class KITRA_EXPORT ZtMenu : public QMenu
{
    Q_OBJECT

public:
    /// An empty menu.
    explicit ZtMenu(QWidget* parent = nullptr);
    /// An empty menu titled `title` (the text it shows as a sub-menu entry).
    explicit ZtMenu(const QString& title, QWidget* parent = nullptr);

protected:
    /// On show, moves the menu up so that its bottom stays on the screen's available area.
    bool event(QEvent* event) override;
};

} // namespace ZtGUI
