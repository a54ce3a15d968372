#include "KitraLaidOutText_p.h"

#include <QPainter>
#include <QTextLine>

namespace ZtGUI {

namespace {

// drawText changes these characters before it lays a text out, or breaks lines at them.
bool hasControlCharacters(const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar(ushort(0x9c))
            || c == QChar::LineSeparator)
            return true;
    }
    return false;
}

} // namespace

bool KitraLaidOutText::cacheable(const QPainter* painter, int flags, const QString& text) const
{
    const int horizontal = flags & Qt::AlignHorizontal_Mask;
    const bool simpleAlignment = horizontal == Qt::AlignLeft || horizontal == Qt::AlignHCenter || horizontal == 0;
    const int layoutFlags = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask;
    return simpleAlignment && !(flags & ~layoutFlags) && painter->layoutDirection() != Qt::RightToLeft
           && !hasControlCharacters(text);
}

void KitraLaidOutText::layOut(const QPainter* painter, const QString& text)
{
    // The same engine settings as drawText's: left-aligned lines, placed here by hand.
    m_text = text;
    m_font = painter->font();
    m_direction = painter->layoutDirection();
    if (!m_layout)
        m_layout = std::make_unique<QTextLayout>();
    m_layout->setText(text);
    m_layout->setFont(m_font);
    m_layout->setCacheEnabled(true);
    QTextOption option;
    option.setTextDirection(m_direction);
    option.setAlignment(Qt::AlignLeft);
    m_layout->setTextOption(option);
    m_layout->beginLayout();
    QTextLine line = m_layout->createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0.0, 0.0));
    m_layout->endLayout();
    m_height = line.ascent() + line.descent();
}

void KitraLaidOutText::draw(QPainter* painter, const QRectF& rect, int flags, const QString& text)
{
    if (text.isEmpty() || painter->pen().style() == Qt::NoPen)
        return;
    if (!cacheable(painter, flags, text)) {
        painter->drawText(rect, flags, text);
        return;
    }
    if (!m_layout || text != m_text || painter->font() != m_font || painter->layoutDirection() != m_direction)
        layOut(painter, text);
    const QTextLine line = m_layout->lineAt(0);
    qreal top = rect.top();
    if (flags & Qt::AlignBottom)
        top = rect.bottom() - m_height;
    else if (flags & Qt::AlignVCenter)
        top += (rect.height() - m_height) / 2;
    const bool centred = flags & Qt::AlignHCenter;
    const qreal width = line.naturalTextWidth();
    const QRectF bounds(centred ? rect.x() + (rect.width() - width) / 2 : rect.x(), top, width, m_height);
    // drawText clips to the rectangle only where the text would leave it.
    const bool clip = !rect.contains(bounds);
    if (clip) {
        painter->save();
        painter->setClipRect(rect, Qt::IntersectClip);
    }
    const qreal left = centred ? rect.x() + (rect.width() - line.horizontalAdvance()) / 2 : rect.x();
    line.draw(painter, QPointF(left, top));
    if (clip)
        painter->restore();
}

} // namespace ZtGUI
