#pragma once

#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

/// The pop-up window of a ZtCustomComboBox: an empty Qt::Popup widget in which the application
/// lays out its own content. A press outside it closes it; a press on its combo box closes it
/// without reopening it at once.
class KITRA_EXPORT ZtComboBoxPopupContainer : public QWidget
{
    Q_OBJECT

public:
    /// An empty pop-up window; give it a layout and content, then hand it to
    /// ZtCustomComboBox::SetPopupContainer().
    explicit ZtComboBoxPopupContainer(QWidget* parent = nullptr);
    ~ZtComboBoxPopupContainer() override;

protected:
    /// A press outside the pop-up closes it, and does not reopen it when it lands on the combo box's
    /// arrow (or anywhere on a combo box that is not editable).
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace ZtGUI
