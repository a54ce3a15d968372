#pragma once

#include <QObject>

class QWidget;

namespace ZtGUI {

/// Keeps a press on a pop-up's own button from opening the pop-up again. Qt closes a pop-up on a
/// press outside it and replays the press to the widget underneath: on the button that opened the
/// pop-up, the replay would reopen what the press has just closed.
class ZtPopupReplayFilter : public QObject
{
public:
    /// Watches `popup` for `button`, which owns the filter.
    ZtPopupReplayFilter(QWidget* button, QWidget* popup);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* const m_button;
    QWidget* const m_popup;
};

} // namespace ZtGUI
