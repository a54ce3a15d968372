#include "ZtMessageBox.h"
#include "ZtMessageBox_p.h"

#include "ZtPushButton.h"
#include "ZtSetting.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace ZtGUI {

namespace {

const QSize kBoxSize(300, 164);
const QSize kSmallBoxSize(230, 125);

QString iconFile(ZtMessageBox::IconType icon)
{
    const char* pattern = "./Skin/%1/ZtGui/MessageBox/Warning.png";
    switch (icon) {
    case ZtMessageBox::IconPrompt:
        pattern = "./Skin/%1/ZtGui/MessageBox/Prompt.png";
        break;
    case ZtMessageBox::IconError:
        pattern = "./Skin/%1/ZtGui/MessageBox/Error.png";
        break;
    case ZtMessageBox::IconQuestion:
        pattern = "./Skin/%1/ZtGui/MessageBox/Question.png";
        break;
    case ZtMessageBox::IconSuccess:
        pattern = "./Skin/%1/ZtGui/MessageBox/Success.png";
        break;
    default:
        break;
    }
    return QString::fromLatin1(pattern).arg(GetSkinVersion());
}

} // namespace

void ZtMessageBoxPrivate::buildLayout()
{
    Q_Q(ZtMessageBox);
    // The signal names the type as its class does; queued and string-based connections and
    // signal spies look it up by that name.
    static const int registered = qRegisterMetaType<ZtMessageBox::StandardButton>("StandardButton");
    Q_UNUSED(registered)
    QWidget* central = q->GetCentralWidget();
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 5, 0);
    column->setSpacing(0);
    column->addItem(new QSpacerItem(0, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));

    auto* content = new QHBoxLayout;
    content->setContentsMargins(15, 0, 0, 0);
    content->setSpacing(15);
    iconLabel = new QLabel(central);
    iconLabel->setObjectName(QStringLiteral("msgbox_icon_label"));
    iconLabel->setAlignment(Qt::AlignCenter);
    iconLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    textLabel = new QLabel(central);
    textLabel->setObjectName(QStringLiteral("msgbox_label"));
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textLabel->setWordWrap(true);
    textLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    content->addWidget(iconLabel);
    content->addWidget(textLabel);
    column->addLayout(content);
    column->addItem(new QSpacerItem(0, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));

    buttonLayout = new QHBoxLayout;
    buttonLayout->setContentsMargins(0, 0, 30, 20);
    buttonLayout->setSpacing(10);
    buttonLayout->addItem(new QSpacerItem(20, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    column->addLayout(buttonLayout);
}

void ZtMessageBoxPrivate::setUp(const QString& title, const QString& text,
                                QFlags<ZtMessageBox::StandardButton> buttons, const QString& positiveText,
                                const QString& negativeText)
{
    Q_Q(ZtMessageBox);
    q->SetTitle(title);
    q->SetTitleAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textLabel->setText(text);
    if (buttons) {
        if (positiveText.isEmpty() && negativeText.isEmpty())
            createStandardButtons(buttons);
        else
            createCustomButtons(buttons, positiveText, negativeText);
    }
}

void ZtMessageBoxPrivate::createStandardButtons(QFlags<ZtMessageBox::StandardButton> buttons)
{
    const bool ok = buttons.testFlag(ZtMessageBox::Ok);
    const bool cancel = buttons.testFlag(ZtMessageBox::Cancel);
    const bool yes = buttons.testFlag(ZtMessageBox::Yes);
    const bool no = buttons.testFlag(ZtMessageBox::No);
    const QString okText = ZtMessageBox::tr("OK");
    const QString cancelText = ZtMessageBox::tr("Cancel");
    const QString yesText = ZtMessageBox::tr("Yes");
    const QString noText = ZtMessageBox::tr("No");
    // Each rule that holds hands the focus to its first button, so the last rule wins.
    if (ok && cancel) {
        addButton(okText, "MsgBtnOk", true, &ZtMessageBox::OnButtonOkClicked)->setFocus();
        addButton(cancelText, "MsgBtnCancel", false, &ZtMessageBox::OnButtonCancelClicked);
    }
    if (ok && !cancel)
        addButton(okText, "MsgBtnOk", true, &ZtMessageBox::OnButtonOkClicked)->setFocus();
    if (cancel && !ok)
        addButton(cancelText, "MsgBtnCancel", false, &ZtMessageBox::OnButtonCancelClicked)->setFocus();
    if (yes && no) {
        addButton(yesText, "MsgBtnOk", true, &ZtMessageBox::OnButtonYesClicked)->setFocus();
        addButton(noText, "MsgBtnCancel", false, &ZtMessageBox::OnButtonNoClicked);
    }
    if (yes && !no)
        addButton(yesText, "MsgBtnOk", true, &ZtMessageBox::OnButtonYesClicked)->setFocus();
    if (no && !yes)
        addButton(noText, "MsgBtnCancel", false, &ZtMessageBox::OnButtonNoClicked)->setFocus();
    if (buttons.testFlag(ZtMessageBox::Close))
        addButton(ZtMessageBox::tr("Close"), nullptr, false, &ZtMessageBox::OnButtonCloseClicked)->setFocus();
}

void ZtMessageBoxPrivate::createCustomButtons(QFlags<ZtMessageBox::StandardButton> buttons,
                                              const QString& positiveText, const QString& negativeText)
{
    // One accepting and one rejecting button at most; they report Ok and Cancel whatever they say.
    if (buttons & (ZtMessageBox::Ok | ZtMessageBox::Yes)) {
        const QString text = !positiveText.isEmpty() ? positiveText
            : buttons.testFlag(ZtMessageBox::Yes)    ? ZtMessageBox::tr("Yes")
                                                     : ZtMessageBox::tr("OK");
        addButton(text, "MsgBtnOk", true, &ZtMessageBox::OnButtonOkClicked)->setFocus();
    }
    if (buttons & (ZtMessageBox::Cancel | ZtMessageBox::No)) {
        const QString text = !negativeText.isEmpty() ? negativeText
            : buttons.testFlag(ZtMessageBox::No)     ? ZtMessageBox::tr("No")
                                                     : ZtMessageBox::tr("Cancel");
        addButton(text, "MsgBtnCancel", false, &ZtMessageBox::OnButtonCancelClicked);
    }
}

ZtPushButton* ZtMessageBoxPrivate::addButton(const QString& text, const char* objectName, bool accepts, Slot slot)
{
    Q_Q(ZtMessageBox);
    auto* button = new ZtPushButton(text, q->GetCentralWidget());
    if (objectName)
        button->setObjectName(QLatin1String(objectName));
    buttonLayout->addWidget(button);
    // Closing first, reporting second: a host that deletes the box on the report finds it closed.
    QObject::connect(button, &QPushButton::clicked, q, accepts ? &QDialog::accept : &QDialog::reject);
    QObject::connect(button, &QPushButton::clicked, q, slot);
    return button;
}

void ZtMessageBoxPrivate::record(ZtMessageBox::StandardButton button)
{
    Q_Q(ZtMessageBox);
    clickedButton = button;
    emit q->SignalButtonClicked(button);
}

ZtMessageBox::StandardButton ZtMessageBoxPrivate::run(QWidget* parent, ZtMessageBox::IconType icon,
                                                      const QString& title, const QString& text,
                                                      QFlags<ZtMessageBox::StandardButton> buttons,
                                                      const QSize& size, const QString& positiveText,
                                                      const QString& negativeText)
{
    ZtMessageBox box(title, text, buttons, parent, ZtDialog::CloseButtonHint, positiveText, negativeText);
    box.resize(size);
    box.SetIconImage(QPixmap(iconFile(icon)));
    if (box.exec() == -1)
        return ZtMessageBox::Cancel;
    return box.d_func()->clickedButton;
}

ZtMessageBox::ZtMessageBox(QWidget* parent)
    : ZtDialog(parent)
    , d_ptr(new ZtMessageBoxPrivate(this))
{
    Q_D(ZtMessageBox);
    d->buildLayout();
    hideLine();
}

ZtMessageBox::ZtMessageBox(const QString& title, const QString& text, QFlags<StandardButton> buttons,
                           QWidget* parent, QFlags<ZtDialog::DialogFlag> flags, const QString& positiveText,
                           const QString& negativeText)
    : ZtDialog(parent, flags)
    , d_ptr(new ZtMessageBoxPrivate(this))
{
    Q_D(ZtMessageBox);
    d->buildLayout();
    d->setUp(title, text, buttons, positiveText, negativeText);
    hideLine();
}

ZtMessageBox::ZtMessageBox(QPixmap icon, const QString& title, const QString& text, QFlags<StandardButton> buttons,
                           QWidget* parent, QFlags<ZtDialog::DialogFlag> flags)
    : ZtMessageBox(title, text, buttons, parent, flags)
{
    SetIconImage(icon);
}

ZtMessageBox::~ZtMessageBox() = default;

void ZtMessageBox::SetIconImage(const QPixmap& pixmap)
{
    Q_D(ZtMessageBox);
    d->iconPixmap = pixmap;
    if (!pixmap.isNull())
        d->iconLabel->setPixmap(pixmap);
}

ZtMessageBox::StandardButton ZtMessageBox::ShowInformation(QWidget* parent, const QString& title,
                                                           const QString& text)
{
    return ZtMessageBoxPrivate::run(parent, IconPrompt, title, text, Yes, kBoxSize);
}

ZtMessageBox::StandardButton ZtMessageBox::ShowInformation(QWidget* parent, const QString& title,
                                                           const QString& text, QFlags<StandardButton> buttons)
{
    return ZtMessageBoxPrivate::run(parent, IconWarning, title, text, buttons, kSmallBoxSize);
}

ZtMessageBox::StandardButton ZtMessageBox::ShowInformation(QWidget* parent, IconType icon, const QString& title,
                                                           const QString& text, QFlags<StandardButton> buttons,
                                                           const QString& positiveText,
                                                           const QString& negativeText)
{
    return ZtMessageBoxPrivate::run(parent, icon, title, text, buttons, kBoxSize, positiveText, negativeText);
}

ZtMessageBox::StandardButton ZtMessageBox::ShowError(QWidget* parent, const QString& title, const QString& text)
{
    return ZtMessageBoxPrivate::run(parent, IconError, title, text, Yes, kBoxSize);
}

ZtMessageBox::StandardButton ZtMessageBox::ShowQuestion(QWidget* parent, const QString& title, const QString& text)
{
    return ZtMessageBoxPrivate::run(parent, IconQuestion, title, text, Yes | No, kBoxSize);
}

ZtMessageBox::StandardButton ZtMessageBox::ShowSuccess(QWidget* parent, const QString& title, const QString& text)
{
    return ZtMessageBoxPrivate::run(parent, IconSuccess, title, text, Yes, kBoxSize);
}

ZtMessageBox::StandardButton ZtMessageBox::ShowWarning(QWidget* parent, const QString& title, const QString& text)
{
    return ZtMessageBoxPrivate::run(parent, IconWarning, title, text, Yes, kBoxSize);
}

void ZtMessageBox::OnButtonOkClicked()
{
    Q_D(ZtMessageBox);
    d->record(Ok);
}

void ZtMessageBox::OnButtonYesClicked()
{
    Q_D(ZtMessageBox);
    d->record(Yes);
}

void ZtMessageBox::OnButtonCancelClicked()
{
    Q_D(ZtMessageBox);
    d->record(Cancel);
}

void ZtMessageBox::OnButtonNoClicked()
{
    Q_D(ZtMessageBox);
    d->record(No);
}

void ZtMessageBox::OnButtonCloseClicked()
{
    Q_D(ZtMessageBox);
    d->record(Close);
}

} // namespace ZtGUI
