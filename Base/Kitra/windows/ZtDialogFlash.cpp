#include "ZtDialogFlash.h"
#include "ZtDialogFlash_p.h"

#include <QPainter>

namespace ZtGUI {

ZtDialogFlash::ZtDialogFlash(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtDialogFlashPrivate)
{
}

ZtDialogFlash::~ZtDialogFlash() = default;

void ZtDialogFlash::SetPixmap(const QPixmap& pixmap)
{
    Q_D(ZtDialogFlash);
    d->snapshot = pixmap;
    update();
}

QPixmap ZtDialogFlash::GetPixmap() const
{
    Q_D(const ZtDialogFlash);
    return d->snapshot;
}

void ZtDialogFlash::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    Q_D(const ZtDialogFlash);
    if (d->snapshot.isNull())
        return;
    QPainter painter(this);
    // Antialiasing is the high-quality kind since Qt 5.15; the separate hint is obsolete.
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), d->snapshot);
}

} // namespace ZtGUI
