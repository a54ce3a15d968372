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
    explicit ZtWindowTitleLabel(QWidget* parent = nullptr);
    ~ZtWindowTitleLabel() override;

    void SetTitleText(const QString& text);
    QString TitleText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<ZtWindowTitleLabelPrivate> d_ptr;
};

} // namespace ZtGUI
