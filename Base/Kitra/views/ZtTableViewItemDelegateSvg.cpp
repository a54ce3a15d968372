#include "ZtTableViewItemDelegateSvg.h"
#include "ZtTableViewItemDelegate_p.h"

#include <QHash>
#include <QPixmap>
#include <QSvgRenderer>

namespace ZtGUI {

namespace {
QSize svgSize(const ItemPixmapValue& value)
{
    return value.value(ItemPixmapValue::SizeKey).toSize();
}

// One rendered picture: the file, the size it is drawn at and the screen's pixel ratio.
struct PictureKey
{
    QString path;
    QSize size;
    qreal ratio;

    bool operator==(const PictureKey& other) const
    {
        return path == other.path && size == other.size && qFuzzyCompare(ratio, other.ratio);
    }
};

uint qHash(const PictureKey& key, uint seed = 0)
{
    return ::qHash(key.path, seed) ^ ::qHash(key.size.width() * 65599 + key.size.height(), seed)
        ^ ::qHash(int(key.ratio * 100), seed);
}

// A host with many sizes or files does not grow the cache without end: past this many pictures
// it starts afresh.
constexpr int CacheLimit = 512;
} // namespace

class ZtTableViewItemDelegateSvgPrivate
{
public:
    /// The picture of `path` at `size` on a device of `ratio`, rendered on first use; a file that
    /// does not render gives a null pixmap, which is kept too so that it is not read again.
    const QPixmap& picture(const QString& path, const QSize& size, qreal ratio) const;

    // Filled while painting, which Qt declares const.
    mutable QHash<PictureKey, QPixmap> cache;
};

const QPixmap& ZtTableViewItemDelegateSvgPrivate::picture(const QString& path, const QSize& size, qreal ratio) const
{
    const PictureKey key{path, size, ratio};
    const auto found = cache.constFind(key);
    if (found != cache.cend())
        return found.value();
    if (cache.size() >= CacheLimit)
        cache.clear();
    QPixmap rendered;
    QSvgRenderer renderer(path);
    const QSize pixels = size * ratio;
    if (renderer.isValid() && !pixels.isEmpty()) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        painter.end();
        rendered = QPixmap::fromImage(image);
        rendered.setDevicePixelRatio(ratio);
    }
    return cache.insert(key, rendered).value();
}

ZtTableViewItemDelegateSvg::ZtTableViewItemDelegateSvg(QObject* parent)
    : ZtTableViewItemDelegate(parent)
    , d_ptr(new ZtTableViewItemDelegateSvgPrivate)
{
}

ZtTableViewItemDelegateSvg::~ZtTableViewItemDelegateSvg() = default;

void ZtTableViewItemDelegateSvg::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    Q_D(const ZtTableViewItemDelegateSvg);
    const auto draw = [d](QPainter* target, const QRect& rect, const QVariant& picture) {
        const QString path = picture.toString();
        if (path.isEmpty())
            return;
        target->drawPixmap(rect, d->picture(path, rect.size(), target->device()->devicePixelRatioF()));
    };
    // The images' enabled state follows the view alone.
    ZtTableViewItemDelegate::d_func()->paintCell(painter, option, index, false, draw);
}

QRect ZtTableViewItemDelegateSvg::GetItemPixmapRect(struTreeViewData::ZtItemDataRole enumRole,
                                                    const QStyleOptionViewItem& optionItem, const QModelIndex& miItem,
                                                    QFlags<Qt::AlignmentFlag> alignment)
{
    return ZtTableViewItemDelegate::d_func()->slotRect(enumRole, optionItem, miItem, alignment, svgSize);
}

QRect ZtTableViewItemDelegateSvg::GetAllItemPixmapRect(const QStyleOptionViewItem& optionItem,
                                                       const QModelIndex& miItem, QFlags<Qt::AlignmentFlag> alignment)
{
    return ZtTableViewItemDelegate::d_func()->imageArea(optionItem, miItem, alignment, svgSize);
}

} // namespace ZtGUI
