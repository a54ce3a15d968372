#pragma once

#include <QByteArray>
#include <QSharedDataPointer>
#include <QString>
#include <QVariant>
#include <QVector>
#include "KitraExport.h"
#include "StructScaleRect.h"

namespace ZtGUI {

class ZtTVWallLayoutData;

/// A saved arrangement of a TV wall: its grid, its screens and the windows on each screen, as a
/// copyable value that writes itself to JSON and back. A layout is checked when it is made (built
/// from parts or read from JSON): a faulty one is invalid, reported by one Qt warning naming the
/// cause, and refused by ZtTVWallOperateWnd::ApplyLayout without another.
class KITRA_EXPORT ZtTVWallLayout
{
public:
    /// The version toJson() writes; fromJson() refuses a later one.
    static const int FormatVersion = 1;
    /// Largest number of grid rows or columns a layout accepts (the least is 1).
    static const int MaxGridCount = 64;

    /// One video window, in the order of its screen's window numbers.
    struct Window
    {
        StructScaleRect scale;   ///< in fractions of its screen, with the window's free-mode flag
        QString title;           ///< applied as the window's content text when not empty
        int zValue = 0;          ///< stacking order; higher is on top
        bool locked = false;     ///< lock button on (display wall only)
        bool volumeOn = false;   ///< volume button on
        bool ptzOn = false;      ///< PTZ controls shown (display wall only)
        QVariant userData;       ///< the host's value, as the wall holds it
    };

    /// One screen, in the order of the wall's screen numbers.
    struct Screen
    {
        StructScaleRect scale;   ///< in fractions of the wall, with the screen's free-mode flag
        QVariant userData;       ///< the host's value, as the wall holds it
        QVector<Window> windows; ///< its windows, in the order of their numbers
    };

    /// An invalid layout (no grid), as the failure value of the calls that make one.
    ZtTVWallLayout();
    /// A layout of `iRows` x `iCols` cells and `screens`; invalid, with a warning, when the grid
    /// is outside 1..MaxGridCount or a screen or window lies outside its area.
    ZtTVWallLayout(int iRows, int iCols, const QVector<Screen>& screens);
    /// A copy; layouts share their data until one of them changes.
    ZtTVWallLayout(const ZtTVWallLayout& other);
    /// Makes this layout a copy of `other`.
    ZtTVWallLayout& operator=(const ZtTVWallLayout& other);
    ~ZtTVWallLayout();

    /// False for a default layout and for one whose input was refused.
    bool isValid() const;
    /// Grid rows; 0 when invalid.
    int rowCount() const;
    /// Grid columns; 0 when invalid.
    int columnCount() const;
    /// The screens with their windows; empty when invalid.
    QVector<Screen> screens() const;

    /// UTF-8 JSON text carrying FormatVersion; empty for an invalid layout. User data
    /// that JSON cannot hold (any type but null, bool, numbers, strings, byte arrays and lists and
    /// maps of these) is left out, with a warning naming its type and owner.
    QByteArray toJson() const;
    /// The layout `json` describes; an invalid layout, with one warning naming the cause, for
    /// malformed JSON, a missing or later format version, or a layout the constructor refuses.
    static ZtTVWallLayout fromJson(const QByteArray& json);

    /// Same grid, same screens and windows in the same order with the same states and user data;
    /// rectangles count as equal within 0.002 of each corner, as the scene wall compares them.
    bool operator==(const ZtTVWallLayout& other) const;
    /// The opposite of operator==().
    bool operator!=(const ZtTVWallLayout& other) const { return !(*this == other); }

private:
    QSharedDataPointer<ZtTVWallLayoutData> d;
};

} // namespace ZtGUI

Q_DECLARE_METATYPE(ZtGUI::ZtTVWallLayout)
