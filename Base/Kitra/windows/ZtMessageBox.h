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
    /// The buttons a box can offer, combined into StandardButtons; also the answer of the show functions.
    enum StandardButton {
        NoButton = 0, ///< no button: the box was closed by its title bar
        Ok = 0x400, ///< "OK", accepts
        Cancel = 0x2000, ///< "Cancel", rejects; also the answer when exec() returned -1
        Yes = 0x4000, ///< "Yes", accepts
        No = 0x10000, ///< "No", rejects
        Close = 0x200000 ///< "Close", rejects
    };
    Q_ENUM(StandardButton)
    Q_DECLARE_FLAGS(StandardButtons, StandardButton)
    Q_FLAG(StandardButtons)

    /// The icon a show function loads from the skin's MessageBox folder (Warning.png, Prompt.png,
    /// Error.png, Question.png, Success.png); an unknown value gives the warning icon.
    enum IconType { IconWarning = 0, IconPrompt = 1, IconError = 2, IconQuestion = 3, IconSuccess = 4 };
    Q_ENUM(IconType)

    /// An empty box: no title, text or buttons.
    explicit ZtMessageBox(QWidget* parent = nullptr);
    /// A box with `buttons`; a `positiveText` or `negativeText` turns them into one accepting and
    /// one rejecting button with those texts.
    ZtMessageBox(const QString& title, const QString& text, QFlags<StandardButton> buttons = Ok,
                 QWidget* parent = nullptr, QFlags<ZtDialog::DialogFlag> flags = ZtDialog::CloseButtonHint,
                 const QString& positiveText = QString(), const QString& negativeText = QString());
    /// A box with `icon` and the standard texts of `buttons`.
    ZtMessageBox(QPixmap icon, const QString& title, const QString& text, QFlags<StandardButton> buttons = Ok,
                 QWidget* parent = nullptr, QFlags<ZtDialog::DialogFlag> flags = ZtDialog::CloseButtonHint);
    ~ZtMessageBox() override;

    /// Shows `pixmap` as the icon; a null pixmap leaves the icon as it is.
    void SetIconImage(const QPixmap& pixmap);

    /// A 300 x 164 box with the prompt icon and a Yes button; returns Yes, or NoButton when closed by
    /// the title bar.
    static StandardButton ShowInformation(QWidget* parent, const QString& title, const QString& text);
    /// A smaller 230 x 125 box with the warning icon and `buttons`; returns the button clicked, or
    /// NoButton when closed by the title bar.
    static StandardButton ShowInformation(QWidget* parent, const QString& title, const QString& text,
                                          QFlags<StandardButton> buttons);
    /// A 300 x 164 box with `icon` and `buttons`; with a `positiveText` or `negativeText` it shows one
    /// accepting and one rejecting button with those texts, answering Ok and Cancel even for Yes and No.
    static StandardButton ShowInformation(QWidget* parent, IconType icon, const QString& title,
                                          const QString& text, QFlags<StandardButton> buttons,
                                          const QString& positiveText = QString(),
                                          const QString& negativeText = QString());
    /// A 300 x 164 box with the error icon and a Yes button; returns Yes, or NoButton.
    static StandardButton ShowError(QWidget* parent, const QString& title, const QString& text);
    /// A 300 x 164 box with the question icon and Yes and No buttons; returns Yes, No, or NoButton.
    static StandardButton ShowQuestion(QWidget* parent, const QString& title, const QString& text);
    /// A 300 x 164 box with the success icon and a Yes button; returns Yes, or NoButton.
    static StandardButton ShowSuccess(QWidget* parent, const QString& title, const QString& text);
    /// A 300 x 164 box with the warning icon and a Yes button; returns Yes, or NoButton.
    static StandardButton ShowWarning(QWidget* parent, const QString& title, const QString& text);

signals:
    /// A button of the row was clicked: `enumButton` is the button it stands for (Ok or Cancel for
    /// custom-text buttons). The box has already started to accept or reject.
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
