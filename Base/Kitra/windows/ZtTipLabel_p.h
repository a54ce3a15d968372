#pragma once

#include <QBasicTimer>
#include <QColor>

class QPropertyAnimation;
class QTextEdit;

namespace ZtGUI {

class ZtTipLabelPrivate
{
public:
    QTextEdit* textArea = nullptr;          // child, object name m_tipLabel
    int side = 4;                           // 0 right, 1 left, 2 above, 3 below the anchor
    QBasicTimer displayTimer;
    int showTime = 3000;                    // ms
    QColor bgColor;                         // both left invalid: the skin supplies them
    QColor borderColor;
    QPropertyAnimation* fadeIn = nullptr;   // children of the bubble
    QPropertyAnimation* fadeOut = nullptr;
};

} // namespace ZtGUI
