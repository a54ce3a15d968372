#pragma once

#include "ZtCustomDialog.h"

#include <QPointer>
#include <functional>

class QBoxLayout;
class QFrame;
class QPushButton;

namespace ZtGUI {

class ZtPushButton;

class ZtCustomDialogPrivate
{
    Q_DECLARE_PUBLIC(ZtCustomDialog)

public:
    explicit ZtCustomDialogPrivate(ZtCustomDialog* q) : q_ptr(q) {}

    void buildLayout(QFlags<ZtCustomDialog::StandardButton> buttons);
    void addButtonRow(QBoxLayout* column, QFlags<ZtCustomDialog::StandardButton> buttons);
    /// Calls `apply` on each existing button among `buttons`, in the order Cancel, OK, Other.
    void forEachButton(QFlags<ZtCustomDialog::StandardButton> buttons,
                       const std::function<void(QPushButton*)>& apply) const;

    ZtCustomDialog* q_ptr;
    QFrame* contentFrame = nullptr;
    QPointer<QWidget> addedWidget;
    ZtPushButton* okButton = nullptr;
    ZtPushButton* otherButton = nullptr;
    ZtPushButton* cancelButton = nullptr;
    int buttonWidth = 70;
    int buttonHeight = 22;
};

} // namespace ZtGUI
