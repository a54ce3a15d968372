#pragma once

#include <QPointer>
#include <utility>

namespace ZtGUI {

/// Emits `signal` of `sender` and tells whether the sender outlived the host's slots: a host may
/// delete the sender from any slot, so a member touched after an emit needs this answer first.
template <typename Sender, typename Signal, typename... Args>
bool EmitAlive(Sender* sender, Signal signal, Args&&... args)
{
    const QPointer<Sender> guard(sender);
    (sender->*signal)(std::forward<Args>(args)...);
    return !guard.isNull();
}

} // namespace ZtGUI
