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
    /// A secondary button without text or icon.
    explicit ZtSubPushButton(QWidget* parent = nullptr);
    /// A secondary button labelled `text`.
    explicit ZtSubPushButton(const QString& text, QWidget* parent = nullptr);
    /// A secondary button labelled `text` whose `icon` supplies the state pictures.
    ZtSubPushButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);
};

} // namespace ZtGUI
