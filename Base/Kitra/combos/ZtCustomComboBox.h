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
    explicit ZtCustomComboBox(QWidget* parent = nullptr);
    ~ZtCustomComboBox() override;

    /// Takes `pContainer` over as the pop-up and deletes the previous one; null is ignored.
    void SetPopupContainer(ZtComboBoxPopupContainer* pContainer);
    ZtComboBoxPopupContainer* GetPopupContainer() const;

    /// Sets the tool tip for `text`: the text itself when it does not fit the combo box, none
    /// when it does, and lines of about 500 pixels broken after commas when it is wider than
    /// the screen.
    void SetAutoTooltip(QString text);

protected:
    void showPopup() override;
    void hidePopup() override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QScopedPointer<ZtCustomComboBoxPrivate> d_ptr;
};

} // namespace ZtGUI
