#include "NotifyWidget.h"
#include "CommonFun_p.h"
#include "NotifyWidget_p.h"


#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimerEvent>

namespace {

const int kFadeInterval = 40;
const double kFadeStep = 0.04;

const char kCorrectIcon[] = "./Skin/DustyBlue/Kitra/NotifyWidget/alert_correctness.png";
const char kErrorIcon[] = "./Skin/DustyBlue/Kitra/NotifyWidget/alert_error.png";

void applySkin(QWidget* background, QLabel* label)
{
    const QString folder = ZtGUI::SkinStyle();
    if (folder == QLatin1String("DustyBlue")) {
        background->setStyleSheet(QStringLiteral("#NotifyBackground{background-color:white;}"));
        label->setStyleSheet(QStringLiteral("background-color:white;"));
    } else if (folder == QLatin1String("Dark")) {
        background->setStyleSheet(QStringLiteral("#NotifyBackground{background-color:#515151;}"));
        label->setStyleSheet(QStringLiteral("color:white;"));
    }
}

} // namespace

NoticeShadow::NoticeShadow(QObject* parent)
    : QGraphicsDropShadowEffect(parent)
{
    setOffset(0, 0);
    setColor(QColor(0, 0, 0, 38));
    setBlurRadius(15);
}

void NoticeShadow::setOpacity(double opacity)
{
    m_opacity = opacity;
    update();
}

void NoticeShadow::draw(QPainter* painter)
{
    painter->save();
    painter->setOpacity(m_opacity);
    QGraphicsDropShadowEffect::draw(painter);
    painter->restore();
}

// The manager watches its notices, not the other way round.
NotifyWidget::NotifyWidget(NotifyManager* /*manager*/, QWidget* parent)
    : QWidget(parent)
    , d_ptr(new NotifyWidgetPrivate)
{
    Q_D(NotifyWidget);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    // The manager makes the notices: a host has no chance to name them.
    setAccessibleName(tr("Notice"));

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(10, 0, 0, 0);
    auto* background = new QWidget(this);
    background->setObjectName(QStringLiteral("NotifyBackground"));
    background->setAttribute(Qt::WA_StyledBackground);
    outer->addWidget(background);

    auto* inner = new QHBoxLayout(background);
    inner->setSpacing(0);
    inner->setContentsMargins(1, 1, 1, 1);
    d->icon = new QWidget(background);
    d->icon->setObjectName(QStringLiteral("NotifyIcon"));
    d->icon->setFixedSize(30, 30);
    d->label = new QLabel(background);
    d->label->setObjectName(QStringLiteral("NotifyText"));
    d->label->setWordWrap(true);
    d->label->setMargin(10);
    d->label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    inner->addWidget(d->icon);
    inner->addWidget(d->label);
    applySkin(background, d->label);

    d->shadow = new NoticeShadow(background);
    background->setGraphicsEffect(d->shadow);
}

NotifyWidget::~NotifyWidget() = default;

void NotifyWidget::SetMsgType(NotifyManager::MsgType type)
{
    Q_D(NotifyWidget);
    const bool correct = type == NotifyManager::MsgCorrect;
    const char* icon = correct ? kCorrectIcon : kErrorIcon;
    d->icon->setAccessibleName(correct ? tr("Success") : tr("Error"));
    d->icon->setStyleSheet(QStringLiteral("QWidget{background-image:url(%1);}").arg(QLatin1String(icon)));
}

void NotifyWidget::SetText(const QString& text)
{
    Q_D(NotifyWidget);
    d->label->setText(text);
}

QString NotifyWidget::Text() const
{
    Q_D(const NotifyWidget);
    return d->label->text();
}

void NotifyWidget::SetFadeDelay(int milliseconds)
{
    Q_D(NotifyWidget);
    d->delay = milliseconds;
}

void NotifyWidget::StartFadeCountdown()
{
    Q_D(NotifyWidget);
    if (d->fadeTimerId != -1)
        return;
    d->elapsed = 0;
    d->fadeTimerId = startTimer(kFadeInterval);
}

void NotifyWidget::applyOpacity(double opacity)
{
    Q_D(NotifyWidget);
    setWindowOpacity(opacity);
    // Only a window has an opacity of its own; inside its area the card fades with its shadow.
    d->shadow->setOpacity(opacity);
}

void NotifyWidget::timerEvent(QTimerEvent* event)
{
    Q_D(NotifyWidget);
    if (event->timerId() != d->fadeTimerId) {
        QWidget::timerEvent(event);
        return;
    }
    d->elapsed += kFadeInterval;
    if (d->elapsed <= d->delay)
        return;
    d->opacity -= kFadeStep;
    applyOpacity(qMax(d->opacity, 0.0));
    if (d->opacity > 0.0 && !qFuzzyIsNull(d->opacity))
        return;
    killTimer(d->fadeTimerId);
    d->fadeTimerId = -1;
    close();
}
