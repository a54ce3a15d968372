#pragma once

#include <QPixmap>
#include <QScopedPointer>
#include <QWidget>

namespace ZtGUI {

class ZtDialogFlashPrivate;

/// The still picture a closing dialog shows while it shrinks: a snapshot of the dialog, scaled
/// smoothly into whatever size the widget has. Part of the dialog's own widget tree, not exported.
class ZtDialogFlash : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtDialogFlash)

public:
    explicit ZtDialogFlash(QWidget* parent = nullptr);
    ~ZtDialogFlash() override;

    void SetPixmap(const QPixmap& pixmap);
    QPixmap GetPixmap() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<ZtDialogFlashPrivate> d_ptr;
};

} // namespace ZtGUI
