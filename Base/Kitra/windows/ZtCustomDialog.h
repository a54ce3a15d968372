#pragma once

#include <QScopedPointer>
#include <QString>
#include "KitraExport.h"
#include "ZtDialog.h"

namespace ZtGUI {

class ZtCustomDialogPrivate;

/// A frameless dialog with a frame `CentralFrame` for the caller's widget above an optional row of
/// Other, OK and Cancel buttons (`OtherButton`, `OkButton`, `CancelButton`). The buttons report
/// their clicks by signals; OK leaves the dialog open for the caller to decide, Cancel rejects it.
class KITRA_EXPORT ZtCustomDialog : public ZtDialog
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCustomDialog)

public:
    /// The buttons of the bottom row, combined into StandardButtons; they appear as Other, OK, Cancel.
    enum StandardButton { Ok = 0x400, Other = 0x2000, Cancel = 0x400000 };
    Q_ENUM(StandardButton)
    Q_DECLARE_FLAGS(StandardButtons, StandardButton)
    Q_FLAG(StandardButtons)

    /// A dialog with the requested `buttons` (none: no row and no line above it) and the title-bar
    /// buttons in `flags`; the OK button takes the keyboard focus.
    explicit ZtCustomDialog(QFlags<StandardButton> buttons, QWidget* parent = nullptr,
                            QFlags<ZtDialog::DialogFlag> flags = ZtDialog::CloseButtonHint);
    ~ZtCustomDialog() override;

    /// Puts `widget` into `CentralFrame`, filling it, and remembers it; null is refused with a warning.
    void AddCentralWidget(QWidget* widget);
    /// The widget last given to AddCentralWidget(), or null.
    QWidget* GetAddedCentralWidget();
    /// The frame `CentralFrame` above the button row.
    QWidget* GetCentralWidget() const;

    /// Each applies to the existing buttons among `buttons`; missing ones are skipped.
    void SetButtonText(QFlags<StandardButton> buttons, QString text);
    /// Enables or disables the existing buttons among `buttons`.
    void SetButtonEnable(QFlags<StandardButton> buttons, bool enable);
    /// Shows or hides the existing buttons among `buttons`.
    void SetButtonVisible(QFlags<StandardButton> buttons, bool visible);

signals:
    /// The OK button was clicked; the dialog stays open until the host closes it.
    void SignalOkButtonClicked();
    /// The Cancel button was clicked; the dialog then rejects itself (unless a slot deleted it).
    void SignalCancelButtonClicked();
    /// The Other button was clicked; the dialog stays open.
    void SignalOtherButtonClicked();

private slots:
    void OnButtonOtherClicked();
    void OnButtonOkClicked();
    void OnButtonCancelClicked();

private:
    QScopedPointer<ZtCustomDialogPrivate> d_ptr;
};

} // namespace ZtGUI

Q_DECLARE_OPERATORS_FOR_FLAGS(ZtGUI::ZtCustomDialog::StandardButtons)
