#include "ZtSwitchButton.h"
#include "ZtSwitchButton_p.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include "CommonFun.h"
#include "KitraAccessible_p.h"
#include "KitraGuard_p.h"

namespace ZtGUI {

namespace {

const int kStepInterval = 10;   // ms per one-pixel thumb step
const double kOffPosition = 2.0;

/// The switch as a check box: assistive tools read, and toggle, its on/off state.
class SwitchAccessible : public QAccessibleWidget
{
public:
    explicit SwitchAccessible(ZtSwitchButton* button)
        : QAccessibleWidget(button, QAccessible::CheckBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return ZtSwitchButton::tr("Switch");
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const ZtSwitchButton*>(widget())->isToggled();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList(toggleAction()) + QAccessibleWidget::actionNames();
    }

    // Toggled the way a click toggles it, so that the host hears of it just the same.
    void doAction(const QString& actionName) override
    {
        if (actionName != toggleAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        const QPoint centre = widget()->rect().center();
        const QPoint global = widget()->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        const QPointer<QWidget> alive(widget());
        QCoreApplication::sendEvent(widget(), &press);
        if (alive)
            QCoreApplication::sendEvent(widget(), &release);
    }
};

void announceState(ZtSwitchButton* button)
{
    QAccessible::State changed;
    changed.checked = true;
    NotifyAccessibleState(button, changed);
}

} // namespace

ZtSwitchButton::ZtSwitchButton(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtSwitchButtonPrivate)
{
    Q_D(ZtSwitchButton);
    if (CommonFun::GetSkinType() == CommonFun::E_SKIN_DARK)
        d->normalCloseColor = QColor(QStringLiteral("#808080"));
    setCursor(Qt::PointingHandCursor);
    connect(&d->timer, &QTimer::timeout, this, &ZtSwitchButton::onTimeout);
    RegisterAccessible(staticMetaObject,
                       [](QObject* object) -> QAccessibleInterface* { return new SwitchAccessible(static_cast<ZtSwitchButton*>(object)); });
}

ZtSwitchButton::~ZtSwitchButton() = default;

bool ZtSwitchButton::isToggled() const
{
    return d_func()->toggled;
}

void ZtSwitchButton::setToggle(bool on, bool animate)
{
    Q_D(ZtSwitchButton);
    if (d->toggled != on) {
        d->toggled = on;
        announceState(this);
    }
    if (animate) {
        d->timer.start(kStepInterval);
        return;
    }
    d->thumbX = endPosition();
    update();
}

// The thumb's resting place for the current state: the left margin when off, flush with the
// right edge when on.
double ZtSwitchButton::endPosition() const
{
    return d_func()->toggled ? double(width() - height()) : kOffPosition;
}

void ZtSwitchButton::onTimeout()
{
    Q_D(ZtSwitchButton);
    if (d->toggled) {
        d->thumbX += 1.0;
        if (d->thumbX + height() > width())
            d->timer.stop();
    } else {
        d->thumbX -= 1.0;
        if (d->thumbX <= kOffPosition)
            d->timer.stop();
    }
    update();
}

void ZtSwitchButton::paintEvent(QPaintEvent*)
{
    Q_D(ZtSwitchButton);
    const bool enabled = isEnabled();
    const QColor track = enabled ? (d->toggled ? d->normalOpenColor : d->normalCloseColor)
                                 : (d->toggled ? d->disableOpenColor : d->disableCloseColor);
    const QColor thumb = enabled ? d->thumbColor : d->disableThumbColor;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.fillRect(rect(), track);
    const int h = height();
    painter.fillRect(QRect(int(d->thumbX), 2, h - 2, h - 4), thumb);
}

void ZtSwitchButton::mousePressEvent(QMouseEvent* event)
{
    if (!isEnabled())
        return QWidget::mousePressEvent(event);
    event->setAccepted(event->buttons() & Qt::LeftButton);
}

void ZtSwitchButton::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(ZtSwitchButton);
    if (!isEnabled())
        return QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    d->toggled = !d->toggled;
    announceState(this);
    if (EmitAlive(this, &ZtSwitchButton::toggled, d->toggled))
        d->timer.start(kStepInterval);
}

void ZtSwitchButton::resizeEvent(QResizeEvent* event)
{
    d_func()->thumbX = endPosition();
    QWidget::resizeEvent(event);
}

QSize ZtSwitchButton::sizeHint() const
{
    return QWidget::sizeHint();
}

QSize ZtSwitchButton::minimumSizeHint() const
{
    return QWidget::minimumSizeHint();
}

void ZtSwitchButton::SetNormalOpenColor(QColor color) { d_func()->normalOpenColor = color; }
QColor ZtSwitchButton::normalOpenColor() const { return d_func()->normalOpenColor; }
void ZtSwitchButton::SetNormalCloseColor(QColor color) { d_func()->normalCloseColor = color; }
QColor ZtSwitchButton::normalCloseColor() const { return d_func()->normalCloseColor; }
void ZtSwitchButton::SetDisableOpenColor(QColor color) { d_func()->disableOpenColor = color; }
QColor ZtSwitchButton::disableOpenColor() const { return d_func()->disableOpenColor; }
void ZtSwitchButton::SetDisableCloseColor(QColor color) { d_func()->disableCloseColor = color; }
QColor ZtSwitchButton::disableCloseColor() const { return d_func()->disableCloseColor; }
void ZtSwitchButton::SetThumbColor(QColor color) { d_func()->thumbColor = color; }
QColor ZtSwitchButton::thumbColor() const { return d_func()->thumbColor; }
void ZtSwitchButton::SetDisableThumbColor(QColor color) { d_func()->disableThumbColor = color; }
QColor ZtSwitchButton::disableThumbColor() const { return d_func()->disableThumbColor; }

void ZtSwitchButton::SetRadius(double radius) { d_func()->radius = radius; }
double ZtSwitchButton::radius() const { return d_func()->radius; }
void ZtSwitchButton::SetUserDefinedOutHeight(short height) { d_func()->outHeight = height; }
short ZtSwitchButton::outHeight16() const { return d_func()->outHeight; }
void ZtSwitchButton::SetUserDefinedInHeight(short height) { d_func()->inHeight = height; }
short ZtSwitchButton::InHeight16() const { return d_func()->inHeight; }
void ZtSwitchButton::SetUserDefinedWidth(short width) { d_func()->width = width; }
short ZtSwitchButton::width16() const { return d_func()->width; }
void ZtSwitchButton::SetUserDefinedMargin(short margin) { d_func()->margin = margin; }
short ZtSwitchButton::margin16() const { return d_func()->margin; }

} // namespace ZtGUI
