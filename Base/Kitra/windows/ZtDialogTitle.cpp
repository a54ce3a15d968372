#include "ZtDialogTitle.h"
#include "ZtDialogTitle_p.h"

#include "ZtWindowTitleLabel.h"

#include <QHBoxLayout>

namespace ZtGUI {

ZtDialogTitle::ZtDialogTitle(QWidget* parent)
    : ZtBaseWindowTitle(parent)
    , d_ptr(new ZtDialogTitlePrivate)
{
    Q_D(ZtDialogTitle);
    d->layout = new QHBoxLayout(this);
    d->titleLabel = new ZtWindowTitleLabel(this);
    d->titleLabel->setObjectName(QStringLiteral("pTitleLabel"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHorizontalStretch(1);
    d->titleLabel->setSizePolicy(policy);
    d->layout->addWidget(d->titleLabel);
}

ZtDialogTitle::~ZtDialogTitle() = default;

void ZtDialogTitle::SetTitleText(const QString& text)
{
    Q_D(ZtDialogTitle);
    d->titleLabel->SetTitleText(text);
}

QString ZtDialogTitle::GetTitleText() const
{
    Q_D(const ZtDialogTitle);
    return d->titleLabel->TitleText();
}

void ZtDialogTitle::SetTitleAlignment(Qt::Alignment alignment)
{
    Q_D(ZtDialogTitle);
    d->titleLabel->setAlignment(alignment);
}

void ZtDialogTitle::AddWidget(QWidget* widget)
{
    Q_D(ZtDialogTitle);
    d->layout->addWidget(widget);
}

void ZtDialogTitle::AddLayout(QLayout* layout)
{
    Q_D(ZtDialogTitle);
    d->layout->addLayout(layout);
}

void ZtDialogTitle::SetLayoutContentsMargins(int left, int top, int right, int bottom)
{
    Q_D(ZtDialogTitle);
    d->layout->setContentsMargins(left, top, right, bottom);
}

void ZtDialogTitle::SetLayoutSpacing(int spacing)
{
    Q_D(ZtDialogTitle);
    d->layout->setSpacing(spacing);
}

} // namespace ZtGUI
