#pragma once

#include <QPointer>

class NotifyManager;
class QGraphicsOpacityEffect;
class QLabel;
class QWidget;

class NotifyWidgetPrivate
{
public:
    QPointer<NotifyManager> manager;
    QWidget* background = nullptr;
    QWidget* icon = nullptr;
    QGraphicsOpacityEffect* fade = nullptr;   // replaces the shadow once the notice fades
    QLabel* label = nullptr;
    int fadeTimerId = -1;
    double opacity = 1.0;
    int delay = 3000;
    int elapsed = 0;
};
