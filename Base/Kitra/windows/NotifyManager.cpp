#include "NotifyManager.h"
#include "NotifyManager_p.h"

#include "NotifyWidget.h"

#include <QFont>
#include <QFontMetrics>
#include <QTimerEvent>

namespace {

const int kSlideInterval = 40;
const int kSlideStep = 4;
const int kWidth = 240;
const int kHeight = 40;
const int kTallHeight = 60;
// Texts wider than this at the notice's font wrap onto a second line.
const int kOneLineWidth = 223;

int heightFor(const QString& text)
{
    QFont font(QStringLiteral("MicrosoftYaHei"));
    font.setPointSize(12);
    return QFontMetrics(font).boundingRect(text).width() > kOneLineWidth ? kTallHeight : kHeight;
}

} // namespace

void NotifyManagerPrivate::slide()
{
    if (notifies.isEmpty()) {
        stopSliding();
        return;
    }
    int y = notifies.last()->y() + kSlideStep;
    for (auto it = notifies.crbegin(); it != notifies.crend(); ++it) {
        NotifyWidget* notify = *it;
        if (y >= 0)
            notify->StartFadeCountdown();
        notify->move(notify->x(), y);
        y += notify->height();
    }
    if (notifies.last()->y() >= 0)
        stopSliding();
}

void NotifyManagerPrivate::stopSliding()
{
    Q_Q(NotifyManager);
    if (slideTimerId == -1)
        return;
    q->killTimer(slideTimerId);
    slideTimerId = -1;
}

NotifyManager::NotifyManager()
    : d_ptr(new NotifyManagerPrivate(this))
{
}

NotifyManager::~NotifyManager() = default;

NotifyManager* NotifyManager::instance()
{
    // Owned by static storage: notices may come from anywhere until the process ends.
    static NotifyManager manager;
    return &manager;
}

void NotifyManager::setNotifyArea(QWidget* area, int x, int y, int width, int height)
{
    NotifyManagerPrivate* d = instance()->d_func();
    d->area = area;
    d->areaRect = QRect(x, y, width, height);
}

void NotifyManager::addNotify(const QString& text)
{
    addNotify(text, MsgCorrect);
}

void NotifyManager::addNotify(const QString& text, MsgType type)
{
    NotifyManager* manager = instance();
    NotifyManagerPrivate* d = manager->d_func();
    if (!d->area)
        return;
    auto* notify = new NotifyWidget(manager, d->area);
    notify->SetMsgType(type);
    notify->SetText(text);
    notify->setFixedSize(kWidth, heightFor(text));
    // Each newcomer waits above the newest one and slides in with it.
    const int y = d->notifies.isEmpty() ? -kHeight : d->notifies.last()->y() - kHeight;
    notify->move(0, y);
    notify->show();
    d->notifies.append(notify);
    // A notice leaves the list however it goes: faded out, or deleted with its area by the host.
    connect(notify, &QObject::destroyed, manager, [d, notify] { d->notifies.removeAll(notify); });
    if (d->slideTimerId == -1)
        d->slideTimerId = manager->startTimer(kSlideInterval);
}

void NotifyManager::timerEvent(QTimerEvent* event)
{
    Q_D(NotifyManager);
    if (event->timerId() == d->slideTimerId)
        d->slide();
    else
        QObject::timerEvent(event);
}
