#pragma once

#include <QObject>
#include <QPointer>
#include "ZtPopupButtonPopupContainer.h"

namespace ZtGUI {

class ZtPopupButton;

class ZtPopupButtonPrivate : public QObject
{
    Q_OBJECT

public:
    explicit ZtPopupButtonPrivate(ZtPopupButton* q) : q_ptr(q) {}

    ZtPopupButtonPopupContainer* Container();

    ZtPopupButton* const q_ptr;
    QPointer<ZtPopupButtonPopupContainer> container;
};

} // namespace ZtGUI
