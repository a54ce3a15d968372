#include "ZtCustomDialog.h"
#include "CommonFun_p.h"
#include "KitraGuard_p.h"
#include "ZtCustomDialog_p.h"

#include "ZtPushButton.h"
#include "ZtSubPushButton.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ZtGUI {

void ZtCustomDialogPrivate::buildLayout(QFlags<ZtCustomDialog::StandardButton> buttons)
{
    Q_Q(ZtCustomDialog);
    QWidget* central = q->ZtDialog::GetCentralWidget();
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    contentFrame = new QFrame(central);
    contentFrame->setObjectName(QStringLiteral("CentralFrame"));
    column->addWidget(contentFrame);
    if (!buttons)
        return;

    auto* line = new QFrame(central);
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    const bool dark = SkinStyle() == QLatin1String("Dark");
    line->setStyleSheet(dark ? QStringLiteral("color:#626262;") : QStringLiteral("color:#e3e3e3;"));
    column->addWidget(line);
    addButtonRow(column, buttons);
}

void ZtCustomDialogPrivate::addButtonRow(QBoxLayout* column, QFlags<ZtCustomDialog::StandardButton> buttons)
{
    Q_Q(ZtCustomDialog);
    QWidget* central = q->ZtDialog::GetCentralWidget();
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->setContentsMargins(40, 8, 19, 12);
    row->addStretch();
    auto add = [&](ZtPushButton* button, const char* objectName, void (ZtCustomDialog::*slot)()) {
        button->setObjectName(QLatin1String(objectName));
        button->resize(buttonWidth, buttonHeight);
        row->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, q, slot);
        return button;
    };
    if (buttons.testFlag(ZtCustomDialog::Other))
        otherButton = add(new ZtSubPushButton(ZtCustomDialog::tr("Other"), central), "OtherButton",
                          &ZtCustomDialog::OnButtonOtherClicked);
    if (buttons.testFlag(ZtCustomDialog::Ok))
        okButton = add(new ZtPushButton(ZtCustomDialog::tr("OK"), central), "OkButton",
                       &ZtCustomDialog::OnButtonOkClicked);
    if (buttons.testFlag(ZtCustomDialog::Cancel))
        cancelButton = add(new ZtSubPushButton(ZtCustomDialog::tr("Cancel"), central), "CancelButton",
                           &ZtCustomDialog::OnButtonCancelClicked);
    column->addLayout(row);
    if (okButton)
        okButton->setFocus();
}

void ZtCustomDialogPrivate::forEachButton(QFlags<ZtCustomDialog::StandardButton> buttons,
                                          const std::function<void(QPushButton*)>& apply) const
{
    if (cancelButton && buttons.testFlag(ZtCustomDialog::Cancel))
        apply(cancelButton);
    if (okButton && buttons.testFlag(ZtCustomDialog::Ok))
        apply(okButton);
    if (otherButton && buttons.testFlag(ZtCustomDialog::Other))
        apply(otherButton);
}

ZtCustomDialog::ZtCustomDialog(QFlags<StandardButton> buttons, QWidget* parent, QFlags<ZtDialog::DialogFlag> flags)
    : ZtDialog(parent, flags)
    , d_ptr(new ZtCustomDialogPrivate(this))
{
    Q_D(ZtCustomDialog);
    d->buildLayout(buttons);
}

ZtCustomDialog::~ZtCustomDialog() = default;

void ZtCustomDialog::AddCentralWidget(QWidget* widget)
{
    Q_D(ZtCustomDialog);
    if (!widget) {
        qWarning("ZtCustomDialog::AddCentralWidget: Attempt to insert null QWidget");
        return;
    }
    auto* grid = qobject_cast<QGridLayout*>(d->contentFrame->layout());
    if (!grid) {
        grid = new QGridLayout(d->contentFrame);
        grid->setContentsMargins(0, 0, 0, 0);
    }
    grid->addWidget(widget);
    d->addedWidget = widget;
}

QWidget* ZtCustomDialog::GetAddedCentralWidget()
{
    Q_D(const ZtCustomDialog);
    return d->addedWidget;
}

QWidget* ZtCustomDialog::GetCentralWidget() const
{
    Q_D(const ZtCustomDialog);
    return d->contentFrame;
}

void ZtCustomDialog::SetButtonText(QFlags<StandardButton> buttons, QString text)
{
    Q_D(ZtCustomDialog);
    d->forEachButton(buttons, [&text](QPushButton* button) { button->setText(text); });
}

void ZtCustomDialog::SetButtonEnable(QFlags<StandardButton> buttons, bool enable)
{
    Q_D(ZtCustomDialog);
    d->forEachButton(buttons, [enable](QPushButton* button) { button->setEnabled(enable); });
}

void ZtCustomDialog::SetButtonVisible(QFlags<StandardButton> buttons, bool visible)
{
    Q_D(ZtCustomDialog);
    d->forEachButton(buttons, [visible](QPushButton* button) { button->setVisible(visible); });
}

void ZtCustomDialog::OnButtonOtherClicked()
{
    emit SignalOtherButtonClicked();
}

void ZtCustomDialog::OnButtonOkClicked()
{
    emit SignalOkButtonClicked();
}

void ZtCustomDialog::OnButtonCancelClicked()
{
    // The host may delete the dialog from its answer to the signal.
    if (EmitAlive(this, &ZtCustomDialog::SignalCancelButtonClicked))
        reject();
}

} // namespace ZtGUI
