#include "ZtTipLabel.h"
#include "ZtTipLabel_p.h"

#include <QApplication>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QDesktopWidget>
#endif
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPropertyAnimation>
#include <QTextEdit>
#include <QTimerEvent>
#include <QtMath>
#include "CommonFun.h"

namespace ZtGUI {

namespace {

const int kCornerRadius = 4;
const int kPointerDepth = 5;
const int kFadeTime = 1000;         // ms, each way
const int kMinTextWidth = 200;
const int kMaxTextWidth = 300;      // longer texts wrap at this width
const int kMinTextHeight = 26;
const int kMaxTextHeight = 200;

} // namespace

void ZtTipLabelPrivate::setFadeTime(ZtTipLabel* tip, int milliseconds)
{
    tip->d_func()->fadeIn->setDuration(milliseconds);
    tip->d_func()->fadeOut->setDuration(milliseconds);
}

ZtTipLabel* ZtTipLabel::Instance()
{
    static QPointer<ZtTipLabel> instance;
    if (!instance)
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        instance = new ZtTipLabel(QApplication::desktop());
#else
        instance = new ZtTipLabel(nullptr);     // a window of its own: Qt 6 has no desktop widget
#endif
    return instance;
}

ZtTipLabel::ZtTipLabel(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::ToolTip)
    , d_ptr(new ZtTipLabelPrivate)
{
    Q_D(ZtTipLabel);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    // One bubble serves the whole process: a host never gets to name it.
    setAccessibleName(tr("Tip"));
    setUpTextArea();

    d->fadeIn = new QPropertyAnimation(this, "windowOpacity", this);
    d->fadeIn->setDuration(kFadeTime);
    d->fadeIn->setStartValue(0.0);
    d->fadeIn->setEndValue(1.0);
    d->fadeOut = new QPropertyAnimation(this, "windowOpacity", this);
    d->fadeOut->setDuration(kFadeTime);
    d->fadeOut->setStartValue(1.0);
    d->fadeOut->setEndValue(0.0);
    connect(d->fadeOut, &QPropertyAnimation::finished, this, &ZtTipLabel::OnFadeOutFinished);

    CommonFun::SetStyleSheet(this, QStringLiteral("Common"), QString());
    ensurePolished();
    if (!d->bgColor.isValid() || !d->borderColor.isValid())
        qWarning("ZtTipLabel: the skin style sheet gives no BGColor or BorderColor");
}

ZtTipLabel::~ZtTipLabel() = default;

void ZtTipLabel::setUpTextArea()
{
    Q_D(ZtTipLabel);
    d->textArea = new QTextEdit(this);
    d->textArea->setObjectName(QStringLiteral("m_tipLabel"));
    d->textArea->setAccessibleName(tr("Tip"));
    d->textArea->setStyleSheet(QStringLiteral("QTextEdit#m_tipLabel{border-radius:%1px;}").arg(kCornerRadius));
    d->textArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->textArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->textArea->setReadOnly(true);
    d->textArea->setContextMenuPolicy(Qt::NoContextMenu);
    d->textArea->setWordWrapMode(QTextOption::WordWrap);
    d->textArea->setFocusPolicy(Qt::NoFocus);
    connect(d->textArea, &QTextEdit::textChanged, this, &ZtTipLabel::OnTextChanged);
}

void ZtTipLabel::ShowTip(QWidget* anchor, const QString& text, int side)
{
    Q_D(ZtTipLabel);
    d->side = (side >= 0 && side <= 3) ? side : 0;
    resizeForText(text);
    d->textArea->setPlainText(text);
    placeBeside(anchor);

    d->fadeOut->stop();
    show();
    d->displayTimer.start(d->showTime, this);
    d->fadeIn->stop();
    d->fadeIn->start();
}

void ZtTipLabel::resizeForText(const QString& text)
{
    Q_D(ZtTipLabel);
    const QFontMetrics metrics(d->textArea->font());
    const QRect bounds = metrics.boundingRect(text);
    int w = qBound(kMinTextWidth, bounds.width(), kMaxTextWidth);
    int h = qBound(kMinTextHeight, bounds.height(), kMaxTextHeight);
    int lines = 0;
    if (w == kMaxTextWidth) {
        lines = (bounds.width() + kMaxTextWidth - 1) / kMaxTextWidth;
        h = lines * (metrics.lineSpacing() + 2 * metrics.leading()) + 16;
    } else if (w == kMinTextWidth) {
        h = kMinTextHeight;
        w = bounds.width();
    } else {
        h = kMinTextHeight;
    }
    w += 18;
    h += 2;
    if (w > bounds.width() && lines == 2)
        h = kMinTextHeight;

    // The extra pixels on the anchor's side hold the pointer.
    switch (d->side) {
    case 0:
        d->textArea->setGeometry(1 + kPointerDepth, 1, w - 2, h - 2);
        setFixedSize(w + kPointerDepth, h);
        break;
    case 1:
        d->textArea->setGeometry(1, 1, w - 2, h - 2);
        setFixedSize(w + kPointerDepth, h);
        break;
    case 2:
        d->textArea->setGeometry(1, 1, w - 2, h - 2);
        setFixedSize(w, h + kPointerDepth);
        break;
    default:
        d->textArea->setGeometry(1, 1 + kPointerDepth, w - 2, h - 2);
        setFixedSize(w, h + kPointerDepth);
        break;
    }
}

void ZtTipLabel::placeBeside(const QWidget* anchor)
{
    Q_D(const ZtTipLabel);
    if (!anchor || !anchor->parentWidget())
        return;
    const QRect area = anchor->geometry();
    QPoint pos;
    switch (d->side) {
    case 0:
        pos = QPoint(area.right() + kPointerDepth, area.top());
        break;
    case 1:
        pos = QPoint(area.left() - width() - kPointerDepth, area.top());
        break;
    case 2:
        pos = QPoint(area.left(), area.top() - height());
        break;
    default:
        pos = QPoint(area.left(), area.bottom());
        break;
    }
    move(anchor->parentWidget()->mapToGlobal(pos));
}

void ZtTipLabel::SetShowTime(int milliseconds)
{
    Q_D(ZtTipLabel);
    if (milliseconds < 0) {
        qWarning("ZtTipLabel::SetShowTime: milliseconds = %d", milliseconds);
        return;
    }
    d->showTime = milliseconds;
}

QColor ZtTipLabel::GetBGColor() const
{
    Q_D(const ZtTipLabel);
    return d->bgColor;
}

void ZtTipLabel::SetBGColor(const QColor& colour)
{
    Q_D(ZtTipLabel);
    d->bgColor = colour;
    update();
}

QColor ZtTipLabel::GetBorderColor() const
{
    Q_D(const ZtTipLabel);
    return d->borderColor;
}

void ZtTipLabel::SetBorderColor(const QColor& colour)
{
    Q_D(ZtTipLabel);
    d->borderColor = colour;
    update();
}

void ZtTipLabel::OnFadeOutFinished()
{
    hide();
}

void ZtTipLabel::OnTextChanged()
{
    Q_D(ZtTipLabel);
    // The document laid out at the text area's width: a text that needs more lines than
    // measured grows the bubble upwards.
    QTextDocument* document = d->textArea->document();
    document->setTextWidth(d->textArea->contentsRect().width());
    const int documentHeight = qCeil(document->size().height());
    const int areaHeight = d->textArea->height();
    move(x(), y() - (documentHeight - areaHeight));
    if (documentHeight > areaHeight) {
        setFixedHeight(documentHeight + 7);
        d->textArea->resize(d->textArea->width(), documentHeight);
        update();
    }
}

void ZtTipLabel::timerEvent(QTimerEvent* event)
{
    Q_D(ZtTipLabel);
    if (event->timerId() != d->displayTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    d->displayTimer.stop();
    d->fadeIn->stop();
    d->fadeOut->start();
}

void ZtTipLabel::paintEvent(QPaintEvent* /*event*/)
{
    Q_D(const ZtTipLabel);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (d->bgColor.isValid()) {
        QLinearGradient gradient(rect().bottomLeft(), rect().topLeft());
        gradient.setColorAt(0.0, d->bgColor);
        gradient.setColorAt(0.5, d->bgColor);
        gradient.setColorAt(1.0, d->bgColor);
        painter.setBrush(gradient);
    } else {
        painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(d->borderColor.isValid() ? QPen(d->borderColor) : QPen(Qt::NoPen));
    painter.drawPath(outline());
}

// Rounded by 4 pixels, with a pointer 5 pixels deep: 10 pixels long from y = 9 on the side
// edges, centred on the top and bottom edges.
QPainterPath ZtTipLabel::outline() const
{
    Q_D(const ZtTipLabel);
    const QRect r = rect();
    const QPointF tl = r.topLeft();
    const QPointF tr = r.topRight();
    const QPointF bl = r.bottomLeft();
    const QPointF br = r.bottomRight();
    const int w = width();
    const int h = height();
    const int c = (w - 10) / 2;
    QPainterPath path;
    switch (d->side) {
    case 1:
        path.moveTo(tr - QPointF(9, 0));
        path.lineTo(tl + QPointF(4, 0));
        path.quadTo(tl, tl + QPointF(0, 4));
        path.lineTo(bl - QPointF(0, 4));
        path.quadTo(bl, bl + QPointF(4, 0));
        path.lineTo(br - QPointF(9, 0));
        path.quadTo(br - QPointF(5, 0), br - QPointF(5, 4));
        path.lineTo(w - 5, 19);
        path.lineTo(w, 14);
        path.lineTo(w - 5, 9);
        path.lineTo(tr + QPointF(-5, 4));
        path.quadTo(tr - QPointF(5, 0), tr - QPointF(9, 0));
        break;
    case 2:
        path.moveTo(tr - QPointF(4, 0));
        path.lineTo(tl + QPointF(4, 0));
        path.quadTo(tl, tl + QPointF(0, 4));
        path.lineTo(bl - QPointF(0, 9));
        path.quadTo(bl - QPointF(0, 5), bl + QPointF(4, -5));
        path.lineTo(c, h - 5);
        path.lineTo(c + 5, h - 1);
        path.lineTo(c + 10, h - 5);
        path.lineTo(br - QPointF(4, 5));
        path.quadTo(br - QPointF(0, 5), br - QPointF(0, 9));
        path.lineTo(tr + QPointF(0, 4));
        path.quadTo(tr, tr - QPointF(4, 0));
        break;
    case 3:
        path.moveTo(tr + QPointF(-4, 5));
        path.lineTo(c + 10, 5);
        path.lineTo(c + 5, 1);
        path.lineTo(c, 5);
        path.lineTo(tl + QPointF(4, 5));
        path.quadTo(tl + QPointF(0, 5), tl + QPointF(0, 9));
        path.lineTo(bl - QPointF(0, 4));
        path.quadTo(bl, bl + QPointF(4, 0));
        path.lineTo(br - QPointF(4, 0));
        path.quadTo(br, br - QPointF(0, 4));
        path.lineTo(tr + QPointF(0, 9));
        path.quadTo(tr + QPointF(0, 5), tr + QPointF(-4, 5));
        break;
    default:
        path.moveTo(tr - QPointF(4, 0));
        path.lineTo(tl + QPointF(9, 0));
        path.quadTo(tl + QPointF(5, 0), tl + QPointF(5, 4));
        path.lineTo(5, 9);
        path.lineTo(0, 14);
        path.lineTo(5, 19);
        path.lineTo(bl + QPointF(5, -4));
        path.quadTo(bl + QPointF(5, 0), bl + QPointF(9, 0));
        path.lineTo(br - QPointF(4, 0));
        path.quadTo(br, br - QPointF(0, 4));
        path.lineTo(tr + QPointF(0, 4));
        path.quadTo(tr, tr - QPointF(4, 0));
        break;
    }
    path.closeSubpath();
    return path;
}

} // namespace ZtGUI
