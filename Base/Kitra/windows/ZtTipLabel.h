#pragma once

#include <QColor>
#include <QScopedPointer>
#include <QWidget>

class QPainterPath;

namespace ZtGUI {

class ZtTipLabelPrivate;

/// The process-wide tip bubble: a short text beside a widget, sized to the text, with a pointer
/// towards the widget. It fades in, stays for its display time and fades out. Its fill and
/// outline colours (`BGColor`, `BorderColor`) come from the skin's style sheet.
/// Internal to the library.
class ZtTipLabel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor BGColor READ GetBGColor WRITE SetBGColor)
    Q_PROPERTY(QColor BorderColor READ GetBorderColor WRITE SetBorderColor)
    Q_DECLARE_PRIVATE(ZtTipLabel)

public:
    /// The one bubble, created on first use. It belongs to the application's desktop widget, so
    /// that the application deletes it when it ends.
    static ZtTipLabel* Instance();
    ~ZtTipLabel() override;

    /// Shows `text` beside `anchor` on `side`: 0 right, 1 left, 2 above, 3 below; other values
    /// count as 0. Without an anchor the bubble stays where it is.
    void ShowTip(QWidget* anchor, const QString& text, int side);
    /// Display time of later shows, between the fade-in's start and the fade-out's.
    void SetShowTime(int milliseconds);

    /// The bubble's fill (`BGColor`); invalid until the style sheet sets it.
    QColor GetBGColor() const;
    /// Sets the bubble's fill; normally done by the skin's style sheet through `qproperty-BGColor`.
    void SetBGColor(const QColor& colour);
    /// The bubble's outline (`BorderColor`); invalid until the style sheet sets it.
    QColor GetBorderColor() const;
    /// Sets the bubble's outline; normally done by the skin's style sheet through `qproperty-BorderColor`.
    void SetBorderColor(const QColor& colour);

public slots:
    /// Hides the bubble at the end of its 1-second fade-out.
    void OnFadeOutFinished();

protected:
    /// Starts the 1-second fade-out when the display time has run.
    void timerEvent(QTimerEvent* event) override;
    /// Draws the rounded bubble with its 5-pixel pointer towards the anchor.
    void paintEvent(QPaintEvent* event) override;

private slots:
    void OnTextChanged();

private:
    explicit ZtTipLabel(QWidget* parent);
    void setUpTextArea();
    void resizeForText(const QString& text);
    void placeBeside(const QWidget* anchor);
    QPainterPath outline() const;

    QScopedPointer<ZtTipLabelPrivate> d_ptr;
};

} // namespace ZtGUI
