#include "PicButton.h"
#include "PicButton_p.h"

#include "KitraAccessible_p.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

PicButton::PicButton(QWidget* parent)
    : QPushButton(parent)
    , d_ptr(new PicButtonPrivate)
{
    // A picture says nothing to a screen reader: the button goes by its tool tip when it has one.
    ZtGUI::RegisterAccessible(staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new ZtGUI::ZtPictureButtonAccessible(static_cast<QAbstractButton*>(object),
                                                    [](const QAbstractButton*) { return PicButton::tr("Picture button"); });
    });
}

PicButton::~PicButton() = default;

void PicButton::setPicName(const QString& name)
{
    Q_D(PicButton);
    d->picName = name;
    const QPixmap picture(name);
    if (picture.isNull())
        qWarning("PicButton::setPicName: no picture \"%s\"", qUtf8Printable(name));
    setFixedSize(picture.size());
}

QString PicButton::getPicName() const
{
    Q_D(const PicButton);
    return d->picName;
}

void PicButton::enterEvent(KitraEnterEvent* /*event*/)
{
    Q_D(PicButton);
    d->state = PicButtonPrivate::Hover;
    update();
}

void PicButton::leaveEvent(QEvent* /*event*/)
{
    Q_D(PicButton);
    d->state = PicButtonPrivate::Normal;
    update();
}

void PicButton::mousePressEvent(QMouseEvent* event)
{
    Q_D(PicButton);
    if (event->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    d->state = PicButtonPrivate::Pressed;
    update();
}

void PicButton::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(PicButton);
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    // A release outside cancels the click; the pressed look stays until the mouse enters or leaves.
    if (!rect().contains(event->pos()))
        return;
    d->state = PicButtonPrivate::Hover;
    update();
    emit clicked(false);
}

void PicButton::paintEvent(QPaintEvent* /*event*/)
{
    Q_D(PicButton);
    QString file = d->picName;
    if (d->state == PicButtonPrivate::Hover)
        file += QLatin1String("_hover");
    else if (d->state == PicButtonPrivate::Pressed)
        file += QLatin1String("_pressed");
    QPainter painter(this);
    painter.drawPixmap(rect(), QPixmap(file));
}
