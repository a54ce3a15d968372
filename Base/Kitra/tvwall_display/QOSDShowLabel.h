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
    QOSDShowLabel(QWidget* parent, int index);
    ~QOSDShowLabel() override;

    /// A text narrower than the label is padded with spaces to the label's width. Direction 0
    /// moves the text to the right, 1 to the left.
    void SetInfo(const QString& text, const QColor& textColor, const QColor& backColor, const int& speed,
                 const int& alignment, const int& direction);
    void ClearInfo();
    int GetIndex() const;
    /// Kept for hosts that call it; a label keeps no selection of its own.
    void SetUnSelect(bool bFlag);
    QSize sizeHint() const override;

signals:
    void SignalOtherLabelUnSelect(bool bFlag, int nIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QScopedPointer<QOSDShowLabelPrivate> d_ptr;
};

} // namespace ZtGUI
