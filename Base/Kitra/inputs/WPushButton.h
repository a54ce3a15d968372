#pragma once

#include <QPushButton>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class WPushButtonPrivate;

/// A push button that shows one icon while the mouse is outside it and another while the mouse is
/// over it.
class KITRA_EXPORT WPushButton : public QPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(WPushButton)

public:
    /// A button with no icons; give them with SetIcon().
    explicit WPushButton(QWidget* parent = nullptr);
    ~WPushButton() override;

    /// Takes up to two icons from `icons`: the first for outside, the second for hovered.
    /// Entries beyond `count` keep their previous icons.
    void SetIcon(QIcon* const icons, int count);

protected:
    /// Shows the hovered icon.
    void enterEvent(KitraEnterEvent* event) override;
    /// Shows the outside icon.
    void leaveEvent(QEvent* event) override;

private:
    QScopedPointer<WPushButtonPrivate> d_ptr;
};

} // namespace ZtGUI
