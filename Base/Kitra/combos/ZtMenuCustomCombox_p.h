#pragma once

#include <QPointer>
#include <QVector>
#include "ZtMenu.h"

class QAction;

namespace ZtGUI {

class ZtMenuCustomCombox;

class ZtMenuCustomComboxPrivate
{
    Q_DECLARE_PUBLIC(ZtMenuCustomCombox)

public:
    explicit ZtMenuCustomComboxPrivate(ZtMenuCustomCombox* q) : q_ptr(q) {}

    bool MenuVisible() const { return menu && menu->isVisible(); }
    /// Remembers and reports the chosen action and shows its text; false when a host deleted
    /// the combo box from a slot on the way.
    bool Choose(const QAction* action);

    ZtMenuCustomCombox* const q_ptr;
    QPointer<ZtMenu> menu;
    QVector<int> chosen;
    int hoveredMainKey = 0;
};

} // namespace ZtGUI
