#pragma once

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include "ShadowEffect.h"

class ShadowEffectPrivate
{
public:
    QColor colour;                  // its alpha is replaced line by line
    int width = 0;
    ShadowEffect::Frame frame = ShadowEffect::Frame(0);
    QPointer<QWidget> target;       // not owned; cleared when the target goes first
    bool validRectSet = false;
    bool suppressed = false;
    QRect validRect;
    int maximumAlpha = 0;
};
