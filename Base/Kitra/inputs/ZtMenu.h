#pragma once

#include <QMenu>
#include "KitraExport.h"

namespace ZtGUI {

/// A menu that moves itself up when it would reach below the available area of its screen.
class KITRA_EXPORT ZtMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ZtMenu(QWidget* parent = nullptr);
    explicit ZtMenu(const QString& title, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

} // namespace ZtGUI
