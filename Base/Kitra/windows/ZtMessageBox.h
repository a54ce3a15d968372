#pragma once

#include <QPixmap>
#include <QScopedPointer>
#include <QString>
#include "KitraExport.h"
#include "ZtDialog.h"

namespace ZtGUI {

class ZtMessageBoxPrivate;

/// A frameless message box: an icon `msgbox_icon_label`, a wrapped text `msgbox_label` and a row of
/// buttons (`MsgBtnOk` for OK and Yes, `MsgBtnCancel` for Cancel and No). The static show functions
/// build one, run it modally and answer the button that closed it, `NoButton` when the title bar's
/// close button did.
class KITRA_EXPORT ZtMessageBox : public ZtDialog
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtMessageBox)

public:
    enum StandardButton {
        NoButton = 0,
        Ok = 0x400,
        Cancel = 0x2000,
        Yes = 0x4000,
        No = 0x10000,
        Close = 0x200000
    };
    Q_ENUM(StandardButton)
    Q_DECLARE_FLAGS(StandardButtons, StandardButton)
    Q_FLAG(StandardButtons)

    enum IconType { IconWarning = 0, IconPrompt = 1, IconError = 2, IconQuestion = 3, IconSuccess = 4 };
    Q_ENUM(IconType)

    /// An empty box: no title, text or buttons.
    explicit ZtMessageBox(QWidget* parent = nullptr);
    /// A box with `buttons`; a `positiveText` or `negativeText` turns them into one accepting and
    /// one rejecting button with those texts.
    ZtMessageBox(const QString& title, const QString& text, QFlags<StandardButton> buttons = Ok,
                 QWidget* parent = nullptr, QFlags<ZtDialog::DialogFlag> flags = ZtDialog::CloseButtonHint,
                 const QString& positiveText = QString(), const QString& negativeText = QString());
    ZtMessageBox(QPixmap icon, const QString& title, const QString& text, QFlags<StandardButton> buttons = Ok,
                 QWidget* parent = nullptr, QFlags<ZtDialog::DialogFlag> flags = ZtDialog::CloseButtonHint);
    ~ZtMessageBox() override;

    /// Shows `pixmap` as the icon; a null pixmap leaves the icon as it is.
    void SetIconImage(const QPixmap& pixmap);

    static StandardButton ShowInformation(QWidget* parent, const QString& title, const QString& text);
    static StandardButton ShowInformation(QWidget* parent, const QString& title, const QString& text,
                                          QFlags<StandardButton> buttons);
    static StandardButton ShowInformation(QWidget* parent, IconType icon, const QString& title,
                                          const QString& text, QFlags<StandardButton> buttons,
                                          const QString& positiveText = QString(),
                                          const QString& negativeText = QString());
    static StandardButton ShowError(QWidget* parent, const QString& title, const QString& text);
    static StandardButton ShowQuestion(QWidget* parent, const QString& title, const QString& text);
    static StandardButton ShowSuccess(QWidget* parent, const QString& title, const QString& text);
    static StandardButton ShowWarning(QWidget* parent, const QString& title, const QString& text);

signals:
    void SignalButtonClicked(StandardButton enumButton);

private slots:
    void OnButtonOkClicked();
    void OnButtonYesClicked();
    void OnButtonCancelClicked();
    void OnButtonNoClicked();
    void OnButtonCloseClicked();

private:
    QScopedPointer<ZtMessageBoxPrivate> d_ptr;
};

} // namespace ZtGUI

Q_DECLARE_OPERATORS_FOR_FLAGS(ZtGUI::ZtMessageBox::StandardButtons)
