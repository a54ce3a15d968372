#pragma once

#include <QScopedPointer>
#include "ZtComboBox.h"

namespace ZtGUI {

class ZtComboBoxPopupContainer;
class ZtCustomComboBoxPrivate;

/// A combo box whose drop-down is an application widget inside a ZtComboBoxPopupContainer.
/// The pop-up opens under the combo box as wide as it (within the screen) and at its own height,
/// above it when there is more room there, and closes on the arrow, an outside click, Escape
/// and Return. Without a container the drop-down never opens.
class KITRA_EXPORT ZtCustomComboBox : public ZtComboBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCustomComboBox)

public:
    /// A combo box whose drop-down does not open until SetPopupContainer().
    explicit ZtCustomComboBox(QWidget* parent = nullptr);
    ~ZtCustomComboBox() override;

    /// Takes `pContainer` over as the pop-up (a hidden child that keeps its pop-up flags) and deletes
    /// the previous one; null is ignored.
    void SetPopupContainer(ZtComboBoxPopupContainer* pContainer);
    /// The pop-up container, owned by the combo box; null until SetPopupContainer().
    ZtComboBoxPopupContainer* GetPopupContainer() const;

    /// Sets the tool tip for `text`: the text itself when it does not fit the combo box (its width
    /// less 28 pixels), none when it fits, and lines of about 500 pixels broken after commas when it
    /// is wider than the screen.
    void SetAutoTooltip(QString text);

protected:
    /// Places the container under the combo box (or above it) and shows it; nothing without one.
    void showPopup() override;
    /// Hides the container.
    void hidePopup() override;
    /// A press on the arrow while the pop-up is open closes it; other presses open it as usual.
    void mousePressEvent(QMouseEvent* event) override;
    /// Escape, Return and Enter close an open pop-up and are consumed.
    bool event(QEvent* event) override;

private:
    QScopedPointer<ZtCustomComboBoxPrivate> d_ptr;
};

} // namespace ZtGUI
