#pragma once

#include <QAction>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class ZtActionPrivate;

/// An action with a three-state check mark drawn as the skin's check-box icon. Only an action
/// that opens a sub-menu shows the partially checked mark; any other one shows it as checked.
class KITRA_EXPORT ZtAction : public QAction
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtAction)

public:
    explicit ZtAction(QWidget* parent = nullptr);
    explicit ZtAction(const QString& text, QWidget* parent = nullptr);
    ~ZtAction() override;

    void SetCheckState(Qt::CheckState state);
    Qt::CheckState CheckState() const;
    void SetHasSubMenu(bool hasSubMenu);
    bool HasSubMenu() const;

private:
    QScopedPointer<ZtActionPrivate> d_ptr;
};

} // namespace ZtGUI
