#pragma once

#include "StructScaleRect.h"

#include <QPointer>
#include <QString>
#include <QVector>

namespace ZtGUI {

class ZtTVWallNormalWindow;
class ZtTVWallNormalWnd;

/// Follows the windows that one operator's gesture changes, from before it acts until it has
/// acted, and leaves one command for them on the wall's undo stack. A host's slot may delete any
/// window, or the wall, while the gesture reports itself: windows are held by pointer and named
/// by number only at the end, and a deletion on the wall in between drops the record.
class ZtTVWallGestureRecord
{
public:
    /// Commands made with the same `mergeId` (when not -1), on the same windows one after the
    /// other, become one.
    ZtTVWallGestureRecord(ZtTVWallNormalWnd* wall, const QString& text, int mergeId = -1);
    /// A record of a gesture on `window` alone, on the wall of its screen.
    ZtTVWallGestureRecord(ZtTVWallNormalWindow* window, const QString& text);

    /// Remembers `window` as it is before the gesture changes it.
    void watch(ZtTVWallNormalWindow* window);
    /// Pushes the watched windows that changed as one command; nothing when none did.
    void commit();

private:
    struct Watched
    {
        QPointer<ZtTVWallNormalWindow> window;
        StructScaleRect scale;
        bool maximized;
        bool fitted;
    };

    QPointer<ZtTVWallNormalWnd> m_wall;
    QString m_text;
    int m_mergeId;
    int m_generation = 0;
    QVector<Watched> m_watched;
};

} // namespace ZtGUI
