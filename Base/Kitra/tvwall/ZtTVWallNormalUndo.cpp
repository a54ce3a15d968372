// The operator's gestures as undo commands: what each changed, by screen and window number,
// put back and done again through the windows' own placement, which reports every change.
#include "ZtTVWallNormalUndo_p.h"

#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalScreen_p.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallNormalWnd_p.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <utility>
#include <vector>

namespace ZtGUI {

namespace {

struct WindowChange
{
    int screen;
    int window;
    StructScaleRect before;
    bool maximizedBefore;
    bool fittedBefore;
    StructScaleRect after;
    bool maximizedAfter;
    bool fittedAfter;
};

class GestureCommand : public QUndoCommand
{
public:
    GestureCommand(ZtTVWallNormalWnd* wall, const QString& text, int mergeId, int generation,
                   std::vector<WindowChange> changes)
        : QUndoCommand(text), m_wall(wall), m_mergeId(mergeId), m_generation(generation), m_changes(std::move(changes))
    {
    }

    void undo() override { apply(false); }
    void redo() override
    {
        // Pushed after the gesture has acted: only a redo after an undo acts again.
        if (m_done)
            apply(true);
        m_done = true;
    }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    bool sameWindows(const GestureCommand& other) const;
    void apply(bool after);

    QPointer<ZtTVWallNormalWnd> m_wall;
    int m_mergeId;
    int m_generation;
    std::vector<WindowChange> m_changes;
    bool m_done = false;
};

bool GestureCommand::sameWindows(const GestureCommand& other) const
{
    if (other.m_changes.size() != m_changes.size() || other.m_generation != m_generation)
        return false;
    for (size_t i = 0; i < m_changes.size(); ++i) {
        if (other.m_changes.at(i).screen != m_changes.at(i).screen
            || other.m_changes.at(i).window != m_changes.at(i).window)
            return false;
    }
    return true;
}

bool GestureCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const GestureCommand*>(other);
    if (!sameWindows(*next))
        return false;
    for (size_t i = 0; i < m_changes.size(); ++i) {
        WindowChange& change = m_changes[i];
        const WindowChange& later = next->m_changes.at(i);
        change.after = later.after;
        change.maximizedAfter = later.maximizedAfter;
        change.fittedAfter = later.fittedAfter;
    }
    return true;
}

void GestureCommand::apply(bool after)
{
    if (!m_wall || ZtTVWallNormalWndPrivate::get(m_wall)->generation != m_generation)
        return;
    const QPointer<ZtTVWallNormalWnd> wall = m_wall;
    ++ZtTVWallNormalWndPrivate::get(wall)->applying;
    const size_t count = m_changes.size();
    for (size_t i = 0; i < count; ++i) {
        // Undone in the reverse order of the doing.
        const WindowChange& c = m_changes.at(after ? i : count - 1 - i);
        ZtTVWallNormalWndPrivate* d = ZtTVWallNormalWndPrivate::get(wall);
        ZtTVWallNormalWindow* window = d->window(c.screen, c.window);
        // A window that is not free refuses the change, as it refuses the mouse.
        if (!window || !window->IsFreeMode())
            continue;
        ZtTVWallNormalScreenPrivate::applyWindowScale(window, after ? c.after : c.before,
                                                      after ? c.maximizedAfter : c.maximizedBefore,
                                                      after ? c.fittedAfter : c.fittedBefore);
        // A host's slot may have deleted the wall or renumbered its windows.
        if (!wall || ZtTVWallNormalWndPrivate::get(wall)->generation != m_generation)
            break;
    }
    if (wall)
        --ZtTVWallNormalWndPrivate::get(wall)->applying;
}

ZtTVWallNormalWnd* wallOf(const ZtTVWallNormalWindow* window)
{
    auto* screen = dynamic_cast<ZtTVWallNormalScreen*>(window->parentItem());
    return screen ? ZtTVWallNormalScreenPrivate::get(screen)->owner : nullptr;
}

} // namespace

ZtTVWallGestureRecord::ZtTVWallGestureRecord(ZtTVWallNormalWnd* wall, const QString& text, int mergeId)
    : m_wall(wall), m_text(text), m_mergeId(mergeId)
{
    if (wall)
        m_generation = ZtTVWallNormalWndPrivate::get(wall)->generation;
}

ZtTVWallGestureRecord::ZtTVWallGestureRecord(ZtTVWallNormalWindow* window, const QString& text)
    : ZtTVWallGestureRecord(wallOf(window), text)
{
    watch(window);
}

void ZtTVWallGestureRecord::watch(ZtTVWallNormalWindow* window)
{
    m_watched.append({window, window->GetScale(), window->IsMaximized(), window->IsFitted()});
}

void ZtTVWallGestureRecord::commit()
{
    if (!m_wall)
        return;
    const ZtTVWallNormalWndPrivate* d = ZtTVWallNormalWndPrivate::get(m_wall);
    if (d->generation != m_generation)
        return;
    std::vector<WindowChange> changes;
    for (const Watched& w : qAsConst(m_watched)) {
        WindowChange c{-1, -1, w.scale, w.maximized, w.fitted, StructScaleRect(), false, false};
        if (!w.window || !d->locate(w.window, c.screen, c.window))
            continue;
        c.after = w.window->GetScale();
        c.maximizedAfter = w.window->IsMaximized();
        c.fittedAfter = w.window->IsFitted();
        const bool moved = c.after.dLeft != c.before.dLeft || c.after.dTop != c.before.dTop
            || c.after.dRight != c.before.dRight || c.after.dBottom != c.before.dBottom;
        if (moved || c.maximizedAfter != c.maximizedBefore || c.fittedAfter != c.fittedBefore)
            changes.push_back(c);
    }
    if (!changes.empty())
        d->undoStack->push(new GestureCommand(m_wall, m_text, m_mergeId, m_generation, std::move(changes)));
}

} // namespace ZtGUI
