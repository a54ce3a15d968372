#pragma once

#include <QLabel>
#include <QScopedPointer>
#include <QString>

namespace ZtGUI {

class ZtWindowTitleLabelPrivate;

/// A window title that centres itself on the whole title bar (its parent) rather than on the
/// label, as long as it fits there; otherwise it leans to the side that has room. Used by the
/// library's own title bars, not exported.
class ZtWindowTitleLabel : public QLabel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtWindowTitleLabel)

public:
    /// A label with an empty title; centring uses `parent`'s centre, so give it the title bar.
    explicit ZtWindowTitleLabel(QWidget* parent = nullptr);
    ~ZtWindowTitleLabel() override;

    /// The title drawn instead of QLabel's own text; repaints at once. An empty title draws nothing.
    void SetTitleText(const QString& text);
    /// The title as last set; empty at first.
    QString TitleText() const;

protected:
    /// Draws the pixmap or the title, centred on the parent when alignment and width allow.
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<ZtWindowTitleLabelPrivate> d_ptr;
};

} // namespace ZtGUI
