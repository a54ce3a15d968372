#pragma once

#include <QPointer>
#include <QVector>
#include "ZtCascadingListWidget.h"

namespace ZtGUI {

class ZtCascadingListComBox;

class ZtCascadingListComBoxPrivate
{
    Q_DECLARE_PUBLIC(ZtCascadingListComBox)

public:
    explicit ZtCascadingListComBoxPrivate(ZtCascadingListComBox* q) : q_ptr(q) {}

    /// Shows `text` as the only item and closes the pop-up, unless a host deleted the combo
    /// box from a slot of its change signals.
    void ShowChoice(const QString& text);

    ZtCascadingListComBox* const q_ptr;
    QPointer<ZtCascadingListWidget> list;
    QVector<int> chosen;
};

} // namespace ZtGUI
