#pragma once

#include "KitraExport.h"

#include <QFont>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;
class QRectF;

namespace ZtGUI {

/// A one-line text that an item paints at every repaint, laid out once instead of each time.
/// Draws exactly the pixels of `QPainter::drawText(rect, flags, text)`; texts and alignments that
/// the cached layout does not cover (several lines, tabs, right or right-to-left alignment) are
/// handed to drawText itself.
class KITRA_EXPORT KitraLaidOutText
{
public:
    void draw(QPainter* painter, const QRectF& rect, int flags, const QString& text);

private:
    bool cacheable(const QPainter* painter, int flags, const QString& text) const;
    void layOut(const QPainter* painter, const QString& text);

    std::unique_ptr<QTextLayout> m_layout;     // made at the first cached draw: most items never draw one
    QString m_text;
    QFont m_font;
    Qt::LayoutDirection m_direction = Qt::LayoutDirectionAuto;
    qreal m_height = 0.0;
};

} // namespace ZtGUI
