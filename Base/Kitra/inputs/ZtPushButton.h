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
    explicit ZtPushButton(QWidget* parent = nullptr);
    explicit ZtPushButton(const QString& text, QWidget* parent = nullptr);
    ZtPushButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);

protected:
    /// Fills `option` as QPushButton does, with the icon reduced to the pixmap of the current state.
    void initStyleOption(QStyleOptionButton* option) const;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ZtGUI
