#pragma once

#include <QPushButton>
#include "KitraExport.h"

class QStyleOptionButton;

namespace ZtGUI {

/// A push button whose icon follows the button's state: one QIcon with Normal, Active (hovered),
/// Selected (pressed) and Disabled pixmaps gives the button all its state pictures.
class KITRA_EXPORT ZtPushButton : public QPushButton
{
    Q_OBJECT

public:
    /// A button without text or icon.
    explicit ZtPushButton(QWidget* parent = nullptr);
    /// A button labelled `text`.
    explicit ZtPushButton(const QString& text, QWidget* parent = nullptr);
    /// A button labelled `text` whose `icon` supplies the state pictures.
    ZtPushButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);

protected:
    /// Fills `option` as QPushButton does, with the icon reduced to the pixmap of the current state.
    void initStyleOption(QStyleOptionButton* option) const;
    /// Draws the button with the icon pixmap of its current state, at the style's small icon size.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ZtGUI
