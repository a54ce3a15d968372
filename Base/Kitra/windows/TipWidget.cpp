#include "TipWidget.h"
#include "CommonFun_p.h"
#include "TipWidget_p.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

TipWidget::TipWidget(const QString& text, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , d_ptr(new TipWidgetPrivate)
{
    Q_D(TipWidget);
    d->label = new QLabel(text, this);
    d->label->setWordWrap(true);
    d->label->setContentsMargins(10, 3, 10, 3);
    d->label->setMinimumHeight(0);
    d->label->setStyleSheet(QStringLiteral("color:red;"));
    d->layout = new QHBoxLayout(this);
    d->layout->setContentsMargins(kShaderDist, kShaderDist, kShaderDist, kShaderDist);
    d->layout->addWidget(d->label);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(tr("Tip"));

    auto shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor(0, 0, 0, 38));
    shadow->setBlurRadius(15);
    setGraphicsEffect(shadow);
}

TipWidget::~TipWidget() = default;

void TipWidget::setTipText(const QString& text)
{
    Q_D(TipWidget);
    d->label->setText(text);
}

void TipWidget::setTipTextColor(const QColor& colour)
{
    Q_D(TipWidget);
    d->label->setStyleSheet(QStringLiteral("color:rgb(%1, %2, %3);").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
}

void TipWidget::setWidget(QWidget* widget)
{
    Q_D(TipWidget);
    if (!widget) {
        qWarning("TipWidget::setWidget: Attempt to insert null QWidget");
        return;
    }
    d->label->hide();
    d->layout->addWidget(widget);
    d->content = widget;
}

void TipWidget::setTriangleHeight(int height)
{
    Q_D(TipWidget);
    d->triangleHeight = height;
    update();
}

void TipWidget::setTriangleLeft(int left)
{
    Q_D(TipWidget);
    d->triangleLeft = left;
    update();
}

void TipWidget::setTriangleOnTop(bool onTop)
{
    Q_D(TipWidget);
    d->triangleOnTop = onTop;
    update();
}

void TipWidget::showEvent(QShowEvent* event)
{
    refreshColours();
    QWidget::showEvent(event);
}

void TipWidget::refreshColours()
{
    Q_D(TipWidget);
    const QString skin = ZtGUI::SkinStyle();
    if (skin == QLatin1String("DustyBlue")) {
        d->borderColour = QColor(209, 209, 209);
        d->fillColour = QColor(255, 255, 255);
    } else if (skin == QLatin1String("Dark")) {
        d->borderColour = QColor(98, 98, 98);
        d->fillColour = QColor(81, 81, 81);
    }
}

void TipWidget::paintEvent(QPaintEvent* /*event*/)
{
    Q_D(const TipWidget);
    const int h = d->triangleHeight == -1 ? kTriangleHeight : d->triangleHeight;
    const int x = d->triangleLeft == -1 ? width() / 2 - h : d->triangleLeft;
    QRect r;
    if (!d->label->isHidden())
        r = d->label->geometry();
    else if (d->content)
        r = d->content->geometry();
    else
        return;   // the host deleted its content: nothing left to frame
    r.setRight(r.right() - 1);

    QPainterPath path;
    if (d->triangleOnTop) {
        // Square corners: the pointer leaves no room for arcs on the top edge.
        path.moveTo(r.right(), r.top());
        path.lineTo(x + 2 * h, r.top());
        path.lineTo(x + h, r.top() - h);
        path.lineTo(x, r.top());
        path.lineTo(r.left(), r.top());
        path.lineTo(r.left(), r.bottom());
        path.lineTo(r.right(), r.bottom());
    } else {
        path.moveTo(r.right(), r.top() + 2);
        path.arcTo(QRectF(r.right() - 4, r.top(), 4, 4), 0, 90);
        path.lineTo(r.left() + 2, r.top());
        path.arcTo(QRectF(r.left(), r.top(), 4, 4), 90, 90);
        path.lineTo(r.left(), r.bottom() - 2);
        path.arcTo(QRectF(r.left(), r.bottom() - 4, 4, 4), 180, 90);
        path.lineTo(x, r.bottom());
        path.lineTo(x + h, r.bottom() + h);
        path.lineTo(x + 2 * h, r.bottom());
        path.lineTo(r.right() - 2, r.bottom());
        path.arcTo(QRectF(r.right() - 4, r.bottom() - 4, 4, 4), 270, 90);
    }
    path.closeSubpath();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(d->borderColour);
    painter.setBrush(QBrush(d->fillColour, Qt::SolidPattern));
    painter.drawPath(path);
}
