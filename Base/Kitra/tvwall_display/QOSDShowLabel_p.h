#pragma once

#include <QColor>
#include <QObject>
#include <QString>

namespace ZtGUI {

class QOSDShowLabelPrivate
{
public:
    void stopTimer(QObject* owner)
    {
        if (timerId != 0)
            owner->killTimer(timerId);
        timerId = 0;
    }

    bool hasContent = false;
    QString text;
    int offset = 0;
    int timerId = 0;
    QColor textColor;
    QColor backColor;
    int speed = 0;
    int direction = -1;
    int alignment = 0;
    QString filler;
    bool selected = false;
    int index = 0;
};

} // namespace ZtGUI
