#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QVariant>
#include <utility>
#include "KitraExport.h"

namespace ZtGUI {

/// The item data contract of the library's views: the model roles that applications fill and
/// that the view delegates read. The struct only scopes the enum.
struct KITRA_EXPORT struTreeViewData
{
    /// The model roles the library's delegates and header read (all at or above Qt::UserRole - 1).
    /// Image slot n (1 … 5) pairs the image role 435 + n with the tool-tip role 465 + n and the
    /// enabled role 495 + n.
    enum ZtItemDataRole {
        /// Flags; the bit 0x2 makes a single left press open the cell's editor. It shares its
        /// value with the flags slot of QStandardItem, so a model serves it from data().
        EditTriggerRole = Qt::UserRole - 1,
        /// Not stored: the answer of a delegate's hit test when no image is under the mouse.
        NoneRole = 354,
        HeaderSectionWidthRole = 366,   ///< header data (unsigned int): the section's width
        HeaderCheckableRole = 367,      ///< header data of column 0 (bool): the box reacts to clicks
        HeaderCheckedCountRole = 368,   ///< header data of column 0 (int): checked rows that count as all
        ComboBoxEditorRole = 376,       ///< any valid value: the cell's editor is a combo box
        ComboBoxItemsRole = 377,        ///< QList<ZtVariantMap>: the combo box's items
        ComboBoxIndexRole = 378,        ///< int: the combo box's current index
        DateTimeEditorRole = 386,       ///< QDateTime: the cell's editor is a date-time edit
        DateTimeFormatRole = 391,       ///< QString: that editor's display format
        RowHeightRole = 392,            ///< int: the cell's height when greater than 0
        PixmapAlignmentRole = 426,      ///< Qt::Alignment bits of the cell's image group
        Pixmap1Role = 436,              ///< ItemPixmapValue of image slot 1 … 5
        Pixmap2Role = 437,
        Pixmap3Role = 438,
        Pixmap4Role = 439,
        Pixmap5Role = 440,
        Pixmap1ToolTipRole = 466,       ///< QString: tool tip of image slot 1 … 5
        Pixmap2ToolTipRole = 467,
        Pixmap3ToolTipRole = 468,
        Pixmap4ToolTipRole = 469,
        Pixmap5ToolTipRole = 470,
        HandCursorRole = 476,           ///< any valid value: a pointing hand over the whole cell
        Pixmap1EnabledRole = 496,       ///< bool: image slot 1 … 5 enabled; empty counts as enabled
        Pixmap2EnabledRole = 497,
        Pixmap3EnabledRole = 498,
        Pixmap4EnabledRole = 499,
        Pixmap5EnabledRole = 500
    };
};

/// The pictures of one image slot of a cell, by key: pixmaps for the pixmap delegate, SVG file
/// paths (and a drawing size) for the SVG delegate. A value type over QMap<int, QVariant>.
class ItemPixmapValue : public QMap<int, QVariant>
{
public:
    /// Keys of the map: NormalKey (0) the normal picture (the pixmap's size is the image's size),
    /// HoverKey (1) the picture under the mouse (without it the slot has no hover, pressed or disabled
    /// look), PressedKey (2) under the mouse with a button held, DisabledKey (3) for a disabled slot,
    /// SizeKey (4) the QSize an SVG is drawn at. Pixmaps for the pixmap delegate, file paths for the SVG one.
    enum PixmapKey { NormalKey = 0, HoverKey = 1, PressedKey = 2, DisabledKey = 3, SizeKey = 4 };

    using QMap<int, QVariant>::QMap;
    ItemPixmapValue() = default;
    /// A plain map filled by a host converts implicitly, as it would to the base class.
    ItemPixmapValue(const QMap<int, QVariant>& other) : QMap<int, QVariant>(other) {}
    /// Likewise, taking the map's contents over.
    ItemPixmapValue(QMap<int, QVariant>&& other) : QMap<int, QVariant>(std::move(other)) {}
};

/// One combo-box item: each entry a model role and its value.
using ZtVariantMap = QMap<int, QVariant>;

} // namespace ZtGUI

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
// The role's type goes by the name hosts know it under, without the namespace; the namespaced
// spelling, which moc writes into signatures, is registered beside it as an alias.
template <>
struct QMetaTypeId<ZtGUI::struTreeViewData::ZtItemDataRole>
{
    enum { Defined = 1 };
    static int qt_metatype_id()
    {
        static QBasicAtomicInt id = Q_BASIC_ATOMIC_INITIALIZER(0);
        if (const int known = id.loadAcquire())
            return known;
        const int registered = qRegisterMetaType<ZtGUI::struTreeViewData::ZtItemDataRole>(
            "struTreeViewData::ZtItemDataRole", reinterpret_cast<ZtGUI::struTreeViewData::ZtItemDataRole*>(quintptr(-1)));
        id.storeRelease(registered);
        return registered;
    }
};
#else
// Qt 6 names a type after its declaration; the name hosts know it under is registered as an alias.
Q_DECLARE_METATYPE(ZtGUI::struTreeViewData::ZtItemDataRole)
#endif

Q_DECLARE_METATYPE(ZtGUI::ItemPixmapValue)
