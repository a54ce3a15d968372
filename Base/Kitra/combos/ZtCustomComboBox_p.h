#pragma once

#include <QObject>
#include <QPointer>
#include "ZtComboBoxPopupContainer.h"

namespace ZtGUI {

class ZtCustomComboBox;

class ZtCustomComboBoxPrivate : public QObject
{
    Q_OBJECT

public:
    explicit ZtCustomComboBoxPrivate(ZtCustomComboBox* q) : q_ptr(q) {}

    bool PopupVisible() const { return container && container->isVisible(); }

    ZtCustomComboBox* const q_ptr;
    // Guarded: the application may delete its container itself.
    QPointer<ZtComboBoxPopupContainer> container;
};

} // namespace ZtGUI
