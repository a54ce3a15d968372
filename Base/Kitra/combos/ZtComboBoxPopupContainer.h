#pragma once

#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

/// The pop-up window of a ZtCustomComboBox: an empty Qt::Popup widget in which the application
/// lays out its own content. Inside a combo box, a press on it or outside it closes it, and a press
/// on the combo box does not reopen it at once; with any other parent it stays open.
class KITRA_EXPORT ZtComboBoxPopupContainer : public QWidget
{
    Q_OBJECT

public:
    /// An empty pop-up window; give it a layout and content, then hand it to
    /// ZtCustomComboBox::SetPopupContainer().
    explicit ZtComboBoxPopupContainer(QWidget* parent = nullptr);
    ~ZtComboBoxPopupContainer() override;

protected:
    /// With a combo box as parent, a press closes the pop-up, and does not reopen it when it lands on
    /// the combo box's arrow (or anywhere on a combo box that is not editable); otherwise it does nothing.
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace ZtGUI
