#pragma once

#include <QComboBox>
#include "KitraExport.h"

namespace ZtGUI {

/// A QComboBox whose drop-down list is the library's list view drawn by the library's item
/// delegate, so that the skins and the wrapped tool tips match the item views.
class KITRA_EXPORT ZtComboBox : public QComboBox
{
    Q_OBJECT

public:
    /// An empty combo box with the library's list view and item delegate.
    explicit ZtComboBox(QWidget* parent = nullptr);
    ~ZtComboBox() override;
};

} // namespace ZtGUI
