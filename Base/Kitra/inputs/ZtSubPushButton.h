#pragma once

#include "KitraExport.h"
#include "ZtPushButton.h"

namespace ZtGUI {

/// A secondary push button (Cancel, Other): a ZtPushButton under its own class name, so that style
/// sheets can style it apart from the primary buttons.
class KITRA_EXPORT ZtSubPushButton : public ZtPushButton
{
    Q_OBJECT

public:
    explicit ZtSubPushButton(QWidget* parent = nullptr);
    explicit ZtSubPushButton(const QString& text, QWidget* parent = nullptr);
    ZtSubPushButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);
};

} // namespace ZtGUI
