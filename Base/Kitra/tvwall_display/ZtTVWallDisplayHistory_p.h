#pragma once

#include <QList>
#include <QPointer>
#include <QUndoStack>
#include "StructScaleRect.h"

namespace ZtGUI {

class ZtTVWallDisplayWindow;
class ZtTVWallDisplayWnd;

/// Where a window is, addressed as the host addresses it, and what restore returns it to.
struct DisplayWindowState
{
    int screen = -1;
    int window = -1;
    StructScaleRect scale;
    StructScaleRect saved;
    bool maximised = false;

    bool samePlace(const DisplayWindowState& other) const;
};

/// The display wall's undo stack. Besides the commands it knows the gesture under way: a gesture
/// notes the windows it may change before it starts and, when the outermost one ends, what
/// changed becomes one command. Commands put windows back through their own placing, so that
/// every change is reported by SignalWindowGeoChanged as a gesture reports it.
class ZtTVWallDisplayHistory : public QUndoStack
{
    Q_OBJECT

public:
    /// Merge id of moves made with the arrow keys: consecutive ones of the same windows are one command.
    static const int kKeyMoveId = 1;

    explicit ZtTVWallDisplayHistory(ZtTVWallDisplayWnd* wall);
    ~ZtTVWallDisplayHistory() override;

    /// The stack of the wall that `widget` belongs to (a screen, a window or the wall); null outside a wall.
    static ZtTVWallDisplayHistory* of(const QWidget* widget);

    /// Windows were deleted or renumbered: older commands could name the wrong window. Clears the
    /// stack, or marks it to be cleared as soon as the command being applied returns.
    void forget();
    /// Whether a command is putting windows back (the stack must outlive a host that deletes the wall then).
    bool isApplying() const;

    // Used through DisplayGesture: a gesture inside another one is part of it.
    void beginGesture();
    /// Notes the window's state before the gesture changes it.
    void track(ZtTVWallDisplayWindow* window);
    /// Pushes one command for the tracked windows that changed, unless windows were renumbered meanwhile.
    void endGesture(const QString& text, int id);

    /// Puts each window back; stops at the first window the host deleted or renumbered meanwhile.
    void apply(const QList<DisplayWindowState>& states);

private:
    DisplayWindowState stateOf(ZtTVWallDisplayWindow* window) const;
    void clearIfForgotten();

    const QPointer<ZtTVWallDisplayWnd> m_wall;
    int m_depth = 0;
    int m_applying = 0;
    bool m_forgotten = false;
    quint64 m_generation = 0;
    quint64 m_gestureGeneration = 0;
    QList<QPointer<ZtTVWallDisplayWindow>> m_tracked;
    QList<DisplayWindowState> m_before;
};

/// One operator gesture, from its construction to its destruction; gestures inside it are part of it.
class DisplayGesture
{
public:
    /// `part` is any widget of the wall; `text` names the command (a null text: "Maximise window" or
    /// "Restore window", after what happened to the first window), `id` lets key moves merge (-1: never).
    DisplayGesture(const QWidget* part, const QString& text, int id = -1);
    ~DisplayGesture();
    DisplayGesture(const DisplayGesture&) = delete;
    DisplayGesture& operator=(const DisplayGesture&) = delete;

    void track(ZtTVWallDisplayWindow* window);

private:
    const QPointer<ZtTVWallDisplayHistory> m_history;
    const QString m_text;
    const int m_id;
};

} // namespace ZtGUI
