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
    enum StandardButton { Ok = 0x400, Other = 0x2000, Cancel = 0x400000 };
    Q_ENUM(StandardButton)
    Q_DECLARE_FLAGS(StandardButtons, StandardButton)
    Q_FLAG(StandardButtons)

    explicit ZtCustomDialog(QFlags<StandardButton> buttons, QWidget* parent = nullptr,
                            QFlags<ZtDialog::DialogFlag> flags = ZtDialog::CloseButtonHint);
    ~ZtCustomDialog() override;

    /// Puts `widget` into `CentralFrame`, filling it, and remembers it.
    void AddCentralWidget(QWidget* widget);
    QWidget* GetAddedCentralWidget();
    QWidget* GetCentralWidget() const;

    /// Each applies to the existing buttons among `buttons`; missing ones are skipped.
    void SetButtonText(QFlags<StandardButton> buttons, QString text);
    void SetButtonEnable(QFlags<StandardButton> buttons, bool enable);
    void SetButtonVisible(QFlags<StandardButton> buttons, bool visible);

signals:
    void SignalOkButtonClicked();
    void SignalCancelButtonClicked();
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
