#include "ZtTVWallDisplayHistory_p.h"

#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWindow_p.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallDisplayWnd_p.h"

#include <QUndoCommand>

namespace ZtGUI {

namespace {

bool sameScale(const StructScaleRect& a, const StructScaleRect& b)
{
    return a.dLeft == b.dLeft && a.dTop == b.dTop && a.dRight == b.dRight && a.dBottom == b.dBottom;
}

bool sameWindows(const QList<DisplayWindowState>& a, const QList<DisplayWindowState>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).screen != b.at(i).screen || a.at(i).window != b.at(i).window)
            return false;
    }
    return true;
}

// What one gesture did to its windows. The gesture has already happened when the command is
// pushed, so its first redo only marks it as done.
class DisplayGeometryCommand : public QUndoCommand
{
public:
    DisplayGeometryCommand(ZtTVWallDisplayHistory* history, const QString& text, int id,
                           const QList<DisplayWindowState>& before, const QList<DisplayWindowState>& after)
        : QUndoCommand(text)
        , m_history(history)
        , m_id(id)
        , m_before(before)
        , m_after(after)
    {
    }

    int id() const override { return m_id; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const DisplayGeometryCommand*>(other);
        if (!sameWindows(m_after, next->m_after))
            return false;
        m_after = next->m_after;
        // Moves that cancel out leave nothing to undo.
        bool moved = false;
        for (int i = 0; i < m_after.size(); ++i)
            moved = moved || !m_after.at(i).samePlace(m_before.at(i));
        setObsolete(!moved);
        return true;
    }

    void undo() override { m_history->apply(m_before); }

    void redo() override
    {
        if (m_done)
            m_history->apply(m_after);
        m_done = true;
    }

private:
    ZtTVWallDisplayHistory* const m_history;     // the stack that owns the command
    const int m_id;
    const QList<DisplayWindowState> m_before;
    QList<DisplayWindowState> m_after;
    bool m_done = false;
};

} // namespace

bool DisplayWindowState::samePlace(const DisplayWindowState& other) const
{
    return maximised == other.maximised && sameScale(scale, other.scale);
}

ZtTVWallDisplayHistory::ZtTVWallDisplayHistory(ZtTVWallDisplayWnd* wall)
    : QUndoStack(wall)
    , m_wall(wall)
{
    // A clear asked for while a command runs waits until the stack has finished with it.
    connect(this, &QUndoStack::indexChanged, this, &ZtTVWallDisplayHistory::clearIfForgotten);
}

ZtTVWallDisplayHistory::~ZtTVWallDisplayHistory()
{
    // The base class clears, and so reports a new index, after this part of the object is gone.
    disconnect(this, &QUndoStack::indexChanged, this, &ZtTVWallDisplayHistory::clearIfForgotten);
}

ZtTVWallDisplayHistory* ZtTVWallDisplayHistory::of(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* wall = qobject_cast<const ZtTVWallDisplayWnd*>(w))
            return static_cast<ZtTVWallDisplayHistory*>(wall->GetUndoStack());
    }
    return nullptr;
}

void ZtTVWallDisplayHistory::forget()
{
    ++m_generation;
    if (m_applying > 0)
        m_forgotten = true;
    else
        clear();
}

bool ZtTVWallDisplayHistory::isApplying() const
{
    return m_applying > 0;
}

void ZtTVWallDisplayHistory::clearIfForgotten()
{
    if (!m_forgotten || m_applying > 0)
        return;
    m_forgotten = false;
    clear();
}

void ZtTVWallDisplayHistory::beginGesture()
{
    if (m_depth++ > 0)
        return;
    m_gestureGeneration = m_generation;
    m_tracked.clear();
    m_before.clear();
}

void ZtTVWallDisplayHistory::track(ZtTVWallDisplayWindow* window)
{
    if (m_depth == 0 || !window || m_tracked.contains(window))
        return;
    m_tracked << window;
    m_before << stateOf(window);
}

void ZtTVWallDisplayHistory::endGesture(const QString& text, int id)
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    // Windows deleted or renumbered meanwhile: the indexes noted at the start may name others.
    bool stale = !m_wall || m_forgotten || m_generation != m_gestureGeneration;
    QList<DisplayWindowState> before;
    QList<DisplayWindowState> after;
    for (int i = 0; i < m_tracked.size() && !stale; ++i) {
        ZtTVWallDisplayWindow* w = m_tracked.at(i);
        stale = !w;
        const DisplayWindowState now = w ? stateOf(w) : DisplayWindowState();
        if (w && !now.samePlace(m_before.at(i))) {
            before << m_before.at(i);
            after << now;
        }
    }
    m_tracked.clear();
    m_before.clear();
    if (stale || after.isEmpty())
        return;
    const QString name = !text.isNull() ? text
                         : after.first().maximised ? ZtTVWallDisplayWnd::tr("Maximise window")
                                                   : ZtTVWallDisplayWnd::tr("Restore window");
    push(new DisplayGeometryCommand(this, name, id, before, after));
}

void ZtTVWallDisplayHistory::apply(const QList<DisplayWindowState>& states)
{
    if (m_forgotten)
        return;
    ++m_applying;
    const quint64 generation = m_generation;
    const QPointer<ZtTVWallDisplayWnd> wall(m_wall);
    for (const DisplayWindowState& state : states) {
        if (!wall || m_generation != generation)
            break;
        const ZtTVWallDisplayScreen* screen = wall->d_func()->screen(state.screen);
        if (ZtTVWallDisplayWindow* w = screen ? screen->GetWindow(state.window) : nullptr)
            w->d_func()->putBack(state.scale, state.maximised, state.saved);
    }
    --m_applying;
}

DisplayWindowState ZtTVWallDisplayHistory::stateOf(ZtTVWallDisplayWindow* window) const
{
    DisplayWindowState state;
    ZtTVWallDisplayScreen* screen = window->GetScreen();
    state.screen = m_wall->d_func()->screens.indexOf(screen);
    for (int i = 0; screen && i < screen->GetWindowCount(); ++i) {
        if (screen->GetWindow(i) == window)
            state.window = i;
    }
    const ZtTVWallDisplayWindowPrivate* d = window->d_func();
    state.scale = d->scale;
    state.saved = d->savedScale;
    state.maximised = d->maximized;
    return state;
}

DisplayGesture::DisplayGesture(const QWidget* part, const QString& text, int id)
    : m_history(ZtTVWallDisplayHistory::of(part))
    , m_text(text)
    , m_id(id)
{
    if (m_history)
        m_history->beginGesture();
}

DisplayGesture::~DisplayGesture()
{
    if (m_history)
        m_history->endGesture(m_text, m_id);
}

void DisplayGesture::track(ZtTVWallDisplayWindow* window)
{
    if (m_history)
        m_history->track(window);
}

} // namespace ZtGUI
