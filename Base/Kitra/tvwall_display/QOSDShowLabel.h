#pragma once

#include <QLabel>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class QOSDShowLabelPrivate;

/// A marquee for on-screen-display text: copies of the text side by side across the label, still
/// (speed 0) or moving one pixel a step (speeds 1 to 4, from slow to fast) while shown.
class KITRA_EXPORT QOSDShowLabel : public QLabel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(QOSDShowLabel)

public:
    /// A frameless, translucent label numbered `index` (the screen numbers its labels 0 to 7).
    QOSDShowLabel(QWidget* parent, int index);
    ~QOSDShowLabel() override;

    /// A text narrower than the label is padded with spaces to the label's width. Direction 0
    /// moves the text to the right, 1 to the left.
    void SetInfo(const QString& text, const QColor& textColor, const QColor& backColor, const int& speed,
                 const int& alignment, const int& direction);
    /// Removes the text: the label paints nothing until the next SetInfo.
    void ClearInfo();
    /// The number given at construction.
    int GetIndex() const;
    /// Kept for hosts that call it; a label keeps no selection of its own.
    void SetUnSelect(bool bFlag);
    /// The size of the text in the label's font.
    QSize sizeHint() const override;

signals:
    /// Declared for hosts that connect it; never emitted.
    void SignalOtherLabelUnSelect(bool bFlag, int nIndex);

protected:
    /// Paints the background colour and the repeated text at the current scroll offset.
    void paintEvent(QPaintEvent* event) override;
    /// Starts scrolling at the stored speed (42, 20, 15 or 13 ms a pixel for speeds 1 to 4).
    void showEvent(QShowEvent* event) override;
    /// Stops scrolling.
    void hideEvent(QHideEvent* event) override;
    /// Scrolls the text one pixel.
    void timerEvent(QTimerEvent* event) override;

private:
    QScopedPointer<QOSDShowLabelPrivate> d_ptr;
};

} // namespace ZtGUI
