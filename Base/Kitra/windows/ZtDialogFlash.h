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
    /// An empty snapshot that paints nothing until a pixmap is set.
    explicit ZtDialogFlash(QWidget* parent = nullptr);
    ~ZtDialogFlash() override;

    /// The snapshot to show; repaints at once. A null pixmap paints nothing.
    void SetPixmap(const QPixmap& pixmap);
    /// The snapshot as last set.
    QPixmap GetPixmap() const;

protected:
    /// Draws the snapshot scaled, with smooth transforms, over the whole widget.
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<ZtDialogFlashPrivate> d_ptr;
};

} // namespace ZtGUI
