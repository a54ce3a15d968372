#pragma once

#include <QBasicTimer>
#include <QColor>

class QPropertyAnimation;
class QTextEdit;

namespace ZtGUI {

class ZtTipLabel;

class ZtTipLabelPrivate
{
public:
    /// For the library's own tests: the length of each fade (1000 ms).
    static void setFadeTime(ZtTipLabel* tip, int milliseconds);

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
