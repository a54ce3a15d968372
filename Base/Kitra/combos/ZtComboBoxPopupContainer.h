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
    explicit ZtComboBoxPopupContainer(QWidget* parent = nullptr);
    ~ZtComboBoxPopupContainer() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace ZtGUI
