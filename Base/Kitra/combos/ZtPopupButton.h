#pragma once

#include <QScopedPointer>
#include <QToolButton>
#include "KitraExport.h"

namespace ZtGUI {

class ZtPopupButtonPrivate;

/// A tool button that drops down an application widget, centred under the button and not
/// fitted to the screen. A press on the button opens it; an outside press, Escape and Return
/// close it.
class KITRA_EXPORT ZtPopupButton : public QToolButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtPopupButton)

public:
    /// A button whose pop-up stays empty until SetPopupWidget().
    explicit ZtPopupButton(QWidget* parent = nullptr);
    ~ZtPopupButton() override;

    /// Shows `pWidget` as the pop-up, at the size it has (or its size hint when never sized),
    /// and deletes the previous one; null is ignored.
    void SetPopupWidget(QWidget* pWidget);

protected:
    /// Shows the pop-up with its top centre at the button's bottom centre.
    void showPopup();
    /// Hides the pop-up.
    void hidePopup();
    /// Any press opens the pop-up instead of pressing the button.
    void mousePressEvent(QMouseEvent* event) override;
    /// Escape, Return and Enter close an open pop-up and are consumed.
    bool event(QEvent* event) override;

private:
    QScopedPointer<ZtPopupButtonPrivate> d_ptr;
};

} // namespace ZtGUI
