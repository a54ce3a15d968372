#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

class NotifyManager;
class NotifyWidget;

class NotifyManagerPrivate
{
    Q_DECLARE_PUBLIC(NotifyManager)

public:
    explicit NotifyManagerPrivate(NotifyManager* manager) : q_ptr(manager) {}

    void slide();
    void stopSliding();

    NotifyManager* q_ptr;
    QPointer<QWidget> area;      // the host may delete it at any time
    QRect areaRect;
    QList<NotifyWidget*> notifies;  // oldest first
    int slideTimerId = -1;
};
