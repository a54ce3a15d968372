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
    /// An unchecked action without a sub-menu; it has no check icon until SetCheckState().
    explicit ZtAction(QWidget* parent = nullptr);
    /// As above, with the menu text `text`.
    explicit ZtAction(const QString& text, QWidget* parent = nullptr);
    ~ZtAction() override;

    /// Sets the check mark and the skin's matching icon; Qt::PartiallyChecked becomes Qt::Checked unless
    /// the action has a sub-menu.
    void SetCheckState(Qt::CheckState state);
    /// The check mark as stored (after the conversion above); Qt::Unchecked at first.
    Qt::CheckState CheckState() const;
    /// Whether the action opens a sub-menu, which allows the partially checked mark; set it first.
    void SetHasSubMenu(bool hasSubMenu);
    /// Whether the action opens a sub-menu; false at first.
    bool HasSubMenu() const;

private:
    QScopedPointer<ZtActionPrivate> d_ptr;
};

} // namespace ZtGUI
