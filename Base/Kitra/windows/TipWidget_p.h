#pragma once

#include <QColor>
#include <QPointer>

class QHBoxLayout;
class QLabel;
class QWidget;

class TipWidgetPrivate
{
public:
    QLabel* label = nullptr;            // child
    QHBoxLayout* layout = nullptr;
    QPointer<QWidget> content;          // the host's widget, shown instead of the label; the host may delete it
    int triangleLeft = -1;              // -1: centred
    int triangleHeight = -1;            // -1: kTriangleHeight
    bool triangleOnTop = false;
    QColor borderColour{209, 209, 209}; // the default skin's until a show reads the active one
    QColor fillColour{255, 255, 255};
};
