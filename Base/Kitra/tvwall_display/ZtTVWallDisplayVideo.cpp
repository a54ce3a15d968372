#include "ZtTVWallDisplayVideo.h"
#include "ZtTVWallDisplayVideo_p.h"

#include "KitraCompat_p.h"

#include <QPainter>

namespace ZtGUI {

namespace {
const char kCallbackProperty[] = "refresh-callback";
const char kParamProperty[] = "refresh-callback-param";
} // namespace

ZtTVWallDisplayVideo::ZtTVWallDisplayVideo(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtTVWallDisplayVideoPrivate)
{
    setProperty(kCallbackProperty, QVariant::fromValue<quint64>(0));
    setProperty(kParamProperty, QString());
}

ZtTVWallDisplayVideo::~ZtTVWallDisplayVideo() = default;

void ZtTVWallDisplayVideo::SetText(const QString& text)
{
    Q_D(ZtTVWallDisplayVideo);
    d->text = text;
}

QString ZtTVWallDisplayVideo::GetText() const
{
    Q_D(const ZtTVWallDisplayVideo);
    return d->text;
}

void ZtTVWallDisplayVideo::SetRefreshCallback(RefreshCallback callback, const QString& param)
{
    setProperty(kCallbackProperty, QVariant::fromValue<quint64>(reinterpret_cast<quintptr>(callback)));
    setProperty(kParamProperty, param);
}

void ZtTVWallDisplayVideo::InvokeRefreshCallback()
{
    const quint64 address = property(kCallbackProperty).toULongLong();
    const QString param = property(kParamProperty).toString();
    if (address == 0 || param.isEmpty())
        return;
    const auto callback = reinterpret_cast<RefreshCallback>(static_cast<quintptr>(address));
    callback(KitraCompat::ToLocal8Bit(param).constData());
}

void ZtTVWallDisplayVideo::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const QString state = property("state").toString();
    QString text;
    if (state == QLatin1String("request"))
        text = tr("Requesting stream...");
    else if (state == QLatin1String("timeout"))
        text = tr("Timeout");
    const int pointSize = height() / 12;
    if (text.isEmpty() || pointSize < 1)
        return;
    QPainter painter(this);
    QFont font = painter.font();
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, painter.fontMetrics().elidedText(text, Qt::ElideRight, width()));
}

void ZtTVWallDisplayVideo::enterEvent(KitraEnterEvent* event)
{
    setCursor(Qt::ArrowCursor);
    QWidget::enterEvent(event);
}

} // namespace ZtGUI
